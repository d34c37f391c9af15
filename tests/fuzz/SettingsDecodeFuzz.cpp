// Any bytes as Settings.ini: split them the way a load does, decode the lines, and check
// what the load, the save, the save's validation and a tray menu's rewrite of the option
// lines promise for every possible content.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "SettingsFile.h"
#include "StringList.h"

// abort() rather than a bare trap, so the report names the broken promise.
#define REQUIRE(condition)                                                                  \
    do {                                                                                    \
        if (!(condition)) {                                                                 \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__,    \
                         __LINE__);                                                         \
            std::abort();                                                                   \
        }                                                                                   \
    } while (0)

namespace {

using SettingsFile::kSlotCount;
using SettingsFile::SaveOutcome;

// What the saved text of the loaded lines must be: every break (CR LF, lone CR, lone LF)
// becomes CR LF, and a last line without a break gets one.
std::string WithBreaksNormalised(std::string_view bytes) {
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            text += "\r\n";
            if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            text += bytes[i];
        }
    }
    if (!bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n') text += "\r\n";
    return text;
}

std::string LineOrEmpty(const std::vector<std::string>& lines, int oneBasedNumber) {
    return size_t(oneBasedNumber) <= lines.size() ? lines[size_t(oneBasedNumber - 1)] : std::string();
}

SaveOutcome ExpectedOutcome(const SettingsFile::Keys& keys) {
    const std::set<std::string> distinct(keys.begin(), keys.end());
    if (distinct.size() < keys.size()) return SaveOutcome::DuplicateKey;
    if (distinct.count(std::string())) return SaveOutcome::MissingKey;
    return SaveOutcome::Saved;
}

bool SameSlots(const SettingsFile::Slots& a, const SettingsFile::Slots& b) {
    return a.keys == b.keys && a.shift == b.shift;
}

// The option a line past the twelfth names, if any: "Name=" followed by anything.
const char* OptionNamed(const std::string& line) {
    for (const char* name : {SettingsFile::kOnlyInGameName, SettingsFile::kPauseWhileChattingName})
        if (line.rfind(std::string(name) + "=", 0) == 0) return name;
    return nullptr;
}

// The lines past the twelfth that are no option's.
std::vector<std::string> OtherExtraLines(const std::vector<std::string>& lines) {
    std::vector<std::string> others;
    for (size_t i = SettingsFile::kSlotLineCount; i < lines.size(); ++i)
        if (!OptionNamed(lines[i])) others.push_back(lines[i]);
    return others;
}

// The number of bytes the first twelve lines take on disk, their breaks included.
size_t SlotLinesLength(std::string_view bytes) {
    size_t at = 0;
    for (int line = 0; line < SettingsFile::kSlotLineCount && at < bytes.size(); ++line) {
        while (at < bytes.size() && bytes[at] != '\r' && bytes[at] != '\n') ++at;
        if (at == bytes.size()) break;
        if (bytes[at++] == '\r' && at < bytes.size() && bytes[at] == '\n') ++at;
    }
    return at;
}

void CheckSplit(std::string_view bytes, const TStringList& loaded) {
    const std::vector<std::string>& lines = loaded.Lines();
    REQUIRE(loaded.Count() == int(lines.size()));
    for (int i = 0; i < loaded.Count(); ++i) {
        REQUIRE(loaded[i] == lines[size_t(i)]);
        REQUIRE(lines[size_t(i)].find_first_of("\r\n") == std::string::npos);
    }
    // With no break inside a line, this pins every line's content and boundaries.
    REQUIRE(loaded.Text() == WithBreaksNormalised(bytes));
    REQUIRE(loaded.Strings(-1).empty() && loaded.Strings(loaded.Count()).empty());

    TStringList reloaded;
    reloaded.SetText(loaded.Text());
    REQUIRE(reloaded.Lines() == lines);
}

void CheckDecode(const std::vector<std::string>& lines, const SettingsFile::Slots& slots) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        REQUIRE(slots.keys[size_t(slot - 1)] == LineOrEmpty(lines, SettingsFile::KeyLine(slot)));
        // A missing flag line reads as empty, and empty means Shift.
        REQUIRE(slots.shift[size_t(slot - 1)] != (LineOrEmpty(lines, SettingsFile::FlagLine(slot)) == "1"));
    }
}

// A menu click's rewrite: the options say what was chosen, the first twelve lines keep
// their bytes and their meaning, and every other line stays.
void CheckOptionRewrite(std::string_view bytes, const std::vector<std::string>& lines,
                        const KeyOptions& options) {
    const std::string rewritten = SettingsFile::WithOptionLines(bytes, options);
    const size_t kept = SlotLinesLength(bytes);
    REQUIRE(rewritten.compare(0, kept, bytes.substr(0, kept)) == 0);
    TStringList reloaded;
    reloaded.SetText(rewritten);
    REQUIRE(SettingsFile::DecodeOptions(reloaded.Lines()) == options);
    REQUIRE(SameSlots(SettingsFile::Decode(reloaded.Lines()), SettingsFile::Decode(lines)));
    REQUIRE(OtherExtraLines(reloaded.Lines()) == OtherExtraLines(lines));
    // Nothing to add and nothing past the twelve lines: the file stays as it is.
    if (options == KeyOptions{} && lines.size() <= size_t(SettingsFile::kSlotLineCount))
        REQUIRE(rewritten == bytes);
}

// Saving the decoded slots and loading the file again must give them back unchanged.
void CheckSaveThenLoad(const SettingsFile::Slots& slots) {
    const std::vector<std::string> encoded = SettingsFile::Encode(slots.keys, slots.shift);
    REQUIRE(encoded.size() == size_t(2 * kSlotCount));
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::string& flag = encoded[size_t(SettingsFile::FlagLine(slot) - 1)];
        REQUIRE(flag == (slots.shift[size_t(slot - 1)] ? "0" : "1"));
        REQUIRE(SettingsFile::ShiftFromFlag(flag) == slots.shift[size_t(slot - 1)]);
    }
    REQUIRE(SameSlots(SettingsFile::Decode(encoded), slots));

    TStringList saved;
    saved.Assign(encoded);
    TStringList loaded;
    loaded.SetText(saved.Text());
    REQUIRE(loaded.Lines() == encoded);
    REQUIRE(SameSlots(SettingsFile::Decode(loaded.Lines()), slots));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    TStringList buffer;
    buffer.SetText(bytes);
    CheckSplit(bytes, buffer);

    const SettingsFile::Slots slots = SettingsFile::Decode(buffer.Lines());
    CheckDecode(buffer.Lines(), slots);
    REQUIRE(SettingsFile::Validate(slots.keys) == ExpectedOutcome(slots.keys));
    CheckSaveThenLoad(slots);

    // The options a menu click could write, chosen by the input's first byte.
    const unsigned pick = size ? data[0] : 0;
    CheckOptionRewrite(bytes, buffer.Lines(), KeyOptions{(pick & 1) != 0, (pick & 2) != 0});
    return 0;
}
