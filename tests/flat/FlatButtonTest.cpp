// The flat button: its four faces pixel by pixel, pressing and dragging, groups, space
// and accelerator keys, glyph strips, derived colours, and the shared hover poll that
// runs only while a button is lit. The cursor position and the active window come from
// the test through the platform layer; the control under a point is the real one.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Bitmap.h"
#include "FlatButton.h"
#include "HandleCounts.h"
#include "Platform.h"
#include "Reader.h"
#include "TestSupport.h"
#include "Timer.h"

namespace {

POINT fakeCursor{-10000, -10000};
HWND fakeActiveWindow = nullptr;

BOOL WINAPI FakeGetCursorPos(LPPOINT point) {
    *point = fakeCursor;
    return TRUE;
}

HWND WINAPI FakeGetActiveWindow() { return fakeActiveWindow; }

constexpr const char* kButtonForm = R"(
object Host: TTestForm
  BorderStyle = bsNone
  Left = 160
  Top = 160
  ClientWidth = 300
  ClientHeight = 140
  Color = clRed
  object FlatButton1: TFlatButton
    Left = 10
    Top = 10
    Width = 60
    Height = 30
    Caption = '&Go'
    Color = clBlack
    ColorFocused = clGray
    ColorDown = clBlack
    Font.Color = clWhite
    OnClick = Clicked
    OnDblClick = DoubleClicked
  end
  object FlatButton2: TFlatButton
    Left = 80
    Top = 10
    Width = 60
    Height = 30
    Caption = 'Two'
    Color = clBlack
    ColorFocused = clGray
    ColorDown = clBlack
    Font.Color = clWhite
    OnClick = Clicked
  end
  object FlatButton3: TFlatButton
    Left = 150
    Top = 10
    Width = 60
    Height = 30
    Caption = 'Three'
    Color = clBlack
    OnClick = Clicked
  end
end)";

constexpr TColor kBorder = 0x8396A0;

class FlatButtonTest : public ::testing::Test {
protected:
    FlatButtonTest() {
        fakeCursor = {-10000, -10000};
        fakeActiveWindow = nullptr;
        RegisterComponentClass<TFlatButton>("TFlatButton");
        application.Initialize();
    }

    static platform::Calls Fakes() {
        platform::Calls calls = platform::SystemCalls();
        calls.GetCursorPos = &FakeGetCursorPos;
        calls.GetActiveWindow = &FakeGetActiveWindow;
        return calls;
    }

    std::unique_ptr<TestForm> MakeForm() {
        auto form = std::make_unique<TestForm>(&application, kButtonForm, [this](TestForm& f) {
            f.PublishMethod("Clicked", TNotifyEvent([this](TObject* sender) {
                log += static_cast<TComponent*>(sender)->Name() + " ";
            }));
            f.PublishMethod("DoubleClicked", TNotifyEvent([this](TObject*) { log += "double "; }));
        });
        form->Show();
        PumpPending();
        return form;
    }

    static TFlatButton& Button(TestForm& form, int number) {
        return ComponentAs<TFlatButton>(form, "FlatButton" + std::to_string(number));
    }

    // The face as the button paints it.
    static std::unique_ptr<TBitmap> Face(TFlatButton& button) {
        auto face = std::make_unique<TBitmap>();
        face->SetSize(button.Width(), button.Height());
        button.Perform(WM_PAINT, reinterpret_cast<WPARAM>(face->Canvas().Handle()), 0);
        return face;
    }

