// The real program with the game-aware options off, as every player has them until
// turning one on, and with both on as a start reads them from the settings file.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "KeyTarget.h"
#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

class GameAwareTest : public ::testing::Test {
protected:
    // Starts Kitbag with these settings and clicks "Activate Keys" on its main window.
    void StartAndActivate(const std::string& settings) {
        WriteBytes(folder.File(L"Settings.ini"), settings);
        kitbag = std::make_unique<KitbagProcess>(folder.Path());
        // Activation reads the line buffer, which the start-up load fills 10 ms in.
        ASSERT_TRUE(WaitFor([&] { return kitbag->LineBuffer() + "\r\n" == settings; }));
        ASSERT_TRUE(ClickUntil(kitbag->Form(L"TForm1"), 111 + 28, 64 + 24,  // Activate Keys
                               [&] { return kitbag->Visible(L"TForm4"); }));
    }
    // Types in the window, F12 last as an end mark, and waits until that has arrived.
    static void Type(KeyTarget& window, const std::vector<int>& strokes) {
        ASSERT_TRUE(window.TakeForeground());
        window.Clear();
        std::vector<int> marked = strokes;
        marked.insert(marked.end(), {VK_F12, -VK_F12});
        SendKeys(marked);
        ASSERT_TRUE(window.WaitFor("up " + std::to_string(VK_F12)));
    }

    TempFolder folder;
    KeyTarget game{L"Warcraft III"};
    KeyTarget other;
    std::unique_ptr<KitbagProcess> kitbag;
};

const std::vector<int> kShiftW = {VK_SHIFT, 'W', -'W', -VK_SHIFT};

TEST_F(GameAwareTest, WithBothOptionsOnFromTheFileTheKeysActOnlyInTheGameAndPauseForChat) {
    StartAndActivate(kDefaultSettings + "OnlyInWarcraftIII=1\r\nPauseKeysWhileChatting=1\r\n");
    for (KeyTarget* window : {&game, &other, &game}) {
        Type(*window, kShiftW);
        bool isGame = window == &game;
        ASSERT_TRUE(PumpUntil([&] { return window->Count(KeyDown(isGame ? VK_NUMPAD7 : 'W')) == 1; }));
        EXPECT_EQ(window->Count(KeyDown(isGame ? 'W' : VK_NUMPAD7)), 0);
    }
    // Enter opens the chat: Shift+W is typed there until Enter (then Esc) closes it.
    for (int close : {VK_RETURN, VK_ESCAPE}) {
        std::vector<int> chat = {VK_RETURN, -VK_RETURN};
        chat.insert(chat.end(), kShiftW.begin(), kShiftW.end());
        chat.insert(chat.end(), {close, -close});
        chat.insert(chat.end(), kShiftW.begin(), kShiftW.end());
        Type(game, chat);
        ASSERT_TRUE(PumpUntil([&] { return game.Count(KeyDown(VK_NUMPAD7)) == 1; }));
        EXPECT_EQ(game.Count(KeyDown('W')), 1);
        EXPECT_EQ(game.Count(KeyDown(close)), close == VK_RETURN ? 2 : 1);  // nothing swallowed
    }
}

TEST_F(GameAwareTest, WithBothOptionsOffTheKeysActInEveryWindowAndEnterPausesNothing) {
    StartAndActivate(kDefaultSettings);
    // Shift+W gives keypad 7 wherever it is typed, before and after an Enter; F12 marks
    // the end, so that a stray W would have arrived by then.
    for (KeyTarget* window : {&game, &other, &game}) {
        Type(*window, {VK_SHIFT, 'W', -'W', -VK_SHIFT, VK_RETURN, -VK_RETURN,  //
                       VK_SHIFT, 'W', -'W', -VK_SHIFT});
        ASSERT_TRUE(PumpUntil([&] { return window->Count(KeyDown(VK_NUMPAD7)) == 2; }));
        EXPECT_EQ(window->Count(KeyDown('W')), 0);
        EXPECT_EQ(window->Count(KeyDown(VK_RETURN)), 1);
    }
}

}  // namespace
