#pragma once
// Bounds on decoded pictures: a few hostile header bytes must not make the
// program allocate gigabytes.
#include <cstdint>

namespace fw {

constexpr int kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{64} * 1024 * 1024;
constexpr int64_t kMaxPictureFileBytes = int64_t{64} * 1024 * 1024;

inline bool PictureSizeAllowed(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

}  // namespace fw
