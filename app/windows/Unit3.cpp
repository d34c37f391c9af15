#include "Unit3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner) : TForm(owner, "TForm3") {
    ReadDescriptionResource("TFORM3");
    Label1 = &ComponentAs<TLabel>(*this, "Label1");
    Memo1 = &ComponentAs<TMemo>(*this, "Memo1");
    DoCreate();
}
