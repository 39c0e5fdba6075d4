#include "skin/controls/skControlGeometry.h"

#include "skin/pixels/skUtilsRects.h"

namespace sk {

int ResizeModeOf(const TRect& skinRect, const TskCornerModel& c) {
  if (IsNullRect(skinRect)) return rmNone;
  if (c.rightBottom.x != 0 && c.rightBottom.y != 0) return rmBoth;
  if (c.rightTop.x != 0 || c.rightTop.y != 0) return rmHorizontal;
  if (c.leftBottom.x != 0 || c.leftBottom.y != 0) return rmVertical;
  return rmFixed;
}

TskSkinGeometry SkinGeometryOf(const TskDataSkinCustomControl& r) {
  TskSkinGeometry g;
  g.corners = {r.LeftTopPoint, r.RightTopPoint, r.LeftBottomPoint, r.RightBottomPoint, r.ClientRect};
  g.skinRect = r.SkinRect;
  g.stretch = {r.LeftStretch, r.TopStretch, r.RightStretch, r.BottomStretch};
  g.stretchEffect = r.StretchEffect;
  g.stretchType = r.StretchType;
  g.resizeMode = ResizeModeOf(r.SkinRect, g.corners);
  return g;
}

TskCornerModel FitSizeToSkin(const TskSkinGeometry& g, int& width, int& height) {
  const int sw = RectWidth(g.skinRect);
  const int sh = RectHeight(g.skinRect);
  const TskCornerModel& c = g.corners;
  switch (g.resizeMode) {
    case rmFixed:
      width = sw;
      height = sh;
      return c;
    case rmBoth: return MapCornerModel(c, sw, sh, width, height);
    case rmHorizontal: height = sh; return MapCornerModel(c, sw, sh, width, height);
    case rmVertical: width = sw; return MapCornerModel(c, sw, sh, width, height);
    default: return {};
  }
}

namespace {

TRect Moved(const TRect& r, int dx, int dy) {
  return {SaturatedSum(r.left, dx), SaturatedSum(r.top, dy), SaturatedSum(r.right, dx), SaturatedSum(r.bottom, dy)};
}

TRect MapBothWays(const TskSkinGeometry& g, int dx, int dy, const TRect& s) {
  const TskCornerModel& c = g.corners;
  const int sw = RectWidth(g.skinRect);
  const int sh = RectHeight(g.skinRect);
  const TRect leftTop{0, 0, c.leftTop.x, c.leftTop.y};
  const TRect leftBottom{0, c.leftBottom.y, c.leftBottom.x, sh};
  const TRect rightTop{c.rightTop.x, 0, sw, c.rightTop.y};
  const TRect rightBottom{c.rightBottom.x, c.rightBottom.y, sw, sh};

  if (RectInsideRect(s, leftTop)) return s;
  if (RectInsideRect(s, rightTop)) return Moved(s, dx, 0);
  if (RectInsideRect(s, leftBottom)) return Moved(s, 0, dy);
  if (RectInsideRect(s, rightBottom)) return Moved(s, dx, dy);

  const TPoint tl{s.left, s.top};
  const TPoint br{s.right, s.bottom};
  TRect r = s;
  if (PointInsideRect(tl, leftTop) && PointInsideRect(br, rightBottom)) {
    r.right = SaturatedSum(r.right, dx);
    r.bottom = SaturatedSum(r.bottom, dy);
  } else if (PointInsideRect(tl, leftTop) && PointInsideRect(br, rightTop)) {
    r.right = SaturatedSum(r.right, dx);
  } else if (PointInsideRect(tl, leftBottom) && PointInsideRect(br, rightBottom)) {
    r = Moved(r, 0, dy);
    r.right = SaturatedSum(r.right, dx);
  } else if (PointInsideRect(tl, leftTop) && PointInsideRect(br, leftBottom)) {
    r.bottom = SaturatedSum(r.bottom, dy);
  } else if (PointInsideRect(tl, rightTop) && PointInsideRect(br, rightBottom)) {
    r = Moved(r, dx, 0);
    r.bottom = SaturatedSum(r.bottom, dy);
  }
  return r;
}

}  // namespace

TRect MapSkinRect(const TskSkinGeometry& g, int width, int height, const TRect& s) {
  const int dx = SaturatedDiff(width, RectWidth(g.skinRect));
  const int dy = SaturatedDiff(height, RectHeight(g.skinRect));
  const TskCornerModel& c = g.corners;
  switch (g.resizeMode) {
    case rmBoth: return MapBothWays(g, dx, dy, s);
    case rmHorizontal:
      if (s.left <= c.leftTop.x && s.right >= c.rightTop.x) return {s.left, s.top, SaturatedSum(s.right, dx), s.bottom};
      if (s.left >= c.rightTop.x && s.right > c.rightTop.x) return Moved(s, dx, 0);
      return s;
    case rmVertical:
      if (s.top <= c.leftTop.y && s.bottom >= c.leftBottom.y)
        return {s.left, s.top, s.right, SaturatedSum(s.bottom, dy)};
      if (s.top >= c.leftBottom.y && s.bottom > c.leftBottom.y) return Moved(s, 0, dy);
      return s;
    default: return s;
  }
}

TskFillPlan SliceFillPlan(const TRect& dest, const TRect& slice, bool stretchEffect, TskStretchType type) {
  TskFillPlan p;
  if (IsNullRect(dest) || IsNullRect(slice)) return p;
  p.draw = true;
  const AxisSpan tileX = TileSpan(dest.left, dest.right, slice.left, slice.right);
  const AxisSpan tileY = TileSpan(dest.top, dest.bottom, slice.top, slice.bottom);
  const AxisSpan fitX = FitSpan(dest.left, dest.right, slice.left, slice.right);
  const AxisSpan fitY = FitSpan(dest.top, dest.bottom, slice.top, slice.bottom);
  if (!stretchEffect) {
    p.x = tileX;
    p.y = tileY;
  } else if (type == stHorz) {
    p.x = tileX;
    p.y = fitY;
  } else if (type == stVert) {
    p.x = fitX;
    p.y = tileY;
  } else {
    p.x = fitX;
    p.y = fitY;
  }
  return p;
}

TskFillPlan BackgroundFillPlan(int width, int height, const TRect& client, int pictureWidth, int pictureHeight,
                               bool stretchEffect, TskStretchType type) {
  const TRect whole{0, 0, width, height};
  const TRect picture{0, 0, pictureWidth, pictureHeight};
  if (stretchEffect && type == stFull) return SliceFillPlan(client, picture, true, stFull);
  return SliceFillPlan(whole, picture, stretchEffect, type);
}

TRect PanelClientRect(const TskPanelClientInput& in) {
  const TRect full{0, 0, in.width, in.height};
  if (!in.record) {
    TRect r = full;
    if (in.borderStyle != bvNone) r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    if (in.captionMode) r.top += in.defaultCaptionHeight;
    return r;
  }
  if (in.backgroundPicture) return full;
  if (in.borderStyle == bvNone && !in.captionMode && in.resizeMode == rmBoth) return full;
  return in.resizedClient;
}

TRect StatusGripRect(const TRect& client, const TRect& gripperRect) {
  if (!IsNullRect(gripperRect)) {
    const int w = RectWidth(gripperRect);
    const int h = RectHeight(gripperRect);
    return {client.right - w, client.bottom - h, client.right, client.bottom};
  }
  const int side = RectHeight(client);
  return {client.right - side + 2, client.top, client.right, client.bottom - 2};
}

}  // namespace sk
