// A list of equally sized images, each with a colour that is see-through. Kept as plain
// bitmaps: the system's image list would load comctl32.dll for this alone.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Component.h"

class TBitmap;
class TCanvas;
class TIcon;

class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size empties the list.
    void SetSize(int width, int height);
    int Count() const { return int(images_.size()); }
    // Adds the bitmap cut into images of the list's size; the mask colour is see-through.
    // Answers the index of the first image added, or -1.
    int AddMasked(TBitmap& bitmap, COLORREF maskColor);
    void GetIcon(int index, TIcon& icon) const;
    void Draw(TCanvas& canvas, int x, int y, int index) const;

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

private:
    struct Image {
        std::unique_ptr<TBitmap> picture;
        COLORREF maskColor;
    };

    int width_ = 16, height_ = 16;
    std::vector<Image> images_;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};
