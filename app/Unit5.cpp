#include "Unit5.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(TComponent* owner) : TForm(owner, "TForm5") {
    ReadDescriptionResource("TFORM5");
    FlatButton1 = &ComponentAs<TButton>(*this, "FlatButton1");
    DoCreate();
}
