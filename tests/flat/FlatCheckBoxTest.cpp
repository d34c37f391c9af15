// The flat check box: its square's colours and check mark to the pixel, the Checked
// writer's clicks, toggling by mouse, space and accelerator, the shared hover poll that
// runs only while a box is lit, colour derivation, transparency, and no leaks.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "Bitmap.h"
#include "FlatCheckBox.h"
#include "HandleCounts.h"
#include "Platform.h"
#include "Reader.h"
#include "TestSupport.h"

namespace {

constexpr const char* kCheckBoxForm = R"(
object Boxes: TTestForm
  BorderStyle = bsNone
  Left = 120
  Top = 120
  ClientWidth = 300
  ClientHeight = 120
  Color = 14805739
  object FlatCheckBox1: TFlatCheckBox
    Left = 10
    Top = 10
    Width = 121
    Height = 17
    Caption = 'First'
    OnClick = BoxClick
    OnMouseDown = BoxMouseDown
    OnMouseUp = BoxMouseUp
  end
  object FlatCheckBox2: TFlatCheckBox
    Left = 10
    Top = 50
    Width = 121
    Height = 17
    Caption = '&Shift'
    OnClick = BoxClick
    Checked = True
  end
end)";

// Where the tests put the pointer and whether the program has an active window.
POINT boxCursor{0, 0};
bool boxActive = true;
HWND boxActiveWindow = nullptr;

BOOL WINAPI BoxGetCursorPos(LPPOINT point) {
    *point = boxCursor;
    return TRUE;
}
HWND WINAPI BoxGetActiveWindow() { return boxActive ? boxActiveWindow : nullptr; }

platform::Calls FakeCalls() {
    platform::Calls calls = platform::SystemCalls();
    calls.GetCursorPos = &BoxGetCursorPos;
    calls.GetActiveWindow = &BoxGetActiveWindow;
    return calls;
}

COLORREF Rgb(TColor color) { return ColorToRGB(color); }

class FlatCheckBoxTest : public ::testing::Test {
protected:
    FlatCheckBoxTest() : fake_(calls_) {
        RegisterComponentClass<TFlatCheckBox>("TFlatCheckBox");
        application.Initialize();
        boxActive = true;
        boxCursor = {0, 0};
    }
    std::unique_ptr<TestForm> MakeForm(const char* description = kCheckBoxForm) {
        auto form = std::make_unique<TestForm>(&application, description, [this](TestForm& f) {
            f.PublishMethod("BoxClick", TNotifyEvent([this](TObject* sender) {
                                auto* box = static_cast<TFlatCheckBox*>(sender);
                                log += box->Name() + (box->Checked() ? ":on " : ":off ");
                            }));
            f.PublishMethod("BoxMouseDown",
                            TMouseEvent([this](TObject*, TMouseButton, TShiftState, int, int) {
                                log += "down ";
                            }));
            f.PublishMethod("BoxMouseUp",
                            TMouseEvent([this](TObject*, TMouseButton, TShiftState, int, int) {
                                log += "up ";
                            }));
        });
        form->Show();
        boxActiveWindow = form->Handle();
        PumpPending();
        // Showing focuses the first box; the tests start from an idle first box.
        Box(*form, 2).SetFocus();
        loadLog = std::exchange(log, "");
        return form;
    }
    static TFlatCheckBox& Box(TestForm& form, int number) {
        return ComponentAs<TFlatCheckBox>(form, "FlatCheckBox" + std::to_string(number));
    }
    // The screen point of a client point of the box.
    static POINT ScreenPoint(TFlatCheckBox& box, int x, int y) { return box.ClientToScreen({x, y}); }
    // Moves the pointer over the box as the system would tell it.
    static void MoveOver(TFlatCheckBox& box, int x = 5, int y = 8) {
        boxCursor = ScreenPoint(box, x, y);
        SendMessageA(box.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }
    // The box as a paint cycle draws it, captured into a bitmap.
    static std::unique_ptr<TBitmap> Capture(TFlatCheckBox& box) {
        auto bitmap = std::make_unique<TBitmap>();
        bitmap->SetSize(box.Width(), box.Height());
        SendMessageA(box.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas().Handle()), 0);
        GdiFlush();
        return bitmap;
    }
    static COLORREF Fill(TFlatCheckBox& box) {
        RECT square = box.SquareRect();
        return Capture(box)->Pixel(square.left + 1, square.top + 1);
    }

