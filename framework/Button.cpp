#include "Button.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    ControlStyle = csSetCaption | csDoubleClicks;
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.systemClass = "BUTTON";
    params.style |= BS_PUSHBUTTON;
}

bool TButton::HandleReflected(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        Click();
        return true;
    }
    return false;
}
