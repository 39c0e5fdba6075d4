#include <gtest/gtest.h>

#include "pixels_support.h"
#include "skin/pixels/skUtilsImages.h"
#include "skin/pixels/skUtilsRects.h"

namespace {

using fw::TBitmap;
using fw::TPixelFormat;
using fw::TRect;
using pixels::CoordinatePicture;
using pixels::Decode;
using pixels::SourceXY;
using namespace sk;

TEST(PixelsRects, RectRoutines) {
  EXPECT_EQ(RectWidth({2, 3, 10, 20}), 8);
  EXPECT_EQ(RectHeight({2, 3, 10, 20}), 17);
  EXPECT_TRUE(IsNullRect(NullRect()));
  EXPECT_TRUE(IsNullRect({5, 5, 5, 10}));
  EXPECT_TRUE(IsNullRect({5, 5, 4, 10}));
  EXPECT_FALSE(IsNullRect({5, 5, 6, 6}));
  EXPECT_TRUE(IsNullPoint({0, 4}));
  EXPECT_TRUE(IsNullPoint({4, 0}));
  EXPECT_FALSE(IsNullPoint({-1, 4}));
  EXPECT_TRUE(RectsEqual({1, 2, 3, 4}, {1, 2, 3, 4}));
  EXPECT_FALSE(RectsEqual({1, 2, 3, 4}, {1, 2, 3, 5}));
  // The point test includes right and bottom; the rectangle test does not.
  EXPECT_TRUE(PointInsideRect({10, 20}, {0, 0, 10, 20}));
  EXPECT_FALSE(PointInsideRect({11, 20}, {0, 0, 10, 20}));
  EXPECT_TRUE(RectInsideRect({1, 1, 5, 5}, {0, 0, 10, 10}));
  EXPECT_FALSE(RectInsideRect({0, 0, 10, 10}, {0, 0, 10, 10}));
}

// A 60 x 40 skin rectangle at (7, 3) of a larger picture, corners 10 px in.
struct Model {
  TBitmap source = CoordinatePicture(80, 50);
  TRect rect{7, 3, 67, 43};
  TskCornerModel corners{{10, 10}, {50, 10}, {10, 30}, {50, 30}, {10, 10, 50, 30}};
  SourceXY Src(int x, int y) const { return {rect.left + x, rect.top + y}; }
};

TEST(PixelsBuilders, TiledImageCopiesCornersAndTilesFromSpanStart) {
  Model m;
  TBitmap target;
  const int w = 130, h = 70;  // edges: 110 = 2 * 40 + 30 across, 50 = 2 * 20 + 10 down
  CreateSkinImage(m.corners, m.rect, m.source, {}, true, false, stFull, w, h, MapCornerModel(m.corners, 60, 40, w, h),
                  target);
  ASSERT_EQ(target.Width(), w);
  ASSERT_EQ(target.Height(), h);
  const auto sx = [](int x) { return x < 10 ? x : (x >= 120 ? x - 70 : 10 + (x - 10) % 40); };
  const auto sy = [](int y) { return y < 10 ? y : (y >= 60 ? y - 30 : 10 + (y - 10) % 20); };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      ASSERT_EQ(Decode(target, x, y), m.Src(sx(x), sy(y))) << x << "," << y;
    }
  }
}

TEST(PixelsBuilders, StretchedImageMapsPixelCentres) {
  Model m;
  TBitmap target(1, 1, TPixelFormat::pf32bit);  // a 32-bit target stays 32-bit
  const int w = 150, h = 50;
  CreateSkinImage(m.corners, m.rect, m.source, {true, true, true, true}, true, true, stFull, w, h,
                  MapCornerModel(m.corners, 60, 40, w, h), target);
  ASSERT_EQ(target.PixelFormat(), TPixelFormat::pf32bit);
  // Middle 130 wide from 40 source columns; 30 high from 20 rows.
  const auto sx = [](int x) { return x < 10 ? x : (x >= 140 ? x - 90 : 10 + ((2 * (x - 10) + 1) * 40) / 260); };
  const auto sy = [](int y) { return y < 10 ? y : (y >= 40 ? y - 10 : 10 + ((2 * (y - 10) + 1) * 20) / 60); };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) ASSERT_EQ(Decode(target, x, y), m.Src(sx(x), sy(y))) << x << "," << y;
  }
}

