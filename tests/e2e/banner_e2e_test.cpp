// The banners of the real program, served by an HTTP server on 127.0.0.1:
// pictures shown and cached beside the exe, links opened on a click, the
// cache and the placeholders when the server is gone, and hostile
// configurations that change nothing outside the program directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../win/banner_http_server.h"
#include "E2eHarness.h"
#include "framework/Utf.h"
#include "support/Scrambler.h"

using namespace support;

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

// On-screen checks of the banners: where they lie in the client area, and
// what colours they show.
struct Bounds {
  int left, top, right, bottom;
};
// img1: the right end of the top panel's client area, inside the skin's
// two-pixel frame.
Bounds Img1Bounds(const e2e::ClientPixels& c) { return {c.width - 2 - 233, 2, c.width - 2, 47}; }
// img2: the full-width strip of 48 right above the 19-pixel status bar.
Bounds Img2Bounds(const e2e::ClientPixels& c) { return {0, c.height - 19 - 48, c.width, c.height - 19}; }

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00C000, kWhite = 0xFFFFFF;

int Channel(uint32_t c, int shift) { return static_cast<int>(c >> shift & 0xFF); }
bool Near(uint32_t c, uint32_t want, int tolerance) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(Channel(c, shift) - Channel(want, shift)) > tolerance) return false;
  }
  return true;
}
std::string Hex(uint32_t c) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(c));
  return text;
}

// Pixels of [left, right) x [top, bottom) that are not within `tolerance` of
// `want`, as "x,y=RRGGBB" for the first few, empty when all match.
std::string Mismatches(const e2e::ClientPixels& c, int left, int top, int right, int bottom, uint32_t want,
                       int tolerance = 0) {
  std::string found;
  int n = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (Near(c.At(x, y), want, tolerance)) continue;
      if (++n <= 5) found += std::to_string(x) + "," + std::to_string(y) + "=" + Hex(c.At(x, y)) + " ";
    }
  }
  return n == 0 ? std::string() : std::to_string(n) + " off, e.g. " + found;
}

