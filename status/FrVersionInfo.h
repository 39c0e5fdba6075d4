#pragma once
// TFrVersionInfo reads the ten standard strings of a file's version
// resource; TFrVersionInfoStatus shows one of them in a pane.
#include <array>
#include <string>
#include <vector>

#include "status/FrStatusPanes.h"

namespace fr {

enum class TFrVersionInfoField {
  vifCompanyName,
  vifFileDescription,
  vifFileVersion,
  vifInternalName,
  vifCopyright,
  vifTrademarks,
  vifOriginalFilename,
  vifProductName,
  vifProductVersion,
  vifComments,
};
constexpr int kVersionFieldCount = 10;
// What every field reads when the file has no version resource.
extern const wchar_t kValueNotAvailable[];

// The ten values of `path`'s version resource in field order.
std::array<std::wstring, kVersionFieldCount> ReadVersionStrings(const std::wstring& path);

class TFrVersionInfoStatus;

class TFrVersionInfo : public fw::TComponent {
 public:
  explicit TFrVersionInfo(fw::TComponent* owner);
  ~TFrVersionInfo() override;

  // Empty means the running executable (whose path is then stored here).
  const std::wstring& FilePath() const { return filePath_; }
  void SetFilePath(const std::wstring& value);
  const std::wstring& Value(TFrVersionInfoField field) const { return values_[static_cast<size_t>(field)]; }
  // Reads the file again and hands each linked pane its value.
  void Refresh();
  void Loaded() override;

 private:
  friend class TFrVersionInfoStatus;
  void Read();
  void Link(TFrVersionInfoStatus* pane);
  void Unlink(TFrVersionInfoStatus* pane);

  std::wstring filePath_;
  std::array<std::wstring, kVersionFieldCount> values_;
  std::vector<TFrVersionInfoStatus*> panes_;
};

class TFrVersionInfoStatus : public TFrCustomFieldStatus {
 public:
  explicit TFrVersionInfoStatus(fw::TComponent* owner);
  ~TFrVersionInfoStatus() override;

  TFrVersionInfo* VersionInfo() const { return versionInfo_; }
  void SetVersionInfo(TFrVersionInfo* value);
  TFrVersionInfoField Field() const { return field_; }
  void SetField(TFrVersionInfoField value);
  // Takes the linked component's value for Field as the caption.
  void UpdateFromVersionInfo();

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  TFrVersionInfo* versionInfo_ = nullptr;
  TFrVersionInfoField field_ = TFrVersionInfoField::vifProductVersion;
};

}  // namespace fr
