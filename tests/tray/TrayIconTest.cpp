// The tray icon component with the shell replaced by a recorder: what it tells the
// shell and when, how mouse notifications become events, and minimising to the tray.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "Exceptions.h"
#include "HandleCounts.h"
#include "Menus.h"
#include "Platform.h"
#include "Reader.h"
#include "StandardClasses.h"
#include "TestSupport.h"
#include "TrayIcon.h"
#include "TrayWindow.h"

namespace {

struct ShellCall {
    DWORD message;
    NOTIFYICONDATAA data;
};
std::vector<ShellCall> shell;

BOOL WINAPI RecordShell(DWORD message, PNOTIFYICONDATAA data) {
    shell.push_back({message, *data});
    return TRUE;
}

std::vector<DWORD> Messages() {
    std::vector<DWORD> messages;
    for (const ShellCall& call : shell) messages.push_back(call.message);
    return messages;
}

constexpr const char* kTrayForm = R"(
object Tray: TTestForm
  object TrayIcon1: TTrayIcon
    CycleInterval = 0
    IconVisible = True
    IconIndex = 0
    PopupMenu = PopupMenu1
    MinimizeToTray = True
  end
  object PopupMenu1: TPopupMenu
    object Item1: TMenuItem
      Caption = 'First'
    end
    object Item2: TMenuItem
      Caption = 'Second'
      Default = True
      OnClick = SecondClick
    end
  end
end)";

class PlainMainForm : public TestForm {
public:
    explicit PlainMainForm(TComponent* owner)
        : TestForm(owner, "object Main: TTestForm\n  BorderStyle = bsNone\n  ClientWidth = 50\n"
                          "  ClientHeight = 50\nend\n") {}
};

class UncreatableOwner : public TWinControl {
public:
    using TWinControl::TWinControl;

protected:
    void CreateWnd() override { throw EInvalidOperation("Fenster kann nicht erzeugt werden"); }
};

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest() {
        RegisterStandardClasses();
        RegisterComponentClass<TTrayIcon>("TTrayIcon");
        table.Shell_NotifyIconA = &RecordShell;
        shell.clear();
        application.Initialize();
    }
    std::unique_ptr<TestForm> MakeForm() {
        return std::make_unique<TestForm>(&application, kTrayForm, [this](TestForm& form) {
            form.PublishMethod("SecondClick", TNotifyEvent([this](TObject*) { log += "menu "; }));
        });
    }
    void Record(TTrayIcon& icon) {
        icon.OnClick = [this](TObject*) { log += "click "; };
        icon.OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { log += "down "; };
        icon.OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { log += "up "; };
    }

    platform::Calls table = platform::SystemCalls();
    platform::ScopedOverride recording{table};
    TApplication application;
    std::string log;
};

TEST_F(TrayIconTest, AddsTheIconWhileReadingAndRemovesItWhenDestroyed) {
    auto form = MakeForm();
    auto& icon = ComponentAs<TTrayIcon>(*form, "TrayIcon1");
    // IconVisible adds at once while reading, IconIndex modifies; once loaded: modify,
    // add again (the shell refuses the second), and the notification style.
    EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_MODIFY, NIM_ADD, NIM_SETVERSION}));
    const NOTIFYICONDATAA& data = shell.back().data;
    EXPECT_EQ(data.cbSize, DWORD(NOTIFYICONDATAA_V2_SIZE));
    EXPECT_EQ(data.hWnd, TrayWindow()->Window());
    EXPECT_EQ(data.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(data.uCallbackMessage, 0x0800u);
    EXPECT_EQ(data.uVersion, 0u);
    EXPECT_EQ(TrayWindow()->Icons.at(data.uID), &icon);
    EXPECT_TRUE(icon.IconVisible());
    EXPECT_EQ(icon.PopupMenu, &ComponentAs<TPopupMenu>(*form, "PopupMenu1"));
    shell.clear();
    form.reset();
    ASSERT_FALSE(shell.empty());
    EXPECT_EQ(shell.front().message, DWORD(NIM_DELETE));
    EXPECT_EQ(TrayWindow(), nullptr);  // the last component took the shared window along
}

