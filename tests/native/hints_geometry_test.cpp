// Skinned hints without windows: line breaks, the window size from the text
// and our skin's hint frame, the frame rebuilt at small sizes, placement at
// the work-area edges, the parts' layout, the fade steps and the cursor
// height read from a cursor mask.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/data/skSkinData.h"
#include "skin/hints/skSkinHintGeometry.h"

using namespace sk;
using fw::TPoint;
using fw::TRect;

namespace {

// Our skin, as the build packs it.
class OurSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    data_ = new TskSkinData(nullptr);
    TskCompressedStoredSkin stored(nullptr);
    stored.ImportSkinFolder(QUILLET_SKIN_INI);
    data_->LoadFromStoredSkin(stored);
  }
  static void TearDownTestSuite() {
    delete data_;
    data_ = nullptr;
  }
  static TskHintFrame Frame() {
    const TskDataSkinHintWindow& r = data_->HintWindow();
    const fw::TBitmap* picture = data_->ActivePicture(r.WindowPictureIndex);
    return {&r, {picture->Width(), picture->Height()}};
  }
  static TskSkinData* data_;
};
TskSkinData* OurSkin::data_ = nullptr;

TskHintContent Plain(TPoint text) {
  TskHintContent c;
  c.text = text;
  return c;
}

TskHintContent Titled(TPoint text, const TPoint* title, const TPoint* image) {
  TskHintContent c = Plain(text);
  c.titleVariant = true;
  if (title) {
    c.hasTitle = true;
    c.title = *title;
  }
  if (image) {
    c.hasImage = true;
    c.image = *image;
  }
  return c;
}

}  // namespace

TEST(HintText, SeparatorsBecomeLineBreaks) {
  EXPECT_EQ(ReplaceLineSeparators(L"One@Two@Three", L"@"), L"One\n\rTwo\n\rThree");
  EXPECT_EQ(ReplaceLineSeparators(L"@@x@", L"@"), L"\n\r\n\rx\n\r");
  EXPECT_EQ(ReplaceLineSeparators(L"a||b|c", L"||"), L"a\n\rb|c");
  EXPECT_EQ(ReplaceLineSeparators(L"no separator", L"@"), L"no separator");
  // An empty separator matches nothing (and must not loop).
  EXPECT_EQ(ReplaceLineSeparators(L"a@b", L""), L"a@b");
  EXPECT_EQ(ReplaceLineSeparators(L"", L"@"), L"");
}

TEST(HintSize, WithoutASkinTheTextGetsTwoPixelsEachSide) {
  EXPECT_EQ(HintWindowSize(Plain({80, 13}), nullptr), (TPoint{84, 17}));
  const TPoint title{50, 15}, wideTitle{120, 15}, image{16, 16}, tallImage{32, 40};
  // The title goes above the text (10 pixels between), the image beside it.
  EXPECT_EQ(HintWindowSize(Titled({80, 13}, &title, nullptr), nullptr), (TPoint{84, 42}));
  EXPECT_EQ(HintWindowSize(Titled({80, 13}, &wideTitle, nullptr), nullptr), (TPoint{124, 42}));
  EXPECT_EQ(HintWindowSize(Titled({80, 13}, &title, &image), nullptr), (TPoint{110, 42}));
  EXPECT_EQ(HintWindowSize(Titled({80, 13}, &title, &tallImage), nullptr), (TPoint{126, 64}));
  EXPECT_EQ(HintWindowSize(Titled({80, 13}, nullptr, &tallImage), nullptr), (TPoint{126, 49}));
  // A title variant with neither (an image list but no valid index).
  EXPECT_EQ(HintWindowSize(Titled({80, 13}, nullptr, nullptr), nullptr), (TPoint{84, 17}));
}

TEST_F(OurSkin, SkinnedSizeAddsTheFramesMarginsAroundTheClientRectangle) {
  const TskHintFrame frame = Frame();
  ASSERT_EQ(frame.pictureSize, (TPoint{28, 21}));
  ASSERT_EQ(frame.record->ClientRect, (TRect{5, 4, 23, 17}));
  // 5 left + 5 right + 5 more; 4 above, 4 below.
  EXPECT_EQ(HintWindowSize(Plain({80, 13}), &frame), (TPoint{95, 21}));
  const TPoint title{50, 15};
  EXPECT_EQ(HintWindowSize(Titled({80, 13}, &title, nullptr), &frame), (TPoint{100, 46}));

  const TskHintGeometry g = ResizeHintFrame(frame, {95, 21});
  EXPECT_EQ(g.size, (TPoint{95, 21}));
  EXPECT_EQ(g.mapped.client, (TRect{5, 4, 90, 17})) << "the text's room: 85 x 13";
  EXPECT_EQ(g.mapped.rightTop, (TPoint{89, 6}));
  EXPECT_EQ(g.mapped.leftBottom, (TPoint{6, 15}));
  EXPECT_EQ(g.mapped.rightBottom, (TPoint{89, 15}));
  EXPECT_EQ(g.corners.leftTop, (TPoint{6, 6}));
}

