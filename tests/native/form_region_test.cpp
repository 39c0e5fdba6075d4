// The window's shape: region kinds, the region's rectangles from the mask
// strips at several sizes, and the shape tests of hit testing.
#include <gtest/gtest.h>

#include "skin/form/skFormRegion.h"
#include "tests/native/form_support.h"

namespace {

using formtest::OurFrame;
using formtest::OurSkin;
using fw::TBitmap;
using fw::TPoint;
using fw::TRect;

bool InRegion(const std::vector<sk::TskRegionRect>& rects, int x, int y) {
  for (const auto& r : rects)
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  return false;
}

bool MaskBlack(int x, int y) { return (OurSkin().MaskPicture().Pixel(x, y) & 0xFFFFFF) == 0; }

TEST(FormRegion, KindByState) {
  using K = sk::TskRegionKind;
  struct Case {
    sk::TskRegionInput in;
    K kind;
  } cases[] = {
      {{true, true, true, true, false}, K::Mask},
      {{false, true, true, true, false}, K::None},        // not skinned: the region goes
      {{true, false, true, true, false}, K::None},        // no border
      {{true, true, true, false, false}, K::WholeRect},   // no mask
      {{true, true, true, true, true}, K::WholeRect},     // maximised MDI child
      {{true, true, false, false, false}, K::WholeRect},  // no skin: the built-in look
  };
  for (const Case& c : cases) EXPECT_EQ(sk::RegionKindFor(c.in), c.kind);
}

// At every size the region follows the mask at the four corners, is solid
// inside the mask area, and agrees with the shape test hit testing uses.
TEST(FormRegion, MaskShapesEverySize) {
  const sk::TskFrameSkin skin = OurFrame();
  const TBitmap& mask = OurSkin().MaskPicture();
  ASSERT_EQ(mask.Width(), 285);
  for (const TPoint size : {TPoint{679, 565}, TPoint{800, 600}, TPoint{679, 31}}) {
    const int w = size.x, h = size.y;
    const sk::TskFrameRects m = sk::CalcRects(skin, w, h);
    sk::TskMaskStrips strips;
    const auto rects = sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, mask, m, strips);
    ASSERT_FALSE(rects.empty());
    EXPECT_FALSE(strips.Empty());
    // Rows with the same runs make one band: the count follows the mask's
    // outline, not the window's height.
    EXPECT_LE(rects.size(), 16u) << w << "x" << h;
    for (const auto& r : rects) {
      EXPECT_GE(r.left, 0);
      EXPECT_GE(r.top, 0);
      EXPECT_LE(r.right, w);
      EXPECT_LE(r.bottom, h);
      EXPECT_LT(r.left, r.right);
      EXPECT_LT(r.top, r.bottom);
    }
    // The corners are the mask's corners, pixel for pixel.
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(InRegion(rects, x, y), MaskBlack(x, y)) << w << "x" << h << " " << x << "," << y;
        EXPECT_EQ(InRegion(rects, w - 1 - x, y), MaskBlack(284 - x, y));
        EXPECT_EQ(InRegion(rects, x, h - 1 - y), MaskBlack(x, 209 - y));
        EXPECT_EQ(InRegion(rects, w - 1 - x, h - 1 - y), MaskBlack(284 - x, 209 - y));
      }
    }
    EXPECT_FALSE(InRegion(rects, 0, 0));
    for (int y = 0; y < h; y += 7) {
      for (int x = 0; x < w; x += 3) {
        ASSERT_EQ(InRegion(rects, x, y), sk::PointInMaskShape({x, y}, m, strips))
            << w << "x" << h << " " << x << "," << y;
      }
      // The last row and column too.
      ASSERT_EQ(InRegion(rects, w - 1, y), sk::PointInMaskShape({w - 1, y}, m, strips));
    }
    // Outside the window nothing is in the shape.
    EXPECT_FALSE(sk::PointInMaskShape({w, 10}, m, strips));
    EXPECT_FALSE(sk::PointInMaskShape({10, h}, m, strips));
    EXPECT_FALSE(sk::PointInMaskShape({-1, 10}, m, strips));
    if (h > 31) {
      EXPECT_TRUE(InRegion(rects, m.maskArea.left, m.maskArea.top));
      EXPECT_TRUE(InRegion(rects, m.maskArea.right - 1, m.maskArea.bottom - 1));
    }
  }
}

