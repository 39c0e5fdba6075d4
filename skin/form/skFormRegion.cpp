#include "skin/form/skFormRegion.h"

#include <cstring>

#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsImages.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

using fw::TBitmap;
using fw::TPoint;
using fw::TRect;

TskRegionKind RegionKindFor(const TskRegionInput& in) {
  if (!in.skinned || !in.hasBorder) return TskRegionKind::None;
  if (!in.skinLoaded || !in.hasMask || in.maximizedMdiChild) return TskRegionKind::WholeRect;
  return TskRegionKind::Mask;
}

TBitmap TrueColorMask(const TBitmap& mask) {
  if (mask.Empty() || mask.PixelFormat() == fw::TPixelFormat::pf24bit) return mask;
  TBitmap copy(mask.Width(), mask.Height(), fw::TPixelFormat::pf24bit);
  for (int y = 0; y < mask.Height(); ++y) ConvertRow(mask, y, 0, mask.Width(), copy.ScanLine(y), 3);
  return copy;
}

bool BuildMaskStrips(const TskFrameSkin& skin, const TBitmap& mask, const TskFrameRects& m, TskMaskStrips& strips) {
  const TskDataSkinFormInfo& fi = skin.info;
  const TRect& ma = fi.MaskRectArea;
  const TRect& nma = m.maskArea;
  const int mw = mask.Width();
  const int mh = mask.Height();
  // Every strip must lie inside the mask and, at its place, inside the
  // window; otherwise its size would come from the skin's numbers alone.
  const bool fitsMask = !mask.Empty() && 0 <= ma.left && ma.left <= ma.right && ma.right <= mw && 0 <= ma.top &&
                        ma.top <= ma.bottom && ma.bottom <= mh;
  const bool fitsWindow = fitsMask && nma.left == ma.left && nma.top == ma.top && nma.left <= nma.right &&
                          nma.top <= nma.bottom && int64_t{nma.right} + (mw - ma.right) <= m.width &&
                          int64_t{nma.bottom} + (mh - ma.bottom) <= m.height;
  if (!fitsWindow) {
    strips.Clear();
    return false;
  }
  // The builder leaves a strip it has nothing for as it was, and a part no
  // piece covers as it finds it: empty the first kind and whiten the kept
  // strips, so nothing of an earlier size or skin survives.
  const int sideHeight = RectHeight(nma);
  if (m.width <= 0 || ma.top <= 0) strips.top = TBitmap();
  if (m.width <= 0 || mh - ma.bottom <= 0) strips.bottom = TBitmap();
  if (ma.left <= 0 || sideHeight <= 0) strips.left = TBitmap();
  if (mw - ma.right <= 0 || sideHeight <= 0) strips.right = TBitmap();
  for (TBitmap* strip : {&strips.top, &strips.bottom, &strips.left, &strips.right}) {
    if (!strip->Empty())
      std::memset(strip->ScanLine(0), 0xFF, static_cast<size_t>(strip->RowBytes()) * strip->Height());
  }
  const TskCornerModel corners{fi.LeftTopPoint, fi.RightTopPoint, fi.LeftBottomPoint, fi.RightBottomPoint, ma};
  const TskCornerModel mapped{m.leftTop, m.rightTop, m.leftBottom, m.rightBottom, nma};
  CreateMaskBorderImages(corners, ma, mask, m.width, nma, mapped,
                         {&strips.top, &strips.bottom, &strips.left, &strips.right});
  return true;
}

