// skin-gallery.exe's skinned menus driven from outside: a right click on
// the menus strip opens a skinned popup window with the skin's rounded
// corners; clicks, the submenu delay and keys run the right item once and
// leave no menu window behind; the "Items" level brings its action up to
// date, drops lines that would meet and paints its owner-drawn item and its
// item's own picture; the images menu opens its grid.
#include <gtest/gtest.h>

#include <string>

#include "E2eGallery.h"
#include "E2eInput.h"
#include "E2eWindows.h"

using namespace std::chrono_literals;
using e2e::GalleryProcess;

namespace {

const wchar_t kPopupClass[] = L"TskSkinPopupWindow";
const std::wstring kStripText = L"Right-click here for a skinned menu";

HWND Strip(const GalleryProcess& g) { return e2e::FindChild(g.Window(), kStripText); }

// Rows of the embedded skin's menu window: items 22 high from y = 3,
// separators 3 high.
constexpr int kCopyRow = 3, kLookRow = 3 + 22 + 22 + 3;

POINT At(const RECT& r, int x, int y) { return {r.left + x, r.top + y}; }

// The gallery on top of every window, its menus strip found.
class GalleryMenusE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(gallery.Window(), nullptr);
    e2e::KeepOnTop(gallery.Window());
    strip = Strip(gallery);
    ASSERT_NE(strip, nullptr);
  }

  GalleryProcess gallery;
  HWND strip = nullptr;
};

}  // namespace

TEST_F(GalleryMenusE2e, RightClickOpensASkinnedMenuAndAClickRunsItsItem) {
  const POINT at = e2e::ClientToScreenPoint(strip, 60, 12);
  e2e::MouseRightClick(at);
  HWND menu = e2e::WaitForWindowOfClass(kPopupClass, gallery.ProcessId(), 10s);
  ASSERT_NE(menu, nullptr);
  // Never the platform's menu, and the form keeps the activation.
  EXPECT_TRUE(e2e::TopLevelWindows(L"#32768", gallery.ProcessId()).empty());
  EXPECT_EQ(GetForegroundWindow(), gallery.Window());
  const LONG_PTR ex = GetWindowLongPtrW(menu, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindowLongPtrW(menu, GWL_STYLE) & WS_POPUP, WS_POPUP);

  RECT r{};
  GetWindowRect(menu, &r);
  EXPECT_EQ(r.left, at.x);  // at the click, below and to the right
  EXPECT_EQ(r.top, at.y);
  // 9 items of 22, 2 separators of 3, and the window picture's 6.
  EXPECT_EQ(r.bottom - r.top, 9 * 22 + 2 * 3 + 6);

  // The skin's mask cuts the corners round.
  const e2e::WindowRegion region(menu);
  ASSERT_TRUE(region.Exists());
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  EXPECT_FALSE(region.Contains(0, 0));
  EXPECT_FALSE(region.Contains(w - 1, 0));
  EXPECT_FALSE(region.Contains(0, h - 1));
  EXPECT_TRUE(region.Contains(2, 0));
  EXPECT_TRUE(region.Contains(w / 2, h / 2));

  // Painted from the skin: nothing black where the items are.
  const e2e::ClientPixels shot = e2e::CaptureWindow(menu);
  ASSERT_EQ(shot.width, w);
  for (int y = kCopyRow; y < h - 6; y += 5) EXPECT_NE(shot.At(w / 2, y) & 0xFFFFFF, 0u) << y;

  e2e::MouseClick(At(r, 40, kCopyRow + 11));
  EXPECT_TRUE(e2e::WaitForText(strip, L"Ran: Copy", 10s));
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(kPopupClass, gallery.ProcessId(), 10s));
  EXPECT_TRUE(gallery.Close());
}

