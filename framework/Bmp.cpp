#include "framework/Bmp.h"

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

[[noreturn]] void Invalid(const wchar_t* why) { throw EInvalidGraphic(std::wstring(L"Bitmap image is not valid: ") + why); }

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

}  // namespace

TBitmap ReadBmp(TStream& stream) {
  uint8_t fileHeader[kFileHeaderSize];
  stream.ReadBuffer(fileHeader, kFileHeaderSize);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid(L"no BM signature");
  const int64_t fileSize = Get32(fileHeader + 2);
  if (fileSize < kFileHeaderSize + kInfoHeaderSize) Invalid(L"file size too small");
  // Never allocate for bytes the stream does not have.
  if (fileSize - kFileHeaderSize > stream.Remaining()) throw EReadError(L"Stream read error");
  std::vector<uint8_t> file(static_cast<size_t>(fileSize));
  std::memcpy(file.data(), fileHeader, kFileHeaderSize);
  stream.ReadBuffer(file.data() + kFileHeaderSize, fileSize - kFileHeaderSize);

  const uint8_t* info = file.data() + kFileHeaderSize;
  const int64_t infoSize = Get32(info);
  if (infoSize < kInfoHeaderSize || kFileHeaderSize + infoSize > fileSize) Invalid(L"bad info header");
  const int64_t width = static_cast<int32_t>(Get32(info + 4));
  const int64_t rawHeight = static_cast<int32_t>(Get32(info + 8));
  const int bits = Get16(info + 14);
  const uint32_t compression = Get32(info + 16);
  uint32_t colorsUsed = Get32(info + 32);
  if (compression != 0) Invalid(L"compressed pixels are not supported");
  if (width <= 0 || rawHeight == 0) Invalid(L"bad dimensions");
  const TPixelFormat format = FormatFor(bits);
  const bool topDown = rawHeight < 0;
  const int64_t height = topDown ? -rawHeight : rawHeight;

  std::vector<TPaletteEntry> palette;
  const int64_t paletteOffset = kFileHeaderSize + infoSize;
  if (bits <= 8) {
    const uint32_t maxColors = 1u << bits;
    if (colorsUsed == 0) colorsUsed = maxColors;
    if (colorsUsed > maxColors) Invalid(L"colour table too large");
    if (paletteOffset + int64_t{4} * colorsUsed > fileSize) Invalid(L"colour table outside the file");
    palette.resize(colorsUsed);
    for (uint32_t i = 0; i < colorsUsed; ++i) {
      const uint8_t* e = file.data() + paletteOffset + 4 * i;
      palette[i] = {e[0], e[1], e[2], e[3]};
    }
  }

  const int64_t rowBytes = ((width * bits + 31) / 32) * 4;
  const int64_t pixelOffset = Get32(fileHeader + 10);
  // Width and height are checked against the file's own bytes before any
  // pixel memory is taken, so lying sizes cannot exhaust memory.
  if (pixelOffset < paletteOffset || height > fileSize || rowBytes > fileSize ||
      pixelOffset + rowBytes * height > fileSize) {
    Invalid(L"pixel data outside the file");
  }

  TBitmap bitmap(static_cast<int>(width), static_cast<int>(height), format);
  if (bits <= 8) bitmap.SetPalette(palette);
  const int copyBytes = bitmap.RowBytes();
  for (int64_t row = 0; row < height; ++row) {
    const int y = static_cast<int>(topDown ? row : height - 1 - row);
    std::memcpy(bitmap.ScanLine(y), file.data() + pixelOffset + row * rowBytes, static_cast<size_t>(copyBytes));
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
