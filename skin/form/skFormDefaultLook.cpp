#include "skin/form/skFormDefaultLook.h"

#include "skin/pixels/skUtilsRects.h"

namespace sk {

using fw::TPoint;
using fw::TRect;

TskDefaultLook PlanDefaultLook(int width, int height, bool toolWindow, const TRect& caption) {
  const int b = kDefaultBorder;
  const int captionHeight = DefaultCaptionHeight(toolWindow);
  TskDefaultLook look;
  // A window narrower than its two borders has no caption to paint: a
  // bitmap of no or negative width is never made.
  const TRect bitmap{b, b, SaturatedDiff(width, b), b + captionHeight};
  if (!IsNullRect(bitmap)) {
    look.captionBitmap = bitmap;
    if (captionHeight - 4 > 1) look.lastStripeRow = captionHeight - 4;
    look.stripeLeft = SaturatedDiff(caption.left, b - 2);
    look.stripeRight = SaturatedDiff(caption.right, 2 * b);
  }
  look.client = {b, b + captionHeight, SaturatedDiff(width, b), SaturatedDiff(height, b)};
  for (int i = 0; i < 3; ++i) {
    look.rings[static_cast<size_t>(i)] = {i, i, SaturatedDiff(width, i), SaturatedDiff(height, i)};
  }
  return look;
}

TPoint DefaultCaptionTextPosition(const TRect& caption, bool toolWindow, int textWidth, int textHeight) {
  const int64_t left =
      int64_t{caption.left} - kDefaultBorder + (int64_t{RectWidth(caption)} + 3) / 2 - (int64_t{textWidth} + 5) / 2;
  return {SaturatedInt(left), DefaultCaptionHeight(toolWindow) / 2 - textHeight / 2};
}

int DefaultCaptionTextWidth(const TRect& caption) { return SaturatedSum(RectWidth(caption), 3); }

}  // namespace sk
