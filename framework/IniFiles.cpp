#include "framework/IniFiles.h"

#include <algorithm>
#include <cstdint>
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

size_t TMemIniFile::FoldedHash::operator()(std::string_view text) const {
  // FNV-1a over the case-folded bytes.
  uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
    hash *= 1099511628211ull;
  }
  return static_cast<size_t>(hash);
}

namespace {
constexpr size_t kIndexedSection = 16;
}

void TMemIniFile::Section::Add(std::string key, std::string value) {
  entries.push_back({std::move(key), std::move(value)});
  if (entries.size() == kIndexedSection) {
    Reindex();
  } else if (entries.size() > kIndexedSection) {
    // A repeated key keeps its line, but the first one answers.
    keys.try_emplace(entries.back().key, entries.size() - 1);
  }
}

void TMemIniFile::Section::Reindex() {
  keys.clear();
  if (entries.size() < kIndexedSection) return;
  for (size_t i = 0; i < entries.size(); ++i) keys.try_emplace(entries[i].key, i);
}

size_t TMemIniFile::Section::Find(std::string_view key) const {
  if (entries.size() >= kIndexedSection) {
    const auto it = keys.find(key);
    return it == keys.end() ? entries.size() : it->second;
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    if (SameText(entries[i].key, key)) return i;
  }
  return entries.size();
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view name) const {
  const auto it = sectionIndex_.find(name);
  return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

TMemIniFile::Section* TMemIniFile::FindSection(std::string_view name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

TMemIniFile::Section& TMemIniFile::AddSection(std::string name) {
  sectionIndex_.try_emplace(name, sections_.size());
  sections_.push_back({std::move(name), {}, {}});
  return sections_.back();
}

void TMemIniFile::Clear() {
  sections_.clear();
  sectionIndex_.clear();
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& def) const {
  if (const Section* s = FindSection(section)) {
    const size_t i = s->Find(ident);
    if (i < s->entries.size()) return s->entries[i].value;
  }
  return def;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident,
                              const std::string& value) {
  Section* s = FindSection(section);
  if (!s) s = &AddSection(section);
  const size_t i = s->Find(ident);
  if (i < s->entries.size()) {
    s->entries[i].value = value;
  } else {
    s->Add(ident, value);
  }
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

bool TMemIniFile::SectionExists(const std::string& section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  const Section* s = FindSection(section);
  return s && s->Find(ident) < s->entries.size();
}

void TMemIniFile::EraseSection(const std::string& section) {
  const auto it = sectionIndex_.find(section);
  if (it == sectionIndex_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(it->second));
  sectionIndex_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) sectionIndex_.try_emplace(sections_[i].name, i);
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  Section* s = FindSection(section);
  if (!s || s->Find(ident) == s->entries.size()) return;
  auto& e = s->entries;
  e.erase(std::remove_if(e.begin(), e.end(), [&](const Entry& x) { return SameText(x.key, ident); }), e.end());
  s->Reindex();
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
  Clear();
  Section* current = nullptr;
  for (const std::string& raw : lines.Items()) {
    const std::string line = TrimText(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      std::string name = TrimText(std::string_view(line).substr(1, line.size() - 2));
      // A repeated section header continues the first one.
      current = FindSection(name);
      if (!current) current = &AddSection(std::move(name));
      continue;
    }
    if (!current) continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) {
      current->Add(line, "");
    } else {
      current->Add(TrimText(std::string_view(line).substr(0, eq)), TrimText(std::string_view(line).substr(eq + 1)));
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