// The window as it shows once `ready` holds of it (or after 5 s): drawn
// afresh and on top, since the capture reads the screen.
e2e::ClientPixels ShownWindow(const QuilletProcess& app, const std::function<bool(const e2e::ClientPixels&)>& ready) {
  e2e::KeepOnTop(app.Window());
  RedrawWindow(app.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  e2e::ClientPixels shown;
  e2e::WaitFor(
      [&] {
        app.Sync();
        shown = e2e::CaptureClient(app.Window());
        return shown.width > 0 && ready(shown);
      },
      5s);
  return shown;
}

// The two fixtures at natural size from each banner's top-left corner:
// banner1.gif (233 x 47) red then blue from x 117, banner2.jpg (300 x 48)
// green then white from x 150, the window's own ground beside it.
void ExpectPicturesShown(const e2e::ClientPixels& c) {
  const Bounds b1 = Img1Bounds(c);
  EXPECT_EQ(Mismatches(c, b1.left, b1.top, b1.left + 117, b1.bottom, kRed), "");
  EXPECT_EQ(Mismatches(c, b1.left + 117, b1.top, b1.right, b1.bottom, kBlue), "");
  EXPECT_NE(c.At(b1.left - 1, b1.top + 10), kRed) << "the picture starts at the banner's left edge";
  const Bounds b2 = Img2Bounds(c);
  // JPEG: near the colours, and a little room at the edge between them.
  constexpr int kJpeg = 12;
  EXPECT_EQ(Mismatches(c, 0, b2.top, 148, b2.bottom, kGreen, kJpeg), "");
  EXPECT_EQ(Mismatches(c, 152, b2.top, 300, b2.bottom, kWhite, kJpeg), "");
  EXPECT_FALSE(Near(c.At(10, b2.top - 1), kGreen, kJpeg)) << "the picture starts at the strip's top";
  // Not stretched: right of x 300 the strip shows what lies above it.
  std::string stretched;
  for (int y = b2.top; y < b2.bottom && stretched.empty(); ++y) {
    for (int x = 300; x < b2.right; ++x) {
      if (c.At(x, y) != c.At(x, b2.top - 1)) {
        stretched = std::to_string(x) + "," + std::to_string(y) + "=" + Hex(c.At(x, y));
        break;
      }
    }
  }
  EXPECT_EQ(stretched, "");
}

// The placeholder of a banner: a 10 x 10 red outline at its top-left, the
// black text over a white ground, and that ground filling the whole banner
// (so the bitmap is as large as the banner).
void ExpectPlaceholder(const e2e::ClientPixels& c, const Bounds& b, const char* banner) {
  SCOPED_TRACE(banner);
  EXPECT_EQ(Mismatches(c, b.left, b.top, b.left + 10, b.top + 1, kRed), "") << "top edge";
  EXPECT_EQ(Mismatches(c, b.left, b.top, b.left + 1, b.top + 10, kRed), "") << "left edge";
  EXPECT_EQ(c.At(b.left + 9, b.top), kRed);
  EXPECT_NE(c.At(b.left + 10, b.top), kRed) << "10 wide";
  EXPECT_NE(c.At(b.left, b.top + 10), kRed) << "10 high";
  EXPECT_NE(Mismatches(c, b.left + 1, b.top + 1, b.left + 9, b.top + 9, kRed, 60), "")
      << "an outline, not a filled square";
  // The text, one line along the top: grey-to-black ink only.
  constexpr int kTextRight = 160, kTextBottom = 16;
  int inkColumns = 0, blackPixels = 0;
  bool coloured = false;
  for (int x = b.left + 10; x < b.left + kTextRight; ++x) {
    bool ink = false;
    for (int y = b.top; y < b.top + kTextBottom; ++y) {
      const uint32_t p = c.At(x, y);
      const int r = Channel(p, 16), g = Channel(p, 8), bl = Channel(p, 0);
      if (r + g + bl >= 3 * 200) continue;
      ink = true;
      if (r + g + bl < 3 * 90) ++blackPixels;
      if (std::max({r, g, bl}) - std::min({r, g, bl}) > 16) coloured = true;
    }
    if (ink) ++inkColumns;
  }
  EXPECT_GT(inkColumns, 30);
  EXPECT_GT(blackPixels, 5);
  EXPECT_FALSE(coloured);
  // White everywhere else, to the banner's right and bottom edges.
  EXPECT_EQ(Mismatches(c, b.left, b.top + kTextBottom, b.right, b.bottom, kWhite), "");
  EXPECT_EQ(Mismatches(c, b.left + kTextRight, b.top, b.right, b.top + kTextBottom, kWhite), "");
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
    e2e::WaitFor(
        [&] {
          const std::string opened = Opened();
          return static_cast<size_t>(std::count(opened.begin(), opened.end(), '\n')) >= links;
        },
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
    // The pictures arrive after the window shows.
    e2e::WaitFor([&] { return e2e::ReadFileBytes(dir_ / L"fname2.jpg") == Fixture("banner2.jpg"); }, 10s);
    EXPECT_EQ(e2e::ReadFileBytes(dir_ / L"fname1.gif"), Fixture("banner1.gif"));
    EXPECT_EQ(e2e::ReadFileBytes(dir_ / L"fname2.jpg"), Fixture("banner2.jpg"));
    EXPECT_FALSE(e2e::ReadFileBytes(dir_ / L"SetConfig.ini").empty());
    ExpectPicturesShown(ShownWindow(app, [](const e2e::ClientPixels& c) {
      return c.At(Img1Bounds(c).left, 2) == kRed && Near(c.At(0, Img2Bounds(c).top), kGreen, 12);
    }));
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
    {
      SCOPED_TRACE("from the cache");
      ExpectPicturesShown(ShownWindow(app, [](const e2e::ClientPixels& c) {
        return c.At(Img1Bounds(c).left, 2) == kRed && Near(c.At(0, Img2Bounds(c).top), kGreen, 12);
      }));
    }
    ClickAt(app.Window(), Img1(app.Window()));
    WaitForOpened(1);
    EXPECT_EQ(Opened(), "https://offer.quillet.example/one\n");
  }
}

TEST_F(BannerE2e, WithoutSiteOrCacheThePlaceholdersShowAndLeadToTheSiteRoot) {
  QuilletProcess app(dir_, kSiteExe);
  ASSERT_NE(app.Window(), nullptr);
  EXPECT_EQ(app.MessageBoxWindow(), nullptr);
  const e2e::ClientPixels shown = ShownWindow(app, [](const e2e::ClientPixels& c) {
    return c.At(Img1Bounds(c).left, 2) == kRed && c.At(0, Img2Bounds(c).top) == kRed;
  });
  ASSERT_EQ(shown.width, 671);
  ExpectPlaceholder(shown, Img1Bounds(shown), "img1, 233 x 45");
  ExpectPlaceholder(shown, Img2Bounds(shown), "img2, client width x 48");
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
  ASSERT_TRUE(e2e::WaitFor([&] { return app.MessageBoxWindow() == nullptr; }, 20s));
  HWND window = nullptr;
  ASSERT_TRUE(e2e::WaitFor(
      [&] { return (window = e2e::FindProcessWindow(app.ProcessId(), L"TarvoQuillet")) != nullptr; }, 20s));
  EXPECT_FALSE(std::filesystem::exists(dir_ / L"fname2.jpg"))
      << "the second banner is not loaded after the first failed";
  // Asynchronous: the next show's error box may open before the call returns.
  ShowWindowAsync(window, SW_HIDE);
  ShowWindowAsync(window, SW_SHOW);
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = app.MessageBoxWindow()) != nullptr; }, 20s)) << "the next show retries";
  EXPECT_EQ(app.MessageBoxText(box), L"Unknown picture file extension (.png)");
  app.CloseMessageBox(box);
  const auto requests = server_.Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "/qvtmz.rar"), 2)
      << "the configuration is fetched at every show";
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "/pics/b1.png"), 2);
}

