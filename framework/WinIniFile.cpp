#include "framework/WinIniFile.h"

#include <windows.h>

#include <vector>

#include "framework/Exceptions.h"
#include "framework/Utf.h"

namespace fw {
namespace {

// The profile functions report truncation only by filling the buffer, so
// grow it until the answer fits with room to spare.
template <class Call>
std::wstring ReadGrowing(Call call, DWORD slack) {
  std::vector<wchar_t> buffer(2048);
  for (;;) {
    const DWORD got = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got + slack < buffer.size()) return std::wstring(buffer.data(), got);
    buffer.resize(buffer.size() * 2);
  }
}

std::vector<std::string> SplitDoubleNull(const std::wstring& list) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < list.size()) {
    const size_t end = list.find(L'\0', start);
    const size_t stop = end == std::wstring::npos ? list.size() : end;
    if (stop > start) out.push_back(WideToUtf8(list.substr(start, stop - start)));
    start = stop + 1;
  }
  return out;
}

}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& ident, const std::string& def) const {
  const std::wstring s = Utf8ToWide(section);
  const std::wstring k = Utf8ToWide(ident);
  const std::wstring d = Utf8ToWide(def);
  const std::wstring file = FileName().wstring();
  return WideToUtf8(ReadGrowing(
      [&](wchar_t* buf, DWORD size) {
        return GetPrivateProfileStringW(s.c_str(), k.c_str(), d.c_str(), buf, size, file.c_str());
      },
      1));
}

void TIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  if (!WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(ident).c_str(), Utf8ToWide(value).c_str(),
                                  FileName().wstring().c_str())) {
    ThrowWriteError();
  }
}

void TIniFile::ReadSection(const std::string& section, TStringList& keys) const {
  const std::wstring s = Utf8ToWide(section);
  const std::wstring file = FileName().wstring();
  keys.Clear();
  for (auto& key : SplitDoubleNull(ReadGrowing(
           [&](wchar_t*buf, DWORD size) {
             return GetPrivateProfileStringW(s.c_str(), nullptr, L"", buf, size, file.c_str());
           },
           2))) {
    keys.Add(std::move(key));
  }
}

void TIniFile::ReadSections(TStringList& sections) const {
  const std::wstring file = FileName().wstring();
  sections.Clear();
  for (auto& name : SplitDoubleNull(ReadGrowing(
           [&](wchar_t*buf, DWORD size) { return GetPrivateProfileSectionNamesW(buf, size, file.c_str()); }, 2))) {
    sections.Add(std::move(name));
  }
}

void TIniFile::EraseSection(const std::string& section) {
  if (!WritePrivateProfileStringW(Utf8ToWide(section).c_str(), nullptr, nullptr, FileName().wstring().c_str())) {
    ThrowWriteError();
  }
}

void TIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  WritePrivateProfileStringW(Utf8ToWide(section).c_str(), Utf8ToWide(ident).c_str(), nullptr,
                             FileName().wstring().c_str());
}

void TIniFile::ThrowWriteError() const {
  throw EIniFileException(FormatMessage1(L"Unable to write to %s", FileName().wstring()));
}

}  // namespace fw
