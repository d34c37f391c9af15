// The seven windows as the program creates them: order, main window, names and places.
#include <gtest/gtest.h>

#include "HandleCounts.h"
#include "Memo.h"
#include "Program.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

namespace {

RECT ChildRect(TWinControl& control) {
    RECT rect;
    GetWindowRect(control.Handle(), &rect);
    MapWindowPoints(nullptr, GetParent(control.Handle()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(WindowsTest, AreCreatedInOrderWithTheirControlsWhereTheLayoutPutsThem) {
    long windows = HandleCounts::Live(HandleKind::Window);
    long gdi = HandleCounts::Live(HandleKind::GdiObject);
    {
        TApplication application;
        application.Initialize();
        CreateProgramForms(application);
        EXPECT_EQ(application.MainForm(), Form1);
        ASSERT_EQ(application.ComponentCount(), 7);
        TComponent* order[] = {Form1, Form2, Form3, Form4, Form5, Form6, Form7};
        for (int i = 0; i < 7; ++i) EXPECT_EQ(application.Components(i), order[i]);

        EXPECT_EQ(Form1->ClientWidth(), 360);
        EXPECT_EQ(Form1->ClientHeight(), 173);
        EXPECT_EQ(Form2->ClientWidth(), 509);
        EXPECT_EQ(Form2->ClientHeight(), 322);
        EXPECT_EQ(Form3->Left(), 390);
        EXPECT_EQ(Form3->Top(), 280);
        EXPECT_EQ(Form3->Width(), 268);
        EXPECT_EQ(Form3->Height(), 424);
        EXPECT_EQ(Form3->Caption(), "Form3");
        EXPECT_EQ(Form4->ClientWidth(), 212);
        EXPECT_EQ(Form5->ClientWidth(), 313);
        EXPECT_EQ(Form6->ClientHeight(), 162);
        EXPECT_EQ(Form7->ClientHeight(), 304);

        for (int slot = 1; slot <= 6; ++slot) {
            RECT edit = ChildRect(Form2->KeyEdit(slot));
            EXPECT_EQ(edit.left, 384);
            EXPECT_EQ(edit.top, 104 + 24 * (slot - 1));
            EXPECT_EQ(edit.right - edit.left, 33);
            EXPECT_EQ(Form2->KeyEdit(slot).MaxLength(), 1);
            RECT box = ChildRect(Form2->ShiftBox(slot));
            EXPECT_EQ(box.left, 304);
            EXPECT_EQ(box.top, 104 + 24 * (slot - 1));
            EXPECT_TRUE(Form2->ShiftBox(slot).Checked());
        }
        EXPECT_EQ(Form2->KeyEdit(1).Text(), "W");
        EXPECT_EQ(Form2->KeyEdit(6).Text(), "X");
        EXPECT_EQ(Form2->ActiveControl(), Form2->FlatCheckBox1);
        EXPECT_EQ(Form2->Label16->Font().Color(), clSilver);
        EXPECT_EQ(Form3->Memo1->Lines().Lines(), std::vector<std::string>{"Memo1"});
        const std::vector<std::pair<TMenuItem*, std::string>> menu = {
            {Form4->ShowMainmenu1, "Show Settings"}, {Form4->ExitKitbag1, "Show Mainmenu"},
            {Form4->N1, "-"}, {Form4->OnlyInWarcraftIII1, "Only in Warcraft III"},
            {Form4->PauseKeysWhileChatting1, "Pause keys while chatting"}, {Form4->N2, "-"},
            {Form4->ActivateKeysAtStart1, "Activate keys at start"},
            {Form4->StartWithWindows1, "Start with Windows"}, {Form4->N3, "-"},
            {Form4->ExitKitbag2, "Exit Kitbag"}};
        ASSERT_EQ(Form4->PopupMenu1->Items().Count(), int(menu.size()));
        for (size_t i = 0; i < menu.size(); ++i) {
            EXPECT_EQ(Form4->PopupMenu1->Items().Items(int(i)), menu[i].first) << i;
            EXPECT_EQ(menu[i].first->Caption(), menu[i].second);
            EXPECT_FALSE(menu[i].first->Checked);
        }
        EXPECT_FALSE(Form4->Label3->Visible());
        EXPECT_EQ(Form7->FlatButton1->Caption(), "OK");
        // A first run: the settings window in the main window's place.
        EXPECT_FALSE(Form1->Timer1->Enabled() || Form1->Timer2->Enabled());
        EXPECT_FALSE(IsWindowVisible(Form1->Handle()));
        EXPECT_TRUE(IsWindowVisible(Form2->Handle()));
    }
    EXPECT_EQ(HandleCounts::Live(HandleKind::Window), windows);
    EXPECT_EQ(HandleCounts::Live(HandleKind::GdiObject), gdi);
}

}  // namespace

namespace {

int CentreX(const TControl& control) { return 2 * control.Left() + control.Width(); }

TEST(WindowsTest, NameSitsCentredOnTheLogoAndClickableSlotNumbersShowTheHand) {
    TApplication application;
    application.Initialize();
    CreateProgramForms(application);
    for (TCustomForm* form : {static_cast<TCustomForm*>(Form1), static_cast<TCustomForm*>(Form7)}) {
        auto& name = ComponentAs<TLabel>(*form, "Label2");
        EXPECT_EQ(name.Caption(), "Kitbag");
        EXPECT_EQ(name.Alignment(), TAlignment::taCenter);
        EXPECT_EQ(CentreX(name), CentreX(ComponentAs<TControl>(*form, "Image3"))) << form->Name();
    }
    EXPECT_EQ(ComponentAs<TLabel>(*Form2, "Label2").Cursor(), crHandPoint);
    EXPECT_EQ(ComponentAs<TLabel>(*Form2, "Label3").Cursor(), crHandPoint);
}

}  // namespace
