#include "OptionSettings.h"

#include "FileIO.h"
#include "SettingsFile.h"
#include "SlotSettings.h"
#include "Unit1.h"

void ToggleKeyOption(bool KeyOptions::*option) {
    KeyOptions options = Form1->Hotkeys().Options();
    options.*option = !(options.*option);
    Form1->Hotkeys().SetOptions(options);
    // The file on disk, not the edits: a click must not save keys the player has not.
    if (!SettingsFileExists()) return;
    const std::wstring path = SettingsFilePath();
    ReplaceFileContents(path, SettingsFile::WithOptionLines(ReadWholeFile(path), options));
}
