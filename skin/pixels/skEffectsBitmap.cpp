#include "skin/pixels/skEffectsBitmap.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

#include "framework/Exceptions.h"
#include "skin/pixels/skEffectsMath.h"
#include "skin/pixels/skEffectsSimd.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {
namespace {

using fw::TBitmap;
using fw::TPixelFormat;
using fw::TRect;

bool ProbeMmx() {
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  return __builtin_cpu_supports("mmx");
#else
  return false;
#endif
}

std::atomic<bool>& MmxBlendFlag() {
  static std::atomic<bool> flag{ProbeMmx()};
  return flag;
}

constexpr uint32_t KeyPixel = ColorToPixel(SkinTransparentKeyColor) & 0x00FFFFFFu;

template <bool Mmx>
inline uint32_t BlendPixel(uint32_t s, uint32_t d) {
  const int a = static_cast<int>(s >> 24);
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const int sc = static_cast<int>((s >> shift) & 0xFF);
    const int dc = static_cast<int>((d >> shift) & 0xFF);
    const int v = Mmx ? BlendChannelMmx(a, sc, dc) : BlendChannelPlain(a, sc, dc);
    out |= static_cast<uint32_t>(v) << shift;
  }
  return out;
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Eight pixels at a time where the processor has 256-bit integer lanes; the
// same integer formulas as below, so the same result bit for bit.
template <bool Mmx>
__attribute__((target("avx2"))) inline __m256i BlendHalfAvx2(__m256i s, __m256i d, __m256i full) {
  const __m256i a = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(s, 0xFF), 0xFF);
  const __m256i sum = _mm256_add_epi16(_mm256_mullo_epi16(a, s), _mm256_mullo_epi16(_mm256_sub_epi16(full, a), d));
  return _mm256_srli_epi16(sum, 8);
}

template <bool Mmx>
__attribute__((target("avx2"))) int BlendRowAvx2(uint32_t* dst, const uint32_t* src, int n) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  const __m256i full = _mm256_set1_epi16(Mmx ? 256 : 255);
  const __m256i maxAlpha = _mm256_set1_epi32(255);
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
    const __m256i d = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(dst + i));
    const __m256i alpha = _mm256_srli_epi32(s, 24);
    const __m256i none = _mm256_cmpeq_epi32(alpha, zero);
    if (_mm256_movemask_epi8(none) == -1) continue;
    const __m256i all = _mm256_cmpeq_epi32(alpha, maxAlpha);
    const __m256i lo = BlendHalfAvx2<Mmx>(_mm256_unpacklo_epi8(s, zero), _mm256_unpacklo_epi8(d, zero), full);
    const __m256i hi = BlendHalfAvx2<Mmx>(_mm256_unpackhi_epi8(s, zero), _mm256_unpackhi_epi8(d, zero), full);
    const __m256i mixed = _mm256_or_si256(_mm256_packus_epi16(lo, hi), opaque);
    const __m256i out = _mm256_or_si256(_mm256_or_si256(_mm256_and_si256(none, d), _mm256_and_si256(all, s)),
                                        _mm256_andnot_si256(_mm256_or_si256(none, all), mixed));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), out);
  }
  return i;
}
#endif

