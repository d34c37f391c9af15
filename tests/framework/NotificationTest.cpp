// The framework's notifications to its controls: the control under the mouse hears it
// enter and leave, and an Alt character is offered to the controls until one takes it.
#include <gtest/gtest.h>

#include <string>

#include "Label.h"
#include "Reader.h"
#include "Screen.h"
#include "StandardClasses.h"
#include "TestSupport.h"

namespace {

// A label that tells which framework notifications reached it.
class TProbeLabel : public TLabel {
public:
    using TLabel::TLabel;
    std::string* log = nullptr;
    void WndProc(TMessage& message) override {
        if (log && message.Msg == CM_MOUSEENTER) *log += Name() + " enter ";
        if (log && message.Msg == CM_MOUSELEAVE) *log += Name() + " leave ";
        if (log && message.Msg == CM_DIALOGCHAR) {
            *log += Name() + " char ";
            message.Result = IsAccel(unsigned(message.WParam), Caption()) ? 1 : 0;
            return;
        }
        TLabel::WndProc(message);
    }
};

class NotificationTest : public ::testing::Test {
protected:
    NotificationTest() {
        RegisterStandardClasses();
        RegisterComponentClass<TProbeLabel>("TProbeLabel");
        application.Initialize();
    }
    TApplication application;
    std::string log;
};

TEST_F(NotificationTest, TheControlUnderTheMouseHearsItEnterAndLeave) {
    TestForm form(&application, R"(
object Hover: TTestForm
  BorderStyle = bsNone
  Left = 200
  Top = 200
  ClientWidth = 100
  ClientHeight = 50
  object A: TProbeLabel
    AutoSize = False
    Width = 50
    Height = 50
  end
  object B: TProbeLabel
    Left = 50
    AutoSize = False
    Width = 50
    Height = 50
  end
end)");
    ComponentAs<TProbeLabel>(form, "A").log = &log;
    ComponentAs<TProbeLabel>(form, "B").log = &log;
    form.Show();
    auto moveTo = [&](int x, int y) {
        SetCursorPos(x, y);
        PostMessageA(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x - 200, y - 200));
        application.ProcessMessages();
    };
    ASSERT_TRUE(PumpUntil([&] {
        moveTo(210, 210);
        return log == "A enter ";
    }));
    moveTo(260, 210);
    EXPECT_EQ(log, "A enter A leave B enter ");
}

TEST_F(NotificationTest, AnAltCharacterIsOfferedToTheControlsUntilOneTakesIt) {
    TestForm form(&application, R"(
object Keys: TTestForm
  object A: TProbeLabel
    Caption = '&Save'
  end
  object B: TProbeLabel
    Caption = '&Exit'
  end
  object Edit1: TEdit
  end
end)");
    ComponentAs<TProbeLabel>(form, "A").log = &log;
    ComponentAs<TProbeLabel>(form, "B").log = &log;
    EXPECT_EQ(form.Perform(CM_DIALOGCHAR, 'e'), 1);
    EXPECT_EQ(log, "A char B char ");
    log.clear();
    EXPECT_EQ(form.Perform(CM_DIALOGCHAR, 'q'), 0);

    // A character goes to the form it was typed into, even once the focus has moved on.
    TestForm other(&application, R"(
object Other: TTestForm
  object Edit2: TEdit
  end
end)");
    other.Show();
    ComponentAs<TWinControl>(other, "Edit2").SetFocus();
    log.clear();
    PostMessageA(form.Handle(), WM_SYSCHAR, 'e', 1);
    application.ProcessMessages();
    EXPECT_EQ(log, "A char B char ");

    EXPECT_TRUE(IsAccel('s', "&Save"));
    EXPECT_FALSE(IsAccel('v', "Sa&&ve"));
}

}  // namespace
