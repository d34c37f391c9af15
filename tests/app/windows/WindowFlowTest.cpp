// The window flow and the settings operations with the real windows, handlers called
// as the player's clicks would call them. The settings file is the one beside this
// test program.
#include <gtest/gtest.h>

#include <cstring>

#include "Exceptions.h"
#include "FileIO.h"
#include "HandleCounts.h"
#include "Memo.h"
#include "Platform.h"
#include "ProgramWindowsTest.h"
#include "SlotSettings.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

namespace {

class WindowFlowTest : public ProgramWindowsTest {
protected:
    static bool Shown(TCustomForm* form) { return IsWindowVisible(form->Handle()); }
    static void SetKeys(const std::array<const char*, 6>& keys) {
        for (int slot = 1; slot <= 6; ++slot) Form2->KeyEdit(slot).SetText(keys[size_t(slot - 1)]);
    }
    static std::vector<std::string> Buffer() { return SettingsLineBuffer().Lines(); }
};

// Whether a combination is free, asked by registering it on another window of ours.
bool Free(UINT modifiers, UINT key) {
    if (!RegisterHotKey(Form3->Handle(), 42, modifiers, key)) return false;
    UnregisterHotKey(Form3->Handle(), 42);
    return true;
}

TEST_F(WindowFlowTest, SavingTheDefaultsWritesTheThirtySixBytesAndArmsGoToMainform) {
    Form2->Show();
    Form2->Label16Click(nullptr);  // not armed yet: nothing happens
    EXPECT_TRUE(Shown(Form2));
    EXPECT_FALSE(Form2->MainformArmed());

    Form2->FlatCheckBox3->SetChecked(false);
    Form2->Label15Click(nullptr);
    std::string expected = kDefaultSettings;
    expected[6 * 3 + 2 * 3] = '1';  // line 9: slot 3 without Shift
    EXPECT_EQ(ReadBytes(SettingsFilePath()), expected);
    EXPECT_EQ(Form2->Label15->Caption(), "Settings saved");
    EXPECT_EQ(Form2->Label15->Font().Color(), clSilver);
    EXPECT_EQ(Form2->Label15->Cursor(), crDefault);
    EXPECT_TRUE(Form2->MainformArmed());
    EXPECT_EQ(Form2->Label16->Cursor(), crHandPoint);

    // Opening the settings again resets the save label but stays armed.
    Form2->Image6Click(nullptr);
    EXPECT_TRUE(Shown(Form1));
    EXPECT_FALSE(Shown(Form2));
    Form1->Image9Click(nullptr);
    EXPECT_TRUE(Shown(Form2));
    EXPECT_FALSE(Shown(Form1));
    EXPECT_EQ(Form2->Label15->Caption(), "Save Settings");
    EXPECT_EQ(Form2->Label15->Font().Color(), clWhite);
    EXPECT_TRUE(Form2->MainformArmed());
}

TEST_F(WindowFlowTest, ARefusedSaveShowsOneMessageWindowAndChangesNothing) {
    WriteBytes(SettingsFilePath(), kDefaultSettings);
    LoadSettingsAtStart();
    auto before = Buffer();
    Form2->Show();

    SetKeys({"W", "E", "D", "S", "C", "C"});  // equal keys in slots 5 and 6
    Form2->Label15Click(nullptr);
    EXPECT_TRUE(Shown(Form6));
    EXPECT_FALSE(Shown(Form5));
    EXPECT_FALSE(Form2->Enabled());
    EXPECT_FALSE(IsWindowEnabled(Form2->Handle()));
    EXPECT_EQ(Buffer(), before);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kDefaultSettings);
    Form6->FlatButton1Click(nullptr);
    EXPECT_TRUE(Form2->Enabled());
    EXPECT_FALSE(Shown(Form6));

