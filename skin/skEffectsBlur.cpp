// A stack blur: each output is the triangle-weighted sum of the 2r + 1
// samples around it (weights 1, 2, .. r + 1, .. 2, 1) divided by (r + 1)^2.
// Moving one sample along, the samples ahead gain one weight and those
// behind lose one, so three running sums per channel give every output in
// constant time whatever the radius.
#include <algorithm>
#include <cstdlib>
#include <cstdint>
#include <vector>

#include "skin/skEffectsBitmap.h"

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

// Blurs one row of n pixels from in to out.
void BlurRow(const uint32_t* in, uint32_t* out, int n, int r, const Divider& divide) {
  Sums s;
  for (int j = -r; j <= r; ++j) Add(s.total, in[Clamp(j, n)], static_cast<uint32_t>(r + 1 - std::abs(j)));
  for (int j = 1; j <= r + 1; ++j) Add(s.ahead, in[Clamp(j, n)], 1);
  for (int j = -r; j <= 0; ++j) Add(s.behind, in[Clamp(j, n)], 1);
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

}  // namespace

void BlurImage(TskBitmap& bitmap, int radius) {
  if (radius <= 0 || bitmap.Empty()) return;
  const int r = std::min(radius, MaxBlurRadius);
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  const Divider divide(static_cast<uint64_t>(r + 1) * static_cast<uint64_t>(r + 1));

  // Rows into a scratch picture, then columns back; the columns are walked
  // all together a row at a time so memory is read in order.
  std::vector<uint32_t> rows(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int y = 0; y < h; ++y) BlurRow(bitmap.Row(y), rows.data() + static_cast<size_t>(y) * w, w, r, divide);

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
    for (int x = 0; x < w; ++x) out[x] = 0xFF000000u;
    for (int c = 0; c < 3; ++c) {
      uint32_t* total = sums.total[c].data();
      uint32_t* ahead = sums.ahead[c].data();
      uint32_t* behind = sums.behind[c].data();
      const int shift = 8 * c;
      for (int x = 0; x < w; ++x) {
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
