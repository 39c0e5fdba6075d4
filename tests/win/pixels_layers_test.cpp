#include <gtest/gtest.h>
#include <windows.h>

#include "skin/layers/skLayers.h"

namespace {

// Delivers messages (the fade timer's ticks) until done() or the time is up.
template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(1);
  }
  return true;
}

fw::TBitmap Filled(int w, int h, fw::TColor color) {
  fw::TBitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, color);
  }
  return b;
}

int LayerWindowsOfThisThread() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND wnd, LPARAM counter) -> BOOL {
        wchar_t name[64] = {};
        GetClassNameW(wnd, name, 64);
        if (std::wstring(name) == L"TskLayerWindow") ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(PixelsLayers, LayerFadesInToItsTargetAndTheTimerStops) {
  sk::TskLayerManager manager(nullptr);
  EXPECT_FALSE(manager.Visible());
  EXPECT_FALSE(manager.Fading());
  const fw::TBitmap glow = Filled(24, 16, fw::RGBColor(255, 200, 0));
  const fw::TBitmap mask = Filled(24, 16, fw::RGBColor(128, 128, 128));
  manager.ShowLayer(100, 120, 255, mask, glow);
  ASSERT_NE(manager.LayerWindow(), nullptr);
  EXPECT_TRUE(manager.Visible());
  EXPECT_TRUE(manager.Fading());
  EXPECT_EQ(manager.AlphaStep(), 25);
  EXPECT_EQ(manager.CurrentAlpha(), 0);
  // The picture keeps the glow's colours and takes the mask's grey as alpha.
  EXPECT_EQ(manager.LayerPicture()->Pixel(3, 3), 0x80FFC800u);

  const HWND wnd = manager.LayerWindow()->Handle();
  EXPECT_TRUE(IsWindowVisible(wnd));
  const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_LAYERED);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  RECT bounds{};
  GetWindowRect(wnd, &bounds);
  EXPECT_EQ(bounds.left, 100);
  EXPECT_EQ(bounds.top, 120);
  EXPECT_EQ(bounds.right - bounds.left, 24);

  ASSERT_TRUE(PumpUntil([&] { return !manager.Fading(); }));
  EXPECT_EQ(manager.CurrentAlpha(), 255);
  EXPECT_TRUE(sk::UpdateLayeredWindowFromBitmap(*manager.LayerPicture(), 255, *manager.LayerWindow()));
  // Clicking the layer never activates it.
  EXPECT_EQ(SendMessageW(wnd, WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)), MA_NOACTIVATE);

  manager.HideLayer();
  EXPECT_FALSE(manager.Visible());
  EXPECT_FALSE(manager.Fading());
  EXPECT_EQ(manager.LayerWindow(), nullptr);
  EXPECT_EQ(manager.LayerPicture(), nullptr);
  EXPECT_FALSE(IsWindow(wnd));
}

TEST(PixelsLayers, SmallTargetsStillArriveAndOnlyOneLayerIsUp) {
  sk::TskLayerManager manager(nullptr);
  manager.SetTopMost(false);
  const fw::TBitmap glow = Filled(8, 8, fw::clWhite);
  manager.ShowLayer(10, 10, 200, glow, glow);
  manager.ShowLayer(20, 20, 5, glow, glow);
  EXPECT_EQ(LayerWindowsOfThisThread(), 1);
  EXPECT_FALSE(GetWindowLongW(manager.LayerWindow()->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(manager.AlphaStep(), 1);
  ASSERT_TRUE(PumpUntil([&] { return !manager.Fading(); }));
  EXPECT_EQ(manager.CurrentAlpha(), 5);
  manager.HideLayer();
  EXPECT_EQ(LayerWindowsOfThisThread(), 0);
}

TEST(PixelsLayers, AManagerFreedWhileFadingTakesItsLayerAlong) {
  HWND wnd = nullptr;
  {
    sk::TskLayerManager manager(nullptr);
    const fw::TBitmap glow = Filled(8, 8, fw::clWhite);
    manager.ShowLayer(10, 10, 255, glow, glow);
    wnd = manager.LayerWindow()->Handle();
    EXPECT_TRUE(manager.Fading());
  }
  EXPECT_FALSE(IsWindow(wnd));
  EXPECT_TRUE(PumpUntil([] { return true; }));  // no tick reaches a freed manager
  Sleep(60);
  EXPECT_TRUE(PumpUntil([] { return true; }));
}

}  // namespace
