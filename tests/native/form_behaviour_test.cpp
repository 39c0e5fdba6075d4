// The skinned form's window behaviour with our skin: hit codes over the
// frame in every state, size limits, magnetic edges, and the window state
// (maximise, minimise slots, restore, roll-up, caption double click).
#include <gtest/gtest.h>

#include "skin/form/skFormHitTest.h"
#include "skin/form/skFormLimits.h"
#include "skin/form/skFormMagnet.h"
#include "skin/form/skFormWindowState.h"
#include "tests/native/form_support.h"

namespace {

using fw::TPoint;
using fw::TRect;
using sk::TskWindowState;

// ---------------------------------------------------------------- hit test

struct Framed {
  Framed(int w, int h) : width(w), height(h) {
    rects = sk::CalcRects(skin, w, h);
    sk::FrameRegionRects(sk::TskRegionKind::Mask, skin, formtest::OurSkin().MaskPicture(), rects, strips);
    objects = formtest::Arranged(skin, w, h);
  }
  int Code(TPoint p, sk::TskHitTestInput in = {}, bool masked = true) const {
    in.point = p;
    in.width = width;
    in.height = height;
    in.onCaptionObject = sk::PointOnCaptionObject(objects, p);
    return sk::SkinHitTest(in, rects, skin.info.BorderWidth, masked ? &strips : nullptr);
  }
  const sk::TskFrameSkin skin = formtest::OurFrame();
  int width, height;
  sk::TskFrameRects rects;
  sk::TskMaskStrips strips;
  std::vector<sk::TskCaptionObjectLayout> objects;
};

TEST(FormBehaviourHitTest, SizingBandsAreFourPixelsAtAnySize) {
  for (const TPoint size : {TPoint{679, 565}, TPoint{200, 31 + 40}, TPoint{1024, 300}}) {
    for (const bool masked : {true, false}) {
      const Framed f(size.x, size.y);
      const int w = size.x, h = size.y, midY = h / 2 + 10, midX = w / 3;
      const std::string at = std::to_string(w) + "x" + std::to_string(h) + (masked ? " mask" : " rect");
      for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.Code({i, midY}, {}, masked), sk::HT_LEFT) << at << " x=" << i;
        EXPECT_EQ(f.Code({w - 1 - i, midY}, {}, masked), sk::HT_RIGHT) << at << " x=" << w - 1 - i;
        EXPECT_EQ(f.Code({midX, h - 1 - i}, {}, masked), sk::HT_BOTTOM) << at << " y=" << h - 1 - i;
        EXPECT_EQ(f.Code({midX, i}, {}, masked), sk::HT_TOP) << at << " y=" << i;
      }
      // The fifth pixel in is client at the sides and bottom, frame at the top.
      EXPECT_EQ(f.Code({4, midY}, {}, masked), sk::HT_CLIENT) << at;
      EXPECT_EQ(f.Code({w - 5, midY}, {}, masked), sk::HT_CLIENT) << at;
      EXPECT_EQ(f.Code({midX, h - 5}, {}, masked), sk::HT_CLIENT) << at;
      EXPECT_EQ(f.Code({midX, 4}, {}, masked), sk::HT_OBJECT) << at;
      EXPECT_EQ(f.Code({midX, 12}, {}, masked), sk::HT_CAPTION) << at;
      EXPECT_EQ(f.Code({1, 1}, {}, masked), sk::HT_TOPLEFT) << at;
      EXPECT_EQ(f.Code({w - 2, 1}, {}, masked), sk::HT_TOPRIGHT) << at;
      EXPECT_EQ(f.Code({1, h - 2}, {}, masked), sk::HT_BOTTOMLEFT) << at;
      EXPECT_EQ(f.Code({w - 2, h - 2}, {}, masked), sk::HT_BOTTOMRIGHT) << at;
    }
  }
}

