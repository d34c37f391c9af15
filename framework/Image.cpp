#include "Image.h"

#include "PictureLoader.h"
#include "Reader.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle &= ~csSetCaption;
    SetBounds(0, 0, 105, 105);
}

TBitmap& TImage::Picture() {
    if (!picture_) picture_ = std::make_shared<TBitmap>();
    return *picture_;
}

void TImage::SetPicture(std::shared_ptr<TBitmap> picture) {
    picture_ = std::move(picture);
    Invalidate();
}

void TImage::SetStretch(bool value) {
    if (value == stretch_) return;
    stretch_ = value;
    Invalidate();
}

void TImage::SetTransparent(bool value) {
    if (value == transparent_) return;
    transparent_ = value;
    Invalidate();
}

void TImage::Paint() {
    if (!picture_ || picture_->Empty()) return;
    TBitmap& picture = *picture_;
    RECT target = stretch_ ? ClientRect() : RECT{0, 0, picture.Width(), picture.Height()};
    if (transparent_)
        Canvas().DrawTransparent(target, picture, picture.Pixel(0, picture.Height() - 1));
    else if (stretch_)
        Canvas().StretchDraw(target, picture);
    else
        Canvas().Draw(0, 0, picture);
}

bool TImage::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "Stretch") SetStretch(value.AsBoolean());
    else if (name == "Transparent") SetTransparent(value.AsBoolean());
    else if (name == "Picture") SetPicture(LoadSharedPicture(value.AsIdentifier()));
    else return TGraphicControl::SetProperty(name, value, reader);
    return true;
}
