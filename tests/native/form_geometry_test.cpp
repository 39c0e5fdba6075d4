// Frame geometry of the skinned form with our skin: the mapped rectangles,
// the client rectangle both ways, object mapping and the caption buttons.
#include <gtest/gtest.h>

#include "skin/form/skFormDefaultLook.h"
#include "tests/native/form_support.h"

namespace {

using formtest::Arranged;
using formtest::Named;
using formtest::OurFrame;
using formtest::OurSkin;
using fw::TPoint;
using fw::TRect;

TEST(FormGeometry, MainWindowFrameAndClient) {
  const sk::TskFrameSkin skin = OurFrame();
  ASSERT_EQ(skin.pictureWidth, 285);
  ASSERT_EQ(skin.pictureHeight, 210);
  const sk::TskFrameMargins margins = sk::SkinFrameMargins(skin);
  EXPECT_EQ(margins, (sk::TskFrameMargins{4, 27, 4, 4}));
  // Client 671 x 534 makes a window of 679 x 565 with the client at (4, 27).
  EXPECT_EQ(sk::WindowSizeOfClient(671, 534, margins), (TPoint{679, 565}));
  EXPECT_EQ(sk::ClientRectOfWindow({0, 0, 679, 565}, margins), (TRect{4, 27, 675, 561}));
  EXPECT_EQ(sk::CalcRects(skin, 679, 565).client, (TRect{4, 27, 675, 561}));
  // Screen coordinates: only the offsets count.
  EXPECT_EQ(sk::ClientRectOfWindow({100, 50, 779, 615}, margins), (TRect{104, 77, 775, 611}));
  for (const TPoint size : {TPoint{200, 31}, TPoint{800, 600}, TPoint{1920, 1080}, TPoint{3840, 2160}}) {
    const TRect c = sk::ClientRectOfWindow({0, 0, size.x, size.y}, margins);
    EXPECT_EQ(c.Width(), size.x - 8) << size.x;
    EXPECT_EQ(c.Height(), size.y - 31) << size.y;
    EXPECT_EQ(sk::CalcRects(skin, size.x, size.y).client, (TRect{4, 27, size.x - 4, size.y - 4}));
  }
  // Smaller than the frame: the client is empty, never inside out.
  EXPECT_EQ(sk::ClientRectOfWindow({0, 0, 5, 20}, margins), (TRect{4, 27, 4, 27}));
  EXPECT_EQ(sk::SkinFrameHeight(skin), 31);
  // The message's own rule: no frame at all, the skin's, or the built-in one.
  EXPECT_EQ(sk::NcCalcClientRect({10, 10, 689, 575}, true, &skin, false), (TRect{10, 10, 689, 575}));
  EXPECT_EQ(sk::NcCalcClientRect({10, 10, 689, 575}, false, &skin, false), (TRect{14, 37, 685, 571}));
  EXPECT_EQ(sk::NcCalcClientRect({10, 10, 689, 575}, false, nullptr, false), (TRect{13, 32, 686, 572}));
}

TEST(FormGeometry, MappedCornersFollowTheRightAndBottom) {
  const sk::TskFrameRects r = sk::CalcRects(OurFrame(), 679, 565);
  EXPECT_EQ(r.leftTop, (TPoint{12, 30}));
  EXPECT_EQ(r.rightTop, (TPoint{273 + 394, 30}));
  EXPECT_EQ(r.leftBottom, (TPoint{12, 200 + 355}));
  EXPECT_EQ(r.rightBottom, (TPoint{667, 555}));
  EXPECT_EQ(r.caption, (TRect{3, 5, 676, 24}));
  EXPECT_EQ(r.buttons, (TRect{}));  // null stays null
  EXPECT_EQ(r.maskArea, (TRect{4, 27, 675, 561}));
  // With a mask, absent hit-test points fall back to the corner points.
  EXPECT_EQ(r.hitLeftTop, (TPoint{12, 30}));
  EXPECT_EQ(r.hitRightBottom, (TPoint{667, 555}));
}

TEST(FormGeometry, ButtonsRectMovesOnlyFromTheRightHalf) {
  sk::TskFrameSkin skin = OurFrame();
  skin.info.ButtonsRect = {143, 3, 280, 26};  // left beyond 285 / 2
  EXPECT_EQ(sk::CalcRects(skin, 679, 565).buttons, (TRect{537, 3, 674, 26}));
  skin.info.ButtonsRect = {142, 3, 280, 26};  // left exactly at 142: stays
  EXPECT_EQ(sk::CalcRects(skin, 679, 565).buttons, (TRect{142, 3, 280, 26}));
}

TEST(FormGeometry, MapObjectRectByCorner) {
  const sk::TskFrameSkin skin = OurFrame();  // LT (12,30) RT (273,30) LB (12,200) RB (273,200), 285 x 210
  const sk::TskFrameRects m = sk::CalcRects(skin, 685, 310);  // dx 400, dy 100
  struct Case {
    TRect in, out;
  } cases[] = {
      {{2, 2, 10, 10}, {2, 2, 10, 10}},              // top-left corner: stays
      {{275, 2, 283, 10}, {675, 2, 683, 10}},        // top-right: moves right
      {{2, 202, 10, 208}, {2, 302, 10, 308}},        // bottom-left: moves down
      {{275, 202, 283, 208}, {675, 302, 683, 308}},  // bottom-right: both
      {{3, 5, 282, 24}, {3, 5, 682, 24}},            // across the top: grows right
      {{3, 5, 280, 205}, {3, 5, 680, 305}},          // top-left to bottom-right: grows both
      {{5, 203, 280, 208}, {5, 303, 680, 308}},      // across the bottom: grows and moves down
      {{2, 5, 10, 205}, {2, 5, 10, 305}},            // down the left: grows down
      {{275, 5, 283, 205}, {675, 5, 683, 305}},      // down the right: moves right, grows down
      {{100, 100, 120, 120}, {100, 100, 120, 120}},  // the middle: stays
      {{0, 0, 12, 30}, {0, 0, 12, 30}},              // the whole corner area: in no region, left alone
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sk::MapObjectRect(c.in, skin, m), c.out) << c.in.left << "," << c.in.top;
  }
}

