// The banners of the real program, served by an HTTP server on 127.0.0.1:
// pictures shown and cached beside the exe, links opened on a click, the
// cache and the placeholders when the server is gone, and hostile
// configurations that change nothing outside the program directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "../win/banner_http_server.h"
#include "E2eHarness.h"
#include "framework/Utf.h"
#include "support/Scrambler.h"

using namespace std::chrono_literals;
using banner_test::Answer;
using banner_test::HttpServer;
using e2e::QuilletProcess;

namespace {

std::filesystem::path WinePath(std::string path) {
  std::wstring wide(path.begin(), path.end());
  if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
  for (auto& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return wide;
}

const std::filesystem::path kSiteExe = WinePath(QUILLET_SITE_EXE);
const std::filesystem::path kFixtures = WinePath(QUILLET_BANNER_FIXTURES);

std::string Fixture(const char* name) { return e2e::ReadFileBytes(kFixtures / name); }

// The configuration as the maker's site serves it: scrambled values.
std::string Config(const std::wstring& picture1, const std::wstring& link1, const std::wstring& picture2,
                   const std::wstring& link2) {
  auto line = [](const char* key, const std::wstring& value) {
    return std::string(key) + "=" + ScrambleText(fw::WideToUtf8(value)) + "\r\n";
  };
  return "[qvtmzpath]\r\n" + line("fname1", picture1) + line("fname2", picture2) + "[qvtmzlink]\r\n" +
         line("fname1", link1) + line("fname2", link2);
}

class BannerE2e : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = e2e::MakeScratchDirectory(L"banner-" + std::wstring(Name()));
    openLog_ = dir_.parent_path() / (dir_.filename().wstring() + L"-opened.txt");
    std::filesystem::remove(openLog_);
    SetEnvironmentVariableW(L"QUILLET_TEST_SITE_ROOT", server_.Root().c_str());
    SetEnvironmentVariableW(L"QUILLET_TEST_DOWNLOAD_TIMEOUT_MS", L"3000");
    SetEnvironmentVariableW(L"QUILLET_TEST_OPEN_LOG", openLog_.c_str());
  }
  static std::wstring Name() {
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    return std::wstring(name.begin(), name.end());
  }
  void ServeGoodSite() {
    server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"pics/b1.gif", L"https://offer.quillet.example/one",
                                           server_.Root() + L"pics/b2.jpg", L"http://offer.quillet.example/two")});
    server_.Set("/pics/b1.gif", {200, Fixture("banner1.gif")});
    server_.Set("/pics/b2.jpg", {200, Fixture("banner2.jpg")});
  }
  std::string Opened() const { return e2e::ReadFileBytes(openLog_); }
  // Posted clicks are handled after anything sent, so wait for their effect.
  void WaitForOpened(size_t links) const {
    e2e::WaitFor([&] { const std::string opened = Opened(); return static_cast<size_t>(std::count(opened.begin(), opened.end(), '\n')) >= links; },
                 5s);
  }
  // img1 lies at the right end of the top panel, img2 right above the status bar.
  static POINT Img1(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right - 233 + 5, 5};
  }
  static POINT Img2(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {5, r.bottom - 19 - 48 + 5};
  }
  // A press and release where a user would click (img1 lies on the top
  // panel's own window).
  static void ClickAt(HWND window, POINT p) {
    if (HWND child = ChildWindowFromPointEx(window, p, CWP_SKIPINVISIBLE); child && child != window) {
      MapWindowPoints(window, child, &p, 1);
      window = child;
    }
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  }

  HttpServer server_;
  std::filesystem::path dir_;
  std::filesystem::path openLog_;
};

}  // namespace

TEST_F(BannerE2e, PicturesAreShownCachedAndLeadToTheirLinks) {
  ServeGoodSite();
  {
    QuilletProcess app(dir_, kSiteExe);
    ASSERT_NE(app.Window(), nullptr);
    EXPECT_EQ(app.MessageBoxWindow(), nullptr);
    EXPECT_EQ(e2e::ReadFileBytes(dir_ / L"fname1.gif"), Fixture("banner1.gif"));
    EXPECT_EQ(e2e::ReadFileBytes(dir_ / L"fname2.jpg"), Fixture("banner2.jpg"));
    EXPECT_FALSE(e2e::ReadFileBytes(dir_ / L"SetConfig.ini").empty());
    const POINT p1 = Img1(app.Window());
    const POINT p2 = Img2(app.Window());
    ClickAt(app.Window(), p1);
    ClickAt(app.Window(), p2);
    WaitForOpened(2);
    EXPECT_EQ(Opened(), "https://offer.quillet.example/one\nhttp://offer.quillet.example/two\n");
  }
  // Next start with the site gone: the cached pictures and the links of the
  // configuration file left on disk.
  for (const char* path : {"/qvtmz.rar", "/pics/b1.gif", "/pics/b2.jpg"}) server_.Remove(path);
  std::filesystem::remove(openLog_);
  {
    QuilletProcess app(dir_, kSiteExe);
    ASSERT_NE(app.Window(), nullptr);
    EXPECT_EQ(app.MessageBoxWindow(), nullptr);
    EXPECT_EQ(e2e::ReadFileBytes(dir_ / L"fname1.gif"), Fixture("banner1.gif")) << "a failed download keeps the cache";
    ClickAt(app.Window(), Img1(app.Window()));
    WaitForOpened(1);
    EXPECT_EQ(Opened(), "https://offer.quillet.example/one\n");
  }
}

