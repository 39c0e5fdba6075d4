#include "skin/pixels/skUtilsMask.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>

#include "framework/Exceptions.h"
#include "skin/pixels/skUtilsBlit.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace sk {
namespace {

static_assert(std::endian::native == std::endian::little, "region blocks are written in host order");

using fw::TBitmap;
using fw::TPixelFormat;

class RunCollector {
 public:
  RunCollector(int offsetX, int offsetY) : offsetX_(offsetX), offsetY_(offsetY) {
    rects_.reserve(MaskRegionBlockRects);
  }
  void Add(int x0, int x1, int y) {
    const auto at = [](int64_t v) { return static_cast<int32_t>(v); };
    rects_.push_back({at(int64_t{x0} + offsetX_), at(int64_t{y} + offsetY_), at(int64_t{x1} + offsetX_),
                      at(int64_t{y} + offsetY_ + 1)});
  }
  const std::vector<TskRegionRect>& Rects() const { return rects_; }

 private:
  int offsetX_, offsetY_;
  std::vector<TskRegionRect> rects_;
};

// Follows runs of set bits across consecutive 64-pixel words of one row.
class RunTracker {
 public:
  RunTracker(RunCollector& out, int y) : out_(out), y_(y) {}
  void Word(uint64_t bits, int base, int count) {
    const uint64_t valid = count == 64 ? ~uint64_t{0} : (uint64_t{1} << count) - 1;
    bits &= valid;
    int pos = 0;
    while (pos < count) {
      if (!inRun_) {
        const uint64_t rest = bits >> pos;
        if (rest == 0) return;
        pos += std::countr_zero(rest);
        inRun_ = true;
        start_ = base + pos;
      } else {
        const uint64_t rest = (~bits & valid) >> pos;
        if (rest == 0) return;
        pos += std::countr_zero(rest);
        inRun_ = false;
        out_.Add(start_, base + pos, y_);
      }
    }
  }
  void End(int width) {
    if (inRun_) out_.Add(start_, width, y_);
    inRun_ = false;
  }

 private:
  RunCollector& out_;
  int y_;
  bool inRun_ = false;
  int start_ = 0;
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

void ScanRow24(const uint8_t* row, int width, RunTracker& runs) {
  int x = 0;
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
  runs.End(width);
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
  RunCollector collector(offsetX, offsetY);
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
    RunTracker runs(collector, y);
    ScanRow24(row, w, runs);
  }

  const auto& rects = collector.Rects();
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
