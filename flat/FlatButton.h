// A push button with a flat face: a filled rectangle with a one- or two-pixel border, an
// optional glyph and a centred caption. It lights up while the mouse is over it or while
// it has the focus, can act as a grouped toggle, and can paint over its parent's picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "AdvColorProperties.h"
#include "Bitmap.h"
#include "CustomControl.h"
#include "FlatDraw.h"
#include "HoverPoll.h"

// The face's look: up, disabled, pressed, or a grouped button that stays down.
enum class TFlatButtonState : std::uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };

using TModalResult = std::int32_t;
using TNumGlyphs = std::uint8_t;  // 1..4

enum class TFlatButtonColor : std::uint8_t { Focused, Down, Border, HighLight, Shadow };

class TFlatButton : public TCustomControl, public AdvColorProperties<TFlatButton> {
public:
    static constexpr TColor DefaultColor = 0xE1EAEB;  // stored only while ParentColor is off
    static constexpr TColor DefaultColorFocused = 0xE1EAEB;
    static constexpr TColor DefaultColorDown = 0xC5D6D9;
    static constexpr TColor DefaultColorBorder = 0x8396A0;
    static constexpr TColor DefaultColorHighLight = clWhite;
    static constexpr TColor DefaultColorShadow = clBlack;
    static constexpr TAdvColors DefaultAdvColorFocused = 10;
    static constexpr TAdvColors DefaultAdvColorDown = 10;
    static constexpr TAdvColors DefaultAdvColorBorder = 50;

    explicit TFlatButton(TComponent* owner);
    ~TFlatButton() override;

    // The face colours share one writer; it repaints even when the value is unchanged.
    TColor ColorFocused() const { return colorFocused_; }
    TColor ColorDown() const { return colorDown_; }
    TColor ColorBorder() const { return colorBorder_; }
    TColor ColorHighLight() const { return colorHighLight_; }
    TColor ColorShadow() const { return colorShadow_; }
    void SetColors(TFlatButtonColor slot, TColor value);
    void SetColorFocused(TColor value) { SetColors(TFlatButtonColor::Focused, value); }
    void SetColorDown(TColor value) { SetColors(TFlatButtonColor::Down, value); }
    void SetColorBorder(TColor value) { SetColors(TFlatButtonColor::Border, value); }
    void SetColorHighLight(TColor value) { SetColors(TFlatButtonColor::HighLight, value); }
    void SetColorShadow(TColor value) { SetColors(TFlatButtonColor::Shadow, value); }

    // An amount over 100 is taken as 100.
    void SetAdvColors(TAdvColorSlot slot, TAdvColors value);

    // The glyph strip: NumGlyphs equal images side by side (up, disabled, down,
    // exclusive). Assigning takes a copy and guesses NumGlyphs from the proportions.
    TBitmap& Glyph() { return *glyph_; }
    void SetGlyph(TBitmap& value);
    TNumGlyphs NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    std::int32_t Spacing() const { return spacing_; }
    void SetSpacing(std::int32_t value);
    std::int32_t Margin() const { return margin_; }
    void SetMargin(std::int32_t value);

    bool Down() const { return down_; }
    void SetDown(bool value);
    std::int32_t GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(std::int32_t value);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);

    bool Default() const { return default_; }
    void SetDefault(bool value);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode value);
    TModalResult ModalResult = 0;

    // The face as last decided: its state, whether it is lit, and a press in progress.
    TFlatButtonState State() const { return state_; }
    bool MouseIn() const { return mouseIn_; }
    bool Dragging() const { return dragging_; }

    TNotifyEvent OnMouseEnter, OnMouseLeave;

    // Shared by all flat buttons: the one being hover-polled, the poll timer (alive
    // while any flat button is) and the number of live flat buttons.
    static TFlatButton* HoveredButton();
    static TTimer* ButtonPollTimer();
    static std::int32_t FlatButtonCount();

    void Loaded() override;
    void Click() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WndProc(TMessage& message) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseCaptureLost() override;

private:
    friend class AdvColorProperties<TFlatButton>;
    friend class HoverPoll<TFlatButton>;

    void HandleDoubleClick(TMessage& message);
    void HandleKeyDown(TMessage& message);
    void HandleKeyUp(TMessage& message);
    void HandleSetFocus(TMessage& message);
    void HandleKillFocus(TMessage& message);
    void HandleMoved(TMessage& message);
    void HandleDialogChar(TMessage& message);
    void HandleEnabledChanged(TMessage& message);
    void HandleSysColorChange(TMessage& message);
    void HandleParentColorChanged(TMessage& message);
    void HandleMouseEnterLeave(TMessage& message);
    void HandleButtonPressed(TMessage& message);

    void ApplyAdvColors();
    void NotifyGroup();
    bool Inside(int x, int y) const;
    void HoverBegin();
    void HoverEnd();
    void UpdateHover();

    void PaintBackground(TCanvas& canvas, const RECT& client);
    void PaintBorder(TCanvas& canvas, const RECT& client);
    void PaintGlyph(TCanvas& canvas);
    void PaintCaption(TCanvas& canvas);

    TTransparentMode transparentMode_ = TTransparentMode::tmNone;
    RECT textBounds_{};
    POINT glyphPos_{};
    TNumGlyphs numGlyphs_ = 1;
    TColor colorDown_ = DefaultColorDown;
    TColor colorBorder_ = DefaultColorBorder;
    TColor colorHighLight_ = DefaultColorHighLight;
    TColor colorShadow_ = DefaultColorShadow;
    TColor colorFocused_ = DefaultColorFocused;
    std::int32_t groupIndex_ = 0;
    std::unique_ptr<TBitmap> glyph_;
    bool down_ = false;
    bool dragging_ = false;
    bool allowAllUp_ = false;
    TButtonLayout layout_ = TButtonLayout::blGlyphTop;
    std::int32_t spacing_ = 4;
    std::int32_t margin_ = -1;
    bool mouseIn_ = false;
    bool default_ = false;
    TFlatButtonState state_ = TFlatButtonState::bsUp;
    HoverPoll<TFlatButton> hoverPoll_;
};