template <bool Mmx>
void BlendRow(uint32_t* dst, const uint32_t* src, int n) {
  int i = 0;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  if (HasAvx2()) i = BlendRowAvx2<Mmx>(dst, src, n);
#endif
#if defined(__SSE2__)
  // Four pixels at a time in 16-bit lanes; the same integer formulas, so the
  // result is bit for bit the one below.
  const __m128i zero = _mm_setzero_si128();
  const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i full = _mm_set1_epi16(Mmx ? 256 : 255);
  const auto half = [&](__m128i s, __m128i d) {
    const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(s, 0xFF), 0xFF);
    const __m128i sum = _mm_add_epi16(_mm_mullo_epi16(a, s), _mm_mullo_epi16(_mm_sub_epi16(full, a), d));
    return _mm_srli_epi16(sum, 8);
  };
  for (; i + 4 <= n; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i alpha = _mm_srli_epi32(s, 24);
    const __m128i none = _mm_cmpeq_epi32(alpha, zero);
    const __m128i all = _mm_cmpeq_epi32(alpha, _mm_set1_epi32(255));
    if (_mm_movemask_epi8(none) == 0xFFFF) continue;
    const __m128i lo = half(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(d, zero));
    const __m128i hi = half(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(d, zero));
    const __m128i mixed = _mm_or_si128(_mm_packus_epi16(lo, hi), opaque);
    const __m128i out = _mm_or_si128(_mm_or_si128(_mm_and_si128(none, d), _mm_and_si128(all, s)),
                                     _mm_andnot_si128(_mm_or_si128(none, all), mixed));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out);
  }
#endif
  for (; i < n; ++i) {
    const uint32_t s = src[i];
    const uint32_t a = s >> 24;
    if (a == 0) continue;
    dst[i] = a == 255 ? s : BlendPixel<Mmx>(s, dst[i]);
  }
}

void TransparentRow(uint32_t* dst, const uint32_t* src, int n) {
  for (int i = 0; i < n; ++i) {
    if ((src[i] & 0x00FFFFFFu) != KeyPixel) dst[i] = src[i] | 0xFF000000u;
  }
}

enum class Mode { Copy, Blend, Transparent };

// One axis of a nearest-pixel stretch: destination index i (from the
// destination rectangle's start, before clipping) takes source
// RoundEven(s0 + i * (sw - 1) / (dw - 1)), rounded as a whole.
// The destination may reach from one end of int to the other, so its length
// and offsets are 64-bit; a source lies inside a picture (under 2^30 pixels
// wide), which keeps every product below 2^62.
struct StretchAxis {
  int s0, s1;  // clipped source range
  int64_t dw;  // destination length before clipping
  int Map(int64_t i) const {
    const int64_t sw = s1 - s0;
    if (sw == dw) return static_cast<int>(s0 + i);
    if (dw < 2) return (s0 + s1 - 1) / 2;
    return static_cast<int>(RoundEvenDiv(int64_t{s0} * (dw - 1) + i * (sw - 1), dw - 1));
  }
};

void DrawRows(const TskBitmap& source, uint8_t* dstBits, ptrdiff_t dstStride, int dstWidth, int dstHeight,
              const TRect& destRect, const TRect& sourceRect, Mode mode) {
  const TRect src{std::max(sourceRect.left, 0), std::max(sourceRect.top, 0), std::min(sourceRect.right, source.Width()),
                  std::min(sourceRect.bottom, source.Height())};
  const int64_t dw = int64_t{destRect.right} - destRect.left;
  const int64_t dh = int64_t{destRect.bottom} - destRect.top;
  if (IsNullRect(src) || dw <= 0 || dh <= 0) return;
  const TRect clip{std::max(destRect.left, 0), std::max(destRect.top, 0), std::min(destRect.right, dstWidth),
                   std::min(destRect.bottom, dstHeight)};
  if (IsNullRect(clip)) return;
  const bool sameSize = src.Width() == dw && src.Height() == dh;
  const StretchAxis xs{src.left, src.right, dw};
  const StretchAxis ys{src.top, src.bottom, dh};
  const int n = clip.Width();

  // The column map is worked out once per drawing.
  std::vector<int> columns;
  if (!sameSize) {
    columns.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) columns[static_cast<size_t>(i)] = xs.Map(int64_t{clip.left} + i - destRect.left);
  }
  std::vector<uint32_t> mapped(sameSize ? 0 : static_cast<size_t>(n));
  int mappedRow = -1;
  uint32_t* previousOut = nullptr;
  const bool mmx = UsesMmxBlend();

  for (int y = clip.top; y < clip.bottom; ++y) {
    const int sy = ys.Map(int64_t{y} - destRect.top);
    uint32_t* out = reinterpret_cast<uint32_t*>(dstBits + y * dstStride) + clip.left;
    const uint32_t* line;
    if (sameSize) {
      line = source.Row(sy) + (int64_t{src.left} + clip.left - destRect.left);
    } else {
      if (sy == mappedRow && mode == Mode::Copy && previousOut) {
        // The same source row again: the previous destination row is it.
        std::memcpy(out, previousOut, static_cast<size_t>(n) * 4);
        previousOut = out;
        continue;
      }
      if (sy != mappedRow) {
        const uint32_t* row = source.Row(sy);
        for (int i = 0; i < n; ++i) mapped[static_cast<size_t>(i)] = row[columns[static_cast<size_t>(i)]];
        mappedRow = sy;
      }
      line = mapped.data();
    }
    switch (mode) {
      case Mode::Copy: std::memcpy(out, line, static_cast<size_t>(n) * 4); break;
      case Mode::Blend:
        if (mmx) {
          BlendRow<true>(out, line, n);
        } else {
          BlendRow<false>(out, line, n);
        }
        break;
      case Mode::Transparent: TransparentRow(out, line, n); break;
    }
    previousOut = out;
  }
}

