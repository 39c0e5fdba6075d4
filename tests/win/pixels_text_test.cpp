#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "pixels_surface.h"
#include "skin/pixels/skUtilsGlyphs.h"
#include "skin/pixels/skUtilsPenGlyphs.h"
#include "skin/pixels/skUtilsText.h"

namespace {

using pixels::Surface;

SIZE SystemExtent(fw::TCanvas& canvas, const std::wstring& text) {
  fw::SelectedObject font(canvas.Handle(), canvas.Font().Handle());
  SIZE size{};
  GetTextExtentPoint32W(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

TEST(PixelsText, MeasuresAgreeWithTheSystemsExtent) {
  Surface s(200, 60);
  for (const std::wstring text : {L"Quillet", L"W", L"caption with spaces"}) {
    const SIZE size = SystemExtent(s.canvas, text);
    EXPECT_EQ(sk::SkinTextWidth(s.canvas, text), size.cx) << std::string(text.begin(), text.end());
    EXPECT_EQ(sk::SkinTextHeight(s.canvas, text), size.cy);
  }
  EXPECT_EQ(sk::SkinTextWidth(s.canvas, L""), 0);
}

TEST(PixelsText, CentredTextLandsInTheMiddle) {
  Surface s(200, 60);
  const std::wstring text = L"Centre";
  const int tw = sk::SkinTextWidth(s.canvas, text);
  const int th = sk::SkinTextHeight(s.canvas, text);
  fw::TRect r{10, 5, 190, 55};
  s.canvas.Brush().style = fw::TBrushStyle::bsClear;
  EXPECT_GT(sk::DrawSkinText(s.canvas, text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 0);
  const fw::TRect ink = s.Ink();
  ASSERT_FALSE(ink.IsEmpty());
  const int left = 10 + (180 - tw) / 2;
  const int top = 5 + (50 - th) / 2;
  EXPECT_GE(ink.left, left - 1);
  EXPECT_LE(ink.right, left + tw + 1);
  EXPECT_GE(ink.top, top);
  EXPECT_LE(ink.bottom, top + th);
  // Equal room on both sides, give or take the letters' side bearings.
  EXPECT_LE(std::abs((ink.left - 10) - (190 - ink.right)), 4);
}

TEST(PixelsText, CorrectTextToWidthShortensWithEllipsis) {
  Surface s(10, 10);
  std::wstring fits = L"short";
  sk::CorrectTextToWidth(s.canvas, fits, 500);
  EXPECT_EQ(fits, L"short");

  std::wstring text = L"a caption far too long for its button";
  sk::CorrectTextToWidth(s.canvas, text, 80);
  ASSERT_GE(text.size(), 3u);
  EXPECT_EQ(text.substr(text.size() - 3), L"...");
  EXPECT_LE(sk::SkinTextWidth(s.canvas, text), 80);
  // One more character would not have fitted.
  const std::wstring kept = text.substr(0, text.size() - 3);
  const std::wstring original = L"a caption far too long for its button";
  EXPECT_EQ(original.substr(0, kept.size()), kept);
  EXPECT_GT(sk::SkinTextWidth(s.canvas, original.substr(0, kept.size() + 1) + L"..."), 80);

  std::wstring narrow = L"anything";
  sk::CorrectTextToWidth(s.canvas, narrow, 2);
  EXPECT_EQ(narrow, L"...");
}

TEST(PixelsText, SingleLineTextIsVerticallyCentred) {
  Surface s(200, 60);
  sk::DrawSingleLineText(s.canvas, "", {0, 0, 200, 60});
  EXPECT_TRUE(s.Ink().IsEmpty());
  s.canvas.Brush().style = fw::TBrushStyle::bsClear;
  sk::DrawSingleLineText(s.canvas, "Line", {20, 10, 200, 50});
  const fw::TRect ink = s.Ink();
  ASSERT_FALSE(ink.IsEmpty());
  const int th = sk::SkinTextHeight(s.canvas, L"Line");
  EXPECT_GE(ink.left, 20);
  EXPECT_GE(ink.top, 10 + (40 - th) / 2);
  EXPECT_LE(ink.bottom, 10 + (40 - th) / 2 + th);
}

// Two 8 x 8 frames on a magenta ground (the bottom-left colour): a red block
// in the first, a green one in the second.
fw::TBitmap TwoFrameStrip() {
  fw::TBitmap strip(16, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool block = x % 8 >= 2 && x % 8 < 6 && y >= 2 && y < 6;
      strip.SetPixel(x, y, !block ? fw::RGBColor(255, 0, 255) : (x < 8 ? fw::clRed : fw::RGBColor(0, 255, 0)));
    }
  }
  return strip;
}

TEST(PixelsGlyphs, GlyphFrameIsCutAndKeyed) {
  Surface s(30, 30);
  const fw::TBitmap strip = TwoFrameStrip();
  sk::DrawGlyphFrame(s.canvas, 5, 5, 2, 2, strip);
  EXPECT_EQ(s.At(5 + 3, 5 + 3), fw::RGBColor(0, 255, 0));
  EXPECT_EQ(s.At(5, 5), fw::clWhite);  // the key colour left the ground alone
  EXPECT_EQ(s.Ink(), (fw::TRect{7, 7, 11, 11}));
  // Frames outside the strip, no frames and an empty strip draw nothing.
  Surface t(30, 30);
  sk::DrawGlyphFrame(t.canvas, 5, 5, 3, 2, strip);
  sk::DrawGlyphFrame(t.canvas, 5, 5, 0, 2, strip);
  sk::DrawGlyphFrame(t.canvas, 5, 5, 1, 0, strip);
  sk::DrawGlyphFrame(t.canvas, 5, 5, 1, 1, fw::TBitmap());
  EXPECT_TRUE(t.Ink().IsEmpty());
}

TEST(PixelsGlyphs, GlyphAndTextGoWhereTheLayoutSays) {
  const fw::TBitmap strip = TwoFrameStrip();
  const fw::TRect r{0, 0, 160, 40};
  sk::TskGlyphButtonLook look;
  look.margin = 2;
  look.spacing = 4;
  Surface s(160, 40);
  const sk::TskGlyphTextPlace place = sk::DrawBitmapGlyphAndText(s.canvas, r, look, strip, 2, 1, L"Open");
  EXPECT_EQ(place.glyph, (fw::TPoint{2, 20 - 4}));
  EXPECT_EQ(place.text.x, 2 + 8 + 4);
  EXPECT_EQ(s.At(place.glyph.x + 3, place.glyph.y + 3), fw::clRed);
  // The caption's ink starts after the glyph and stays beside it.
  GdiFlush();
  int textInkLeft = 160;
  for (int y = 0; y < 40; ++y) {
    for (int x = place.glyph.x + 8; x < 160; ++x) {
      if (s.bitmap.Pixel(x, y) != fw::clWhite) textInkLeft = std::min(textInkLeft, x);
    }
  }
  EXPECT_GE(textInkLeft, place.text.x);
  EXPECT_LT(textInkLeft, place.text.x + 6);

  // Pressed: everything one pixel right and down; the marker runs under the glyph.
  look.pressed = true;
  look.marker = true;
  look.markerColor = fw::RGBColor(0, 0, 255);
  Surface p(160, 40);
  const sk::TskGlyphTextPlace pressed = sk::DrawBitmapGlyphAndText(p.canvas, r, look, strip, 2, 1, L"Open");
  EXPECT_EQ(pressed.glyph, (fw::TPoint{place.glyph.x + 1, place.glyph.y + 1}));
  EXPECT_EQ(pressed.text, (fw::TPoint{place.text.x + 1, place.text.y + 1}));
  for (int row = pressed.glyph.y + 6; row <= pressed.glyph.y + 8; ++row) {
    EXPECT_EQ(p.At(pressed.glyph.x + 15, row), look.markerColor) << row;  // the whole strip's width
  }
  EXPECT_NE(p.At(pressed.glyph.x + 16, pressed.glyph.y + 8), look.markerColor);
}

TEST(PixelsGlyphs, MarkersWithoutGlyph) {
  const fw::TRect r{0, 0, 100, 30};
  sk::TskGlyphButtonLook look;
  look.marker = true;
  look.markerColor = fw::RGBColor(0, 0, 255);
  // Neither glyph nor caption: a filled block inside the rectangle.
  Surface s(100, 30);
  sk::DrawImageListGlyphAndText(s.canvas, r, look, true, nullptr, 0, L"");
  EXPECT_EQ(s.Ink(), (fw::TRect{4, 4, 98, 26}));
  // A caption only: three lines under the text.
  Surface t(100, 30);
  const sk::TskGlyphTextPlace place = sk::DrawImageListGlyphAndText(t.canvas, r, look, true, nullptr, 0, L"Go");
  const int th = sk::SkinTextHeight(t.canvas, L"Go");
  for (int row = place.text.y + th - 1; row <= place.text.y + th + 1; ++row) {
    EXPECT_EQ(t.At(place.text.x, row), look.markerColor);
  }
  // An image list entry is drawn keyed, in grey when disabled.
  const sk::TskImageList images(TwoFrameStrip(), 8, 8);
  EXPECT_EQ(images.Count(), 2);
  Surface u(100, 30);
  look.marker = false;
  const sk::TskGlyphTextPlace glyphOnly = sk::DrawImageListGlyphAndText(u.canvas, r, look, false, &images, 0, L"");
  const fw::TColor grey = u.At(glyphOnly.glyph.x + 3, glyphOnly.glyph.y + 3);
  EXPECT_EQ(fw::RedOf(grey), fw::GreenOf(grey));
  EXPECT_EQ(fw::RedOf(grey), 76);
  EXPECT_EQ(u.At(glyphOnly.glyph.x, glyphOnly.glyph.y), fw::clWhite);
}

TEST(PixelsPenGlyphs, LinesLeaveOutTheirEndPoint) {
  const fw::TColor ink = fw::RGBColor(0, 0, 128);
  Surface s(20, 20);
  s.canvas.Pen().color = fw::clRed;
  sk::DrawCloseImage(s.canvas, 0, 0, ink);
  EXPECT_EQ(s.At(1, 1), ink);
  EXPECT_EQ(s.At(8, 8), ink);
  EXPECT_EQ(s.At(9, 9), fw::clWhite);
  EXPECT_EQ(s.canvas.Pen().color, fw::clRed);  // the caller's pen is given back

  Surface tray(20, 20);
  sk::DrawTrayImage(tray.canvas, 0, 0, ink);
  EXPECT_EQ(tray.Ink(), (fw::TRect{2, 2, 7, 7}));
  EXPECT_EQ(tray.At(4, 4), ink);

  Surface max(20, 20);
  sk::DrawMaximizeImage(max.canvas, 0, 0, ink);
  EXPECT_EQ(max.Ink(), (fw::TRect{0, 0, 11, 10}));
  EXPECT_EQ(max.At(5, 5), fw::clWhite);  // hollow
  EXPECT_EQ(max.At(5, 1), ink);          // the title bar's double line

  Surface down(20, 20);
  sk::DrawArrowImage(down.canvas, {0, 0, 20, 20}, ink, sk::adDown);
  EXPECT_EQ(down.Ink(), (fw::TRect{7, 9, 14, 13}));
  EXPECT_EQ(down.At(10, 12), ink);
  EXPECT_EQ(down.At(9, 12), fw::clWhite);

  Surface left(20, 20);
  sk::DrawArrowImage(left.canvas, {0, 0, 20, 20}, ink, sk::adLeft);
  EXPECT_EQ(left.Ink(), (fw::TRect{8, 7, 12, 14}));
  EXPECT_EQ(left.At(8, 10), ink);
  EXPECT_EQ(left.At(8, 11), fw::clWhite);

  Surface drop(20, 20);
  sk::DrawDropDownImage(drop.canvas, {0, 0, 20, 20}, ink);
  EXPECT_EQ(drop.Ink(), (fw::TRect{8, 10, 13, 13}));
}

}  // namespace