    platform::Calls calls_ = FakeCalls();
    platform::ScopedOverride fake_;
    TApplication application;
    std::string log, loadLog;
};

// The pixels of the check mark relative to the square's top-left corner.
std::set<std::pair<int, int>> ExpectedMark() {
    return {{2, 4}, {3, 5}, {4, 6}, {5, 7}, {2, 5}, {3, 6}, {4, 7}, {2, 6}, {3, 7}, {4, 8},
            {8, 2}, {7, 3}, {6, 4}, {5, 5}, {8, 3}, {7, 4}, {6, 5}, {5, 6}, {8, 4}, {7, 5},
            {6, 6}};
}

std::set<std::pair<int, int>> PixelsOf(const TBitmap& bitmap, const RECT& area, COLORREF color) {
    std::set<std::pair<int, int>> found;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (bitmap.Pixel(x, y) == color) found.insert({x - area.left, y - area.top});
    return found;
}

TEST_F(FlatCheckBoxTest, ANewBoxHasItsDefaultsAndTheParentsColour) {
    TForm parent(&application, "TTestForm");
    parent.SetColor(0x123456);
    auto* box = new TFlatCheckBox(&parent);
    box->SetParent(&parent);
    EXPECT_EQ(box->Width(), 121);
    EXPECT_EQ(box->Height(), 17);
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(box->TabStop());
    EXPECT_EQ(box->Layout(), TCheckBoxLayout::checkboxLeft);
    EXPECT_EQ(box->ColorFocused(), 0xFFFFFF);
    EXPECT_EQ(box->ColorDown(), 0xC5D6D9);
    EXPECT_EQ(box->ColorBorder(), 0x8396A0);
    EXPECT_EQ(box->ColorCheck(), 0);
    EXPECT_EQ(box->Color(), 0x123456);
    EXPECT_TRUE(box->ParentColor());
    EXPECT_FALSE(box->Transparent());
    EXPECT_FALSE(box->UseAdvColors());
    EXPECT_EQ(box->AdvColorFocused(), 10);
    EXPECT_EQ(box->AdvColorDown(), 10);
    EXPECT_EQ(box->AdvColorBorder(), 50);
}

TEST_F(FlatCheckBoxTest, TheSharedTimerLivesFromTheFirstBoxToTheLast) {
    ASSERT_EQ(TFlatCheckBox::FlatCheckBoxCount(), 0);
    EXPECT_EQ(TFlatCheckBox::CheckBoxPollTimer(), nullptr);
    {
        auto form = MakeForm();
        EXPECT_EQ(TFlatCheckBox::FlatCheckBoxCount(), 2);
        TTimer* timer = TFlatCheckBox::CheckBoxPollTimer();
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->Interval(), 100u);
        EXPECT_FALSE(timer->Running());
        delete &Box(*form, 1);
        EXPECT_EQ(TFlatCheckBox::CheckBoxPollTimer(), timer);  // one box is left
    }
    EXPECT_EQ(TFlatCheckBox::FlatCheckBoxCount(), 0);
    EXPECT_EQ(TFlatCheckBox::CheckBoxPollTimer(), nullptr);
    TFlatCheckBox again(nullptr);
    EXPECT_NE(TFlatCheckBox::CheckBoxPollTimer(), nullptr);
}

TEST_F(FlatCheckBoxTest, OnlyRealChangesOfCheckedClickAndTheHandlerSeesTheNewValue) {
    auto form = MakeForm();
    EXPECT_EQ(loadLog, "FlatCheckBox2:on ");  // read from the description
    auto& box = Box(*form, 1);
    box.SetChecked(false);
    EXPECT_EQ(log, "");
    box.SetChecked(true);
    box.SetChecked(true);
    box.SetChecked(false);
    EXPECT_EQ(log, "FlatCheckBox1:on FlatCheckBox1:off ");
}

