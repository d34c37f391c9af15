// Where a start of Kitbag's kind spends time beyond the minimal program's, step by step,
// in a fresh process under this Wine: after a first window, as the minimal program
// creates (the "baseline" step), loading each system DLL that kitbag.exe imports
// and the minimal program does not (with whatever they load in turn), and decoding every
// picture kitbag.exe holds with the decoder its picture loader uses (on the first paint).
//
//   bench_startup_parts.exe KITBAG_EXE [DLL]...
//
// Prints "STEP MICROSECONDS RESIDENT_GROWTH_BYTES" per step; for a picture also its size
// in bytes and in pixels. The pictures stay decoded to the end, as Kitbag keeps them.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ChildProgram.h"
#include "PngDecoder.h"

namespace {

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

// Decodes one picture as Kitbag does: the resource's bytes decoded and copied into a
// 24-bit DIB section, which stays.
bool Decode(HMODULE module, const std::wstring& name, std::vector<std::unique_ptr<Picture>>& kept) {
    HRSRC resource = FindResourceW(module, name.c_str(), L"PNG");
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return false;
    DWORD size = SizeofResource(module, resource);
    Step step;
    PngImage png(bytes, size);
    if (png.Empty()) return false;
    auto picture = std::make_unique<Picture>(UINT(png.Width()), UINT(png.Height()));
    if (!picture->Bits()) return false;
    GdiFlush();
    png.CopyBgr(picture->Bits(), (std::size_t(png.Width()) * 3 + 3) & ~std::size_t(3));
    kept.push_back(std::move(picture));
    std::string narrow(name.begin(), name.end());
    step.Report("decode:" + narrow, std::to_string(size) + " " + std::to_string(png.Width()) +
                                        "x" + std::to_string(png.Height()));
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
    DataModule kitbag(Widen(argv[1]));
    if (!kitbag.Get()) {
        std::fprintf(stderr, "bench_startup_parts: cannot open %s\n", argv[1]);
        return 1;
    }
    int result = 0;
    std::vector<std::unique_ptr<Picture>> pictures;
    for (const std::wstring& name : PictureNames(kitbag.Get()))
        if (!Decode(kitbag.Get(), name, pictures)) result = 1;
    return result;
}
