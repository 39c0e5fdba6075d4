#pragma once
// Windows bitmap files (1, 4, 8, 24 and 32 bits, bottom-up or top-down rows;
// 4- and 8-bit run-length encoded files are read too, as image editors
// write them). Reading takes exactly the bytes the file header's size
// field gives, so BMP files packed back to back can be read one by one; a
// bitmap is written in the pixel format and palette it holds, so a loaded
// picture saves back as it was.
#include <filesystem>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/PicturesLimits.h"
#include "framework/Streams.h"

namespace fw {

// A picture larger than the reader was allowed to take.
class EBitmapTooLarge : public EInvalidGraphic {
 public:
  EBitmapTooLarge(int64_t width, int64_t height, int64_t maxPixels);
  int64_t Width() const { return width_; }
  int64_t Height() const { return height_; }

 private:
  int64_t width_, height_;
};

// Reads one BMP file from the stream's position. A truncated or malformed
// file raises EReadError or EInvalidGraphic and nothing is allocated beyond
// what the file's own bytes can fill. A picture with a side over
// kMaxPictureSide or more than `maxPixels` pixels raises EBitmapTooLarge
// before its pixels are allocated.
TBitmap ReadBmp(TStream& stream, int64_t maxPixels = kMaxPicturePixels);
// Writes `bitmap` as a BMP file (bottom-up rows, full colour table).
void WriteBmp(const TBitmap& bitmap, TStream& stream);
// The size in bytes WriteBmp produces.
int64_t BmpFileSize(const TBitmap& bitmap);

TBitmap LoadBmpFile(const std::filesystem::path& fileName);
void SaveBmpFile(const TBitmap& bitmap, const std::filesystem::path& fileName);

}  // namespace fw
