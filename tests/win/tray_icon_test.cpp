// The tray icon on a real hidden window: its class, the mouse actions the
// notification area reports (sent here as its callback messages), the
// popup menu and its default item, re-adding after "TaskbarCreated", the
// icon animation, minimising to the tray, and many lifetimes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/Menus.h"
#include "skin/form/skSkinForm.h"
#include "skin/menus/skMenusPopup.h"
#include "skin/tray/skTrayIcon.h"

using namespace fw;
using namespace sk;

namespace {

TForm* gMain = nullptr;

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application().Initialize();
    gMain = Application().CreateForm<TForm>();
    gMain->SetBounds(100, 100, 300, 200);
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

void Pump(int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    Application().ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}
int ThreadWindowCount() {
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&n));
  return n;
}

// Counts what the component asks of the notification area; `accept` says
// whether the system takes an add.
class RecordingTray : public TskTrayIcon {
 public:
  using TskTrayIcon::TskTrayIcon;
  int adds = 0;
  bool accept = true;
  void MinimizeNow() { DoMinimizeToTray(); }

 protected:
  bool AddIcon() override {
    ++adds;
    return accept;
  }
};

// A strip of `count` opaque 16-pixel squares: blue, green, red.
TBitmap Squares(int count) {
  TBitmap strip(16 * count, 16, TPixelFormat::pf32bit);
  for (int y = 0; y < 16; ++y) {
    uint8_t* row = strip.ScanLine(y);
    for (int x = 0; x < 16 * count; ++x) {
      row[4 * x + x / 16] = 255;
      row[4 * x + 3] = 255;
    }
  }
  return strip;
}

void Mouse(const TskTrayIcon& tray, UINT message) {
  SendMessageW(tray.WindowHandle(), TrayCallbackMessage, 1, static_cast<LPARAM>(message));
}

TEST(TrayIcon, OwnsAHiddenTopLevelWindowOfItsClass) {
  TskTrayIcon tray(gMain);
  HWND wnd = tray.WindowHandle();
  ASSERT_TRUE(IsWindow(wnd));
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  EXPECT_STREQ(name, L"TskTrayIconWindow");
  EXPECT_FALSE(IsWindowVisible(wnd));
  EXPECT_EQ(GetAncestor(wnd, GA_PARENT), GetDesktopWindow());
  // Nobody but the component ends it.
  EXPECT_EQ(SendMessageW(wnd, WM_CLOSE, 0, 0), 1);
  EXPECT_TRUE(IsWindow(wnd));
  EXPECT_NE(tray.Icon(), nullptr);  // the application's icon
}

TEST(TrayIcon, TheTooltipKeepsItsFirst127Characters) {
  TskTrayIcon tray(gMain);
  tray.SetHint(std::wstring(200, L'q'));
  EXPECT_EQ(tray.Tip(), std::wstring(127, L'q'));
  tray.SetShowHint(false);
  EXPECT_EQ(tray.Tip(), L"");
}

TEST(TrayIcon, ASingleClickFiresAfterTheDoubleClickTimeAndADoubleClickOnlyItself) {
  TskTrayIcon tray(gMain);
  int clicks = 0, doubles = 0, downs = 0, ups = 0;
  tray.OnClick = [&](TComponent*) { ++clicks; };
  tray.OnDblClick = [&](TComponent*) { ++doubles; };
  tray.OnMouseDown = [&](TComponent*, TMouseButton b, TShiftState, int, int) { downs += b == TMouseButton::mbLeft; };
  tray.OnMouseUp = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++ups; };
  const int wait = static_cast<int>(GetDoubleClickTime()) + 150;

  Mouse(tray, WM_LBUTTONDOWN);
  Mouse(tray, WM_LBUTTONUP);
  EXPECT_EQ(clicks, 0);
  Pump(wait);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(ups, 1);

  Mouse(tray, WM_LBUTTONDOWN);
  Mouse(tray, WM_LBUTTONUP);
  Mouse(tray, WM_LBUTTONDBLCLK);
  Mouse(tray, WM_LBUTTONUP);
  Pump(wait);
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(clicks, 1);

  // Held past the double-click time: the click comes with the release.
  Mouse(tray, WM_LBUTTONDOWN);
  Pump(wait);
  EXPECT_EQ(clicks, 1);
  Mouse(tray, WM_LBUTTONUP);
  EXPECT_EQ(clicks, 2);

  // Disabled, nothing is heard.
  tray.Enabled = false;
  Mouse(tray, WM_LBUTTONDOWN);
  Mouse(tray, WM_LBUTTONUP);
  Pump(wait);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(downs, 3);
}

