#pragma once
// Containers of compressed skins: a stored skin (one zlib stream), the items
// of a skin list (each a stored skin with its names) and the list component.
// In a layout a stored skin's bytes travel as "CompressedData" (the zlib
// stream as is) and a list item's as "Skin" (the envelope: version, length,
// zlib stream).
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Streams.h"
#include "skin/data/skZlibCompress.h"

namespace sk {

// Decompressed archives larger than this are refused as hostile.
constexpr int64_t kMaxSkinArchiveBytes = int64_t{64} << 20;
// Envelopes and archives written by this program carry this version; a
// reader refuses anything newer.
constexpr int32_t kSkinArchiveVersion = 3;

class TskCompressedStoredSkin : public fw::TComponent {
 public:
  explicit TskCompressedStoredSkin(fw::TComponent* owner);

  const std::wstring& Description() const { return description_; }
  void SetDescription(const std::wstring& value) { description_ = value; }
  // In design mode (and not loading) setting a path imports that skin
  // folder / compressed file and keeps only the name part; otherwise the
  // value is stored as it is.
  const std::wstring& FileName() const { return fileName_; }
  void SetFileName(const std::wstring& value);
  const std::wstring& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const std::wstring& value);

  bool IsEmpty() const { return compressedData_.Bytes().empty(); }
  // The zlib stream alone (no envelope).
  const fw::TMemoryStream& CompressedData() const { return compressedData_; }
  fw::TMemoryStream& CompressedData() { return compressedData_; }

  // Envelope: version, length, zlib stream. A version above 3 leaves the
  // skin empty.
  void ReadSkinEnvelope(fw::TStream& stream);
  void WriteSkinEnvelope(fw::TStream& stream) const;
  // The "CompressedData" layout property: the zlib stream as is.
  void ReadCompressedData(fw::TStream& stream);
  void WriteCompressedData(fw::TStream& stream) const;

  // Inflates the whole skin onto the end of `target`.
  void DecompressSkin(fw::TStream& target, int64_t maxBytes = kMaxSkinArchiveBytes) const;
  // Inflates the whole skin into one block, for reading it in place.
  TskInflatedBytes InflateSkin(int64_t maxBytes = kMaxSkinArchiveBytes) const;
  // Builds the archive from the folder of `iniPath` (skin.ini and its
  // pictures) and compresses it. Does nothing when one of the required
  // sections is missing.
  void ImportSkinFolder(const std::filesystem::path& iniPath);
  // Reads an envelope file.
  void ImportCompressedSkinFile(const std::filesystem::path& path);
  // Copies another stored skin's names and data.
  void Assign(const TskCompressedStoredSkin& other);

  // Whether setting file names imports (the owner component's state decides
  // for list items).
  virtual bool ImportsOnAssign() const;

 private:
  std::wstring description_;
  std::wstring fileName_;
  std::wstring compressedFileName_;
  fw::TMemoryStream compressedData_;
};

class TskCompressedSkinList;
class TskSkinListItems;

class TskSkinListItem {
 public:
  explicit TskSkinListItem(TskSkinListItems* collection);
  TskSkinListItem(const TskSkinListItem&) = delete;
  TskSkinListItem& operator=(const TskSkinListItem&) = delete;

  const std::wstring& Description() const { return description_; }
  void SetDescription(const std::wstring& value) { description_ = value; }
  const std::wstring& FileName() const { return fileName_; }
  void SetFileName(const std::wstring& value);
  const std::wstring& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(const std::wstring& value);
  const std::wstring& Name() const { return name_; }
  void SetName(const std::wstring& value) { name_ = value; }
  std::wstring DisplayName() const { return name_; }

  TskCompressedStoredSkin& Skin() { return *skin_; }
  const TskCompressedStoredSkin& Skin() const { return *skin_; }
  TskSkinListItems* Collection() const { return collection_; }
  int Index() const;

  // The "Skin" layout property: the envelope of the item's skin.
  void ReadSkin(fw::TStream& stream) { skin_->ReadSkinEnvelope(stream); }
  void WriteSkin(fw::TStream& stream) const { skin_->WriteSkinEnvelope(stream); }

  void Assign(const TskSkinListItem& other);

 private:
  bool Designing() const;

  TskSkinListItems* collection_;
  std::wstring description_;
  std::wstring fileName_;
  std::wstring compressedFileName_;
  std::wstring name_;
  std::unique_ptr<TskCompressedStoredSkin> skin_;
};

class TskSkinListItems {
 public:
  explicit TskSkinListItems(TskCompressedSkinList* owner) : owner_(owner) {}
  TskSkinListItems(const TskSkinListItems&) = delete;
  TskSkinListItems& operator=(const TskSkinListItems&) = delete;

  TskCompressedSkinList* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TskSkinListItem& Items(int index) const;
  // A new item at the end, named "skSkin<index>".
  TskSkinListItem& Add();
  void Delete(int index);
  void Clear() { items_.clear(); }
  int IndexOf(const TskSkinListItem* item) const;
  // Replaces the items with copies of `other`'s.
  void Assign(const TskSkinListItems& other);

 private:
  TskCompressedSkinList* owner_;
  std::vector<std::unique_ptr<TskSkinListItem>> items_;
};

class TskCompressedSkinList : public fw::TComponent {
 public:
  explicit TskCompressedSkinList(fw::TComponent* owner);

  TskSkinListItems& Skins() { return skins_; }
  const TskSkinListItems& Skins() const { return skins_; }
  void SetSkins(const TskSkinListItems& value) { skins_.Assign(value); }

 private:
  TskSkinListItems skins_;
};

}  // namespace sk
