#include "Unit1.h"

#include "Skin.h"
#include "SlotSettings.h"
#include "Unit2.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner, "TForm1") {
    PublishMethod("FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    PublishMethod("Timer1Timer", TNotifyEvent([this](TObject* s) { Timer1Timer(s); }));
    PublishMethod("Timer2Timer", TNotifyEvent([this](TObject* s) { Timer2Timer(s); }));
    ReadDescriptionResource("TFORM1");
    Image1 = &ComponentAs<TImage>(*this, "Image1");
    Image3 = &ComponentAs<TImage>(*this, "Image3");
    Image9 = &ComponentAs<TImage>(*this, "Image9");
    Image11 = &ComponentAs<TImage>(*this, "Image11");
    Image13 = &ComponentAs<TImage>(*this, "Image13");
    Image14 = &ComponentAs<TImage>(*this, "Image14");
    Image16 = &ComponentAs<TImage>(*this, "Image16");
    Image20 = &ComponentAs<TImage>(*this, "Image20");
    Label6 = &ComponentAs<TLabel>(*this, "Label6");
    Label7 = &ComponentAs<TLabel>(*this, "Label7");
    FlatTitlebar1 = &ComponentAs<TPanel>(*this, "FlatTitlebar1");
    Timer1 = &ComponentAs<TTimer>(*this, "Timer1");
    Timer2 = &ComponentAs<TTimer>(*this, "Timer2");
    DoCreate();
}

void TForm1::FormCreate(TObject*) {
    ApplyRoundedOutline(*this);
    if (SettingsFileExists())
        Timer2->SetEnabled(true);
    else
        Timer1->SetEnabled(true);
}

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
