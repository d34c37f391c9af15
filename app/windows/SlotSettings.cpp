#include "SlotSettings.h"

#include "Edit.h"
#include "FileIO.h"
#include "FlatCheckBox.h"
#include "HotkeyEngine.h"
#include "Memo.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"

std::wstring SettingsFilePath() { return ProgramDirectory() + SettingsFile::kFileName; }

bool SettingsFileExists() { return FileExists(SettingsFilePath()); }

TStringList& SettingsLineBuffer() { return Form3->Memo1->Lines(); }

bool SettingsLineBufferHoldsSettings() { return Form3->HoldsSettings; }

namespace {

SettingsFile::Slots LoadFileIntoLineBuffer() {
    TStringList& buffer = SettingsLineBuffer();
    buffer.LoadFromFile(SettingsFilePath());
    Form3->HoldsSettings = true;
    return SettingsFile::Decode(buffer.Lines());
}

void SetShiftBoxes(const SettingsFile::Slots& slots) {
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot)
        Form2->ShiftBox(slot).SetChecked(slots.shift[size_t(slot - 1)]);
}

void SetKeyEdits(const SettingsFile::Slots& slots) {
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot)
        Form2->KeyEdit(slot).SetText(slots.keys[size_t(slot - 1)].substr(0, kLongestKeyShown));
}

}  // namespace

void LoadSettingsAtStart() {
    SetShiftBoxes(LoadFileIntoLineBuffer());
    Form1->Hotkeys().SetOptions(SettingsFile::DecodeOptions(SettingsLineBuffer().Lines()));
}

void LoadSettingsIntoEdits() { SetKeyEdits(LoadFileIntoLineBuffer()); }

void LoadSettingsIntoSettingsWindow() {
    const SettingsFile::Slots slots = LoadFileIntoLineBuffer();
    SetKeyEdits(slots);
    SetShiftBoxes(slots);
}

SettingsFile::SaveOutcome SaveSettings() {
    SettingsFile::Keys keys;
    SettingsFile::ShiftFlags shift;
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot) {
        keys[size_t(slot - 1)] = Form2->KeyEdit(slot).Text();
        shift[size_t(slot - 1)] = Form2->ShiftBox(slot).Checked();
    }
    SettingsFile::SaveOutcome outcome = SettingsFile::Validate(keys);
    if (outcome != SettingsFile::SaveOutcome::Saved) return outcome;
    TStringList& buffer = SettingsLineBuffer();
    buffer.Assign(SettingsFile::Encode(keys, shift, Form1->Hotkeys().Options()));
    Form3->HoldsSettings = true;
    buffer.SaveToFile(SettingsFilePath());
    return outcome;
}

void ActivateHotkeys() {
    // Until the first load or save the buffer holds its description's text, no keys.
    if (!SettingsLineBufferHoldsSettings()) return Form1->Hotkeys().ActivateWithNothingSaved();
    const SettingsFile::Keys keyLines = SettingsFile::Decode(SettingsLineBuffer().Lines()).keys;
    SettingsFile::ShiftFlags shift;
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot)
        shift[size_t(slot - 1)] = Form2->ShiftBox(slot).Checked();
    Form1->Hotkeys().Activate(keyLines, shift);
}

void ReleaseHotkeys() { Form1->Hotkeys().Release(); }
