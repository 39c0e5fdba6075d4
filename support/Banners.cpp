#include "support/Banners.h"

#include <filesystem>
#include <mutex>
#include <thread>

#include "framework/Canvas.h"
#include "framework/Forms.h"
#include "framework/PicturesLimits.h"
#include "framework/Utf.h"
#include "support/BannerNames.h"
#include "support/Communal.h"
#include "support/Download.h"
#include "support/skSkinExCtrls.h"

namespace support {

namespace {

constexpr UINT kDownloadDone = WM_APP + 1;  // wParam: token, lParam: success
constexpr wchar_t kWindowClass[] = L"QuilletBannerLoader";
constexpr const wchar_t* kKeys[] = {L"fname1", L"fname2"};

std::wstring& SiteRootValue() {
  static std::wstring root = L"https://www.quillet.example/";
  return root;
}

bool FileExists(const std::wstring& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

const std::wstring& SiteRoot() { return SiteRootValue(); }
void SetSiteRoot(const std::wstring& root) { SiteRootValue() = root; }

void DrawBannerPlaceholder(TskSkinLinkImage& image) {
  fw::TBitmap bitmap(image.Width(), image.Height());
  {
    fw::TBitmapCanvas canvas(bitmap);
    // A blank bitmap is white, as a fresh canvas is: black text on a black
    // picture would show nothing.
    canvas.FillRect({0, 0, bitmap.Width(), bitmap.Height()});
    canvas.Pen().color = fw::clRed;
    canvas.Rectangle({0, 0, 10, 10});
    // The text's cell would cover the square whole; let the square show.
    canvas.Brush().style = fw::TBrushStyle::bsClear;
    canvas.TextOut(0, 0, L"点击领取神秘大奖！");
  }
  image.Picture().SetBitmap(std::move(bitmap));
  image.SetURL(SiteRoot());
}

// Download threads post to the loader's window only while it exists; a
// thread still running when the loader goes finds no window and ends.
struct TBannerLoader::Mailbox {
  std::mutex mutex;
  HWND window = nullptr;
};

TBannerLoader::TBannerLoader(std::wstring productCode, TskSkinLinkImage& first, TskSkinLinkImage& second,
                             std::wstring directory)
    : productCode_(std::move(productCode)),
      images_{&first, &second},
      directory_(std::move(directory)),
      mailbox_(std::make_shared<Mailbox>()) {
  WNDCLASSW wc{};
  if (!GetClassInfoW(GetModuleHandleW(nullptr), kWindowClass, &wc)) {
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWindowClass;
    RegisterClassW(&wc);
  }
  window_ =
      CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  mailbox_->window = window_;
}

TBannerLoader::~TBannerLoader() {
  {
    std::lock_guard lock(mailbox_->mutex);
    mailbox_->window = nullptr;
  }
  DestroyWindow(window_);
}

LRESULT CALLBACK TBannerLoader::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != kDownloadDone) return DefWindowProcW(wnd, msg, wParam, lParam);
  auto* loader = reinterpret_cast<TBannerLoader*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  try {
    if (loader) loader->Downloaded(static_cast<unsigned>(wParam), lParam != 0);
  } catch (...) {
    // A picture that cannot be read: shown as any handler's error is.
    fw::Application().HandleException(std::current_exception());
  }
  return 0;
}

void TBannerLoader::Show() {
  ++showsWaiting_;
  if (step_ == Step::kIdle) NextShow();
}

void TBannerLoader::NextShow() {
  --showsWaiting_;
  step_ = Step::kConfig;
  // Overwrites the configuration file; a failed fetch leaves the last one.
  StartDownload(SiteRoot() + productCode_ + L".rar", directory_ + L"SetConfig.ini");
}

void TBannerLoader::StartDownload(const std::wstring& address, const std::wstring& file) {
  const unsigned token = ++token_;
  std::thread([mailbox = mailbox_, address, file, token] {
    const bool ok = DownloadFile(address, file);
    std::lock_guard lock(mailbox->mutex);
    if (mailbox->window) PostMessageW(mailbox->window, kDownloadDone, token, ok);
  }).detach();
}

void TBannerLoader::Downloaded(unsigned token, bool ok) {
  if (token != token_ || step_ == Step::kIdle) return;
  try {
    if (step_ == Step::kConfig) {
      if (loadCount_ >= 1) return Finish();
      return BeginBanner(0);
    }
    const int banner = step_ == Step::kFirst ? 0 : 1;
    ShowBanner(*images_[banner], ok);
    EndBanner(banner);
  } catch (...) {
    Finish();
    throw;
  }
}

void TBannerLoader::BeginBanner(int banner) {
  step_ = banner == 0 ? Step::kFirst : Step::kSecond;
  TskSkinLinkImage& image = *images_[banner];
  image.SetHeight(fw::ScaleDesigned(image, 48));  // the window's 48 designed pixels
  plan_.address = ReadConfig(productCode_ + L"path", kKeys[banner]);
  plan_.link = ReadConfig(productCode_ + L"link", kKeys[banner]);
  // Named from the key and the address's extension only, so the address
  // can never place the file outside the directory.
  plan_.file.reset();
  if (const auto name = BannerFileName(kKeys[banner], plan_.address)) plan_.file = directory_ + *name;
  if (!plan_.file) {
    DrawBannerPlaceholder(image);
    return EndBanner(banner);
  }
  StartDownload(plan_.address, *plan_.file);
}

void TBannerLoader::EndBanner(int banner) {
  if (banner == 0) return BeginBanner(1);
  ++loadCount_;
  Finish();
}

void TBannerLoader::ShowBanner(TskSkinLinkImage& image, bool downloaded) const {
  // A failed download falls back to the copy an earlier run left.
  if (plan_.file && (downloaded || FileExists(*plan_.file))) {
    try {
      image.Picture().LoadFromFile(std::filesystem::path(*plan_.file));
    } catch (const fw::EPictureTooLarge&) {
      DrawBannerPlaceholder(image);
      return;
    }
    image.SetURL(plan_.link);
    return;
  }
  DrawBannerPlaceholder(image);
}

void TBannerLoader::Finish() {
  step_ = Step::kIdle;
  if (showsWaiting_ > 0) NextShow();
}

std::wstring TBannerLoader::ReadConfig(const std::wstring& section, const std::wstring& key) const {
  std::string value;
  AccessScrambledIni(directory_ + L"SetConfig.ini", 0, fw::WideToUtf8(section), fw::WideToUtf8(key), "", value);
  return fw::Utf8ToWide(value);
}

}  // namespace support
