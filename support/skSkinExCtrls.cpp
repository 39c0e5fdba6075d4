#include "support/skSkinExCtrls.h"

#include <windows.h>
#include <shellapi.h>

#include "framework/Layout.h"
#include "support/BannerNames.h"

namespace support {

TskSkinLinkImage::TskSkinLinkImage(fw::TComponent* owner) : TImage(owner) {
  SetCursor(fw::crHandPoint);
  SetControlStyle(ControlStyle() | fw::csClickEvents);
}

void TskSkinLinkImage::RegisterClass() {
  fw::ClassRegistry::Instance()
      .Register<TskSkinLinkImage>(L"TskSkinLinkImage", L"TImage")
      .Text<TskSkinLinkImage>(L"URL", &TskSkinLinkImage::SetURL);
}

std::function<void(const std::wstring&)>& TskSkinLinkImage::OpenLink() {
  static std::function<void(const std::wstring&)> open = [](const std::wstring& url) {
    ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  };
  return open;
}

void TskSkinLinkImage::Click() {
  TImage::Click();
  if (url_.empty() || !IsWebLink(url_)) return;
  if (OpenLink()) OpenLink()(url_);
}

}  // namespace support
