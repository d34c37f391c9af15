// A flat, owner-drawn check box: an 11 x 11 square with a thick check mark and the
// caption beside it. The square's fill shows focus, hover and press; the hover is found
// by mouse moves and presses, and its end by one 100 ms poll timer that all check boxes
// share and that runs only while one of them is lit.
#pragma once

#include <cstdint>

#include "AdvColorProperties.h"
#include "CustomControl.h"
#include "FlatDraw.h"
#include "HoverPoll.h"
#include "Timer.h"

enum class TCheckBoxLayout : std::uint8_t { checkboxLeft, checkboxRight };
enum class TFlatCheckBoxColor : std::uint8_t { Focused, Down, Check, Border };

class TFlatCheckBox : public TCustomControl, public AdvColorProperties<TFlatCheckBox> {
public:
    // The values a new box starts with (and that a stored description leaves out).
    static constexpr TColor DefaultColor = 0xE1EAEB;  // stored only while ParentColor is off
    static constexpr TColor DefaultColorFocused = clWhite;
    static constexpr TColor DefaultColorDown = 0xC5D6D9;
    static constexpr TColor DefaultColorCheck = clBlack;
    static constexpr TColor DefaultColorBorder = 0x8396A0;
    static constexpr TAdvColors DefaultAdvColorFocused = 10;
    static constexpr TAdvColors DefaultAdvColorDown = 10;
    static constexpr TAdvColors DefaultAdvColorBorder = 50;

    explicit TFlatCheckBox(TComponent* owner);
    ~TFlatCheckBox() override;

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    TCheckBoxLayout Layout() const { return layout_; }
    void SetLayout(TCheckBoxLayout value);

    TColor ColorFocused() const { return colorFocused_; }
    TColor ColorDown() const { return colorDown_; }
    TColor ColorCheck() const { return colorCheck_; }
    TColor ColorBorder() const { return colorBorder_; }
    void SetColors(TFlatCheckBoxColor slot, TColor value);
    void SetColorFocused(TColor value) { SetColors(TFlatCheckBoxColor::Focused, value); }
    void SetColorDown(TColor value) { SetColors(TFlatCheckBoxColor::Down, value); }
    void SetColorCheck(TColor value) { SetColors(TFlatCheckBoxColor::Check, value); }
    void SetColorBorder(TColor value) { SetColors(TFlatCheckBoxColor::Border, value); }

    // The interaction state, as the square shows it.
    bool Hovered() const { return hovered_; }
    bool Pressed() const { return pressed_; }
    bool HasFocus() const { return hasFocus_; }
    // The square within the client area (right and bottom exclusive).
    RECT SquareRect() const;

    // What all check boxes share: the box being polled, the poll timer and the number of
    // live boxes.
    static TFlatCheckBox* HoveredCheckBox();
    static TTimer* CheckBoxPollTimer();
    static std::int32_t FlatCheckBoxCount();

    // Keys typed while the box has the focus.
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;

    void WndProc(TMessage& message) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void DoEnter() override;
    void DoExit() override;
    void MouseCaptureLost() override;

private:
    friend class AdvColorProperties<TFlatCheckBox>;
    friend class HoverPoll<TFlatCheckBox>;

    void PaintSquare();
    void DrawSquare(TCanvas& canvas);
    void PaintCaption();
    void ApplyAdvColors();
    void HoverBegin();
    void HoverEnd();
    void DialogChar(TMessage& message);
    void FocusGained(TMessage& message);
    void FocusLost(TMessage& message);
    void EnabledChanged(TMessage& message);
    void DesignHitTest(TMessage& message);
    void KeyMessage(TMessage& message, const TKeyEvent& event);
    void CharMessage(TMessage& message);

    bool hovered_ = false;
    bool pressed_ = false;
    bool hasFocus_ = false;
    TCheckBoxLayout layout_ = TCheckBoxLayout::checkboxLeft;
    bool checked_ = false;
    TColor colorFocused_ = 0, colorDown_ = 0, colorCheck_ = 0, colorBorder_ = 0;
    bool transparent_ = false;
    HoverPoll<TFlatCheckBox> hoverPoll_;
};
