#include "SlotSettings.h"

#include "CheckBox.h"
#include "Edit.h"
#include "FileIO.h"
#include "Memo.h"
#include "Unit2.h"
#include "Unit3.h"

std::wstring SettingsFilePath() { return ProgramDirectory() + SettingsFile::kFileName; }

bool SettingsFileExists() { return FileExists(SettingsFilePath()); }

TStringList& SettingsLineBuffer() { return Form3->Memo1->Lines(); }

void LoadSettingsAtStart() {
    TStringList& buffer = SettingsLineBuffer();
    buffer.LoadFromFile(SettingsFilePath());
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot)
        Form2->ShiftBox(slot).SetChecked(
            SettingsFile::ShiftFromFlag(buffer[SettingsFile::FlagLine(slot) - 1]));
}
