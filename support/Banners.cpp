#include "support/Banners.h"

#include <windows.h>

#include <filesystem>

#include "framework/Canvas.h"
#include "framework/Forms.h"
#include "framework/Utf.h"
#include "support/BannerNames.h"
#include "support/Communal.h"
#include "support/Download.h"
#include "support/skSkinExCtrls.h"

namespace {

std::wstring& SiteRootValue() {
  static std::wstring root = L"https://www.quillet.example/";
  return root;
}

std::wstring ConfigFileName() { return ProgramDirectory() + L"SetConfig.ini"; }

std::wstring ReadConfig(const std::wstring& section, const std::wstring& key) {
  std::string value;
  AccessScrambledIni(ConfigFileName(), 0, fw::WideToUtf8(section), fw::WideToUtf8(key), "", value);
  return fw::Utf8ToWide(value);
}

bool FileExists(const std::wstring& file) {
  const DWORD attributes = GetFileAttributesW(file.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

const std::wstring& SiteRoot() { return SiteRootValue(); }
void SetSiteRoot(const std::wstring& root) { SiteRootValue() = root; }

bool FetchBannerConfig(const std::wstring& productCode) {
  return DownloadFile(SiteRoot() + productCode + L".rar", ConfigFileName());
}

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

void LoadBanner(TskSkinLinkImage& image, const std::wstring& key, const std::wstring& productCode) {
  image.SetHeight(fw::ScaleDesigned(image, 48));  // the window's 48 designed pixels
  const std::wstring address = ReadConfig(productCode + L"path", key);
  const std::wstring link = ReadConfig(productCode + L"link", key);
  // The file is named from the key and a plain extension only, so the
  // address can never place it outside the program directory. An address
  // whose extension is no plain one is not downloaded (its file name would
  // not be valid).
  const std::wstring extension = BannerExtension(address);
  const bool nameUsable = extension.empty() || IsPlainExtension(extension);
  const std::wstring file = ProgramDirectory() + BannerFileName(key, address);
  if ((nameUsable && DownloadFile(address, file)) || FileExists(file)) {
    image.Picture().LoadFromFile(std::filesystem::path(file));
    image.SetURL(link);
    return;
  }
  DrawBannerPlaceholder(image);
}
