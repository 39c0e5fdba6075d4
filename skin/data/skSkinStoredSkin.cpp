#include "skin/data/skSkinStoredSkin.h"

#include "framework/Bmp.h"
#include "framework/Exceptions.h"
#include "framework/IniFiles.h"
#include "skin/data/skSkinDataArchive.h"
#include "skin/data/skSkinDataValues.h"
#include "skin/data/skZlibCompress.h"

namespace sk {
namespace {

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

// Version, length, then that many bytes into `data`; a version above 3
// leaves `data` empty.
void ReadEnvelope(fw::TStream& stream, fw::TMemoryStream& data) {
  data.Clear();
  if (ReadInt32(stream) > kSkinArchiveVersion) return;
  const int32_t length = ReadInt32(stream);
  if (length < 0) throw ESkinArchiveError(L"Invalid compressed skin length");
  // CopyFrom reads in chunks, so a lying length ends in a read error
  // instead of a huge allocation.
  if (length > 0) data.CopyFrom(stream, length);
  data.SetPosition(0);
}

std::wstring NamePart(const std::wstring& path) { return std::filesystem::path(path).filename().wstring(); }

}  // namespace

TskCompressedStoredSkin::TskCompressedStoredSkin(fw::TComponent* owner) : TComponent(owner) {}

bool TskCompressedStoredSkin::ImportsOnAssign() const { return HasState(fw::csDesigning) && !HasState(fw::csLoading); }

void TskCompressedStoredSkin::SetFileName(const std::wstring& value) {
  if (ImportsOnAssign()) {
    fileName_ = NamePart(value);
    ImportSkinFolder(value);
  } else {
    fileName_ = value;
  }
}

void TskCompressedStoredSkin::SetCompressedFileName(const std::wstring& value) {
  if (ImportsOnAssign()) {
    compressedFileName_ = NamePart(value);
    ImportCompressedSkinFile(value);
  } else {
    compressedFileName_ = value;
  }
}

void TskCompressedStoredSkin::ReadSkinEnvelope(fw::TStream& stream) {
  compressedData_.Clear();
  stream.SetPosition(0);
  try {
    ReadEnvelope(stream, compressedData_);
  } catch (...) {
    compressedData_.Clear();  // a half-read skin is no skin
    throw;
  }
}

void TskCompressedStoredSkin::WriteSkinEnvelope(fw::TStream& stream) const {
  WriteInt32(stream, kSkinArchiveVersion);
  WriteInt32(stream, static_cast<int32_t>(compressedData_.Bytes().size()));
  stream.WriteBuffer(compressedData_.Bytes().data(), static_cast<int64_t>(compressedData_.Bytes().size()));
}

void TskCompressedStoredSkin::ReadCompressedData(fw::TStream& stream) {
  compressedData_.Clear();
  const int64_t size = stream.Remaining();
  if (size > 0) compressedData_.CopyFrom(stream, size);
  compressedData_.SetPosition(0);
}

void TskCompressedStoredSkin::WriteCompressedData(fw::TStream& stream) const {
  stream.WriteBuffer(compressedData_.Bytes().data(), static_cast<int64_t>(compressedData_.Bytes().size()));
}

void TskCompressedStoredSkin::DecompressSkin(fw::TStream& target, int64_t maxBytes) const {
  const TskInflatedBytes bytes = InflateSkin(maxBytes);
  target.WriteBuffer(bytes.Data(), bytes.Size());
}

TskInflatedBytes TskCompressedStoredSkin::InflateSkin(int64_t maxBytes) const {
  const std::vector<uint8_t>& packed = compressedData_.Bytes();
  return ZDecompressBuffer(packed.data(), static_cast<int64_t>(packed.size()), maxBytes);
}

void TskCompressedStoredSkin::ImportSkinFolder(const std::filesystem::path& iniPath) {
  fw::TMemoryStream text;
  text.LoadFromFile(iniPath);
  fw::TStringList lines;
  lines.LoadFromStream(text);
  fw::TMemIniFile ini;
  ini.SetStrings(lines);
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
    if (!ini.SectionExists(section)) return;
  }
  const std::filesystem::path folder = iniPath.parent_path();
  compressedData_.Clear();

