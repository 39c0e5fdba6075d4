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

// floor(sum / d) for sum <= 255 * d, by multiplication: with m = ceil(2^55 / d)
// the error stays below 1 / d for every d up to (MaxBlurRadius + 1)^2.
struct Divider {
  uint64_t m;
  explicit Divider(uint64_t d) : m(((uint64_t{1} << 55) + d - 1) / d) {}
  uint32_t operator()(uint64_t sum) const { return static_cast<uint32_t>((sum * m) >> 55); }
};

inline int Clamp(int i, int n) { return i < 0 ? 0 : (i >= n ? n - 1 : i); }

// Sums of one channel-triple along a line.
struct Sums {
  uint64_t total[3] = {0, 0, 0};
  uint64_t ahead[3] = {0, 0, 0};   // samples i+1 .. i+r+1
  uint64_t behind[3] = {0, 0, 0};  // samples i-r .. i
};

inline void Add(uint64_t* s, uint32_t p, uint64_t weight) {
  s[0] += (p & 0xFF) * weight;
  s[1] += ((p >> 8) & 0xFF) * weight;
  s[2] += ((p >> 16) & 0xFF) * weight;
}
inline void Sub(uint64_t* s, uint32_t p) {
  s[0] -= p & 0xFF;
  s[1] -= (p >> 8) & 0xFF;
  s[2] -= (p >> 16) & 0xFF;
}

// Blurs one line of n pixels read through at(i) and written through put(i, v).
template <class At, class Put>
void BlurLine(int n, int r, const Divider& divide, At at, Put put) {
  Sums s;
  for (int j = -r; j <= r; ++j) Add(s.total, at(Clamp(j, n)), static_cast<uint64_t>(r + 1 - std::abs(j)));
  for (int j = 1; j <= r + 1; ++j) Add(s.ahead, at(Clamp(j, n)), 1);
  for (int j = -r; j <= 0; ++j) Add(s.behind, at(Clamp(j, n)), 1);
  for (int i = 0; i < n; ++i) {
    put(i, 0xFF000000u | divide(s.total[0]) | divide(s.total[1]) << 8 | divide(s.total[2]) << 16);
    for (int c = 0; c < 3; ++c) s.total[c] = s.total[c] + s.ahead[c] - s.behind[c];
    const uint32_t next = at(Clamp(i + 1, n));
    Sub(s.ahead, next);
    Add(s.ahead, at(Clamp(i + r + 2, n)), 1);
    Add(s.behind, next, 1);
    Sub(s.behind, at(Clamp(i - r, n)));
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
  for (int y = 0; y < h; ++y) {
    const uint32_t* in = bitmap.Row(y);
    uint32_t* out = rows.data() + static_cast<size_t>(y) * w;
    BlurLine(
        w, r, divide, [in](int i) { return in[i]; }, [out](int i, uint32_t v) { out[i] = v; });
  }

  const auto line = [&](int y) { return rows.data() + static_cast<size_t>(Clamp(y, h)) * w; };
  std::vector<Sums> sums(static_cast<size_t>(w));
  for (int j = -r; j <= r; ++j) {
    const uint32_t* p = line(j);
    const uint64_t weight = static_cast<uint64_t>(r + 1 - std::abs(j));
    for (int x = 0; x < w; ++x) Add(sums[static_cast<size_t>(x)].total, p[x], weight);
  }
  for (int j = 1; j <= r + 1; ++j) {
    const uint32_t* p = line(j);
    for (int x = 0; x < w; ++x) Add(sums[static_cast<size_t>(x)].ahead, p[x], 1);
  }
  for (int j = -r; j <= 0; ++j) {
    const uint32_t* p = line(j);
    for (int x = 0; x < w; ++x) Add(sums[static_cast<size_t>(x)].behind, p[x], 1);
  }
  for (int y = 0; y < h; ++y) {
    uint32_t* out = bitmap.Row(y);
    const uint32_t* next = line(y + 1);
    const uint32_t* enter = line(y + r + 2);
    const uint32_t* leave = line(y - r);
    for (int x = 0; x < w; ++x) {
      Sums& s = sums[static_cast<size_t>(x)];
      out[x] = 0xFF000000u | divide(s.total[0]) | divide(s.total[1]) << 8 | divide(s.total[2]) << 16;
      for (int c = 0; c < 3; ++c) s.total[c] = s.total[c] + s.ahead[c] - s.behind[c];
      Sub(s.ahead, next[x]);
      Add(s.ahead, enter[x], 1);
      Add(s.behind, next[x], 1);
      Sub(s.behind, leave[x]);
    }
  }
}

}  // namespace sk
