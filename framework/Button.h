// A push button over the system's button window.
#pragma once

#include "WinControl.h"

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
    bool HandleReflected(TMessage& message) override;
};
