// Image lists and icons on real device contexts: masked and disabled
// drawing, icons taken in with their mask or alpha, icon loading and
// handle ownership.
#include <gtest/gtest.h>

#include "framework/Canvas.h"
#include "framework/Exceptions.h"
#include "framework/Icons.h"
#include "framework/ImgList.h"

using namespace fw;

namespace {

constexpr TColor kGround = RGBColor(0, 0, 200);

// A 24-bit surface filled with the ground colour.
TBitmap Surface(int width, int height) {
  TBitmap b(width, height, TPixelFormat::pf24bit);
  TBitmapCanvas canvas(b);
  canvas.Brush().color = kGround;
  canvas.FillRect({0, 0, width, height});
  GdiFlush();
  return b;
}

TColor At(const TBitmap& b, int x, int y) {
  GdiFlush();
  return b.Pixel(x, y);
}

TEST(ImageListDrawing, TransparentPixelsKeepTheGroundAndDisabledImagesAreEmbossed) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  const TColor key = RGBColor(255, 0, 255);
  TBitmap strip(8, 4, TPixelFormat::pf24bit);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) strip.SetPixel(x, y, key);
  }
  strip.SetPixel(1, 1, clRed);
  strip.SetPixel(5, 2, RGBColor(0, 128, 0));
  ASSERT_EQ(list.AddMasked(strip, key), 0);

  TBitmap surface = Surface(20, 10);
  {
    TBitmapCanvas canvas(surface);
    list.Draw(canvas, 2, 3, 0);
    list.Draw(canvas, 10, 3, 1, false);
    list.Draw(canvas, 15, 3, 2);   // no such image: nothing
    list.Draw(canvas, 15, 3, -1);  // likewise
  }
  EXPECT_EQ(At(surface, 3, 4), clRed);
  EXPECT_EQ(At(surface, 2, 3), kGround);
  EXPECT_EQ(At(surface, 5, 6), kGround);
  // Disabled: the shape in the shadow colour, its echo down-right in the highlight.
  EXPECT_EQ(At(surface, 11, 5), static_cast<TColor>(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(At(surface, 12, 6), static_cast<TColor>(ColorToRGB(clBtnHighlight)));
  EXPECT_EQ(At(surface, 10, 3), kGround);
  for (int x = 15; x < 20; ++x) EXPECT_EQ(At(surface, x, 5), kGround);
}

// A 2x2 icon: colour red except a green top-right pixel, the bottom-left transparent.
HICON MaskedIcon() {
  TBitmap colour(2, 2, TPixelFormat::pf24bit);
  colour.SetPixel(0, 0, clRed);
  colour.SetPixel(1, 0, RGBColor(0, 255, 0));
  colour.SetPixel(0, 1, clBlack);  // under the mask
  colour.SetPixel(1, 1, clRed);
  HBITMAP mask = CreateBitmap(2, 2, 1, 1, nullptr);
  {
    MemoryDC dc;
    SelectedObject selected(dc.Get(), mask);
    PatBlt(dc.Get(), 0, 0, 2, 2, BLACKNESS);
    SetPixel(dc.Get(), 0, 1, RGB(255, 255, 255));
  }
  ICONINFO info{TRUE, 0, 0, mask, static_cast<HBITMAP>(colour.NativeHandle())};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  return icon;
}

TEST(ImageListDrawing, IconsBringTheirMaskOrTheirAlpha) {
  TImageList list(nullptr);
  list.SetWidth(2);
  list.SetHeight(2);
  TIcon masked(MaskedIcon());
  ASSERT_FALSE(masked.Empty());
  EXPECT_EQ(masked.Width(), 2);
  EXPECT_EQ(masked.Height(), 2);
  EXPECT_EQ(list.AddIcon(masked), 0);

  // 32 bits with a half-transparent pixel.
  TBitmap alpha(2, 2, TPixelFormat::pf32bit);
  for (int y = 0; y < 2; ++y) {
    uint8_t* row = alpha.ScanLine(y);
    for (int x = 0; x < 2; ++x) {
      row[x * 4 + 2] = 255;  // red
      row[x * 4 + 3] = 255;
    }
  }
  alpha.ScanLine(1)[3] = 128;
  HBITMAP mask = CreateBitmap(2, 2, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, static_cast<HBITMAP>(alpha.NativeHandle())};
  TIcon blended(CreateIconIndirect(&info));
  DeleteObject(mask);
  EXPECT_EQ(list.AddIcon(blended), 1);
  EXPECT_EQ(list.AddIcon(TIcon()), -1);

  TBitmap surface = Surface(6, 2);
  {
    TBitmapCanvas canvas(surface);
    list.Draw(canvas, 0, 0, 0);
    list.Draw(canvas, 3, 0, 1);
  }
  EXPECT_EQ(At(surface, 0, 0), clRed);
  EXPECT_EQ(At(surface, 1, 0), RGBColor(0, 255, 0));
  EXPECT_EQ(At(surface, 0, 1), kGround);
  EXPECT_EQ(At(surface, 3, 0), clRed);
  const TColor half = At(surface, 3, 1);
  EXPECT_NEAR(RedOf(half), 128, 2);
  EXPECT_NEAR(BlueOf(half), 100, 2);
}

TEST(Icons, LoadFromFileAndResourceOwnTheirHandle) {
  const int before = HandleCounters::User();
  {
    TIcon file;
    file.LoadFromFile(QUILLET_ICON_FILE, 32, 32);
    EXPECT_EQ(file.Width(), 32);
    EXPECT_EQ(HandleCounters::User(), before + 1);

    TIcon resource;
    resource.LoadFromResourceName(GetModuleHandleW(nullptr), L"MAINICON", 16, 16);
    EXPECT_EQ(resource.Width(), 16);

    TIcon moved(std::move(resource));
    EXPECT_TRUE(resource.Empty());
    EXPECT_EQ(HandleCounters::User(), before + 2);

    TBitmap surface = Surface(32, 32);
    {
      TBitmapCanvas canvas(surface);
      file.Draw(canvas, 0, 0);
    }
    int painted = 0;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) painted += At(surface, x, y) != kGround;
    }
    EXPECT_GT(painted, 32 * 32 / 4);

    HICON given = moved.ReleaseHandle();
    EXPECT_EQ(HandleCounters::User(), before + 1);
    DestroyIcon(given);

    EXPECT_THROW(file.LoadFromFile(L"C:\\no\\such.ico"), EInvalidGraphic);
    EXPECT_THROW(file.LoadFromResourceID(GetModuleHandleW(nullptr), 4711), EInvalidGraphic);
    EXPECT_FALSE(file.Empty());  // a failed load keeps the icon it had
  }
  EXPECT_EQ(HandleCounters::User(), before);
}

}  // namespace
