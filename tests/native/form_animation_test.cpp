// Frame animation of animated caption objects and of the caption: frames
// counted in 25 ms ticks, forward while hovered and back after leaving,
// cycling, the pressed look holding the frames, an open menu holding the
// look until it closes, and the caption stepping towards its activation.
#include <gtest/gtest.h>

#include "skin/data/skSkinDataRecords.h"
#include "skin/form/skFormObjectLook.h"
#include "skin/form/skFormObjectState.h"

namespace {

using sk::TskObjectKind;
using sk::TskObjectState;

TskObjectState Animated(int frames, int interval, bool cycle = false, bool downRect = false) {
  TskObjectState s;
  s.kind = TskObjectKind::Animate;
  s.animates = true;
  s.buttonStyle = true;
  s.countFrames = frames;
  s.frameInterval = interval;
  s.cycle = cycle;
  s.hasDownRect = downRect;
  return s;
}

// Ticks until the timer would stop; the frame after each tick that drew.
std::vector<int> RunOut(sk::TskCaptionObjectTracker& t, int index = 0, int limit = 100) {
  std::vector<int> frames;
  for (int tick = 0; tick < limit; ++tick) {
    const auto r = t.AnimationTick();
    if (!r.busy) return frames;
    if (!r.drawNow.empty()) frames.push_back(t.State(index).frameIndex);
  }
  ADD_FAILURE() << "the animation never came to rest";
  return frames;
}

TEST(FormAnimation, HoverRunsForwardToTheLastFrameAndLeavingRunsBack) {
  sk::TskCaptionObjectTracker t;
  t.Reset({Animated(4, 25)});
  const auto fx = t.TestActive(0, true);
  EXPECT_TRUE(fx.startAnimationTimer);
  EXPECT_EQ(RunOut(t), (std::vector<int>{2, 3, 4}));  // rests on its last frame
  EXPECT_FALSE(t.State(0).activeLook);
  EXPECT_TRUE(t.ClearHover().startAnimationTimer);
  EXPECT_EQ(RunOut(t), (std::vector<int>{3, 2, 1}));
}

TEST(FormAnimation, IntervalsAreCountedInWholeTicks) {
  sk::TskCaptionObjectTracker t;
  t.Reset({Animated(3, 75)});
  t.TestActive(0, true);
  // Starting at 25 elapsed, 75 ms: two counting ticks, then a frame.
  std::vector<bool> drew;
  for (int tick = 0; tick < 6; ++tick) drew.push_back(!t.AnimationTick().drawNow.empty());
  EXPECT_EQ(drew, (std::vector<bool>{false, false, true, false, false, true}));
  // Below one tick: a frame every tick.
  t.Reset({Animated(3, 25)});
  t.TestActive(0, true);
  EXPECT_FALSE(t.AnimationTick().drawNow.empty());
  EXPECT_FALSE(t.AnimationTick().drawNow.empty());
}

TEST(FormAnimation, CyclingRepeatsWhileHoveredAndStopsAfterLeaving) {
  sk::TskCaptionObjectTracker t;
  t.Reset({Animated(3, 25, true)});
  t.TestActive(0, true);
  std::vector<int> frames;
  for (int tick = 0; tick < 7; ++tick) {
    ASSERT_TRUE(t.AnimationTick().busy);
    frames.push_back(t.State(0).frameIndex);
  }
  EXPECT_EQ(frames, (std::vector<int>{2, 3, 1, 2, 3, 1, 2}));
  t.ClearHover();
  EXPECT_EQ(RunOut(t), (std::vector<int>{1}));
}

TEST(FormAnimation, OnlyButtonStyleObjectsFollowTheMouse) {
  sk::TskCaptionObjectTracker t;
  TskObjectState ornament = Animated(4, 25);
  ornament.buttonStyle = false;
  t.Reset({ornament});
  EXPECT_FALSE(t.TestActive(0, true).startAnimationTimer);
  EXPECT_FALSE(t.AnimationTick().busy);
}

TEST(FormAnimation, APressShowsTheDownLookAndTheReleaseRunsTheCommand) {
  sk::TskCaptionObjectTracker t;
  TskObjectState s = Animated(4, 25, false, true);
  s.command = sk::cmClose;
  t.Reset({s});
  t.TestActive(0, true);
  auto fx = t.MouseDown(sk::TskMouseButton::Left);
  EXPECT_TRUE(t.State(0).pressed);
  EXPECT_EQ(t.State(0).frameIndex, 4);
  EXPECT_EQ(fx.drawNow, (std::vector<int>{0}));
  // Pressed with a down look, the frames hold.
  EXPECT_FALSE(t.AnimationTick().busy);
  fx = t.MouseUp(sk::TskMouseButton::Left);
  EXPECT_FALSE(t.State(0).pressed);
  EXPECT_TRUE(fx.startAnimationTimer);
  EXPECT_EQ(fx.command, sk::cmClose);
  EXPECT_EQ(fx.commandObject, 0);

  // Released off the object: no command.
  t.Reset({s});
  t.TestActive(0, true);
  t.MouseDown(sk::TskMouseButton::Left);
  t.TestActive(-1, true);
  EXPECT_EQ(t.MouseUp(sk::TskMouseButton::Left).commandObject, -1);
}

TEST(FormAnimation, AnOpenMenuHoldsTheLookUntilItClosesThenRunsBack) {
  sk::TskCaptionObjectTracker t;
  TskObjectState s = Animated(3, 25);
  s.command = sk::cmDefault;
  t.Reset({s});
  t.SetHasMenu(0, true);
  t.TestActive(0, true);
  t.MouseDown(sk::TskMouseButton::Left);
  auto fx = t.MouseUp(sk::TskMouseButton::Left);
  EXPECT_EQ(fx.menuObject, 0);  // the default command opens the menu
  t.SetMenuOpen(0);
  // The mouse leaving for the menu changes nothing while it shows.
  EXPECT_FALSE(t.ClearHover().startAnimationTimer);
  fx = t.MenuClosed();
  EXPECT_TRUE(fx.startAnimationTimer);
  EXPECT_FALSE(t.State(0).menuOpen);
  EXPECT_EQ(t.State(0).frameIndex, 3);
  EXPECT_EQ(RunOut(t), (std::vector<int>{2, 1}));
  // A second close finds nothing open.
  EXPECT_FALSE(t.MenuClosed().startAnimationTimer);
}

TEST(FormAnimation, ResetPutsAnimatedObjectsBackOnTheirFirstFrame) {
  sk::TskCaptionObjectTracker t;
  t.Reset({Animated(4, 25)});
  t.TestActive(0, true);
  t.AnimationTick();
  t.ResetStates();
  EXPECT_EQ(t.State(0).frameIndex, 1);
  EXPECT_FALSE(t.State(0).hovered);
  EXPECT_FALSE(t.AnimationTick().busy);
}

TEST(FormAnimation, TheCaptionStepsUpWhenActivatedAndBackWhenDeactivated) {
  TskObjectState caption;
  caption.kind = TskObjectKind::Caption;
  caption.animates = true;
  caption.frameIndex = 0;
  caption.elapsed = 0;
  caption.countFrames = 3;
  caption.frameInterval = 25;
  sk::TskCaptionObjectTracker t;
  t.Reset({caption});
  auto fx = t.SetCaptionActive(true, true);
  EXPECT_TRUE(fx.startAnimationTimer);
  EXPECT_EQ(t.State(0).frameIndex, 1);
  // Up to one past the last frame: the active image stands.
  EXPECT_EQ(RunOut(t), (std::vector<int>{2, 3, 4}));
  t.SetCaptionActive(false, true);
  EXPECT_EQ(t.State(0).frameIndex, 0);  // without inactive animation: straight to rest
  EXPECT_TRUE(RunOut(t).empty());

  caption.inactiveAnimation = true;
  t.Reset({caption});
  t.SetCaptionActive(true, true);
  RunOut(t);
  t.SetCaptionActive(false, true);
  EXPECT_EQ(RunOut(t), (std::vector<int>{2, 1, 0}));
}

TEST(FormAnimation, FramesAreCutSideBySideFromTheActiveRectangle) {
  sk::TskDataSkinAnimate record("anim");
  record.SkinRect = {0, 0, 20, 10};
  record.ActiveSkinRect = {5, 7, 85, 17};
  record.CountFrames = 4;
  TskObjectState s = Animated(4, 25);
  s.frameIndex = 3;
  EXPECT_EQ(sk::ObjectLookOf(record, s, true, false).rect, (fw::TRect{45, 7, 65, 17}));
  // The inactive look of an inactive form, the down look while pressed over it.
  record.InActiveSkinRect = {0, 20, 20, 30};
  EXPECT_EQ(sk::ObjectLookOf(record, s, false, false).rect, record.InActiveSkinRect);
  record.DownSkinRect = {0, 40, 20, 50};
  s.pressed = s.hovered = true;
  EXPECT_EQ(sk::ObjectLookOf(record, s, true, false).rect, record.DownSkinRect);
  // An open menu holds the down look; without one, the last frame.
  s.pressed = s.hovered = false;
  s.menuOpen = true;
  EXPECT_EQ(sk::ObjectLookOf(record, s, true, false).rect, record.DownSkinRect);
  record.DownSkinRect = {};
  EXPECT_EQ(sk::ObjectLookOf(record, s, true, false).rect, (fw::TRect{65, 7, 85, 17}));
}

}  // namespace

