// Windowless controls: the parent hit-tests them for the mouse and paints them in
// order; a transparent picture leaves out its bottom-left colour; a named picture is
// decoded once, with its colours, and a broken one is reported; a background stretched
// past its window keeps only the shown part; hints, help and a popup
// menu named in a description are kept.
#include <gtest/gtest.h>

#include <memory>

#include "Bitmap.h"
#include "Image.h"
#include "Label.h"
#include "Menus.h"
#include "PictureLoader.h"
#include "Reader.h"
#include "Screen.h"
#include "StandardClasses.h"
#include "TestSupport.h"

namespace {

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStandardClasses();
        application.Initialize();
    }

    // What the form's client area looks like, painted off screen.
    static std::unique_ptr<TBitmap> Painted(TCustomForm& form) {
        auto shot = std::make_unique<TBitmap>();
        shot->SetSize(form.ClientWidth(), form.ClientHeight());
        RECT all = form.ClientRect();
        form.PaintBackgroundAndControls(shot->Canvas().Handle(), all);
        return shot;
    }
    static COLORREF PixelOf(TCustomForm& form, int x, int y) { return Painted(form)->Pixel(x, y); }

    TApplication application;
};

TEST_F(ControlTest, TheTopmostEnabledWindowlessControlUnderTheMouseGetsTheClick) {
    std::string clicks;
    TestForm form(&application, R"(
object Clicks: TTestForm
  ClientWidth = 100
  ClientHeight = 100
  object Under: TLabel
    AutoSize = False
    Width = 50
    Height = 50
    OnClick = UnderClick
  end
  object Over: TLabel
    Left = 25
    Top = 25
    AutoSize = False
    Width = 50
    Height = 50
    OnClick = OverClick
  end
end)",
                  [&](TestForm& self) {
                      self.PublishMethod("UnderClick", TNotifyEvent([&](TObject*) { clicks += "U"; }));
                      self.PublishMethod("OverClick", TNotifyEvent([&](TObject*) { clicks += "O"; }));
                  });
    HWND window = form.Handle();
    auto click = [&](int x, int y) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    click(30, 30);  // both lie here; the later one is on top
    click(10, 10);
    click(90, 90);  // neither
    EXPECT_EQ(clicks, "OU");
    ComponentAs<TLabel>(form, "Over").SetEnabled(false);
    click(30, 30);
    EXPECT_EQ(clicks, "OUU");
    // Pressed on one control and released outside it is no click.
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(90, 90));
    EXPECT_EQ(clicks, "OUU");
}

TEST_F(ControlTest, ATransparentPictureLeavesOutItsBottomLeftColour) {
    TestForm form(&application, R"(
object Pictures: TTestForm
  ClientWidth = 40
  ClientHeight = 20
  Color = 16711680
  object Clear: TImage
    Width = 20
    Height = 20
    Stretch = True
    Transparent = True
  end
  object Solid: TImage
    Left = 20
    Width = 20
    Height = 20
    Stretch = True
  end
end)");
    auto picture = std::make_shared<TBitmap>();
    picture->SetSize(2, 2, TPixelFormat::pf24bit);  // as pictures are: rows padded to 8 bytes
    TCanvas& canvas = picture->Canvas();
    canvas.Brush.SetColor(clWhite);
    canvas.FillRect({0, 0, 2, 2});
    canvas.Brush.SetColor(clRed);
    canvas.FillRect({1, 0, 2, 1});  // top right red, the rest white
    ComponentAs<TImage>(form, "Clear").SetPicture(picture);
    ComponentAs<TImage>(form, "Solid").SetPicture(picture);
    const COLORREF blue = RGB(0, 0, 255), red = RGB(255, 0, 0), white = RGB(255, 255, 255);
    EXPECT_EQ(PixelOf(form, 2, 15), blue);   // white left out: the form shows through
    EXPECT_EQ(PixelOf(form, 15, 2), red);    // stretched: the red quarter is 10x10
    // Not transparent: white stays white (far corners, clear of any smoothing).
    EXPECT_EQ(PixelOf(form, 21, 18), white);
    EXPECT_EQ(PixelOf(form, 38, 1), red);
    // A picture the program does not hold is refused when named, not when first painted.
    EXPECT_THROW(ComponentAs<TImage>(form, "Solid").SetPictureName("NOSUCHPICTURE"), EReadError);
}

