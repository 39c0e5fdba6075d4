#pragma once
// Block transfers between 24- or 32-bit pixel rows: copies, tiles and
// nearest-pixel stretches, each clipped to both pictures. The corner-model
// builders and the effects are written on top of these.
#include <cstddef>
#include <cstdint>

#include "framework/Graphics.h"

namespace sk {

// A rectangle of pixels addressed in its own coordinates: (x, y) of the view
// is (x + originX, y + originY) of the rows it points into. Only the valid
// range is ever read or written.
struct PixelView {
  uint8_t* bits = nullptr;  // row 0, column 0 of the underlying rows
  ptrdiff_t stride = 0;
  int bytesPerPixel = 3;
  int originX = 0;
  int originY = 0;
  fw::TRect valid;  // in view coordinates

  uint8_t* At(int x, int y) const {
    return bits + static_cast<ptrdiff_t>(y + originY) * stride + static_cast<ptrdiff_t>(x + originX) * bytesPerPixel;
  }
};

// The whole of a 24- or 32-bit bitmap.
PixelView ViewOf(fw::TBitmap& bitmap);

// How one axis of a destination range is filled from a source range.
enum class AxisFill {
  Copy,     // one to one; both ranges have the same length
  Tile,     // the source range repeated from the destination's start, the last repeat cut
  Stretch,  // nearest pixel, sampled at pixel centres
};

struct AxisSpan {
  int dst0 = 0, dst1 = 0;  // destination range, end exclusive
  int src0 = 0, src1 = 0;  // source range, end exclusive
  AxisFill fill = AxisFill::Copy;
};

// Copy when the lengths agree, stretch otherwise (rectangle to rectangle).
AxisSpan FitSpan(int dst0, int dst1, int src0, int src1);
AxisSpan TileSpan(int dst0, int dst1, int src0, int src1);

// Fills the destination rectangle described by the two spans. Both views
// must have the same bytes per pixel. Empty or reversed ranges draw nothing.
void BlitSpans(const PixelView& dst, const PixelView& src, const AxisSpan& x, const AxisSpan& y);

// Rectangle to rectangle: a copy, or a stretch when the sizes differ.
void DrawRect(const PixelView& dst, const fw::TRect& dstRect, const PixelView& src, const fw::TRect& srcRect);

// A view of rect (in bitmap coordinates) of source whose pixels have
// bytesPerPixel bytes: the source's own rows when the format matches,
// otherwise the part of the picture under rect converted into scratch.
// View coordinates start at rect's top-left; reads are clipped to the part
// of rect inside the picture.
PixelView SourceView(const fw::TBitmap& source, const fw::TRect& rect, int bytesPerPixel, fw::TBitmap& scratch);

// Makes target a 24- or 32-bit picture of the given size (keeping 32 bits
// when it has them). A target whose size or format changes starts white; one
// already of that size keeps its pixels. Negative sizes count as 0.
void PrepareTarget(fw::TBitmap& target, int width, int height);

// Pixels x0 .. x1 - 1 of row y of any picture as 24- or 32-bit pixels
// (palette pictures looked up; alpha 255 unless the source has alpha).
void ConvertRow(const fw::TBitmap& source, int y, int x0, int x1, uint8_t* out, int bytesPerPixel);

inline int BytesPerPixelOf(const fw::TBitmap& bitmap) {
  return bitmap.PixelFormat() == fw::TPixelFormat::pf32bit ? 4 : 3;
}

}  // namespace sk
