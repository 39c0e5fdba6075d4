// libFuzzer target: the in-memory INI reader every skin description passes
// through. Whatever the text, reading, looking up and writing back must not
// fail, and what is written back must read back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/IniFiles.h"
#include "framework/StringList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fw::TStringList lines;
  lines.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
  fw::TMemIniFile ini;
  ini.SetStrings(lines);

  fw::TStringList sections;
  ini.ReadSections(sections);
  for (int i = 0; i < sections.Count(); ++i) {
    fw::TStringList keys;
    ini.ReadSection(sections[i], keys);
    for (int k = 0; k < keys.Count(); ++k) {
      ini.ReadString(sections[i], keys[k], "");
      ini.ReadInteger(sections[i], keys[k], 0);
    }
  }

  fw::TStringList written;
  ini.GetStrings(written);
  fw::TMemIniFile again;
  again.SetStrings(written);
  fw::TStringList rewritten;
  again.GetStrings(rewritten);
  if (rewritten.Text() != written.Text()) std::abort();
  return 0;
}
