#include "support/Communal.h"

#include "support/Scrambler.h"

void AccessScrambledIniFile(fw::TCustomIniFile& ini, uint8_t mode, const std::string& section,
                            const std::string& ident, const std::string& value, std::string& result) {
  if (mode == 1) {
    ini.WriteString(section, ident, ScrambleText(value));
    result.clear();
  } else {
    result = UnscrambleText(ini.ReadString(section, ident, ""));
  }
}
