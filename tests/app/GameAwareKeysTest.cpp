// The game-aware options with the platform layer faked: which window is the game, and
// when the engine lets its six hotkeys go and takes them back as keys go down. The
// faked keybd_event runs the hook from inside itself, as Windows does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "GameWindow.h"
#include "HandleCounts.h"
#include "HotkeyEngine.h"
#include "KeyboardHook.h"
#include "Platform.h"

namespace {

using Calls = std::vector<std::string>;

const HWND game = reinterpret_cast<HWND>(0x10), other = reinterpret_cast<HWND>(0x20);

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
} desk;

int WINAPI Title(HWND window, LPSTR text, int max) {
    ++desk.titlesRead;
    std::string title = desk.titles[window].substr(0, size_t(max - 1));
    std::memcpy(text, title.c_str(), title.size() + 1);
    return int(title.size());
}
// A window's process id is the window's handle value, and so is the process handle.
DWORD WINAPI ProcessOf(HWND window, LPDWORD id) {
    *id = DWORD(uintptr_t(window));
    return 1;
}
HANDLE WINAPI Open(DWORD, BOOL, DWORD id) {
    HWND window = reinterpret_cast<HWND>(uintptr_t(id));
    if (!desk.programs.count(window)) return nullptr;
    ++desk.opened;
    return window;
}
BOOL WINAPI ProgramFile(HANDLE process, DWORD, LPSTR name, PDWORD size) {
    const std::string& file = desk.programs[static_cast<HWND>(process)];
    if (file.empty() || file.size() >= *size) return FALSE;
    *size = DWORD(file.copy(name, file.size()));
    name[*size] = '\0';
    return TRUE;
}
BOOL WINAPI Close(HANDLE) {
    ++desk.closed;
    return TRUE;
}
HWND WINAPI Foreground() { return desk.foreground; }
HHOOK WINAPI Hook(int kind, HOOKPROC procedure, HINSTANCE, DWORD thread) {
    desk.calls.push_back("hook " + std::to_string(kind) + " " + std::to_string(thread));
    if (desk.refuseHook) return nullptr;
    desk.hook = procedure;
    return reinterpret_cast<HHOOK>(0x77);
}
BOOL WINAPI Unhook(HHOOK) {
    desk.calls.push_back("unhook");
    desk.hook = nullptr;
    return TRUE;
}
LRESULT WINAPI PassOn(HHOOK, int, WPARAM, LPARAM) {
    ++desk.passedOn;
    return 0x55;
}
BOOL WINAPI Register(HWND, int id, UINT modifiers, UINT key) {
    desk.calls.push_back("register " + std::to_string(id));
    return !desk.heldElsewhere.count({modifiers, key});
}
BOOL WINAPI Unregister(HWND, int id) {
    desk.calls.push_back("unregister " + std::to_string(id));
    return TRUE;
}
// A key going down or up through the hook, as Windows runs it for every key.
void ThroughHook(DWORD key, DWORD flags, bool up) {
    if (!desk.hook) return;
    KBDLLHOOKSTRUCT event{key, 0, flags | (up ? LLKHF_UP : 0), 0, 0};
    bool alt = flags & LLKHF_ALTDOWN;
    WPARAM message = up ? (alt ? WM_SYSKEYUP : WM_KEYUP) : (alt ? WM_SYSKEYDOWN : WM_KEYDOWN);
    desk.hook(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
}
// The system reports a new window in front, as Windows does and Wine does not.
void ReportForeground(HWND window) {
    desk.foreground = window;
    if (desk.foregroundReport)
        desk.foregroundReport(nullptr, EVENT_SYSTEM_FOREGROUND, window, OBJID_WINDOW, CHILDID_SELF, 0, 0);
}
VOID WINAPI Inject(BYTE key, BYTE, DWORD flags, ULONG_PTR) {
    desk.calls.push_back("key " + std::to_string(key));
    ThroughHook(key, LLKHF_INJECTED, flags & KEYEVENTF_KEYUP);
    if (HWND window = std::exchange(desk.reportDuringInjection, nullptr)) ReportForeground(window);
}
INT_PTR WINAPI WineVersion() { return 0; }
FARPROC WINAPI Export(HMODULE module, LPCSTR name) {
    if (std::string(name) == "wine_get_version") return desk.wine ? &WineVersion : nullptr;
    return platform::SystemCalls().GetProcAddress(module, name);
}
HWINEVENTHOOK WINAPI ListenForeground(DWORD, DWORD, HMODULE, WINEVENTPROC procedure, DWORD, DWORD, DWORD) {
    desk.calls.push_back("listen");
    desk.foregroundReport = procedure;
    return reinterpret_cast<HWINEVENTHOOK>(0x66);
}
BOOL WINAPI StopListening(HWINEVENTHOOK) {
    desk.foregroundReport = nullptr;
    return TRUE;
}
BOOL WINAPI IsLive(HWND window) { return desk.titles.count(window) > 0; }
BOOL WINAPI RawDevices(PCRAWINPUTDEVICE device, UINT, UINT) {
    desk.rawKeyboard = !(device->dwFlags & RIDEV_REMOVE);
    return TRUE;
}
// Every raw input the test hands the engine is a key going down.
UINT WINAPI RawData(HRAWINPUT, UINT, LPVOID data, PUINT, UINT) {
    auto* raw = static_cast<RAWINPUT*>(data);
    raw->header.dwType = RIM_TYPEKEYBOARD;
    raw->data.keyboard.Message = WM_KEYDOWN;
    return sizeof(RAWINPUT);
}
BOOL WINAPI SessionReports(HWND, DWORD) { return desk.sessionReports = true; }
BOOL WINAPI NoSessionReports(HWND) { return !(desk.sessionReports = false); }
// Tokens: ours is never elevated, the game's when the desk says so.
BOOL WINAPI Token(HANDLE process, DWORD, PHANDLE token) {
    *token = process;
    return TRUE;
}
BOOL WINAPI TokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS, LPVOID info, DWORD, PDWORD) {
    static_cast<TOKEN_ELEVATION*>(info)->TokenIsElevated = token == game && desk.gameElevated;
    return TRUE;
}

