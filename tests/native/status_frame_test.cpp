// Frame painting, shading and the status bar's geometry, on a pixel grid.
#include <gtest/gtest.h>

#include <map>

#include "status/FrCommon.h"
#include "status/FrGeometry.h"

using namespace fr;
using fw::clBtnHighlight;
using fw::clBtnShadow;
using fw::clNone;

namespace {

constexpr TColor kEmpty = -1;
constexpr TColor cl3DDkShadow = fw::SystemColor(21);
constexpr TColor cl3DLight = fw::SystemColor(22);
constexpr TColor kA = fw::RGBColor(1, 2, 3);
constexpr TColor kB = fw::RGBColor(4, 5, 6);

// A small grid that records the last colour written to every pixel.
class Grid : public TFrameSurface {
 public:
  static constexpr int kSize = 10;
  Grid() {
    for (auto& row : px_) row.fill(kEmpty);
  }
  void Line(int x1, int y1, int x2, int y2, TColor c) override {
    ASSERT_TRUE(x1 == x2 || y1 == y2);
    if (y1 == y2) {
      for (int x = x1; x < x2; ++x) Pixel(x, y1, c);
    } else {
      for (int y = y1; y < y2; ++y) Pixel(x1, y, c);
    }
  }
  void Pixel(int x, int y, TColor c) override {
    if (x >= 0 && y >= 0 && x < kSize && y < kSize) px_[y][x] = c;
  }
  TColor At(int x, int y) const { return px_[y][x]; }
  int Count(TColor c) const {
    int n = 0;
    for (const auto& row : px_)
      for (TColor p : row) n += p == c;
    return n;
  }

 private:
  std::array<std::array<TColor, kSize>, kSize> px_;
};

const TRect kWhole{0, 0, Grid::kSize, Grid::kSize};

}  // namespace

TEST(StatusFrame, StrokeSidesLowerRightOwnsTheOffCorners) {
  Grid g;
  const TRect inner = StrokeSides(g, kWhole, kA, kAllSides, kB);
  EXPECT_EQ(inner, (TRect{1, 1, 9, 9}));
  EXPECT_EQ(g.At(0, 0), kA);
  EXPECT_EQ(g.At(9, 0), kB);  // top-right belongs to the right side
  EXPECT_EQ(g.At(0, 9), kB);  // bottom-left belongs to the bottom side
  EXPECT_EQ(g.At(9, 9), kB);
  EXPECT_EQ(g.At(0, 5), kA);
  EXPECT_EQ(g.At(1, 1), kEmpty);
}

TEST(StatusFrame, StrokeSidesSkipsMissingSidesAndNoneColourButStillInsets) {
  Grid g;
  EXPECT_EQ(StrokeSides(g, kWhole, clNone, sdLeft | sdBottom, kB), (TRect{1, 0, 10, 9}));
  EXPECT_EQ(g.At(0, 4), kEmpty);  // left in clNone
  EXPECT_EQ(g.At(4, 9), kB);
  EXPECT_EQ(g.At(9, 4), kEmpty);  // right not in the set
  EXPECT_EQ(StrokeBands(g, kWhole, kA, kAllSides, 3, kA), (TRect{3, 3, 7, 7}));
  EXPECT_EQ(g.At(2, 5), kA);
  EXPECT_EQ(g.At(3, 5), kEmpty);
}

