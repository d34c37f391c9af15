// The flat edit: its colours and how they follow the parent, the lit state from focus
// and hover, the exact rings of its frame, the height rule, the non-client band, the
// designer's idle look and the handles it gives back.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "Bitmap.h"
#include "Edit.h"
#include "Exceptions.h"
#include "FlatEdit.h"
#include "HandleCounts.h"
#include "Platform.h"
#include "Reader.h"
#include "StandardClasses.h"
#include "TestSupport.h"

namespace {

constexpr const char* kEditForm = R"(
object Host: TTestForm
  BorderStyle = bsNone
  Left = 120
  Top = 120
  ClientWidth = 240
  ClientHeight = 160
  Color = clGray
  object FlatEdit1: TFlatEdit
    Left = 20
    Top = 20
    Width = 33
    Height = 19
    ColorFlat = clBlack
    Font.Color = clRed
    MaxLength = 1
    TabOrder = 1
    Text = 'W'
  end
  object FlatEdit2: TFlatEdit
    Left = 20
    Top = 60
    Width = 40
    Height = 19
    ColorFlat = clBlack
    TabOrder = 2
    Text = 'E'
  end
  object Edit1: TEdit
    Left = 100
    Top = 20
    Width = 60
    Height = 21
    TabOrder = 3
  end
end)";

// The frame painter's window context goes to a bitmap, so every paint can be read back
// pixel by pixel and counted; the active window is the test's to choose.
struct Fakes {
    static inline HDC captureDC = nullptr;
    static inline int windowDCs = 0;
    static inline HWND activeWindow = nullptr;

    static HDC WINAPI GetWindowDC(HWND) {
        ++windowDCs;
        return captureDC;
    }
    static int WINAPI ReleaseDC(HWND window, HDC dc) {
        return dc == captureDC ? 1 : platform::SystemCalls().ReleaseDC(window, dc);
    }
    static HWND WINAPI GetActiveWindow() { return activeWindow; }
};

constexpr COLORREF kUntouched = RGB(1, 2, 3);

class FlatEditTest : public ::testing::Test {
protected:
    FlatEditTest() {
        RegisterStandardClasses();
        RegisterComponentClass<TFlatEdit>("TFlatEdit");
        application.Initialize();
        capture.SetSize(200, 100);
        Fakes::captureDC = capture.Canvas().Handle();
        Fakes::windowDCs = 0;
        Fakes::activeWindow = application.Handle();
        calls = platform::SystemCalls();
        calls.GetWindowDC = &Fakes::GetWindowDC;
        calls.ReleaseDC = &Fakes::ReleaseDC;
        calls.GetActiveWindow = &Fakes::GetActiveWindow;
        fakes.emplace(calls);
    }
    ~FlatEditTest() override {
        form.reset();
        fakes.reset();
    }

    void MakeForm() {
        form = std::make_unique<TestForm>(&application, kEditForm);
        edit1 = &ComponentAs<TFlatEdit>(*form, "FlatEdit1");
        edit2 = &ComponentAs<TFlatEdit>(*form, "FlatEdit2");
        plain = &ComponentAs<TEdit>(*form, "Edit1");
    }

    // Paints the frame onto a blank bitmap.
    void PaintInto(TCustomFlatEdit& edit) {
        capture.Canvas().Brush.SetColor(TColor(kUntouched));
        capture.Canvas().FillRect({0, 0, 200, 100});
        edit.PaintFrame();
    }

    // Ring 0 in the border colour, rings 1 and 2 in the fill, the inside not painted.
    void ExpectFrame(TCustomFlatEdit& edit, TColor border, TColor fill) {
        COLORREF borderRGB = ColorToRGB(border), fillRGB = ColorToRGB(fill);
        int w = edit.Width(), h = edit.Height(), wrong = 0;
        for (int y = 0; y < h + 2; ++y)
            for (int x = 0; x < w + 2; ++x) {
                int ring = std::min(std::min(x, y), std::min(w - 1 - x, h - 1 - y));
                COLORREF expected = ring < 0    ? kUntouched
                                    : ring == 0 ? borderRGB
                                    : ring < 3  ? fillRGB
                                                : kUntouched;
                if (capture.Pixel(x, y) != expected && ++wrong <= 3)
                    ADD_FAILURE() << "pixel " << x << "," << y << " is " << std::hex
                                  << capture.Pixel(x, y) << ", not " << expected;
            }
        EXPECT_EQ(wrong, 0);
    }

