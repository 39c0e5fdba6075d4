#include "skin/pixels/skUtilsBlit.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#endif

#include "skin/pixels/skEffectsSimd.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {
namespace {

using fw::TBitmap;
using fw::TPixelFormat;
using fw::TRect;

// One axis after clipping: the destination indexes [c0, c1) that have a
// source, and how a destination index finds it.
struct ResolvedAxis {
  int c0 = 0, c1 = 0;
  AxisFill fill = AxisFill::Copy;
  int dst0 = 0;
  int s0 = 0;      // first source index (copy: source index of dst0)
  int period = 1;  // tile
  int64_t sw = 0;  // stretch: source length
  int64_t dw = 1;  // stretch: destination length before clipping

  bool Empty() const { return c1 <= c0; }
  // Spans may run from one end of int to the other, so distances are taken
  // wide. The result is an index inside the source picture.
  int Map(int d) const {
    const int64_t k = int64_t{d} - dst0;
    switch (fill) {
      case AxisFill::Copy: return static_cast<int>(s0 + k);
      case AxisFill::Tile: return static_cast<int>(s0 + k % period);
      case AxisFill::Stretch: {
        // k < 2^32 and sw < 2^31 (a picture's width): the product fits 64 bits unsigned.
        const uint64_t centre = (2 * static_cast<uint64_t>(k) + 1) * static_cast<uint64_t>(sw);
        return static_cast<int>(s0 + static_cast<int64_t>(centre / (2 * static_cast<uint64_t>(dw))));
      }
    }
    return s0;
  }
};

ResolvedAxis Resolve(const AxisSpan& a, int dstLo, int dstHi, int srcLo, int srcHi) {
  ResolvedAxis r;
  r.fill = a.fill;
  r.dst0 = a.dst0;
  if (a.dst1 <= a.dst0 || a.src1 <= a.src0) return r;  // empty
  if (a.fill == AxisFill::Copy) {
    const int64_t len = std::min(int64_t{a.dst1} - a.dst0, int64_t{a.src1} - a.src0);
    const int64_t offset = int64_t{a.src0} - a.dst0;
    const int64_t c0 = std::max({int64_t{a.dst0}, int64_t{dstLo}, srcLo - offset});
    const int64_t c1 = std::min({a.dst0 + len, int64_t{dstHi}, srcHi - offset});
    r.s0 = a.src0;
    r.c0 = static_cast<int>(c0);
    r.c1 = static_cast<int>(std::max(c0, c1));
    return r;
  }
  const int s0 = std::max(a.src0, srcLo);
  const int s1 = std::min(a.src1, srcHi);
  if (s1 <= s0) return r;
  r.s0 = s0;
  r.period = s1 - s0;
  r.sw = s1 - s0;
  r.dw = int64_t{a.dst1} - a.dst0;
  r.c0 = std::max(a.dst0, dstLo);
  r.c1 = std::max(r.c0, std::min(a.dst1, dstHi));
  return r;
}

// Gathers pixels through a table of source byte offsets. Three-byte pixels
// move as four-byte words while both the word read and the word written stay
// inside the row (the extra byte written is the next pixel's, written again
// right after): wideCount of the (ascending) offsets allow it.
template <int Bpp>
void Gather(uint8_t* dst, const uint8_t* src, const std::vector<ptrdiff_t>& offsets, size_t wideCount, size_t i = 0) {
  const size_t n = offsets.size();
  if constexpr (Bpp == 3) {
    const size_t wide = std::min(wideCount, n > 0 ? n - 1 : 0);
    for (; i < wide; ++i) {
      uint32_t word;
      std::memcpy(&word, src + offsets[i], 4);
      std::memcpy(dst + i * 3, &word, 4);
    }
  }
  for (; i < n; ++i) std::memcpy(dst + i * Bpp, src + offsets[i], Bpp);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
// Sixteen destination pixels whose sources lie within 128 bytes of the
// first: two loads and one byte permute make them, whatever the columns.
struct GatherBlock {
  uint8_t index[64];   // byte k of the block: that byte of the 128 loaded
  ptrdiff_t start;     // offset of the first byte loaded
  uint64_t low, high;  // the bytes of each 64 that lie in the source's row
};

// The blocks of a column table, as far as its columns allow (up to the
// first whose sources spread too far); validEnd is the source row's end.
template <int Bpp>
std::vector<GatherBlock> PlanGather(const std::vector<ptrdiff_t>& offsets, ptrdiff_t validEnd) {
  std::vector<GatherBlock> blocks;
  for (size_t i = 0; i + 16 <= offsets.size(); i += 16) {
    GatherBlock b;
    b.start = offsets[i];
    if (offsets[i + 15] + Bpp - b.start > 128) break;
    for (int j = 0; j < 64; ++j) {
      b.index[j] =
          j < 16 * Bpp ? static_cast<uint8_t>(offsets[i + static_cast<size_t>(j / Bpp)] - b.start + j % Bpp) : 0;
    }
    const ptrdiff_t room = validEnd - b.start;
    b.low = room >= 64 ? ~uint64_t{0} : (uint64_t{1} << room) - 1;
    b.high = room >= 128 ? ~uint64_t{0} : (room <= 64 ? 0 : (uint64_t{1} << (room - 64)) - 1);
    blocks.push_back(b);
  }
  return blocks;
}

// The planned blocks of one row; returns how many pixels they made.
template <int Bpp>
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) size_t GatherAvx512(uint8_t* dst, const uint8_t* src,
                                                                           const std::vector<GatherBlock>& blocks) {
  for (const GatherBlock& b : blocks) {
    const uint8_t* p = src + b.start;
    const __m512i low = _mm512_maskz_loadu_epi8(static_cast<__mmask64>(b.low), p);
    const __m512i high = _mm512_maskz_loadu_epi8(static_cast<__mmask64>(b.high), p + 64);
    const __m512i out = _mm512_permutex2var_epi8(low, _mm512_loadu_si512(b.index), high);
    if constexpr (Bpp == 4) {
      _mm512_storeu_si512(dst, out);
    } else {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst), _mm512_castsi512_si256(out));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 32), _mm512_extracti32x4_epi32(out, 2));
    }
    dst += 16 * Bpp;
  }
  return blocks.size() * 16;
}
#endif

}  // namespace

