// The caption objects' hover, press and morph state: hover and leave,
// press and release, drag off and back, double clicks, morph steps, and
// what the hover timer does on a tick.
#include <gtest/gtest.h>

#include "skin/form/skFormObjectState.h"
#include "tests/native/form_support.h"

namespace {

using formtest::Arranged;
using formtest::OurFrame;
using formtest::OurSkin;
using Ev = sk::TskObjectEvent;
using sk::TskMouseButton;

constexpr int kClose = 0, kMax = 1, kSysMenu = 4, kCaption = 6;

class FormObjects : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto objects = Arranged(OurFrame(), 679, 565);
    ASSERT_EQ(objects[kClose].name, "closebutton");
    ASSERT_EQ(objects[kSysMenu].name, "sysmenubutton");
    ASSERT_EQ(objects[kCaption].name, "caption");
    t_.Reset(sk::ObjectStatesOf(objects, &OurSkin()));
  }
  sk::TskCaptionObjectTracker t_;
};

TEST_F(FormObjects, StatesFromOurSkin) {
  // Our buttons morph (skin effects on), the caption has no active look.
  EXPECT_TRUE(t_.State(kClose).morphing);
  EXPECT_TRUE(t_.State(kClose).hasActiveLook);
  EXPECT_TRUE(t_.State(kClose).hasDownRect);
  EXPECT_FALSE(t_.State(kCaption).morphing);
  EXPECT_FALSE(t_.State(kCaption).hasActiveLook);
  // Built-in buttons draw at once.
  const auto builtIn = sk::ObjectStatesOf(sk::DefaultCaptionObjects(), nullptr);
  EXPECT_FALSE(builtIn[0].morphing);
  EXPECT_TRUE(builtIn[0].hasActiveLook);
}

TEST_F(FormObjects, HoverMorphsUpAndDownInWholeSteps) {
  auto fx = t_.TestActive(kClose, true);
  EXPECT_EQ(fx.events, (std::vector<Ev>{{Ev::Enter, kClose}}));
  EXPECT_TRUE(fx.startMorphTimer);
  EXPECT_TRUE(t_.State(kClose).activeLook);
  for (int tick = 1; tick <= sk::kMorphSteps; ++tick) EXPECT_EQ(t_.MorphTick(), (std::vector<int>{kClose}));
  EXPECT_EQ(t_.State(kClose).MorphFactor(), 1.0);  // exactly
  EXPECT_TRUE(t_.MorphTick().empty());             // the timer stops

  fx = t_.TestActive(-1, true);
  EXPECT_EQ(fx.events, (std::vector<Ev>{{Ev::Leave, kClose}}));
  for (int tick = 1; tick <= sk::kMorphSteps; ++tick) EXPECT_FALSE(t_.MorphTick().empty());
  EXPECT_EQ(t_.State(kClose).MorphFactor(), 0.0);
  EXPECT_TRUE(t_.MorphTick().empty());

  // Moving straight from one button to the next leaves one, enters the other.
  t_.TestActive(kClose, true);
  fx = t_.TestActive(kMax, true);
  EXPECT_EQ(fx.events, (std::vector<Ev>{{Ev::Leave, kClose}, {Ev::Enter, kMax}}));
  // Half way up and back: the factor turns around and comes back to 0.
  t_.MorphTick();
  t_.MorphTick();
  t_.ClearHover();
  while (!t_.MorphTick().empty()) {
  }
  EXPECT_EQ(t_.State(kMax).morphStep, 0);
}

TEST_F(FormObjects, PressReleaseOnTheButtonRunsTheCommand) {
  t_.TestActive(kClose, true);
  auto fx = t_.MouseDown(TskMouseButton::Left);
  EXPECT_TRUE(fx.setCapture);
  EXPECT_EQ(t_.CaptureIndex(), kClose);
  EXPECT_TRUE(t_.State(kClose).pressed);
  EXPECT_EQ(t_.State(kClose).morphStep, sk::kMorphSteps);  // pressed shows at once
  fx = t_.MouseUp(TskMouseButton::Left);
  EXPECT_TRUE(fx.releaseCapture);
  EXPECT_EQ(fx.commandObject, kClose);
  EXPECT_EQ(fx.command, sk::cmClose);
  EXPECT_FALSE(t_.State(kClose).pressed);
  EXPECT_FALSE(t_.Captured());
  // The window goes away under the mouse: nothing stays hovered.
  EXPECT_EQ(t_.HoverIndex(), -1);
  EXPECT_FALSE(t_.State(kClose).activeLook);
}

