// The banners' show-time work against a real HTTP server on 127.0.0.1: the
// order of the downloads, the once-only fill, errors and the placeholder,
// all while the thread that asked keeps handling its messages.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "banner_http_server.h"
#include "framework/Forms.h"
#include "framework/Pictures.h"
#include "framework/Utf.h"
#include "support/Banners.h"
#include "support/Download.h"
#include "support/Scrambler.h"
#include "support/skSkinExCtrls.h"

using namespace support;

using namespace std::chrono_literals;
using banner_test::Answer;
using banner_test::HttpServer;

namespace {

std::filesystem::path WinePath(std::string path) {
  std::wstring wide(path.begin(), path.end());
  if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
  for (auto& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return wide;
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string Fixture(const char* name) { return ReadBytes(WinePath(QUILLET_BANNER_FIXTURES) / name); }

std::string Config(const std::wstring& picture1, const std::wstring& link1, const std::wstring& picture2,
                   const std::wstring& link2) {
  auto line = [](const char* key, const std::wstring& value) {
    return std::string(key) + "=" + ScrambleText(fw::WideToUtf8(value)) + "\r\n";
  };
  return "[qvtmzpath]\r\n" + line("fname1", picture1) + line("fname2", picture2) + "[qvtmzlink]\r\n" +
         line("fname1", link1) + line("fname2", link2);
}

class BannerLoaderTest : public testing::Test {
 protected:
  void SetUp() override {
    fw::RegisterPictureFormats();
    dir_ = std::filesystem::temp_directory_path() / ("quillet-loader-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    for (auto* image : {&img1_, &img2_}) *image = fw::TComponent::Create<TskSkinLinkImage>(&owner_);
    img1_->SetBounds(0, 0, 233, 47);
    img2_->SetBounds(0, 0, 671, 80);
    SetSiteRoot(server_.Root());
    fw::Application().OnException = [this](const std::wstring& message) { errors_.push_back(message); };
    loader_ = std::make_unique<TBannerLoader>(L"qvtmz", *img1_, *img2_, dir_.wstring() + L"\\");
  }
  void TearDown() override {
    loader_.reset();
    fw::Application().OnException = nullptr;
    SetSiteRoot(L"https://www.quillet.example/");
    SetDownloadTimeoutMs(kDownloadTimeoutMs);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  void ServeGoodSite() {
    server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"pics/b1.gif", L"https://offer.quillet.example/one",
                                           server_.Root() + L"pics/b2.jpg", L"https://offer.quillet.example/two")});
    server_.Set("/pics/b1.gif", {200, Fixture("banner1.gif")});
    server_.Set("/pics/b2.jpg", {200, Fixture("banner2.jpg")});
  }
  // Handles this thread's messages, as its message loop would, until the
  // loader is done or `timeout` passes; true when it is done.
  bool RunUntilIdle(std::chrono::milliseconds timeout = 20s) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (loader_->Busy() && std::chrono::steady_clock::now() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return !loader_->Busy();
  }
  static int Shown(TskSkinLinkImage* image) { return image->Picture().Width(); }
  static bool IsPlaceholder(TskSkinLinkImage* image) {
    const auto* graphic = dynamic_cast<const fw::TBitmapGraphic*>(image->Picture().Graphic());
    return graphic && graphic->Width() == image->Width() &&
           (graphic->Bitmap().Pixel(0, 0) & 0xFFFFFF) == static_cast<fw::TColor>(fw::clRed);
  }
  std::vector<std::string> Requests() const { return server_.Requests(); }

  HttpServer server_;
  fw::TComponent owner_{nullptr};
  TskSkinLinkImage* img1_ = nullptr;
  TskSkinLinkImage* img2_ = nullptr;
  std::filesystem::path dir_;
  std::vector<std::wstring> errors_;
  std::unique_ptr<TBannerLoader> loader_;
};

}  // namespace

TEST_F(BannerLoaderTest, TheFirstShowFillsBothBannersInOrderLaterShowsOnlyFetchTheConfiguration) {
  ServeGoodSite();
  loader_->Show();
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(Requests(), (std::vector<std::string>{"/qvtmz.rar", "/pics/b1.gif", "/pics/b2.jpg"}));
  EXPECT_EQ(Shown(img1_), 233);
  EXPECT_EQ(Shown(img2_), 300);
  EXPECT_EQ(img1_->Height(), 48);
  EXPECT_EQ(img2_->Height(), 48);
  EXPECT_EQ(img1_->URL(), L"https://offer.quillet.example/one");
  EXPECT_EQ(img2_->URL(), L"https://offer.quillet.example/two");
  EXPECT_EQ(ReadBytes(dir_ / "fname1.gif"), Fixture("banner1.gif"));
  EXPECT_EQ(loader_->LoadCount(), 1);
  EXPECT_TRUE(errors_.empty());
  // Two more shows, the second while the first is under way: each fetches
  // the configuration, in turn, and neither touches the banners.
  server_.Set("/pics/b1.gif", {200, Fixture("banner2.jpg")});
  loader_->Show();
  loader_->Show();
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(Requests().size(), 5u);
  EXPECT_EQ(Requests().back(), "/qvtmz.rar");
  EXPECT_EQ(Requests()[3], "/qvtmz.rar");
  EXPECT_EQ(Shown(img1_), 233);
  EXPECT_EQ(loader_->LoadCount(), 1);
}

TEST_F(BannerLoaderTest, StallingDownloadsLeaveTheCallerFreeAndEndInPlaceholders) {
  SetDownloadTimeoutMs(2000);
  // The configuration trickles; the pictures' server is silent.
  server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"b1.gif", L"", server_.Root() + L"b2.gif", L""),
                             Answer::Kind::TrickleHeader});
  std::ofstream(dir_ / "SetConfig.ini", std::ios::binary)
      << Config(server_.Root() + L"b1.gif", L"", server_.Root() + L"b2.gif", L"");
  server_.Set("/b1.gif", {200, "", Answer::Kind::Hang});
  server_.Set("/b2.gif", {200, Fixture("banner1.gif"), Answer::Kind::TrickleBody});
  const auto start = std::chrono::steady_clock::now();
  loader_->Show();
  EXPECT_TRUE(loader_->Busy()) << "Show returns before its downloads end";
  EXPECT_EQ(Shown(img1_), 0);
  ASSERT_TRUE(RunUntilIdle());
  // Three downloads, each within the bound and a margin.
  EXPECT_LT(std::chrono::steady_clock::now() - start, 3 * 2s + 3s);
  EXPECT_TRUE(IsPlaceholder(img1_));
  EXPECT_TRUE(IsPlaceholder(img2_));
  EXPECT_EQ(img1_->URL(), server_.Root());
  EXPECT_EQ(loader_->LoadCount(), 1);
}

