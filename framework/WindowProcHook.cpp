#include "WindowProcHook.h"

#include <memory>

#include "MethodThunk.h"
#include "Platform.h"

// The thunk in the window's chain and the procedure it passes on to. It outlives its
// hook while the window may still call it, and then frees itself.
class WindowProcHook::Link {
public:
    Link(HWND window, THandler handler)
        : window_(window),
          handler_(std::move(handler)),
          thunk_([this](TMessage& message) { Dispatch(message); }) {}
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    void Install() {
        saved_ = reinterpret_cast<WNDPROC>(platform::SetWindowLongPtrA(
            window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk_.Procedure())));
        inChain_ = saved_ != nullptr;  // no window procedure is null: null means refused
    }

    // The hook lets go: the handler never runs again. The saved procedure goes back only
    // while the thunk is on top; below a later hook the thunk stays until the window goes.
    void Release() {
        released_ = true;
        if (inChain_ && !IsWindow(window_)) inChain_ = false;
        if (inChain_ && platform::GetWindowLongPtrA(window_, GWLP_WNDPROC) ==
                            reinterpret_cast<LONG_PTR>(thunk_.Procedure())) {
            platform::SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved_));
            inChain_ = false;
        }
        FreeWhenDone();
    }

    void PassOn(TMessage& message) const {
        message.Result = platform::CallWindowProcA(saved_, window_, message.Msg, message.WParam,
                                                   message.LParam);
    }

    HWND Window() const { return window_; }
    WNDPROC SavedProc() const { return saved_; }

private:
    void Dispatch(TMessage& message) {
        UINT msg = message.Msg;
        ++depth_;
        try {
            if (released_ || !handler_)
                PassOn(message);
            else
                handler_(message);
        } catch (...) {
            Leave(msg);
            throw;
        }
        Leave(msg);
    }

    void Leave(UINT msg) {
        --depth_;
        if (msg == WM_NCDESTROY) inChain_ = false;  // the window's last message
        FreeWhenDone();
    }

    // Freeing from inside the window's own message is safe: the thunk jumped into its
    // entry, so no freed code is returned to, and nothing of the link is used after.
    void FreeWhenDone() {
        if (released_ && !inChain_ && depth_ == 0) delete this;
    }

    HWND window_;
    THandler handler_;
    WNDPROC saved_ = nullptr;
    int depth_ = 0;          // messages of the window being handled right now
    bool inChain_ = false;   // the window may still call the thunk
    bool released_ = false;  // the hook let go
    MethodThunk thunk_;
};

WindowProcHook::WindowProcHook(HWND window, THandler handler) {
    auto link = std::make_unique<Link>(window, std::move(handler));
    link->Install();
    link_ = link.release();
}

WindowProcHook::~WindowProcHook() { link_->Release(); }

void WindowProcHook::PassOn(TMessage& message) const { link_->PassOn(message); }

HWND WindowProcHook::Window() const { return link_->Window(); }

WNDPROC WindowProcHook::SavedProc() const { return link_->SavedProc(); }