namespace {

// Black runs of one 24-bit row, appended as [left, right) pairs. A pixel is
// black when its three bytes are zero, so the runs are the pixel-aligned
// parts of the row's zero-byte stretches; those are found eight bytes at a
// time (frames are mostly long stretches of one kind).
void RowRuns(const uint8_t* row, int width, std::vector<int>& runs) {
  runs.clear();
  const size_t bytes = static_cast<size_t>(width) * 3;
  size_t i = 0;
  const auto word = [&](size_t at) {
    uint64_t v;
    std::memcpy(&v, row + at, 8);
    return v;
  };
  constexpr uint64_t kLow = 0x0101010101010101ull, kHigh = 0x8080808080808080ull;
  while (i < bytes) {
    // Skip bytes that are not zero.
    while (i + 8 <= bytes && ((word(i) - kLow) & ~word(i) & kHigh) == 0) i += 8;
    while (i < bytes && row[i] != 0) ++i;
    if (i >= bytes) break;
    const size_t zeroStart = i;
    while (i + 8 <= bytes && word(i) == 0) i += 8;
    while (i < bytes && row[i] == 0) ++i;
    const int first = static_cast<int>((zeroStart + 2) / 3);
    const int last = static_cast<int>(i / 3);
    if (last > first) {
      runs.push_back(first);
      runs.push_back(last);
    }
  }
}

// Appends the strip's runs at (x, y) row by row, extending the band above
// instead when a row has exactly its runs (a row equal to the one above is
// not scanned again).
void AppendRuns(std::vector<TskRegionRect>& out, const TBitmap& strip, int x, int y) {
  if (strip.Empty()) return;
  const int w = strip.Width();
  const size_t rowBytes = static_cast<size_t>(w) * 3;
  // Rows follow each other at the bitmap's stride.
  const uint8_t* const first = strip.ScanLine(0);
  const ptrdiff_t stride = strip.RowBytes();
  std::vector<int> runs;
  size_t bandStart = out.size();
  bool band = false;
  for (int r = 0; r < strip.Height(); ++r) {
    const uint8_t* row = first + r * stride;
    const int top = static_cast<int>(int64_t{y} + r);
    if (r > 0 && std::memcmp(row, row - stride, rowBytes) == 0) {
      for (size_t k = bandStart; band && k < out.size(); ++k) out[k].bottom = top + 1;
      continue;
    }
    RowRuns(row, w, runs);
    const size_t count = runs.size() / 2;
    bool same = band && out.size() - bandStart == count;
    for (size_t k = 0; same && k < count; ++k) {
      same = out[bandStart + k].left == x + runs[2 * k] && out[bandStart + k].right == x + runs[2 * k + 1];
    }
    if (same) {
      for (size_t k = bandStart; k < out.size(); ++k) out[k].bottom = top + 1;
      continue;
    }
    bandStart = out.size();
    band = count > 0;
    for (size_t k = 0; k < count; ++k) out.push_back({x + runs[2 * k], top, x + runs[2 * k + 1], top + 1});
  }
}

}  // namespace

std::vector<TskRegionRect> MaskRegionRects(const TskFrameRects& m, const TskMaskStrips& strips) {
  std::vector<TskRegionRect> rects;
  const TRect& a = m.maskArea;
  if (!IsNullRect(a)) rects.push_back({a.left, a.top, a.right, a.bottom});
  AppendRuns(rects, strips.top, 0, 0);
  AppendRuns(rects, strips.bottom, 0, a.bottom);
  AppendRuns(rects, strips.left, 0, a.top);
  AppendRuns(rects, strips.right, a.right, a.top);
  return rects;
}

std::vector<TskRegionRect> FrameRegionRects(TskRegionKind kind, const TskFrameSkin& skin, const TBitmap& mask,
                                            const TskFrameRects& m, TskMaskStrips& strips) {
  if (kind == TskRegionKind::Mask && BuildMaskStrips(skin, mask, m, strips)) return MaskRegionRects(m, strips);
  strips.Clear();
  if (kind == TskRegionKind::None || m.width <= 0 || m.height <= 0) return {};
  return {{0, 0, m.width, m.height}};
}

namespace {

// Pixels outside the strip count as not black.
bool BlackAt(const TBitmap& b, int64_t x, int64_t y) {
  if (x < 0 || y < 0 || x >= b.Width() || y >= b.Height()) return false;
  return (b.Pixel(static_cast<int>(x), static_cast<int>(y)) & 0xFFFFFF) == 0;
}

}  // namespace

bool PointInMaskShape(TPoint p, const TskFrameRects& m, const TskMaskStrips& strips) {
  const TRect& a = m.maskArea;
  if (a.Contains(p)) return true;
  // The top strip holds the rows above the area, the bottom strip those from
  // its bottom on; the sides the rows between.
  if (p.y < a.top) return BlackAt(strips.top, p.x, p.y);
  if (p.y >= a.bottom) return BlackAt(strips.bottom, p.x, int64_t{p.y} - a.bottom);
  if (p.x > a.left) return BlackAt(strips.right, int64_t{p.x} - a.right, int64_t{p.y} - a.top);
  return BlackAt(strips.left, p.x, int64_t{p.y} - a.top);
}

bool PointInObjectMask(const TBitmap* mask, int x, int y) {
  if (!mask || mask->Empty()) return true;
  // The mask's last column and row are its width and height minus one.
  return BlackAt(*mask, x, y);
}

}  // namespace sk
