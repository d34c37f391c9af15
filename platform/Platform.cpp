#include "Platform.h"

#include <winver.h>

namespace platform {
namespace {

// The function of a library loaded now and kept for the program's life; null when either
// cannot be found.
template <class Function>
Function LoadedFunction(const char* library, const char* name) {
    HMODULE module = ::LoadLibraryA(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                  : nullptr;
}

// Each finds its function at its first call; decltype names the system's type without
// importing it.
#define KITBAG_LOADED_AT_FIRST_CALL(library, ret, name, params, args)                        \
    ret WINAPI name params {                                                               \
        static const auto call = LoadedFunction<decltype(&::name)>(library, #name);        \
        return call ? call args : ret{};                                                   \
    }
namespace firstcall {
KITBAG_LOADED_AT_FIRST_CALL("shell32.dll", BOOL, Shell_NotifyIconA,
                            (DWORD message, PNOTIFYICONDATAA data), (message, data))
KITBAG_LOADED_AT_FIRST_CALL("wtsapi32.dll", BOOL, WTSRegisterSessionNotification,
                            (HWND window, DWORD flags), (window, flags))
KITBAG_LOADED_AT_FIRST_CALL("wtsapi32.dll", BOOL, WTSUnRegisterSessionNotification,
                            (HWND window), (window))
}  // namespace firstcall
#undef KITBAG_LOADED_AT_FIRST_CALL

const Calls kSystem = {
#define KITBAG_SYSTEM_POINTER(ret, name, params, args) &::name,
#define KITBAG_FIRST_CALL_POINTER(ret, name, params, args) &firstcall::name,
    KITBAG_CALLS_LOADED_AT_START(KITBAG_SYSTEM_POINTER)
    KITBAG_CALLS_LOADED_AT_FIRST_CALL(KITBAG_FIRST_CALL_POINTER)
#undef KITBAG_FIRST_CALL_POINTER
#undef KITBAG_SYSTEM_POINTER
};

const Calls* gActive = &kSystem;

}  // namespace

const Calls& SystemCalls() { return kSystem; }
const Calls& Active() { return *gActive; }

ScopedOverride::ScopedOverride(const Calls& replacement) : previous_(gActive) {
    gActive = &replacement;
}

ScopedOverride::~ScopedOverride() { gActive = previous_; }

}  // namespace platform
