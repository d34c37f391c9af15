// The settings file's format: six key lines, then six Shift flag lines ("0" with
// Shift, "1" without). Plain C++ with no Windows calls, so it also builds natively.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace SettingsFile {

constexpr int kSlotCount = 6;
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

// The twelve lines the file holds for these keys and flags.
std::vector<std::string> Encode(const Keys& keys, const ShiftFlags& shift);

struct Slots {
    Keys keys;
    ShiftFlags shift;
};
// The keys and Shift flags a file's lines give; missing lines read as empty (a missing
// flag line therefore means Shift). Extra lines are ignored.
Slots Decode(const std::vector<std::string>& lines);

}  // namespace SettingsFile
