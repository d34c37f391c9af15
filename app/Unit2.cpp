#include "Unit2.h"

#include <string>

#include "Skin.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner, "TForm2") {
    PublishMethod("FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    ReadDescriptionResource("TFORM2");
    Label15 = &ComponentAs<TLabel>(*this, "Label15");
    Label16 = &ComponentAs<TLabel>(*this, "Label16");
    Label17 = &ComponentAs<TLabel>(*this, "Label17");
    Image5 = &ComponentAs<TImage>(*this, "Image5");
    Image6 = &ComponentAs<TImage>(*this, "Image6");
    Image7 = &ComponentAs<TImage>(*this, "Image7");
    Button1 = &ComponentAs<TButton>(*this, "Button1");
    FlatTitlebar1 = &ComponentAs<TPanel>(*this, "FlatTitlebar1");
    for (int slot = 1; slot <= 6; ++slot) {
        keyEdits_[size_t(slot - 1)] = &ComponentAs<TEdit>(*this, "FlatEdit" + std::to_string(slot));
        shiftBoxes_[size_t(slot - 1)] =
            &ComponentAs<TCheckBox>(*this, "FlatCheckBox" + std::to_string(slot));
    }
    FlatEdit1 = keyEdits_[0], FlatEdit2 = keyEdits_[1], FlatEdit3 = keyEdits_[2];
    FlatEdit4 = keyEdits_[3], FlatEdit5 = keyEdits_[4], FlatEdit6 = keyEdits_[5];
    FlatCheckBox1 = shiftBoxes_[0], FlatCheckBox2 = shiftBoxes_[1];
    FlatCheckBox3 = shiftBoxes_[2], FlatCheckBox4 = shiftBoxes_[3];
    FlatCheckBox5 = shiftBoxes_[4], FlatCheckBox6 = shiftBoxes_[5];
    DoCreate();
}

void TForm2::FormCreate(TObject*) { ApplyRoundedOutline(*this); }
