#include "framework/Canvas.h"

#include <vector>

#include "framework/Exceptions.h"

namespace fw {

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(color & 0xFF);
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

RECT ToRECT(const TRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

// --- TFont ---------------------------------------------------------------

TFont& TFont::operator=(const TFont& other) {
  Assign(other.info_);
  return *this;
}

void TFont::Assign(const TFontInfo& info) {
  if (info == info_) return;
  info_ = info;
  Changed();
}

void TFont::SetName(const std::wstring& name) {
  if (name == info_.name) return;
  info_.name = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == info_.height) return;
  info_.height = height;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == info_.style) return;
  info_.style = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == info_.color) return;
  info_.color = color;
  // The colour is the device context's, not the font handle's: keep the handle.
  if (OnChange) OnChange();
}

void TFont::SetCharset(uint8_t charset) {
  if (charset == info_.charset) return;
  info_.charset = charset;
  Changed();
}

namespace {
int ScreenPixelsPerInch() {
  ScreenDC screen;
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}
}  // namespace

int TFont::Size() const { return -MulDiv(info_.height, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::Changed() {
  handle_.Reset();
  if (OnChange) OnChange();
}

HFONT TFont::Handle() const {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = info_.height;
    lf.lfWeight = (info_.style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (info_.style & fsItalic) ? 1 : 0;
    lf.lfUnderline = (info_.style & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (info_.style & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = info_.charset;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, info_.name.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectW(&lf));
    if (!handle_) throw EOutOfResources(L"Out of system resources");
  }
  return handle_.Get();
}

// --- TCanvas ---------------------------------------------------------------

class TCanvas::Tools {
 public:
  Tools(TCanvas& c, bool useBrush, bool usePen)
      : dc_(c.dc_),
        brush_(useBrush && c.brush_.style == TBrushStyle::bsSolid ? CreateSolidBrush(ColorToRGB(c.brush_.color))
                                                                  : nullptr),
        pen_(usePen ? CreatePen(PenStyle(c.pen_.style), c.pen_.width, ColorToRGB(c.pen_.color)) : nullptr),
        font_(dc_, c.font_.Handle()),
        oldBrush_(SelectObject(dc_, brush_ ? static_cast<HGDIOBJ>(brush_.Get()) : GetStockObject(NULL_BRUSH))),
        oldPen_(pen_ ? SelectObject(dc_, pen_.Get()) : SelectObject(dc_, GetStockObject(NULL_PEN))) {
    SetTextColor(dc_, ColorToRGB(c.font_.Color()));
    SetBkMode(dc_, c.brush_.style == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
    SetBkColor(dc_, ColorToRGB(c.brush_.color));
  }
  ~Tools() {
    SelectObject(dc_, oldBrush_);
    SelectObject(dc_, oldPen_);
  }

 private:
  static int PenStyle(TPenStyle s) {
    switch (s) {
      case TPenStyle::psDash: return PS_DASH;
      case TPenStyle::psDot: return PS_DOT;
      case TPenStyle::psClear: return PS_NULL;
      case TPenStyle::psSolid: break;
    }
    return PS_SOLID;
  }
  HDC dc_;
  GdiObject<HBRUSH> brush_;
  GdiObject<HPEN> pen_;
  SelectedObject font_;
  HGDIOBJ oldBrush_;
  HGDIOBJ oldPen_;
};

void TCanvas::FillRect(const TRect& r) {
  if (brush_.style == TBrushStyle::bsClear) return;
  GdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(brush_.color)));
  RECT rc = ToRECT(r);
  ::FillRect(dc_, &rc, brush.Get());
}

void TCanvas::FrameRect(const TRect& r) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(ColorToRGB(brush_.color)));
  RECT rc = ToRECT(r);
  ::FrameRect(dc_, &rc, brush.Get());
}

void TCanvas::Rectangle(const TRect& r) {
  Tools tools(*this, true, true);
  ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void TCanvas::MoveTo(int x, int y) {
  penPos_ = {x, y};
  MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  Tools tools(*this, false, true);
  MoveToEx(dc_, penPos_.x, penPos_.y, nullptr);
  ::LineTo(dc_, x, y);
  penPos_ = {x, y};
}

void TCanvas::Polygon(const TPoint* points, int count) {
  Tools tools(*this, true, true);
  std::vector<POINT> pts(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) pts[i] = {points[i].x, points[i].y};
  ::Polygon(dc_, pts.data(), count);
}

void TCanvas::Ellipse(const TRect& r) {
  Tools tools(*this, true, true);
  ::Ellipse(dc_, r.left, r.top, r.right, r.bottom);
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  Tools tools(*this, false, false);
  ::TextOutW(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::wstring& text) {
  Tools tools(*this, false, false);
  RECT rc = ToRECT(r);
  const UINT opaque = brush_.style == TBrushStyle::bsClear ? 0 : ETO_OPAQUE;
  ::ExtTextOutW(dc_, x, y, ETO_CLIPPED | opaque, &rc, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawTextW(const std::wstring& text, TRect& r, UINT format) {
  Tools tools(*this, false, false);
  RECT rc = ToRECT(r);
  const int h = ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rc, format);
  r = FromRECT(rc);
  return h;
}

TPoint TCanvas::TextExtent(const std::wstring& text) {
  SelectedObject font(dc_, font_.Handle());
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(dc_, x, y, ColorToRGB(color)); }

TColor TCanvas::Pixel(int x, int y) const { return static_cast<TColor>(::GetPixel(dc_, x, y)); }

void TCanvas::Draw(int x, int y, const TBitmap& bitmap) {
  DrawBitmap(dc_, Bounds(x, y, bitmap.Width(), bitmap.Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& bitmap) { DrawBitmap(dc_, r, bitmap); }

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& src) {
  StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), source.dc_, src.left, src.top, src.Width(),
             src.Height(), SRCCOPY);
}

TBitmapCanvas::TBitmapCanvas(TBitmap& bitmap) {
  if (!bitmap.NativeHandle()) throw EInvalidGraphic(L"Cannot draw on an empty bitmap");
  old_ = SelectObject(dc_.Get(), static_cast<HGDIOBJ>(bitmap.NativeHandle()));
  SetHandle(dc_.Get());
}

TBitmapCanvas::~TBitmapCanvas() { SelectObject(dc_.Get(), old_); }

void DrawBitmap(HDC dc, const TRect& dest, const TBitmap& bitmap, const TRect* source) {
  if (bitmap.Empty() || !bitmap.NativeHandle()) return;
  const TRect src = source ? *source : TRect{0, 0, bitmap.Width(), bitmap.Height()};
  MemoryDC mem(dc);
  SelectedObject selected(mem.Get(), static_cast<HGDIOBJ>(bitmap.NativeHandle()));
  if (dest.Width() == src.Width() && dest.Height() == src.Height()) {
    BitBlt(dc, dest.left, dest.top, dest.Width(), dest.Height(), mem.Get(), src.left, src.top, SRCCOPY);
  } else {
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, dest.left, dest.top, dest.Width(), dest.Height(), mem.Get(), src.left, src.top, src.Width(),
               src.Height(), SRCCOPY);
    SetStretchBltMode(dc, oldMode);
  }
}

}  // namespace fw