TEST_F(OurSkin, AHintSmallerThanTheFramesCornersGrowsUntilTheyFit) {
  const TskHintFrame frame = Frame();
  // Corners 6..22 across and 6..15 down in a 28 x 21 picture.
  const TskHintGeometry g = ResizeHintFrame(frame, {10, 10});
  EXPECT_EQ(g.size, (TPoint{12, 12}));
  EXPECT_EQ(g.mapped.rightTop.x, g.mapped.leftTop.x);
  EXPECT_EQ(g.mapped.leftBottom.y, g.mapped.leftTop.y);
  // An empty text in the plain look still fits the corners.
  const TskHintGeometry empty = ResizeHintFrame(frame, HintWindowSize(Plain({0, 0}), &frame));
  EXPECT_EQ(empty.size, (TPoint{15, 12}));
}

TEST(HintPlacement, AtTheWorkAreasEdgesTheHintOpensLeftAndAbove) {
  const TRect work{0, 0, 1280, 994};
  const TPoint size{84, 17};
  EXPECT_EQ(PlaceHintWindow({100, 120}, size, work), (TRect{100, 120, 184, 137})) << "room enough: as asked";
  EXPECT_EQ(PlaceHintWindow({1196, 120}, size, work), (TRect{1196, 120, 1280, 137})) << "touching the edge is inside";
  // Past the right: its right edge 2 pixels left of the point.
  EXPECT_EQ(PlaceHintWindow({1250, 120}, size, work), (TRect{1164, 120, 1248, 137}));
  // Near the bottom right: left and up, and wholly inside.
  const TRect corner = PlaceHintWindow({1270, 990}, size, work);
  EXPECT_EQ(corner, (TRect{1184, 971, 1268, 988}));
  EXPECT_TRUE(corner.left >= work.left && corner.top >= work.top && corner.right <= work.right &&
              corner.bottom <= work.bottom);
  // A work area away from the origin (a second monitor, a task bar on top).
  const TRect right{1280, 40, 2560, 1024};
  EXPECT_EQ(PlaceHintWindow({2550, 1020}, size, right), (TRect{2464, 1001, 2548, 1018}));
}

TEST(HintLayout, PlainAndTitleHintsPlaceTheirParts) {
  EXPECT_EQ(CentredHintText({5, 4, 90, 17}, {80, 13}), (TRect{7, 4, 87, 17}));
  EXPECT_EQ(CentredHintText({5, 4, 95, 30}, {80, 13}), (TRect{10, 10, 90, 23}));

  const TPoint title{50, 15}, image{16, 16};
  // Skinned: title at the client's top-left + 5 across; image and text below it.
  TskHintLayout l = LayoutSkinnedTitleHint({5, 4, 120, 60}, Titled({80, 13}, &title, &image));
  EXPECT_EQ(l.title, (TRect{10, 4, 60, 19}));
  EXPECT_EQ(l.image, (TPoint{10, 24}));
  EXPECT_EQ(l.text, (TRect{31, 24, 111, 37}));
  // Without a title image and text are centred vertically.
  l = LayoutSkinnedTitleHint({5, 4, 120, 60}, Titled({80, 13}, nullptr, &image));
  EXPECT_TRUE(l.title.IsEmpty());
  EXPECT_EQ(l.image, (TPoint{10, 24}));
  EXPECT_EQ(l.text, (TRect{31, 25, 111, 38}));

  // Unskinned: the text fills the rest of the inner rectangle.
  l = LayoutUnskinnedTitleHint({2, 2, 108, 40}, Titled({80, 13}, &title, &image));
  EXPECT_EQ(l.title, (TRect{2, 2, 52, 17}));
  EXPECT_EQ(l.image, (TPoint{2, 20}));
  EXPECT_EQ(l.text, (TRect{25, 22, 108, 40}));
  l = LayoutUnskinnedTitleHint({2, 2, 108, 40}, Titled({80, 13}, &title, nullptr));
  EXPECT_EQ(l.text, (TRect{2, 22, 108, 40}));
  l = LayoutUnskinnedTitleHint({2, 2, 108, 40}, Titled({80, 13}, nullptr, &image));
  EXPECT_EQ(l.image, (TPoint{2, 13}));
  EXPECT_EQ(l.text, (TRect{25, 2, 108, 40}));
}

