#include <gtest/gtest.h>
#include <windows.h>

#include "framework/Exceptions.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "pixels_surface.h"
#include "skin/pixels/skEffectsBitmapDC.h"
#include "skin/pixels/skEffectsBmpDC.h"
#include "skin/pixels/skEffectsText.h"
#include "skin/pixels/skUtilsBackdrop.h"
#include "skin/pixels/skUtilsText.h"

namespace {

using pixels::Surface;

constexpr uint32_t Rgb(uint32_t pixel) { return pixel & 0x00FFFFFFu; }

int Blend(int a, int s, int d) {
  return sk::UsesMmxBlend() ? sk::BlendChannelMmx(a, s, d) : sk::BlendChannelPlain(a, s, d);
}

TEST(PixelsBitmapDC, CanvasDrawsIntoThePixelsAndFollowsAResize) {
  const int before = sk::BitmapsWithDCCount();
  {
    sk::TskBitmap b(20, 10);
    EXPECT_EQ(sk::BitmapsWithDCCount(), before);  // made on first use only
    fw::TCanvas& canvas = b.Canvas();
    EXPECT_EQ(sk::BitmapsWithDCCount(), before + 1);
    EXPECT_EQ(sk::FindBitmapByDC(canvas.Handle()), &b);
    canvas.Brush() = {fw::clRed, fw::TBrushStyle::bsSolid};
    canvas.FillRect({0, 0, 5, 5});
    GdiFlush();
    EXPECT_EQ(Rgb(b.Pixel(2, 2)), 0xFF0000u);
    EXPECT_EQ(Rgb(b.Pixel(6, 2)), 0u);

    b.SetDimensions(-30, 12);
    EXPECT_EQ(b.Width(), 30);
    EXPECT_EQ(&b.Canvas(), &canvas);  // the same canvas, now on the new pixels
    canvas.FillRect({25, 10, 30, 12});
    GdiFlush();
    EXPECT_EQ(Rgb(b.Pixel(29, 11)), 0xFF0000u);

    sk::TskBitmap copy(b);  // pixels, not the device context
    EXPECT_EQ(copy.Device(), nullptr);
    EXPECT_EQ(Rgb(copy.Pixel(29, 11)), 0xFF0000u);
  }
  EXPECT_EQ(sk::BitmapsWithDCCount(), before);
  EXPECT_EQ(sk::FindBitmapByDC(nullptr), nullptr);
}

TEST(PixelsBitmapDC, PixelsHeldByAnotherDCAreRefusedWithTheMessage) {
  sk::TskBitmap b(4, 4);
  fw::MemoryDC other;
  const HGDIOBJ old = SelectObject(other.Get(), static_cast<HGDIOBJ>(b.Bitmap().NativeHandle()));
  const int before = sk::BitmapsWithDCCount();
  try {
    b.Canvas();
    FAIL() << "no error";
  } catch (const fw::Exception& e) {
    EXPECT_EQ(e.Message(), L"Can't bslect an object into DC");
  }
  EXPECT_EQ(sk::BitmapsWithDCCount(), before);
  SelectObject(other.Get(), old);
  EXPECT_NO_THROW(b.Canvas());
}

TEST(PixelsBitmapDC, DrawingOntoAListedBitmapGoesBitmapToBitmap) {
  sk::TskBitmap source(4, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) source.SetPixel(x, y, 0x80C04020u);  // alpha 128
  }
  source.SetAlphaBlend(true);
  sk::TskBitmap target(12, 12);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) target.SetPixel(x, y, 0xFF102030u);
  }
  fw::TCanvas& canvas = target.Canvas();
  SetWindowOrgEx(canvas.Handle(), 2, 1, nullptr);
  source.DrawTo(canvas, 5, 5);
  SetWindowOrgEx(canvas.Handle(), 0, 0, nullptr);
  const uint32_t expected = 0xFF000000u | uint32_t(Blend(128, 0xC0, 0x10)) << 16 |
                            uint32_t(Blend(128, 0x40, 0x20)) << 8 | uint32_t(Blend(128, 0x20, 0x30));
  EXPECT_EQ(target.Pixel(3, 4), expected);
  EXPECT_EQ(target.Pixel(6, 7), expected);
  EXPECT_EQ(target.Pixel(7, 8), 0xFF102030u);
  EXPECT_EQ(target.Pixel(2, 4), 0xFF102030u);
}

