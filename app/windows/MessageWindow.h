// What the two message windows share: the OK button that gives the settings window back.
#pragma once

#include <string>

#include "FlatButton.h"
#include "Form.h"

class TMessageWindow : public TForm {
public:
    TFlatButton* FlatButton1 = nullptr;

    void FlatButton1Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void WndProc(TMessage& message) override;

protected:
    TMessageWindow(TComponent* owner, const std::string& className);
};
