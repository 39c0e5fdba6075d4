#pragma once
// The Adler-32 checksum that ends a zlib stream, worked out with vector
// instructions where the processor has them. zlib's own loop is byte by
// byte and costs nearly as much as the inflate it checks.
#include <cstddef>
#include <cstdint>

namespace sk {

// Continues `adler` (1 for a new checksum) over `size` bytes, as zlib's
// adler32() does.
uint32_t Adler32(uint32_t adler, const uint8_t* data, size_t size);

}  // namespace sk
