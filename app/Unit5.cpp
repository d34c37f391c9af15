#include "Unit5.h"

#include "Unit2.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(TComponent* owner) : TForm(owner, "TForm5") {
    Publish("FlatButton1Click", &TForm5::FlatButton1Click);
    Publish("FormClose", &TForm5::FormClose);
    ReadDescriptionResource("TFORM5");
    FlatButton1 = &ComponentAs<TButton>(*this, "FlatButton1");
    DoCreate();
}

void TForm5::FlatButton1Click(TObject*) {
    Form2->SetEnabled(true);
    Hide();
}

// A close request (Alt+F4) does what OK does; hiding alone would leave the settings
// window disabled with nothing left to enable it.
void TForm5::FormClose(TObject*, TCloseAction&) { Form2->SetEnabled(true); }
