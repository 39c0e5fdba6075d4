// Heap-backed pixels for builds without a platform bitmap.
#include "framework/Graphics.h"

namespace fw {
namespace {

class HeapPixelStore : public PixelStore {
 public:
  explicit HeapPixelStore(size_t bytes) : bytes_(bytes, 0) {}
  uint8_t* Bits() override { return bytes_.data(); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

std::unique_ptr<PixelStore> AllocatePixelStore(int width, int height, TPixelFormat format,
                                               const std::vector<TPaletteEntry>&) {
  const size_t bytes = static_cast<size_t>(TBitmap::RowBytesFor(width, format)) * static_cast<size_t>(height);
  return std::make_unique<HeapPixelStore>(bytes);
}

}  // namespace fw
