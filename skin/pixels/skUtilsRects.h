#pragma once
// Rectangle and point helpers shared by every skinned element. Rectangles are
// left, top, right, bottom with right and bottom exclusive.
#include <climits>
#include <cstdint>

#include "framework/Graphics.h"

namespace sk {

using fw::TPoint;
using fw::TRect;

// Geometry comes from skin files: sums and differences of coordinates are
// worked out wide and clamped to int, so a value beyond int is simply far
// outside every picture instead of wrapping to a point inside one.
inline int SaturatedInt(int64_t v) { return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v)); }
inline int SaturatedSum(int a, int64_t b) { return SaturatedInt(a + b); }
inline int SaturatedDiff(int a, int b) { return SaturatedInt(int64_t{a} - b); }

inline int RectWidth(const TRect& r) { return SaturatedDiff(r.right, r.left); }
inline int RectHeight(const TRect& r) { return SaturatedDiff(r.bottom, r.top); }
inline TRect NullRect() { return TRect{}; }
// A rectangle with no area is treated as absent.
inline bool IsNullRect(const TRect& r) { return RectWidth(r) <= 0 || RectHeight(r) <= 0; }
// A point on either axis is treated as absent.
inline bool IsNullPoint(const TPoint& p) { return p.x == 0 || p.y == 0; }
inline bool RectsEqual(const TRect& a, const TRect& b) { return a == b; }
// Right and bottom count as inside here (hit tests of skin objects).
inline bool PointInsideRect(const TPoint& p, const TRect& r) {
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}
// Both corners of a inside b by the platform's PtInRect rule (exclusive
// right and bottom), so a rectangle is never inside itself.
inline bool RectInsideRect(const TRect& a, const TRect& b) {
  return b.Contains({a.left, a.top}) && b.Contains({a.right, a.bottom});
}

}  // namespace sk
