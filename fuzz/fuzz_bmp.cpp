// libFuzzer target: the BMP reader the skin archive and picture loading use.
// A refusal must be one of ours; a picture read must save and read back.
#include <cstdint>
#include <vector>

#include "framework/Bmp.h"
#include "framework/Exceptions.h"
#include "framework/Streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    fw::TMemoryStream in(std::vector<uint8_t>(data, data + size));
    const fw::TBitmap bitmap = fw::ReadBmp(in);
    fw::TMemoryStream out;
    fw::WriteBmp(bitmap, out);
    out.SetPosition(0);
    fw::ReadBmp(out);
  } catch (const fw::Exception&) {
  }
  return 0;
}
