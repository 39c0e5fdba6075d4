#include "skin/pixels/skEffectsBmp.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <vector>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

#include "skin/pixels/skEffectsMath.h"
#include "skin/pixels/skEffectsSimd.h"
#include "skin/pixels/skUtilsBlit.h"

namespace sk {
namespace {

using fw::TBitmap;
using fw::TPixelFormat;

// Ahead of a mix: m = 1 keeps A, m = 0 takes B.
constexpr double KeepA = 1.0;

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

void TskEffectBmp::GetRow(int y, uint8_t* out) const { std::memcpy(out, Row(y), static_cast<size_t>(Width()) * 3); }

void TskEffectBmp::SetRow(int y, const uint8_t* in) { std::memcpy(Row(y), in, static_cast<size_t>(Width()) * 3); }

namespace {

// A mix a * m + n * b rounded to even, worked in 23-bit fixed point:
// V = a * A + b * B with A = round(m * 2^23), B = round(n * 2^23). Each
// weight is off by at most half a unit, so V is within (a + b) / 2 <= 255
// units of the exact sum times 2^23, and the double formula is within 2^-43
// of the exact sum. Where V lies more than 256 units from a half, the exact
// sum and the formula round the same way as V does. Where both weights are
// whole units (dyadic weights such as 1/2 or j/512) V is the formula's sum
// itself and rounds to even exactly; elsewhere the few bytes near a half
// are left to the formula. a + b <= 510 and A + B <= 2^23 + 1 keep V below 2^31.
constexpr int FixedBits = 23;
constexpr int32_t FixedHalf = 1 << (FixedBits - 1);
constexpr int32_t FixedFraction = (1 << FixedBits) - 1;
constexpr int32_t NearHalf = 256;

struct MixWeight {
  double m = 1, n = 0;   // the formula's own weights
  int32_t a = 0, b = 0;  // in fixed point
};

MixWeight WeightOf(double m, double n) {
  MixWeight w{m, n, static_cast<int32_t>(RoundEven(m * (1 << FixedBits))),
              static_cast<int32_t>(RoundEven(n * (1 << FixedBits)))};
  return w;
}

bool IsWholeUnits(const MixWeight& w) { return w.a == w.m * (1 << FixedBits) && w.b == w.n * (1 << FixedBits); }

inline uint8_t MixByFormula(uint8_t a, uint8_t b, const MixWeight& w) { return RoundEvenByte(a * w.m + w.n * b); }

// One byte; Exact: every weight is in whole units.
template <bool Exact>
inline uint8_t MixFixed(uint8_t a, uint8_t b, const MixWeight& w) {
  const int32_t v = a * w.a + b * w.b;
  if constexpr (Exact) return static_cast<uint8_t>((v + FixedHalf - 1 + ((v >> FixedBits) & 1)) >> FixedBits);
  const int32_t off = (v & FixedFraction) - FixedHalf;
  if (off <= NearHalf && off >= -NearHalf) return MixByFormula(a, b, w);
  return static_cast<uint8_t>((v + FixedHalf) >> FixedBits);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Eight fixed-point mixes in 32-bit lanes; near receives the lanes whose
// rounding is left to the formula.
template <bool Exact>
__attribute__((target("avx2"))) inline __m256i MixEight(const uint8_t* a, const uint8_t* b, __m256i wa, __m256i wb,
                                                        __m256i& near) {
  const __m256i va = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a)));
  const __m256i vb = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(b)));
  const __m256i v = _mm256_add_epi32(_mm256_mullo_epi32(va, wa), _mm256_mullo_epi32(vb, wb));
  if constexpr (Exact) {
    const __m256i odd = _mm256_and_si256(_mm256_srli_epi32(v, FixedBits), _mm256_set1_epi32(1));
    return _mm256_srli_epi32(_mm256_add_epi32(_mm256_add_epi32(v, _mm256_set1_epi32(FixedHalf - 1)), odd), FixedBits);
  }
  const __m256i off = _mm256_abs_epi32(
      _mm256_sub_epi32(_mm256_and_si256(v, _mm256_set1_epi32(FixedFraction)), _mm256_set1_epi32(FixedHalf)));
  near = _mm256_cmpgt_epi32(_mm256_set1_epi32(NearHalf + 1), off);
  return _mm256_srli_epi32(_mm256_add_epi32(v, _mm256_set1_epi32(FixedHalf)), FixedBits);
}

