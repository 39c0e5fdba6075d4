// Timers on the shared message window: ticks that disable or free their own
// timer, one window for every timer, hooks on that window.
#include <gtest/gtest.h>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/MessageWindow.h"

using namespace fw;

namespace {

// Runs the message loop for about `ms` milliseconds.
void Pump(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    Application().ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

int MessageWindowsOfOurClass() {
  int n = 0;
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, L"QuilletMessageWindow", nullptr); w;
       w = FindWindowExW(HWND_MESSAGE, w, L"QuilletMessageWindow", nullptr)) {
    ++n;
  }
  return n;
}

}  // namespace

TEST(Timer, ATimerDisabledInItsOwnTickTicksOnce) {
  TComponent root(nullptr);
  auto* timer = TComponent::Create<TTimer>(&root);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TComponent* sender) {
    ++ticks;
    static_cast<TTimer*>(sender)->SetEnabled(false);
  };
  Pump(200);
  EXPECT_EQ(ticks, 1);
  timer->SetEnabled(true);
  Pump(200);
  EXPECT_EQ(ticks, 2) << "enabled again, it runs again";
}

TEST(Timer, ATimerFreedInItsOwnTickStopsAndLeavesNothingBehind) {
  const size_t before = MessageWindow::Instance().TimerCount();
  auto* timer = TComponent::Create<TTimer>(nullptr);
  timer->SetInterval(10);
  int ticks = 0;
  int captured = 42;  // lives in the handler freed with the timer
  timer->OnTimer = [&ticks, captured](TComponent* sender) {
    TComponent::Free(sender);
    ticks += captured == 42 ? 1 : 100;  // the handler is still whole after the free
  };
  Pump(200);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(MessageWindow::Instance().TimerCount(), before);
}

TEST(Timer, ATickMayFreeAnotherTimerWhoseExpiryIsAlreadyDue) {
  TComponent root(nullptr);
  auto* first = TComponent::Create<TTimer>(&root);
  auto* second = TComponent::Create<TTimer>(&root);
  first->SetInterval(10);
  second->SetInterval(10);
  int secondTicks = 0;
  TTimer* victim = second;
  first->OnTimer = [&](TComponent*) {
    if (victim) TComponent::Free(victim);
    victim = nullptr;
  };
  second->OnTimer = [&](TComponent*) { ++secondTicks; };
  Sleep(50);  // both expiries are due before either runs
  Pump(100);
  EXPECT_LE(secondTicks, 1) << "at most the tick that ran before the free";
  const int after = secondTicks;
  Pump(100);
  EXPECT_EQ(secondTicks, after);
}

TEST(Timer, IntervalChangesInsideATickTakeEffectAndZeroStopsIt) {
  TComponent root(nullptr);
  auto* timer = TComponent::Create<TTimer>(&root);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TComponent* sender) {
    ++ticks;
    if (ticks == 3) static_cast<TTimer*>(sender)->SetInterval(0);
  };
  Pump(300);
  EXPECT_EQ(ticks, 3);
}

TEST(MessageWindow, EveryTimerSharesOneHiddenMessageOnlyWindow) {
  TComponent root(nullptr);
  auto* a = TComponent::Create<TTimer>(&root);
  auto* b = TComponent::Create<TTimer>(&root);
  a->SetInterval(10);
  b->SetInterval(15);
  int ticksA = 0;
  int ticksB = 0;
  a->OnTimer = [&](TComponent*) { ++ticksA; };
  b->OnTimer = [&](TComponent*) { ++ticksB; };
  Pump(150);
  EXPECT_GT(ticksA, 0);
  EXPECT_GT(ticksB, 0);
  EXPECT_EQ(MessageWindowsOfOurClass(), 1);
  HWND window = MessageWindow::Instance().Handle();
  EXPECT_EQ(FindWindowExW(HWND_MESSAGE, nullptr, L"QuilletMessageWindow", nullptr), window);
  EXPECT_FALSE(IsWindowVisible(window));
}

TEST(MessageWindow, CallbackMessagesReachItsHooksUntilTheyLeave) {
  constexpr UINT kCallback = 0x0800;
  HWND window = MessageWindow::Instance().Handle();
  std::vector<LPARAM> heard;
  auto hook = std::make_unique<WindowHook>(MessageWindow::Instance().Hooks(),
                                           [&](TMessage& m, const WindowHookChain::Next& next) {
                                             if (m.msg == kCallback) {
                                               heard.push_back(m.lParam);
                                               return;
                                             }
                                             next(m);
                                           });
  PostMessageW(window, kCallback, 1, WM_LBUTTONDOWN);
  Application().ProcessMessages();
  EXPECT_EQ(heard, (std::vector<LPARAM>{WM_LBUTTONDOWN}));
  hook.reset();
  PostMessageW(window, kCallback, 1, WM_RBUTTONDOWN);
  Application().ProcessMessages();
  EXPECT_EQ(heard.size(), 1u);

  // Timers keep running beside the hooks.
  TComponent root(nullptr);
  auto* timer = TComponent::Create<TTimer>(&root);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TComponent*) { ++ticks; };
  WindowHook passing(MessageWindow::Instance().Hooks(),
                     [](TMessage& m, const WindowHookChain::Next& next) { next(m); });
  Pump(100);
  EXPECT_GT(ticks, 0);
}
