#include "framework/ImgList.h"

#include <algorithm>

#include "framework/Exceptions.h"

namespace fw {
namespace {

void PutPixel(TBitmap& bitmap, int x, int y, TColor color, uint8_t alpha) {
  uint8_t* p = bitmap.ScanLine(y) + x * 4;
  p[0] = static_cast<uint8_t>(BlueOf(color));
  p[1] = static_cast<uint8_t>(GreenOf(color));
  p[2] = static_cast<uint8_t>(RedOf(color));
  p[3] = alpha;
}

uint8_t AlphaAt(const TBitmap& bitmap, int x, int y) { return bitmap.ScanLine(y)[x * 4 + 3]; }

uint8_t MaskAlpha(const TBitmap&, const TBitmap* mask, TColor, int x, int y) {
  if (!mask || x >= mask->Width() || y >= mask->Height()) return 255;
  return (mask->Pixel(x, y) & 0xFFFFFF) != 0 ? 0 : 255;
}

uint8_t KeyAlpha(const TBitmap& image, const TBitmap*, TColor key, int x, int y) {
  return (image.Pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF) ? 0 : 255;
}

uint8_t OwnAlpha(const TBitmap& image, const TBitmap*, TColor, int x, int y) { return AlphaAt(image, x, y); }

// Light pixels drop out of the disabled shape, so an outlined glyph keeps
// its outline rather than becoming a solid block.
bool InDisabledShape(const TBitmap& image, int x, int y) {
  if (AlphaAt(image, x, y) < 128) return false;
  const TColor c = image.Pixel(x, y);
  const int luminance = (RedOf(c) * 77 + GreenOf(c) * 151 + BlueOf(c) * 28) >> 8;
  return luminance < 224;
}

}  // namespace

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::Changed() {
  if (OnChange) OnChange(this);
}

void TImageList::SetWidth(int width) {
  if (width == width_) return;
  if (width <= 0) throw EInvalidOperation(L"Invalid image size");
  width_ = width;
  Clear();
}

void TImageList::SetHeight(int height) {
  if (height == height_) return;
  if (height <= 0) throw EInvalidOperation(L"Invalid image size");
  height_ = height;
  Clear();
}

int TImageList::AddStrip(const TBitmap& image, const TBitmap* mask, TColor key, AlphaRule alpha) {
  const int count = image.Width() / width_;
  if (count == 0) return -1;
  const int first = Count();
  const int rows = std::min(height_, image.Height());
  for (int i = 0; i < count; ++i) {
    TBitmap one(width_, height_, TPixelFormat::pf32bit);  // starts all transparent
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < width_; ++x) {
        const int sx = i * width_ + x;
        const uint8_t a = alpha(image, mask, key, sx, y);
        PutPixel(one, x, y, a ? image.Pixel(sx, y) : clBlack, a);
      }
    }
    images_.push_back(std::move(one));
  }
  Changed();
  return first;
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) { return AddStrip(image, mask, clNone, MaskAlpha); }

int TImageList::AddMasked(const TBitmap& image, TColor transparent) {
  if (image.Empty()) return -1;
  const TColor key = transparent == clDefault ? image.Pixel(0, image.Height() - 1) : transparent;
  return AddStrip(image, nullptr, key, KeyAlpha);
}

int TImageList::AddAlpha(const TBitmap& image) {
  if (image.PixelFormat() != TPixelFormat::pf32bit) return Add(image);
  return AddStrip(image, nullptr, clNone, OwnAlpha);
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(L"Image index out of bounds (" + std::to_wstring(index) + L")");
  images_.erase(images_.begin() + index);
  Changed();
}

void TImageList::Clear() {
  if (images_.empty()) return;
  images_.clear();
  Changed();
}

TBitmap TImageList::DisabledImage(int index, TColor highlight, TColor shadow) const {
  const TBitmap& image = Image(index);
  TBitmap out(width_, height_, TPixelFormat::pf32bit);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (InDisabledShape(image, x, y)) {
        PutPixel(out, x, y, shadow, 255);
      } else if (x > 0 && y > 0 && InDisabledShape(image, x - 1, y - 1)) {
        PutPixel(out, x, y, highlight, 255);
      }
    }
  }
  return out;
}

}  // namespace fw
