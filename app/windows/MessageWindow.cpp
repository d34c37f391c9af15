#include "MessageWindow.h"

#include <cctype>

#include "CloseKeys.h"
#include "Unit2.h"

TMessageWindow::TMessageWindow(TComponent* owner, const std::string& className)
    : TForm(owner, className) {
    Publish("FlatButton1Click", &TMessageWindow::FlatButton1Click);
    Publish("FormClose", &TMessageWindow::FormClose);
    // The description of TFormN is the resource TFORMN.
    std::string resource = className;
    for (char& c : resource) c = char(toupper(static_cast<unsigned char>(c)));
    ReadDescriptionResource(resource);
    FlatButton1 = &ComponentAs<TFlatButton>(*this, "FlatButton1");
    DoCreate();
}

void TMessageWindow::FlatButton1Click(TObject*) {
    Form2->SetEnabled(true);
    Hide();
}

// A close request (Alt+F4) does what OK does; hiding alone would leave the settings
// window disabled with nothing left to enable it.
void TMessageWindow::FormClose(TObject*, TCloseAction&) { Form2->SetEnabled(true); }

void TMessageWindow::WndProc(TMessage& message) {
    if (!CloseByKey(message, FlatButton1)) TForm::WndProc(message);
}