TEST(StatusFrame, EachStyleDrawsItsRingsAndInset) {
  struct Case {
    TFrameStyle style;
    int inset;
    TColor outerUL, outerLR, innerUL, innerLR;
  };
  const Case cases[] = {
      {TFrameStyleEx::fsNone, 0, kEmpty, kEmpty, kEmpty, kEmpty},
      {TFrameStyleEx::fsFlat, 1, cl3DDkShadow, cl3DDkShadow, kEmpty, kEmpty},
      {TFrameStyleEx::fsLowered, 2, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
      {TFrameStyleEx::fsButtonDown, 2, fw::clBtnText, fw::clBtnText, clBtnShadow, clBtnShadow},
      {TFrameStyleEx::fsRaised, 2, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow},
      {TFrameStyleEx::fsButtonUp, 2, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
      {TFrameStyleEx::fsStatus, 1, clBtnShadow, clBtnHighlight, kEmpty, kEmpty},
      {TFrameStyleEx::fsPopup, 1, clBtnHighlight, clBtnShadow, kEmpty, kEmpty},
      {TFrameStyleEx::fsFlatBold, 2, clBtnShadow, clBtnShadow, clBtnShadow, clBtnShadow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    Grid g;
    const TRect inner = PaintFrame(g, kWhole, c.style, kAllSides);
    EXPECT_EQ(inner, (TRect{c.inset, c.inset, 10 - c.inset, 10 - c.inset}));
    EXPECT_EQ(g.At(0, 0), c.outerUL);
    EXPECT_EQ(g.At(9, 9), c.outerLR);
    EXPECT_EQ(g.At(1, 1), c.innerUL);
    EXPECT_EQ(g.At(8, 8), c.innerLR);
    EXPECT_EQ(g.At(c.inset, c.inset), kEmpty);
  }
}

TEST(StatusFrame, GrooveAndBumpAreEtchedPairs) {
  Grid groove, bump;
  EXPECT_EQ(PaintFrame(groove, kWhole, TFrameStyleEx::fsGroove, kAllSides), (TRect{2, 2, 8, 8}));
  PaintFrame(bump, kWhole, TFrameStyleEx::fsBump, kAllSides);
  // The upper-left lines on the outer edge, the lower-right one pixel in.
  EXPECT_EQ(groove.At(0, 0), clBtnShadow);
  EXPECT_EQ(groove.At(1, 1), clBtnHighlight);
  EXPECT_EQ(groove.At(8, 5), clBtnShadow);
  EXPECT_EQ(groove.At(9, 5), clBtnHighlight);
  EXPECT_EQ(bump.At(0, 0), clBtnHighlight);
  EXPECT_EQ(bump.At(9, 5), clBtnShadow);
}

TEST(StatusFrame, GrooveOnTheTopSideOnly) {
  Grid g;
  EXPECT_EQ(PaintFrame(g, kWhole, TFrameStyleEx::fsGroove, sdTop), (TRect{0, 2, 10, 10}));
  for (int x = 0; x < 10; ++x) EXPECT_EQ(g.At(x, 0), clBtnShadow) << x;  // (r-1, t) in the upper-left colour
  EXPECT_EQ(g.At(0, 1), clBtnHighlight);                                 // (l, t+1) in the lower-right colour
  for (int x = 1; x < 10; ++x) EXPECT_EQ(g.At(x, 1), clBtnHighlight) << x;
  EXPECT_EQ(g.Count(kEmpty), 80);
}

TEST(StatusFrame, FlatRoundedIsOnlyForThePanelBorders) {
  Grid g;
  EXPECT_THROW(PaintFrame(g, kWhole, TFrameStyleEx::fsFlatRounded, kAllSides), ERangeError);
  EXPECT_EQ(PaintRoundedOutline(g, kWhole, kA, kAllSides), (TRect{2, 2, 8, 8}));
  EXPECT_EQ(g.At(0, 0), kEmpty);
  EXPECT_EQ(g.At(1, 0), kEmpty);
  EXPECT_EQ(g.At(2, 0), kA);
  EXPECT_EQ(g.At(7, 0), kA);
  EXPECT_EQ(g.At(8, 0), kEmpty);
  EXPECT_EQ(g.At(1, 1), kA);
  EXPECT_EQ(g.At(8, 8), kA);
  EXPECT_EQ(g.At(9, 2), kA);
}

TEST(StatusFrame, ShadeShiftsLightness) {
  const TColor grey = fw::RGBColor(128, 128, 128);
  EXPECT_EQ(ShadeRgb(grey, 0), grey);
  const TColor lighter = ShadeRgb(grey, 30);
  EXPECT_GT(fw::RedOf(lighter), 128);
  EXPECT_EQ(fw::RedOf(lighter), fw::GreenOf(lighter));
  EXPECT_EQ(fw::GreenOf(lighter), fw::BlueOf(lighter));
  EXPECT_LT(fw::RedOf(ShadeRgb(grey, -30)), 128);
  EXPECT_EQ(ShadeRgb(grey, -255), fw::clBlack);
  EXPECT_EQ(ShadeRgb(grey, 255), fw::clWhite);  // lightness past 240 is capped per channel
  // A hue survives the shift.
  const TColor red = ShadeRgb(fw::RGBColor(200, 0, 0), -40);
  EXPECT_GT(fw::RedOf(red), 0);
  EXPECT_EQ(fw::GreenOf(red), 0);
  EXPECT_EQ(fw::BlueOf(red), 0);
  EXPECT_THROW(ShadeRgb(grey, 256), ERangeError);
  EXPECT_THROW(ShadeRgb(grey, -256), ERangeError);
}

TEST(StatusGeometry, ClientRectangleOfTheBar) {
  const TRect client{0, 0, 671, 19};
  EXPECT_EQ(StatusBarClientRect(client, false, false), (TRect{-1, 1, 672, 20}));
  EXPECT_EQ(StatusBarClientRect(client, false, true), (TRect{0, 2, 671, 20}));
  EXPECT_EQ(StatusBarClientRect(client, true, false), client);
  EXPECT_EQ(StatusBarClientRect(client, true, true), (TRect{1, 1, 670, 19}));
}

TEST(StatusGeometry, GripSquaresAndHitArea) {
  const auto corners = GripSquareCorners(100, 50);
  EXPECT_EQ(corners[0], (TPoint{95, 38}));
  EXPECT_EQ(corners[5], (TPoint{87, 46}));
  EXPECT_TRUE(InGripArea(87, 100));   // 13 pixels from the right edge
  EXPECT_FALSE(InGripArea(86, 100));  // 14
  EXPECT_TRUE(InGripArea(99, 100));
}

TEST(StatusGeometry, PaneWidthsScaleWithTheBar) {
  // 100 of 400 grows by 10 of 40; 50 of 400 by 5; halves go to even.
  EXPECT_EQ(ScaledPaneWidths({100, 50}, 400, 40), (std::vector<int>{110, 55}));
  EXPECT_EQ(ScaledPaneWidths({10, 30}, 80, 4), (std::vector<int>{10, 32}));  // 0.5 -> 0, 1.5 -> 2
  EXPECT_EQ(ScaledPaneWidths({10}, 80, 0), (std::vector<int>{10}));
  EXPECT_EQ(ScaledPaneWidths({10}, 0, 5), (std::vector<int>{10}));  // no last width: nothing to scale by
}

TEST(StatusGeometry, PaneTextPlacementAndWidth) {
  const TRect r{2, 2, 98, 17};
  EXPECT_EQ(PaneTextX(r, TTextAnchor::Left, 2), 5);
  EXPECT_EQ(PaneTextX(r, TTextAnchor::Right, 2), 95);
  EXPECT_EQ(PaneTextX(r, TTextAnchor::Center, 2), 50);
  EXPECT_EQ(PaneTextY(r, 13), 3);
  EXPECT_EQ(PaneFrameWidth(TFrameStyleEx::fsNone), 0);
  EXPECT_EQ(PaneFrameWidth(TFrameStyleEx::fsPopup), 1);
  EXPECT_EQ(PaneFrameWidth(TFrameStyleEx::fsLowered), 2);
  EXPECT_EQ(RequiredPaneWidth(true, 0, 40, 1, 2, 0), 40);
  EXPECT_EQ(RequiredPaneWidth(false, 17, 40, 1, 2, 0), 17 + 2 + 2 + 6);
  EXPECT_EQ(FrameStyleWidth(TFrameStyleEx::fsStatus, 3), 3);
  EXPECT_EQ(FrameStyleWidth(TFrameStyleEx::fsFlatRounded, 3), 2);
}
