// What the two message windows share: the OK button that gives the settings window back.
#pragma once

#include <string>

#include "FlatButton.h"
#include "Form.h"

class TMessageWindow : public TForm {
public:
    TFlatButton* FlatButton1;

    void FlatButton1Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);

protected:
    TMessageWindow(TComponent* owner, const std::string& className);
};