Mode ModeOf(const TskBitmap& b) {
  if (b.AlphaBlend()) return Mode::Blend;
  if (b.Transparent()) return Mode::Transparent;
  return Mode::Copy;
}

}  // namespace

bool UsesMmxBlend() { return MmxBlendFlag().load(std::memory_order_relaxed); }
void SetMmxBlend(bool on) { MmxBlendFlag().store(on, std::memory_order_relaxed); }

TskBitmap::TskBitmap(const TskBitmap& other)
    : bitmap_(other.bitmap_), alphaBlend_(other.alphaBlend_), transparent_(other.transparent_) {}

TskBitmap& TskBitmap::operator=(const TskBitmap& other) {
  if (this == &other) return *this;
  if (device_) device_->PixelsReleasing();
  bitmap_ = other.bitmap_;
  alphaBlend_ = other.alphaBlend_;
  transparent_ = other.transparent_;
  if (device_) device_->PixelsChanged();
  return *this;
}

TskBitmap::~TskBitmap() = default;

void TskBitmap::SetDimensions(int width, int height) {
  width = std::abs(width);
  height = std::abs(height);
  if (width == 0 || height == 0 || (width == Width() && height == Height())) return;
  if (device_) device_->PixelsReleasing();
  try {
    bitmap_.SetSize(width, height);
  } catch (const fw::Exception&) {
    bitmap_ = TBitmap(0, 0, TPixelFormat::pf32bit);
    throw fw::EOutOfResources(L"Can't allocate the DIB handle");
  }
  if (!device_) return;
  try {
    device_->PixelsChanged();
  } catch (...) {
    bitmap_ = TBitmap(0, 0, TPixelFormat::pf32bit);
    throw;
  }
}

void TskBitmap::SetAllAlpha(uint8_t alpha) {
  for (int y = 0; y < Height(); ++y) {
    uint32_t* p = Row(y);
    for (int x = 0; x < Width(); ++x) p[x] = (p[x] & 0x00FFFFFFu) | uint32_t{alpha} << 24;
  }
}

void TskBitmap::DetectAlpha() {
  alphaBlend_ = false;
  for (int y = 0; y < Height() && !alphaBlend_; ++y) {
    const uint32_t* p = Row(y);
    for (int x = 0; x < Width(); ++x) {
      const uint32_t a = p[x] >> 24;
      if (a != 0 && a != 255) {
        alphaBlend_ = true;
        break;
      }
    }
  }
}

