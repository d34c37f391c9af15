// The look of the real program, read from the screen: rounded corners that let what
// lies beneath show, message windows framed in white, pictures without their see-through
// white, and "Hide window" appearing on hover. Places and colours, never text widths.
#include <gtest/gtest.h>

#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF color = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return color;
}

// Whether any pixel of a window's client box (x, y, width, height) is pure white; the
// artwork never uses pure white, so only a caption or a failed see-through shows it.
bool AnyWhite(HWND window, int x, int y, int width, int height) {
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column)
            if (ScreenPixel(origin.x + column, origin.y + row) == kWhite) return true;
    return false;
}

// A magenta window of the test's own, lying under Kitbag's windows.
class Backdrop {
public:
    Backdrop() {
        WNDCLASSW cls{};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hbrBackground = CreateSolidBrush(kMagenta);
        cls.lpszClassName = L"KitbagTestBackdrop";
        RegisterClassW(&cls);
        window_ = CreateWindowExW(WS_EX_NOACTIVATE, cls.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, cls.hInstance, nullptr);
        UpdateWindow(window_);
    }
    ~Backdrop() { DestroyWindow(window_); }

private:
    HWND window_;
};

class LookTest : public ::testing::Test {
protected:
    void Start(const std::string& settings, const wchar_t* form) {
        if (!settings.empty()) WriteBytes(folder.File(L"Settings.ini"), settings);
        kitbag = std::make_unique<KitbagProcess>(folder.Path());
        ASSERT_TRUE(WaitFor([&] { return kitbag->Visible(form); }));
        if (!settings.empty()) {
            ASSERT_TRUE(WaitFor([&] { return kitbag->LineBuffer() + "\r\n" == settings; }));
        }
    }
    // Waits until the window is drawn over the backdrop at an inner point.
    bool Drawn(HWND window, int x, int y) {
        POINT at{x, y};
        ClientToScreen(window, &at);
        return WaitFor([&] {
            PumpPending();
            return ScreenPixel(at.x, at.y) != kMagenta;
        });
    }
    COLORREF At(HWND window, int x, int y) {
        POINT at{x, y};
        ClientToScreen(window, &at);
        return ScreenPixel(at.x, at.y);
    }

    Backdrop backdrop;
    TempFolder folder;
    std::unique_ptr<KitbagProcess> kitbag;
};

TEST_F(LookTest, SkinnedWindowsHaveSeeThroughRoundedCornersAndPicturesWithoutWhite) {
    Start(kDefaultSettings, L"TForm1");
    HWND main = kitbag->Form(L"TForm1");
    ASSERT_TRUE(Drawn(main, 180, 90));
    EXPECT_EQ(At(main, 1, 1), kMagenta);          // corner: what lies beneath shows
    EXPECT_EQ(At(main, 358, 171), kMagenta);
    EXPECT_TRUE(Drawn(main, 20, 20));             // inside the 40-pixel rounding: drawn
    EXPECT_TRUE(Drawn(main, 180, 100));
    // The four picture buttons and the logo: their see-through white is left out.
    EXPECT_FALSE(AnyWhite(main, 32, 64, 57, 49));
    EXPECT_FALSE(AnyWhite(main, 111, 64, 57, 49));
    EXPECT_FALSE(AnyWhite(main, 272, 69, 57, 49));
    EXPECT_FALSE(AnyWhite(main, 152, 8, 73, 20));
}

// Each slot caption spaces "Shift +" past its Shift box with blanks; whatever face stands
// in for Verdana, the words lie wholly right of the box and nothing of them left of it.
TEST_F(LookTest, ShiftCaptionsLieWhollyRightOfTheirShiftBoxes) {
    Start("", L"TForm2");
    HWND settings = kitbag->Form(L"TForm2");
    ASSERT_TRUE(Drawn(settings, 250, 150));
    for (int slot = 1; slot <= 6; ++slot) {
        const int top = 104 + 24 * (slot - 1);  // the box spans x 304 to 320
        EXPECT_FALSE(AnyWhite(settings, 240, top, 64, 16)) << "left of box " << slot;
        EXPECT_FALSE(AnyWhite(settings, 321, top, 2, 16)) << "against box " << slot;
        EXPECT_TRUE(AnyWhite(settings, 323, top, 60, 16)) << "right of box " << slot;
    }
}

TEST_F(LookTest, TheMessageWindowIsRectangularWithAWhiteFrame) {
    Start("", L"TForm2");
    HWND settings = kitbag->Form(L"TForm2");
    // Two equal keys refuse the save and bring up the duplicate-key window.
    HWND edit6 = kitbag->ControlAt(L"TForm2", 384, 224);
    ASSERT_NE(edit6, nullptr);
    SendMessageA(edit6, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("W"));
    ASSERT_TRUE(ClickUntil(settings, 40 + 50, 277 + 9, [&] { return kitbag->Visible(L"TForm6"); }));
    HWND message = kitbag->Form(L"TForm6");
    ASSERT_TRUE(Drawn(message, 150, 90));
    RECT rect;
    GetClientRect(message, &rect);
    // No rounding: the corners become the window's own; white panels frame its edges
    // (they paint one by one, so each place is waited for).
    EXPECT_TRUE(Drawn(message, 0, 0));
    EXPECT_TRUE(Drawn(message, rect.right - 1, rect.bottom - 1));
    EXPECT_TRUE(WaitFor([&] { return At(message, 5, 4) == kWhite; }, 5000));       // top
    EXPECT_TRUE(WaitFor([&] { return At(message, 2, rect.bottom - 3) == kWhite; }, 5000));
    EXPECT_TRUE(WaitFor([&] { return At(message, rect.right - 4, 80) == kWhite; }, 5000));
}

TEST_F(LookTest, HideWindowAppearsOverTheHidePictureAndGoesOverTheBackground) {
    Start(kDefaultSettings, L"TForm1");
    ASSERT_TRUE(ClickUntil(kitbag->Form(L"TForm1"), 111 + 28, 64 + 24,
                           [&] { return kitbag->Visible(L"TForm4"); }));
    HWND tray = kitbag->Form(L"TForm4");
    ASSERT_TRUE(Drawn(tray, 100, 20));
    EXPECT_FALSE(AnyWhite(tray, 72, 97, 71, 12));
    auto hover = [&](int x, int y) {
        POINT at{x, y};
        ClientToScreen(tray, &at);
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = LONG(at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1));
        input.mi.dy = LONG(at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1));
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof(input));
    };
    hover(79 + 28, 61 + 10);
    EXPECT_TRUE(WaitFor([&] { return AnyWhite(tray, 72, 97, 71, 12); }));
    hover(20, 60);
    EXPECT_TRUE(WaitFor([&] { return !AnyWhite(tray, 72, 97, 71, 12); }));
}

}  // namespace
