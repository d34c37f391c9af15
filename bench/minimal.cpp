// The floor for start-up, memory and idle cost: the least a Win32 program with a window
// does. One window class, one window, one message loop. The window has the size and
// style of Kitbag's main window and sits where it does (centred), and its class brush
// paints it one solid colour that the start-up benchmark recognises on the screen.
#include <windows.h>

namespace {

constexpr int kWidth = 360, kHeight = 173;
constexpr COLORREF kPaint = RGB(0x20, 0xB0, 0x60);

LRESULT CALLBACK MinimalProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    HBRUSH paint = CreateSolidBrush(kPaint);
    WNDCLASSA cls{};
    cls.lpfnWndProc = &MinimalProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = paint;
    cls.lpszClassName = "KitbagBenchMinimal";
    if (!RegisterClassA(&cls)) return 1;
    int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND window = CreateWindowExA(0, cls.lpszClassName, "Kitbag bench minimal", WS_POPUP, left, top,
                                  kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);  // as Kitbag shows its main window
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteObject(paint);
    return int(msg.wParam);
}
