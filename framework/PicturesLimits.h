#pragma once
// Bounds on decoded pictures: a few hostile header bytes must not make the
// program allocate gigabytes.
#include <cstdint>

#include "framework/Exceptions.h"

namespace fw {

constexpr int kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{64} * 1024 * 1024;
constexpr int64_t kMaxPictureFileBytes = int64_t{64} * 1024 * 1024;

inline bool PictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

// A banner shows its picture at natural size from its top-left corner: at
// most a screen wide and a few times its 48 rows high at any screen DPI. No
// more of a GIF's logical screen than that is ever held in memory.
constexpr int kMaxBannerCanvasWidth = 8192;
constexpr int kMaxBannerCanvasHeight = 256;
// The image data a banner picture may carry; decoding work grows with it.
constexpr int64_t kMaxBannerImagePixels = int64_t{4096} * 4096;

// A picture well formed but larger than the program agrees to decode; the
// banner shows its placeholder instead of an error.
class EPictureTooLarge : public EInvalidGraphic {
  using EInvalidGraphic::EInvalidGraphic;
};

}  // namespace fw
