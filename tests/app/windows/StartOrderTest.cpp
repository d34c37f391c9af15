// The order of the start: on a normal start the main window is on screen, painted whole,
// before the other windows exist; pictures are decoded when a window first needs them,
// once for all windows that show them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "Application.h"
#include "HandleCounts.h"
#include "Image.h"
#include "PictureLoader.h"
#include "Program.h"
#include "SlotSettings.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"

namespace {

// What the first window looked like when the next was about to be created: the main
// window before the settings window, or on a first run the settings window before the
// line-buffer window.
struct SeenAtNextForm {
    std::string nextClass = "TForm2";
    bool seen = false, mainVisible = false, firstVisible = false, firstPaintPending = true,
         mainPicturesDecoded = false;
};
SeenAtNextForm* watching = nullptr;

bool PaintPending(HWND window) {
    bool pending = GetUpdateRect(window, nullptr, FALSE);
    EnumChildWindows(window, [](HWND child, LPARAM any) {
        if (GetUpdateRect(child, nullptr, FALSE)) *reinterpret_cast<bool*>(any) = true;
        return TRUE;
    }, reinterpret_cast<LPARAM>(&pending));
    return pending;
}

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    char name[32] = {};
    if (code == HCBT_CREATEWND && watching && !watching->seen &&
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof(name)) &&
        name == watching->nextClass) {
        watching->seen = true;
        HWND first = (watching->nextClass == "TForm2" ? static_cast<TCustomForm*>(Form1) : Form2)->Handle();
        watching->mainVisible = IsWindowVisible(Form1->Handle());
        watching->firstVisible = IsWindowVisible(first);
        watching->firstPaintPending = PaintPending(first);
        watching->mainPicturesDecoded = true;
        for (const char* image : {"Image1", "Image13", "Image3", "Image9", "Image11", "Image20"})
            watching->mainPicturesDecoded &= ComponentAs<TImage>(*Form1, image).PictureDecoded();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class StartOrderTest : public ::testing::Test {
protected:
    // Empty settings: no file, a first run.
    void Start(const std::string& settings) {
        DeleteFileW(SettingsFilePath().c_str());
        if (!settings.empty()) WriteBytes(SettingsFilePath(), settings);
        application.Initialize();
        watching = &seen;
        HHOOK hook = SetWindowsHookExA(WH_CBT, WatchCreation, nullptr, GetCurrentThreadId());
        CreateProgramForms(application);
        UnhookWindowsHookEx(hook);
        watching = nullptr;
    }
    void TearDown() override { DeleteFileW(SettingsFilePath().c_str()); }

    SeenAtNextForm seen;
    TApplication application;
};

TEST_F(StartOrderTest, ANormalStartShowsTheMainWindowPaintedBeforeTheOthersAndDecodesTheRestLater) {
    Start("W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n");  // slot 3 without Shift
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(seen.mainVisible);
    EXPECT_FALSE(seen.firstPaintPending);
    EXPECT_TRUE(seen.mainPicturesDecoded);
    // The settings window exists but was never shown: its own pictures wait. Of the
    // shared background the main window keeps only what it shows.
    EXPECT_FALSE(IsWindowVisible(Form2->Handle()));
    EXPECT_FALSE(PictureInUse("HOTKEYPANEL"));
    EXPECT_FALSE(ComponentAs<TImage>(*Form2, "Image4").PictureDecoded());
    EXPECT_FALSE(PictureInUse("BACKGROUND"));
    // The start-up load ran before the program first waited for input: it set the never
    // shown window's boxes (slot 3 without Shift), and its timer is spent. The window's
    // first paint decodes its own pictures, with no imaging component loaded for it.
    EXPECT_FALSE(Form1->Timer2->Enabled());
    EXPECT_TRUE(SettingsLineBufferHoldsSettings());
    EXPECT_TRUE(Form2->FlatCheckBox2->Checked());
    EXPECT_FALSE(Form2->FlatCheckBox3->Checked());
    Form2->Show();
    RedrawWindow(Form2->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(ComponentAs<TImage>(*Form2, "Image4").PictureDecoded());
    EXPECT_FALSE(ComponentAs<TImage>(*Form2, "Image4").Picture().Empty());
    EXPECT_TRUE(PictureInUse("HOTKEYPANEL"));
    EXPECT_EQ(GetModuleHandleA("windowscodecs.dll"), nullptr);
}

// With "Activate keys at start" the keys go on as "Activate Keys" puts them on, and no
// window shows, not even for a moment, nor the application's taskbar button.
TEST_F(StartOrderTest, AStartThatActivatesTheKeysShowsNoWindow) {
    const long hotkeys = HandleCounts::Live(HandleKind::Hotkey);
    Start("Q\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\nActivateKeysAtStart=1\r\n");
    EXPECT_FALSE(seen.mainVisible);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), hotkeys + 6);
    EXPECT_EQ(Form4->TrayIcon1->Hint(), "Kitbag: keys on: Shift+Q Shift+E Shift+D Shift+S Shift+C X");
    application.ShowMainFormNow();  // as the message loop's start does
    for (HWND window : {Form1->Handle(), Form4->Handle(), application.Handle()})
        EXPECT_FALSE(IsWindowVisible(window));
}

TEST_F(StartOrderTest, AFirstRunShowsTheSettingsWindowPaintedBeforeTheOthersAndNeverTheMainWindow) {
    seen.nextClass = "TForm3";
    Start("");
    ASSERT_TRUE(seen.seen);
    EXPECT_TRUE(seen.firstVisible);
    EXPECT_FALSE(seen.firstPaintPending);
    EXPECT_FALSE(seen.mainVisible);
    EXPECT_TRUE(IsWindowVisible(application.Handle()));  // its taskbar button
    EXPECT_FALSE(Form1->Timer1->Enabled());
    application.ShowMainFormNow();  // as the message loop's start does
    EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
    EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
}

}  // namespace
