// libFuzzer target: GIF banner pictures as they arrive from the network.
#include <cstdint>

#include "framework/PicturesGif.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    fw::DecodeGif(data, size);
  } catch (const fw::Exception&) {
  }
  return 0;
}
