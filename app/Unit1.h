// The main window: the menu of Settings, Activate Keys, Info and Quit, and the two
// one-shot start-up timers that choose between a first run and a normal start.
#pragma once

#include "Form.h"
#include "Image.h"
#include "Label.h"
#include "Panel.h"
#include "Timer.h"

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);

    TImage* Image1;
    TImage* Image3;
    TImage* Image9;
    TImage* Image11;
    TImage* Image13;
    TImage* Image14;
    TImage* Image16;
    TImage* Image20;
    TLabel* Label6;
    TLabel* Label7;
    TPanel* FlatTitlebar1;
    TTimer* Timer1;
    TTimer* Timer2;

    void FormCreate(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
};

extern TForm1* Form1;
