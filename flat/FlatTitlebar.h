// A title bar for a borderless form: one flat colour, a centred caption whose colour
// follows the form's activation, and dragging the form with the left mouse button.
#pragma once

#include <memory>

#include "CustomControl.h"
#include "WindowProcHook.h"

class TFlatTitlebar : public TCustomControl {
public:
    explicit TFlatTitlebar(TComponent* owner);

    TColor ActiveTextColor() const { return activeTextColor_; }
    void SetActiveTextColor(TColor value);
    TColor InactiveTextColor() const { return inactiveTextColor_; }
    void SetInactiveTextColor(TColor value);
    TColor TitlebarColor() const { return titlebarColor_; }
    void SetTitlebarColor(TColor value);
    bool Active() const { return active_; }
    bool Dragging() const { return dragging_; }

    TNotifyEvent OnActivate, OnDeactivate;

    void SetParent(TWinControl* parent) override;
    void Loaded() override;
    void WndProc(TMessage& message) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseCaptureLost() override;

private:
    void HookFormWindow(TMessage& message);
    void SetActive(bool value);

    TWinControl* form_ = nullptr;
    // The form's window procedure, taken over in Loaded; let go with the title bar.
    std::unique_ptr<WindowProcHook> formHook_;
    bool active_ = false;
    bool dragging_ = false;
    int grabX_ = 0, grabY_ = 0;
    TColor activeTextColor_ = clNone, inactiveTextColor_ = clNone, titlebarColor_ = clNone;
};
