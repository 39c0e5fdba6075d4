// Brightness, darkness and grayscale on every path the processor has,
// against their formulas for every byte value: each path has its own way of
// getting the formula's rounding, and a slip shows in a handful of values.
// Stretches, whose wide path gathers pixels through per-block byte tables,
// against the portable path.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skEffectsMath.h"
#include "skin/pixels/skEffectsSimd.h"
#include "skin/pixels/skUtilsBlit.h"

namespace {

using sk::TPixelPath;
using sk::TskEffectBmp;

class PixelsTables : public ::testing::Test {
 protected:
  void TearDown() override { sk::SetWidestPixelPath(was_); }
  // The paths to try, none wider than the run allows.
  std::vector<TPixelPath> Paths() const {
    std::vector<TPixelPath> paths;
    for (TPixelPath p : {TPixelPath::Portable, TPixelPath::Avx2, TPixelPath::Avx512}) {
      if (static_cast<int>(p) <= static_cast<int>(was_)) paths.push_back(p);
    }
    return paths;
  }
  const TPixelPath was_ = sk::WidestPixelPath();
};

TEST_F(PixelsTables, BrightnessAndDarknessMatchTheFormulaForEveryByteAndManyAmounts) {
  // 331 pixels: rows of 993 bytes end in part of a vector; the second row
  // shifts the values so each also lands in that end.
  TskEffectBmp picture(331, 2);
  for (int y = 0; y < 2; ++y) {
    for (int i = 0; i < 993; ++i) picture.Row(y)[i] = static_cast<uint8_t>(i + 100 * y);
  }
  std::vector<double> amounts;
  for (int i = 0; i <= 1000; ++i) amounts.push_back(i / 1000.0);
  for (int i = 0; i <= 256; ++i) amounts.push_back(i / 256.0);  // halves land exactly on ties
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<double> any(0.0, 1.0);
  for (int i = 0; i < 200; ++i) amounts.push_back(any(rng));
  for (TPixelPath path : Paths()) {
    sk::SetWidestPixelPath(path);
    for (double k : amounts) {
      TskEffectBmp bright = picture, dark = picture;
      bright.ApplyBrightness(k);
      dark.ApplyDarkness(k);
      for (int y = 0; y < 2; ++y) {
        for (int i = 0; i < 993; ++i) {
          const int c = picture.Row(y)[i];
          ASSERT_EQ(bright.Row(y)[i], sk::RoundEvenByte((1 - k) * c + 255 * k))
              << "path " << static_cast<int>(path) << " k " << k << " byte " << c;
          ASSERT_EQ(dark.Row(y)[i], sk::RoundEvenByte((1 - k) * c))
              << "path " << static_cast<int>(path) << " k " << k << " byte " << c;
        }
      }
    }
  }
}

TEST_F(PixelsTables, GrayscaleMatchesTheFormulaForEveryColour) {
  // One picture per red: blue across (then the first blues again, so rows
  // end part way through a vector), green down.
  constexpr int W = 263;
  for (TPixelPath path : Paths()) {
    sk::SetWidestPixelPath(path);
    for (int r = 0; r < 256; ++r) {
      TskEffectBmp picture(W, 256);
      for (int g = 0; g < 256; ++g) {
        uint8_t* row = picture.Row(g);
        for (int x = 0; x < W; ++x) {
          row[3 * x] = static_cast<uint8_t>(x % 256);
          row[3 * x + 1] = static_cast<uint8_t>(g);
          row[3 * x + 2] = static_cast<uint8_t>(r);
        }
      }
      picture.ApplyGrayscale();
      for (int g = 0; g < 256; ++g) {
        const uint8_t* row = picture.Row(g);
        for (int x = 0; x < W; ++x) {
          const uint8_t grey = sk::RoundEvenByte(0.3 * r + 0.59 * g + 0.11 * (x % 256));
          if (row[3 * x] != grey || row[3 * x + 1] != grey || row[3 * x + 2] != grey) {
            FAIL() << "path " << static_cast<int>(path) << " r " << r << " g " << g << " b " << x % 256 << ": "
                   << int{row[3 * x]} << " not " << int{grey};
          }
        }
      }
    }
  }
}

TEST_F(PixelsTables, StretchesGiveTheSameBytesOnEveryPath) {
  std::mt19937 rng(9);
  const auto picture = [&](int w, int h, fw::TPixelFormat f) {
    fw::TBitmap b(w, h, f);
    for (int y = 0; y < h; ++y) {
      for (int i = 0; i < b.RowBytes(); ++i) b.ScanLine(y)[i] = static_cast<uint8_t>(rng());
    }
    return b;
  };
  for (fw::TPixelFormat f : {fw::TPixelFormat::pf24bit, fw::TPixelFormat::pf32bit}) {
    for (int sw : {7, 50, 129, 300, 1031}) {
      fw::TBitmap source = picture(sw, 3, f);
      for (int dw : {1, 15, 16, 17, 33, 64, 100, 333, 517, 1000, 2100}) {
        // Whole rows, and a window that starts and ends inside the source,
        // so the last blocks' loads meet the end of what may be read.
        for (const fw::TRect& from : {fw::TRect{0, 0, sw, 3}, fw::TRect{sw / 3, 1, sw - sw / 5, 3}}) {
          std::vector<std::vector<uint8_t>> results;
          for (TPixelPath path : Paths()) {
            sk::SetWidestPixelPath(path);
            fw::TBitmap target(dw + 3, 2, f);
            sk::DrawRect(sk::ViewOf(target), {2, 0, dw + 2, 2}, sk::ViewOf(source), from);
            std::vector<uint8_t> bytes;
            for (int y = 0; y < 2; ++y)
              bytes.insert(bytes.end(), target.ScanLine(y), target.ScanLine(y) + target.RowBytes());
            results.push_back(bytes);
          }
          for (size_t i = 1; i < results.size(); ++i) {
            ASSERT_EQ(results[i], results[0]) << "path " << i << " from " << sw << " to " << dw << " bpp " << int(f);
          }
        }
      }
    }
  }
}

}  // namespace