TEST(TrayIcon, RightButtonPopsTheMenuAndADoubleClickRunsItsFirstDefaultItem) {
  TskTrayIcon tray(gMain);
  TskSkinPopupMenu menu(gMain);
  int popups = 0, first = 0, second = 0;
  menu.OnPopup = [&](TComponent*) { ++popups; };
  auto* plain = new TMenuItem(&menu);
  auto* a = new TMenuItem(&menu);
  auto* b = new TMenuItem(&menu);
  a->OnClick = [&](TComponent*) { ++first; };
  b->OnClick = [&](TComponent*) { ++second; };
  a->SetDefault(true);
  b->SetDefault(true);
  menu.Items()->Add(plain);
  menu.Items()->Add(a);
  menu.Items()->Add(b);
  tray.SetPopupMenu(&menu);

  Mouse(tray, WM_RBUTTONDOWN);
  Mouse(tray, WM_RBUTTONUP);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(menu.PopupComponent, &tray);
  Mouse(tray, WM_LBUTTONDBLCLK);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 0);

  // By the left button: the press pops up, a double click runs nothing.
  tray.PopupByLeftButton = true;
  Mouse(tray, WM_LBUTTONDOWN);
  EXPECT_EQ(popups, 2);
  Mouse(tray, WM_LBUTTONDBLCLK);
  EXPECT_EQ(first, 1);
  // Without automatic popup the menu never shows by itself.
  tray.PopupByLeftButton = false;
  menu.AutoPopup = false;
  Mouse(tray, WM_RBUTTONDOWN);
  EXPECT_EQ(popups, 2);
  tray.SetPopupMenu(nullptr);
}

TEST(TrayIcon, AFreedMenuOrIconListIsForgotten) {
  TskTrayIcon tray(gMain);
  auto* menu = new TskSkinPopupMenu(gMain);
  auto* list = new TImageList(gMain);
  tray.SetPopupMenu(menu);
  tray.SetIconList(list);
  delete menu;
  delete list;
  EXPECT_EQ(tray.PopupMenu(), nullptr);
  EXPECT_EQ(tray.IconList(), nullptr);
  Mouse(tray, WM_RBUTTONDOWN);  // nothing to pop up, nothing to crash
}

