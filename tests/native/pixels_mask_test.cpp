#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "pixels_support.h"
#include "skin/pixels/skEffectsSimd.h"
#include "skin/pixels/skUtilsMask.h"

namespace {

using fw::TBitmap;
using fw::TPixelFormat;
using sk::MaskToRegionData;
using sk::RegionDataRects;
using sk::TskRegionRect;

// Runs of black, one pixel at a time.
std::vector<TskRegionRect> ReferenceRuns(const TBitmap& b, int ox, int oy) {
  std::vector<TskRegionRect> out;
  for (int y = 0; y < b.Height(); ++y) {
    int x = 0;
    while (x < b.Width()) {
      if (b.Pixel(x, y) != fw::clBlack) {
        ++x;
        continue;
      }
      const int x0 = x;
      while (x < b.Width() && b.Pixel(x, y) == fw::clBlack) ++x;
      out.push_back({x0 + ox, y + oy, x + ox, y + oy + 1});
    }
  }
  return out;
}

uint32_t Word(const std::vector<uint8_t>& d, size_t at) {
  uint32_t v;
  std::memcpy(&v, d.data() + at, 4);
  return v;
}

TEST(PixelsMask, RowOfBlackBlackWhiteBlackGivesTwoRects) {
  TBitmap mask(4, 1);
  mask.SetPixel(2, 0, fw::clWhite);
  const auto data = MaskToRegionData(mask, 0, 0);
  ASSERT_EQ(data.size(), 32u + 2 * 16);
  EXPECT_EQ(Word(data, 0), 32u);
  EXPECT_EQ(Word(data, 4), 1u);
  EXPECT_EQ(Word(data, 8), 2u);
  EXPECT_EQ(Word(data, 12), 0u);
  EXPECT_EQ(RegionDataRects(data), (std::vector<TskRegionRect>{{0, 0, 2, 1}, {3, 0, 4, 1}}));
}

TEST(PixelsMask, HeaderBoundsAndRectsCarryTheOffset) {
  TBitmap mask(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) mask.SetPixel(x, y, fw::clWhite);
  }
  mask.SetPixel(1, 2, fw::clBlack);
  mask.SetPixel(4, 0, fw::RGBColor(0, 0, 1));  // nearly black is outside
  const auto data = MaskToRegionData(mask, 100, -7);
  EXPECT_EQ(static_cast<int32_t>(Word(data, 16)), 100);
  EXPECT_EQ(static_cast<int32_t>(Word(data, 20)), -7);
  EXPECT_EQ(static_cast<int32_t>(Word(data, 24)), 105);
  EXPECT_EQ(static_cast<int32_t>(Word(data, 28)), -4);
  EXPECT_EQ(RegionDataRects(data), (std::vector<TskRegionRect>{{101, -5, 102, -4}}));
  EXPECT_TRUE(MaskToRegionData(TBitmap(), 0, 0).empty());
}

// Every path (the widest the processor has, and the portable one) must find
// the same runs, also where a run crosses a 64-pixel word and at a row's end.
TEST(PixelsMask, RandomMasksMatchAPerPixelScanInEveryFormatAndPath) {
  const sk::TPixelPath was = sk::WidestPixelPath();
  for (sk::TPixelPath path : {sk::TPixelPath::Avx512, sk::TPixelPath::Avx2, sk::TPixelPath::Portable}) {
    sk::SetWidestPixelPath(path);
    std::mt19937 rng(7);
    for (int round = 0; round < 40; ++round) {
      const int w = 1 + static_cast<int>(rng() % 300);
      const int h = 1 + static_cast<int>(rng() % 12);
      const TPixelFormat format = round % 4 == 3 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
      TBitmap mask(w, h, format);
      // Runs of random length, black or a colour with one channel set.
      const int meanRun = 1 + round % 20;
      for (int y = 0; y < h; ++y) {
        int x = 0;
        bool black = rng() % 2 == 0;
        while (x < w) {
          const int len = 1 + static_cast<int>(rng() % (2 * meanRun));
          const fw::TColor c = black ? fw::clBlack : fw::TColor(0xFF) << (8 * (rng() % 3));
          for (int i = 0; i < len && x < w; ++i, ++x) mask.SetPixel(x, y, c);
          black = !black;
        }
      }
      ASSERT_EQ(RegionDataRects(MaskToRegionData(mask, 3, 4)), ReferenceRuns(mask, 3, 4))
          << w << "x" << h << " path " << static_cast<int>(path);
    }
  }
  sk::SetWidestPixelPath(was);
}

TEST(PixelsMask, PaletteMasksReadTheirColours) {
  TBitmap mask(16, 2, TPixelFormat::pf1bit);
  mask.SetPalette({{255, 255, 255, 0}, {0, 0, 0, 0}});  // index 1 is black
  mask.ScanLine(0)[0] = 0x0F;
  mask.ScanLine(0)[1] = 0x81;
  EXPECT_EQ(RegionDataRects(MaskToRegionData(mask, 0, 0)), (std::vector<TskRegionRect>{{4, 0, 9, 1}, {15, 0, 16, 1}}));
}

TEST(PixelsMask, MoreRunsThanOneBlockGrowTheBlock) {
  TBitmap mask(400, 60);  // black, every other pixel white: 200 runs a row
  for (int y = 0; y < 60; ++y) {
    for (int x = 1; x < 400; x += 2) mask.SetPixel(x, y, fw::clWhite);
  }
  const auto data = MaskToRegionData(mask, 0, 0);
  EXPECT_EQ(Word(data, 8), 12000u);
  EXPECT_EQ(data.size(), 32u + 12000 * 16);
  EXPECT_EQ(RegionDataRects(data).back(), (TskRegionRect{398, 59, 399, 60}));
}

TEST(PixelsMask, FBitmapHoldsA24BitCopyWithRowTable) {
  TBitmap picture(5, 2, TPixelFormat::pf32bit);
  picture.SetPixel(4, 1, fw::RGBColor(1, 2, 3));
  sk::TskFBitmap f(picture);
  EXPECT_EQ(f.Width(), 5);
  EXPECT_EQ(f.Stride(), 16);
  EXPECT_EQ(f.Gap(), 1);
  EXPECT_EQ(f.Size(), 32u);
  EXPECT_EQ(f.Row(1)[12], 3);  // blue, green, red
  EXPECT_EQ(f.Row(1)[14], 1);
  EXPECT_EQ(f.Row(1) - f.Row(0), 16);
}

}  // namespace