// Thirty-two bytes at a time, the weights per byte (PerByte) or one for
// all; returns how many of count were done.
template <bool PerByte, bool Exact>
__attribute__((target("avx2"))) size_t MixBytesAvx2(uint8_t* a, const uint8_t* b, const MixWeight* w, const int32_t* wa,
                                                    const int32_t* wb, size_t count) {
  const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
  size_t i = 0;
  for (; i + 32 <= count; i += 32) {
    __m256i q[4], near[4] = {};
    for (size_t g = 0; g < 4; ++g) {
      const size_t j = i + g * 8;
      const __m256i va =
          PerByte ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(wa + j)) : _mm256_set1_epi32(*wa);
      const __m256i vb =
          PerByte ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(wb + j)) : _mm256_set1_epi32(*wb);
      q[g] = MixEight<Exact>(a + j, b + j, va, vb, near[g]);
    }
    // Packing runs within 128-bit halves; the permutation puts the four
    // groups of eight back in order.
    const __m256i bytes = _mm256_permutevar8x32_epi32(
        _mm256_packus_epi16(_mm256_packus_epi32(q[0], q[1]), _mm256_packus_epi32(q[2], q[3])), order);
    if constexpr (Exact) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(a + i), bytes);
    } else {
      uint32_t nearMask = 0;
      for (unsigned g = 0; g < 4; ++g) {
        nearMask |= static_cast<uint32_t>(_mm256_movemask_ps(_mm256_castsi256_ps(near[g]))) << (8 * g);
      }
      uint8_t exact[32];
      for (uint32_t m = nearMask; m != 0; m &= m - 1) {
        const size_t j = i + static_cast<size_t>(__builtin_ctz(m));
        exact[j - i] = MixByFormula(a[j], b[j], w[PerByte ? j : 0]);
      }
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(a + i), bytes);
      for (uint32_t m = nearMask; m != 0; m &= m - 1) {
        const size_t k = static_cast<size_t>(__builtin_ctz(m));
        a[i + k] = exact[k];
      }
    }
  }
  return i;
}
#endif

// The weights of a mix over count bytes, each with its fixed-point form.
struct MixPlan {
  std::vector<MixWeight> weights;  // one, or one per byte
  std::vector<int32_t> a, b;       // fixed-point weights, laid out alike
  bool wholeUnits = true;

  void Add(double m, double n) {
    weights.push_back(WeightOf(m, n));
    a.push_back(weights.back().a);
    b.push_back(weights.back().b);
    wholeUnits = wholeUnits && IsWholeUnits(weights.back());
  }
};

template <bool PerByte, bool Exact>
void MixBytesWith(uint8_t* a, const uint8_t* b, const MixPlan& plan, size_t count) {
  size_t i = 0;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  if (HasAvx2()) i = MixBytesAvx2<PerByte, Exact>(a, b, plan.weights.data(), plan.a.data(), plan.b.data(), count);
#endif
  for (; i < count; ++i) a[i] = MixFixed<Exact>(a[i], b[i], plan.weights[PerByte ? i : 0]);
}

// a[i] := RoundEven(a[i] * m + n * b[i]) with the plan's weights (between 0
// and 1, so the result needs no clamping).
template <bool PerByte>
void MixBytes(uint8_t* a, const uint8_t* b, const MixPlan& plan, size_t count) {
  if (plan.wholeUnits) {
    MixBytesWith<PerByte, true>(a, b, plan, count);
  } else {
    MixBytesWith<PerByte, false>(a, b, plan, count);
  }
}

// Applies per-column weights to every row: 1 keeps this picture, 0 takes b,
// anything between mixes.
void MixByColumn(TskEffectBmp& self, const TskEffectBmp& b, const std::vector<double>& weights) {
  const int w = self.Width();
  int first = 0, last = w - 1;
  while (first < w && weights[static_cast<size_t>(first)] == KeepA) ++first;
  while (last >= first && weights[static_cast<size_t>(last)] == KeepA) --last;
  if (first > last) return;
  // The weight of every byte of the changing columns.
  const size_t count = static_cast<size_t>(last - first + 1) * 3;
  MixPlan plan;
  for (size_t i = 0; i < count; ++i) {
    const double m = weights[static_cast<size_t>(first) + i / 3];
    plan.Add(m, 1 - m);
  }
  for (int y = 0; y < self.Height(); ++y) {
    MixBytes<true>(self.Row(y) + first * 3, b.Row(y) + first * 3, plan, count);
  }
}

}  // namespace

