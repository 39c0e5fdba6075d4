#include "skin/form/skFormLimits.h"

namespace sk {

bool CanSize(const TskSizingInput& in) { return in.alwaysResize || in.sizeableBorder; }

int MinTrackWidth(const TskLimitsInput& in) {
  if (!in.skin) return in.minWidth > 0 ? in.minWidth : 120;
  const int pictureWidth = in.skin->pictureWidth;
  const int formMinWidth = in.skin->info.FormMinWidth;
  if (pictureWidth < in.minWidth && !in.minimized) return in.minWidth;
  // The skin may allow a width below its picture's; the form's own minimum
  // still holds unless the window is only a minimised strip.
  if (formMinWidth > 0) return formMinWidth >= in.minWidth || in.minimized ? formMinWidth : in.minWidth;
  return pictureWidth;
}

int MinTrackHeight(const TskLimitsInput& in) {
  const int frame = in.skin ? SkinFrameHeight(*in.skin) : DefaultFrameHeight(in.toolWindow);
  // Rolled up or minimised only the caption strip is left.
  return frame >= in.minHeight || in.rolledUp || in.minimized ? frame : in.minHeight;
}

namespace {

int Limited(int areaSize, int limit) { return limit > 0 && limit < areaSize ? limit : areaSize; }

}  // namespace

int MaxTrackWidth(const TskLimitsInput& in) { return Limited(in.area.Width(), in.maxWidth); }
int MaxTrackHeight(const TskLimitsInput& in) { return Limited(in.area.Height(), in.maxHeight); }

TskTrackSizes TrackSizes(const TskLimitsInput& in) {
  return {{MinTrackWidth(in), MinTrackHeight(in)}, {MaxTrackWidth(in), MaxTrackHeight(in)}};
}

bool NeedsRecalcAfterDisplayChange(const TskLimitsInput& in, bool hasBorder, int width, int height) {
  return hasBorder && (width > MaxTrackWidth(in) || height > MaxTrackHeight(in));
}

}  // namespace sk
