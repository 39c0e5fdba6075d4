// A stack blur: each output is the triangle-weighted sum of the 2r + 1
// samples around it (weights 1, 2, .. r + 1, .. 2, 1) divided by (r + 1)^2.
// Moving one sample along, the samples ahead gain one weight and those
// behind lose one, so three running sums per channel give every output in
// constant time whatever the radius.
#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <vector>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

#include "skin/pixels/skEffectsBitmap.h"
#include "skin/pixels/skEffectsSimd.h"

namespace sk {
namespace {

// floor(sum / d) for sum <= 255 * d, by multiplication: with the smallest k
// where 255 * d^2 < 2^k and m = ceil(2^k / d), the error stays below 1 / d,
// m fits 32 bits and sum * m fits 64 for every d up to (MaxBlurRadius + 1)^2.
struct Divider {
  uint64_t m;
  unsigned k;
  explicit Divider(uint64_t d) : m(0), k(0) {
    while ((uint64_t{1} << k) <= 255 * d * d) ++k;
    m = ((uint64_t{1} << k) + d - 1) / d;
  }
  uint32_t operator()(uint32_t sum) const { return static_cast<uint32_t>((sum * m) >> k); }
};

inline int Clamp(int i, int n) { return i < 0 ? 0 : (i >= n ? n - 1 : i); }

// Running sums of the three channels along a line; every sum of the largest
// radius stays below 2^32.
struct Sums {
  uint32_t total[3] = {0, 0, 0};
  uint32_t ahead[3] = {0, 0, 0};   // samples i+1 .. i+r+1
  uint32_t behind[3] = {0, 0, 0};  // samples i-r .. i
};

inline void Add(uint32_t* s, uint32_t p, uint32_t weight) {
  s[0] += (p & 0xFF) * weight;
  s[1] += ((p >> 8) & 0xFF) * weight;
  s[2] += ((p >> 16) & 0xFF) * weight;
}
inline void Sub(uint32_t* s, uint32_t p) {
  s[0] -= p & 0xFF;
  s[1] -= (p >> 8) & 0xFF;
  s[2] -= (p >> 16) & 0xFF;
}

inline uint32_t Output(const Divider& divide, const uint32_t* total) {
  return 0xFF000000u | divide(total[0]) | divide(total[1]) << 8 | divide(total[2]) << 16;
}

// One step along a line: the sample at i + 1 moves from ahead to behind,
// the one at i + r + 2 enters ahead and the one at i - r leaves behind.
inline void Step(Sums& s, uint32_t next, uint32_t enter, uint32_t leave) {
  for (int c = 0; c < 3; ++c) s.total[c] = s.total[c] + s.ahead[c] - s.behind[c];
  Sub(s.ahead, next);
  Add(s.ahead, enter, 1);
  Add(s.behind, next, 1);
  Sub(s.behind, leave);
}

// The sums before the first pixel of a row of n pixels.
Sums StartRow(const uint32_t* in, int n, int r) {
  Sums s;
  for (int j = -r; j <= r; ++j) Add(s.total, in[Clamp(j, n)], static_cast<uint32_t>(r + 1 - std::abs(j)));
  for (int j = 1; j <= r + 1; ++j) Add(s.ahead, in[Clamp(j, n)], 1);
  for (int j = -r; j <= 0; ++j) Add(s.behind, in[Clamp(j, n)], 1);
  return s;
}

// Blurs one row of n pixels from in to out.
void BlurRow(const uint32_t* in, uint32_t* out, int n, int r, const Divider& divide) {
  Sums s = StartRow(in, n, r);
  // Away from the ends no index needs clamping.
  const int inner0 = std::min(n, r);
  const int inner1 = std::max(inner0, n - r - 2);
  int i = 0;
  for (; i < inner0; ++i) {
    out[i] = Output(divide, s.total);
    Step(s, in[Clamp(i + 1, n)], in[Clamp(i + r + 2, n)], in[Clamp(i - r, n)]);
  }
  for (; i < inner1; ++i) {
    out[i] = Output(divide, s.total);
    Step(s, in[i + 1], in[i + r + 2], in[i - r]);
  }
  for (; i < n; ++i) {
    out[i] = Output(divide, s.total);
    Step(s, in[Clamp(i + 1, n)], in[Clamp(i + r + 2, n)], in[Clamp(i - r, n)]);
  }
}

// The column sums of a whole row of columns, one array per sum and channel
// so that the walk down the columns runs across plain arrays.
struct ColumnSums {
  std::vector<uint32_t> total[3], ahead[3], behind[3];
  explicit ColumnSums(int w) {
    for (int c = 0; c < 3; ++c) {
      total[c].assign(static_cast<size_t>(w), 0);
      ahead[c].assign(static_cast<size_t>(w), 0);
      behind[c].assign(static_cast<size_t>(w), 0);
    }
  }
};

void AddRow(std::vector<uint32_t>* sums, const uint32_t* p, int w, uint32_t weight) {
  for (int c = 0; c < 3; ++c) {
    uint32_t* s = sums[c].data();
    const int shift = 8 * c;
    for (int x = 0; x < w; ++x) s[x] += ((p[x] >> shift) & 0xFF) * weight;
  }
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Radii whose sums stay below 2^31, as the packed conversion to double needs.
constexpr int MaxPackedBlurRadius = 2900;

// floor(sum / d) of eight sums as floor((sum + 0.5) * (1 / d)) in doubles:
// the half keeps every quotient at least 0.5 / d away from an integer, far
// beyond the error of the product, so the result is exact.
__attribute__((target("avx2"))) inline __m256i DividePacked(__m256i sums, __m256d inverse) {
  const __m256d half = _mm256_set1_pd(0.5);
  const __m128i low = _mm256_cvttpd_epi32(
      _mm256_mul_pd(_mm256_add_pd(_mm256_cvtepi32_pd(_mm256_castsi256_si128(sums)), half), inverse));
  const __m128i high = _mm256_cvttpd_epi32(
      _mm256_mul_pd(_mm256_add_pd(_mm256_cvtepi32_pd(_mm256_extracti128_si256(sums, 1)), half), inverse));
  return _mm256_inserti128_si256(_mm256_castsi128_si256(low), high, 1);
}

// One output row of the column pass, eight columns at a time, moving the
// sums on by a row; returns how many of the w columns were done.
__attribute__((target("avx2"))) int ColumnRowAvx2(ColumnSums& sums, uint32_t* out, const uint32_t* next,
                                                  const uint32_t* enter, const uint32_t* leave, int w, double inverse) {
  const __m256d inv = _mm256_set1_pd(inverse);
  const __m256i low8 = _mm256_set1_epi32(0xFF);
  int x = 0;
  for (; x + 8 <= w; x += 8) {
    const __m256i nextPixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(next + x));
    const __m256i enterPixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(enter + x));
    const __m256i leavePixels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(leave + x));
    __m256i pixel = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    for (int c = 0; c < 3; ++c) {
      const __m128i shift = _mm_cvtsi32_si128(8 * c);
      __m256i* total = reinterpret_cast<__m256i*>(sums.total[c].data() + x);
      __m256i* ahead = reinterpret_cast<__m256i*>(sums.ahead[c].data() + x);
      __m256i* behind = reinterpret_cast<__m256i*>(sums.behind[c].data() + x);
      const __m256i t = _mm256_loadu_si256(total);
      const __m256i a = _mm256_loadu_si256(ahead);
      const __m256i b = _mm256_loadu_si256(behind);
      pixel = _mm256_or_si256(pixel, _mm256_sll_epi32(DividePacked(t, inv), shift));
      const __m256i n = _mm256_and_si256(_mm256_srl_epi32(nextPixels, shift), low8);
      const __m256i e = _mm256_and_si256(_mm256_srl_epi32(enterPixels, shift), low8);
      const __m256i l = _mm256_and_si256(_mm256_srl_epi32(leavePixels, shift), low8);
      _mm256_storeu_si256(total, _mm256_sub_epi32(_mm256_add_epi32(t, a), b));
      _mm256_storeu_si256(ahead, _mm256_add_epi32(_mm256_sub_epi32(a, n), e));
      _mm256_storeu_si256(behind, _mm256_sub_epi32(_mm256_add_epi32(b, n), l));
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + x), pixel);
  }
  return x;
}

