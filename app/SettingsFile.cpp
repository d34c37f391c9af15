#include "SettingsFile.h"

namespace SettingsFile {

bool ShiftFromFlag(const std::string& line) { return line != "1"; }

std::string FlagFromShift(bool shift) { return shift ? "0" : "1"; }

SaveOutcome Validate(const Keys& keys) {
    for (size_t a = 0; a < keys.size(); ++a)
        for (size_t b = a + 1; b < keys.size(); ++b)
            if (keys[a] == keys[b]) return SaveOutcome::DuplicateKey;
    for (const std::string& key : keys)
        if (key.empty()) return SaveOutcome::MissingKey;
    return SaveOutcome::Saved;
}

std::vector<std::string> Encode(const Keys& keys, const ShiftFlags& shift) {
    std::vector<std::string> lines(keys.begin(), keys.end());
    for (bool flag : shift) lines.push_back(FlagFromShift(flag));
    return lines;
}

Slots Decode(const std::vector<std::string>& lines) {
    auto line = [&](int number) -> const std::string& {
        static const std::string empty;
        return size_t(number) <= lines.size() ? lines[size_t(number - 1)] : empty;
    };
    Slots slots;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        slots.keys[size_t(slot - 1)] = line(KeyLine(slot));
        slots.shift[size_t(slot - 1)] = ShiftFromFlag(line(FlagLine(slot)));
    }
    return slots;
}

}  // namespace SettingsFile