  TskSkinArchive archive;
  const auto load = [&](const std::string& name) {
    return name.empty() ? fw::TBitmap() : fw::LoadBmpFile(folder / name);
  };
  archive.Picture = load(ini.ReadString("PICTURES", "picture", ""));
  archive.InactivePicture = load(ini.ReadString("PICTURES", "inactivepicture", ""));
  archive.Mask = load(ini.ReadString("PICTURES", "mask", ""));
  // Every counted picture must exist: a missing name fails on its file.
  const int count = ini.ReadInteger("PICTURES", "activepicturescount", 0);
  for (int i = 0; i < count; ++i) {
    archive.ActivePictures.push_back(fw::LoadBmpFile(folder / ini.ReadString("PICTURES", std::to_string(i), "")));
  }
  archive.Text = lines.Text();

  fw::TMemoryStream stream;
  WriteSkinArchive(archive, stream);
  fw::TMemoryStream compressed;
  ZCompressStream(stream, compressed, 9);
  compressedData_ = std::move(compressed);
  compressedData_.SetPosition(0);
}

void TskCompressedStoredSkin::ImportCompressedSkinFile(const std::filesystem::path& path) {
  compressedData_.Clear();
  fw::TFileStream file(path, fw::TFileMode::fmOpenRead);
  try {
    ReadEnvelope(file, compressedData_);
  } catch (...) {
    compressedData_.Clear();
    throw;
  }
}

void TskCompressedStoredSkin::Assign(const TskCompressedStoredSkin& other) {
  description_ = other.description_;
  fileName_ = other.fileName_;
  compressedFileName_ = other.compressedFileName_;
  compressedData_ = fw::TMemoryStream(other.compressedData_.Bytes());
}

// ---- list items ---------------------------------------------------------

TskSkinListItem::TskSkinListItem(TskSkinListItems* collection)
    : collection_(collection), skin_(std::make_unique<TskCompressedStoredSkin>(nullptr)) {}

int TskSkinListItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

bool TskSkinListItem::Designing() const {
  const fw::TComponent* owner = collection_ ? collection_->Owner() : nullptr;
  return owner && owner->HasState(fw::csDesigning) && !owner->HasState(fw::csLoading);
}

void TskSkinListItem::SetFileName(const std::wstring& value) {
  if (Designing()) {
    fileName_ = NamePart(value);
    skin_->ImportSkinFolder(value);
  } else {
    fileName_ = value;
  }
}

void TskSkinListItem::SetCompressedFileName(const std::wstring& value) {
  if (Designing()) {
    compressedFileName_ = NamePart(value);
    skin_->ImportCompressedSkinFile(value);
  } else {
    compressedFileName_ = value;
  }
}

void TskSkinListItem::Assign(const TskSkinListItem& other) {
  description_ = other.description_;
  fileName_ = other.fileName_;
  compressedFileName_ = other.compressedFileName_;
  name_ = other.name_;
  skin_->Assign(*other.skin_);
}

TskSkinListItem& TskSkinListItems::Items(int index) const {
  if (index < 0 || index >= Count()) throw fw::EListError(L"List index out of bounds");
  return *items_[static_cast<size_t>(index)];
}

TskSkinListItem& TskSkinListItems::Add() {
  items_.push_back(std::make_unique<TskSkinListItem>(this));
  TskSkinListItem& item = *items_.back();
  item.SetName(L"skSkin" + std::to_wstring(Count() - 1));
  return item;
}

void TskSkinListItems::Delete(int index) {
  Items(index);  // range check
  items_.erase(items_.begin() + index);
}

int TskSkinListItems::IndexOf(const TskSkinListItem* item) const {
  for (int i = 0; i < Count(); ++i) {
    if (items_[static_cast<size_t>(i)].get() == item) return i;
  }
  return -1;
}

void TskSkinListItems::Assign(const TskSkinListItems& other) {
  if (&other == this) return;
  items_.clear();
  for (const auto& source : other.items_) Add().Assign(*source);
}

TskCompressedSkinList::TskCompressedSkinList(fw::TComponent* owner) : TComponent(owner), skins_(this) {}

}  // namespace sk
