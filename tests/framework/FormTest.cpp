// Forms and the application: the main-form rule, first-show centring, errors shown in
// a message box while the loop goes on, and handle counts after a round trip.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "Edit.h"
#include "Exceptions.h"
#include "GraphicControl.h"
#include "HandleCounts.h"
#include "Image.h"
#include "Label.h"
#include "Memo.h"
#include "Platform.h"
#include "StandardClasses.h"
#include "TestSupport.h"
#include "Timer.h"

namespace {

constexpr const char* kPlainForm = R"(
object Plain: TTestForm
  BorderStyle = bsNone
  ClientWidth = 200
  ClientHeight = 100
  Position = poDesktopCenter
end)";

class PlainForm : public TestForm {
public:
    explicit PlainForm(TComponent* owner) : TestForm(owner, kPlainForm) {}
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStandardClasses();
        application.Initialize();
    }
    TApplication application;
};

TEST_F(FormTest, ClosingTheMainFormEndsTheProgramAndAnyOtherOnlyHides) {
    PlainForm* main = nullptr;
    PlainForm* other = nullptr;
    application.CreateForm(main);
    application.CreateForm(other);
    EXPECT_EQ(application.MainForm(), main);
    main->Show();
    other->Show();
    SendMessageA(other->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(other->Handle()));
    EXPECT_TRUE(IsWindow(other->Handle()));
    EXPECT_FALSE(application.Terminated());
    SendMessageA(main->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(application.Terminated());
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(FormTest, IsCentredOnTheDesktopAtItsFirstShowingOnly) {
    TestForm form(&application, kPlainForm);
    form.Show();
    RECT rect;
    GetWindowRect(form.Handle(), &rect);
    int desktopWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    int desktopHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    EXPECT_EQ(rect.right - rect.left, 200);
    EXPECT_EQ(rect.bottom - rect.top, 100);
    EXPECT_NEAR(rect.left, GetSystemMetrics(SM_XVIRTUALSCREEN) + (desktopWidth - 200) / 2, 1);
    EXPECT_NEAR(rect.top, GetSystemMetrics(SM_YVIRTUALSCREEN) + (desktopHeight - 100) / 2, 1);
    form.SetBounds(10, 20, 200, 100);
    form.Hide();
    form.Show();
    GetWindowRect(form.Handle(), &rect);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 20);
}

TEST_F(FormTest, AnErrorInAHandlerIsShownInAMessageBoxAndTheLoopGoesOn) {
    TestForm form(&application, R"(
object Failing: TTestForm
  object Timer1: TTimer
    Interval = 1
    OnTimer = Fail
  end
end)",
                  [](TestForm& self) {
                      self.PublishMethod("Fail", TNotifyEvent([&self](TObject*) {
                          ComponentAs<TTimer>(self, "Timer1").SetEnabled(false);
                          throw EFOpenError(L"C:\\nowhere\\Settings.ini");
                      }));
                  });
    // The box is modal inside the handler: read and close it from another thread.
    std::atomic<bool> stop{false}, got{false};
    std::wstring seen;
    std::thread closer([&] {
        while (!stop) {
            HWND box = FindWindowW(L"#32770", nullptr);
            if (box && GetWindowThreadProcessId(box, nullptr) == GetWindowThreadProcessId(form.Handle(), nullptr)) {
                wchar_t text[256] = {};
                // The box exists a moment before its text does.
                if (GetDlgItemTextW(box, 0xFFFF, text, 256) > 0) {
                    seen = text;
                    got = true;  // published after the text, read only after this
                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                    return;
                }
            }
            Sleep(20);
        }
    });
    bool shown = PumpUntil([&] { return got.load(); });
    stop = true;
    closer.join();
    ASSERT_TRUE(shown);
    EXPECT_EQ(seen, L"Datei C:\\nowhere\\Settings.ini kann nicht ge\u00f6ffnet werden");
    bool delivered = false;
    application.HookMainWindow([&](TMessage& m) {
        if (m.Msg == WM_APP) delivered = true;
        return false;
    });
    PostMessageA(application.Handle(), WM_APP, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return delivered; }));
}