TEST(PixelsBitmapDC, ModesOntoAPlainDeviceContext) {
  sk::TskBitmap source(4, 2);
  for (int x = 0; x < 4; ++x) {
    source.SetPixel(x, 0, sk::ColorToPixel(fw::RGBColor(0, 0, 200)));
    source.SetPixel(x, 1, sk::ColorToPixel(sk::SkinTransparentKeyColor));
  }
  // Transparent: the key colour leaves the ground.
  source.SetTransparent(true);
  Surface keyed(10, 10);
  source.DrawTo(keyed.canvas, 1, 1);
  EXPECT_EQ(keyed.At(1, 1), fw::RGBColor(0, 0, 200));
  EXPECT_EQ(keyed.At(1, 2), fw::clWhite);
  // Copy, stretched: every pixel, key included, nearest pixel.
  source.SetTransparent(false);
  Surface copied(10, 10);
  source.DrawTo(copied.canvas, {0, 0, 8, 4}, {0, 0, 4, 2});
  EXPECT_EQ(copied.At(7, 0), fw::RGBColor(0, 0, 200));
  EXPECT_EQ(copied.At(7, 3), sk::SkinTransparentKeyColor);
  EXPECT_EQ(copied.At(8, 0), fw::clWhite);
  // Alpha blend: through a copy of the ground, by our own formula.
  for (int x = 0; x < 4; ++x) source.SetPixel(x, 0, 0x40FF0000u);  // red, alpha 64
  for (int x = 0; x < 4; ++x) source.SetPixel(x, 1, 0x00000000u);  // fully transparent
  source.SetAlphaBlend(true);
  Surface blended(10, 10);
  source.DrawTo(blended.canvas, 2, 2);
  EXPECT_EQ(blended.At(2, 2), fw::RGBColor(255, Blend(64, 0, 255), Blend(64, 0, 255)));
  EXPECT_EQ(blended.At(2, 3), fw::clWhite);
}

TEST(PixelsEffectBmp, FromAHandleAndBackOntoADeviceContext) {
  fw::TBitmap picture(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) picture.SetPixel(x, y, fw::RGBColor(x * 40, y * 80, 7));
  }
  const sk::TskEffectBmp effect = sk::EffectBmpFromHandle(static_cast<HBITMAP>(picture.NativeHandle()));
  ASSERT_EQ(effect.Width(), 5);
  ASSERT_EQ(effect.Height(), 3);
  EXPECT_EQ(effect.Row(2)[3 * 4 + 2], 160);  // red of (4, 2)
  EXPECT_EQ(effect.Row(2)[3 * 4 + 1], 160);  // green
  EXPECT_EQ(effect.Row(2)[3 * 4 + 0], 7);    // blue

  // A palette picture comes out as RGB.
  fw::TBitmap indexed(2, 1, fw::TPixelFormat::pf8bit);
  std::vector<fw::TPaletteEntry> palette(256);
  palette[1] = {10, 20, 30, 0};
  indexed.SetPalette(palette);
  indexed.ScanLine(0)[1] = 1;
  const sk::TskEffectBmp rgb = sk::EffectBmpFromHandle(static_cast<HBITMAP>(indexed.NativeHandle()));
  ASSERT_EQ(rgb.Width(), 2);
  EXPECT_EQ(rgb.Row(0)[3], 10);
  EXPECT_EQ(rgb.Row(0)[5], 30);

  Surface s(10, 10);
  sk::DrawAt(effect, s.canvas.Handle(), 2, 3);
  EXPECT_EQ(s.At(6, 5), fw::RGBColor(160, 160, 7));
  EXPECT_EQ(s.At(7, 5), fw::clWhite);
  EXPECT_EQ(s.Ink(), (fw::TRect{2, 3, 7, 6}));

  EXPECT_EQ(sk::EffectBmpFromHandle(nullptr).Width(), 0);
}

// Whether any pixel of the band is tinted towards blue.
bool BlueTintIn(Surface& s, const fw::TRect& band) {
  GdiFlush();
  for (int y = std::max(band.top, 0); y < std::min(band.bottom, s.bitmap.Height()); ++y) {
    for (int x = std::max(band.left, 0); x < std::min(band.right, s.bitmap.Width()); ++x) {
      const fw::TColor c = s.bitmap.Pixel(x, y);
      if (fw::BlueOf(c) > fw::RedOf(c) + 20) return true;
    }
  }
  return false;
}

