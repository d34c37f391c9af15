#include "Elevation.h"

#include <optional>

#include "Platform.h"
#include "KernelHandle.h"

namespace {

// Whether the process's token is elevated; nothing when the token cannot be read (the
// last error then says why).
std::optional<bool> TokenElevated(HANDLE process) {
    HANDLE token = nullptr;
    if (!platform::OpenProcessToken(process, TOKEN_QUERY, &token)) return std::nullopt;
    KernelHandle closer(token);
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    if (!platform::GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size))
        return std::nullopt;
    return elevation.TokenIsElevated != 0;
}

}  // namespace

bool RunsElevatedAboveUs(HWND window) {
    if (!window) return false;
    std::optional<bool> self = TokenElevated(platform::GetCurrentProcess());
    if (!self || *self) return false;  // an elevated Kitbag reaches every program
    KernelHandle process = OpenProcessOf(window);
    if (!process.Get()) return false;
    std::optional<bool> other = TokenElevated(process.Get());
    // An elevated program's token is closed to an unelevated one.
    return other ? *other : GetLastError() == ERROR_ACCESS_DENIED;
}

bool TElevationWatch::Check(HWND window) {
    if (warned_ || window == checked_) return false;
    checked_ = window;
    warned_ = RunsElevatedAboveUs(window);
    return warned_;
}

void TElevationWatch::Reset() {
    checked_ = nullptr;
    warned_ = false;
}
