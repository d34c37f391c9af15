// The game window rule with the desktop faked: which window is the game, and how often
// the cache asks Windows.
#include <gtest/gtest.h>

#include "FakeDesktop.h"
#include "GameWindow.h"

namespace {

using namespace fake_desktop;

class GameWindowTest : public FakeDesktopTest {};

TEST_F(GameWindowTest, TheGameIsItsExactTitleOrOneOfItsProgramFilesInAnyCase) {
    HWND window = reinterpret_cast<HWND>(0x30);
    desk.programs[window] = "C:\\Windows\\explorer.exe";
    for (const char* title : {"Warcraft III ", "warcraft iii", "Warcraft III - Chat", "Warcraft"}) {
        desk.titles[window] = title;
        EXPECT_FALSE(IsGameWindow(window)) << title;
    }
    desk.titles[window] = "";
    for (const char* file : {"C:\\Games\\Warcraft III\\war3.exe", "Z:\\g\\WAR3.EXE",
                             "C:/x/warcraft iii.exe", "D:\\Frozen Throne.exe", "frozen THRONE.exe"}) {
        desk.programs[window] = file;
        EXPECT_TRUE(IsGameWindow(window)) << file;
    }
    for (const char* file : {"C:\\war3.exe\\launcher.exe", "C:\\x\\war3.exe.bak",
                             "C:\\x\\mywar3.exe", "C:\\x\\Warcraft III Launcher.exe", ""}) {
        desk.programs[window] = file;
        EXPECT_FALSE(IsGameWindow(window)) << file;
    }
    desk.programs.erase(window);  // cannot be opened, as some protected processes
    EXPECT_FALSE(IsGameWindow(window));
    EXPECT_FALSE(IsGameWindow(nullptr));
    EXPECT_EQ(desk.closed, desk.opened);

    int opened = desk.opened;
    EXPECT_TRUE(IsGameWindow(game));
    EXPECT_EQ(desk.opened, opened) << "the title settles it without opening the process";

    // The cache asks Windows once per foreground window, again when another comes in front.
    TGameWindowCache cache;
    desk.titlesRead = desk.opened = 0;
    for (int key = 0; key < 3; ++key) EXPECT_FALSE(cache.IsGame(other));
    EXPECT_EQ(desk.titlesRead, 1);
    EXPECT_EQ(desk.opened, 1);
    EXPECT_TRUE(cache.IsGame(game));
    EXPECT_FALSE(cache.IsGame(other));
    EXPECT_EQ(desk.titlesRead, 3);
}

}  // namespace
