#include "skin/form/skFormGeometry.h"

#include <algorithm>

#include "skin/data/skSkinData.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

using fw::TPoint;
using fw::TRect;

TskFrameSkin FrameSkinOf(const TskSkinData& skinData) {
  TskFrameSkin skin;
  skin.info = skinData.FormInfo();
  skin.pictureWidth = skinData.Picture().Width();
  skin.pictureHeight = skinData.Picture().Height();
  skin.hasInactivePicture = !skinData.InactivePicture().Empty();
  skin.hasMask = !skinData.MaskPicture().Empty();
  return skin;
}

namespace {

TPoint Shifted(TPoint p, int64_t dx, int64_t dy) { return {SaturatedSum(p.x, dx), SaturatedSum(p.y, dy)}; }

TRect Shifted(const TRect& r, int64_t dx, int64_t dy) {
  return {SaturatedSum(r.left, dx), SaturatedSum(r.top, dy), SaturatedSum(r.right, dx), SaturatedSum(r.bottom, dy)};
}

TRect Grown(const TRect& r, int64_t dx, int64_t dy) {
  return {r.left, r.top, SaturatedSum(r.right, dx), SaturatedSum(r.bottom, dy)};
}

}  // namespace

TskFrameRects CalcRects(const TskFrameSkin& skin, int width, int height) {
  const TskDataSkinFormInfo& fi = skin.info;
  const int64_t dx = int64_t{width} - skin.pictureWidth;
  const int64_t dy = int64_t{height} - skin.pictureHeight;
  TskFrameRects r;
  r.width = width;
  r.height = height;
  r.leftTop = fi.LeftTopPoint;
  r.rightTop = Shifted(fi.RightTopPoint, dx, 0);
  r.leftBottom = Shifted(fi.LeftBottomPoint, 0, dy);
  r.rightBottom = Shifted(fi.RightBottomPoint, dx, dy);
  r.client = Grown(fi.ClientRect, dx, dy);
  r.caption = IsNullRect(fi.CaptionRect) ? fi.CaptionRect : Grown(fi.CaptionRect, dx, 0);
  // Buttons in the right half of the picture stay with the right edge.
  r.buttons = !IsNullRect(fi.ButtonsRect) && fi.ButtonsRect.left > skin.pictureWidth / 2
                  ? Shifted(fi.ButtonsRect, dx, 0)
                  : fi.ButtonsRect;
  r.maskArea = Grown(fi.MaskRectArea, dx, dy);
  r.hitLeftTop = fi.HitTestLeftTopPoint;
  r.hitRightTop = Shifted(fi.HitTestRightTopPoint, dx, 0);
  r.hitLeftBottom = Shifted(fi.HitTestLeftBottomPoint, 0, dy);
  r.hitRightBottom = Shifted(fi.HitTestRightBottomPoint, dx, dy);
  r.buttonsOffset = fi.ButtonsOffset;
  r.buttonsInLeft = fi.ButtonsInLeft;
  return r;
}

TRect MapObjectRect(const TRect& rect, const TskFrameSkin& skin, const TskFrameRects& m) {
  const TskDataSkinFormInfo& fi = skin.info;
  const int pw = skin.pictureWidth;
  const int ph = skin.pictureHeight;
  const TPoint lt = fi.LeftTopPoint, rt = fi.RightTopPoint, lb = fi.LeftBottomPoint, rb = fi.RightBottomPoint;
  const TRect ltArea{0, 0, lt.x, lt.y};
  const TRect rtArea{rt.x, 0, pw, rt.y};
  const TRect lbArea{0, lb.y, lb.x, ph};
  const TRect rbArea{rb.x, rb.y, pw, ph};
  const int64_t dx = int64_t{m.rightBottom.x} - rb.x;
  const int64_t dy = int64_t{m.rightBottom.y} - rb.y;

  if (RectInsideRect(rect, ltArea)) return rect;
  if (RectInsideRect(rect, rtArea)) return Shifted(rect, dx, 0);
  if (RectInsideRect(rect, lbArea)) return Shifted(rect, 0, dy);
  if (RectInsideRect(rect, rbArea)) return Shifted(rect, dx, dy);

  // Spanning corners: stretched along the edge between them.
  const TPoint tl{rect.left, rect.top};
  const TPoint br{rect.right, rect.bottom};
  if (ltArea.Contains(tl) && rbArea.Contains(br)) return Grown(rect, dx, dy);
  if (ltArea.Contains(tl) && rtArea.Contains(br)) return Grown(rect, dx, 0);
  if (lbArea.Contains(tl) && rbArea.Contains(br)) return Shifted(Grown(rect, dx, 0), 0, dy);
  if (ltArea.Contains(tl) && lbArea.Contains(br)) return Grown(rect, 0, dy);
  if (rtArea.Contains(tl) && rbArea.Contains(br)) return Shifted(Grown(rect, 0, dy), dx, 0);
  return rect;
}

TskFrameMargins SkinFrameMargins(const TskFrameSkin& skin) {
  const TRect& c = skin.info.ClientRect;
  return {c.left, c.top, SaturatedDiff(skin.pictureWidth, c.right), SaturatedDiff(skin.pictureHeight, c.bottom)};
}

TskFrameMargins DefaultFrameMargins(bool toolWindow) {
  return {kDefaultBorder, kDefaultBorder + DefaultCaptionHeight(toolWindow), kDefaultBorder, kDefaultBorder};
}

TRect ClientRectOfWindow(const TRect& window, const TskFrameMargins& m) {
  TRect r{SaturatedSum(window.left, m.left), SaturatedSum(window.top, m.top), SaturatedDiff(window.right, m.right),
          SaturatedDiff(window.bottom, m.bottom)};
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

TRect NcCalcClientRect(const TRect& window, bool wholeWindowIsClient, const TskFrameSkin* skin, bool toolWindow) {
  if (wholeWindowIsClient) return window;
  return ClientRectOfWindow(window, skin ? SkinFrameMargins(*skin) : DefaultFrameMargins(toolWindow));
}

TPoint WindowSizeOfClient(int clientWidth, int clientHeight, const TskFrameMargins& m) {
  return {SaturatedInt(int64_t{clientWidth} + m.left + m.right),
          SaturatedInt(int64_t{clientHeight} + m.top + m.bottom)};
}

int SkinFrameHeight(const TskFrameSkin& skin) {
  return SaturatedDiff(skin.pictureHeight, RectHeight(skin.info.ClientRect));
}

int DefaultFrameHeight(bool toolWindow) { return DefaultCaptionHeight(toolWindow) + 2 * kDefaultBorder; }

}  // namespace sk
