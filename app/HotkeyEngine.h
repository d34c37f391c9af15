// The hotkey engine: each slot's key registered as a system-wide hotkey on the main
// window under the slot's number, and the slot's keypad key injected for each press.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "KeyOptions.h"
#include "SettingsFile.h"

// The keypad keys of slots 1 to 6: the game's inventory in the keypad's own layout.
constexpr std::array<BYTE, SettingsFile::kSlotCount> kSlotKeys = {
    VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD4, VK_NUMPAD5, VK_NUMPAD1, VK_NUMPAD2};

class THotkeyEngine {
public:
    explicit THotkeyEngine(HWND window) : window_(window) {}

    // Registers slot N's key (the first character of its key line) under identifier N,
    // with Shift where its box asks for it: first every Shift slot, then the others.
    // A slot whose key line is empty is left without a hotkey. Whatever an earlier
    // activation registered is released first.
    void Activate(const SettingsFile::Keys& keyLines, const SettingsFile::ShiftFlags& shift);
    // Unregisters identifiers 1 to 6 in order, registered or not.
    void Release();
    // A hotkey message: press and release the slot's keypad key.
    void HotkeyPressed(WPARAM id);
    // The options take effect at once, also while the keys are active.
    void SetOptions(const KeyOptions& options) { options_ = options; }
    const KeyOptions& Options() const { return options_; }

private:
    struct Registration {
        UINT modifiers;
        UINT key;
    };
    void Register(int slot, UINT modifiers, UINT key);

    HWND window_;
    KeyOptions options_;
    std::array<std::optional<Registration>, SettingsFile::kSlotCount> registered_{};
};

// The engine of the main window, as the window flow calls it.
void ActivateHotkeys();
void ReleaseHotkeys();
