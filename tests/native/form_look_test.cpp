// Which picture rectangle a caption object shows, with our skin's close
// button and caption and records edited to reach the other looks.
#include <gtest/gtest.h>

#include "form_support.h"
#include "skin/data/skSkinDataRecords.h"
#include "skin/form/skFormObjectLook.h"

using namespace sk;

namespace {

const TskDataSkinStdButton& CloseRecord() {
  return *formtest::OurSkin().FindSkinObject<TskDataSkinStdButton>("closebutton");
}

TskObjectState Morphing() {
  TskObjectState s;
  s.kind = TskObjectKind::StdButton;
  s.morphing = true;
  s.hasActiveLook = true;
  return s;
}

TEST(FormObjectLook, TheCloseButtonAtRestHoveredPressedAndOnAnInactiveWindow) {
  const TskDataSkinStdButton& close = CloseRecord();
  TskObjectState s = Morphing();
  TskObjectLook look = ObjectLookOf(close, s, true, false);
  // Its own picture holds even the resting look: always copied.
  EXPECT_EQ(look.kind, TskObjectLook::Rect);
  EXPECT_EQ(look.rect, close.SkinRect);
  EXPECT_FALSE(look.fromFramePicture);

  s.hovered = s.activeLook = true;
  s.morphStep = 2;
  look = ObjectLookOf(close, s, true, false);
  EXPECT_EQ(look.kind, TskObjectLook::Morph);
  EXPECT_EQ(look.rect, close.SkinRect);
  EXPECT_EQ(look.activeRect, close.ActiveSkinRect);
  EXPECT_DOUBLE_EQ(look.factor, 0.4);

  s.morphStep = kMorphSteps;
  look = ObjectLookOf(close, s, true, false);
  EXPECT_EQ(look.kind, TskObjectLook::Rect);
  EXPECT_EQ(look.rect, close.ActiveSkinRect);

  // On its way back down it still morphs, from the current factor.
  s.hovered = s.activeLook = false;
  s.morphStep = 1;
  EXPECT_EQ(ObjectLookOf(close, s, true, false).kind, TskObjectLook::Morph);

  s.hovered = s.activeLook = s.pressed = true;
  EXPECT_EQ(ObjectLookOf(close, s, true, false).rect, close.DownRect);
  // Pressed but dragged off: no down look.
  s.hovered = false;
  EXPECT_NE(ObjectLookOf(close, s, true, false).rect, close.DownRect);

  TskObjectState rest = Morphing();
  EXPECT_EQ(ObjectLookOf(close, rest, false, false).rect, close.InActiveSkinRect);
  // A disabled button without a disabled look keeps the normal one, even
  // on an inactive window.
  rest.enabled = false;
  EXPECT_EQ(ObjectLookOf(close, rest, false, false).rect, close.SkinRect);
}

TEST(FormObjectLook, LooksTheFramePictureShowsAreCopiedOnlyWhenDrawnAlone) {
  TskDataSkinStdButton framed = CloseRecord();
  framed.SkinRectInAPicture = false;
  framed.DisableSkinRsect = {1, 2, 3, 4};
  TskObjectState s = Morphing();
  EXPECT_EQ(ObjectLookOf(framed, s, true, false).kind, TskObjectLook::Nothing);
  const TskObjectLook alone = ObjectLookOf(framed, s, true, true);
  EXPECT_EQ(alone.kind, TskObjectLook::Rect);
  EXPECT_TRUE(alone.fromFramePicture);
  s.enabled = false;
  EXPECT_EQ(ObjectLookOf(framed, s, true, false).rect, (fw::TRect{1, 2, 3, 4}));

  // Without an active rectangle a hovered object stays as it is.
  TskDataSkinObject plain = CloseRecord();
  plain.ActiveSkinRect = {};
  TskObjectState hovered;
  hovered.hovered = hovered.activeLook = true;
  EXPECT_EQ(ObjectLookOf(plain, hovered, true, false).rect, plain.SkinRect);
}

}  // namespace
