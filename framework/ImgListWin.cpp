// The platform's half of the image list: drawing with transparency and
// taking icons in.
#include <windows.h>

#include "framework/Canvas.h"
#include "framework/GdiObjects.h"
#include "framework/Icons.h"
#include "framework/ImgList.h"

namespace fw {
namespace {

// AlphaBlend wants the colour already multiplied by the alpha.
TBitmap Premultiplied(const TBitmap& image) {
  TBitmap out(image.Width(), image.Height(), TPixelFormat::pf32bit);
  for (int y = 0; y < image.Height(); ++y) {
    const uint8_t* s = image.ScanLine(y);
    uint8_t* d = out.ScanLine(y);
    for (int i = 0; i < image.Width() * 4; i += 4) {
      const int a = s[i + 3];
      for (int c = 0; c < 3; ++c) d[i + c] = static_cast<uint8_t>((s[i + c] * a + 127) / 255);
      d[i + 3] = static_cast<uint8_t>(a);
    }
  }
  return out;
}

// The icon's own 32-bit pixels when it has an alpha channel and the list's
// size; an empty bitmap otherwise.
TBitmap IconAlphaPixels(HICON icon, int width, int height) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {};
  GdiObject<HBITMAP> colour(info.hbmColor);
  GdiObject<HBITMAP> mask(info.hbmMask);
  BITMAP bm{};
  if (!colour || !GetObjectW(colour.Get(), sizeof bm, &bm) || bm.bmWidth != width || bm.bmHeight != height) {
    return {};
  }
  TBitmap pixels(width, height, TPixelFormat::pf32bit);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down, as our rows are
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  ScreenDC screen;
  if (GetDIBits(screen.Get(), colour.Get(), 0, height, pixels.ScanLine(0), &bi, DIB_RGB_COLORS) != height) return {};
  for (int y = 0; y < height; ++y) {
    const uint8_t* row = pixels.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      if (row[x * 4 + 3] != 0) return pixels;
    }
  }
  return {};
}

}  // namespace

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count() || !canvas.Handle()) return;
  const TBitmap image = Premultiplied(enabled ? Image(index)
                                              : DisabledImage(index, static_cast<TColor>(ColorToRGB(clBtnHighlight)),
                                                              static_cast<TColor>(ColorToRGB(clBtnShadow))));
  MemoryDC mem(canvas.Handle());
  SelectedObject selected(mem.Get(), static_cast<HGDIOBJ>(image.NativeHandle()));
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(canvas.Handle(), x, y, width_, height_, mem.Get(), 0, 0, width_, height_, blend);
}

int TImageList::AddIcon(const TIcon& icon) {
  if (icon.Empty()) return -1;
  if (TBitmap own = IconAlphaPixels(icon.Handle(), width_, height_); !own.Empty()) return AddAlpha(own);
  // Others: the colour and the mask drawn at the list's size, the mask's
  // black pixels being the icon's own.
  TBitmap colour(width_, height_, TPixelFormat::pf32bit);
  TBitmap mask(width_, height_, TPixelFormat::pf32bit);
  for (auto [bitmap, part] : {std::pair{&colour, DI_IMAGE}, std::pair{&mask, DI_MASK}}) {
    MemoryDC dc;
    SelectedObject selected(dc.Get(), static_cast<HGDIOBJ>(bitmap->NativeHandle()));
    DrawIconEx(dc.Get(), 0, 0, icon.Handle(), width_, height_, 0, nullptr, part);
  }
  GdiFlush();
  return Add(colour, &mask);
}

}  // namespace fw
