#include "UtilityWindow.h"

#include "Application.h"
#include "Exceptions.h"
#include "HandleCounts.h"
#include "WindowClass.h"

namespace {
constexpr const char* kClassName = "TUtilityWindow";
}

UtilityWindow::UtilityWindow(THandler handler) : handler_(std::move(handler)) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterWindowClassOnce(kClassName, &WindowProc);
    handle_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                              nullptr);
    if (!handle_) throw EInvalidOperation("Hilfsfenster kann nicht erzeugt werden");
    HandleCounts::Acquired(HandleKind::Window);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

UtilityWindow::~UtilityWindow() {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
    HandleCounts::Released(HandleKind::Window);
}

LRESULT CALLBACK UtilityWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<UtilityWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, msg, wParam, lParam);
    return DispatchGuarded(msg, wParam, lParam, self->handler_);
}
