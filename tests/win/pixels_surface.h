#pragma once
// A white 24-bit picture with a canvas on it, for checking what the drawing
// routines put where.
#include <windows.h>

#include "framework/Canvas.h"
#include "framework/Graphics.h"

namespace pixels {

struct Surface {
  fw::TBitmap bitmap;
  fw::TBitmapCanvas canvas;

  Surface(int w, int h) : bitmap(Filled(w, h)), canvas(bitmap) {
    canvas.Font().SetName(L"Arial");
    canvas.Font().SetHeight(-14);
    canvas.Font().SetColor(fw::clBlack);
  }
  fw::TColor At(int x, int y) {
    GdiFlush();
    return bitmap.Pixel(x, y);
  }
  // The bounding box of every pixel that is not white; empty when none.
  fw::TRect Ink() {
    GdiFlush();
    fw::TRect box{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y) {
      for (int x = 0; x < bitmap.Width(); ++x) {
        if (bitmap.Pixel(x, y) == fw::clWhite) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
      }
    }
    return box.IsEmpty() ? fw::TRect{} : box;
  }

 private:
  static fw::TBitmap Filled(int w, int h) {
    fw::TBitmap b(w, h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) b.SetPixel(x, y, fw::clWhite);
    }
    return b;
  }
};

}  // namespace pixels
