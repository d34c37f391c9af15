// The about window: product name, credits and version.
#pragma once

#include "FlatButton.h"
#include "Form.h"

class TForm7 : public TForm {
public:
    explicit TForm7(TComponent* owner);

    TFlatButton* FlatButton1 = nullptr;

    void FormCreate(TObject* Sender);
    void FlatButton1Click(TObject* Sender);
    void WndProc(TMessage& message) override;
};

extern TForm7* Form7;
