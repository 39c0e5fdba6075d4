#include <gtest/gtest.h>

#include "skin/layers/skLayersFade.h"
#include "skin/pixels/skUtilsLayout.h"

namespace {

using sk::LayoutGlyphAndText;
using sk::TskGlyphTextPlace;

TEST(PixelsLayout, CentredTextWithoutGlyph) {
  // No glyph: the spacing does not count and the text is centred.
  const auto p = LayoutGlyphAndText({10, 20, 110, 60}, 0, 0, 40, 12, 0, -1, 4);
  EXPECT_EQ(p.text, (fw::TPoint{60 + 20 - 40, 40 - 6}));
  EXPECT_EQ(p.text.x, 40);
}

TEST(PixelsLayout, MarginsPlaceTheGlyphFromItsSide) {
  const fw::TRect r{10, 20, 110, 60};  // centre (60, 40)
  EXPECT_EQ(LayoutGlyphAndText(r, 16, 10, 30, 12, 0, 2, 4), (TskGlyphTextPlace{{12, 35}, {32, 34}}));
  EXPECT_EQ(LayoutGlyphAndText(r, 16, 10, 30, 12, 1, 2, 4), (TskGlyphTextPlace{{92, 35}, {58, 34}}));
  EXPECT_EQ(LayoutGlyphAndText(r, 16, 10, 30, 12, 2, 2, 4), (TskGlyphTextPlace{{52, 22}, {45, 36}}));
  EXPECT_EQ(LayoutGlyphAndText(r, 16, 10, 30, 12, 3, 2, 4), (TskGlyphTextPlace{{52, 48}, {45, 32}}));
}

TEST(PixelsLayout, CentredPairs) {
  const fw::TRect r{10, 20, 110, 60};  // hw = (16 + 30 + 4) / 2 = 25, hh = (10 + 12 + 4) / 2 = 13
  EXPECT_EQ(LayoutGlyphAndText(r, 16, 10, 30, 12, 0, -1, 4), (TskGlyphTextPlace{{35, 35}, {55, 34}}));
  EXPECT_EQ(LayoutGlyphAndText(r, 16, 10, 30, 12, 1, -1, 4), (TskGlyphTextPlace{{69, 35}, {35, 34}}));
  EXPECT_EQ(LayoutGlyphAndText(r, 16, 10, 30, 12, 2, -1, 4), (TskGlyphTextPlace{{52, 27}, {45, 41}}));
  EXPECT_EQ(LayoutGlyphAndText(r, 16, 10, 30, 12, 3, -1, 4), (TskGlyphTextPlace{{52, 43}, {45, 27}}));
}

TEST(PixelsLayout, CorrectTextToWidth) {
  const auto width = [](const std::wstring& s) { return static_cast<int>(s.size()) * 7; };
  std::wstring text = L"Hello";
  sk::CorrectTextToWidth(text, 35, width);
  EXPECT_EQ(text, L"Hello");
  sk::CorrectTextToWidth(text, 34, width);
  EXPECT_EQ(text, L"H...");  // "He..." is 35 wide
  text = L"Hello";
  sk::CorrectTextToWidth(text, 5, width);
  EXPECT_EQ(text, L"...");
}

TEST(PixelsFade, LayerReachesEveryTarget) {
  const auto ticks = [](int target) {
    const int step = sk::LayerAlphaStep(target);
    int alpha = 0, n = 0;
    while (alpha != target && n < 1000) {
      alpha = sk::NextLayerAlpha(alpha, step, target);
      ++n;
    }
    return std::pair{alpha, n};
  };
  EXPECT_EQ(ticks(255), (std::pair{255, 11}));  // 25, 50 .. 250, 255
  EXPECT_EQ(ticks(9), (std::pair{9, 9}));       // a small target still fades in
  EXPECT_EQ(ticks(1), (std::pair{1, 1}));
  EXPECT_EQ(ticks(0).second, 0);
  int alpha = 0, steps = 0;
  while (alpha < 205) {
    alpha = sk::NextWindowFadeAlpha(alpha, 205);
    ++steps;
  }
  EXPECT_EQ(alpha, 205);
  EXPECT_EQ(steps, 21);
}

}  // namespace
