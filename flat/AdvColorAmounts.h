// The amounts by which a flat control derives its lit colours from its base colour, and
// the flag that switches the derivation on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "FlatDraw.h"
#include "PropValue.h"

enum class TAdvColorSlot : std::uint8_t { Focused, Down, Border };

class AdvColorAmounts {
public:
    AdvColorAmounts(TAdvColors focused, TAdvColors down, TAdvColors border)
        : amounts_{focused, down, border} {}

    TAdvColors Amount(TAdvColorSlot slot) const { return amounts_[Index(slot)]; }
    void SetAmount(TAdvColorSlot slot, TAdvColors value) { amounts_[Index(slot)] = value; }
    bool InUse() const { return inUse_; }
    // Answers whether the flag changed.
    bool SetInUse(bool value);
    // While in use: the focused colour lightens from the base, the others darken. A
    // control without a down colour passes none.
    void Derive(TColor base, TColor& focused, TColor* down, TColor& border) const;

private:
    static int Index(TAdvColorSlot slot) { return static_cast<int>(slot); }

    TAdvColors amounts_[3];
    bool inUse_ = false;
};

// The slot a description's "AdvColorFocused", "AdvColorDown" or "AdvColorBorder" sets.
std::optional<TAdvColorSlot> AdvColorSlotNamed(const std::string& name);
// An amount as a description gives it.
TAdvColors ReadAdvColorAmount(const TPropValue& value);
