// The main window: the menu of Settings, Activate Keys, Info and Quit, and the two
// one-shot start-up timers that choose between a first run and a normal start.
#pragma once

#include <memory>

#include "Form.h"
#include "HotkeyEngine.h"
#include "Image.h"
#include "Label.h"
#include "FlatTitlebar.h"
#include "Timer.h"

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);

    TImage* Image3;  // the logo; a click opens the line buffer (Form3)
    TImage* Image9;  // "Settings" button
    TImage* Image11;  // "Activate Keys" button
    TImage* Image16;  // "Quit" button
    TImage* Image20;  // "Info" button
    TLabel* Label6;  // the "Quit" caption, clickable too
    TFlatTitlebar* FlatTitlebar1;  // the title bar the window is dragged by
    TTimer* Timer1;  // first run: hands over to the settings window
    TTimer* Timer2;  // start with a settings file: loads it

    // The hotkeys are registered on this window's handle.
    THotkeyEngine& Hotkeys() { return *hotkeys_; }
    void WndProc(TMessage& message) override;
    void WMHotKey(TMessage& message);

    void FormCreate(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
    void Image9Click(TObject* Sender);
    void Image11Click(TObject* Sender);
    void Image20Click(TObject* Sender);
    void Image16Click(TObject* Sender);
    void Label6Click(TObject* Sender);
    void Image3Click(TObject* Sender);

private:
    std::unique_ptr<THotkeyEngine> hotkeys_;
    // Posted by a second start of this copy.
    UINT startedAgain_ = 0;
};

extern TForm1* Form1;
