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
    if (passwordChar_) params.style |= ES_PASSWORD;
    if (charCase_ == TEditCharCase::ecUpperCase) params.style |= ES_UPPERCASE;
    if (charCase_ == TEditCharCase::ecLowerCase) params.style |= ES_LOWERCASE;
    if (!hideSelection_) params.style |= ES_NOHIDESEL;
    if (oemConvert_) params.style |= ES_OEMCONVERT;
}

void TCustomEdit::HandleCreated() {
    SendMessageA(handle_, EM_LIMITTEXT, WPARAM(maxLength_), 0);
    if (passwordChar_) SendMessageA(handle_, EM_SETPASSWORDCHAR, WPARAM(BYTE(passwordChar_)), 0);
}

void TCustomEdit::RecreateWindow() {
    if (!handle_) return;
    DestroyHandle();
    CreateWnd();
}

void TCustomEdit::SetPasswordChar(char value) {
    if (value == passwordChar_) return;
    passwordChar_ = value;
    if (!handle_) return;
    SendMessageA(handle_, EM_SETPASSWORDCHAR, WPARAM(BYTE(value)), 0);
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    if (value == charCase_) return;
    charCase_ = value;
    RecreateWindow();
}

void TCustomEdit::SetHideSelection(bool value) {
    if (value == hideSelection_) return;
    hideSelection_ = value;
    RecreateWindow();
}

void TCustomEdit::SetOEMConvert(bool value) {
    if (value == oemConvert_) return;
    oemConvert_ = value;
    RecreateWindow();
}

void TCustomEdit::SetMaxLength(int value) {
    maxLength_ = value;
    if (handle_) SendMessageA(handle_, EM_LIMITTEXT, WPARAM(value), 0);
}

void TCustomEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (handle_) SendMessageA(handle_, EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetBorderStyle(TEditBorderStyle value) {
    bool single = value == TEditBorderStyle::bsSingle;
    if (single == borderSingle_) return;
    borderSingle_ = single;
    if (!handle_) return;
    LONG_PTR exStyle = GetWindowLongPtrA(handle_, GWL_EXSTYLE);
    SetWindowLongPtrA(handle_, GWL_EXSTYLE,
                      single ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~LONG_PTR(WS_EX_CLIENTEDGE)));
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    else if (name == "BorderStyle")
        SetBorderStyle(TEditBorderStyle(value.AsEnum({"bsNone", "bsSingle"})));
    else if (name == "PasswordChar") {
        const std::string& text = value.AsString();
        SetPasswordChar(text.empty() ? '\0' : text[0]);
    } else if (name == "CharCase")
        SetCharCase(TEditCharCase(value.AsEnum({"ecNormal", "ecUpperCase", "ecLowerCase"})));
    else if (name == "HideSelection") SetHideSelection(value.AsBoolean());
    else if (name == "OEMConvert") SetOEMConvert(value.AsBoolean());
    else if (name == "OnChange") OnChange = reader.NotifyMethod(value);
    else return TWinControl::SetProperty(name, value, reader);
    return true;
}
