// What a character typed into a key edit becomes. A slot's key is the code of its
// character, and only the capitals and the digits are the codes of those keys: a typed
// "q" (113) would be F2, "," (188) Print Screen.
#pragma once

#include <string>

// A letter becomes its capital; a digit and an editing control character (Backspace,
// the clipboard's Ctrl keys) stay; anything else gives 0: refused.
char KeyEditChar(char typed);

// What a paste into a key edit becomes: its first character, as if typed. 0 when that
// character is no key's: a control character or one KeyEditChar refuses.
char PastedKeyChar(const std::string& pasted);
