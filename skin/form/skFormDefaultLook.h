#pragma once
// The built-in look of a skinned form without a skin: where the striped
// caption bitmap, its lines and its text go, the client rectangle left
// unpainted, and the three one-pixel rings of the border.
#include <array>

#include "framework/Graphics.h"
#include "skin/form/skFormGeometry.h"

namespace sk {

struct TskDefaultLook {
  // The caption bitmap at (3, 3) of (width - 6) x caption height; empty for
  // windows too small to have one (then it is not painted at all).
  fw::TRect captionBitmap;
  // Stripe rows firstStripeRow .. lastStripeRow of the bitmap, alternating
  // highlight (first) and shadow, each from stripeLeft up to stripeRight
  // (excluded); none when lastStripeRow < firstStripeRow.
  int firstStripeRow = 2, lastStripeRow = 1;
  int stripeLeft = 0, stripeRight = 0;
  // Excluded from the clip: the client area is never painted over.
  fw::TRect client;
  // Outer to inner: 3D light / dark shadow, highlight / shadow, face.
  std::array<fw::TRect, 3> rings{};
};

// caption is the caption rectangle from ArrangeDefaultButtons.
TskDefaultLook PlanDefaultLook(int width, int height, bool toolWindow, const fw::TRect& caption);

// The caption text's place in the caption bitmap: centred on the caption
// (which starts 3 pixels into the window) with 5 pixels of air.
fw::TPoint DefaultCaptionTextPosition(const fw::TRect& caption, bool toolWindow, int textWidth, int textHeight);
// The width the caption text is cut to (with "...").
int DefaultCaptionTextWidth(const fw::TRect& caption);

}  // namespace sk
