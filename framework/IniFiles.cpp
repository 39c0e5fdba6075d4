#include "framework/IniFiles.h"

#include <algorithm>
#include <utility>

#include "framework/Streams.h"

namespace fw {

int TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident,
                                int def) const {
  return StrToIntDef(ReadString(section, ident, ""), def);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident,
                                  int value) {
  WriteString(section, ident, std::to_string(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident,
                              bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident,
                               bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

bool TCustomIniFile::SectionExists(const std::string& section) const {
  TStringList sections;
  ReadSections(sections);
  return sections.IndexOf(section) >= 0;
}

bool TCustomIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  TStringList keys;
  ReadSection(section, keys);
  return keys.IndexOf(ident) >= 0;
}

TMemIniFile::TMemIniFile(std::filesystem::path fileName)
    : TCustomIniFile(std::move(fileName)) {
  std::error_code ec;
  if (!FileName().empty() && std::filesystem::is_regular_file(FileName(), ec)) {
    TMemoryStream stream;
    stream.LoadFromFile(FileName());
    TStringList lines;
    lines.LoadFromStream(stream);
    SetStrings(lines);
  }
}

const TMemIniFile::Section* TMemIniFile::FindSection(const std::string& name) const {
  for (const auto& s : sections_) {
    if (SameText(s.name, name)) return &s;
  }
  return nullptr;
}

TMemIniFile::Section* TMemIniFile::FindSection(const std::string& name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& def) const {
  if (const Section* s = FindSection(section)) {
    for (const auto& e : s->entries) {
      if (SameText(e.key, ident)) return e.value;
    }
  }
  return def;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident,
                              const std::string& value) {
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& e : s->entries) {
    if (SameText(e.key, ident)) {
      e.value = value;
      return;
    }
  }
  s->entries.push_back({ident, value});
}

void TMemIniFile::ReadSection(const std::string& section, TStringList& keys) const {
  keys.Clear();
  if (const Section* s = FindSection(section)) {
    for (const auto& e : s->entries) keys.Add(e.key);
  }
}

void TMemIniFile::ReadSections(TStringList& sections) const {
  sections.Clear();
  for (const auto& s : sections_) sections.Add(s.name);
}

void TMemIniFile::ReadSectionValues(const std::string& section, TStringList& lines) const {
  lines.Clear();
  if (const Section* s = FindSection(section)) {
    for (const auto& e : s->entries) lines.Add(e.key + "=" + e.value);
  }
}

void TMemIniFile::EraseSection(const std::string& section) {
  sections_.erase(std::remove_if(sections_.begin(), sections_.end(),
                                 [&](const Section& s) { return SameText(s.name, section); }),
                  sections_.end());
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  if (Section* s = FindSection(section)) {
    auto& e = s->entries;
    e.erase(std::remove_if(e.begin(), e.end(),
                           [&](const Entry& x) { return SameText(x.key, ident); }),
            e.end());
  }
}

void TMemIniFile::GetStrings(TStringList& lines) const {
  lines.Clear();
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i) lines.Add("");
    lines.Add("[" + sections_[i].name + "]");
    for (const auto& e : sections_[i].entries) lines.Add(e.key + "=" + e.value);
  }
}

void TMemIniFile::SetStrings(const TStringList& lines) {
  sections_.clear();
  Section* current = nullptr;
  for (const std::string& raw : lines.Items()) {
    const std::string line = TrimText(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string name = TrimText(std::string_view(line).substr(1, line.size() - 2));
      // A repeated section header continues the first one.
      current = FindSection(name);
      if (!current) {
        sections_.push_back({name, {}});
        current = &sections_.back();
      }
      continue;
    }
    if (!current) continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
      current->entries.push_back({line, ""});
    } else {
      current->entries.push_back(
          {TrimText(std::string_view(line).substr(0, eq)), TrimText(std::string_view(line).substr(eq + 1))});
    }
  }
}

void TMemIniFile::UpdateFile() const {
  TStringList lines;
  GetStrings(lines);
  TMemoryStream stream;
  lines.SaveToStream(stream);
  stream.SaveToFile(FileName());
}

}  // namespace fw
