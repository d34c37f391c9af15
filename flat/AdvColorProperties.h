// The derivation amounts and their flag as properties of a flat control with a focused,
// a down and a border colour. The control supplies ApplyAdvColors, which derives its
// colours with the amounts; a change of the flag or of an amount repaints.
#pragma once

#include "AdvColorAmounts.h"

template <class Control>
class AdvColorProperties {
public:
    TAdvColors AdvColorFocused() const { return amounts_.Amount(TAdvColorSlot::Focused); }
    TAdvColors AdvColorDown() const { return amounts_.Amount(TAdvColorSlot::Down); }
    TAdvColors AdvColorBorder() const { return amounts_.Amount(TAdvColorSlot::Border); }
    void SetAdvColorFocused(TAdvColors value) { Self().SetAdvColors(TAdvColorSlot::Focused, value); }
    void SetAdvColorDown(TAdvColors value) { Self().SetAdvColors(TAdvColorSlot::Down, value); }
    void SetAdvColorBorder(TAdvColors value) { Self().SetAdvColors(TAdvColorSlot::Border, value); }
    void SetAdvColors(TAdvColorSlot slot, TAdvColors value) {
        amounts_.SetAmount(slot, value);
        Self().ApplyAdvColors();
        Self().Invalidate();
    }

    bool UseAdvColors() const { return amounts_.InUse(); }
    // The derivation works from the parent's colour, so the flag takes it too.
    void SetUseAdvColors(bool value) {
        if (!amounts_.SetInUse(value)) return;
        Self().SetParentColor(value);
        Self().ApplyAdvColors();
        Self().Invalidate();
    }

protected:
    AdvColorProperties(TAdvColors focused, TAdvColors down, TAdvColors border)
        : amounts_(focused, down, border) {}

    // The system's or the parent's colours changed: derive again from the new base.
    void FollowColorChange() {
        if (amounts_.InUse()) {
            Self().SetParentColor(true);
            Self().ApplyAdvColors();
        }
        Self().Invalidate();
    }

    AdvColorAmounts amounts_;

private:
    Control& Self() { return static_cast<Control&>(*this); }
};
