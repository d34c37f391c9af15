// The settings file's format, its option lines, and the validation order of a save.
#include <gtest/gtest.h>

#include "SettingsFile.h"
#include "StringList.h"

namespace {

using SettingsFile::SaveOutcome;
using SettingsFile::Validate;
using namespace SettingsFile;

TEST(SettingsFileTest, OnlyExactlyOneMeansNoShift) {
    EXPECT_TRUE(SettingsFile::ShiftFromFlag("0"));
    EXPECT_FALSE(SettingsFile::ShiftFromFlag("1"));
    for (const char* other : {"", "1 ", " 1", "11", "x", "true"})
        EXPECT_TRUE(SettingsFile::ShiftFromFlag(other)) << '"' << other << '"';
}

TEST(SettingsFileTest, DefaultsEncodeToTheThirtySixBytes) {
    TStringList buffer;
    buffer.Assign(SettingsFile::Encode({"W", "E", "D", "S", "C", "X"}, {true, true, true, true, true, true}));
    EXPECT_EQ(buffer.Text(), "W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    EXPECT_EQ(buffer.Text().size(), 36u);
    buffer.Assign(SettingsFile::Encode({"W", "E", "D", "S", "C", "X"}, {true, true, false, true, true, true}));
    EXPECT_EQ(buffer[8], "1");
}

TEST(SettingsFileTest, DistinctnessIsCheckedBeforePresence) {
    EXPECT_EQ(Validate({"W", "E", "D", "S", "C", "X"}), SaveOutcome::Saved);
    EXPECT_EQ(Validate({"w", "W", "D", "S", "C", "X"}), SaveOutcome::Saved);  // case counts
    EXPECT_EQ(Validate({"W", "E", "D", "S", "C", "C"}), SaveOutcome::DuplicateKey);
    EXPECT_EQ(Validate({"W", "", "D", "S", "C", "X"}), SaveOutcome::MissingKey);
    EXPECT_EQ(Validate({"W", "", "D", "", "C", "X"}), SaveOutcome::DuplicateKey);
    EXPECT_EQ(Validate({"WE", "E", "D", "S", "C", "X"}), SaveOutcome::Saved);
}

TEST(SettingsFileTest, DecodesWhatALoadedFileGivesAndReadsMissingLinesAsEmpty) {
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

const std::string kDefaultFile = "W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

std::vector<std::string> LinesOf(const std::string& bytes) {
    TStringList list;
    list.SetText(bytes);
    return list.Lines();
}

TEST(SettingsFileTest, OptionLinesFollowTheSlotLinesOnlyWhenOnAndRoundTrip) {
    // A file from before the options: both off, and saved again byte for byte.
    const std::vector<std::string> old = LinesOf(kDefaultFile);
    EXPECT_EQ(DecodeOptions(old), KeyOptions{});
    const Slots slots = Decode(old);
    TStringList saved;
    saved.Assign(Encode(slots.keys, slots.shift, DecodeOptions(old)));
    EXPECT_EQ(saved.Text(), kDefaultFile);
    EXPECT_EQ(WithOptionLines(kDefaultFile, {}), kDefaultFile);

    saved.Assign(Encode(slots.keys, slots.shift, {true, true, true}));
    EXPECT_EQ(saved.Text(), kDefaultFile + "OnlyInWarcraftIII=1\r\nPauseKeysWhileChatting=1\r\n"
                                        "ActivateKeysAtStart=1\r\n");
    for (const KeyOptions options :
         {KeyOptions{true, false}, KeyOptions{false, true}, KeyOptions{false, false, true}}) {
        const std::vector<std::string> lines = Encode(slots.keys, slots.shift, options);
        EXPECT_EQ(lines.size(), 13u);
        EXPECT_EQ(DecodeOptions(lines), options);
        // What a reader of twelve lines takes from it: the same keys and flags.
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 12), old);
    }
}

TEST(SettingsFileTest, OnlyAWholeOptionLinePastTheTwelfthTurnsAnOptionOn) {
    std::vector<std::string> lines = LinesOf(kDefaultFile);
    lines[4] = "OnlyInWarcraftIII=1";  // a key line, whatever it says
    EXPECT_EQ(DecodeOptions(lines), KeyOptions{});
    for (const char* off : {"OnlyInWarcraftIII=0", "OnlyInWarcraftIII=1 ", "onlyinwarcraftiii=1",
                            "OnlyInWarcraftIII", "Future=1", ""}) {
        lines.resize(12);
        lines.push_back(off);
        EXPECT_FALSE(DecodeOptions(lines).onlyInGame) << '"' << off << '"';
    }
    lines = LinesOf(kDefaultFile + "Future=1\r\nPauseKeysWhileChatting=1\r\nOnlyInWarcraftIII=1\r\n");
    EXPECT_EQ(DecodeOptions(lines), (KeyOptions{true, true}));
    lines.push_back("OnlyInWarcraftIII=0");  // the last word counts
    EXPECT_EQ(DecodeOptions(lines), (KeyOptions{false, true}));
    EXPECT_EQ(Decode(lines).keys, (Keys{"W", "E", "D", "S", "C", "X"}));
}

TEST(SettingsFileTest, RewritingTheOptionLinesLeavesTheSlotLinesAsTheyLieOnDisk) {
    // Bare LF and CR breaks, a last line without a break: the twelve lines keep their bytes.
    const std::string odd = "w\nE\rD\r\nS\nC\nX\n0\n1\r0\n0\n0\n0";
    EXPECT_EQ(WithOptionLines(odd, {true, false}), odd + "\r\nOnlyInWarcraftIII=1\r\n");
    EXPECT_EQ(WithOptionLines(odd, {}), odd);

    // Lines of a later version stay; the options' own lines are replaced.
    const std::string newer =
        kDefaultFile + "OnlyInWarcraftIII=1\r\nFuture=7\nPauseKeysWhileChatting=1\r\n";
    EXPECT_EQ(WithOptionLines(newer, {false, true}),
              kDefaultFile + "Future=7\r\nPauseKeysWhileChatting=1\r\n");
    EXPECT_EQ(WithOptionLines(newer, {}), kDefaultFile + "Future=7\r\n");
    EXPECT_EQ(WithOptionLines(kDefaultFile + "OnlyInWarcraftIII=1\r\n", {}), kDefaultFile);

    // A short file: empty lines up to the twelfth read as the missing ones did.
    const std::string shortFile = "Q\r\nE";
    const std::string padded = WithOptionLines(shortFile, {false, true});
    std::string tenEmptyLines;
    for (int i = 0; i < 10; ++i) tenEmptyLines += "\r\n";
    EXPECT_EQ(padded, "Q\r\nE\r\n" + tenEmptyLines + "PauseKeysWhileChatting=1\r\n");
    EXPECT_EQ(Decode(LinesOf(padded)).keys, Decode(LinesOf(shortFile)).keys);
    EXPECT_EQ(Decode(LinesOf(padded)).shift, Decode(LinesOf(shortFile)).shift);
    EXPECT_EQ(WithOptionLines("", {}), "");
}

}  // namespace
