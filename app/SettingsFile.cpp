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

}  // namespace SettingsFile