TEST(FormBehaviourHitTest, RolledUpAndMaximisedHaveNoSizingCodes) {
  // Rolled up the window is the 31-pixel strip: caption and objects only.
  const Framed strip(679, 31);
  sk::TskHitTestInput rolled;
  rolled.rolledUp = true;
  const Framed full(1024, 738);
  sk::TskHitTestInput maximized;
  maximized.maximized = true;
  for (int y = 0; y < 31; y += 3) {
    for (int x = 0; x < 679; x += 7) {
      const int code = strip.Code({x, y}, rolled);
      EXPECT_TRUE(code == sk::HT_CAPTION || code == sk::HT_OBJECT) << x << "," << y << " " << code;
    }
  }
  for (int y = 0; y < 738; y += 11) {
    for (int x = 0; x < 1024; x += 13) {
      const int code = full.Code({x, y}, maximized);
      EXPECT_TRUE(code == sk::HT_CAPTION || code == sk::HT_OBJECT || code == sk::HT_CLIENT) << x << "," << y;
    }
  }
  EXPECT_EQ(strip.Code({300, 12}, rolled), sk::HT_CAPTION);
  EXPECT_EQ(full.Code({300, 12}, maximized), sk::HT_CAPTION);
  EXPECT_EQ(full.Code({500, 400}, maximized), sk::HT_CLIENT);
}

TEST(FormBehaviourHitTest, BordersAnswerOnceTheHoverTestFindsNoObject) {
  // The hover test at the point itself, not the last tick's hover: off the
  // buttons the border is sizing again at once.
  const Framed f(679, 565);
  const auto none = [](size_t) -> const fw::TBitmap* { return nullptr; };
  for (const TPoint p : {TPoint{677, 30}, TPoint{1, 300}, TPoint{300, 563}}) {
    sk::TskHitTestInput in;
    in.objectHovered = sk::ObjectAt<decltype(none)>(f.objects, p, none) != -1;
    EXPECT_NE(f.Code(p, in), sk::HT_OBJECT) << p.x << "," << p.y;
  }
}

// ------------------------------------------------------------ size limits

TEST(FormBehaviourLimits, TrackSizes) {
  const sk::TskFrameSkin skin = formtest::OurFrame();
  sk::TskLimitsInput in;
  in.skin = &skin;
  in.area = {0, 0, 1024, 738};
  // The skin allows 200, narrower than its 285-pixel picture; 31 is the frame.
  EXPECT_EQ(sk::TrackSizes(in), (sk::TskTrackSizes{{200, 31}, {1024, 738}}));
  struct Case {
    int minW, minH, maxW, maxH;
    bool minimized, rolledUp;
    sk::TskTrackSizes expected;
  } cases[] = {
      {150, 20, 0, 0, false, false, {{200, 31}, {1024, 738}}},       // below the skin's: the skin's
      {250, 100, 800, 600, false, false, {{250, 100}, {800, 600}}},  // the form's own
      {300, 100, 0, 0, false, false, {{300, 100}, {1024, 738}}},     // above the picture
      {300, 100, 0, 0, true, false, {{200, 31}, {1024, 738}}},       // a minimised strip
      {250, 100, 0, 0, false, true, {{250, 31}, {1024, 738}}},       // rolled up: the frame's height
      {0, 0, 2000, 2000, false, false, {{200, 31}, {1024, 738}}},    // larger limits than the area
      {0, 0, -5, -5, false, false, {{200, 31}, {1024, 738}}},        // nonsense limits are none
  };
  for (const Case& c : cases) {
    in.minWidth = c.minW;
    in.minHeight = c.minH;
    in.maxWidth = c.maxW;
    in.maxHeight = c.maxH;
    in.minimized = c.minimized;
    in.rolledUp = c.rolledUp;
    EXPECT_EQ(sk::TrackSizes(in), c.expected) << c.minW << " " << c.minH << " " << c.maxW;
  }
  // Without a skin: 120 wide, the built-in frame high.
  sk::TskLimitsInput plain;
  plain.area = in.area;
  EXPECT_EQ(sk::TrackSizes(plain).minSize, (TPoint{120, 25}));
  plain.toolWindow = true;
  plain.minWidth = 90;
  EXPECT_EQ(sk::TrackSizes(plain).minSize, (TPoint{90, 21}));
  // A skin without a minimum width: its picture's.
  sk::TskFrameSkin noMin = skin;
  noMin.info.FormMinWidth = 0;
  in = {};
  in.skin = &noMin;
  EXPECT_EQ(sk::MinTrackWidth(in), 285);

  EXPECT_TRUE(sk::CanSize({true, false}));
  EXPECT_FALSE(sk::CanSize({false, false}));
  in.area = {0, 0, 800, 600};
  EXPECT_TRUE(sk::NeedsRecalcAfterDisplayChange(in, true, 1024, 500));
  EXPECT_FALSE(sk::NeedsRecalcAfterDisplayChange(in, false, 1024, 500));
  EXPECT_FALSE(sk::NeedsRecalcAfterDisplayChange(in, true, 800, 600));
}

