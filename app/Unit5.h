// The missing-key message window: shown when a save finds a slot without a key.
#pragma once

#include "Button.h"
#include "Form.h"

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);

    TButton* FlatButton1;

    void FlatButton1Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
};

extern TForm5* Form5;
