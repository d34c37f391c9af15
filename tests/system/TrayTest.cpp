// The notification-area icon of the real program under Wine: present from start to
// exit, its menu leads back from the hidden state, releases the hotkeys and switches the
// key options.
#include <gtest/gtest.h>

#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

bool ShiftWFree() {
    HWND probe = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    bool free = RegisterHotKey(probe, 1, MOD_SHIFT, 'W');
    if (free) UnregisterHotKey(probe, 1);
    DestroyWindow(probe);
    return free;
}

class TrayTest : public ::testing::Test {
protected:
    void StartWithSettings() {
        WriteBytes(folder.File(L"Settings.ini"), kDefaultSettings);
        kitbag = std::make_unique<KitbagProcess>(folder.Path());
        ASSERT_TRUE(WaitFor([&] { return kitbag->LineBuffer() + "\r\n" == kDefaultSettings; }));
        ASSERT_TRUE(WaitFor([] { return TrayIconCount() == 1; }));
    }
    // "Activate Keys", then "Hide window" on the tray window.
    void ActivateAndHide() {
        ASSERT_TRUE(ClickUntil(kitbag->Form(L"TForm1"), 111 + 28, 64 + 24,
                               [&] { return kitbag->Visible(L"TForm4"); }));
        EXPECT_FALSE(ShiftWFree());
        // The tray window has only just appeared: a first click may be lost on the way.
        ASSERT_TRUE(ClickUntil(kitbag->Form(L"TForm4"), 79 + 28, 61 + 24,
                               [&] { return !kitbag->AnyWindowVisible(); }));
    }

    TempFolder folder;
    std::unique_ptr<KitbagProcess> kitbag;
};

TEST_F(TrayTest, TheIconIsThereFromStartToExitAndExitKitbagEndsTheProgram) {
    EXPECT_EQ(TrayIconCount(), 0);
    StartWithSettings();
    ASSERT_TRUE(ChooseTrayMenuItem(kExitKitbag));
    ASSERT_TRUE(kitbag->WaitForExit());
    EXPECT_EQ(kitbag->ExitCode(), 0u);
    EXPECT_TRUE(WaitFor([] { return TrayIconCount() == 0; }));
}

TEST_F(TrayTest, HideWindowLeavesOnlyTheIconAndShowSettingsBringsBackSettingsAndMain) {
    StartWithSettings();
    ActivateAndHide();
    EXPECT_FALSE(ShiftWFree());  // hidden, the keys still work
    ASSERT_TRUE(ChooseTrayMenuItem(kShowSettings));
    ASSERT_TRUE(WaitFor([&] { return kitbag->Visible(L"TForm2"); }));
    EXPECT_TRUE(kitbag->Visible(L"TForm1"));  // behind the settings window
    EXPECT_FALSE(kitbag->Visible(L"TForm4"));
    EXPECT_TRUE(WaitFor(ShiftWFree));
}

TEST_F(TrayTest, ShowMainmenuBringsBackTheMainWindowAndReleasesTheKeys) {
    StartWithSettings();
    ActivateAndHide();
    ASSERT_TRUE(ChooseTrayMenuItem(kShowMainmenu));
    // The main window comes back first, then the tray window goes.
    ASSERT_TRUE(WaitFor([&] { return kitbag->Visible(L"TForm1") && !kitbag->Visible(L"TForm4"); }));
    EXPECT_FALSE(kitbag->Visible(L"TForm2"));
    EXPECT_TRUE(WaitFor(ShiftWFree));
}

// The menu's entries from the screen: items 'o', checked items 'v', separators '-'.
TEST_F(TrayTest, OnlyInWarcraftIIIFromTheMenuIsSavedAndStaysCheckedAfterARestart) {
    StartWithSettings();
    EXPECT_EQ(TrayMenuOutline(), "oo-oo-oo-o");
    const std::wstring file = folder.File(L"Settings.ini");
    const std::string withOption = kDefaultSettings + "OnlyInWarcraftIII=1\r\n";
    // A menu key lost on a busy machine picks an item above: choose again then.
    bool saved = false;
    for (int attempt = 0; attempt < 3 && !saved; ++attempt) {
        ASSERT_TRUE(ChooseTrayMenuItem(kOnlyInWarcraftIII));
        saved = WaitFor([&] { return ReadBytesWhileWritten(file) == withOption; }, 3000);
    }
    ASSERT_TRUE(saved);
    EXPECT_EQ(TrayMenuOutline(), "oo-vo-oo-o");

    ASSERT_TRUE(ChooseTrayMenuItem(kExitKitbag));
    ASSERT_TRUE(kitbag->WaitForExit());
    ASSERT_TRUE(WaitFor([] { return TrayIconCount() == 0; }));
    kitbag = std::make_unique<KitbagProcess>(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag->LineBuffer() + "\r\n" == withOption; }));
    ASSERT_TRUE(WaitFor([] { return TrayIconCount() == 1; }));
    EXPECT_EQ(TrayMenuOutline(), "oo-vo-oo-o");
    EXPECT_EQ(ReadBytes(file), withOption);
}

}  // namespace