void TskEffectBmp::MixColumns(const TskEffectBmp& b, int from, int to, int direction, double step) {
  std::vector<double> weights(static_cast<size_t>(Width()), KeepA);
  FadeWeights(weights, from, to, direction, step);
  MixByColumn(*this, b, weights);
}

void TskEffectBmp::MorphBlend(const TskEffectBmp& b, double k) {
  if (!SameSize(b) || bitmap_.Empty()) return;
  k = Clamp01(k);
  const size_t count = static_cast<size_t>(Width()) * 3;
  MixPlan plan;
  plan.Add(1 - k, k);
  // Without the wide path large pictures go through a table of every pair.
  if (HasAvx2() || count * static_cast<size_t>(Height()) < 65536) {
    for (int y = 0; y < Height(); ++y) MixBytes<false>(Row(y), b.Row(y), plan, count);
    return;
  }
  std::vector<uint8_t> table(65536);
  for (int a = 0; a < 256; ++a) {
    for (int bb = 0; bb < 256; ++bb) {
      table[static_cast<size_t>(a << 8 | bb)] =
          MixByFormula(static_cast<uint8_t>(a), static_cast<uint8_t>(bb), plan.weights[0]);
    }
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
    MixPlan plan;
    plan.Add(m, 1 - m);
    MixBytes<false>(p, q, plan, count);
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

// A channel table as a straight line never more than one step above it:
// line(c) = (((c * m) >> 8) + n) >> 8, which runs in 16-bit lanes, and
// table(c) = line(c) - 1 exactly for the c marked in above (a 256-bit set).
// Rounding ties to even, and the double arithmetic a table comes from, bend
// it away from any one line by a step here and there; the marks put those
// steps back, so the packed result is the table's bit for bit.
struct ChannelLine {
  uint16_t m = 0, n = 0;
  std::array<uint8_t, 32> above{};
};

static bool FitLine(const std::array<uint8_t, 256>& table, double slope, ChannelLine& line) {
  const int64_t centre = static_cast<int64_t>(slope * 65536 + 0.5);
  for (int64_t dm = 0; dm <= 24; dm = dm <= 0 ? 1 - dm : -dm) {
    const int64_t m = centre + dm;
    if (m < 0 || m > 65535) continue;
    // The lowest n whose line stays within one step above every entry and
    // below 256 (so the 16-bit sum does not overflow).
    int64_t lo = 0, hi = 65536;
    for (int64_t c = 0; c < 256 && lo < hi; ++c) {
      const int64_t t = table[static_cast<size_t>(c)];
      const int64_t a = (c * m) >> 8;
      lo = std::max(lo, t * 256 - a);
      hi = std::min({hi, (t + 2) * 256 - a, 65536 - a});
    }
    if (lo >= hi) continue;
    line.m = static_cast<uint16_t>(m);
    line.n = static_cast<uint16_t>(lo);
    line.above.fill(0);
    for (int64_t c = 0; c < 256; ++c) {
      if ((((c * m) >> 8) + lo) >> 8 != table[static_cast<size_t>(c)]) {
        line.above[static_cast<size_t>(c >> 3)] |= static_cast<uint8_t>(1u << (c & 7));
      }
    }
    return true;
  }
  return false;
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// The line over sixteen channel values in 16-bit lanes.
__attribute__((target("avx2"))) static inline __m256i OnLine(__m256i c, __m256i m, __m256i n) {
  return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mulhi_epu16(_mm256_slli_epi16(c, 8), m), n), 8);
}

// The line and its marks over 32 channel values at a time; returns how many
// of count were mapped.
__attribute__((target("avx2"))) static size_t MapLineAvx2(uint8_t* p, size_t count, const ChannelLine& line) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i m = _mm256_set1_epi16(static_cast<short>(line.m));
  const __m256i n = _mm256_set1_epi16(static_cast<short>(line.n));
  const __m128i* marks = reinterpret_cast<const __m128i*>(line.above.data());
  const __m256i marksLow = _mm256_broadcastsi128_si256(_mm_loadu_si128(marks));
  const __m256i marksHigh = _mm256_broadcastsi128_si256(_mm_loadu_si128(marks + 1));
  const __m256i bits = _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32,
                                        64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
  size_t i = 0;
  for (; i + 32 <= count; i += 32) {
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + i));
    const __m256i value =
        _mm256_packus_epi16(OnLine(_mm256_unpacklo_epi8(v, zero), m, n), OnLine(_mm256_unpackhi_epi8(v, zero), m, n));
    // Byte c >> 3 of the marks: a shuffle reads 16 bytes, so the low and the
    // high half each answer for their indexes and give 0 for the others.
    const __m256i index = _mm256_and_si256(_mm256_srli_epi16(v, 3), _mm256_set1_epi8(0x1F));
    const __m256i markByte =
        _mm256_or_si256(_mm256_shuffle_epi8(marksLow, _mm256_adds_epu8(index, _mm256_set1_epi8(0x70))),
                        _mm256_shuffle_epi8(marksHigh, _mm256_sub_epi8(index, _mm256_set1_epi8(16))));
    const __m256i bit = _mm256_shuffle_epi8(bits, _mm256_and_si256(v, _mm256_set1_epi8(7)));
    const __m256i above = _mm256_cmpeq_epi8(_mm256_and_si256(markByte, bit), bit);  // -1 where marked
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p + i), _mm256_add_epi8(value, above));
  }
  return i;
}
#endif

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Sixty-four bytes through a table held in four registers: a byte permute
// picks among 128 entries, so one permute answers for bytes below 128, one
// for the rest, and the top bit chooses. Exact for any table.
#define SK_AVX512_BYTES __attribute__((target("avx512f,avx512bw,avx512vbmi")))
SK_AVX512_BYTES static inline __m512i MapByTable(__m512i v, __m512i t0, __m512i t1, __m512i t2, __m512i t3) {
  return _mm512_mask_blend_epi8(_mm512_movepi8_mask(v), _mm512_permutex2var_epi8(t0, v, t1),
                                _mm512_permutex2var_epi8(t2, v, t3));
}

