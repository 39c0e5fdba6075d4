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

#include <gif_lib.h>

#include "framework/PicturesGif.h"
#include "framework/PicturesLimits.h"
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

namespace {

// A GIF written by giflib's own encoder: one frame of `w` x `h` at
// (left, top) on a `screenW` x `screenH` screen, pixel (x, y) of colour index
// (x + y) % 2 (black, white) except the frame's last row and column: index 2 (red).
std::vector<uint8_t> EncodeGif(int screenW, int screenH, int left, int top, int w, int h, bool interlace = false) {
  std::vector<uint8_t> out;
  auto write = [](GifFileType* gif, const GifByteType* data, int n) {
    auto* bytes = static_cast<std::vector<uint8_t>*>(gif->UserData);
    bytes->insert(bytes->end(), data, data + n);
    return n;
  };
  int error = 0;
  GifFileType* gif = EGifOpen(&out, write, &error);
  EXPECT_NE(gif, nullptr);
  GifColorType colours[4] = {{0, 0, 0}, {255, 255, 255}, {255, 0, 0}, {0, 0, 255}};
  ColorMapObject* map = GifMakeMapObject(4, colours);
  EGifSetGifVersion(gif, true);
  EXPECT_EQ(EGifPutScreenDesc(gif, screenW, screenH, 2, 0, map), GIF_OK);
  EXPECT_EQ(EGifPutImageDesc(gif, left, top, w, h, interlace, nullptr), GIF_OK);
  std::vector<GifPixelType> line(static_cast<size_t>(w));
  // Interlaced frames take their rows in the four passes' order.
  std::vector<int> rows;
  if (interlace) {
    for (const auto& [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}}) {
      for (int y = start; y < h; y += step) rows.push_back(y);
    }
  } else {
    for (int y = 0; y < h; ++y) rows.push_back(y);
  }
  for (const int y : rows) {
    for (int x = 0; x < w; ++x) line[x] = (x == w - 1 || y == h - 1) ? 2 : (x + y) % 2;
    EXPECT_EQ(EGifPutLine(gif, line.data(), w), GIF_OK);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

}  // namespace

TEST(DecodeGif, AHugeLogicalScreenCostsNoMoreThanABannerShows) {
  // 35 bytes: an 8192 x 8192 screen holding one white pixel at its corner.
  const std::vector<uint8_t> tiny = {'G', 'I', 'F', '8', '9',  'a',  0x00, 0x20, 0x00, 0x20, 0x80, 0,
                                     0,   0,   0,   0,   0xFF, 0xFF, 0xFF, ',',  0,    0,    0,    0,
                                     1,   0,   1,   0,   0,    2,    2,    0x4C, 0x01, 0,    ';'};
  ASSERT_EQ(tiny.size(), 35u);
  const fw::TBitmap bitmap = fw::DecodeGif(tiny.data(), tiny.size());
  EXPECT_EQ(bitmap.Width(), fw::kMaxBannerCanvasWidth);
  EXPECT_EQ(bitmap.Height(), fw::kMaxBannerCanvasHeight);
  EXPECT_EQ(bitmap.Pixel(0, 0), fw::clWhite);
  EXPECT_EQ(bitmap.Pixel(1, 0), fw::clBlack) << "the screen's background";
  EXPECT_EQ(bitmap.Pixel(bitmap.Width() - 1, bitmap.Height() - 1), fw::clBlack);

  // A frame wholly outside what a banner shows, and one across its edge.
  const auto outside = EncodeGif(10000, 10000, 9000, 9000, 40, 30);
  const fw::TBitmap far = fw::DecodeGif(outside.data(), outside.size());
  EXPECT_EQ(far.Width(), fw::kMaxBannerCanvasWidth);
  EXPECT_EQ(far.Pixel(far.Width() - 1, far.Height() - 1), fw::clBlack);
  for (const bool interlace : {false, true}) {
    const auto across = EncodeGif(9000, 600, 8000, 100, 1000, 500, interlace);
    const fw::TBitmap cut = fw::DecodeGif(across.data(), across.size());
    ASSERT_EQ(cut.Width(), fw::kMaxBannerCanvasWidth) << interlace;
    ASSERT_EQ(cut.Height(), fw::kMaxBannerCanvasHeight) << interlace;
    EXPECT_EQ(cut.Pixel(7999, 100), fw::clBlack) << interlace;
    EXPECT_EQ(cut.Pixel(8000, 100), fw::clBlack) << interlace;
    EXPECT_EQ(cut.Pixel(8001, 100), fw::clWhite) << interlace;
    EXPECT_EQ(cut.Pixel(8191, 255), fw::clBlack) << interlace;  // (191 + 155) even
    EXPECT_EQ(cut.Pixel(8190, 255), fw::clWhite) << interlace;
  }
  // A screen smaller than its frame (or zero, as some writers leave it)
  // grows to hold the frame.
  const auto zero = EncodeGif(0, 0, 3, 2, 20, 10);
  const fw::TBitmap grown = fw::DecodeGif(zero.data(), zero.size());
  EXPECT_EQ(grown.Width(), 23);
  EXPECT_EQ(grown.Height(), 12);
  EXPECT_EQ(grown.Pixel(22, 11), fw::clRed);
}

TEST(DecodeGif, AFramePastTheBudgetIsTooLargeBeforeAnythingIsDecoded) {
  // Headers alone: a 65535 x 65535 frame, and one just past the budget; a
  // frame at the budget decodes.
  std::vector<uint8_t> gif = {'G',  'I',  'F',  '8',  '9',  'a',  0xFF, 0xFF, 0xFF, 0xFF, 0x80, 0,
                              0,    0,    0,    0,    0xFF, 0xFF, 0xFF, ',',  0,    0,    0,    0,
                              0xFF, 0xFF, 0xFF, 0xFF, 0,    2,    2,    0x4C, 0x01, 0,    ';'};
  EXPECT_THROW(fw::DecodeGif(gif.data(), gif.size()), fw::EPictureTooLarge);
  // 4097 x 4096 against a budget of 4096 x 4096.
  static_assert(fw::kMaxBannerImagePixels == 4096 * 4096);
  gif[24] = 0x01, gif[25] = 0x10, gif[26] = 0x00, gif[27] = 0x10;
  EXPECT_THROW(fw::DecodeGif(gif.data(), gif.size()), fw::EPictureTooLarge);
  // Too large is a kind of bad picture for any caller that does not care.
  EXPECT_THROW(fw::DecodeGif(gif.data(), gif.size()), fw::EInvalidGraphic);
  // At the budget the frame is decoded, and here its missing data is the error.
  gif[24] = 0x00;
  try {
    fw::DecodeGif(gif.data(), gif.size());
    ADD_FAILURE() << "a frame without its data decoded";
  } catch (const fw::EPictureTooLarge&) {
    ADD_FAILURE() << "a frame at the budget is not too large";
  } catch (const fw::EGifError&) {
  }
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

TEST(DecodeJpeg, AHeaderAskingPastTheBudgetIsTooLargeBeforeAnythingIsHeld) {
  // The same small picture, its frame header claiming 8000 x 8000 pixels.
  auto bytes = Fixture("banner2.jpg");
  size_t sof = 0;
  for (size_t i = 0; i + 8 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
      sof = i;
      break;
    }
  }
  ASSERT_NE(sof, 0u);
  bytes[sof + 5] = 8000 >> 8;
  bytes[sof + 6] = 8000 & 0xFF;
  bytes[sof + 7] = 8000 >> 8;
  bytes[sof + 8] = 8000 & 0xFF;
  EXPECT_THROW(fw::DecodeJpeg(bytes.data(), bytes.size()), fw::EPictureTooLarge);
}
