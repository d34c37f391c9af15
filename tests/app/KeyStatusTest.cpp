// The keys' status as the tray tells it: the tip's words and icon, the balloon an activation
// owes the player when a slot does nothing, and the check for a game that runs elevated.
#include <gtest/gtest.h>

#include <cstring>

#include "Elevation.h"
#include "FileIO.h"
#include "GdiHandles.h"
#include "SingleInstance.h"
#include "HandleCounts.h"
#include "KeyStatus.h"
#include "Platform.h"
#include "ProgramWindowsTest.h"
#include "SlotSettings.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit3.h"
#include "Unit4.h"

namespace {

TEST(KeyStatusText, TheTipNamesTheStateTheKeysAndTheSlotsThatDoNothingWithinTheShellsLimit) {
    KeyStatus status;
    EXPECT_EQ(StatusTip(status), "Kitbag: keys off");
    status.active = true;
    status.working = {"Shift+W", "", "D", "", "#228", "Space"};
    status.withoutKey = {2};
    status.heldElsewhere = {4};
    EXPECT_EQ(StatusTip(status), "Kitbag: keys on; no key: slot 2; taken by another program: "
                                 "slot 4; working: Shift+W D #228 Space");
    status.held = KeysHeld::ForChat;
    EXPECT_EQ(StatusTip(status).rfind("Kitbag: keys paused for chat; no key", 0), 0u);
    EXPECT_EQ(MissingSlotsText(status).rfind("Slot 2 without a key. Slot 4: the key is taken", 0), 0u);
    status.held = KeysHeld::OutsideTheGame;
    status.working = {"Shift+#200", "Shift+#201", "Shift+#202", "", "", ""};
    status.withoutKey = {4, 5};
    status.heldElsewhere = {6};
    EXPECT_EQ(StatusTip(status), "Kitbag: keys wait for Warcraft III; no key: slots 4, 5; taken "
                                 "by another program: slot 6; working: 3 keys");  // past 127
    // What a balloon said stays while it holds, first; the key list gives way first.
    status.elevated = ElevatedInFront::Game;
    status.heldElsewhere = {};
    EXPECT_EQ(StatusTip(status), "Kitbag: keys wait for Warcraft III; Warcraft III is admin: start "
                                 "Kitbag as admin; no key: slots 4, 5; working: 3 keys");
    status.heldElsewhere = {6};
    EXPECT_EQ(StatusTip(status).size(), 127u);
    EXPECT_EQ(StatusTip(status).find("working"), std::string::npos);
    status = {};
    status.active = true;
    status.working = {"", "", "", "", "", "Shift+X"};
    status.elevated = ElevatedInFront::OtherWindow;
    EXPECT_EQ(StatusTip(status), "Kitbag: keys on; the window in front is admin: start Kitbag as "
                                 "admin; working: Shift+X");
    KeyStatus allWork;
    allWork.active = true;
    allWork.working = {"a", "b", "c", "d", "e", "f"};
    EXPECT_EQ(MissingSlotsText(allWork), "");
    EXPECT_EQ(KeyName(MOD_SHIFT, 'W'), "Shift+W");
    EXPECT_EQ(KeyName(0, 'a'), "a");
}

TEST(KeyStatusText, WithoutAWorkingKeyTheTipSaysSoFirstAndABalloonTellsEachProblemOnce) {
    KeyStatus status;
    status.active = true;
    status.held = KeysHeld::OutsideTheGame;
    status.heldElsewhere = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(StatusTip(status),
              "Kitbag: no key works: taken by another program: slots 1, 2, 3, 4, 5, 6");
    status.held = KeysHeld::ForChat;
    status.withoutKey = {3};
    status.heldElsewhere = {1};
    EXPECT_EQ(StatusTip(status), "Kitbag: no key works: no key: slot 3; taken by another program: slot 1");

    ToldProblems told;
    EXPECT_EQ(UntoldProblemsText(status, told).rfind("Slot 3 without a key. Slot 1: the key is taken", 0), 0u);
    EXPECT_EQ(UntoldProblemsText(status, told), "");
    status.heldElsewhere = {1, 2};  // slot 2 lost its key later
    EXPECT_EQ(UntoldProblemsText(status, told).rfind("Slot 2: the key is taken", 0), 0u);

    KeyStatus unsaved;
    unsaved.active = unsaved.nothingSaved = true;
    unsaved.withoutKey = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(StatusTip(unsaved), "Kitbag: no keys saved yet; save them in the settings");
    told = {};
    EXPECT_EQ(UntoldProblemsText(unsaved, told).rfind("No keys are saved yet, so no key works.", 0), 0u);
    EXPECT_EQ(UntoldProblemsText(unsaved, told), "");
}

TEST(KeyStatusText, TheTrayIconShowsAProblemBeforeHeldAndHeldBeforeOn) {
    KeyStatus status;
    status.held = KeysHeld::ForChat;
    status.withoutKey = {1};
    EXPECT_EQ(TrayIconFor(status), TrayIconState::Off);
    status = {};
    status.active = true;
    EXPECT_EQ(TrayIconFor(status), TrayIconState::On);
    for (KeysHeld held : {KeysHeld::OutsideTheGame, KeysHeld::ForChat}) {
        status.held = held;
        EXPECT_EQ(TrayIconFor(status), TrayIconState::Held);
    }
    void (*const problems[])(KeyStatus&) = {
        [](KeyStatus& s) { s.nothingSaved = true; },
        [](KeyStatus& s) { s.withoutKey = {3}; },
        [](KeyStatus& s) { s.heldElsewhere = {5}; },
        [](KeyStatus& s) { s.elevated = ElevatedInFront::OtherWindow; },
    };
    for (auto problem : problems)
        for (KeysHeld held : {KeysHeld::No, KeysHeld::OutsideTheGame}) {
            KeyStatus troubled;
            troubled.active = true;
            troubled.held = held;
            problem(troubled);
            EXPECT_EQ(TrayIconFor(troubled), TrayIconState::Problem);
        }
}

// A faked token per process: ours and the game's.
bool selfElevated, gameElevated, gameTokenDenied;
int tokenQueries;
const HANDLE kSelf = reinterpret_cast<HANDLE>(0x51), kGame = reinterpret_cast<HANDLE>(0x6A);
HANDLE WINAPI FakeCurrentProcess() { return kSelf; }
DWORD WINAPI FakeThreadProcessId(HWND, LPDWORD processId) {
    *processId = 4242;
    return 1;
}
HANDLE WINAPI FakeOpenProcess(DWORD, BOOL, DWORD) { return kGame; }
BOOL WINAPI FakeCloseHandle(HANDLE) { return TRUE; }
BOOL WINAPI FakeOpenToken(HANDLE process, DWORD, PHANDLE token) {
    ++tokenQueries;
    if (process == kGame && gameTokenDenied) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *token = process;  // the token stands for its process
    return TRUE;
}
BOOL WINAPI FakeTokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS, LPVOID info, DWORD, PDWORD) {
    static_cast<TOKEN_ELEVATION*>(info)->TokenIsElevated = token == kSelf ? selfElevated : gameElevated;
    return TRUE;
}