// A row through the table. Its end goes through masked loads and stores,
// which touch nothing past it.
SK_AVX512_BYTES static void MapTableAvx512(uint8_t* p, size_t count, const uint8_t* table) {
  const __m512i t0 = _mm512_loadu_si512(table), t1 = _mm512_loadu_si512(table + 64);
  const __m512i t2 = _mm512_loadu_si512(table + 128), t3 = _mm512_loadu_si512(table + 192);
  size_t i = 0;
  for (; i + 64 <= count; i += 64) _mm512_storeu_si512(p + i, MapByTable(_mm512_loadu_si512(p + i), t0, t1, t2, t3));
  if (i < count) {
    const __mmask64 rest = static_cast<__mmask64>((uint64_t{1} << (count - i)) - 1);
    _mm512_mask_storeu_epi8(p + i, rest, MapByTable(_mm512_maskz_loadu_epi8(rest, p + i), t0, t1, t2, t3));
  }
}
#endif

// Maps every channel byte of every pixel through a table (of slope slope).
static void MapChannels(TskEffectBmp& bmp, const std::array<uint8_t, 256>& table, double slope) {
  const size_t count = static_cast<size_t>(bmp.Width()) * 3;
  bool identity = true;
  for (int c = 0; c < 256 && identity; ++c) identity = table[static_cast<size_t>(c)] == c;
  if (identity) return;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  if (HasAvx512Bytes()) {
    for (int y = 0; y < bmp.Height(); ++y) MapTableAvx512(bmp.Row(y), count, table.data());
    return;
  }
#endif
  ChannelLine line;
  const bool packed = HasAvx2() && FitLine(table, slope, line);
  for (int y = 0; y < bmp.Height(); ++y) {
    uint8_t* p = bmp.Row(y);
    size_t i = 0;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    if (packed) i = MapLineAvx2(p, count, line);
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
    for (int s = 0; s <= 25500; ++s)
      t[static_cast<size_t>(s)] = s % 100 == 50 ? GreyTie : static_cast<uint16_t>((s + 50) / 100);
    return t;
  }();
  return table;
}

// The grey of one pixel straight from the formula.
inline uint8_t GreyByFormula(const uint8_t* p) { return RoundEvenByte(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]); }

