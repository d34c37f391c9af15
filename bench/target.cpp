// The game's stand-in for the latency benchmark: a window titled as the game's, which
// writes the moment each keypad 7 press reaches it, on QueryPerformanceCounter's 100 ns
// ticks.
//
//   bench_target.exe RESULTS_FILE COUNT [KITBAG_FOLDER]
// With a folder, it first starts kitbag.exe there and clicks "Activate Keys". It writes
// "ready" to RESULTS_FILE.ready once its window exists, and ends after COUNT presses
// or 60 s without one.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "KeyTarget.h"
#include "KitbagProcess.h"

namespace {

std::wstring Widen(const char* text) {
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

std::vector<long long> arrivals;
size_t wanted = 0;

LRESULT CALLBACK TargetProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Keypad 7 arrives as VK_HOME while Num Lock is off: the same key for this purpose.
    if (msg == WM_KEYDOWN && (wParam == VK_NUMPAD7 || wParam == VK_HOME)) {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        arrivals.push_back(now.QuadPart);
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_target RESULTS COUNT [KITBAG_FOLDER]\n");
        return 2;
    }
    std::string results = argv[1];
    wanted = size_t(std::atoi(argv[2]));
    std::unique_ptr<KitbagProcess> kitbag;
    if (argc > 3) {
        kitbag = std::make_unique<KitbagProcess>(Widen(argv[3]));
        if (!WaitFor([&] { return kitbag->LineBuffer().size() > 0 && kitbag->LineBuffer() != "Memo1"; }) ||
            !WaitFor([&] { return kitbag->Visible(L"TForm1"); }))
            return 1;
        ClickAt(kitbag->Form(L"TForm1"), 111 + 28, 64 + 24);
        if (!WaitFor([&] { return kitbag->Visible(L"TForm4"); })) return 1;
    }
    WNDCLASSW cls{};
    cls.lpfnWndProc = &TargetProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"KitbagBenchTarget";
    RegisterClassW(&cls);
    HWND window = CreateWindowExW(0, cls.lpszClassName, L"Warcraft III",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 200, nullptr,
                                  nullptr, cls.hInstance, nullptr);
    HoldForeground(window);
    if (FILE* ready = std::fopen((results + ".ready").c_str(), "w")) std::fclose(ready);
    DWORD last = GetTickCount();
    size_t seen = 0;
    while (arrivals.size() < wanted && GetTickCount() - last < 60000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (arrivals.size() != seen) {
            seen = arrivals.size();
            last = GetTickCount();
        }
    }
    FILE* out = std::fopen(results.c_str(), "w");
    if (!out) return 1;
    for (long long arrival : arrivals) std::fprintf(out, "%lld\n", arrival);
    std::fclose(out);
    return 0;
}
