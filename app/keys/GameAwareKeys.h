// The two key options at work: from each key the player presses and the window in front,
// whether the six keys act or arrive as typed for now.
#pragma once

#include <windows.h>

#include "GameWindow.h"
#include "KeyOptions.h"

// Why the six keys arrive as typed for now, if they do.
enum class KeysHeld { No, OutsideTheGame, ForChat };

class TGameAwareKeys {
public:
    explicit TGameAwareKeys(const KeyOptions& options) : options_(options) {}

    // A key the player pressed (flags as a low-level hook gives them). Enter in the game,
    // with or without Shift or Ctrl, opens or closes the chat pause; Esc there closes it.
    // Enter counts once until it goes up: a held Enter repeats its key-down.
    KeysHeld KeyDown(DWORD key, DWORD flags);
    void KeyUp(DWORD key);
    // Keys may have passed unseen (the hook was gone): forget a held Enter.
    void KeysMayHaveBeenMissed() { enterDown_ = false; }
    // As things stand, with no key pressed: for an activation or a change of options.
    KeysHeld Now();
    // Turning the pause option off ends a pause.
    void SetOptions(const KeyOptions& options);

private:
    bool GameInFront();
    KeysHeld Held(bool gameInFront) const;

    KeyOptions options_;
    TGameWindowCache game_;
    bool chatting_ = false;
    bool enterDown_ = false;
};
