#include "PictureLoader.h"

#include <windows.h>

#include <map>

#include "Bitmap.h"
#include "Exceptions.h"
#include "PngDecoder.h"

namespace {

[[noreturn]] void Unreadable(const std::string& name) {
    throw EReadError(FormatMessageText("Bild %s kann nicht gelesen werden", name));
}

// The picture's resource; throws when the program holds none of that name.
HRSRC FindPicture(HMODULE module, const std::string& name) {
    HRSRC resource = FindResourceA(module, name.c_str(), "PNG");
    if (!resource) throw EReadError(FormatMessageText("Ressource %s nicht gefunden", name));
    return resource;
}

std::map<std::string, std::weak_ptr<TBitmap>>& SharedPictures() {
    static std::map<std::string, std::weak_ptr<TBitmap>> shared;
    return shared;
}

// 24 bits: the pictures have no alpha, and they are the bulk of the program's memory.
std::shared_ptr<TBitmap> Decode(const std::string& name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindPicture(module, name);
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) Unreadable(name);
    PngImage png(bytes, SizeofResource(module, resource));
    if (png.Empty()) Unreadable(name);
    auto bitmap = std::make_shared<TBitmap>();
    bitmap->SetSize(png.Width(), png.Height(), TPixelFormat::pf24bit);
    GdiFlush();
    png.CopyBgr(bitmap->Bits(), std::size_t(bitmap->Stride()));
    return bitmap;
}

}  // namespace

std::shared_ptr<TBitmap> LoadSharedPicture(const std::string& resourceName) {
    auto& shared = SharedPictures();
    if (auto existing = shared[resourceName].lock()) return existing;
    auto bitmap = Decode(resourceName);
    shared[resourceName] = bitmap;
    return bitmap;
}

void CheckPictureExists(const std::string& resourceName) {
    FindPicture(GetModuleHandleA(nullptr), resourceName);
}

bool PictureInUse(const std::string& resourceName) {
    auto found = SharedPictures().find(resourceName);
    return found != SharedPictures().end() && !found->second.expired();
}