    SetKeys({"W", "", "D", "S", "C", "X"});
    Form2->Label15Click(nullptr);
    EXPECT_TRUE(Shown(Form5));
    EXPECT_FALSE(Shown(Form6));
    // A close request does what OK does, rather than leaving the settings disabled.
    SendMessageA(Form5->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Shown(Form5));
    EXPECT_TRUE(Form2->Enabled());

    SetKeys({"W", "", "D", "", "C", "X"});  // two empty keys are equal
    Form2->Label15Click(nullptr);
    EXPECT_TRUE(Shown(Form6));
    SendMessageA(Form6->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(Form2->Enabled());
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kDefaultSettings);
    EXPECT_EQ(Buffer(), before);
}

TEST_F(WindowFlowTest, KeysLoadIntoTheEditsOnlyWhenTheSettingsAreOpenedFromTheMainWindow) {
    WriteBytes(SettingsFilePath(), "wQ\r\nW\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
    LoadSettingsAtStart();
    EXPECT_EQ(Form2->KeyEdit(1).Text(), "W");  // still the description's default
    EXPECT_FALSE(Form2->ShiftBox(6).Checked());
    Form1->Image9Click(nullptr);
    EXPECT_EQ(Form2->KeyEdit(1).Text(), "wQ");  // both characters, case kept
    EXPECT_EQ(Form2->KeyEdit(2).Text(), "W");
    Form2->Label15Click(nullptr);
    EXPECT_EQ(ReadBytes(SettingsFilePath()),
              "wQ\r\nW\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
}

TEST_F(WindowFlowTest, ASaveThatCannotWriteRaisesTheGermanErrorAndLeavesTheDiskAlone) {
    WriteBytes(SettingsFilePath(), kDefaultSettings);
    HANDLE holder = CreateFileW(SettingsFilePath().c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    SetKeys({"A", "B", "C", "D", "E", "F"});
    EXPECT_THROW(Form2->Label15Click(nullptr), EFCreateError);
    CloseHandle(holder);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), kDefaultSettings);
    EXPECT_EQ(Form2->Label15->Caption(), "Save Settings");
    EXPECT_FALSE(Form2->MainformArmed());
    EXPECT_EQ(Buffer()[0], "A");  // the buffer was refilled before the write failed
}

// Enter and Esc typed on the OK button (as it has the focus when the window comes up) do
// what the button does.
TEST_F(WindowFlowTest, EnterAndEscCloseTheMessageAndAboutWindowsAsOkDoes) {
    auto type = [&](TCustomForm* window, WPARAM key) {
        TWinControl& ok = ComponentAs<TWinControl>(*window, "FlatButton1");
        ok.SetFocus();
        UINT scan = MapVirtualKeyA(UINT(key), MAPVK_VK_TO_VSC);
        PostMessageA(ok.Handle(), WM_KEYDOWN, key, LPARAM(1 | scan << 16));
        PostMessageA(ok.Handle(), WM_KEYUP, key, LPARAM(1 | scan << 16 | 3u << 30));
        application.ProcessMessages();
    };
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) {
        for (TCustomForm* message : {static_cast<TCustomForm*>(Form5), static_cast<TCustomForm*>(Form6)}) {
            Form2->Show();
            Form2->SetEnabled(false);
            message->Show();
            type(message, key);
            EXPECT_FALSE(Shown(message)) << message->Name() << " key " << key;
            EXPECT_TRUE(Form2->Enabled());
        }
        Form1->Image20Click(nullptr);
        type(Form7, key);
        EXPECT_FALSE(Shown(Form7)) << key;
        EXPECT_TRUE(Shown(Form1));
    }
}

int beeps = 0;
BOOL WINAPI CountBeep(UINT) {
    ++beeps;
    return TRUE;
}

