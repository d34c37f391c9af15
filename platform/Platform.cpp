#include "Platform.h"

#include <winver.h>

namespace platform {
namespace {

const Calls kSystem = {
#define KITBAG_SYSTEM_POINTER(ret, name, params, args) &::name,
    KITBAG_PLATFORM_CALLS(KITBAG_SYSTEM_POINTER)
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
