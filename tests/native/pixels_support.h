#pragma once
// Pictures whose every pixel says where it came from, so a built picture can
// be checked pixel by pixel against the source coordinates it should hold.
#include <cstdint>
#include <random>

#include "framework/Graphics.h"

namespace pixels {

// Blue = x, green = y, red = tag (pictures narrower and lower than 256).
inline fw::TBitmap CoordinatePicture(int w, int h, int tag = 77, fw::TPixelFormat f = fw::TPixelFormat::pf24bit) {
  fw::TBitmap b(w, h, f);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, fw::RGBColor(tag, y, x));
  }
  return b;
}

struct SourceXY {
  int x, y;
  friend bool operator==(const SourceXY&, const SourceXY&) = default;
};

inline SourceXY Decode(const fw::TBitmap& b, int x, int y) {
  const fw::TColor c = b.Pixel(x, y);
  return {(c >> 16) & 0xFF, (c >> 8) & 0xFF};
}

inline fw::TBitmap RandomPicture(std::mt19937& rng, int w, int h, fw::TPixelFormat f = fw::TPixelFormat::pf24bit) {
  fw::TBitmap b(w, h, f);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = b.ScanLine(y);
    for (int i = 0; i < b.RowBytes(); ++i) row[i] = static_cast<uint8_t>(byte(rng));
  }
  return b;
}

}  // namespace pixels
