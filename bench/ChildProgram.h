// A program the benchmarks start and watch: started with CreateProcess, its top-level
// windows found by class, closed (or ended) when the object goes.
#pragma once

#include <windows.h>

#include <string>

// UTF-8 (the command line as Wine hands it over) to UTF-16.
std::wstring Widen(const char* text);

class ChildProgram {
public:
    // Starts the program; throws std::runtime_error when it cannot.
    explicit ChildProgram(const std::string& exe);
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    DWORD Id() const { return process_.dwProcessId; }
    HANDLE Process() const { return process_.hProcess; }
    bool Running() const;
    // Its top-level window of this class, visible or not, or null.
    HWND Window(const wchar_t* className) const;
    // Its visible top-level window of this class, or null.
    HWND VisibleWindow(const wchar_t* className) const;
    // Polls (every 25 ms) until such a window is visible; null after the timeout.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs) const;
    // Asks the window to close, ends the process if it has not gone within 10 s, and
    // waits for it to end.
    void Close(HWND mainWindow);

private:
    PROCESS_INFORMATION process_{};
};

// Releases the screen's device context when it goes.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    COLORREF Pixel(POINT at) const { return GetPixel(dc_, at.x, at.y); }

private:
    HDC dc_;
};
