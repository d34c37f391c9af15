// Start-up of the real program: a first run goes to the settings window; a start with a
// settings file stays on the main window with the Shift boxes taken from the file.
#include <gtest/gtest.h>

#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

// 1 checked, 0 unchecked, -1 not there (yet).
int ShiftBoxState(const KitbagProcess& kitbag, int slot) {
    HWND box = kitbag.ControlAt(L"TForm2", 304, 104 + 24 * (slot - 1));
    if (!box) return -1;
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

bool ShiftBoxChecked(const KitbagProcess& kitbag, int slot) { return ShiftBoxState(kitbag, slot) == 1; }

std::string KeyEditText(const KitbagProcess& kitbag, int slot) {
    HWND edit = kitbag.ControlAt(L"TForm2", 384, 104 + 24 * (slot - 1));
    char text[16] = {};
    // Another process's edit answers its text only when asked with a message.
    if (edit) SendMessageA(edit, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST(StartupTest, AFirstRunReplacesTheMainWindowByTheSettingsWindow) {
    TempFolder folder;
    KitbagProcess kitbag(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm2"); }));
    EXPECT_FALSE(kitbag.Visible(L"TForm1"));
    // The settings window shows first; the others follow, hidden.
    ASSERT_TRUE(WaitFor([&] { return kitbag.Form(L"TForm7") != nullptr; }));
    for (const wchar_t* other : {L"TForm3", L"TForm4", L"TForm5", L"TForm6", L"TForm7"}) {
        EXPECT_NE(kitbag.Form(other), nullptr);
        EXPECT_FALSE(kitbag.Visible(other));
    }
    for (int slot = 1; slot <= 6; ++slot) EXPECT_TRUE(ShiftBoxChecked(kitbag, slot));
    EXPECT_EQ(KeyEditText(kitbag, 1), "W");
    EXPECT_EQ(GetFileAttributesW(folder.File(L"Settings.ini").c_str()), INVALID_FILE_ATTRIBUTES);
    // A close request to the main window ends the program, hidden or not.
    PostMessageW(kitbag.Form(L"TForm1"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(kitbag.WaitForExit());
    EXPECT_EQ(kitbag.ExitCode(), 0u);
}

void ExpectStartWithFile(const std::wstring& leaf) {
    TempFolder folder(leaf);
    // Slot 3 without Shift; slot 5 has other text and slot 6 no line at all: both Shift.
    WriteBytes(folder.File(L"Settings.ini"), "Q\r\nE\nD\rS\r\nC\r\nX\r\n0\r\n0\r\n1\r\n0\r\nyes\r\n");
    KitbagProcess kitbag(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return ShiftBoxState(kitbag, 3) == 0; }));
    for (int slot : {1, 2, 4, 5, 6}) EXPECT_TRUE(ShiftBoxChecked(kitbag, slot)) << slot;
    EXPECT_TRUE(kitbag.Visible(L"TForm1"));
    EXPECT_FALSE(kitbag.Visible(L"TForm2"));
    // The main window shows before the tray window is made; its icon follows.
    EXPECT_TRUE(WaitFor([] { return TrayIconCount() == 1; }));
    // The key edits are filled only when the settings are opened from the main window.
    EXPECT_EQ(KeyEditText(kitbag, 1), "W");
}

TEST(StartupTest, AStartWithASettingsFileKeepsTheMainWindowAndTakesTheShiftFlags) {
    ExpectStartWithFile(L"");
}

TEST(StartupTest, TheSettingsFileIsFoundInAFolderOutsideTheAnsiCodePage) {
    ExpectStartWithFile(L"-\u041a\u0438\u0442\u0431\u044d\u0433-\u30c6\u30b9\u30c8");
}

}  // namespace
