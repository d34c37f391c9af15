// The settings file's format and the validation order of a save.
#include <gtest/gtest.h>

#include "SettingsFile.h"
#include "StringList.h"

namespace {

using SettingsFile::SaveOutcome;
using SettingsFile::Validate;
using namespace SettingsFile;

TEST(SettingsFile, OnlyExactlyOneMeansNoShift) {
    EXPECT_TRUE(SettingsFile::ShiftFromFlag("0"));
    EXPECT_FALSE(SettingsFile::ShiftFromFlag("1"));
    for (const char* other : {"", "1 ", " 1", "11", "x", "true"})
        EXPECT_TRUE(SettingsFile::ShiftFromFlag(other)) << '"' << other << '"';
}

TEST(SettingsFile, DefaultsEncodeToTheThirtySixBytes) {
    TStringList buffer;
    buffer.Assign(SettingsFile::Encode({"W", "E", "D", "S", "C", "X"}, {true, true, true, true, true, true}));
    EXPECT_EQ(buffer.Text(), "W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(buffer.Text().size(), 36u);
    buffer.Assign(SettingsFile::Encode({"W", "E", "D", "S", "C", "X"}, {true, true, false, true, true, true}));
    EXPECT_EQ(buffer[8], "1");
}

TEST(SettingsFile, DistinctnessIsCheckedBeforePresence) {
    EXPECT_EQ(Validate({"W", "E", "D", "S", "C", "X"}), SaveOutcome::Saved);
    EXPECT_EQ(Validate({"w", "W", "D", "S", "C", "X"}), SaveOutcome::Saved);  // case counts
    EXPECT_EQ(Validate({"W", "E", "D", "S", "C", "C"}), SaveOutcome::DuplicateKey);
    EXPECT_EQ(Validate({"W", "", "D", "S", "C", "X"}), SaveOutcome::MissingKey);
    EXPECT_EQ(Validate({"W", "", "D", "", "C", "X"}), SaveOutcome::DuplicateKey);
    EXPECT_EQ(Validate({"WE", "E", "D", "S", "C", "X"}), SaveOutcome::Saved);
}

TEST(SettingsFile, DecodesWhatALoadedFileGivesAndReadsMissingLinesAsEmpty) {
    Slots full = Decode({"W", "E", "D", "S", "C", "X", "0", "1", "0", "x", "1", "", "extra"});
    EXPECT_EQ(full.keys, (Keys{"W", "E", "D", "S", "C", "X"}));
    EXPECT_EQ(full.shift, (ShiftFlags{true, false, true, true, false, true}));
    Slots shortFile = Decode({"Q", "", "1"});
    EXPECT_EQ(shortFile.keys, (Keys{"Q", "", "1", "", "", ""}));
    EXPECT_EQ(shortFile.shift, (ShiftFlags{true, true, true, true, true, true}));
    // Encoding then decoding gives the same slots back.
    Slots back = Decode(Encode(full.keys, full.shift));
    EXPECT_EQ(back.keys, full.keys);
    EXPECT_EQ(back.shift, full.shift);
}

}  // namespace
