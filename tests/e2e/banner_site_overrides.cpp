// Linked only into the test build of the program: the site root, the
// download bound and the shell's "open" come from the test's environment,
// so the banners can be served from 127.0.0.1 and clicks recorded. The
// program users get has none of this.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/Utf.h"
#include "support/Banners.h"
#include "support/Download.h"
#include "support/skSkinExCtrls.h"

using namespace support;

namespace {

std::wstring Env(const wchar_t* name) {
  wchar_t value[2048] = {};
  const DWORD n = GetEnvironmentVariableW(name, value, 2048);
  return n > 0 && n < 2048 ? std::wstring(value, n) : std::wstring();
}

struct SiteOverrides {
  SiteOverrides() {
    if (const std::wstring root = Env(L"QUILLET_TEST_SITE_ROOT"); !root.empty()) SetSiteRoot(root);
    if (const std::wstring ms = Env(L"QUILLET_TEST_DOWNLOAD_TIMEOUT_MS"); !ms.empty()) {
      SetDownloadTimeoutMs(static_cast<unsigned>(std::stoul(ms)));
    }
    if (const std::wstring log = Env(L"QUILLET_TEST_OPEN_LOG"); !log.empty()) {
      TskSkinLinkImage::OpenLink() = [log](const std::wstring& url) {
        std::ofstream(std::filesystem::path(log), std::ios::app | std::ios::binary) << fw::WideToUtf8(url) << "\n";
      };
    }
  }
};
const SiteOverrides overrides;

}  // namespace
