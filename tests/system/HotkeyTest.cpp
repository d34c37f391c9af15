// The hotkeys of the real program under Wine: a window of the test's own in the
// foreground stands in for the game and receives the keypad keys.
#include <gtest/gtest.h>

#include "KeyTarget.h"
#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

constexpr int kShift = VK_SHIFT;

std::string Up(int key) { return "up " + std::to_string(key); }

class HotkeyTest : public ::testing::Test {
protected:
    // Starts Kitbag with these settings and clicks "Activate Keys" on its main window.
    void StartAndActivate(const std::string& settings) {
        WriteBytes(folder.File(L"Settings.ini"), settings);
        kitbag = std::make_unique<KitbagProcess>(folder.Path());
        // Activation reads the line buffer, which the start-up load fills 10 ms in.
        ASSERT_TRUE(WaitFor([&] { return kitbag->LineBuffer() + "\r\n" == settings; }));
        ASSERT_TRUE(kitbag->Visible(L"TForm1"));
        Activate();
    }
    void Activate() {
        // The tray window takes the foreground when shown; the game takes it back after,
        // and must keep it.
        ASSERT_TRUE(ClickUntil(kitbag->Form(L"TForm1"), 111 + 28, 64 + 24,
                               [&] { return kitbag->Visible(L"TForm4"); }));
        ASSERT_TRUE(target.TakeForeground());
        target.Clear();
    }
    // Sends the strokes and waits for the keys expected from them; Kitbag injects its
    // keys from another process, so they may come after the player's own. Then a plain
    // F12 as an end mark, so that anything else the strokes caused has arrived too.
    void Play(const std::vector<int>& strokes, const std::vector<std::string>& expected) {
        SendKeys(strokes);
        for (const std::string& event : expected) ASSERT_TRUE(target.WaitFor(event)) << event;
        SendKeys({VK_F12, -VK_F12});
        ASSERT_TRUE(target.WaitFor(Up(VK_F12)));
    }

    TempFolder folder;
    KeyTarget target;
    std::unique_ptr<KitbagProcess> kitbag;
};

TEST_F(HotkeyTest, DefaultSettingsGiveTheKeypadKeysOncePerPressAndLeaveOtherKeysAlone) {
    StartAndActivate(kDefaultSettings);
    Play({kShift, 'W', -'W', 'E', -'E', -kShift}, {Up(VK_NUMPAD7), Up(VK_NUMPAD8)});
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD7)), 1);
    EXPECT_EQ(target.Count(Up(VK_NUMPAD7)), 1);
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD8)), 1);
    EXPECT_EQ(target.Count(Up(VK_NUMPAD8)), 1);
    EXPECT_EQ(target.Count(KeyDown('W')), 0) << "the hotkey must swallow the press";
    target.Clear();
    Play({'W', -'W'}, {KeyDown('W')});
    EXPECT_EQ(target.Count(KeyDown('W')), 1);
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD7)), 0);
}

TEST_F(HotkeyTest, AnUncheckedShiftBoxMeansTheKeyAlone) {
    StartAndActivate("W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n");
    Play({'C', -'C'}, {Up(VK_NUMPAD1)});
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD1)), 1);
    EXPECT_EQ(target.Count(KeyDown('C')), 0);
    target.Clear();
    Play({kShift, 'C', -'C', -kShift}, {KeyDown('C')});
    EXPECT_EQ(target.Count(KeyDown('C')), 1);
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD1)), 0);
}

TEST_F(HotkeyTest, AComboHeldByAnotherProgramLeavesOnlyThatSlotInactive) {
    ASSERT_TRUE(RegisterHotKey(target.Handle(), 99, MOD_SHIFT, 'E'));
    StartAndActivate(kDefaultSettings);
    Play({kShift, 'E', -'E', 'W', -'W', -kShift}, {"hotkey 99", Up(VK_NUMPAD7)});
    EXPECT_EQ(target.Count("hotkey 99"), 1);
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD8)), 0);
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD7)), 1);
    UnregisterHotKey(target.Handle(), 99);
}

TEST_F(HotkeyTest, AKeypadKeyAsASlotKeyNeverSetsItselfOffAgain) {
    // Slot 5 is "a" without Shift: keypad 1 is its hotkey and also the key it injects.
    // Slot 1 is "e" (keypad 5), which slot 4 injects: a chain across two slots.
    StartAndActivate("e\r\nE\r\nD\r\nS\r\na\r\nX\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n");
    Play({VK_NUMPAD1, -VK_NUMPAD1}, {KeyDown(VK_NUMPAD1)});
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD1)), 1);
    target.Clear();
    Play({VK_NUMPAD5, -VK_NUMPAD5}, {Up(VK_NUMPAD7)});
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD7)), 1);
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD5)), 0);
    target.Clear();
    Play({kShift, 'S', -'S', -kShift}, {KeyDown(VK_NUMPAD5)});  // slot 4 injects keypad 5, slot 1's hotkey
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD5)), 1);
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD7)), 0);
}

