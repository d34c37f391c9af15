// The settings window: a key edit and a Shift box per inventory slot, save, back to
// the main window, exit.
#pragma once

#include <array>

#include "Button.h"
#include "FlatCheckBox.h"
#include "FlatEdit.h"
#include "Form.h"
#include "Image.h"
#include "Label.h"
#include "FlatTitlebar.h"

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);

    TLabel* Label15;  // "Save Settings"
    TLabel* Label16;  // "Go to Mainform", white once a save succeeded
    TLabel* Label17;  // "Exit Kitbag"
    TImage* Image5;  // button picture behind "Save Settings"
    TImage* Image6;  // button picture behind "Go to Mainform"
    TImage* Image7;  // button picture behind "Exit Kitbag"
    TButton* Button1;  // a button one pixel high that takes the first focus
    TFlatTitlebar* FlatTitlebar1;  // the title bar the window is dragged by
    TFlatEdit* FlatEdit1;  // slot 1's key (keypad 7)
    TFlatEdit* FlatEdit2;  // slot 2's key (keypad 8)
    TFlatEdit* FlatEdit3;  // slot 3's key (keypad 4)
    TFlatEdit* FlatEdit4;  // slot 4's key (keypad 5)
    TFlatEdit* FlatEdit5;  // slot 5's key (keypad 1)
    TFlatEdit* FlatEdit6;  // slot 6's key (keypad 2)
    TFlatCheckBox* FlatCheckBox1;  // slot 1's "Shift +"
    TFlatCheckBox* FlatCheckBox2;  // slot 2's "Shift +"
    TFlatCheckBox* FlatCheckBox3;  // slot 3's "Shift +"
    TFlatCheckBox* FlatCheckBox4;  // slot 4's "Shift +"
    TFlatCheckBox* FlatCheckBox5;  // slot 5's "Shift +"
    TFlatCheckBox* FlatCheckBox6;  // slot 6's "Shift +"

    // Slot 1 to 6.
    TFlatEdit& KeyEdit(int slot) const { return *keyEdits_.at(size_t(slot - 1)); }
    TFlatCheckBox& ShiftBox(int slot) const { return *shiftBoxes_.at(size_t(slot - 1)); }

    // "Go to Mainform" works once a save has succeeded; its label's colour is the flag.
    bool MainformArmed() const;
    // The save label as the description has it: "Save Settings", white, hand pointer.
    void ResetSaveLabel();

    void FormCreate(TObject* Sender);
    void Label15Click(TObject* Sender);
    void Label16Click(TObject* Sender);
    void Image6Click(TObject* Sender);
    void Label17Click(TObject* Sender);
    void Image7Click(TObject* Sender);
    void Label2Click(TObject* Sender);
    void Label3Click(TObject* Sender);
    void FlatEdit1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void FlatEdit2MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void FlatEdit3MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void FlatEdit4MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void FlatEdit5MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void FlatEdit6MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void FlatEdit5Change(TObject* Sender);
    // A typed letter becomes its capital; a character that is no key's is refused with
    // the system's beep (Key set to 0). A key replaces the slot's key wherever the caret is.
    void KeyEditKeyPress(TObject* Sender, char& Key);
    // A paste is taken as its first character typed.
    void KeyEditPaste(TObject* Sender);

private:
    void GoToMainform();
    // Hovering a key edit focuses it and hides its caret.
    static void FocusWithoutCaret(TFlatEdit& edit);

    std::array<TFlatEdit*, 6> keyEdits_{};
    std::array<TFlatCheckBox*, 6> shiftBoxes_{};
};

extern TForm2* Form2;
