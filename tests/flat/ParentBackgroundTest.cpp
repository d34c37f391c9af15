// Painting what lies behind a control: the parent's background and its windowless
// controls land under the control at the control's offset, clipped to the parent, asked
// for as erase then paint; and the device context comes back as it was.
#include <gtest/gtest.h>

#include <vector>

#include "Bitmap.h"
#include "CustomControl.h"
#include "FlatDraw.h"
#include "GraphicControl.h"
#include "TestSupport.h"

namespace {

constexpr TColor formColour = 0x203040, blockColour = 0x0000FF, ownColour = clLime;

// A windowless block of one colour.
class TBlock : public TGraphicControl {
public:
    TBlock(TComponent* owner, TColor fill) : TGraphicControl(owner), fill_(fill) {}

protected:
    void Paint() override {
        Canvas().Brush.SetColor(fill_);
        Canvas().FillRect({0, 0, Width(), Height()});
    }

private:
    TColor fill_;
};

// A windowed control that shows its parent through itself, as the flat controls do.
class TSeeThrough : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    // What its own paint cycle would paint (own colour first, then Paint), into a bitmap.
    void PaintInto(TBitmap& target) {
        Perform(WM_PAINT, reinterpret_cast<WPARAM>(target.Canvas().Handle()), 0);
    }

protected:
    void Paint() override { PaintParentBackground(*this, Canvas()); }
};

// A windowed parent whose face spills far beyond its client area, and which notes the
// paint requests that carry a device context.
class TSpiller : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    static constexpr TColor spill = 0x00C0FF;
    struct Request {
        UINT msg;
        WPARAM dc;
        POINT origin;
    };
    std::vector<Request> requests;

    void WndProc(TMessage& message) override {
        if ((message.Msg == WM_ERASEBKGND || message.Msg == WM_PAINT) && message.WParam) {
            POINT origin{};
            GetViewportOrgEx(reinterpret_cast<HDC>(message.WParam), &origin);
            requests.push_back({message.Msg, message.WParam, origin});
        }
        TCustomControl::WndProc(message);
    }

protected:
    void Paint() override {
        Canvas().Brush.SetColor(spill);
        Canvas().FillRect({-500, -500, 500, 500});
    }
};

class ParentBackgroundTest : public ::testing::Test {
protected:
    ParentBackgroundTest() {
        application.Initialize();
        form = std::make_unique<TestForm>(&application, R"(
object Backdrop: TTestForm
  BorderStyle = bsNone
  Left = 40
  Top = 40
  ClientWidth = 60
  ClientHeight = 40
  Color = 2109504
end)");
        form->HandleNeeded();
        block = new TBlock(form.get(), blockColour);
        block->SetBounds(20, 10, 15, 20);
        block->SetParent(form.get());
        probe = new TSeeThrough(form.get());
        probe->SetBounds(10, 5, 30, 20);
        probe->SetColor(ownColour);
        probe->SetParent(form.get());
        // What the form shows, the windowed probe left out.
        formShot.SetSize(60, 40);
        form->PaintBackgroundAndControls(formShot.Canvas().Handle(), form->ClientRect());
    }

    static void Prefill(TBitmap& bitmap, int width, int height, TColor colour) {
        bitmap.SetSize(width, height);
        bitmap.Canvas().Brush.SetColor(colour);
        bitmap.Canvas().FillRect({0, 0, width, height});
    }

    TApplication application;
    std::unique_ptr<TestForm> form;
    TBlock* block = nullptr;
    TSeeThrough* probe = nullptr;
    TBitmap formShot;
};

TEST_F(ParentBackgroundTest, TheParentsPictureShowsUnderTheControl) {
    TBitmap face;
    face.SetSize(30, 20);
    probe->PaintInto(face);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(face.Pixel(x, y), formShot.Pixel(x + 10, y + 5)) << "at " << x << "," << y;
    EXPECT_EQ(face.Pixel(0, 0), COLORREF(formColour));
    EXPECT_EQ(face.Pixel(10, 5), COLORREF(blockColour));  // the block's corner, at (20, 10)
    EXPECT_EQ(face.Pixel(9, 5), COLORREF(formColour));
}