void ConvertRow(const TBitmap& source, int y, int x0, int x1, uint8_t* out, int bpp) {
  const uint8_t* row = source.ScanLine(y);
  const auto put = [&](int i, uint8_t b, uint8_t g, uint8_t r) {
    uint8_t* p = out + static_cast<ptrdiff_t>(i) * bpp;
    p[0] = b;
    p[1] = g;
    p[2] = r;
    if (bpp == 4) p[3] = 255;
  };
  const auto& palette = source.Palette();
  const auto fromIndex = [&](int i, size_t index) {
    if (index < palette.size()) {
      put(i, palette[index].blue, palette[index].green, palette[index].red);
    } else {
      put(i, 0, 0, 0);
    }
  };
  for (int x = x0; x < x1; ++x) {
    const int i = x - x0;
    switch (source.PixelFormat()) {
      case TPixelFormat::pf1bit: fromIndex(i, (row[x / 8] >> (7 - x % 8)) & 1); break;
      case TPixelFormat::pf4bit: fromIndex(i, (x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0x0F); break;
      case TPixelFormat::pf8bit: fromIndex(i, row[x]); break;
      case TPixelFormat::pf24bit: put(i, row[x * 3], row[x * 3 + 1], row[x * 3 + 2]); break;
      case TPixelFormat::pf32bit:
        put(i, row[x * 4], row[x * 4 + 1], row[x * 4 + 2]);
        if (bpp == 4) out[i * 4 + 3] = row[x * 4 + 3];
        break;
    }
  }
}

PixelView ViewOf(TBitmap& bitmap) {
  PixelView v;
  v.bytesPerPixel = BytesPerPixelOf(bitmap);
  v.stride = bitmap.RowBytes();
  if (!bitmap.Empty()) {
    v.bits = bitmap.ScanLine(0);
    v.valid = {0, 0, bitmap.Width(), bitmap.Height()};
  }
  return v;
}

AxisSpan FitSpan(int dst0, int dst1, int src0, int src1) {
  const bool same = int64_t{dst1} - dst0 == int64_t{src1} - src0;
  return {dst0, dst1, src0, src1, same ? AxisFill::Copy : AxisFill::Stretch};
}

AxisSpan TileSpan(int dst0, int dst1, int src0, int src1) { return {dst0, dst1, src0, src1, AxisFill::Tile}; }

void BlitSpans(const PixelView& dst, const PixelView& src, const AxisSpan& xSpan, const AxisSpan& ySpan) {
  if (!dst.bits || !src.bits || dst.bytesPerPixel != src.bytesPerPixel) return;
  const ResolvedAxis x = Resolve(xSpan, dst.valid.left, dst.valid.right, src.valid.left, src.valid.right);
  const ResolvedAxis y = Resolve(ySpan, dst.valid.top, dst.valid.bottom, src.valid.top, src.valid.bottom);
  if (x.Empty() || y.Empty()) return;

  const int bpp = dst.bytesPerPixel;
  const int n = x.c1 - x.c0;
  const size_t rowBytes = static_cast<size_t>(n) * bpp;

  // The column map is worked out once per transfer.
  std::vector<ptrdiff_t> columns;
  size_t wideColumns = 0;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
  std::vector<GatherBlock> blocks;
#endif
  if (x.fill == AxisFill::Stretch) {
    columns.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) columns[static_cast<size_t>(i)] = static_cast<ptrdiff_t>(x.Map(x.c0 + i)) * bpp;
    // A word read from a source pixel before the last valid one stays in the row.
    const ptrdiff_t lastWide = static_cast<ptrdiff_t>(src.valid.right - 1) * bpp;
    while (wideColumns < columns.size() && columns[wideColumns] < lastWide) ++wideColumns;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
    if (HasAvx512Bytes()) {
      const ptrdiff_t validEnd = static_cast<ptrdiff_t>(src.valid.right) * bpp;
      blocks = bpp == 4 ? PlanGather<4>(columns, validEnd) : PlanGather<3>(columns, validEnd);
    }
#endif
  }
  const int phase = x.fill == AxisFill::Tile ? static_cast<int>((int64_t{x.c0} - x.dst0) % x.period) : 0;

  int previousSource = -1;
  uint8_t* previousRow = nullptr;
  for (int d = y.c0; d < y.c1; ++d) {
    const int s = y.Map(d);
    uint8_t* out = dst.At(x.c0, d);
    if (s == previousSource) {
      std::memcpy(out, previousRow, rowBytes);
      previousRow = out;
      continue;
    }
    switch (x.fill) {
      case AxisFill::Copy: std::memcpy(out, src.At(x.Map(x.c0), s), rowBytes); break;
      case AxisFill::Tile: {
        // Write one period starting at the phase, then double it in place:
        // the row is periodic, so any whole number of periods repeats.
        const uint8_t* line = src.At(x.s0, s);
        const int first = std::min(n, x.period - phase);
        std::memcpy(out, line + static_cast<ptrdiff_t>(phase) * bpp, static_cast<size_t>(first) * bpp);
        const int second = std::min(n - first, phase);
        if (second > 0) std::memcpy(out + static_cast<ptrdiff_t>(first) * bpp, line, static_cast<size_t>(second) * bpp);
        for (int len = x.period; len < n;) {
          const int chunk = std::min(len, n - len);
          std::memcpy(out + static_cast<ptrdiff_t>(len) * bpp, out, static_cast<size_t>(chunk) * bpp);
          len += chunk;
        }
        break;
      }
      case AxisFill::Stretch: {
        const uint8_t* line = src.At(0, s);
        size_t done = 0;
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
        if (!blocks.empty()) done = bpp == 4 ? GatherAvx512<4>(out, line, blocks) : GatherAvx512<3>(out, line, blocks);
#endif
        if (bpp == 4) {
          Gather<4>(out, line, columns, 0, done);
        } else {
          Gather<3>(out, line, columns, wideColumns, done);
        }
        break;
      }
    }
    previousSource = s;
    previousRow = out;
  }
}

