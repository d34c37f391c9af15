// Keeps a program running for the memory and idle benchmarks and does for them what
// needs the Windows side: clicks, waits for windows, moves the pointer out of the way,
// and tells what Wine itself reports of the program's memory and CPU time.
//
//   bench_hold.exe EXE CLASS
//
// Starts the program and, once its window of CLASS is visible, prints
//   window LEFT TOP RIGHT BOTTOM
// then answers one line of standard input at a time:
//   memory            "memory WORKING_SET_BYTES PRIVATE_BYTES" (GetProcessMemoryInfo)
//   times             "times USER_100NS KERNEL_100NS" (GetProcessTimes)
//   click CLASS X Y   clicks at a client point of the program's window of CLASS:
//                     "clicked" or "no window"
//   wait CLASS MS     "shown" once its window of CLASS is visible, "missing" after MS
//   park              moves the pointer to a screen corner over none of the program's
//                     windows nor the tray: "parked X Y" or "nowhere"
//   quit              (or the end of the input) closes the program and ends.
#include <windows.h>
#include <psapi.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "ChildProgram.h"

namespace {

// One line of answer, out at once: the benchmark script waits for it.
__attribute__((format(printf, 1, 2))) void Reply(const char* format, ...) {
    va_list values;
    va_start(values, format);
    std::vprintf(format, values);
    va_end(values);
    std::printf("\n");
    std::fflush(stdout);
}

void ReportMemory(const ChildProgram& child) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(child.Process(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof(counters)))
        return Reply("memory failed %lu", GetLastError());
    Reply("memory %llu %llu", static_cast<unsigned long long>(counters.WorkingSetSize),
          static_cast<unsigned long long>(counters.PrivateUsage));
}

unsigned long long Ticks(const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

void ReportTimes(const ChildProgram& child) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(child.Process(), &created, &ended, &kernel, &user))
        return Reply("times failed %lu", GetLastError());
    Reply("times %llu %llu", Ticks(user), Ticks(kernel));
}

bool PointerAt(POINT at) {
    POINT cursor;
    GetCursorPos(&cursor);
    return cursor.x == at.x && cursor.y == at.y;
}

bool WaitUntil(auto condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

// As a player's mouse would: the pointer moves there, and once it has arrived (the
// display echoes each move back) the button goes down and up.
void Click(const ChildProgram& child, const std::wstring& windowClass, int x, int y) {
    HWND window = child.VisibleWindow(windowClass.c_str());
    if (!window) return Reply("no window");
    POINT at{x, y};
    ClientToScreen(window, &at);
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = LONG(at.x * 65535 / (width - 1));
        input.mi.dy = LONG(at.y * 65535 / (height - 1));
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &inputs[0], sizeof(INPUT));
    WaitUntil([&] { return PointerAt(at); }, 5000);
    SendInput(2, &inputs[1], sizeof(INPUT));
    Reply("clicked");
}

// A point is out of the way when the window under it is neither the program's nor the
// tray's (whose icons pass the pointer on to the program).
bool OutOfTheWay(const ChildProgram& child, POINT at) {
    HWND under = WindowFromPoint(at);
    if (!under) return true;
    DWORD owner = 0;
    GetWindowThreadProcessId(under, &owner);
    if (owner == child.Id()) return false;
    char className[64] = "";
    GetClassNameA(GetAncestor(under, GA_ROOT), className, sizeof(className));
    return std::strncmp(className, "__winex11", 9) != 0 &&
           std::strcmp(className, "Shell_TrayWnd") != 0;
}

void Park(const ChildProgram& child) {
    int right = GetSystemMetrics(SM_CXSCREEN) - 1, bottom = GetSystemMetrics(SM_CYSCREEN) - 1;
    for (POINT corner : {POINT{right, bottom}, POINT{0, bottom}, POINT{right, 0}, POINT{0, 0}}) {
        if (!OutOfTheWay(child, corner)) continue;
        SetCursorPos(corner.x, corner.y);
        if (WaitUntil([&] { return PointerAt(corner); }, 5000))
            return Reply("parked %ld %ld", corner.x, corner.y);
    }
    Reply("nowhere");
}

void Serve(const ChildProgram& child) {
    char line[512];
    while (std::fgets(line, sizeof(line), stdin)) {
        char command[32] = "", windowClass[128] = "";
        int first = 0, second = 0;
        int fields = std::sscanf(line, "%31s %127s %d %d", command, windowClass, &first, &second);
        std::string name = command;
        if (name == "quit") return;
        if (name == "memory") {
            ReportMemory(child);
        } else if (name == "times") {
            ReportTimes(child);
        } else if (name == "click" && fields == 4) {
            Click(child, Widen(windowClass), first, second);
        } else if (name == "wait" && fields == 3) {
            std::wstring wanted = Widen(windowClass);
            Reply(child.WaitForWindow(wanted.c_str(), DWORD(first)) ? "shown" : "missing");
        } else if (name == "park") {
            Park(child);
        } else {
            Reply("unknown %s", command);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_hold EXE CLASS\n");
        return 2;
    }
    try {
        std::wstring mainClass = Widen(argv[2]);
        ChildProgram child(argv[1]);
        HWND window = child.WaitForWindow(mainClass.c_str(), 60000);
        if (!window) {
            std::fprintf(stderr, "bench_hold: %s did not show its window\n", argv[1]);
            return 1;
        }
        RECT rect;
        GetWindowRect(window, &rect);
        Reply("window %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
        Serve(child);
        // Hidden by now or not, the main window takes the request to close.
        child.Close(IsWindow(window) ? window : nullptr);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_hold: %s\n", error.what());
        return 1;
    }
    return 0;
}
