#include "framework/PicturesGif.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/PicturesLimits.h"
#include "framework/Utf.h"

namespace fw {
namespace {

struct MemorySource {
  const uint8_t* data;
  size_t size;
  size_t pos;
};

int ReadMemory(GifFileType* gif, GifByteType* out, int count) {
  auto* src = static_cast<MemorySource*>(gif->UserData);
  if (count <= 0) return 0;
  const size_t n = std::min(static_cast<size_t>(count), src->size - src->pos);
  if (n > 0) std::memcpy(out, src->data + src->pos, n);
  src->pos += n;
  return static_cast<int>(n);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void Fail(int code) {
  const char* reason = GifErrorString(code);
  throw EGifError(L"GIF image is not valid: " + Utf8ToWide(reason ? reason : "unknown error"));
}

[[noreturn]] void Fail(const wchar_t* reason) { throw EGifError(std::wstring(L"GIF image is not valid: ") + reason); }

// The transparent colour index of a graphic control extension, or -1.
int TransparentIndex(const GifByteType* ext) {
  // ext[0] is the block length (4), then packed flags, delay (2), index.
  if (ext[0] >= 4 && (ext[1] & 0x01)) return ext[4];
  return -1;
}

}  // namespace

TBitmap DecodeGif(const uint8_t* data, size_t size) {
  MemorySource source{data, size, 0};
  int error = 0;
  GifHandle gif(DGifOpen(&source, ReadMemory, &error));
  if (!gif) Fail(error);

  int transparent = -1;
  for (;;) {
    GifRecordType record;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) Fail(gif->Error);
    if (record == TERMINATE_RECORD_TYPE) Fail(L"the file holds no image");
    if (record == EXTENSION_RECORD_TYPE) {
      int code = 0;
      GifByteType* ext = nullptr;
      if (DGifGetExtension(gif.get(), &code, &ext) == GIF_ERROR) Fail(gif->Error);
      if (code == GRAPHICS_EXT_FUNC_CODE && ext) transparent = TransparentIndex(ext);
      while (ext) {
        if (DGifGetExtensionNext(gif.get(), &ext) == GIF_ERROR) Fail(gif->Error);
      }
      continue;
    }
    if (record != IMAGE_DESC_RECORD_TYPE) Fail(L"unexpected record");
    break;
  }
  if (DGifGetImageDesc(gif.get()) == GIF_ERROR) Fail(gif->Error);

  const GifImageDesc& desc = gif->Image;
  const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  if (!map || !map->Colors || map->ColorCount <= 0) Fail(L"no colour table");
  if (desc.Width <= 0 || desc.Height <= 0) Fail(L"image size out of range");
  // The frame's data is decoded whole, so its size bounds the work; the
  // logical screen only bounds what can be seen.
  if (int64_t{desc.Width} * desc.Height > kMaxBannerImagePixels) {
    throw EPictureTooLarge(L"GIF image is too large to show");
  }
  // A logical screen smaller than the image (or zero, as some writers leave
  // it) grows to hold the image; one larger than a banner shows is cut.
  const int64_t screenW = std::max<int64_t>(gif->SWidth, int64_t{desc.Left} + desc.Width);
  const int64_t screenH = std::max<int64_t>(gif->SHeight, int64_t{desc.Top} + desc.Height);
  const int canvasW = static_cast<int>(std::min<int64_t>(screenW, kMaxBannerCanvasWidth));
  const int canvasH = static_cast<int>(std::min<int64_t>(screenH, kMaxBannerCanvasHeight));

  auto colourOf = [map](int index) -> TColor {
    if (index < 0 || index >= map->ColorCount) index = 0;
    const GifColorType& c = map->Colors[index];
    return static_cast<TColor>(c.Red | (c.Green << 8) | (c.Blue << 16));
  };
  const int background = gif->SColorMap ? gif->SBackGroundColor : 0;
  const TColor backgroundColour = gif->SColorMap && background < gif->SColorMap->ColorCount
                                      ? static_cast<TColor>(gif->SColorMap->Colors[background].Red |
                                                            (gif->SColorMap->Colors[background].Green << 8) |
                                                            (gif->SColorMap->Colors[background].Blue << 16))
                                      : clBlack;

  TBitmap bitmap(canvasW, canvasH, TPixelFormat::pf24bit);
  for (int y = 0; y < canvasH; ++y) {
    for (int x = 0; x < canvasW; ++x) bitmap.SetPixel(x, y, backgroundColour);
  }

  // Interlaced images arrive in four passes of rows.
  std::vector<int> rowOrder;
  rowOrder.reserve(static_cast<size_t>(desc.Height));
  if (desc.Interlace) {
    constexpr int kStart[] = {0, 4, 2, 1};
    constexpr int kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int y = kStart[pass]; y < desc.Height; y += kStep[pass]) rowOrder.push_back(y);
    }
  } else {
    for (int y = 0; y < desc.Height; ++y) rowOrder.push_back(y);
  }

  // Every row is decoded, so a damaged frame is found wherever it lies;
  // only the part on the canvas is kept.
  const int visibleCols = static_cast<int>(std::clamp<int64_t>(int64_t{canvasW} - desc.Left, 0, desc.Width));
  std::vector<GifPixelType> line(static_cast<size_t>(desc.Width));
  for (const int row : rowOrder) {
    if (DGifGetLine(gif.get(), line.data(), desc.Width) == GIF_ERROR) Fail(gif->Error);
    const int64_t y = int64_t{desc.Top} + row;
    if (y >= canvasH) continue;
    for (int col = 0; col < visibleCols; ++col) {
      if (line[col] == transparent) continue;
      bitmap.SetPixel(desc.Left + col, static_cast<int>(y), colourOf(line[col]));
    }
  }
  return bitmap;
}

}  // namespace fw
