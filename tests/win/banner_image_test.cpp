// TskSkinLinkImage and the picture formats on Windows: the placeholder, the
// click, and pictures chosen by extension without regard to case.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/Pictures.h"
#include "support/Banners.h"
#include "support/skSkinExCtrls.h"

using namespace support;

using namespace fw;

namespace {

std::filesystem::path WinePath(std::string path) {
  std::wstring wide(path.begin(), path.end());
  if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;
  for (auto& c : wide) {
    if (c == L'/') c = L'\\';
  }
  return wide;
}

const std::filesystem::path kFixtures = WinePath(QUILLET_BANNER_FIXTURES);

class LinkImageTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterPictureFormats();
    image_ = TComponent::Create<TskSkinLinkImage>(&owner_);
    image_->SetBounds(0, 0, 233, 47);
    saved_ = TskSkinLinkImage::OpenLink();
    TskSkinLinkImage::OpenLink() = [this](const std::wstring& url) { opened_.push_back(url); };
    dir_ = std::filesystem::temp_directory_path() / ("quillet-pictures-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    TskSkinLinkImage::OpenLink() = saved_;
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::filesystem::path CopyFixture(const char* name, const std::wstring& as) {
    const auto target = dir_ / as;
    std::filesystem::copy_file(kFixtures / name, target, std::filesystem::copy_options::overwrite_existing);
    return target;
  }
  const TBitmap& Shown() const {
    const auto* graphic = dynamic_cast<const TBitmapGraphic*>(image_->Picture().Graphic());
    EXPECT_NE(graphic, nullptr);
    return graphic->Bitmap();
  }

  TComponent owner_{nullptr};
  TskSkinLinkImage* image_ = nullptr;
  std::function<void(const std::wstring&)> saved_;
  std::vector<std::wstring> opened_;
  std::filesystem::path dir_;
};

}  // namespace

TEST_F(LinkImageTest, PlaceholderIsTheControlsSizeWithTheRedSquareAndLeadsToTheSiteRoot) {
  EXPECT_EQ(image_->Cursor(), crHandPoint);
  DrawBannerPlaceholder(*image_);
  EXPECT_EQ(Shown().Width(), 233);
  EXPECT_EQ(Shown().Height(), 47);
  // The text is drawn over the square; much of its red outline still shows,
  // and nothing else is red.
  int outline = 0;
  int elsewhere = 0;
  for (int y = 0; y < 47; ++y) {
    for (int x = 0; x < 233; ++x) {
      if ((Shown().Pixel(x, y) & 0xFFFFFF) != static_cast<TColor>(clRed)) continue;
      const bool onOutline = (x <= 9 && y <= 9) && (x == 0 || y == 0 || x == 9 || y == 9);
      ++(onOutline ? outline : elsewhere);
    }
  }
  EXPECT_GE(outline, 10);
  EXPECT_EQ(elsewhere, 0);
  // Black text on a white ground, so the placeholder reads.
  EXPECT_EQ(Shown().Pixel(230, 44) & 0xFFFFFF, clWhite);
  int ink = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 12; x < 120; ++x) ink += (Shown().Pixel(x, y) & 0xFFFFFF) == clBlack;
  }
  EXPECT_GT(ink, 20);
  EXPECT_EQ(image_->URL(), SiteRoot());
  EXPECT_EQ(SiteRoot(), L"https://www.quillet.example/");
  image_->SetBounds(0, 0, 671, 48);
  DrawBannerPlaceholder(*image_);
  EXPECT_EQ(Shown().Width(), 671);
  EXPECT_EQ(Shown().Height(), 48);
}

TEST_F(LinkImageTest, ClickRunsOnClickFirstThenOpensOnlyWebLinks) {
  std::vector<std::wstring> order;
  image_->OnClick = [&](TComponent*) { order.push_back(L"OnClick"); };
  TskSkinLinkImage::OpenLink() = [&](const std::wstring& url) { order.push_back(url); };
  image_->Click();
  EXPECT_EQ(order, std::vector<std::wstring>{L"OnClick"}) << "an empty URL opens nothing";
  image_->SetURL(L"https://offer.quillet.example/x");
  image_->Click();
  EXPECT_EQ(order, (std::vector<std::wstring>{L"OnClick", L"OnClick", L"https://offer.quillet.example/x"}));
  order.clear();
  for (const wchar_t* refused : {L"file:///c:/windows/notepad.exe", L"calc.exe", L"c:\\windows\\notepad.exe"}) {
    image_->SetURL(refused);
    image_->Click();
  }
  EXPECT_EQ(order, (std::vector<std::wstring>{L"OnClick", L"OnClick", L"OnClick"}));
}

TEST_F(LinkImageTest, PicturesLoadByExtensionWithoutRegardToCase) {
  image_->Picture().LoadFromFile(CopyFixture("banner1.gif", L"fname1.GIF"));
  EXPECT_EQ(Shown().Width(), 233);
  EXPECT_EQ(Shown().Pixel(0, 0), static_cast<TColor>(clRed));
  image_->Picture().LoadFromFile(CopyFixture("banner2.jpg", L"fname2.JpEg"));
  EXPECT_EQ(Shown().Width(), 300);
  image_->Picture().LoadFromFile(CopyFixture("banner2.jpg", L"fname2.jpg"));
  EXPECT_EQ(Shown().Height(), 48);
}

TEST_F(LinkImageTest, UnknownExtensionsAndMismatchedContentRaiseAndKeepThePicture) {
  image_->Picture().LoadFromFile(CopyFixture("banner1.gif", L"fname1.gif"));
  try {
    image_->Picture().LoadFromFile(CopyFixture("banner.png", L"fname1.png"));
    ADD_FAILURE() << "png loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), L"Unknown picture file extension (.png)");
  }
  EXPECT_THROW(image_->Picture().LoadFromFile(CopyFixture("banner2.jpg", L"fname1.gif")), EInvalidGraphic);
  EXPECT_THROW(image_->Picture().LoadFromFile(CopyFixture("banner1.gif", L"fname1.jpg")), EInvalidGraphic);
  EXPECT_THROW(image_->Picture().LoadFromFile(CopyFixture("banner1.gif", L"fname1.bmp")), Exception);
  EXPECT_THROW(image_->Picture().LoadFromFile(CopyFixture("banner1.gif", L"fname1.ico")), EInvalidGraphic);
  EXPECT_THROW(image_->Picture().LoadFromFile(CopyFixture("banner1.gif", L"fname1.emf")), EInvalidGraphic);
  EXPECT_THROW(image_->Picture().LoadFromFile(CopyFixture("banner1.gif", L"fname1")), EInvalidGraphic);
  EXPECT_EQ(Shown().Width(), 233) << "a failed load keeps the picture";
}
