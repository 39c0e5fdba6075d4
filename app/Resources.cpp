#include "app/Resources.h"

#include <windows.h>

#include "framework/Exceptions.h"

namespace quillet {

std::vector<uint8_t> LoadBinaryResource(const std::wstring& name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL data = info ? LoadResource(module, info) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) throw fw::EReadError(L"Resource " + name + L" not found");
  const auto* first = static_cast<const uint8_t*>(bytes);
  return std::vector<uint8_t>(first, first + SizeofResource(module, info));
}

std::string LoadTextResource(const std::wstring& name) {
  const std::vector<uint8_t> bytes = LoadBinaryResource(name);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace quillet