// -------------------------------------------------------------- magnetic

TEST(FormBehaviourMagnet, StickAndFollowTheCursor) {
  const TRect area{0, 0, 1000, 700};
  sk::TskMagnet m;
  m.Start({500, 10});
  // Proposed left, the cursor's x: a drag from x = 40 towards the left edge.
  struct Step {
    int x, cursorX, expected;
    bool stuck;
  } steps[] = {
      {40, 500, 40, false},  // far: free
      {5, 465, 5, false},    // 5 is not strictly within 5
      {4, 464, 0, true},     // sticks; the anchor takes the cursor
      {1, 461, 0, true},     // held while the cursor is within 5 of the anchor
      {-1, 459, 0, true},    // exactly 5 from the anchor: still held
      {-2, 458, -6, true},   // further: follows the cursor from the edge
      {20, 480, 16, false},  // leaving, it still moves by the cursor's way
      {22, 482, 22, false},  // free again
  };
  for (const Step& s : steps) {
    const TPoint p = m.Snap({s.x, 300}, 200, 100, area, 5, {s.cursorX, 310});
    EXPECT_EQ(p.x, s.expected) << s.x;
    EXPECT_EQ(m.StuckLeft(), s.stuck) << s.x;
    EXPECT_FALSE(m.StuckTop());
  }
  // Right and bottom edges snap the far sides, from the near sides' result.
  sk::TskMagnet far;
  far.Start({0, 0});
  EXPECT_EQ(far.Snap({797, 598}, 200, 100, area, 5, {900, 650}), (TPoint{800, 600}));
  EXPECT_TRUE(far.StuckRight());
  EXPECT_TRUE(far.StuckBottom());
  EXPECT_EQ(far.Anchor(), (TPoint{900, 650}));
  far.Release();
  EXPECT_FALSE(far.StuckRight() || far.StuckBottom());
  // Extreme values do not overflow.
  sk::TskMagnet wild;
  const TPoint p = wild.Snap({INT32_MAX, INT32_MIN}, INT32_MAX, INT32_MAX, area, 255, {0, 0});
  EXPECT_EQ(p.y, INT32_MIN);
}

// ----------------------------------------------------------- window state

sk::TskStateSurroundings Surroundings(TRect work = {0, 0, 1024, 738}) {
  sk::TskStateSurroundings s;
  s.borderIcons = sk::kDefaultBorderIcons | sk::biMinimizeToTray;
  s.workArea = work;
  s.monitor = {0, 0, 1024, 768};
  s.screen = {1024, 768};
  s.minimizedSize = {200, 31};
  s.rolledUpHeight = 31;
  return s;
}

sk::TskPlacement Normal(TRect bounds = fw::Bounds(100, 50, 679, 565)) {
  sk::TskPlacement p;
  p.bounds = bounds;
  p.firstPlacement = false;
  return p;
}