TEST(Elevation, AGameAboveAnUnelevatedKitbagIsFoundOncePerActivation) {
    platform::Calls table = platform::SystemCalls();
    table.GetCurrentProcess = &FakeCurrentProcess;
    table.GetWindowThreadProcessId = &FakeThreadProcessId;
    table.OpenProcess = &FakeOpenProcess;
    table.CloseHandle = &FakeCloseHandle;
    table.OpenProcessToken = &FakeOpenToken;
    table.GetTokenInformation = &FakeTokenInformation;
    platform::ScopedOverride faking(table);
    const HWND game = reinterpret_cast<HWND>(0x100), other = reinterpret_cast<HWND>(0x200);

    selfElevated = false, gameElevated = true, gameTokenDenied = false;
    EXPECT_TRUE(RunsElevatedAboveUs(game));
    gameTokenDenied = true;  // as Windows answers an unelevated asker
    EXPECT_TRUE(RunsElevatedAboveUs(game));
    selfElevated = true;
    EXPECT_FALSE(RunsElevatedAboveUs(game));
    selfElevated = false, gameElevated = false, gameTokenDenied = false;
    EXPECT_FALSE(RunsElevatedAboveUs(game));

    TElevationWatch watch;
    EXPECT_FALSE(watch.Check(game));
    tokenQueries = 0;
    EXPECT_FALSE(watch.Check(game));  // the same window again costs nothing
    EXPECT_EQ(tokenQueries, 0);
    gameElevated = true;
    EXPECT_TRUE(watch.Check(other));
    EXPECT_FALSE(watch.Check(game));  // said once
    watch.Reset();
    EXPECT_TRUE(watch.Check(game));
}

