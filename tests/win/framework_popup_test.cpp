// Popup windows never take the activation or the focus, shown or clicked.
#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "framework/PopupWindow.h"
#include "framework/StdCtrls.h"
#include "framework_input.h"

using namespace fw;
using namespace fwtest;

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override { Application().Initialize(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

class Popup : public TPopupWindow {
 public:
  Popup(TComponent* owner) : TPopupWindow(owner, L"TestPopupWindow", true) {}
  int presses = 0;

 protected:
  void MouseDown(TMouseButton, TShiftState, int, int) override { ++presses; }
};

}  // namespace

TEST(PopupWindow, NeverTakesTheActivationOrTheFocusShownOrClicked) {
  auto* form = TComponent::Create<TForm>(&Application());
  form->SetBounds(100, 100, 300, 200);
  auto* memo = TComponent::Create<TMemo>(form);
  memo->SetParent(form);
  memo->SetBounds(10, 10, 200, 100);
  form->Show();
  memo->SetFocus();
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == form->Handle() && GetFocus() == memo->Handle(); }));

  auto* popup = TComponent::Create<Popup>(form);
  popup->ShowAt({500, 150, 620, 250});
  HWND wnd = popup->Handle();
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(wnd) != FALSE; }));
  EXPECT_TRUE(popup->Showing());
  EXPECT_EQ(GetForegroundWindow(), form->Handle());
  EXPECT_EQ(GetFocus(), memo->Handle());

  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  EXPECT_STREQ(name, L"TestPopupWindow");
  EXPECT_TRUE(GetClassLongPtrW(wnd, GCL_STYLE) & CS_DROPSHADOW);
  const LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongPtrW(wnd, GWL_STYLE) & WS_POPUP);
  RECT r;
  GetWindowRect(wnd, &r);
  EXPECT_EQ(r.left, 500);
  EXPECT_EQ(r.bottom, 250);

  ClickAt({560, 200});
  ASSERT_TRUE(WaitUntil([&] { return popup->presses == 1; }));
  Pump(100);
  EXPECT_EQ(GetForegroundWindow(), form->Handle()) << "the click activated nothing";
  EXPECT_EQ(GetFocus(), memo->Handle());
  EXPECT_NE(GetActiveWindow(), wnd);

  popup->Hide();
  EXPECT_FALSE(IsWindowVisible(wnd));
  popup->Show();
  EXPECT_TRUE(IsWindowVisible(wnd));
  EXPECT_EQ(GetForegroundWindow(), form->Handle()) << "shown again without activation";
  TComponent::Free(form);
}
