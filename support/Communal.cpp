#include "support/Communal.h"

#include "framework/Utf.h"
#include "support/Scrambler.h"

namespace support {

void AccessScrambledIniFile(fw::TCustomIniFile& ini, uint8_t mode, const std::string& section, const std::string& ident,
                            const std::string& value, std::string& result) {
  if (mode == 1) {
    ini.WriteString(section, ident, ScrambleText(value));
    result.clear();
  } else {
    result = UnscrambleText(ini.ReadString(section, ident, ""));
  }
}

bool IsUtf8(std::string_view bytes) {
  // The decoder replaces every malformed sequence by U+FFFD (three bytes for
  // one), so only well-formed UTF-8 comes back from the round trip unchanged.
  return fw::WideToUtf8(fw::Utf8ToWide(bytes)) == bytes;
}

}  // namespace support
