#include "skin/form/skFormMagnet.h"

#include <cstdint>
#include <cstdlib>

namespace sk {

namespace {

// One axis: `value` is the window's edge on that axis, `edge` the area's;
// returns the new edge. The anchor's coordinate is taken when the edge
// sticks.
int64_t SnapAxis(int64_t value, int64_t edge, int64_t size, int64_t cursor, int& anchor, bool& stuck) {
  const bool nearEdge = edge - size < value && value < edge + size;
  int64_t result = value;
  if (nearEdge && !stuck) {
    result = edge;
    anchor = static_cast<int>(cursor);
  } else if (stuck) {
    const int64_t moved = cursor - anchor;
    result = std::llabs(moved) > size ? edge + moved : edge;
  }
  stuck = nearEdge;
  return result;
}

int Clamped(int64_t v) { return v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : static_cast<int>(v)); }

}  // namespace

fw::TPoint TskMagnet::Snap(fw::TPoint proposed, int width, int height, const fw::TRect& area, int size,
                           fw::TPoint cursor) {
  int64_t x = proposed.x, y = proposed.y;
  x = SnapAxis(x, area.left, size, cursor.x, anchor_.x, stuckLeft_);
  y = SnapAxis(y, area.top, size, cursor.y, anchor_.y, stuckTop_);
  // The far edges work on the window's right and bottom as the near edges
  // left them.
  x = SnapAxis(x + width, area.right, size, cursor.x, anchor_.x, stuckRight_) - width;
  y = SnapAxis(y + height, area.bottom, size, cursor.y, anchor_.y, stuckBottom_) - height;
  return {Clamped(x), Clamped(y)};
}

}  // namespace sk
