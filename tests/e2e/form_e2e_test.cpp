// The main window's skinned frame as a user meets it: its size and shape,
// the caption in the skin's colours, the close, maximise, roll-up and
// minimise buttons and the caption's double click under a real mouse.
#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "E2eHarness.h"
#include "E2eInput.h"
#include "E2eWindows.h"

using namespace std::chrono_literals;
using e2e::QuilletProcess;

namespace {

// The close button at window width w: (w - 24, 5, w - 3, 26).
RECT CloseButton(HWND window) {
  RECT w;
  GetWindowRect(window, &w);
  const int width = w.right - w.left;
  return {width - 24, 5, width - 3, 26};
}

POINT OnScreen(HWND window, int x, int y) {
  RECT w;
  GetWindowRect(window, &w);
  return {w.left + x, w.top + y};
}

POINT CloseCentre(HWND window) {
  const RECT b = CloseButton(window);
  return OnScreen(window, (b.left + b.right) / 2, (b.top + b.bottom) / 2);
}

std::vector<uint32_t> Pixels(const e2e::ClientPixels& image, const RECT& r) {
  std::vector<uint32_t> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.push_back(image.At(x, y));
  return out;
}

std::vector<uint32_t> CloseButtonPixels(HWND window) { return Pixels(e2e::CaptureWindow(window), CloseButton(window)); }

// Somewhere in the client area, clear of the frame and its buttons.
void MouseAway(HWND window) { e2e::MouseMove(e2e::ClientToScreenPoint(window, 330, 20)); }

int ChannelDistance(uint32_t a, uint32_t b) {
  int d = 0;
  for (int shift = 0; shift <= 16; shift += 8) d += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
  return d;
}

TEST(SkinnedFrameE2e, TheWindowWearsTheSkinsFrameShapeAndCaption) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"form"));
  const HWND window = app.Window();
  ASSERT_NE(window, nullptr);
  RECT w, client;
  GetWindowRect(window, &w);
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, e2e::ScaleDesigned(671));
  EXPECT_EQ(client.bottom, e2e::ScaleDesigned(534));
  EXPECT_EQ(w.right - w.left, client.right + 8);
  EXPECT_EQ(w.bottom - w.top, client.bottom + 31);
  const POINT origin = e2e::ClientToScreenPoint(window, 0, 0);
  EXPECT_EQ(origin.x - w.left, 4);
  EXPECT_EQ(origin.y - w.top, 27);
  EXPECT_EQ(GetWindowLongW(window, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);

  // Rounded top corners are cut away; the bottom and the middle are the window's.
  const e2e::WindowRegion region(window);
  ASSERT_TRUE(region.Exists());
  const int width = w.right - w.left, height = w.bottom - w.top;
  EXPECT_FALSE(region.Contains(0, 0));
  EXPECT_FALSE(region.Contains(width - 1, 0));
  EXPECT_TRUE(region.Contains(width / 2, 0));
  EXPECT_TRUE(region.Contains(width / 2, height / 2));
  EXPECT_TRUE(region.Contains(width / 2, height - 1));

  e2e::KeepOnTop(window);
  MouseAway(window);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ASSERT_TRUE(app.Sync());
  const e2e::ClientPixels whole = e2e::CaptureWindow(window);
  // The caption text in the skin's active colour, RGB(62, 106, 170).
  int ink = 0;
  for (int y = 5; y < 26; ++y)
    for (int x = 20; x < 200; ++x) ink += ChannelDistance(whole.At(x, y), 0x3E6AAA) < 60;
  EXPECT_GT(ink, 40);
  // The close button differs from the caption around it.
  EXPECT_NE(whole.At(width - 13, 15), whole.At(width - 140, 15));
  EXPECT_TRUE(app.Close());
}

