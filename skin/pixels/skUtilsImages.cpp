#include "skin/pixels/skUtilsImages.h"

#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {
namespace {

AxisSpan EdgeSpan(bool stretched, int dst0, int dst1, int src0, int src1) {
  return stretched ? FitSpan(dst0, dst1, src0, src1) : TileSpan(dst0, dst1, src0, src1);
}

// A strip of the source drawn through the spans into a target of its own.
struct Strip {
  TBitmap scratch;
  PixelView dst;
  PixelView src;
  Strip(TBitmap& target, int width, int height, const TBitmap& source, const TRect& sourceRect) {
    PrepareTarget(target, width, height);
    dst = ViewOf(target);
    src = SourceView(source, sourceRect, dst.bytesPerPixel, scratch);
  }
  void Blit(const AxisSpan& x, const AxisSpan& y) const { BlitSpans(dst, src, x, y); }
};

}  // namespace

TskCornerModel MapCornerModel(const TskCornerModel& s, int sourceWidth, int sourceHeight, int width, int height) {
  const int64_t dw = int64_t{width} - sourceWidth;
  const int64_t dh = int64_t{height} - sourceHeight;
  TskCornerModel m;
  m.leftTop = s.leftTop;
  m.rightTop = {SaturatedSum(s.rightTop.x, dw), s.rightTop.y};
  m.leftBottom = {s.leftBottom.x, SaturatedSum(s.leftBottom.y, dh)};
  m.rightBottom = {SaturatedSum(s.rightBottom.x, dw), SaturatedSum(s.rightBottom.y, dh)};
  m.client = {s.client.left, s.client.top, SaturatedSum(s.client.right, dw), SaturatedSum(s.client.bottom, dh)};
  return m;
}

void CreateSkinImage(const TskCornerModel& c, const TRect& rect, const TBitmap& source, TskStretchFlags stretch,
                     bool drawClient, bool stretchEffect, TskStretchType stretchType, int width, int height,
                     const TskCornerModel& m, TBitmap& target) {
  PrepareTarget(target, width, height);
  if (c.rightBottom.x == c.leftTop.x || c.rightBottom.y == c.leftTop.y || source.Empty() || target.Empty()) return;
  TBitmap scratch;
  const PixelView dst = ViewOf(target);
  const PixelView src = SourceView(source, rect, dst.bytesPerPixel, scratch);
  const int rw = RectWidth(rect);
  const int rh = RectHeight(rect);
  const int w = target.Width();
  const int h = target.Height();
  const TRect& cr = c.client;
  const TRect& ncr = m.client;

  // Edges, tiled from the start of their span or stretched over it.
  BlitSpans(dst, src, EdgeSpan(stretch.top, m.leftTop.x, m.rightTop.x, c.leftTop.x, c.rightTop.x),
            FitSpan(0, ncr.top, 0, cr.top));
  BlitSpans(dst, src, EdgeSpan(stretch.bottom, m.leftBottom.x, m.rightBottom.x, c.leftBottom.x, c.rightBottom.x),
            FitSpan(ncr.bottom, h, cr.bottom, rh));
  BlitSpans(dst, src, FitSpan(0, ncr.left, 0, cr.left),
            EdgeSpan(stretch.left, m.leftTop.y, m.leftBottom.y, c.leftTop.y, c.leftBottom.y));
  BlitSpans(dst, src, FitSpan(ncr.right, w, cr.right, rw),
            EdgeSpan(stretch.right, m.rightTop.y, m.rightBottom.y, c.rightTop.y, c.rightBottom.y));

  // The eight corner parts, each onto its counterpart.
  DrawRect(dst, {0, 0, m.leftTop.x, ncr.top}, src, {0, 0, c.leftTop.x, cr.top});
  DrawRect(dst, {0, ncr.top, ncr.left, m.leftTop.y}, src, {0, cr.top, cr.left, c.leftTop.y});
  DrawRect(dst, {m.rightTop.x, 0, w, ncr.top}, src, {c.rightTop.x, 0, rw, cr.top});
  DrawRect(dst, {ncr.right, ncr.top, w, m.rightTop.y}, src, {cr.right, cr.top, rw, c.rightTop.y});
  DrawRect(dst, {0, m.leftBottom.y, ncr.left, h}, src, {0, c.leftBottom.y, cr.left, rh});
  DrawRect(dst, {ncr.left, ncr.bottom, m.leftBottom.x, h}, src, {cr.left, cr.bottom, c.leftBottom.x, rh});
  DrawRect(dst, {m.rightBottom.x, ncr.bottom, w, h}, src, {c.rightBottom.x, cr.bottom, rw, rh});
  DrawRect(dst, {ncr.right, m.rightBottom.y, w, ncr.bottom}, src, {cr.right, c.rightBottom.y, rw, cr.bottom});

  if (!drawClient) return;
  if (!stretchEffect) {
    BlitSpans(dst, src, TileSpan(ncr.left, ncr.right, cr.left, cr.right),
              TileSpan(ncr.top, ncr.bottom, cr.top, cr.bottom));
    return;
  }
  if (IsNullRect(ncr)) return;
  const AxisSpan fitX = FitSpan(ncr.left, ncr.right, cr.left, cr.right);
  const AxisSpan fitY = FitSpan(ncr.top, ncr.bottom, cr.top, cr.bottom);
  switch (stretchType) {
    case stFull: BlitSpans(dst, src, fitX, fitY); break;
    case stVert: BlitSpans(dst, src, fitX, TileSpan(ncr.top, ncr.bottom, cr.top, cr.bottom)); break;
    default: BlitSpans(dst, src, TileSpan(ncr.left, ncr.right, cr.left, cr.right), fitY); break;
  }
}