TEST(PixelsTextEffects, GlowsAndReflectionsLieAroundTheText) {
  const fw::TColor blue = fw::RGBColor(0, 0, 255);
  const UINT flags = DT_SINGLELINE | DT_LEFT | DT_TOP;
  {
    Surface s(160, 60);
    const fw::TRect r{30, 20, 130, 40};
    sk::DrawGlowText(s.canvas, r, L"Glow", 4, blue, 0, flags);
    const fw::TRect ink = s.Ink();
    EXPECT_LT(ink.left, r.left);  // the halo reaches beyond the text's rectangle
    EXPECT_GE(ink.left, r.left - 4);
    EXPECT_TRUE(BlueTintIn(s, {r.left - 4, r.top - 4, r.left, r.bottom}));
    EXPECT_EQ(s.canvas.Brush().style, fw::TBrushStyle::bsSolid);
  }
  {
    Surface s(160, 80);
    const fw::TRect r{30, 30, 130, 50};
    sk::DrawSoftGlowText(s.canvas, r, L"Soft", blue, flags);
    EXPECT_TRUE(BlueTintIn(s, {r.left - 12, r.top - 12, r.left - 2, r.bottom + 12}));
    EXPECT_FALSE(BlueTintIn(s, {0, 0, r.left - 13, 80}));
  }
  {
    Surface s(160, 80);
    const fw::TRect r{30, 10, 130, 30};
    sk::DrawReflectedText(s.canvas, r, L"Mirror", blue, 0, flags);
    const int th = sk::SkinTextHeight(s.canvas, L"Mirror");
    EXPECT_FALSE(BlueTintIn(s, {0, 0, 160, r.top + th}));
    EXPECT_TRUE(BlueTintIn(s, {r.left, r.top + th, r.right, r.top + 2 * th}));
  }
}

// A windowless control that paints itself in one colour and notes whether
// its parent was copying a backdrop at the time.
class Block : public fw::TGraphicControl {
 public:
  Block(fw::TComponent* owner, fw::TColor color) : fw::TGraphicControl(owner), color_(color) {}
  bool sawCopy = false;

 protected:
  void Paint() override {
    sawCopy = sk::IsPaintingBackdropCopy(Parent());
    Canvas().Brush() = {color_, fw::TBrushStyle::bsSolid};
    Canvas().FillRect({0, 0, Width(), Height()});
  }

 private:
  fw::TColor color_;
};

TEST(PixelsBackdrop, ParentBackgroundAndEarlierSiblingsShowThrough) {
  fw::TForm form(nullptr);
  form.SetBounds(0, 0, 200, 200);
  auto* panel = fw::TComponent::Create<fw::TPanel>(&form);
  panel->SetParent(&form);
  panel->SetBounds(10, 10, 150, 150);
  panel->SetBevelOuter(fw::TBevelCut::bvNone);
  panel->SetColor(fw::RGBColor(200, 0, 0));
  auto* before = fw::TComponent::Create<Block>(&form, fw::RGBColor(0, 0, 200));
  before->SetParent(panel);
  before->SetBounds(20, 20, 30, 30);
  auto* control = fw::TComponent::Create<Block>(&form, fw::clBlack);
  control->SetParent(panel);
  control->SetBounds(40, 40, 40, 40);
  auto* after = fw::TComponent::Create<Block>(&form, fw::RGBColor(0, 200, 0));
  after->SetParent(panel);
  after->SetBounds(60, 60, 30, 30);
  panel->HandleNeeded();

  Surface s(40, 40);
  sk::CopyParentBackdrop(*control, s.canvas);
  EXPECT_EQ(s.At(0, 0), fw::RGBColor(0, 0, 200));  // the earlier sibling
  EXPECT_EQ(s.At(9, 9), fw::RGBColor(0, 0, 200));
  EXPECT_EQ(s.At(10, 10), fw::RGBColor(200, 0, 0));  // the parent's colour
  EXPECT_EQ(s.At(30, 30), fw::RGBColor(200, 0, 0));  // the later sibling is not copied
  EXPECT_TRUE(before->sawCopy);
  EXPECT_FALSE(after->sawCopy);
  EXPECT_FALSE(sk::IsPaintingBackdropCopy(panel));

  // Without a parent nothing is drawn.
  Block orphan(nullptr, fw::clBlack);
  Surface t(10, 10);
  sk::CopyParentBackdrop(orphan, t.canvas);
  EXPECT_TRUE(t.Ink().IsEmpty());
}

}  // namespace
