// In the framework's core circle: a window control parents controls (Control), tells its
// form (Form) of the focus and hands a handler's fault to the application (Application).
#include "WinControl.h"

#include <algorithm>

#include "Application.h"
#include "Exceptions.h"
#include "Form.h"
#include "HandleCounts.h"
#include "Reader.h"
#include "WindowClass.h"

namespace {
constexpr const char* kObjectProperty = "KitbagControl";

LPCSTR SystemCursor(TCursor cursor) {
    switch (cursor) {
        case crHandPoint: return IDC_HAND;
        case crIBeam: return IDC_IBEAM;
        default: return IDC_ARROW;
    }
}

void RegisterOwnClass(const TCreateParams& params) {
    RegisterWindowClassOnce(params.windowClass.c_str(), &TWinControl::StandardWndProc,
                            params.classStyle, true);
}
}  // namespace

// ---- the window

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        controls_.pop_back();
        child->ParentDestroyed();
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
    }
    DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND window) {
    return window ? static_cast<TWinControl*>(GetPropA(window, kObjectProperty)) : nullptr;
}

HWND TWinControl::Handle() {
    if (!handle_) CreateWnd();
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& params) {
    params.windowClass = "TWinControl";
    params.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Visible()) params.style |= WS_VISIBLE;
    if (!Enabled()) params.style |= WS_DISABLED;
    if (tabStop_) params.style |= WS_TABSTOP;
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
    if (parent_) params.parent = parent_->Handle();
}

void TWinControl::CreateWnd() {
    if (parent_ && !parent_->handle_) {
        parent_->Handle();  // creating the parent creates its children, this one too
        if (handle_) return;
    }
    TCreateParams params;
    CreateParams(params);
    if (handle_) return;
    bool system = !params.systemClass.empty();
    if (!system) RegisterOwnClass(params);
    const std::string& cls = system ? params.systemClass : params.windowClass;
    std::string text = StoredText();
    ControlState |= csCreating;
    HWND window = CreateWindowExA(params.exStyle, cls.c_str(), text.c_str(), params.style,
                                  params.x, params.y, params.width, params.height, params.parent,
                                  nullptr, GetModuleHandleA(nullptr), system ? nullptr : this);
    ControlState &= ~csCreating;
    if (!window)
        throw EInvalidOperation(FormatMessageText("Fenster %s kann nicht erzeugt werden", Name()) +
                                " (" + std::to_string(GetLastError()) + ")");
    if (system) {
        handle_ = window;
        Attach(window);
        defaultProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::StandardWndProc)));
        HandleCounts::Acquired(HandleKind::Window);
    }
    SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    CreateChildHandles();
    HandleCreated();
}

void TWinControl::CreateChildHandles() {
    for (TControl* control : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && !windowed->handle_)
            windowed->CreateWnd();
}

void TWinControl::DestroyHandle() {
    if (!handle_) return;
    StoreText(Text());
    DestroyWindow(handle_);
    handle_ = nullptr;
}

void TWinControl::Attach(HWND window) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // The property marks the window as ours for lookups of any window handle.
    SetPropA(window, kObjectProperty, this);
}

void TWinControl::HandleNcDestroy(TMessage& message) {
    HWND window = handle_;
    DefaultHandler(message);
    RemovePropA(window, kObjectProperty);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (defaultProc_ != &DefWindowProcA)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    handle_ = nullptr;
    captureControl_ = nullptr;
    HandleCounts::Released(HandleKind::Window);
}

// ---- messages

