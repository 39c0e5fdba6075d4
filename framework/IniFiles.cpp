#include "framework/IniFiles.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "framework/Streams.h"

namespace fw {

int TCustomIniFile::ReadInteger(const std::string& section, const std::string& ident, int def) const {
  return StrToIntDef(ReadString(section, ident, ""), def);
}

void TCustomIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  WriteString(section, ident, std::to_string(value));
}

bool TCustomIniFile::ReadBool(const std::string& section, const std::string& ident, bool def) const {
  return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
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

TMemIniFile::TMemIniFile(std::filesystem::path fileName) : TCustomIniFile(std::move(fileName)) {
  std::error_code ec;
  if (!FileName().empty() && std::filesystem::is_regular_file(FileName(), ec)) {
    const std::vector<uint8_t> bytes = ReadFileBytes(FileName());
    SetText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
}

namespace {

constexpr size_t kIndexedSection = 16;

// FNV-1a over the case-folded bytes.
size_t FoldedHash(std::string_view text) {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<uint8_t>(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
    hash *= 1099511628211ull;
  }
  return static_cast<size_t>(hash ^ (hash >> 32));
}

}  // namespace

template <class NameAt>
size_t TMemIniFile::NameIndex::Find(std::string_view name, const NameAt& nameAt, size_t missing) const {
  if (slots_.empty()) return missing;
  const size_t mask = slots_.size() - 1;
  for (size_t i = FoldedHash(name) & mask;; i = (i + 1) & mask) {
    const size_t slot = slots_[i];
    if (slot == 0) return missing;
    if (SameText(nameAt(slot - 1), name)) return slot - 1;
  }
}

template <class NameAt>
void TMemIniFile::NameIndex::Insert(size_t position, const NameAt& nameAt) {
  const std::string_view name = nameAt(position);
  const size_t mask = slots_.size() - 1;
  for (size_t i = FoldedHash(name) & mask;; i = (i + 1) & mask) {
    const size_t slot = slots_[i];
    if (slot == 0) {
      slots_[i] = position + 1;
      ++used_;
      return;
    }
    // A repeated name keeps its line, but the first one answers.
    if (SameText(nameAt(slot - 1), name)) return;
  }
}

template <class NameAt>
void TMemIniFile::NameIndex::Add(size_t count, const NameAt& nameAt) {
  // At most half full, so probes stay short and always meet a free slot.
  if ((used_ + 1) * 2 > slots_.size()) {
    Rebuild(count, nameAt);
  } else {
    Insert(count - 1, nameAt);
  }
}

template <class NameAt>
void TMemIniFile::NameIndex::Rebuild(size_t count, const NameAt& nameAt) {
  size_t size = 16;
  while (size < count * 2) size *= 2;
  slots_.assign(size, 0);
  used_ = 0;
  for (size_t i = 0; i < count; ++i) Insert(i, nameAt);
}

void TMemIniFile::Section::Add(std::string_view key, std::string_view value) {
  entries.push_back({std::string(key), std::string(value)});
  if (entries.size() == kIndexedSection) {
    Reindex();
  } else if (entries.size() > kIndexedSection) {
    keys.Add(entries.size(), [this](size_t i) -> const std::string& { return KeyAt(i); });
  }
}

void TMemIniFile::Section::Reindex() {
  keys.Clear();
  if (entries.size() < kIndexedSection) return;
  keys.Rebuild(entries.size(), [this](size_t i) -> const std::string& { return KeyAt(i); });
}

size_t TMemIniFile::Section::Find(std::string_view key) const {
  if (entries.size() >= kIndexedSection) {
    return keys.Find(
        key, [this](size_t i) -> const std::string& { return KeyAt(i); }, entries.size());
  }
  for (size_t i = 0; i < entries.size(); ++i) {
    if (SameText(entries[i].key, key)) return i;
  }
  return entries.size();
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::string_view name) const {
  const size_t i = sectionIndex_.Find(
      name, [this](size_t i) -> const std::string& { return sections_[i].name; }, sections_.size());
  return i == sections_.size() ? nullptr : &sections_[i];
}

TMemIniFile::Section* TMemIniFile::FindSection(std::string_view name) {
  return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

TMemIniFile::Section& TMemIniFile::AddSection(std::string_view name) {
  sections_.push_back({std::string(name), {}, {}});
  sectionIndex_.Add(sections_.size(), [this](size_t i) -> const std::string& { return sections_[i].name; });
  return sections_.back();
}

void TMemIniFile::Clear() {
  sections_.clear();
  sectionIndex_.Clear();
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& def) const {
  if (const Section* s = FindSection(section)) {
    const size_t i = s->Find(ident);
    if (i < s->entries.size()) return s->entries[i].value;
  }
  return def;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
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
  const Section* s = FindSection(section);
  if (!s) return;
  sections_.erase(sections_.begin() + (s - sections_.data()));
  sectionIndex_.Rebuild(sections_.size(), [this](size_t i) -> const std::string& { return sections_[i].name; });
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

void TMemIniFile::ParseLine(std::string_view raw, Section*& current) {
  const std::string_view line = TrimView(raw);
  if (line.empty() || line[0] == ';') return;
  if (line.front() == '[' && line.back() == ']') {
    const std::string_view name = TrimView(line.substr(1, line.size() - 2));
    // A repeated section header continues the first one.
    current = FindSection(name);
    if (!current) current = &AddSection(name);
    return;
  }
  if (!current) return;
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) {
    current->Add(line, {});
  } else {
    current->Add(TrimView(line.substr(0, eq)), TrimView(line.substr(eq + 1)));
  }
}

void TMemIniFile::SetStrings(const TStringList& lines) {
  Clear();
  Section* current = nullptr;
  for (const std::string& raw : lines.Items()) ParseLine(raw, current);
}

void TMemIniFile::SetText(std::string_view text) {
  Clear();
  Section* current = nullptr;
  TStringList::ForEachLine(text, [&](std::string_view raw) { ParseLine(raw, current); });
}

void TMemIniFile::UpdateFile() const {
  TStringList lines;
  GetStrings(lines);
  TMemoryStream stream;
  lines.SaveToStream(stream);
  stream.SaveToFile(FileName());
}

}  // namespace fw
