// The application's hints with real windows and the real cursor: pauses,
// inheritance of ShowHint, OnShowHint, the short pause, dismissal by a
// click, and a replaced hint window class.
#include <gtest/gtest.h>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
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

bool HintVisibleWith(const std::wstring& text) {
  THintWindow* w = Application().HintWindow();
  return w && w->HandleAllocated() && IsWindowVisible(w->HandleIfAllocated()) && w->Text() == text;
}

bool HintHidden() {
  THintWindow* w = Application().HintWindow();
  return !w || !w->HandleAllocated() || !IsWindowVisible(w->HandleIfAllocated());
}

// A form with a hinted panel (windowed) and a hinted label (windowless).
class Hints : public ::testing::Test {
 protected:
  void SetUp() override {
    MoveMouse(Outside());
    Application().CancelHint();
    Application().SetHintPause(150);
    Application().SetHintShortPause(50);
    Application().SetHintHidePause(600);
    form = TComponent::Create<TForm>(&Application());
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(100, 100, 400, 200);
    form->SetShowHint(true);
    panel = TComponent::Create<TPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 150, 100);
    panel->SetHint(L"Panel|The panel's long hint");
    label = TComponent::Create<TLabel>(form);
    label->SetParent(form);
    label->SetBounds(200, 10, 150, 100);
    label->SetHint(L"Label");
    form->Show();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(form->Handle()) != FALSE; }));
  }
  void TearDown() override {
    Application().OnShowHint = nullptr;
    MoveMouse(Outside());
    Application().CancelHint();
    TComponent::Free(form);
  }
  TForm* form = nullptr;
  TPanel* panel = nullptr;
  TLabel* label = nullptr;
};

}  // namespace

TEST_F(Hints, AHintShowsAfterThePauseBelowTheCursorAndHidesAfterTheHidePause) {
  HWND foreground = GetForegroundWindow();
  const POINT at = CentreOf(*panel);
  ASSERT_TRUE(MoveMouse(at));
  EXPECT_EQ(Application().Hint(), L"The panel's long hint") << "the status line's part";
  ASSERT_TRUE(WaitUntil([] { return HintVisibleWith(L"Panel"); }));
  EXPECT_EQ(Application().HintControl(), panel);
  RECT r;
  GetWindowRect(Application().HintWindow()->Handle(), &r);
  EXPECT_GT(r.top, at.y) << "below the cursor";
  EXPECT_GT(r.right - r.left, 10);
  EXPECT_EQ(GetForegroundWindow(), foreground) << "showing a hint activates nothing";
  ASSERT_TRUE(WaitUntil(HintHidden));
  Pump(400);
  EXPECT_TRUE(HintHidden()) << "hidden after the hide pause, it stays hidden over the same control";
}

TEST_F(Hints, AWindowlessControlInheritsShowHintFromItsParent) {
  ASSERT_TRUE(label->ParentShowHint());
  ASSERT_TRUE(MoveMouse(CentreOf(*label)));
  ASSERT_TRUE(WaitUntil([] { return HintVisibleWith(L"Label"); }));
  MoveMouse(Outside());
  ASSERT_TRUE(WaitUntil(HintHidden)) << "leaving the window hides the hint";

  form->SetShowHint(false);
  EXPECT_FALSE(label->ShowHint());
  MoveMouse(CentreOf(*label));
  Pump(500);
  EXPECT_TRUE(HintHidden()) << "the parent shows no hints, nor does the label";

  label->SetShowHint(true);
  EXPECT_FALSE(label->ParentShowHint());
  MoveMouse(CentreOf(*panel));
  MoveMouse(CentreOf(*label));
  EXPECT_TRUE(WaitUntil([] { return HintVisibleWith(L"Label"); })) << "its own ShowHint now";
}

