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
    // Gather no more than the window is given: a 100 MB list is not copied to be cut.
    std::string text;
    bool cut = false;
    const std::vector<std::string>& lines = lines_.Lines();
    for (size_t i = 0; i < lines.size() && !cut; ++i) {
        if (i > 0) text += "\r\n";  // no break after the last line
        size_t room = kDisplayLimit + 1 - std::min(text.size(), kDisplayLimit + 1);
        text.append(lines[i], 0, std::min(lines[i].size(), room));
        cut = text.size() > kDisplayLimit;
    }
    if (cut) text.resize(kDisplayLimit);
    if (text.find('\0') != std::string::npos) {
        cut = true;
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
