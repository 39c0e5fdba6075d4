// Sizes and rectangles at the ends of int: byte counts must not wrap, and a
// request too large must fail with an error instead of writing past a
// buffer. Run under the sanitizers, any wrap or overrun fails here.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <tuple>

#include "framework/Exceptions.h"
#include "pixels_support.h"
#include "skin/pixels/skEffectsBitmap.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsImages.h"
#include "skin/pixels/skUtilsMask.h"
#include "skin/pixels/skUtilsRects.h"

namespace {

using fw::TBitmap;
using fw::TPixelFormat;
using fw::TRect;
using namespace sk;

constexpr int kExtremes[] = {INT_MIN, INT_MIN + 1, -1000000000, -7, -1, 0, 1, 3, 9, 1000000000, INT_MAX - 1, INT_MAX};

TEST(PixelsExtremes, RowBytesAreExactForAnyWidth) {
  EXPECT_EQ(TBitmap::RowBytesFor(1073741825, TPixelFormat::pf32bit), int64_t{4294967300});
  EXPECT_EQ(TBitmap::RowBytesFor(1431655766, TPixelFormat::pf24bit), int64_t{4294967300});
  EXPECT_EQ(TBitmap::RowBytesFor(INT_MAX, TPixelFormat::pf1bit), int64_t{268435456});
  EXPECT_EQ(TBitmap::RowBytesFor(5, TPixelFormat::pf24bit), 16);
  // Rows whose size only wrapped into something small are refused, and the
  // refused bitmap is left empty rather than claiming a size it has no
  // pixels for.
  for (auto [w, h, f] : {std::tuple{1073741825, 1, TPixelFormat::pf32bit},
                         {1431655766, 1, TPixelFormat::pf24bit},
                         {1431655766, 0, TPixelFormat::pf24bit},
                         {70000, 70000, TPixelFormat::pf8bit}}) {
    EXPECT_THROW(TBitmap(w, h, f), fw::EOutOfResources) << w << " x " << h;
    TBitmap b(4, 4);
    EXPECT_THROW(b.SetSize(w, h), fw::EOutOfResources);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Width(), 0);
  }
}

TEST(PixelsExtremes, BuildersRefuseTargetsTooLargeToHold) {
  const TBitmap source = pixels::CoordinatePicture(40, 24);
  TBitmap target;
  EXPECT_THROW(CreateHSkinImage(5, 5, target, false, 1431655766, {0, 0, 40, 24}, source), fw::EOutOfResources);
  EXPECT_THROW(CreateVSkinImage(5, 5, target, true, INT_MAX, {0, 0, 40, 24}, source), fw::EOutOfResources);
  TBitmap top, bottom;
  const TskCornerModel c{{4, 4}, {20, 4}, {4, 20}, {20, 20}, {4, 4, 20, 20}};
  EXPECT_THROW(CreateMaskBorderImages(c, {4, 4, 20, 20}, source, 1431655766, {4, 4, 20, 20}, c, {&top, &bottom}),
               fw::EOutOfResources);
  // A source rectangle whose height does not fit an int is no height a
  // picture can have.
  EXPECT_THROW(CreateHSkinImage(5, 5, target, true, 30, {0, INT_MIN, 40, INT_MAX}, source), fw::EOutOfResources);
  EXPECT_THROW(TskEffectBmp(1431655766, 1), fw::EOutOfResources);
}

TEST(PixelsExtremes, MappedCornerModelsSaturateInsteadOfWrapping) {
  const TskCornerModel c{{2, 2}, {INT_MAX - 1, 2}, {2, INT_MAX - 1}, {INT_MAX - 1, INT_MAX - 1}, {2, 2, 40, 40}};
  const TskCornerModel m = MapCornerModel(c, -10, -10, INT_MAX, INT_MAX);
  EXPECT_EQ(m.rightTop.x, INT_MAX);
  EXPECT_EQ(m.leftBottom.y, INT_MAX);
  EXPECT_EQ(m.client.right, INT_MAX);
  const TskCornerModel n = MapCornerModel(c, INT_MAX, INT_MAX, INT_MIN, INT_MIN);
  EXPECT_EQ(n.rightTop.x, INT_MIN);
  EXPECT_EQ(n.client.bottom, INT_MIN);
  EXPECT_EQ(n.leftTop, c.leftTop);
  // Ordinary sizes map as before.
  const TskCornerModel o = MapCornerModel(c, 50, 50, 60, 45);
  EXPECT_EQ(o.client, (TRect{2, 2, 50, 35}));
}

