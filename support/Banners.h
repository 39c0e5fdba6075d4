#pragma once
// The two promotional banners: their configuration file, fetched from the
// maker's site at every show, and their pictures with a cache beside the
// executable.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace support {

class TskSkinLinkImage;

// The maker's web site root, with a trailing "/".
const std::wstring& SiteRoot();
// For test builds only; the program itself never changes it.
void SetSiteRoot(const std::wstring& root);

// The red-outlined square and the text on a new bitmap of the control's size.
void DrawBannerPlaceholder(TskSkinLinkImage& image);

// Fills the banners at a window's shows without holding the window: each
// download runs on a thread of its own and its result comes back to the
// user-interface thread as a message, where every other step runs, in the
// order of a show: the configuration at every show, then, while no show has
// filled them, the first banner and then the second. A picture that cannot
// be read raises its format's error from the message handler: that show
// ends there, the second banner untouched and the count not advanced.
class TBannerLoader {
 public:
  // `directory` (with a trailing "\") receives the configuration and the
  // pictures.
  TBannerLoader(std::wstring productCode, TskSkinLinkImage& first, TskSkinLinkImage& second, std::wstring directory);
  ~TBannerLoader();
  TBannerLoader(const TBannerLoader&) = delete;
  TBannerLoader& operator=(const TBannerLoader&) = delete;

  // One show of the window; a show during another runs after it.
  void Show();
  // True while a show's work is under way or waiting.
  bool Busy() const { return step_ != Step::kIdle || showsWaiting_ > 0; }
  // Shows that filled both banners.
  int LoadCount() const { return loadCount_; }

 private:
  enum class Step { kIdle, kConfig, kFirst, kSecond };
  struct Mailbox;
  struct Plan {
    std::wstring address;
    std::wstring link;
    std::optional<std::wstring> file;  // none: the address names no usable file
  };

  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void NextShow();
  void StartDownload(const std::wstring& address, const std::wstring& file);
  void Downloaded(unsigned token, bool ok);
  void BeginBanner(int banner);
  void EndBanner(int banner);
  void ShowBanner(TskSkinLinkImage& image, bool downloaded) const;
  void Finish();
  std::wstring ReadConfig(const std::wstring& section, const std::wstring& key) const;

  std::wstring productCode_;
  TskSkinLinkImage* images_[2];
  std::wstring directory_;
  HWND window_ = nullptr;
  std::shared_ptr<Mailbox> mailbox_;
  Step step_ = Step::kIdle;
  int showsWaiting_ = 0;
  int loadCount_ = 0;
  unsigned token_ = 0;
  Plan plan_;
};

}  // namespace support
