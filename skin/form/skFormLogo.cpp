#include "skin/form/skFormLogo.h"

#include <algorithm>

namespace sk {

void DrawLogo(fw::TBitmap& target, fw::TPoint at, const fw::TBitmap& logo, bool transparent) {
  if (logo.Empty() || target.Empty()) return;
  const fw::TColor key = logo.Pixel(0, logo.Height() - 1);
  const int x0 = std::max(0, -at.x), y0 = std::max(0, -at.y);
  const int x1 = std::min(logo.Width(), target.Width() - at.x);
  const int y1 = std::min(logo.Height(), target.Height() - at.y);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const fw::TColor c = logo.Pixel(x, y);
      if (transparent && c == key) continue;
      target.SetPixel(at.x + x, at.y + y, c);
    }
  }
}

}  // namespace sk
