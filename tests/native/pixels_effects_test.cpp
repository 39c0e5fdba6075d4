#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>

#include "pixels_support.h"
#include "skin/pixels/skEffectsBmp.h"

namespace {

using sk::TskEffectBmp;

TskEffectBmp Filled(int w, int h, uint8_t value) {
  TskEffectBmp b(w, h);
  for (int y = 0; y < h; ++y) std::memset(b.Row(y), value, static_cast<size_t>(w) * 3);
  return b;
}

TskEffectBmp Random(std::mt19937& rng, int w, int h) { return TskEffectBmp(pixels::RandomPicture(rng, w, h)); }

bool SamePixels(const TskEffectBmp& a, const TskEffectBmp& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    if (std::memcmp(a.Row(y), b.Row(y), static_cast<size_t>(a.Width()) * 3) != 0) return false;
  }
  return true;
}

int RoundEven(double x) { return static_cast<int>(std::nearbyint(x)); }

// Column x of a, as one channel (pictures filled with one value per column).
int At(const TskEffectBmp& a, int x, int y = 0) { return a.Row(y)[x * 3]; }

TEST(PixelsMorph, BlendEndsAndHalfway) {
  std::mt19937 rng(1);
  const TskEffectBmp a = Random(rng, 300, 90);  // large enough for the pair table
  const TskEffectBmp b = Random(rng, 300, 90);
  TskEffectBmp m = a;
  m.MorphBlend(b, 0);
  EXPECT_TRUE(SamePixels(m, a));
  m.MorphBlend(b, 1);
  EXPECT_TRUE(SamePixels(m, b));
  m = a;
  m.MorphBlend(TskEffectBmp(300, 91), 0.5);
  EXPECT_TRUE(SamePixels(m, a));
  // Halfway between 0 and 255 is 127.5, which rounds to the even 128; the
  // small-picture path agrees with the table path.
  for (int w : {3, 300}) {
    TskEffectBmp black = Filled(w, 90, 0);
    black.MorphBlend(Filled(w, 90, 255), 0.5);
    EXPECT_EQ(At(black, 1, 1), 128);
  }
  m = a;
  m.MorphBlend(b, 0.3);
  for (int i = 0; i < 300 * 3; i += 37) {
    EXPECT_EQ(m.Row(5)[i], RoundEven((1 - 0.3) * a.Row(5)[i] + 0.3 * b.Row(5)[i]));
  }
}

// Pictures of one value (0 for A, 255 for B) make each result a weight.
struct AB {
  TskEffectBmp a, b;
  AB(int w, int h) : a(Filled(w, h, 0)), b(Filled(w, h, 255)) {}
};

TEST(PixelsMorph, GradientFromLeftAlwaysReplacesColumnZero) {
  AB p(10, 2);
  p.a.MorphGradientFromLeft(p.b, 0);
  EXPECT_EQ(At(p.a, 0), 255);
  EXPECT_EQ(At(p.a, 1), 0);
  AB q(10, 2);
  q.a.MorphGradientFromLeft(q.b, 0.4);  // a = 4: m = 0, 1/4, 1/2, 3/4, 1
  EXPECT_EQ(At(q.a, 0), 255);
  EXPECT_EQ(At(q.a, 1), RoundEven(0.75 * 255));
  EXPECT_EQ(At(q.a, 2), 128);
  EXPECT_EQ(At(q.a, 4), 0);
  EXPECT_EQ(At(q.a, 9), 0);
}

TEST(PixelsMorph, GradientFromLeftMixesRandomPicturesByItsFormula) {
  std::mt19937 rng(9);
  const TskEffectBmp a = Random(rng, 61, 5);
  const TskEffectBmp b = Random(rng, 61, 5);
  TskEffectBmp m = a;
  m.MorphGradientFromLeft(b, 0.37);  // a = 23
  for (int y = 0; y < 5; ++y) {
    double weight = 0;
    for (int x = 0; x < 61; ++x) {
      for (int c = 0; c < 3; ++c) {
        const int i = x * 3 + c;
        const int expected = x <= 23 ? RoundEven(a.Row(y)[i] * weight + (1 - weight) * b.Row(y)[i]) : a.Row(y)[i];
        ASSERT_EQ(m.Row(y)[i], expected) << x << "," << y;
      }
      weight = std::min(1.0, weight + 1.0 / 23);
    }
  }
}

TEST(PixelsMorph, GradientFromRight) {
  AB p(10, 1);
  p.a.MorphGradientFromRight(p.b, 0.3);  // s = 7, step 1/3
  EXPECT_EQ(At(p.a, 9), 255);
  EXPECT_EQ(At(p.a, 8), RoundEven((1 - 1.0 / 3) * 255));
  EXPECT_EQ(At(p.a, 7), RoundEven((1 - (1.0 / 3 + 1.0 / 3)) * 255));
  EXPECT_EQ(At(p.a, 6), 0);
}