// A typed letter is taken as its capital; a character that is no key's code is refused
// with a beep. Keys that a file already holds go in and out untouched.
TEST_F(WindowFlowTest, TypedKeysAreCapitalsOrRefusedAndLoadedKeysStayAsTheFileHasThem) {
    const std::string held = "q\r\n,\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    WriteBytes(SettingsFilePath(), held);
    LoadSettingsAtStart();
    Form1->Image9Click(nullptr);
    EXPECT_EQ(Form2->KeyEdit(1).Text(), "q");
    Form2->Label15Click(nullptr);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), held);

    platform::Calls table = platform::SystemCalls();
    table.MessageBeep = &CountBeep;
    platform::ScopedOverride recording(table);
    beeps = 0;
    // The caret after the key, as a click leaves it: the typed key replaces it all the same.
    auto type = [](int slot, char typed) {
        TFlatEdit& edit = Form2->KeyEdit(slot);
        SendMessageA(edit.Handle(), EM_SETSEL, 1, 1);
        SendMessageA(edit.Handle(), WM_CHAR, static_cast<unsigned char>(typed), 1);
        return edit.Text();
    };
    EXPECT_EQ(type(1, 'w'), "W");
    EXPECT_EQ(type(2, '7'), "7");
    EXPECT_EQ(beeps, 0);
    for (char refused : {',', '[', ' ', '\xE4'}) EXPECT_EQ(type(3, refused), "D") << refused;
    EXPECT_EQ(beeps, 4);
    EXPECT_EQ(type(4, '\b'), "");  // Backspace still clears a slot

    // A paste is its first character typed.
    auto paste = [](int slot, const char* text) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, strlen(text) + 1);
            memcpy(GlobalLock(block), text, strlen(text) + 1);
            GlobalUnlock(block);
            SetClipboardData(CF_TEXT, block);
            CloseClipboard();
        }
        SendMessageA(Form2->KeyEdit(slot).Handle(), WM_PASTE, 0, 0);
        return Form2->KeyEdit(slot).Text();
    };
    EXPECT_EQ(paste(5, "qz"), "Q");
    EXPECT_EQ(paste(6, ";"), "X");
    EXPECT_EQ(beeps, 5);
}

// Before the first load or save of a run the line buffer holds its description's text,
// which is no key: activation takes nothing from it.
TEST_F(WindowFlowTest, ActivatingBeforeAnyLoadOrSaveTakesNoKeyAndStillShowsTheTrayWindow) {
    EXPECT_FALSE(SettingsLineBufferHoldsSettings());
    Form1->Show();
    Form1->Image11Click(nullptr);
    EXPECT_TRUE(Shown(Form4));
    EXPECT_TRUE(Free(MOD_SHIFT, 'M'));
    Form4->ExitKitbag1Click(nullptr);
}

