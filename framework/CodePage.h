#pragma once
// Texts in the system's ANSI code page, in which skins keep their names and
// resource strings, and the program's string table read into it.
#include <windows.h>

#include <string>
#include <string_view>

namespace fw {

std::wstring AnsiToWide(std::string_view text);
std::string WideToAnsi(std::wstring_view text);

// String `id` of the program's string table in the ANSI code page, or
// `fallback` when the program has none.
std::string AnsiResourceString(UINT id, const std::string& fallback);

}  // namespace fw
