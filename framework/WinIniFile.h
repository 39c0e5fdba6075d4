#pragma once
// An INI file accessed through the platform's profile functions: every call
// opens the file, reads or writes one thing and closes it again.
#include "framework/IniFiles.h"

namespace fw {

class TIniFile : public TCustomIniFile {
 public:
  using TCustomIniFile::TCustomIniFile;

  // Values of any length come back whole.
  std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) const override;
  // EIniFileException "Unable to write to <file>" when the platform refuses.
  void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
  void ReadSection(const std::string& section, TStringList& keys) const override;
  void ReadSections(TStringList& sections) const override;
  void EraseSection(const std::string& section) override;
  void DeleteKey(const std::string& section, const std::string& ident) override;

 private:
  [[noreturn]] void ThrowWriteError() const;
};

}  // namespace fw
