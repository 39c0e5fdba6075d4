// The main window's system menu as a user meets it: Alt+Space opens the
// skinned menu under the system-menu button and keeps it open whichever key
// is released first, the keys go to the menu and never into a slot, Escape
// closes it, its Close entry ends the program, and a right click on the
// caption opens it at the cursor.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "E2eHarness.h"
#include "E2eInput.h"
#include "E2eWindows.h"

using namespace std::chrono_literals;
using e2e::QuilletProcess;

namespace {

const wchar_t kPopupClass[] = L"TskSkinPopupWindow";
// The system-menu button of the embedded skin, in window coordinates.
constexpr RECT kSysMenuButton{3, 8, 17, 20};

INPUT Key(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void Send(const std::vector<INPUT>& keys) {
  for (INPUT key : keys) {
    SendInput(1, &key, sizeof key);
    std::this_thread::sleep_for(30ms);  // as a hand types: each key its own message
  }
}

void Press(WORD vk) { Send({Key(vk, false), Key(vk, true)}); }

// A key left down would spoil every later test in this prefix.
struct ReleaseKeys {
  ~ReleaseKeys() { Send({Key(VK_MENU, true), Key(VK_SPACE, true)}); }
};

// The window with the activation and the keyboard.
bool Focus(HWND window) {
  SetForegroundWindow(window);
  return e2e::WaitFor([&] { return GetForegroundWindow() == window; }, 5s);
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

std::string Ascii(const std::wstring& text) {
  std::string out;
  for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

RECT RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

class SystemMenuE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<QuilletProcess>(e2e::MakeScratchDirectory(L"sysmenu"));
    window_ = app_->Window();
    ASSERT_NE(window_, nullptr);
    e2e::KeepOnTop(window_);
    ASSERT_TRUE(Focus(window_));
    memo_ = app_->Memo(1);
    ASSERT_NE(memo_, nullptr);
    e2e::MouseClick(e2e::WindowCentre(memo_));
    ASSERT_TRUE(e2e::WaitFor([&] { return FocusOf(window_) == memo_; }, 5s));
    focus_ = memo_;
    // The display's focus events that follow the click sync the key state
    // again: they must be over before a key goes down.
    std::this_thread::sleep_for(300ms);
    ASSERT_TRUE(app_->Sync());
  }

  HWND WaitForMenu() { return e2e::WaitForWindowOfClass(kPopupClass, app_->ProcessId(), 10s); }
  bool MenuGone() { return e2e::WaitForNoWindowOfClass(kPopupClass, app_->ProcessId(), 10s); }
  // Still open a while after the keys went up.
  bool MenuStays(HWND menu) {
    std::this_thread::sleep_for(500ms);
    app_->Sync();
    return IsWindow(menu) && IsWindowVisible(menu);
  }

  std::unique_ptr<QuilletProcess> app_;
  HWND window_ = nullptr;
  HWND memo_ = nullptr;
  HWND focus_ = nullptr;
  ReleaseKeys release_;
};

TEST_F(SystemMenuE2e, AltSpaceOpensItUnderTheButtonWhicheverKeyIsReleasedFirst) {
  const std::wstring text = app_->Text(memo_);
  const RECT w = RectOf(window_);
  struct Order {
    const char* name;
    std::vector<INPUT> keys;
  } orders[] = {
      {"Space released first", {Key(VK_MENU, false), Key(VK_SPACE, false), Key(VK_SPACE, true), Key(VK_MENU, true)}},
      // The default handling would take this Alt for one pressed alone.
      {"Alt released first", {Key(VK_MENU, false), Key(VK_SPACE, false), Key(VK_MENU, true), Key(VK_SPACE, true)}},
  };
  for (const Order& order : orders) {
    SCOPED_TRACE(order.name);
    Send(order.keys);
    HWND menu = WaitForMenu();
    ASSERT_NE(menu, nullptr) << "the slot reads \"" << Ascii(app_->Text(memo_)) << "\"";
    // Never the platform's menu, and the window keeps the activation.
    EXPECT_TRUE(e2e::TopLevelWindows(L"#32768", app_->ProcessId()).empty());
    EXPECT_EQ(GetForegroundWindow(), window_);
    const RECT r = RectOf(menu);
    EXPECT_EQ(r.left, w.left + kSysMenuButton.left);
    EXPECT_EQ(r.top, w.top + kSysMenuButton.bottom);
    EXPECT_TRUE(MenuStays(menu));

    // Keys go to the menu: nothing reaches the slot, which keeps the focus.
    Press(VK_DOWN);
    Press('Q');
    Press(VK_SPACE);
    app_->Sync();
    EXPECT_TRUE(IsWindowVisible(menu));
    EXPECT_EQ(app_->Text(memo_), text);
    EXPECT_EQ(FocusOf(window_), focus_);

    Press(VK_ESCAPE);
    EXPECT_TRUE(MenuGone());
    EXPECT_TRUE(app_->Running());
  }
  // Keys are the slot's again.
  Press('Q');
  EXPECT_TRUE(e2e::WaitFor([&] { return app_->Text(memo_) != text; }, 5s));
  EXPECT_TRUE(app_->Close());
}

TEST_F(SystemMenuE2e, ItsCloseEntryChosenByKeyEndsTheProgramOnce) {
  Send({Key(VK_MENU, false), Key(VK_SPACE, false), Key(VK_SPACE, true), Key(VK_MENU, true)});
  HWND menu = WaitForMenu();
  ASSERT_NE(menu, nullptr);
  Press('C');
  EXPECT_TRUE(e2e::WaitFor([&] { return !app_->Running(); }, 10s));
  EXPECT_EQ(app_->MessageBoxWindow(), nullptr);
}

// Home, an arrow and Enter choose an entry: Maximise when the window is
// normal, then Restore, second in the maximised window's menu.
TEST_F(SystemMenuE2e, HomeAnArrowAndEnterRunTheEntryTheyReach) {
  const RECT normal = RectOf(window_);
  RECT maximized;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &maximized, 0);
  if (maximized.left == 0 && maximized.top == 0 && maximized.right == GetSystemMetrics(SM_CXSCREEN) &&
      maximized.bottom == GetSystemMetrics(SM_CYSCREEN)) {
    InflateRect(&maximized, -1, -1);
  }
  for (const RECT& expected : {maximized, normal}) {
    Send({Key(VK_MENU, false), Key(VK_SPACE, false), Key(VK_SPACE, true), Key(VK_MENU, true)});
    ASSERT_NE(WaitForMenu(), nullptr);
    Press(VK_END);  // Close, the last: End then Home land on the first
    Press(VK_HOME);
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_TRUE(MenuGone());
    EXPECT_TRUE(e2e::WaitForWindowRect(window_, expected, 3s));
  }
  EXPECT_TRUE(app_->Close());
}

TEST_F(SystemMenuE2e, ARightClickOnTheCaptionOpensItAtTheCursor) {
  const RECT w = RectOf(window_);
  const POINT at{w.left + 300, w.top + 15};
  e2e::MouseRightClick(at);
  HWND menu = WaitForMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(e2e::TopLevelWindows(L"#32768", app_->ProcessId()).empty());
  const RECT r = RectOf(menu);
  EXPECT_EQ(r.left, at.x);
  EXPECT_EQ(r.top, at.y);
  EXPECT_TRUE(MenuStays(menu));
  Press(VK_ESCAPE);
  EXPECT_TRUE(MenuGone());
  EXPECT_TRUE(app_->Running());
  EXPECT_TRUE(app_->Close());
}

}  // namespace
