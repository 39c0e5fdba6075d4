#include "support/BannerNames.h"

#include <cwctype>

std::wstring BannerExtension(const std::wstring& address) {
  const auto dot = address.rfind(L'.');
  if (dot == std::wstring::npos) return {};
  if (address.find_first_of(L"\\:", dot + 1) != std::wstring::npos) return {};
  return address.substr(dot);
}

bool IsPlainExtension(const std::wstring& extension) {
  if (extension.size() < 2 || extension.size() > 9 || extension[0] != L'.') return false;
  for (size_t i = 1; i < extension.size(); ++i) {
    const wchar_t c = extension[i];
    const bool alnum = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9');
    if (!alnum) return false;
  }
  return true;
}

std::wstring BannerFileName(const std::wstring& key, const std::wstring& address) {
  const std::wstring ext = BannerExtension(address);
  return IsPlainExtension(ext) ? key + ext : key;
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
