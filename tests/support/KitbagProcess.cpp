#include "KitbagProcess.h"

#include <stdexcept>
#include <vector>

#include "MenuOnScreen.h"
#include "ProcessWindow.h"

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
    // A file copied a moment ago may still be held by the copy on a busy machine.
    bool started = false;
    for (int attempt = 0; attempt < 5 && !started; ++attempt) {
        if (attempt) Sleep(200);
        started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, elsewhere, &startup, &process_);
    }
    if (!started)
        throw std::runtime_error("cannot start kitbag.exe (" + std::to_string(GetLastError()) + ")");
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
    return ProcessWindow(process_.dwProcessId, className);
}

bool KitbagProcess::AnyWindowVisible() const {
    struct Search {
        DWORD process;
        bool visible;
    } search{process_.dwProcessId, false};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && IsWindowVisible(window)) s->visible = true;
            return !s->visible;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.visible;
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

std::string KitbagProcess::LineBuffer() const {
    HWND memo = ControlAt(L"TForm3", 8, 64);
    return memo ? ControlText(memo) : std::string();
}

bool KitbagProcess::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD KitbagProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

namespace {
INPUT MouseInput(POINT at, DWORD flags) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG(at.x * 65535 / (width - 1));
    input.mi.dy = LONG(at.y * 65535 / (height - 1));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

bool PointerAt(POINT at) {
    POINT cursor;
    GetCursorPos(&cursor);
    return cursor.x == at.x && cursor.y == at.y;
}
}  // namespace

bool MovePointerTo(POINT screen) {
    INPUT move = MouseInput(screen, MOUSEEVENTF_MOVE);
    SendInput(1, &move, sizeof(INPUT));
    // The display echoes each move back; until then the pointer is still where it was.
    return WaitFor([&] { return PointerAt(screen); }, 5000);
}

void ClickAt(HWND window, int x, int y, bool right) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    // A window just shown may not be on screen yet; the click must land on it.
    WaitFor([&] {
        HWND under = WindowFromPoint(at);
        return under == window || IsChild(window, under);
    }, 5000);
    // The pointer must have arrived before the button goes down, or the press may land
    // where the pointer was.
    MovePointerTo(at);
    INPUT buttons[2] = {MouseInput(at, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
                        MouseInput(at, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP)};
    SendInput(2, buttons, sizeof(INPUT));
    WaitFor([&] { return PointerAt(at); }, 5000);
}

std::string ControlText(HWND control) {
    LRESULT length = SendMessageA(control, WM_GETTEXTLENGTH, 0, 0);
    std::string text(size_t(length) + 1, '\0');
    LRESULT copied = SendMessageA(control, WM_GETTEXT, WPARAM(length + 1),
                                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(size_t(copied));
    return text;
}

bool ClickUntil(HWND window, int x, int y, const std::function<bool()>& effect) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        ClickAt(window, x, y);
        if (WaitFor(effect, 7000)) return true;
    }
    return false;
}

HWND TrayIcon() {
    HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    return tray ? FindWindowExW(tray, nullptr, L"__winex11_tray_icon", nullptr) : nullptr;
}

int TrayIconCount() {
    HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
    int count = 0;
    for (HWND icon = nullptr; tray && (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));)
        ++count;
    return count;
}

namespace {
DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// Right-clicks the tray icon until its menu is on screen, at most four times, as
// ClickUntil does; answers the menu's window. A second click on the same spot within the
// double-click time would arrive as a double-click, which opens no menu; a player's next
// click comes later.
HWND OpenTrayMenu() {
    static DWORD lastClickAt = GetTickCount() - GetDoubleClickTime() - 1;
    // A menu that an earlier click opened late is the one wanted: another click on the
    // icon would land on the menu.
    HWND menu = VisibleMenuWindow();
    for (int attempt = 0; attempt < 4 && !menu; ++attempt) {
        HWND icon = TrayIcon();
        if (!icon) return nullptr;
        RECT rect;
        GetClientRect(icon, &rect);
        WaitFor([] { return GetTickCount() - lastClickAt > GetDoubleClickTime(); });
        ClickAt(icon, rect.right / 2, rect.bottom / 2, true);
        lastClickAt = GetTickCount();
        // A click lost while Wine's tray is still settling is clicked again soon; each
        // later click waits longer, for a machine that is merely slow to show the menu.
        WaitFor([&] { return (menu = VisibleMenuWindow()) != nullptr; }, 2500 * DWORD(attempt + 1));
    }
    return menu;
}

// Presses keys for the open menu as a player would; answers whether the menu closed.
// Keys go to the program in front. The click that opened the menu can put the tray's own
// window in front after the menu is up; the menu's program is put back in front first.
bool PressKeysForMenu(HWND menu, const std::vector<WORD>& keys) {
    const DWORD process = ProcessOf(menu);
    if (!WaitFor([&] { return ProcessOf(GetForegroundWindow()) == process; }, 1000))
        SetForegroundWindow(GetWindow(menu, GW_OWNER));
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    return WaitFor([] { return VisibleMenuWindow() == nullptr; }, 10000);
}
}  // namespace

bool ChooseTrayMenuItem(int index) {
    std::vector<WORD> keys(size_t(index + 1), VK_DOWN);
    keys.push_back(VK_RETURN);
    // A menu still open after the keys did not get them: it is left with Esc and the
    // item chosen again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        HWND menu = OpenTrayMenu();
        if (!menu) return false;
        if (PressKeysForMenu(menu, keys)) return true;
        if (VisibleMenuWindow() == menu) PressKeysForMenu(menu, {VK_ESCAPE});
    }
    return false;
}

std::string TrayMenuOutline() {
    HWND menu = OpenTrayMenu();
    if (!menu) return {};
    // Read until the look has held for a while: on a busy machine the menu may still be
    // painting, or not have painted yet over what lay beneath it.
    std::string outline;
    DWORD heldSince = GetTickCount();
    WaitFor([&] {
        std::string look = MenuOutlineOnScreen(menu);
        if (look != outline) {
            outline = look;
            heldSince = GetTickCount();
        }
        return !outline.empty() && GetTickCount() - heldSince >= 400;
    });
    PressKeysForMenu(menu, {VK_ESCAPE});
    return outline;
}