inline uint8_t GreyOf(const uint8_t* p) {
  const uint16_t g = GreyTable()[static_cast<size_t>(30 * p[2] + 59 * p[1] + 11 * p[0])];
  return g == GreyTie ? GreyByFormula(p) : static_cast<uint8_t>(g);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// The 12 low bytes of each half of v as 24 bytes at p. Exactly those: a
// store reaching into bytes the next step loads would stall that load.
__attribute__((target("avx2"))) inline void StoreTwentyFour(uint8_t* p, __m256i v) {
  const __m256i packed = _mm256_permutevar8x32_epi32(v, _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 7, 7));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm256_castsi256_si128(packed));
  _mm_storel_epi64(reinterpret_cast<__m128i*>(p + 16), _mm256_extracti128_si256(packed, 1));
}

// Eight pixels at a time, four in each 128-bit half; returns how many of the
// row's w pixels were done. Each half loads 16 bytes for its 12, so the loop
// stops 2 pixels short of the row's end.
__attribute__((target("avx2"))) size_t GrayscaleAvx2(uint8_t* row, size_t w) {
  // b, g, r of each pixel in one 32-bit slot, weighed 11, 59, 30.
  const __m256i spread = _mm256_setr_epi8(0, 1, 2, -128, 3, 4, 5, -128, 6, 7, 8, -128, 9, 10, 11, -128, 0, 1, 2, -128,
                                          3, 4, 5, -128, 6, 7, 8, -128, 9, 10, 11, -128);
  const __m256i weights = _mm256_setr_epi8(11, 59, 30, 0, 11, 59, 30, 0, 11, 59, 30, 0, 11, 59, 30, 0, 11, 59, 30, 0,
                                           11, 59, 30, 0, 11, 59, 30, 0, 11, 59, 30, 0);
  // The low byte of grey i into bytes 3i .. 3i + 2.
  const __m256i gather =
      _mm256_setr_epi8(0, 0, 0, 2, 2, 2, 4, 4, 4, 6, 6, 6, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 4, 4, 4, 6, 6, 6, 0, 0, 0, 0);
  size_t x = 0;
  for (; x + 10 <= w; x += 8) {
    uint8_t* p = row + x * 3;
    const __m256i v =
        _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))),
                                _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 12)), 1);
    const __m256i pairs = _mm256_maddubs_epi16(_mm256_shuffle_epi8(v, spread), weights);
    const __m256i sums = _mm256_madd_epi16(pairs, _mm256_set1_epi16(1));  // 30 r + 59 g + 11 b
    const __m256i t = _mm256_add_epi16(_mm256_packs_epi32(sums, sums), _mm256_set1_epi16(50));
    // (s + 50) / 100 by multiplication (exact up to 25550); s mod 100 = 50
    // is a tie, left to the formula.
    const __m256i grey = _mm256_srli_epi16(_mm256_mulhi_epu16(t, _mm256_set1_epi16(static_cast<short>(41944))), 6);
    const __m256i tie = _mm256_cmpeq_epi16(_mm256_mullo_epi16(grey, _mm256_set1_epi16(100)), t);
    const unsigned ties = static_cast<unsigned>(_mm256_movemask_epi8(tie)) & 0x00FF00FFu;
    const __m256i out = _mm256_shuffle_epi8(grey, gather);
    if (ties == 0) {
      StoreTwentyFour(p, out);
      continue;
    }
    uint8_t exact[8] = {};
    const auto isTie = [ties](unsigned j) { return (ties & (1u << ((j & 4) * 4 + (j & 3) * 2))) != 0; };
    for (unsigned j = 0; j < 8; ++j) {
      if (isTie(j)) exact[j] = GreyByFormula(p + j * 3);
    }
    StoreTwentyFour(p, out);
    for (unsigned j = 0; j < 8; ++j) {
      if (isTie(j)) std::memset(p + j * 3, exact[j], 3);
    }
  }
  return x;
}

// Where the weighted sum is a tie, which way the formula rounds: for red r
// and green g, a tie needs blue = b0 mod 100 (11 is invertible mod 100), so
// at most three blues, b0, b0 + 100 and b0 + 200; bit blue / 100 of byte
// 256 r + g is set where the formula gives the upper grey (s + 50) / 100.
// Worked out once by the formula itself; three spare bytes let 32-bit loads
// read the last entry.
const std::vector<uint8_t>& GreyTieRoundsUp() {
  static const auto table = [] {
    std::vector<uint8_t> t(65536 + 3, 0);
    for (int r = 0; r < 256; ++r) {
      for (int g = 0; g < 256; ++g) {
        for (int b = (91 * (50 - 30 * r - 59 * g) % 100 + 100) % 100; b < 256; b += 100) {
          const uint8_t p[3] = {static_cast<uint8_t>(b), static_cast<uint8_t>(g), static_cast<uint8_t>(r)};
          if (GreyByFormula(p) == (30 * r + 59 * g + 11 * b + 50) / 100)
            t[static_cast<size_t>(r * 256 + g)] |= static_cast<uint8_t>(1u << (b / 100));
        }
      }
    }
    return t;
  }();
  return table;
}