TEST_F(FormTest, CreatingAndDestroyingAFormGivesBackEveryHandle) {
    long gdi = HandleCounts::Live(HandleKind::GdiObject);
    long windows = HandleCounts::Live(HandleKind::Window);
    long timers = HandleCounts::Live(HandleKind::Timer);
    {
        TestForm form(&application, R"(
object Busy: TTestForm
  ClientWidth = 120
  ClientHeight = 80
  Font.Name = 'Verdana'
  object Label1: TLabel
    Caption = 'Hello'
    Font.Height = -13
  end
  object Image1: TImage
    Width = 40
    Height = 40
    Stretch = True
  end
  object Edit1: TEdit
    Top = 40
  end
  object Memo1: TMemo
    Top = 60
    Lines.Strings = ('Memo1')
  end
  object Timer1: TTimer
    Interval = 50
    OnTimer = Tick
  end
end)",
                      [](TestForm& self) { self.PublishMethod("Tick", TNotifyEvent([](TObject*) {})); });
        ComponentAs<TImage>(form, "Image1").Picture().SetSize(8, 8);
        form.Show();
        UpdateWindow(form.Handle());
        PumpPending();
        EXPECT_GT(HandleCounts::Live(HandleKind::Window), windows);
        EXPECT_EQ(HandleCounts::Live(HandleKind::Timer), timers + 1);
    }
    EXPECT_EQ(HandleCounts::Live(HandleKind::GdiObject), gdi);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Window), windows);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Timer), timers);
}

// Reports its own destruction in a log that outlives the form.
struct DestructionWitness {
    std::vector<std::string>* log;
    ~DestructionWitness() { log->push_back("member destroyed"); }
};

class FormWithMember : public TestForm {
public:
    FormWithMember(TComponent* owner, std::vector<std::string>& log)
        : TestForm(owner, R"(
object Member: TTestForm
  object Edit1: TEdit
  end
end)"),
          witness{&log} {
        OnDestroy = [this](TObject*) { witness.log->push_back("OnDestroy"); };
        ComponentAs<TEdit>(*this, "Edit1").OnExit = [this](TObject*) {
            witness.log->push_back("OnExit");
        };
    }
    DestructionWitness witness;
};

TEST_F(FormTest, OnDestroySeesTheWholeFormAndNoHandlerRunsOnceItIsGoing) {
    std::vector<std::string> log;
    auto* form = new FormWithMember(&application, log);
    form->Show();
    ComponentAs<TEdit>(*form, "Edit1").SetFocus();
    ASSERT_TRUE(ComponentAs<TEdit>(*form, "Edit1").Focused());
    TComponent::Free(form);
    EXPECT_EQ(log, (std::vector<std::string>{"OnDestroy", "member destroyed"}));
    EXPECT_EQ(application.ComponentCount(), 0);
}

class FailingPaint : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override { throw EInvalidOperation("paint failed"); }
};

int beginPaints, endPaints, savedDCs, restoredDCs;
HDC WINAPI CountBeginPaint(HWND window, LPPAINTSTRUCT paint) {
    ++beginPaints;
    return platform::SystemCalls().BeginPaint(window, paint);
}
BOOL WINAPI CountEndPaint(HWND window, const PAINTSTRUCT* paint) {
    ++endPaints;
    return platform::SystemCalls().EndPaint(window, paint);
}
int WINAPI CountSaveDC(HDC dc) {
    ++savedDCs;
    return platform::SystemCalls().SaveDC(dc);
}
BOOL WINAPI CountRestoreDC(HDC dc, int saved) {
    ++restoredDCs;
    return platform::SystemCalls().RestoreDC(dc, saved);
}

TEST_F(FormTest, APaintThatThrowsStillEndsThePaintAndRestoresTheContext) {
    platform::Calls table = platform::SystemCalls();
    table.BeginPaint = &CountBeginPaint;
    table.EndPaint = &CountEndPaint;
    table.SaveDC = &CountSaveDC;
    table.RestoreDC = &CountRestoreDC;
    platform::ScopedOverride counting(table);
    std::vector<std::string> errors;
    application.OnException = [&](const std::string& message) { errors.push_back(message); };
    PlainForm form(&application);
    auto* failing = new FailingPaint(&form);
    failing->SetBounds(10, 10, 50, 20);
    failing->SetParent(&form);
    form.Show();
    beginPaints = endPaints = savedDCs = restoredDCs = 0;
    InvalidateRect(form.Handle(), nullptr, FALSE);
    UpdateWindow(form.Handle());
    PumpPending();
    EXPECT_EQ(errors, std::vector<std::string>{"paint failed"});
    EXPECT_EQ(beginPaints, 1);
    EXPECT_EQ(endPaints, 1);
    EXPECT_GE(savedDCs, 1);
    EXPECT_EQ(restoredDCs, savedDCs);
    EXPECT_FALSE(GetUpdateRect(form.Handle(), nullptr, FALSE));
}

TEST_F(FormTest, AProgramThatStartsHiddenShowsNoTaskbarButton) {
    PlainForm* main = nullptr;
    application.CreateForm(main);
    application.ShowMainForm = false;
    application.Terminate();
    application.Run();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_FALSE(IsWindowVisible(application.Handle()));
}

}  // namespace
