#include "framework/Exceptions.h"

#include "framework/Utf.h"

namespace fw {

Exception::Exception(std::wstring message) : message_(std::move(message)), utf8_(WideToUtf8(message_)) {}

std::wstring FormatMessage1(std::wstring_view pattern, std::wstring_view arg) {
  std::wstring out(pattern);
  const auto at = out.find(L"%s");
  if (at != std::wstring::npos) out.replace(at, 2, arg);
  return out;
}

}  // namespace fw
