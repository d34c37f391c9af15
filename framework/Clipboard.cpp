#include "Clipboard.h"

#include <cstring>

#include "Platform.h"

namespace {

// Open for the scope; another program may hold the clipboard, so opening can fail.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(platform::OpenClipboard(owner)) {}
    ~OpenClipboardScope() {
        if (open_) platform::CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool Open() const { return open_; }

private:
    bool open_;
};

}  // namespace

std::string ClipboardText(HWND owner) {
    OpenClipboardScope clipboard(owner);
    if (!clipboard.Open()) return {};
    auto data = static_cast<HGLOBAL>(platform::GetClipboardData(CF_TEXT));
    if (!data) return {};
    const auto* text = static_cast<const char*>(platform::GlobalLock(data));
    if (!text) return {};
    // The block may lack its NUL: never read past its size.
    std::string result(text, strnlen(text, platform::GlobalSize(data)));
    platform::GlobalUnlock(data);
    return result;
}
