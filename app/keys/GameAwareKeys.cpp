#include "GameAwareKeys.h"

#include "Platform.h"

KeysHeld TGameAwareKeys::KeyDown(DWORD key, DWORD flags) {
    // Alt+Enter and Alt+Esc belong to the window manager, not to the game's chat.
    bool chatKey = options_.pauseWhileChatting && (key == VK_RETURN || key == VK_ESCAPE) &&
                   !(flags & LLKHF_ALTDOWN);
    // Only the keys whose meaning depends on the window in front pay for the look at it.
    if (!chatKey && !options_.onlyInGame) return Held(false);
    bool inGame = GameInFront();
    if (chatKey && inGame) {
        if (key == VK_ESCAPE)
            chatting_ = false;
        else if (!enterDown_)
            chatting_ = !chatting_;
    }
    if (key == VK_RETURN) enterDown_ = true;
    return Held(inGame);
}

void TGameAwareKeys::KeyUp(DWORD key) {
    if (key == VK_RETURN) enterDown_ = false;
}

KeysHeld TGameAwareKeys::Now() { return Held(options_.onlyInGame && GameInFront()); }

void TGameAwareKeys::SetOptions(const KeyOptions& options) {
    options_ = options;
    if (!options_.pauseWhileChatting) chatting_ = false;
}

bool TGameAwareKeys::GameInFront() { return game_.IsGame(platform::GetForegroundWindow()); }

KeysHeld TGameAwareKeys::Held(bool gameInFront) const {
    if (options_.onlyInGame && !gameInFront) return KeysHeld::OutsideTheGame;
    if (options_.pauseWhileChatting && chatting_) return KeysHeld::ForChat;
    return KeysHeld::No;
}