TEST(SkinnedFrameE2e, TheCloseButtonLightsUnderTheMouseAndGoesBackWhenItLeaves) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"form-hover"));
  const HWND window = app.Window();
  ASSERT_NE(window, nullptr);
  e2e::KeepOnTop(window);
  MouseAway(window);
  ASSERT_TRUE(app.Sync());
  std::this_thread::sleep_for(300ms);
  const std::vector<uint32_t> rest = CloseButtonPixels(window);

  e2e::MouseMove(CloseCentre(window));
  EXPECT_TRUE(e2e::WaitFor([&] { return CloseButtonPixels(window) != rest; }, 3s));
  MouseAway(window);
  EXPECT_TRUE(e2e::WaitFor([&] { return CloseButtonPixels(window) == rest; }, 3s));
  EXPECT_TRUE(app.Close());
}

TEST(SkinnedFrameE2e, ReleasingOffTheCloseButtonKeepsTheWindowReleasingOnItCloses) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"form-close"));
  const HWND window = app.Window();
  ASSERT_NE(window, nullptr);
  e2e::KeepOnTop(window);
  MouseAway(window);
  ASSERT_TRUE(app.Sync());
  const std::vector<uint32_t> rest = CloseButtonPixels(window);

  // Press, drag off onto the caption, release: nothing happens.
  e2e::MouseMove(CloseCentre(window));
  ASSERT_TRUE(e2e::WaitFor([&] { return CloseButtonPixels(window) != rest; }, 3s));
  e2e::MouseDown();
  const POINT from = CloseCentre(window), to = OnScreen(window, 300, 15);
  for (int i = 1; i <= 8; ++i) {
    e2e::MouseMove({from.x + (to.x - from.x) * i / 8, from.y + (to.y - from.y) * i / 8});
    std::this_thread::sleep_for(20ms);
  }
  std::this_thread::sleep_for(300ms);
  e2e::MouseUp();
  std::this_thread::sleep_for(500ms);
  ASSERT_TRUE(app.Sync());
  EXPECT_TRUE(app.Running());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(e2e::WaitFor([&] { return CloseButtonPixels(window) == rest; }, 3s));

  // Press and release on it: the window closes and the program ends.
  e2e::MouseMove(CloseCentre(window));
  ASSERT_TRUE(e2e::WaitFor([&] { return CloseButtonPixels(window) != rest; }, 3s));
  e2e::MouseDown();
  std::this_thread::sleep_for(100ms);
  e2e::MouseUp();
  EXPECT_TRUE(e2e::WaitFor([&] { return !app.Running(); }, 10s));
}

// The caption buttons right of the close button, 23 pixels apart.
POINT ButtonCentre(HWND window, int fromClose) {
  const RECT b = CloseButton(window);
  return OnScreen(window, (b.left + b.right) / 2 - 23 * fromClose, (b.top + b.bottom) / 2);
}
constexpr int kMaximize = 1, kMinimize = 2, kRollUp = 3, kTray = 4;

