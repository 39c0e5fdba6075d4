#pragma once
// Painting plans of the skinned frame and the client background: which part
// of which picture goes to which place, copied, tiled or stretched. The
// plans are plain values; RenderStrip carries one out into a bitmap, the
// same way on Windows and in the tools.
#include <array>

#include "framework/Graphics.h"
#include "skin/form/skFormGeometry.h"
#include "skin/pixels/skUtilsBlit.h"

namespace sk {

// One piece of a strip: the strip's columns and rows (x.dst, y.dst) filled
// from the source picture's columns and rows (x.src, y.src).
struct TskStripPiece {
  AxisSpan x, y;
};

struct TskStripPlan {
  int width = 0, height = 0;
  fw::TPoint at;  // where the strip goes on the window
  std::array<TskStripPiece, 3> pieces{};
  int count = 0;
  // A strip with no area, or with no middle part in the picture, is not built.
  bool Built() const { return count > 0; }
  void Add(const AxisSpan& x, const AxisSpan& y) { pieces[static_cast<size_t>(count++)] = {x, y}; }
};

// The four border strips of a window: the middles first, then the corners
// (top and bottom) or the fixed ends (sides) copied one to one over them.
struct TskFramePlan {
  TskStripPlan top, bottom, left, right;
};

// Strips for the window the rectangles were made for. No strip reaches
// outside the window, whatever the skin's numbers.
TskFramePlan PlanFrameStrips(const TskFrameSkin& skin, const TskFrameRects& rects);

// Makes target the strip's size and fills it from source (the frame picture
// or the inactive one).
void RenderStrip(const TskStripPlan& plan, const fw::TBitmap& source, fw::TBitmap& target);

// Which strip an object is drawn into, and where its rectangle lies in it:
// objects reaching below the client's top go to the bottom strip.
enum class TskStripSide { Top, Bottom };
struct TskObjectInStrip {
  TskStripSide side = TskStripSide::Top;
  fw::TRect rect;
};
TskObjectInStrip ObjectStripPlace(const fw::TRect& objectRect, const TskFrameRects& rects);

// The client background (WM_ERASEBKGND), in client coordinates.
struct TskBackgroundPlan {
  // Fill: COLOR_BTNFACE over the client; None: nothing to paint (no client area).
  enum Kind { None, Fill, Picture } kind = Fill;
  // -1: the client part of the frame picture; otherwise the active picture
  // with this index.
  int pictureIndex = -1;
  fw::TRect source;  // in that picture
  AxisSpan x, y;
};

struct TskBackgroundInput {
  int clientWidth = 0, clientHeight = 0;
  int frameWidth = 0, frameHeight = 0;  // the window's outer size: the full stretch spans it
  bool skinLoaded = false;
  // The skin's picture index, and the size of that picture (0 x 0 when the
  // index names none).
  int pictureIndex = -1;
  int pictureWidth = 0, pictureHeight = 0;
};

TskBackgroundPlan PlanClientBackground(const TskFrameSkin& skin, const TskBackgroundInput& input);

// Where a logo of logoWidth x logoHeight is drawn in the client area:
// centred, never left of or above its origin.
fw::TPoint LogoPosition(int clientWidth, int clientHeight, int logoWidth, int logoHeight);

}  // namespace sk