TEST(FormRegion, StripsFollowTheSizeAndTheMaskFormat) {
  const sk::TskFrameSkin skin = OurFrame();
  const TBitmap mask24 = sk::TrueColorMask(OurSkin().MaskPicture());
  EXPECT_EQ(mask24.PixelFormat(), fw::TPixelFormat::pf24bit);
  sk::TskMaskStrips strips, fresh;
  // Large, then rolled up (no side strips), reusing the same strips: the
  // result is what fresh strips give, from either mask.
  sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, mask24, sk::CalcRects(skin, 800, 600), strips);
  const auto m = sk::CalcRects(skin, 679, 31);
  const auto reused = sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, mask24, m, strips);
  EXPECT_EQ(reused, sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, OurSkin().MaskPicture(), m, fresh));
  EXPECT_TRUE(strips.left.Empty());
  EXPECT_TRUE(strips.right.Empty());
  // Another skin at the same size, whose side strips have no middle: rows
  // no piece covers are outside, not what the last skin left there.
  const auto big = sk::CalcRects(skin, 679, 565);
  sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, mask24, big, strips);
  sk::TskFrameSkin other = skin;
  other.info.LeftBottomPoint.y = other.info.LeftTopPoint.y;
  const auto otherRects = sk::CalcRects(other, 679, 565);
  sk::TskMaskStrips fresh2;
  EXPECT_EQ(sk::FrameRegionRects(sk::TskRegionKind::Mask, other, mask24, otherRects, strips),
            sk::FrameRegionRects(sk::TskRegionKind::Mask, other, mask24, otherRects, fresh2));
}

TEST(FormRegion, WholeRectangleAndNone) {
  const sk::TskFrameSkin skin = OurFrame();
  const sk::TskFrameRects m = sk::CalcRects(skin, 679, 565);
  sk::TskMaskStrips strips;
  sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, OurSkin().MaskPicture(), m, strips);
  ASSERT_FALSE(strips.Empty());
  // Any other kind empties the strips hit testing reads.
  EXPECT_EQ(sk::FrameRegionRects(sk::TskRegionKind::WholeRect, skin, OurSkin().MaskPicture(), m, strips),
            (std::vector<sk::TskRegionRect>{{0, 0, 679, 565}}));
  EXPECT_TRUE(strips.Empty());
  EXPECT_TRUE(sk::FrameRegionRects(sk::TskRegionKind::None, skin, OurSkin().MaskPicture(), m, strips).empty());
}

TEST(FormRegion, MaskThatCannotShapeTheWindowGivesItsRectangle) {
  sk::TskFrameSkin skin = OurFrame();
  const TBitmap& mask = OurSkin().MaskPicture();
  sk::TskMaskStrips strips;
  // The mask area beyond the mask picture: no strip is sized from it.
  skin.info.MaskRectArea = {4, 27, 281, 100000};
  auto rects = sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, mask, sk::CalcRects(skin, 679, 565), strips);
  EXPECT_EQ(rects, (std::vector<sk::TskRegionRect>{{0, 0, 679, 565}}));
  EXPECT_TRUE(strips.Empty());
  // A window smaller than the mask's frame parts.
  skin = OurFrame();
  rects = sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, mask, sk::CalcRects(skin, 5, 5), strips);
  EXPECT_EQ(rects, (std::vector<sk::TskRegionRect>{{0, 0, 5, 5}}));
  rects = sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, mask, sk::CalcRects(skin, 0, 0), strips);
  EXPECT_TRUE(rects.empty());
  // No mask picture at all.
  rects = sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, TBitmap{}, sk::CalcRects(skin, 679, 565), strips);
  EXPECT_EQ(rects.size(), 1u);
}

TEST(FormRegion, ObjectMaskStaysInsideTheMask) {
  TBitmap mask(4, 3);  // all black
  EXPECT_TRUE(sk::PointInObjectMask(&mask, 0, 0));
  EXPECT_TRUE(sk::PointInObjectMask(&mask, 3, 2));
  // One past the last column or row is outside, never read.
  EXPECT_FALSE(sk::PointInObjectMask(&mask, 4, 0));
  EXPECT_FALSE(sk::PointInObjectMask(&mask, 0, 3));
  EXPECT_FALSE(sk::PointInObjectMask(&mask, -1, 0));
  mask.SetPixel(1, 1, fw::clWhite);
  EXPECT_FALSE(sk::PointInObjectMask(&mask, 1, 1));
  // Without a mask the whole rectangle is the shape.
  EXPECT_TRUE(sk::PointInObjectMask(nullptr, 100, 100));
  const TBitmap empty;
  EXPECT_TRUE(sk::PointInObjectMask(&empty, 5, 5));
}

}  // namespace
