#include "GameWindow.h"

#include <algorithm>

#include "Platform.h"
#include "KernelHandle.h"

namespace {

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool EqualInAnyCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

// The file of the window's program, read into the buffer; empty when it cannot be read.
std::string_view ProgramFileOf(HWND window, char (&buffer)[1024]) {
    KernelHandle process = OpenProcessOf(window);
    if (!process.Get()) return {};
    DWORD size = sizeof buffer;
    if (!platform::QueryFullProcessImageNameA(process.Get(), 0, buffer, &size)) return {};
    return {buffer, size};
}

}  // namespace

bool IsGameTitle(std::string_view title) { return title == kGameTitle; }

bool IsGameProgramFile(std::string_view path) {
    size_t separator = path.find_last_of("\\/");
    std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    return std::any_of(kGameProgramFiles.begin(), kGameProgramFiles.end(),
                       [&](std::string_view game) { return EqualInAnyCase(name, game); });
}

bool IsGameWindow(HWND window) {
    if (!window) return false;
    // One character more than the game's title: a longer title is cut to one that differs.
    char title[kGameTitle.size() + 2];
    int length = platform::GetWindowTextA(window, title, int(sizeof title));
    if (length > 0 && IsGameTitle({title, std::min(size_t(length), sizeof title - 1)})) return true;
    char path[1024];
    return IsGameProgramFile(ProgramFileOf(window, path));
}

bool TGameWindowCache::IsGame(HWND window) {
    if (!known_ || window != window_) {
        isGame_ = IsGameWindow(window);
        window_ = window;
        known_ = true;
    }
    return isGame_;
}
