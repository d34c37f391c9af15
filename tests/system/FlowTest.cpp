// The player's sessions with the real program: the first save, the settings found again
// after a restart, and keys typed and pasted into the settings window.
#include <gtest/gtest.h>

#include <cstring>

#include "KeyTarget.h"
#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

TEST(FlowTest, AFirstRunSavesTheDefaultsGoesBackAndFindsThemAfterARestart) {
    TempFolder folder;
    std::wstring settings = folder.File(L"Settings.ini");
    {
        KitbagProcess kitbag(folder.Path());
        ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm2"); }));
        HWND form2 = kitbag.Form(L"TForm2");
        ASSERT_TRUE(ClickUntil(form2, 40 + 50, 277 + 9, [&] {  // "Save Settings"
            return GetFileAttributesW(settings.c_str()) != INVALID_FILE_ATTRIBUTES;
        }));
        // The file shows as soon as Kitbag creates it, before it is written.
        EXPECT_TRUE(WaitFor([&] { return ReadBytesWhileWritten(settings) == kDefaultSettings; }));
        EXPECT_TRUE(kitbag.Visible(L"TForm2"));
        EXPECT_FALSE(kitbag.Visible(L"TForm1"));
        ASSERT_TRUE(ClickUntil(form2, 210 + 30, 277 + 6,  // "Go to Mainform", armed now
                               [&] { return kitbag.Visible(L"TForm1") && !kitbag.Visible(L"TForm2"); }));
        ASSERT_TRUE(ClickUntil(kitbag.Form(L"TForm1"), 288 + 10, 112 + 6,  // "Quit"
                               [&] { return kitbag.WaitForExit(0); }));
    }
    KitbagProcess kitbag(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm1"); }));
    ASSERT_TRUE(ClickUntil(kitbag.Form(L"TForm1"), 152 + 36, 8 + 28,  // the logo: line buffer
                           [&] { return kitbag.Visible(L"TForm3"); }));
    HWND memo = kitbag.ControlAt(L"TForm3", 8, 64);
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ControlText(memo) + "\r\n" == kDefaultSettings; }));
    EXPECT_FALSE(kitbag.Visible(L"TForm2"));
    EXPECT_EQ(ReadBytes(settings), kDefaultSettings);
}

ULONGLONG WriteTime(const std::wstring& file) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data);
    return ULONGLONG(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
}

// Dates the file back a day, so that any save tells itself apart by its time.
void DateBack(const std::wstring& file) {
    HANDLE handle = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const ULONGLONG dayAgo = WriteTime(file) - 24ull * 3600 * 10000000;
    FILETIME time{DWORD(dayAgo), DWORD(dayAgo >> 32)};
    SetFileTime(handle, nullptr, nullptr, &time);
    CloseHandle(handle);
}

// Restarted with keys of the player's own, "Show Settings" from the tray menu offers
// those keys: saving at once writes the file as it was.
TEST(FlowTest, ShowSettingsAfterARestartOffersTheSavedKeysAndSavingAtOnceKeepsThem) {
    TempFolder folder;
    const std::wstring settings = folder.File(L"Settings.ini");
    const std::string saved = "Q\r\n7\r\nE\r\nF\r\nC\r\nX\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n";
    WriteBytes(settings, saved);
    DateBack(settings);
    const ULONGLONG before = WriteTime(settings);
    KitbagProcess kitbag(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm1") && TrayIconCount() == 1; }));
    ASSERT_TRUE(ChooseTrayMenuItem(0));  // "Show Settings"
    ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm2"); }));
    EXPECT_EQ(ControlText(kitbag.ControlAt(L"TForm2", 384, 104)), "Q");
    ASSERT_TRUE(ClickUntil(kitbag.Form(L"TForm2"), 40 + 50, 277 + 9, [&] {  // "Save Settings"
        return WriteTime(settings) != before;
    }));
    // The new write time can show while Kitbag still holds the file it is writing.
    EXPECT_TRUE(WaitFor([&] { return ReadBytesWhileWritten(settings) == saved; }))
        << ReadBytesWhileWritten(settings);
}

// A click puts the caret beside the edit's one character; the key typed or pasted next is
// the slot's key all the same, as a capital.
TEST(FlowTest, AKeyTypedOrPastedIntoAClickedKeyEditBecomesTheSlotsKey) {
    TempFolder folder;
    KitbagProcess kitbag(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm2"); }));
    HWND form2 = kitbag.Form(L"TForm2");
    // Typed keys go to the foreground window, which a busy desktop may have moved: make
    // sure of it and type again when the key did not arrive.
    auto enter = [&](int top, const std::vector<int>& strokes, const char* expected) {
        HWND edit = kitbag.ControlAt(L"TForm2", 384, top);
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!HoldForeground(form2)) continue;
            ClickAt(form2, 384 + 20, top + 9);  // right of the character, inside the frame
            GUITHREADINFO thread{};
            thread.cbSize = sizeof(thread);
            const bool focused = WaitFor([&] {
                return GetGUIThreadInfo(GetWindowThreadProcessId(form2, nullptr), &thread) &&
                       thread.hwndFocus == edit;
            }, 5000);
            if (!focused) continue;
            SendKeys(strokes);
            if (WaitFor([&] { return ControlText(edit) == expected; }, 3000)) return true;
        }
        ADD_FAILURE() << "the edit holds \"" << ControlText(edit) << "\"";
        return false;
    };
    EXPECT_TRUE(enter(104, {'Q', -'Q'}, "Q"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 3);
    memcpy(GlobalLock(block), "z!", 3);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
    EXPECT_TRUE(enter(128, {VK_CONTROL, 'V', -'V', -VK_CONTROL}, "Z"));
}

}  // namespace