namespace {

sk::TskDataSkinCaption AnimatedCaption() {
  sk::TskDataSkinCaption c("caption");
  c.SkinRect = {0, 0, 100, 20};
  c.ActiveSkinRect = {0, 20, 100, 40};
  c.AnimateSkinRect = {0, 40, 300, 60};
  c.FrameCount = 3;
  return c;
}

TEST(FormCaptionLook, AnimationFramesCarryTheTextOfTheLookTheyLeave) {
  sk::TskDataSkinCaption c = AnimatedCaption();
  TskObjectState s;
  s.kind = TskObjectKind::Caption;
  s.animates = true;
  s.countFrames = 3;
  s.activeLook = true;
  s.frameIndex = 2;
  sk::TskCaptionLook look = sk::CaptionLookOf(c, s, true, false);
  EXPECT_EQ(look.kind, sk::TskCaptionLook::Image);
  EXPECT_EQ(look.background, (fw::TRect{100, 40, 200, 60}));  // side by side
  EXPECT_FALSE(look.textActive);
  // Frames higher than the caption lie on top of each other.
  c.AnimateSkinRect = {0, 40, 100, 100};
  EXPECT_EQ(sk::CaptionFrameRect(c, 3), (fw::TRect{0, 80, 100, 100}));
  // Past the last frame: the active image with the active text.
  s.frameIndex = 4;
  look = sk::CaptionLookOf(c, s, true, false);
  EXPECT_EQ(look.background, c.ActiveSkinRect);
  EXPECT_TRUE(look.textActive);
  // Back at rest, inactive: the normal image, with the inactive effect
  // when the skin renders it.
  s.activeLook = false;
  s.frameIndex = 0;
  look = sk::CaptionLookOf(c, s, true, true);
  EXPECT_EQ(look.background, c.SkinRect);
  EXPECT_TRUE(look.inactiveEffect);
}

TEST(FormCaptionLook, WithoutEffectsOrPicturesOnlyTheTextIsDrawn) {
  sk::TskDataSkinCaption c = AnimatedCaption();
  TskObjectState s;
  s.kind = TskObjectKind::Caption;
  EXPECT_EQ(sk::CaptionLookOf(c, s, true, false).kind, sk::TskCaptionLook::TextOnly);  // inactive, no effects
  s.activeLook = true;
  EXPECT_EQ(sk::CaptionLookOf(c, s, true, false).kind, sk::TskCaptionLook::Image);
  EXPECT_EQ(sk::CaptionLookOf(c, s, false, false).kind, sk::TskCaptionLook::TextOnly);  // no active picture
  c.ActiveSkinRect = {};
  EXPECT_EQ(sk::CaptionLookOf(c, s, true, false).kind, sk::TskCaptionLook::TextOnly);
  // The stretch effect draws the normal image too.
  c = AnimatedCaption();
  c.StretchEffect = true;
  s.activeLook = false;
  EXPECT_EQ(sk::CaptionLookOf(c, s, true, false).background, c.SkinRect);
}

}  // namespace
