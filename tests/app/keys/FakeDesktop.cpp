#include "FakeDesktop.h"

#include <cstring>

namespace fake_desktop {

Desktop desk;

namespace {

int WINAPI Title(HWND window, LPSTR text, int max) {
    ++desk.titlesRead;
    std::string title = desk.titles[window].substr(0, size_t(max - 1));
    std::memcpy(text, title.c_str(), title.size() + 1);
    return int(title.size());
}
// A window's process id is the window's handle value, and so is the process handle.
DWORD WINAPI ProcessOf(HWND window, LPDWORD id) {
    *id = DWORD(uintptr_t(window));
    return 1;
}
HANDLE WINAPI Open(DWORD, BOOL, DWORD id) {
    HWND window = reinterpret_cast<HWND>(uintptr_t(id));
    if (!desk.programs.count(window)) return nullptr;
    ++desk.opened;
    return window;
}
BOOL WINAPI ProgramFile(HANDLE process, DWORD, LPSTR name, PDWORD size) {
    const std::string& file = desk.programs[static_cast<HWND>(process)];
    if (file.empty() || file.size() >= *size) return FALSE;
    *size = DWORD(file.copy(name, file.size()));
    name[*size] = '\0';
    return TRUE;
}
BOOL WINAPI Close(HANDLE) {
    ++desk.closed;
    return TRUE;
}
HWND WINAPI Foreground() { return desk.foreground; }
HHOOK WINAPI Hook(int kind, HOOKPROC procedure, HINSTANCE, DWORD thread) {
    desk.calls.push_back("hook " + std::to_string(kind) + " " + std::to_string(thread));
    if (desk.refuseHook) return nullptr;
    desk.hook = procedure;
    return reinterpret_cast<HHOOK>(0x77);
}
BOOL WINAPI Unhook(HHOOK) {
    desk.calls.push_back("unhook");
    desk.hook = nullptr;
    return TRUE;
}
LRESULT WINAPI PassOn(HHOOK, int, WPARAM, LPARAM) {
    ++desk.passedOn;
    return 0x55;
}
BOOL WINAPI Register(HWND, int id, UINT modifiers, UINT key) {
    desk.calls.push_back("register " + std::to_string(id));
    return !desk.heldElsewhere.count({modifiers, key});
}
BOOL WINAPI Unregister(HWND, int id) {
    desk.calls.push_back("unregister " + std::to_string(id));
    return TRUE;
}
VOID WINAPI Inject(BYTE key, BYTE, DWORD flags, ULONG_PTR) {
    desk.calls.push_back("key " + std::to_string(key));
    ThroughHook(key, LLKHF_INJECTED, flags & KEYEVENTF_KEYUP);
    if (HWND window = std::exchange(desk.reportDuringInjection, nullptr)) ReportForeground(window);
}
INT_PTR WINAPI WineVersion() { return 0; }
FARPROC WINAPI Export(HMODULE module, LPCSTR name) {
    if (std::string(name) == "wine_get_version") return desk.wine ? &WineVersion : nullptr;
    return platform::SystemCalls().GetProcAddress(module, name);
}
HWINEVENTHOOK WINAPI ListenForeground(DWORD, DWORD, HMODULE, WINEVENTPROC procedure, DWORD, DWORD, DWORD) {
    desk.calls.push_back("listen");
    desk.foregroundReport = procedure;
    return reinterpret_cast<HWINEVENTHOOK>(0x66);
}
BOOL WINAPI StopListening(HWINEVENTHOOK) {
    desk.foregroundReport = nullptr;
    return TRUE;
}
BOOL WINAPI IsLive(HWND window) { return desk.titles.count(window) > 0; }
BOOL WINAPI RawDevices(PCRAWINPUTDEVICE device, UINT, UINT) {
    desk.rawKeyboard = !(device->dwFlags & RIDEV_REMOVE);
    return TRUE;
}
// Every raw input the test hands the engine is a key going down.
UINT WINAPI RawData(HRAWINPUT, UINT, LPVOID data, PUINT, UINT) {
    auto* raw = static_cast<RAWINPUT*>(data);
    raw->header.dwType = RIM_TYPEKEYBOARD;
    raw->data.keyboard.Message = WM_KEYDOWN;
    return sizeof(RAWINPUT);
}
BOOL WINAPI SessionReports(HWND, DWORD) { return desk.sessionReports = true; }
BOOL WINAPI NoSessionReports(HWND) { return !(desk.sessionReports = false); }
// Tokens: ours is never elevated, the game's when the desk says so.
BOOL WINAPI Token(HANDLE process, DWORD, PHANDLE token) {
    *token = process;
    return TRUE;
}
BOOL WINAPI TokenInformation(HANDLE token, TOKEN_INFORMATION_CLASS, LPVOID info, DWORD, PDWORD) {
    static_cast<TOKEN_ELEVATION*>(info)->TokenIsElevated = token == game && desk.gameElevated;
    return TRUE;
}

}  // namespace

void ThroughHook(DWORD key, DWORD flags, bool up) {
    if (!desk.hook) return;
    KBDLLHOOKSTRUCT event{key, 0, flags | (up ? LLKHF_UP : 0), 0, 0};
    bool alt = flags & LLKHF_ALTDOWN;
    WPARAM message = up ? (alt ? WM_SYSKEYUP : WM_KEYUP) : (alt ? WM_SYSKEYDOWN : WM_KEYDOWN);
    desk.hook(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
}

void ReportForeground(HWND window) {
    desk.foreground = window;
    if (desk.foregroundReport)
        desk.foregroundReport(nullptr, EVENT_SYSTEM_FOREGROUND, window, OBJID_WINDOW, CHILDID_SELF, 0, 0);
}

platform::Calls Fakes() {
    platform::Calls fakes = platform::SystemCalls();
    fakes.GetWindowTextA = &Title;
    fakes.GetWindowThreadProcessId = &ProcessOf;
    fakes.OpenProcess = &Open;
    fakes.QueryFullProcessImageNameA = &ProgramFile;
    fakes.CloseHandle = &Close;
    fakes.GetForegroundWindow = &Foreground;
    fakes.SetWindowsHookExA = &Hook;
    fakes.UnhookWindowsHookEx = &Unhook;
    fakes.CallNextHookEx = &PassOn;
    fakes.RegisterHotKey = &Register;
    fakes.UnregisterHotKey = &Unregister;
    fakes.keybd_event = &Inject;
    fakes.GetProcAddress = &Export;
    fakes.SetWinEventHook = &ListenForeground;
    fakes.UnhookWinEvent = &StopListening;
    fakes.IsWindow = &IsLive;
    fakes.RegisterRawInputDevices = &RawDevices;
    fakes.GetRawInputData = &RawData;
    fakes.WTSRegisterSessionNotification = &SessionReports;
    fakes.WTSUnRegisterSessionNotification = &NoSessionReports;
    fakes.OpenProcessToken = &Token;
    fakes.GetTokenInformation = &TokenInformation;
    return fakes;
}

}  // namespace fake_desktop
