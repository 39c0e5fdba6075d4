#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "pixels_support.h"
#include "skin/pixels/skEffectsBitmap.h"

namespace {

using sk::TskBitmap;

TskBitmap RandomBitmap(std::mt19937& rng, int w, int h) {
  TskBitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, static_cast<uint32_t>(rng()));
  }
  return b;
}

TEST(PixelsBitmap, DimensionsAndAlphaFlags) {
  TskBitmap b;
  b.SetDimensions(-10, 5);
  EXPECT_EQ(b.Width(), 10);
  EXPECT_EQ(b.Height(), 5);
  b.SetDimensions(0, 5);
  EXPECT_EQ(b.Width(), 10);
  b.SetAllAlpha(255);
  b.SetPixel(3, 3, 0x00123456);
  b.SetAlphaBlend(true);
  b.DetectAlpha();
  EXPECT_FALSE(b.AlphaBlend());
  b.SetPixel(4, 4, 0x80123456);
  b.DetectAlpha();
  EXPECT_TRUE(b.AlphaBlend());
  EXPECT_EQ(sk::ColorToPixel(0x00332211), 0xFF112233u);
}

TEST(PixelsBitmap, ReflectionFadesTowardsTheTextsBottom) {
  TskBitmap b(3, 12);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 3; ++x) b.SetPixel(x, y, 0xFFC81020u);  // red 200
  }
  b.SetPixel(1, 9, 0xFF001020u);  // no red: stays transparent
  const fw::TColor colour = fw::RGBColor(1, 2, 3);
  b.FadeReflection(1, 11, colour);
  EXPECT_EQ(b.Pixel(0, 0), 0u);  // above the text: cleared
  // f = 0.7 - (12 - y) / 10: below 0 up to row 4, then growing by 0.1 a row.
  for (int y = 1; y <= 5; ++y) EXPECT_EQ(b.Pixel(0, y), 0x00010203u) << y;
  for (int y = 6; y <= 11; ++y) {
    const int alpha = static_cast<int>(b.Pixel(2, y) >> 24);
    EXPECT_NEAR(alpha, 200 * (0.7 - (12.0 - y) / 10), 1.0) << y;
    EXPECT_EQ(b.Pixel(2, y) & 0xFFFFFFu, 0x010203u);
  }
  EXPECT_EQ(b.Pixel(1, 9) >> 24, 0u);
  // Nothing when the text has no height.
  TskBitmap flat(2, 2);
  flat.SetPixel(0, 0, 0xFFC81020u);
  flat.FadeReflection(1, 1, colour);
  EXPECT_EQ(flat.Pixel(0, 0), 0xFFC81020u);
}

TEST(PixelsBitmap, AlphaFromGrayRoundsTheMean) {
  TskBitmap b(3, 1), g(3, 1);
  g.SetPixel(0, 0, 0x00000101);  // 2/3 -> 1
  g.SetPixel(1, 0, 0x00000001);  // 1/3 -> 0
  g.SetPixel(2, 0, 0x00FFFFFF);
  b.SetPixel(0, 0, 0x00ABCDEF);
  b.AlphaFromGray(g);
  EXPECT_EQ(b.Pixel(0, 0), 0x01ABCDEFu);
  EXPECT_EQ(b.Pixel(1, 0) >> 24, 0u);
  EXPECT_EQ(b.Pixel(2, 0) >> 24, 255u);
}