TEST_F(TrayIconTest, TheTipIsAtMost127CharactersAndEmptyWithoutShowHint) {
    auto form = MakeForm();
    auto& icon = ComponentAs<TTrayIcon>(*form, "TrayIcon1");
    icon.SetHint(std::string(200, 'h'));
    EXPECT_EQ(std::string(shell.back().data.szTip), std::string(127, 'h'));
    EXPECT_EQ(icon.Hint().size(), 200u);
    icon.SetShowHint(false);
    EXPECT_EQ(std::string(shell.back().data.szTip, 128), std::string(128, '\0'));
}

TEST_F(TrayIconTest, ABalloonIsShownOnceWithItsTextCutToTheShellsFields) {
    auto form = MakeForm();
    auto& icon = ComponentAs<TTrayIcon>(*form, "TrayIcon1");
    EXPECT_TRUE(icon.ShowBalloonHint("Kitbag", std::string(300, 'b'), NIIF_WARNING));
    const NOTIFYICONDATAA& balloon = shell.back().data;
    EXPECT_EQ(shell.back().message, DWORD(NIM_MODIFY));
    EXPECT_TRUE(balloon.uFlags & NIF_INFO);
    EXPECT_EQ(std::string(balloon.szInfoTitle), "Kitbag");
    EXPECT_EQ(std::string(balloon.szInfo), std::string(255, 'b'));
    EXPECT_EQ(balloon.dwInfoFlags, DWORD(NIIF_WARNING));
    icon.SetHint("tip");
    EXPECT_FALSE(shell.back().data.uFlags & NIF_INFO);
    EXPECT_EQ(shell.back().data.szInfo[0], '\0');
    icon.SetIconVisible(false);
    size_t calls = shell.size();
    EXPECT_FALSE(icon.ShowBalloonHint("Kitbag", "hidden icon"));
    EXPECT_EQ(shell.size(), calls);
}

TEST_F(TrayIconTest, NotificationsBecomeEventsInTheirOrder) {
    auto form = MakeForm();
    auto& icon = ComponentAs<TTrayIcon>(*form, "TrayIcon1");
    icon.PopupMenu = nullptr;
    Record(icon);
    icon.HandleNotification(WM_LBUTTONDOWN);
    icon.HandleNotification(WM_LBUTTONUP);
    EXPECT_EQ(log, "down click up ");
    log.clear();
    icon.OnDblClick = [this](TObject*) { log += "double "; };
    icon.HandleNotification(WM_LBUTTONDOWN);
    icon.HandleNotification(WM_LBUTTONUP);
    icon.HandleNotification(WM_LBUTTONDBLCLK);
    icon.HandleNotification(WM_LBUTTONUP);
    EXPECT_EQ(log, "down up double up ");  // the click waits for the double-click time
    // When the single-click timer runs out, the double-click in between leaves no click.
    long timers = HandleCounts::Live(HandleKind::Timer);
    ASSERT_TRUE(PumpUntil([&] { return HandleCounts::Live(HandleKind::Timer) < timers; }));
    EXPECT_EQ(log, "down up double up ");
    log.clear();
    icon.HandleNotification(WM_LBUTTONDOWN);
    icon.HandleNotification(WM_LBUTTONUP);
    EXPECT_TRUE(PumpUntil([&] { return log == "down up click "; }));
    log.clear();
    icon.Enabled = false;
    icon.HandleNotification(WM_LBUTTONDOWN);
    icon.HandleNotification(WM_RBUTTONDOWN);
    EXPECT_EQ(log, "");
    bool balloon = false;
    icon.OnBalloonHintShow = [&](TObject*) { balloon = true; };
    icon.HandleNotification(NIN_BALLOONSHOW);
    EXPECT_TRUE(balloon);
}

