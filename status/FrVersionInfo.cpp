#include "status/FrVersionInfo.h"

#include <algorithm>
#include <cstdio>

namespace fr {

const wchar_t kValueNotAvailable[] = L"Value Not Available";

namespace {

constexpr const wchar_t* kFieldKeys[kVersionFieldCount] = {
    L"CompanyName",     L"FileDescription",  L"FileVersion", L"InternalName",   L"LegalCopyright",
    L"LegalTrademarks", L"OriginalFilename", L"ProductName", L"ProductVersion", L"Comments"};

std::wstring RunningExecutable() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::array<std::wstring, kVersionFieldCount> ReadVersionStrings(const std::wstring& path) {
  std::array<std::wstring, kVersionFieldCount> values;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  std::vector<uint8_t> data(size);
  if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data.data())) {
    values.fill(kValueNotAvailable);
    return values;
  }
  void* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &translation, &length) || length < 4) {
    return values;  // no translation table: every value empty
  }
  const auto* pair = static_cast<const WORD*>(translation);
  wchar_t block[64];
  swprintf(block, 64, L"\\StringFileInfo\\%.4X%.4X\\", pair[0], pair[1]);
  for (int i = 0; i < kVersionFieldCount; ++i) {
    void* text = nullptr;
    UINT chars = 0;
    const std::wstring query = std::wstring(block) + kFieldKeys[i];
    if (VerQueryValueW(data.data(), query.c_str(), &text, &chars) && text && chars > 0) {
      // The count includes the terminator when there is one.
      std::wstring value(static_cast<const wchar_t*>(text), chars);
      value.resize(std::wcslen(value.c_str()));
      values[static_cast<size_t>(i)] = value;
    }
  }
  return values;
}

TFrVersionInfo::TFrVersionInfo(fw::TComponent* owner) : TComponent(owner) {
  if (!HasState(fw::csDesigning)) Read();
}

TFrVersionInfo::~TFrVersionInfo() {
  for (TFrVersionInfoStatus* pane : std::vector<TFrVersionInfoStatus*>(panes_)) pane->SetVersionInfo(nullptr);
}

void TFrVersionInfo::SetFilePath(const std::wstring& value) {
  if (value == filePath_) return;
  filePath_ = value;
  if (!HasState(fw::csLoading)) Refresh();
}

void TFrVersionInfo::Read() {
  if (filePath_.empty()) filePath_ = RunningExecutable();
  values_ = ReadVersionStrings(filePath_);
}

void TFrVersionInfo::Refresh() {
  Read();
  for (TFrVersionInfoStatus* pane : std::vector<TFrVersionInfoStatus*>(panes_)) pane->UpdateFromVersionInfo();
}

void TFrVersionInfo::Loaded() {
  TComponent::Loaded();
  Refresh();
}

void TFrVersionInfo::Link(TFrVersionInfoStatus* pane) {
  if (std::find(panes_.begin(), panes_.end(), pane) == panes_.end()) panes_.push_back(pane);
}

void TFrVersionInfo::Unlink(TFrVersionInfoStatus* pane) {
  panes_.erase(std::remove(panes_.begin(), panes_.end(), pane), panes_.end());
}

TFrVersionInfoStatus::TFrVersionInfoStatus(fw::TComponent* owner) : TFrCustomFieldStatus(owner) {}

TFrVersionInfoStatus::~TFrVersionInfoStatus() {
  if (versionInfo_) versionInfo_->Unlink(this);
}

void TFrVersionInfoStatus::SetVersionInfo(TFrVersionInfo* value) {
  if (value == versionInfo_) return;
  if (versionInfo_) {
    versionInfo_->Unlink(this);
    RemoveFreeNotification(versionInfo_);
  }
  versionInfo_ = value;
  if (value) {
    value->Link(this);
    FreeNotification(value);
  }
  UpdateFromVersionInfo();
}

void TFrVersionInfoStatus::SetField(TFrVersionInfoField value) {
  field_ = value;
  UpdateFromVersionInfo();
}

void TFrVersionInfoStatus::UpdateFromVersionInfo() {
  if (!versionInfo_ || HasState(fw::csDesigning)) return;
  SetCaption(versionInfo_->Value(field_));
}

void TFrVersionInfoStatus::Notification(fw::TComponent* component, fw::TOperation operation) {
  TFrCustomFieldStatus::Notification(component, operation);
  if (operation == fw::TOperation::opRemove && component == versionInfo_) versionInfo_ = nullptr;
}

}  // namespace fr
