// Controls with a window of their own. The window finds its object through a window
// property; the object's WndProc sees every message, and exceptions never leave it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Control.h"

struct TCreateParams {
    std::string windowClass;  // own class, registered on demand
    std::string systemClass;  // a system class ("EDIT", "BUTTON") to subclass instead
    DWORD style = 0;
    DWORD exStyle = 0;
    UINT classStyle = CS_DBLCLKS;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    bool HasWindow() const override { return true; }

    // Child controls in painting order; windowed ones lie above all windowless ones.
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(size_t(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The topmost visible windowless child at a client point, or none.
    TControl* ControlAtPos(POINT point, bool allowDisabled) const;

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Windowed children that take part in tabbing, in tab order, nested ones included.
    void TabList(std::vector<TWinControl*>& list);

    void SetBounds(int left, int top, int width, int height) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;
    void SetParent(TWinControl* parent) override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    void Invalidate() override;
    void Update() override;
    void InvalidateArea(const RECT& area, bool erase);
    void SetCaptureControl(TControl* control);
    TControl* CaptureControl() const { return captureControl_; }

    // Paints the background and the windowless children into a device context; a
    // paint message that carries a context in wParam does the same.
    void PaintBackgroundAndControls(HDC dc, const RECT& area);

    TNotifyEvent OnEnter, OnExit;

    void WndProc(TMessage& message) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

    static LRESULT CALLBACK StandardWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static TWinControl* FromHandle(HWND window);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // Paints the control's own face after the background; windowless children follow.
    virtual void PaintWindow(HDC) {}
    // Called once the window and its children exist.
    virtual void HandleCreated() {}
    void DestroyHandle();
    void DefaultHandler(TMessage& message) override;
    void SetMouseCapture(bool value) override;
    void FontChanged() override;
    virtual void DoEnter();
    virtual void DoExit();
    // The mouse capture went elsewhere while the left button was held on the control: the
    // press ends here, without a release.
    virtual void MouseCaptureLost() {}
    // A notification the parent reflected back from WM_COMMAND or WM_CTLCOLOR*.
    virtual bool HandleReflected(TMessage& message);
    // The brush that paints the background (and a system control's background).
    HBRUSH BackgroundBrush();
    // Whether the windowless children and the background are painted off screen first.
    bool doubleBuffered_ = true;
    HWND handle_ = nullptr;

private:
    void Attach(HWND window);
    void CreateChildHandles();
    void HandlePaint(TMessage& message);
    void HandleEraseBackground(TMessage& message);
    void HandleSetCursor(TMessage& message);
    bool RouteMouseToChild(TMessage& message);
    void HandleFocus(TMessage& message, bool gained);
    void HandleCaptureChanged(TMessage& message);
    void HandleNcDestroy(TMessage& message);
    void HandleWindowMoved();
    void NotifyChildren(UINT msg);

    WNDPROC defaultProc_ = nullptr;
    std::vector<TControl*> controls_;
    TControl* captureControl_ = nullptr;
    bool trackingLeave_ = false;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    BrushHandle backgroundBrush_;
    TColor backgroundBrushColor_ = clNone;
};
