#pragma once
// Mask pictures to window regions. Black pixels are inside the region, every
// other colour outside; each horizontal run of black becomes one rectangle.
// The region block is built here byte for byte in the platform's RGNDATA
// layout so the scan is portable; the Win32 side only hands it over.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/Graphics.h"

namespace sk {

// A 24-bit top-down copy of a picture with a table of row pointers, for
// scanning pixels by row. Pixels are blue, green, red.
class TskFBitmap {
 public:
  explicit TskFBitmap(const fw::TBitmap& picture);
  TskFBitmap(const TskFBitmap&) = delete;
  TskFBitmap& operator=(const TskFBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Bytes per row: width * 3 padded to a multiple of four.
  int Stride() const { return stride_; }
  // Padding bytes at the end of each row.
  int Gap() const { return gap_; }
  size_t Size() const { return size_; }
  uint8_t* Row(int y) const { return rows_.at(static_cast<size_t>(y)); }
  // The pixels (a DIB section on Windows).
  fw::TBitmap& Bitmap() { return bitmap_; }

 private:
  fw::TBitmap bitmap_;
  std::vector<uint8_t*> rows_;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  int gap_ = 0;
  size_t size_ = 0;
};

// The rectangles are gathered in blocks of this many; a mask with more runs
// grows the block rather than overrunning it.
constexpr size_t MaskRegionBlockRects = 10000;

constexpr size_t RgnDataHeaderSize = 32;
constexpr uint32_t RdhRectangles = 1;

// One rectangle of a region block (left, top, right, bottom).
struct TskRegionRect {
  int32_t left, top, right, bottom;
  friend bool operator==(const TskRegionRect&, const TskRegionRect&) = default;
};

// The RGNDATA block of picture's black runs, offset by (offsetX, offsetY):
// a 32-byte header (size 32, type RDH_RECTANGLES, count, 0, the bounds
// offset .. offset + picture size) followed by the rectangles in scan order,
// 16 bytes each, little-endian. An empty picture gives an empty block.
std::vector<uint8_t> MaskToRegionData(const fw::TBitmap& picture, int offsetX, int offsetY);

// Reads the rectangles back out of a block (for checking and for tools).
std::vector<TskRegionRect> RegionDataRects(const std::vector<uint8_t>& data);

}  // namespace sk
