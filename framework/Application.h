// The application object: the application window that carries the taskbar entry, the
// forms it owns, the message loop and the reporting of errors that escape a handler.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "Component.h"
#include "Messages.h"

class TControl;
class TCustomForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Creates the application window.
    void Initialize();
    // Creates a form owned by the application; the first one becomes the main form.
    template <class T>
    void CreateForm(T*& reference) {
        T* form = new T(this);
        reference = form;
        if (!mainForm_) mainForm_ = form;
    }
    // Shows the main form and runs the message loop until Terminate, then destroys the
    // forms.
    void Run();
    // Shows the main form now and puts it on the screen painted, before the loop runs;
    // Run then leaves it as it is.
    void ShowMainFormNow();
    // The same for a start whose first window is another form: it shows in the main
    // form's place, and the main form stays hidden until something shows it.
    void ShowFirstFormNow(TCustomForm& form);
    void Terminate();
    bool Terminated() const { return terminated_; }
    void Minimize();
    void Restore();
    void ProcessMessages();
    // Waits for and handles one message.
    void HandleMessage();

    HWND Handle() const { return handle_; }
    TCustomForm* MainForm() const { return mainForm_; }
    // False for a start that shows no window, nor the taskbar button.
    bool ShowMainForm = true;
    std::string Title = "Kitbag";

    // A hook sees every message of the application window before the application does;
    // it answers true when it has handled the message.
    using THook = std::function<bool(TMessage&)>;
    int HookMainWindow(THook hook);
    void UnhookMainWindow(int id);

    void ShowException(const std::string& message);
    // When set, told of an error instead of the message box.
    std::function<void(const std::string& message)> OnException;
    // Reports the exception being handled; for catch blocks at every callback boundary.
    static void ShowCurrentException();

    void Notification(TComponent* component) override;
    // The control under the mouse, told of the mouse entering and leaving it.
    TControl* MouseControl() const { return mouseControl_; }
    void ControlDestroyed(TControl* control);

private:
    static LRESULT CALLBACK AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void WndProc(TMessage& message);
    bool IsTabKey(const MSG& msg);
    bool IsDialogChar(const MSG& msg);
    void UpdateMouseControl();
    void ProcessMessage(MSG& msg);

    HWND handle_ = nullptr;
    TCustomForm* mainForm_ = nullptr;
    TControl* mouseControl_ = nullptr;
    bool terminated_ = false;
    bool firstFormShown_ = false;
    std::vector<std::pair<int, THook>> hooks_;
    int nextHookId_ = 1;
};

extern TApplication* Application;

// Hands a Win32 callback's message to a handler as a message record and answers its
// result; an exception never crosses back into the system, it is shown instead.
template <class Handler>
LRESULT DispatchGuarded(UINT msg, WPARAM wParam, LPARAM lParam, Handler&& handler) {
    TMessage message{msg, wParam, lParam, 0};
    try {
        handler(message);
    } catch (...) {
        TApplication::ShowCurrentException();
    }
    return message.Result;
}
