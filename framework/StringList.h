#pragma once
// An ordered list of byte strings (text formats stay bytes; UI text is wide).
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TStream;

// ASCII-only case folding: section, key and type names are ASCII.
bool SameText(std::string_view a, std::string_view b);
std::string TrimText(std::string_view s);
// The same trim as a view into `s`: no copy.
std::string_view TrimView(std::string_view s);
std::string UpperCaseAscii(std::string_view s);
// Decimal, "$hex" or "0xhex" integer with optional sign; `def` when malformed.
int StrToIntDef(std::string_view s, int def);

class TStringList {
 public:
  TStringList() = default;
  explicit TStringList(std::vector<std::string> lines) : items_(std::move(lines)) {}

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int index) const { return items_.at(index); }
  std::string& operator[](int index) { return items_.at(index); }
  const std::vector<std::string>& Items() const { return items_; }

  int Add(std::string line);
  void Insert(int index, std::string line);
  void Delete(int index);
  void Clear() { items_.clear(); }
  // First index of `s` (case-insensitive unless CaseSensitive), or -1.
  int IndexOf(std::string_view s) const;
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value) { caseSensitive_ = value; }

  // Lines joined by CR LF, each line terminated; setting splits at CR LF, LF or CR.
  std::string Text() const;
  void SetText(std::string_view text);
  // Calls `line(view)` for each line of `text` as SetText splits it, without
  // storing them.
  template <class F>
  static void ForEachLine(std::string_view text, F&& line);
  // Lines joined by a comma, as list values in text formats are written.
  std::string CommaText() const;

  // "Name=Value" lines.
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  int IndexOfName(std::string_view name) const;
  std::string Values(std::string_view name) const;
  void SetValue(std::string_view name, std::string_view value);

  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;

 private:
  bool Equal(std::string_view a, std::string_view b) const;

  std::vector<std::string> items_;
  bool caseSensitive_ = false;
};

template <class F>
void TStringList::ForEachLine(std::string_view text, F&& line) {
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      line(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) line(text.substr(start));
}

}  // namespace fw
