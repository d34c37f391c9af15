// The duplicate-key message window: shown when a save finds two slots with the same key.
#pragma once

#include "Button.h"
#include "Form.h"

class TForm6 : public TForm {
public:
    explicit TForm6(TComponent* owner);

    TButton* FlatButton1;

    void FlatButton1Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TForm6* Form6;
