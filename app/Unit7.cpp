#include "Unit7.h"

#include "Skin.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(TComponent* owner) : TForm(owner, "TForm7") {
    PublishMethod("FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    ReadDescriptionResource("TFORM7");
    FlatButton1 = &ComponentAs<TButton>(*this, "FlatButton1");
    DoCreate();
}

void TForm7::FormCreate(TObject*) { ApplyRoundedOutline(*this); }
