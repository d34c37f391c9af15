// The tray window (Unit4) with the real windows: the tip and icon follow the keys, and a
// balloon tells what an activation or a second start of this copy owes the player.
#include <gtest/gtest.h>

#include <cstring>

#include "FileIO.h"
#include "GdiHandles.h"
#include "SingleInstance.h"
#include "HandleCounts.h"
#include "Platform.h"
#include "ProgramWindowsTest.h"
#include "SlotSettings.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit3.h"
#include "Unit4.h"

namespace {

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

class Unit4Test : public ProgramWindowsTest {};

// Slot 2 is taken by another window, slot 3 has no key line.
TEST_F(Unit4Test, AnActivationWithSlotsThatDoNothingSaysSoOnceAndTipAndIconFollowTheKeys) {
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

TEST_F(Unit4Test, BeforeAnySaveNoKeyIsTakenAndAKeyLostAfterActivationIsToldOnce) {
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
TEST_F(Unit4Test, AStartOfThisCopyAgainIsToldInABalloon) {
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