TEST_F(TrayIconTest, ADoubleClickClicksTheDefaultMenuItem) {
    auto form = MakeForm();
    auto& icon = ComponentAs<TTrayIcon>(*form, "TrayIcon1");
    icon.HandleNotification(WM_LBUTTONDBLCLK);
    EXPECT_EQ(log, "menu ");
    icon.LeftPopup = true;  // then a left press opens the menu instead
    log.clear();
    icon.HandleNotification(WM_LBUTTONDBLCLK);
    EXPECT_EQ(log, "");
}

TEST_F(TrayIconTest, TwoIconsShareOneWindowAndKeepTheirOwnIdentifiers) {
    auto first = MakeForm();
    auto second = MakeForm();
    auto& a = ComponentAs<TTrayIcon>(*first, "TrayIcon1");
    auto& b = ComponentAs<TTrayIcon>(*second, "TrayIcon1");
    EXPECT_EQ(a.NotifyData().hWnd, b.NotifyData().hWnd);
    EXPECT_NE(a.IconId(), b.IconId());
    EXPECT_EQ(TrayWindow()->UserCount, 2u);
    Record(b);
    first.reset();
    ASSERT_NE(TrayWindow(), nullptr);
    b.PopupMenu = nullptr;
    SendMessageA(TrayWindow()->Window(), TrayCallbackMessage, b.IconId(), WM_LBUTTONDOWN);
    SendMessageA(TrayWindow()->Window(), TrayCallbackMessage, b.IconId(), WM_LBUTTONUP);
    EXPECT_EQ(log, "down click up ");
    EXPECT_EQ(b.IconIndex(), 0);
    b.SetIconIndex(5);  // without an image list the index stays 0
    EXPECT_EQ(b.IconIndex(), 0);
}

TEST_F(TrayIconTest, MinimisingTheApplicationSendsItToTheTrayAndShowMainWindowBringsItBack) {
    PlainMainForm* main = nullptr;
    application.CreateForm(main);
    main->Show();
    ShowWindow(application.Handle(), SW_SHOWNOACTIVATE);
    auto form = MakeForm();
    auto& icon = ComponentAs<TTrayIcon>(*form, "TrayIcon1");
    icon.SetIconVisible(false);
    shell.clear();
    application.Minimize();
    EXPECT_FALSE(IsWindowVisible(main->Handle()));
    EXPECT_FALSE(IsWindowVisible(application.Handle()));  // no taskbar entry
    EXPECT_EQ(Messages(), (std::vector<DWORD>{NIM_ADD}));
    EXPECT_TRUE(icon.IconVisible());
    icon.ShowMainWindow();
    EXPECT_TRUE(IsWindowVisible(main->Handle()));
    EXPECT_TRUE(IsWindowVisible(application.Handle()));
    EXPECT_FALSE(IsIconic(application.Handle()));
}

TEST_F(TrayIconTest, AConstructionThatFailsAtTheOwnerHookLeavesNoEntryHookOrWindowBehind) {
    PlainMainForm* main = nullptr;
    application.CreateForm(main);  // the application hook's start-up check looks at it
    long windows = HandleCounts::Live(HandleKind::Window);
    UncreatableOwner owner(nullptr);
    // Built in storage of the test's own, so a hook left behind would write into it
    // rather than into freed memory.
    alignas(TTrayIcon) unsigned char storage[sizeof(TTrayIcon)];
    EXPECT_THROW(new (storage) TTrayIcon(&owner), EInvalidOperation);
    EXPECT_EQ(TrayWindow(), nullptr);  // neither its table entry nor its share of the window
    EXPECT_EQ(HandleCounts::Live(HandleKind::Window), windows);
    unsigned char before[sizeof storage];
    std::memcpy(before, storage, sizeof storage);
    WINDOWPOS position{application.Handle(), nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE};
    SendMessageA(application.Handle(), WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
    EXPECT_EQ(std::memcmp(storage, before, sizeof storage), 0) << "a hook left behind ran";
}

}  // namespace