TEST_F(FlatCheckBoxTest, AutomationReadsAndSetsTheStateLikeASystemCheckBox) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    SendMessageA(box.Handle(), BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(SendMessageA(box.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(box.Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(box.Checked());
    char name[64] = {};
    GetClassNameA(box.Handle(), name, sizeof name);
    EXPECT_STREQ(name, "TFlatCheckBox");
}

TEST_F(FlatCheckBoxTest, TheSquareHasItsBorderFillAndCheckMarkToThePixel) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    box.SetChecked(true);
    box.SetColorCheck(clRed);
    box.SetColorBorder(0x00FF00);
    for (auto layout : {TCheckBoxLayout::checkboxLeft, TCheckBoxLayout::checkboxRight}) {
        box.SetLayout(layout);
        RECT square = box.SquareRect();
        EXPECT_EQ(square.right - square.left, 11);
        EXPECT_EQ(square.top, 3);
        EXPECT_EQ(square.left, layout == TCheckBoxLayout::checkboxLeft ? 1 : 121 - 12);
        auto bitmap = Capture(box);
        RECT inner = square;
        InflateRect(&inner, -1, -1);
        EXPECT_EQ(PixelsOf(*bitmap, square, Rgb(clRed)), ExpectedMark());
        // The border is the whole outer ring, and nothing else is border coloured.
        auto border = PixelsOf(*bitmap, square, 0x00FF00);
        EXPECT_EQ(border.size(), 40u);
        for (auto [x, y] : border) EXPECT_TRUE(x == 0 || y == 0 || x == 10 || y == 10);
        // Idle: the rest of the inside is the control's colour.
        int fill = int(PixelsOf(*bitmap, inner, Rgb(box.Color())).size());
        EXPECT_EQ(fill, 81 - 21);
    }
    box.SetFocus();
    EXPECT_EQ(PixelsOf(*Capture(box), box.SquareRect(), 0xFFFFFF).size(), 81u - 21u);
    box.SetEnabled(false);
    auto bitmap = Capture(box);
    EXPECT_EQ(PixelsOf(*bitmap, box.SquareRect(), Rgb(clBtnShadow)), ExpectedMark());
}

TEST_F(FlatCheckBoxTest, APressFocusesAndDarkensAndTheReleaseTogglesWhileHovered) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    HWND window = box.Handle();
    EXPECT_EQ(Fill(box), Rgb(box.Color()));
    MoveOver(box);
    EXPECT_TRUE(box.Hovered());
    EXPECT_EQ(Fill(box), 0xFFFFFFu);
    // The square shows the press at once, without waiting for a paint cycle.
    ValidateRect(window, nullptr);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    EXPECT_TRUE(box.Pressed());
    EXPECT_TRUE(box.Focused());
    EXPECT_TRUE(box.HasFocus());
    {
        ClientDC dc(window);
        EXPECT_EQ(GetPixel(dc.Get(), 3, 5), Rgb(0xC5D6D9));
    }
    EXPECT_EQ(Fill(box), Rgb(0xC5D6D9));
    EXPECT_EQ(log, "down ");
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    EXPECT_FALSE(box.Pressed());
    EXPECT_TRUE(box.Checked());
    EXPECT_EQ(log, "down FlatCheckBox1:on up ");  // one click only, from the writer
    EXPECT_EQ(Fill(box), 0xFFFFFFu);
}

TEST_F(FlatCheckBoxTest, OtherButtonsNeitherToggleNorRaiseMouseEvents) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    MoveOver(box);
    HWND window = box.Handle();
    SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 8));
    SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(5, 8));
    SendMessageA(window, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 8));
    SendMessageA(window, WM_MBUTTONUP, 0, MAKELPARAM(5, 8));
    EXPECT_FALSE(box.Checked());
    EXPECT_FALSE(box.Pressed());
    EXPECT_EQ(log, "");
}

TEST_F(FlatCheckBoxTest, ADoubleClickTogglesTwice) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    MoveOver(box);
    HWND window = box.Handle();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 8));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(log, "down FlatCheckBox1:on up down FlatCheckBox1:off up ");
}

TEST_F(FlatCheckBoxTest, APressDraggedOffTheBoxStillTogglesAndThePollThenEndsTheHover) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    TTimer* timer = TFlatCheckBox::CheckBoxPollTimer();
    HWND window = box.Handle();
    MoveOver(box);
    EXPECT_TRUE(timer->Running());
    EXPECT_EQ(TFlatCheckBox::HoveredCheckBox(), &box);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    // Off the box, still holding: the poll keeps the hover while the button is down.
    boxCursor = ScreenPoint(box, 200, 60);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 60));
    PumpUntil([] { return false; }, 250);
    EXPECT_TRUE(box.Hovered());
    EXPECT_TRUE(timer->Running());
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(200, 60));
    EXPECT_TRUE(box.Checked());
    ASSERT_TRUE(PumpUntil([&] { return !box.Hovered(); }));
    EXPECT_FALSE(timer->Running());
    EXPECT_EQ(TFlatCheckBox::HoveredCheckBox(), nullptr);
    EXPECT_EQ(Fill(box), 0xFFFFFFu);  // still focused by the press
}

