// String list files: the exact bytes saved and loaded back, and the file errors in German
// with the old file kept.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "Exceptions.h"
#include "StringList.h"
#include "TestSupport.h"
#include "TextConversion.h"

namespace {

using FileLines = std::vector<std::string>;

TEST(StringListFileTest, SavesExactBytesAndLoadsThemBack) {
    TempFolder folder;
    std::wstring file = folder.File(L"Settings.ini");
    TStringList list;
    list.SetText("W\nE\r0");
    list.SaveToFile(file);
    EXPECT_EQ(ReadBytes(file), "W\r\nE\r\n0\r\n");
    TStringList loaded;
    loaded.Add("old");
    loaded.LoadFromFile(file);
    EXPECT_EQ(loaded.Lines(), (FileLines{"W", "E", "0"}));
}

TEST(StringListFileTest, AFileThatCannotBeOpenedGivesTheGermanError) {
    TempFolder folder;
    std::wstring file = folder.File(L"missing.ini");
    TStringList list;
    list.Add("kept");
    try {
        list.LoadFromFile(file);
        FAIL() << "no error";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.what(), "Datei " + WideToUtf8(file) + " kann nicht geöffnet werden");
    }
    EXPECT_EQ(list.Lines(), FileLines{"kept"});
}

TEST(StringListFileTest, AFailedSaveGivesTheGermanErrorAndKeepsTheOldFile) {
    TempFolder folder;
    std::wstring file = folder.File(L"Settings.ini");
    WriteBytes(file, "old\r\n");
    // Another process holding the file without sharing is what a locked file looks like.
    HANDLE holder = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    TStringList list;
    list.Add("new");
    try {
        list.SaveToFile(file);
        ADD_FAILURE() << "no error";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.what(), "Datei " + WideToUtf8(file) + " kann nicht erstellt werden");
    }
    CloseHandle(holder);
    EXPECT_EQ(ReadBytes(file), "old\r\n");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder.File(L"*.saving").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "temporary file left behind";
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

// Every way the target refuses a save: the German error, the old contents (or folder)
// exactly as they were, and no temporary file left beside it.
TEST(StringListFileTest, ASaveTheFolderOrFileRefusesChangesNothing) {
    TempFolder folder;
    std::wstring file = folder.File(L"Settings.ini");
    auto expectRefused = [&](const char* what) {
        SCOPED_TRACE(what);
        TStringList list;
        list.Add("new");
        EXPECT_THROW(list.SaveToFile(file), EFCreateError);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(folder.File(L"*.saving").c_str(), &found);
        EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "temporary file left behind";
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
    };

    WriteBytes(file, "old\r\n");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    expectRefused("read-only file");
    EXPECT_EQ(ReadBytes(file), "old\r\n");
    EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL));

    // Where the temporary file cannot be made, as in a folder the user may not write to.
    HANDLE holder = CreateFileW(folder.File(L"Settings.ini.saving").c_str(), GENERIC_WRITE, 0,
                                nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    {
        TStringList list;
        list.Add("new");
        EXPECT_THROW(list.SaveToFile(file), EFCreateError);
    }
    CloseHandle(holder);
    EXPECT_EQ(ReadBytes(file), "old\r\n");
    DeleteFileW(folder.File(L"Settings.ini.saving").c_str());

    ASSERT_TRUE(DeleteFileW(file.c_str()));
    ASSERT_TRUE(CreateDirectoryW(file.c_str(), nullptr));
    expectRefused("a folder in the file's place");
    EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryW(file.c_str());
}

}  // namespace
