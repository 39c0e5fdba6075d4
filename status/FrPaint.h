#pragma once
// The Windows side of the frame vocabulary: a frame surface over a device
// context, colour shading of system colours, and the visual-style
// (uxtheme) elements of the status bar.
#include <windows.h>

#include "framework/Canvas.h"
#include "status/FrCommon.h"

namespace fr {

// Draws frame lines and pixels on a device context it does not own.
class TDCFrameSurface : public TFrameSurface {
 public:
  explicit TDCFrameSurface(HDC dc) : dc_(dc) {}
  void Line(int x1, int y1, int x2, int y2, TColor color) override;
  void Pixel(int x, int y, TColor color) override;

 private:
  HDC dc_;
};

TRect StrokeSides(fw::TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides, TColor lowerRight);
TRect StrokeBands(fw::TCanvas& canvas, const TRect& rect, TColor upperLeft, TSides sides, int count, TColor lowerRight);
TRect PaintFrame(fw::TCanvas& canvas, const TRect& rect, TFrameStyle style, TSides sides);

// ShadeRgb of any colour, system colours resolved first.
TColor ShadeColor(TColor color, int amount);

// True when the platform's visual styles are on for this program.
bool ThemesEnabled();

// The status bar's visual-style elements; each answers false when no theme
// could be opened, so the caller can fall back to the classic look.
enum class TStatusThemePart { Background = 0, Pane = 1, Gripper = 3 };
bool DrawStatusThemePart(HWND wnd, HDC dc, const TRect& rect, TStatusThemePart part);
// Writes `text` with the theme's status-bar text drawing.
bool DrawStatusThemeText(HWND wnd, HDC dc, const TRect& rect, const std::wstring& text, UINT format);

// Restores a device context's state when the scope ends, even when a
// drawing step throws.
class TSavedDC {
 public:
  explicit TSavedDC(HDC dc) : dc_(dc), level_(SaveDC(dc)) {}
  ~TSavedDC() {
    if (level_ > 0) RestoreDC(dc_, level_);
  }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

 private:
  HDC dc_;
  int level_;
};

// A window's client-area device context, released when the scope ends.
class TWindowDC {
 public:
  explicit TWindowDC(HWND wnd) : wnd_(wnd), dc_(GetDC(wnd)) {}
  ~TWindowDC() { ReleaseDC(wnd_, dc_); }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// BeginPaint and EndPaint around one WM_PAINT, ended even when painting throws.
class TPaintScope {
 public:
  explicit TPaintScope(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &ps_)) {}
  ~TPaintScope() { EndPaint(wnd_, &ps_); }
  TPaintScope(const TPaintScope&) = delete;
  TPaintScope& operator=(const TPaintScope&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// A 1-pixel outline along the rectangle's edges without its four corner
// pixels: the flat frame of panes and of the simple-mode text.
void PaintFlatOutline(HDC dc, const TRect& rect, TColor color);

}  // namespace fr
