// Window procedure hooks stacked on one window and unhooked in either order.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "UtilityWindow.h"
#include "WindowProcHook.h"

namespace {

constexpr UINT kProbe = WM_APP + 1;

// Logs its name for each probe and passes every message on. Its handler holds a copy of
// the token, so the test sees when the handler itself has been freed.
struct NamedHook {
    NamedHook(HWND window, std::string name, std::string& log)
        : hook(window, [this, name, &log, held = token](TMessage& message) {
              if (message.Msg == kProbe) log += name + " ";
              hook.PassOn(message);
          }) {}
    std::shared_ptr<int> token = std::make_shared<int>();
    WindowProcHook hook;
};

TEST(WindowProcHookTest, OnlyTheTopHookRestoresAndOneUnhookedBelowAnotherLastsUntilTheWindowGoes) {
    std::string log;
    HWND handle = nullptr;
    auto window = std::make_unique<UtilityWindow>([&](TMessage& message) {
        if (message.Msg == kProbe) log += "base ";
        else message.Result = DefWindowProcA(handle, message.Msg, message.WParam, message.LParam);
    });
    handle = window->Handle();
    auto probe = [&] {
        log.clear();
        SendMessageA(handle, kProbe, 0, 0);
        return log;
    };
    LONG_PTR original = GetWindowLongPtrA(handle, GWLP_WNDPROC);
    auto lower = std::make_unique<NamedHook>(handle, "lower", log);
    auto upper = std::make_unique<NamedHook>(handle, "upper", log);
    std::weak_ptr<int> lowerHandler = lower->token;
    EXPECT_EQ(probe(), "upper lower base ");
    // The right order: the window gets its own procedure back, the handlers are freed.
    upper.reset();
    lower.reset();
    EXPECT_EQ(GetWindowLongPtrA(handle, GWLP_WNDPROC), original);
    EXPECT_TRUE(lowerHandler.expired());
    EXPECT_EQ(probe(), "base ");
    // The wrong order: the lower hook's object is gone, but its thunk stays under the
    // upper hook, which still calls it, and passes messages on without its handler.
    lower = std::make_unique<NamedHook>(handle, "lower", log);
    upper = std::make_unique<NamedHook>(handle, "upper", log);
    lowerHandler = lower->token;
    lower.reset();
    EXPECT_EQ(probe(), "upper base ");
    upper.reset();
    EXPECT_EQ(probe(), "base ");
    EXPECT_FALSE(lowerHandler.expired());
    window.reset();  // the left-over thunk sees the window's last message and frees itself
    EXPECT_TRUE(lowerHandler.expired());
}

}  // namespace
