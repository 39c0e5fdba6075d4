#include "status/FrPaint.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "framework/GdiObjects.h"

namespace fr {

void TDCFrameSurface::Line(int x1, int y1, int x2, int y2, TColor color) {
  fw::GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, fw::ColorToRGB(color)));
  fw::SelectedObject selected(dc_, pen.Get());
  MoveToEx(dc_, x1, y1, nullptr);
  LineTo(dc_, x2, y2);
}

void TDCFrameSurface::Pixel(int x, int y, TColor color) { SetPixel(dc_, x, y, fw::ColorToRGB(color)); }

TRect StrokeSides(fw::TCanvas& canvas, const TRect& rect, TColor ul, TSides sides, TColor lr) {
  TDCFrameSurface surface(canvas.Handle());
  return StrokeSides(surface, rect, ul, sides, lr);
}

TRect StrokeBands(fw::TCanvas& canvas, const TRect& rect, TColor ul, TSides sides, int count, TColor lr) {
  TDCFrameSurface surface(canvas.Handle());
  return StrokeBands(surface, rect, ul, sides, count, lr);
}

TRect PaintFrame(fw::TCanvas& canvas, const TRect& rect, TFrameStyle style, TSides sides) {
  TDCFrameSurface surface(canvas.Handle());
  return PaintFrame(surface, rect, style, sides);
}

TColor ShadeColor(TColor color, int amount) { return ShadeRgb(static_cast<TColor>(fw::ColorToRGB(color)), amount); }

bool ThemesEnabled() { return IsThemeActive() && IsAppThemed(); }

namespace {

// An open theme of the status-bar class for one drawing call.
class StatusTheme {
 public:
  explicit StatusTheme(HWND wnd) : theme_(OpenThemeData(wnd, VSCLASS_STATUS)) {}
  ~StatusTheme() {
    if (theme_) CloseThemeData(theme_);
  }
  StatusTheme(const StatusTheme&) = delete;
  StatusTheme& operator=(const StatusTheme&) = delete;
  HTHEME Get() const { return theme_; }

 private:
  HTHEME theme_;
};

}  // namespace

bool DrawStatusThemePart(HWND wnd, HDC dc, const TRect& rect, TStatusThemePart part) {
  StatusTheme theme(wnd);
  if (!theme.Get()) return false;
  RECT r = fw::ToRECT(rect);
  return SUCCEEDED(DrawThemeBackground(theme.Get(), dc, static_cast<int>(part), 0, &r, nullptr));
}

bool DrawStatusThemeText(HWND wnd, HDC dc, const TRect& rect, const std::wstring& text, UINT format) {
  StatusTheme theme(wnd);
  if (!theme.Get()) return false;
  RECT r = fw::ToRECT(rect);
  return SUCCEEDED(DrawThemeText(theme.Get(), dc, 0, 0, text.c_str(), static_cast<int>(text.size()), format, 0, &r));
}

void PaintFlatOutline(HDC dc, const TRect& r, TColor color) {
  TDCFrameSurface s(dc);
  s.Line(r.left + 1, r.top, r.right - 1, r.top, color);
  s.Line(r.left + 1, r.bottom - 1, r.right - 1, r.bottom - 1, color);
  s.Line(r.left, r.top + 1, r.left, r.bottom - 1, color);
  s.Line(r.right - 1, r.top + 1, r.right - 1, r.bottom - 1, color);
}

}  // namespace fr
