#include "Unit2.h"

#include <string>

#include "Application.h"
#include "Clipboard.h"
#include "KeyTyping.h"
#include "Platform.h"
#include "Skin.h"
#include "SlotSettings.h"
#include "Unit1.h"
#include "Unit5.h"
#include "Unit6.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner, "TForm2") {
    Publish("FormCreate", &TForm2::FormCreate);
    Publish("Label15Click", &TForm2::Label15Click);
    Publish("Label16Click", &TForm2::Label16Click);
    Publish("Image6Click", &TForm2::Image6Click);
    Publish("Label17Click", &TForm2::Label17Click);
    Publish("Image7Click", &TForm2::Image7Click);
    Publish("Label2Click", &TForm2::Label2Click);
    Publish("Label3Click", &TForm2::Label3Click);
    Publish("FlatEdit1MouseMove", &TForm2::FlatEdit1MouseMove);
    Publish("FlatEdit2MouseMove", &TForm2::FlatEdit2MouseMove);
    Publish("FlatEdit3MouseMove", &TForm2::FlatEdit3MouseMove);
    Publish("FlatEdit4MouseMove", &TForm2::FlatEdit4MouseMove);
    Publish("FlatEdit5MouseMove", &TForm2::FlatEdit5MouseMove);
    Publish("FlatEdit6MouseMove", &TForm2::FlatEdit6MouseMove);
    Publish("FlatEdit5Change", &TForm2::FlatEdit5Change);
    Publish("KeyEditKeyPress", &TForm2::KeyEditKeyPress);
    Publish("KeyEditPaste", &TForm2::KeyEditPaste);
    ReadDescriptionResource("TFORM2");
    Label15 = &ComponentAs<TLabel>(*this, "Label15");
    Label16 = &ComponentAs<TLabel>(*this, "Label16");
    Label17 = &ComponentAs<TLabel>(*this, "Label17");
    Image5 = &ComponentAs<TImage>(*this, "Image5");
    Image6 = &ComponentAs<TImage>(*this, "Image6");
    Image7 = &ComponentAs<TImage>(*this, "Image7");
    Button1 = &ComponentAs<TButton>(*this, "Button1");
    FlatTitlebar1 = &ComponentAs<TFlatTitlebar>(*this, "FlatTitlebar1");
    for (int slot = 1; slot <= 6; ++slot) {
        keyEdits_[size_t(slot - 1)] = &ComponentAs<TFlatEdit>(*this, "FlatEdit" + std::to_string(slot));
        shiftBoxes_[size_t(slot - 1)] =
            &ComponentAs<TFlatCheckBox>(*this, "FlatCheckBox" + std::to_string(slot));
    }
    FlatEdit1 = keyEdits_[0], FlatEdit2 = keyEdits_[1], FlatEdit3 = keyEdits_[2];
    FlatEdit4 = keyEdits_[3], FlatEdit5 = keyEdits_[4], FlatEdit6 = keyEdits_[5];
    FlatCheckBox1 = shiftBoxes_[0], FlatCheckBox2 = shiftBoxes_[1];
    FlatCheckBox3 = shiftBoxes_[2], FlatCheckBox4 = shiftBoxes_[3];
    FlatCheckBox5 = shiftBoxes_[4], FlatCheckBox6 = shiftBoxes_[5];
    DoCreate();
}

void TForm2::FormCreate(TObject*) { ApplyRoundedOutline(*this); }

bool TForm2::MainformArmed() const { return Label16->Font().Color() == clWhite; }

void TForm2::ResetSaveLabel() {
    Label15->SetCaption("Save Settings");
    Label15->Font().SetColor(clWhite);
    Label15->SetCursor(crHandPoint);
}

void TForm2::Label15Click(TObject*) {
    switch (SaveSettings()) {
        case SettingsFile::SaveOutcome::Saved:
            Label15->SetCaption("Settings saved");
            Label15->Font().SetColor(clSilver);
            Label16->Font().SetColor(clWhite);
            Label16->SetCursor(crHandPoint);
            Label15->SetCursor(crDefault);
            break;
        case SettingsFile::SaveOutcome::DuplicateKey:
            Form6->Show();
            SetEnabled(false);
            break;
        case SettingsFile::SaveOutcome::MissingKey:
            Form5->Show();
            SetEnabled(false);
            break;
    }
}

void TForm2::GoToMainform() {
    if (!MainformArmed()) return;
    Hide();
    Form1->Show();
}

void TForm2::Label16Click(TObject*) { GoToMainform(); }
void TForm2::Image6Click(TObject*) { GoToMainform(); }
void TForm2::Label17Click(TObject*) { Application->Terminate(); }
void TForm2::Image7Click(TObject*) { Application->Terminate(); }
void TForm2::Label2Click(TObject*) { FlatEdit1->SetFocus(); }
void TForm2::Label3Click(TObject*) { FlatEdit2->SetFocus(); }

void TForm2::FocusWithoutCaret(TFlatEdit& edit) {
    edit.SetFocus();
    platform::HideCaret(edit.Handle());
}

void TForm2::FlatEdit1MouseMove(TObject*, TShiftState, int, int) { FocusWithoutCaret(*FlatEdit1); }
void TForm2::FlatEdit2MouseMove(TObject*, TShiftState, int, int) { FocusWithoutCaret(*FlatEdit2); }
void TForm2::FlatEdit3MouseMove(TObject*, TShiftState, int, int) { FocusWithoutCaret(*FlatEdit3); }
void TForm2::FlatEdit4MouseMove(TObject*, TShiftState, int, int) { FocusWithoutCaret(*FlatEdit4); }
// Edit 5 keeps its caret until its text changes.
void TForm2::FlatEdit5MouseMove(TObject*, TShiftState, int, int) { FlatEdit5->SetFocus(); }
void TForm2::FlatEdit6MouseMove(TObject*, TShiftState, int, int) { FocusWithoutCaret(*FlatEdit6); }
void TForm2::FlatEdit5Change(TObject*) { FocusWithoutCaret(*FlatEdit5); }

void TForm2::KeyEditKeyPress(TObject* Sender, char& Key) {
    Key = KeyEditChar(Key);
    if (Key == 0) {
        platform::MessageBeep(MB_OK);
        return;
    }
    // The edit holds one character: a click leaves the caret beside it, where a typed key
    // would find the edit full. Editing keys (Backspace, the clipboard's) act as usual.
    auto* edit = dynamic_cast<TCustomEdit*>(Sender);
    if (edit && static_cast<unsigned char>(Key) >= 0x20) edit->SelectAll();
}

void TForm2::KeyEditPaste(TObject* Sender) {
    auto* edit = dynamic_cast<TCustomEdit*>(Sender);
    if (!edit) return;
    const std::string pasted = ClipboardText(edit->Handle());
    if (pasted.empty()) return;
    const char key = PastedKeyChar(pasted);
    if (key == 0) {
        platform::MessageBeep(MB_OK);
        return;
    }
    edit->SetText(std::string(1, key));
    edit->SelectAll();
}
