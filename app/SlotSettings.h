// The slot settings held by the windows: the key edits and Shift boxes of the settings
// window, and the line buffer (the memo of the line-buffer window) the file goes through.
#pragma once

#include <string>

#include "SettingsFile.h"

class TStringList;

// Where the settings file lives: beside the program, whatever the current folder.
std::wstring SettingsFilePath();
bool SettingsFileExists();
TStringList& SettingsLineBuffer();

void LoadSettingsAtStart();
