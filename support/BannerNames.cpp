#include "support/BannerNames.h"

#include <cwctype>
#include <string_view>

namespace support {

std::wstring BannerExtension(const std::wstring& address) {
  const auto dot = address.rfind(L'.');
  if (dot == std::wstring::npos) return {};
  if (address.find_first_of(L"\\:", dot + 1) != std::wstring::npos) return {};
  return address.substr(dot);
}

bool IsUsableExtension(const std::wstring& extension) {
  // Long enough for any real extension; short enough that the name stays
  // far from the platform's path limits.
  constexpr size_t kMaxExtensionChars = 32;
  if (extension.size() < 2 || extension.size() > kMaxExtensionChars + 1 || extension[0] != L'.') return false;
  for (size_t i = 1; i < extension.size(); ++i) {
    const wchar_t c = extension[i];
    if (c <= L' ' || c >= 0x7F) return false;
    if (std::wstring_view(L"./\\:*?\"<>|").find(c) != std::wstring_view::npos) return false;
  }
  return true;
}

std::optional<std::wstring> BannerFileName(const std::wstring& key, const std::wstring& address) {
  const std::wstring ext = BannerExtension(address);
  if (ext.empty()) return key;
  if (!IsUsableExtension(ext)) return std::nullopt;
  return key + ext;
}

bool IsWebLink(const std::wstring& url) {
  auto startsWith = [&url](std::wstring_view prefix) {
    if (url.size() <= prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
      if (static_cast<wchar_t>(std::towlower(url[i])) != prefix[i]) return false;
    }
    return true;
  };
  if (!startsWith(L"http://") && !startsWith(L"https://")) return false;
  for (const wchar_t c : url) {
    if (c <= L' ' || c == 0x7F) return false;
  }
  return true;
}

}  // namespace support
