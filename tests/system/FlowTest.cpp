// The player's first session with the real program: save the defaults with the mouse,
// go back to the main window, and find the settings again after a restart.
#include <gtest/gtest.h>

#include "KitbagProcess.h"
#include "TestSupport.h"

namespace {

const std::string kDefaults = "W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

TEST(Flow, AFirstRunSavesTheDefaultsGoesBackAndFindsThemAfterARestart) {
    TempFolder folder;
    std::wstring settings = folder.File(L"Settings.ini");
    {
        KitbagProcess kitbag(folder.Path());
        ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm2"); }));
        HWND form2 = kitbag.Form(L"TForm2");
        ASSERT_TRUE(ClickUntil(form2, 40 + 50, 277 + 9, [&] {  // "Save Settings"
            return GetFileAttributesW(settings.c_str()) != INVALID_FILE_ATTRIBUTES;
        }));
        EXPECT_EQ(ReadBytes(settings), kDefaults);
        EXPECT_TRUE(kitbag.Visible(L"TForm2"));
        EXPECT_FALSE(kitbag.Visible(L"TForm1"));
        ASSERT_TRUE(ClickUntil(form2, 210 + 30, 277 + 6,  // "Go to Mainform", armed now
                               [&] { return kitbag.Visible(L"TForm1") && !kitbag.Visible(L"TForm2"); }));
        ASSERT_TRUE(ClickUntil(kitbag.Form(L"TForm1"), 288 + 10, 112 + 6,  // "Quit"
                               [&] { return kitbag.WaitForExit(0); }));
    }
    KitbagProcess kitbag(folder.Path());
    ASSERT_TRUE(WaitFor([&] { return kitbag.Visible(L"TForm1"); }));
    ASSERT_TRUE(ClickUntil(kitbag.Form(L"TForm1"), 152 + 36, 8 + 28,  // the logo: line buffer
                           [&] { return kitbag.Visible(L"TForm3"); }));
    HWND memo = kitbag.ControlAt(L"TForm3", 8, 64);
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(WaitFor([&] { return ControlText(memo) + "\r\n" == kDefaults; }));
    EXPECT_FALSE(kitbag.Visible(L"TForm2"));
    EXPECT_EQ(ReadBytes(settings), kDefaults);
}

}  // namespace
