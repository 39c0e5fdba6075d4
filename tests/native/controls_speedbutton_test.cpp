// Speed button behaviour without a window: presses and releases alone and
// in groups, auto-repeat timing, glyph choice, the skin's font colours, the
// frame animation and morph steps, and the menu button's drop-down zone.
#include <gtest/gtest.h>

#include "framework/IniFiles.h"
#include "skin/controls/skSpeedButtonLogic.h"
#include "skin/data/skSkinDataControls.h"

using namespace sk;
using fw::TRect;

namespace {

struct Button {
  TskSpeedButtonState state;
  TskSpeedButtonSetup setup;
  int clicks = 0;
  void Press() { clicks += PressSpeedButton(state, setup).click ? 1 : 0; }
  void Release(bool inside = true) { clicks += ReleaseSpeedButton(state, setup, inside).click ? 1 : 0; }
};

TEST(SpeedButtonPress, UngroupedClicksOnReleaseInsideOnly) {
  Button b;
  b.Press();
  EXPECT_TRUE(b.state.down);
  EXPECT_EQ(0, b.clicks);
  b.Release(true);
  EXPECT_FALSE(b.state.down);
  EXPECT_EQ(1, b.clicks);

  b.Press();
  b.Release(false);
  EXPECT_FALSE(b.state.down);
  EXPECT_EQ(1, b.clicks) << "a release outside does not click";
}

TEST(SpeedButtonPress, GroupedClicksOnPressAndStaysDown) {
  Button b;
  b.setup.groupIndex = 1;
  b.Press();
  EXPECT_EQ(1, b.clicks);
  EXPECT_TRUE(b.state.down);
  b.Release(true);
  EXPECT_TRUE(b.state.down) << "without AllowAllUp a grouped button stays down";
  b.Press();
  b.Release(true);
  EXPECT_TRUE(b.state.down);
  EXPECT_EQ(1, b.clicks);
}

TEST(SpeedButtonPress, AllowAllUpLetsTheSecondPressPutItUp) {
  Button b;
  b.setup = {1, true, false};
  b.Press();
  b.Release(true);
  EXPECT_TRUE(b.state.down);
  b.Press();
  b.Release(false);
  EXPECT_TRUE(b.state.down) << "released outside: stays down";
  b.Press();
  b.Release(true);
  EXPECT_FALSE(b.state.down);
  EXPECT_EQ(2, b.clicks);
}

TEST(SpeedButtonGroup, PartnersGoUpUnlessAllUpIsAllowed) {
  // Siblings: two of group 1 down, one of group 2 down, an ungrouped one down.
  const std::vector<TskGroupMember> siblings = {{1, true}, {1, true}, {2, true}, {0, true}, {1, false}};
  EXPECT_EQ(std::vector<int>{1}, GroupPartnersToRelease(siblings, 0, false));
  EXPECT_TRUE(GroupPartnersToRelease(siblings, 0, true).empty());
  EXPECT_TRUE(GroupPartnersToRelease(siblings, 3, false).empty()) << "ungrouped";
  EXPECT_TRUE(GroupPartnersToRelease(siblings, 9, false).empty());
}

TEST(SpeedButtonRepeat, FirstClickAfterHalfASecondThenEveryInterval) {
  EXPECT_EQ(500u, RepeatIntervalAfter(0, 100));
  EXPECT_EQ(100u, RepeatIntervalAfter(1, 100));
  EXPECT_EQ(100u, RepeatIntervalAfter(7, 100));
  EXPECT_EQ(1u, RepeatIntervalAfter(3, 0)) << "a zero interval must not spin";

  // Counting ticks as a timer would fire them.
  for (unsigned interval : {50u, 100u, 130u}) {
    for (unsigned held : {0u, 499u, 500u, 599u, 600u, 1234u}) {
      int ticks = 0;
      unsigned at = 0;
      while (true) {
        at += RepeatIntervalAfter(ticks, interval);
        if (at > held) break;
        ++ticks;
      }
      EXPECT_EQ(ticks, RepeatClicksWithin(held, interval)) << held << " ms at " << interval;
    }
  }
}

TEST(SpeedButtonRepeat, PressStartsAndReleaseStopsRepeating) {
  Button b;
  b.setup.repeatMode = true;
  EXPECT_TRUE(PressSpeedButton(b.state, b.setup).startRepeat);
  const TskSpeedButtonEffect up = ReleaseSpeedButton(b.state, b.setup, true);
  EXPECT_TRUE(up.stopRepeat);
  EXPECT_TRUE(up.click) << "the release inside adds one more click";
  b.setup.groupIndex = 2;
  EXPECT_FALSE(PressSpeedButton(b.state, b.setup).startRepeat) << "grouped buttons do not repeat";
}

TEST(SpeedButtonLooks, GlyphNumberFollowsStateAndStrip) {
  EXPECT_EQ(1, SpeedButtonGlyphNumber(1, false, false, false));
  EXPECT_EQ(2, SpeedButtonGlyphNumber(2, false, false, false));
  EXPECT_EQ(1, SpeedButtonGlyphNumber(2, true, true, true));
  EXPECT_EQ(3, SpeedButtonGlyphNumber(3, true, true, true));
  EXPECT_EQ(1, SpeedButtonGlyphNumber(3, true, false, true));
  EXPECT_EQ(4, SpeedButtonGlyphNumber(4, true, false, true));
}

TEST(SpeedButtonLooks, DisabledColourEqualToNormalBecomesGrey) {
  EXPECT_EQ(fw::TColor{8421504}, DisabledFontColorOf(0x123456, 0x123456));
  EXPECT_EQ(fw::TColor{0xAAAAAA}, DisabledFontColorOf(0xAAAAAA, 0x123456));

  // And so it reads from a skin section whose two colours agree.
  fw::TMemIniFile ini("");
  ini.WriteString("b", "fontcolor", "255");
  ini.WriteString("b", "disabledfontcolor", "255");
  TskDataSkinButtonControl record("b");
  record.LoadFromIni(ini);
  EXPECT_EQ(kDisabledGrey, DisabledFontColorOf(record.DisabledFontColor, record.FontColor));
}

TEST(SpeedButtonLooks, EmptyLooksFallBack) {
  const TskButtonLooks l = ButtonLooksOf({0, 0, 40, 24}, {}, {}, {});
  EXPECT_EQ((TRect{0, 0, 40, 24}), l.active);
  EXPECT_EQ(l.active, l.down);
  const TskButtonLooks m = ButtonLooksOf({0, 0, 40, 24}, {40, 0, 80, 24}, {}, {});
  EXPECT_EQ(m.active, m.down);
}

TEST(SpeedButtonLooks, StateChoosesTheLook) {
  using L = TskSpeedLook;
  EXPECT_EQ(L::Normal, ChooseSpeedLook({}));
  EXPECT_EQ(L::Hot, ChooseSpeedLook({false, true}));
  EXPECT_EQ(L::Down, ChooseSpeedLook({true, true}));
  EXPECT_EQ(L::Normal, ChooseSpeedLook({true, false, false})) << "pressed and dragged off";
  EXPECT_EQ(L::Down, ChooseSpeedLook({true, false, true})) << "grouped and down";
  EXPECT_EQ(L::Morph, ChooseSpeedLook({false, true, false, true, 0.4}));
  EXPECT_EQ(L::Hot, ChooseSpeedLook({false, false, false, true, 1.0}));
  EXPECT_EQ(L::Transparent, ChooseSpeedLook({false, false, false, false, 0, true}));
}

TEST(SpeedButtonAnimation, NoFramesNoAnimationAndNoDivision) {
  EXPECT_FALSE(CanAnimate({0, 0, 160, 24}, 0));
  EXPECT_FALSE(CanAnimate({}, 4));
  EXPECT_EQ(TRect{}, AnimationFrameRect({0, 0, 160, 24}, {0, 0, 40, 24}, 0, 1));
}

TEST(SpeedButtonAnimation, FramesSideBySideOrStackedAndClamped) {
  const TRect strip{10, 20, 170, 44};
  EXPECT_EQ((TRect{10, 20, 50, 44}), AnimationFrameRect(strip, {0, 0, 40, 24}, 4, 1));
  EXPECT_EQ((TRect{130, 20, 170, 44}), AnimationFrameRect(strip, {0, 0, 40, 24}, 4, 4));
  EXPECT_EQ((TRect{130, 20, 170, 44}), AnimationFrameRect(strip, {0, 0, 40, 24}, 4, 5)) << "never past the strip";
  const TRect column{0, 0, 40, 96};
  EXPECT_EQ((TRect{0, 48, 40, 72}), AnimationFrameRect(column, {0, 0, 40, 24}, 4, 3));
}

TEST(SpeedButtonAnimation, StepsStopAtTheLastFrameAndAtZero) {
  int frame = 0;
  int steps = 0;
  while (StepFrame(frame, true, 3)) ++steps;
  EXPECT_EQ(3, steps);
  EXPECT_EQ(3, frame);
  while (StepFrame(frame, false, 3)) ++steps;
  EXPECT_EQ(0, frame);
  EXPECT_EQ(6, steps);
  frame = 9;  // the strip shrank under a running animation
  EXPECT_FALSE(StepFrame(frame, true, 3));
  EXPECT_EQ(3, frame);
}

TEST(SpeedButtonMorph, FiveStepsEachWayEndingExactly) {
  double k = 0;
  int steps = 0;
  while (StepMorph(k, true)) ++steps;
  EXPECT_EQ(4, steps);
  EXPECT_EQ(1.0, k);
  while (StepMorph(k, false)) ++steps;
  EXPECT_EQ(0.0, k);
}

TEST(MenuSpeedButton, TrackZone) {
  TskTrackZoneInput in;
  in.width = 60;
  in.height = 24;
  EXPECT_FALSE(InTrackZone(in, {50, 10})) << "no menu, no zone";
  in.hasMenu = true;
  EXPECT_TRUE(InTrackZone(in, {1, 1})) << "without track mode the whole button";
  in.trackButtonMode = true;
  EXPECT_FALSE(InTrackZone(in, {44, 10}));
  EXPECT_TRUE(InTrackZone(in, {45, 10}));
  EXPECT_TRUE(InTrackZone(in, {60, 24})) << "edges inclusive";
  in.newStyle = true;
  in.position = TskTrackPosition::sktpBottom;
  EXPECT_TRUE(InTrackZone(in, {5, 10}));
  EXPECT_FALSE(InTrackZone(in, {5, 8}));

  // The record's rectangle, relative to the button, moved with the width.
  in = {};
  in.width = 60;
  in.height = 24;
  in.hasMenu = in.trackButtonMode = in.recordTrackRect = true;
  in.trackRect = {27, 0, 40, 24};
  in.resizeMode = 2;
  in.skinWidth = 40;
  in.skinHeight = 24;
  EXPECT_TRUE(InTrackZone(in, {50, 12}));
  EXPECT_FALSE(InTrackZone(in, {40, 12}));
}

TEST(MenuSpeedButton, OurSkinsTrackRectangleLiesOnTheButton) {
  const fw::TMemIniFile ini(QUILLET_PROGRAM_SKIN);
  for (const char* name : {"toolmenutrackbutton", "bigtoolmenutrackbutton"}) {
    TskDataSkinMenuButtonControl record(name);
    record.LoadFromIni(ini);
    const TRect& t = record.TrackButtonRect;
    ASSERT_FALSE(t.IsEmpty()) << name;
    EXPECT_GE(t.left, 0) << name;
    EXPECT_GE(t.top, 0) << name;
    EXPECT_LE(t.right, record.SkinRect.Width()) << name;
    EXPECT_LE(t.bottom, record.SkinRect.Height()) << name;
  }
}

TEST(MenuSpeedButton, CopiesAreClippedToThePicture) {
  // A rectangle relative to (30, 10) of a 50 x 20 picture.
  EXPECT_EQ((TRect{0, 0, 20, 10}), ClipToPicture({0, 0, 40, 40}, {30, 10}, 50, 20));
  EXPECT_EQ((TRect{-30, -10, 5, 5}), ClipToPicture({-90, -90, 5, 5}, {30, 10}, 50, 20));
  EXPECT_EQ(TRect{}, ClipToPicture({25, 0, 40, 5}, {30, 10}, 50, 20));
  EXPECT_TRUE(IsSplitLookName("resizetoolbutton"));
  EXPECT_FALSE(IsSplitLookName("toolmenubutton"));
}

}  // namespace