TEST(HintFade, StepsOfTwentyEndExactlyAtTheTarget) {
  std::vector<int> steps;
  for (int a = 0; a < 205;) steps.push_back(a = NextHintFadeAlpha(a, 205));
  ASSERT_EQ(steps.size(), 11u);
  EXPECT_EQ(steps.front(), 20);
  EXPECT_EQ(steps[9], 200);
  EXPECT_EQ(steps.back(), 205);
  EXPECT_EQ(NextHintFadeAlpha(0, 10), 10);
  EXPECT_EQ(NextHintFadeAlpha(0, 0), 0);
}

namespace {

// A bottom-up monochrome mask of width x height: AND part (upper square)
// transparent, XOR part (lower square, when there is one) black.
struct MaskBits {
  MaskBits(int width, int height) : width(width), height(height), rowBytes((width + 31) / 32 * 4) {
    bits.assign(static_cast<size_t>(rowBytes) * height, 0);
    for (int y = 0; y < std::min(width, height); ++y) SetRow(y, 0xFF);
  }
  // Row y counted from the top of the picture (the AND part's first row).
  uint8_t* Row(int y) { return bits.data() + static_cast<size_t>(height - 1 - y) * rowBytes; }
  void SetRow(int y, uint8_t value) { std::fill(Row(y), Row(y) + rowBytes, value); }
  TskCursorMask Mask() const { return {bits, width, height, rowBytes}; }
  int width, height, rowBytes;
  std::vector<uint8_t> bits;
};

}  // namespace

TEST(CursorHeight, TheLowestDrawnRowOfTheMaskLessTheHotSpot) {
  MaskBits arrow(32, 64);
  for (int y = 0; y <= 19; ++y) arrow.Row(y)[0] = 0x0F;  // an arrow's column, 20 rows
  EXPECT_EQ(CursorHeightFromMask(arrow.Mask(), 0), 19);
  EXPECT_EQ(CursorHeightFromMask(arrow.Mask(), 5), 14);

  // An AND part that draws nothing: the XOR part (an I-beam drawn by inversion).
  MaskBits beam(32, 64);
  for (int y = 4; y <= 27; ++y) beam.Row(32 + y)[1] = 0x10;
  EXPECT_EQ(CursorHeightFromMask(beam.Mask(), 16), 27 - 16);

  // Nothing drawn at all: only the hot spot counts.
  EXPECT_EQ(CursorHeightFromMask(MaskBits(32, 64).Mask(), 7), -7);

  // A colour cursor's mask is the AND part alone; no XOR part to fall back on.
  MaskBits colour(32, 32);
  colour.Row(23)[3] = 0xFE;
  EXPECT_EQ(CursorHeightFromMask(colour.Mask(), 2), 21);
  EXPECT_EQ(CursorHeightFromMask(MaskBits(32, 32).Mask(), 2), -2);
}

TEST(CursorHeight, PadBitsAndShortBuffersNeverCount) {
  // 20 pixels wide: the last 4 bits of the third byte and the fourth byte are
  // padding, left 0 as GetDIBits may leave them.
  MaskBits narrow(20, 40);
  for (int y = 0; y < 20; ++y) {
    narrow.Row(y)[2] = 0xF0;
    narrow.Row(y)[3] = 0x00;
  }
  EXPECT_EQ(CursorHeightFromMask(narrow.Mask(), 0), 0) << "neither part draws a pixel";
  narrow.Row(12)[2] = 0xE0;  // the last real pixel of row 12
  EXPECT_EQ(CursorHeightFromMask(narrow.Mask(), 0), 12);

  MaskBits shortBuffer(32, 64);
  shortBuffer.Row(10)[0] = 0;
  TskCursorMask m = shortBuffer.Mask();
  m.bits = m.bits.first(m.bits.size() - 1);
  EXPECT_EQ(CursorHeightFromMask(m, 3), -3);
}
