#include "skin/data/skSkinDataArchive.h"

#include "framework/Bmp.h"
#include "framework/Utf.h"

namespace sk {
namespace {

// One picture slot: a flag byte (1 = empty, 0 = a BMP file follows).
fw::TBitmap ReadSlot(fw::TStream& stream) {
  const auto flag = stream.ReadValue<uint8_t>();
  if (flag == 1) return {};
  if (flag != 0) throw ESkinArchiveError(L"Invalid picture slot in the skin archive");
  return fw::ReadBmp(stream);
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
  if (archive.Version > 3) {
    throw ESkinArchiveError(L"Unsupported skin archive version " + std::to_wstring(archive.Version));
  }
  archive.Picture = ReadSlot(stream);
  archive.InactivePicture = ReadSlot(stream);
  archive.Mask = ReadSlot(stream);
  if (archive.Version == 2) {
    // Version 2 kept two more pictures that nothing uses any longer.
    ReadSlot(stream);
    ReadSlot(stream);
  }
  const int32_t count = ReadInt32(stream);
  if (count < 0) throw ESkinArchiveError(L"Invalid active picture count in the skin archive");
  // Pictures are appended as they are read: a count beyond the data ends
  // in a read error, never in a huge reservation.
  for (int32_t i = 0; i < count; ++i) archive.ActivePictures.push_back(fw::ReadBmp(stream));
  archive.Text.resize(static_cast<size_t>(stream.Remaining()));
  stream.ReadBuffer(archive.Text.data(), static_cast<int64_t>(archive.Text.size()));
  return archive;
}

void WriteSkinArchive(const TskSkinArchive& archive, fw::TStream& stream) {
  WriteInt32(stream, 3);
  WriteSlot(archive.Picture, stream);
  WriteSlot(archive.InactivePicture, stream);
  WriteSlot(archive.Mask, stream);
  WriteInt32(stream, static_cast<int32_t>(archive.ActivePictures.size()));
  for (const auto& picture : archive.ActivePictures) fw::WriteBmp(picture, stream);
  stream.WriteBuffer(archive.Text.data(), static_cast<int64_t>(archive.Text.size()));
}

}  // namespace sk
