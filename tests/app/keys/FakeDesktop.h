// A desktop of fakes behind the platform layer for the key logic's tests: windows with
// titles and program files, a keyboard hook the test runs by hand, hotkeys that another
// program may hold, and the system's report of the window in front.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Platform.h"

namespace fake_desktop {

using Calls = std::vector<std::string>;

inline const HWND game = reinterpret_cast<HWND>(0x10), other = reinterpret_cast<HWND>(0x20);

// The desktop as the fakes show it.
struct Desktop {
    HWND foreground = nullptr;
    std::map<HWND, std::string> titles;
    std::map<HWND, std::string> programs;  // no entry: the process cannot be opened
    std::set<std::pair<UINT, UINT>> heldElsewhere;
    HOOKPROC hook = nullptr;
    bool refuseHook = false;
    bool wine = true;  // Wine reports no change of the window in front
    WINEVENTPROC foregroundReport = nullptr;
    HWND reportDuringInjection = nullptr;
    bool rawKeyboard = false, sessionReports = false, gameElevated = false;
    int titlesRead = 0, opened = 0, closed = 0, passedOn = 0;
    Calls calls;
};
extern Desktop desk;

// A key going down or up through the hook, as Windows runs it for every key.
void ThroughHook(DWORD key, DWORD flags, bool up);
// The system reports a new window in front, as Windows does and Wine does not.
void ReportForeground(HWND window);
// The system's calls with the desktop's fakes in place.
platform::Calls Fakes();

// The desktop as each test starts: the game and a notepad, the fakes in place.
class FakeDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        desk = Desktop{};
        desk.titles = {{game, "Warcraft III"}, {other, "Notes"}};
        desk.programs = {{game, "C:\\Games\\launcher.exe"}, {other, "C:\\Windows\\notepad.exe"}};
    }

    platform::Calls table = Fakes();
    platform::ScopedOverride faking{table};
};

}  // namespace fake_desktop
