#include "Unit6.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(TComponent* owner) : TForm(owner, "TForm6") {
    ReadDescriptionResource("TFORM6");
    FlatButton1 = &ComponentAs<TButton>(*this, "FlatButton1");
    DoCreate();
}