TEST(PixelsBuilders, CentreStretchTypesAndDrawClient) {
  Model m;
  const int w = 100, h = 60;
  const TskCornerModel mapped = MapCornerModel(m.corners, 60, 40, w, h);  // client 80 x 40 from 40 x 20
  TBitmap horz, vert, none;
  CreateSkinImage(m.corners, m.rect, m.source, {}, true, true, stHorz, w, h, mapped, horz);
  CreateSkinImage(m.corners, m.rect, m.source, {}, true, true, stVert, w, h, mapped, vert);
  CreateSkinImage(m.corners, m.rect, m.source, {}, false, true, stFull, w, h, mapped, none);
  for (int y = 10; y < 50; ++y) {
    for (int x = 10; x < 90; ++x) {
      const int tiledX = 10 + (x - 10) % 40, stretchedX = 10 + ((2 * (x - 10) + 1) * 40) / 160;
      const int tiledY = 10 + (y - 10) % 20, stretchedY = 10 + ((2 * (y - 10) + 1) * 20) / 80;
      ASSERT_EQ(Decode(horz, x, y), m.Src(tiledX, stretchedY));
      ASSERT_EQ(Decode(vert, x, y), m.Src(stretchedX, tiledY));
      ASSERT_EQ(none.Pixel(x, y), fw::clWhite);  // a new target starts white
    }
  }
}

TEST(PixelsBuilders, DegenerateModelsGiveABlankTargetOfTheSize) {
  Model m;
  TskCornerModel flat = m.corners;
  flat.rightBottom.x = flat.leftTop.x;
  TBitmap target;
  CreateSkinImage(flat, m.rect, m.source, {}, true, false, stFull, 33, 21, MapCornerModel(flat, 60, 40, 33, 21),
                  target);
  ASSERT_EQ(target.Width(), 33);
  ASSERT_EQ(target.Height(), 21);
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 33; ++x) ASSERT_EQ(target.Pixel(x, y), fw::clWhite);
  }
  // An empty source, and a target smaller than the corners, do not fault.
  CreateSkinImage(m.corners, m.rect, TBitmap(), {}, true, false, stFull, 5, 5, m.corners, target);
  EXPECT_EQ(target.Width(), 5);
  CreateSkinImage(m.corners, m.rect, m.source, {}, true, false, stFull, 8, 6, MapCornerModel(m.corners, 60, 40, 8, 6),
                  target);
  EXPECT_EQ(target.Width(), 8);
  // A skin rectangle reaching outside its picture reads only what is there.
  CreateSkinImage(m.corners, {60, 40, 120, 80}, m.source, {}, true, false, stFull, 90, 50,
                  MapCornerModel(m.corners, 60, 40, 90, 50), target);
  EXPECT_EQ(Decode(target, 0, 0), (SourceXY{60, 40}));
}

TEST(PixelsBuilders, StretchedSkinImageUsesTheClientCorners) {
  const TBitmap source = CoordinatePicture(30, 20);
  TBitmap target(50, 30);
  CreateStretchedSkinImage(target, source, {0, 0, 30, 20}, true, {5, 5, 25, 15});
  EXPECT_EQ(Decode(target, 0, 0), (SourceXY{0, 0}));
  EXPECT_EQ(Decode(target, 49, 29), (SourceXY{29, 19}));
  EXPECT_EQ(Decode(target, 44, 24), (SourceXY{24, 14}));
  EXPECT_EQ(Decode(target, 5, 5), (SourceXY{5, 5}));
  EXPECT_EQ(Decode(target, 24, 12), (SourceXY{5 + (2 * 19 + 1) * 20 / 80, 5 + (2 * 7 + 1) * 10 / 40}));
}

