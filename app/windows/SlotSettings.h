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
// Whether the line buffer holds the lines of a load or save of this run.
bool SettingsLineBufferHoldsSettings();

// Fills the line buffer from the file and sets the Shift boxes and the key options; the
// key edits stay.
void LoadSettingsAtStart();
// Fills the line buffer from the file and sets the key edits; the Shift boxes stay.
// A key edit gets at most kLongestKeyShown characters of its line: only the first one
// is the key, and the system's edit control takes seconds to swallow a line of megabytes.
void LoadSettingsIntoEdits();
constexpr size_t kLongestKeyShown = 255;
// Fills the line buffer from the file and sets both the key edits and the Shift boxes:
// the settings window shows the saved choice whole.
void LoadSettingsIntoSettingsWindow();
// Validates the key edits and writes the file, with the current key options. A file that
// cannot be written raises the framework's file error after the line buffer has been
// refilled.
SettingsFile::SaveOutcome SaveSettings();

// The main window's engine with the settings window's keys: the window flow switches
// the keys on and off through these.
void ActivateHotkeys();
void ReleaseHotkeys();
