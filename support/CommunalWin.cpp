#include <windows.h>

#include <vector>

#include "framework/Utf.h"
#include "framework/WinIniFile.h"
#include "support/Communal.h"

namespace support {

std::wstring ProgramDirectory() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      return path.substr(0, path.find_last_of(L"\\/") + 1);
    }
    buffer.resize(buffer.size() * 2);  // long paths: try again with room
  }
}

void AccessScrambledIni(const std::wstring& fileName, uint8_t mode, const std::string& section,
                        const std::string& ident, const std::string& value, std::string& result) {
  fw::TIniFile ini(fileName);
  AccessScrambledIniFile(ini, mode, section, ident, value, result);
}

std::wstring StoredTextToWide(const std::string& bytes) {
  if (IsUtf8(bytes)) return fw::Utf8ToWide(bytes);
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

}  // namespace support
