// Settings files a player should never have but may: huge, locked by another program.
// The program must stay usable, report what it cannot do, and leave the disk alone.
#include <gtest/gtest.h>

#include "Exceptions.h"
#include "FileIO.h"
#include "FlatCheckBox.h"
#include "Memo.h"
#include "ProgramWindowsTest.h"
#include "SlotSettings.h"
#include "TestSupport.h"
#include "Unit2.h"
#include "Unit3.h"

namespace {

using SlotSettingsTest = ProgramWindowsTest;

TEST_F(SlotSettingsTest, AHundredMegabyteFileLoadsWholeAndTheWindowShowsItCutAndReadOnly) {
    // Valid settings (slot 2 without Shift) followed by 100 MB of long lines.
    std::string bytes = "Q\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n";
    const std::string filler = std::string(62, 'z') + "\r\n";
    const size_t fillerLines = 100 * 1024 * 1024 / filler.size();
    bytes.reserve(bytes.size() + fillerLines * filler.size());
    for (size_t i = 0; i < fillerLines; ++i) bytes += filler;
    WriteBytes(SettingsFilePath(), bytes);

    LoadSettingsAtStart();
    EXPECT_FALSE(Form2->ShiftBox(2).Checked());
    EXPECT_TRUE(Form2->ShiftBox(1).Checked());
    LoadSettingsIntoEdits();
    EXPECT_EQ(Form2->KeyEdit(1).Text(), "Q");
    TStringList& buffer = SettingsLineBuffer();
    ASSERT_EQ(size_t(buffer.Count()), 12 + fillerLines);
    EXPECT_EQ(buffer[buffer.Count() - 1], std::string(62, 'z'));

    // The window gets a readable beginning; typing there could not reach the whole list.
    Form3->Show();
    HWND memo = Form3->Memo1->Handle();
    ASSERT_TRUE(PumpUntil([&] { return size_t(GetWindowTextLengthA(memo)) == TMemo::kDisplayLimit; }));
    EXPECT_TRUE(GetWindowLongA(memo, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(size_t(buffer.Count()), 12 + fillerLines) << "showing it cut the list";

    EXPECT_EQ(ReadBytes(SettingsFilePath()), bytes);  // loading never writes
    // Saving replaces the whole file with the twelve lines.
    Form2->Label15Click(nullptr);
    EXPECT_EQ(ReadBytes(SettingsFilePath()),
              "Q\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST_F(SlotSettingsTest, AFileLockedByAnotherProgramIsReportedAndNothingChanges) {
    WriteBytes(SettingsFilePath(), "Q\r\nE\r\nD\r\nS\r\nC\r\nX\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
    LoadSettingsAtStart();
    HANDLE holder = CreateFileW(SettingsFilePath().c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const std::vector<std::string> before = SettingsLineBuffer().Lines();

    EXPECT_THROW(LoadSettingsAtStart(), EFOpenError);
    EXPECT_THROW(LoadSettingsIntoEdits(), EFOpenError);
    EXPECT_EQ(SettingsLineBuffer().Lines(), before);
    EXPECT_FALSE(Form2->ShiftBox(1).Checked());
    EXPECT_EQ(Form2->KeyEdit(1).Text(), "W");  // still the description's default
    EXPECT_THROW(Form2->Label15Click(nullptr), EFCreateError);
    EXPECT_NE(Form2->Label15->Caption(), "Settings saved");

    CloseHandle(holder);
    EXPECT_EQ(ReadBytes(SettingsFilePath()),
              "Q\r\nE\r\nD\r\nS\r\nC\r\nX\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n");
    // Once the other program lets go, the same actions work.
    LoadSettingsIntoEdits();
    EXPECT_EQ(Form2->KeyEdit(1).Text(), "Q");
}

TEST_F(SlotSettingsTest, AFolderNamedLikeTheFileIsNoSettingsAndIsNeverReplaced) {
    ASSERT_TRUE(CreateDirectoryW(SettingsFilePath().c_str(), nullptr));
    EXPECT_FALSE(SettingsFileExists());  // the program starts as on a first run
    EXPECT_THROW(Form2->Label15Click(nullptr), EFCreateError);
    EXPECT_TRUE(GetFileAttributesW(SettingsFilePath().c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(Form2->MainformArmed());
    RemoveDirectoryW(SettingsFilePath().c_str());
}

}  // namespace
