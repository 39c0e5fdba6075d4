#pragma once
// WM_GETMINMAXINFO of the skinned form: the least size the frame can be
// drawn at (from the skin's picture and its minimum width, or the built-in
// look), the largest (the monitor's work area), and the form's own limits.
#include "framework/Graphics.h"
#include "skin/form/skFormGeometry.h"

namespace sk {

// The form's BorderStyle as far as sizing goes.
struct TskSizingInput {
  bool alwaysResize = false;
  bool sizeableBorder = true;  // bsSizeable or bsSizeToolWin
};
bool CanSize(const TskSizingInput& in);

struct TskLimitsInput {
  const TskFrameSkin* skin = nullptr;  // null: the built-in look
  bool toolWindow = false;             // the built-in look's smaller caption
  bool minimized = false, rolledUp = false;
  // The form's own limits; 0 (or less) for none.
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  // The work area of the window's monitor (the whole monitor when the form
  // maximises to full screen).
  fw::TRect area;
};

int MinTrackWidth(const TskLimitsInput& in);
int MinTrackHeight(const TskLimitsInput& in);
int MaxTrackWidth(const TskLimitsInput& in);
int MaxTrackHeight(const TskLimitsInput& in);

// ptMinTrackSize and ptMaxTrackSize.
struct TskTrackSizes {
  fw::TPoint minSize, maxSize;
  friend bool operator==(const TskTrackSizes&, const TskTrackSizes&) = default;
};
TskTrackSizes TrackSizes(const TskLimitsInput& in);

// WM_DISPLAYCHANGE: a bordered window now larger than the largest size
// must have its frame recalculated.
bool NeedsRecalcAfterDisplayChange(const TskLimitsInput& in, bool hasBorder, int width, int height);

}  // namespace sk
