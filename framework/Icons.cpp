#include "framework/Icons.h"

#include <cstring>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Exceptions.h"
#include "framework/GdiObjects.h"
#include "framework/Graphics.h"

namespace fw {

TIcon& TIcon::operator=(TIcon&& other) noexcept {
  if (this != &other) {
    SetHandle(nullptr);
    handle_ = other.handle_;
    other.handle_ = nullptr;
  }
  return *this;
}

void TIcon::SetHandle(HICON handle) {
  if (handle == handle_) return;
  if (handle_) {
    DestroyIcon(handle_);
    --HandleCounters::User();
  }
  handle_ = handle;
  if (handle_) ++HandleCounters::User();
}

HICON TIcon::ReleaseHandle() {
  if (handle_) --HandleCounters::User();
  HICON handle = handle_;
  handle_ = nullptr;
  return handle;
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const wchar_t* name, int width, int height) {
  // LR_DEFAULTSIZE only where no size was asked for: it would override one.
  const UINT flags = (width == 0 && height == 0) ? LR_DEFAULTSIZE : 0;
  auto* icon = static_cast<HICON>(LoadImageW(instance, name, IMAGE_ICON, width, height, flags));
  if (!icon) {
    throw EInvalidGraphic(IS_INTRESOURCE(name) ? L"No icon resource " + std::to_wstring(LOWORD(name))
                                               : L"No icon resource " + std::wstring(name));
  }
  SetHandle(icon);
}

void TIcon::LoadFromFile(const std::filesystem::path& fileName, int width, int height) {
  const UINT flags = LR_LOADFROMFILE | ((width == 0 && height == 0) ? LR_DEFAULTSIZE : 0);
  auto* icon = static_cast<HICON>(LoadImageW(nullptr, fileName.c_str(), IMAGE_ICON, width, height, flags));
  if (!icon) throw EInvalidGraphic(L"Cannot load the icon " + fileName.wstring());
  SetHandle(icon);
}

SIZE TIcon::Size() const {
  if (!handle_) return {0, 0};
  ICONINFO info{};
  if (!GetIconInfo(handle_, &info)) return {0, 0};
  BITMAP bm{};
  GetObjectW(info.hbmMask, sizeof bm, &bm);
  // Without a colour bitmap the mask holds the AND and XOR halves one above the other.
  SIZE size{bm.bmWidth, info.hbmColor ? bm.bmHeight : bm.bmHeight / 2};
  if (info.hbmColor) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return size;
}

void TIcon::Draw(TCanvas& canvas, int x, int y, int width, int height) const {
  if (handle_) DrawIconEx(canvas.Handle(), x, y, handle_, width, height, 0, nullptr, DI_NORMAL);
}

HICON CreateAlphaIcon(const TBitmap& image) {
  if (image.Empty() || image.PixelFormat() != TPixelFormat::pf32bit) return nullptr;
  const int w = image.Width(), h = image.Height();
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;  // top-down, as our rows are
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> colour(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!colour || !bits) return nullptr;
  for (int y = 0; y < h; ++y) {
    std::memcpy(static_cast<uint8_t*>(bits) + static_cast<size_t>(y) * w * 4, image.ScanLine(y),
                static_cast<size_t>(w) * 4);
  }
  GdiFlush();
  // The alpha decides; the mask only has to exist (all zero: opaque).
  std::vector<uint8_t> zeros(static_cast<size_t>((w + 15) / 16 * 2) * h, 0);
  GdiObject<HBITMAP> mask(CreateBitmap(w, h, 1, 1, zeros.data()));
  ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
  return CreateIconIndirect(&info);
}

}  // namespace fw
