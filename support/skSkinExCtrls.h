#pragma once
// TskSkinLinkImage: a picture control that opens a web address when clicked.
#include <functional>
#include <string>

#include "framework/ExtCtrls.h"

namespace support {

class TskSkinLinkImage : public fw::TImage {
 public:
  explicit TskSkinLinkImage(fw::TComponent* owner);
  static void RegisterClass();

  const std::wstring& URL() const { return url_; }
  void SetURL(const std::wstring& url) { url_ = url; }

  // OnClick first, then the shell opens URL: only http:// and https://
  // addresses, since URL comes from a downloaded file.
  void Click() override;

  // How a link is opened; ShellExecute's "open" verb unless a test build
  // records the request instead.
  static std::function<void(const std::wstring& url)>& OpenLink();

 private:
  std::wstring url_;
};

}  // namespace support
