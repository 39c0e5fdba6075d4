#include "skin/pixels/skUtilsLayout.h"

namespace sk {

TskGlyphTextPlace LayoutGlyphAndText(const fw::TRect& r, int gw, int gh, int tw, int th, int layout, int margin,
                                     int spacing) {
  const int s = gw == 0 ? 0 : spacing;
  const int cx = r.left + r.Width() / 2;
  const int cy = r.top + r.Height() / 2;
  const int hw = (gw + tw + s) / 2;
  const int hh = (gh + th + s) / 2;
  TskGlyphTextPlace p;
  if (margin != -1) {
    switch (layout) {
      case glGlyphRight:
        p.glyph = {r.right - gw - margin, cy - gh / 2};
        p.text = {p.glyph.x - s - tw, cy - th / 2};
        break;
      case glGlyphTop:
        p.glyph = {cx - gw / 2, r.top + margin};
        p.text = {cx - tw / 2, p.glyph.y + gh + s};
        break;
      case glGlyphBottom:
        p.glyph = {cx - gw / 2, r.bottom - gh - margin};
        p.text = {cx - tw / 2, p.glyph.y - s - th};
        break;
      default:
        p.glyph = {r.left + margin, cy - gh / 2};
        p.text = {r.left + margin + gw + s, cy - th / 2};
        break;
    }
    return p;
  }
  switch (layout) {
    case glGlyphRight:
      p.text = {cx - hw, cy - th / 2};
      p.glyph = {cx + hw - gw, cy - gh / 2};
      break;
    case glGlyphTop:
      p.glyph = {cx - gw / 2, cy - hh};
      p.text = {cx - tw / 2, cy + hh - th};
      break;
    case glGlyphBottom:
      p.text = {cx - tw / 2, cy - hh};
      p.glyph = {cx - gw / 2, cy + hh - gh};
      break;
    default:
      p.glyph = {cx - hw, cy - gh / 2};
      p.text = {cx + hw - tw, cy - th / 2};
      break;
  }
  return p;
}

void CorrectTextToWidth(std::wstring& text, int maxWidth, const std::function<int(const std::wstring&)>& textWidth) {
  if (textWidth(text) <= maxWidth) return;
  static const std::wstring ellipsis = L"...";
  while (!text.empty() && textWidth(text + ellipsis) > maxWidth) text.pop_back();
  text += ellipsis;
}

}  // namespace sk