void DrawRect(const PixelView& dst, const TRect& dstRect, const PixelView& src, const TRect& srcRect) {
  BlitSpans(dst, src, FitSpan(dstRect.left, dstRect.right, srcRect.left, srcRect.right),
            FitSpan(dstRect.top, dstRect.bottom, srcRect.top, srcRect.bottom));
}

PixelView SourceView(const TBitmap& source, const TRect& rect, int bytesPerPixel, TBitmap& scratch) {
  PixelView v;
  v.bytesPerPixel = bytesPerPixel;
  const TRect clip{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, source.Width()),
                   std::min(rect.bottom, source.Height())};
  if (source.Empty() || IsNullRect(clip)) return v;
  // View coordinates count from rect's top-left; a picture lying further
  // from it than an int reaches cannot be addressed by any span.
  const int64_t validLeft = int64_t{clip.left} - rect.left;
  const int64_t validTop = int64_t{clip.top} - rect.top;
  const int64_t validRight = int64_t{clip.right} - rect.left;
  const int64_t validBottom = int64_t{clip.bottom} - rect.top;
  if (validRight > INT_MAX || validBottom > INT_MAX) return v;
  v.valid = {static_cast<int>(validLeft), static_cast<int>(validTop), static_cast<int>(validRight),
             static_cast<int>(validBottom)};
  if (BytesPerPixelOf(source) == bytesPerPixel && fw::BitsPerPixel(source.PixelFormat()) >= 24) {
    v.bits = const_cast<uint8_t*>(source.ScanLine(0));
    v.stride = source.RowBytes();
    v.originX = rect.left;
    v.originY = rect.top;
    return v;
  }
  scratch.SetPixelFormat(bytesPerPixel == 4 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit);
  scratch.SetSize(clip.Width(), clip.Height());
  for (int y = clip.top; y < clip.bottom; ++y) {
    ConvertRow(source, y, clip.left, clip.right, scratch.ScanLine(y - clip.top), bytesPerPixel);
  }
  v.bits = scratch.ScanLine(0);
  v.stride = scratch.RowBytes();
  v.originX = rect.left - clip.left;
  v.originY = rect.top - clip.top;
  return v;
}

void PrepareTarget(TBitmap& target, int width, int height) {
  const int w = std::max(width, 0);
  const int h = std::max(height, 0);
  const TPixelFormat format =
      target.PixelFormat() == TPixelFormat::pf32bit ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
  if (target.PixelFormat() == format && target.Width() == w && target.Height() == h) return;
  target.SetPixelFormat(format);
  target.SetSize(w, h);
  if (!target.Empty()) std::memset(target.ScanLine(0), 0xFF, static_cast<size_t>(target.RowBytes()) * h);
}

}  // namespace sk