std::vector<std::string> balloons;
BOOL WINAPI RecordBalloons(DWORD message, PNOTIFYICONDATAA data) {
    if (data->uFlags & NIF_INFO) balloons.push_back(data->szInfo);
    return platform::SystemCalls().Shell_NotifyIconA(message, data);
}

// An icon's colour pixels: copies of one icon match, the states' pictures differ.
std::vector<DWORD> IconPixels(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    BitmapHandle colour(info.hbmColor), mask(info.hbmMask);
    BITMAP size{};
    if (!colour || !GetObjectA(colour.Get(), sizeof size, &size)) return {};
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = size.bmWidth;
    format.bmiHeader.biHeight = -size.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    std::vector<DWORD> pixels(size_t(size.bmWidth) * size_t(size.bmHeight));
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, colour.Get(), 0, UINT(size.bmHeight), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Which of the program's icons the tray shows, as the shell was given it.
std::string ShownTrayIcon() {
    TTrayIcon& tray = *Form4->TrayIcon1;
    if (tray.NotifyData().hIcon != tray.Icon().Handle()) return "not the shell's";
    const std::vector<DWORD> shown = IconPixels(tray.Icon().Handle());
    if (shown.size() != size_t(GetSystemMetrics(SM_CXSMICON) * GetSystemMetrics(SM_CYSMICON)))
        return "not the tray's size";
    for (const char* name : {"OFFICON", "MAINICON", "HELDICON", "PROBLEMICON"}) {
        TIcon icon;
        icon.LoadFromResourceName(name);
        if (IconPixels(icon.Handle()) == shown) return name;
    }
    return "none of ours";
}

class KeyStatusTest : public ProgramWindowsTest {};

// Slot 2 is taken by another window, slot 3 has no key line.
TEST_F(KeyStatusTest, AnActivationWithSlotsThatDoNothingSaysSoOnceAndTipAndIconFollowTheKeys) {
    platform::Calls table = platform::SystemCalls();
    table.Shell_NotifyIconA = &RecordBalloons;
    platform::ScopedOverride recording(table);
    balloons.clear();
    WriteBytes(SettingsFilePath(), "W\r\nE\r\n\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    LoadSettingsAtStart();
    EXPECT_EQ(Form4->TrayIcon1->Hint(), "Kitbag: keys off");
    EXPECT_EQ(ShownTrayIcon(), "OFFICON");
    ASSERT_TRUE(RegisterHotKey(Form3->Handle(), 42, MOD_SHIFT, 'E'));
    Form1->Image11Click(nullptr);
    UnregisterHotKey(Form3->Handle(), 42);
    EXPECT_EQ(Form4->TrayIcon1->Hint(), "Kitbag: keys on; no key: slot 3; taken by another "
                                        "program: slot 2; working: Shift+W Shift+S Shift+C Shift+X");
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0].rfind("Slot 3 without a key. Slot 2: the key is taken", 0), 0u);
    EXPECT_EQ(ShownTrayIcon(), "PROBLEMICON");
    Form4->ExitKitbag1Click(nullptr);
    EXPECT_EQ(Form4->TrayIcon1->Hint(), "Kitbag: keys off");
    EXPECT_EQ(ShownTrayIcon(), "OFFICON");
    EXPECT_EQ(balloons.size(), 1u);
}

