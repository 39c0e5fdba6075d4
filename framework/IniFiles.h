#pragma once
// Settings files. TCustomIniFile is the common surface; TMemIniFile parses a
// whole text into memory (portable), TIniFile goes through the platform's
// profile functions one key at a time (Windows builds).
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "framework/StringList.h"

namespace fw {

class TCustomIniFile {
 public:
  explicit TCustomIniFile(std::filesystem::path fileName) : fileName_(std::move(fileName)) {}
  virtual ~TCustomIniFile() = default;

  const std::filesystem::path& FileName() const { return fileName_; }

  virtual std::string ReadString(const std::string& section, const std::string& ident,
                                 const std::string& def) const = 0;
  virtual void WriteString(const std::string& section, const std::string& ident,
                           const std::string& value) = 0;
  virtual void ReadSection(const std::string& section, TStringList& keys) const = 0;
  virtual void ReadSections(TStringList& sections) const = 0;
  virtual void EraseSection(const std::string& section) = 0;
  virtual void DeleteKey(const std::string& section, const std::string& ident) = 0;

  int ReadInteger(const std::string& section, const std::string& ident, int def) const;
  void WriteInteger(const std::string& section, const std::string& ident, int value);
  bool ReadBool(const std::string& section, const std::string& ident, bool def) const;
  void WriteBool(const std::string& section, const std::string& ident, bool value);
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& ident) const;

 private:
  std::filesystem::path fileName_;
};

class TMemIniFile : public TCustomIniFile {
 public:
  // Reads the file when it exists; an empty file name gives an empty file.
  explicit TMemIniFile(std::filesystem::path fileName = {});

  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& def) const override;
  void WriteString(const std::string& section, const std::string& ident,
                   const std::string& value) override;
  void ReadSection(const std::string& section, TStringList& keys) const override;
  void ReadSections(TStringList& sections) const override;
  void EraseSection(const std::string& section) override;
  void DeleteKey(const std::string& section, const std::string& ident) override;
  void ReadSectionValues(const std::string& section, TStringList& lines) const;

  // The whole file as lines, and back.
  void GetStrings(TStringList& lines) const;
  void SetStrings(const TStringList& lines);
  void Clear() { sections_.clear(); }
  // Writes the text to FileName.
  void UpdateFile() const;

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(const std::string& name) const;
  Section* FindSection(const std::string& name);

  std::vector<Section> sections_;
};

}  // namespace fw
