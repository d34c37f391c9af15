// The key events a flat control publishes, fired from its key messages before the
// control handles them: a handler may change the key, or set it to 0 to swallow it.
#pragma once

#include "Messages.h"
#include "Types.h"

// For WM_KEYDOWN, WM_KEYUP and their system forms. False: the handler swallowed the key.
bool FireKeyEvent(TObject* sender, TMessage& message, const TKeyEvent& event);
// For WM_CHAR. False: the handler swallowed the character.
bool FireKeyPressEvent(TObject* sender, TMessage& message, const TKeyPressEvent& event);
