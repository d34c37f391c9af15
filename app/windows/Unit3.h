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

    // Set by the first load or save of the run. Before it the memo shows its
    // description's text, which is no player's key.
    bool HoldsSettings = false;
};

extern TForm3* Form3;
