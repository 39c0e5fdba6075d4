#pragma once
// Data compiled into the executable's resources.
#include <cstdint>
#include <string>
#include <vector>

namespace quillet {

// The bytes of an RCDATA resource; an error when it does not exist.
std::vector<uint8_t> LoadBinaryResource(const std::wstring& name);
std::string LoadTextResource(const std::wstring& name);

}  // namespace quillet
