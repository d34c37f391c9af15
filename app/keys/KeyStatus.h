// What the six keys are doing, in the words of the tray icon's tip and balloons.
#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "GameAwareKeys.h"
#include "SettingsFile.h"

// A window in front whose program runs as administrator while Kitbag does not.
enum class ElevatedInFront { None, Game, OtherWindow };

struct KeyStatus {
    bool active = false;
    // Activated before any settings were loaded or saved in this run: no key to register.
    bool nothingSaved = false;
    KeysHeld held = KeysHeld::No;
    // Each slot's key ("Shift+W") while it works, also while held for chat or the game;
    // empty for a slot without a working key.
    std::array<std::string, SettingsFile::kSlotCount> working;
    std::vector<int> withoutKey;     // slots whose key line is empty
    std::vector<int> heldElsewhere;  // slots whose key another program holds
    // Found in this activation, for as long as that window lives: Windows drops our keys.
    ElevatedInFront elevated = ElevatedInFront::None;
};

// Which picture the tray icon shows: the icon must tell the state without its tip.
enum class TrayIconState { Off, On, Held, Problem };
// A slot without a working key or a game that Windows keeps from our keys is a problem,
// whether the keys act or are held; held outranks on.
TrayIconState TrayIconFor(const KeyStatus& status);

// The key as the player typed it, with Shift where the slot asks for it.
std::string KeyName(UINT modifiers, UINT key);
// The tip: the state, then what is wrong and what to do, then the working keys; at most
// the shell's 127 characters, for which the key list gives way to a count first. A
// balloon may go unseen (notifications are hidden during a full-screen game): whatever it
// tells that still holds stays here.
std::string StatusTip(const KeyStatus& status);
// The word an activation owes the player when a slot does nothing; empty when all work.
std::string MissingSlotsText(const KeyStatus& status);

// The problems a balloon has told of in this activation: each slot and cause once.
struct ToldProblems {
    bool nothingSaved = false;
    std::array<bool, SettingsFile::kSlotCount> withoutKey{}, heldElsewhere{};
};
// The balloon's text for the problems of the status not yet told, which count as told
// from now on; empty when there is nothing new to tell.
std::string UntoldProblemsText(const KeyStatus& status, ToldProblems& told);
// Why the keys do not reach a window whose program runs elevated, and the way out.
std::string ElevatedWindowText(bool isGame);
