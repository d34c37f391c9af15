// The keyboard hook's procedure with the hook calls faked: every key is passed on, and a
// fault in the handler never escapes into the system.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "FakeDesktop.h"
#include "KeyboardHook.h"

namespace {

using namespace fake_desktop;

class KeyboardHookTest : public FakeDesktopTest {};

TEST_F(KeyboardHookTest, TheHookProcedurePassesEveryKeyOnAndNothingEscapesIt) {
    std::vector<DWORD> seen;
    TKeyboardHook hook([&](const KBDLLHOOKSTRUCT& key) {
        seen.push_back(key.vkCode);
        throw std::runtime_error("a fault in the handler");
    });
    ASSERT_TRUE(hook.Installed());
    TKeyboardHook second([](const KBDLLHOOKSTRUCT&) {});
    EXPECT_FALSE(second.Installed()) << "one hook at a time";
    KBDLLHOOKSTRUCT key{'W', 0, 0, 0, 0};
    auto call = [&](int code, WPARAM message) {
        return TKeyboardHook::Procedure(code, message, reinterpret_cast<LPARAM>(&key));
    };
    EXPECT_EQ(call(HC_ACTION, WM_KEYDOWN), 0x55);
    EXPECT_EQ(call(HC_ACTION, WM_SYSKEYDOWN), 0x55);
    EXPECT_EQ(call(HC_ACTION, WM_KEYUP), 0x55);
    EXPECT_EQ(call(-1, WM_KEYDOWN), 0x55);
    EXPECT_EQ(seen, (std::vector<DWORD>{'W', 'W', 'W'})) << "down, down with Alt, up";
    EXPECT_EQ(desk.passedOn, 4);
}

}  // namespace
