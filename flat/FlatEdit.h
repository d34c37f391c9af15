// A one-line edit with a flat look: a 3-pixel frame of its own in the non-client area,
// a 1-pixel ring in the border colour around two rings in the fill colour, and one fill
// colour behind the text that lights up while the edit has the focus or is hovered.
#pragma once

#include "AdvColorAmounts.h"
#include "Edit.h"
#include "FlatDraw.h"

enum class TFlatEditColor : std::uint8_t { Focused, Border, Flat };

class TCustomFlatEdit : public TCustomEdit {
public:
    explicit TCustomFlatEdit(TComponent* owner);

    // The three colours share one writer.
    TColor ColorFocused() const { return colorFocused_; }
    TColor ColorBorder() const { return colorBorder_; }
    TColor ColorFlat() const { return colorFlat_; }
    void SetColors(TFlatEditColor slot, TColor value);
    void SetColorFocused(TColor value) { SetColors(TFlatEditColor::Focused, value); }
    void SetColorBorder(TColor value) { SetColors(TFlatEditColor::Border, value); }
    void SetColorFlat(TColor value) { SetColors(TFlatEditColor::Flat, value); }

    // The edit's own flag: ColorFlat follows the parent's Color. The framework's flag of
    // the same name (for Color) is a different thing and stays the framework's.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);

    // The edit has no down colour: only the focused and the border amounts count.
    TAdvColors AdvColorFocused() const { return amounts_.Amount(TAdvColorSlot::Focused); }
    TAdvColors AdvColorBorder() const { return amounts_.Amount(TAdvColorSlot::Border); }
    void SetAdvColorFocused(TAdvColors value) { SetAdvColors(TAdvColorSlot::Focused, value); }
    void SetAdvColorBorder(TAdvColors value) { SetAdvColors(TAdvColorSlot::Border, value); }
    void SetAdvColors(TAdvColorSlot slot, TAdvColors value);

    bool UseAdvColors() const { return amounts_.InUse(); }
    void SetUseAdvColors(bool value);

    bool Hovered() const { return hovered_; }

    // Keys typed while the edit has the focus, before the edit sees them.
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    // When set, a paste (Ctrl+V, Shift+Insert, the edit's own menu) goes to the handler
    // instead of into the edit.
    TNotifyEvent OnPaste;

    // Paints the whole frame into the window's non-client area; the update region that
    // came with WM_NCPAINT (or none) is not needed for three rings.
    void PaintFrame(HRGN region = nullptr);
    void FitHeightToFont();
    void ApplyAdvColors();

    void Loaded() override;
    void WndProc(TMessage& message) override;

protected:
    void HandleCreated() override;
    // The framework tells a control of its parent's colour only when its own ParentColor
    // flag is set; this edit keeps its own flag, so it always wants to hear.
    void ParentColorChanged() override;

private:
    void HandleEnabledChanged(TMessage& message);
    void HandleFontChanged(TMessage& message);
    void HandleMouseEnter(TMessage& message);
    void HandleMouseLeave(TMessage& message);
    void HandleFocusChange(TMessage& message);
    void HandleNcCalcSize(TMessage& message);
    void HandleNcPaint(TMessage& message);
    void HandleColorChanges(TMessage& message);
    void HandleKey(TMessage& message, const TKeyEvent& event);
    void HandleChar(TMessage& message);
    void HandlePaste(TMessage& message);
    bool Lit();
    void TakeParentColor();

    AdvColorAmounts amounts_{10, 0, 50};
    bool parentColor_ = true;
    TColor colorFocused_ = clWhite;
    TColor colorBorder_ = 0x8396A0;
    TColor colorFlat_ = 0xE1EAEB;
    bool hovered_ = false;
};

class TFlatEdit : public TCustomFlatEdit {
public:
    using TCustomFlatEdit::TCustomFlatEdit;

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;
};
