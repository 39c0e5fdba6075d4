#include "skin/pixels/skEffectsText.h"

#include "skin/pixels/skEffectsBitmap.h"
#include "skin/pixels/skEffectsBitmapDC.h"
#include "skin/pixels/skUtilsText.h"

namespace sk {
namespace {

using fw::TRect;

// The effect is drawn in red on black; red becomes the alpha afterwards.
fw::TCanvas& RedTextCanvas(TskBitmap& bitmap, fw::TCanvas& like) {
  fw::TCanvas& c = bitmap.Canvas();
  c.Font() = like.Font();
  c.Font().SetColor(fw::clRed);
  c.Brush().style = fw::TBrushStyle::bsClear;
  return c;
}

void DrawRed(fw::TCanvas& c, const std::wstring& text, const TRect& rect, UINT format) {
  TRect r = rect;
  DrawSkinText(c, text, r, format);
}

int DrawPlainText(fw::TCanvas& canvas, const TRect& rect, const std::wstring& text, UINT format) {
  const fw::TBrushStyle old = canvas.Brush().style;
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  TRect r = rect;
  const int result = DrawSkinText(canvas, text, r, format);
  canvas.Brush().style = old;
  return result;
}

void DrawHalo(TskBitmap& halo, fw::TCanvas& canvas, fw::TColor color, int x, int y) {
  halo.ColorFromRed(color);
  halo.SetAlphaBlend(true);
  halo.DrawTo(canvas, x, y);
}

}  // namespace

int DrawGlowText(fw::TCanvas& canvas, const TRect& rect, const std::wstring& text, int glowSize, fw::TColor color,
                 int offset, UINT format) {
  const int g = glowSize > 0 ? glowSize : 0;
  if (!rect.IsEmpty()) {
    TskBitmap halo(rect.Width() + 2 * g, rect.Height() + 2 * g);
    DrawRed(RedTextCanvas(halo, canvas), text, {g, g, g + rect.Width(), g + rect.Height()}, format);
    GdiFlush();
    BlurImage(halo, g);
    DrawHalo(halo, canvas, color, rect.left - g + offset, rect.top - g + offset);
  }
  return DrawPlainText(canvas, rect, text, format);
}

int DrawSoftGlowText(fw::TCanvas& canvas, const TRect& rect, const std::wstring& text, fw::TColor color, UINT format) {
  constexpr int m = 12;
  if (!rect.IsEmpty()) {
    TskBitmap halo(rect.Width() + 2 * m, rect.Height() + 2 * m);
    fw::TCanvas& c = RedTextCanvas(halo, canvas);
    const TRect inset{m, m, m + rect.Width(), m + rect.Height()};
    c.Brush() = {fw::clRed, fw::TBrushStyle::bsSolid};
    c.FillRect({inset.left - 3, inset.top + 2, inset.right + 3, inset.bottom - 2});
    c.Brush().style = fw::TBrushStyle::bsClear;
    static constexpr fw::TPoint offsets[] = {{-1, -1}, {-2, -2}, {-1, 0}, {-2, 0}, {1, 0},
                                             {2, 0},   {1, 1},   {2, 2},  {0, 0}};
    for (const fw::TPoint& o : offsets) {
      DrawRed(c, text, {inset.left + o.x, inset.top + o.y, inset.right + o.x, inset.bottom + o.y}, format);
    }
    GdiFlush();
    BlurImage(halo, 6);
    BlurImage(halo, 6);
    DrawHalo(halo, canvas, color, rect.left - m, rect.top - m);
  }
  return DrawPlainText(canvas, rect, text, format);
}

int DrawReflectedText(fw::TCanvas& canvas, const TRect& rect, const std::wstring& text, fw::TColor color, int offset,
                      UINT format) {
  if (!rect.IsEmpty()) {
    TskBitmap mirror(rect.Width(), rect.Height());
    fw::TCanvas& c = RedTextCanvas(mirror, canvas);
    DrawRed(c, text, {0, 0, rect.Width(), rect.Height()}, format);
    TRect own{0, 0, rect.Width(), rect.Height()};
    DrawSkinText(c, text, own, format | DT_CALCRECT);
    TRect placed = rect;
    DrawSkinText(canvas, text, placed, format | DT_CALCRECT);
    GdiFlush();
    mirror.FadeReflection(own.top, own.bottom, color);
    mirror.FlipVertical();
    mirror.SetAlphaBlend(true);
    mirror.DrawTo(canvas, rect.left, placed.bottom + own.bottom + offset - mirror.Height());
  }
  return DrawPlainText(canvas, rect, text, format);
}

}  // namespace sk
