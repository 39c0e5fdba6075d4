#pragma once
// A 24-bit picture with the morph transitions and colour effects of skinned
// elements: an element morphs from its normal look to its hot look, and an
// inactive window's frame is rendered from the active one through an effect.
#include <cstddef>
#include <cstdint>

#include "framework/Graphics.h"
#include "skin/data/skSkinDataValues.h"

namespace sk {

class TskEffectBmp {
 public:
  TskEffectBmp(int width, int height);                // black
  explicit TskEffectBmp(const fw::TBitmap& picture);  // any depth, converted
  TskEffectBmp(const TskEffectBmp&) = default;
  TskEffectBmp& operator=(const TskEffectBmp&) = default;

  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  // Row stride: width * 3 plus width mod 4.
  int Stride() const { return bitmap_.RowBytes(); }
  size_t Size() const { return static_cast<size_t>(Stride()) * static_cast<size_t>(Height()); }

  uint8_t* Row(int y) { return bitmap_.ScanLine(y); }
  const uint8_t* Row(int y) const { return bitmap_.ScanLine(y); }
  void GetRow(int y, uint8_t* out) const;  // width * 3 bytes
  void SetRow(int y, const uint8_t* in);
  // The pixels (a DIB section on Windows), for drawing.
  const fw::TBitmap& Bitmap() const { return bitmap_; }
  fw::TBitmap& Bitmap() { return bitmap_; }

  // Transitions towards b (the same size, otherwise nothing happens) by k,
  // 0 giving this picture and 1 giving b; the result replaces this picture.
  void MorphBlend(const TskEffectBmp& b, double k);
  void MorphCentreGradientH(const TskEffectBmp& b, double k);
  void MorphCentreGradientV(const TskEffectBmp& b, double k);
  void MorphCentreGradient(const TskEffectBmp& b, double k);
  void MorphGradientFromLeft(const TskEffectBmp& b, double k);
  void MorphGradientFromRight(const TskEffectBmp& b, double k);
  void MorphPushFromLeft(const TskEffectBmp& b, double k);
  void MorphSlideFromLeft(const TskEffectBmp& b, double k);
  void MorphSlideFromRight(const TskEffectBmp& b, double k);
  // The transition a skin names with its morph kind.
  void Morph(TskMorphKind kind, const TskEffectBmp& b, double k);

  // Colour effects, in place.
  void ApplyBrightness(double k);
  void ApplyDarkness(double k);
  void ApplyGrayscale();
  void ApplyInvert();
  void ApplyNoise(int amount);
  void ApplySplitBlur(int amount);
  // The effect a skin names for its inactive frame, with its fixed amount.
  void ApplyInactiveEffect(TskInactiveEffect effect);

 private:
  bool SameSize(const TskEffectBmp& b) const { return b.Width() == Width() && b.Height() == Height(); }
  void MixColumns(const TskEffectBmp& b, int from, int to, int direction, double step);

  fw::TBitmap bitmap_;
};

}  // namespace sk
