// The line-buffer window: an ordinary framed window whose memo holds the settings
// file's lines.
#pragma once

#include "Form.h"
#include "Label.h"
#include "Memo.h"

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);

    TLabel* Label1;
    TMemo* Memo1;
};

extern TForm3* Form3;