TEST_F(WindowFlowTest, TheMainWindowLeadsToEveryOtherWindow) {
    Form1->Show();
    Form1->Image20Click(nullptr);
    EXPECT_TRUE(Shown(Form7));
    EXPECT_FALSE(Shown(Form1));
    Form7->FlatButton1Click(nullptr);
    EXPECT_TRUE(Shown(Form1));
    EXPECT_FALSE(Shown(Form7));

    Form1->Image3Click(nullptr);
    EXPECT_TRUE(Shown(Form3));
    SendMessageA(Form3->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(Shown(Form3));
    EXPECT_FALSE(application.Terminated());

    Form1->Image11Click(nullptr);
    EXPECT_TRUE(Shown(Form4));
    EXPECT_FALSE(Shown(Form1));
    Form4->Image20MouseMove(nullptr, 0, 1, 1);
    EXPECT_TRUE(Form4->Label3->Visible());
    Form4->Image1MouseMove(nullptr, 0, 1, 1);
    EXPECT_FALSE(Form4->Label3->Visible());

    Form4->ShowMainmenu1Click(nullptr);  // "Show Settings"
    EXPECT_TRUE(Shown(Form2));
    EXPECT_FALSE(Shown(Form4));
    Form2->Hide();
    Form1->Image11Click(nullptr);
    Form4->ExitKitbag1Click(nullptr);  // "Show Mainmenu"
    EXPECT_TRUE(Shown(Form1));
    EXPECT_FALSE(Shown(Form4));

    Form1->Label6Click(nullptr);
    EXPECT_TRUE(application.Terminated());
}

TEST_F(WindowFlowTest, BothNavigationItemsOfTheTrayMenuReleaseTheHotkeys) {
    WriteBytes(SettingsFilePath(), kDefaultSettings);
    LoadSettingsAtStart();
    for (void (TForm4::*item)(TObject*) : {&TForm4::ShowMainmenu1Click, &TForm4::ExitKitbag1Click}) {
        Form1->Image11Click(nullptr);
        EXPECT_FALSE(Free(MOD_SHIFT, 'W'));
        EXPECT_FALSE(Free(MOD_SHIFT, 'X'));
        (Form4->*item)(nullptr);
        for (char key : std::string("WEDSCX")) EXPECT_TRUE(Free(MOD_SHIFT, UINT(key))) << key;
    }
}

// Settings open, tray "Show Mainmenu", "Activate Keys", then "Go to Mainform" on the
// settings window still on screen and "Activate Keys" again, with slot 1 changed between.
TEST_F(WindowFlowTest, ActivatingTwiceReleasesTheFirstActivationsKeys) {
    WriteBytes(SettingsFilePath(), kDefaultSettings);
    LoadSettingsAtStart();
    const long start = HandleCounts::Live(HandleKind::Hotkey);
    Form1->Image9Click(nullptr);
    Form2->Label15Click(nullptr);  // a save arms "Go to Mainform"
    Form4->ExitKitbag1Click(nullptr);  // "Show Mainmenu"
    Form1->Image11Click(nullptr);
    ASSERT_TRUE(Shown(Form2));
    SetKeys({"Q", "E", "D", "S", "C", "X"});
    Form2->Label15Click(nullptr);
    Form2->Label16Click(nullptr);
    THotkeyEngine& keys = Form1->Hotkeys();
    auto tray = keys.OnStatusChange;
    int told = 0;
    keys.OnStatusChange = [&](bool activated) { ++told, tray(activated); };
    Form1->Image11Click(nullptr);
    keys.OnStatusChange = tray;
    EXPECT_EQ(told, 1);  // the tray hears of the new keys once
    EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), start + 6);
    EXPECT_TRUE(Free(MOD_SHIFT, 'W'));
    EXPECT_FALSE(Free(MOD_SHIFT, 'Q'));
    EXPECT_FALSE(Free(MOD_SHIFT, 'E'));
    Form4->ExitKitbag1Click(nullptr);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), start);
    for (char key : std::string("QEDSCX")) EXPECT_TRUE(Free(MOD_SHIFT, UINT(key))) << key;
}

std::vector<std::pair<HWND, int>> unregistered;
BOOL WINAPI RecordUnregister(HWND window, int id) {
    unregistered.emplace_back(window, id);
    return platform::SystemCalls().UnregisterHotKey(window, id);
}

// The forms go as at the end of the program: the main window's own handler releases the
// keys while the window and its engine are whole.
TEST_F(WindowFlowTest, EndingTheProgramReleasesTheHotkeysOnTheWholeMainWindow) {
    WriteBytes(SettingsFilePath(), kDefaultSettings);
    LoadSettingsAtStart();
    const long start = HandleCounts::Live(HandleKind::Hotkey);
    Form1->Image11Click(nullptr);
    const HWND mainWindow = Form1->Handle();
    platform::Calls table = platform::SystemCalls();
    table.UnregisterHotKey = &RecordUnregister;
    platform::ScopedOverride recording(table);
    unregistered.clear();
    application.ShowMainForm = false;
    application.Terminate();
    application.Run();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_EQ(unregistered, (std::vector<std::pair<HWND, int>>{
                                {mainWindow, 1}, {mainWindow, 2}, {mainWindow, 3},
                                {mainWindow, 4}, {mainWindow, 5}, {mainWindow, 6}}));
    EXPECT_EQ(HandleCounts::Live(HandleKind::Hotkey), start);
    EXPECT_EQ(application.ComponentCount(), 0);
}

