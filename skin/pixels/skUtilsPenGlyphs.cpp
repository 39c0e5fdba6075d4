#include "skin/pixels/skUtilsPenGlyphs.h"

namespace sk {
namespace {

using fw::TCanvas;
using fw::TColor;

// Sets the pen (and brush) for one glyph and gives the caller's back after.
class GlyphTools {
 public:
  GlyphTools(TCanvas& canvas, TColor color, bool filled) : canvas_(canvas), pen_(canvas.Pen()), brush_(canvas.Brush()) {
    canvas.Pen() = {color, 1, fw::TPenStyle::psSolid};
    canvas.Brush() = {color, filled ? fw::TBrushStyle::bsSolid : fw::TBrushStyle::bsClear};
  }
  ~GlyphTools() {
    canvas_.Pen() = pen_;
    canvas_.Brush() = brush_;
  }
  GlyphTools(const GlyphTools&) = delete;
  GlyphTools& operator=(const GlyphTools&) = delete;

 private:
  TCanvas& canvas_;
  fw::TPen pen_;
  fw::TBrush brush_;
};

void Line(TCanvas& canvas, int x0, int y0, int x1, int y1) {
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
}

int CentreX(const fw::TRect& r) { return r.left + r.Width() / 2; }
int CentreY(const fw::TRect& r) { return r.top + r.Height() / 2; }

}  // namespace

void DrawCloseImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, false);
  Line(canvas, x + 1, y + 1, x + 9, y + 9);
  Line(canvas, x + 9, y + 1, x + 1, y + 9);
  Line(canvas, x + 2, y + 1, x + 10, y + 9);
  Line(canvas, x + 8, y + 1, x, y + 9);
}

void DrawMaximizeImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, false);
  canvas.Rectangle({x, y, x + 11, y + 10});
  canvas.Rectangle({x, y, x + 11, y + 2});
}

void DrawRestoreImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, false);
  canvas.Rectangle({x + 2, y, x + 10, y + 6});
  canvas.Rectangle({x + 2, y, x + 10, y + 2});
  canvas.Rectangle({x, y + 4, x + 7, y + 10});
  canvas.Rectangle({x, y + 4, x + 7, y + 6});
}

void DrawMinimizeImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, false);
  Line(canvas, x + 1, y + 8, x + 9, y + 8);
  Line(canvas, x + 1, y + 9, x + 9, y + 9);
}

void DrawSysMenuImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, false);
  canvas.Rectangle({x + 1, y + 3, x + 9, y + 6});
}

void DrawRollUpImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, false);
  for (int i = 0; i <= 4; ++i) Line(canvas, x + i + 1, y + 6 - i, x + 9 - i, y + 6 - i);
}

void DrawRollDownImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, false);
  for (int i = 0; i <= 4; ++i) Line(canvas, x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
}

void DrawTrayImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, true);
  canvas.Rectangle({x + 2, y + 2, x + 7, y + 7});
}

void DrawCheckImage(TCanvas& canvas, int x, int y, TColor color) {
  GlyphTools tools(canvas, color, false);
  for (int i = 0; i <= 2; ++i) {
    canvas.MoveTo(x, y + 5 - i);
    canvas.LineTo(x + 2, y + 7 - i);
    canvas.LineTo(x + 7, y + 2 - i);
  }
}

void DrawArrowImage(TCanvas& canvas, const fw::TRect& rect, TColor color, int direction) {
  GlyphTools tools(canvas, color, false);
  const int cx = CentreX(rect);
  const int cy = CentreY(rect);
  switch (direction) {
    case adLeft:
      for (int i = 0; i <= 3; ++i) Line(canvas, cx + i - 2, cy - i, cx + i - 2, cy + i + 1);
      break;
    case adRight:
      for (int n = 3; n >= 0; --n) Line(canvas, cx - n + 2, cy + n, cx - n + 2, cy - n - 1);
      break;
    case adUp:
      for (int i = 0; i <= 3; ++i) Line(canvas, cx - i, cy + i - 2, cx + i + 1, cy + i - 2);
      break;
    case adDown:
      for (int n = 3; n >= 0; --n) Line(canvas, cx - n, cy - n + 2, cx + n + 1, cy - n + 2);
      break;
    default: break;
  }
}

void DrawDropDownImage(TCanvas& canvas, const fw::TRect& rect, TColor color) {
  GlyphTools tools(canvas, color, false);
  const int cx = CentreX(rect);
  const int cy = CentreY(rect);
  for (int n = 2; n >= 0; --n) Line(canvas, cx - n, cy - n + 2, cx + n + 1, cy - n + 2);
}

}  // namespace sk