void TskBitmap::AlphaFromGray(const TskBitmap& gray) {
  if (gray.Width() != Width() || gray.Height() != Height()) return;
  for (int y = 0; y < Height(); ++y) {
    uint32_t* p = Row(y);
    const uint32_t* g = gray.Row(y);
    for (int x = 0; x < Width(); ++x) {
      const uint32_t sum = (g[x] & 0xFF) + ((g[x] >> 8) & 0xFF) + ((g[x] >> 16) & 0xFF);
      // A third never ends in a half, so rounding is (sum + 1) / 3.
      p[x] = (p[x] & 0x00FFFFFFu) | ((sum + 1) / 3) << 24;
    }
  }
}

void TskBitmap::ColorFromRed(fw::TColor color) {
  const uint32_t rgb = ColorToPixel(color) & 0x00FFFFFFu;
  for (int y = 0; y < Height(); ++y) {
    uint32_t* p = Row(y);
    for (int x = 0; x < Width(); ++x) p[x] = rgb | ((p[x] >> 16) & 0xFF) << 24;
  }
}

void TskBitmap::FadeReflection(int top, int bottom, fw::TColor color) {
  if (bottom <= top) return;
  const uint32_t rgb = ColorToPixel(color) & 0x00FFFFFFu;
  for (int y = 0; y < Height(); ++y) {
    uint32_t* p = Row(y);
    if (y < top || y > bottom) {
      std::fill(p, p + Width(), 0u);
      continue;
    }
    const double f = std::max(0.0, 0.7 - static_cast<double>(bottom + top - y) / (bottom - top));
    for (int x = 0; x < Width(); ++x) {
      const auto alpha = static_cast<uint32_t>(static_cast<double>((p[x] >> 16) & 0xFF) * f);
      p[x] = rgb | alpha << 24;
    }
  }
}

void TskBitmap::FlipVertical() {
  const size_t bytes = static_cast<size_t>(Width()) * 4;
  std::vector<uint8_t> row(bytes);
  for (int y = 0; y < Height() / 2; ++y) {
    uint8_t* a = bitmap_.ScanLine(y);
    uint8_t* b = bitmap_.ScanLine(Height() - 1 - y);
    std::memcpy(row.data(), a, bytes);
    std::memcpy(a, b, bytes);
    std::memcpy(b, row.data(), bytes);
  }
}

void TskBitmap::AssignFromBitmap(const TBitmap& picture) {
  if (picture.Empty()) return;
  SetDimensions(picture.Width(), picture.Height());
  for (int y = 0; y < Height(); ++y) ConvertRow(picture, y, 0, Width(), bitmap_.ScanLine(y), 4);
  SetAllAlpha(255);
}

void TskBitmap::AssignToBitmap(TBitmap& picture) const {
  picture.SetPixelFormat(TPixelFormat::pf32bit);
  picture.SetSize(Width(), Height());
  DrawToPixels(picture, {0, 0, Width(), Height()}, {0, 0, Width(), Height()});
}

void TskBitmap::DrawToBitmap(TskBitmap& target, int x, int y) const {
  // Far enough right or down the rectangle would end beyond int; there
  // nothing of it is visible, and the clamped end keeps it so.
  DrawToBitmap(target, {x, y, SaturatedSum(x, Width()), SaturatedSum(y, Height())}, {0, 0, Width(), Height()});
}

void TskBitmap::DrawToBitmap(TskBitmap& target, const TRect& destRect, const TRect& sourceRect) const {
  DrawToPixels(target.bitmap_, destRect, sourceRect);
}

void TskBitmap::DrawToPixels(TBitmap& target, const TRect& destRect, const TRect& sourceRect) const {
  if (target.Empty() || Empty() || target.PixelFormat() != TPixelFormat::pf32bit) return;
  if (&target == &bitmap_) {
    // Drawing onto itself: draw from a copy so rows are read before written.
    TskBitmap copy(*this);
    copy.DrawToPixels(target, destRect, sourceRect);
    return;
  }
  DrawRows(*this, target.ScanLine(0), target.RowBytes(), target.Width(), target.Height(), destRect, sourceRect,
           ModeOf(*this));
}

}  // namespace sk