void CreateStretchedSkinImage(TBitmap& target, const TBitmap& source, const TRect& rect, bool drawClient,
                              const TRect& client) {
  TskCornerModel c;
  c.leftTop = {client.left, client.top};
  c.rightTop = {client.right, client.top};
  c.leftBottom = {client.left, client.bottom};
  c.rightBottom = {client.right, client.bottom};
  c.client = client;
  const int w = target.Width();
  const int h = target.Height();
  CreateSkinImage(c, rect, source, {true, true, true, true}, drawClient, true, stFull, w, h,
                  MapCornerModel(c, RectWidth(rect), RectHeight(rect), w, h), target);
}

void CreateHSkinImage(int leftWidth, int rightWidth, TBitmap& target, bool stretch, int width, const TRect& sourceRect,
                      const TBitmap& source) {
  const int h = RectHeight(sourceRect);
  const int sw = RectWidth(sourceRect);
  Strip s(target, width, h, source, sourceRect);
  const AxisSpan rows = FitSpan(0, h, 0, h);
  s.Blit(FitSpan(0, leftWidth, 0, leftWidth), rows);
  const int middleEnd = SaturatedDiff(width, rightWidth);
  const int sourceMiddleEnd = SaturatedDiff(sw, rightWidth);
  s.Blit(FitSpan(middleEnd, width, sourceMiddleEnd, sw), rows);
  s.Blit(EdgeSpan(stretch, leftWidth, middleEnd, leftWidth, sourceMiddleEnd), rows);
}

void CreateVSkinImage(int topHeight, int bottomHeight, TBitmap& target, bool stretch, int height,
                      const TRect& sourceRect, const TBitmap& source) {
  const int w = RectWidth(sourceRect);
  const int sh = RectHeight(sourceRect);
  Strip s(target, w, height, source, sourceRect);
  const AxisSpan columns = FitSpan(0, w, 0, w);
  s.Blit(columns, FitSpan(0, topHeight, 0, topHeight));
  const int middleEnd = SaturatedDiff(height, bottomHeight);
  const int sourceMiddleEnd = SaturatedDiff(sh, bottomHeight);
  s.Blit(columns, FitSpan(middleEnd, height, sourceMiddleEnd, sh));
  s.Blit(columns, EdgeSpan(stretch, topHeight, middleEnd, topHeight, sourceMiddleEnd));
}