TEST_F(BannerE2e, WithoutSiteOrCacheThePlaceholdersLeadToTheSiteRoot) {
  QuilletProcess app(dir_, kSiteExe);
  ASSERT_NE(app.Window(), nullptr);
  EXPECT_EQ(app.MessageBoxWindow(), nullptr);
  ClickAt(app.Window(), Img1(app.Window()));
  ClickAt(app.Window(), Img2(app.Window()));
  WaitForOpened(2);
  const std::string root = fw::WideToUtf8(server_.Root());
  EXPECT_EQ(Opened(), root + "\n" + root + "\n");
}

TEST_F(BannerE2e, AnUnknownExtensionIsReportedAndRetriedAtTheNextShow) {
  ServeGoodSite();
  server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"pics/b1.png", L"", server_.Root() + L"pics/b2.jpg", L"")});
  server_.Set("/pics/b1.png", {200, Fixture("banner.png")});
  QuilletProcess app(dir_, kSiteExe);
  HWND box = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = app.MessageBoxWindow()) != nullptr; }, 20s));
  EXPECT_EQ(app.MessageBoxText(box), L"Unknown picture file extension (.png)");
  app.CloseMessageBox(box);
  HWND window = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (window = e2e::FindProcessWindow(app.ProcessId(), L"TarvoQuillet")) != nullptr; }, 20s));
  EXPECT_FALSE(std::filesystem::exists(dir_ / L"fname2.jpg")) << "the second banner is not loaded after the first failed";
  // Asynchronous: the show handler opens a modal box before it returns.
  ShowWindowAsync(window, SW_HIDE);
  ShowWindowAsync(window, SW_SHOW);
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = app.MessageBoxWindow()) != nullptr; }, 20s)) << "the next show retries";
  EXPECT_EQ(app.MessageBoxText(box), L"Unknown picture file extension (.png)");
  app.CloseMessageBox(box);
  const auto requests = server_.Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "/qvtmz.rar"), 2) << "the configuration is fetched at every show";
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "/pics/b1.png"), 2);
}

TEST_F(BannerE2e, AHostileConfigurationChangesNothingOutsideTheProgramDirectory) {
  const std::filesystem::path outside = dir_.parent_path() / (dir_.filename().wstring() + L"-outside");
  std::filesystem::remove_all(outside);
  server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"a.b/../../" + outside.filename().wstring(),
                                         L"file:///c:/windows/notepad.exe", server_.Root() + L"cut.gif",
                                         L"calc.exe")});
  server_.Set("/cut.gif", {200, Fixture("banner1.gif").substr(0, 100)});
  const auto before = std::distance(std::filesystem::directory_iterator(dir_.parent_path()), {});
  QuilletProcess app(dir_, kSiteExe);
  HWND box = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = app.MessageBoxWindow()) != nullptr; }, 20s));
  EXPECT_NE(app.MessageBoxText(box).find(L"GIF"), std::wstring::npos) << fw::WideToUtf8(app.MessageBoxText(box));
  app.CloseMessageBox(box);
  HWND window = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (window = e2e::FindProcessWindow(app.ProcessId(), L"TarvoQuillet")) != nullptr; }, 20s));
  EXPECT_FALSE(std::filesystem::exists(outside));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.parent_path()), {}), before);
  for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
    const std::wstring name = entry.path().filename().wstring();
    EXPECT_TRUE(name == L"Quillet.exe" || name == L"SetConfig.ini" || name == L"fname2.gif") << fw::WideToUtf8(name);
  }
  // The first banner was left as the placeholder; its click, like any
  // non-web link, opens nothing but the site root.
  ClickAt(window, Img1(window));
  WaitForOpened(1);
  EXPECT_EQ(Opened().find("file:"), std::string::npos);
  EXPECT_EQ(Opened().find("calc"), std::string::npos);
}
