// A windowless text label: transparent or filled, sized to its text unless fixed.
#pragma once

#include "GraphicControl.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner);

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

    void Loaded() override;
    void WndProc(TMessage& message) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

protected:
    void Paint() override;

private:
    void AdjustBounds();
    void DrawCaption(HDC dc, RECT& rect, UINT flags);

    bool transparent_ = false;
    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};
