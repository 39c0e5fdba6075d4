#include "skin/pixels/skEffectsBitmapDC.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/GdiObjects.h"
#include "skin/pixels/skUtilsProbes.h"

namespace sk {
namespace {

using fw::TRect;

struct ListedBitmap {
  HDC dc;
  TskBitmap* bitmap;
};

std::vector<ListedBitmap>& BitmapList() {
  static std::vector<ListedBitmap> list;
  return list;
}

class BitmapDeviceContext : public TskBitmapDevice {
 public:
  explicit BitmapDeviceContext(TskBitmap& bitmap) : bitmap_(bitmap), dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) throw fw::EOutOfResources(L"Can't create compatible DC");
    ++fw::HandleCounters::Gdi();
    try {
      SelectPixels();
    } catch (...) {
      Delete();
      throw;
    }
    BitmapList().push_back({dc_, &bitmap_});
  }
  ~BitmapDeviceContext() override {
    auto& list = BitmapList();
    list.erase(std::remove_if(list.begin(), list.end(), [&](const ListedBitmap& l) { return l.dc == dc_; }),
               list.end());
    canvas_.reset();
    PixelsReleasing();
    Delete();
  }

  void PixelsReleasing() override {
    // The DC lets go of the DIB so that it can be freed.
    if (original_) SelectObject(dc_, original_);
    original_ = nullptr;
  }
  void PixelsChanged() override { SelectPixels(); }

  HDC Handle() const { return dc_; }
  fw::TCanvas& Canvas() {
    if (!canvas_) canvas_ = std::make_unique<fw::TCanvas>(dc_);
    return *canvas_;
  }

 private:
  void SelectPixels() {
    const auto dib = static_cast<HGDIOBJ>(bitmap_.Bitmap().NativeHandle());
    if (!dib) return;
    const HGDIOBJ old = SelectObject(dc_, dib);
    if (!old || old == HGDI_ERROR) throw fw::EOutOfResources(L"Can't bslect an object into DC");
    if (!original_) original_ = old;
  }
  void Delete() {
    DeleteDC(dc_);
    --fw::HandleCounters::Gdi();
  }

  TskBitmap& bitmap_;
  HDC dc_;
  HGDIOBJ original_ = nullptr;
  std::unique_ptr<fw::TCanvas> canvas_;
};

// The device context is a cache of the pixels, so a const bitmap may make one.
BitmapDeviceContext& DeviceOf(const TskBitmap& constBitmap) {
  auto& bitmap = const_cast<TskBitmap&>(constBitmap);
  if (!bitmap.Device()) bitmap.SetDevice(std::make_unique<BitmapDeviceContext>(bitmap));
  return static_cast<BitmapDeviceContext&>(*bitmap.Device());
}

bool ScreenHasTrueColour() {
  fw::ScreenDC screen;
  return GetDeviceCaps(screen.Get(), BITSPIXEL) >= 24;
}

// Blends or keys the bitmap over what the DC holds, through a copy of that
// area: our own pixel routines do the mixing, exactly as bitmap to bitmap.
void DrawThroughCopy(const TskBitmap& bitmap, HDC dc, const TRect& destRect, const TRect& sourceRect) {
  TskBitmap area(destRect.Width(), destRect.Height());
  const HDC areaDC = BitmapDC(area);
  BitBlt(areaDC, 0, 0, area.Width(), area.Height(), dc, destRect.left, destRect.top, SRCCOPY);
  GdiFlush();
  bitmap.DrawToBitmap(area, {0, 0, area.Width(), area.Height()}, sourceRect);
  BitBlt(dc, destRect.left, destRect.top, area.Width(), area.Height(), areaDC, 0, 0, SRCCOPY);
}

}  // namespace

HDC BitmapDC(const TskBitmap& bitmap) { return DeviceOf(bitmap).Handle(); }

TskBitmap* FindBitmapByDC(HDC dc) {
  for (const ListedBitmap& l : BitmapList()) {
    if (l.dc == dc) return l.bitmap;
  }
  return nullptr;
}

int BitmapsWithDCCount() { return static_cast<int>(BitmapList().size()); }

void DrawBitmapToDC(const TskBitmap& bitmap, HDC dc, const TRect& destRect, const TRect& sourceRect) {
  if (bitmap.Empty() || destRect.IsEmpty() || sourceRect.IsEmpty() || !dc) return;
  GdiFlush();
  if (TskBitmap* target = FindBitmapByDC(dc)) {
    POINT origin{};
    GetWindowOrgEx(dc, &origin);
    const TRect dest{destRect.left - origin.x, destRect.top - origin.y, destRect.right - origin.x,
                     destRect.bottom - origin.y};
    bitmap.DrawToBitmap(*target, dest, sourceRect);
    return;
  }
  if (bitmap.AlphaBlend()) {
    DrawThroughCopy(bitmap, dc, destRect, sourceRect);
    return;
  }
  const HDC source = BitmapDC(bitmap);
  if (bitmap.Transparent()) {
    const UINT key = static_cast<UINT>(SkinTransparentKeyColor);
    if (!HasTransparentBlt() || !ScreenHasTrueColour() ||
        !CallTransparentBlt(dc, destRect.left, destRect.top, destRect.Width(), destRect.Height(), source,
                            sourceRect.left, sourceRect.top, sourceRect.Width(), sourceRect.Height(), key)) {
      DrawThroughCopy(bitmap, dc, destRect, sourceRect);
    }
    return;
  }
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, destRect.left, destRect.top, destRect.Width(), destRect.Height(), source, sourceRect.left,
             sourceRect.top, sourceRect.Width(), sourceRect.Height(), SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

fw::TCanvas& TskBitmap::Canvas() { return DeviceOf(*this).Canvas(); }

void TskBitmap::DrawTo(fw::TCanvas& canvas, int x, int y) const {
  DrawBitmapToDC(*this, canvas.Handle(), fw::Bounds(x, y, Width(), Height()), {0, 0, Width(), Height()});
}

void TskBitmap::DrawTo(fw::TCanvas& canvas, const TRect& destRect, const TRect& sourceRect) const {
  DrawBitmapToDC(*this, canvas.Handle(), destRect, sourceRect);
}

}  // namespace sk