TEST_F(GalleryMenusE2e, SubmenusOpenAfterTheDelayAndKeysReachTheMenu) {
  e2e::MouseRightClick(e2e::ClientToScreenPoint(strip, 60, 12));
  HWND menu = e2e::WaitForWindowOfClass(kPopupClass, gallery.ProcessId(), 10s);
  ASSERT_NE(menu, nullptr);
  RECT r{};
  GetWindowRect(menu, &r);

  // Hovering "Look" opens its submenu beside it after the delay.
  e2e::MouseMove(At(r, 40, kLookRow + 11));
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::TopLevelWindows(kPopupClass, gallery.ProcessId()).size() == 2; }, 10s));
  HWND sub = nullptr;
  for (HWND w : e2e::TopLevelWindows(kPopupClass, gallery.ProcessId())) {
    if (w != menu) sub = w;
  }
  ASSERT_NE(sub, nullptr);
  RECT s{};
  GetWindowRect(sub, &s);
  EXPECT_EQ(s.left, r.right - 3 + 1);      // right of the item, over the parent's 3-pixel frame
  EXPECT_EQ(s.top, r.top + kLookRow - 3);  // its first item level with "Look"

  // Keys typed now go to the menu: Down to "Framed", Enter runs it.
  PostMessageW(gallery.Window(), WM_KEYDOWN, VK_RIGHT, 0);
  PostMessageW(gallery.Window(), WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(gallery.Window(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(e2e::WaitForText(strip, L"Ran: Framed", 10s));
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(kPopupClass, gallery.ProcessId(), 10s));

  // Escape closes the menu and runs nothing.
  e2e::MouseRightClick(e2e::ClientToScreenPoint(strip, 60, 12));
  ASSERT_NE(e2e::WaitForWindowOfClass(kPopupClass, gallery.ProcessId(), 10s), nullptr);
  PostMessageW(gallery.Window(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(kPopupClass, gallery.ProcessId(), 10s));
  EXPECT_TRUE(gallery.Sync());
  EXPECT_EQ(e2e::WindowText(strip), L"Ran: Framed");
  EXPECT_TRUE(gallery.Close());
}

TEST_F(GalleryMenusE2e, ItemsLevelUpdatesItsActionAndDropsLinesThatMeet) {
  // Opens the menu and its "Items" level by its accelerator; the level's window.
  auto openItems = [&]() -> HWND {
    e2e::MouseRightClick(e2e::ClientToScreenPoint(strip, 60, 12));
    HWND menu = e2e::WaitForWindowOfClass(kPopupClass, gallery.ProcessId(), 10s);
    if (!menu) return nullptr;
    PostMessageW(gallery.Window(), WM_KEYDOWN, 'I', 0);
    if (!e2e::WaitFor([&] { return e2e::TopLevelWindows(kPopupClass, gallery.ProcessId()).size() == 2; }, 10s)) {
      return nullptr;
    }
    for (HWND w : e2e::TopLevelWindows(kPopupClass, gallery.ProcessId())) {
      if (w != menu) return w;
    }
    return nullptr;
  };
  auto height = [](HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r.bottom - r.top;
  };

  HWND items = openItems();
  ASSERT_NE(items, nullptr);
  // Undo, Colours, Picture, Show details and Notes; the lines around the
  // hidden details meet, and one of them goes.
  EXPECT_EQ(height(items), 5 * 22 + 3 * 3 + 6);
  // The owner's colour strip and the item's own picture, on screen.
  const e2e::ClientPixels shot = e2e::CaptureWindow(items);
  EXPECT_EQ(shot.At(3 + 26 + 7, 28 + 11), 0xC03030u);
  EXPECT_EQ(shot.At(3 + 4 + 7, 50 + 3 + 7), 0xE09020u);
  // Nothing ran yet: Undo is disabled and its accelerator does nothing, so
  // the next key still reaches the menu.
  PostMessageW(gallery.Window(), WM_KEYDOWN, 'U', 0);
  PostMessageW(gallery.Window(), WM_KEYDOWN, 'D', 0);
  EXPECT_TRUE(e2e::WaitForText(strip, L"Ran: Show details", 10s));
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(kPopupClass, gallery.ProcessId(), 10s));

  // The details show, each line back in its place; Undo names what it
  // takes back, and takes it back.
  items = openItems();
  ASSERT_NE(items, nullptr);
  EXPECT_EQ(height(items), 7 * 22 + 4 * 3 + 6);
  PostMessageW(gallery.Window(), WM_KEYDOWN, 'U', 0);
  EXPECT_TRUE(e2e::WaitForText(strip, L"Undid: Show details", 10s));
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(kPopupClass, gallery.ProcessId(), 10s));
  EXPECT_TRUE(gallery.Close());
}

TEST_F(GalleryMenusE2e, ImagesMenuOpensItsGridAndAClickChoosesAnImage) {
  HWND button = e2e::FindChild(gallery.Window(), L"Images menu", L"Button");
  ASSERT_NE(button, nullptr);
  e2e::MouseClick(e2e::WindowCentre(button));
  HWND grid = e2e::WaitForWindowOfClass(L"TskSkinImagesMenuPopupWindow", gallery.ProcessId(), 10s);
  ASSERT_NE(grid, nullptr);
  RECT b{}, g{};
  GetWindowRect(button, &b);
  GetWindowRect(grid, &g);
  EXPECT_EQ(g.left, b.left);
  // Two columns of 26-pixel cells inside the window picture's frame.
  EXPECT_EQ(g.right - g.left, 2 * 26 + 6);
  // The header row (the label record's height), then the first image cell.
  const e2e::WindowRegion region(grid);
  EXPECT_TRUE(region.Exists());
  const e2e::ClientPixels shot = e2e::CaptureWindow(grid);
  ASSERT_EQ(shot.width, g.right - g.left);
  for (int y = 3; y < shot.height - 3; y += 4) EXPECT_NE(shot.At(shot.width / 2, y) & 0xFFFFFF, 0u) << y;
  e2e::MouseMove({g.left + 3 + 13, g.bottom - 3 - 27 - 27 - 13});
  e2e::MouseMove({g.left + 3 + 12, g.bottom - 3 - 27 - 27 - 12});
  e2e::MouseDown();
  e2e::MouseUp();
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(L"TskSkinImagesMenuPopupWindow", gallery.ProcessId(), 10s));
  EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(strip).rfind(L"Ran: Image ", 0) == 0; }, 10s))
      << e2e::WindowText(strip);
  EXPECT_TRUE(gallery.Close());
}