TEST(TrayIcon, TheIconComesBackWhenTheNotificationAreaIsMadeAnew) {
  RecordingTray tray(gMain);
  tray.SetIconVisible(true);
  const int before = tray.adds;
  SendMessageW(Application().Handle(), TskTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_EQ(tray.adds, before + 1);
  tray.SetIconVisible(false);
  SendMessageW(Application().Handle(), TskTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_EQ(tray.adds, before + 1);
}

TEST(TrayIcon, AnimationCyclesThroughTheListAndWraps) {
  TskTrayIcon tray(gMain);
  TImageList list(gMain);
  ASSERT_EQ(list.AddAlpha(Squares(3)), 0);
  ASSERT_EQ(list.Count(), 3);
  tray.SetIconList(&list);
  tray.SetIconIndex(7);
  EXPECT_EQ(tray.IconIndex(), 2);  // lowered to the last icon
  std::vector<int> next;
  tray.OnCycle = [&](TComponent*, int index) { next.push_back(index); };
  tray.SetAnimateTimerInterval(20);
  tray.SetCycleIcons(true);
  Pump(400);
  tray.SetCycleIcons(false);
  ASSERT_GE(next.size(), 4u);
  for (size_t i = 0; i < next.size(); ++i) {
    EXPECT_EQ(next[i], static_cast<int>((i + 1) % 3)) << i;
  }
  EXPECT_NE(tray.Icon(), nullptr);
}

TEST(TrayIcon, AnEmptyListAnimatesNothing) {
  TskTrayIcon tray(gMain);
  TImageList list(gMain);
  tray.SetIconList(&list);
  int cycles = 0;
  tray.OnCycle = [&](TComponent*, int) { ++cycles; };
  tray.SetAnimateTimerInterval(10);
  tray.SetCycleIcons(true);
  Pump(100);
  EXPECT_EQ(cycles, 0);
  EXPECT_NE(tray.Icon(), nullptr);
}

TEST(TrayIcon, MinimisingToTheTrayHidesTheMainFormOnlyWhenTheIconWentIn) {
  gMain->Show();
  Pump(50);
  RecordingTray tray(gMain);
  tray.accept = false;
  tray.MinimizeNow();
  EXPECT_TRUE(gMain->Visible());  // still on the task bar
  tray.accept = true;
  tray.MinimizeNow();
  EXPECT_FALSE(gMain->Visible());
  tray.ShowMainForm();
  EXPECT_TRUE(gMain->Visible());
  EXPECT_FALSE(IsIconic(gMain->Handle()));
  gMain->Hide();
}

TEST(TrayIcon, MinimisingTheMainFormGoesToTheTrayWhileMinimizeToTrayIsSet) {
  gMain->Show();
  Pump(50);
  RecordingTray tray(gMain);
  const int before = tray.adds;
  ShowWindow(gMain->Handle(), SW_MINIMIZE);
  Pump(50);
  EXPECT_EQ(tray.adds, before + 1);
  EXPECT_FALSE(gMain->Visible());
  tray.ShowMainForm();
  tray.MinimizeToTray = false;
  ShowWindow(gMain->Handle(), SW_MINIMIZE);
  Pump(50);
  EXPECT_EQ(tray.adds, before + 1);
  EXPECT_TRUE(gMain->Visible());
  ShowWindow(gMain->Handle(), SW_RESTORE);
  gMain->Hide();
}

// The skinned form's tray commands go through an attached icon.
TEST(TrayIcon, AnAttachedIconGetsTheFormsTrayMenuAndRestoresOnADoubleClick) {
  TskSkinForm skin(gMain);
  RecordingTray tray(gMain);
  tray.SetIconVisible(true);
  skin.SetTrayIcon(&tray);
  EXPECT_FALSE(tray.IconVisible());  // hidden until the window goes to the tray
  ASSERT_EQ(tray.PopupMenu(), skin.TrayMenu());
  TMenuItem* items = tray.PopupMenu()->Items();
  ASSERT_EQ(items->Count(), 3);
  EXPECT_EQ(items->Items(0)->Name(), L"TRAY_SKF_RESTORE");
  EXPECT_EQ(items->Items(0)->Caption(), L"&Restore");
  EXPECT_TRUE(items->Items(1)->IsLine());
  EXPECT_EQ(items->Items(2)->Name(), L"TRAY_SKF_CLOSE");
  EXPECT_TRUE(static_cast<bool>(tray.OnDblClick));
  skin.SetTrayIcon(nullptr);
}

TEST(TrayIcon, TheFormGoesToTheTrayOnlyWhenTheIconWentInAndComesBackFromIt) {
  gMain->Show();
  Pump(50);
  TskSkinForm skin(gMain);
  RecordingTray tray(gMain);
  skin.SetTrayIcon(&tray);
  int toTray = 0, fromTray = 0;
  skin.OnMinimizeToTray = [&](TComponent*) { ++toTray; };
  skin.OnRestoreFromTray = [&](TComponent*) { ++fromTray; };

  tray.accept = false;  // the notification area refuses the icon
  skin.MinimizeToTray();
  Pump(50);
  EXPECT_TRUE(gMain->Visible());
  EXPECT_TRUE(IsIconic(gMain->Handle()));  // minimised to the task bar instead
  skin.RestoreFromTray();
  Pump(50);
  EXPECT_FALSE(IsIconic(gMain->Handle()));

  tray.accept = true;
  skin.MinimizeToTray();
  Pump(50);
  EXPECT_FALSE(gMain->Visible());
  EXPECT_TRUE(tray.IconShown());
  Mouse(tray, WM_LBUTTONDBLCLK);  // the form's restore
  Pump(50);
  EXPECT_TRUE(gMain->Visible());
  EXPECT_FALSE(IsIconic(gMain->Handle()));
  EXPECT_FALSE(tray.IconVisible());  // not AlwaysShowInTray
  EXPECT_EQ(toTray, 2);
  EXPECT_EQ(fromTray, 2);
  skin.SetTrayIcon(nullptr);
  gMain->Hide();
}

// The real notification area: without a tray of the X display, Wine's
// explorer shows a standalone tray window with one child window per icon,
// which turns mouse input into the icon's callback messages.
int WineTrayIcons() {
  HWND tray = FindWindowExW(nullptr, nullptr, L"__winex11_standalone_tray", nullptr);
  int n = 0;
  for (HWND icon = nullptr; tray && (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));) ++n;
  return n;
}
HWND LastWineTrayIcon() {
  HWND tray = FindWindowExW(nullptr, nullptr, L"__winex11_standalone_tray", nullptr);
  HWND last = nullptr;
  for (HWND icon = nullptr; tray && (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));) last = icon;
  return last;
}
bool WaitForWineTrayIcons(int count) {
  for (int i = 0; i < 100; ++i) {
    if (WineTrayIcons() == count) return true;
    Pump(20);
  }
  return false;
}