    static void Press(TFlatButton& button, int x, int y) {
        SendMessageA(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    }
    static void Drag(TFlatButton& button, int x, int y) {
        SendMessageA(button.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    }
    static void Release(TFlatButton& button, int x, int y) {
        SendMessageA(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    static void Click(TFlatButton& button) {
        Press(button, 5, 5);
        Release(button, 5, 5);
    }
    // A mouse move onto the button with the cursor really there.
    static void Hover(TFlatButton& button, int x = 5, int y = 5) {
        fakeCursor = button.ClientToScreen({x, y});
        SendMessageA(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    }

    platform::Calls calls_ = Fakes();
    platform::ScopedOverride override_{calls_};
    TApplication application;
    std::string log;
};

// ---- faces

TEST_F(FlatButtonTest, TheProgramsUpHotAndPressedFaces) {
    auto form = MakeForm();
    TFlatButton& button = Button(*form, 1);
    const int w = button.Width(), h = button.Height();

    auto up = Face(button);
    EXPECT_EQ(up->Pixel(0, 0), COLORREF(kBorder));
    EXPECT_EQ(up->Pixel(w - 1, h - 1), COLORREF(kBorder));
    EXPECT_EQ(up->Pixel(w - 1, 0), COLORREF(kBorder));
    EXPECT_EQ(up->Pixel(1, 1), COLORREF(clBlack));
    EXPECT_EQ(up->Pixel(2, h - 2), COLORREF(clBlack));

    fakeActiveWindow = form->Handle();
    Hover(button);
    ASSERT_TRUE(button.MouseIn());
    auto hot = Face(button);
    EXPECT_EQ(hot->Pixel(0, 0), COLORREF(clWhite));
    EXPECT_EQ(hot->Pixel(0, h - 2), COLORREF(clWhite));
    EXPECT_EQ(hot->Pixel(w - 2, 0), COLORREF(clWhite));
    EXPECT_EQ(hot->Pixel(w - 1, 0), COLORREF(clBlack));  // the other corners are bottom-right
    EXPECT_EQ(hot->Pixel(0, h - 1), COLORREF(clBlack));
    EXPECT_EQ(hot->Pixel(w - 1, h - 1), COLORREF(clBlack));
    EXPECT_EQ(hot->Pixel(1, 1), COLORREF(clGray));

    Press(button, 5, 5);
    ASSERT_EQ(button.State(), TFlatButtonState::bsDown);
    auto pressed = Face(button);
    EXPECT_EQ(pressed->Pixel(0, 0), COLORREF(clBlack));
    EXPECT_EQ(pressed->Pixel(w - 1, h - 1), COLORREF(clWhite));
    EXPECT_EQ(pressed->Pixel(w - 1, 0), COLORREF(clWhite));
    EXPECT_EQ(pressed->Pixel(1, 1), COLORREF(clBlack));
    // The same caption, one pixel down and right, and some of it white.
    int white = 0;
    for (int y = 1; y + 2 < h; ++y)
        for (int x = 1; x + 2 < w; ++x) {
            ASSERT_EQ(pressed->Pixel(x + 1, y + 1), up->Pixel(x, y)) << x << "," << y;
            if (up->Pixel(x, y) == COLORREF(clWhite)) ++white;
        }
    EXPECT_GT(white, 0);
    Release(button, 5, 5);
}

TEST_F(FlatButtonTest, DefaultThickensTheBorderOnlyWhileUpAndNotHot) {
    auto form = MakeForm();
    TFlatButton& button = Button(*form, 1);
    EXPECT_EQ(Face(button)->Pixel(1, 1), COLORREF(clBlack));
    button.SetDefault(true);
    auto face = Face(button);
    EXPECT_EQ(face->Pixel(0, 0), COLORREF(kBorder));
    EXPECT_EQ(face->Pixel(1, 1), COLORREF(kBorder));
    EXPECT_EQ(face->Pixel(button.Width() - 2, button.Height() - 2), COLORREF(kBorder));
    EXPECT_EQ(face->Pixel(2, 2), COLORREF(clBlack));

    fakeActiveWindow = form->Handle();
    Hover(button);
    face = Face(button);
    EXPECT_EQ(face->Pixel(0, 0), COLORREF(clWhite));
    EXPECT_EQ(face->Pixel(1, 1), COLORREF(clGray));
    Press(button, 5, 5);
    EXPECT_EQ(Face(button)->Pixel(1, 1), COLORREF(clBlack));
    Release(button, 5, 5);
}

TEST_F(FlatButtonTest, DefaultTellsTheFormOfItsActiveControl) {
    struct RecordingForm : TestForm {
        using TestForm::TestForm;
        void WndProc(TMessage& message) override {
            if (message.Msg == CM_FOCUSCHANGED) {
                ++changes;
                lastLParam = message.LParam;
            }
            TestForm::WndProc(message);
        }
        int changes = 0;
        LPARAM lastLParam = -1;
    };
    RecordingForm form(&application, kButtonForm, [](TestForm& f) {
        f.PublishMethod("Clicked", TNotifyEvent([](TObject*) {}));
        f.PublishMethod("DoubleClicked", TNotifyEvent([](TObject*) {}));
    });
    TFlatButton& two = Button(form, 2);
    form.SetActiveControl(&two);
    Button(form, 1).SetDefault(true);
    EXPECT_EQ(form.changes, 1);
    EXPECT_EQ(form.lastLParam, reinterpret_cast<LPARAM>(&two));

    TFlatButton loose(nullptr);  // no window, no form: nothing to tell
    loose.SetDefault(true);
    EXPECT_TRUE(loose.Default());
}

TEST_F(FlatButtonTest, DisabledFaceEmbossesTheCaptionAndASingleGlyph) {
    auto form = MakeForm();
    auto* button = new TFlatButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 50, 120, 60);
    button->SetColor(clBlack);
    button->SetMargin(2);
    button->SetLayout(TButtonLayout::blGlyphLeft);
    button->Font().SetColor(clLime);
    button->Font().SetHeight(-24);
    button->Font().SetStyle(fsBold);
    button->SetCaption("IM");
    TBitmap glyph;
    glyph.SetSize(8, 8);
    glyph.Canvas().Brush.SetColor(clWhite);
    glyph.Canvas().FillRect({0, 0, 8, 8});
    glyph.Canvas().Brush.SetColor(clBlack);
    glyph.Canvas().FillRect({2, 2, 6, 6});
    button->SetGlyph(glyph);
    EXPECT_EQ(button->NumGlyphs(), 1);

    button->SetEnabled(false);
    auto face = Face(*button);
    EXPECT_EQ(button->State(), TFlatButtonState::bsDisabled);
    EXPECT_EQ(face->Pixel(0, 0), COLORREF(kBorder));
    EXPECT_EQ(face->Pixel(1, 1), COLORREF(clBlack));

    const COLORREF highlight = ColorToRGB(clBtnHighlight), shadow = ColorToRGB(clBtnShadow);
    // Glyph at (margin, centred): its black square as shadow, the highlight below right,
    // and its ground see-through.
    const int gx = 2, gy = (60 - 8 + 1) / 2;
    EXPECT_EQ(face->Pixel(gx + 2, gy + 2), shadow);
    EXPECT_EQ(face->Pixel(gx + 5, gy + 5), shadow);
    EXPECT_EQ(face->Pixel(gx + 6, gy + 6), highlight);
    EXPECT_EQ(face->Pixel(gx + 0, gy + 0), COLORREF(clBlack));
    EXPECT_EQ(face->Pixel(gx + 7, gy + 7), COLORREF(clBlack));

    // The caption: shadow on top of a highlight copy one pixel down and right.
    int shadowed = 0, raised = 0, lime = 0;
    for (int y = 1; y + 1 < face->Height(); ++y)
        for (int x = gx + 10; x + 1 < face->Width(); ++x) {
            COLORREF pixel = face->Pixel(x, y);
            if (pixel == COLORREF(clLime)) ++lime;
            if (pixel == shadow && face->Pixel(x + 1, y + 1) == highlight) ++raised;
            if (pixel == shadow) ++shadowed;
        }
    EXPECT_GT(shadowed, 0);
    EXPECT_GT(raised, 0);
    EXPECT_EQ(lime, 0);

    button->SetEnabled(true);
    face = Face(*button);
    EXPECT_EQ(button->State(), TFlatButtonState::bsUp);
    EXPECT_EQ(face->Pixel(gx + 2, gy + 2), COLORREF(clBlack));     // the glyph itself
    EXPECT_EQ(face->Pixel(gx + 0, gy + 0), COLORREF(clBlack));     // its white is see-through
}

TEST_F(FlatButtonTest, EachStateShowsItsImageOfTheStrip) {
    auto form = MakeForm();
    auto* button = new TFlatButton(form.get());
    button->SetParent(form.get());
    button->SetBounds(10, 50, 40, 40);
    button->SetColor(clBlack);
    const TColor cells[4] = {0x0000C0, 0x00C000, 0xC00000, 0x00C0C0};
    TBitmap strip;
    strip.SetSize(32, 8);
    for (int i = 0; i < 4; ++i) {
        strip.Canvas().Brush.SetColor(cells[i]);
        strip.Canvas().FillRect({i * 8, 0, i * 8 + 8, 8});
    }
    strip.Canvas().Brush.SetColor(0xFF00FF);
    strip.Canvas().FillRect({0, 7, 1, 8});  // the see-through colour
    button->SetGlyph(strip);
    ASSERT_EQ(button->NumGlyphs(), 4);

    // No caption: the glyph is centred at ((40 - 8 + 1) / 2, the same).
    auto face = Face(*button);
    EXPECT_EQ(face->Pixel(20, 20), COLORREF(cells[0]));
    EXPECT_EQ(face->Pixel(16, 23), COLORREF(clBlack));
    EXPECT_EQ(face->Pixel(17, 23), COLORREF(cells[0]));

    Press(*button, 5, 5);
    face = Face(*button);
    EXPECT_EQ(face->Pixel(17, 17), COLORREF(cells[2]));  // moved by one
    EXPECT_EQ(face->Pixel(16, 16), COLORREF(button->ColorDown()));
    Release(*button, 50, 5);

    button->SetGroupIndex(3);
    button->SetDown(true);
    EXPECT_EQ(Face(*button)->Pixel(20, 20), COLORREF(cells[3]));
    button->SetAllowAllUp(true);
    button->SetDown(false);
    button->SetGroupIndex(0);

    button->SetEnabled(false);
    EXPECT_EQ(Face(*button)->Pixel(20, 20), COLORREF(cells[1]));

    // Two images of 16 pixels: down shows the first, at (12, 16) moved by one.
    button->SetNumGlyphs(2);
    button->SetEnabled(true);
    Press(*button, 5, 5);
    face = Face(*button);
    EXPECT_EQ(face->Pixel(15, 21), COLORREF(cells[0]));
    EXPECT_EQ(face->Pixel(24, 21), COLORREF(cells[1]));
    Release(*button, 5, 5);
}

TEST_F(FlatButtonTest, AGlyphsProportionsSetTheNumberOfImages) {
    TFlatButton button(nullptr);
    TBitmap glyph;
    glyph.SetSize(64, 16);
    button.SetGlyph(glyph);
    EXPECT_EQ(button.NumGlyphs(), 4);
    glyph.SetSize(80, 16);
    button.SetGlyph(glyph);
    EXPECT_EQ(button.NumGlyphs(), 1);
    button.SetNumGlyphs(2);
    glyph.SetSize(30, 16);
    button.SetGlyph(glyph);
    EXPECT_EQ(button.NumGlyphs(), 2);
    EXPECT_EQ(button.Glyph().Width(), 30);
    button.SetGlyph(button.Glyph());  // its own glyph: nothing happens
    EXPECT_EQ(button.Glyph().Width(), 30);
    button.SetNumGlyphs(9);
    EXPECT_EQ(button.NumGlyphs(), 4);
    button.SetMargin(-5);  // below -1: ignored
    EXPECT_EQ(button.Margin(), -1);
}

TEST_F(FlatButtonTest, TransparentModesShowTheParentBehindTheFace) {
    auto form = MakeForm();
    TFlatButton& button = Button(*form, 1);
    button.SetTransparentMode(TTransparentMode::tmAlways);
    EXPECT_EQ(Face(button)->Pixel(3, 3), COLORREF(clRed));
    button.SetTransparentMode(TTransparentMode::tmNotFocused);
    EXPECT_EQ(Face(button)->Pixel(3, 3), COLORREF(clRed));
    fakeActiveWindow = form->Handle();
    Hover(button);
    EXPECT_EQ(Face(button)->Pixel(3, 3), COLORREF(clGray));
    button.SetTransparentMode(TTransparentMode::tmAlways);
    auto face = Face(button);
    EXPECT_EQ(face->Pixel(3, 3), COLORREF(clRed));
    EXPECT_EQ(face->Pixel(0, 0), COLORREF(clWhite));  // the border is still drawn
}

// ---- colours

TEST_F(FlatButtonTest, AdvancedColoursFollowTheParentsColour) {
    auto form = MakeForm();
    TFlatButton& button = Button(*form, 3);
    button.SetUseAdvColors(true);
    EXPECT_TRUE(button.ParentColor());
    EXPECT_EQ(button.Color(), clRed);
    EXPECT_EQ(button.ColorFocused(), 0x0000D5);  // lightness 120 + 10 + 10, cut to 100
    EXPECT_EQ(button.ColorDown(), 0x0000FF);     // 120 + 10 - 10
    EXPECT_EQ(button.ColorBorder(), 0x0000AA);   // 120 + 10 - 50

    form->SetColor(clBlack);
    EXPECT_EQ(button.Color(), clBlack);
    EXPECT_EQ(button.ColorFocused(), 0x151515);
    EXPECT_EQ(button.ColorDown(), 0x000000);

    button.SetAdvColorFocused(0);  // amount 0 keeps what is there
    EXPECT_EQ(button.ColorFocused(), 0x151515);
    button.SetColor(clWhite);
    EXPECT_FALSE(button.ParentColor());
    SendMessageA(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_TRUE(button.ParentColor());
    EXPECT_EQ(button.Color(), clBlack);
    EXPECT_EQ(Face(button)->Pixel(0, 0), COLORREF(button.ColorBorder()));

    button.SetUseAdvColors(false);
    EXPECT_FALSE(button.ParentColor());
    form->SetColor(clRed);
    EXPECT_EQ(button.Color(), clBlack);
}

// ---- mouse

TEST_F(FlatButtonTest, PressingAndReleasingInsideClicksOnceAndSetsTheFormsResult) {
    auto form = MakeForm();
    TFlatButton& button = Button(*form, 1);
    button.ModalResult = 7;
    Press(button, 5, 5);
    EXPECT_TRUE(button.Dragging());
    EXPECT_TRUE(button.Focused());
    EXPECT_EQ(log, "");
    Release(button, 5, 5);
    EXPECT_EQ(log, "FlatButton1 ");
    EXPECT_EQ(form->ModalResult, 7);
    EXPECT_EQ(button.State(), TFlatButtonState::bsUp);
    EXPECT_FALSE(button.Dragging());

    // A release on the row just below the face is inside; on the column right of it not.
    log.clear();
    Press(button, 5, 5);
    Release(button, 10, button.Height());
    EXPECT_EQ(log, "FlatButton1 ");
    Press(button, 5, 5);
    Release(button, button.Width(), 10);
    EXPECT_EQ(log, "FlatButton1 ");

    // The right button presses nothing.
    SendMessageA(button.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(button.State(), TFlatButtonState::bsUp);
    SendMessageA(button.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(log, "FlatButton1 ");

    TFlatButton loose(nullptr);  // no form to change, the click is still raised
    loose.OnClick = [this](TObject*) { log += "loose"; };
    loose.ModalResult = 3;
    loose.Click();
    EXPECT_EQ(log, "FlatButton1 loose");
    EXPECT_EQ(form->ModalResult, 7);
}

TEST_F(FlatButtonTest, DraggingOffAndBackChangesTheFaceAndOnlyAReleaseInsideClicks) {
    auto form = MakeForm();
    TFlatButton& button = Button(*form, 2);
    Press(button, 5, 5);
    Drag(button, -3, 5);
    EXPECT_EQ(button.State(), TFlatButtonState::bsUp);
    Drag(button, 5, 5);
    EXPECT_EQ(button.State(), TFlatButtonState::bsDown);
    Drag(button, 5, button.Height() + 1);
    EXPECT_EQ(button.State(), TFlatButtonState::bsUp);
    Release(button, 5, button.Height() + 1);
    EXPECT_EQ(log, "");
    EXPECT_EQ(button.State(), TFlatButtonState::bsUp);
    EXPECT_FALSE(button.Dragging());
    // Moves after the release change nothing.
    Drag(button, 5, 5);
    EXPECT_EQ(button.State(), TFlatButtonState::bsUp);
}

TEST_F(FlatButtonTest, DoubleClickEventOnlyWhileDown) {
    auto form = MakeForm();
    TFlatButton& button = Button(*form, 1);
    Press(button, 5, 5);
    Release(button, 5, 5);
    SendMessageA(button.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    Release(button, 5, 5);
    EXPECT_EQ(log, "FlatButton1 FlatButton1 ");
    button.SetGroupIndex(1);
    button.SetDown(true);
    log.clear();
    SendMessageA(button.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    Release(button, 5, 5);
    EXPECT_EQ(log, "double FlatButton1 ");
}

// ---- groups

TEST_F(FlatButtonTest, AGroupKeepsExactlyOneButtonDown) {
    auto form = MakeForm();
    TFlatButton &one = Button(*form, 1), &two = Button(*form, 2), &three = Button(*form, 3);
    for (TFlatButton* button : {&one, &two, &three}) button->SetGroupIndex(1);

    Click(one);
    EXPECT_TRUE(one.Down());
    EXPECT_EQ(one.State(), TFlatButtonState::bsExclusive);
    Click(one);  // a down button of a group cannot be raised by itself
    EXPECT_TRUE(one.Down());
    EXPECT_EQ(one.State(), TFlatButtonState::bsExclusive);
    Click(two);
    EXPECT_TRUE(two.Down());
    EXPECT_FALSE(one.Down());
    EXPECT_EQ(one.State(), TFlatButtonState::bsUp);
    EXPECT_FALSE(three.Down());
    EXPECT_EQ(log, "FlatButton1 FlatButton1 FlatButton2 ");

    // Released outside: no click, the down button stays down.
    Press(two, 5, 5);
    Release(two, -5, 5);
    EXPECT_TRUE(two.Down());
    EXPECT_EQ(two.State(), TFlatButtonState::bsExclusive);

    // AllowAllUp spreads through the group; then a down button may be raised.
    three.SetAllowAllUp(true);
    EXPECT_TRUE(one.AllowAllUp());
    EXPECT_TRUE(two.AllowAllUp());
    Click(two);
    EXPECT_FALSE(two.Down());
    EXPECT_EQ(two.State(), TFlatButtonState::bsUp);

    // Down from code moves the group just the same; without a group it stays up.
    three.SetDown(true);
    one.SetDown(true);
    EXPECT_FALSE(three.Down());
    EXPECT_TRUE(one.Down());
    TFlatButton loose(nullptr);
    loose.SetDown(true);
    EXPECT_FALSE(loose.Down());
}

// ---- keyboard

TEST_F(FlatButtonTest, SpaceClicksAFocusedButtonAndEnterDoesNot) {
    auto form = MakeForm();
    TFlatButton& button = Button(*form, 1);
    button.SetFocus();
    ASSERT_TRUE(button.Focused());
    PostMessageA(button.Handle(), WM_KEYDOWN, VK_SPACE, 0x00390001);
    application.ProcessMessages();
    EXPECT_EQ(button.State(), TFlatButtonState::bsDown);
    EXPECT_EQ(log, "");
    PostMessageA(button.Handle(), WM_KEYUP, VK_SPACE, 0xC0390001);
    application.ProcessMessages();
    EXPECT_EQ(button.State(), TFlatButtonState::bsUp);
    EXPECT_EQ(log, "FlatButton1 ");

    PostMessageA(button.Handle(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(button.Handle(), WM_KEYUP, VK_RETURN, 0xC01C0001);
    application.ProcessMessages();
    EXPECT_EQ(log, "FlatButton1 ");
    EXPECT_EQ(button.State(), TFlatButtonState::bsUp);

    // In a group space puts the button down.
    button.SetGroupIndex(2);
    button.Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(button.Down());
    button.Perform(WM_KEYUP, VK_SPACE);
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(log, "FlatButton1 FlatButton1 ");
}

TEST_F(FlatButtonTest, TheAcceleratorClicksAnEnabledButton) {
    auto form = MakeForm();
    TFlatButton &one = Button(*form, 1), &two = Button(*form, 2);
    two.SetFocus();
    ASSERT_TRUE(two.Focused());
    PostMessageA(two.Handle(), WM_CHAR, 'g', 0x00220001);
    application.ProcessMessages();
    EXPECT_EQ(log, "FlatButton1 ");
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'G'), 1);
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'x'), 0);
    EXPECT_EQ(log, "FlatButton1 FlatButton1 ");

    one.SetEnabled(false);
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'g'), 0);
    EXPECT_EQ(log, "FlatButton1 FlatButton1 ");

    one.SetEnabled(true);
    one.SetGroupIndex(4);
    EXPECT_EQ(one.Perform(CM_DIALOGCHAR, 'g'), 1);
    EXPECT_TRUE(one.Down());
}

// ---- hover

TEST_F(FlatButtonTest, HoverLightsOneButtonAtATimeAndPollsOnlyWhileLit) {
    const long timersBefore = HandleCounts::Live(HandleKind::Timer);
    auto form = MakeForm();
    TFlatButton &one = Button(*form, 1), &two = Button(*form, 2);
    ASSERT_NE(TFlatButton::ButtonPollTimer(), nullptr);
    EXPECT_FALSE(TFlatButton::ButtonPollTimer()->Running());

    fakeActiveWindow = form->Handle();
    Hover(one);
    EXPECT_TRUE(one.MouseIn());
    EXPECT_EQ(TFlatButton::HoveredButton(), &one);
    EXPECT_TRUE(TFlatButton::ButtonPollTimer()->Running());
    EXPECT_EQ(HandleCounts::Live(HandleKind::Timer), timersBefore + 1);

    Hover(two);  // straight from one to the other
    EXPECT_FALSE(one.MouseIn());
    EXPECT_TRUE(two.MouseIn());
    EXPECT_EQ(TFlatButton::HoveredButton(), &two);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Timer), timersBefore + 1);

    // The cursor leaves without a mouse message: the poll notices and stops itself.
    fakeCursor = form->ClientToScreen({290, 130});
    EXPECT_TRUE(PumpUntil([&] { return !two.MouseIn(); }));
    EXPECT_EQ(TFlatButton::HoveredButton(), nullptr);
    EXPECT_FALSE(TFlatButton::ButtonPollTimer()->Running());
    EXPECT_EQ(HandleCounts::Live(HandleKind::Timer), timersBefore);

    // Without an active window nothing lights up and nothing polls.
    fakeActiveWindow = nullptr;
    Hover(one);
    EXPECT_FALSE(one.MouseIn());
    EXPECT_FALSE(TFlatButton::ButtonPollTimer()->Running());
}

TEST_F(FlatButtonTest, HeldButtonStaysLitUntilReleasedAndDisablingEndsTheHover) {
    auto form = MakeForm();
    TFlatButton& one = Button(*form, 1);
    fakeActiveWindow = form->Handle();
    Hover(one);
    Press(one, 5, 5);
    fakeCursor = form->ClientToScreen({290, 130});
    Drag(one, 200, 100);
    TFlatButton::ButtonPollTimer()->OnTimer()(TFlatButton::ButtonPollTimer());
    EXPECT_TRUE(one.MouseIn());  // held: the hover does not end
    EXPECT_TRUE(TFlatButton::ButtonPollTimer()->Running());
    Release(one, 200, 100);
    EXPECT_FALSE(one.MouseIn());
    EXPECT_FALSE(TFlatButton::ButtonPollTimer()->Running());
    EXPECT_EQ(log, "");

    // Released over the button with the cursor there: it stays lit.
    Hover(one);
    Press(one, 5, 5);
    Release(one, 5, 5);
    EXPECT_TRUE(one.MouseIn());
    EXPECT_EQ(log, "FlatButton1 ");

    one.SetEnabled(false);
    EXPECT_FALSE(one.MouseIn());
    EXPECT_EQ(TFlatButton::HoveredButton(), nullptr);
    EXPECT_FALSE(TFlatButton::ButtonPollTimer()->Running());
    EXPECT_EQ(one.State(), TFlatButtonState::bsDisabled);
}

TEST_F(FlatButtonTest, APressLightsTheButtonAsAHoverWouldWithoutAnActiveWindow) {
    auto form = MakeForm();
    TFlatButton& one = Button(*form, 1);
    Hover(one);  // another program is active: nothing lights up
    Press(one, 5, 5);
    EXPECT_TRUE(one.MouseIn());
    EXPECT_EQ(TFlatButton::HoveredButton(), &one);
    EXPECT_TRUE(TFlatButton::ButtonPollTimer()->Running());
    Release(one, 5, 5);
}

TEST_F(FlatButtonTest, LosingTheCaptureEndsThePressWithoutAClick) {
    auto form = MakeForm();
    TFlatButton& one = Button(*form, 1);
    HWND window = one.Handle();
    fakeActiveWindow = form->Handle();
    // A right press meanwhile captures the same window again: that loses nothing.
    Press(one, 5, 5);
    SendMessageA(window, WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(5, 5));
    Release(one, 5, 5);
    for (bool cancelled : {false, true}) {
        Hover(one);
        Press(one, 5, 5);
        fakeCursor = form->ClientToScreen({290, 130});
        if (cancelled) SendMessageA(window, WM_CANCELMODE, 0, 0);
        else SetCapture(form->Handle());
        EXPECT_FALSE(one.Dragging());
        EXPECT_FALSE(TFlatButton::ButtonPollTimer()->Running());
        // Back on the button: the hot face, and a late release is no click.
        Hover(one);
        EXPECT_EQ(Face(one)->Pixel(1, 1), COLORREF(clGray));
        Release(one, 5, 5);
    }
    ReleaseCapture();
    EXPECT_EQ(log, "FlatButton1 ");
}

TEST_F(FlatButtonTest, FocusCountsAsHoverAndEnterLeaveOnlyRaiseEvents) {
    auto form = MakeForm();
    TFlatButton &one = Button(*form, 1), &two = Button(*form, 2);
    one.SetFocus();
    EXPECT_TRUE(one.MouseIn());
    two.SetFocus();
    EXPECT_FALSE(one.MouseIn());
    EXPECT_TRUE(two.MouseIn());

    one.OnMouseEnter = [this](TObject*) { log += "enter "; };
    one.OnMouseLeave = [this](TObject*) { log += "leave "; };
    one.Perform(CM_MOUSEENTER);
    EXPECT_FALSE(one.MouseIn());
    one.Perform(CM_MOUSELEAVE);
    EXPECT_EQ(log, "enter leave ");
}

// ---- lifetime

TEST_F(FlatButtonTest, ThePollTimerLivesWithTheButtonsAndEverythingIsGivenBack) {
    const long gdi = HandleCounts::Live(HandleKind::GdiObject);
    const long windows = HandleCounts::Live(HandleKind::Window);
    const long timers = HandleCounts::Live(HandleKind::Timer);
    ASSERT_EQ(TFlatButton::FlatButtonCount(), 0);
    ASSERT_EQ(TFlatButton::ButtonPollTimer(), nullptr);
    {
        auto form = MakeForm();
        EXPECT_EQ(TFlatButton::FlatButtonCount(), 3);
        TFlatButton& one = Button(*form, 1);
        TBitmap strip;
        strip.SetSize(16, 8);
        strip.Canvas().Brush.SetColor(clLime);
        strip.Canvas().FillRect({0, 0, 16, 8});
        one.SetGlyph(strip);
        one.SetTransparentMode(TTransparentMode::tmAlways);
        Face(one);
        one.SetEnabled(false);
        Face(one);
        fakeActiveWindow = form->Handle();
        Hover(Button(*form, 2));
        UpdateWindow(form->Handle());
        delete &Button(*form, 3);
        EXPECT_EQ(TFlatButton::FlatButtonCount(), 2);
        EXPECT_NE(TFlatButton::ButtonPollTimer(), nullptr);
    }
    EXPECT_EQ(TFlatButton::FlatButtonCount(), 0);
    EXPECT_EQ(TFlatButton::ButtonPollTimer(), nullptr);
    EXPECT_EQ(TFlatButton::HoveredButton(), nullptr);
    EXPECT_EQ(HandleCounts::Live(HandleKind::GdiObject), gdi);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Window), windows);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Timer), timers);
}

TEST_F(FlatButtonTest, ADescriptionKeepsTheCaptionEmptyAndTheParentsColour) {
    TestForm form(&application, R"(
object Host: TTestForm
  Color = clSilver
  object FlatButton1: TFlatButton
    TransparentMode = tmNotFocused
    Layout = blGlyphLeft
    GroupIndex = 2
    Down = True
    ModalResult = mrCancel
  end
end)");
    TFlatButton& button = Button(form, 1);
    EXPECT_EQ(button.TransparentMode(), TTransparentMode::tmNotFocused);
    EXPECT_EQ(button.Layout(), TButtonLayout::blGlyphLeft);
    EXPECT_TRUE(button.Down());
    EXPECT_EQ(button.ModalResult, 2);
    EXPECT_EQ(button.Caption(), "");  // the name does not become the caption
    EXPECT_TRUE(button.ParentColor());
    EXPECT_EQ(button.Color(), clSilver);
}

}  // namespace