TEST(PixelsExtremes, RectSizesSaturate) {
  EXPECT_EQ(RectWidth({INT_MIN, 0, INT_MAX, 1}), INT_MAX);
  EXPECT_EQ(RectHeight({0, INT_MAX, 1, INT_MIN}), INT_MIN);
  EXPECT_TRUE(IsNullRect({0, INT_MAX, 1, INT_MIN}));
  EXPECT_FALSE(IsNullRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
}

// Spans from one end of int to the other still tile and stretch by their
// formulas inside the picture.
TEST(PixelsExtremes, SpansAcrossTheWholeIntRangeKeepTheirFormulas) {
  const TBitmap source = pixels::CoordinatePicture(7, 5);
  TBitmap srcCopy = source;
  TBitmap target(20, 6);
  const PixelView dst = ViewOf(target);
  const PixelView src = ViewOf(srcCopy);
  BlitSpans(dst, src, TileSpan(INT_MIN, INT_MAX, 0, 7), FitSpan(0, 5, 0, 5));
  for (int x = 0; x < 20; ++x) {
    const int expected = static_cast<int>((int64_t{x} - INT_MIN) % 7);
    ASSERT_EQ(pixels::Decode(target, x, 0).x, expected) << x;
  }
  BlitSpans(dst, src, FitSpan(INT_MIN, INT_MAX, 0, 7), FitSpan(0, 6, 0, 5));
  for (int x = 0; x < 20; ++x) {
    // Pixel centres: (2 * (x - INT_MIN) + 1) * 7 / (2 * (INT_MAX - INT_MIN)).
    const __int128 num = (2 * (static_cast<__int128>(x) - INT_MIN) + 1) * 7;
    const __int128 den = 2 * (static_cast<__int128>(INT_MAX) - INT_MIN);
    ASSERT_EQ(pixels::Decode(target, x, 0).x, static_cast<int>(num / den)) << x;
  }
  // A source rectangle reaching to the ends of int reads only its part
  // inside the picture.
  TBitmap scratch;
  const PixelView wide = SourceView(source, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 3, scratch);
  EXPECT_EQ(wide.bits, nullptr);
  DrawRect(dst, {0, 0, 20, 6}, wide, {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
}

// Every builder and drawing routine with rectangles and corner points drawn
// from the ends of int and small targets: each finishes or refuses with the
// framework's error, and never reads or writes outside a picture.
TEST(PixelsExtremes, BuildersSurviveExtremeGeometry) {
  std::mt19937 rng(31);
  const auto pick = [&] {
    return rng() % 3 == 0 ? kExtremes[rng() % std::size(kExtremes)] : static_cast<int>(rng() % 60) - 10;
  };
  const auto point = [&] { return fw::TPoint{pick(), pick()}; };
  const auto rect = [&] { return TRect{pick(), pick(), pick(), pick()}; };
  const auto size = [&] {
    constexpr int sizes[] = {-3, 0, 1, 13, 40, 536870912, INT_MAX};
    return sizes[rng() % std::size(sizes)];
  };
  const TBitmap source = pixels::CoordinatePicture(40, 30);
  TBitmap mask(40, 30, TPixelFormat::pf8bit);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) mask.ScanLine(y)[x] = static_cast<uint8_t>(rng() % 3);
  }
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    const TskCornerModel c{point(), point(), point(), point(), rect()};
    const TskCornerModel m{point(), point(), point(), point(), rect()};
    const int w = size(), h = size();
    TBitmap a, b, d, e;
    try {
      switch (round % 7) {
        case 0:
          CreateSkinImage(c, rect(), source, {rng() % 2 == 0, true, false, rng() % 2 == 0}, true, rng() % 2 == 0,
                          static_cast<TskStretchType>(rng() % 3), w, h, m, a);
          break;
        case 1: CreateSkinBorderImages(c, {true, false, true, false}, w, h, rect(), source, {&a, &b, &d, &e}, m); break;
        case 2: CreateMaskBorderImages(c, rect(), mask, w, rect(), m, {&a, &b, &d, &e}); break;
        case 3: CreateHSkinImage(pick(), pick(), a, rng() % 2 == 0, w, rect(), source); break;
        case 4: CreateVSkinImage(pick(), pick(), a, rng() % 2 == 0, h, rect(), source); break;
        case 5: {
          a = TBitmap(17, 9, rng() % 2 ? TPixelFormat::pf24bit : TPixelFormat::pf32bit);
          TBitmap scratch;
          DrawRect(ViewOf(a), rect(), SourceView(source, rect(), BytesPerPixelOf(a), scratch), rect());
          break;
        }
        case 6: {
          TskBitmap from(23, 11), to(17, 9);
          from.SetAlphaBlend(rng() % 2 == 0);
          from.SetTransparent(rng() % 2 == 0);
          from.DrawToBitmap(to, rect(), rect());
          break;
        }
      }
    } catch (const fw::EOutOfResources&) {
      ++refused;
    }
  }
  EXPECT_GT(refused, 0);  // the huge sizes were really asked for
}

TEST(PixelsExtremes, MaskScanRefusesRowsTooWideToConvert) {
  // A one-bit mask this wide is a small picture, but its 24-bit row is not.
  TBitmap mask;
  mask.SetPixelFormat(TPixelFormat::pf1bit);
  mask.SetSize(400000000, 1);
  EXPECT_THROW(MaskToRegionData(mask, 0, 0), fw::EOutOfResources);
  EXPECT_THROW(TskFBitmap{mask}, fw::EOutOfResources);
}

}  // namespace
