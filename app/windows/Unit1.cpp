#include "Unit1.h"

#include "HotkeyEngine.h"
#include "FileIO.h"
#include "SingleInstance.h"
#include "Skin.h"
#include "SlotSettings.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit7.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner, "TForm1") {
    Publish("FormCreate", &TForm1::FormCreate);
    Publish("FormDestroy", &TForm1::FormDestroy);
    Publish("Timer1Timer", &TForm1::Timer1Timer);
    Publish("Timer2Timer", &TForm1::Timer2Timer);
    Publish("Image9Click", &TForm1::Image9Click);
    Publish("Image11Click", &TForm1::Image11Click);
    Publish("Image20Click", &TForm1::Image20Click);
    Publish("Image16Click", &TForm1::Image16Click);
    Publish("Label6Click", &TForm1::Label6Click);
    Publish("Image3Click", &TForm1::Image3Click);
    ReadDescriptionResource("TFORM1");
    Image3 = &ComponentAs<TImage>(*this, "Image3");
    Image9 = &ComponentAs<TImage>(*this, "Image9");
    Image11 = &ComponentAs<TImage>(*this, "Image11");
    Image16 = &ComponentAs<TImage>(*this, "Image16");
    Image20 = &ComponentAs<TImage>(*this, "Image20");
    Label6 = &ComponentAs<TLabel>(*this, "Label6");
    FlatTitlebar1 = &ComponentAs<TFlatTitlebar>(*this, "FlatTitlebar1");
    Timer1 = &ComponentAs<TTimer>(*this, "Timer1");
    Timer2 = &ComponentAs<TTimer>(*this, "Timer2");
    hotkeys_ = std::make_unique<THotkeyEngine>(Handle());
    startedAgain_ = StartedAgainMessage(ProgramDirectory());
    DoCreate();
}

void TForm1::FormCreate(TObject*) {
    ApplyRoundedOutline(*this);
    if (SettingsFileExists())
        Timer2->SetEnabled(true);
    else
        Timer1->SetEnabled(true);
}

// Every way out of the program passes here.
void TForm1::FormDestroy(TObject*) { ReleaseHotkeys(); }

void TForm1::WndProc(TMessage& message) {
    if (startedAgain_ && message.Msg == startedAgain_) return Form4->TellAlreadyRunning();
    switch (message.Msg) {
        case WM_HOTKEY: return WMHotKey(message);
        case kKeyStatusMessage: return hotkeys_->NotifyStatus();
        case WM_INPUT: hotkeys_->RawInput(message.LParam); break;
        // Windows may have removed the keyboard hook while the session was locked or the
        // machine asleep.
        case WM_WTSSESSION_CHANGE:
            if (message.WParam == WTS_SESSION_UNLOCK) hotkeys_->InstallHookAgain();
            break;
        case WM_POWERBROADCAST:
            if (message.WParam == PBT_APMRESUMEAUTOMATIC || message.WParam == PBT_APMRESUMESUSPEND)
                hotkeys_->InstallHookAgain();
            break;
    }
    TForm::WndProc(message);
}

// Visible or not, the main window receives the hotkeys; the message goes no further.
void TForm1::WMHotKey(TMessage& message) { hotkeys_->HotkeyPressed(message.WParam); }

// First run: the settings window replaces the main window.
void TForm1::Timer1Timer(TObject*) {
    Hide();
    Form2->Show();
    Timer1->SetEnabled(false);
}

void TForm1::Timer2Timer(TObject*) {
    // Disabled first, so a file that cannot be read is reported once, not every tick.
    Timer2->SetEnabled(false);
    LoadSettingsAtStart();
}

void TForm1::Image9Click(TObject*) {
    Form2->Show();
    Hide();
    Form2->ResetSaveLabel();
    if (SettingsFileExists()) LoadSettingsIntoEdits();
}

void TForm1::Image11Click(TObject*) {
    ActivateHotkeys();
    Hide();
    Form4->Show();
}

void TForm1::Image20Click(TObject*) {
    Hide();
    Form7->Show();
}

void TForm1::Image16Click(TObject*) { Close(); }

void TForm1::Label6Click(TObject*) { Close(); }

void TForm1::Image3Click(TObject*) { Form3->SetVisible(true); }