TEST(FormBehaviourState, MaximisedBounds) {
  auto s = Surroundings();
  EXPECT_EQ(sk::MaximizedBounds(s), (TRect{0, 0, 1024, 738}));
  // A work area equal to the primary screen leaves a pixel on each side.
  s.workArea = s.monitor;
  EXPECT_EQ(sk::MaximizedBounds(s), (TRect{1, 1, 1023, 767}));
  // Not on a second monitor, and not when maximising to the full screen.
  s.monitor = s.workArea = {1024, 0, 2048, 768};
  EXPECT_EQ(sk::MaximizedBounds(s), s.monitor);
  s.monitor = {0, 0, 1024, 768};
  s.workArea = {0, 0, 1024, 738};
  s.maximizeOnFullScreen = true;
  EXPECT_EQ(sk::MaximizedBounds(s), s.monitor);
}

TEST(FormBehaviourState, MinimiseSlotsAreBounded) {
  const TRect area{0, 0, 600, 100};
  EXPECT_EQ(sk::MinimizeSlot(area, 200, 31, {}), (TPoint{0, 69}));
  const std::vector<TPoint> row = {{0, 69}, {200, 69}, {400, 69}};
  EXPECT_EQ(sk::MinimizeSlot(area, 200, 31, row), (TPoint{0, 38}));  // next row up
  // Every slot taken (3 x 3): the first, and the search ends.
  std::vector<TPoint> all;
  for (int y : {69, 38, 7})
    for (int x : {0, 200, 400}) all.push_back({x, y});
  EXPECT_EQ(sk::MinimizeSlot(area, 200, 31, all), (TPoint{0, 69}));
  // A zero height or width never loops.
  EXPECT_EQ(sk::MinimizeSlot(area, 200, 0, std::vector<TPoint>{{0, 100}}), (TPoint{200, 100}));
  EXPECT_EQ(sk::MinimizeSlot(area, 0, 0, std::vector<TPoint>{{0, 100}}), (TPoint{0, 100}));
  EXPECT_EQ(sk::MinimizeSlot(area, 900, 31, {}), (TPoint{0, 69}));  // wider than the area
  // A huge area of tiny slots: only as many tried as are taken, plus one.
  EXPECT_EQ(sk::MinimizeSlot({INT32_MIN / 2, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2}, 1, 1, row),
            (TPoint{INT32_MIN / 2, INT32_MAX / 2 - 1}));
}

TEST(FormBehaviourState, MaximiseRestoreAndMinimise) {
  const auto s = Surroundings();
  const sk::TskPlacement start = Normal();
  auto max = sk::SetWindowState(start, TskWindowState::Maximized, s);
  EXPECT_TRUE(max.changed);
  EXPECT_EQ(max.placement.bounds, (TRect{0, 0, 1024, 738}));
  EXPECT_EQ(max.placement.restoreBounds, start.bounds);
  // Maximising again changes nothing, the stored bounds included.
  EXPECT_FALSE(sk::SetWindowState(max.placement, TskWindowState::Maximized, s).changed);
  auto back = sk::SetWindowState(max.placement, TskWindowState::Normal, s);
  EXPECT_EQ(back.placement.bounds, start.bounds);
  EXPECT_TRUE(back.placement.restoreBounds.IsEmpty());
  EXPECT_EQ(back.placement.state, TskWindowState::Normal);

  // The main form minimises the application and keeps its state.
  auto mainSurroundings = s;
  mainSurroundings.mainForm = true;
  auto app = sk::SetWindowState(start, TskWindowState::Minimized, mainSurroundings);
  EXPECT_TRUE(app.minimizeApplication);
  EXPECT_EQ(app.placement, start);
  // Another form becomes a strip at the first free slot, and comes back.
  auto withOthers = s;
  const std::vector<TPoint> others = {{0, 707}};
  withOthers.minimizedOthers = others;
  auto min = sk::SetWindowState(start, TskWindowState::Minimized, withOthers);
  EXPECT_EQ(min.placement.bounds, fw::Bounds(200, 707, 200, 31));
  EXPECT_EQ(sk::SetWindowState(min.placement, TskWindowState::Normal, s).placement.bounds, start.bounds);
}

