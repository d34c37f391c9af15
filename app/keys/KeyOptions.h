// The player's options for the six keys beyond what the slots say. Both off, the keys
// work everywhere and at all times.
#pragma once

struct KeyOptions {
    // The keys act only while the game is the foreground window.
    bool onlyInGame = false;
    // Enter in the game opens a pause in which the keys arrive as typed; the next Enter
    // or Esc ends it.
    bool pauseWhileChatting = false;
    // A start with a settings file shows no window and activates the keys at once.
    bool activateAtStart = false;

    bool operator==(const KeyOptions&) const = default;
};
