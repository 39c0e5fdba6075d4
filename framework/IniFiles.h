#pragma once
// Settings files. TCustomIniFile is the common surface; TMemIniFile parses a
// whole text into memory (portable), TIniFile goes through the platform's
// profile functions one key at a time (Windows builds).
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
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
  virtual bool SectionExists(const std::string& section) const;
  virtual bool ValueExists(const std::string& section, const std::string& ident) const;

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
  bool SectionExists(const std::string& section) const override;
  bool ValueExists(const std::string& section, const std::string& ident) const override;

  // The whole file as lines, and back.
  void GetStrings(TStringList& lines) const;
  void SetStrings(const TStringList& lines);
  void Clear();
  // Writes the text to FileName.
  void UpdateFile() const;

 private:
  // Names match without regard to case, as the format has it.
  struct FoldedHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const;
  };
  struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return SameText(a, b); }
  };
  // Name -> position of its first occurrence. The vectors keep the order of
  // the text for saving; the indexes keep look-ups, and so loading, linear.
  using NameIndex = std::unordered_map<std::string, size_t, FoldedHash, FoldedEqual>;
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    // Built once the section is long enough to pay for it; short sections,
    // most of a skin, are scanned.
    NameIndex keys;
    void Add(std::string key, std::string value);
    void Reindex();
    // Position of the first entry named `key`, or entries.size().
    size_t Find(std::string_view key) const;
  };
  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);
  Section& AddSection(std::string name);

  std::vector<Section> sections_;
  NameIndex sectionIndex_;
};

}  // namespace fw