RECT Bounds(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

// Moves onto a button first, so that its hover is seen before the press.
void ClickButton(HWND window, int fromClose) {
  const POINT at = ButtonCentre(window, fromClose);
  e2e::MouseMove(at);
  std::this_thread::sleep_for(150ms);
  e2e::MouseClick(at);
}

TEST(SkinnedFrameE2e, MaximiseRollUpAndTheCaptionDoubleClickUnderTheMouse) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"form-states"));
  const HWND window = app.Window();
  ASSERT_NE(window, nullptr);
  e2e::KeepOnTop(window);
  MouseAway(window);
  ASSERT_TRUE(app.Sync());
  const RECT normal = Bounds(window);
  RECT maximized;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &maximized, 0);
  if (maximized.left == 0 && maximized.top == 0 && maximized.right == GetSystemMetrics(SM_CXSCREEN) &&
      maximized.bottom == GetSystemMetrics(SM_CYSCREEN)) {
    InflateRect(&maximized, -1, -1);
  }

  ClickButton(window, kMaximize);
  ASSERT_TRUE(e2e::WaitForWindowRect(window, maximized, 3s));
  // Dragging the caption of the maximised window does not move it.
  e2e::MouseDrag(OnScreen(window, 300, 12), OnScreen(window, 420, 140));
  std::this_thread::sleep_for(300ms);
  ASSERT_TRUE(app.Sync());
  const RECT after = Bounds(window);
  EXPECT_TRUE(EqualRect(&maximized, &after));
  ClickButton(window, kMaximize);
  EXPECT_TRUE(e2e::WaitForWindowRect(window, normal, 3s));

  // Rolled up only the 31-pixel caption strip stays; down again, all of it.
  for (int i = 0; i < 2; ++i) {
    ClickButton(window, kRollUp);
    const RECT strip{normal.left, normal.top, normal.right, normal.top + 31};
    EXPECT_TRUE(e2e::WaitForWindowRect(window, strip, 3s)) << i;
    ClickButton(window, kRollUp);
    const RECT now = Bounds(window);
    EXPECT_TRUE(e2e::WaitForWindowRect(window, normal, 3s))
        << i << ": " << now.left << "," << now.top << "," << now.right << "," << now.bottom;
  }

  // The caption's double click maximises and restores.
  MouseAway(window);
  std::this_thread::sleep_for(150ms);
  e2e::MouseDoubleClick(OnScreen(window, 300, 12));
  EXPECT_TRUE(e2e::WaitForWindowRect(window, maximized, 3s));
  e2e::MouseDoubleClick(OnScreen(window, 300, 12));
  EXPECT_TRUE(e2e::WaitForWindowRect(window, normal, 3s));
  EXPECT_TRUE(app.Close());
}

TEST(SkinnedFrameE2e, TheMinimiseButtonMinimisesTheProgramWithoutATrayIcon) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"form-minimise"));
  const HWND window = app.Window();
  ASSERT_NE(window, nullptr);
  e2e::KeepOnTop(window);
  MouseAway(window);
  ASSERT_TRUE(app.Sync());
  // Without a tray icon the tray button minimises too: no button is dead.
  for (int button : {kMinimize, kTray}) {
    ClickButton(window, button);
    EXPECT_TRUE(e2e::WaitFor([&] { return IsIconic(window) != 0; }, 3s)) << button;
    ShowWindow(window, SW_RESTORE);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsIconic(window) && IsWindowVisible(window); }, 3s)) << button;
    MouseAway(window);
    ASSERT_TRUE(app.Sync());
  }
  EXPECT_TRUE(app.Close());
}

TEST(SkinnedFrameE2e, TheCaptionMovesTheWindowAndTheCornerSizesItNeverBelowTheSkinsMinimum) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"form-drag"));
  const HWND window = app.Window();
  ASSERT_NE(window, nullptr);
  e2e::KeepOnTop(window);
  MouseAway(window);
  ASSERT_TRUE(app.Sync());
  const RECT start = Bounds(window);

  e2e::MouseDrag(OnScreen(window, 300, 12), OnScreen(window, 340, 42));
  RECT moved = start;
  OffsetRect(&moved, 40, 30);
  ASSERT_TRUE(e2e::WaitForWindowRect(window, moved, 3s));

  // The bottom-right corner, inside the 4-pixel sizing band.
  const POINT corner{moved.right - 2, moved.bottom - 2};
  e2e::MouseDrag(corner, {corner.x + 50, corner.y + 40});
  const RECT larger{moved.left, moved.top, moved.right + 50, moved.bottom + 40};
  ASSERT_TRUE(e2e::WaitForWindowRect(window, larger, 3s));
  // Far up and to the left: the skin's minimum, 200 x 31.
  const POINT corner2{larger.right - 2, larger.bottom - 2};
  e2e::MouseDrag(corner2, {larger.left + 20, larger.top + 5});
  const RECT smallest{larger.left, larger.top, larger.left + 200, larger.top + 31};
  EXPECT_TRUE(e2e::WaitForWindowRect(window, smallest, 3s));
  EXPECT_TRUE(app.Close());
}

}  // namespace