TEST_F(FlatCheckBoxTest, WithoutAnActiveWindowThePointerLightsNothing) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    boxActive = false;
    MoveOver(box);
    EXPECT_FALSE(box.Hovered());
    EXPECT_EQ(TFlatCheckBox::HoveredCheckBox(), nullptr);
    EXPECT_FALSE(TFlatCheckBox::CheckBoxPollTimer()->Running());
    EXPECT_EQ(Fill(box), Rgb(box.Color()));
}

TEST_F(FlatCheckBoxTest, AClickComingFromAnotherProgramTogglesWithoutAMoveFirst) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    boxActive = false;  // the game was active while the pointer came to rest here
    MoveOver(box);
    SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    EXPECT_EQ(TFlatCheckBox::HoveredCheckBox(), &box);
    SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    EXPECT_EQ(log, "down FlatCheckBox1:on up ");
}

TEST_F(FlatCheckBoxTest, LosingTheCaptureEndsThePressWithoutAToggle) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    HWND window = box.Handle();
    for (bool cancelled : {false, true}) {
        MoveOver(box);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
        boxCursor = ScreenPoint(box, 200, 60);
        if (cancelled) SendMessageA(window, WM_CANCELMODE, 0, 0);
        else SetCapture(form->Handle());
        EXPECT_FALSE(box.Pressed());
        EXPECT_FALSE(TFlatCheckBox::CheckBoxPollTimer()->Running());
        // Back on the box: the hovered face, and a late release is no click.
        MoveOver(box);
        EXPECT_EQ(Fill(box), 0xFFFFFFu);
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    }
    ReleaseCapture();
    EXPECT_EQ(log, "down up down up ");
}

TEST_F(FlatCheckBoxTest, HoveringASecondBoxMovesThePollUnlessTheFirstIsPressed) {
    auto form = MakeForm();
    auto& first = Box(*form, 1);
    auto& second = Box(*form, 2);
    MoveOver(first);
    MoveOver(second);
    EXPECT_FALSE(first.Hovered());
    EXPECT_TRUE(second.Hovered());
    EXPECT_EQ(TFlatCheckBox::HoveredCheckBox(), &second);
    EXPECT_TRUE(TFlatCheckBox::CheckBoxPollTimer()->Running());
    // A pressed box keeps its hover; the poll moves on all the same.
    MoveOver(first);
    SendMessageA(first.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    MoveOver(second);
    EXPECT_TRUE(first.Hovered());
    EXPECT_TRUE(second.Hovered());
    EXPECT_EQ(TFlatCheckBox::HoveredCheckBox(), &second);
    SendMessageA(first.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
}

TEST_F(FlatCheckBoxTest, LosingTheFocusEndsTheHoverAndTheNextMoveLightsItAgain) {
    auto form = MakeForm();
    auto& first = Box(*form, 1);
    auto& second = Box(*form, 2);
    first.SetFocus();
    MoveOver(first);
    EXPECT_TRUE(first.Hovered());
    second.SetFocus();
    EXPECT_FALSE(first.HasFocus());
    EXPECT_FALSE(first.Hovered());
    EXPECT_FALSE(TFlatCheckBox::CheckBoxPollTimer()->Running());
    EXPECT_EQ(Fill(first), Rgb(first.Color()));
    EXPECT_EQ(Fill(second), 0xFFFFFFu);
    MoveOver(first);
    EXPECT_TRUE(first.Hovered());
    EXPECT_TRUE(TFlatCheckBox::CheckBoxPollTimer()->Running());
}

TEST_F(FlatCheckBoxTest, SpaceTogglesOnlyTheFocusedBoxAndTheAcceleratorFocusesAndToggles) {
    auto form = MakeForm();
    auto& first = Box(*form, 1);
    auto& second = Box(*form, 2);
    first.SetFocus();
    log.clear();
    // Through the application, as typed characters arrive.
    PostMessageA(first.Handle(), WM_CHAR, ' ', 0);
    application.ProcessMessages();
    EXPECT_TRUE(first.Checked());
    EXPECT_TRUE(second.Checked());
    PostMessageA(first.Handle(), WM_CHAR, 's', 0);
    application.ProcessMessages();
    EXPECT_FALSE(second.Checked());
    EXPECT_TRUE(second.Focused());
    PostMessageA(second.Handle(), WM_SYSCHAR, 'S', 0);
    application.ProcessMessages();
    EXPECT_TRUE(second.Checked());
    EXPECT_EQ(log, "FlatCheckBox1:on FlatCheckBox2:off FlatCheckBox2:on ");
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'S'), 1);
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'x'), 0);
    // A box that cannot take the focus ignores its accelerator.
    second.SetEnabled(false);
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 's'), 0);
}

