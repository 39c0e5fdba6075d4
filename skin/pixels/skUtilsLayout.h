#pragma once
// The arithmetic of glyph-and-text buttons and of shortening captions,
// kept apart from the drawing so it can be checked without a device.
#include <functional>
#include <string>

#include "framework/Graphics.h"

namespace sk {

// Where the glyph sits relative to the caption.
enum TskGlyphLayout { glGlyphLeft = 0, glGlyphRight = 1, glGlyphTop = 2, glGlyphBottom = 3 };

struct TskGlyphTextPlace {
  fw::TPoint glyph;
  fw::TPoint text;
  friend bool operator==(const TskGlyphTextPlace&, const TskGlyphTextPlace&) = default;
};

// Places a glyph of glyphWidth x glyphHeight and a text of textWidth x
// textHeight inside rect. A margin of -1 centres the pair; otherwise the
// glyph keeps the margin from its side. The spacing counts only with a glyph.
TskGlyphTextPlace LayoutGlyphAndText(const fw::TRect& rect, int glyphWidth, int glyphHeight, int textWidth,
                                     int textHeight, int layout, int margin, int spacing);

// Shortens text until it and "..." fit maxWidth as measured by textWidth;
// a text that fits already is left alone.
void CorrectTextToWidth(std::wstring& text, int maxWidth, const std::function<int(const std::wstring&)>& textWidth);

}  // namespace sk
