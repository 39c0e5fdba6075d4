#pragma once
// Magnetic edges: a window moved within a few pixels of an edge of its area
// sticks to it until the cursor has moved further than that from where it
// stuck, then follows the cursor from there.
#include "framework/Graphics.h"

namespace sk {

class TskMagnet {
 public:
  // The size loop started with the cursor here.
  void Start(fw::TPoint cursor) { anchor_ = cursor; }
  // A size change (or a sizing step) lets go of every edge.
  void Release() { stuckLeft_ = stuckTop_ = stuckRight_ = stuckBottom_ = false; }

  // The left and top of a window of width x height proposed at `proposed`,
  // snapped to `area` with distance `size`, the cursor at `cursor`.
  fw::TPoint Snap(fw::TPoint proposed, int width, int height, const fw::TRect& area, int size, fw::TPoint cursor);

  bool StuckLeft() const { return stuckLeft_; }
  bool StuckTop() const { return stuckTop_; }
  bool StuckRight() const { return stuckRight_; }
  bool StuckBottom() const { return stuckBottom_; }
  fw::TPoint Anchor() const { return anchor_; }

 private:
  bool stuckLeft_ = false, stuckTop_ = false, stuckRight_ = false, stuckBottom_ = false;
  fw::TPoint anchor_{-1, -1};
};

}  // namespace sk