// The channels of a pixel in 32-bit lanes. The alpha lane runs along
// unused: its sums may wrap, and its output byte is overwritten.
__attribute__((target("avx2"))) inline __m128i Channels(uint32_t p) {
  return _mm_cvtepu8_epi32(_mm_cvtsi32_si128(static_cast<int>(p)));
}

// The running sums with their channels side by side in one register.
struct PackedSums {
  __m128i total, ahead, behind;
};

__attribute__((target("avx2"))) inline void StepPacked(PackedSums& s, uint32_t next, uint32_t enter, uint32_t leave) {
  const __m128i n = Channels(next);
  s.total = _mm_sub_epi32(_mm_add_epi32(s.total, s.ahead), s.behind);
  s.ahead = _mm_add_epi32(_mm_sub_epi32(s.ahead, n), Channels(enter));
  s.behind = _mm_sub_epi32(_mm_add_epi32(s.behind, n), Channels(leave));
}

// floor(total / d) of the three channels as one opaque pixel, exactly as
// DividePacked explains.
__attribute__((target("avx2"))) inline uint32_t OutputPacked(__m128i total, __m256d inverse) {
  const __m128i q =
      _mm256_cvttpd_epi32(_mm256_mul_pd(_mm256_add_pd(_mm256_cvtepi32_pd(total), _mm256_set1_pd(0.5)), inverse));
  return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(_mm_packus_epi32(q, q), q))) | 0xFF000000u;
}

