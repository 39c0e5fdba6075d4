// libFuzzer target: compressed skins as they arrive from a layout or a file.
// The first byte chooses the road: an envelope read as it stands, or an
// archive compressed here so the fuzzer reaches the pictures and the text.
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "framework/Exceptions.h"
#include "skin/data/skSkinData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  sk::TskCompressedStoredSkin stored(nullptr);
  try {
    if (data[0] & 1) {
      fw::TMemoryStream envelope(std::vector<uint8_t>(data + 1, data + size));
      stored.ReadSkinEnvelope(envelope);
    } else {
      uLongf packed = compressBound(static_cast<uLong>(size - 1));
      std::vector<uint8_t> out(packed);
      compress2(out.data(), &packed, data + 1, static_cast<uLong>(size - 1), 1);
      out.resize(packed);
      stored.CompressedData() = fw::TMemoryStream(out);
    }
    sk::TskSkinData skinData(nullptr);
    skinData.LoadFromStoredSkin(stored);
  } catch (const fw::Exception&) {
    // Every refusal must be one of ours; anything else escapes and is a finding.
  }
  return 0;
}
