// "Start with Windows": the value "Kitbag" under the user's Run key, holding this
// kitbag.exe's full path in double quotes. The registry is the option's only state, so a
// copy in another folder shows its own answer. No administrator rights are needed.
#pragma once

#include <string>

// The value's data for this kitbag.exe.
std::wstring StartCommand();
// Whether the value names this kitbag.exe (paths compared without regard to case).
bool StartsWithWindows();
// Writes or deletes the value; a registry call that fails raises an error with the
// system's reason, and nothing has changed.
void SetStartWithWindows(bool on);
