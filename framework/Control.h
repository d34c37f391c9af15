// Controls: components with a place on a parent, a font, a colour, a cursor, mouse
// events and a message handler. Windowless controls are painted and hit-tested by
// their parent; TWinControl adds a window of its own.
#pragma once

#include <windows.h>

#include <string>

#include "Component.h"
#include "FlagSet.h"
#include "Graphics.h"
#include "Messages.h"

// What the framework does for the control.
using TControlStyle = FlagSet<struct ControlStyleKind>;
constexpr auto csAcceptsControls = TControlStyle::Bit(0), csCaptureMouse = TControlStyle::Bit(1),
               csClickEvents = TControlStyle::Bit(3), csFramed = TControlStyle::Bit(4),
               csSetCaption = TControlStyle::Bit(5), csOpaque = TControlStyle::Bit(6),
               csDoubleClicks = TControlStyle::Bit(7);
// What the control is going through now.
using TControlState = FlagSet<struct ControlStateKind>;
constexpr auto csLButtonDown = TControlState::Bit(0), csClicked = TControlState::Bit(1),
               csFocusing = TControlState::Bit(5), csCreating = TControlState::Bit(6);

class TWinControl;
class TCustomForm;
class TPopupMenu;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
    void SetTop(int value) { SetBounds(left_, value, width_, height_); }
    void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
    void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
    int ClientWidth() const { RECT r = ClientRect(); return r.right - r.left; }
    int ClientHeight() const { RECT r = ClientRect(); return r.bottom - r.top; }
    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;
    // The position of the client origin within the nearest window (self or a parent).
    virtual POINT ClientOrigin() const;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // A control nested in a window control takes it as its parent.
    void PlaceIn(TComponent& parent, bool parentIsRoot) override;
    TCustomForm* ParentForm() const;

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool value);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool value);
    // Visible with all its parents.
    bool Showing() const;

    virtual std::string Text() const { return text_; }
    virtual void SetText(const std::string& text);
    std::string Caption() const { return Text(); }
    void SetCaption(const std::string& text) { SetText(text); }
    void SetName(const std::string& name) override;

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TColor Color() const { return color_; }
    virtual void SetColor(TColor value);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value);

    // Kept for the descriptions and for callers; this program shows no hints or help.
    std::string Hint;
    bool ShowHint = false;
    bool ParentShowHint = true;
    int HelpType = 0;  // 0 htContext, 1 htKeyword
    std::string HelpKeyword;
    int HelpContext = 0;
    // The menu a right click on the control would open; resolved by name when loaded.
    TPopupMenu* PopupMenu = nullptr;

    TControlStyle ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState ControlState;

    TNotifyEvent OnClick, OnDblClick;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;

    // Sends a message straight to the control's handler and answers its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual void WndProc(TMessage& message);
    virtual void Invalidate();
    virtual void Update() {}
    void Repaint() { Invalidate(); Update(); }
    virtual bool HasWindow() const { return false; }

    void Loaded() override;
    void Notification(TComponent* component) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

    // The parent window is going away before this control.
    void ParentDestroyed() { parent_ = nullptr; }

protected:
    virtual void DefaultHandler(TMessage& message);
    // Keeps the text without notifying (a windowed control keeps it in its window).
    void StoreText(const std::string& text) { text_ = text; }
    const std::string& StoredText() const { return text_; }
    // Mouse capture: a windowless control asks its parent to route the mouse to it.
    virtual void SetMouseCapture(bool value);
    virtual void FontChanged();
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();

    TWinControl* parent_ = nullptr;

private:
    void HandleMouseDown(TMessage& message, TMouseButton button, TShiftState extra);
    void HandleMouseUp(TMessage& message, TMouseButton button);
    void HandleParentFontChanged(TMessage& message);
    void HandleParentColorChanged(TMessage& message);

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    TFont font_;
    bool parentFont_ = true;
    std::string pendingPopupMenu_;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
};

POINT MessagePoint(LPARAM lParam);