TEST(PixelsBitmap, BlendTransparentAndCopyModes) {
  TskBitmap src(4, 1), dst(4, 1);
  src.SetPixel(0, 0, 0x00FFFFFF);  // alpha 0: destination untouched
  src.SetPixel(1, 0, 0xFF102030);  // alpha 255: copied
  src.SetPixel(2, 0, 0x80FF0000);  // half
  src.SetPixel(3, 0, 0x01FFFFFF);
  for (int x = 0; x < 4; ++x) dst.SetPixel(x, 0, 0x40204060);
  src.SetAlphaBlend(true);
  for (bool mmx : {true, false}) {
    sk::SetMmxBlend(mmx);
    TskBitmap d = dst;
    src.DrawToBitmap(d, 0, 0);
    EXPECT_EQ(d.Pixel(0, 0), 0x40204060u);
    EXPECT_EQ(d.Pixel(1, 0), 0xFF102030u);
    const auto blend = mmx ? sk::BlendChannelMmx : sk::BlendChannelPlain;
    const uint32_t half = 0xFF000000u | uint32_t(blend(128, 0xFF, 0x20)) << 16 | uint32_t(blend(128, 0, 0x40)) << 8 |
                          uint32_t(blend(128, 0, 0x60));
    EXPECT_EQ(d.Pixel(2, 0), half);
    EXPECT_EQ(d.Pixel(3, 0) >> 24, 255u);
  }
  // Long rows take the packed path; it agrees with the formula per pixel.
  std::mt19937 rng(9);
  for (bool mmx : {true, false}) {
    sk::SetMmxBlend(mmx);
    TskBitmap s = RandomBitmap(rng, 37, 3), d = RandomBitmap(rng, 37, 3);
    for (int x = 0; x < 37; x += 5) s.SetPixel(x, 1, s.Pixel(x, 1) | 0xFF000000u);
    for (int x = 0; x < 37; x += 3) s.SetPixel(x, 2, s.Pixel(x, 2) & 0x00FFFFFFu);
    s.SetAlphaBlend(true);
    TskBitmap out = d;
    s.DrawToBitmap(out, 0, 0);
    const auto blend = mmx ? sk::BlendChannelMmx : sk::BlendChannelPlain;
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 37; ++x) {
        const uint32_t sp = s.Pixel(x, y), dp = d.Pixel(x, y), a = sp >> 24;
        uint32_t expected = a == 0 ? dp : (a == 255 ? sp : 0xFF000000u);
        for (int c = 0; c < 24 && a != 0 && a != 255; c += 8) {
          expected |= uint32_t(blend(int(a), int((sp >> c) & 0xFF), int((dp >> c) & 0xFF))) << c;
        }
        ASSERT_EQ(out.Pixel(x, y), expected) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(sk::BlendChannelMmx(128, 255, 0), 127);
  EXPECT_EQ(sk::BlendChannelPlain(128, 255, 0), 127);
  EXPECT_EQ(sk::BlendChannelMmx(1, 0, 255), 254);
  EXPECT_EQ(sk::BlendChannelPlain(1, 0, 255), 253);

  TskBitmap key(2, 1);
  key.SetPixel(0, 0, 0x007F007F);  // the key colour, whatever its alpha
  key.SetPixel(1, 0, 0x00010203);
  key.SetTransparent(true);
  TskBitmap d = dst;
  key.DrawToBitmap(d, 0, 0);
  EXPECT_EQ(d.Pixel(0, 0), 0x40204060u);
  EXPECT_EQ(d.Pixel(1, 0), 0xFF010203u);

  key.SetTransparent(false);  // copy keeps alpha as it is
  key.DrawToBitmap(d, 2, 0);
  EXPECT_EQ(d.Pixel(2, 0), 0x007F007Fu);
  EXPECT_EQ(d.Pixel(3, 0), 0x00010203u);
}

TEST(PixelsBitmap, StretchRoundsTheWholeSumToEven) {
  TskBitmap src(4, 1);
  for (int x = 0; x < 4; ++x) src.SetPixel(x, 0, 0xFF000000u | x);
  TskBitmap dst(3, 1);
  // Two source columns (1, 2) onto three: the middle lands on 1.5 -> 2.
  src.DrawToBitmap(dst, {0, 0, 3, 1}, {1, 0, 3, 1});
  EXPECT_EQ(dst.Pixel(0, 0) & 0xFF, 1u);
  EXPECT_EQ(dst.Pixel(1, 0) & 0xFF, 2u);
  EXPECT_EQ(dst.Pixel(2, 0) & 0xFF, 2u);
  // Columns 0, 1 onto three: 0.5 -> 0.
  src.DrawToBitmap(dst, {0, 0, 3, 1}, {0, 0, 2, 1});
  EXPECT_EQ(dst.Pixel(1, 0) & 0xFF, 0u);
  // One destination column takes the middle source column.
  src.DrawToBitmap(dst, {2, 0, 3, 1}, {0, 0, 4, 1});
  EXPECT_EQ(dst.Pixel(2, 0) & 0xFF, 1u);
  // Clipped destinations count columns from the unclipped left.
  TskBitmap wide(7, 1);
  src.DrawToBitmap(wide, {-3, 0, 4, 1}, {0, 0, 4, 1});  // x -> RoundEven(x / 2)
  EXPECT_EQ(wide.Pixel(0, 0) & 0xFF, 2u);               // x = 3: 1.5 -> 2
  EXPECT_EQ(wide.Pixel(1, 0) & 0xFF, 2u);               // x = 4
  EXPECT_EQ(wide.Pixel(2, 0) & 0xFF, 2u);               // x = 5: 2.5 -> 2
  EXPECT_EQ(wide.Pixel(3, 0) & 0xFF, 3u);
  // Rows repeat in every mode with the same map.
  std::mt19937 rng(11);
  TskBitmap pic = RandomBitmap(rng, 5, 4);
  for (int mode = 0; mode < 3; ++mode) {
    pic.SetAlphaBlend(mode == 1);
    pic.SetTransparent(mode == 2);
    pic.SetAllAlpha(255);
    TskBitmap big(13, 11);
    pic.DrawToBitmap(big, {0, 0, 13, 11}, {0, 0, 5, 4});
    for (int y = 0; y < 11; ++y) {
      for (int x = 0; x < 13; ++x) {
        const int sx = static_cast<int>(std::nearbyint(x * 4.0 / 12));
        const int sy = static_cast<int>(std::nearbyint(y * 3.0 / 10));
        ASSERT_EQ(big.Pixel(x, y), pic.Pixel(sx, sy)) << mode << " " << x << "," << y;
      }
    }
  }
}

TEST(PixelsBitmap, AssignFromAndToPlatformBitmaps) {
  const fw::TBitmap picture = pixels::CoordinatePicture(6, 4, 9);
  TskBitmap b;
  b.AssignFromBitmap(picture);
  EXPECT_EQ(b.Pixel(5, 3), 0xFF090305u);
  fw::TBitmap out;
  b.AssignToBitmap(out);
  EXPECT_EQ(out.PixelFormat(), fw::TPixelFormat::pf32bit);
  EXPECT_EQ(out.Pixel(5, 3), picture.Pixel(5, 3));
}

// The blur as written: each output the weighted sum of its neighbourhood.
void ReferenceBlur(TskBitmap& b, int r) {
  const int w = b.Width(), h = b.Height();
  const int d = (r + 1) * (r + 1);
  const auto clampTo = [](int i, int n) { return std::min(std::max(i, 0), n - 1); };
  for (int pass = 0; pass < 2; ++pass) {
    TskBitmap in = b;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        uint32_t out = 0xFF000000u;
        for (int c = 0; c < 3; ++c) {
          int64_t sum = 0;
          for (int i = -r; i <= r; ++i) {
            const uint32_t p = pass == 0 ? in.Pixel(clampTo(x + i, w), y) : in.Pixel(x, clampTo(y + i, h));
            sum += int64_t((p >> (8 * c)) & 0xFF) * (r + 1 - std::abs(i));
          }
          out |= uint32_t(sum / d) << (8 * c);
        }
        b.SetPixel(x, y, out);
      }
    }
  }
}

TEST(PixelsBitmap, BlurEqualsTheWeightedSumOnRandomPictures) {
  std::mt19937 rng(13);
  for (auto [w, h, r] : {std::tuple{23, 17, 1}, {40, 9, 6}, {7, 30, 12}, {5, 3, 40}, {1, 1, 3}, {64, 2, 200}}) {
    TskBitmap b = RandomBitmap(rng, w, h);
    TskBitmap expected = b;
    sk::BlurImage(b, r);
    ReferenceBlur(expected, r);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) ASSERT_EQ(b.Pixel(x, y), expected.Pixel(x, y)) << w << "x" << h << " r" << r;
    }
  }
  TskBitmap untouched = RandomBitmap(rng, 4, 4);
  TskBitmap copy = untouched;
  sk::BlurImage(untouched, 0);
  EXPECT_EQ(untouched.Pixel(2, 2), copy.Pixel(2, 2));
}

}  // namespace
