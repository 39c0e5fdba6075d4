// Panes, panels and their frame controller going away in any order, and
// the shared timers walking pane lists whose members free one another.
#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "status/FrFrameController.h"
#include "status/FrStatus.h"
#include "status/FrStatusPanes.h"

using namespace fr;
using fw::TComponent;

namespace {

// What each kind of control still held as its controller when it went.
TFrFrameController* gPaneHeld = nullptr;
TFrFrameController* gBarHeld = nullptr;

class RecordingPane : public TFrStatusPane {
 public:
  using TFrStatusPane::TFrStatusPane;
  ~RecordingPane() override { gPaneHeld = FrameController(); }
};

class RecordingBar : public TFrStatusBar {
 public:
  using TFrStatusBar::TFrStatusBar;
  ~RecordingBar() override { gBarHeld = FrameController(); }
};

void PumpUntil(const std::function<bool()>& done, DWORD ms) {
  const DWORD until = GetTickCount() + ms;
  while (!done() && GetTickCount() < until) {
    fw::Application().ProcessMessages();
    Sleep(2);
  }
}

}  // namespace

TEST(StatusLifecycle, AFormFreesAControllerMadeAfterItsPaneAndBar) {
  auto* form = TComponent::Create<fw::TForm>(&fw::Application());
  auto* bar = TComponent::Create<RecordingBar>(form);
  bar->SetParent(form);
  auto* pane = TComponent::Create<RecordingPane>(form);
  pane->SetParent(bar);
  form->HandleNeeded();
  // Made last, so the form frees it first.
  auto* controller = TComponent::Create<TFrFrameController>(form);
  controller->SetFrameVisible(true);
  pane->SetFrameController(controller);
  bar->SetFrameController(controller);
  ASSERT_EQ(controller->ControlCount(), 2);
  gPaneHeld = gBarHeld = controller;
  TComponent::Free(form);
  EXPECT_EQ(gPaneHeld, nullptr);
  EXPECT_EQ(gBarHeld, nullptr);
}

TEST(StatusLifecycle, PollingTickSkipsPanesFreedDuringIt) {
  auto* form = TComponent::Create<fw::TForm>(&fw::Application());
  auto* first = TComponent::Create<TFrPollingStatus>(form);
  auto* second = TComponent::Create<TFrPollingStatus>(form);
  first->SetInterval(20);
  int firstTicks = 0, secondTicks = 0;
  second->OnTimerExpired = [&](TComponent*) { ++secondTicks; };
  first->OnTimerExpired = [&](TComponent*) {
    if (++firstTicks == 1) TComponent::Free(second);  // later in this very walk
  };
  PumpUntil([&] { return firstTicks >= 3; }, 3000);
  EXPECT_GE(firstTicks, 3);
  EXPECT_EQ(secondTicks, 0);

  // The last pane frees itself from its tick: the list and its timer go
  // after the walk, and a new pane starts a fresh one.
  first->OnTimerExpired = [&](TComponent* self) {
    ++firstTicks;
    TComponent::Free(self);
  };
  const int before = firstTicks;
  PumpUntil([&] { return firstTicks > before; }, 3000);
  EXPECT_EQ(firstTicks, before + 1);
  auto* fresh = TComponent::Create<TFrPollingStatus>(form);
  EXPECT_TRUE(fresh->Active());
  EXPECT_EQ(fresh->Interval(), 500);
  TComponent::Free(form);
}

TEST(StatusLifecycle, BlinkTickSkipsPanesFreedDuringIt) {
  auto* form = TComponent::Create<fw::TForm>(&fw::Application());
  auto* first = TComponent::Create<TFrStatusPane>(form);
  auto* second = TComponent::Create<TFrStatusPane>(form);
  first->SetBlinking(true);
  second->SetBlinking(true);
  int secondPhases = 0;
  bool freed = false;
  fw::WindowHook firstHook;
  firstHook.Install(first->Hooks(), [&](fw::TMessage& m, const fw::WindowHookChain::Next& next) {
    if (m.msg == kMsgBlinkPhase && !freed) {
      freed = true;
      TComponent::Free(second);
    }
    next(m);
  });
  fw::WindowHook secondHook;
  secondHook.Install(second->Hooks(), [&](fw::TMessage& m, const fw::WindowHookChain::Next& next) {
    if (m.msg == kMsgBlinkPhase) ++secondPhases;
    next(m);
  });
  TFrCustomStatusPane::SetBlinkIntervalOn(20);
  TFrCustomStatusPane::SetBlinkIntervalOff(20);
  PumpUntil([&] { return freed; }, 3000);
  fw::Application().ProcessMessages();
  EXPECT_TRUE(freed);
  EXPECT_EQ(secondPhases, 0);
  TFrCustomStatusPane::SetBlinkIntervalOn(500);
  TFrCustomStatusPane::SetBlinkIntervalOff(500);
  TComponent::Free(form);
}