TEST_F(Hints, OnShowHintChangesTheTextAndTheRecordOrRefuses) {
  TControl* seen = nullptr;
  TPoint cursor;
  Application().OnShowHint = [&](std::wstring& text, bool& canShow, THintInfo& info) {
    seen = info.hintControl;
    cursor = info.cursorPos;
    text = L"Changed";
    info.hintPos = {20, 30};
  };
  ASSERT_TRUE(MoveMouse(CentreOf(*panel)));
  ASSERT_TRUE(WaitUntil([] { return HintVisibleWith(L"Changed"); }));
  EXPECT_EQ(seen, panel);
  EXPECT_EQ(cursor, (TPoint{panel->Width() / 2, panel->Height() / 2})) << "in the control's coordinates";
  RECT r;
  GetWindowRect(Application().HintWindow()->Handle(), &r);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.top, 30);

  int asked = 0;
  Application().OnShowHint = [&](std::wstring&, bool& canShow, THintInfo&) {
    ++asked;
    canShow = false;
  };
  ASSERT_TRUE(MoveMouse(CentreOf(*label)));
  ASSERT_TRUE(WaitUntil([&] { return asked == 1; }));
  Pump(300);
  EXPECT_TRUE(HintHidden());
  EXPECT_EQ(asked, 1) << "refused once, not asked again over the same control";
}

TEST_F(Hints, MovingOnFromAShownHintTakesTheShortPause) {
  Application().SetHintPause(4000);
  ASSERT_TRUE(MoveMouse(CentreOf(*panel)));
  Application().ActivateHint({CentreOf(*panel).x, CentreOf(*panel).y});
  ASSERT_TRUE(HintVisibleWith(L"Panel")) << "ActivateHint shows at once";
  ASSERT_TRUE(MoveMouse(CentreOf(*label)));
  // Far within the 4 s hint pause: only the short pause can show it.
  EXPECT_TRUE(WaitUntil([] { return HintVisibleWith(L"Label"); }, 2000));
}

TEST_F(Hints, AClickHidesTheHintUntilTheCursorMovesOn) {
  ASSERT_TRUE(MoveMouse(CentreOf(*panel)));
  ASSERT_TRUE(WaitUntil([] { return HintVisibleWith(L"Panel"); }));
  ClickAt(CentreOf(*panel));
  ASSERT_TRUE(WaitUntil(HintHidden));
  MoveMouse({CentreOf(*panel).x + 3, CentreOf(*panel).y + 3});
  Pump(400);
  EXPECT_TRUE(HintHidden());
}

TEST_F(Hints, AReplacedHintWindowClassIsUsedAndTheOldOneRestored) {
  struct OwnHint : THintWindow {
    using THintWindow::THintWindow;
    void ActivateHint(const TRect& rect, const std::wstring& text) override {
      ++shown;
      THintWindow::ActivateHint(rect, text + L"!");
    }
    TRect CalcHintRect(int, const std::wstring&) override { return {0, 0, 77, 33}; }
    int shown = 0;
  };
  const THintWindowClass previous = Application().HintWindowClass();
  Application().SetHintWindowClass(
      [](TComponent* owner) -> THintWindow* { return TComponent::Create<OwnHint>(owner); });
  ASSERT_TRUE(MoveMouse(CentreOf(*panel)));
  ASSERT_TRUE(WaitUntil([] { return HintVisibleWith(L"Panel!"); }));
  auto* own = dynamic_cast<OwnHint*>(Application().HintWindow());
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->shown, 1);
  RECT r;
  GetWindowRect(own->Handle(), &r);
  EXPECT_EQ(r.right - r.left, 77) << "the size it asked for";
  EXPECT_EQ(r.bottom - r.top, 33);

  Application().SetHintWindowClass(previous);
  EXPECT_EQ(Application().HintWindow(), nullptr) << "the replaced window went";
  MoveMouse(CentreOf(*label));
  ASSERT_TRUE(WaitUntil([] { return HintVisibleWith(L"Label"); }));
  EXPECT_EQ(dynamic_cast<OwnHint*>(Application().HintWindow()), nullptr);

  // Hints off and on again: a new window of the class in force.
  Application().SetShowHint(false);
  EXPECT_EQ(Application().HintWindow(), nullptr);
  Application().SetShowHint(true);
  Application().ActivateHint({CentreOf(*panel).x, CentreOf(*panel).y});
  EXPECT_TRUE(HintVisibleWith(L"Panel"));
  EXPECT_NE(Application().HintWindow(), nullptr);
}

TEST_F(Hints, AFreedHintControlTakesItsHintAlong) {
  ASSERT_TRUE(MoveMouse(CentreOf(*panel)));
  ASSERT_TRUE(WaitUntil([] { return HintVisibleWith(L"Panel"); }));
  TComponent::Free(panel);
  EXPECT_EQ(Application().HintControl(), nullptr);
  EXPECT_TRUE(HintHidden());
  Pump(200);  // a pending expiry must not reach the freed control
}
