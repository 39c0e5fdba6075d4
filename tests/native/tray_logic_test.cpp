// The tray icon's click timing, animation steps and tooltip.
#include <gtest/gtest.h>

#include "skin/tray/skTrayLogic.h"

using sk::TskTrayClickEffects;
using sk::TskTrayClicks;

namespace {

struct Count {
  int clicks = 0, doubles = 0;
  bool timer = false;
  void Take(const TskTrayClickEffects& fx) {
    if (fx.startTimer) timer = true;
    if (fx.stopTimer) timer = false;
    clicks += fx.click;
    doubles += fx.doubleClick;
  }
};

TEST(TrayClicks, AQuickClickFiresOnceWhenTheDoubleClickTimeRunsOut) {
  TskTrayClicks c;
  Count n;
  n.Take(c.LeftDown());
  n.Take(c.LeftUp(n.timer));
  EXPECT_EQ(n.clicks, 0);  // a second press may still make it a double click
  n.Take(c.TimerTick());
  EXPECT_EQ(n.clicks, 1);
  EXPECT_FALSE(n.timer);
  n.Take(c.TimerTick());  // a stray tick adds nothing
  EXPECT_EQ(n.clicks, 1);
}

TEST(TrayClicks, ADoubleClickFiresItsOwnEventAndNoClick) {
  TskTrayClicks c;
  Count n;
  // The system sends down, up, double click, up.
  n.Take(c.LeftDown());
  n.Take(c.LeftUp(n.timer));
  n.Take(c.DoubleClick());
  n.Take(c.LeftUp(n.timer));
  n.Take(c.TimerTick());
  EXPECT_EQ(n.doubles, 1);
  EXPECT_EQ(n.clicks, 0);
  // The next single click is counted again.
  n.Take(c.LeftDown());
  n.Take(c.LeftUp(n.timer));
  n.Take(c.TimerTick());
  EXPECT_EQ(n.clicks, 1);
}

TEST(TrayClicks, HoldingPastTheDoubleClickTimeClicksAtTheRelease) {
  TskTrayClicks c;
  Count n;
  n.Take(c.LeftDown());
  n.Take(c.TimerTick());
  EXPECT_EQ(n.clicks, 0);
  n.Take(c.LeftUp(n.timer));
  EXPECT_EQ(n.clicks, 1);
  n.Take(c.TimerTick());
  EXPECT_EQ(n.clicks, 1);
}

TEST(TrayClicks, AReleaseWithoutAPressIsNoClick) {
  TskTrayClicks c;
  Count n;
  n.Take(c.LeftUp(false));
  n.Take(c.TimerTick());
  EXPECT_EQ(n.clicks, 0);
}

TEST(TrayIcons, IndexIsClampedIntoTheList) {
  EXPECT_EQ(sk::ClampTrayIconIndex(7, 3), 2);
  EXPECT_EQ(sk::ClampTrayIconIndex(-4, 3), 0);
  EXPECT_EQ(sk::ClampTrayIconIndex(5, 0), 0);
}

TEST(TrayIcons, AnimationWrapsAndNeverLeavesTheList) {
  // Three icons: 0, 1, 2, 0, ... and each step announces the next.
  int index = 0;
  std::vector<int> shown;
  for (int i = 0; i < 5; ++i) {
    const sk::TskTrayCycleStep step = sk::TrayCycleStep(index, 3);
    ASSERT_TRUE(step.animate);
    shown.push_back(step.show);
    EXPECT_GE(step.next, 0);
    EXPECT_LT(step.next, 3);
    index = step.next;
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0, 1}));
  // An index left past the end (the list shrank) or below the start shows
  // a real icon; an empty list does nothing.
  EXPECT_EQ(sk::TrayCycleStep(9, 3), (sk::TskTrayCycleStep{true, 2, 0}));
  EXPECT_EQ(sk::TrayCycleStep(-1, 3), (sk::TskTrayCycleStep{true, 0, 1}));
  EXPECT_FALSE(sk::TrayCycleStep(0, 0).animate);
  EXPECT_EQ(sk::TrayCycleStep(0, 1), (sk::TskTrayCycleStep{true, 0, 0}));
}

TEST(TrayTip, KeepsTheFirst127CharactersOnlyWhenShown) {
  const std::wstring hint(200, L'x');
  EXPECT_EQ(sk::TrayTip(hint, true), std::wstring(127, L'x'));
  EXPECT_EQ(sk::TrayTip(L"Quillet", true), L"Quillet");
  EXPECT_EQ(sk::TrayTip(L"Quillet", false), L"");
  // A pair of UTF-16 halves across the cut goes whole or not at all.
  std::wstring pair(126, L'x');
  pair += static_cast<wchar_t>(0xD83D);
  pair += static_cast<wchar_t>(0xDE00);
  EXPECT_EQ(sk::TrayTip(pair, true), std::wstring(126, L'x'));
}

}  // namespace