TEST_F(BannerLoaderTest, AnUnreadablePictureIsReportedAndTheNextShowTriesAgain) {
  ServeGoodSite();
  server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"pics/b1.jpg_large", L"https://offer.quillet.example/one",
                                         server_.Root() + L"pics/b2.jpg", L"")});
  server_.Set("/pics/b1.jpg_large", {200, Fixture("banner2.jpg")});
  loader_->Show();
  ASSERT_TRUE(RunUntilIdle());
  // Kept under the key and its own extension, which no picture format reads.
  EXPECT_EQ(ReadBytes(dir_ / "fname1.jpg_large"), Fixture("banner2.jpg"));
  EXPECT_EQ(errors_, std::vector<std::wstring>{L"Unknown picture file extension (.jpg_large)"});
  EXPECT_EQ(Shown(img2_), 0) << "the second banner is not loaded after the first failed";
  EXPECT_EQ(loader_->LoadCount(), 0);
  // The next show fetches everything again, and this time both load.
  server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"pics/b1.gif", L"", server_.Root() + L"pics/b2.jpg", L"")});
  loader_->Show();
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_EQ(Shown(img1_), 233);
  EXPECT_EQ(Shown(img2_), 300);
  EXPECT_EQ(loader_->LoadCount(), 1);
}

TEST_F(BannerLoaderTest, OversizedPicturesAndUnusableNamesShowThePlaceholder) {
  // A GIF whose one frame is past the decoding budget: 8192 x 8192, no data.
  const std::string huge = {'G',    'I', 'F', '8', '9', 'a', 0, 0x20, 0, 0x20, '\x80', 0, 0, 0,    0, 0, '\xFF', '\xFF',
                            '\xFF', ',', 0,   0,   0,   0,   0, 0x20, 0, 0x20, 0,      2, 2, 0x4C, 1, 0, ';'};
  server_.Set("/qvtmz.rar", {200, Config(server_.Root() + L"huge.gif", L"https://offer.quillet.example/one",
                                         server_.Root() + L"pics/b2.gif?v=1", L"https://offer.quillet.example/two")});
  server_.Set("/huge.gif", {200, huge});
  loader_->Show();
  ASSERT_TRUE(RunUntilIdle());
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(IsPlaceholder(img1_));
  EXPECT_EQ(img1_->URL(), server_.Root());
  EXPECT_TRUE(IsPlaceholder(img2_));
  for (const auto& request : Requests()) EXPECT_EQ(request.find("b2.gif"), std::string::npos) << request;
  EXPECT_EQ(loader_->LoadCount(), 1);
}
