// The duplicate-key message window: shown when a save finds two slots with the same key.
#pragma once

#include "MessageWindow.h"

class TForm6 : public TMessageWindow {
public:
    explicit TForm6(TComponent* owner) : TMessageWindow(owner, "TForm6") {}
};

extern TForm6* Form6;
