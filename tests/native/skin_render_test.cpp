// quillet-skin render: our skin drawn at several sizes without Windows, the
// region as transparency, and the PNG the command writes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "framework/Streams.h"
#include "skin/data/skSkinStoredSkin.h"
#include "tools/quillet-skin/FrameRender.h"

namespace fs = std::filesystem;

namespace {

const sk::TskSkinData& Skin() {
  static const sk::TskSkinData* data = [] {
    sk::TskCompressedStoredSkin stored(nullptr);
    stored.ImportSkinFolder(std::string(QUILLET_SKIN_DIR) + "/skin.ini");
    auto* d = new sk::TskSkinData(nullptr);
    d->LoadFromStoredSkin(stored);
    return d;
  }();
  return *data;
}

uint8_t Alpha(const skintool::FrameImage& image, int x, int y) {
  return image.alpha[static_cast<size_t>(y) * static_cast<size_t>(image.pixels.Width()) + static_cast<size_t>(x)];
}

TEST(SkinRender, FrameButtonsBackgroundAndRegion) {
  const auto image = skintool::RenderFrame(Skin(), {679, 565});
  ASSERT_EQ(image.pixels.Width(), 679);
  ASSERT_EQ(image.pixels.Height(), 565);
  const fw::TBitmap& picture = Skin().Picture();
  // Rounded top corners are cut away, the body is solid.
  EXPECT_EQ(Alpha(image, 0, 0), 0);
  EXPECT_EQ(Alpha(image, 678, 0), 0);
  EXPECT_EQ(Alpha(image, 300, 300), 255);
  EXPECT_EQ(Alpha(image, 0, 300), 255);
  // Frame corners 1:1 from the picture, the client tiled from its part.
  EXPECT_EQ(image.pixels.Pixel(5, 3), picture.Pixel(5, 3));
  EXPECT_EQ(image.pixels.Pixel(678, 564), picture.Pixel(284, 209));
  EXPECT_EQ(image.pixels.Pixel(4, 27), picture.Pixel(4, 27));
  EXPECT_EQ(image.pixels.Pixel(4 + 277, 27), picture.Pixel(4, 27));
  // The close button's normal look at (655, 5).
  const fw::TBitmap& active = *Skin().ActivePicture(0);
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{10, 10}, std::pair{20, 20}})
    EXPECT_EQ(image.pixels.Pixel(655 + x, 5 + y), active.Pixel(3 + x, 2 + y));
  // Inactive: the buttons take their inactive looks.
  const auto inactive = skintool::RenderFrame(Skin(), {679, 565, true});
  EXPECT_EQ(inactive.pixels.Pixel(665, 15), active.Pixel(3 + 10, 156 + 10));
}

TEST(SkinRender, RolledUpIsTheFrameAlone) {
  const auto image = skintool::RenderFrame(Skin(), {679, 565, false, true});
  ASSERT_EQ(image.pixels.Height(), 31);
  EXPECT_EQ(Alpha(image, 0, 0), 0);
  EXPECT_EQ(Alpha(image, 300, 30), 255);
  EXPECT_EQ(image.pixels.Pixel(300, 29), Skin().Picture().Pixel(12 + 300 % 261, 29 - 27 + 206));
  EXPECT_THROW(skintool::RenderFrame(Skin(), {0, 10}), fw::Exception);
}

TEST(SkinRender, CommandWritesAPng) {
  const fs::path out = fs::temp_directory_path() / "quillet-render-test.png";
  fs::remove(out);
  const std::string command =
      "'" QUILLET_SKIN_TOOL "' render '" QUILLET_SKIN_DIR "/skin.ini' --size 300x200 -o '" + out.string() + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const auto bytes = fw::ReadFileBytes(out);
  ASSERT_GT(bytes.size(), 33u);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 4), "PNG");
  EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR");
  EXPECT_EQ((bytes[16] << 24 | bytes[17] << 16 | bytes[18] << 8 | bytes[19]), 300);
  EXPECT_EQ((bytes[20] << 24 | bytes[21] << 16 | bytes[22] << 8 | bytes[23]), 200);
  fs::remove(out);
  // Without a size it is a usage error.
  const std::string bad =
      "'" QUILLET_SKIN_TOOL "' render '" QUILLET_SKIN_DIR "/skin.ini' -o '" + out.string() + "' >/dev/null 2>&1";
  EXPECT_EQ(WEXITSTATUS(std::system(bad.c_str())), 1);
}

}  // namespace
