// A windowless control, painted by its parent into the parent's device context.
#pragma once

#include "Control.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}

    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}
    TCanvas& Canvas() { return canvas_; }

private:
    TCanvas canvas_;
};
