#include "AdvColorAmounts.h"

bool AdvColorAmounts::SetInUse(bool value) {
    if (value == inUse_) return false;
    inUse_ = value;
    return true;
}

void AdvColorAmounts::Derive(TColor base, TColor& focused, TColor* down, TColor& border) const {
    if (!inUse_) return;
    focused = DeriveAdvColor(base, focused, Amount(TAdvColorSlot::Focused), false);
    if (down) *down = DeriveAdvColor(base, *down, Amount(TAdvColorSlot::Down), true);
    border = DeriveAdvColor(base, border, Amount(TAdvColorSlot::Border), true);
}

std::optional<TAdvColorSlot> AdvColorSlotNamed(const std::string& name) {
    if (name == "AdvColorFocused") return TAdvColorSlot::Focused;
    if (name == "AdvColorDown") return TAdvColorSlot::Down;
    if (name == "AdvColorBorder") return TAdvColorSlot::Border;
    return std::nullopt;
}

TAdvColors ReadAdvColorAmount(const TPropValue& value) {
    const int amount = value.AsInteger();
    // A percentage: anything else is a broken description, refused like any other bad
    // value rather than clamped or cut to a byte, which would hide the mistake.
    if (amount < 0 || amount > 100) value.Reject();
    return TAdvColors(amount);
}
