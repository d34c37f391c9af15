// The real program with the game-aware options off, as every player has them until
// turning one on: a window titled as the game's and another window get the same keys,
// and Enter opens no pause.
#include <gtest/gtest.h>

#include "KeyTarget.h"
#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

const std::string kDefaults = "W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

std::string Down(int key) { return "down " + std::to_string(key); }

TEST(GameAware, WithBothOptionsOffTheKeysActInEveryWindowAndEnterPausesNothing) {
    TempFolder folder;
    KeyTarget game(L"Warcraft III");
    KeyTarget other;
    WriteBytes(folder.File(L"Settings.ini"), kDefaults);
    KitbagProcess kitbag(folder.Path());
    // Activation reads the line buffer, which the start-up load fills 10 ms in.
    ASSERT_TRUE(WaitFor([&] { return kitbag.LineBuffer() + "\r\n" == kDefaults; }));
    ASSERT_TRUE(ClickUntil(kitbag.Form(L"TForm1"), 111 + 28, 64 + 24,  // Activate Keys
                           [&] { return kitbag.Visible(L"TForm4"); }));
    // Shift+W gives keypad 7 wherever it is typed, before and after an Enter; F12 marks
    // the end, so that a stray W would have arrived by then.
    for (KeyTarget* window : {&game, &other, &game}) {
        ASSERT_TRUE(window->TakeForeground());
        window->Clear();
        SendKeys({VK_SHIFT, 'W', -'W', -VK_SHIFT, VK_RETURN, -VK_RETURN,  //
                  VK_SHIFT, 'W', -'W', -VK_SHIFT, VK_F12, -VK_F12});
        ASSERT_TRUE(window->WaitFor("up " + std::to_string(VK_F12)));
        ASSERT_TRUE(PumpUntil([&] { return window->Count(Down(VK_NUMPAD7)) == 2; }));
        EXPECT_EQ(window->Count(Down('W')), 0);
        EXPECT_EQ(window->Count(Down(VK_RETURN)), 1);
    }
}

}  // namespace
