#pragma once
// The window's shape: whether it has a region, and the region's rectangles
// built from the four border strips of the mask resized to the window plus
// the solid mask area. The strips are kept for hit testing against the
// shape, so the mask is resized once per size change, never per test.
#include <vector>

#include "framework/Graphics.h"
#include "skin/form/skFormGeometry.h"
#include "skin/pixels/skUtilsMask.h"

namespace sk {

enum class TskRegionKind {
  None,       // no region: the window is its rectangle (also: remove a set one)
  WholeRect,  // the rectangle (0, 0, width, height)
  Mask,       // the mask's outline
};

struct TskRegionInput {
  bool skinned = true;
  bool hasBorder = true;
  bool skinLoaded = false;
  bool hasMask = false;
  bool maximizedMdiChild = false;
};

TskRegionKind RegionKindFor(const TskRegionInput& input);

// The mask's border strips at the window's size.
struct TskMaskStrips {
  fw::TBitmap top, bottom, left, right;
  bool Empty() const { return top.Empty() && bottom.Empty() && left.Empty() && right.Empty(); }
  void Clear() { *this = TskMaskStrips{}; }
};

// The mask as the strips are cut from it: 24-bit. The form converts its
// mask once per skin, not at every size change.
fw::TBitmap TrueColorMask(const fw::TBitmap& mask);

// Rebuilds strips from the mask for the window the rectangles were made
// for (strips of the same size as before are reused). False (and empty strips) when the mask cannot shape a window of
// this size: its area lies outside the picture or outside the window; the window is then shaped as its rectangle.
bool BuildMaskStrips(const TskFrameSkin& skin, const fw::TBitmap& mask, const TskFrameRects& rects,
                     TskMaskStrips& strips);

// The region's rectangles in window coordinates: the mask area, then the
// black runs of the top, bottom, left and right strips at their places,
// rows with the same runs one under the other joined into one band.
std::vector<TskRegionRect> MaskRegionRects(const TskFrameRects& rects, const TskMaskStrips& strips);

// The whole region as UpdateSkinRegion sets it: empty for None. Mask builds
// the strips (kept in `strips`); every other kind empties them.
std::vector<TskRegionRect> FrameRegionRects(TskRegionKind kind, const TskFrameSkin& skin, const fw::TBitmap& mask,
                                            const TskFrameRects& rects, TskMaskStrips& strips);

// A window point lies in the shape: inside the mask area, or on a black
// pixel of the strip it falls in. Points outside every strip are outside.
bool PointInMaskShape(fw::TPoint p, const TskFrameRects& rects, const TskMaskStrips& strips);

// An object-relative point lies in an object's shape: always without a
// mask picture, else only on a black pixel inside the mask.
bool PointInObjectMask(const fw::TBitmap* mask, int x, int y);

}  // namespace sk
