// A flat, owner-drawn check box: an 11 x 11 square with a thick check mark and the
// caption beside it. The square's fill shows focus, hover and press; the hover is found
// by mouse moves and presses, and its end by one 100 ms poll timer that all check boxes
// share and that runs only while one of them is lit.
#pragma once

#include <cstdint>

#include "CustomControl.h"
#include "FlatDraw.h"
#include "Timer.h"

enum class TCheckBoxLayout : std::uint8_t { checkboxLeft, checkboxRight };

class TFlatCheckBox : public TCustomControl {
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

    // Colours by index: 0 focused, 1 down, 2 check, 3 border.
    TColor ColorFocused() const { return colorFocused_; }
    TColor ColorDown() const { return colorDown_; }
    TColor ColorCheck() const { return colorCheck_; }
    TColor ColorBorder() const { return colorBorder_; }
    void SetColorFocused(TColor value) { SetColors(0, value); }
    void SetColorDown(TColor value) { SetColors(1, value); }
    void SetColorCheck(TColor value) { SetColors(2, value); }
    void SetColorBorder(TColor value) { SetColors(3, value); }
    void SetColors(int index, TColor value);

    // Strengths by index: 0 focused, 1 down, 2 border.
    TAdvColors AdvColorFocused() const { return advColorFocused_; }
    TAdvColors AdvColorDown() const { return advColorDown_; }
    TAdvColors AdvColorBorder() const { return advColorBorder_; }
    void SetAdvColorFocused(TAdvColors value) { SetAdvColors(0, value); }
    void SetAdvColorDown(TAdvColors value) { SetAdvColors(1, value); }
    void SetAdvColorBorder(TAdvColors value) { SetAdvColors(2, value); }
    void SetAdvColors(int index, TAdvColors value);
    bool UseAdvColors() const { return useAdvColors_; }
    void SetUseAdvColors(bool value);

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
    void PaintSquare();
    void DrawSquare(TCanvas& canvas);
    void PaintCaption();
    void ApplyAdvColors();
    void HoverBegin();
    void HoverEnd();
    void HoverPollTick(TObject* sender);
    void StartHoverPoll();
    void StopHoverPoll();
    void ColorsChanged();
    void DialogChar(TMessage& message);
    void FocusGained(TMessage& message);
    void FocusLost(TMessage& message);
    void EnabledChanged(TMessage& message);
    void DesignHitTest(TMessage& message);
    void KeyMessage(TMessage& message, const TKeyEvent& event);
    void CharMessage(TMessage& message);

    bool useAdvColors_ = false;
    TAdvColors advColorFocused_ = 0, advColorDown_ = 0, advColorBorder_ = 0;
    bool hovered_ = false;
    bool pressed_ = false;
    bool hasFocus_ = false;
    TCheckBoxLayout layout_ = TCheckBoxLayout::checkboxLeft;
    bool checked_ = false;
    TColor colorFocused_ = 0, colorDown_ = 0, colorCheck_ = 0, colorBorder_ = 0;
    bool transparent_ = false;
};
