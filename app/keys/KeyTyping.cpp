#include "KeyTyping.h"

char KeyEditChar(char typed) {
    const auto code = static_cast<unsigned char>(typed);
    // Only the ASCII letters: a letter of the code page's upper half is no key's code.
    if (code >= 'a' && code <= 'z') return char(code - 'a' + 'A');
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return typed;
    if (code < 0x20 || code == 0x7F) return typed;
    return 0;
}

char PastedKeyChar(const std::string& pasted) {
    if (pasted.empty() || static_cast<unsigned char>(pasted[0]) < 0x20) return 0;
    return KeyEditChar(pasted[0]);
}
