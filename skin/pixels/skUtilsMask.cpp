#include "skin/pixels/skUtilsMask.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>

#include "framework/Exceptions.h"
#include "skin/pixels/skEffectsSimd.h"
#include "skin/pixels/skUtilsBlit.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#define SK_MASK_AVX512 __attribute__((target("avx512f,avx512bw,avx512vbmi")))
#endif

namespace sk {
namespace {

static_assert(std::endian::native == std::endian::little, "region blocks are written in host order");

using fw::TBitmap;
using fw::TPixelFormat;

// Black flags of a row, 64 pixels to a word, turned into runs. A run starts
// and ends where the flag changes, so the changes are listed first (a
// branch per change, none per pixel) and paired into rectangles after.
class RowRuns {
 public:
  explicit RowRuns(int width) : width_(width), edges_(static_cast<size_t>(width) + 2) {}
  void Word(uint64_t bits, int base, int count) {
    if (count < 64) bits &= (uint64_t{1} << count) - 1;
    uint64_t changes = bits ^ (bits << 1 | last_);
    last_ = bits >> 63;  // only a full word has a next one
    int32_t* out = edges_.data() + count_;
    while (changes) {
      *out++ = base + std::countr_zero(changes);
      changes &= changes - 1;
    }
    count_ = static_cast<size_t>(out - edges_.data());
  }
  // Appends the row's rectangles and starts the next row.
  void End(int y, int offsetX, int offsetY, std::vector<TskRegionRect>& rects) {
    // A run still open at the row's end closes there.
    if (count_ % 2) edges_[count_++] = width_;
    const size_t first = rects.size();
    rects.resize(first + count_ / 2);
    const auto at = [](int64_t v) { return static_cast<int32_t>(v); };
    const int32_t top = at(int64_t{y} + offsetY), bottom = at(int64_t{y} + offsetY + 1);
    TskRegionRect* r = rects.data() + first;
    for (size_t i = 0; i < count_; i += 2, ++r) {
      *r = {at(int64_t{edges_[i]} + offsetX), top, at(int64_t{edges_[i + 1]} + offsetX), bottom};
    }
    count_ = 0;
    last_ = 0;
  }

 private:
  int width_;
  std::vector<int32_t> edges_;
  size_t count_ = 0;
  uint64_t last_ = 0;
};

inline bool IsBlack(const uint8_t* p) { return (p[0] | p[1] | p[2]) == 0; }

#if defined(__SSE2__)
// For a 12-bit group of three-bit pixel fields: which of the four pixels has
// its lowest bit set.
constexpr std::array<uint8_t, 4096> MakeThirdBitTable() {
  std::array<uint8_t, 4096> table{};
  for (int v = 0; v < 4096; ++v) {
    int r = 0;
    for (int i = 0; i < 4; ++i) r |= ((v >> (3 * i)) & 1) << i;
    table[static_cast<size_t>(v)] = static_cast<uint8_t>(r);
  }
  return table;
}
constexpr std::array<uint8_t, 4096> ThirdBits = MakeThirdBitTable();

// Black flags of 16 pixels (48 bytes) of a 24-bit row.
inline uint64_t BlackBits16(const uint8_t* p) {
  const __m128i zero = _mm_setzero_si128();
  const auto zeros = [&](const uint8_t* q) {
    return static_cast<uint64_t>(static_cast<uint32_t>(
        _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(q)), zero))));
  };
  const uint64_t m = zeros(p) | zeros(p + 16) << 16 | zeros(p + 32) << 32;
  if (m == 0xFFFFFFFFFFFFull) return 0xFFFF;
  const uint64_t t = m & (m >> 1) & (m >> 2);
  if ((t & 0x249249249249ull) == 0) return 0;
  return uint64_t{ThirdBits[t & 0xFFF]} | uint64_t{ThirdBits[(t >> 12) & 0xFFF]} << 4 |
         uint64_t{ThirdBits[(t >> 24) & 0xFFF]} << 8 | uint64_t{ThirdBits[(t >> 36) & 0xFFF]} << 12;
}
#endif

#if defined(__GNUC__) && defined(__x86_64__)
// Where each of 64 pixels keeps one channel (byte 3 * i + channel), and which
// of those bytes lie in the third 64-byte block.
struct ChannelGather {
  alignas(64) std::array<uint8_t, 64> index;
  uint64_t third;
};
constexpr ChannelGather MakeChannelGather(int channel) {
  ChannelGather g{};
  for (int i = 0; i < 64; ++i) {
    g.index[static_cast<size_t>(i)] = static_cast<uint8_t>(3 * i + channel);
    if (3 * i + channel >= 128) g.third |= uint64_t{1} << i;
  }
  return g;
}
constexpr std::array<ChannelGather, 3> ChannelGathers = {MakeChannelGather(0), MakeChannelGather(1),
                                                         MakeChannelGather(2)};

