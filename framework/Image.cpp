#include "Image.h"

#include <utility>

#include "PictureLoader.h"
#include "Reader.h"
#include "WinControl.h"

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
    ControlStyle &= ~csSetCaption;
    SetBounds(0, 0, 105, 105);
}

TBitmap& TImage::Picture() {
    if (!picture_ && !pictureName_.empty() && !decodeFailed_) {
        decodeFailed_ = true;
        picture_ = LoadSharedPicture(pictureName_);
        decodeFailed_ = false;
    }
    if (!picture_) picture_ = std::make_shared<TBitmap>();
    return *picture_;
}

void TImage::SetPicture(std::shared_ptr<TBitmap> picture) {
    pictureName_.clear();
    decodeFailed_ = false;
    shownPart_.reset();
    picture_ = std::move(picture);
    Invalidate();
}

void TImage::SetPictureName(const std::string& resourceName) {
    CheckPictureExists(resourceName);
    picture_.reset();
    shownPart_.reset();
    decodeFailed_ = false;
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

RECT TImage::ShownRect() const {
    RECT shown = ClientRect();
    if (TWinControl* parent = Parent()) {
        RECT parentArea = parent->ClientRect();
        OffsetRect(&parentArea, -Left(), -Top());
        IntersectRect(&shown, &shown, &parentArea);
    }
    return shown;
}

void TImage::PaintShownPart(const RECT& shown) {
    if (!shownPart_ || !EqualRect(&shown, &shownRect_)) {
        TBitmap& picture = Picture();
        if (picture.Empty()) return;
        auto part = std::make_unique<TBitmap>();
        part->SetSize(shown.right - shown.left, shown.bottom - shown.top, TPixelFormat::pf24bit);
        // The same stretch as onto the parent, so the part holds the very pixels it shows.
        RECT target = ClientRect();
        OffsetRect(&target, -shown.left, -shown.top);
        part->Canvas().StretchDraw(target, picture);
        shownPart_ = std::move(part);
        shownRect_ = shown;
        picture_.reset();  // a later change of the shown part decodes it again
    }
    Canvas().Draw(shownRect_.left, shownRect_.top, *shownPart_);
}

void TImage::Paint() {
    if (!picture_ && (pictureName_.empty() || decodeFailed_) && !shownPart_) return;
    RECT box = ClientRect(), shown = ShownRect();
    if (stretch_ && !transparent_ && !pictureName_.empty() && !EqualRect(&shown, &box)) {
        if (!IsRectEmpty(&shown)) PaintShownPart(shown);
        return;
    }
    shownPart_.reset();  // the parent now shows it whole
    TBitmap& picture = Picture();
    if (picture.Empty()) return;
    RECT target = stretch_ ? box : RECT{0, 0, picture.Width(), picture.Height()};
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
