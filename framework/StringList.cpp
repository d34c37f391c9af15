#include "StringList.h"

std::string TStringList::Strings(int index) const {
    if (index < 0 || index >= Count()) return {};
    return lines_[size_t(index)];
}

int TStringList::Add(std::string line) {
    lines_.push_back(std::move(line));
    Changed();
    return Count() - 1;
}

void TStringList::Clear() {
    if (lines_.empty()) return;
    lines_.clear();
    Changed();
}

std::string TStringList::Text() const {
    size_t length = 0;
    for (const std::string& line : lines_) length += line.size() + 2;
    std::string text;
    text.reserve(length);
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStringList::SetText(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    lines_ = std::move(lines);
    Changed();
}

void TStringList::Assign(const std::vector<std::string>& lines) {
    lines_ = lines;
    Changed();
}

void TStringList::Changed() {
    if (OnChange) OnChange(this);
}
