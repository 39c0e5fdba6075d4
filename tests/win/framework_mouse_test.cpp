// Enter and leave of windowed and windowless controls, the frame's mouse
// messages with their hit codes, and the scoped mouse capture, with the
// real cursor.
#include <gtest/gtest.h>

#include <vector>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/MouseTracking.h"
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

struct Counts {
  int enter = 0;
  int leave = 0;
};

void Count(TControl& c, Counts& counts) {
  c.OnMouseEnter = [&counts](TComponent*) { ++counts.enter; };
  c.OnMouseLeave = [&counts](TComponent*) { ++counts.leave; };
}

class Mouse : public ::testing::Test {
 protected:
  void SetUp() override {
    MoveMouse(Outside());
    form = TComponent::Create<TForm>(&Application());
    form->SetBounds(100, 100, 400, 250);
    panel = TComponent::Create<TPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 150, 100);
    label = TComponent::Create<TLabel>(form);
    label->SetParent(form);
    label->SetBounds(200, 10, 150, 100);
    form->Show();
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(form->Handle()) != FALSE; }));
  }
  void TearDown() override {
    MoveMouse(Outside());
    TComponent::Free(form);
  }
  POINT InForm(int x, int y) {
    const TPoint p = form->ClientToScreen({x, y});
    return {p.x, p.y};
  }
  TForm* form = nullptr;
  TPanel* panel = nullptr;
  TLabel* label = nullptr;
};

}  // namespace

TEST_F(Mouse, AWindowedControlHearsEnterOnceAndLeave) {
  Counts counts;
  Count(*panel, counts);
  ASSERT_TRUE(MoveMouse(CentreOf(*panel)));
  ASSERT_TRUE(WaitUntil([&] { return counts.enter == 1; }));
  MoveMouse({CentreOf(*panel).x + 5, CentreOf(*panel).y + 5});
  Pump(100);
  EXPECT_EQ(counts.enter, 1) << "moving within is no new entry";
  EXPECT_EQ(counts.leave, 0);
  MoveMouse(InForm(180, 150));
  EXPECT_TRUE(WaitUntil([&] { return counts.leave == 1; }));
  MoveMouse(CentreOf(*panel));
  EXPECT_TRUE(WaitUntil([&] { return counts.enter == 2; }));
  MoveMouse(Outside());
  EXPECT_TRUE(WaitUntil([&] { return counts.leave == 2; })) << "leaving the whole window";
}

TEST_F(Mouse, AWindowlessControlHearsEnterAndLeaveThroughItsParent) {
  Counts counts;
  Count(*label, counts);
  Counts formCounts;
  Count(*form, formCounts);
  ASSERT_TRUE(MoveMouse(InForm(180, 150)));
  ASSERT_TRUE(WaitUntil([&] { return formCounts.enter == 1; }));
  MoveMouse(CentreOf(*label));
  ASSERT_TRUE(WaitUntil([&] { return counts.enter == 1; }));
  EXPECT_EQ(formCounts.leave, 0) << "a windowless child lies on the form's own surface";
  MoveMouse(InForm(180, 150));
  ASSERT_TRUE(WaitUntil([&] { return counts.leave == 1; }));
  MoveMouse(CentreOf(*label));
  ASSERT_TRUE(WaitUntil([&] { return counts.enter == 2; }));
  MoveMouse(Outside());
  EXPECT_TRUE(WaitUntil([&] { return counts.leave == 2 && formCounts.leave == 1; }))
      << "leaving the window from the label leaves both";
}

TEST_F(Mouse, FrameMessagesReachTheHooksWithTheirHitCodeAndTheFrameLeaveFollows) {
  std::vector<WPARAM> frameMoves;
  int frameLeaves = 0;
  WindowHook hook(form->Hooks(), [&](TMessage& m, const WindowHookChain::Next& next) {
    if (m.msg == WM_NCMOUSEMOVE) frameMoves.push_back(m.wParam);
    if (m.msg == WM_NCMOUSELEAVE) ++frameLeaves;
    next(m);
  });
  RECT window;
  GetWindowRect(form->Handle(), &window);
  const POINT caption{(window.left + window.right) / 2, window.top + GetSystemMetrics(SM_CYFRAME) + 4};
  ASSERT_TRUE(MoveMouse(caption));
  ASSERT_TRUE(WaitUntil([&] { return !frameMoves.empty(); }));
  EXPECT_EQ(frameMoves.back(), static_cast<WPARAM>(HTCAPTION));
  MoveMouse(Outside());
  EXPECT_TRUE(WaitUntil([&] { return frameLeaves == 1; }));
}

TEST_F(Mouse, AMouseCaptureReleasesAtTheEndOfItsScopeUnlessTakenAway) {
  {
    MouseCapture capture(*panel);
    EXPECT_TRUE(capture.Holds());
    EXPECT_EQ(GetCapture(), panel->Handle());
  }
  EXPECT_EQ(GetCapture(), nullptr);

  bool lost = false;
  {
    MouseCapture capture(*panel);
    capture.OnLost = [&] { lost = true; };
    SetCapture(form->Handle());
    EXPECT_TRUE(lost);
    EXPECT_FALSE(capture.Holds());
  }
  EXPECT_EQ(GetCapture(), form->Handle()) << "the new holder keeps it";
  ReleaseCapture();

  {
    MouseCapture capture(*panel);
    capture.Release();
    EXPECT_FALSE(capture.Holds());
    EXPECT_EQ(GetCapture(), nullptr);
  }
}
