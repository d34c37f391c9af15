#include "Edit.h"

#include "Reader.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    ControlStyle = csClickEvents | csSetCaption | csDoubleClicks;
    SetBounds(0, 0, 121, 25);
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.systemClass = "EDIT";
    params.style |= ES_AUTOHSCROLL | ES_LEFT;
    if (readOnly_) params.style |= ES_READONLY;
    if (borderSingle_) params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::HandleCreated() {
    SendMessageA(handle_, EM_LIMITTEXT, WPARAM(maxLength_), 0);
}

void TCustomEdit::SetMaxLength(int value) {
    maxLength_ = value;
    if (handle_) SendMessageA(handle_, EM_LIMITTEXT, WPARAM(value), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (handle_) SendMessageA(handle_, EM_SETREADONLY, value, 0);
}

void TCustomEdit::SelectAll() {
    if (handle_) SendMessageA(handle_, EM_SETSEL, 0, -1);
}

void TCustomEdit::DoEnter() {
    // Entering by keyboard or hover selects the key, so typing replaces it; a click
    // places the caret where the user pointed.
    if (autoSelect_ && !(ControlState & csLButtonDown)) SelectAll();
    TWinControl::DoEnter();
}

bool TCustomEdit::HandleReflected(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        if (!(ControlState & csCreating)) Change();
        return true;
    }
    return false;
}

void TCustomEdit::Change() {
    Perform(CM_TEXTCHANGED);
    if (OnChange) OnChange(this);
}

bool TCustomEdit::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "MaxLength") SetMaxLength(value.AsInteger());
    else if (name == "AutoSelect") SetAutoSelect(value.AsBoolean());
    else if (name == "ReadOnly") SetReadOnly(value.AsBoolean());
    else if (name == "BorderStyle") borderSingle_ = value.AsEnum({"bsNone", "bsSingle"}) == 1;
    else if (name == "OnChange") OnChange = reader.NotifyMethod(value);
    else return TWinControl::SetProperty(name, value, reader);
    return true;
}
