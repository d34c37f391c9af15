// The Windows calls the program makes on behalf of its logic, one forwarder per call,
// with the system's own name and arguments. The active table can be swapped by a test
// (ScopedOverride) to record or fake calls without touching the real desktop.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <wtsapi32.h>

namespace platform {

// X(return type, name, parameter list, argument list), grouped by purpose.
#define KITBAG_CALLS_HOTKEYS(X)                                                            \
    X(BOOL, RegisterHotKey, (HWND hWnd, int id, UINT fsModifiers, UINT vk), (hWnd, id, fsModifiers, vk)) \
    X(BOOL, UnregisterHotKey, (HWND hWnd, int id), (hWnd, id))

#define KITBAG_CALLS_SYNTHESISED_KEYS(X)                                                   \
    X(VOID, keybd_event, (BYTE bVk, BYTE bScan, DWORD dwFlags, ULONG_PTR dwExtraInfo),     \
      (bVk, bScan, dwFlags, dwExtraInfo))

#define KITBAG_CALLS_WINDOW_SHAPE(X)                                                       \
    X(HRGN, CreateRoundRectRgn, (int x1, int y1, int x2, int y2, int w, int h),            \
      (x1, y1, x2, y2, w, h))                                                              \
    X(int, SetWindowRgn, (HWND hWnd, HRGN hRgn, BOOL bRedraw), (hWnd, hRgn, bRedraw))

// The settings window's key edits: the hidden caret and the beep for a refused key.
#define KITBAG_CALLS_CARET(X)                                                              \
    X(BOOL, HideCaret, (HWND hWnd), (hWnd))                                                \
    X(BOOL, MessageBeep, (UINT uType), (uType))

// Text pasted into a key edit, read to take its first character as a typed key.
#define KITBAG_CALLS_CLIPBOARD(X)                                                          \
    X(BOOL, OpenClipboard, (HWND hWndNewOwner), (hWndNewOwner))                            \
    X(HANDLE, GetClipboardData, (UINT uFormat), (uFormat))                                 \
    X(BOOL, CloseClipboard, (), ())                                                        \
    X(LPVOID, GlobalLock, (HGLOBAL hMem), (hMem))                                          \
    X(BOOL, GlobalUnlock, (HGLOBAL hMem), (hMem))                                          \
    X(SIZE_T, GlobalSize, (HGLOBAL hMem), (hMem))

#define KITBAG_CALLS_WINDOW_PROCEDURE_HOOKS(X)                                             \
    X(LONG_PTR, GetWindowLongPtrA, (HWND hWnd, int nIndex), (hWnd, nIndex))                \
    X(LONG_PTR, SetWindowLongPtrA, (HWND hWnd, int nIndex, LONG_PTR dwNewLong),            \
      (hWnd, nIndex, dwNewLong))                                                           \
    X(LRESULT, CallWindowProcA, (WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, \
                                 LPARAM lParam),                                           \
      (lpPrevWndFunc, hWnd, Msg, wParam, lParam))

#define KITBAG_CALLS_NOTIFICATION_AREA(X)                                                  \
    X(UINT, RegisterWindowMessageA, (LPCSTR lpString), (lpString))

#define KITBAG_CALLS_WINDOW_AND_FOCUS(X)                                                   \
    X(BOOL, SetForegroundWindow, (HWND hWnd), (hWnd))                                      \
    X(BOOL, PostMessageA, (HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam),             \
      (hWnd, Msg, wParam, lParam))                                                         \
    X(BOOL, IsWindowVisible, (HWND hWnd), (hWnd))                                          \
    X(BOOL, ShowWindow, (HWND hWnd, int nCmdShow), (hWnd, nCmdShow))                       \
    X(HWND, GetActiveWindow, (), ())                                                       \
    X(LRESULT, DefWindowProcA, (HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam),        \
      (hWnd, Msg, wParam, lParam))

#define KITBAG_CALLS_TIMERS(X)                                                             \
    X(UINT_PTR, SetTimer, (HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc), \
      (hWnd, nIDEvent, uElapse, lpTimerFunc))                                              \
    X(BOOL, KillTimer, (HWND hWnd, UINT_PTR uIDEvent), (hWnd, uIDEvent))

#define KITBAG_CALLS_INPUT_STATE(X)                                                        \
    X(BOOL, GetCursorPos, (LPPOINT lpPoint), (lpPoint))                                    \
    X(SHORT, GetAsyncKeyState, (int vKey), (vKey))                                         \
    X(UINT, GetDoubleClickTime, (), ())

#define KITBAG_CALLS_DRAWING(X)                                                            \
    X(HDC, BeginPaint, (HWND hWnd, LPPAINTSTRUCT lpPaint), (hWnd, lpPaint))                \
    X(BOOL, EndPaint, (HWND hWnd, const PAINTSTRUCT* lpPaint), (hWnd, lpPaint))            \
    X(HDC, GetWindowDC, (HWND hWnd), (hWnd))                                               \
    X(HDC, GetDC, (HWND hWnd), (hWnd))                                                     \
    X(int, ReleaseDC, (HWND hWnd, HDC hDC), (hWnd, hDC))                                   \
    X(BOOL, GetWindowRect, (HWND hWnd, LPRECT lpRect), (hWnd, lpRect))                     \
    X(BOOL, OffsetRect, (LPRECT lprc, int dx, int dy), (lprc, dx, dy))                     \
    X(BOOL, InflateRect, (LPRECT lprc, int dx, int dy), (lprc, dx, dy))                    \
    X(int, FrameRect, (HDC hDC, const RECT* lprc, HBRUSH hbr), (hDC, lprc, hbr))           \
    X(BOOL, PtInRect, (const RECT* lprc, POINT pt), (lprc, pt))                            \
    X(int, DrawTextA, (HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format),   \
      (hdc, lpchText, cchText, lprc, format))                                              \
    X(HBRUSH, CreateSolidBrush, (COLORREF color), (color))                                 \
    X(BOOL, DeleteObject, (HGDIOBJ ho), (ho))                                              \
    X(HGDIOBJ, SelectObject, (HDC hdc, HGDIOBJ h), (hdc, h))                               \
    X(BOOL, GetTextMetricsA, (HDC hdc, LPTEXTMETRICA lptm), (hdc, lptm))                   \
    X(int, SaveDC, (HDC hdc), (hdc))                                                       \
    X(BOOL, RestoreDC, (HDC hdc, int nSavedDC), (hdc, nSavedDC))                           \
    X(BOOL, GetViewportOrgEx, (HDC hdc, LPPOINT lppt), (hdc, lppt))                        \
    X(BOOL, SetViewportOrgEx, (HDC hdc, int x, int y, LPPOINT lppt), (hdc, x, y, lppt))    \
    X(int, IntersectClipRect, (HDC hdc, int left, int top, int right, int bottom),         \
      (hdc, left, top, right, bottom))                                                     \
    X(BOOL, BitBlt, (HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1,    \
                     DWORD rop),                                                           \
      (hdc, x, y, cx, cy, hdcSrc, x1, y1, rop))                                            \
    X(COLORREF, SetTextColor, (HDC hdc, COLORREF color), (hdc, color))                     \
    X(COLORREF, SetBkColor, (HDC hdc, COLORREF color), (hdc, color))

#define KITBAG_CALLS_VERSION_INFORMATION(X)                                                \
    X(DWORD, GetFileVersionInfoSizeA, (LPCSTR lptstrFilename, LPDWORD lpdwHandle),         \
      (lptstrFilename, lpdwHandle))                                                        \
    X(BOOL, GetFileVersionInfoA, (LPCSTR lptstrFilename, DWORD dwHandle, DWORD dwLen,      \
                                  LPVOID lpData),                                          \
      (lptstrFilename, dwHandle, dwLen, lpData))                                           \
    X(BOOL, VerQueryValueA, (LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer,        \
                             PUINT puLen),                                                 \
      (pBlock, lpSubBlock, lplpBuffer, puLen))

// Which window is in front and whose program it is: the game test.
#define KITBAG_CALLS_GAME_WINDOW(X)                                                        \
    X(HWND, GetForegroundWindow, (), ())                                                   \
    X(int, GetWindowTextA, (HWND hWnd, LPSTR lpString, int nMaxCount), (hWnd, lpString, nMaxCount)) \
    X(DWORD, GetWindowThreadProcessId, (HWND hWnd, LPDWORD lpdwProcessId), (hWnd, lpdwProcessId)) \
    X(HANDLE, OpenProcess, (DWORD dwDesiredAccess, BOOL bInheritHandle, DWORD dwProcessId), \
      (dwDesiredAccess, bInheritHandle, dwProcessId))                                      \
    X(BOOL, QueryFullProcessImageNameA, (HANDLE hProcess, DWORD dwFlags, LPSTR lpExeName,  \
                                         PDWORD lpdwSize),                                 \
      (hProcess, dwFlags, lpExeName, lpdwSize))                                            \
    X(BOOL, CloseHandle, (HANDLE hObject), (hObject))

// Whether a program runs with more rights than Kitbag: Windows then drops our keys to it.
#define KITBAG_CALLS_PROCESS_RIGHTS(X)                                                     \
    X(HWND, FindWindowA, (LPCSTR lpClassName, LPCSTR lpWindowName), (lpClassName, lpWindowName)) \
    X(HANDLE, GetCurrentProcess, (), ())                                                   \
    X(BOOL, OpenProcessToken, (HANDLE ProcessHandle, DWORD DesiredAccess, PHANDLE TokenHandle), \
      (ProcessHandle, DesiredAccess, TokenHandle))                                         \
    X(BOOL, GetTokenInformation, (HANDLE TokenHandle, TOKEN_INFORMATION_CLASS TokenInformationClass, \
                                  LPVOID TokenInformation, DWORD TokenInformationLength,   \
                                  PDWORD ReturnLength),                                    \
      (TokenHandle, TokenInformationClass, TokenInformation, TokenInformationLength, ReturnLength))

// The low-level keyboard hook that watches the keys for the game-aware options.
#define KITBAG_CALLS_KEYBOARD_HOOK(X)                                                      \
    X(HHOOK, SetWindowsHookExA, (int idHook, HOOKPROC lpfn, HINSTANCE hmod, DWORD dwThreadId), \
      (idHook, lpfn, hmod, dwThreadId))                                                    \
    X(BOOL, UnhookWindowsHookEx, (HHOOK hhk), (hhk))                                       \
    X(LRESULT, CallNextHookEx, (HHOOK hhk, int nCode, WPARAM wParam, LPARAM lParam),       \
      (hhk, nCode, wParam, lParam))                                                        \
    X(HMODULE, GetModuleHandleA, (LPCSTR lpModuleName), (lpModuleName))

// Where Windows tells more than Wine: the window in front as it changes, every key through
// raw input (to notice a hook that Windows removed), and the session's lock and unlock.
#define KITBAG_CALLS_SYSTEM_REPORTS(X)                                                     \
    X(FARPROC, GetProcAddress, (HMODULE hModule, LPCSTR lpProcName), (hModule, lpProcName)) \
    X(HWINEVENTHOOK, SetWinEventHook, (DWORD eventMin, DWORD eventMax, HMODULE hmodWinEventProc, \
                                       WINEVENTPROC pfnWinEventProc, DWORD idProcess,     \
                                       DWORD idThread, DWORD dwFlags),                    \
      (eventMin, eventMax, hmodWinEventProc, pfnWinEventProc, idProcess, idThread, dwFlags)) \
    X(BOOL, UnhookWinEvent, (HWINEVENTHOOK hWinEventHook), (hWinEventHook))                \
    X(BOOL, IsWindow, (HWND hWnd), (hWnd))                                                 \
    X(BOOL, RegisterRawInputDevices, (PCRAWINPUTDEVICE pRawInputDevices, UINT uiNumDevices, \
                                      UINT cbSize),                                       \
      (pRawInputDevices, uiNumDevices, cbSize))                                            \
    X(UINT, GetRawInputData, (HRAWINPUT hRawInput, UINT uiCommand, LPVOID pData,           \
                              PUINT pcbSize, UINT cbSizeHeader),                           \
      (hRawInput, uiCommand, pData, pcbSize, cbSizeHeader))

// The value under the user's Run key that starts Kitbag with Windows.
#define KITBAG_CALLS_REGISTRY(X)                                                           \
    X(LSTATUS, RegGetValueW, (HKEY hkey, LPCWSTR lpSubKey, LPCWSTR lpValue, DWORD dwFlags, \
                              LPDWORD pdwType, PVOID pvData, LPDWORD pcbData),             \
      (hkey, lpSubKey, lpValue, dwFlags, pdwType, pvData, pcbData))                        \
    X(LSTATUS, RegSetKeyValueW, (HKEY hKey, LPCWSTR lpSubKey, LPCWSTR lpValueName,         \
                                 DWORD dwType, LPCVOID lpData, DWORD cbData),              \
      (hKey, lpSubKey, lpValueName, dwType, lpData, cbData))                               \
    X(LSTATUS, RegDeleteKeyValueW, (HKEY hKey, LPCWSTR lpSubKey, LPCWSTR lpValueName),     \
      (hKey, lpSubKey, lpValueName))

// Calls into libraries the main window does not need: the tray icon's, and the session
// reports'. The system's table loads each library at its first call (once the main window
// is on screen), so a start does not wait for it; a library that cannot be loaded makes
// its calls fail.
#define KITBAG_CALLS_LOADED_AT_FIRST_CALL(X)                                               \
    X(BOOL, Shell_NotifyIconA, (DWORD dwMessage, PNOTIFYICONDATAA lpData), (dwMessage, lpData)) \
    X(BOOL, WTSRegisterSessionNotification, (HWND hWnd, DWORD dwFlags), (hWnd, dwFlags))   \
    X(BOOL, WTSUnRegisterSessionNotification, (HWND hWnd), (hWnd))

// The calls into libraries the program imports.
#define KITBAG_CALLS_LOADED_AT_START(X)                                                    \
    KITBAG_CALLS_HOTKEYS(X)                                                                \
    KITBAG_CALLS_SYNTHESISED_KEYS(X)                                                       \
    KITBAG_CALLS_WINDOW_SHAPE(X)                                                           \
    KITBAG_CALLS_CARET(X)                                                                  \
    KITBAG_CALLS_CLIPBOARD(X)                                                              \
    KITBAG_CALLS_WINDOW_PROCEDURE_HOOKS(X)                                                 \
    KITBAG_CALLS_NOTIFICATION_AREA(X)                                                      \
    KITBAG_CALLS_WINDOW_AND_FOCUS(X)                                                       \
    KITBAG_CALLS_TIMERS(X)                                                                 \
    KITBAG_CALLS_INPUT_STATE(X)                                                            \
    KITBAG_CALLS_DRAWING(X)                                                                \
    KITBAG_CALLS_VERSION_INFORMATION(X)                                                    \
    KITBAG_CALLS_GAME_WINDOW(X)                                                            \
    KITBAG_CALLS_PROCESS_RIGHTS(X)                                                         \
    KITBAG_CALLS_KEYBOARD_HOOK(X)                                                          \
    KITBAG_CALLS_SYSTEM_REPORTS(X)                                                         \
    KITBAG_CALLS_REGISTRY(X)

// Every call, in the order of the system's table.
#define KITBAG_PLATFORM_CALLS(X)                                                           \
    KITBAG_CALLS_LOADED_AT_START(X)                                                        \
    KITBAG_CALLS_LOADED_AT_FIRST_CALL(X)

// One pointer per call; the system's table points at the real functions.
struct Calls {
#define KITBAG_DECLARE_POINTER(ret, name, params, args) ret(WINAPI* name) params;
    KITBAG_PLATFORM_CALLS(KITBAG_DECLARE_POINTER)
#undef KITBAG_DECLARE_POINTER
};

const Calls& SystemCalls();
const Calls& Active();

// Replaces the active table for its lifetime; restores the previous one after.
class ScopedOverride {
public:
    explicit ScopedOverride(const Calls& replacement);
    ~ScopedOverride();
    ScopedOverride(const ScopedOverride&) = delete;
    ScopedOverride& operator=(const ScopedOverride&) = delete;

private:
    const Calls* previous_;
};

#define KITBAG_FORWARD(ret, name, params, args)                                            \
    inline ret name params { return Active().name args; }
KITBAG_PLATFORM_CALLS(KITBAG_FORWARD)
#undef KITBAG_FORWARD

}  // namespace platform
