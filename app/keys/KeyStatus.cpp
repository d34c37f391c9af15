#include "KeyStatus.h"

#include <utility>

namespace {

constexpr size_t kLongestTip = 127;

// "slot 3" or "slots 3, 4".
std::string SlotList(const std::vector<int>& slots) {
    std::string text = slots.size() == 1 ? "slot " : "slots ";
    for (size_t i = 0; i < slots.size(); ++i) text += (i ? ", " : "") + std::to_string(slots[i]);
    return text;
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
    return text;
}

}  // namespace

std::string KeyName(UINT modifiers, UINT key) {
    std::string name = (modifiers & MOD_SHIFT) ? "Shift+" : "";
    if (key == ' ') return name + "Space";
    if (key > ' ' && key < 0x7F) return name + char(key);
    return name + "#" + std::to_string(key);
}

TrayIconState TrayIconFor(const KeyStatus& status) {
    if (!status.active) return TrayIconState::Off;
    if (status.nothingSaved || !status.withoutKey.empty() || !status.heldElsewhere.empty() ||
        status.elevated != ElevatedInFront::None)
        return TrayIconState::Problem;
    return status.held != KeysHeld::No ? TrayIconState::Held : TrayIconState::On;
}

std::string StatusTip(const KeyStatus& status) {
    if (!status.active) return "Kitbag: keys off";
    if (status.nothingSaved) return "Kitbag: no keys saved yet; save them in the settings";
    std::vector<std::string> keys;
    for (const std::string& key : status.working)
        if (!key.empty()) keys.push_back(key);
    // A state that says the keys act needs a key that does.
    std::string tip = keys.empty()                              ? "Kitbag: no key works"
                      : status.held == KeysHeld::ForChat          ? "Kitbag: keys paused for chat"
                      : status.held == KeysHeld::OutsideTheGame ? "Kitbag: keys wait for Warcraft III"
                                                                : "Kitbag: keys on";
    // What to do about the game's rights comes first: the rest may be cut to fit.
    std::vector<std::string> problems;
    if (status.elevated != ElevatedInFront::None)
        problems.push_back(std::string(status.elevated == ElevatedInFront::Game
                                           ? "Warcraft III"
                                           : "the window in front") +
                           " is admin: start Kitbag as admin");
    if (!status.withoutKey.empty()) problems.push_back("no key: " + SlotList(status.withoutKey));
    if (!status.heldElsewhere.empty())
        problems.push_back("taken by another program: " + SlotList(status.heldElsewhere));
    for (size_t i = 0; i < problems.size(); ++i)
        tip += (i == 0 && keys.empty() ? ": " : "; ") + problems[i];
    if (keys.empty()) return tip.substr(0, kLongestTip);
    std::string list;
    for (const std::string& key : keys) list += (list.empty() ? "" : " ") + key;
    const std::string lead = problems.empty() ? ": " : "; working: ";
    // The problems say what to do; the keys give way first, to a count, then altogether.
    if (tip.size() + lead.size() + list.size() > kLongestTip)
        list = std::to_string(keys.size()) + (keys.size() == 1 ? " key" : " keys");
    if (tip.size() + lead.size() + list.size() > kLongestTip) return tip.substr(0, kLongestTip);
    return tip + lead + list;
}

std::string MissingSlotsText(const KeyStatus& status) {
    if (status.nothingSaved)
        return "No keys are saved yet, so no key works. Choose your keys in the settings, "
               "save them and activate again.";
    std::string text;
    if (!status.withoutKey.empty())
        text += Capitalised(SlotList(status.withoutKey)) + " without a key. ";
    if (!status.heldElsewhere.empty())
        text += Capitalised(SlotList(status.heldElsewhere)) +
                ": the key is taken by another program (a second Kitbag?). ";
    if (text.empty()) return text;
    return text + "These slots do nothing until you change their keys in the settings and "
                  "activate again.";
}

std::string ElevatedWindowText(bool isGame) {
    return std::string(isGame ? "Warcraft III" : "The window in front") +
           " runs as administrator, so Windows blocks the keys Kitbag sends to it. Start "
           "Kitbag as administrator too.";
}

std::string UntoldProblemsText(const KeyStatus& status, ToldProblems& told) {
    KeyStatus untold;
    untold.nothingSaved = status.nothingSaved && !std::exchange(told.nothingSaved, true);
    auto keepUntold = [](const std::vector<int>& slots, auto& toldSlots, std::vector<int>& out) {
        for (int slot : slots)
            if (!std::exchange(toldSlots[size_t(slot - 1)], true)) out.push_back(slot);
    };
    if (!status.nothingSaved) {
        keepUntold(status.withoutKey, told.withoutKey, untold.withoutKey);
        keepUntold(status.heldElsewhere, told.heldElsewhere, untold.heldElsewhere);
    }
    return MissingSlotsText(untold);
}
