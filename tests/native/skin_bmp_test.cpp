// The BMP codec against files ImageMagick wrote (fixtures/skin, made by
// make-bmp-fixtures.sh) and their pixels as ImageMagick decoded them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "framework/Bmp.h"
#include "framework/Exceptions.h"
#include "framework/Streams.h"
#include "skin_TestSkins.h"

#ifndef QUILLET_SKIN_FIXTURES
#define QUILLET_SKIN_FIXTURES "tests/native/fixtures/skin"
#endif

namespace {

const std::filesystem::path kFixtures = QUILLET_SKIN_FIXTURES;

struct Ppm {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
  fw::TColor At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return fw::RGBColor(rgb[i], rgb[i + 1], rgb[i + 2]);
  }
};

Ppm ReadPpm(const std::filesystem::path& path) {
  const auto bytes = fw::ReadFileBytes(path);
  const std::string text(bytes.begin(), bytes.end());
  // "P6\n<w> <h>\n255\n" then the pixels
  size_t pos = 0;
  std::vector<std::string> fields;
  while (fields.size() < 4) {
    while (pos < text.size() && isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    const size_t start = pos;
    while (pos < text.size() && !isspace(static_cast<unsigned char>(text[pos]))) ++pos;
    fields.push_back(text.substr(start, pos - start));
  }
  Ppm ppm;
  ppm.width = std::stoi(fields[1]);
  ppm.height = std::stoi(fields[2]);
  ppm.rgb.assign(bytes.begin() + static_cast<long>(pos) + 1, bytes.end());
  return ppm;
}

void ExpectPixels(const fw::TBitmap& bitmap, const Ppm& ppm, const std::string& what) {
  ASSERT_EQ(bitmap.Width(), ppm.width) << what;
  ASSERT_EQ(bitmap.Height(), ppm.height) << what;
  for (int y = 0; y < ppm.height; ++y) {
    for (int x = 0; x < ppm.width; ++x) {
      ASSERT_EQ(bitmap.Pixel(x, y), ppm.At(x, y)) << what << " at " << x << "," << y;
    }
  }
}

}  // namespace

TEST(SkinBmp, DecodesImageMagickFilesOfEveryDepth) {
  const std::pair<const char*, fw::TPixelFormat> depths[] = {{"1", fw::TPixelFormat::pf1bit},
                                                             {"4", fw::TPixelFormat::pf4bit},
                                                             {"8", fw::TPixelFormat::pf8bit},
                                                             {"8rle", fw::TPixelFormat::pf8bit},
                                                             {"24", fw::TPixelFormat::pf24bit}};
  for (const auto& [depth, format] : depths) {
    const std::string name = std::string("depth") + depth;
    const fw::TBitmap bitmap = fw::LoadBmpFile(kFixtures / (name + ".bmp"));
    EXPECT_EQ(bitmap.PixelFormat(), format) << name;
    ExpectPixels(bitmap, ReadPpm(kFixtures / (name + ".ppm")), name);

    // Saved back it keeps its depth, palette and pixels.
    fw::TMemoryStream saved;
    fw::WriteBmp(bitmap, saved);
    EXPECT_EQ(saved.Bytes().size(), static_cast<size_t>(fw::BmpFileSize(bitmap)));
    saved.SetPosition(0);
    const fw::TBitmap again = fw::ReadBmp(saved);
    EXPECT_EQ(again.PixelFormat(), format) << name;
    EXPECT_EQ(again.Palette(), bitmap.Palette()) << name;
    ExpectPixels(again, ReadPpm(kFixtures / (name + ".ppm")), name + " saved");
  }
}

TEST(SkinBmp, TopDownRowsReadTheSameAsBottomUp) {
  using namespace skintest;
  const Bytes bottomUp = MakeBmp(5, 4, 24, 3);
  Bytes topDown(bottomUp.begin(), bottomUp.begin() + 54);
  topDown[22] = 0xFC;  // height -4
  topDown[23] = topDown[24] = topDown[25] = 0xFF;
  const size_t rowBytes = 16;
  for (int row = 3; row >= 0; --row) {
    const auto first = bottomUp.begin() + 54 + static_cast<long>(row * rowBytes);
    topDown.insert(topDown.end(), first, first + static_cast<long>(rowBytes));
  }
  fw::TMemoryStream a(bottomUp), b(topDown);
  const fw::TBitmap x = fw::ReadBmp(a), y = fw::ReadBmp(b);
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 5; ++col) EXPECT_EQ(x.Pixel(col, row), y.Pixel(col, row));
  }
  EXPECT_EQ(x.Pixel(2, 1), fw::RGBColor(1, 2, 3));  // (seed, x, y) as B, G, R
}

TEST(SkinBmp, RunLengthFourBitPictures) {
  using namespace skintest;
  Bytes b = MakeBmp(6, 2, 4);
  b.resize(14 + 40 + 64);
  b[30] = 2;  // BI_RLE4
  // bottom line: run of 5 pixels alternating 1 and 2, then an absolute run
  // of 3 pixels (3, 4, 5) padded to even; end of line; top line: delta
  // (2, 0) then a run of 2 pixels of 7; end of picture.
  for (uint8_t v : {5, 0x12, 0, 3, 0x34, 0x50, 0, 0, 0, 2, 2, 0, 2, 0x77, 0, 1}) b.push_back(v);
  b[2] = static_cast<uint8_t>(b.size());
  fw::TMemoryStream s(b);
  const fw::TBitmap bitmap = fw::ReadBmp(s);
  const auto index = [&](int x, int y) {
    const uint8_t byte = bitmap.ScanLine(y)[x / 2];
    return x % 2 ? byte & 0x0F : byte >> 4;
  };
  EXPECT_EQ(index(0, 1), 1);
  EXPECT_EQ(index(4, 1), 1);
  EXPECT_EQ(index(5, 1), 3);  // the absolute run is clipped at the row's end
  EXPECT_EQ(index(1, 0), 0);
  EXPECT_EQ(index(2, 0), 7);
  EXPECT_EQ(index(3, 0), 7);
  EXPECT_EQ(index(4, 0), 0);
}

TEST(SkinBmp, ShortPalettesAndEmptyBitmaps) {
  using namespace skintest;
  Bytes b = MakeBmp(4, 2, 8);
  b[46] = 0x00;
  b[47] = 0x02;  // 512 colours for an 8-bit picture
  fw::TMemoryStream s(b);
  EXPECT_THROW(fw::ReadBmp(s), fw::EInvalidGraphic);
  fw::TMemoryStream out;
  EXPECT_THROW(fw::WriteBmp(fw::TBitmap(), out), fw::EInvalidGraphic);
}
