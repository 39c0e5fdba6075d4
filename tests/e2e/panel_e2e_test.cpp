// The main window's top panel as it shows on screen: its frame and client
// area come from the skin's panel picture, and the upper banner stands in
// its client area at the right, also when the window grows.
#include <gtest/gtest.h>

#include <string>

#include "E2eHarness.h"
#include "framework/Bmp.h"

using namespace std::chrono_literals;
using e2e::QuilletProcess;

namespace {

std::filesystem::path WinePath(const std::string& unixPath) {
  std::wstring path(unixPath.begin(), unixPath.end());
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  for (auto& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

// The skin's panel: picture controls.bmp, skinrect 141,4,200,56, client
// rectangle 2,2,57,50, so the frame is 2 pixels wide on every side.
constexpr int kSkinLeft = 141, kSkinTop = 4, kSkinWidth = 59, kSkinHeight = 52;
constexpr int kClientLeft = 2, kClientTop = 2, kClientRight = 57;

// 0x00RRGGBB of the skin picture at (x, y) of the panel's skin rectangle.
uint32_t Skin(const fw::TBitmap& picture, int x, int y) {
  const fw::TColor c = picture.Pixel(kSkinLeft + x, kSkinTop + y);  // 0x00BBGGRR
  return static_cast<uint32_t>(fw::RedOf(c) << 16 | fw::GreenOf(c) << 8 | fw::BlueOf(c));
}

HWND TopPanel(HWND form) {
  HWND found = nullptr;
  for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&r), 2);
    if (r.left == 0 && r.top == 0 && r.bottom == 49) found = child;
  }
  return found;
}

e2e::ClientPixels Shown(const QuilletProcess& app, HWND panel) {
  e2e::KeepOnTop(app.Window());
  RedrawWindow(app.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  app.Sync();
  e2e::ClientPixels shown;
  // Wait for the banner's placeholder, drawn at the first show.
  e2e::WaitFor(
      [&] {
        app.Sync();
        shown = e2e::CaptureClient(panel);
        return shown.width > 0 && shown.At(shown.width - 2 - 233, 2) == 0xFF0000;
      },
      5s);
  return shown;
}

// Frame and client area against the skin at the panel's width w (height 49).
void ExpectSkinnedPanel(const e2e::ClientPixels& c, const fw::TBitmap& picture) {
  const int w = c.width, h = c.height;
  const int dx = w - kSkinWidth, dy = h - kSkinHeight;
  ASSERT_EQ(h, 49);
  // The four corners, one to one.
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{1, 1}, std::pair{w - 1, 0}, std::pair{w - 2, 1},
                             std::pair{0, h - 1}, std::pair{1, h - 2}, std::pair{w - 1, h - 1}}) {
    const int sx = x >= w - 2 ? x - dx : x;
    const int sy = y >= h - 2 ? y - dy : y;
    EXPECT_EQ(c.At(x, y), Skin(picture, sx, sy)) << x << "," << y;
  }
  // The client slice (55 x 48) tiled from the client rectangle's corner,
  // its gradient running down.
  const int sliceWidth = kClientRight - kClientLeft;
  int wrong = 0;
  for (int y = 2; y < h - 2; ++y) {
    for (int x = 2; x < 436; x += 7) {
      wrong += c.At(x, y) != Skin(picture, kClientLeft + (x - 2) % sliceWidth, kClientTop + (y - 2));
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_NE(c.At(10, 3), c.At(10, h - 4)) << "a gradient, not a flat bevel panel";
}

}  // namespace

TEST(PanelE2e, TopPanelWearsTheSkinAndHoldsTheBannerAtItsRight) {
  const fw::TBitmap picture = fw::LoadBmpFile(WinePath(QUILLET_SKIN_DIR "/controls.bmp"));
  ASSERT_FALSE(picture.Empty());
  QuilletProcess app(e2e::MakeScratchDirectory(L"panel"));
  ASSERT_NE(app.Window(), nullptr);
  HWND panel = TopPanel(app.Window());
  ASSERT_NE(panel, nullptr);
  {
    SCOPED_TRACE("at the designed width");
    const e2e::ClientPixels c = Shown(app, panel);
    ASSERT_EQ(c.width, 671);
    ExpectSkinnedPanel(c, picture);
    // img1 fills (436, 2)-(669, 47): its placeholder's red corner, the skin left of it.
    EXPECT_EQ(c.At(436, 2), 0xFF0000u);
    EXPECT_EQ(c.At(435, 2), Skin(picture, kClientLeft + (435 - 2) % 55, kClientTop));
    EXPECT_EQ(c.At(668, 46), 0xFFFFFFu) << "the banner's white ground to its bottom-right";
  }
  {
    SCOPED_TRACE("at client width 800");
    RECT window, client;
    GetWindowRect(app.Window(), &window);
    GetClientRect(app.Window(), &client);
    const int frame = (window.right - window.left) - client.right;
    SetWindowPos(app.Window(), nullptr, 0, 0, 800 + frame, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    app.Sync();
    const e2e::ClientPixels c = Shown(app, panel);
    ASSERT_EQ(c.width, 800);
    ExpectSkinnedPanel(c, picture);
    EXPECT_EQ(c.At(565, 2), 0xFF0000u);
    EXPECT_NE(c.At(436, 2), 0xFF0000u);
  }
  EXPECT_EQ(app.MessageBoxWindow(), nullptr);
}
