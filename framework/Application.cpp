// In the framework's core circle: the application runs the forms (Form) and steers the
// keyboard among the window controls (WinControl) it finds under a window (Screen).
#include "Application.h"

#include "Exceptions.h"
#include "Form.h"
#include "HandleCounts.h"
#include "Menus.h"
#include "Screen.h"
#include "ShiftState.h"
#include "TextConversion.h"
#include "WindowClass.h"

TApplication* Application = nullptr;

namespace {
constexpr const char* kWindowClass = "TApplication";
}

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
}

TApplication::~TApplication() {
    DestroyComponents();
    if (handle_) {
        SetPopupMenuOwner(nullptr);
        DestroyWindow(handle_);
        handle_ = nullptr;
        HandleCounts::Released(HandleKind::Window);
    }
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    if (handle_) return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClassOnce(kWindowClass, &AppWndProc, 0, true);
    // Zero size: it carries the taskbar entry and is never seen.
    int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
    handle_ = CreateWindowExA(0, kWindowClass, Title.c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              x, y, 0, 0, nullptr, nullptr, instance, this);
    if (!handle_) throw EInvalidOperation("Anwendungsfenster kann nicht erzeugt werden");
    HandleCounts::Acquired(HandleKind::Window);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetPopupMenuOwner(handle_);
}

LRESULT CALLBACK TApplication::AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, msg, wParam, lParam);
    return DispatchGuarded(msg, wParam, lParam, [self](TMessage& m) { self->WndProc(m); });
}

void TApplication::WndProc(TMessage& message) {
    // However the application window gets minimised (by us, the taskbar or, under Wine,
    // the window manager), its forms go with it, as Windows does on its own.
    if (message.Msg == WM_SIZE && message.WParam == SIZE_MINIMIZED) ShowOwnedPopups(handle_, FALSE);
    // Hooks may unhook themselves while they run, so walk over a copy.
    auto hooks = hooks_;
    for (auto& [id, hook] : hooks)
        if (hook(message)) return;
    switch (message.Msg) {
        case WM_CLOSE:
            if (mainForm_) mainForm_->Close();
            return;
        case WM_SYSCOMMAND:
            switch (message.WParam & 0xFFF0) {
                case SC_MINIMIZE: Minimize(); return;
                case SC_RESTORE: Restore(); return;
                default: break;
            }
            break;
        case WM_ENDSESSION:
            if (message.WParam) Terminate();
            return;
        default: break;
    }
    message.Result = DefWindowProcA(handle_, message.Msg, message.WParam, message.LParam);
}

int TApplication::HookMainWindow(THook hook) {
    int id = nextHookId_++;
    hooks_.emplace_back(id, std::move(hook));
    return id;
}

void TApplication::UnhookMainWindow(int id) {
    std::erase_if(hooks_, [id](const auto& entry) { return entry.first == id; });
}

void TApplication::ShowMainFormNow() {
    if (mainForm_) ShowFirstFormNow(*mainForm_);
}

void TApplication::ShowFirstFormNow(TCustomForm& form) {
    // A program that starts in the tray shows no bare taskbar button either.
    if (!handle_ || !ShowMainForm || firstFormShown_) return;
    firstFormShown_ = true;
    form.Show();
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Wine copies a painted window to the display only when its thread looks for a
    // message and finds none; this asks for one that is never posted. Nothing is
    // dispatched: posted messages and timers wait for the loop.
    MSG none;
    PeekMessageA(&none, form.Handle(), WM_NULL, WM_NULL, PM_NOREMOVE);
    // The taskbar button after the window: the player sees the window first.
    ShowWindow(handle_, SW_SHOWNOACTIVATE);
}

void TApplication::Run() {
    if (!handle_) Initialize();
    if (mainForm_) {
        ShowMainFormNow();
        while (!terminated_) HandleMessage();
    }
    DestroyComponents();
}

void TApplication::HandleMessage() {
    MSG msg;
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
        terminated_ = true;
        return;
    }
    ProcessMessage(msg);
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(int(msg.wParam));  // the main loop must see it too
            return;
        }
        ProcessMessage(msg);
    }
}

bool TApplication::IsTabKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB) return false;
    TShiftState shift = KeyboardShiftState();
    if (shift & (ssCtrl | ssAlt)) return false;
    TWinControl* control = FindOwningControl(msg.hwnd);
    if (!control) return false;
    TCustomForm* form = control->ParentForm();
    if (!form) return false;
    TWinControl* focused = TWinControl::FromHandle(GetFocus());
    form->SelectNext(focused, !(shift & ssShift));
    return true;
}

void TApplication::ProcessMessage(MSG& msg) {
    try {
        if (IsTabKey(msg) || IsDialogChar(msg)) return;
    } catch (...) {
        ShowCurrentException();
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    bool mouse = (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                 msg.message == WM_MOUSELEAVE || msg.message == WM_NCMOUSEMOVE;
    if (!mouse) return;
    try {
        UpdateMouseControl();
    } catch (...) {
        ShowCurrentException();
    }
}

// A character the focused control does not take, or Alt with a character, is offered
// to the controls of its form, which may use it as an accelerator. The form is the one
// the key was typed into: the focus may have moved on before the character is read.
bool TApplication::IsDialogChar(const MSG& msg) {
    bool plain = msg.message == WM_CHAR;
    bool withAlt = msg.message == WM_SYSCHAR && msg.wParam != ' ';
    if (!plain && !withAlt) return false;
    if (plain && (SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, 0) & DLGC_WANTCHARS))
        return false;
    TWinControl* typedInto = FindOwningControl(msg.hwnd);
    TCustomForm* form = typedInto ? typedInto->ParentForm() : nullptr;
    if (!form) return false;
    return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
}

void TApplication::UpdateMouseControl() {
    POINT at;
    GetCursorPos(&at);
    TControl* now = FindDragTarget(at, true);
    if (now == mouseControl_) return;
    TControl* before = mouseControl_;
    mouseControl_ = now;
    if (before) before->Perform(CM_MOUSELEAVE);
    if (now && now == mouseControl_) now->Perform(CM_MOUSEENTER);
}

void TApplication::ControlDestroyed(TControl* control) {
    if (mouseControl_ == control) mouseControl_ = nullptr;
}

void TApplication::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    PostQuitMessage(0);
}

// The forms are owned by the application window, so they go and come back with it.
// Windows hides owned windows on its own; Wine does not, so ask for it explicitly.
void TApplication::Minimize() {
    if (!handle_) return;
    if (!IsIconic(handle_)) ShowWindow(handle_, SW_MINIMIZE);
    // Also when already minimised: a form shown since then must go as well.
    ShowOwnedPopups(handle_, FALSE);
}

void TApplication::Restore() {
    if (!handle_ || !IsIconic(handle_)) return;
    ShowWindow(handle_, SW_RESTORE);
    ShowOwnedPopups(handle_, TRUE);
}

void TApplication::Notification(TComponent* component) {
    if (component == mainForm_) mainForm_ = nullptr;
}

void TApplication::ShowException(const std::string& message) {
    if (OnException) return OnException(message);
    std::wstring text = Utf8ToWide(message), title = Utf8ToWide(Title);
    HWND owner = GetActiveWindow();
    MessageBoxW(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void TApplication::ShowCurrentException() {
    std::string text;
    try {
        throw;
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        text = "Unbekannter Fehler";
    }
    if (Application) Application->ShowException(text);
}
