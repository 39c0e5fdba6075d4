#pragma once
// Settings files. TCustomIniFile is the common surface; TMemIniFile parses a
// whole text into memory (portable), TIniFile goes through the platform's
// profile functions one key at a time (Windows builds).
#include <filesystem>
#include <string>
#include <string_view>
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
  virtual void WriteString(const std::string& section, const std::string& ident, const std::string& value) = 0;
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

  std::string ReadString(const std::string& section, const std::string& ident, const std::string& def) const override;
  void WriteString(const std::string& section, const std::string& ident, const std::string& value) override;
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
  // The same from a whole text, split into lines as TStringList::SetText does.
  void SetText(std::string_view text);
  void Clear();
  // Writes the text to FileName.
  void UpdateFile() const;

 private:
  // Name -> position of its first occurrence, names matching without regard
  // to case as the format has it. The vectors keep the order of the text for
  // saving; the index keeps look-ups, and so loading, linear. It holds
  // positions only (open addressing), so indexing a name neither copies it
  // nor allocates.
  class NameIndex {
   public:
    void Clear() {
      slots_.clear();
      used_ = 0;
    }
    // `nameAt(i)` gives the name at position i. Returns `missing` when absent.
    template <class NameAt>
    size_t Find(std::string_view name, const NameAt& nameAt, size_t missing) const;
    // Indexes position `count - 1` (the newest) unless its name is there already.
    template <class NameAt>
    void Add(size_t count, const NameAt& nameAt);
    // Indexes positions 0 .. count-1 afresh.
    template <class NameAt>
    void Rebuild(size_t count, const NameAt& nameAt);

   private:
    template <class NameAt>
    void Insert(size_t position, const NameAt& nameAt);
    std::vector<size_t> slots_;  // position + 1; 0 is a free slot
    size_t used_ = 0;
  };
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
    void Add(std::string_view key, std::string_view value);
    void Reindex();
    // Position of the first entry named `key`, or entries.size().
    size_t Find(std::string_view key) const;
    const std::string& KeyAt(size_t i) const { return entries[i].key; }
  };
  const Section* FindSection(std::string_view name) const;
  Section* FindSection(std::string_view name);
  Section& AddSection(std::string_view name);
  void ParseLine(std::string_view raw, Section*& current);

  std::vector<Section> sections_;
  NameIndex sectionIndex_;
};

}  // namespace fw