LRESULT CALLBACK TWinControl::StandardWndProc(HWND window, UINT msg, WPARAM wParam,
                                              LPARAM lParam) {
    // Only our windows come here, so their user data can be trusted; it is read without
    // asking the window server, which matters on the hotkey path under Wine.
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!control && msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        control = static_cast<TWinControl*>(create->lpCreateParams);
        if (control) {
            control->handle_ = window;
            control->defaultProc_ = &DefWindowProcA;
            control->Attach(window);
            HandleCounts::Acquired(HandleKind::Window);
        }
    }
    if (!control) return DefWindowProcA(window, msg, wParam, lParam);
    // Once destruction has begun no handler of the object may run (an OnExit while its
    // window goes, say): it only gets the default handling and lets go of its window.
    if (control->ComponentState() & csDestroying) {
        if (msg == WM_NCDESTROY)
            return DispatchGuarded(msg, wParam, lParam,
                                   [control](TMessage& m) { control->HandleNcDestroy(m); });
        return CallWindowProcA(control->defaultProc_, window, msg, wParam, lParam);
    }
    return DispatchGuarded(msg, wParam, lParam, [control](TMessage& m) { control->WndProc(m); });
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!handle_ || IsFrameworkMessage(message.Msg)) return;
    message.Result =
        CallWindowProcA(defaultProc_, handle_, message.Msg, message.WParam, message.LParam);
}

bool TWinControl::HandleReflected(TMessage&) { return false; }

void TWinControl::WndProc(TMessage& message) {
    bool ownClass = defaultProc_ == &DefWindowProcA;
    switch (message.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            if (ownClass) return HandlePaint(message);
            break;
        case WM_ERASEBKGND:
            if (ownClass) return HandleEraseBackground(message);
            break;
        case WM_SETCURSOR: return HandleSetCursor(message);
        case WM_MOUSEMOVE:
            if (!trackingLeave_) {
                // Hear when the mouse leaves, so the control under it can be told.
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
                trackingLeave_ = TrackMouseEvent(&track) != FALSE;
            }
            if (RouteMouseToChild(message)) return;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            if (RouteMouseToChild(message)) return;
            if (message.Msg == WM_LBUTTONDBLCLK && !(ControlStyle & csDoubleClicks))
                message.Msg = WM_LBUTTONDOWN;
            break;
        case WM_CAPTURECHANGED:
            HandleCaptureChanged(message);
            break;
        case WM_SETFOCUS: return HandleFocus(message, true);
        case WM_KILLFOCUS: return HandleFocus(message, false);
        case WM_COMMAND:
            if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(message.LParam))) {
                message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
                return;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(message.LParam))) {
                message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
                return;
            }
            break;
        case CN_CTLCOLOREDIT:
        case CN_CTLCOLORSTATIC:
        case CN_CTLCOLORBTN: {
            if (HandleReflected(message)) return;
            HDC dc = reinterpret_cast<HDC>(message.WParam);
            SetTextColor(dc, ColorToRGB(Font().Color()));
            SetBkColor(dc, ColorToRGB(Color()));
            message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
            return;
        }
        case CN_COMMAND:
            if (HandleReflected(message)) return;
            break;
        case WM_SIZE:
        case WM_MOVE:
            HandleWindowMoved();
            break;
        case WM_NCDESTROY: return HandleNcDestroy(message);
        case CM_DIALOGCHAR:
            // Offered to the children one after the other until one takes it.
            for (TControl* control : std::vector<TControl*>(controls_)) {
                message.Result = control->Perform(message.Msg, message.WParam, message.LParam);
                if (message.Result) return;
            }
            return;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            break;
        case CM_FONTCHANGED:
            if (handle_)
                SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
            NotifyChildren(CM_PARENTFONTCHANGED);
            return;
        case CM_COLORCHANGED:
            NotifyChildren(CM_PARENTCOLORCHANGED);
            Invalidate();
            return;
        default: break;
    }
    TControl::WndProc(message);
}

void TWinControl::NotifyChildren(UINT msg) {
    for (TControl* control : std::vector<TControl*>(controls_)) control->Perform(msg);
}

// ---- painting

HBRUSH TWinControl::BackgroundBrush() {
    if (!backgroundBrush_ || backgroundBrushColor_ != Color()) {
        backgroundBrush_ = SolidBrush(ColorToRGB(Color()));
        backgroundBrushColor_ = Color();
    }
    return backgroundBrush_.Get();
}

void TWinControl::HandleEraseBackground(TMessage& message) {
    // Painting fills the background itself, off screen, so erasing would only flicker.
    if (!doubleBuffered_ && !(ControlStyle & csOpaque)) {
        RECT client;
        GetClientRect(handle_, &client);
        FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
    }
    message.Result = 1;
}

