// libFuzzer target: the scrambled storage of slots and settings. Any text
// must come back unchanged, and any stored value, however damaged, must
// decode without fault.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "support/Scrambler.h"

using namespace support;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (UnscrambleText(ScrambleText(text)) != text) std::abort();
  UnscrambleText(text);
  HexDecode(text);
  return 0;
}
