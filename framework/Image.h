// A windowless picture: drawn at its natural size or stretched to its box, and with
// Transparent set, every pixel of the picture's bottom-left colour is left out. A picture
// named in the description is decoded when the image first paints or is asked for it.
// A named picture stretched past its parent's edges keeps only the part the parent shows,
// drawn once at its final size: a window's background is a small part of a large shared
// picture, and the whole need not stay decoded for it.
#pragma once

#include <memory>
#include <string>

#include "Bitmap.h"
#include "GraphicControl.h"

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner);

    // The picture; several images may share one.
    TBitmap& Picture();
    void SetPicture(std::shared_ptr<TBitmap> picture);
    // The program's picture of that name, decoded only when needed.
    void SetPictureName(const std::string& resourceName);
    // Whether the picture has been decoded, whole or as the part its parent shows.
    bool PictureDecoded() const { return picture_ || shownPart_; }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

protected:
    void Paint() override;

private:
    // The image's own box cut to its parent's client area.
    RECT ShownRect() const;
    void PaintShownPart(const RECT& shown);

    std::shared_ptr<TBitmap> picture_;
    std::string pictureName_;
    bool decodeFailed_ = false;  // reported once, not at every paint
    std::unique_ptr<TBitmap> shownPart_;
    RECT shownRect_{};
    bool stretch_ = false;
    bool transparent_ = false;
};
