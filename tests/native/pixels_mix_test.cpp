// Morph mixes are worked in fixed point with the rounding of the double
// formula; these check them against the formula itself on every pair of
// byte values, on both paths, for weights in whole fixed-point units (where
// ties are exact) and for weights that are not (where near ties go back to
// the formula).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skEffectsMath.h"
#include "skin/pixels/skEffectsSimd.h"

namespace {

using sk::TskEffectBmp;

// Every (a, b) pair of byte values at the same place of two pictures.
struct AllPairs {
  static constexpr int W = 256, H = 86;  // 86 rows of 768 bytes hold all 65536 pairs
  TskEffectBmp a{W, H}, b{W, H};
  AllPairs() {
    size_t g = 0;
    for (int y = 0; y < H; ++y) {
      for (int i = 0; i < W * 3; ++i, ++g) {
        a.Row(y)[i] = static_cast<uint8_t>(g);
        b.Row(y)[i] = static_cast<uint8_t>(g >> 8);
      }
    }
  }
};

std::vector<double> Weights() {
  std::vector<double> k = {0.0, 1.0, 0.5, 0.25, 3.0 / 512, 0.37, 1.0 / 3, 2.0 / 3, 1e-9, 1 - 1e-12, 0.999};
  for (int j = 1; j < 10; ++j) k.push_back(j / 10.0);
  for (int j = 1; j < 24; ++j) k.push_back(j / 24.0);
  std::mt19937 rng(31);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int j = 0; j < 8; ++j) k.push_back(unit(rng));
  return k;
}

class BothPathsTest : public ::testing::Test {
 protected:
  void TearDown() override { sk::SetWidePixelPathsAllowed(was_); }
  bool was_ = sk::WidePixelPathsAllowed();
};

TEST_F(BothPathsTest, BlendRoundsEveryPairAsItsFormula) {
  const AllPairs p;
  for (bool wide : {true, false}) {
    sk::SetWidePixelPathsAllowed(wide && was_);
    for (double k : Weights()) {
      TskEffectBmp m = p.a;
      m.MorphBlend(p.b, k);
      for (int y = 0; y < AllPairs::H; ++y) {
        for (int i = 0; i < AllPairs::W * 3; ++i) {
          const uint8_t a = p.a.Row(y)[i], b = p.b.Row(y)[i];
          ASSERT_EQ(m.Row(y)[i], sk::RoundEvenByte((1 - k) * a + k * b)) << "k " << k << " a " << +a << " b " << +b;
        }
      }
    }
  }
}

TEST_F(BothPathsTest, ColumnGradientsRoundAsTheirFormula) {
  std::mt19937 rng(32);
  TskEffectBmp a(1021, 40), b(1021, 40);
  for (int y = 0; y < 40; ++y) {
    for (int i = 0; i < 1021 * 3; ++i)
      a.Row(y)[i] = static_cast<uint8_t>(rng()), b.Row(y)[i] = static_cast<uint8_t>(rng());
  }
  for (bool wide : {true, false}) {
    sk::SetWidePixelPathsAllowed(wide && was_);
    for (double k : {0.05, 0.37, 0.5, 0.77, 1.0}) {
      TskEffectBmp m = a;
      m.MorphGradientFromLeft(b, k);
      const int last = std::min(std::max(sk::RoundEven(1021 * k), 1), 1020);
      double weight = 0;
      for (int x = 0; x < 1021; ++x) {
        for (int y = 0; y < 40; ++y) {
          for (int c = 0; c < 3; ++c) {
            const int i = x * 3 + c;
            const uint8_t expected =
                x <= last ? sk::RoundEvenByte(a.Row(y)[i] * weight + (1 - weight) * b.Row(y)[i]) : a.Row(y)[i];
            ASSERT_EQ(m.Row(y)[i], expected) << "k " << k << " x " << x << " y " << y;
          }
        }
        weight = std::min(1.0, weight + 1.0 / last);
      }
    }
  }
}

}  // namespace
