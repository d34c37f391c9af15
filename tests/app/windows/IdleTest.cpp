// Nothing runs when nothing happens: while the pointer rests outside the program, no
// timer of the framework is armed, whichever window is showing; hovering a control arms
// its poll only until the pointer leaves.
#include <gtest/gtest.h>

#include "FlatButton.h"
#include "FlatCheckBox.h"
#include "HandleCounts.h"
#include "KitbagProcess.h"
#include "Program.h"
#include "SlotSettings.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"

namespace {

class IdleTest : public ::testing::Test {
protected:
    void SetUp() override {
        timersBefore = HandleCounts::Live(HandleKind::Timer);
        WriteBytes(SettingsFilePath(), "W\r\nE\r\nD\r\nS\r\nC\r\nX\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
        application.Initialize();
        CreateProgramForms(application);
        Form1->Show();
        ASSERT_TRUE(MovePointerTo(Outside()));
    }
    void TearDown() override {
        ReleaseHotkeys();
        DeleteFileW(SettingsFilePath().c_str());
    }

    // A screen point no window of the program covers.
    static POINT Outside() {
        return {GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2};
    }
    static POINT Centre(TWinControl& control) {
        RECT r;
        GetWindowRect(control.Handle(), &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    long ArmedTimers() const { return HandleCounts::Live(HandleKind::Timer) - timersBefore; }
    // Pumps until every armed timer is gone again; answers whether they went.
    bool Quiet() { return PumpUntil([&] { return ArmedTimers() == 0; }); }

    TApplication application;
    long timersBefore = 0;
};

TEST_F(IdleTest, NoTimerIsArmedInAnyWindowWhileNothingIsHovered) {
    // The settings were loaded before the program first waited: no start-up timer is left.
    EXPECT_EQ(ArmedTimers(), 0);

    Form1->Image9Click(nullptr);  // settings window
    PumpPending();
    EXPECT_EQ(ArmedTimers(), 0);
    Form2->Label15Click(nullptr);  // save
    Form2->Label16Click(nullptr);  // back to the main window
    PumpPending();
    EXPECT_EQ(ArmedTimers(), 0);
    Form1->Image11Click(nullptr);  // keys active, tray window and icon
    ASSERT_TRUE(Form4->Visible());
    PumpPending();
    EXPECT_EQ(ArmedTimers(), 0);
}

TEST_F(IdleTest, HoveringAControlArmsItsPollOnlyUntilThePointerLeaves) {
    ASSERT_TRUE(Quiet());
    Form1->Image9Click(nullptr);
    PumpPending();

    TFlatCheckBox& box = Form2->ShiftBox(1);
    ASSERT_TRUE(MovePointerTo(Centre(box)));
    ASSERT_TRUE(PumpUntil([&] { return box.Hovered(); }));
    EXPECT_EQ(ArmedTimers(), 1);
    ASSERT_TRUE(MovePointerTo(Outside()));
    EXPECT_TRUE(Quiet());
    EXPECT_FALSE(box.Hovered());

    // A flat button of a message window likewise.
    Form5->Show();
    TFlatButton& ok = *Form5->FlatButton1;
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(ok.Handle()) != FALSE; }));
    ASSERT_TRUE(MovePointerTo(Centre(ok)));
    ASSERT_TRUE(PumpUntil([&] { return ArmedTimers() == 1; }));
    ASSERT_TRUE(MovePointerTo(Outside()));
    EXPECT_TRUE(Quiet());
}

}  // namespace
