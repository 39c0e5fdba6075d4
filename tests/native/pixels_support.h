#pragma once
// Pictures whose every pixel says where it came from, so a built picture can
// be checked pixel by pixel against the source coordinates it should hold.
#include <cmath>
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

// Something like a photograph: smooth colour gradients and soft blobs with a
// little grain, so every channel differs and neighbours are close, as in the
// pictures effects really get (random bytes and greys both miss cases).
inline fw::TBitmap PhotoPicture(std::mt19937& rng, int w, int h, fw::TPixelFormat f = fw::TPixelFormat::pf24bit) {
  fw::TBitmap b(w, h, f);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  double phase[3][2];
  for (auto& p : phase) p[0] = unit(rng) * 6.28, p[1] = unit(rng) * 6.28;
  std::uniform_int_distribution<int> grain(-6, 6);
  const int bpp = fw::BitsPerPixel(f) / 8;
  for (int y = 0; y < h; ++y) {
    uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      for (int c = 0; c < 3; ++c) {
        const double v = 128 + 70 * std::sin(x * (0.011 + 0.007 * c) + phase[c][0]) +
                         50 * std::cos(y * (0.017 + 0.005 * c) + phase[c][1]) + grain(rng);
        row[x * bpp + c] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
      }
      if (bpp == 4) row[x * 4 + 3] = static_cast<uint8_t>(x * 7 + y * 3);
    }
  }
  return b;
}

}  // namespace pixels
