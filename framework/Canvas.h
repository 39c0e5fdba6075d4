#pragma once
// Drawing on a device context: fonts, brushes, pens and the canvas.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/GdiObjects.h"
#include "framework/Graphics.h"

namespace fw {

// Resolves system colours (0xFF0000nn) to RGB.
COLORREF ColorToRGB(TColor color);
RECT ToRECT(const TRect& r);
TRect FromRECT(const RECT& r);

// A font description with a lazily created GDI font.
class TFont {
 public:
  TFont() = default;
  explicit TFont(TFontInfo info) : info_(std::move(info)) {}
  TFont(const TFont& other) : info_(other.info_) {}
  TFont& operator=(const TFont& other);

  const TFontInfo& Info() const { return info_; }
  void Assign(const TFontInfo& info);
  const std::wstring& Name() const { return info_.name; }
  int Height() const { return info_.height; }
  TFontStyles Style() const { return info_.style; }
  TColor Color() const { return info_.color; }
  uint8_t Charset() const { return info_.charset; }
  void SetName(const std::wstring& name);
  void SetHeight(int height);
  void SetStyle(TFontStyles style);
  void SetColor(TColor color);
  void SetCharset(uint8_t charset);
  // Height in points at the screen's resolution; setting converts back.
  int Size() const;
  void SetSize(int points);

  HFONT Handle() const;
  // Called after every real change.
  std::function<void()> OnChange;

 private:
  void Changed();
  TFontInfo info_;
  mutable GdiObject<HFONT> handle_;
};

enum class TBrushStyle { bsSolid, bsClear };
enum class TPenStyle { psSolid, psDash, psDot, psClear };

struct TBrush {
  TColor color = clWhite;
  TBrushStyle style = TBrushStyle::bsSolid;
};

struct TPen {
  TColor color = clBlack;
  int width = 1;
  TPenStyle style = TPenStyle::psSolid;
};

// A canvas over a device context it does not own.
class TCanvas {
 public:
  explicit TCanvas(HDC dc = nullptr) : dc_(dc) {}
  virtual ~TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return dc_; }
  void SetHandle(HDC dc) { dc_ = dc; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void Rectangle(const TRect& r);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polygon(const TPoint* points, int count);
  void Ellipse(const TRect& r);
  void TextOut(int x, int y, const std::wstring& text);
  void TextRect(const TRect& r, int x, int y, const std::wstring& text);
  // DrawText with the canvas font; returns the height drawn.
  int DrawTextW(const std::wstring& text, TRect& r, UINT format);
  TPoint TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).x; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).y; }
  void SetPixel(int x, int y, TColor color);
  TColor Pixel(int x, int y) const;

  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& r, const TBitmap& bitmap);
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& src);

 private:
  // Selects font, brush and pen for one drawing call.
  class Tools;

  HDC dc_;
  TFont font_{TFontInfo{L"MS Sans Serif", -11, 0, clWindowText, DEFAULT_CHARSET_VALUE}};
  TBrush brush_;
  TPen pen_;
  TPoint penPos_;
};

// A canvas drawing into a bitmap's pixels (its DIB section).
class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& bitmap);
  ~TBitmapCanvas() override;

 private:
  MemoryDC dc_;
  HGDIOBJ old_;
};

// Draws a bitmap's pixels (any depth) onto a DC, stretched to `dest`.
void DrawBitmap(HDC dc, const TRect& dest, const TBitmap& bitmap, const TRect* source = nullptr);

}  // namespace fw