TEST(PixelsMorph, CentreGradients) {
  AB p(10, 3);
  p.a.MorphCentreGradient(p.b, 0.4);  // wide: a = 4, band 3..7, fade 3
  const double step = 1.0 / 3;
  for (int x = 3; x <= 7; ++x) EXPECT_EQ(At(p.a, x), 255) << x;
  EXPECT_EQ(At(p.a, 2), RoundEven((1 - step) * 255));
  EXPECT_EQ(At(p.a, 1), RoundEven((1 - (step + step)) * 255));
  EXPECT_EQ(At(p.a, 0), 0);
  EXPECT_EQ(At(p.a, 8), RoundEven((1 - step) * 255));
  EXPECT_EQ(At(p.a, 9), RoundEven((1 - (step + step)) * 255));
  // Tall and a fade of 0: every row outside the band becomes B too.
  AB q(1, 3);
  q.a.MorphCentreGradient(q.b, 0.34);
  for (int y = 0; y < 3; ++y) EXPECT_EQ(At(q.a, 0, y), 255);
  AB r(2, 9);
  r.a.MorphCentreGradientV(r.b, 0.3);  // a = 3, band rows 3..5, fade 2
  EXPECT_EQ(At(r.a, 0, 4), 255);
  EXPECT_EQ(At(r.a, 0, 2), 128);
  EXPECT_EQ(At(r.a, 0, 6), 128);
  EXPECT_EQ(At(r.a, 0, 0), 0);
  EXPECT_EQ(At(r.a, 0, 8), 0);
}

TEST(PixelsMorph, PushAndSlides) {
  TskEffectBmp a(10, 2), b(10, 2);
  for (int x = 0; x < 10; ++x) {
    for (int y = 0; y < 2; ++y) {
      a.Row(y)[x * 3] = static_cast<uint8_t>(x);
      b.Row(y)[x * 3] = static_cast<uint8_t>(100 + x);
    }
  }
  TskEffectBmp push = a;
  push.MorphPushFromLeft(b, 0.5);  // a = 5
  for (int x = 0; x <= 5; ++x) EXPECT_EQ(At(push, x, 1), 100 + 4 + x);
  for (int x = 6; x < 10; ++x) EXPECT_EQ(At(push, x, 1), x - 6);
  TskEffectBmp left = a;
  left.MorphSlideFromLeft(b, 0.3);
  EXPECT_EQ(At(left, 0), 107);
  EXPECT_EQ(At(left, 2), 109);
  EXPECT_EQ(At(left, 3), 3);
  TskEffectBmp right = a;
  right.MorphSlideFromRight(b, 1);  // B's columns 0..8 into 1..9
  EXPECT_EQ(At(right, 0), 0);
  for (int x = 1; x < 10; ++x) EXPECT_EQ(At(right, x), 100 + x - 1);
  TskEffectBmp kind = a;
  kind.Morph(sk::mkLeftSlide, b, 0.3);
  EXPECT_TRUE(SamePixels(kind, left));
  // One pixel wide pictures morph without faults.
  TskEffectBmp thin = Filled(1, 4, 9);
  for (auto kindOf : {sk::mkDefault, sk::mkGradient, sk::mkLeftGradient, sk::mkRightGradient, sk::mkLeftSlide,
                      sk::mkRightSlide, sk::mkPush}) {
    thin.Morph(kindOf, Filled(1, 4, 200), 0.5);
  }
}

TEST(PixelsEffects, ColourEffects) {
  TskEffectBmp red(2, 1);
  red.Row(0)[2] = 255;
  red.ApplyGrayscale();
  EXPECT_EQ(red.Row(0)[0], 76);
  EXPECT_EQ(red.Row(0)[1], 76);
  EXPECT_EQ(red.Row(0)[2], 76);
  TskEffectBmp black = Filled(3, 3, 0);
  black.ApplyBrightness(0.5);
  EXPECT_EQ(At(black, 1, 1), 128);
  TskEffectBmp white = Filled(3, 3, 255);
  white.ApplyDarkness(0.3);
  EXPECT_EQ(At(white, 2, 2), RoundEven((1 - 0.3) * 255));
  white.ApplyDarkness(7);  // clamped to 1
  EXPECT_EQ(At(white, 0, 0), 0);
  std::mt19937 rng(3);
  const TskEffectBmp original = Random(rng, 33, 7);
  TskEffectBmp inverted = original;
  inverted.ApplyInvert();
  EXPECT_EQ(inverted.Row(3)[5], 255 - original.Row(3)[5]);
  inverted.ApplyInvert();
  EXPECT_TRUE(SamePixels(inverted, original));
  TskEffectBmp inactive = Filled(2, 2, 0);
  inactive.ApplyInactiveEffect(sk::ieBrightness);
  EXPECT_EQ(At(inactive, 1, 1), 128);
}