// Under Wine the window manager may minimise the application window on its own; the
// tray window must go with it, and "Hide window" must still leave nothing on screen.
TEST_F(WindowFlowTest, TheTrayWindowGoesHoweverTheApplicationWindowIsMinimised) {
    WriteBytes(SettingsFilePath(), kDefaultSettings);
    LoadSettingsAtStart();
    Form1->Show();
    Form1->Image11Click(nullptr);
    ASSERT_TRUE(Shown(Form4));
    ShowWindow(Application->Handle(), SW_SHOWMINNOACTIVE);
    PumpPending();
    EXPECT_FALSE(Shown(Form4));

    // A tray window shown while the application window is still minimised.
    Form4->Show();
    ASSERT_TRUE(Shown(Form4));
    Form4->Image20Click(nullptr);
    PumpPending();
    for (TCustomForm* form : {(TCustomForm*)Form1, (TCustomForm*)Form2, (TCustomForm*)Form4})
        EXPECT_FALSE(Shown(form)) << form->Name();
    EXPECT_FALSE(IsWindowVisible(Application->Handle()));
}

// "Show Settings" in a run that has not shown the settings window yet shows the saved
// choice whole; later it shows the window as it was left.
TEST_F(WindowFlowTest, ShowSettingsOffersTheSavedKeysFirstAndLaterTheWindowAsItWasLeft) {
    const std::string saved =
        "Q\r\n7\r\nE\r\nF\r\nC\r\nX\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\nOnlyInWarcraftIII=1\r\n";
    WriteBytes(SettingsFilePath(), saved);
    LoadSettingsAtStart();
    Form1->Image11Click(nullptr);
    Form4->ShowMainmenu1Click(nullptr);
    EXPECT_EQ(Form2->KeyEdit(1).Text(), "Q");
    EXPECT_EQ(Form2->KeyEdit(4).Text(), "F");
    EXPECT_FALSE(Form2->ShiftBox(2).Checked());
    Form2->Label15Click(nullptr);  // saved at once: the same bytes
    EXPECT_EQ(ReadBytes(SettingsFilePath()), saved);

    SetKeys({"A", "B", "C", "D", "E", "F"});
    Form2->Label16Click(nullptr);
    Form1->Image11Click(nullptr);
    Form4->ShowMainmenu1Click(nullptr);
    EXPECT_EQ(Form2->KeyEdit(1).Text(), "A");  // unsaved edits come back as left
    EXPECT_EQ(ReadBytes(SettingsFilePath()), saved);
}

TEST_F(WindowFlowTest, BadSettingsFilesLoadWithoutHarm) {
    const std::string tenMegabyteLine(10 * 1024 * 1024, 'k');
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""},
        {"binary", std::string("\x00\xff\x01\r\x80\n\x7f", 7)},
        {"NUL bytes", std::string(64, '\0')},
        {"CR only", "W\rE\rD\rS\rC\rX\r0\r0\r1\r0\r0\r0\r"},
        {"no line break", "WEDSCX000000"},
        {"one 10 MB line", tenMegabyteLine},
    };
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        WriteBytes(SettingsFilePath(), bytes);
        EXPECT_NO_THROW(LoadSettingsAtStart());
        EXPECT_NO_THROW(LoadSettingsIntoEdits());
    }
    EXPECT_EQ(Buffer().size(), 1u);
    EXPECT_EQ(Buffer()[0].size(), tenMegabyteLine.size());
    EXPECT_EQ(Form2->KeyEdit(1).Text(), tenMegabyteLine.substr(0, kLongestKeyShown));
    WriteBytes(SettingsFilePath(), "W\rE\rD\rS\rC\rX\r0\r0\r1\r0\r0\r0\r");
    LoadSettingsAtStart();
    EXPECT_FALSE(Form2->ShiftBox(3).Checked());
    EXPECT_TRUE(Form2->ShiftBox(4).Checked());
}

}  // namespace
