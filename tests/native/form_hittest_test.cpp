// Hit codes of the skinned form (with our skin and in the built-in look)
// and the hover test's object under the mouse.
#include <gtest/gtest.h>

#include "skin/form/skFormHitTest.h"
#include "tests/native/form_support.h"

namespace {

using formtest::Arranged;
using formtest::OurFrame;
using formtest::OurSkin;
using fw::TPoint;
using fw::TRect;

class FormHitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rects_ = sk::CalcRects(skin_, 679, 565);
    sk::FrameRegionRects(sk::TskRegionKind::Mask, skin_, OurSkin().MaskPicture(), rects_, strips_);
    objects_ = Arranged(skin_, 679, 565);
  }
  int Code(TPoint p, sk::TskHitTestInput in = {}) {
    in.point = p;
    in.width = 679;
    in.height = 565;
    in.onCaptionObject = sk::PointOnCaptionObject(objects_, p);
    return sk::SkinHitTest(in, rects_, skin_.info.BorderWidth, &strips_);
  }
  const sk::TskFrameSkin skin_ = OurFrame();
  sk::TskFrameRects rects_;
  sk::TskMaskStrips strips_;
  std::vector<sk::TskCaptionObjectLayout> objects_;
};

TEST_F(FormHitTest, EdgesCornersCaptionAndClient) {
  struct Case {
    TPoint p;
    int code;
  } cases[] = {
      {{2, 3}, sk::HT_TOPLEFT},
      {{677, 2}, sk::HT_TOPRIGHT},
      {{1, 563}, sk::HT_BOTTOMLEFT},
      {{677, 563}, sk::HT_BOTTOMRIGHT},
      {{300, 1}, sk::HT_TOP},
      {{300, 563}, sk::HT_BOTTOM},
      {{1, 300}, sk::HT_LEFT},
      {{677, 300}, sk::HT_RIGHT},
      {{300, 12}, sk::HT_CAPTION},
      {{100, 100}, sk::HT_CLIENT},
      {{4, 27}, sk::HT_CLIENT},
      {{665, 15}, sk::HT_OBJECT},
      {{570, 25}, sk::HT_OBJECT},
      // Inside the mask with every probe in the shape: not near the edge.
      {{5, 5}, sk::HT_OBJECT},
  };
  for (const Case& c : cases) EXPECT_EQ(Code(c.p), c.code) << c.p.x << "," << c.p.y;
}

TEST_F(FormHitTest, NoSizingWhenMaximisedRolledUpOrFixed) {
  for (const auto state : {0, 1, 2, 3}) {
    sk::TskHitTestInput in;
    in.maximized = state == 0;
    in.rolledUp = state == 1;
    in.minimized = state == 2;
    in.canSize = state != 3;
    EXPECT_EQ(Code({2, 3}, in), sk::HT_OBJECT) << state;
    EXPECT_EQ(Code({300, 12}, in), sk::HT_CAPTION) << state;
    EXPECT_EQ(Code({1, 300}, in), sk::HT_OBJECT) << state;
  }
  sk::TskHitTestInput rolled;
  rolled.rolledUp = true;
  // Rolled up or minimised, even the client rectangle is no client.
  EXPECT_EQ(Code({100, 100}, rolled), sk::HT_OBJECT);
  sk::TskHitTestInput maximized;
  maximized.maximized = true;
  EXPECT_EQ(Code({100, 100}, maximized), sk::HT_CLIENT);
}

TEST_F(FormHitTest, HoveredObjectWinsOutsideTheCaptionAndClient) {
  sk::TskHitTestInput in;
  in.objectHovered = true;
  EXPECT_EQ(Code({1, 300}, in), sk::HT_OBJECT);    // even on the border
  EXPECT_EQ(Code({300, 12}, in), sk::HT_CAPTION);  // not on the caption
  EXPECT_EQ(Code({100, 100}, in), sk::HT_CLIENT);
  in.inSizeMove = true;
  EXPECT_EQ(Code({1, 300}, in), sk::HT_LEFT);
}

