// The missing-key message window: shown when a save finds a slot without a key.
#pragma once

#include "MessageWindow.h"

class TForm5 : public TMessageWindow {
public:
    explicit TForm5(TComponent* owner) : TMessageWindow(owner, "TForm5") {}
};

extern TForm5* Form5;
