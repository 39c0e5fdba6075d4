#include "framework/StringList.h"

#include <charconv>
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/Streams.h"

namespace fw {

namespace {
char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

std::string_view TrimView(std::string_view s) {
  size_t first = 0;
  size_t last = s.size();
  while (first < last && IsBlank(s[first])) ++first;
  while (last > first && IsBlank(s[last - 1])) --last;
  return s.substr(first, last - first);
}

std::string TrimText(std::string_view s) { return std::string(TrimView(s)); }

std::string UpperCaseAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = FoldAscii(c);
  return out;
}

int StrToIntDef(std::string_view s, int def) {
  std::string_view v = TrimView(s);
  bool negative = false;
  if (!v.empty() && (v[0] == '-' || v[0] == '+')) {
    negative = v[0] == '-';
    v.remove_prefix(1);
  }
  int base = 10;
  if (!v.empty() && v[0] == '$') {
    base = 16;
    v.remove_prefix(1);
  } else if (v.size() > 1 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    base = 16;
    v.remove_prefix(2);
  }
  if (v.empty()) return def;
  long long value = 0;
  const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value, base);
  if (ec != std::errc() || end != v.data() + v.size()) return def;
  if (negative) value = -value;
  // Hexadecimal values name bit patterns (colours): wrap them like 32-bit words.
  if (base == 16 && value >= 0 && value <= 0xFFFFFFFFLL) return static_cast<int>(static_cast<uint32_t>(value));
  if (value < INT32_MIN || value > INT32_MAX) return def;
  return static_cast<int>(value);
}

int TStringList::Add(std::string line) {
  items_.push_back(std::move(line));
  return Count() - 1;
}

void TStringList::Insert(int index, std::string line) {
  if (index < 0 || index > Count()) throw EListError(L"List index out of bounds");
  items_.insert(items_.begin() + index, std::move(line));
}

void TStringList::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(L"List index out of bounds");
  items_.erase(items_.begin() + index);
}

bool TStringList::Equal(std::string_view a, std::string_view b) const {
  return caseSensitive_ ? a == b : SameText(a, b);
}

int TStringList::IndexOf(std::string_view s) const {
  for (int i = 0; i < Count(); ++i) {
    if (Equal(items_[i], s)) return i;
  }
  return -1;
}

std::string TStringList::Text() const {
  std::string out;
  for (const auto& line : items_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

void TStringList::SetText(std::string_view text) {
  items_.clear();
  ForEachLine(text, [&](std::string_view line) { items_.emplace_back(line); });
}

std::string TStringList::CommaText() const {
  std::string out;
  for (size_t i = 0; i < items_.size(); ++i) {
    if (i) out += ',';
    out += items_[i];
  }
  return out;
}

std::string TStringList::Names(int index) const {
  const std::string& line = items_.at(index);
  const auto eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(0, eq);
}

std::string TStringList::ValueFromIndex(int index) const {
  const std::string& line = items_.at(index);
  const auto eq = line.find('=');
  return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

int TStringList::IndexOfName(std::string_view name) const {
  for (int i = 0; i < Count(); ++i) {
    const auto eq = items_[i].find('=');
    if (eq != std::string::npos && Equal(std::string_view(items_[i]).substr(0, eq), name)) return i;
  }
  return -1;
}

std::string TStringList::Values(std::string_view name) const {
  const int i = IndexOfName(name);
  return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStringList::SetValue(std::string_view name, std::string_view value) {
  const int i = IndexOfName(name);
  std::string line = std::string(name) + "=" + std::string(value);
  if (i < 0) {
    items_.push_back(std::move(line));
  } else {
    items_[i] = std::move(line);
  }
}

void TStringList::LoadFromStream(TStream& stream) {
  std::string text(static_cast<size_t>(stream.Remaining()), '\0');
  stream.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
  SetText(text);
}

void TStringList::SaveToStream(TStream& stream) const {
  const std::string text = Text();
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

}  // namespace fw
