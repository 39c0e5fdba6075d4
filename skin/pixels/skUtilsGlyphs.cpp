#include "skin/pixels/skUtilsGlyphs.h"

#include "skin/pixels/skEffectsBitmap.h"
#include "skin/pixels/skEffectsBitmapDC.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skUtilsProbes.h"
#include "skin/pixels/skUtilsText.h"

namespace sk {
namespace {

using fw::TBitmap;
using fw::TRect;

// Columns x0 .. x0 + width of strip as a picture of their own.
TBitmap CutColumns(const TBitmap& strip, int x0, int width) {
  TBitmap cell(width, strip.Height());
  for (int y = 0; y < strip.Height(); ++y) {
    for (int x = 0; x < width; ++x) cell.SetPixel(x, y, strip.Pixel(x0 + x, y));
  }
  return cell;
}

struct GlyphSize {
  int width = 0, height = 0;
};

struct TextSize {
  int width = 0, height = 0;
};

TextSize MeasureCaption(fw::TCanvas& canvas, const TRect& rect, GlyphSize glyph, int layout,
                        const std::wstring& caption) {
  if (caption.empty()) return {};
  const bool beside = layout == glGlyphLeft || layout == glGlyphRight;
  TRect r{0, 0, rect.Width() - (beside ? glyph.width : 0), rect.Height() - (beside ? 0 : glyph.height)};
  DrawSkinText(canvas, caption, r, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
  return {r.Width(), r.Height()};
}

void HorizontalLine(fw::TCanvas& canvas, int x0, int x1, int y) {
  canvas.MoveTo(x0, y);
  canvas.LineTo(x1, y);
}

// Lays out, draws the caption, lets drawGlyph draw the glyph and draws the
// marker; markerWidth is how far the glyph marker reaches.
template <class DrawGlyph>
TskGlyphTextPlace DrawGlyphAndText(fw::TCanvas& canvas, const TRect& rect, const TskGlyphButtonLook& look,
                                   GlyphSize glyph, int markerWidth, int pressedMarkerInset,
                                   const std::wstring& caption, DrawGlyph drawGlyph) {
  const fw::TBrush oldBrush = canvas.Brush();
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  const TextSize text = MeasureCaption(canvas, rect, glyph, look.layout, caption);
  TskGlyphTextPlace place = LayoutGlyphAndText(rect, glyph.width, glyph.height, text.width, text.height, look.layout,
                                               look.margin, look.spacing);
  if (look.pressed) {
    place.glyph = {place.glyph.x + 1, place.glyph.y + 1};
    place.text = {place.text.x + 1, place.text.y + 1};
  }
  const TRect textRect{place.text.x, place.text.y, place.text.x + text.width + 2, place.text.y + text.height};
  if (!caption.empty()) {
    TRect r = textRect;
    DrawSkinText(canvas, caption, r, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | DT_CENTER);
  }
  if (glyph.width > 0) drawGlyph(place.glyph);
  if (look.marker) {
    const fw::TPen oldPen = canvas.Pen();
    canvas.Pen().color = look.markerColor;
    if (glyph.width > 0) {
      const int bottom = place.glyph.y + glyph.height;
      for (int row = bottom - 2; row <= bottom; ++row) {
        HorizontalLine(canvas, place.glyph.x, place.glyph.x + markerWidth, row);
      }
    } else if (!caption.empty()) {
      for (int row = textRect.bottom - 1; row <= textRect.bottom + 1; ++row) {
        HorizontalLine(canvas, textRect.left, textRect.right, row);
      }
    } else {
      const int inset = look.pressed ? pressedMarkerInset : 0;
      canvas.Brush() = {look.markerColor, fw::TBrushStyle::bsSolid};
      canvas.FillRect({rect.left + 4, rect.top + 4 + inset, rect.right - 2, rect.bottom - 4 + inset});
    }
    canvas.Pen() = oldPen;
  }
  canvas.Brush() = oldBrush;
  return place;
}

}  // namespace

TskImageList::TskImageList(TBitmap strip, int width, int height)
    : strip_(std::move(strip)), width_(width > 0 ? width : 0), height_(height > 0 ? height : 0) {}

int TskImageList::Count() const { return width_ > 0 && height_ > 0 ? strip_.Width() / width_ : 0; }

void TskImageList::Draw(fw::TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  TBitmap cell = CutColumns(strip_, index * width_, width_);
  const fw::TColor key = cell.Pixel(0, cell.Height() - 1);
  if (!enabled) {
    TskEffectBmp grey(cell);
    grey.ApplyGrayscale();
    const fw::TColor greyKey = grey.Bitmap().Pixel(0, grey.Height() - 1);
    // Keep the transparent colour apart from the grey it maps to.
    for (int row = 0; row < cell.Height(); ++row) {
      for (int col = 0; col < cell.Width(); ++col) {
        if (cell.Pixel(col, row) == key) grey.Bitmap().SetPixel(col, row, greyKey);
      }
    }
    DrawTransparentPicture(canvas, x, y, grey.Bitmap(), greyKey);
    return;
  }
  DrawTransparentPicture(canvas, x, y, cell, key);
}

void DrawTransparentPicture(fw::TCanvas& canvas, int x, int y, const TBitmap& picture, fw::TColor key) {
  if (picture.Empty() || !picture.NativeHandle()) return;
  const HDC dc = canvas.Handle();
  {
    fw::MemoryDC source(dc);
    fw::SelectedObject selected(source.Get(), static_cast<HGDIOBJ>(picture.NativeHandle()));
    if (CallTransparentBlt(dc, x, y, picture.Width(), picture.Height(), source.Get(), 0, 0, picture.Width(),
                           picture.Height(), static_cast<UINT>(key & 0xFFFFFF))) {
      return;
    }
  }
  // Without the system's keyed copy: key the pixels ourselves.
  TskBitmap keyed;
  keyed.AssignFromBitmap(picture);
  const uint32_t keyPixel = ColorToPixel(key) & 0x00FFFFFFu;
  const uint32_t ownKey = ColorToPixel(SkinTransparentKeyColor);
  for (int row = 0; row < keyed.Height(); ++row) {
    uint32_t* p = keyed.Row(row);
    for (int col = 0; col < keyed.Width(); ++col) {
      if ((p[col] & 0x00FFFFFFu) == keyPixel) p[col] = ownKey;
    }
  }
  keyed.SetTransparent(true);
  keyed.DrawTo(canvas, x, y);
}

void DrawGlyphFrame(fw::TCanvas& canvas, int x, int y, int frame, int count, const TBitmap& strip) {
  if (strip.Empty() || count <= 0 || frame < 1 || frame > count) return;
  const int width = strip.Width() / count;
  if (width <= 0) return;
  const TBitmap cell = CutColumns(strip, (frame - 1) * width, width);
  DrawTransparentPicture(canvas, x, y, cell, cell.Pixel(0, cell.Height() - 1));
}

TskGlyphTextPlace DrawImageListGlyphAndText(fw::TCanvas& canvas, const TRect& rect, const TskGlyphButtonLook& look,
                                            bool enabled, const TskImageList* images, int imageIndex,
                                            const std::wstring& caption) {
  GlyphSize glyph;
  if (images && imageIndex >= 0 && imageIndex < images->Count()) glyph = {images->Width(), images->Height()};
  const int markerWidth = images ? images->Width() : 0;
  return DrawGlyphAndText(canvas, rect, look, glyph, markerWidth, 0, caption,
                          [&](fw::TPoint at) { images->Draw(canvas, at.x, at.y, imageIndex, enabled); });
}

TskGlyphTextPlace DrawBitmapGlyphAndText(fw::TCanvas& canvas, const TRect& rect, const TskGlyphButtonLook& look,
                                         const TBitmap& strip, int frameCount, int frameNumber,
                                         const std::wstring& caption) {
  GlyphSize glyph;
  if (!strip.Empty() && frameCount > 0) glyph = {strip.Width() / frameCount, strip.Height()};
  return DrawGlyphAndText(canvas, rect, look, glyph, strip.Width(), 1, caption,
                          [&](fw::TPoint at) { DrawGlyphFrame(canvas, at.x, at.y, frameNumber, frameCount, strip); });
}

}  // namespace sk
