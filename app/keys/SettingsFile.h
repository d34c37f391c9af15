// The settings file's format: six key lines, then six Shift flag lines ("0" with
// Shift, "1" without), then a line for each key option that is on. Plain C++ with no
// Windows calls, so it also builds natively.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "KeyOptions.h"

namespace SettingsFile {

constexpr int kSlotCount = 6;
constexpr int kSlotLineCount = 2 * kSlotCount;
constexpr const wchar_t* kFileName = L"Settings.ini";

using Keys = std::array<std::string, kSlotCount>;
using ShiftFlags = std::array<bool, kSlotCount>;

enum class SaveOutcome { Saved, DuplicateKey, MissingKey };

// Line 1-based index of slot's key and flag lines.
constexpr int KeyLine(int slot) { return slot; }
constexpr int FlagLine(int slot) { return kSlotCount + slot; }

// Anything but exactly "1" means the slot wants Shift.
bool ShiftFromFlag(const std::string& line);
std::string FlagFromShift(bool shift);

// Distinct keys first (so two empty keys count as a duplicate), then no empty key.
SaveOutcome Validate(const Keys& keys);

// The option lines follow the twelve slot lines, one "Name=1" line per option that is
// on. An option without its line is off, so with both off the file is what Kitbag always
// wrote, and a version that knows no options still finds its twelve lines in place.
constexpr const char* kOnlyInGameName = "OnlyInWarcraftIII";
constexpr const char* kPauseWhileChattingName = "PauseKeysWhileChatting";
constexpr const char* kActivateAtStartName = "ActivateKeysAtStart";
// The lines these options add after the slot lines.
std::vector<std::string> OptionLines(const KeyOptions& options);

// The lines the file holds for these keys, flags and options.
std::vector<std::string> Encode(const Keys& keys, const ShiftFlags& shift,
                                const KeyOptions& options = {});

struct Slots {
    Keys keys;
    ShiftFlags shift;
};
// The keys and Shift flags a file's lines give; missing lines read as empty (a missing
// flag line therefore means Shift). Lines past the twelfth are not slots.
Slots Decode(const std::vector<std::string>& lines);
// The options the lines past the twelfth give; where an option has several lines the
// last one counts, and only exactly "=1" turns it on. Other lines are ignored.
KeyOptions DecodeOptions(const std::vector<std::string>& lines);

// A file's bytes with its option lines made to say these options, and nothing else
// changed in meaning: the first twelve lines keep their bytes, line breaks included;
// other lines past them stay, in order, ending in CR LF. Before an option line a file of
// fewer than twelve lines gets empty lines, which read as the missing lines did.
std::string WithOptionLines(std::string_view fileBytes, const KeyOptions& options);

}  // namespace SettingsFile
