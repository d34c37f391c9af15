#include "Unit6.h"

#include "Unit2.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(TComponent* owner) : TForm(owner, "TForm6") {
    Publish("FlatButton1Click", &TForm6::FlatButton1Click);
    Publish("FormClose", &TForm6::FormClose);
    ReadDescriptionResource("TFORM6");
    FlatButton1 = &ComponentAs<TButton>(*this, "FlatButton1");
    DoCreate();
}

void TForm6::FlatButton1Click(TObject*) {
    Form2->SetEnabled(true);
    Hide();
}

// A close request (Alt+F4) does what OK does; hiding alone would leave the settings
// window disabled with nothing left to enable it.
void TForm6::FormClose(TObject*, TCloseAction&) { Form2->SetEnabled(true); }