TEST_F(FormObjects, DragOffAndReleaseDropsThePress) {
  t_.TestActive(kMax, true);
  t_.MouseDown(TskMouseButton::Left);
  auto fx = t_.TestActive(-1, true);  // dragged off
  EXPECT_EQ(fx.events, (std::vector<Ev>{{Ev::Leave, kMax}}));
  EXPECT_TRUE(t_.State(kMax).pressed);
  // Over another button while the press holds the capture: nothing lights up.
  fx = t_.TestActive(kClose, true);
  EXPECT_TRUE(fx.events.empty());
  EXPECT_EQ(t_.HoverIndex(), -1);
  fx = t_.MouseUp(TskMouseButton::Left);
  EXPECT_TRUE(fx.releaseCapture);
  EXPECT_EQ(fx.commandObject, -1);
  EXPECT_FALSE(t_.State(kMax).pressed);
}

TEST_F(FormObjects, DragOffBackAndReleaseRunsTheCommand) {
  t_.TestActive(kMax, true);
  t_.MouseDown(TskMouseButton::Left);
  t_.TestActive(-1, true);
  auto fx = t_.TestActive(kMax, true);
  EXPECT_EQ(fx.events, (std::vector<Ev>{{Ev::Enter, kMax}}));
  EXPECT_EQ(fx.drawNow, (std::vector<int>{kMax}));  // back to the down look at once
  fx = t_.MouseUp(TskMouseButton::Left);
  EXPECT_EQ(fx.commandObject, kMax);
  EXPECT_EQ(fx.command, sk::cmMaximize);
  // The right button never runs a command.
  t_.TestActive(kMax, true);
  t_.MouseDown(TskMouseButton::Right);
  EXPECT_EQ(t_.MouseUp(TskMouseButton::Right).commandObject, -1);
}

TEST_F(FormObjects, CaptionPressTakesNoCapture) {
  t_.TestActive(kCaption, true);
  EXPECT_TRUE(t_.State(kCaption).hovered);
  EXPECT_FALSE(t_.State(kCaption).activeLook);  // the caption's look follows activation
  const auto fx = t_.MouseDown(TskMouseButton::Left);
  EXPECT_FALSE(fx.setCapture);
  EXPECT_EQ(fx.events, (std::vector<Ev>{{Ev::Down, kCaption}}));
  EXPECT_FALSE(t_.MouseUp(TskMouseButton::Left).releaseCapture);
}

TEST_F(FormObjects, SystemMenuButtonOpensOnPressAndClosesTheFormOnDoubleClick) {
  t_.TestActive(kSysMenu, true);
  auto fx = t_.MouseDown(TskMouseButton::Left);
  EXPECT_EQ(fx.menuObject, kSysMenu);
  EXPECT_TRUE(t_.Captured());
  fx = t_.DblClick();
  // Menu and capture end before the form closes.
  EXPECT_TRUE(fx.closeMenu);
  EXPECT_TRUE(fx.releaseCapture);
  EXPECT_TRUE(fx.closeForm);
  EXPECT_FALSE(t_.Captured());
  EXPECT_FALSE(t_.State(kSysMenu).pressed);
  // A double click elsewhere closes nothing.
  t_.TestActive(kClose, true);
  EXPECT_FALSE(t_.DblClick().closeForm);
}

TEST_F(FormObjects, DisabledAndResetObjects) {
  auto objects = Arranged(OurFrame(), 679, 565, sk::biSystemMenu);
  sk::TskCaptionObjectTracker t;
  t.Reset(sk::ObjectStatesOf(objects, &OurSkin()));
  ASSERT_FALSE(t.State(kMax).enabled);
  EXPECT_TRUE(t.TestActive(kMax, true).events.empty());
  t.TestActive(kClose, true);
  t.MorphTick();
  t.ResetStates();
  EXPECT_FALSE(t.State(kClose).activeLook);
  EXPECT_EQ(t.State(kClose).morphStep, 0);
}

TEST_F(FormObjects, CaptionFollowsActivation) {
  auto fx = t_.SetCaptionActive(true, true);
  EXPECT_TRUE(fx.repaintFrame);
  EXPECT_TRUE(t_.State(kCaption).activeLook);
  EXPECT_FALSE(t_.SetCaptionActive(true, true).repaintFrame);  // no change
  t_.SetCaptionActive(false, false);
  EXPECT_FALSE(t_.State(kCaption).activeLook);
}

TEST(FormHoverTick, WhatATickDoes) {
  using A = sk::TskHoverTickAction;
  struct Case {
    sk::TskHoverTickInput in;
    A action;
  } cases[] = {
      {{false, true, false, false, false, true}, A::Nothing},       // inactive form
      {{true, false, false, false, false, true}, A::StopAndClear},  // cursor over another window
      {{true, false, false, false, true, false}, A::TestAtCursor},  // ... while a button holds the capture
      {{true, true, true, false, false, true}, A::Stop},            // size/move loop
      {{true, true, false, false, false, false}, A::TestAtCursor},  // over the frame
      {{true, true, false, true, false, true}, A::ClearInClient},   // into the client, still lit
      {{true, true, false, true, false, false}, A::Nothing},        // in the client, nothing lit
  };
  for (const Case& c : cases) EXPECT_EQ(sk::HoverTick(c.in), c.action);
}

}  // namespace
