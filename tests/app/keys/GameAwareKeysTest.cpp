// The game-aware options with the platform layer faked: which window is the game, and
// when the engine lets its six hotkeys go and takes them back as keys go down. The
// faked keybd_event runs the hook from inside itself, as Windows does.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "FakeDesktop.h"
#include "HandleCounts.h"
#include "HotkeyEngine.h"
#include "Platform.h"

namespace {

using namespace fake_desktop;

class GameAwareKeysTest : public FakeDesktopTest {
protected:
    // Activates the default keys with these options in front of this window.
    void Activate(KeyOptions options, HWND inFront) {
        desk.foreground = inFront;
        engine.SetOptions(options);
        engine.Activate({"W", "E", "D", "S", "C", "X"}, {true, true, true, true, true, true});
    }
    // The player presses and releases a key in front of a window; answers the calls it caused.
    Calls Press(HWND inFront, DWORD key, DWORD flags = 0) {
        desk.foreground = inFront;
        desk.calls.clear();
        ThroughHook(key, flags, false);
        ThroughHook(key, flags, true);
        return desk.calls;
    }
    long Hotkeys() const { return HandleCounts::Live(HandleKind::Hotkey) - before; }

    long before = HandleCounts::Live(HandleKind::Hotkey);
    THotkeyEngine engine{reinterpret_cast<HWND>(0x1234)};
};

const Calls kAll{"register 1", "register 2", "register 3", "register 4", "register 5", "register 6"};
const Calls kNone{"unregister 1", "unregister 2", "unregister 3",
                  "unregister 4", "unregister 5", "unregister 6"};

TEST_F(GameAwareKeysTest, OnlyInGameLetsTheKeysGoElsewhereAndTakesThemBackInTheGame) {
    Activate({.onlyInGame = true}, other);
    Calls expected = kAll;
    expected.push_back("hook 13 0");
    expected.insert(expected.end(), kNone.begin(), kNone.end());
    EXPECT_EQ(desk.calls, expected);
    EXPECT_EQ(engine.Held(), KeysHeld::OutsideTheGame);
    EXPECT_EQ(Hotkeys(), 0) << "a let-go slot is no hotkey of ours";

    EXPECT_EQ(Press(other, VK_SHIFT), Calls{});
    EXPECT_EQ(Press(game, VK_SHIFT), kAll);
    EXPECT_EQ(Hotkeys(), 6);
    EXPECT_EQ(engine.Held(), KeysHeld::No);
    EXPECT_EQ(Press(game, 'W'), Calls{});
    EXPECT_EQ(Press(other, 'W', LLKHF_INJECTED), kNone) << "another program's keys count as typed";

    // A key another program takes while it is let go stays with that program, uncounted.
    desk.heldElsewhere = {{MOD_SHIFT, 'E'}};
    EXPECT_EQ(Press(game, VK_SHIFT), kAll);
    EXPECT_EQ(Hotkeys(), 5);
    EXPECT_EQ(Press(other, VK_SHIFT),
              (Calls{"unregister 1", "unregister 3", "unregister 4", "unregister 5", "unregister 6"}));
    // The player points at the tray icon: the window in front decides, with no key pressed.
    desk.foreground = game;
    desk.calls.clear();
    engine.LookAgain();
    EXPECT_EQ(desk.calls, (Calls{"register 1", "register 3", "register 4", "register 5", "register 6"}));
    EXPECT_EQ(engine.Held(), KeysHeld::No);
    desk.calls.clear();
    engine.Release();
    EXPECT_EQ(desk.calls.front(), "unhook");
    EXPECT_EQ(Hotkeys(), 0);
    EXPECT_FALSE(engine.Watching());
}

TEST_F(GameAwareKeysTest, EnterInTheGameOpensAndClosesTheChatPauseAndEscClosesIt) {
    Activate({.pauseWhileChatting = true}, game);
    EXPECT_EQ(Press(game, VK_RETURN), kNone);
    EXPECT_EQ(engine.Held(), KeysHeld::ForChat);
    EXPECT_EQ(Press(game, 'W'), Calls{});
    EXPECT_EQ(Press(game, VK_RETURN, LLKHF_EXTENDED), kAll) << "the keypad's Enter";
    EXPECT_EQ(Press(game, VK_ESCAPE), Calls{}) << "Esc never opens the pause";
    EXPECT_EQ(Press(game, VK_RETURN, LLKHF_ALTDOWN), Calls{}) << "Alt+Enter is the window's";
    EXPECT_EQ(Press(other, VK_RETURN), Calls{}) << "Enter elsewhere is no chat of the game's";
    EXPECT_EQ(Press(game, VK_RETURN), kNone);  // Shift or Ctrl send the same key down
    EXPECT_EQ(Press(other, VK_ESCAPE), Calls{});
    EXPECT_EQ(Press(game, VK_ESCAPE), kAll);

    // Both options: outside the game the keys wait for it; the pause lasts across.
    engine.SetOptions({.onlyInGame = true, .pauseWhileChatting = true});
    EXPECT_EQ(Press(game, VK_RETURN), kNone);
    EXPECT_EQ(Press(other, 'A'), Calls{});
    EXPECT_EQ(engine.Held(), KeysHeld::OutsideTheGame);
    EXPECT_EQ(Press(game, 'A'), Calls{});
    EXPECT_EQ(engine.Held(), KeysHeld::ForChat);
    EXPECT_EQ(Press(game, VK_RETURN), kAll);

    // A new activation starts without a pause.
    Press(game, VK_RETURN);
    desk.calls.clear();
    Activate(engine.Options(), game);
    EXPECT_EQ(engine.Held(), KeysHeld::No);
    EXPECT_EQ(Hotkeys(), 6);
}

TEST_F(GameAwareKeysTest, OptionsTakeEffectAtOnceAndTheEnginesOwnKeysAreIgnored) {
    engine.SetOptions({.onlyInGame = true});
    EXPECT_FALSE(engine.Watching()) << "no hook while the keys are not active";
    Activate({}, other);
    EXPECT_EQ(desk.calls, kAll);
    desk.calls.clear();
    engine.SetOptions({.onlyInGame = true});
    EXPECT_EQ(desk.calls, (Calls{"hook 13 0", "unregister 1", "unregister 2", "unregister 3",
                                 "unregister 4", "unregister 5", "unregister 6"}));
    desk.calls.clear();
    engine.SetOptions({.pauseWhileChatting = true});
    EXPECT_EQ(desk.calls, kAll) << "the same hook serves the other option";
    Press(game, VK_RETURN);
    desk.calls.clear();
    engine.SetOptions({});
    Calls expected{"unhook"};
    expected.insert(expected.end(), kAll.begin(), kAll.end());
    EXPECT_EQ(desk.calls, expected);
    desk.calls.clear();
    engine.SetOptions({.pauseWhileChatting = true});
    EXPECT_EQ(desk.calls, Calls{"hook 13 0"}) << "turning the option off ended the pause";

    // The player leaves the game just after a hotkey: its keypad key, back through the
    // hook, neither lets the keys go nor disturbs a slot stepping aside.
    engine.SetOptions({.onlyInGame = true});
    Activate(engine.Options(), game);
    engine.Activate({"W", "E", "D", "S", "a", "X"}, {true, true, true, true, false, true});
    desk.foreground = other;
    desk.calls.clear();
    engine.HotkeyPressed(5);
    engine.HotkeyPressed(1);
    EXPECT_EQ(desk.calls,
              (Calls{"unregister 5", "key 97", "key 97", "register 5", "key 103", "key 103"}));
    EXPECT_EQ(Hotkeys(), 6);

    desk.refuseHook = true;  // without a hook the options cannot work: the keys act everywhere
    Activate(engine.Options(), other);
    EXPECT_FALSE(engine.Watching());
    EXPECT_EQ(Hotkeys(), 6);
}

TEST_F(GameAwareKeysTest, AHeldEnterTogglesTheChatPauseOnce) {
    Activate({.pauseWhileChatting = true}, game);
    desk.calls.clear();
    for (int repeat = 0; repeat < 3; ++repeat) ThroughHook(VK_RETURN, 0, false);
    ThroughHook(VK_RETURN, 0, true);
    EXPECT_EQ(desk.calls, kNone);
    EXPECT_EQ(engine.Held(), KeysHeld::ForChat);
    EXPECT_EQ(Press(game, VK_RETURN), kAll);
}

// Windows removes a slow hook without a word; raw input still reports every key.
TEST_F(GameAwareKeysTest, AHookThatWindowsRemovedComesBackAtTheNextKeyAndAfterUnlockOrResume) {
    auto rawKey = [&] {
        desk.calls.clear();
        engine.RawInput(0);
        return desk.calls;
    };
    Activate({.onlyInGame = true}, other);
    EXPECT_TRUE(desk.rawKeyboard && desk.sessionReports);
    EXPECT_EQ(rawKey(), Calls{}) << "the first key after installing may reach raw input alone";
    Press(other, 'A');
    EXPECT_EQ(rawKey(), Calls{});

    desk.hook = nullptr;  // removed by Windows, and nobody told
    desk.foreground = game;
    desk.gameElevated = true;  // its keys are hidden from our hook on purpose: no loss
    EXPECT_EQ(rawKey(), Calls{});
    desk.gameElevated = false;
    Calls expected{"unhook", "hook 13 0"};
    expected.insert(expected.end(), kAll.begin(), kAll.end());
    EXPECT_EQ(rawKey(), expected) << "installed anew and decided from the window in front";
    EXPECT_EQ(Press(other, 'A'), kNone);

    for (int round = 0; round < 2; ++round) {  // after an unlock, after a resume
        desk.hook = nullptr;
        desk.foreground = game;
        desk.calls.clear();
        engine.InstallHookAgain();
        EXPECT_EQ(desk.calls, expected);
        EXPECT_EQ(Press(other, 'A'), kNone);
    }
    engine.Release();
    EXPECT_FALSE(desk.rawKeyboard || desk.sessionReports);
}

// Windows reports each new window in front; Wine does not, and there the hook decides.
TEST_F(GameAwareKeysTest, WhereTheWindowInFrontIsReportedOnlyInGameFollowsItWithoutAHook) {
    desk.wine = false;
    HWND elevated = nullptr;
    engine.OnElevatedWindow = [&](HWND window) { elevated = window; };
    Activate({.onlyInGame = true}, other);
    EXPECT_FALSE(engine.Watching()) << "the player's typing pays for no hook";
    EXPECT_EQ(Hotkeys(), 0);
    desk.calls.clear();
    desk.gameElevated = true;
    ReportForeground(game);
    EXPECT_EQ(desk.calls, kAll);
    EXPECT_EQ(elevated, game) << "checked as the game came to the front";
    EXPECT_EQ(engine.Status().elevated, ElevatedInFront::Game);
    desk.gameElevated = false;
    desk.calls.clear();
    ReportForeground(other);
    EXPECT_EQ(desk.calls, kNone);
    engine.SetOptions({.onlyInGame = true, .pauseWhileChatting = true});
    EXPECT_TRUE(engine.Watching()) << "the chat pause needs the keys";
    engine.SetOptions({.onlyInGame = true});
    EXPECT_FALSE(engine.Watching());

    // The window in front changes while a slot that stepped aside for its own keypad key
    // is out: the slot is let go with the others and stays so.
    ReportForeground(game);
    engine.Activate({"W", "E", "D", "S", "a", "X"}, {true, true, true, true, false, true});
    desk.reportDuringInjection = other;
    desk.calls.clear();
    engine.HotkeyPressed(5);
    EXPECT_EQ(desk.calls, (Calls{"unregister 5", "key 97", "unregister 1", "unregister 2",
                                 "unregister 3", "unregister 4", "unregister 5", "unregister 6",
                                 "key 97"}));
    EXPECT_EQ(Hotkeys(), 0);
    desk.calls.clear();
    ReportForeground(game);
    EXPECT_EQ(desk.calls, kAll);
    EXPECT_EQ(Hotkeys(), 6);

    desk.wine = true;  // the same engine under Wine: the hook decides, nothing listens
    engine.Release();
    desk.calls.clear();
    THotkeyEngine underWine{reinterpret_cast<HWND>(0x1234)};
    underWine.SetOptions({.onlyInGame = true});
    underWine.Activate({"W", "E", "D", "S", "C", "X"}, {true, true, true, true, true, true});
    EXPECT_TRUE(underWine.Watching());
    EXPECT_EQ(std::count(desk.calls.begin(), desk.calls.end(), "listen"), 0);
    underWine.Release();
}

}  // namespace