__attribute__((target("avx2"))) inline __m128i Packed(const uint32_t* channels) {
  return _mm_setr_epi32(static_cast<int>(channels[0]), static_cast<int>(channels[1]), static_cast<int>(channels[2]), 0);
}

// BlurRow with packed sums.
__attribute__((target("avx2"))) void BlurRowAvx2(const uint32_t* in, uint32_t* out, int n, int r, double inverse) {
  const Sums start = StartRow(in, n, r);
  PackedSums s{Packed(start.total), Packed(start.ahead), Packed(start.behind)};
  const __m256d inv = _mm256_set1_pd(inverse);
  const int inner0 = std::min(n, r);
  const int inner1 = std::max(inner0, n - r - 2);
  int i = 0;
  for (; i < inner0; ++i) {
    out[i] = OutputPacked(s.total, inv);
    StepPacked(s, in[Clamp(i + 1, n)], in[Clamp(i + r + 2, n)], in[Clamp(i - r, n)]);
  }
  for (; i < inner1; ++i) {
    out[i] = OutputPacked(s.total, inv);
    StepPacked(s, in[i + 1], in[i + r + 2], in[i - r]);
  }
  for (; i < n; ++i) {
    out[i] = OutputPacked(s.total, inv);
    StepPacked(s, in[Clamp(i + 1, n)], in[Clamp(i + r + 2, n)], in[Clamp(i - r, n)]);
  }
}
#endif

}  // namespace

void BlurImage(TskBitmap& bitmap, int radius) {
  if (radius <= 0 || bitmap.Empty()) return;
  const int r = std::min(radius, MaxBlurRadius);
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  const Divider divide(static_cast<uint64_t>(r + 1) * static_cast<uint64_t>(r + 1));

  // Rows into a scratch picture, then columns back; the columns are walked
  // all together a row at a time so memory is read in order.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  const bool packed = HasAvx2() && r <= MaxPackedBlurRadius;
  const double inverse = 1.0 / (static_cast<double>(r + 1) * (r + 1));
#endif
  std::vector<uint32_t> rows(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) {
    uint32_t* out = rows.data() + static_cast<size_t>(y) * w;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    if (packed) {
      BlurRowAvx2(bitmap.Row(y), out, w, r, inverse);
      continue;
    }
#endif
    BlurRow(bitmap.Row(y), out, w, r, divide);
  }

  const auto line = [&](int y) { return rows.data() + static_cast<size_t>(Clamp(y, h)) * w; };
  ColumnSums sums(w);
  for (int j = -r; j <= r; ++j) AddRow(sums.total, line(j), w, static_cast<uint32_t>(r + 1 - std::abs(j)));
  for (int j = 1; j <= r + 1; ++j) AddRow(sums.ahead, line(j), w, 1);
  for (int j = -r; j <= 0; ++j) AddRow(sums.behind, line(j), w, 1);
  for (int y = 0; y < h; ++y) {
    uint32_t* out = bitmap.Row(y);
    const uint32_t* next = line(y + 1);
    const uint32_t* enter = line(y + r + 2);
    const uint32_t* leave = line(y - r);
    int done = 0;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    if (packed) done = ColumnRowAvx2(sums, out, next, enter, leave, w, inverse);
#endif
    for (int x = done; x < w; ++x) out[x] = 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
      uint32_t* total = sums.total[c].data();
      uint32_t* ahead = sums.ahead[c].data();
      uint32_t* behind = sums.behind[c].data();
      const int shift = 8 * c;
      for (int x = done; x < w; ++x) {
        out[x] |= divide(total[x]) << shift;
        const uint32_t n = (next[x] >> shift) & 0xFF;
        total[x] = total[x] + ahead[x] - behind[x];
        ahead[x] = ahead[x] - n + ((enter[x] >> shift) & 0xFF);
        behind[x] = behind[x] + n - ((leave[x] >> shift) & 0xFF);
      }
    }
  }
}

}  // namespace sk
