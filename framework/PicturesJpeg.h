#pragma once
// JPEG pictures, decoded with libjpeg.
#include <cstddef>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"

namespace fw {

class EJPEG : public EInvalidGraphic {
  using EInvalidGraphic::EInvalidGraphic;
};

// Decodes JPEG file bytes into a 24-bit bitmap. Any error or corrupt-data
// warning of the library (a truncated file among them) raises EJPEG: a
// picture is shown whole or not at all.
TBitmap DecodeJpeg(const uint8_t* data, size_t size);

}  // namespace fw
