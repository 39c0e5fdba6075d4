#include <gtest/gtest.h>
#include <windows.h>

#include <random>

#include "skin/layers/skLayersFade.h"
#include "skin/layers/skLayers.h"
#include "skin/pixels/skUtilsMask.h"
#include "skin/pixels/skUtilsProbes.h"
#include "skin/pixels/skUtilsRegion.h"

namespace {

fw::TBitmap RandomMask(std::mt19937& rng, int w, int h) {
  fw::TBitmap mask(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) mask.SetPixel(x, y, rng() % 3 == 0 ? fw::clWhite : fw::clBlack);
  }
  return mask;
}

TEST(PixelsRegion, RegionFromMaskHoldsExactlyTheBlackPixels) {
  std::mt19937 rng(21);
  for (int round = 0; round < 5; ++round) {
    const fw::TBitmap mask = RandomMask(rng, 37 + round * 13, 11 + round);
    const auto region = sk::CreateRegionFromMask(mask);
    ASSERT_TRUE(region);
    for (int y = 0; y < mask.Height(); ++y) {
      for (int x = 0; x < mask.Width(); ++x) {
        ASSERT_EQ(PtInRegion(region.Get(), x, y) != 0, mask.Pixel(x, y) == fw::clBlack) << x << "," << y;
      }
    }
    // The system's own rectangles cover the same pixel count.
    const DWORD size = GetRegionData(region.Get(), 0, nullptr);
    std::vector<uint8_t> data(size);
    ASSERT_EQ(GetRegionData(region.Get(), size, reinterpret_cast<RGNDATA*>(data.data())), size);
    int64_t area = 0;
    for (const auto& r : sk::RegionDataRects(data)) area += int64_t(r.right - r.left) * (r.bottom - r.top);
    int64_t black = 0;
    for (int y = 0; y < mask.Height(); ++y) {
      for (int x = 0; x < mask.Width(); ++x) black += mask.Pixel(x, y) == fw::clBlack;
    }
    EXPECT_EQ(area, black);
  }
}

TEST(PixelsRegion, SkinRegionJoinsClientAndStrips) {
  // A 20 x 20 mask, 4-pixel border: black except a white top-left corner pixel.
  fw::TBitmap mask(20, 20);
  mask.SetPixel(0, 0, fw::clWhite);
  const sk::TskCornerModel corners{{6, 6}, {14, 6}, {6, 14}, {14, 14}, {4, 4, 16, 16}};
  const sk::TskCornerModel mapped = sk::MapCornerModel(corners, 20, 20, 50, 40);
  const auto region = sk::CreateSkinRegion(corners, corners.client, mask, 40, 50, mapped);
  ASSERT_TRUE(region);
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 1, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 49, 39));
  EXPECT_TRUE(PtInRegion(region.Get(), 25, 20));
  EXPECT_FALSE(PtInRegion(region.Get(), 50, 20));
  // Narrower than its corners: no region.
  const sk::TskCornerModel narrow = sk::MapCornerModel(corners, 20, 20, 10, 40);
  EXPECT_FALSE(sk::CreateSkinRegion(corners, corners.client, mask, 40, 10, narrow));
}

TEST(PixelsProbes, ProbesAnswerAndAWindowFadesToItsAlpha) {
  EXPECT_TRUE(sk::IsWindows2000OrLater());
  EXPECT_TRUE(sk::IsWindowsXPOrLater() || sk::IsWindowsVistaOrLater());
  EXPECT_TRUE(sk::HasUpdateLayeredWindow());
  fw::TRect work;
  sk::GetMonitorWorkArea(nullptr, true, work);
  EXPECT_GT(work.right - work.left, 0);
  fw::TRect screen;
  sk::GetMonitorWorkArea(nullptr, false, screen);
  EXPECT_EQ(screen.left, 0);
  EXPECT_EQ(screen.right, GetSystemMetrics(SM_CXSCREEN));

  HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"fade", WS_POPUP, 10, 10, 50, 50, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(window);
  sk::SetWindowAlpha(window, 0);
  sk::FadeInWindowAlpha(window, 205);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 205);
  EXPECT_TRUE(flags & LWA_ALPHA);
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  sk::GetScrollBarInfoSafe(window, OBJID_VSCROLL, info);
  DestroyWindow(window);
}

}  // namespace
