// A windowed control that paints itself on a canvas in its own window.
#pragma once

#include "WinControl.h"

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    virtual void Paint() {}
    TCanvas& Canvas() { return canvas_; }

private:
    TCanvas canvas_;
};