void CreateSkinBorderImages(const TskCornerModel& c, TskStretchFlags stretch, int width, int height, const TRect& rect,
                            const TBitmap& source, const TskBorderImages& targets, const TskCornerModel& m) {
  const int rw = RectWidth(rect);
  const int rh = RectHeight(rect);
  const TRect& cr = c.client;
  const TRect& ncr = m.client;
  const int topHeight = cr.top;
  const int bottomHeight = SaturatedDiff(height, ncr.bottom);
  const int sideHeight = SaturatedInt(int64_t{height} - topHeight - bottomHeight);

  if (targets.top && width > 0 && topHeight > 0 && c.rightTop.x > c.leftTop.x) {
    Strip s(*targets.top, width, topHeight, source, rect);
    const AxisSpan rows = FitSpan(0, topHeight, 0, cr.top);
    s.Blit(stretch.top ? FitSpan(m.leftTop.x, m.rightTop.x, c.leftTop.x, c.rightTop.x)
                       : TileSpan(0, width, c.leftTop.x, c.rightTop.x),
           rows);
    s.Blit(FitSpan(0, m.leftTop.x, 0, c.leftTop.x), rows);
    s.Blit(FitSpan(m.rightTop.x, width, c.rightTop.x, rw), rows);
  }
  if (targets.bottom && width > 0 && bottomHeight > 0 && c.rightBottom.x > c.leftBottom.x) {
    Strip s(*targets.bottom, width, bottomHeight, source, rect);
    const AxisSpan rows = FitSpan(0, bottomHeight, SaturatedDiff(rh, bottomHeight), rh);
    s.Blit(stretch.bottom ? FitSpan(m.leftBottom.x, m.rightBottom.x, c.leftBottom.x, c.rightBottom.x)
                          : TileSpan(0, width, c.leftBottom.x, c.rightBottom.x),
           rows);
    s.Blit(FitSpan(0, m.leftBottom.x, 0, c.leftBottom.x), rows);
    s.Blit(FitSpan(m.rightBottom.x, width, c.rightBottom.x, rw), rows);
  }
  // The side strips: a middle stretched between the fixed parts above and
  // below it, or tiled from the strip's top.
  const auto side = [&](TBitmap& target, int stripWidth, const AxisSpan& columns, bool stretched, int y0, int y1) {
    Strip s(target, stripWidth, sideHeight, source, rect);
    const int topPart = SaturatedDiff(y0, cr.top);
    const int bottomStart = SaturatedInt(int64_t{sideHeight} + y1 - cr.bottom);
    s.Blit(columns, stretched ? FitSpan(topPart, bottomStart, y0, y1) : TileSpan(0, sideHeight, y0, y1));
    if (y0 > cr.top) s.Blit(columns, FitSpan(0, topPart, cr.top, y0));
    if (cr.bottom > y1) s.Blit(columns, FitSpan(bottomStart, sideHeight, y1, cr.bottom));
  };
  if (targets.left && ncr.left > 0 && sideHeight > 0 && c.leftBottom.y > c.leftTop.y) {
    side(*targets.left, ncr.left, FitSpan(0, ncr.left, 0, cr.left), stretch.left, c.leftTop.y, c.leftBottom.y);
  }
  const int rightWidth = SaturatedDiff(width, ncr.right);
  if (targets.right && rightWidth >= 1 && sideHeight >= 1 && c.rightBottom.y > c.rightTop.y) {
    side(*targets.right, rightWidth, FitSpan(0, rightWidth, cr.right, rw), stretch.right, c.rightTop.y,
         c.rightBottom.y);
  }
}

void CreateMaskBorderImages(const TskCornerModel& c, const TRect& ma, const TBitmap& mask, int width, const TRect& nma,
                            const TskCornerModel& m, const TskBorderImages& targets) {
  const int mw = mask.Width();
  const int mh = mask.Height();
  const TRect whole{0, 0, mw, mh};
  const int sideHeight = RectHeight(nma);

  const auto side = [&](TBitmap& target, int x0, int x1, int y0, int y1) {
    const int stripWidth = SaturatedDiff(x1, x0);
    Strip s(target, stripWidth, sideHeight, mask, whole);
    const AxisSpan columns = FitSpan(0, stripWidth, x0, x1);
    if (y1 != y0) s.Blit(columns, TileSpan(0, sideHeight, y0, y1));
    if (y0 > ma.top) s.Blit(columns, FitSpan(0, SaturatedDiff(y0, ma.top), ma.top, y0));
    if (ma.bottom > y1) {
      s.Blit(columns, FitSpan(SaturatedInt(int64_t{sideHeight} - ma.bottom + y1), sideHeight, y1, ma.bottom));
    }
  };
  if (targets.left && ma.left > 0 && sideHeight > 0) side(*targets.left, 0, ma.left, c.leftTop.y, c.leftBottom.y);
  if (targets.right && SaturatedDiff(mw, ma.right) > 0 && sideHeight > 0) {
    side(*targets.right, ma.right, mw, c.rightTop.y, c.rightBottom.y);
  }

  const auto band = [&](TBitmap& target, int y0, int y1, int x0, int x1, int nx0, int nx1) {
    const int bandHeight = SaturatedDiff(y1, y0);
    Strip s(target, width, bandHeight, mask, whole);
    const AxisSpan rows = FitSpan(0, bandHeight, y0, y1);
    if (x1 != x0) s.Blit(TileSpan(nx0, nx1, x0, x1), rows);
    s.Blit(FitSpan(0, x0, 0, x0), rows);
    s.Blit(FitSpan(nx1, width, x1, mw), rows);
  };
  if (targets.top && width > 0 && ma.top > 0) {
    band(*targets.top, 0, ma.top, c.leftTop.x, c.rightTop.x, m.leftTop.x, m.rightTop.x);
  }
  if (targets.bottom && width > 0 && SaturatedDiff(mh, ma.bottom) > 0) {
    band(*targets.bottom, ma.bottom, mh, c.leftBottom.x, c.rightBottom.x, m.leftBottom.x, m.rightBottom.x);
  }
}

}  // namespace sk
