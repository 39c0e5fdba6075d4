#pragma once
// Portable graphics types: colours, font descriptions, rectangles and the
// bitmap that owns its pixels. On Windows a bitmap's pixels live in a DIB
// section so GDI can draw into them; elsewhere they live on the heap.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace fw {

// 0x00BBGGRR; 0xFF0000nn stands for the system colour with index nn.
using TColor = int32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | index); }
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr bool IsSystemColor(TColor c) { return (static_cast<uint32_t>(c) & 0xFF000000u) == 0xFF000000u; }
constexpr int RedOf(TColor c) { return c & 0xFF; }
constexpr int GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGBColor(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// The one rectangle type of the tree: left, top, right, bottom, with right
// and bottom outside it (the platform's RECT and PtInRect rule).
struct TRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return Width() <= 0 || Height() <= 0; }
  bool Contains(TPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // Some point is inside both.
  bool Intersects(const TRect& r) const {
    return left < r.right && r.left < right && top < r.bottom && r.top < bottom && !IsEmpty() && !r.IsEmpty();
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};
inline TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

enum TFontStyle : uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint8_t;
constexpr uint8_t DEFAULT_CHARSET_VALUE = 1;

// What a font is, independent of any device: name, height in pixels
// (negative: character height; positive: cell height), style, colour, charset.
struct TFontInfo {
  std::wstring name = L"MS Sans Serif";
  int height = -11;
  TFontStyles style = 0;
  TColor color = clWindowText;
  uint8_t charset = DEFAULT_CHARSET_VALUE;
  friend bool operator==(const TFontInfo&, const TFontInfo&) = default;
};

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };
int BitsPerPixel(TPixelFormat format);

// One palette entry as a BMP stores it.
struct TPaletteEntry {
  uint8_t blue = 0, green = 0, red = 0, reserved = 0;
  friend bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};

// Where a bitmap's pixel rows live. Rows are top-down, each padded to four
// bytes as in a BMP file and a DIB section.
class PixelStore {
 public:
  virtual ~PixelStore() = default;
  virtual uint8_t* Bits() = 0;
  // The platform's handle of the pixels (an HBITMAP on Windows), or null.
  virtual void* NativeHandle() { return nullptr; }
};
std::unique_ptr<PixelStore> AllocatePixelStore(int width, int height, TPixelFormat format,
                                               const std::vector<TPaletteEntry>& palette);

class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  TBitmap(const TBitmap& other);
  TBitmap& operator=(const TBitmap& other);
  TBitmap(TBitmap&&) noexcept = default;
  TBitmap& operator=(TBitmap&&) noexcept = default;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }
  TPixelFormat PixelFormat() const { return format_; }
  const std::vector<TPaletteEntry>& Palette() const { return palette_; }

  // Reallocates (contents become zero) when anything changes.
  void SetSize(int width, int height);
  void SetPixelFormat(TPixelFormat format);
  void SetPalette(std::vector<TPaletteEntry> palette);
  void Assign(const TBitmap& other) { *this = other; }

  // A bitmap never holds a row of more than MaxBitmapBytes, so its own row
  // size fits an int; RowBytesFor answers exactly for any width.
  int RowBytes() const { return static_cast<int>(RowBytesFor(width_, format_)); }
  static int64_t RowBytesFor(int width, TPixelFormat format);
  // Pixels beyond this many bytes are refused (they come from files and
  // the network, and no picture of ours comes near).
  static constexpr int64_t MaxBitmapBytes = int64_t{1} << 30;
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;

  // Colour of one pixel whatever the format (palette looked up).
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);  // 24 and 32 bits only

  void* NativeHandle() const { return store_ ? store_->NativeHandle() : nullptr; }

 private:
  void Reallocate();

  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = TPixelFormat::pf24bit;
  std::vector<TPaletteEntry> palette_;
  std::unique_ptr<PixelStore> store_;
};

}  // namespace fw
