// Painting plans of the skinned frame: the four strips (pieces, sizes,
// places and the pixels they give), objects in strips, the client
// background.
#include <gtest/gtest.h>

#include "skin/form/skFormStrips.h"
#include "skin/pixels/skUtilsImages.h"
#include "tests/native/form_support.h"

namespace {

using formtest::OurFrame;
using formtest::OurSkin;
using fw::TBitmap;
using fw::TPoint;
using fw::TRect;

void ExpectSpan(const sk::AxisSpan& s, int d0, int d1, int s0, int s1, sk::AxisFill fill) {
  EXPECT_EQ(s.dst0, d0);
  EXPECT_EQ(s.dst1, d1);
  EXPECT_EQ(s.src0, s0);
  EXPECT_EQ(s.src1, s1);
  EXPECT_EQ(s.fill, fill);
}

TEST(FormStrips, PlanOfTheMainWindow) {
  const sk::TskFrameSkin skin = OurFrame();
  const sk::TskFramePlan p = sk::PlanFrameStrips(skin, sk::CalcRects(skin, 679, 565));
  using F = sk::AxisFill;
  // Top: the middle tiled from x = 0 of the strip, then the corners 1:1.
  EXPECT_EQ(p.top.width, 679);
  EXPECT_EQ(p.top.height, 27);
  EXPECT_EQ(p.top.at, (TPoint{0, 0}));
  ASSERT_EQ(p.top.count, 3);
  ExpectSpan(p.top.pieces[0].x, 0, 679, 12, 273, F::Tile);
  ExpectSpan(p.top.pieces[0].y, 0, 27, 0, 27, F::Copy);
  ExpectSpan(p.top.pieces[1].x, 0, 12, 0, 12, F::Copy);
  ExpectSpan(p.top.pieces[2].x, 667, 679, 273, 285, F::Copy);
  // Bottom: picture rows 206..210 at the window's last four rows.
  EXPECT_EQ(p.bottom.at, (TPoint{0, 561}));
  EXPECT_EQ(p.bottom.height, 4);
  ExpectSpan(p.bottom.pieces[0].y, 0, 4, 206, 210, F::Copy);
  // Sides: 4 x 534 between them, middle rows 30..200 tiled from the strip's
  // top, the fixed ends above (27..30) and below (200..206).
  EXPECT_EQ(p.left.at, (TPoint{0, 27}));
  EXPECT_EQ(p.left.width, 4);
  EXPECT_EQ(p.left.height, 534);
  ASSERT_EQ(p.left.count, 3);
  ExpectSpan(p.left.pieces[0].y, 0, 534, 30, 200, F::Tile);
  ExpectSpan(p.left.pieces[1].y, 0, 3, 27, 30, F::Copy);
  ExpectSpan(p.left.pieces[2].y, 528, 534, 200, 206, F::Copy);
  EXPECT_EQ(p.right.at, (TPoint{675, 27}));
  ExpectSpan(p.right.pieces[0].x, 0, 4, 281, 285, F::Copy);
}

TEST(FormStrips, StretchedEdgesSpanTheMappedCorners) {
  sk::TskFrameSkin skin = OurFrame();
  skin.info.TopStretch = skin.info.LeftStretch = true;
  const sk::TskFramePlan p = sk::PlanFrameStrips(skin, sk::CalcRects(skin, 679, 565));
  ExpectSpan(p.top.pieces[0].x, 12, 667, 12, 273, sk::AxisFill::Stretch);
  ExpectSpan(p.left.pieces[0].y, 3, 528, 30, 200, sk::AxisFill::Stretch);
}

// The strips give the same pixels as the corner-model builder.
TEST(FormStrips, RenderedStripsMatchTheBorderBuilder) {
  for (const bool stretch : {false, true}) {
    sk::TskFrameSkin skin = OurFrame();
    skin.info.TopStretch = skin.info.BottomStretch = skin.info.LeftStretch = skin.info.RightStretch = stretch;
    for (const TPoint size : {TPoint{679, 565}, TPoint{200, 31}, TPoint{1000, 700}}) {
      const sk::TskFrameRects m = sk::CalcRects(skin, size.x, size.y);
      const sk::TskFramePlan plan = sk::PlanFrameStrips(skin, m);
      const sk::TskDataSkinFormInfo& fi = skin.info;
      const sk::TskCornerModel corners{fi.LeftTopPoint, fi.RightTopPoint, fi.LeftBottomPoint, fi.RightBottomPoint,
                                       fi.ClientRect};
      const sk::TskCornerModel mapped{m.leftTop, m.rightTop, m.leftBottom, m.rightBottom, m.client};
      TBitmap t, b, l, r;
      sk::CreateSkinBorderImages(corners, {fi.LeftStretch, fi.TopStretch, fi.RightStretch, fi.BottomStretch}, size.x,
                                 size.y, {0, 0, 285, 210}, OurSkin().Picture(), {&t, &b, &l, &r}, mapped);
      const std::pair<const sk::TskStripPlan*, const TBitmap*> strips[] = {
          {&plan.top, &t}, {&plan.bottom, &b}, {&plan.left, &l}, {&plan.right, &r}};
      for (const auto& [strip, reference] : strips) {
        TBitmap mine;
        sk::RenderStrip(*strip, OurSkin().Picture(), mine);
        ASSERT_EQ(mine.Width(), reference->Width());
        ASSERT_EQ(mine.Height(), reference->Height());
        for (int y = 0; y < mine.Height(); ++y)
          for (int x = 0; x < mine.Width(); ++x)
            ASSERT_EQ(mine.Pixel(x, y), reference->Pixel(x, y)) << size.x << "x" << size.y << " at " << x << "," << y;
      }
    }
  }
}

TEST(FormStrips, CornersKeepTheirPixelsAndTheTileStartsAtTheStripStart) {
  const sk::TskFrameSkin skin = OurFrame();
  const fw::TBitmap& picture = OurSkin().Picture();
  const sk::TskFramePlan p = sk::PlanFrameStrips(skin, sk::CalcRects(skin, 900, 400));
  TBitmap top;
  sk::RenderStrip(p.top, picture, top);
  for (int y = 0; y < 27; ++y) {
    for (int x = 0; x < 12; ++x) {
      EXPECT_EQ(top.Pixel(x, y), picture.Pixel(x, y));
      EXPECT_EQ(top.Pixel(900 - 12 + x, y), picture.Pixel(273 + x, y));
    }
    // Strip column x of the middle shows picture column 12 + x mod 261.
    for (const int x : {12, 100, 273, 500, 887}) EXPECT_EQ(top.Pixel(x, y), picture.Pixel(12 + x % 261, y)) << x;
  }
}

TEST(FormStrips, NoStripReachesOutsideTheWindow) {
  sk::TskFrameSkin skin = OurFrame();
  skin.info.ClientRect = {-50, 100000, 2000000000, 2000000000};
  for (const TPoint size : {TPoint{0, 0}, TPoint{10, 10}, TPoint{679, 565}}) {
    const sk::TskFramePlan p = sk::PlanFrameStrips(skin, sk::CalcRects(skin, size.x, size.y));
    for (const sk::TskStripPlan* s : {&p.top, &p.bottom, &p.left, &p.right}) {
      if (!s->Built()) continue;
      EXPECT_GE(s->at.x, 0);
      EXPECT_GE(s->at.y, 0);
      EXPECT_LE(s->at.x + s->width, size.x);
      EXPECT_LE(s->at.y + s->height, size.y);
    }
  }
  // Rolled up to its caption: no side strips, top and bottom meet.
  const sk::TskFramePlan rolled = sk::PlanFrameStrips(OurFrame(), sk::CalcRects(OurFrame(), 679, 31));
  EXPECT_FALSE(rolled.left.Built());
  EXPECT_FALSE(rolled.right.Built());
  EXPECT_EQ(rolled.bottom.at, (TPoint{0, 27}));
}

TEST(FormStrips, ObjectsGoIntoTheStripTheyReach) {
  const sk::TskFrameRects m = sk::CalcRects(OurFrame(), 679, 565);
  const auto close = sk::ObjectStripPlace({655, 5, 676, 26}, m);
  EXPECT_EQ(close.side, sk::TskStripSide::Top);
  EXPECT_EQ(close.rect, (TRect{655, 5, 676, 26}));
  const auto low = sk::ObjectStripPlace({600, 561, 620, 565}, m);
  EXPECT_EQ(low.side, sk::TskStripSide::Bottom);
  EXPECT_EQ(low.rect, (TRect{600, 0, 620, 4}));
}

TEST(FormBackground, PlansByPictureAndStretch) {
  const sk::TskFrameSkin skin = OurFrame();
  sk::TskBackgroundInput in{671, 534, 679, 565, true, -1, 0, 0};
  // The frame picture's client part, tiled from the client's origin.
  sk::TskBackgroundPlan p = sk::PlanClientBackground(skin, in);
  EXPECT_EQ(p.kind, sk::TskBackgroundPlan::Picture);
  EXPECT_EQ(p.pictureIndex, -1);
  EXPECT_EQ(p.source, (TRect{4, 27, 281, 206}));
  ExpectSpan(p.x, 0, 3 * 277, 4, 281, sk::AxisFill::Tile);
  ExpectSpan(p.y, 0, 3 * 179, 27, 206, sk::AxisFill::Tile);

  // A background picture of its own.
  in.pictureIndex = 5;
  in.pictureWidth = 64;
  in.pictureHeight = 32;
  p = sk::PlanClientBackground(skin, in);
  EXPECT_EQ(p.pictureIndex, 5);
  EXPECT_EQ(p.source, (TRect{0, 0, 64, 32}));
  ExpectSpan(p.x, 0, (671 / 64 + 1) * 64, 0, 64, sk::AxisFill::Tile);

  // An index naming no picture, or an empty one, is the frame picture:
  // nothing read out of range, nothing divided by zero.
  for (const auto& [index, w, h] : {std::tuple{99, 0, 0}, std::tuple{0, 0, 10}, std::tuple{0, 10, 0}}) {
    in.pictureIndex = index;
    in.pictureWidth = w;
    in.pictureHeight = h;
    p = sk::PlanClientBackground(skin, in);
    EXPECT_EQ(p.pictureIndex, -1);
    EXPECT_EQ(p.source, (TRect{4, 27, 281, 206}));
  }

  // Stretched: full spans the window's outer size; horizontal repeats a
  // column stretched to the height; vertical the other way round.
  sk::TskFrameSkin stretched = skin;
  stretched.info.StretchEffect = true;
  in = {671, 534, 679, 565, true, -1, 0, 0};
  p = sk::PlanClientBackground(stretched, in);
  ExpectSpan(p.x, 0, 679, 4, 281, sk::AxisFill::Stretch);
  ExpectSpan(p.y, 0, 565, 27, 206, sk::AxisFill::Stretch);
  stretched.info.StretchType = sk::stHorz;
  p = sk::PlanClientBackground(stretched, in);
  ExpectSpan(p.x, 0, 3 * 277, 4, 281, sk::AxisFill::Tile);
  ExpectSpan(p.y, 0, 565, 27, 206, sk::AxisFill::Stretch);
  stretched.info.StretchType = sk::stVert;
  p = sk::PlanClientBackground(stretched, in);
  ExpectSpan(p.x, 0, 679, 4, 281, sk::AxisFill::Stretch);
  ExpectSpan(p.y, 0, 4 * 179, 27, 206, sk::AxisFill::Tile);
}

TEST(FormBackground, FillsAndNothing) {
  sk::TskFrameSkin skin = OurFrame();
  EXPECT_EQ(sk::PlanClientBackground(skin, {671, 534, 679, 565, false}).kind, sk::TskBackgroundPlan::Fill);
  EXPECT_EQ(sk::PlanClientBackground(skin, {0, 534, 8, 565, true}).kind, sk::TskBackgroundPlan::None);
  skin.info.ClientRect = {};
  EXPECT_EQ(sk::PlanClientBackground(skin, {671, 534, 679, 565, true}).kind, sk::TskBackgroundPlan::Fill);
  // A client rectangle beyond the picture has no pixels to give.
  skin.info.ClientRect = {300, 300, 400, 400};
  EXPECT_EQ(sk::PlanClientBackground(skin, {671, 534, 679, 565, true}).kind, sk::TskBackgroundPlan::Fill);
}

TEST(FormBackground, LogoCentredNeverBeforeTheOrigin) {
  EXPECT_EQ(sk::LogoPosition(671, 534, 101, 51), (TPoint{335 - 50, 267 - 25}));
  EXPECT_EQ(sk::LogoPosition(100, 100, 300, 10), (TPoint{0, 45}));
  EXPECT_EQ(sk::LogoPosition(100, 100, 300, 300), (TPoint{0, 0}));
}

}  // namespace
