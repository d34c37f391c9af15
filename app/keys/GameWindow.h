// Which window is the game's: the rule the game-aware key options go by.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

// The game's window title, compared exactly.
constexpr std::string_view kGameTitle = "Warcraft III";
// The game's program files, compared in any case: the classic game, its own launcher's
// name for it, and the expansion.
constexpr std::array<std::string_view, 3> kGameProgramFiles = {"war3.exe", "Warcraft III.exe",
                                                               "Frozen Throne.exe"};

bool IsGameTitle(std::string_view title);
// A full path or a bare file name; either separator.
bool IsGameProgramFile(std::string_view path);
// Asks Windows for the window's title and, unless that settles it, its program's file.
bool IsGameWindow(HWND window);

// The game test for the foreground window on every key: a window's answer is kept until
// another window is asked about, since opening its process on every key is too slow.
class TGameWindowCache {
public:
    bool IsGame(HWND window);

private:
    HWND window_ = nullptr;
    bool known_ = false;
    bool isGame_ = false;
};