// Sixteen pixels at a time, the row's end through masked loads and stores.
// The sums and the division are those of the AVX2 path, in 32-bit slots.
SK_AVX512_BYTES void GrayscaleAvx512(uint8_t* row, size_t w) {
  static const auto indexes = [] {
    std::array<uint8_t, 128> t{};
    for (int i = 0; i < 64; ++i) {
      t[static_cast<size_t>(i)] = static_cast<uint8_t>(i % 4 == 3 ? 0 : i / 4 * 3 + i % 4);  // b, g, r into slot i / 4
      t[static_cast<size_t>(64 + i)] = static_cast<uint8_t>(i < 48 ? i / 3 * 4 : 0);         // grey j into 3j .. 3j + 2
    }
    return t;
  }();
  const __m512i spread = _mm512_loadu_si512(indexes.data());
  const __m512i gather = _mm512_loadu_si512(indexes.data() + 64);
  const __mmask64 channels = static_cast<__mmask64>(0x7777777777777777u);  // the fourth byte of each slot is zero
  const __m512i weights = _mm512_set1_epi32(0x001E3B0B);                   // 11 blue, 59 green, 30 red
  const uint8_t* up = GreyTieRoundsUp().data();
  for (size_t x = 0; x < w; x += 16) {
    uint8_t* p = row + x * 3;
    const size_t n = std::min<size_t>(16, w - x);
    const __mmask64 bytes = static_cast<__mmask64>((uint64_t{1} << (3 * n)) - 1);
    const __m512i v = _mm512_maskz_permutexvar_epi8(channels, spread, _mm512_maskz_loadu_epi8(bytes, p));
    const __m512i sums = _mm512_madd_epi16(_mm512_maddubs_epi16(v, weights), _mm512_set1_epi16(1));
    const __m512i t = _mm512_add_epi32(sums, _mm512_set1_epi32(50));
    // (s + 50) / 100 in the low word of each slot; the high words stay 0.
    const __m512i grey = _mm512_srli_epi16(_mm512_mulhi_epu16(t, _mm512_set1_epi16(static_cast<short>(41944))), 6);
    const __mmask16 ties = _mm512_cmpeq_epi32_mask(_mm512_mullo_epi16(grey, _mm512_set1_epi16(100)), t);
    // Ties hold the upper grey; the table says which keep it.
    unsigned lower = 0;
    for (unsigned t = _cvtmask16_u32(ties); t != 0; t &= t - 1) {
      const unsigned j = static_cast<unsigned>(__builtin_ctz(t));
      const uint8_t* q = p + 3 * j;
      if (((up[q[2] * 256 + q[1]] >> (q[0] / 100)) & 1) == 0) lower |= 1u << j;
    }
    const __m512i exact = _mm512_mask_sub_epi32(grey, _cvtu32_mask16(lower), grey, _mm512_set1_epi32(1));
    const __m512i out = _mm512_permutexvar_epi8(gather, exact);
    if (n == 16) {
      // Plain stores: a masked store to memory costs several times more.
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), _mm512_castsi512_si256(out));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 32), _mm512_extracti32x4_epi32(out, 2));
    } else {
      _mm512_mask_storeu_epi8(p, bytes, out);
    }
  }
}
#endif

}  // namespace

void TskEffectBmp::ApplyGrayscale() {
  const size_t w = static_cast<size_t>(Width());
  for (int y = 0; y < Height(); ++y) {
    uint8_t* row = Row(y);
    size_t x = 0;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    if (HasAvx512Bytes()) {
      GrayscaleAvx512(row, w);
      continue;
    }
    if (HasAvx2()) x = GrayscaleAvx2(row, w);
#endif
    for (uint8_t* p = row + x * 3; x < w; ++x, p += 3) p[0] = p[1] = p[2] = GreyOf(p);
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
