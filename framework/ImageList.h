// A list of equally sized images over the system's image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "Component.h"

class TBitmap;
class TCanvas;
class TIcon;

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner) : TComponent(owner) {}
    ~TCustomImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);
    int Count() const;
    // Adds the bitmap cut into images of the list's size; the mask colour is see-through.
    int AddMasked(TBitmap& bitmap, COLORREF maskColor);
    void GetIcon(int index, TIcon& icon) const;
    void Draw(TCanvas& canvas, int x, int y, int index) const;
    HIMAGELIST Handle();

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

private:
    void Release();

    int width_ = 16, height_ = 16;
    HIMAGELIST handle_ = nullptr;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};
