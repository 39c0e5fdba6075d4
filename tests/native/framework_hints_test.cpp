// The portable half of hints: short and long parts, placement within the
// work area, and the timing as the cursor goes from control to control.
#include <gtest/gtest.h>

#include "framework/HintTiming.h"

using namespace fw;
using Phase = HintScheduler::Phase;
using Timer = HintScheduler::TimerAction;

TEST(HintText, ShortAndLongPartsSplitAtTheFirstBar) {
  EXPECT_EQ(GetShortHint(L"Save|Saves the slots"), L"Save");
  EXPECT_EQ(GetLongHint(L"Save|Saves the slots"), L"Saves the slots");
  EXPECT_EQ(GetShortHint(L"Save"), L"Save");
  EXPECT_EQ(GetLongHint(L"Save"), L"Save");
  EXPECT_EQ(GetShortHint(L"|only long"), L"");
  EXPECT_EQ(GetLongHint(L"a|b|c"), L"b|c");
}

TEST(HintPlacement, StaysInsideTheWorkArea) {
  const TRect work{0, 0, 1280, 1000};
  // Room enough: at the hint position.
  EXPECT_EQ(PlaceHintRect({100, 20}, {50, 70}, {50, 50}, work), (TRect{50, 70, 150, 90}));
  // Past the right edge: moved left to end at it.
  EXPECT_EQ(PlaceHintRect({100, 20}, {1250, 70}, {1250, 50}, work), (TRect{1180, 70, 1280, 90}));
  // Past the bottom: above the cursor instead of over it.
  EXPECT_EQ(PlaceHintRect({100, 20}, {50, 990}, {50, 970}, work), (TRect{50, 950, 150, 970}));
  // Wider than the work area: starts at its left edge.
  EXPECT_EQ(PlaceHintRect({1400, 20}, {50, 70}, {50, 50}, work), (TRect{0, 70, 1400, 90}));
  // A work area that does not start at 0 (a second monitor, a task bar on top).
  const TRect shifted{1280, 40, 2560, 1000};
  EXPECT_EQ(PlaceHintRect({100, 20}, {1200, 10}, {1200, 0}, shifted), (TRect{1280, 40, 1380, 60}));
}

namespace {
const int a = 0, b = 0;  // two controls, by address
const void* const kA = &a;
const void* const kB = &b;
}  // namespace

TEST(HintScheduler, ShowsAfterThePauseAndHidesAfterTheHidePause) {
  HintScheduler s;
  auto step = s.MouseOver(kA);
  EXPECT_EQ(step.timer, Timer::Start);
  EXPECT_EQ(step.interval, 500);
  EXPECT_FALSE(step.show);
  EXPECT_EQ(s.MouseOver(kA).timer, Timer::Keep) << "moving within the control changes nothing";
  step = s.TimerExpired();
  EXPECT_TRUE(step.show);
  EXPECT_EQ(step.interval, 2500);
  EXPECT_EQ(s.CurrentPhase(), Phase::Shown);
  step = s.TimerExpired();
  EXPECT_TRUE(step.hide);
  EXPECT_EQ(step.timer, Timer::Stop);
  EXPECT_EQ(s.CurrentPhase(), Phase::Done);
  EXPECT_EQ(s.MouseOver(kA).timer, Timer::Keep) << "no second hint until the cursor goes elsewhere";
  EXPECT_EQ(s.MouseOver(kB).interval, 500) << "after a hint timed out, the full pause again";
}

TEST(HintScheduler, TheShortPauseOnlyWhileAHintShows) {
  HintScheduler s;
  s.MouseOver(kA);
  s.TimerExpired();
  auto step = s.MouseOver(kB);
  EXPECT_TRUE(step.hide) << "the old hint goes at once";
  EXPECT_EQ(step.interval, 50);
  // Still waiting for B: moving back to A waits the full pause.
  EXPECT_EQ(s.MouseOver(kA).interval, 500);
  // Through a gap without hints: the hint goes and the next waits in full.
  s.TimerExpired();
  step = s.MouseOver(nullptr);
  EXPECT_TRUE(step.hide);
  EXPECT_EQ(step.timer, Timer::Stop);
  EXPECT_EQ(s.MouseOver(kB).interval, 500);
}

TEST(HintScheduler, DismissedHintsWaitForAnotherControlButCancelForgets) {
  HintScheduler s;
  s.MouseOver(kA);
  auto step = s.Dismiss();  // a click before the hint showed
  EXPECT_FALSE(step.hide);
  EXPECT_EQ(step.timer, Timer::Stop);
  EXPECT_EQ(s.MouseOver(kA).timer, Timer::Keep);
  EXPECT_FALSE(s.TimerExpired().show) << "a stale expiry shows nothing";
  s.MouseOver(kB);
  s.TimerExpired();
  step = s.Dismiss();  // a key while B's hint shows
  EXPECT_TRUE(step.hide);
  step = s.Cancel();
  EXPECT_FALSE(step.hide) << "already hidden";
  EXPECT_EQ(s.Control(), nullptr);
  EXPECT_EQ(s.MouseOver(kB).interval, 500) << "forgotten: the same control starts anew";
}

TEST(HintScheduler, ShowNowAndPausesOfNoHideTimeout) {
  HintScheduler s({100, 10, 0});
  auto step = s.ShowNow(kA);
  EXPECT_TRUE(step.show);
  EXPECT_EQ(step.timer, Timer::Stop) << "a hide pause of 0 keeps the hint";
  step = s.ShowNow(kB);
  EXPECT_TRUE(step.hide);
  EXPECT_TRUE(step.show);
  EXPECT_EQ(s.Control(), kB);
  step = s.ShowNow(nullptr);
  EXPECT_TRUE(step.hide);
  EXPECT_EQ(s.CurrentPhase(), Phase::Idle);
}
