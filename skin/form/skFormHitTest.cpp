#include "skin/form/skFormHitTest.h"

namespace sk {

using fw::TPoint;
using fw::TRect;

namespace {

int FrameCode(const TskHitTestInput& in, const TskFrameRects& m) {
  if (m.client.Contains(in.point)) return HT_CLIENT;
  return in.onCaptionObject ? HT_CAPTION : HT_OBJECT;
}

// The sizing code of a point near the edge, or 0 when it is on none of the
// corners and edges.
int SizingCode(TPoint p, const TskFrameRects& m, int width, int height) {
  if (p.x <= m.hitLeftTop.x && p.y <= m.hitLeftTop.y) return HT_TOPLEFT;
  if (p.x >= m.hitRightTop.x && p.y <= m.hitRightTop.y) return HT_TOPRIGHT;
  if (p.x <= m.hitLeftBottom.x && p.y >= m.hitLeftBottom.y) return HT_BOTTOMLEFT;
  if (p.x >= m.hitRightBottom.x && p.y >= m.hitRightBottom.y) return HT_BOTTOMRIGHT;
  if (TRect{m.hitLeftTop.x, 0, m.hitRightTop.x, m.client.top}.Contains(p)) return HT_TOP;
  if (TRect{m.hitLeftBottom.x, m.client.bottom, m.hitRightBottom.x, height}.Contains(p)) return HT_BOTTOM;
  if (TRect{0, m.hitLeftTop.y, m.client.left, m.hitLeftBottom.y}.Contains(p)) return HT_LEFT;
  if (TRect{m.client.right, m.hitRightTop.y, width, m.hitRightBottom.y}.Contains(p)) return HT_RIGHT;
  return 0;
}

bool NearEdge(const TskHitTestInput& in, const TskFrameRects& m, int b, const TskMaskStrips* mask) {
  const TPoint p = in.point;
  const int64_t x = p.x, y = p.y;
  const TPoint probes[4] = {{static_cast<int>(x - b), p.y},
                            {p.x, static_cast<int>(y - b)},
                            {static_cast<int>(x + b), p.y},
                            {p.x, static_cast<int>(y + b)}};
  if (!mask) {
    const TRect window{0, 0, in.width, in.height};
    for (const TPoint& q : probes) {
      if (!window.Contains(q)) return true;
    }
    return false;
  }
  if (m.maskArea.Contains(p)) return false;
  for (const TPoint& q : probes) {
    if (!PointInMaskShape(q, m, *mask)) return true;
  }
  return false;
}

}  // namespace

int SkinHitTest(const TskHitTestInput& in, const TskFrameRects& m, int borderWidth, const TskMaskStrips* mask) {
  // The border width comes from the skin; keep the probes inside int.
  const int b = borderWidth < 0 ? 0 : (borderWidth > (1 << 24) ? (1 << 24) : borderWidth);
  if (!in.rolledUp && !in.minimized) {
    if (in.objectHovered && !in.onCaptionObject && !m.client.Contains(in.point) && !in.inSizeMove) return HT_OBJECT;
    if (!in.maximized && in.canSize) {
      if (!NearEdge(in, m, b, mask)) return FrameCode(in, m);
      if (const int code = SizingCode(in.point, m, in.width, in.height)) return code;
    }
    if (m.client.Contains(in.point)) return HT_CLIENT;
  }
  return in.onCaptionObject ? HT_CAPTION : HT_OBJECT;
}

int DefaultHitTest(const TskHitTestInput& in, const TRect& caption, bool toolWindow) {
  const TPoint p = in.point;
  const int w = in.width, h = in.height;
  if (!in.maximized && !in.rolledUp && !in.minimized && in.canSize) {
    if (in.objectHovered) return HT_OBJECT;
    if (p.x <= 2 && p.y <= 2) return HT_TOPLEFT;
    if (p.x >= w - 2 && p.y <= 2) return HT_TOPRIGHT;
    if (p.x <= 2 && p.y >= h - 2) return HT_BOTTOMLEFT;
    if (p.x >= w - 2 && p.y >= h - 2) return HT_BOTTOMRIGHT;
    if (p.x <= 2) return HT_LEFT;
    if (p.y <= 2) return HT_TOP;
    if (p.x >= w - 2) return HT_RIGHT;
    if (p.y >= h - 2) return HT_BOTTOM;
  }
  if (caption.Contains(p)) return HT_CAPTION;
  const int captionHeight = DefaultCaptionHeight(toolWindow);
  if (TRect{kDefaultBorder, captionHeight + kDefaultBorder, w - kDefaultBorder, h - kDefaultBorder}.Contains(p)) {
    return HT_CLIENT;
  }
  return HT_OBJECT;
}

}  // namespace sk
