#include "skin/skEffectsBmp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <vector>

#include "skin/skEffectsMath.h"
#include "skin/skUtilsBlit.h"

namespace sk {
namespace {

using fw::TBitmap;
using fw::TPixelFormat;

// Ahead of a mix: m = 1 keeps A, m = 0 takes B.
constexpr double KeepA = 1.0;

inline uint8_t Mix(uint8_t a, uint8_t b, double m) { return RoundEvenByte(a * m + (1 - m) * b); }

// Weights of a fade that starts (m = 0) at index from and moves by direction
// until index to (inclusive), growing by step and capped at 1.
void FadeWeights(std::vector<double>& weights, int from, int to, int direction, double step) {
  double m = 0;
  for (int i = from;; i += direction) {
    weights[static_cast<size_t>(i)] = m;
    if (i == to) break;
    m = std::min(1.0, m + step);
  }
}

std::minstd_rand& NoiseGenerator() {
  static std::minstd_rand generator;
  return generator;
}

}  // namespace

TskEffectBmp::TskEffectBmp(int width, int height)
    : bitmap_(std::max(width, 0), std::max(height, 0), TPixelFormat::pf24bit) {}

TskEffectBmp::TskEffectBmp(const TBitmap& picture) : bitmap_(picture.Width(), picture.Height(), TPixelFormat::pf24bit) {
  for (int y = 0; y < picture.Height(); ++y) ConvertRow(picture, y, 0, picture.Width(), bitmap_.ScanLine(y), 3);
}

void TskEffectBmp::GetRow(int y, uint8_t* out) const {
  std::memcpy(out, Row(y), static_cast<size_t>(Width()) * 3);
}

void TskEffectBmp::SetRow(int y, const uint8_t* in) { std::memcpy(Row(y), in, static_cast<size_t>(Width()) * 3); }

// Applies per-column weights to every row: 1 keeps this picture, 0 takes b,
// anything between mixes.
static void MixByColumn(TskEffectBmp& self, const TskEffectBmp& b, const std::vector<double>& weights) {
  const int w = self.Width();
  for (int y = 0; y < self.Height(); ++y) {
    uint8_t* a = self.Row(y);
    const uint8_t* bb = b.Row(y);
    for (int x = 0; x < w; ++x) {
      const double m = weights[static_cast<size_t>(x)];
      if (m == KeepA) continue;
      uint8_t* p = a + x * 3;
      const uint8_t* q = bb + x * 3;
      if (m == 0) {
        p[0] = q[0];
        p[1] = q[1];
        p[2] = q[2];
      } else {
        p[0] = Mix(p[0], q[0], m);
        p[1] = Mix(p[1], q[1], m);
        p[2] = Mix(p[2], q[2], m);
      }
    }
  }
}

void TskEffectBmp::MixColumns(const TskEffectBmp& b, int from, int to, int direction, double step) {
  std::vector<double> weights(static_cast<size_t>(Width()), KeepA);
  FadeWeights(weights, from, to, direction, step);
  MixByColumn(*this, b, weights);
}

void TskEffectBmp::MorphBlend(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  k = Clamp01(k);
  const size_t count = static_cast<size_t>(Width()) * 3;
  const auto blend = [k](int a, int bb) { return RoundEvenByte((1 - k) * a + k * bb); };
  // Large pictures go through a table of every pair; small ones compute.
  if (count * static_cast<size_t>(Height()) < 65536) {
    for (int y = 0; y < Height(); ++y) {
      uint8_t* a = Row(y);
      const uint8_t* bb = b.Row(y);
      for (size_t i = 0; i < count; ++i) a[i] = blend(a[i], bb[i]);
    }
    return;
  }
  std::vector<uint8_t> table(65536);
  for (int a = 0; a < 256; ++a) {
    for (int bb = 0; bb < 256; ++bb) table[static_cast<size_t>(a << 8 | bb)] = blend(a, bb);
  }
  for (int y = 0; y < Height(); ++y) {
    uint8_t* a = Row(y);
    const uint8_t* bb = b.Row(y);
    for (size_t i = 0; i < count; ++i) a[i] = table[static_cast<size_t>(a[i]) << 8 | bb[i]];
  }
}

void TskEffectBmp::MorphCentreGradientH(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  const int w = Width();
  const int a = RoundEven(w * Clamp01(k));
  const int fade = (w - a) / 2;
  const double step = fade != 0 ? 1.0 / fade : 1.0;
  const int left = std::max(0, w / 2 - a / 2);
  const int right = std::min(w - 1, w / 2 + a / 2);
  std::vector<double> weights(static_cast<size_t>(w), KeepA);
  for (int x = left; x <= right; ++x) weights[static_cast<size_t>(x)] = 0;
  FadeWeights(weights, left, 0, -1, step);
  FadeWeights(weights, right, w - 1, 1, step);
  MixByColumn(*this, b, weights);
}

void TskEffectBmp::MorphCentreGradientV(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  const int h = Height();
  const int a = RoundEven(h * Clamp01(k));
  const int fade = (h - a - 1) / 2;
  const double step = fade != 0 ? 1.0 / fade : 0.0;
  const int top = std::max(0, h / 2 - a / 2);
  const int bottom = std::min(h - 1, h / 2 + a / 2);
  std::vector<double> weights(static_cast<size_t>(h), KeepA);
  for (int y = top; y <= bottom; ++y) weights[static_cast<size_t>(y)] = 0;
  FadeWeights(weights, top, 0, -1, step);
  FadeWeights(weights, bottom, h - 1, 1, step);
  const size_t count = static_cast<size_t>(Width()) * 3;
  for (int y = 0; y < h; ++y) {
    const double m = weights[static_cast<size_t>(y)];
    uint8_t* p = Row(y);
    const uint8_t* q = b.Row(y);
    if (m == KeepA) continue;
    if (m == 0) {
      std::memcpy(p, q, count);
      continue;
    }
    for (size_t i = 0; i < count; ++i) p[i] = Mix(p[i], q[i], m);
  }
}

void TskEffectBmp::MorphCentreGradient(const TskEffectBmp& b, double k) {
  if (Width() < Height()) {
    MorphCentreGradientV(b, k);
  } else {
    MorphCentreGradientH(b, k);
  }
}

void TskEffectBmp::MorphGradientFromLeft(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  const int w = Width();
  const int a = std::min(std::max(RoundEven(w * Clamp01(k)), 1), w - 1);
  MixColumns(b, 0, a, 1, a > 0 ? 1.0 / a : 1.0);
}

void TskEffectBmp::MorphGradientFromRight(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  const int w = Width();
  const int s = std::min(std::max(w - RoundEven(w * Clamp01(k)), 0), w - 1);
  MixColumns(b, w - 1, s, -1, 1.0 / (w - s));
}

void TskEffectBmp::MorphPushFromLeft(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  const int w = Width();
  const int a = std::min(std::max(RoundEven(w * Clamp01(k)), 0), w - 1);
  for (int y = 0; y < Height(); ++y) {
    uint8_t* p = Row(y);
    std::memmove(p + static_cast<size_t>(a + 1) * 3, p, static_cast<size_t>(w - a - 1) * 3);
    std::memcpy(p, b.Row(y) + static_cast<size_t>(w - a - 1) * 3, static_cast<size_t>(a + 1) * 3);
  }
}

void TskEffectBmp::MorphSlideFromLeft(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  const int w = Width();
  const int a = std::min(std::max(RoundEven(w * Clamp01(k)), 1), w - 1);
  if (a <= 0) return;
  for (int y = 0; y < Height(); ++y) {
    std::memcpy(Row(y), b.Row(y) + static_cast<size_t>(w - a) * 3, static_cast<size_t>(a) * 3);
  }
}

void TskEffectBmp::MorphSlideFromRight(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  const int w = Width();
  const int a = std::min(std::max(RoundEven(w * Clamp01(k)), 1), w - 1);
  if (a <= 0) return;
  for (int y = 0; y < Height(); ++y) {
    std::memcpy(Row(y) + static_cast<size_t>(w - a) * 3, b.Row(y), static_cast<size_t>(a) * 3);
  }
}

void TskEffectBmp::Morph(TskMorphKind kind, const TskEffectBmp& b, double k) {
  switch (kind) {
    case mkGradient: MorphCentreGradient(b, k); break;
    case mkLeftGradient: MorphGradientFromLeft(b, k); break;
    case mkRightGradient: MorphGradientFromRight(b, k); break;
    case mkLeftSlide: MorphSlideFromLeft(b, k); break;
    case mkRightSlide: MorphSlideFromRight(b, k); break;
    case mkPush: MorphPushFromLeft(b, k); break;
    default: MorphBlend(b, k); break;
  }
}

// Finds m and n with (c * m + n) >> 16 == table[c] for every c, near the
// given slope; such a straight line runs as packed arithmetic. Tables that
// no line reproduces (ties rounded to even can bend them) stay tables.
static bool FitLine(const std::array<uint8_t, 256>& table, double slope, uint32_t& m, uint32_t& n) {
  const int64_t centre = static_cast<int64_t>(slope * 65536 + 0.5);
  for (int64_t dm : {0, -1, 1, -2, 2}) {
    const int64_t mm = centre + dm;
    if (mm < 0 || mm > 65536) continue;
    int64_t lo = 0, hi = int64_t{1} << 24;
    for (int64_t c = 0; c < 256 && lo < hi; ++c) {
      const int64_t t = table[static_cast<size_t>(c)];
      lo = std::max(lo, t * 65536 - c * mm);
      hi = std::min(hi, (t + 1) * 65536 - c * mm);
    }
    if (lo < hi) {
      m = static_cast<uint32_t>(mm);
      n = static_cast<uint32_t>(lo);
      return true;
    }
  }
  return false;
}

// Maps every channel byte of every pixel through a table (of slope slope).
static void MapChannels(TskEffectBmp& bmp, const std::array<uint8_t, 256>& table, double slope) {
  const size_t count = static_cast<size_t>(bmp.Width()) * 3;
  uint32_t m = 0, n = 0;
  if (FitLine(table, slope, m, n)) {
    for (int y = 0; y < bmp.Height(); ++y) {
      uint8_t* p = bmp.Row(y);
      for (size_t i = 0; i < count; ++i) p[i] = static_cast<uint8_t>((p[i] * m + n) >> 16);
    }
    return;
  }
  for (int y = 0; y < bmp.Height(); ++y) {
    uint8_t* p = bmp.Row(y);
    for (size_t i = 0; i < count; ++i) p[i] = table[p[i]];
  }
}

void TskEffectBmp::ApplyBrightness(double k) {
  k = Clamp01(k);
  std::array<uint8_t, 256> table{};
  for (int c = 0; c < 256; ++c) table[static_cast<size_t>(c)] = RoundEvenByte((1 - k) * c + 255 * k);
  MapChannels(*this, table, 1 - k);
}

void TskEffectBmp::ApplyDarkness(double k) {
  k = Clamp01(k);
  std::array<uint8_t, 256> table{};
  for (int c = 0; c < 256; ++c) table[static_cast<size_t>(c)] = RoundEvenByte((1 - k) * c);
  MapChannels(*this, table, 1 - k);
}

void TskEffectBmp::ApplyGrayscale() {
  // The products are looked up; the sum is formed and rounded as written.
  std::array<double, 256> red{}, green{}, blue{};
  for (int c = 0; c < 256; ++c) {
    red[static_cast<size_t>(c)] = 0.3 * c;
    green[static_cast<size_t>(c)] = 0.59 * c;
    blue[static_cast<size_t>(c)] = 0.11 * c;
  }
  const int w = Width();
  for (int y = 0; y < Height(); ++y) {
    uint8_t* p = Row(y);
    for (int x = 0; x < w; ++x, p += 3) {
      const uint8_t g = RoundEvenByte(red[p[2]] + green[p[1]] + blue[p[0]]);
      p[0] = g;
      p[1] = g;
      p[2] = g;
    }
  }
}

void TskEffectBmp::ApplyInvert() {
  const size_t count = static_cast<size_t>(Width()) * 3;
  for (int y = 0; y < Height(); ++y) {
    uint8_t* p = Row(y);
    for (size_t i = 0; i < count; ++i) p[i] = static_cast<uint8_t>(~p[i]);
  }
}

void TskEffectBmp::ApplyNoise(int amount) {
  if (amount <= 0) return;
  std::uniform_int_distribution<int> draw(0, amount - 1);
  auto& generator = NoiseGenerator();
  const int w = Width();
  for (int y = 0; y < Height(); ++y) {
    uint8_t* p = Row(y);
    for (int x = 0; x < w; ++x, p += 3) {
      const int d = draw(generator) - amount / 2;
      p[0] = ClampByte(p[0] + d);
      p[1] = ClampByte(p[1] + d);
      p[2] = ClampByte(p[2] + d);
    }
  }
}

void TskEffectBmp::ApplySplitBlur(int amount) {
  if (amount == 0 || bitmap_.Empty()) return;
  const int w = Width();
  const int h = Height();
  // Neighbours as the blur has always picked them, including the odd
  // reflection near the far edges; anything still outside falls back to the
  // pixel's own row or column.
  const auto near = [amount](int i, int size) {
    const int lo = i - amount < 0 ? i : i - amount;
    int hi = i + amount >= size ? size - i : i + amount;
    if (hi < 0 || hi >= size) hi = i;
    return std::pair{lo < 0 || lo >= size ? i : lo, hi};
  };
  for (int y = 0; y < h; ++y) {
    const auto [up, down] = near(y, h);
    uint8_t* p = Row(y);
    const uint8_t* u = Row(up);
    const uint8_t* d = Row(down);
    for (int x = 0; x < w; ++x) {
      const auto [left, right] = near(x, w);
      for (int c = 0; c < 3; ++c) {
        const int sum = u[left * 3 + c] + d[left * 3 + c] + u[right * 3 + c] + d[right * 3 + c];
        p[x * 3 + c] = static_cast<uint8_t>(sum / 4);
      }
    }
  }
}

void TskEffectBmp::ApplyInactiveEffect(TskInactiveEffect effect) {
  switch (effect) {
    case ieBrightness: ApplyBrightness(0.5); break;
    case ieDarkness: ApplyDarkness(0.3); break;
    case ieNoise: ApplyNoise(50); break;
    case ieSplitBlur: ApplySplitBlur(1); break;
    case ieInvert: ApplyInvert(); break;
    default: ApplyGrayscale(); break;
  }
}

}  // namespace sk
