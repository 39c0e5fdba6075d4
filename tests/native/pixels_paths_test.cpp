// The vector paths against the portable ones: every effect that has both
// must give the same bytes on the same input. The whole pixel suite also
// runs a second time with the vector paths off (QUILLET_PIXELS_PORTABLE=1),
// so the portable code is tested on machines that would never take it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

#include "pixels_support.h"
#include "skin/pixels/skEffectsBitmap.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skEffectsSimd.h"

namespace {

using sk::TskBitmap;
using sk::TskEffectBmp;

class PortablePathsFromEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const char* value = std::getenv("QUILLET_PIXELS_PORTABLE");
    if (value && std::string(value) == "1") sk::SetWidePixelPathsAllowed(false);
  }
};
const auto* const kPortableEnvironment = ::testing::AddGlobalTestEnvironment(new PortablePathsFromEnvironment);

// Runs make-and-apply twice, with and without the wide paths, and returns
// both results' bytes; the switch is left as it was found.
template <class Picture>
std::pair<std::vector<uint8_t>, std::vector<uint8_t>> BothPaths(const std::function<Picture()>& run) {
  const bool wasAllowed = sk::WidePixelPathsAllowed();
  const auto bytes = [](const Picture& p) {
    const fw::TBitmap& b = p.Bitmap();
    std::vector<uint8_t> out;
    for (int y = 0; y < b.Height(); ++y) {
      const uint8_t* row = b.ScanLine(y);
      out.insert(out.end(), row, row + static_cast<size_t>(b.Width()) * (fw::BitsPerPixel(b.PixelFormat()) / 8));
    }
    return out;
  };
  sk::SetWidePixelPathsAllowed(true);
  auto wide = bytes(run());
  sk::SetWidePixelPathsAllowed(false);
  auto portable = bytes(run());
  sk::SetWidePixelPathsAllowed(wasAllowed);
  return {std::move(wide), std::move(portable)};
}

// Sizes with odd widths, so every vector loop leaves a tail to the scalar code.
constexpr int kSizes[][2] = {{1, 1}, {7, 3}, {37, 11}, {301, 23}};

TEST(PixelsPaths, MorphsGiveTheSameBytesBothWays) {
  if (!sk::WidePixelPathsAllowed()) GTEST_SKIP() << "wide paths switched off for this run";
  using Morph = void (TskEffectBmp::*)(const TskEffectBmp&, double);
  const Morph morphs[] = {&TskEffectBmp::MorphBlend, &TskEffectBmp::MorphCentreGradientH,
                          &TskEffectBmp::MorphCentreGradientV, &TskEffectBmp::MorphGradientFromLeft,
                          &TskEffectBmp::MorphGradientFromRight};
  std::mt19937 rng(21);
  for (const auto& size : kSizes) {
    const TskEffectBmp a(pixels::PhotoPicture(rng, size[0], size[1]));
    const TskEffectBmp b(pixels::PhotoPicture(rng, size[0], size[1]));
    for (size_t m = 0; m < std::size(morphs); ++m) {
      for (double k : {0.0, 0.13, 0.5, 0.77, 1.0}) {
        const auto [wide, portable] = BothPaths<TskEffectBmp>([&] {
          TskEffectBmp work = a;
          (work.*morphs[m])(b, k);
          return work;
        });
        EXPECT_EQ(wide, portable) << "morph " << m << " k " << k << " size " << size[0] << "x" << size[1];
      }
    }
  }
}

TEST(PixelsPaths, ColourEffectsGiveTheSameBytesBothWays) {
  if (!sk::WidePixelPathsAllowed()) GTEST_SKIP() << "wide paths switched off for this run";
  std::mt19937 rng(22);
  for (const auto& size : kSizes) {
    const TskEffectBmp photo(pixels::PhotoPicture(rng, size[0], size[1]));
    const TskEffectBmp noise(pixels::RandomPicture(rng, size[0], size[1]));
    for (const TskEffectBmp* input : {&photo, &noise}) {
      const auto check = [&](const char* name, const std::function<void(TskEffectBmp&)>& effect) {
        const auto [wide, portable] = BothPaths<TskEffectBmp>([&] {
          TskEffectBmp work = *input;
          effect(work);
          return work;
        });
        EXPECT_EQ(wide, portable) << name << " size " << size[0] << "x" << size[1];
      };
      for (double k : {0.05, 0.3, 0.5, 0.91}) {
        check("brightness", [k](TskEffectBmp& p) { p.ApplyBrightness(k); });
        check("darkness", [k](TskEffectBmp& p) { p.ApplyDarkness(k); });
      }
      check("grayscale", [](TskEffectBmp& p) { p.ApplyGrayscale(); });
    }
  }
}

TEST(PixelsPaths, BlendAndBlurGiveTheSameBytesBothWays) {
  if (!sk::WidePixelPathsAllowed()) GTEST_SKIP() << "wide paths switched off for this run";
  std::mt19937 rng(23);
  const bool mmxWas = sk::UsesMmxBlend();
  for (const auto& size : kSizes) {
    TskBitmap source, backdrop;
    source.AssignFromBitmap(pixels::PhotoPicture(rng, size[0], size[1], fw::TPixelFormat::pf32bit));
    backdrop.AssignFromBitmap(pixels::PhotoPicture(rng, size[0], size[1]));
    // Alphas of every kind: none, full and partial.
    for (int y = 0; y < source.Height(); ++y) {
      for (int x = 0; x < source.Width(); ++x) {
        const uint32_t alpha = (x + y) % 5 == 0 ? 0 : ((x + y) % 5 == 1 ? 255 : rng() & 0xFF);
        source.SetPixel(x, y, (source.Pixel(x, y) & 0x00FFFFFFu) | alpha << 24);
      }
    }
    source.SetAlphaBlend(true);
    for (bool mmx : {false, true}) {
      sk::SetMmxBlend(mmx);
      const auto [wide, portable] = BothPaths<TskBitmap>([&] {
        TskBitmap work = backdrop;
        source.DrawToBitmap(work, 0, 0);
        return work;
      });
      EXPECT_EQ(wide, portable) << "blend mmx " << mmx << " size " << size[0] << "x" << size[1];
    }
    for (int radius : {1, 2, 6, 50}) {
      const auto [wide, portable] = BothPaths<TskBitmap>([&] {
        TskBitmap work = backdrop;
        sk::BlurImage(work, radius);
        return work;
      });
      EXPECT_EQ(wide, portable) << "blur radius " << radius << " size " << size[0] << "x" << size[1];
    }
  }
  sk::SetMmxBlend(mmxWas);
}

}  // namespace