platform::Calls Fakes() {
    platform::Calls fakes = platform::SystemCalls();
    fakes.GetWindowTextA = &Title;
    fakes.GetWindowThreadProcessId = &ProcessOf;
    fakes.OpenProcess = &Open;
    fakes.QueryFullProcessImageNameA = &ProgramFile;
    fakes.CloseHandle = &Close;
    fakes.GetForegroundWindow = &Foreground;
    fakes.SetWindowsHookExA = &Hook;
    fakes.UnhookWindowsHookEx = &Unhook;
    fakes.CallNextHookEx = &PassOn;
    fakes.RegisterHotKey = &Register;
    fakes.UnregisterHotKey = &Unregister;
    fakes.keybd_event = &Inject;
    fakes.GetProcAddress = &Export;
    fakes.SetWinEventHook = &ListenForeground;
    fakes.UnhookWinEvent = &StopListening;
    fakes.IsWindow = &IsLive;
    fakes.RegisterRawInputDevices = &RawDevices;
    fakes.GetRawInputData = &RawData;
    fakes.WTSRegisterSessionNotification = &SessionReports;
    fakes.WTSUnRegisterSessionNotification = &NoSessionReports;
    fakes.OpenProcessToken = &Token;
    fakes.GetTokenInformation = &TokenInformation;
    return fakes;
}

class GameAwareKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        desk = Desktop{};
        desk.titles = {{game, "Warcraft III"}, {other, "Notes"}};
        desk.programs = {{game, "C:\\Games\\launcher.exe"}, {other, "C:\\Windows\\notepad.exe"}};
    }
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

    platform::Calls table = Fakes();
    platform::ScopedOverride faking{table};
    long before = HandleCounts::Live(HandleKind::Hotkey);
    THotkeyEngine engine{reinterpret_cast<HWND>(0x1234)};
};

const Calls kAll{"register 1", "register 2", "register 3", "register 4", "register 5", "register 6"};
const Calls kNone{"unregister 1", "unregister 2", "unregister 3",
                  "unregister 4", "unregister 5", "unregister 6"};

TEST_F(GameAwareKeysTest, TheGameIsItsExactTitleOrOneOfItsProgramFilesInAnyCase) {
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

TEST_F(GameAwareKeysTest, TheHookProcedurePassesEveryKeyOnAndNothingEscapesIt) {
    std::vector<DWORD> seen;
    TKeyboardHook hook([&](const KBDLLHOOKSTRUCT& key) {
        seen.push_back(key.vkCode);
        throw std::runtime_error("a fault in the handler");
    });
    ASSERT_TRUE(hook.Installed());
    TKeyboardHook second([](const KBDLLHOOKSTRUCT&) {});
    EXPECT_FALSE(second.Installed()) << "one hook at a time";
    KBDLLHOOKSTRUCT key{'W', 0, 0, 0, 0};
    auto call = [&](int code, WPARAM message) {
        return TKeyboardHook::Procedure(code, message, reinterpret_cast<LPARAM>(&key));
    };
    EXPECT_EQ(call(HC_ACTION, WM_KEYDOWN), 0x55);
    EXPECT_EQ(call(HC_ACTION, WM_SYSKEYDOWN), 0x55);
    EXPECT_EQ(call(HC_ACTION, WM_KEYUP), 0x55);
    EXPECT_EQ(call(-1, WM_KEYDOWN), 0x55);
    EXPECT_EQ(seen, (std::vector<DWORD>{'W', 'W', 'W'})) << "down, down with Alt, up";
    EXPECT_EQ(desk.passedOn, 4);
}

}  // namespace