    TApplication application;
    TBitmap capture;
    platform::Calls calls{};
    std::optional<platform::ScopedOverride> fakes;
    std::unique_ptr<TestForm> form;
    TFlatEdit* edit1 = nullptr;
    TFlatEdit* edit2 = nullptr;
    TEdit* plain = nullptr;
};

int TextHeightOf(TFont& font) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font.Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen, &metrics);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return metrics.tmHeight;
}

TEST_F(FlatEditTest, ANewEditHasItsDefaultsAndTakesItsParentsColourWhenPlaced) {
    MakeForm();
    int before = Fakes::windowDCs;
    auto* edit = new TFlatEdit(form.get());
    EXPECT_EQ(edit->Width(), 121);
    EXPECT_EQ(edit->Height(), 19);
    EXPECT_EQ(edit->ColorFlat(), 0xE1EAEB);
    EXPECT_EQ(edit->ColorBorder(), 0x8396A0);
    EXPECT_EQ(edit->ColorFocused(), clWhite);
    EXPECT_TRUE(edit->ParentColor());
    EXPECT_TRUE(edit->ParentFont());
    EXPECT_FALSE(edit->UseAdvColors());
    EXPECT_EQ(edit->AdvColorFocused(), 10);
    EXPECT_EQ(edit->AdvColorBorder(), 50);
    EXPECT_FALSE(edit->Hovered());
    EXPECT_EQ(edit->BorderStyle(), TEditBorderStyle::bsNone);
    EXPECT_FALSE(edit->ControlStyle & csFramed);
    edit->SetColorFocused(clWhite);
    EXPECT_EQ(Fakes::windowDCs, before);  // nothing to paint on before it has a place
    EXPECT_FALSE(edit->HandleAllocated());

    edit->SetParent(form.get());
    EXPECT_EQ(edit->ColorFlat(), clGray);
    EXPECT_EQ(edit->Color(), clGray);  // the text area shows the idle fill
    EXPECT_FALSE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(FlatEditTest, AnExplicitFlatColourStopsFollowingTheParentUnlessAdvColorsAreOn) {
    MakeForm();
    EXPECT_FALSE(edit1->ParentColor());  // ColorFlat in the description
    form->SetColor(clSilver);
    EXPECT_EQ(edit1->ColorFlat(), clBlack);

    edit1->SetUseAdvColors(true);  // also follows the parent again
    EXPECT_TRUE(edit1->ParentColor());
    EXPECT_EQ(edit1->ColorFlat(), clSilver);

    edit1->SetColorFlat(clBlack);
    EXPECT_FALSE(edit1->ParentColor());
    form->SetColor(clWhite);
    EXPECT_EQ(edit1->ColorFlat(), clWhite);  // overwritten all the same
    // Lightness 240 + 10 + 10 is cut to 100; 240 + 10 - 50 gives 200.
    EXPECT_EQ(edit1->ColorFocused(), 0x6A6A6A);
    EXPECT_EQ(edit1->ColorBorder(), 0xD5D5D5);

    edit1->SetUseAdvColors(false);
    EXPECT_FALSE(edit1->ParentColor());
    form->SetColor(clGray);
    EXPECT_EQ(edit1->ColorFlat(), clWhite);
    EXPECT_EQ(edit1->ColorFocused(), 0x6A6A6A);

    edit1->SetParentColor(true);
    EXPECT_EQ(edit1->ColorFlat(), clGray);
    edit1->SetParentColor(false);
    EXPECT_EQ(edit1->ColorFlat(), clGray);  // switching off changes nothing else
}

TEST_F(FlatEditTest, ASystemColourChangeFollowsTheParentLikeAParentColourChange) {
    MakeForm();
    edit2->SetParentColor(true);
    form->SetColor(clBtnFace);
    EXPECT_EQ(edit2->ColorFlat(), clBtnFace);
    edit1->SetColorFlat(clRed);
    int before = Fakes::windowDCs;
    SendMessageA(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(edit1->ColorFlat(), clRed);  // its own colour, kept
    EXPECT_GE(Fakes::windowDCs, before + 2);  // but both frames painted again
    PaintInto(*edit2);
    ExpectFrame(*edit2, 0x8396A0, clBtnFace);
}

TEST_F(FlatEditTest, StrengthsWaitForUseAdvColorsAndRepaintOnlyWhenItIsOn) {
    MakeForm();
    int before = Fakes::windowDCs;
    edit1->SetAdvColorFocused(30);
    edit1->SetAdvColorBorder(0);
    EXPECT_EQ(Fakes::windowDCs, before);
    EXPECT_EQ(edit1->AdvColorFocused(), 30);
    EXPECT_EQ(edit1->ColorFocused(), clWhite);

    form->SetColor(clBlack);
    edit1->SetUseAdvColors(true);
    EXPECT_EQ(edit1->ColorFlat(), clBlack);
    // Lightness 0 + 10 + 30 = 40 of 240; 255 x 40 / 240 lies just below 42.5.
    EXPECT_EQ(edit1->ColorFocused(), 0x2A2A2A);
    EXPECT_EQ(edit1->ColorBorder(), 0x8396A0);   // strength 0 keeps the colour it has
    before = Fakes::windowDCs;
    edit1->SetAdvColorBorder(5);
    EXPECT_EQ(Fakes::windowDCs, before + 1);
    EXPECT_EQ(edit1->ColorBorder(), 0x050505);  // 0 + 10 - 5 = 5 of 240
}

TEST_F(FlatEditTest, ColourWritersRepaintEvenForTheSameValueButFlagWritersDoNot) {
    MakeForm();
    int before = Fakes::windowDCs;
    edit1->SetColorBorder(edit1->ColorBorder());
    edit1->SetColorFocused(edit1->ColorFocused());
    EXPECT_EQ(Fakes::windowDCs, before + 2);
    edit1->SetParentColor(false);
    edit1->SetUseAdvColors(false);
    edit1->SetParentColor(false);
    EXPECT_EQ(Fakes::windowDCs, before + 2);
}

TEST_F(FlatEditTest, TheFrameIsABorderRingAroundTwoFillRingsInTheLitOrIdleColour) {
    MakeForm();
    form->Show();  // focuses the first edit
    plain->SetFocus();
    PaintInto(*edit1);
    ExpectFrame(*edit1, 0x8396A0, clBlack);
    EXPECT_EQ(edit1->Color(), clBlack);

    edit1->SetFocus();
    ASSERT_TRUE(edit1->Focused());
    PaintInto(*edit1);
    ExpectFrame(*edit1, 0x8396A0, clWhite);
    EXPECT_EQ(edit1->Color(), clWhite);

    edit1->SetColorBorder(clBtnShadow);  // a system colour is resolved before drawing
    edit1->SetColorFocused(0x123456);
    PaintInto(*edit1);
    ExpectFrame(*edit1, clBtnShadow, 0x123456);

    plain->SetFocus();
    PaintInto(*edit1);
    ExpectFrame(*edit1, clBtnShadow, clBlack);
    EXPECT_EQ(edit1->Color(), clBlack);
}

TEST_F(FlatEditTest, HoverLightsAnEditOnlyWhileNoFlatEditHasTheFocus) {
    MakeForm();
    form->Show();
    Fakes::activeWindow = form->Handle();
    edit1->SetFocus();
    edit2->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(edit2->Hovered());
    EXPECT_EQ(edit2->Color(), clBlack);  // another flat edit has the focus

    plain->SetFocus();  // a control of another kind
    edit2->Perform(CM_MOUSEENTER);
    EXPECT_EQ(edit2->Color(), clWhite);
    PaintInto(*edit2);
    ExpectFrame(*edit2, 0x8396A0, clWhite);

    edit2->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(edit2->Hovered());
    EXPECT_EQ(edit2->Color(), clBlack);
}

TEST_F(FlatEditTest, HoverIsIgnoredWithoutAnActiveWindowAndALeaveAlwaysClearsIt) {
    MakeForm();
    form->Show();
    plain->SetFocus();
    Fakes::activeWindow = nullptr;
    int before = Fakes::windowDCs;
    edit1->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(edit1->Hovered());
    EXPECT_EQ(Fakes::windowDCs, before);
    EXPECT_EQ(edit1->Color(), clBlack);

    Fakes::activeWindow = form->Handle();
    edit1->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(edit1->Hovered());
    Fakes::activeWindow = nullptr;
    edit1->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(edit1->Hovered());
    EXPECT_EQ(edit1->Color(), clBlack);
}

TEST_F(FlatEditTest, TheMouseMovingOntoAndOffTheWindowHoversAndLeavesIt) {
    MakeForm();
    form->Show();
    plain->SetFocus();
    Fakes::activeWindow = form->Handle();
    auto moveTo = [&](TControl& control, POINT at) {
        POINT screen = control.ClientToScreen(at);
        SetCursorPos(screen.x, screen.y);
        HWND target = control.HasWindow() ? static_cast<TWinControl&>(control).Handle()
                                          : form->Handle();
        PostMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        application.ProcessMessages();
    };
    moveTo(*edit2, {5, 5});
    EXPECT_TRUE(PumpUntil([&] { return edit2->Hovered(); }, 2000));
    EXPECT_EQ(edit2->Color(), clWhite);
    moveTo(*form, {200, 140});
    EXPECT_FALSE(edit2->Hovered());
    EXPECT_EQ(edit2->Color(), clBlack);
}

TEST_F(FlatEditTest, AnEditLitByHoverStaysLitWhenAnotherTakesTheFocusUntilItIsPaintedAgain) {
    MakeForm();
    form->Show();
    Fakes::activeWindow = form->Handle();
    plain->SetFocus();
    edit1->Perform(CM_MOUSEENTER);
    EXPECT_EQ(edit1->Color(), clWhite);
    edit2->SetFocus();
    EXPECT_EQ(edit1->Color(), clWhite);
    EXPECT_EQ(edit2->Color(), clWhite);
    edit1->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(edit1->Color(), clBlack);
}

TEST_F(FlatEditTest, TheHeightFollowsTheFontAndTheTextAreaGetsExactlyTheCharacterHeight) {
    MakeForm();
    // Loaded replaced the described height.
    EXPECT_EQ(edit1->Height(), TextHeightOf(edit1->Font()) + 6);
    edit1->Font().SetHeight(-24);
    int textHeight = TextHeightOf(edit1->Font());
    EXPECT_GT(textHeight, 20);
    EXPECT_EQ(edit1->Height(), textHeight + 6);

    RECT window, client;
    GetWindowRect(edit1->Handle(), &window);
    GetClientRect(edit1->Handle(), &client);
    POINT origin{0, 0};
    ClientToScreen(edit1->Handle(), &origin);
    EXPECT_EQ(window.bottom - window.top, textHeight + 6);
    EXPECT_EQ(client.bottom, textHeight);
    EXPECT_EQ(client.right, edit1->Width() - 6);
    EXPECT_EQ(origin.x - window.left, 3);
    EXPECT_EQ(origin.y - window.top, 3);

    PaintInto(*edit1);
    ExpectFrame(*edit1, 0x8396A0, clBlack);
}

TEST_F(FlatEditTest, InADesignerTheFrameIsIdleAndFocusDoesNotRepaintIt) {
    MakeForm();
    form->Show();
    Fakes::activeWindow = form->Handle();
    edit1->SetDesigning(true);
    int before = Fakes::windowDCs;
    edit1->SetFocus();
    ASSERT_TRUE(edit1->Focused());
    plain->SetFocus();
    edit1->SetFocus();
    EXPECT_EQ(Fakes::windowDCs, before);
    edit1->Perform(CM_MOUSEENTER);
    PaintInto(*edit1);
    ExpectFrame(*edit1, 0x8396A0, clBlack);

    // While a designer reads a description the font leaves the height alone.
    int height = edit1->Height();
    edit1->BeginLoading();
    edit1->Font().SetHeight(-30);
    EXPECT_EQ(edit1->Height(), height);
    edit1->Loaded();  // and Loaded does not fit it in a designer
    EXPECT_EQ(edit1->Height(), height);
    edit1->SetDesigning(false);
    edit1->Font().SetHeight(-12);
    EXPECT_EQ(edit1->Height(), TextHeightOf(edit1->Font()) + 6);
}

TEST_F(FlatEditTest, DisablingRepaintsTheFrameInTheColoursOfItsState) {
    MakeForm();
    form->Show();
    int before = Fakes::windowDCs;
    edit2->SetEnabled(false);
    EXPECT_GT(Fakes::windowDCs, before);
    PaintInto(*edit2);
    ExpectFrame(*edit2, 0x8396A0, clBlack);
    EXPECT_EQ(edit2->Color(), clBlack);
}

TEST_F(FlatEditTest, TheDescriptionSetsTheFlatPropertiesAndRefusesTheOnesTheEditFixes) {
    constexpr const char* kDescribed = R"(
object Described: TTestForm
  Color = clBlack
  object FlatEdit1: TFlatEdit
    ColorBorder = 255
    ColorFocused = 65280
    AdvColorFocused = 20
    AdvColorBorder = 30
    ParentColor = True
  end
end)";
    TestForm described(&application, kDescribed);
    auto& edit = ComponentAs<TFlatEdit>(described, "FlatEdit1");
    EXPECT_EQ(edit.ColorBorder(), 255);
    EXPECT_EQ(edit.ColorFocused(), 65280);
    EXPECT_EQ(edit.AdvColorFocused(), 20);
    EXPECT_EQ(edit.AdvColorBorder(), 30);
    EXPECT_EQ(edit.ColorFlat(), clBlack);

    for (const char* refused : {"Color = clRed", "BorderStyle = bsSingle", "AutoSelect = False"}) {
        std::string text = std::string("object F: TTestForm\n object E: TFlatEdit\n  ") + refused +
                           "\n end\nend";
        EXPECT_THROW({ TestForm refusing(&application, text); }, EReadError) << refused;
    }
}

TEST_F(FlatEditTest, EditStylesThatRemakeTheWindowKeepTheFlatFrame) {
    MakeForm();
    edit2->SetText("abc");
    edit2->SetPasswordChar('*');
    EXPECT_EQ(SendMessageA(edit2->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
    edit2->SetCharCase(TEditCharCase::ecUpperCase);
    edit2->SetHideSelection(false);
    HWND window = edit2->Handle();
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & ES_UPPERCASE);
    EXPECT_TRUE(style & ES_NOHIDESEL);
    EXPECT_EQ(SendMessageA(window, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(edit2->Text(), "ABC");
    RECT frame;
    GetWindowRect(window, &frame);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_EQ(origin.x - frame.left, 3);
    EXPECT_EQ(origin.y - frame.top, 3);
    edit2->SetPasswordChar('\0');
    EXPECT_EQ(SendMessageA(window, EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(FlatEditTest, PaintingFocusingAndFreeingGiveBackEveryHandle) {
    long gdi = HandleCounts::Live(HandleKind::GdiObject);
    long windows = HandleCounts::Live(HandleKind::Window);
    MakeForm();
    form->Show();
    Fakes::activeWindow = form->Handle();
    for (int round = 0; round < 5; ++round) {
        edit1->SetFocus();
        edit2->Perform(CM_MOUSEENTER);
        edit2->Perform(CM_MOUSELEAVE);
        edit1->SetColorFlat(TColor(round * 0x111111));
        edit2->Font().SetHeight(-10 - round);
        RedrawWindow(form->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    long during = HandleCounts::Live(HandleKind::GdiObject);
    edit1->PaintFrame();
    EXPECT_EQ(HandleCounts::Live(HandleKind::GdiObject), during);  // brushes do not stay
    form.reset();
    EXPECT_EQ(HandleCounts::Live(HandleKind::GdiObject), gdi);
    EXPECT_EQ(HandleCounts::Live(HandleKind::Window), windows);
}

TEST_F(FlatEditTest, TheRealWindowShowsTheFrameOnScreen) {
    fakes.reset();  // real window contexts this time
    MakeForm();
    form->Show();
    SetWindowPos(form->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    ASSERT_TRUE(edit1->Focused());  // the first in tab order
    for (TFlatEdit* edit : {edit1, edit2}) {
        COLORREF fill = edit == edit1 ? RGB(255, 255, 255) : RGB(0, 0, 0);
        HDC dc = GetWindowDC(edit->Handle());
        int w = edit->Width(), h = edit->Height();
        EXPECT_EQ(GetPixel(dc, 0, 0), COLORREF(0x8396A0));
        EXPECT_EQ(GetPixel(dc, w - 1, h / 2), COLORREF(0x8396A0));
        EXPECT_EQ(GetPixel(dc, w / 2, h - 1), COLORREF(0x8396A0));
        EXPECT_EQ(GetPixel(dc, 1, 1), fill);
        EXPECT_EQ(GetPixel(dc, 2, h / 2), fill);
        EXPECT_EQ(GetPixel(dc, w - 3, h - 3), fill);
        // The text area's background is the same fill.
        EXPECT_EQ(GetPixel(dc, w - 4, h - 4), fill);
        ReleaseDC(edit->Handle(), dc);
    }
}

}  // namespace
