#include "CheckBox.h"

#include "Reader.h"

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
    ControlStyle = csSetCaption | csDoubleClicks;
    SetBounds(0, 0, 97, 17);
    SetTabStop(true);
    SetColor(clBtnFace);
    SetParentColor(true);
}

void TCheckBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.systemClass = "BUTTON";
    params.style |= BS_AUTOCHECKBOX;
}

void TCheckBox::HandleCreated() {
    SendMessageA(handle_, BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::Checked() const {
    if (handle_) return SendMessageA(handle_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return checked_;
}

void TCheckBox::SetChecked(bool value) {
    if (value == Checked()) return;
    checked_ = value;
    if (handle_) SendMessageA(handle_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
    Click();
}

bool TCheckBox::HandleReflected(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == BN_CLICKED) {
        checked_ = Checked();
        Click();
        return true;
    }
    return false;
}

bool TCheckBox::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "Checked") SetChecked(value.AsBoolean());
    else if (name == "State")
        SetChecked(value.AsEnum({"cbUnchecked", "cbChecked"}) == 1);
    else return TWinControl::SetProperty(name, value, reader);
    return true;
}
