// The real program against a settings file or folder it cannot use: the player sees the
// German file error once, can go on, and the file on disk stays exactly as it was.
#include <gtest/gtest.h>

#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

const std::string kSaved = "Q\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n";

// The program's error box, once it shows; null if none came.
HWND ErrorBox(const KitbagProcess& kitbag) {
    HWND box = nullptr;
    WaitFor([&] { return (box = kitbag.Form(L"#32770")) != nullptr && IsWindowVisible(box); });
    return box;
}

std::wstring BoxText(HWND box) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 1024);  // the message box's text control
    return text;
}

// Answers the box as the player's OK would and waits until it has gone.
void Dismiss(const KitbagProcess& kitbag, HWND box) {
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return kitbag.Form(L"#32770") == nullptr; }));
}

HANDLE HoldWithoutSharing(const std::wstring& file, DWORD disposition) {
    return CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition, 0,
                       nullptr);
}

TEST(HostileInputTest, ASettingsFileLockedAtStartIsReportedOnceAndTheMainWindowCarriesOn) {
    TempFolder folder;
    std::wstring settings = folder.File(L"Settings.ini");
    WriteBytes(settings, kSaved);
    HANDLE holder = HoldWithoutSharing(settings, OPEN_EXISTING);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    {
        KitbagProcess kitbag(folder.Path());
        HWND box = ErrorBox(kitbag);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(BoxText(box), L"Datei " + settings + L" kann nicht ge\u00f6ffnet werden");
        Dismiss(kitbag, box);
        EXPECT_TRUE(kitbag.Visible(L"TForm1"));
        EXPECT_FALSE(kitbag.Visible(L"TForm2"));
        CloseHandle(holder);
        PostMessageW(kitbag.Form(L"TForm1"), WM_CLOSE, 0, 0);
        ASSERT_TRUE(kitbag.WaitForExit());
        EXPECT_EQ(kitbag.ExitCode(), 0u);
    }
    EXPECT_EQ(ReadBytes(settings), kSaved);
}

// Two ways a save cannot happen: the folder lets no new file be made (another program
// holds the name of the temporary file), and the player made the file read-only.
TEST(HostileInputTest, ASaveThatCannotWriteShowsTheGermanErrorAndKeepsTheFile) {
    for (bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only file" : "folder refuses new files");
        TempFolder folder;
        std::wstring settings = folder.File(L"Settings.ini");
        WriteBytes(settings, kSaved);
        HANDLE holder = INVALID_HANDLE_VALUE;
        if (readOnly)
            ASSERT_TRUE(SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_READONLY));
        else
            ASSERT_NE(holder = HoldWithoutSharing(settings + L".saving", CREATE_ALWAYS),
                      INVALID_HANDLE_VALUE);

        KitbagProcess kitbag(folder.Path());
        ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm1"); }));
        ASSERT_TRUE(ClickUntil(kitbag.Form(L"TForm1"), 32 + 28, 64 + 24,  // Settings
                               [&] { return kitbag.Visible(L"TForm2"); }));
        HWND form2 = kitbag.Form(L"TForm2");
        // "Save Settings"; the window has just appeared, so a first click may be lost.
        ClickUntil(form2, 40 + 50, 277 + 9, [&] { return kitbag.Form(L"#32770") != nullptr; });
        HWND box = ErrorBox(kitbag);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(BoxText(box), L"Datei " + settings + L" kann nicht erstellt werden");
        Dismiss(kitbag, box);
        // Not saved, so "Go to Mainform" is not armed: the settings window stays.
        ClickAt(form2, 210 + 30, 277 + 6);
        EXPECT_FALSE(WaitFor([&] { return kitbag.Visible(L"TForm1"); }, 1500));
        EXPECT_TRUE(kitbag.Visible(L"TForm2"));

        if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
        EXPECT_EQ(ReadBytes(settings), kSaved);
        if (readOnly) {
            EXPECT_TRUE(GetFileAttributesW(settings.c_str()) & FILE_ATTRIBUTE_READONLY);
            SetFileAttributesW(settings.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        PostMessageW(kitbag.Form(L"TForm1"), WM_CLOSE, 0, 0);
        ASSERT_TRUE(kitbag.WaitForExit());
    }
}

TEST(HostileInputTest, TheSettingsAreSavedBesideTheProgramInAFolderOutsideTheAnsiCodePage) {
    TempFolder folder(L"-\u0421\u0443\u043c\u043a\u0430-\u9053\u5177");
    std::wstring settings = folder.File(L"Settings.ini");
    KitbagProcess kitbag(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm2"); }));  // a first run
    ASSERT_TRUE(ClickUntil(kitbag.Form(L"TForm2"), 40 + 50, 277 + 9, [&] {  // "Save Settings"
        return GetFileAttributesW(settings.c_str()) != INVALID_FILE_ATTRIBUTES;
    }));
    // The file shows as soon as Kitbag creates it, before it is written.
    EXPECT_TRUE(WaitFor([&] { return ReadBytesWhileWritten(settings) == kDefaultSettings; }));
    PostMessageW(kitbag.Form(L"TForm1"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(kitbag.WaitForExit());
}

}  // namespace