TEST(PixelsBuilders, HorizontalImageTilesWholeTilesAndCutsTheLast) {
  const TBitmap source = CoordinatePicture(40, 6);
  TBitmap target;
  // A 30-pixel middle into 100 pixels: three whole tiles and one of 10.
  CreateHSkinImage(5, 5, target, false, 110, {0, 0, 40, 6}, source);
  ASSERT_EQ(target.Width(), 110);
  ASSERT_EQ(target.Height(), 6);
  for (int x = 0; x < 110; ++x) {
    const int expected = x < 5 ? x : (x >= 105 ? x - 70 : 5 + (x - 5) % 30);
    ASSERT_EQ(Decode(target, x, 3), (SourceXY{expected, 3})) << x;
  }
  EXPECT_EQ(Decode(target, 104, 0).x, 5 + 9);  // the cut tile ends 10 pixels in
  // Into 90: exactly three tiles.
  CreateHSkinImage(5, 5, target, false, 100, {0, 0, 40, 6}, source);
  EXPECT_EQ(Decode(target, 94, 0).x, 34);
  EXPECT_EQ(Decode(target, 95, 0).x, 35);
  // Stretched middle; and a target too small for both ends keeps only them.
  CreateHSkinImage(5, 5, target, true, 65, {0, 0, 40, 6}, source);
  EXPECT_EQ(Decode(target, 5, 0).x, 5);
  EXPECT_EQ(Decode(target, 59, 0).x, 5 + (2 * 54 + 1) * 30 / 110);
  CreateHSkinImage(5, 5, target, false, 7, {0, 0, 40, 6}, source);
  EXPECT_EQ(Decode(target, 1, 0).x, 1);
  EXPECT_EQ(Decode(target, 6, 0).x, 39);
}

TEST(PixelsBuilders, VerticalImageTilesDownwards) {
  const TBitmap source = CoordinatePicture(4, 30, 9, TPixelFormat::pf32bit);
  TBitmap target;
  CreateVSkinImage(3, 4, target, false, 50, {0, 0, 4, 30}, source);
  ASSERT_EQ(target.Height(), 50);
  for (int y = 0; y < 50; ++y) {
    const int expected = y < 3 ? y : (y >= 46 ? y - 20 : 3 + (y - 3) % 23);
    ASSERT_EQ(Decode(target, 2, y), (SourceXY{2, expected})) << y;
  }
}

TEST(PixelsBuilders, PalettePicturesFeedTheBuilders) {
  TBitmap source(8, 2, TPixelFormat::pf1bit);
  source.SetPalette({{0, 0, 0, 0}, {255, 255, 255, 0}});
  source.ScanLine(0)[0] = 0xF0;  // four white, four black
  TBitmap target;
  CreateHSkinImage(0, 0, target, false, 16, {0, 0, 8, 1}, source);
  EXPECT_EQ(target.Pixel(0, 0), fw::clWhite);
  EXPECT_EQ(target.Pixel(4, 0), fw::clBlack);
  EXPECT_EQ(target.Pixel(8, 0), fw::clWhite);
  EXPECT_EQ(target.Pixel(15, 0), fw::clBlack);
}

