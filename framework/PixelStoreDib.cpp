// Pixels in a top-down DIB section, so GDI can draw text and shapes into a
// bitmap while our own code reads and writes its rows directly.
#include <windows.h>

#include "framework/Exceptions.h"
#include "framework/GdiObjects.h"
#include "framework/Graphics.h"

namespace fw {
namespace {

class DibPixelStore : public PixelStore {
 public:
  DibPixelStore(int width, int height, TPixelFormat format, const std::vector<TPaletteEntry>& palette) {
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colors[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;  // top-down rows
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(BitsPerPixel(format));
    info.header.biCompression = BI_RGB;
    const size_t colors = std::min<size_t>(palette.size(), 256);
    info.header.biClrUsed = static_cast<DWORD>(colors);
    for (size_t i = 0; i < colors; ++i) {
      info.colors[i] = {palette[i].blue, palette[i].green, palette[i].red, 0};
    }
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) throw EOutOfResources(L"Out of system resources");
    handle_.Reset(dib);
    bits_ = static_cast<uint8_t*>(bits);
  }
  uint8_t* Bits() override { return bits_; }
  void* NativeHandle() override { return handle_.Get(); }

 private:
  GdiObject<HBITMAP> handle_;
  uint8_t* bits_ = nullptr;
};

}  // namespace

std::unique_ptr<PixelStore> AllocatePixelStore(int width, int height, TPixelFormat format,
                                               const std::vector<TPaletteEntry>& palette) {
  return std::make_unique<DibPixelStore>(width, height, format, palette);
}

}  // namespace fw
