#include "framework/Pictures.h"

#include <windows.h>

#include <fstream>
#include <memory>

#include "framework/Bmp.h"
#include "framework/ExtCtrls.h"
#include "framework/PicturesGif.h"
#include "framework/PicturesJpeg.h"
#include "framework/PicturesLimits.h"

namespace fw {
namespace {

class TIconGraphic : public TGraphic {
 public:
  explicit TIconGraphic(HICON icon) : icon_(icon) {
    ICONINFO info{};
    if (GetIconInfo(icon_, &info)) {
      BITMAP bm{};
      HBITMAP sizeSource = info.hbmColor ? info.hbmColor : info.hbmMask;
      if (GetObjectW(sizeSource, sizeof bm, &bm)) {
        width_ = bm.bmWidth;
        // A monochrome icon's mask holds the AND and XOR halves stacked.
        height_ = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
      }
      if (info.hbmColor) DeleteObject(info.hbmColor);
      if (info.hbmMask) DeleteObject(info.hbmMask);
    }
  }
  ~TIconGraphic() override { DestroyIcon(icon_); }
  TIconGraphic(const TIconGraphic&) = delete;
  TIconGraphic& operator=(const TIconGraphic&) = delete;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Draw(TCanvas& canvas, const TRect& r) const override {
    DrawIconEx(canvas.Handle(), r.left, r.top, icon_, r.Width(), r.Height(), 0, nullptr, DI_NORMAL);
  }

 private:
  HICON icon_;
  int width_ = 0;
  int height_ = 0;
};

class TMetafileGraphic : public TGraphic {
 public:
  explicit TMetafileGraphic(HENHMETAFILE metafile) : metafile_(metafile) {
    ENHMETAHEADER header{};
    if (GetEnhMetaFileHeader(metafile_, sizeof header, &header)) {
      // The frame is in 0.01 mm; show it at the screen's 96 pixels per inch.
      width_ = MulDiv(header.rclFrame.right - header.rclFrame.left, 96, 2540);
      height_ = MulDiv(header.rclFrame.bottom - header.rclFrame.top, 96, 2540);
    }
  }
  ~TMetafileGraphic() override { DeleteEnhMetaFile(metafile_); }
  TMetafileGraphic(const TMetafileGraphic&) = delete;
  TMetafileGraphic& operator=(const TMetafileGraphic&) = delete;
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Draw(TCanvas& canvas, const TRect& r) const override {
    RECT rc{r.left, r.top, r.right, r.bottom};
    PlayEnhMetaFile(canvas.Handle(), metafile_, &rc);
  }

 private:
  HENHMETAFILE metafile_;
  int width_ = 0;
  int height_ = 0;
};

std::unique_ptr<TGraphic> LoadIconFile(const std::filesystem::path& file) {
  ReadPictureFile(file);  // the size bound and a clear error for a missing file
  auto icon = static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
  if (!icon) throw EInvalidGraphic(L"Icon image is not valid");
  return std::make_unique<TIconGraphic>(icon);
}

std::unique_ptr<TGraphic> LoadEnhMetafile(const std::filesystem::path& file) {
  const std::vector<uint8_t> bytes = ReadPictureFile(file);
  HENHMETAFILE metafile = SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data());
  if (!metafile) throw EInvalidGraphic(L"Metafile is not valid");
  return std::make_unique<TMetafileGraphic>(metafile);
}

std::unique_ptr<TGraphic> LoadWinMetafile(const std::filesystem::path& file) {
  const std::vector<uint8_t> bytes = ReadPictureFile(file);
  // A placeable metafile starts with a 22-byte header of its own.
  constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
  size_t offset = 0;
  if (bytes.size() >= 22) {
    const uint32_t key = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (uint32_t{bytes[3]} << 24);
    if (key == kPlaceableKey) offset = 22;
  }
  if (bytes.size() <= offset) throw EInvalidGraphic(L"Metafile is not valid");
  HENHMETAFILE metafile =
      SetWinMetaFileBits(static_cast<UINT>(bytes.size() - offset), bytes.data() + offset, nullptr, nullptr);
  if (!metafile) throw EInvalidGraphic(L"Metafile is not valid");
  return std::make_unique<TMetafileGraphic>(metafile);
}

std::unique_ptr<TGraphic> LoadBmp(const std::filesystem::path& file) {
  return std::make_unique<TBitmapGraphic>(LoadBmpFile(file));
}

std::unique_ptr<TGraphic> LoadGif(const std::filesystem::path& file) {
  const std::vector<uint8_t> bytes = ReadPictureFile(file);
  return std::make_unique<TBitmapGraphic>(DecodeGif(bytes.data(), bytes.size()));
}

std::unique_ptr<TGraphic> LoadJpeg(const std::filesystem::path& file) {
  const std::vector<uint8_t> bytes = ReadPictureFile(file);
  return std::make_unique<TBitmapGraphic>(DecodeJpeg(bytes.data(), bytes.size()));
}

}  // namespace

std::vector<uint8_t> ReadPictureFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw EFOpenError(L"Cannot open file \"" + file.wstring() + L"\"");
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || size > kMaxPictureFileBytes) throw EInvalidGraphic(L"Picture file is too large");
  in.seekg(0);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) {
    throw EReadError(L"Stream read error");
  }
  return bytes;
}

void RegisterPictureFormats() {
  TPicture::RegisterFileFormat(L"bmp", LoadBmp);
  TPicture::RegisterFileFormat(L"ico", LoadIconFile);
  TPicture::RegisterFileFormat(L"wmf", LoadWinMetafile);
  TPicture::RegisterFileFormat(L"emf", LoadEnhMetafile);
  TPicture::RegisterFileFormat(L"gif", LoadGif);
  TPicture::RegisterFileFormat(L"jpg", LoadJpeg);
  TPicture::RegisterFileFormat(L"jpeg", LoadJpeg);
}

}  // namespace fw
