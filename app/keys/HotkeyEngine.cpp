#include "HotkeyEngine.h"

#include <algorithm>
#include <utility>

#include "HandleCounts.h"
#include "Platform.h"

void THotkeyEngine::Register(int slot, UINT modifiers, UINT key) {
    if (!platform::RegisterHotKey(window_, slot, modifiers, key)) return;  // held elsewhere
    registered_[size_t(slot - 1)] = Registration{modifiers, key};
    HandleCounts::Acquired(HandleKind::Hotkey);
}

void THotkeyEngine::Activate(const SettingsFile::Keys& keyLines,
                             const SettingsFile::ShiftFlags& shift) {
    ActivateSlots(&keyLines, shift);
}

void THotkeyEngine::ActivateWithNothingSaved() { ActivateSlots(nullptr, {}); }

void THotkeyEngine::ActivateSlots(const SettingsFile::Keys* keyLines,
                                  const SettingsFile::ShiftFlags& shift) {
    StopWatching();  // a fresh activation starts without a chat pause
    // Activating again (the window flow allows it) must not leave an old combination
    // captured or registered twice.
    auto taken = [](const auto& slot) { return slot.has_value(); };
    if (std::any_of(registered_.begin(), registered_.end(), taken) ||
        std::any_of(letGo_.begin(), letGo_.end(), taken))
        UnregisterAll();  // the tray hears of the new keys once, below
    wanted_ = {};
    nothingSaved_ = !keyLines;
    for (bool withShift : {true, false}) {
        if (!keyLines) break;
        for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot) {
            size_t index = size_t(slot - 1);
            const std::string& line = (*keyLines)[index];
            if (shift[index] != withShift || line.empty()) continue;
            UINT key = static_cast<unsigned char>(line[0]);
            const Registration wanted{UINT(withShift ? MOD_SHIFT : 0), key};
            wanted_[index] = wanted;
            Register(slot, wanted.modifiers, wanted.key);
        }
    }
    active_ = true;
    elevation_.Reset();
    elevatedWindow_ = nullptr;
    Watch();
    NotifyStatus(true);
    CheckElevation(platform::FindWindowA(nullptr, std::string(kGameTitle).c_str()));
}

void THotkeyEngine::Release() {
    StopWatching();
    UnregisterAll();
    NotifyStatus();
}

void THotkeyEngine::UnregisterAll() {
    active_ = false;
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot) {
        platform::UnregisterHotKey(window_, slot);
        letGo_[size_t(slot - 1)].reset();
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
    sendingOwnKeys_ = true;
    platform::keybd_event(keypad, 0, 0, 0);
    platform::keybd_event(keypad, 0, KEYEVENTF_KEYUP, 0);
    sendingOwnKeys_ = false;
    bool lost = false;
    for (size_t i = 0; i < registered_.size(); ++i) {
        // A decision while the keys went out (the window in front changed) may have let
        // the slot go: it stays let go.
        if (!stepAside[i] || !registered_[i]) continue;
        if (!platform::RegisterHotKey(window_, int(i + 1), registered_[i]->modifiers, registered_[i]->key)) {
            registered_[i].reset();  // taken by another program meanwhile
            HandleCounts::Released(HandleKind::Hotkey);
            lost = true;
        }
    }
    if (lost) NotifyStatus();
    // After the keys went out, so the question costs the game nothing.
    CheckElevation(platform::GetForegroundWindow());
}

void THotkeyEngine::SetOptions(const KeyOptions& options) {
    options_ = options;
    Watch();
    NotifyStatus();
}

void THotkeyEngine::KeyEvent(const KBDLLHOOKSTRUCT& key) {
    const bool up = key.flags & LLKHF_UP;
    if (!up) sentinel_.HookSawKeyDown();
    // Our own keypad keys come back through the hook from inside keybd_event: they say
    // nothing about where the player is. Keys other programs inject count as typed.
    if (sendingOwnKeys_ || !gameAware_) return;
    if (up) return gameAware_->KeyUp(key.vkCode);
    KeysHeld before = held_;
    Hold(gameAware_->KeyDown(key.vkCode, key.flags));
    // The tip is slow next to a key: it follows once the key has gone on.
    if (held_ != before) platform::PostMessageA(window_, kKeyStatusMessage, 0, 0);
}

void THotkeyEngine::ForegroundChanged(HWND window) {
    if (!active_) return;
    LookAgain();
    // The game may run as administrator, whose keys a hook without those rights never sees.
    if (IsGameWindow(window)) CheckElevation(window);
}

void THotkeyEngine::RawInput(LPARAM input) {
    if (!hook_ || !RawInputIsKeyDown(input) || !sentinel_.RawKeyDown()) return;
    // Windows hides from our hook the keys bound for a program with more rights: no loss.
    if (RunsElevatedAboveUs(platform::GetForegroundWindow())) return;
    InstallHookAgain();
}