TEST(TrayIcon, WinesNotificationAreaShowsTheIconPassesItsClicksOnceAndLosesItWithTheComponent) {
  const int before = WineTrayIcons();
  auto* tray = new TskTrayIcon(gMain);
  int clicks = 0, downs = 0;
  tray->OnClick = [&](TComponent*) { ++clicks; };
  tray->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) { ++downs; };
  tray->SetHint(L"Quillet");
  tray->SetIconVisible(true);
  ASSERT_TRUE(tray->IconShown());
  ASSERT_TRUE(WaitForWineTrayIcons(before + 1));

  HWND icon = LastWineTrayIcon();
  PostMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  Pump(static_cast<int>(GetDoubleClickTime()) + 300);
  EXPECT_EQ(downs, 1);
  EXPECT_EQ(clicks, 1);

  // The notification area lost the icon and was made anew: it comes back.
  NOTIFYICONDATAW gone{};
  gone.cbSize = sizeof gone;
  gone.hWnd = tray->WindowHandle();
  gone.uID = 1;
  Shell_NotifyIconW(NIM_DELETE, &gone);
  ASSERT_TRUE(WaitForWineTrayIcons(before));
  SendMessageW(Application().Handle(), TskTrayIcon::TaskbarCreatedMessage(), 0, 0);
  EXPECT_TRUE(WaitForWineTrayIcons(before + 1));

  delete tray;
  EXPECT_TRUE(WaitForWineTrayIcons(before));
}

// Every icon change (an animation step is one) makes a new icon: the one
// it replaces must be gone at once, or a long animation runs out of handles.
TEST(TrayIcon, ManyIconChangesLeaveNoIconBehind) {
  TskTrayIcon tray(gMain);
  TImageList list(gMain);
  list.AddAlpha(Squares(2));
  tray.SetIconList(&list);
  tray.SetIconVisible(true);
  const char* asked = std::getenv("QUILLET_SOAK_CYCLES");
  const int steps = asked && std::atoi(asked) > 0 ? std::atoi(asked) : 10000;
  int alive = 0;
  for (int i = 0; i < steps; ++i) {
    const HICON before = tray.Icon();
    tray.SetIconIndex(i % 2);
    ICONINFO info{};
    if (GetIconInfo(before, &info)) {
      ++alive;
      DeleteObject(info.hbmColor);
      DeleteObject(info.hbmMask);
    }
  }
  EXPECT_EQ(alive, 0);
  // The check can see a live icon: the current one.
  ICONINFO current{};
  ASSERT_TRUE(GetIconInfo(tray.Icon(), &current));
  DeleteObject(current.hbmColor);
  DeleteObject(current.hbmMask);
}

TEST(TrayIcon, ManyLifetimesLeaveNoWindowBehind) {
  const int windows = ThreadWindowCount();
  for (int i = 0; i < 1000; ++i) {
    TskTrayIcon tray(gMain);
    tray.SetHint(L"Quillet");
    tray.SetIconVisible(i % 2 == 0);
  }
  EXPECT_EQ(ThreadWindowCount(), windows);
}

}  // namespace
