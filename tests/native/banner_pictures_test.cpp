// GIF and JPEG banner pictures: files ImageMagick wrote (fixtures/banner,
// made by make-banner-fixtures.sh) decode to their colours; damaged and
// hostile files give the format's error and read nothing outside the file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "framework/PicturesGif.h"
#include "framework/PicturesJpeg.h"

#ifndef QUILLET_BANNER_FIXTURES
#define QUILLET_BANNER_FIXTURES "tests/native/fixtures/banner"
#endif

namespace {

using fw::TColor;

std::vector<uint8_t> Fixture(const char* name) {
  std::ifstream in(std::filesystem::path(QUILLET_BANNER_FIXTURES) / name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), {}};
}

// Exactly as long as the slice, so ASan sees any read past it.
std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t size) {
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)};
}

bool Near(TColor a, TColor b, int tolerance) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
      return false;
    }
  }
  return true;
}

template <class Decode>
void ExpectEveryTruncationFails(const std::vector<uint8_t>& whole, size_t complete, Decode decode) {
  for (size_t size = 0; size < complete; ++size) {
    const std::vector<uint8_t> part = Slice(whole, size);
    EXPECT_THROW(decode(part.data(), part.size()), fw::EInvalidGraphic) << "first " << size << " bytes";
  }
}

// Flipped bytes may still make a valid picture; they must never crash.
template <class Decode>
void SurviveCorruption(const std::vector<uint8_t>& whole, Decode decode) {
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    std::vector<uint8_t> damaged = whole;
    const int flips = 1 + round % 6;
    for (int i = 0; i < flips; ++i) damaged[random() % damaged.size()] = static_cast<uint8_t>(random());
    try {
      decode(damaged.data(), damaged.size());
    } catch (const fw::EInvalidGraphic&) {
    }
  }
}

}  // namespace

TEST(DecodeGif, ShowsTheImageItsEncoderWrote) {
  for (const char* name : {"banner1.gif", "banner1-interlaced.gif"}) {
    const auto bytes = Fixture(name);
    const fw::TBitmap bitmap = fw::DecodeGif(bytes.data(), bytes.size());
    ASSERT_EQ(bitmap.Width(), 233) << name;
    ASSERT_EQ(bitmap.Height(), 47) << name;
    EXPECT_EQ(bitmap.Pixel(0, 0), fw::clRed) << name;
    EXPECT_EQ(bitmap.Pixel(116, 46), fw::clRed) << name;
    EXPECT_EQ(bitmap.Pixel(117, 0), TColor{0xFF0000}) << name;
    EXPECT_EQ(bitmap.Pixel(232, 46), TColor{0xFF0000}) << name;
  }
}

TEST(DecodeGif, PlacesAnOffsetFrameOnItsLogicalScreen) {
  const auto bytes = Fixture("frame-offset.gif");
  const fw::TBitmap bitmap = fw::DecodeGif(bytes.data(), bytes.size());
  ASSERT_EQ(bitmap.Width(), 60);
  ASSERT_EQ(bitmap.Height(), 30);
  EXPECT_EQ(bitmap.Pixel(10, 5), TColor{0x00FF00});
  EXPECT_EQ(bitmap.Pixel(49, 24), TColor{0x00FF00});
}

TEST(DecodeGif, DamagedFilesGiveTheGifError) {
  const auto whole = Fixture("banner1.gif");
  // Only the trailer byte may go: the image itself is then complete.
  ExpectEveryTruncationFails(whole, whole.size() - 1, fw::DecodeGif);
  SurviveCorruption(whole, fw::DecodeGif);
  const auto jpeg = Fixture("banner2.jpg");
  EXPECT_THROW(fw::DecodeGif(jpeg.data(), jpeg.size()), fw::EGifError);
}

TEST(DecodeGif, RefusesHugeDimensionsBeforeAllocating) {
  // A valid header announcing a 65535 x 65535 screen and frame.
  std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', 0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0, 0,
                              0,   0,   0,   0xFF, 0xFF, 0xFF, ',', 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0,
                              2,   2,   0x4C, 0x01, 0,  ';'};
  EXPECT_THROW(fw::DecodeGif(gif.data(), gif.size()), fw::EGifError);
}

TEST(DecodeJpeg, ShowsTheImageItsEncoderWrote) {
  for (const char* name : {"banner2.jpg", "progressive.jpg"}) {
    const auto bytes = Fixture(name);
    const fw::TBitmap bitmap = fw::DecodeJpeg(bytes.data(), bytes.size());
    ASSERT_EQ(bitmap.Width(), 300) << name;
    ASSERT_EQ(bitmap.Height(), 48) << name;
    EXPECT_TRUE(Near(bitmap.Pixel(10, 10), 0x00C000, 12)) << name;
    EXPECT_TRUE(Near(bitmap.Pixel(140, 40), 0x00C000, 12)) << name;
    EXPECT_TRUE(Near(bitmap.Pixel(160, 10), fw::clWhite, 12)) << name;
    EXPECT_TRUE(Near(bitmap.Pixel(299, 47), fw::clWhite, 12)) << name;
  }
  const auto gray = Fixture("gray.jpg");
  const fw::TBitmap bitmap = fw::DecodeJpeg(gray.data(), gray.size());
  EXPECT_EQ(bitmap.Width(), 32);
  EXPECT_TRUE(Near(bitmap.Pixel(5, 5), 0x808080, 4));
}

TEST(DecodeJpeg, DamagedOrUnsupportedFilesGiveTheJpegError) {
  const auto whole = Fixture("banner2.jpg");
  ExpectEveryTruncationFails(whole, whole.size(), fw::DecodeJpeg);
  SurviveCorruption(whole, fw::DecodeJpeg);
  SurviveCorruption(Fixture("progressive.jpg"), fw::DecodeJpeg);
  const auto gif = Fixture("banner1.gif");
  EXPECT_THROW(fw::DecodeJpeg(gif.data(), gif.size()), fw::EJPEG);
  const auto cmyk = Fixture("cmyk.jpg");
  EXPECT_THROW(fw::DecodeJpeg(cmyk.data(), cmyk.size()), fw::EJPEG);
}
