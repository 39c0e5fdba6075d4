#include "skin/form/skFormStrips.h"

#include <algorithm>

#include "skin/pixels/skUtilsRects.h"

namespace sk {

using fw::TPoint;
using fw::TRect;

namespace {

int Clamp(int64_t v, int lo, int hi) { return static_cast<int>(std::clamp<int64_t>(v, lo, std::max(lo, hi))); }

// A horizontal band (top or bottom): the middle columns m0..m1 of the
// picture rows r0..r1 tiled from x = 0 or stretched between the mapped
// corners, then the two corners one to one.
void PlanBand(TskStripPlan& s, int width, int height, int r0, int r1, int m0, int m1, int mapped0, int mapped1,
              bool stretch, int pw) {
  if (width <= 0 || height <= 0 || m1 <= m0 || r1 <= r0) return;
  s.width = width;
  s.height = height;
  const AxisSpan rows = FitSpan(0, height, r0, r1);
  s.Add(stretch ? FitSpan(mapped0, mapped1, m0, m1) : TileSpan(0, width, m0, m1), rows);
  s.Add(FitSpan(0, m0, 0, m0), rows);
  s.Add(FitSpan(mapped1, SaturatedSum(mapped1, int64_t{pw} - m1), m1, pw), rows);
}

// A side strip: the middle rows m0..m1 of the picture columns c0..c1 tiled
// from y = 0 or stretched between the fixed ends, then the upper end
// (client top .. m0) at the strip's top and the lower end (m1 .. client
// bottom) at its bottom.
void PlanSide(TskStripPlan& s, int width, int height, int c0, int c1, int m0, int m1, bool stretch,
              const TRect& client) {
  if (width <= 0 || height <= 0 || m1 <= m0 || c1 <= c0) return;
  s.width = width;
  s.height = height;
  const AxisSpan columns = FitSpan(0, width, c0, c1);
  const int upper = SaturatedDiff(m0, client.top);
  const int lowerStart = SaturatedInt(int64_t{height} - (int64_t{client.bottom} - m1));
  s.Add(columns, stretch ? FitSpan(upper, lowerStart, m0, m1) : TileSpan(0, height, m0, m1));
  if (upper > 0) s.Add(columns, FitSpan(0, upper, client.top, m0));
  if (client.bottom > m1) s.Add(columns, FitSpan(lowerStart, height, m1, client.bottom));
}

}  // namespace

TskFramePlan PlanFrameStrips(const TskFrameSkin& skin, const TskFrameRects& m) {
  const TskDataSkinFormInfo& fi = skin.info;
  const TRect& c = fi.ClientRect;
  const int w = m.width;
  const int h = m.height;
  const int pw = skin.pictureWidth;
  const int ph = skin.pictureHeight;
  // The frame's parts never reach past the window: a skin whose borders
  // are thicker than the window gets them cut, not a taller bitmap.
  const int topHeight = Clamp(c.top, 0, h);
  const int bottomHeight = Clamp(int64_t{ph} - c.bottom, 0, h - topHeight);
  const int sideHeight = h - topHeight - bottomHeight;
  const int leftWidth = Clamp(c.left, 0, w);
  const int rightWidth = Clamp(int64_t{w} - m.client.right, 0, w - leftWidth);

  TskFramePlan p;
  PlanBand(p.top, w, topHeight, 0, c.top, fi.LeftTopPoint.x, fi.RightTopPoint.x, m.leftTop.x, m.rightTop.x,
           fi.TopStretch, pw);
  PlanBand(p.bottom, w, bottomHeight, c.bottom, ph, fi.LeftBottomPoint.x, fi.RightBottomPoint.x, m.leftBottom.x,
           m.rightBottom.x, fi.BottomStretch, pw);
  PlanSide(p.left, leftWidth, sideHeight, 0, c.left, fi.LeftTopPoint.y, fi.LeftBottomPoint.y, fi.LeftStretch, c);
  PlanSide(p.right, rightWidth, sideHeight, c.right, pw, fi.RightTopPoint.y, fi.RightBottomPoint.y, fi.RightStretch, c);
  p.top.at = {0, 0};
  p.left.at = {0, topHeight};
  p.right.at = {w - rightWidth, topHeight};
  p.bottom.at = {0, h - bottomHeight};
  return p;
}

void RenderStrip(const TskStripPlan& plan, const fw::TBitmap& source, fw::TBitmap& target) {
  if (!plan.Built()) return;
  PrepareTarget(target, plan.width, plan.height);
  fw::TBitmap scratch;
  const PixelView dst = ViewOf(target);
  const PixelView src = SourceView(source, {0, 0, source.Width(), source.Height()}, dst.bytesPerPixel, scratch);
  for (int i = 0; i < plan.count; ++i) {
    const TskStripPiece& piece = plan.pieces[static_cast<size_t>(i)];
    BlitSpans(dst, src, piece.x, piece.y);
  }
}

TskObjectInStrip ObjectStripPlace(const TRect& r, const TskFrameRects& m) {
  if (r.bottom > m.client.top) {
    const int dy = m.client.bottom;
    return {TskStripSide::Bottom, {r.left, SaturatedDiff(r.top, dy), r.right, SaturatedDiff(r.bottom, dy)}};
  }
  return {TskStripSide::Top, r};
}

namespace {

// Enough whole copies of a period from 0 to cover length (and one more, as
// the copies are counted).
AxisSpan Repeat(int length, int period, int src0, int src1) {
  const int64_t copies = int64_t{std::max(length, 0)} / period + 1;
  return TileSpan(0, SaturatedInt(copies * period), src0, src1);
}

}  // namespace

TskBackgroundPlan PlanClientBackground(const TskFrameSkin& skin, const TskBackgroundInput& in) {
  TskBackgroundPlan plan;
  if (!in.skinLoaded) return plan;
  const TskDataSkinFormInfo& fi = skin.info;
  // An index that names no picture, or an empty one, means the frame
  // picture's client part: nothing is read beyond the list, nothing divided
  // by a zero size.
  const bool ownPicture = in.pictureIndex >= 0 && in.pictureWidth > 0 && in.pictureHeight > 0;
  TRect source;
  if (ownPicture) {
    plan.pictureIndex = in.pictureIndex;
    source = {0, 0, in.pictureWidth, in.pictureHeight};
  } else {
    if (IsNullRect(fi.ClientRect)) return plan;
    // Only the part of the client rectangle inside the picture has pixels.
    source = {std::max(fi.ClientRect.left, 0), std::max(fi.ClientRect.top, 0),
              std::min(fi.ClientRect.right, skin.pictureWidth), std::min(fi.ClientRect.bottom, skin.pictureHeight)};
    if (IsNullRect(source)) return plan;
  }
  if (in.clientWidth <= 0 || in.clientHeight <= 0) {
    plan.kind = TskBackgroundPlan::None;
    return plan;
  }
  plan.kind = TskBackgroundPlan::Picture;
  plan.source = source;
  const int bw = RectWidth(source);
  const int bh = RectHeight(source);
  if (!fi.StretchEffect) {
    plan.x = Repeat(in.clientWidth, bw, source.left, source.right);
    plan.y = Repeat(in.clientHeight, bh, source.top, source.bottom);
    return plan;
  }
  const AxisSpan fullX = FitSpan(0, in.frameWidth, source.left, source.right);
  const AxisSpan fullY = FitSpan(0, in.frameHeight, source.top, source.bottom);
  switch (fi.StretchType) {
    case stFull:
      plan.x = fullX;
      plan.y = fullY;
      break;
    case stVert:
      plan.x = fullX;
      plan.y = Repeat(in.frameHeight, bh, source.top, source.bottom);
      break;
    default:
      plan.x = Repeat(in.frameWidth, bw, source.left, source.right);
      plan.y = fullY;
      break;
  }
  return plan;
}

TPoint LogoPosition(int clientWidth, int clientHeight, int logoWidth, int logoHeight) {
  return {std::max(0, clientWidth / 2 - logoWidth / 2), std::max(0, clientHeight / 2 - logoHeight / 2)};
}

}  // namespace sk
