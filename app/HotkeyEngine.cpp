#include "HotkeyEngine.h"

#include <algorithm>

#include "FlatCheckBox.h"
#include "HandleCounts.h"
#include "Platform.h"
#include "SlotSettings.h"
#include "StringList.h"
#include "Unit1.h"
#include "Unit2.h"

void THotkeyEngine::Register(int slot, UINT modifiers, UINT key) {
    if (!platform::RegisterHotKey(window_, slot, modifiers, key)) return;  // held elsewhere
    registered_[size_t(slot - 1)] = Registration{modifiers, key};
    HandleCounts::Acquired(HandleKind::Hotkey);
}

void THotkeyEngine::Activate(const SettingsFile::Keys& keyLines,
                             const SettingsFile::ShiftFlags& shift) {
    // Activating again (the window flow allows it) must not leave an old combination
    // captured or registered twice.
    if (std::any_of(registered_.begin(), registered_.end(),
                    [](const auto& registration) { return registration.has_value(); }))
        Release();
    for (bool withShift : {true, false}) {
        for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot) {
            size_t index = size_t(slot - 1);
            if (shift[index] != withShift || keyLines[index].empty()) continue;
            UINT key = static_cast<unsigned char>(keyLines[index][0]);
            Register(slot, withShift ? MOD_SHIFT : 0, key);
        }
    }
}

void THotkeyEngine::Release() {
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot) {
        platform::UnregisterHotKey(window_, slot);
        if (registered_[size_t(slot - 1)]) {
            registered_[size_t(slot - 1)].reset();
            HandleCounts::Released(HandleKind::Hotkey);
        }
    }
}

void THotkeyEngine::HotkeyPressed(WPARAM id) {
    if (id < 1 || id > SettingsFile::kSlotCount) return;
    BYTE keypad = kSlotKeys[id - 1];
    // A slot whose own key is a keypad key ("a" is keypad 1) would catch the key we inject
    // and fire again without end: such hotkeys step aside while the key goes out.
    std::array<bool, SettingsFile::kSlotCount> stepAside{};
    for (size_t i = 0; i < registered_.size(); ++i) {
        if (registered_[i] && registered_[i]->key == keypad) {
            stepAside[i] = true;
            platform::UnregisterHotKey(window_, int(i + 1));
        }
    }
    platform::keybd_event(keypad, 0, 0, 0);
    platform::keybd_event(keypad, 0, KEYEVENTF_KEYUP, 0);
    for (size_t i = 0; i < registered_.size(); ++i) {
        if (!stepAside[i]) continue;
        if (!platform::RegisterHotKey(window_, int(i + 1), registered_[i]->modifiers, registered_[i]->key)) {
            registered_[i].reset();  // taken by another program meanwhile
            HandleCounts::Released(HandleKind::Hotkey);
        }
    }
}

void ActivateHotkeys() {
    const SettingsFile::Keys keyLines = SettingsFile::Decode(SettingsLineBuffer().Lines()).keys;
    SettingsFile::ShiftFlags shift;
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot)
        shift[size_t(slot - 1)] = Form2->ShiftBox(slot).Checked();
    Form1->Hotkeys().Activate(keyLines, shift);
}

void ReleaseHotkeys() { Form1->Hotkeys().Release(); }