TEST_F(FlatCheckBoxTest, KeyHandlersSeeTheKeysAndMaySwallowThem) {
    constexpr const char* kKeyForm = R"(
object Keys: TTestForm
  object FlatCheckBox1: TFlatCheckBox
    OnKeyDown = KeyDown
    OnKeyPress = KeyPress
    OnKeyUp = KeyUp
  end
end)";
    std::string keys;
    TestForm form(&application, kKeyForm, [&](TestForm& f) {
        f.PublishMethod("KeyDown", TKeyEvent([&](TObject*, std::uint16_t& key, TShiftState) {
                            keys += "d" + std::to_string(key) + " ";
                        }));
        f.PublishMethod("KeyUp", TKeyEvent([&](TObject*, std::uint16_t& key, TShiftState) {
                            keys += "u" + std::to_string(key) + " ";
                        }));
        f.PublishMethod("KeyPress", TKeyPressEvent([&](TObject*, char& key) {
                            keys += std::string("p") + key + " ";
                        }));
    });
    auto& box = Box(form, 1);
    SendMessageA(box.Handle(), WM_KEYDOWN, 'A', 0);
    SendMessageA(box.Handle(), WM_CHAR, 'a', 0);
    SendMessageA(box.Handle(), WM_KEYUP, 'A', 0);
    EXPECT_EQ(keys, "d65 pa u65 ");
}

TEST_F(FlatCheckBoxTest, ADisabledBoxIgnoresTheMouseAndDrawsEngraved) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    MoveOver(box);
    ASSERT_TRUE(box.Hovered());
    box.SetEnabled(false);
    EXPECT_FALSE(box.Hovered());
    EXPECT_EQ(TFlatCheckBox::HoveredCheckBox(), nullptr);
    EXPECT_FALSE(TFlatCheckBox::CheckBoxPollTimer()->Running());
    // Messages sent straight to the window, as a disabled window would not get them.
    box.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
    box.Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
    MoveOver(box);
    EXPECT_FALSE(box.Checked());
    EXPECT_FALSE(box.Pressed());
    EXPECT_FALSE(box.Hovered());
    EXPECT_EQ(log, "");
    box.Font().SetColor(clRed);
    box.SetCaption("WWW");
    auto bitmap = Capture(box);
    RECT text{16, 0, 121, 17};
    EXPECT_TRUE(PixelsOf(*bitmap, text, Rgb(clRed)).empty());
    EXPECT_FALSE(PixelsOf(*bitmap, text, Rgb(clBtnShadow)).empty());
    if (Rgb(clBtnHighlight) != Rgb(box.Color())) {
        EXPECT_FALSE(PixelsOf(*bitmap, text, Rgb(clBtnHighlight)).empty());
    }
}

TEST_F(FlatCheckBoxTest, TheCaptionIsClippedToItsRectangle) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    box.Font().SetColor(clRed);
    box.SetCaption("WWWWWW");
    auto wide = Capture(box);
    EXPECT_FALSE(PixelsOf(*wide, {16, 0, 121, 17}, Rgb(clRed)).empty());
    box.SetWidth(17);
    auto narrow = Capture(box);
    EXPECT_TRUE(PixelsOf(*narrow, {0, 0, 17, 17}, Rgb(clRed)).empty());
    box.SetWidth(121);
    box.SetLayout(TCheckBoxLayout::checkboxRight);
    auto right = Capture(box);
    EXPECT_FALSE(PixelsOf(*right, {60, 0, 105, 17}, Rgb(clRed)).empty());  // right aligned
    EXPECT_TRUE(PixelsOf(*right, {105, 0, 121, 17}, Rgb(clRed)).empty());
}

