// The two key options as the player sets them from the tray menu, with the real windows:
// a click changes the running keys at once and only the option lines of the file on
// disk; Save Settings, the windows and a fresh start-up load keep them.
#include <gtest/gtest.h>

#include <cwctype>

#include "Exceptions.h"
#include "FileIO.h"
#include "Platform.h"
#include "ProgramWindowsTest.h"
#include "SlotSettings.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"

namespace {

// Slot 2 without Shift, as saved by the player.
const std::string kSaved = "Q\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n";
const std::string kOnlyInGame = "OnlyInWarcraftIII=1\r\n";
const std::string kPause = "PauseKeysWhileChatting=1\r\n";

class OptionSettingsTest : public ProgramWindowsTest {
protected:
    static KeyOptions Running() { return Form1->Hotkeys().Options(); }
    // What the menu shows when the player opens it.
    static std::pair<bool, bool> CheckMarks() {
        Form4->PopupMenu1Popup(nullptr);
        return {Form4->OnlyInWarcraftIII1->Checked, Form4->PauseKeysWhileChatting1->Checked};
    }
    static void SetKeys(const std::array<const char*, 6>& keys) {
        for (int slot = 1; slot <= 6; ++slot) Form2->KeyEdit(slot).SetText(keys[size_t(slot - 1)]);
    }
};

TEST_F(OptionSettingsTest, AClickRewritesOnlyTheOptionLinesAndSavingAndTheWindowsKeepThem) {
    WriteBytes(SettingsFilePath(), kSaved);
    LoadSettingsAtStart();
    Form1->Image9Click(nullptr);
    // Edited but not saved: none of this may reach the file through the menu.
    SetKeys({"A", "B", "C", "D", "E", "F"});
    Form2->ShiftBox(1).SetChecked(false);
    Form2->Image6Click(nullptr);  // not armed: the settings stay open
    Form4->ExitKitbag1Click(nullptr);  // "Show Mainmenu"
    Form1->Image11Click(nullptr);  // the keys are active while the player clicks
    EXPECT_EQ(CheckMarks(), std::make_pair(false, false));

    Form4->OnlyInWarcraftIII1Click(nullptr);
    EXPECT_EQ(Running(), (KeyOptions{true, false}));
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kSaved + kOnlyInGame);
    Form4->PauseKeysWhileChatting1Click(nullptr);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kSaved + kOnlyInGame + kPause);
    EXPECT_EQ(CheckMarks(), std::make_pair(true, true));
    Form4->OnlyInWarcraftIII1Click(nullptr);
    EXPECT_EQ(Running(), (KeyOptions{false, true}));
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kSaved + kPause);
    EXPECT_EQ(CheckMarks(), std::make_pair(false, true));

    // Save Settings writes the edits now, and the option with them.
    Form4->ShowMainmenu1Click(nullptr);  // "Show Settings"
    Form2->Label15Click(nullptr);
    const std::string saved =
        "A\r\nB\r\nC\r\nD\r\nE\r\nF\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n" + kPause;
    EXPECT_EQ(ReadBytes(SettingsFilePath()), saved);
    // Round the windows and back: nothing there touches the options.
    Form2->Label16Click(nullptr);
    Form1->Image9Click(nullptr);
    Form2->Image6Click(nullptr);
    Form1->Image11Click(nullptr);
    Form4->ExitKitbag1Click(nullptr);
    EXPECT_EQ(Running(), (KeyOptions{false, true}));
    EXPECT_EQ(ReadBytes(SettingsFilePath()), saved);

    // What the next start-up load gives.
    Form1->Hotkeys().SetOptions({});
    LoadSettingsAtStart();
    EXPECT_EQ(Running(), (KeyOptions{false, true}));
    EXPECT_EQ(CheckMarks(), std::make_pair(false, true));
}

TEST_F(OptionSettingsTest, WithoutAFileAClickWritesNothingAndTheFirstSaveWritesTheOption) {
    Form4->OnlyInWarcraftIII1Click(nullptr);
    EXPECT_EQ(Running(), (KeyOptions{true, false}));
    EXPECT_FALSE(SettingsFileExists());
    EXPECT_EQ(CheckMarks(), std::make_pair(true, false));

    Form2->Show();
    Form2->Label15Click(nullptr);
    EXPECT_EQ(ReadBytes(SettingsFilePath()),
              "W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n" + kOnlyInGame);
}

