#include "skin/pixels/skEffectsBmpDC.h"

#include "framework/GdiObjects.h"

namespace sk {
namespace {

BITMAPINFO InfoOf(const TskEffectBmp& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.Width();
  info.bmiHeader.biHeight = -picture.Height();  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

TskEffectBmp EffectBmpFromHandle(HBITMAP bitmap) {
  BITMAP description{};
  if (!bitmap || !GetObjectW(bitmap, sizeof description, &description)) return TskEffectBmp(0, 0);
  TskEffectBmp picture(description.bmWidth, description.bmHeight);
  if (picture.Width() == 0 || picture.Height() == 0) return picture;
  BITMAPINFO info = InfoOf(picture);
  fw::ScreenDC screen;
  GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(picture.Height()), picture.Row(0), &info, DIB_RGB_COLORS);
  return picture;
}

void DrawAt(const TskEffectBmp& picture, HDC dc, int x, int y) {
  if (picture.Width() == 0 || picture.Height() == 0) return;
  BITMAPINFO info = InfoOf(picture);
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.Width()), static_cast<DWORD>(picture.Height()), 0, 0, 0,
                    static_cast<UINT>(picture.Height()), picture.Row(0), &info, DIB_RGB_COLORS);
}

}  // namespace sk
