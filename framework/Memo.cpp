#include "Memo.h"

#include <algorithm>

#include "Reader.h"

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner) {
    SetBounds(0, 0, 185, 89);
    lines_.OnChange = [this](TObject*) { LinesChanged(); };
}

void TMemo::HandleCreated() {
    TCustomEdit::HandleCreated();
    ShowLines();
}

void TMemo::CreateParams(TCreateParams& params) {
    TCustomEdit::CreateParams(params);
    params.style &= ~ES_AUTOHSCROLL;
    params.style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
}

void TMemo::LinesChanged() {
    if (readingWindow_) return;
    windowStale_ = true;
    if (!handle_) return;
    size_t length = 0;
    for (const std::string& line : lines_.Lines()) length += line.size() + 2;
    if (length <= kDisplayLimit)
        ShowLines();
    else if (IsWindowVisible(handle_))
        InvalidateRect(handle_, nullptr, TRUE);
}

void TMemo::ShowLines() {
    windowStale_ = false;
    std::string text;
    for (const std::string& line : lines_.Lines()) {
        if (&line != &lines_.Lines().front()) text += "\r\n";  // no break after the last line
        text += line;
    }
    bool cut = text.size() > kDisplayLimit || text.find('\0') != std::string::npos;
    if (cut) {
        text.resize(std::min(text.size(), kDisplayLimit));
        std::replace(text.begin(), text.end(), '\0', ' ');
    }
    shownCut_ = cut;
    fillingWindow_ = true;
    SendMessageA(handle_, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(handle_, text.c_str());
    SendMessageA(handle_, EM_SETREADONLY, cut || ReadOnly(), 0);
    fillingWindow_ = false;
}

void TMemo::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT && handle_ && windowStale_) ShowLines();
    TCustomEdit::WndProc(message);
}

void TMemo::Change() {
    if (!fillingWindow_ && !shownCut_) {
        readingWindow_ = true;
        lines_.SetText(TWinControl::Text());
        readingWindow_ = false;
    }
    TCustomEdit::Change();
}

bool TMemo::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "Lines.Strings") {
        if (value.kind != TPropValue::Kind::Strings) value.AsString();  // reports the bad value
        lines_.Assign(value.items);
    } else {
        return TCustomEdit::SetProperty(name, value, reader);
    }
    return true;
}