TEST(FormBehaviourState, FirstPlacementCentres) {
  auto s = Surroundings();
  sk::TskPlacement p = Normal(fw::Bounds(10, 10, 679, 565));
  p.firstPlacement = true;
  s.position = sk::TskPositionInMonitor::DesktopCenter;
  const auto shown = sk::FirstShow(p, s);
  EXPECT_EQ(shown.bounds, fw::Bounds(512 - 339, 369 - 282, 679, 565));
  EXPECT_FALSE(shown.firstPlacement);
  // Shown maximised: centred at the first restore, on the whole monitor here.
  s.position = sk::TskPositionInMonitor::ScreenCenter;
  auto max = sk::SetWindowState(p, TskWindowState::Maximized, s).placement;
  EXPECT_TRUE(sk::FirstShow(max, s).firstPlacement);
  const auto restored = sk::SetWindowState(max, TskWindowState::Normal, s).placement;
  EXPECT_EQ(restored.bounds, fw::Bounds(512 - 339, 384 - 282, 679, 565));
  EXPECT_FALSE(restored.firstPlacement);
  // By default it stays where it was put.
  s.position = sk::TskPositionInMonitor::Default;
  EXPECT_EQ(sk::FirstShow(p, s).bounds, p.bounds);
}

TEST(FormBehaviourState, RollUpCycles) {
  const auto s = Surroundings();
  sk::TskPlacement p = Normal();
  // Many cycles never change the height.
  for (int i = 0; i < 5; ++i) {
    const auto up = sk::RollUp(p, true, s);
    EXPECT_EQ(up.placement.bounds, fw::Bounds(100, 50, 679, 31));
    EXPECT_TRUE(up.rollUpChanged);
    // Rolling up again must not store the strip's height.
    EXPECT_FALSE(sk::RollUp(up.placement, true, s).changed);
    p = sk::RollUp(up.placement, false, s).placement;
    EXPECT_EQ(p.bounds, fw::Bounds(100, 50, 679, 565));
  }
  auto noRoll = s;
  noRoll.borderIcons = sk::biSystemMenu;
  EXPECT_FALSE(sk::RollUp(p, true, noRoll).changed);

  // Roll up, maximise, restore: back to the strip, still rolled up.
  auto up = sk::RollUp(p, true, s).placement;
  auto max = sk::SetWindowState(up, TskWindowState::Maximized, s).placement;
  EXPECT_TRUE(max.rolledUpWhenMaximized);
  EXPECT_FALSE(sk::RollUp(max, false, s).changed);  // unrolls only through restore
  auto back = sk::SetWindowState(max, TskWindowState::Normal, s);
  EXPECT_EQ(back.placement.bounds, fw::Bounds(100, 50, 679, 31));
  EXPECT_TRUE(back.placement.rolledUp);
  EXPECT_EQ(sk::RollUp(back.placement, false, s).placement.bounds, fw::Bounds(100, 50, 679, 565));

  // Maximise, roll up, restore: rolled down first, then the stored bounds.
  max = sk::SetWindowState(p, TskWindowState::Maximized, s).placement;
  auto maxUp = sk::RollUp(max, true, s);
  EXPECT_EQ(maxUp.placement.bounds, (TRect{0, 0, 1024, 31}));
  EXPECT_TRUE(maxUp.placement.rolledUpWhileMaximized);
  back = sk::SetWindowState(maxUp.placement, TskWindowState::Normal, s);
  EXPECT_EQ(back.placement.bounds, p.bounds);
  EXPECT_FALSE(back.placement.rolledUp);
  EXPECT_TRUE(back.rollUpChanged);

  // A minimised window does not roll.
  auto min = sk::SetWindowState(p, TskWindowState::Minimized, s).placement;
  EXPECT_FALSE(sk::RollUp(min, true, s).changed);
}

