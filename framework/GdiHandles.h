// Move-only owners of GDI handles and scoped device contexts. Each live handle is
// counted, so a test can show that a round trip gives back everything it took; the
// calls go through the platform layer, so a test can also watch them.
#pragma once

#include <windows.h>

#include <utility>

#include "HandleCounts.h"
#include "Platform.h"

template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {
        if (handle_) HandleCounts::Acquired(HandleKind::GdiObject);
    }
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_) {
            platform::DeleteObject(handle_);
            HandleCounts::Released(HandleKind::GdiObject);
        }
        handle_ = handle;
        if (handle_) HandleCounts::Acquired(HandleKind::GdiObject);
    }
    // Hands the handle to someone else (the system, for a window region).
    Handle Release() {
        if (handle_) HandleCounts::Released(HandleKind::GdiObject);
        return std::exchange(handle_, nullptr);
    }

private:
    Handle handle_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using PenHandle = GdiObject<HPEN>;
using BrushHandle = GdiObject<HBRUSH>;
using BitmapHandle = GdiObject<HBITMAP>;
using RegionHandle = GdiObject<HRGN>;

inline BrushHandle SolidBrush(COLORREF color) {
    return BrushHandle(platform::CreateSolidBrush(color));
}

// A memory device context, deleted when it goes out of scope.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
        if (dc_) HandleCounts::Acquired(HandleKind::GdiObject);
    }
    ~MemoryDC() {
        if (dc_) {
            DeleteDC(dc_);
            HandleCounts::Released(HandleKind::GdiObject);
        }
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A device context lent by the system, given back when it goes out of scope.
class BorrowedDC {
public:
    BorrowedDC(HWND window, HDC dc) : window_(window), dc_(dc) {}
    ~BorrowedDC() {
        if (dc_) platform::ReleaseDC(window_, dc_);
    }
    BorrowedDC(const BorrowedDC&) = delete;
    BorrowedDC& operator=(const BorrowedDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A window's client area (or the screen's, for no window).
class ClientDC : public BorrowedDC {
public:
    explicit ClientDC(HWND window) : BorrowedDC(window, platform::GetDC(window)) {}
};

// The whole window, frame included.
class WindowDC : public BorrowedDC {
public:
    explicit WindowDC(HWND window) : BorrowedDC(window, platform::GetWindowDC(window)) {}
};

// Selects an object into a device context and puts the previous one back afterwards.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(platform::SelectObject(dc, object)) {}
    ~SelectedObject() { platform::SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A window's paint: BeginPaint now, EndPaint when it goes out of scope, also when
// painting throws, so the window is never left half in a paint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(platform::BeginPaint(window, &paint_)) {}
    ~PaintDC() {
        if (dc_) platform::EndPaint(window_, &paint_);
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Saves a device context's state and puts it back, also when painting throws.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(platform::SaveDC(dc)) {}
    ~SavedDC() { platform::RestoreDC(dc_, saved_); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};