void THotkeyEngine::InstallHookAgain() {
    if (!hook_) return;
    const KeysHeld before = held_;
    hook_.reset();
    if (gameAware_) gameAware_->KeysMayHaveBeenMissed();
    // Installs the hook anew where it is still wanted and decides again from the window
    // in front, or lets the keys act everywhere.
    Watch();
    if (held_ != before) NotifyStatus();
}

void THotkeyEngine::LookAgain() {
    if (!gameAware_) return;
    KeysHeld before = held_;
    Hold(gameAware_->Now());
    if (held_ != before) NotifyStatus();
}

KeyStatus THotkeyEngine::Status() const {
    KeyStatus status;
    status.active = active_;
    status.nothingSaved = active_ && nothingSaved_;
    if (active_ && elevatedWindow_ && platform::IsWindow(elevatedWindow_))
        status.elevated = elevatedIsGame_ ? ElevatedInFront::Game : ElevatedInFront::OtherWindow;
    status.held = held_;
    if (!active_) return status;
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot) {
        size_t index = size_t(slot - 1);
        const auto& working = registered_[index] ? registered_[index] : letGo_[index];
        if (working)
            status.working[index] = KeyName(working->modifiers, working->key);
        else if (wanted_[index])
            status.heldElsewhere.push_back(slot);
        else
            status.withoutKey.push_back(slot);
    }
    return status;
}

void THotkeyEngine::NotifyStatus(bool activated) {
    if (OnStatusChange) OnStatusChange(activated);
}

void THotkeyEngine::CheckElevation(HWND window) {
    if (!active_ || !elevation_.Check(window)) return;
    elevatedWindow_ = window;
    elevatedIsGame_ = IsGameWindow(window);
    NotifyStatus();
    if (OnElevatedWindow) OnElevatedWindow(window);
}

void THotkeyEngine::Watch() {
    if (!active_) return;
    // Where the system reports the window in front, the game is followed without a hook,
    // and the elevation check runs as the game comes to the front.
    if (!foregroundReported_) foregroundReported_ = ForegroundChangesReported();
    if (*foregroundReported_ && !foreground_)
        foreground_ = std::make_unique<TForegroundEvents>([this](HWND window) { ForegroundChanged(window); });
    const bool frontFollowed = foreground_ && foreground_->Installed();
    if (options_.onlyInGame || options_.pauseWhileChatting) {
        if (gameAware_)
            gameAware_->SetOptions(options_);
        else
            gameAware_ = std::make_unique<TGameAwareKeys>(options_);
        // The chat pause needs the keys themselves; the window in front alone needs no hook
        // where the system reports it, and then costs the player's typing nothing.
        if (!options_.pauseWhileChatting && frontFollowed) {
            StopHook();
            Hold(gameAware_->Now());
            return;
        }
        if (!hook_) InstallHook();
        if (hook_->Installed()) {
            Hold(gameAware_->Now());
            return;
        }
    }
    // Without the options, or without a hook to serve them, the keys act everywhere.
    StopHook();
    gameAware_.reset();
    Hold(KeysHeld::No);
}

void THotkeyEngine::InstallHook() {
    hook_ = std::make_unique<TKeyboardHook>([this](const KBDLLHOOKSTRUCT& key) { KeyEvent(key); });
    if (!hook_->Installed()) return;
    sentinel_.Armed();
    if (!rawKeyboard_) rawKeyboard_ = std::make_unique<TRawKeyboard>(window_);
    if (!sessionReports_) sessionReports_ = std::make_unique<TSessionReports>(window_);
}

void THotkeyEngine::StopHook() {
    hook_.reset();
    rawKeyboard_.reset();
    sessionReports_.reset();
}

void THotkeyEngine::StopWatching() {
    StopHook();
    foreground_.reset();
    gameAware_.reset();
    held_ = KeysHeld::No;
}

void THotkeyEngine::Hold(KeysHeld why) {
    held_ = why;
    bool hold = why != KeysHeld::No;
    for (int slot = 1; slot <= SettingsFile::kSlotCount; ++slot) {
        auto& registered = registered_[size_t(slot - 1)];
        auto& letGo = letGo_[size_t(slot - 1)];
        if (hold && registered) {
            platform::UnregisterHotKey(window_, slot);
            letGo = std::exchange(registered, std::nullopt);
            HandleCounts::Released(HandleKind::Hotkey);
        } else if (!hold && letGo) {
            // Register leaves the slot without a hotkey if another program took the key meanwhile.
            Registration wanted = *std::exchange(letGo, std::nullopt);
            Register(slot, wanted.modifiers, wanted.key);
        }
    }
}
