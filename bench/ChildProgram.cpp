#include "ChildProgram.h"

#include <stdexcept>

#include "ProcessWindow.h"

std::wstring Widen(const char* text) {
    int length = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, wide.data(), length);
    wide.resize(wide.size() - 1);
    return wide;
}

ChildProgram::ChildProgram(const std::string& exe) {
    std::wstring path = Widen(exe.c_str());
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_))
        throw std::runtime_error("cannot start " + exe + " (error " +
                                 std::to_string(GetLastError()) + ")");
}

ChildProgram::~ChildProgram() {
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool ChildProgram::Running() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

HWND ChildProgram::Window(const wchar_t* className) const {
    return ProcessWindow(process_.dwProcessId, className);
}

HWND ChildProgram::VisibleWindow(const wchar_t* className) const {
    HWND window = Window(className);
    return window && IsWindowVisible(window) ? window : nullptr;
}

HWND ChildProgram::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = VisibleWindow(className)) return window;
        if (GetTickCount() - start > timeoutMs || !Running()) return nullptr;
        Sleep(25);
    }
}

void ChildProgram::Close(HWND mainWindow) {
    if (!Running()) return;
    if (mainWindow) PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_TIMEOUT)
        TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 10000);
}
