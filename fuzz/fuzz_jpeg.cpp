// libFuzzer target: JPEG banner pictures as they arrive from the network.
#include <cstdint>

#include "framework/PicturesJpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    fw::DecodeJpeg(data, size);
  } catch (const fw::Exception&) {
  }
  return 0;
}