TEST(FormGeometry, CaptionButtonsOfTheMainWindow) {
  const auto objects = Arranged(OurFrame(), 679, 565);
  EXPECT_EQ(Named(objects, "closebutton").rect, (TRect{655, 5, 676, 26}));
  EXPECT_EQ(Named(objects, "maxbutton").rect, (TRect{632, 5, 653, 26}));
  EXPECT_EQ(Named(objects, "minbutton").rect, (TRect{609, 5, 630, 26}));
  EXPECT_EQ(Named(objects, "rollupbutton").rect, (TRect{586, 5, 607, 26}));
  EXPECT_EQ(Named(objects, "traybutton").rect, (TRect{563, 5, 584, 26}));
  EXPECT_EQ(Named(objects, "sysmenubutton").rect, (TRect{3, 8, 17, 20}));
  EXPECT_EQ(Named(objects, "caption").rect, (TRect{17, 5, 563, 24}));
  // Menu items and menu-bar records are not caption objects.
  EXPECT_EQ(objects.size(), 7u);

  for (const int w : {200, 250, 800, 1920, 3840}) {
    const auto at = Arranged(OurFrame(), w, 300);
    EXPECT_EQ(Named(at, "closebutton").rect, (TRect{w - 24, 5, w - 3, 26})) << w;
    EXPECT_EQ(Named(at, "traybutton").rect, (TRect{w - 24 - 4 * 23, 5, w - 3 - 4 * 23, 26})) << w;
    EXPECT_EQ(Named(at, "caption").rect, (TRect{17, 5, w - 24 - 4 * 23, 24})) << w;
  }
}

TEST(FormGeometry, MissingIconsCloseTheGap) {
  // Without the tray icon the tray button is hidden and the row is one shorter.
  const auto objects = Arranged(OurFrame(), 679, 565, sk::kDefaultBorderIcons);
  EXPECT_FALSE(Named(objects, "traybutton").visible);
  EXPECT_EQ(Named(objects, "rollupbutton").rect, (TRect{586, 5, 607, 26}));
  EXPECT_EQ(Named(objects, "caption").rect, (TRect{17, 5, 586, 24}));
  // Hidden caption buttons: those drawn from their own pictures disappear.
  auto hidden = sk::CaptionObjectsOf(OurSkin());
  sk::CheckObjects(hidden, {sk::kDefaultBorderIcons, true});
  for (const auto& o : hidden) {
    if (o.kind == sk::TskObjectKind::StdButton) {
      EXPECT_FALSE(o.enabled) << o.name;
      EXPECT_FALSE(o.visible) << o.name;
    }
  }
}

