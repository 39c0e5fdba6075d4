#pragma once
// Glyph-and-text buttons and glyph strips (Windows only).
#include <windows.h>

#include <string>

#include "framework/Canvas.h"
#include "skin/pixels/skUtilsLayout.h"

namespace sk {

// A row of equally sized images cut from one strip picture; the colour of
// the strip's bottom-left pixel is transparent.
class TskImageList {
 public:
  TskImageList() = default;
  TskImageList(fw::TBitmap strip, int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;
  // Disabled images are drawn in grey.
  void Draw(fw::TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

 private:
  fw::TBitmap strip_;
  int width_ = 0;
  int height_ = 0;
};

// Draws picture at (x, y) leaving out the pixels of colour key.
void DrawTransparentPicture(fw::TCanvas& canvas, int x, int y, const fw::TBitmap& picture, fw::TColor key);

// Frame n (1-based) of a strip of count frames at (x, y); the strip's
// bottom-left colour is transparent. Nothing for an empty strip or a frame
// outside the strip.
void DrawGlyphFrame(fw::TCanvas& canvas, int x, int y, int frame, int count, const fw::TBitmap& strip);

struct TskGlyphButtonLook {
  int margin = -1;  // -1 centres glyph and text
  fw::TColor markerColor = fw::clBlack;
  bool marker = false;
  bool pressed = false;  // glyph and text move one pixel right and down
  int layout = glGlyphLeft;
  int spacing = 4;
};

// Draws caption and image index of images inside rect as a button face
// does; returns where glyph and text went.
TskGlyphTextPlace DrawImageListGlyphAndText(fw::TCanvas& canvas, const fw::TRect& rect, const TskGlyphButtonLook& look,
                                            bool enabled, const TskImageList* images, int imageIndex,
                                            const std::wstring& caption);
// The same with frame frameNumber of a strip of frameCount frames.
TskGlyphTextPlace DrawBitmapGlyphAndText(fw::TCanvas& canvas, const fw::TRect& rect, const TskGlyphButtonLook& look,
                                         const fw::TBitmap& strip, int frameCount, int frameNumber,
                                         const std::wstring& caption);

}  // namespace sk
