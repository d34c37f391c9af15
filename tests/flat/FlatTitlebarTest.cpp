// The flat title bar: it drags its form without repainting it, ends the drag when it
// loses the mouse capture, follows the form's activation through its hook, accepts only a
// form as parent and gives the form its procedure back.
#include <gtest/gtest.h>

#include "Exceptions.h"
#include "FlatTitlebar.h"
#include "Panel.h"
#include "Reader.h"
#include "TestSupport.h"

namespace {

constexpr const char* kTitlebarForm = R"(
object Dragged: TTestForm
  BorderStyle = bsNone
  Left = 100
  Top = 100
  ClientWidth = 200
  ClientHeight = 100
  object FlatTitlebar1: TFlatTitlebar
    Left = 0
    Top = 0
    Width = 200
    Height = 10
    TitlebarColor = clBlack
    ActiveTextColor = clWhite
    InactiveTextColor = 8559266
    OnActivate = Activated
    OnDeactivate = Deactivated
  end
end)";

class FlatTitlebarTest : public ::testing::Test {
protected:
    FlatTitlebarTest() {
        RegisterComponentClass<TFlatTitlebar>("TFlatTitlebar");
        application.Initialize();
    }
    template <class Form = TestForm>
    std::unique_ptr<Form> MakeForm() {
        return std::make_unique<Form>(&application, kTitlebarForm, [this](TestForm& form) {
            form.PublishMethod("Activated", TNotifyEvent([this](TObject*) { log += "on "; }));
            form.PublishMethod("Deactivated", TNotifyEvent([this](TObject*) { log += "off "; }));
        });
    }
    TApplication application;
    std::string log;
};

TEST_F(FlatTitlebarTest, DraggingWithTheLeftButtonMovesTheFormByTheMouseMoves) {
    auto form = MakeForm();
    auto& bar = ComponentAs<TFlatTitlebar>(*form, "FlatTitlebar1");
    HWND window = bar.Handle();
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendMessageA(window, WM_MOUSEMOVE, MK_RBUTTON, MAKELPARAM(50, 6));
    EXPECT_EQ(form->Left(), 100);  // the right button starts no drag
    SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(50, 6));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_TRUE(bar.Dragging());
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(25, 2));
    EXPECT_EQ(form->Left(), 115);
    EXPECT_EQ(form->Top(), 97);
    RECT rect;
    GetWindowRect(form->Handle(), &rect);
    EXPECT_EQ(rect.left, 115);
    EXPECT_EQ(rect.top, 97);
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(25, 2));
    EXPECT_FALSE(bar.Dragging());
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(60, 60));
    EXPECT_EQ(form->Left(), 115);
}

TEST_F(FlatTitlebarTest, LosingTheCaptureToAnotherWindowEndsTheDrag) {
    auto form = MakeForm();
    auto& bar = ComponentAs<TFlatTitlebar>(*form, "FlatTitlebar1");
    HWND window = bar.Handle();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    SetCapture(window);  // taken again by the bar itself: no loss
    EXPECT_TRUE(bar.Dragging());
    SetCapture(form->Handle());
    EXPECT_FALSE(bar.Dragging());
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(60, 6));
    EXPECT_EQ(form->Left(), 100);
    ReleaseCapture();
}

TEST_F(FlatTitlebarTest, EachDragStepMovesTheFormWithoutRepaintingIt) {
    struct PaintCountingForm : TestForm {
        using TestForm::TestForm;
        void WndProc(TMessage& message) override {
            if (message.Msg == WM_PAINT) ++paints;
            TestForm::WndProc(message);
        }
        int paints = 0;
    };
    auto form = MakeForm<PaintCountingForm>();
    form->Show();
    UpdateWindow(form->Handle());
    form->Invalidate();  // the count sees a real repaint
    PumpPending();
    ASSERT_GT(form->paints, 0);
    HWND bar = ComponentAs<TFlatTitlebar>(*form, "FlatTitlebar1").Handle();
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    form->paints = 0;
    for (int step = 0; step < 3; ++step) {
        SendMessageA(bar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(13, 7));
        PumpPending();
    }
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(13, 7));
    EXPECT_EQ(form->paints, 0);
}

TEST_F(FlatTitlebarTest, FollowsTheFormsActivationThroughItsHook) {
    auto form = MakeForm();
    auto& bar = ComponentAs<TFlatTitlebar>(*form, "FlatTitlebar1");
    EXPECT_FALSE(bar.Active());
    SendMessageA(form->Handle(), WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_TRUE(bar.Active());
    SendMessageA(form->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageA(form->Handle(), WM_ACTIVATE, 7, 0);  // no state: nothing changes
    EXPECT_FALSE(bar.Active());
    EXPECT_EQ(log, "on off ");
    // The form still sees its messages: a close request still hides it.
    form->Show();
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

TEST_F(FlatTitlebarTest, OnlyAFormMayBeItsParentAndItUnhooksWhenDestroyedFirst) {
    auto form = MakeForm();
    auto& bar = ComponentAs<TFlatTitlebar>(*form, "FlatTitlebar1");
    TPanel panel(form.get());
    panel.SetParent(form.get());
    try {
        bar.SetParent(&panel);
        FAIL() << "no error";
    } catch (const EInvalidOperation& error) {
        EXPECT_STREQ(error.what(), "TFlatTitlebar can only be placed on a descndant of a TCustomForm");
    }
    EXPECT_EQ(bar.Parent(), form.get());
    HWND window = form->Handle();
    LONG_PTR hooked = GetWindowLongPtrA(window, GWLP_WNDPROC);
    delete &bar;
    EXPECT_NE(GetWindowLongPtrA(window, GWLP_WNDPROC), hooked);
    SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);  // reaches the form, not a freed hook
    EXPECT_EQ(log, "");
}

}  // namespace
