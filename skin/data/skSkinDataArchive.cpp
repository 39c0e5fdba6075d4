#include "skin/data/skSkinDataArchive.h"

#include "framework/Bmp.h"
#include "framework/PicturesLimits.h"
#include "framework/Utf.h"

namespace sk {
namespace {

[[noreturn]] void OverBudget(int64_t width, int64_t height) {
  throw ESkinArchiveError(L"Skin picture of " + std::to_wstring(width) + L" x " + std::to_wstring(height) +
                          L" pixels is too large: a skin's pictures may hold " + std::to_wstring(kMaxSkinPixels) +
                          L" pixels in all, " + std::to_wstring(fw::kMaxPictureSide) + L" to a side");
}

// One picture, taken out of the pixels the archive has left.
fw::TBitmap ReadPicture(fw::TStream& stream, int64_t& pixelsLeft) {
  try {
    fw::TBitmap picture = fw::ReadBmp(stream, pixelsLeft);
    pixelsLeft -= int64_t{picture.Width()} * picture.Height();
    return picture;
  } catch (const fw::EBitmapTooLarge& e) {
    OverBudget(e.Width(), e.Height());
  }
}

// One picture slot: a flag byte (1 = empty, 0 = a BMP file follows).
fw::TBitmap ReadSlot(fw::TStream& stream, int64_t& pixelsLeft) {
  const auto flag = stream.ReadValue<uint8_t>();
  if (flag == 1) return {};
  if (flag != 0) throw ESkinArchiveError(L"Invalid picture slot in the skin archive");
  return ReadPicture(stream, pixelsLeft);
}

void WriteSlot(const fw::TBitmap& picture, fw::TStream& stream) {
  const uint8_t flag = picture.Empty() ? 1 : 0;
  stream.WriteValue(flag);
  if (!picture.Empty()) fw::WriteBmp(picture, stream);
}

int32_t ReadInt32(fw::TStream& stream) {
  uint8_t b[4];
  stream.ReadBuffer(b, 4);
  return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                              (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24));
}

void WriteInt32(fw::TStream& stream, int32_t value) {
  const auto v = static_cast<uint32_t>(value);
  const uint8_t b[4] = {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                        static_cast<uint8_t>(v >> 24)};
  stream.WriteBuffer(b, 4);
}

}  // namespace

TskSkinArchive ReadSkinArchive(fw::TStream& stream) {
  TskSkinArchive archive;
  archive.Version = ReadInt32(stream);
  // A newer archive may be laid out differently: nothing more is read.
  if (archive.Version > kSkinArchiveVersion) return archive;
  // Every picture is allocated as it is read, so a few kilobytes of packed
  // skin must not claim gigabytes: all of them share one budget.
  int64_t pixelsLeft = kMaxSkinPixels;
  archive.Picture = ReadSlot(stream, pixelsLeft);
  archive.InactivePicture = ReadSlot(stream, pixelsLeft);
  archive.Mask = ReadSlot(stream, pixelsLeft);
  if (archive.Version == 2) {
    // Version 2 kept two more pictures that nothing uses any longer.
    ReadSlot(stream, pixelsLeft);
    ReadSlot(stream, pixelsLeft);
  }
  const int32_t count = ReadInt32(stream);
  if (count < 0) throw ESkinArchiveError(L"Invalid active picture count in the skin archive");
  // Pictures are appended as they are read: a count beyond the data ends
  // in a read error, never in a huge reservation.
  for (int32_t i = 0; i < count; ++i) archive.ActivePictures.push_back(ReadPicture(stream, pixelsLeft));
  archive.Text.resize(static_cast<size_t>(stream.Remaining()));
  stream.ReadBuffer(archive.Text.data(), static_cast<int64_t>(archive.Text.size()));
  return archive;
}

void WriteSkinArchive(const TskSkinArchive& archive, fw::TStream& stream) {
  // An archive no reader would take is not written.
  int64_t pixels = 0;
  for (const fw::TBitmap* picture : {&archive.Picture, &archive.InactivePicture, &archive.Mask}) {
    pixels += int64_t{picture->Width()} * picture->Height();
    if (pixels > kMaxSkinPixels) OverBudget(picture->Width(), picture->Height());
  }
  for (const auto& picture : archive.ActivePictures) {
    pixels += int64_t{picture.Width()} * picture.Height();
    if (pixels > kMaxSkinPixels) OverBudget(picture.Width(), picture.Height());
  }
  WriteInt32(stream, 3);
  WriteSlot(archive.Picture, stream);
  WriteSlot(archive.InactivePicture, stream);
  WriteSlot(archive.Mask, stream);
  WriteInt32(stream, static_cast<int32_t>(archive.ActivePictures.size()));
  for (const auto& picture : archive.ActivePictures) fw::WriteBmp(picture, stream);
  stream.WriteBuffer(archive.Text.data(), static_cast<int64_t>(archive.Text.size()));
}

}  // namespace sk
