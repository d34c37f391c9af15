// The hotkey engine: each slot's key registered as a system-wide hotkey on the main
// window under the slot's number, and the slot's keypad key injected for each press.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Elevation.h"
#include "ForegroundEvents.h"
#include "GameAwareKeys.h"
#include "KeyOptions.h"
#include "KeyStatus.h"
#include "HookSentinel.h"
#include "KeyboardHook.h"
#include "SettingsFile.h"

// Posted to the engine's window when the keys' status changed inside the keyboard hook,
// so that the tray's tip follows once the key has gone on.
constexpr UINT kKeyStatusMessage = WM_APP + 0x4B;

// The keypad keys of slots 1 to 6: the game's inventory in the keypad's own layout.
constexpr std::array<BYTE, SettingsFile::kSlotCount> kSlotKeys = {
    VK_NUMPAD7, VK_NUMPAD8, VK_NUMPAD4, VK_NUMPAD5, VK_NUMPAD1, VK_NUMPAD2};

class THotkeyEngine {
public:
    explicit THotkeyEngine(HWND window) : window_(window) {}

    // Registers slot N's key (the first character of its key line) under identifier N,
    // with Shift where its box asks for it: first every Shift slot, then the others.
    // A slot whose key line is empty is left without a hotkey. Whatever an earlier
    // activation registered is released first. Then the options have their say.
    void Activate(const SettingsFile::Keys& keyLines, const SettingsFile::ShiftFlags& shift);
    // An activation before anything was loaded or saved in this run: the keys are on
    // with no slot registered, and the status says that no keys are saved yet.
    void ActivateWithNothingSaved();
    // Unregisters identifiers 1 to 6 in order, registered or not, and stops watching keys.
    void Release();
    // A hotkey message: press and release the slot's keypad key.
    void HotkeyPressed(WPARAM id);
    // The options take effect at once, also while the keys are active: while they are and
    // an option needs it, a keyboard hook watches every key going down.
    void SetOptions(const KeyOptions& options);
    const KeyOptions& Options() const { return options_; }
    // A key went down or up somewhere (the keyboard hook's report): the six hotkeys are
    // let go or taken back before a key going down reaches anyone.
    void KeyEvent(const KBDLLHOOKSTRUCT& key);
    // Another window came to the front (the system's report, where it gives one).
    void ForegroundChanged(HWND window);
    // The window's WM_INPUT: a key that raw input reports and the hook never saw means
    // Windows removed the hook.
    void RawInput(LPARAM input);
    // After an unlock or a resume, or a key the hook missed: the hook may be gone, so it is
    // installed anew and the keys decided again from the window in front.
    void InstallHookAgain();
    // Decides again from the window in front, as the next key would: the player points at
    // the tray icon and is about to read the tip.
    void LookAgain();
    // Why the keys arrive as typed for now, if they do.
    KeysHeld Held() const { return held_; }
    bool Watching() const { return hook_ != nullptr; }

    // What the keys are doing now, for the tray.
    KeyStatus Status() const;
    // Told of every change of the status; activated is true once per activation.
    std::function<void(bool activated)> OnStatusChange;
    // Told, at most once per activation, of a window that runs elevated above Kitbag:
    // the game found at activation, or the window in front when a hotkey fires.
    std::function<void(HWND window)> OnElevatedWindow;
    // Calls OnStatusChange (the window's kKeyStatusMessage lands here).
    void NotifyStatus(bool activated = false);

private:
    struct Registration {
        UINT modifiers;
        UINT key;
    };
    void Register(int slot, UINT modifiers, UINT key);
    // Activates the key lines' slots; none without key lines.
    void ActivateSlots(const SettingsFile::Keys* keyLines, const SettingsFile::ShiftFlags& shift);
    // Unregisters identifiers 1 to 6, registered or not, and forgets the let-go slots.
    void UnregisterAll();
    // Starts, adjusts or stops the watch to suit the options and the keys' state.
    void Watch();
    void StopWatching();
    void InstallHook();
    void StopHook();
    // Lets the registered slots go, or takes the let-go ones back.
    void Hold(KeysHeld why);
    void CheckElevation(HWND window);

    HWND window_;
    KeyOptions options_;
    bool active_ = false;
    bool nothingSaved_ = false;
    // Set while our own keypad keys go out: they come back through the hook.
    bool sendingOwnKeys_ = false;
    KeysHeld held_ = KeysHeld::No;
    // Slots registered on this window now, and slots let go while the keys are held back,
    // to be taken back after. A let-go slot is neither counted nor held elsewhere.
    std::array<std::optional<Registration>, SettingsFile::kSlotCount> registered_{};
    std::array<std::optional<Registration>, SettingsFile::kSlotCount> letGo_{};
    // What the last activation asked for: a slot without a wish has no key line.
    std::array<std::optional<Registration>, SettingsFile::kSlotCount> wanted_{};
    TElevationWatch elevation_;
    // The window found running above Kitbag in this activation, said in the tip while it lives.
    HWND elevatedWindow_ = nullptr;
    bool elevatedIsGame_ = false;
    // Whether the system reports the window in front; asked once.
    std::optional<bool> foregroundReported_;
    std::unique_ptr<TForegroundEvents> foreground_;
    std::unique_ptr<TGameAwareKeys> gameAware_;
    std::unique_ptr<TKeyboardHook> hook_;
    // What tells of a hook that Windows removed, for as long as a hook is wanted.
    THookSentinel sentinel_;
    std::unique_ptr<TRawKeyboard> rawKeyboard_;
    std::unique_ptr<TSessionReports> sessionReports_;
};

