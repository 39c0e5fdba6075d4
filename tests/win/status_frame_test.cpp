// Frame styles painted into memory device contexts with the system colours.
#include <gtest/gtest.h>

#include "status/FrPaint.h"
#include "status_surface.h"

using namespace fr;

namespace {

constexpr fw::TColor cl3DDkShadow = fw::SystemColor(COLOR_3DDKSHADOW);
constexpr fw::TColor cl3DLight = fw::SystemColor(COLOR_3DLIGHT);
const COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

TEST(StatusFrameDC, RaisedOnLeftAndBottomOnly) {
  MemorySurface s(12, 12);
  fw::TCanvas canvas(s.Dc());
  const TRect inner = fr::PaintFrame(canvas, {0, 0, 12, 12}, TFrameStyleEx::fsRaised, sdLeft | sdBottom);
  EXPECT_EQ(inner, (TRect{2, 0, 12, 10}));
  EXPECT_EQ(s.At(0, 3), Sys(cl3DLight));           // outer left
  EXPECT_EQ(s.At(1, 3), Sys(fw::clBtnHighlight));  // inner left
  EXPECT_EQ(s.At(5, 11), Sys(cl3DDkShadow));       // outer bottom
  EXPECT_EQ(s.At(5, 10), Sys(fw::clBtnShadow));    // inner bottom
  EXPECT_EQ(s.At(5, 0), kWhite);                   // no top
  EXPECT_EQ(s.At(11, 5), kWhite);                  // no right
}

TEST(StatusFrameDC, EveryStyleKeepsItsInsetAndColours) {
  struct Case {
    TFrameStyle style;
    int inset;
    fw::TColor topLeft, bottomRight;
  };
  const Case cases[] = {
      {TFrameStyleEx::fsFlat, 1, cl3DDkShadow, cl3DDkShadow},
      {TFrameStyleEx::fsGroove, 2, fw::clBtnShadow, fw::clBtnHighlight},
      {TFrameStyleEx::fsBump, 2, fw::clBtnHighlight, fw::clBtnShadow},
      {TFrameStyleEx::fsLowered, 2, fw::clBtnShadow, fw::clBtnHighlight},
      {TFrameStyleEx::fsButtonDown, 2, fw::clBtnText, fw::clBtnText},
      {TFrameStyleEx::fsButtonUp, 2, fw::clBtnHighlight, cl3DDkShadow},
      {TFrameStyleEx::fsStatus, 1, fw::clBtnShadow, fw::clBtnHighlight},
      {TFrameStyleEx::fsPopup, 1, fw::clBtnHighlight, fw::clBtnShadow},
      {TFrameStyleEx::fsFlatBold, 2, fw::clBtnShadow, fw::clBtnShadow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    MemorySurface s(10, 10);
    fw::TCanvas canvas(s.Dc());
    EXPECT_EQ(fr::PaintFrame(canvas, {0, 0, 10, 10}, c.style, kAllSides),
              (TRect{c.inset, c.inset, 10 - c.inset, 10 - c.inset}));
    EXPECT_EQ(s.At(0, 0), Sys(c.topLeft));
    EXPECT_EQ(s.At(9, 9), Sys(c.bottomRight));
    EXPECT_EQ(s.At(5, 5), kWhite);
  }
}

TEST(StatusFrameDC, GrooveOnTheTopSide) {
  MemorySurface s(10, 10);
  fw::TCanvas canvas(s.Dc());
  fr::PaintFrame(canvas, {0, 0, 10, 10}, TFrameStyleEx::fsGroove, sdTop);
  EXPECT_EQ(s.At(9, 0), Sys(fw::clBtnShadow));     // (r-1, t) upper-left colour
  EXPECT_EQ(s.At(0, 1), Sys(fw::clBtnHighlight));  // (l, t+1) lower-right colour
  EXPECT_EQ(s.At(4, 0), Sys(fw::clBtnShadow));
  EXPECT_EQ(s.At(4, 1), Sys(fw::clBtnHighlight));
  EXPECT_EQ(s.Count(kWhite, 0, 2, 10, 10), 80);
}

TEST(StatusFrameDC, ShadeColorResolvesSystemColours) {
  const COLORREF shadow = Sys(fw::clBtnShadow);
  const fw::TColor lighter = ShadeColor(fw::clBtnShadow, 30);
  EXPECT_GT(GetRValue(lighter) + GetGValue(lighter) + GetBValue(lighter),
            GetRValue(shadow) + GetGValue(shadow) + GetBValue(shadow));
  EXPECT_EQ(static_cast<COLORREF>(ShadeColor(fw::clBtnShadow, 0)), shadow);
  EXPECT_THROW(ShadeColor(fw::clBtnShadow, -300), ERangeError);
}
