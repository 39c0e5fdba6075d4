#include "skin/skEffectsBmp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// a[i] := RoundEven(a[i] * m[i] + n[i] * b[i]) with n = 1 - m, for weights
// between 0 and 1 (so the result needs no clamping). Written as one plain
// loop with the two-instruction rounding so that it runs packed.
static void MixBytes(uint8_t* a, const uint8_t* b, const double* m, const double* n, size_t count) {
  if constexpr (FLT_EVAL_METHOD == 0) {
    constexpr double shifter = 6755399441055744.0;  // 1.5 * 2^52
    for (size_t i = 0; i < count; ++i) {
      const double x = a[i] * m[i] + n[i] * b[i];
      a[i] = static_cast<uint8_t>(static_cast<int>((x + shifter) - shifter));
    }
  } else {
    for (size_t i = 0; i < count; ++i) a[i] = RoundEvenByte(a[i] * m[i] + n[i] * b[i]);
  }
}

// Applies per-column weights to every row: 1 keeps this picture, 0 takes b,
// anything between mixes.
static void MixByColumn(TskEffectBmp& self, const TskEffectBmp& b, const std::vector<double>& weights) {
  const int w = self.Width();
  int first = 0, last = w - 1;
  while (first < w && weights[static_cast<size_t>(first)] == KeepA) ++first;
  while (last >= first && weights[static_cast<size_t>(last)] == KeepA) --last;
  if (first > last) return;
  // The weight of every byte of the changing columns, and its complement.
  const size_t count = static_cast<size_t>(last - first + 1) * 3;
  std::vector<double> m(count), n(count);
  for (size_t i = 0; i < count; ++i) {
    m[i] = weights[static_cast<size_t>(first) + i / 3];
    n[i] = 1 - m[i];
  }
  for (int y = 0; y < self.Height(); ++y) {
    MixBytes(self.Row(y) + first * 3, b.Row(y) + first * 3, m.data(), n.data(), count);
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

// A table of channel values as straight lines, one for each class of c
// mod classes: out = (((c * m[j]) >> 8) + n[j]) >> 8 with j = c mod classes.
// Rounding ties to even bends a table away from one line, but within a class
// of c mod 4 the bends line up again, so most tables fit and then run as
// packed 16-bit arithmetic, exactly as the table says.
struct ChannelLines {
  int classes = 1;
  std::array<uint32_t, 4> m{}, n{};
};

static bool FitClass(const std::array<uint8_t, 256>& table, double slope, int classes, int j, uint32_t& m,
                     uint32_t& n) {
  const int64_t centre = static_cast<int64_t>(slope * 65536 + 0.5);
  for (int64_t dm = 0; dm <= 24; dm = dm <= 0 ? 1 - dm : -dm) {
    const int64_t mm = centre + dm;
    if (mm < 0 || mm > 65535) continue;
    int64_t lo = 0, hi = 65536 - ((255 * mm) >> 8);
    for (int64_t c = j; c < 256 && lo < hi; c += classes) {
      const int64_t t = table[static_cast<size_t>(c)];
      const int64_t a = (c * mm) >> 8;
      lo = std::max(lo, t * 256 - a);
      hi = std::min(hi, (t + 1) * 256 - a);
    }
    if (lo < hi) {
      m = static_cast<uint32_t>(mm);
      n = static_cast<uint32_t>(lo);
      return true;
    }
  }
  return false;
}

static bool FitLines(const std::array<uint8_t, 256>& table, double slope, ChannelLines& lines) {
  for (int classes : {1, 2, 4}) {
    bool all = true;
    for (int j = 0; j < classes && all; ++j) all = FitClass(table, slope, classes, j, lines.m[j], lines.n[j]);
    if (all) {
      lines.classes = classes;
      return true;
    }
  }
  return false;
}

#if defined(__SSE2__)
// Eight channel values (16-bit lanes) through the lines.
static inline __m128i MapLanes(__m128i c, const ChannelLines& lines, const __m128i* m, const __m128i* n) {
  const __m128i shifted = _mm_slli_epi16(c, 8);
  if (lines.classes == 1) return _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(shifted, m[0]), n[0]), 8);
  const __m128i cls = _mm_and_si128(c, _mm_set1_epi16(static_cast<short>(lines.classes - 1)));
  __m128i out = _mm_setzero_si128();
  for (int j = 0; j < lines.classes; ++j) {
    const __m128i r = _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(shifted, m[j]), n[j]), 8);
    out = _mm_or_si128(out, _mm_and_si128(_mm_cmpeq_epi16(cls, _mm_set1_epi16(static_cast<short>(j))), r));
  }
  return out;
}
#endif

// Maps every channel byte of every pixel through a table (of slope slope).
static void MapChannels(TskEffectBmp& bmp, const std::array<uint8_t, 256>& table, double slope) {
  const size_t count = static_cast<size_t>(bmp.Width()) * 3;
  bool identity = true;
  for (int c = 0; c < 256 && identity; ++c) identity = table[static_cast<size_t>(c)] == c;
  if (identity) return;
  ChannelLines lines;
  const bool packed = FitLines(table, slope, lines);
  for (int y = 0; y < bmp.Height(); ++y) {
    uint8_t* p = bmp.Row(y);
    size_t i = 0;
#if defined(__SSE2__)
    if (packed) {
      __m128i m[4], n[4];
      for (int j = 0; j < lines.classes; ++j) {
        m[j] = _mm_set1_epi16(static_cast<short>(lines.m[static_cast<size_t>(j)]));
        n[j] = _mm_set1_epi16(static_cast<short>(lines.n[static_cast<size_t>(j)]));
      }
      const __m128i zero = _mm_setzero_si128();
      for (; i + 16 <= count; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i lo = MapLanes(_mm_unpacklo_epi8(v, zero), lines, m, n);
        const __m128i hi = MapLanes(_mm_unpackhi_epi8(v, zero), lines, m, n);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), _mm_packus_epi16(lo, hi));
      }
    }
#else
    (void)packed;
#endif
    for (; i < count; ++i) p[i] = table[p[i]];
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

namespace {

// The grey of 0.3 red + 0.59 green + 0.11 blue, from s = 30 red + 59 green +
// 11 blue: away from a tie (s mod 100 = 50) the rounded value is plain
// (s + 50) / 100; ties are left to the formula as the platform evaluates it.
constexpr uint16_t GreyTie = 0x100;

const std::array<uint16_t, 25501>& GreyTable() {
  static const auto table = [] {
    std::array<uint16_t, 25501> t{};
    for (int s = 0; s <= 25500; ++s) t[static_cast<size_t>(s)] = s % 100 == 50 ? GreyTie : static_cast<uint16_t>((s + 50) / 100);
    return t;
  }();
  return table;
}

}  // namespace

void TskEffectBmp::ApplyGrayscale() {
  const auto& grey = GreyTable();
  const int w = Width();
  for (int y = 0; y < Height(); ++y) {
    uint8_t* p = Row(y);
    for (int x = 0; x < w; ++x, p += 3) {
      const int s = 30 * p[2] + 59 * p[1] + 11 * p[0];
      uint16_t g = grey[static_cast<size_t>(s)];
      if (g == GreyTie) g = RoundEvenByte(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
      p[0] = p[1] = p[2] = static_cast<uint8_t>(g);
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
