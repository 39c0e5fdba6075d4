#pragma once
// The arithmetic of the status bar and its panes: where panes are aligned,
// where the size grip is drawn and answers the mouse, how pane widths scale
// with the bar and how a pane places and measures its text. Portable.
#include <array>
#include <vector>

#include "framework/Graphics.h"
#include "status/FrCommon.h"

namespace fr {

using fw::TPoint;

// The status bar's pixels from the right edge that start a bottom-right resize.
constexpr int kGripHitWidth = 13;
// The pixels at the bar's right end a pane under the grip hands to the bar.
constexpr int kGripPaneWidth = 12;
// The themed gripper element's width.
constexpr int kThemedGripWidth = 20;
constexpr int kStatusBarHeight = 19;

// The area panes are aligned in, from the window's client rectangle.
TRect StatusBarClientRect(const TRect& client, bool themed, bool simple);
// True when x (bar client coordinates) lies in the grip's hit area.
constexpr bool InGripArea(int x, int barWidth) { return x >= barWidth - kGripHitWidth; }
// Top-left corners of the six light squares of the unthemed grip, for the
// grip rectangle's right edge `right` and bottom edge `bottom`; the dark
// squares sit one pixel up and left of each.
std::array<TPoint, 6> GripSquareCorners(int right, int bottom);

// Pane widths after the bar grew by `delta` from `lastWidth`: each grows in
// proportion to its share of the old width, rounded half to even.
std::vector<int> ScaledPaneWidths(const std::vector<int>& widths, int lastWidth, int delta);

enum class TTextAnchor { Left, Right, Center };
// The x a pane writes its text at within `rect`.
int PaneTextX(const TRect& rect, TTextAnchor anchor, int captionOffset);
// The y that centres text of height `textHeight` in `rect`.
inline int PaneTextY(const TRect& rect, int textHeight) { return rect.top + (rect.bottom - rect.top - textHeight) / 2; }
// Pixels the pane's text keeps from its edges: border gap plus frame.
int PaneFrameWidth(TFrameStyle style);
// The automatic width: `defaultWidth` for an empty caption, else the text
// with the border gaps, the caption offset and six pixels of air; a field
// pane's label adds `labelExtra`.
int RequiredPaneWidth(bool emptyCaption, int textWidth, int defaultWidth, int borderWidth, int captionOffset,
                      int labelExtra);

}  // namespace fr
