// Reads what the game stand-in recorded during a run of hotkey presses: the keypad
// keys the program sent, apart from the player's own keys that reach the game too.
#pragma once

#include <string>
#include <vector>

struct KeyEvent {
    bool down = false;
    int key = 0;
    bool operator==(const KeyEvent&) const = default;
};
std::string Describe(const KeyEvent& event);

// "down 103" as the stand-in records it; false for any other entry (a hotkey message).
bool ParseKeyEvent(const std::string& entry, KeyEvent& event);

// With Num Lock off a keypad key may arrive as the navigation key it doubles as; for the
// game both are the same key, so this answers the keypad key for either, or 0.
int KeypadKeyOf(int key);