TEST_F(ControlTest, APictureIsDecodedOnceAt24BitsAndABrokenOneCannotBeRead) {
    auto picture = LoadSharedPicture("TESTPICTURE");  // tests/framework/pictures.rc
    EXPECT_EQ(picture->PixelFormat(), TPixelFormat::pf24bit);
    ASSERT_EQ(picture->Width(), 3);
    ASSERT_EQ(picture->Height(), 2);
    const COLORREF expected[2][3] = {{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)},
                                     {RGB(1, 2, 3), RGB(255, 255, 255), RGB(200, 100, 50)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(picture->Pixel(x, y), expected[y][x]) << x << "," << y;
    EXPECT_EQ(LoadSharedPicture("TESTPICTURE"), picture);
    picture.reset();
    EXPECT_FALSE(PictureInUse("TESTPICTURE"));
    // Found but not decodable: named without complaint, refused when decoded.
    EXPECT_NO_THROW(CheckPictureExists("BROKENPICTURE"));
    try {
        LoadSharedPicture("BROKENPICTURE");
        ADD_FAILURE() << "a broken picture was decoded";
    } catch (const EReadError& error) {
        EXPECT_STREQ(error.what(), "Bild BROKENPICTURE kann nicht gelesen werden");
    }
}

// A window's background is a large shared picture stretched past its edges: the image
// keeps only what the window shows, pixel for pixel what the whole would have drawn, and
// lets the whole go; moved, it decodes the picture again.
TEST_F(ControlTest, APictureStretchedPastItsWindowKeepsOnlyTheShownPartWithTheSamePixels) {
    TestForm form(&application, R"(
object Backdrop: TTestForm
  ClientWidth = 150
  ClientHeight = 100
  object Background: TImage
    Left = -40
    Top = -30
    Width = 260
    Height = 170
    Picture = TESTPICTURE
    Stretch = True
  end
end)");
    auto& image = ComponentAs<TImage>(form, "Background");
    auto expectWholeStretch = [&](int left, int top) {
        auto shown = Painted(form);
        TBitmap whole;
        whole.SetSize(shown->Width(), shown->Height());
        whole.Canvas().StretchDraw({left, top, left + 260, top + 170}, *LoadSharedPicture("TESTPICTURE"));
        for (int y = 0; y < shown->Height(); ++y)
            for (int x = 0; x < shown->Width(); ++x)
                ASSERT_EQ(shown->Pixel(x, y), whole.Pixel(x, y)) << x << "," << y;
    };
    expectWholeStretch(-40, -30);
    EXPECT_TRUE(image.PictureDecoded());
    EXPECT_FALSE(PictureInUse("TESTPICTURE"));
    image.SetBounds(-17, -65, 260, 170);
    expectWholeStretch(-17, -65);
    EXPECT_FALSE(PictureInUse("TESTPICTURE"));
}

TEST_F(ControlTest, ALabelSizesItselfToItsTextUnlessFixed) {
    TestForm form(&application, R"(
object Labels: TTestForm
  object Auto: TLabel
    Caption = 'A'
  end
  object Fixed: TLabel
    AutoSize = False
    Width = 30
    Height = 13
    Caption = 'A'
  end
end)");
    auto& automatic = ComponentAs<TLabel>(form, "Auto");
    auto& fixed = ComponentAs<TLabel>(form, "Fixed");
    int narrow = automatic.Width();
    EXPECT_GT(narrow, 0);
    EXPECT_GT(automatic.Height(), 0);
    automatic.SetCaption("A much longer caption");
    fixed.SetCaption("A much longer caption");
    EXPECT_GT(automatic.Width(), narrow * 5);
    EXPECT_EQ(fixed.Width(), 30);
    automatic.SetCaption("");
    EXPECT_GT(automatic.Height(), 0);  // an empty label keeps the height of a blank
}

// Captions place things with runs of blanks, so a Verdana label's blanks are Verdana's
// width (0.352 of the character height) whichever face the system gives for it.
TEST_F(ControlTest, AVerdanaLabelsBlanksAreVerdanasWidthWhateverFaceStandsIn) {
    TestForm form(&application, R"(
object Labels: TTestForm
  object Label: TLabel
    Font.Name = 'Verdana'
  end
end)");
    auto& label = ComponentAs<TLabel>(form, "Label");
    for (int height : {13, 11}) {
        label.Font().SetHeight(-height);
        label.SetCaption("Shift+");
        int bare = label.Width();
        label.SetCaption("Shift" + std::string(20, ' ') + "+");
        EXPECT_EQ(label.Width() - bare, 20 * (height == 13 ? 5 : 4)) << height;
    }
}

TEST_F(ControlTest, HintsHelpAndAPopupMenuByNameAreKept) {
    TestForm form(&application, R"(
object Described: TTestForm
  object Label1: TLabel
    Hint = 'Not shown'
    ShowHint = True
    ParentShowHint = False
    HelpType = htKeyword
    HelpKeyword = 'slots'
    HelpContext = 7
    PopupMenu = Menu1
  end
  object Menu1: TPopupMenu
  end
end)");
    auto& label = ComponentAs<TLabel>(form, "Label1");
    EXPECT_EQ(label.Hint, "Not shown");
    EXPECT_TRUE(label.ShowHint);
    EXPECT_EQ(label.HelpType, 1);
    EXPECT_EQ(label.PopupMenu, &ComponentAs<TPopupMenu>(form, "Menu1"));
    delete &ComponentAs<TPopupMenu>(form, "Menu1");
    EXPECT_EQ(label.PopupMenu, nullptr);  // a freed menu is forgotten
}

}  // namespace
