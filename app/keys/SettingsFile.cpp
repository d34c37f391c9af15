#include "SettingsFile.h"

#include <optional>

namespace SettingsFile {

namespace {

struct OptionName {
    const char* name;
    bool KeyOptions::*flag;
};
constexpr OptionName kOptionNames[] = {
    {kOnlyInGameName, &KeyOptions::onlyInGame},
    {kPauseWhileChattingName, &KeyOptions::pauseWhileChatting},
    {kActivateAtStartName, &KeyOptions::activateAtStart},
};

struct OptionSetting {
    bool KeyOptions::*flag;
    bool on;
};

// What an option line sets; nothing for any other line.
std::optional<OptionSetting> OptionSettingOf(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    for (const OptionName& option : kOptionNames)
        if (line.substr(0, equals) == option.name)
            return OptionSetting{option.flag, line.substr(equals + 1) == "1"};
    return std::nullopt;
}

// A line of the file as it lies on disk: its text and the break that ends it (empty
// for a last line without one). The breaks are those the line buffer splits at.
struct RawLine {
    std::string_view text;
    std::string_view lineBreak;
};

std::vector<RawLine> SplitKeepingBreaks(std::string_view bytes) {
    std::vector<RawLine> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back({bytes.substr(start), {}});
            break;
        }
        size_t next = end + 1;
        if (bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n') ++next;
        lines.push_back({bytes.substr(start, end - start), bytes.substr(end, next - end)});
        start = next;
    }
    return lines;
}

}  // namespace

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

std::vector<std::string> OptionLines(const KeyOptions& options) {
    std::vector<std::string> lines;
    for (const OptionName& option : kOptionNames)
        if (options.*option.flag) lines.push_back(std::string(option.name) + "=1");
    return lines;
}

std::vector<std::string> Encode(const Keys& keys, const ShiftFlags& shift,
                                const KeyOptions& options) {
    std::vector<std::string> lines(keys.begin(), keys.end());
    for (bool flag : shift) lines.push_back(FlagFromShift(flag));
    for (std::string& line : OptionLines(options)) lines.push_back(std::move(line));
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

KeyOptions DecodeOptions(const std::vector<std::string>& lines) {
    KeyOptions options;
    for (size_t i = kSlotLineCount; i < lines.size(); ++i)
        if (const auto setting = OptionSettingOf(lines[i])) options.*setting->flag = setting->on;
    return options;
}

std::string WithOptionLines(std::string_view fileBytes, const KeyOptions& options) {
    const std::vector<RawLine> lines = SplitKeepingBreaks(fileBytes);
    std::string result;
    result.reserve(fileBytes.size() + 64);
    size_t i = 0;
    for (; i < lines.size() && i < size_t(kSlotLineCount); ++i) {
        result += lines[i].text;
        result += lines[i].lineBreak;
    }
    const bool lastSlotLineUnended = i > 0 && lines[i - 1].lineBreak.empty();
    std::string after;
    for (; i < lines.size(); ++i) {
        if (OptionSettingOf(lines[i].text)) continue;
        after += lines[i].text;
        after += "\r\n";
    }
    for (const std::string& line : OptionLines(options)) after += line + "\r\n";
    if (after.empty()) return result;
    if (lastSlotLineUnended) result += "\r\n";
    for (size_t missing = lines.size(); missing < size_t(kSlotLineCount); ++missing)
        result += "\r\n";
    return result + after;
}

}  // namespace SettingsFile