TEST(PixelsEffects, BrightnessAndDarknessFollowTheirFormulaForEveryValue) {
  for (double k : {0.0, 0.1, 0.123, 0.25, 0.3, 0.5, 0.6, 0.77, 0.999, 1.0}) {
    TskEffectBmp bright(256, 1), dark(256, 1);
    for (int c = 0; c < 256; ++c) {
      for (int i = 0; i < 3; ++i) bright.Row(0)[c * 3 + i] = dark.Row(0)[c * 3 + i] = static_cast<uint8_t>(c);
    }
    bright.ApplyBrightness(k);
    dark.ApplyDarkness(k);
    for (int c = 0; c < 256; ++c) {
      ASSERT_EQ(At(bright, c), RoundEven((1 - k) * c + 255 * k)) << k << " " << c;
      ASSERT_EQ(At(dark, c), RoundEven((1 - k) * c)) << k << " " << c;
    }
  }
}

TEST(PixelsEffects, GrayscaleFollowsItsFormulaOnRandomPictures) {
  std::mt19937 rng(11);
  TskEffectBmp picture = Random(rng, 97, 61);
  // Exact halves of the weighted sum too: (0, 50, 0) weighs 29.5.
  picture.Row(0)[0] = 0, picture.Row(0)[1] = 50, picture.Row(0)[2] = 0;
  picture.Row(0)[3] = 5, picture.Row(0)[4] = 0, picture.Row(0)[5] = 0;
  const TskEffectBmp original = picture;
  picture.ApplyGrayscale();
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const uint8_t* o = original.Row(y) + x * 3;
      const int expected = RoundEven(0.3 * o[2] + 0.59 * o[1] + 0.11 * o[0]);
      const uint8_t* p = picture.Row(y) + x * 3;
      ASSERT_EQ(p[0], expected) << x << "," << y;
      ASSERT_EQ(p[1], expected);
      ASSERT_EQ(p[2], expected);
    }
  }
}

TEST(PixelsEffects, NoiseMovesAllChannelsOfAPixelTogether) {
  TskEffectBmp grey = Filled(64, 64, 128);
  grey.ApplyNoise(50);
  int low = 255, high = 0;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      const uint8_t* p = grey.Row(y) + x * 3;
      ASSERT_EQ(p[0], p[1]);
      ASSERT_EQ(p[1], p[2]);
      low = std::min<int>(low, p[0]);
      high = std::max<int>(high, p[0]);
    }
  }
  EXPECT_EQ(low, 128 - 25);
  EXPECT_EQ(high, 128 + 24);
  TskEffectBmp white = Filled(8, 8, 255);
  white.ApplyNoise(50);  // clamped at 255
  white.ApplyNoise(0);
}

// The split blur straight from its description, on a copy per pixel read.
void ReferenceSplitBlur(TskEffectBmp& p, int a) {
  const int w = p.Width(), h = p.Height();
  const auto pick = [a](int i, int n, bool low) {
    int v = low ? (i - a < 0 ? i : i - a) : (i + a >= n ? n - i : i + a);
    return (v < 0 || v >= n) ? i : v;
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const int up = pick(y, h, true), down = pick(y, h, false);
      const int left = pick(x, w, true), right = pick(x, w, false);
      for (int c = 0; c < 3; ++c) {
        const int s =
            p.Row(up)[left * 3 + c] + p.Row(down)[left * 3 + c] + p.Row(up)[right * 3 + c] + p.Row(down)[right * 3 + c];
        p.Row(y)[x * 3 + c] = static_cast<uint8_t>(s / 4);
      }
    }
  }
}

TEST(PixelsEffects, SplitBlurMatchesItsDescription) {
  std::mt19937 rng(5);
  for (auto [w, h, a] : {std::tuple{17, 9, 1}, {5, 5, 3}, {1, 6, 1}, {6, 1, 1}, {1, 1, 1}, {4, 4, 9}}) {
    TskEffectBmp p = Random(rng, w, h);
    TskEffectBmp q = p;
    p.ApplySplitBlur(a);
    ReferenceSplitBlur(q, a);
    EXPECT_TRUE(SamePixels(p, q)) << w << "x" << h << " a=" << a;
  }
}

}  // namespace
