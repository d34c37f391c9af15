#include "ImageList.h"

#include "Bitmap.h"
#include "HandleCounts.h"
#include "Icon.h"
#include "Reader.h"

TCustomImageList::~TCustomImageList() { Release(); }

void TCustomImageList::Release() {
    if (!handle_) return;
    ImageList_Destroy(handle_);
    HandleCounts::Released(HandleKind::GdiObject);
    handle_ = nullptr;
}

void TCustomImageList::SetSize(int width, int height) {
    if (width == width_ && height == height_) return;
    Release();
    width_ = width;
    height_ = height;
}

HIMAGELIST TCustomImageList::Handle() {
    if (!handle_) {
        handle_ = ImageList_Create(width_, height_, ILC_COLOR24 | ILC_MASK, 4, 4);
        if (handle_) HandleCounts::Acquired(HandleKind::GdiObject);
    }
    return handle_;
}

int TCustomImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_) : 0; }

int TCustomImageList::AddMasked(TBitmap& bitmap, COLORREF maskColor) {
    if (bitmap.Empty()) return -1;
    // The system list keeps its own copy, taken from a bitmap no DC holds.
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(bitmap.Handle(), IMAGE_BITMAP, 0, 0, 0));
    int index = ImageList_AddMasked(Handle(), copy, maskColor);
    DeleteObject(copy);
    return index;
}

void TCustomImageList::GetIcon(int index, TIcon& icon) const {
    if (!handle_ || index < 0 || index >= Count()) return;
    icon.SetHandle(ImageList_GetIcon(handle_, index, ILD_NORMAL));
}

void TCustomImageList::Draw(TCanvas& canvas, int x, int y, int index) const {
    if (handle_) ImageList_Draw(handle_, index, canvas.Handle(), x, y, ILD_NORMAL);
}

bool TCustomImageList::SetProperty(const std::string& name, const TPropValue& value,
                                   TReader& reader) {
    if (name == "Width") SetSize(value.AsInteger(), height_);
    else if (name == "Height") SetSize(width_, value.AsInteger());
    else return TComponent::SetProperty(name, value, reader);
    return true;
}