TEST_F(OptionSettingsTest, AFileThatCannotBeReadOrWrittenIsReportedAndLeftTheOptionSwitchesAnyway) {
    WriteBytes(SettingsFilePath(), kSaved + kPause);
    LoadSettingsAtStart();
    HANDLE holder = CreateFileW(SettingsFilePath().c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    EXPECT_THROW(Form4->OnlyInWarcraftIII1Click(nullptr), EFOpenError);
    EXPECT_EQ(Running(), (KeyOptions{true, true}));
    CloseHandle(holder);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kSaved + kPause);

    SetFileAttributesW(SettingsFilePath().c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_THROW(Form4->PauseKeysWhileChatting1Click(nullptr), EFCreateError);
    EXPECT_EQ(Running(), (KeyOptions{true, false}));
    SetFileAttributesW(SettingsFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kSaved + kPause);
    EXPECT_FALSE(FileExists(SettingsFilePath() + L".saving"));
}

// The user's Run key as the fakes keep it.
std::wstring runValue;
bool registryRefuses = false;
LSTATUS WINAPI ReadRun(HKEY, LPCWSTR, LPCWSTR, DWORD, LPDWORD, PVOID data, LPDWORD size) {
    if (runValue.empty()) return ERROR_FILE_NOT_FOUND;
    runValue.copy(static_cast<wchar_t*>(data), *size / sizeof(wchar_t) - 1);
    static_cast<wchar_t*>(data)[runValue.size()] = L'\0';
    return ERROR_SUCCESS;
}
LSTATUS WINAPI WriteRun(HKEY, LPCWSTR, LPCWSTR, DWORD, LPCVOID data, DWORD) {
    if (registryRefuses) return ERROR_ACCESS_DENIED;
    runValue = static_cast<const wchar_t*>(data);
    return ERROR_SUCCESS;
}
LSTATUS WINAPI DeleteRun(HKEY, LPCWSTR, LPCWSTR) {
    if (registryRefuses) return ERROR_ACCESS_DENIED;
    runValue.clear();
    return ERROR_SUCCESS;
}

TEST_F(OptionSettingsTest, StartWithWindowsIsTheRunValueAloneAndARefusalSaysWhyAndChangesNothing) {
    platform::Calls table = platform::SystemCalls();
    table.RegGetValueW = &ReadRun;
    table.RegSetKeyValueW = &WriteRun;
    table.RegDeleteKeyValueW = &DeleteRun;
    platform::ScopedOverride faking(table);
    runValue.clear();
    registryRefuses = false;
    WriteBytes(SettingsFilePath(), kSaved);
    auto checked = [] {
        Form4->PopupMenu1Popup(nullptr);
        return Form4->StartWithWindows1->Checked;
    };
    const std::wstring self = L"\"" + ProgramPath() + L"\"";
    EXPECT_FALSE(checked());
    Form4->StartWithWindows1Click(nullptr);
    EXPECT_EQ(runValue, self);
    EXPECT_TRUE(checked());
    for (wchar_t& c : runValue) c = wchar_t(towupper(c));
    EXPECT_TRUE(checked()) << "paths are compared without regard to case";
    runValue = L"\"C:\\Elsewhere\\kitbag.exe\"";
    EXPECT_FALSE(checked()) << "a copy in another folder";
    Form4->StartWithWindows1Click(nullptr);
    EXPECT_EQ(runValue, self) << "now pointing at this copy";

    registryRefuses = true;
    try {
        Form4->StartWithWindows1Click(nullptr);
        ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Kitbag cannot stop starting with Windows: ", 0), 0u);
        EXPECT_GT(std::string(error.what()).size(), 45u) << "the system's reason";
    }
    EXPECT_EQ(runValue, self);
    EXPECT_TRUE(checked());
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kSaved) << "the settings file is not the option's";
    registryRefuses = false;
    Form4->StartWithWindows1Click(nullptr);
    EXPECT_TRUE(runValue.empty());
    EXPECT_FALSE(checked());
}

}  // namespace
