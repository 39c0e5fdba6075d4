#include "framework/Bmp.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/Exceptions.h"

namespace fw {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

[[noreturn]] void Invalid(const wchar_t* why) {
  throw EInvalidGraphic(std::wstring(L"Bitmap image is not valid: ") + why);
}

TPixelFormat FormatFor(int bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 24: return TPixelFormat::pf24bit;
    case 32: return TPixelFormat::pf32bit;
    default: Invalid(L"unsupported bit depth");
  }
}

// The colour table goes in before the pixels are allocated: setting it
// afterwards rebuilds the pixel store around a copy of every pixel.
TBitmap NewBitmap(int64_t width, int64_t height, TPixelFormat format, std::vector<TPaletteEntry> palette) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(format);
  bitmap.SetPalette(std::move(palette));
  bitmap.SetSize(static_cast<int>(width), static_cast<int>(height));
  return bitmap;
}

constexpr uint32_t kRle8 = 1;
constexpr uint32_t kRle4 = 2;

// Pixels x0 .. x0+count-1 of one row set to `value` (8 bits) or to the
// alternating nibbles of `value` (4 bits); what falls outside the picture
// is dropped.
void SetRun(TBitmap& bitmap, int bits, int64_t x0, int64_t y, int64_t count, int value) {
  if (y < 0 || y >= bitmap.Height()) return;
  const int64_t begin = std::max<int64_t>(x0, 0), end = std::min<int64_t>(x0 + count, bitmap.Width());
  if (begin >= end) return;
  uint8_t* row = bitmap.ScanLine(static_cast<int>(y));
  if (bits == 8) {
    std::memset(row + begin, value, static_cast<size_t>(end - begin));
    return;
  }
  for (int64_t x = begin; x < end; ++x) {
    const int v = (x - x0) % 2 == 0 ? value >> 4 : value & 0x0F;
    uint8_t& byte = row[x / 2];
    byte = x % 2 == 0 ? static_cast<uint8_t>((byte & 0x0F) | (v << 4)) : static_cast<uint8_t>((byte & 0xF0) | v);
  }
}

// Run-length encoded pixels (always bottom-up). Every read is bounds
// checked; a run past the row or the picture is clipped, data that ends
// early leaves the remaining pixels at index 0.
void DecodeRle(const uint8_t* data, int64_t size, int bits, TBitmap& bitmap) {
  int64_t pos = 0, x = 0, line = 0;
  const int64_t height = bitmap.Height();
  const auto y = [&] { return height - 1 - line; };
  while (pos + 1 < size && line < height) {
    const int count = data[pos];
    const int value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      SetRun(bitmap, bits, x, y(), count, value);
      x += count;
      continue;
    }
    if (value == 0) {
      x = 0;
      ++line;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (pos + 1 >= size) return;
      x += data[pos];
      line += data[pos + 1];
      pos += 2;
    } else {
      const int64_t bytes = bits == 8 ? value : (value + 1) / 2;
      if (pos + bytes > size) Invalid(L"run-length data outside the file");
      for (int i = 0; i < value; ++i, ++x) {
        const int v = bits == 8 ? data[pos + i] : (i % 2 == 0 ? data[pos + i / 2] >> 4 : data[pos + i / 2] & 0x0F);
        SetRun(bitmap, bits, x, y(), 1, bits == 8 ? v : v * 0x11);  // a run of one
      }
      pos += bytes + (bytes % 2);  // runs are padded to a 16-bit boundary
    }
  }
}

}  // namespace

EBitmapTooLarge::EBitmapTooLarge(int64_t width, int64_t height, int64_t maxPixels)
    : EInvalidGraphic(L"Bitmap image is too large: " + std::to_wstring(width) + L" x " + std::to_wstring(height) +
                      L" pixels (at most " + std::to_wstring(std::min(maxPixels, kMaxPicturePixels)) + L" pixels, " +
                      std::to_wstring(kMaxPictureSide) + L" to a side)"),
      width_(width),
      height_(height) {}

