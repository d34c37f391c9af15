#include "Unit7.h"

#include "CloseKeys.h"
#include "KitbagVersion.h"
#include "Label.h"
#include "Skin.h"
#include "Unit1.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(TComponent* owner) : TForm(owner, "TForm7") {
    Publish("FormCreate", &TForm7::FormCreate);
    Publish("FlatButton1Click", &TForm7::FlatButton1Click);
    ReadDescriptionResource("TFORM7");
    FlatButton1 = &ComponentAs<TFlatButton>(*this, "FlatButton1");
    DoCreate();
}

void TForm7::FormCreate(TObject*) {
    ApplyRoundedOutline(*this);
    // The version shown is the one the version resource states.
    ComponentAs<TLabel>(*this, "Label7").SetCaption(KITBAG_VERSION_SHOWN);
}

void TForm7::FlatButton1Click(TObject*) {
    Hide();
    Form1->Show();
}

void TForm7::WndProc(TMessage& message) {
    if (!CloseByKey(message, FlatButton1)) TForm::WndProc(message);
}
