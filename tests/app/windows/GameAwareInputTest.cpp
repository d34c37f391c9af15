// The game-aware options end to end in this process: the program's real windows and
// hotkeys, a real keyboard hook, keys sent with SendInput, and two windows of the test's
// own in turn in front, one titled as the game's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HandleCounts.h"
#include "Platform.h"
#include "KeyTarget.h"
#include "ProgramWindowsTest.h"
#include "TestSupport.h"
#include "Unit1.h"

namespace {

std::string Down(int key) { return "down " + std::to_string(key); }

class GameAwareInputTest : public ProgramWindowsTest {
protected:
    void Activate(const KeyOptions& options) {
        Form1->Hotkeys().SetOptions(options);
        Form1->Hotkeys().Activate({"W", "E", "D", "S", "C", "X"},
                                  {true, true, true, true, true, true});
    }
    // In front of the window, the strokes; waits for the keys expected there, then for a
    // plain F12 as an end mark, so that anything else the strokes caused has arrived too.
    void Play(KeyTarget& window, const std::vector<int>& strokes,
              const std::vector<std::string>& expected) {
        ASSERT_TRUE(window.TakeForeground());
        window.Clear();
        SendKeys(strokes);
        for (const std::string& event : expected) ASSERT_TRUE(window.WaitFor(event)) << event;
        SendKeys({VK_F12, -VK_F12});
        ASSERT_TRUE(window.WaitFor("up " + std::to_string(VK_F12)));
    }
    // Shift+W in front of the window: either keypad 7 or a typed W arrives, never both.
    void ShiftW(KeyTarget& window, bool asHotkey) {
        Play(window, {VK_SHIFT, 'W', -'W', -VK_SHIFT}, {asHotkey ? Down(VK_NUMPAD7) : Down('W')});
        EXPECT_EQ(window.Count(Down(VK_NUMPAD7)), asHotkey ? 1 : 0);
        EXPECT_EQ(window.Count(Down('W')), asHotkey ? 0 : 1);
    }

    KeyTarget game{L"Warcraft III"};
    KeyTarget other;
};

TEST_F(GameAwareInputTest, OnlyInGameTheKeysActInTheGameAndArriveTypedElsewhere) {
    long before = HandleCounts::Live(HandleKind::Hotkey);
    Activate({.onlyInGame = true});
    for (int round = 0; round < 2; ++round) {
        ShiftW(game, true);
        EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), before + 6);
        ShiftW(other, false);
        EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), before);
    }
    ReleaseHotkeys();
    EXPECT_FALSE(Form1->Hotkeys().Watching());
}

TEST_F(GameAwareInputTest, EnterOpensTheChatPauseAndEnterOrEscClosesIt) {
    Activate({.pauseWhileChatting = true});
    for (int close : {VK_RETURN, VK_ESCAPE}) {
        Play(game, {VK_RETURN, -VK_RETURN}, {Down(VK_RETURN)});
        ShiftW(game, false);
        Play(game, {close, -close}, {Down(close)});
        ShiftW(game, true);
    }
    ShiftW(other, true);  // without the other option the keys still act everywhere
}

std::vector<HHOOK> hooks;
HHOOK WINAPI RecordHook(int kind, HOOKPROC procedure, HINSTANCE module, DWORD thread) {
    hooks.push_back(platform::SystemCalls().SetWindowsHookExA(kind, procedure, module, thread));
    return hooks.back();
}

// Windows removes a hook that is slow to answer and tells nobody; raw input, which still
// reports the player's next key, brings it back. So do an unlock and a resume.
TEST_F(GameAwareInputTest, AHookRemovedBehindKitbagsBackIsInstalledAgainAtTheNextKey) {
    platform::Calls table = platform::SystemCalls();
    table.SetWindowsHookExA = &RecordHook;
    platform::ScopedOverride recording(table);
    hooks.clear();
    Activate({.onlyInGame = true});
    ShiftW(game, true);
    ShiftW(other, false);
    ASSERT_EQ(hooks.size(), 1u);
    UnhookWindowsHookEx(hooks[0]);
    Play(game, {VK_SHIFT, -VK_SHIFT}, {Down(VK_SHIFT)});
    ASSERT_TRUE(PumpUntil([] { return hooks.size() == 2; }));
    ShiftW(game, true);
    ShiftW(other, false);
    SendMessageA(Form1->Handle(), WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
    SendMessageA(Form1->Handle(), WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
    SendMessageA(Form1->Handle(), WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
    EXPECT_EQ(hooks.size(), 4u);
    ReleaseHotkeys();
}

}  // namespace