TEST_F(BannerE2e, AHostileConfigurationChangesNothingOutsideTheProgramDirectory) {
  const std::filesystem::path outside = dir_.parent_path() / (dir_.filename().wstring() + L"-outside");
  std::filesystem::remove_all(outside);
  server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"a.b/../../" + outside.filename().wstring(),
                                         L"file:///c:/windows/notepad.exe", server_.Root() + L"cut.gif", L"calc.exe")});
  server_.Set("/cut.gif", {200, Fixture("banner1.gif").substr(0, 100)});
  const auto before = std::distance(std::filesystem::directory_iterator(dir_.parent_path()), {});
  QuilletProcess app(dir_, kSiteExe);
  HWND box = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = app.MessageBoxWindow()) != nullptr; }, 20s));
  EXPECT_NE(app.MessageBoxText(box).find(L"GIF"), std::wstring::npos) << fw::WideToUtf8(app.MessageBoxText(box));
  app.CloseMessageBox(box);
  HWND window = nullptr;
  ASSERT_TRUE(e2e::WaitFor(
      [&] { return (window = e2e::FindProcessWindow(app.ProcessId(), L"TarvoQuillet")) != nullptr; }, 20s));
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

TEST_F(BannerE2e, TheWindowShowsAndAnswersWhileADownloadStalls) {
  // The configuration trickles a byte a second, and the bound is long: a
  // window that waited for the fetch would show only after it.
  SetEnvironmentVariableW(L"QUILLET_TEST_DOWNLOAD_TIMEOUT_MS", L"10000");
  server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"b1.gif", L"", server_.Root() + L"b2.gif", L""),
                             Answer::Kind::TrickleHeader});
  const auto start = std::chrono::steady_clock::now();
  QuilletProcess app(dir_, kSiteExe);
  ASSERT_NE(app.Window(), nullptr);
  EXPECT_TRUE(IsWindowVisible(app.Window()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 6s) << "shown while the fetch stalls";
  const auto requests = server_.Requests();
  EXPECT_EQ(requests, std::vector<std::string>{"/qvtmz.rar"}) << "the fetch is under way";
  // It paints and answers meanwhile.
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutW(app.Window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &answer), 0);
  app.SetText(app.Memo(1), L"typed while the banners load");
  EXPECT_EQ(app.Text(app.Memo(1)), L"typed while the banners load");
  EXPECT_TRUE(RedrawWindow(app.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN));
  // The bound ends the fetch; with no configuration the banners show their
  // placeholders.
  EXPECT_TRUE(e2e::WaitFor(
      [&] { return server_.Requests().size() >= 1 && app.Sync() && std::chrono::steady_clock::now() - start > 10s; },
      20s));
  const e2e::ClientPixels shown = ShownWindow(app, [](const e2e::ClientPixels& c) {
    return c.At(Img1Bounds(c).left, 2) == kRed && c.At(0, Img2Bounds(c).top) == kRed;
  });
  ASSERT_GT(shown.width, 0);
  ExpectPlaceholder(shown, Img1Bounds(shown), "img1");
  EXPECT_EQ(app.MessageBoxWindow(), nullptr);
}