void TWinControl::HandlePaint(TMessage& message) {
    if (message.WParam) {
        RECT client = ClientRect();
        PaintBackgroundAndControls(reinterpret_cast<HDC>(message.WParam), client);
        return;
    }
    PaintDC paint(handle_);
    HDC dc = paint.Get();
    const RECT& r = paint.Area();
    RECT client = ClientRect();
    if (doubleBuffered_ && client.right > 0 && client.bottom > 0) {
        MemoryDC buffer(dc);
        BitmapHandle bitmap{CreateCompatibleBitmap(dc, client.right, client.bottom)};
        SelectedObject selected(buffer.Get(), bitmap.Get());
        PaintBackgroundAndControls(buffer.Get(), r);
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, buffer.Get(), r.left,
               r.top, SRCCOPY);
    } else {
        PaintBackgroundAndControls(dc, r);
    }
}

void TWinControl::PaintBackgroundAndControls(HDC dc, const RECT& area) {
    if (!(ControlStyle & csOpaque)) FillRect(dc, &area, BackgroundBrush());
    PaintWindow(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    for (TControl* control : controls_) {
        if (control->HasWindow() || !control->Visible()) continue;
        RECT bounds = control->BoundsRect(), overlap;
        if (!IntersectRect(&overlap, &bounds, &area)) continue;
        SavedDC saved(dc);
        SetViewportOrgEx(dc, origin.x + bounds.left, origin.y + bounds.top, nullptr);
        IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
        control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

// ---- mouse and capture

void TWinControl::HandleSetCursor(TMessage& message) {
    if (reinterpret_cast<HWND>(message.WParam) == handle_ && LOWORD(message.LParam) == HTCLIENT) {
        POINT at;
        GetCursorPos(&at);
        ::ScreenToClient(handle_, &at);
        TControl* target = captureControl_ ? captureControl_ : ControlAtPos(at, false);
        TCursor cursor = (target ? target : this)->Cursor();
        if (cursor != crDefault) {
            ::SetCursor(LoadCursorA(nullptr, SystemCursor(cursor)));
            message.Result = TRUE;
            return;
        }
    }
    DefaultHandler(message);
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* control = *it;
        if (control->HasWindow() || !control->Visible()) continue;
        if (!allowDisabled && !control->Enabled()) continue;
        RECT bounds = control->BoundsRect();
        if (PtInRect(&bounds, point)) return control;
    }
    return nullptr;
}

bool TWinControl::RouteMouseToChild(TMessage& message) {
    POINT at = MessagePoint(message.LParam);
    TControl* target = captureControl_ ? captureControl_ : ControlAtPos(at, false);
    if (!target) return false;
    TMessage forwarded = message;
    forwarded.LParam = MAKELPARAM(at.x - target->Left(), at.y - target->Top());
    if (forwarded.Msg == WM_LBUTTONDBLCLK && !(target->ControlStyle & csDoubleClicks))
        forwarded.Msg = WM_LBUTTONDOWN;
    target->WndProc(forwarded);
    message.Result = forwarded.Result;
    return true;
}

void TWinControl::SetCaptureControl(TControl* control) {
    captureControl_ = control;
    if (!handle_) return;
    if (control)
        SetCapture(handle_);
    else if (GetCapture() == handle_)
        ReleaseCapture();
}

void TWinControl::SetMouseCapture(bool value) {
    if (!handle_) return;
    if (value)
        SetCapture(handle_);
    else if (GetCapture() == handle_)
        ReleaseCapture();
}

void TWinControl::HandleCaptureChanged(TMessage& message) {
    // Taking the capture again keeps it here (a system control does so on its press).
    if (reinterpret_cast<HWND>(message.LParam) == handle_ || !(ControlState & csLButtonDown))
        return;
    ControlState &= ~(csLButtonDown | csClicked);
    MouseCaptureLost();
}

// ---- focus and tab order

void TWinControl::HandleFocus(TMessage& message, bool gained) {
    DefaultHandler(message);
    if (gained) {
        if (TCustomForm* form = ParentForm(); form && form != this) form->FocusChanged(this);
        DoEnter();
    } else {
        DoExit();
    }
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::SetTabOrder(int value) { tabOrder_ = value; }

void TWinControl::SetTabStop(bool value) {
    if (value == tabStop_) return;
    tabStop_ = value;
    if (handle_) {
        LONG style = GetWindowLongA(handle_, GWL_STYLE);
        SetWindowLongA(handle_, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

bool TWinControl::CanFocus() const {
    for (const TControl* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled()) return false;
    return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
    if (HWND window = Handle()) ::SetFocus(window);
}

void TWinControl::TabList(std::vector<TWinControl*>& list) {
    std::vector<TWinControl*> children;
    for (TControl* control : controls_)
        if (auto* windowed = dynamic_cast<TWinControl*>(control)) children.push_back(windowed);
    std::stable_sort(children.begin(), children.end(), [](TWinControl* a, TWinControl* b) {
        return a->tabOrder_ < b->tabOrder_;
    });
    for (TWinControl* child : children) {
        list.push_back(child);
        child->TabList(list);
    }
}

// ---- children

void TWinControl::InsertControl(TControl* control) {
    controls_.push_back(control);
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && windowed->tabOrder_ < 0) {
        int siblings = 0;
        for (TControl* other : controls_)
            if (other != control && other->HasWindow()) ++siblings;
        windowed->tabOrder_ = siblings;
    }
}

void TWinControl::RemoveControl(TControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (captureControl_ == control) SetCaptureControl(nullptr);
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    if (handle_ && !parent) DestroyHandle();
    TControl::SetParent(parent);
    if (parent_ && parent_->handle_) {
        if (handle_)
            ::SetParent(handle_, parent_->handle_);
        else
            CreateWnd();
    }
}

// ---- bounds, text and repainting

void TWinControl::HandleWindowMoved() {
    if (!handle_) return;
    RECT window;
    GetWindowRect(handle_, &window);
    if (HWND parent = GetParent(handle_); parent && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
    TControl::SetBounds(window.left, window.top, window.right - window.left,
                        window.bottom - window.top);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TWinControl::ClientRect() const {
    RECT client{0, 0, Width(), Height()};
    if (handle_) GetClientRect(handle_, &client);
    return client;
}

POINT TWinControl::ClientOrigin() const {
    if (!handle_) return TControl::ClientOrigin();
    POINT origin{0, 0};
    ::ClientToScreen(handle_, &origin);
    return origin;
}

void TWinControl::SetVisible(bool value) {
    TControl::SetVisible(value);
    if (handle_) ShowWindow(handle_, value ? SW_SHOW : SW_HIDE);
}

void TWinControl::SetEnabled(bool value) {
    if (handle_) EnableWindow(handle_, value);
    TControl::SetEnabled(value);
}

std::string TWinControl::Text() const {
    if (!handle_) return StoredText();
    int length = GetWindowTextLengthA(handle_);
    std::string text(size_t(length) + 1, '\0');
    int copied = GetWindowTextA(handle_, text.data(), length + 1);
    text.resize(size_t(std::max(copied, 0)));
    return text;
}

void TWinControl::SetText(const std::string& text) {
    if (Text() == text) return;
    StoreText(text);
    if (handle_) SetWindowTextA(handle_, text.c_str());
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TWinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::InvalidateArea(const RECT& area, bool erase) {
    if (handle_) InvalidateRect(handle_, &area, erase);
}

void TWinControl::FontChanged() { Perform(CM_FONTCHANGED); }

// ---- description

bool TWinControl::SetProperty(const std::string& name, const TPropValue& value, TReader& reader) {
    if (name == "TabOrder") SetTabOrder(value.AsInteger());
    else if (name == "TabStop") SetTabStop(value.AsBoolean());
    else if (name == "OnEnter") OnEnter = reader.NotifyMethod(value);
    else if (name == "OnExit") OnExit = reader.NotifyMethod(value);
    else return TControl::SetProperty(name, value, reader);
    return true;
}
