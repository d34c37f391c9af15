#include "PictureLoader.h"

#include <windows.h>
#include <wincodec.h>

#include <map>

#include "Bitmap.h"
#include "ComPtr.h"
#include "Exceptions.h"

namespace {

[[noreturn]] void Unreadable(const std::string& name) {
    throw EReadError(FormatMessageText("Bild %s kann nicht gelesen werden", name));
}

HRSRC FindPicture(HMODULE module, const std::string& name) {
    return FindResourceA(module, name.c_str(), "PNG");
}

std::map<std::string, std::weak_ptr<TBitmap>>& SharedPictures() {
    static std::map<std::string, std::weak_ptr<TBitmap>> shared;
    return shared;
}

std::shared_ptr<TBitmap> Decode(const std::string& name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindPicture(module, name);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) throw EReadError(FormatMessageText("Ressource %s nicht gefunden", name));
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> converted;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))) ||
        FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(bytes, SizeofResource(module, resource))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, frame.Get(), converted.Out())))
        Unreadable(name);
    UINT width = 0, height = 0;
    if (FAILED(converted->GetSize(&width, &height)) || !width || !height) Unreadable(name);
    auto bitmap = std::make_shared<TBitmap>();
    bitmap->SetSize(int(width), int(height));
    GdiFlush();
    UINT stride = width * 4;
    if (FAILED(converted->CopyPixels(nullptr, stride, stride * height,
                                     reinterpret_cast<BYTE*>(bitmap->Bits()))))
        Unreadable(name);
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
    if (!FindPicture(GetModuleHandleA(nullptr), resourceName))
        throw EReadError(FormatMessageText("Ressource %s nicht gefunden", resourceName));
}

bool PictureInUse(const std::string& resourceName) {
    auto found = SharedPictures().find(resourceName);
    return found != SharedPictures().end() && !found->second.expired();
}