TEST(PixelsBuilders, BorderImagesTileFromColumnZeroAndPlaceTheEnds) {
  Model m;
  const int w = 125, h = 65;
  const TskCornerModel mapped = MapCornerModel(m.corners, 60, 40, w, h);
  TBitmap top, bottom, left, right;
  CreateSkinBorderImages(m.corners, {}, w, h, m.rect, m.source, {&top, &bottom, &left, &right}, mapped);
  ASSERT_EQ(top.Width(), w);
  ASSERT_EQ(top.Height(), 10);
  ASSERT_EQ(bottom.Height(), 10);
  ASSERT_EQ(left.Width(), 10);
  ASSERT_EQ(left.Height(), 45);
  ASSERT_EQ(right.Width(), 10);
  for (int x = 0; x < w; ++x) {
    const int sx = x < 10 ? x : (x >= 115 ? x - 65 : 10 + x % 40);
    ASSERT_EQ(Decode(top, x, 4), m.Src(sx, 4)) << x;
    ASSERT_EQ(Decode(bottom, x, 4), m.Src(sx, 34)) << x;
  }
  for (int y = 0; y < 45; ++y) {
    ASSERT_EQ(Decode(left, 3, y), m.Src(3, 10 + y % 20)) << y;
    ASSERT_EQ(Decode(right, 3, y), m.Src(53, 10 + y % 20)) << y;
  }
  // Stretched sides keep the parts above and below the corner points.
  TskCornerModel inner = m.corners;
  inner.leftTop.y = 14;
  inner.leftBottom.y = 26;
  CreateSkinBorderImages(inner, {true, true, true, true}, w, h, m.rect, m.source, {nullptr, nullptr, &left, nullptr},
                         MapCornerModel(inner, 60, 40, w, h));
  EXPECT_EQ(Decode(left, 0, 0), m.Src(0, 10));
  EXPECT_EQ(Decode(left, 0, 3), m.Src(0, 13));
  EXPECT_EQ(Decode(left, 0, 4), m.Src(0, 14));
  EXPECT_EQ(Decode(left, 0, 44), m.Src(0, 29));
  EXPECT_EQ(Decode(left, 0, 41), m.Src(0, 26));
}

TEST(PixelsBuilders, BorderImagesKeepAStripWhosePartIsEmpty) {
  Model m;
  TskCornerModel flat = m.corners;
  flat.rightTop.x = flat.leftTop.x;
  TBitmap top(3, 3);
  top.SetPixel(1, 1, fw::clRed);
  CreateSkinBorderImages(flat, {}, 100, 60, m.rect, m.source, {&top, nullptr, nullptr, nullptr},
                         MapCornerModel(flat, 60, 40, 100, 60));
  EXPECT_EQ(top.Width(), 3);
  EXPECT_EQ(top.Pixel(1, 1), fw::clRed);
}

TEST(PixelsBuilders, MaskBorderImagesTileAroundTheMaskArea) {
  const TBitmap mask = CoordinatePicture(40, 30);
  const TskCornerModel corners{{8, 6}, {30, 6}, {8, 24}, {30, 24}, {}};
  const TRect area{5, 4, 35, 26};
  const int w = 70;
  const TRect newArea{5, 4, 65, 46};  // 42 high
  TskCornerModel mapped = corners;
  mapped.rightTop.x += 30;
  mapped.rightBottom.x += 30;
  TBitmap top, bottom, left, right;
  CreateMaskBorderImages(corners, area, mask, w, newArea, mapped, {&top, &bottom, &left, &right});
  ASSERT_EQ(left.Width(), 5);
  ASSERT_EQ(left.Height(), 42);
  ASSERT_EQ(right.Width(), 5);
  ASSERT_EQ(top.Width(), w);
  ASSERT_EQ(top.Height(), 4);
  ASSERT_EQ(bottom.Height(), 4);
  // Left: rows 6..24 tiled from the strip's top, then rows 4..6 over its
  // first two rows and rows 24..26 over its last two.
  EXPECT_EQ(Decode(left, 1, 0), (SourceXY{1, 4}));
  EXPECT_EQ(Decode(left, 1, 2), (SourceXY{1, 8}));
  EXPECT_EQ(Decode(left, 1, 40), (SourceXY{1, 24}));
  EXPECT_EQ(Decode(right, 0, 20), (SourceXY{35, 6 + 20 % 18}));
  // Top: columns 8..30 tiled from 8 and cut at 60, then the fixed ends.
  for (int x = 0; x < w; ++x) {
    const int sx = x < 8 ? x : (x >= 60 ? x - 30 : 8 + (x - 8) % 22);
    ASSERT_EQ(Decode(top, x, 1), (SourceXY{sx, 1})) << x;
    ASSERT_EQ(Decode(bottom, x, 1), (SourceXY{sx, 27})) << x;
  }
}

}  // namespace