TBitmap ReadBmp(TStream& stream, int64_t maxPixels) {
  uint8_t fileHeader[kFileHeaderSize];
  stream.ReadBuffer(fileHeader, kFileHeaderSize);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid(L"no BM signature");
  const int64_t fileSize = Get32(fileHeader + 2);
  if (fileSize < kFileHeaderSize + kInfoHeaderSize) Invalid(L"file size too small");
  // Never allocate for bytes the stream does not have.
  if (fileSize - kFileHeaderSize > stream.Remaining()) throw EReadError(L"Stream read error");
  // The rest of the file where the stream keeps it, or a copy. The headers
  // give offsets from the start of the file: `body` starts after its header.
  std::vector<uint8_t> copy;
  const uint8_t* body = stream.ReadInPlace(fileSize - kFileHeaderSize);
  if (!body) {
    copy.resize(static_cast<size_t>(fileSize - kFileHeaderSize));
    stream.ReadBuffer(copy.data(), fileSize - kFileHeaderSize);
    body = copy.data();
  }

  const uint8_t* info = body;
  const int64_t infoSize = Get32(info);
  if (infoSize < kInfoHeaderSize || kFileHeaderSize + infoSize > fileSize) Invalid(L"bad info header");
  const int64_t width = static_cast<int32_t>(Get32(info + 4));
  const int64_t rawHeight = static_cast<int32_t>(Get32(info + 8));
  const int bits = Get16(info + 14);
  const uint32_t compression = Get32(info + 16);
  uint32_t colorsUsed = Get32(info + 32);
  const bool rle = (compression == kRle8 && bits == 8) || (compression == kRle4 && bits == 4);
  if (compression != 0 && !rle) Invalid(L"unsupported compression");
  if (width <= 0 || rawHeight == 0 || (rle && rawHeight < 0)) Invalid(L"bad dimensions");
  const TPixelFormat format = FormatFor(bits);
  const bool topDown = rawHeight < 0;
  const int64_t height = topDown ? -rawHeight : rawHeight;
  if (!PictureSizeAllowed(width, height) || width * height > maxPixels) throw EBitmapTooLarge(width, height, maxPixels);

  std::vector<TPaletteEntry> palette;
  const int64_t paletteOffset = kFileHeaderSize + infoSize;
  if (bits <= 8) {
    const uint32_t maxColors = 1u << bits;
    if (colorsUsed == 0) colorsUsed = maxColors;
    if (colorsUsed > maxColors) Invalid(L"colour table too large");
    if (paletteOffset + int64_t{4} * colorsUsed > fileSize) Invalid(L"colour table outside the file");
    palette.resize(colorsUsed);
    for (uint32_t i = 0; i < colorsUsed; ++i) {
      const uint8_t* e = body + (paletteOffset - kFileHeaderSize) + 4 * i;
      palette[i] = {e[0], e[1], e[2], e[3]};
    }
  }

  const int64_t rowBytes = ((width * bits + 31) / 32) * 4;
  const int64_t pixelOffset = Get32(fileHeader + 10);
  if (rle) {
    // Encoded runs can claim any size, so the decoded pixels may take no
    // more bytes than the runs themselves can fill (255 pixels per 2 bytes).
    if (pixelOffset < paletteOffset || pixelOffset > fileSize ||
        rowBytes * height > (fileSize - pixelOffset) * 128 + 65536) {
      Invalid(L"pixel data outside the file");
    }
    TBitmap bitmap = NewBitmap(width, height, format, std::move(palette));
    DecodeRle(body + (pixelOffset - kFileHeaderSize), fileSize - pixelOffset, bits, bitmap);
    return bitmap;
  }
  // Width and height are checked against the file's own bytes before any
  // pixel memory is taken, so lying sizes cannot exhaust memory.
  if (pixelOffset < paletteOffset || height > fileSize || rowBytes > fileSize ||
      pixelOffset + rowBytes * height > fileSize) {
    Invalid(L"pixel data outside the file");
  }

  TBitmap bitmap = NewBitmap(width, height, format, std::move(palette));
  const int copyBytes = bitmap.RowBytes();
  for (int64_t row = 0; row < height; ++row) {
    const int y = static_cast<int>(topDown ? row : height - 1 - row);
    std::memcpy(bitmap.ScanLine(y), body + (pixelOffset - kFileHeaderSize) + row * rowBytes,
                static_cast<size_t>(copyBytes));
  }
  return bitmap;
}

int64_t BmpFileSize(const TBitmap& bitmap) {
  const int bits = BitsPerPixel(bitmap.PixelFormat());
  const int64_t paletteBytes = bits <= 8 ? int64_t{4} << bits : 0;
  return kFileHeaderSize + kInfoHeaderSize + paletteBytes + int64_t{bitmap.RowBytes()} * bitmap.Height();
}

void WriteBmp(const TBitmap& bitmap, TStream& stream) {
  if (bitmap.Empty()) throw EInvalidGraphic(L"Cannot save an empty bitmap");
  const int bits = BitsPerPixel(bitmap.PixelFormat());
  const uint32_t colors = bits <= 8 ? 1u << bits : 0;
  const int64_t size = BmpFileSize(bitmap);
  if (size > UINT32_MAX) throw EInvalidGraphic(L"Bitmap too large for a BMP file");
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(size));
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(size));
  Put32(out, 0);
  Put32(out, kFileHeaderSize + kInfoHeaderSize + 4 * colors);
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(bitmap.Width()));
  Put32(out, static_cast<uint32_t>(bitmap.Height()));
  Put16(out, 1);
  Put16(out, static_cast<uint16_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, static_cast<uint32_t>(int64_t{bitmap.RowBytes()} * bitmap.Height()));
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, colors);
  Put32(out, 0);
  for (uint32_t i = 0; i < colors; ++i) {
    const TPaletteEntry e = i < bitmap.Palette().size() ? bitmap.Palette()[i] : TPaletteEntry{};
    out.insert(out.end(), {e.blue, e.green, e.red, 0});
  }
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    const uint8_t* row = bitmap.ScanLine(y);
    out.insert(out.end(), row, row + bitmap.RowBytes());
  }
  stream.WriteBuffer(out.data(), static_cast<int64_t>(out.size()));
}

TBitmap LoadBmpFile(const std::filesystem::path& fileName) {
  TFileStream file(fileName, TFileMode::fmOpenRead);
  return ReadBmp(file);
}

void SaveBmpFile(const TBitmap& bitmap, const std::filesystem::path& fileName) {
  TFileStream file(fileName, TFileMode::fmCreate);
  WriteBmp(bitmap, file);
}

}  // namespace fw