TEST_F(ParentBackgroundTest, OnlyTheParentsClientAreaIsPaintedAskedForAsEraseThenPaint) {
    auto* spiller = new TSpiller(form.get());
    spiller->SetBounds(0, 0, 40, 30);
    spiller->SetParent(form.get());
    probe->SetParent(spiller);
    probe->SetBounds(30, 20, 20, 20);  // sticks out of the spiller by 10 each way

    TBitmap face;
    face.SetSize(20, 20);
    probe->PaintInto(face);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            COLORREF expected = x < 10 && y < 10 ? TSpiller::spill : ownColour;
            ASSERT_EQ(face.Pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
    ASSERT_EQ(spiller->requests.size(), 2u);
    WPARAM dc = reinterpret_cast<WPARAM>(face.Canvas().Handle());
    EXPECT_EQ(spiller->requests[0].msg, UINT(WM_ERASEBKGND));
    EXPECT_EQ(spiller->requests[1].msg, UINT(WM_PAINT));
    for (const auto& request : spiller->requests) {
        EXPECT_EQ(request.dc, dc);
        EXPECT_EQ(request.origin.x, -30);
        EXPECT_EQ(request.origin.y, -20);
    }
}

TEST_F(ParentBackgroundTest, TheDeviceContextComesBackAsItWas) {
    TBitmap target;
    Prefill(target, 50, 50, ownColour);
    TCanvas& canvas = target.Canvas();
    HDC dc = canvas.Handle();
    SetViewportOrgEx(dc, 3, 4, nullptr);
    IntersectClipRect(dc, 5, 5, 30, 30);
    RECT clipBefore{};
    GetClipBox(dc, &clipBefore);

    PaintParentBackground(*probe, canvas);

    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 3);
    EXPECT_EQ(origin.y, 4);
    RECT clipAfter{};
    GetClipBox(dc, &clipAfter);
    EXPECT_TRUE(EqualRect(&clipBefore, &clipAfter));
    // It painted through the caller's origin and clip: logical (10, 10) is the form's
    // (20, 15), in the block; logical (1, 1) lies outside the clip.
    EXPECT_EQ(target.Pixel(3 + 10, 4 + 10), COLORREF(blockColour));
    EXPECT_EQ(target.Pixel(3 + 5, 4 + 5), formShot.Pixel(15, 10));
    EXPECT_EQ(target.Pixel(3 + 1, 4 + 1), COLORREF(ownColour));
    // And the canvas still draws where it did.
    canvas.Brush.SetColor(clBlack);
    canvas.FillRect({6, 6, 7, 7});
    EXPECT_EQ(target.Pixel(9, 10), RGB(0, 0, 0));
}

TEST_F(ParentBackgroundTest, WithoutAParentNothingIsPainted) {
    auto* orphan = new TSeeThrough(form.get());
    orphan->SetBounds(0, 0, 10, 10);
    TBitmap target;
    Prefill(target, 10, 10, ownColour);
    PaintParentBackground(*orphan, target.Canvas());
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(target.Pixel(x, y), COLORREF(ownColour));
}

// The real paint cycle, as the screen shows it.
TEST_F(ParentBackgroundTest, OnScreenTheControlIsSeeThrough) {
    form->Show();
    HWND window = probe->Handle();
    POINT corner = probe->ClientToScreen({0, 0});
    auto screenMatches = [&] {
        PumpPending();
        HDC screen = GetDC(nullptr);
        bool same = true;
        for (int y = 0; y < 20 && same; y += 3)
            for (int x = 0; x < 30 && same; x += 3)
                same = GetPixel(screen, corner.x + x, corner.y + y) ==
                       formShot.Pixel(x + 10, y + 5);
        ReleaseDC(nullptr, screen);
        return same;
    };
    ASSERT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(PumpUntil(screenMatches, 5000));
    form->Hide();
}

}  // namespace
