#pragma once
// A 32-bit picture with per-pixel alpha (blue, green, red, alpha from the low
// byte up; colours not premultiplied), drawn by copying, alpha blending or
// with a transparent key colour, and stretched by nearest pixel.
#include <cstdint>
#include <memory>

#include "framework/Graphics.h"

namespace fw {
class TCanvas;
}

namespace sk {

// Pixels of this colour are skipped by transparent drawing.
constexpr fw::TColor SkinTransparentKeyColor = 8323199;  // red 127, green 0, blue 127

// 0x00BBGGRR to a pixel 0xFFRRGGBB.
constexpr uint32_t ColorToPixel(fw::TColor c) {
  const uint32_t v = static_cast<uint32_t>(c);
  return 0xFF000000u | (v & 0xFF) << 16 | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

// One channel of a blend with source alpha a (1..254). The processor's packed
// routine and the plain one round differently; the process keeps one.
constexpr int BlendChannelMmx(int a, int s, int d) { return (a * (s - d) + 256 * d) >> 8; }
constexpr int BlendChannelPlain(int a, int s, int d) { return (a * s + (255 - a) * d) >> 8; }
// Whether blends use the packed routine (decided once per process).
bool UsesMmxBlend();
// Tests choose the routine explicitly.
void SetMmxBlend(bool on);

// What a bitmap's device context must hear of its pixels: the old pixels
// are let go before they are freed and the new ones taken up afterwards.
// Device contexts exist only in the Windows builds (skEffectsBitmapDC.h).
class TskBitmapDevice {
 public:
  virtual ~TskBitmapDevice() = default;
  virtual void PixelsReleasing() = 0;
  virtual void PixelsChanged() = 0;
};

class TskBitmap {
 public:
  TskBitmap() = default;
  TskBitmap(int width, int height) { SetDimensions(width, height); }
  // A copy has the pixels and flags, never the device context.
  TskBitmap(const TskBitmap& other);
  TskBitmap& operator=(const TskBitmap& other);
  ~TskBitmap();

  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  bool Empty() const { return bitmap_.Empty(); }

  // Negative sizes count as their absolute value; a zero size or the current
  // size changes nothing. New pixels are 0.
  void SetDimensions(int width, int height);

  uint32_t* Row(int y) { return reinterpret_cast<uint32_t*>(bitmap_.ScanLine(y)); }
  const uint32_t* Row(int y) const { return reinterpret_cast<const uint32_t*>(bitmap_.ScanLine(y)); }
  uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
  void SetPixel(int x, int y, uint32_t pixel) { Row(y)[x] = pixel; }
  // The pixels (a DIB section on Windows).
  const fw::TBitmap& Bitmap() const { return bitmap_; }
  fw::TBitmap& Bitmap() { return bitmap_; }

  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool on) { alphaBlend_ = on; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool on) { transparent_ = on; }

  void SetAllAlpha(uint8_t alpha);
  // Alpha blending is on exactly when some pixel is partly transparent.
  void DetectAlpha();
  // This bitmap's alpha from the grey level of gray (the same size).
  void AlphaFromGray(const TskBitmap& gray);
  // Every pixel takes colour's colour; alpha := the pixel's red channel.
  void ColorFromRed(fw::TColor color);
  // A caption's reflection before it is mirrored: rows top .. bottom take
  // colour with alpha = red * (0.7 - (bottom + top - y) / (bottom - top)),
  // never below 0 and truncated; the other rows become fully transparent.
  // Nothing when bottom <= top.
  void FadeReflection(int top, int bottom, fw::TColor color);
  // Mirrors the rows top to bottom.
  void FlipVertical();

  // A copy of picture (any depth) with alpha 255.
  void AssignFromBitmap(const fw::TBitmap& picture);
  // Makes picture 32-bit at this size and draws this bitmap onto it.
  void AssignToBitmap(fw::TBitmap& picture) const;

  // Draws the whole bitmap at (x, y), or sourceRect into destRect
  // (stretched when the sizes differ), in the mode the flags give.
  void DrawToBitmap(TskBitmap& target, int x, int y) const;
  void DrawToBitmap(TskBitmap& target, const fw::TRect& destRect, const fw::TRect& sourceRect) const;
  void DrawToPixels(fw::TBitmap& target, const fw::TRect& destRect, const fw::TRect& sourceRect) const;

  // Windows builds: the canvas over this bitmap's device context (made on
  // first use), and drawing onto another canvas in the mode the flags give.
  fw::TCanvas& Canvas();
  void DrawTo(fw::TCanvas& canvas, int x, int y) const;
  void DrawTo(fw::TCanvas& canvas, const fw::TRect& destRect, const fw::TRect& sourceRect) const;

  TskBitmapDevice* Device() const { return device_.get(); }
  void SetDevice(std::unique_ptr<TskBitmapDevice> device) { device_ = std::move(device); }

 private:
  fw::TBitmap bitmap_{0, 0, fw::TPixelFormat::pf32bit};
  bool alphaBlend_ = false;
  bool transparent_ = false;
  // Declared last: it lets go of the pixels before they are freed.
  std::unique_ptr<TskBitmapDevice> device_;
};

// A triangle-weighted blur of the given radius along rows and then columns;
// edge pixels repeat beyond the picture. Alpha becomes 255. Radii above
// MaxBlurRadius are taken as it.
constexpr int MaxBlurRadius = 3000;
void BlurImage(TskBitmap& bitmap, int radius);

}  // namespace sk
