#pragma once
// Conversions between UTF-8 byte strings and the platform's wide strings.
// wchar_t is UTF-16 on Windows and UTF-32 on Linux; both are handled so the
// portable core behaves the same in every build.
#include <string>
#include <string_view>

namespace fw {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// Latin-1 widening for texts that are known to be ASCII (identifiers, numbers).
std::wstring AsciiToWide(std::string_view ascii);

}  // namespace fw
