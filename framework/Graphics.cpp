#include "framework/Graphics.h"

#include <cstring>
#include <string>

#include "framework/Exceptions.h"

namespace fw {

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pf32bit: return 32;
  }
  return 24;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) : width_(width), height_(height), format_(format) {
  Reallocate();
}

TBitmap::TBitmap(const TBitmap& other)
    : width_(other.width_), height_(other.height_), format_(other.format_), palette_(other.palette_) {
  Reallocate();
  if (store_ && other.store_) {
    std::memcpy(store_->Bits(), other.store_->Bits(), static_cast<size_t>(RowBytes()) * static_cast<size_t>(height_));
  }
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
  if (this != &other) {
    TBitmap copy(other);
    *this = std::move(copy);
  }
  return *this;
}

int64_t TBitmap::RowBytesFor(int width, TPixelFormat format) {
  const int64_t bits = static_cast<int64_t>(width) * BitsPerPixel(format);
  return ((bits + 31) / 32) * 4;
}

void TBitmap::Reallocate() {
  store_.reset();
  if (width_ < 0 || height_ < 0) throw EInvalidGraphic(L"Invalid bitmap size");
  // Refuse sizes whose pixels could never be held, a row included even when
  // there are no rows, so that RowBytes() always fits an int. The sizes are
  // at most 2^31 - 1 each and a row at most 2^33 bytes, so the product of a
  // row that passes and the height stays far inside int64_t.
  const int64_t rowBytes = RowBytesFor(width_, format_);
  if (rowBytes > MaxBitmapBytes || rowBytes * height_ > MaxBitmapBytes) {
    const std::wstring message = L"Bitmap too large: " + std::to_wstring(width_) + L" x " + std::to_wstring(height_) +
                                 L" pixels at " + std::to_wstring(BitsPerPixel(format_)) + L" bits need over " +
                                 std::to_wstring(MaxBitmapBytes) + L" bytes";
    // Left empty, so its size never disagrees with its (absent) pixels.
    width_ = height_ = 0;
    throw EOutOfResources(message);
  }
  if (Empty()) return;
  if (BitsPerPixel(format_) <= 8) {
    palette_.resize(size_t{1} << BitsPerPixel(format_));
  } else {
    palette_.clear();
  }
  store_ = AllocatePixelStore(width_, height_, format_, palette_);
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Reallocate();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  format_ = format;
  Reallocate();
}

void TBitmap::SetPalette(std::vector<TPaletteEntry> palette) {
  if (BitsPerPixel(format_) > 8) return;
  palette.resize(size_t{1} << BitsPerPixel(format_));
  palette_ = std::move(palette);
  if (Empty()) return;
  // The pixel store may hold its own copy of the colour table (DIB sections
  // do); rebuild it around the same pixels.
  std::vector<uint8_t> pixels(ScanLine(0), ScanLine(0) + static_cast<size_t>(RowBytes()) * height_);
  store_ = AllocatePixelStore(width_, height_, format_, palette_);
  std::memcpy(store_->Bits(), pixels.data(), pixels.size());
}

uint8_t* TBitmap::ScanLine(int y) {
  if (!store_ || y < 0 || y >= height_) throw EInvalidGraphic(L"Scan line index out of range");
  return store_->Bits() + static_cast<size_t>(y) * RowBytes();
}

const uint8_t* TBitmap::ScanLine(int y) const { return const_cast<TBitmap*>(this)->ScanLine(y); }

TColor TBitmap::Pixel(int x, int y) const {
  const uint8_t* row = ScanLine(y);
  const auto fromPalette = [&](int index) {
    const TPaletteEntry& e = palette_.at(static_cast<size_t>(index));
    return RGBColor(e.red, e.green, e.blue);
  };
  switch (format_) {
    case TPixelFormat::pf1bit: return fromPalette((row[x / 8] >> (7 - x % 8)) & 1);
    case TPixelFormat::pf4bit: return fromPalette((x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0x0F);
    case TPixelFormat::pf8bit: return fromPalette(row[x]);
    case TPixelFormat::pf24bit: return RGBColor(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    case TPixelFormat::pf32bit: return RGBColor(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
  }
  return clBlack;
}

void TBitmap::SetPixel(int x, int y, TColor color) {
  uint8_t* row = ScanLine(y);
  const int bpp = BitsPerPixel(format_) / 8;
  if (bpp < 3) throw EInvalidGraphic(L"SetPixel needs a 24- or 32-bit bitmap");
  row[x * bpp] = static_cast<uint8_t>(BlueOf(color));
  row[x * bpp + 1] = static_cast<uint8_t>(GreenOf(color));
  row[x * bpp + 2] = static_cast<uint8_t>(RedOf(color));
}

}  // namespace fw