TEST(FormBehaviourState, CaptionDoubleClickAndSystemRestore) {
  const auto s = Surroundings();
  const auto icons = s.borderIcons;
  sk::TskPlacement p = Normal();
  // normal -> maximised -> normal
  ASSERT_EQ(sk::CaptionDoubleClick(p, true, icons), sk::TskCaptionAction::Maximize);
  p = sk::SetWindowState(p, TskWindowState::Maximized, s).placement;
  ASSERT_EQ(sk::CaptionDoubleClick(p, true, icons), sk::TskCaptionAction::Restore);
  p = sk::SetWindowState(p, TskWindowState::Normal, s).placement;
  EXPECT_EQ(p.bounds, Normal().bounds);
  // rolled up -> rolled down
  p = sk::RollUp(p, true, s).placement;
  EXPECT_EQ(sk::CaptionDoubleClick(p, true, icons), sk::TskCaptionAction::ToggleRollUp);
  // The system menu's Restore rolls a window rolled up in the normal state down.
  const auto restore = sk::SystemMenuRestore(p, s);
  EXPECT_FALSE(restore.placement.rolledUp);
  EXPECT_EQ(restore.placement.bounds, Normal().bounds);
  // Not sizeable, or no maximise button: the double click rolls.
  EXPECT_EQ(sk::CaptionDoubleClick(Normal(), false, icons), sk::TskCaptionAction::ToggleRollUp);
  EXPECT_EQ(sk::CaptionDoubleClick(Normal(), true, sk::biRollUp), sk::TskCaptionAction::ToggleRollUp);
  sk::TskPlacement min = Normal();
  min.state = TskWindowState::Minimized;
  EXPECT_EQ(sk::CaptionDoubleClick(min, true, icons), sk::TskCaptionAction::Restore);
  // Maximised and rolled up while maximised: the double click rolls down.
  auto maxUp = sk::RollUp(sk::SetWindowState(Normal(), TskWindowState::Maximized, s).placement, true, s).placement;
  EXPECT_EQ(sk::CaptionDoubleClick(maxUp, true, icons), sk::TskCaptionAction::ToggleRollUp);
  EXPECT_EQ(sk::SystemMenuRestore(maxUp, s).placement.state, TskWindowState::Maximized);
}

// --------------------------------------------------- size/move loop, fade

TEST(FormBehaviourLoop, ALoopEndsAtItsExitHoweverItStarted) {
  sk::TskSizeMoveLoop loop;
  // A caption press that ran the loop: the objects never see the press.
  loop.PressStarts();
  loop.Enter(true);
  EXPECT_TRUE(loop.Running());
  EXPECT_TRUE(loop.LiveDrag());
  loop.Exit();
  EXPECT_FALSE(loop.Running());
  EXPECT_FALSE(loop.LiveDrag());
  EXPECT_TRUE(loop.PressEnds());
  EXPECT_FALSE(loop.PressEnds());
  // From the keyboard: no press follows; the loop is over at its exit, and
  // the next press (on a button, no loop) reaches the objects.
  loop.Enter(false);
  EXPECT_TRUE(loop.Running());
  EXPECT_FALSE(loop.LiveDrag());
  loop.Exit();
  EXPECT_FALSE(loop.Running());
  loop.PressStarts();
  EXPECT_FALSE(loop.PressEnds());
}

TEST(FormBehaviourFade, TargetsAndTheLayeredStyleAtTheEnd) {
  // Animation alone ends opaque, no longer layered.
  EXPECT_EQ(sk::FadeInFor(false, true, 200), (sk::TskFadeIn{255, true, false}));
  EXPECT_EQ(sk::FadeInFor(true, true, 200), (sk::TskFadeIn{200, true, true}));
  EXPECT_EQ(sk::FadeInFor(true, false, 120), (sk::TskFadeIn{120, false, true}));
  EXPECT_EQ(sk::FadeInFor(true, false, 255), (sk::TskFadeIn{255, false, false}));
  EXPECT_EQ(sk::FadeInFor(true, false, 999).target, 255);
  EXPECT_EQ(sk::FadeInFor(true, false, -4).target, 0);
}

}  // namespace
