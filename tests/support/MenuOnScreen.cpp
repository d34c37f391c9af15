#include "MenuOnScreen.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The window's pixels as the screen shows them, rows top to bottom.
class ScreenShot {
public:
    explicit ScreenShot(HWND window) {
        RECT rect;
        if (!GetWindowRect(window, &rect)) return;
        width_ = rect.right - rect.left;
        height_ = rect.bottom - rect.top;
        if (width_ <= 0 || height_ <= 0) return;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap && bits) {
            HGDIOBJ old = SelectObject(memory, bitmap);
            BitBlt(memory, 0, 0, width_, height_, screen, rect.left, rect.top, SRCCOPY);
            SelectObject(memory, old);
            const auto* pixels = static_cast<const uint32_t*>(bits);
            pixels_.assign(pixels, pixels + size_t(width_) * size_t(height_));
        }
        if (bitmap) DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    int Width() const { return pixels_.empty() ? 0 : width_; }
    int Height() const { return pixels_.empty() ? 0 : height_; }
    int Brightness(int x, int y) const {
        const uint32_t pixel = pixels_[size_t(y) * size_t(width_) + size_t(x)];
        return int(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF)) / 3;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> pixels_;
};

// On the light menu, text and check marks are drawn dark (their smoothed edges gray),
// separators as a gray line across.
bool Drawn(int brightness) { return brightness < 208; }

struct Entry {
    bool separator;
    int left;  // the leftmost drawn column of an item
};

}  // namespace

HWND VisibleMenuWindow(DWORD threadId) {
    for (HWND menu = nullptr; (menu = FindWindowExW(nullptr, menu, L"#32768", nullptr));)
        if ((!threadId || GetWindowThreadProcessId(menu, nullptr) == threadId) && IsWindowVisible(menu))
            return menu;
    return nullptr;
}

std::string MenuOutlineOnScreen(HWND menuWindow) {
    const ScreenShot shot(menuWindow);
    const int border = 3;  // the menu's frame
    const int inner = shot.Width() - 2 * border;
    std::vector<Entry> entries;
    bool inItem = false, inSeparator = false;
    for (int y = border; y < shot.Height() - border; ++y) {
        int left = -1, drawn = 0;
        for (int x = border; x < shot.Width() - border; ++x) {
            if (!Drawn(shot.Brightness(x, y))) continue;
            if (left < 0) left = x;
            ++drawn;
        }
        const bool separatorRow = drawn > inner / 2;
        const bool itemRow = drawn > 0 && !separatorRow;
        if (separatorRow && !inSeparator) entries.push_back({true, -1});
        if (itemRow && !inItem) entries.push_back({false, left});
        if (itemRow) entries.back().left = std::min(entries.back().left, left);
        inItem = itemRow;
        inSeparator = separatorRow;
    }
    // The text of every item starts at one column; a check mark lies well left of it.
    int textLeft = 0;
    for (const Entry& entry : entries)
        if (!entry.separator) textLeft = std::max(textLeft, entry.left);
    std::string outline;
    for (const Entry& entry : entries)
        outline += entry.separator ? '-' : entry.left < textLeft / 2 ? 'v' : 'o';
    return outline;
}