// Slot 5's key "a" is keypad 1, the key it injects: it steps aside while that key goes
// out, and another program takes the combination meanwhile.
VOID WINAPI TakeSlot5Meanwhile(BYTE, BYTE, DWORD flags, ULONG_PTR) {
    if (!(flags & KEYEVENTF_KEYUP)) RegisterHotKey(Form3->Handle(), 42, 0, 'a');
}

TEST_F(KeyStatusTest, BeforeAnySaveNoKeyIsTakenAndAKeyLostAfterActivationIsToldOnce) {
    platform::Calls table = platform::SystemCalls();
    table.Shell_NotifyIconA = &RecordBalloons;
    table.keybd_event = &TakeSlot5Meanwhile;
    platform::ScopedOverride recording(table);
    balloons.clear();
    const long start = HandleCounts::Live(HandleKind::Hotkey);
    Form1->Image11Click(nullptr);  // a fresh folder: nothing loaded or saved yet
    EXPECT_TRUE(IsWindowVisible(Form4->Handle()));
    EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), start);
    EXPECT_EQ(SettingsLineBuffer().Lines(), std::vector<std::string>{"Memo1"});
    EXPECT_EQ(Form4->TrayIcon1->Hint(), "Kitbag: no keys saved yet; save them in the settings");
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0].rfind("No keys are saved yet", 0), 0u);
    Form4->ExitKitbag1Click(nullptr);

    WriteBytes(SettingsFilePath(), "W\r\nE\r\nD\r\nS\r\na\r\nX\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n");
    LoadSettingsAtStart();
    Form1->Image11Click(nullptr);
    EXPECT_EQ(balloons.size(), 1u);  // all six work
    EXPECT_EQ(ShownTrayIcon(), "MAINICON");
    SendMessageA(Form1->Handle(), WM_HOTKEY, 5, 0);
    UnregisterHotKey(Form3->Handle(), 42);
    EXPECT_EQ(Form4->TrayIcon1->Hint(), "Kitbag: keys on; taken by another program: slot 5; "
                                        "working: Shift+W Shift+E Shift+D Shift+S Shift+X");
    ASSERT_EQ(balloons.size(), 2u);
    EXPECT_EQ(balloons[1].rfind("Slot 5: the key is taken", 0), 0u);
    EXPECT_EQ(ShownTrayIcon(), "PROBLEMICON");
    Form1->Hotkeys().NotifyStatus();  // any later change of the status: told already
    EXPECT_EQ(balloons.size(), 2u);
    Form4->ExitKitbag1Click(nullptr);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), start);
}

// A second start of this copy tells the running one, which says so; only the copies of
// one folder, in whatever case its path is written, share the name.
TEST_F(KeyStatusTest, AStartOfThisCopyAgainIsToldInABalloon) {
    platform::Calls table = platform::SystemCalls();
    table.Shell_NotifyIconA = &RecordBalloons;
    platform::ScopedOverride recording(table);
    balloons.clear();
    SendMessageW(Form1->Handle(), StartedAgainMessage(L"C:\\Elsewhere\\"), 0, 0);
    EXPECT_TRUE(balloons.empty());
    SendMessageW(Form1->Handle(), StartedAgainMessage(ProgramDirectory()), 0, 0);
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0].rfind("Kitbag is already running.", 0), 0u);
    EXPECT_EQ(FolderInstanceName(L"C:\\Games\\Kitbag\\"), FolderInstanceName(L"c:\\GAMES\\kitbag\\"));
    EXPECT_NE(FolderInstanceName(L"C:\\Games\\Kitbag\\"), FolderInstanceName(L"C:\\Games\\Other\\"));
}

}  // namespace