TEST(FormGeometry, ButtonsOnTheLeft) {
  sk::TskFrameSkin skin = OurFrame();
  skin.info.ButtonsInLeft = true;
  const auto objects = Arranged(skin, 679, 565);
  // From the caption's left end rightwards, 2 pixels apart, the system menu
  // button following in the same row.
  EXPECT_EQ(Named(objects, "closebutton").rect, (TRect{3, 5, 24, 26}));
  EXPECT_EQ(Named(objects, "maxbutton").rect, (TRect{26, 5, 47, 26}));
  EXPECT_EQ(Named(objects, "traybutton").rect, (TRect{95, 5, 116, 26}));
  EXPECT_EQ(Named(objects, "sysmenubutton").rect, (TRect{118, 5, 132, 17}));
  EXPECT_EQ(Named(objects, "caption").rect, (TRect{136, 5, 676, 24}));
}

TEST(FormGeometry, ButtonsInTheirOwnArea) {
  sk::TskFrameSkin skin = OurFrame();
  skin.info.ButtonsRect = {150, 2, 282, 25};
  const auto objects = Arranged(skin, 679, 565);
  EXPECT_EQ(Named(objects, "closebutton").rect, (TRect{655, 2, 676, 23}));
  // The caption keeps its right end; the system menu still opens it.
  EXPECT_EQ(Named(objects, "caption").rect, (TRect{17, 5, 676, 24}));
  // No area at all: nothing is lined up.
  skin.info.ButtonsRect = {};
  skin.info.CaptionRect = {};
  const auto none = Arranged(skin, 679, 565);
  EXPECT_EQ(Named(none, "closebutton").rect, (TRect{3, 2, 24, 23}));
}

TEST(FormGeometry, BuiltInLook) {
  auto objects = sk::DefaultCaptionObjects();
  sk::CheckObjects(objects, {});
  const TRect caption = sk::ArrangeDefaultButtons(objects, 300, false);
  EXPECT_EQ(Named(objects, "closebutton").rect, (TRect{280, 4, 297, 21}));
  EXPECT_EQ(Named(objects, "maxbutton").rect, (TRect{263, 4, 280, 21}));
  EXPECT_EQ(Named(objects, "rollupbutton").rect, (TRect{229, 4, 246, 21}));
  EXPECT_FALSE(Named(objects, "traybutton").visible);
  EXPECT_EQ(Named(objects, "sysmenubutton").rect, (TRect{3, 4, 20, 21}));
  EXPECT_EQ(caption, (TRect{20, 3, 229, 19}));  // bottom is the caption height itself
  EXPECT_EQ(sk::ClientRectOfWindow({0, 0, 300, 200}, sk::DefaultFrameMargins(false)), (TRect{3, 22, 297, 197}));
  EXPECT_EQ(sk::ClientRectOfWindow({0, 0, 300, 200}, sk::DefaultFrameMargins(true)), (TRect{3, 18, 297, 197}));
  EXPECT_EQ(sk::DefaultFrameHeight(false), 25);
  EXPECT_EQ(sk::DefaultFrameHeight(true), 21);

  const sk::TskDefaultLook look = sk::PlanDefaultLook(300, 200, false, caption);
  EXPECT_EQ(look.captionBitmap, (TRect{3, 3, 297, 22}));
  EXPECT_EQ(look.lastStripeRow - look.firstStripeRow + 1, 19 - 5);
  EXPECT_EQ(look.stripeLeft, 19);
  EXPECT_EQ(look.stripeRight, 223);
  EXPECT_EQ(look.client, (TRect{3, 22, 297, 197}));
  EXPECT_EQ(look.rings[2], (TRect{2, 2, 298, 198}));
  // Text centred on the caption: (20 - 3) + 212 / 2 - (40 + 5) / 2.
  EXPECT_EQ(sk::DefaultCaptionTextPosition(caption, false, 40, 16), (TPoint{101, 1}));
  EXPECT_EQ(sk::DefaultCaptionTextWidth(caption), 212);
}

TEST(FormGeometry, BuiltInLookOfTinyWindows) {
  // Too narrow for a caption bitmap: none is planned, however small.
  for (const int w : {0, 3, 6}) {
    auto objects = sk::DefaultCaptionObjects();
    const TRect caption = sk::ArrangeDefaultButtons(objects, w, false);
    const sk::TskDefaultLook look = sk::PlanDefaultLook(w, 10, false, caption);
    EXPECT_TRUE(look.captionBitmap.IsEmpty()) << w;
    EXPECT_LT(look.lastStripeRow, look.firstStripeRow) << w;
  }
  auto objects = sk::DefaultCaptionObjects();
  EXPECT_FALSE(sk::PlanDefaultLook(7, 10, false, sk::ArrangeDefaultButtons(objects, 7, false)).captionBitmap.IsEmpty());
}

}  // namespace
