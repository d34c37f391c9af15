#include "HookSentinel.h"

#include <hidusage.h>

#include "Platform.h"

namespace {

constexpr int kMostUnmatched = 16;

RAWINPUTDEVICE Keyboard(DWORD flags, HWND target) {
    return RAWINPUTDEVICE{HID_USAGE_PAGE_GENERIC, HID_USAGE_GENERIC_KEYBOARD, flags, target};
}

}  // namespace

void THookSentinel::Armed() {
    unmatched_ = 0;
    firstMayMiss_ = true;
}

void THookSentinel::HookSawKeyDown() {
    if (unmatched_ < kMostUnmatched) ++unmatched_;
    firstMayMiss_ = false;
}

bool THookSentinel::RawKeyDown() {
    if (unmatched_ > 0) {
        --unmatched_;
        return false;
    }
    if (firstMayMiss_) {
        firstMayMiss_ = false;
        return false;
    }
    return true;
}

TRawKeyboard::TRawKeyboard(HWND window) {
    const RAWINPUTDEVICE device = Keyboard(RIDEV_INPUTSINK, window);
    registered_ = platform::RegisterRawInputDevices(&device, 1, sizeof device);
}

TRawKeyboard::~TRawKeyboard() {
    if (!registered_) return;
    const RAWINPUTDEVICE device = Keyboard(RIDEV_REMOVE, nullptr);
    platform::RegisterRawInputDevices(&device, 1, sizeof device);
}

bool RawInputIsKeyDown(LPARAM input) {
    RAWINPUT raw{};
    UINT size = sizeof raw;
    if (platform::GetRawInputData(reinterpret_cast<HRAWINPUT>(input), RID_INPUT, &raw, &size,
                                  sizeof(RAWINPUTHEADER)) == UINT(-1))
        return false;
    return raw.header.dwType == RIM_TYPEKEYBOARD &&
           (raw.data.keyboard.Message == WM_KEYDOWN || raw.data.keyboard.Message == WM_SYSKEYDOWN);
}

TSessionReports::TSessionReports(HWND window)
    : window_(window),
      registered_(platform::WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION)) {}

TSessionReports::~TSessionReports() {
    if (registered_) platform::WTSUnRegisterSessionNotification(window_);
}