TEST_F(FlatCheckBoxTest, TransparentBoxesShowTheParentAndRepaintWhenMoved) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    box.SetColor(clRed);  // ParentColor off
    form->SetColor(clLime);
    EXPECT_EQ(Capture(box)->Pixel(60, 15), Rgb(clRed));
    box.SetTransparent(true);
    EXPECT_EQ(Capture(box)->Pixel(60, 15), Rgb(clLime));
    EXPECT_EQ(Fill(box), Rgb(clRed));  // the square keeps the control's colour

    // The window tells of a move or a new size; only a transparent box repaints.
    RECT update;
    for (UINT msg : {WM_MOVE, WM_SIZE}) {
        box.SetTransparent(true);
        ValidateRect(box.Handle(), nullptr);
        SendMessageA(box.Handle(), msg, 0, 0);
        EXPECT_TRUE(GetUpdateRect(box.Handle(), &update, FALSE));
        box.SetTransparent(false);
        ValidateRect(box.Handle(), nullptr);
        SendMessageA(box.Handle(), msg, 0, 0);
        EXPECT_FALSE(GetUpdateRect(box.Handle(), &update, FALSE));
    }
}

TEST_F(FlatCheckBoxTest, AdvancedColoursDeriveFromTheBaseColour) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    // Off: a strength change keeps the colours.
    box.SetAdvColorFocused(30);
    EXPECT_EQ(box.ColorFocused(), 0xFFFFFF);
    box.SetAdvColorFocused(10);
    box.SetColor(clRed);
    box.SetUseAdvColors(true);
    EXPECT_TRUE(box.ParentColor());  // back to the parent's colour
    form->SetColor(clWhite);
    EXPECT_EQ(box.Color(), clWhite);
    EXPECT_EQ(box.ColorFocused(), 0x6A6A6A);  // lighter, but limited to 100 of 240
    EXPECT_EQ(box.ColorDown(), 0xFFFFFF);
    EXPECT_EQ(box.ColorBorder(), 0xD5D5D5);
    EXPECT_EQ(box.ColorCheck(), clBlack);
    form->SetColor(clBlack);
    EXPECT_EQ(box.ColorFocused(), 0x151515);
    EXPECT_EQ(box.ColorBorder(), 0x000000);
    // A system colour change puts the box back on its parent's colour.
    box.SetColor(clRed);
    box.Perform(CM_SYSCOLORCHANGE);
    EXPECT_TRUE(box.ParentColor());
    EXPECT_EQ(box.Color(), clBlack);
    // Amount 0 keeps what the colour already is.
    box.SetColorDown(0x123456);
    box.SetAdvColorDown(0);
    EXPECT_EQ(box.ColorDown(), 0x123456);
}

TEST_F(FlatCheckBoxTest, TheDesignerHitsOnlyTheSquareAndHearsOfChanges) {
    auto form = MakeForm();
    auto& box = Box(*form, 1);
    EXPECT_EQ(box.Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(1, 3)), 1);
    EXPECT_EQ(box.Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(11, 13)), 1);
    EXPECT_EQ(box.Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(12, 8)), 0);
    EXPECT_EQ(box.Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(50, 8)), 0);
    box.SetLayout(TCheckBoxLayout::checkboxRight);
    EXPECT_EQ(box.Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(5, 8)), 0);
    EXPECT_EQ(box.Perform(CM_DESIGNHITTEST, 0, MAKELPARAM(115, 8)), 1);

    struct Recorder : TFormDesigner {
        int changes = 0;
        void Modified() override { ++changes; }
    } designer;
    form->SetDesigner(&designer);
    box.SetChecked(true);
    EXPECT_EQ(designer.changes, 0);  // not in a designer
    box.SetDesigning(true);
    box.SetChecked(false);
    box.SetChecked(false);
    EXPECT_EQ(designer.changes, 1);
    form->SetDesigner(nullptr);
}

TEST_F(FlatCheckBoxTest, AFullRoundGivesBackEveryHandle) {
    const long gdi = HandleCounts::Live(HandleKind::GdiObject);
    const long windows = HandleCounts::Live(HandleKind::Window);
    const long timers = HandleCounts::Live(HandleKind::Timer);
    {
        auto form = MakeForm();
        auto& box = Box(*form, 1);
        box.SetTransparent(true);
        MoveOver(box);
        SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 8));
        SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 8));
        box.SetEnabled(false);
        Capture(box);
        box.SetEnabled(true);
        MoveOver(box);
        EXPECT_TRUE(TFlatCheckBox::CheckBoxPollTimer()->Running());
        UpdateWindow(form->Handle());
        PumpPending();
    }
    EXPECT_EQ(HandleCounts::Live(HandleKind::Timer), timers);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Window), windows);
    EXPECT_EQ(HandleCounts::Live(HandleKind::GdiObject), gdi);
}

}  // namespace