TEST_F(HotkeyTest, AShiftBoxChangedAfterTheSaveCountsButAnUnsavedKeyDoesNot) {
    WriteBytes(folder.File(L"Settings.ini"), kDefaultSettings);
    kitbag = std::make_unique<KitbagProcess>(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag->Visible(L"TForm1"); }));
    ASSERT_TRUE(ClickUntil(kitbag->Form(L"TForm1"), 32 + 28, 64 + 24,  // Settings
                           [&] { return kitbag->Visible(L"TForm2"); }));
    HWND form2 = kitbag->Form(L"TForm2");
    // A click sent inside Wine does not move the X focus: the keys typed below must
    // find the settings window in the foreground.
    ASSERT_TRUE(HoldForeground(form2));
    ClickAt(form2, 40 + 50, 277 + 9);  // save, which arms "Go to Mainform"
    HWND box1 = kitbag->ControlAt(L"TForm2", 304, 104);
    ClickAt(form2, 304 + 8, 104 + 8);
    ASSERT_TRUE(WaitFor([&] { return SendMessageW(box1, BM_GETCHECK, 0, 0) == BST_UNCHECKED; }));
    HWND edit1 = kitbag->ControlAt(L"TForm2", 384, 104);
    ClickAt(form2, 384 + 16, 104 + 9);
    // The keys below go to the focus of Kitbag's thread, which this process cannot see
    // with GetFocus: ask for that thread's focus.
    ASSERT_TRUE(WaitFor([&] {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof(thread);
        return GetGUIThreadInfo(GetWindowThreadProcessId(form2, nullptr), &thread) &&
               thread.hwndFocus == edit1;
    }));
    // Typed keys go to the foreground window, which a busy desktop may have moved: make
    // sure of it and type again when the key did not arrive.
    bool typed = false;
    for (int attempt = 0; attempt < 3 && !typed; ++attempt) {
        ASSERT_TRUE(HoldForeground(form2));
        SendMessageW(edit1, EM_SETSEL, 0, -1);
        SendKeys({kShift, 'Q', -'Q', -kShift});
        typed = WaitFor([&] { return ControlText(edit1) == "Q"; }, 3000);
    }
    ASSERT_TRUE(typed) << ControlText(edit1);
    ASSERT_TRUE(ClickUntil(form2, 210 + 30, 277 + 6,  // Go to Mainform
                           [&] { return kitbag->Visible(L"TForm1"); }));
    Activate();
    Play({'W', -'W', 'Q', -'Q'}, {Up(VK_NUMPAD7), KeyDown('Q')});
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD7)), 1);  // W alone now: the box counted
    EXPECT_EQ(target.Count(KeyDown('Q')), 1);         // Q was never saved
}

// Before anything is saved the line buffer holds no keys: its text "Memo1" gives none.
TEST_F(HotkeyTest, ActivatingBeforeAnythingIsSavedTakesNoKey) {
    kitbag = std::make_unique<KitbagProcess>(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag->Visible(L"TForm2") && TrayIconCount() == 1; }));
    ASSERT_TRUE(ChooseTrayMenuItem(1));  // "Show Mainmenu"
    ASSERT_TRUE(WaitFor([&] { return kitbag->Visible(L"TForm1"); }));
    Activate();
    Play({kShift, 'M', -'M', 'W', -'W', -kShift}, {KeyDown('M'), KeyDown('W')});
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD7)), 0);
}

// The click lands as soon as the main window shows, before the program first waits.
TEST_F(HotkeyTest, ActivateKeysClickedAsSoonAsTheMainWindowShowsUsesTheFilesKeys) {
    WriteBytes(folder.File(L"Settings.ini"), "Q\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    kitbag = std::make_unique<KitbagProcess>(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag->Visible(L"TForm1"); }));
    Activate();
    Play({kShift, 'Q', -'Q', 'M', -'M', -kShift}, {Up(VK_NUMPAD7), KeyDown('M')});
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD7)), 1);
    EXPECT_EQ(target.Count(KeyDown('Q')), 0);
}

TEST_F(HotkeyTest, NothingIsCapturedAfterTheProgramHasEnded) {
    StartAndActivate(kDefaultSettings);
    Play({kShift, 'X', -'X', -kShift}, {Up(VK_NUMPAD2)});
    EXPECT_EQ(target.Count(KeyDown(VK_NUMPAD2)), 1);
    PostMessageW(kitbag->Form(L"TForm1"), WM_CLOSE, 0, 0);
    ASSERT_TRUE(kitbag->WaitForExit());
    const char keys[] = "WEDSCX";
    for (int slot = 1; slot <= 6; ++slot) {
        EXPECT_TRUE(RegisterHotKey(target.Handle(), slot, MOD_SHIFT, keys[slot - 1])) << slot;
        UnregisterHotKey(target.Handle(), slot);
    }
}

}  // namespace