TEST_F(FormHitTest, WithoutMaskTheWindowRectangleBounds) {
  sk::TskHitTestInput in{{3, 300}, 679, 565};
  EXPECT_EQ(sk::SkinHitTest(in, rects_, 4, nullptr), sk::HT_LEFT);
  in.point = {4, 300};  // 4 - 4 is still inside the window
  EXPECT_EQ(sk::SkinHitTest(in, rects_, 4, nullptr), sk::HT_CLIENT);
  // A border width from a hostile skin does not overflow the probes.
  in.point = {300, 300};
  EXPECT_EQ(sk::SkinHitTest(in, rects_, INT32_MAX, nullptr), sk::HT_CLIENT);
}

TEST(FormDefaultHitTest, BuiltInLook) {
  auto objects = sk::DefaultCaptionObjects();
  sk::CheckObjects(objects, {});
  const TRect caption = sk::ArrangeDefaultButtons(objects, 300, false);
  const auto code = [&](TPoint p, bool maximized = false) {
    sk::TskHitTestInput in{p, 300, 200};
    in.maximized = maximized;
    return sk::DefaultHitTest(in, caption, false);
  };
  EXPECT_EQ(code({1, 1}), sk::HT_TOPLEFT);
  EXPECT_EQ(code({298, 2}), sk::HT_TOPRIGHT);
  EXPECT_EQ(code({2, 198}), sk::HT_BOTTOMLEFT);
  EXPECT_EQ(code({298, 198}), sk::HT_BOTTOMRIGHT);
  EXPECT_EQ(code({1, 100}), sk::HT_LEFT);
  EXPECT_EQ(code({100, 1}), sk::HT_TOP);
  EXPECT_EQ(code({298, 100}), sk::HT_RIGHT);
  EXPECT_EQ(code({100, 198}), sk::HT_BOTTOM);
  EXPECT_EQ(code({100, 10}), sk::HT_CAPTION);
  EXPECT_EQ(code({100, 100}), sk::HT_CLIENT);
  EXPECT_EQ(code({285, 10}), sk::HT_OBJECT);  // the close button
  EXPECT_EQ(code({100, 20}), sk::HT_OBJECT);  // between caption and client
  EXPECT_EQ(code({1, 1}, true), sk::HT_OBJECT);
}

TEST(FormObjectAt, FirstLiveObjectInItsShape) {
  auto objects = Arranged(OurFrame(), 679, 565);
  const auto none = [](size_t) -> const fw::TBitmap* { return nullptr; };
  const auto at = [&](TPoint p) {
    const int i = sk::ObjectAt<decltype(none)>(objects, p, none);
    return i < 0 ? std::string() : objects[static_cast<size_t>(i)].name;
  };
  EXPECT_EQ(at({655, 5}), "closebutton");
  EXPECT_EQ(at({675, 25}), "closebutton");
  EXPECT_EQ(at({676, 25}), "");  // right edge excluded
  EXPECT_EQ(at({300, 10}), "caption");
  EXPECT_EQ(at({600, 30}), "");
  for (auto& o : objects)
    if (o.name == "closebutton") o.enabled = false;
  EXPECT_EQ(at({660, 10}), "");
  // A mask of its own: only its black pixels count, and never one past it.
  fw::TBitmap mask(21, 21);
  mask.SetPixel(0, 0, fw::clWhite);
  const auto masked = [&](size_t i) -> const fw::TBitmap* { return objects[i].name == "maxbutton" ? &mask : nullptr; };
  EXPECT_EQ(sk::ObjectAt<decltype(masked)>(objects, {632, 5}, masked), -1);
  EXPECT_NE(sk::ObjectAt<decltype(masked)>(objects, {633, 5}, masked), -1);
}

}  // namespace
