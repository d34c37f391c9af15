// What the six keys are doing, in the words of the tray icon's tip and balloons.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "GameAwareKeys.h"
#include "SettingsFile.h"

struct KeyStatus {
    bool active = false;
    KeysHeld held = KeysHeld::No;
    // Each slot's key ("Shift+W") while it works, also while held for chat or the game;
    // empty for a slot without a working key.
    std::array<std::string, SettingsFile::kSlotCount> working;
    std::vector<int> withoutKey;     // slots whose key line is empty
    std::vector<int> heldElsewhere;  // slots whose key another program holds
};

// The key as the player typed it, with Shift where the slot asks for it.
std::string KeyName(UINT modifiers, UINT key);
// The tip: the state, the working keys and the slots that do nothing; at most the shell's
// 127 characters.
std::string StatusTip(const KeyStatus& status);
// The word an activation owes the player when a slot does nothing; empty when all work.
std::string MissingSlotsText(const KeyStatus& status);
// Why the keys do not reach a window whose program runs elevated, and the way out.
std::string ElevatedWindowText(bool isGame);
