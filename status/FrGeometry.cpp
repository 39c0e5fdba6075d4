#include "status/FrGeometry.h"

#include <cmath>

namespace fr {

TRect StatusBarClientRect(const TRect& client, bool themed, bool simple) {
  TRect r = client;
  if (themed) {
    if (simple) {
      ++r.left;
      ++r.top;
      --r.right;
    }
    return r;
  }
  // The classic look lets the pane frames run over the bar's edges.
  ++r.bottom;
  if (simple) {
    r.top = 2;
  } else {
    r.top = 1;
    --r.left;
    ++r.right;
  }
  return r;
}

std::array<TPoint, 6> GripSquareCorners(int right, int bottom) {
  return {{{right - 5, bottom - 12},
           {right - 5, bottom - 8},
           {right - 5, bottom - 4},
           {right - 9, bottom - 8},
           {right - 9, bottom - 4},
           {right - 13, bottom - 4}}};
}

std::vector<int> ScaledPaneWidths(const std::vector<int>& widths, int lastWidth, int delta) {
  std::vector<int> out = widths;
  if (lastWidth <= 0 || delta == 0) return out;
  for (int& w : out) {
    w += static_cast<int>(std::nearbyint(delta * (static_cast<double>(w) / lastWidth)));
  }
  return out;
}

int PaneTextX(const TRect& rect, TTextAnchor anchor, int captionOffset) {
  switch (anchor) {
    case TTextAnchor::Right: return rect.right - captionOffset - 1;
    case TTextAnchor::Center: return (rect.left + rect.right) / 2;
    case TTextAnchor::Left: break;
  }
  return rect.left + captionOffset + 1;
}

int PaneFrameWidth(TFrameStyle style) {
  switch (style) {
    case TFrameStyleEx::fsNone: return 0;
    case TFrameStyleEx::fsFlat:
    case TFrameStyleEx::fsStatus:
    case TFrameStyleEx::fsPopup: return 1;
    default: return 2;
  }
}

int RequiredPaneWidth(bool emptyCaption, int textWidth, int defaultWidth, int borderWidth, int captionOffset,
                      int labelExtra) {
  if (emptyCaption) return defaultWidth;
  return textWidth + 2 * borderWidth + captionOffset + 6 + labelExtra;
}

}  // namespace fr
