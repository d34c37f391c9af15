#include "ImageList.h"

#include "Bitmap.h"
#include "GdiHandles.h"
#include "Graphics.h"
#include "Icon.h"
#include "Reader.h"

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    images_.clear();
    width_ = width;
    height_ = height;
}

int TCustomImageList::AddMasked(TBitmap& bitmap, COLORREF maskColor) {
    if (bitmap.Empty() || width_ <= 0 || height_ <= 0) return -1;
    int cells = bitmap.Width() / width_;
    if (cells <= 0) return -1;
    int first = Count();
    for (int cell = 0; cell < cells; ++cell) {
        auto picture = std::make_unique<TBitmap>();
        picture->SetSize(width_, height_);
        BitBlt(picture->Canvas().Handle(), 0, 0, width_, height_, bitmap.Canvas().Handle(),
               cell * width_, 0, SRCCOPY);
        images_.push_back({std::move(picture), maskColor});
    }
    return first;
}

void TCustomImageList::GetIcon(int index, TIcon& icon) const {
    if (index < 0 || index >= Count()) return;
    const Image& image = images_[size_t(index)];
    HDC source = image.picture->Canvas().Handle();
    // The mask: white where the picture shows its mask colour.
    BitmapHandle mask{CreateBitmap(width_, height_, 1, 1, nullptr)};
    BitmapHandle colour{CreateCompatibleBitmap(source, width_, height_)};
    if (!mask || !colour) return;
    {
        MemoryDC maskDC(source), colourDC(source);
        SelectedObject selectedMask(maskDC.Get(), mask.Get());
        SelectedObject selectedColour(colourDC.Get(), colour.Get());
        COLORREF background = SetBkColor(source, image.maskColor);
        BitBlt(maskDC.Get(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
        SetBkColor(source, background);
        // The picture with its see-through pixels black, as an icon's colour part wants.
        BitBlt(colourDC.Get(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
        SetTextColor(colourDC.Get(), RGB(255, 255, 255));
        SetBkColor(colourDC.Get(), RGB(0, 0, 0));
        BitBlt(colourDC.Get(), 0, 0, width_, height_, maskDC.Get(), 0, 0, SRCAND);
    }
    ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
    icon.SetHandle(CreateIconIndirect(&info));
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (index < 0 || index >= Count()) return;
    const Image& image = images_[size_t(index)];
    canvas.DrawTransparent(RECT{x, y, x + width_, y + height_}, *image.picture, image.maskColor);
}

bool TCustomImageList::SetProperty(const std::string& name, const TPropValue& value,
                                   TReader& reader) {
    if (name == "Width") SetSize(value.AsInteger(), height_);
    else if (name == "Height") SetSize(width_, value.AsInteger());
    else return TComponent::SetProperty(name, value, reader);
    return true;
}
