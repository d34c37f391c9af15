#include "Image.h"

#include <utility>

#include "PictureLoader.h"
#include "Reader.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle &= ~csSetCaption;
    SetBounds(0, 0, 105, 105);
}

TBitmap& TImage::Picture() {
    // The name goes first, so a picture that cannot be decoded is reported once.
    if (!picture_ && !pictureName_.empty())
        picture_ = LoadSharedPicture(std::exchange(pictureName_, {}));
    if (!picture_) picture_ = std::make_shared<TBitmap>();
    return *picture_;
}

void TImage::SetPicture(std::shared_ptr<TBitmap> picture) {
    pictureName_.clear();
    picture_ = std::move(picture);
    Invalidate();
}

void TImage::SetPictureName(const std::string& resourceName) {
    CheckPictureExists(resourceName);
    picture_.reset();
    pictureName_ = resourceName;
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
    if (!picture_ && pictureName_.empty()) return;
    TBitmap& picture = Picture();
    if (picture.Empty()) return;
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
    else if (name == "Picture") SetPictureName(value.AsIdentifier());
    else return TGraphicControl::SetProperty(name, value, reader);
    return true;
}
