#pragma once
// GIF pictures, decoded with giflib. Only the first image of the file is
// shown, placed on the logical screen as the file says.
#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"

namespace fw {

class EGifError : public EInvalidGraphic {
  using EInvalidGraphic::EInvalidGraphic;
};

// Decodes GIF file bytes into a 24-bit bitmap of the logical screen, cut to
// what a banner can show (PicturesLimits.h). A truncated or malformed file
// raises EGifError and reads nothing outside `data`; a frame past the
// decoding budget raises EPictureTooLarge before anything is decoded.
TBitmap DecodeGif(const uint8_t* data, size_t size);

}  // namespace fw
