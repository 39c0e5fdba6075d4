// skin-gallery.exe's tray icon driven from outside: its button adds the
// icon (whatever the shell answers, the strip says so), the shell's
// callback messages to the icon's hidden window become events, the right
// button opens the skinned menu, the animation steps on its timer, and
// removing the icon takes its window away.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "E2eGallery.h"
#include "E2eHarness.h"
#include "E2eInput.h"
#include "E2eWindows.h"

using namespace std::chrono_literals;
using e2e::GalleryProcess;

namespace {

const wchar_t kTrayClass[] = L"TskTrayIconWindow";
const wchar_t kPopupClass[] = L"TskSkinPopupWindow";
constexpr UINT kCallback = 0x0800;

bool WaitForSuffix(HWND window, const std::wstring& suffix) {
  for (int i = 0; i < 200; ++i) {
    const std::wstring text = e2e::WindowText(window);
    if (text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0)
      return true;
    Sleep(50);
  }
  return false;
}

HWND TrayWindow(const GalleryProcess& g) {
  const auto found = e2e::TopLevelWindows(kTrayClass, g.ProcessId(), /*visibleOnly=*/false);
  return found.empty() ? nullptr : found.front();
}

}  // namespace

TEST(GalleryTrayE2e, TheIconComesGoesAndReportsItsEvents) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  e2e::KeepOnTop(gallery.Window());
  HWND strip = e2e::FindChild(gallery.Window(), L"Tray: no icon");
  ASSERT_NE(strip, nullptr);
  HWND add = e2e::FindChild(strip, L"Add tray icon");
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(TrayWindow(gallery), nullptr);

  e2e::MouseClick(e2e::WindowCentre(add));
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(strip).rfind(L"Tray 1: ", 0) == 0; }, 10s))
      << e2e::WindowText(strip);
  const std::wstring added = e2e::WindowText(strip);
  EXPECT_TRUE(added == L"Tray 1: added" || added == L"Tray 1: refused by the shell") << added;
  std::printf("%ls\n", added.c_str());
  HWND tray = TrayWindow(gallery);
  ASSERT_NE(tray, nullptr);
  EXPECT_FALSE(IsWindowVisible(tray));

  // A double click, then the menu's default item.
  PostMessageW(tray, kCallback, 1, WM_LBUTTONDOWN);
  PostMessageW(tray, kCallback, 1, WM_LBUTTONUP);
  PostMessageW(tray, kCallback, 1, WM_LBUTTONDBLCLK);
  PostMessageW(tray, kCallback, 1, WM_LBUTTONUP);
  EXPECT_TRUE(WaitForSuffix(strip, L": menu Hello")) << e2e::WindowText(strip);
  Sleep(GetDoubleClickTime() + 300);
  gallery.Sync();
  EXPECT_TRUE(WaitForSuffix(strip, L": menu Hello")) << "no click after a double click: " << e2e::WindowText(strip);

  // A single click arrives after the double-click time.
  PostMessageW(tray, kCallback, 1, WM_LBUTTONDOWN);
  PostMessageW(tray, kCallback, 1, WM_LBUTTONUP);
  EXPECT_TRUE(WaitForSuffix(strip, L": click")) << e2e::WindowText(strip);

  // The right button opens the skinned menu.
  PostMessageW(tray, kCallback, 1, WM_RBUTTONDOWN);
  PostMessageW(tray, kCallback, 1, WM_RBUTTONUP);
  EXPECT_TRUE(WaitForSuffix(strip, L": right button")) << e2e::WindowText(strip);
  EXPECT_NE(e2e::WaitForWindowOfClass(kPopupClass, gallery.ProcessId(), 10s), nullptr);
  e2e::MouseClick(e2e::WindowCentre(strip));
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(kPopupClass, gallery.ProcessId(), 10s));

  // The animation steps through the four icons and wraps.
  HWND animate = e2e::FindChild(strip, L"Animate icon");
  ASSERT_NE(animate, nullptr);
  e2e::MouseClick(e2e::WindowCentre(animate));
  EXPECT_TRUE(WaitForSuffix(strip, L": cycle to 0")) << e2e::WindowText(strip);
  HWND stop = e2e::FindChild(strip, L"Stop animation");
  ASSERT_NE(stop, nullptr);
  e2e::MouseClick(e2e::WindowCentre(stop));
  EXPECT_TRUE(WaitForSuffix(strip, L": animation off")) << e2e::WindowText(strip);

  HWND remove = e2e::FindChild(strip, L"Remove tray icon");
  ASSERT_NE(remove, nullptr);
  e2e::MouseClick(e2e::WindowCentre(remove));
  EXPECT_TRUE(WaitForSuffix(strip, L": removed")) << e2e::WindowText(strip);
  EXPECT_TRUE(e2e::WaitFor([&] { return TrayWindow(gallery) == nullptr; }, 10s));
  EXPECT_TRUE(gallery.Close());
}
