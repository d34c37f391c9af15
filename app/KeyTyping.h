// What a character typed into a key edit becomes. A slot's key is the code of its
// character, and only the capitals and the digits are the codes of those keys: a typed
// "q" (113) would be F2, "," (188) Print Screen.
#pragma once

// A letter becomes its capital; a digit and an editing control character (Backspace,
// the clipboard's Ctrl keys) stay; anything else gives 0: refused.
char KeyEditChar(char typed);
