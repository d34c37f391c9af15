// Start-up benchmark: the time from starting a program to its main window painted on the
// screen, where a user sees it.
//
//   bench_startup.exe RUNS NAME EXE CLASS [NAME EXE CLASS]...
//
// CLASS is the class of the window to wait for; CLASS/MAIN waits for CLASS and closes the
// program through its window of class MAIN (a first run of Kitbag shows its settings
// window, which only hides when closed).
//
// First, per program, it learns what the painted window looks like: it starts the
// program, lets it settle, reads a grid of screen points inside the window, closes it
// and reads them again. The points whose colour differs clearly between the two become
// the probes. Then it starts the programs RUNS times each, taking turns, and for every
// start prints
//   NAME PAINTED_US VISIBLE_US CREATED_US
// microseconds from just before CreateProcess to every probe showing its painted colour,
// to the window being visible, and to the window existing (the first poll that finds
// it). Each program is closed after each start.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChildProgram.h"

namespace {

constexpr int kSameColour = 8;         // per channel: the same picture, within rounding
constexpr int kClearlyDifferent = 32;  // per channel: a probe changes at least this much
constexpr DWORD kStartTimeoutMs = 60000;

struct Program {
    std::string name;
    std::string exe;
    std::wstring windowClass;
    std::wstring mainClass;  // the window that ends the program when closed
};

Program ParseProgram(const char* name, const char* exe, const char* classes) {
    std::wstring both = Widen(classes);
    size_t slash = both.find(L'/');
    if (slash == std::wstring::npos) return {name, exe, both, both};
    return {name, exe, both.substr(0, slash), both.substr(slash + 1)};
}

struct Probe {
    POINT at;  // screen coordinates
    COLORREF painted;
};

struct Look {
    RECT window;
    std::vector<Probe> probes;
};

int ChannelDistance(COLORREF a, COLORREF b) {
    int red = std::abs(int(GetRValue(a)) - int(GetRValue(b)));
    int green = std::abs(int(GetGValue(a)) - int(GetGValue(b)));
    int blue = std::abs(int(GetBValue(a)) - int(GetBValue(b)));
    return std::max(red, std::max(green, blue));
}

long long Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

long long Microseconds(long long from, long long to) {
    static const long long frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return (to - from) * 1000000 / frequency;
}

// The pointer stays out of the way, so no window starts in a hover state.
void ParkPointer() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
}

std::vector<COLORREF> Sample(const std::vector<POINT>& points) {
    ScreenDc screen;
    std::vector<COLORREF> colours;
    for (POINT at : points) colours.push_back(screen.Pixel(at));
    return colours;
}

// Stops at the first probe that does not show its painted colour yet, so that polling an
// unpainted window costs one screen read.
bool Painted(const std::vector<Probe>& probes) {
    ScreenDc screen;
    for (const Probe& probe : probes)
        if (ChannelDistance(screen.Pixel(probe.at), probe.painted) > kSameColour) return false;
    return true;
}

bool AnyPainted(const std::vector<Probe>& probes) {
    ScreenDc screen;
    for (const Probe& probe : probes)
        if (ChannelDistance(screen.Pixel(probe.at), probe.painted) <= kSameColour) return true;
    return false;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

Look Calibrate(const Program& program) {
    ParkPointer();
    Look look{};
    std::vector<POINT> grid;
    std::vector<COLORREF> painted;
    {
        ChildProgram child(program.exe);
        HWND window = child.WaitForWindow(program.windowClass.c_str(), kStartTimeoutMs);
        if (!window) throw std::runtime_error(program.name + ": its window did not show");
        Sleep(3000);
        GetWindowRect(window, &look.window);
        int width = look.window.right - look.window.left;
        int height = look.window.bottom - look.window.top;
        // Inner points only: the corners may be cut round.
        for (int row = 1; row <= 7; ++row)
            for (int column = 1; column <= 11; ++column)
                grid.push_back(
                    {look.window.left + width * column / 12, look.window.top + height * row / 8});
        painted = Sample(grid);
        Sleep(500);
        std::vector<COLORREF> again = Sample(grid);
        for (size_t i = 0; i < grid.size(); ++i)
            if (again[i] != painted[i]) painted[i] = CLR_INVALID;  // not steady: no probe
        child.Close(child.Window(program.mainClass.c_str()));
    }
    Sleep(1000);
    std::vector<COLORREF> without = Sample(grid);
    for (size_t i = 0; i < grid.size(); ++i)
        if (painted[i] != CLR_INVALID &&
            ChannelDistance(painted[i], without[i]) >= kClearlyDifferent)
            look.probes.push_back({grid[i], painted[i]});
    std::fprintf(stderr, "%s: window %ld,%ld-%ld,%ld; %zu of %zu points tell it painted\n",
                 program.name.c_str(), look.window.left, look.window.top, look.window.right,
                 look.window.bottom, look.probes.size(), grid.size());
    if (look.probes.size() < 3)
        throw std::runtime_error(program.name + ": too few points tell the window painted");
    return look;
}

void TimeOneStart(const Program& program, const Look& look) {
    ParkPointer();
    // What is on the screen before must not pass for the painted window.
    DWORD waitStart = GetTickCount();
    while (AnyPainted(look.probes)) {
        if (GetTickCount() - waitStart > 5000)
            throw std::runtime_error(program.name + ": the screen still shows a painted window");
        Sleep(50);
    }
    long long start = Now();
    ChildProgram child(program.exe);
    long long created = 0, visible = 0;
    HWND window = nullptr;
    for (;;) {
        if (!created && child.Window(program.windowClass.c_str())) created = Now();
        if (created && !window && (window = child.VisibleWindow(program.windowClass.c_str()))) {
            visible = Now();
            RECT rect;
            GetWindowRect(window, &rect);
            if (!SameRect(rect, look.window))
                throw std::runtime_error(program.name + ": the window is not where it was");
        }
        if (window && Painted(look.probes)) break;
        if (Microseconds(start, Now()) > kStartTimeoutMs * 1000LL)
            throw std::runtime_error(program.name + ": not painted within 60 s");
        if (!child.Running()) throw std::runtime_error(program.name + ": ended while starting");
        Sleep(1);
    }
    long long painted = Now();
    std::printf("%s %lld %lld %lld\n", program.name.c_str(), Microseconds(start, painted),
                Microseconds(start, visible), Microseconds(start, created));
    std::fflush(stdout);
    child.Close(child.Window(program.mainClass.c_str()));
    Sleep(300);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5 || (argc - 2) % 3 != 0) {
        std::fprintf(stderr, "usage: bench_startup RUNS NAME EXE CLASS [NAME EXE CLASS]...\n");
        return 2;
    }
    int runs = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i + 2 < argc; i += 3)
        programs.push_back(ParseProgram(argv[i], argv[i + 1], argv[i + 2]));
    try {
        std::vector<Look> looks;
        for (const Program& program : programs) looks.push_back(Calibrate(program));
        for (int run = 0; run < runs; ++run)
            for (size_t i = 0; i < programs.size(); ++i) TimeOneStart(programs[i], looks[i]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
