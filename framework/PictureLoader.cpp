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

// The system's imaging component, loaded by the program itself rather than imported, so
// that it can be let go again: the pictures are decoded once, and the program then
// waits in the background for hours.
class ImagingComponent {
public:
    ImagingComponent() : module_(LoadLibraryW(L"windowscodecs.dll")) {
        using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
        auto get = module_ ? reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(
                                 GetProcAddress(module_, "DllGetClassObject")))
                           : nullptr;
        ComPtr<IClassFactory> classFactory;
        if (!get ||
            FAILED(get(CLSID_WICImagingFactory, IID_IClassFactory,
                       reinterpret_cast<void**>(classFactory.Out()))) ||
            FAILED(classFactory->CreateInstance(nullptr, IID_IWICImagingFactory,
                                                reinterpret_cast<void**>(factory_.Out()))))
            factory_.Reset();
    }
    ~ImagingComponent() {
        factory_.Reset();  // before the code behind it goes
        if (module_) FreeLibrary(module_);
    }
    ImagingComponent(const ImagingComponent&) = delete;
    ImagingComponent& operator=(const ImagingComponent&) = delete;

    IWICImagingFactory* Factory() const { return factory_.Get(); }

private:
    HMODULE module_;
    ComPtr<IWICImagingFactory> factory_;
};

std::unique_ptr<ImagingComponent>& LoadedImaging() {
    static std::unique_ptr<ImagingComponent> loaded;
    return loaded;
}

IWICImagingFactory* ImagingFactory() {
    auto& loaded = LoadedImaging();
    if (!loaded) loaded = std::make_unique<ImagingComponent>();
    return loaded->Factory();
}

std::shared_ptr<TBitmap> Decode(const std::string& name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindPicture(module, name);
    HGLOBAL loaded = LoadResource(module, resource);
    auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) Unreadable(name);
    IWICImagingFactory* factory = ImagingFactory();
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converted;
    if (!factory || FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(bytes, SizeofResource(module, resource))) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) ||
        FAILED(factory->CreateFormatConverter(converted.Out())) ||
        FAILED(converted->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        Unreadable(name);
    UINT width = 0, height = 0;
    if (FAILED(converted->GetSize(&width, &height)) || !width || !height) Unreadable(name);
    auto bitmap = std::make_shared<TBitmap>();
    bitmap->SetSize(int(width), int(height), TPixelFormat::pf24bit);
    GdiFlush();
    UINT stride = UINT(bitmap->Stride());
    if (FAILED(converted->CopyPixels(nullptr, stride, stride * height, bitmap->Bits())))
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
    FindPicture(GetModuleHandleA(nullptr), resourceName);
}

bool PictureInUse(const std::string& resourceName) {
    auto found = SharedPictures().find(resourceName);
    return found != SharedPictures().end() && !found->second.expired();
}

bool PictureDecoderLoaded() { return LoadedImaging() != nullptr; }

void ReleasePictureDecoder() { LoadedImaging().reset(); }
