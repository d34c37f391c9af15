// The clipboard's text, read for a control that takes a paste over.
#pragma once

#include <windows.h>

#include <string>

// The clipboard's text in the ANSI code page, up to its first NUL; empty when the
// clipboard holds no text or another program has it open.
std::string ClipboardText(HWND owner);
