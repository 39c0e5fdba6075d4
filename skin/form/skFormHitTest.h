#pragma once
// WM_NCHITTEST of the skinned form: which part of the frame a window point
// is (caption, caption object, border edge or corner, client), with a skin
// or in the built-in look, and which caption object the mouse is over.
#include <span>

#include "framework/Graphics.h"
#include "skin/form/skFormButtons.h"
#include "skin/form/skFormGeometry.h"
#include "skin/form/skFormRegion.h"

namespace sk {

// The platform's hit-test codes.
enum TskHitCode : int {
  HT_CLIENT = 1,
  HT_CAPTION = 2,
  HT_LEFT = 10,
  HT_RIGHT = 11,
  HT_TOP = 12,
  HT_TOPLEFT = 13,
  HT_TOPRIGHT = 14,
  HT_BOTTOM = 15,
  HT_BOTTOMLEFT = 16,
  HT_BOTTOMRIGHT = 17,
  // Frame that is neither caption, border nor client: the system neither
  // moves the window nor shows a sizing cursor there.
  HT_OBJECT = 19,
};

struct TskHitTestInput {
  fw::TPoint point;  // window coordinates
  int width = 0, height = 0;
  bool rolledUp = false, minimized = false, maximized = false;
  bool canSize = true;
  bool inSizeMove = false;
  // An object is hovered. Take it from the hover test at this point, not
  // from the last timer tick: a cursor just off a button would otherwise
  // find the border dead (HT_OBJECT) until the next tick.
  bool objectHovered = false;
  bool onCaptionObject = false;  // the point lies on a caption object
};

// With a skin: rects from CalcRects, the skin's border width, and the mask
// strips when the skin has a mask (null without one).
int SkinHitTest(const TskHitTestInput& in, const TskFrameRects& rects, int borderWidth, const TskMaskStrips* mask);
// The built-in look: defaultCaption from ArrangeDefaultButtons.
int DefaultHitTest(const TskHitTestInput& in, const fw::TRect& defaultCaption, bool toolWindow);

// The object a hover test at p hits: the first enabled and visible object
// whose rectangle holds the point and whose shape (objectMask, given the
// object's index, or null for none) has it; -1 for none.
template <class MaskOf>
int ObjectAt(std::span<const TskCaptionObjectLayout> objects, fw::TPoint p, MaskOf objectMask) {
  for (size_t i = 0; i < objects.size(); ++i) {
    const TskCaptionObjectLayout& o = objects[i];
    if (!o.enabled || !o.visible || !o.rect.Contains(p)) continue;
    if (PointInObjectMask(objectMask(i), p.x - o.rect.left, p.y - o.rect.top)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace sk
