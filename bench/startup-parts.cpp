// Where a start of Kitbag's kind spends time beyond the minimal program's, step by step,
// in a fresh process under this Wine: after a first window, as the minimal program
// creates (the "baseline" step), loading each system DLL that kitbag.exe imports
// and the minimal program does not (with whatever they load in turn), starting COM,
// loading the imaging component and creating its factory as Kitbag's picture loader
// does (on the first paint), and decoding every picture kitbag.exe holds with the calls
// that loader makes.
//
//   bench_startup_parts.exe KITBAG_EXE [DLL]...
//
// Prints "STEP MICROSECONDS RESIDENT_GROWTH_BYTES" per step; for a picture also its size
// in bytes and in pixels. The pictures stay decoded to the end, as Kitbag keeps them.
#include <windows.h>
#include <psapi.h>
#include <wincodec.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ChildProgram.h"
#include "ComPtr.h"

namespace {

// Taken from the DLLs at run time: imported, they would load before the steps that time
// loading them.
struct Calls {
    decltype(&CoInitializeEx) coInitializeEx;
    decltype(&CoUninitialize) coUninitialize;
};

using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);

template <class F>
F Find(const char* dll, const char* function) {
    HMODULE module = LoadLibraryA(dll);
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, function)))
                  : nullptr;
}

long long Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

long long Microseconds(long long from, long long to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (to - from) * 1000000 / frequency.QuadPart;
}

class DataModule {
public:
    explicit DataModule(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~DataModule() {
        if (module_) FreeLibrary(module_);
    }
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;
    HMODULE Get() const { return module_; }

private:
    HMODULE module_;
};

std::vector<std::wstring> PictureNames(HMODULE module) {
    std::vector<std::wstring> names;
    EnumResourceNamesW(
        module, L"PNG",
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            auto* list = reinterpret_cast<std::vector<std::wstring>*>(found);
            if (IS_INTRESOURCE(name))
                list->push_back(L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)));
            else
                list->push_back(name);
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    return names;
}

// A step's cost: elapsed time, and growth of the resident set (Wine answers VmRSS).
class Step {
public:
    Step() : start_(Now()), resident_(Resident()) {}
    void Report(const std::string& name, const std::string& note = std::string()) const {
        long long end = Now();
        long long grown = static_cast<long long>(Resident()) - static_cast<long long>(resident_);
        std::printf("%s %lld %lld%s%s\n", name.c_str(), Microseconds(start_, end), grown,
                    note.empty() ? "" : " ", note.c_str());
    }

private:
    static size_t Resident() {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof(counters);
        K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
        return counters.WorkingSetSize;
    }

    long long start_;
    size_t resident_;
};

// A decoded picture, kept as Kitbag keeps it: a 24-bit DIB section.
class Picture {
public:
    Picture(UINT width, UINT height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = LONG(width);
        info.bmiHeader.biHeight = -LONG(height);
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        section_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    }
    ~Picture() {
        if (section_) DeleteObject(section_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    BYTE* Bits() const { return static_cast<BYTE*>(bits_); }

private:
    HBITMAP section_ = nullptr;
    void* bits_ = nullptr;
};

// Decodes one picture as Kitbag does: a stream over the resource's bytes, the decoder
// the factory picks, the first frame converted to 24-bit BGR and copied into a DIB
// section, which stays.
bool Decode(IWICImagingFactory* factory, HMODULE module,
            const std::wstring& name, std::vector<std::unique_ptr<Picture>>& kept) {
    HRSRC resource = FindResourceW(module, name.c_str(), L"PNG");
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return false;
    DWORD size = SizeofResource(module, resource);
    Step step;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converted;
    UINT width = 0, height = 0;
    if (FAILED(factory->CreateStream(stream.Out())) ||
        FAILED(stream->InitializeFromMemory(bytes, size)) ||
        FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.Out())) ||
        FAILED(decoder->GetFrame(0, frame.Out())) ||
        FAILED(factory->CreateFormatConverter(converted.Out())) ||
        FAILED(converted->Initialize(frame.Get(), GUID_WICPixelFormat24bppBGR,
                                     WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converted->GetSize(&width, &height)))
        return false;
    auto picture = std::make_unique<Picture>(width, height);
    if (!picture->Bits()) return false;
    GdiFlush();
    UINT stride = (width * 3 + 3) & ~3u;
    if (FAILED(converted->CopyPixels(nullptr, stride, stride * height, picture->Bits())))
        return false;
    kept.push_back(std::move(picture));
    std::string narrow(name.begin(), name.end());
    step.Report("decode:" + narrow,
                std::to_string(size) + " " + std::to_string(width) + "x" + std::to_string(height));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup_parts KITBAG_EXE [DLL]...\n");
        return 2;
    }
    {
        // What the minimal program does first, a window shown, which brings up the display
        // driver and what it loads; the DLLs' own costs come after it.
        Step baseline;
        WNDCLASSA cls{};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = "KitbagBenchParts";
        RegisterClassA(&cls);
        if (HWND window = CreateWindowExA(0, cls.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 10,
                                          10, nullptr, nullptr, cls.hInstance, nullptr)) {
            UpdateWindow(window);
            DestroyWindow(window);
        }
        baseline.Report("baseline:window");
    }
    for (int i = 2; i < argc; ++i) {
        Step step;
        if (!LoadLibraryA(argv[i])) {
            std::fprintf(stderr, "bench_startup_parts: cannot load %s\n", argv[i]);
            return 1;
        }
        step.Report(std::string("load:") + argv[i]);
    }
    Calls calls{
        Find<decltype(&CoInitializeEx)>("ole32.dll", "CoInitializeEx"),
        Find<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize")};
    if (!calls.coInitializeEx || !calls.coUninitialize) {
        std::fprintf(stderr, "bench_startup_parts: COM is missing\n");
        return 1;
    }
    Step com;
    if (FAILED(calls.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    com.Report("CoInitializeEx");
    int result = 1;
    {
        std::vector<std::unique_ptr<Picture>> pictures;
        Step loading;
        HMODULE codecs = LoadLibraryA("windowscodecs.dll");
        loading.Report("load:windowscodecs.dll");
        Step creation;
        auto get = codecs ? reinterpret_cast<GetClassObject>(reinterpret_cast<void*>(
                                GetProcAddress(codecs, "DllGetClassObject")))
                          : nullptr;
        ComPtr<IClassFactory> classFactory;
        ComPtr<IWICImagingFactory> factory;
        HRESULT created =
            get ? get(CLSID_WICImagingFactory, IID_IClassFactory,
                      reinterpret_cast<void**>(classFactory.Out()))
                : E_FAIL;
        if (SUCCEEDED(created))
            created = classFactory->CreateInstance(nullptr, IID_IWICImagingFactory,
                                                   reinterpret_cast<void**>(factory.Out()));
        creation.Report("DllGetClassObject:WICImagingFactory");
        DataModule kitbag(Widen(argv[1]));
        if (SUCCEEDED(created) && kitbag.Get()) {
            result = 0;
            for (const std::wstring& name : PictureNames(kitbag.Get()))
                if (!Decode(factory.Get(), kitbag.Get(), name, pictures)) result = 1;
        }
    }
    calls.coUninitialize();
    return result;
}
