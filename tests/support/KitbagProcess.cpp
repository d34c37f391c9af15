#include "KitbagProcess.h"

#include <stdexcept>
#include <vector>

std::wstring KitbagExePath() {
    wchar_t buffer[4096];
    DWORD length = GetEnvironmentVariableW(L"KITBAG_EXE", buffer, 4096);
    if (length == 0 || length >= 4096) throw std::runtime_error("KITBAG_EXE is not set");
    std::wstring path(buffer, length);
    if (!path.empty() && path[0] == L'/') {
        for (wchar_t& c : path)
            if (c == L'/') c = L'\\';
        path = L"Z:" + path;
    }
    return path;
}

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return condition();
        Sleep(25);
    }
    return true;
}

KitbagProcess::KitbagProcess(const std::wstring& folder) {
    std::wstring exe = folder + L"kitbag.exe";
    if (!CopyFileW(KitbagExePath().c_str(), exe.c_str(), FALSE))
        throw std::runtime_error("cannot copy kitbag.exe");
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring commandLine = L"\"" + exe + L"\"";
    // Started from another folder, so the settings must be found beside the program.
    wchar_t elsewhere[MAX_PATH];
    GetTempPathW(MAX_PATH, elsewhere);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        elsewhere, &startup, &process_))
        throw std::runtime_error("cannot start kitbag.exe");
}

KitbagProcess::~KitbagProcess() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        if (HWND main = Form(L"TForm1")) PostMessageW(main, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND KitbagProcess::Form(const wchar_t* className) const {
    HWND window = nullptr;
    while ((window = FindWindowExW(nullptr, window, className, nullptr))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process_.dwProcessId) return window;
    }
    return nullptr;
}

bool KitbagProcess::Visible(const wchar_t* className) const {
    HWND window = Form(className);
    return window && IsWindowVisible(window);
}

HWND KitbagProcess::ControlAt(const wchar_t* formClass, int left, int top) const {
    HWND form = Form(formClass);
    if (!form) return nullptr;
    struct Search {
        HWND form;
        POINT corner;
        HWND found;
    } search{form, {left, top}, nullptr};
    EnumChildWindows(
        form,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            RECT rect;
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, s->form, reinterpret_cast<POINT*>(&rect), 2);
            if (rect.left == s->corner.x && rect.top == s->corner.y) {
                s->found = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool KitbagProcess::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD KitbagProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}