// Black flags of 64 pixels (192 bytes) of a 24-bit row: each of the three
// channel planes is gathered with byte permutes, the planes are or-ed and
// the zero bytes are the black pixels.
SK_MASK_AVX512 uint64_t BlackBits64(const uint8_t* p) {
  const __m512i a = _mm512_loadu_si512(p), b = _mm512_loadu_si512(p + 64), c = _mm512_loadu_si512(p + 128);
  __m512i any = _mm512_setzero_si512();
  for (const ChannelGather& g : ChannelGathers) {
    const __m512i at = _mm512_load_si512(g.index.data());
    // Bytes 0..127 come from a and b, the rest from c (a permute reads
    // only the index's low six bits, which are the byte's place in c).
    const __m512i plane = _mm512_mask_permutexvar_epi8(_mm512_permutex2var_epi8(a, at, b), g.third, at, c);
    any = _mm512_or_si512(any, plane);
  }
  return _mm512_testn_epi8_mask(any, any);
}
#endif

void ScanRow24(const uint8_t* row, int width, RowRuns& runs) {
  int x = 0;
#if defined(__GNUC__) && defined(__x86_64__)
  if (HasAvx512Bytes()) {
    for (; x + 64 <= width; x += 64) runs.Word(BlackBits64(row + static_cast<ptrdiff_t>(x) * 3), x, 64);
  }
#endif
#if defined(__SSE2__)
  for (; x + 64 <= width; x += 64) {
    const uint8_t* p = row + static_cast<ptrdiff_t>(x) * 3;
    runs.Word(BlackBits16(p) | BlackBits16(p + 48) << 16 | BlackBits16(p + 96) << 32 | BlackBits16(p + 144) << 48, x,
              64);
  }
#endif
  for (; x < width; x += 64) {
    const int count = std::min(64, width - x);
    uint64_t bits = 0;
    for (int i = 0; i < count; ++i) {
      if (IsBlack(row + static_cast<ptrdiff_t>(x + i) * 3)) bits |= uint64_t{1} << i;
    }
    runs.Word(bits, x, count);
  }
}

// A picture of fewer bits per pixel may be much wider than a 24-bit row can
// be; such a mask is refused before any size is worked out in int.
void RequireScannableWidth(int width) {
  if (TBitmap::RowBytesFor(width, TPixelFormat::pf24bit) > TBitmap::MaxBitmapBytes) {
    throw fw::EOutOfResources(L"Mask too wide to scan: " + std::to_wstring(width) + L" pixels");
  }
}

}  // namespace

TskFBitmap::TskFBitmap(const TBitmap& picture) : width_(picture.Width()), height_(picture.Height()) {
  RequireScannableWidth(width_);
  // A row of width * 3 bytes padded to four is width * 3 + width mod 4.
  gap_ = width_ % 4;
  stride_ = width_ * 3 + gap_;
  if (picture.Empty()) return;
  bitmap_ = TBitmap(width_, height_, TPixelFormat::pf24bit);
  for (int y = 0; y < height_; ++y) ConvertRow(picture, y, 0, width_, bitmap_.ScanLine(y), 3);
  size_ = static_cast<size_t>(stride_) * static_cast<size_t>(height_);
  rows_.resize(static_cast<size_t>(height_));
  for (int y = 0; y < height_; ++y) rows_[static_cast<size_t>(y)] = bitmap_.ScanLine(y);
}

std::vector<uint8_t> MaskToRegionData(const TBitmap& picture, int offsetX, int offsetY) {
  if (picture.Empty()) return {};
  const int w = picture.Width();
  const int h = picture.Height();
  RequireScannableWidth(w);
  std::vector<TskRegionRect> rects;
  rects.reserve(MaskRegionBlockRects);
  RowRuns runs(w);
  // 24-bit pictures are scanned in place; others a row at a time through a
  // converted copy of the row.
  std::vector<uint8_t> rowBuffer;
  const bool direct = picture.PixelFormat() == TPixelFormat::pf24bit;
  if (!direct) rowBuffer.resize(static_cast<size_t>(w) * 3);
  for (int y = 0; y < h; ++y) {
    const uint8_t* row = picture.ScanLine(y);
    if (!direct) {
      ConvertRow(picture, y, 0, w, rowBuffer.data(), 3);
      row = rowBuffer.data();
    }
    ScanRow24(row, w, runs);
    runs.End(y, offsetX, offsetY, rects);
  }

  std::vector<uint8_t> data(RgnDataHeaderSize + rects.size() * sizeof(TskRegionRect));
  const uint32_t header[4] = {static_cast<uint32_t>(RgnDataHeaderSize), RdhRectangles,
                              static_cast<uint32_t>(rects.size()), 0};
  const TskRegionRect bound{offsetX, offsetY, static_cast<int32_t>(int64_t{offsetX} + w),
                            static_cast<int32_t>(int64_t{offsetY} + h)};
  std::memcpy(data.data(), header, sizeof header);
  std::memcpy(data.data() + 16, &bound, sizeof bound);
  if (!rects.empty()) std::memcpy(data.data() + RgnDataHeaderSize, rects.data(), rects.size() * sizeof(TskRegionRect));
  return data;
}

std::vector<TskRegionRect> RegionDataRects(const std::vector<uint8_t>& data) {
  if (data.size() < RgnDataHeaderSize) return {};
  uint32_t count = 0;
  std::memcpy(&count, data.data() + 8, sizeof count);
  const size_t available = (data.size() - RgnDataHeaderSize) / sizeof(TskRegionRect);
  std::vector<TskRegionRect> rects(std::min<size_t>(count, available));
  if (!rects.empty()) std::memcpy(rects.data(), data.data() + RgnDataHeaderSize, rects.size() * sizeof(TskRegionRect));
  return rects;
}

}  // namespace sk
