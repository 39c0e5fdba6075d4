// Skinned control arithmetic against the program's own skin and against
// records built for the edges: resize modes, size fitting, mapping skin
// rectangles, fill plans, the panel's client rectangle and the status grip.
#include <gtest/gtest.h>

#include "framework/IniFiles.h"
#include "skin/controls/skControlGeometry.h"

using namespace sk;
using fw::TPoint;
using fw::TRect;

namespace {

template <class R>
R SkinRecord(const std::string& section) {
  const fw::TMemIniFile ini(QUILLET_PROGRAM_SKIN);
  EXPECT_TRUE(ini.SectionExists(section)) << section;
  R record(section);
  record.LoadFromIni(ini);
  return record;
}

TskSkinGeometry Geometry(TRect skin, TPoint lt, TPoint rt, TPoint lb, TPoint rb, TRect client) {
  TskSkinGeometry g;
  g.skinRect = skin;
  g.corners = {lt, rt, lb, rb, client};
  g.resizeMode = ResizeModeOf(skin, g.corners);
  return g;
}

TEST(ControlGeometry, ResizeModeFollowsTheCornerPoints) {
  const TRect skin{10, 10, 50, 40};
  EXPECT_EQ(rmBoth, Geometry(skin, {3, 3}, {37, 3}, {3, 27}, {37, 27}, {3, 3, 37, 27}).resizeMode);
  // A right-bottom point with one zero coordinate does not count.
  EXPECT_EQ(rmHorizontal, Geometry(skin, {}, {7, 0}, {}, {0, 5}, {}).resizeMode);
  EXPECT_EQ(rmVertical, Geometry(skin, {}, {}, {0, 9}, {}, {}).resizeMode);
  EXPECT_EQ(rmFixed, Geometry(skin, {}, {}, {}, {}, {}).resizeMode);
  EXPECT_EQ(rmNone, Geometry({10, 10, 10, 40}, {3, 3}, {7, 3}, {3, 7}, {7, 7}, {}).resizeMode);

  EXPECT_EQ(rmBoth, SkinGeometryOf(SkinRecord<TskDataSkinPanelControl>("panel")).resizeMode);
  EXPECT_EQ(rmBoth, SkinGeometryOf(SkinRecord<TskDataSkinPanelControl>("statusbar")).resizeMode);
}

TEST(ControlGeometry, FitSizeToSkinPerMode) {
  const TskSkinGeometry panel = SkinGeometryOf(SkinRecord<TskDataSkinPanelControl>("panel"));
  ASSERT_EQ((TRect{141, 4, 200, 56}), panel.skinRect);
  int w = 671, h = 49;
  TskCornerModel m = FitSizeToSkin(panel, w, h);
  EXPECT_EQ(671, w);
  EXPECT_EQ(49, h);
  EXPECT_EQ((TRect{2, 2, 669, 47}), m.client);
  EXPECT_EQ((TPoint{5, 4}), m.leftTop);
  EXPECT_EQ((TPoint{53 + 612, 6}), m.rightTop);
  EXPECT_EQ((TPoint{6, 45 - 3}), m.leftBottom);
  EXPECT_EQ((TPoint{53 + 612, 46 - 3}), m.rightBottom);
  w = 800;
  EXPECT_EQ((TRect{2, 2, 798, 47}), FitSizeToSkin(panel, w, h).client);

  const TskSkinGeometry horizontal = Geometry({0, 0, 40, 20}, {4, 4}, {30, 0}, {}, {0, 5}, {4, 4, 36, 16});
  w = 100, h = 77;
  m = FitSizeToSkin(horizontal, w, h);
  EXPECT_EQ(100, w);
  EXPECT_EQ(20, h);  // snaps to the skin whatever is asked
  EXPECT_EQ((TPoint{90, 0}), m.rightTop);
  EXPECT_EQ((TRect{4, 4, 96, 16}), m.client);

  const TskSkinGeometry vertical = Geometry({0, 0, 40, 20}, {4, 4}, {}, {0, 15}, {}, {4, 4, 36, 16});
  w = 100, h = 50;
  m = FitSizeToSkin(vertical, w, h);
  EXPECT_EQ(40, w);
  EXPECT_EQ(50, h);
  EXPECT_EQ((TPoint{0, 45}), m.leftBottom);
  EXPECT_EQ((TRect{4, 4, 36, 46}), m.client);

  const TskSkinGeometry fixed = Geometry({5, 5, 45, 25}, {}, {}, {}, {}, {1, 1, 39, 19});
  w = 3, h = 300;
  EXPECT_EQ((TRect{1, 1, 39, 19}), FitSizeToSkin(fixed, w, h).client);
  EXPECT_EQ(40, w);
  EXPECT_EQ(20, h);

  const TskSkinGeometry none = Geometry({5, 5, 5, 25}, {}, {}, {}, {}, {});
  w = 3, h = 300;
  FitSizeToSkin(none, w, h);
  EXPECT_EQ(3, w);
  EXPECT_EQ(300, h);
}

TEST(ControlGeometry, MapSkinRectBothWays) {
  // Skin 60 x 50; corners at 10 from each edge; the control is 30 wider and 20 higher.
  const TskSkinGeometry g = Geometry({0, 0, 60, 50}, {10, 10}, {50, 10}, {10, 40}, {50, 40}, {10, 10, 50, 40});
  const auto map = [&](TRect r) { return MapSkinRect(g, 90, 70, r); };
  EXPECT_EQ((TRect{2, 2, 8, 8}), map({2, 2, 8, 8}));          // left-top area stays
  EXPECT_EQ((TRect{82, 2, 88, 8}), map({52, 2, 58, 8}));      // right-top moves across
  EXPECT_EQ((TRect{2, 62, 8, 68}), map({2, 42, 8, 48}));      // left-bottom moves down
  EXPECT_EQ((TRect{82, 62, 88, 68}), map({52, 42, 58, 48}));  // right-bottom moves both ways
  EXPECT_EQ((TRect{2, 2, 88, 68}), map({2, 2, 58, 48}));      // spans everything: grows
  EXPECT_EQ((TRect{2, 2, 85, 8}), map({2, 2, 55, 8}));        // caption strip across the top
  EXPECT_EQ((TRect{2, 62, 85, 68}), map({2, 42, 55, 48}));    // strip across the bottom
  EXPECT_EQ((TRect{2, 2, 8, 65}), map({2, 2, 8, 45}));        // strip down the left
  EXPECT_EQ((TRect{82, 2, 88, 65}), map({52, 2, 58, 45}));    // strip down the right
  EXPECT_EQ((TRect{20, 20, 30, 30}), map({20, 20, 30, 30}));  // the centre is no corner's
  // An area's own rectangle is not inside it (exclusive right and bottom): the
  // inclusive tests place it instead.
  EXPECT_EQ((TRect{0, 0, 10, 10}), map({0, 0, 10, 10}));

  TskSkinGeometry h = Geometry({0, 0, 60, 20}, {10, 0}, {50, 0}, {}, {}, {});
  EXPECT_EQ((TRect{5, 2, 85, 8}), MapSkinRect(h, 90, 20, {5, 2, 55, 8}));    // spans the zone
  EXPECT_EQ((TRect{82, 2, 88, 8}), MapSkinRect(h, 90, 20, {52, 2, 58, 8}));  // right of it
  EXPECT_EQ((TRect{12, 2, 18, 8}), MapSkinRect(h, 90, 20, {12, 2, 18, 8}));  // inside it

  TskSkinGeometry v = Geometry({0, 0, 20, 60}, {0, 10}, {}, {0, 50}, {}, {});
  EXPECT_EQ((TRect{2, 5, 8, 85}), MapSkinRect(v, 20, 90, {2, 5, 8, 55}));
  EXPECT_EQ((TRect{2, 82, 8, 88}), MapSkinRect(v, 20, 90, {2, 52, 8, 58}));

  TskSkinGeometry fixed = Geometry({0, 0, 20, 20}, {}, {}, {}, {}, {});
  EXPECT_EQ((TRect{2, 52, 8, 58}), MapSkinRect(fixed, 90, 90, {2, 52, 8, 58}));
}

TEST(ControlGeometry, FillPlansNeverDivideByAnEmptySlice) {
  EXPECT_FALSE(SliceFillPlan({2, 2, 669, 47}, {143, 6, 143, 54}, false, stFull).draw);
  EXPECT_FALSE(SliceFillPlan({2, 2, 669, 47}, {143, 6, 198, 6}, true, stHorz).draw);
  EXPECT_FALSE(SliceFillPlan({2, 2, 2, 47}, {143, 6, 198, 54}, false, stFull).draw);
  EXPECT_FALSE(BackgroundFillPlan(100, 50, {2, 2, 98, 48}, 0, 0, false, stFull).draw);

  // The panel's client slice tiled from the client rectangle's corner.
  const TskFillPlan tiled = SliceFillPlan({2, 2, 669, 47}, {143, 6, 198, 54}, false, stFull);
  ASSERT_TRUE(tiled.draw);
  EXPECT_EQ(AxisFill::Tile, tiled.x.fill);
  EXPECT_EQ(AxisFill::Tile, tiled.y.fill);
  EXPECT_EQ(2, tiled.x.dst0);
  EXPECT_EQ(669, tiled.x.dst1);
  EXPECT_EQ(143, tiled.x.src0);

  const TskFillPlan horz = SliceFillPlan({0, 0, 100, 30}, {0, 0, 10, 10}, true, stHorz);
  EXPECT_EQ(AxisFill::Tile, horz.x.fill);
  EXPECT_EQ(AxisFill::Stretch, horz.y.fill);
  const TskFillPlan vert = SliceFillPlan({0, 0, 100, 30}, {0, 0, 10, 10}, true, stVert);
  EXPECT_EQ(AxisFill::Stretch, vert.x.fill);
  EXPECT_EQ(AxisFill::Tile, vert.y.fill);

  // A stretched background goes into the client rectangle; the others cover the control.
  const TskFillPlan full = BackgroundFillPlan(100, 50, {3, 4, 97, 46}, 16, 16, true, stFull);
  EXPECT_EQ(3, full.x.dst0);
  EXPECT_EQ(46, full.y.dst1);
  const TskFillPlan across = BackgroundFillPlan(100, 50, {3, 4, 97, 46}, 16, 16, true, stHorz);
  EXPECT_EQ(0, across.x.dst0);
  EXPECT_EQ(50, across.y.dst1);
  EXPECT_EQ(AxisFill::Stretch, across.y.fill);
}

TEST(ControlGeometry, PanelClientRectangle) {
  const TskSkinGeometry panel = SkinGeometryOf(SkinRecord<TskDataSkinPanelControl>("panel"));
  TskPanelClientInput in;
  in.record = true;
  in.resizeMode = panel.resizeMode;
  for (const auto& [width, right] : {std::pair{671, 669}, std::pair{800, 798}}) {
    int w = width, h = 49;
    in.width = w;
    in.height = h;
    in.resizedClient = FitSizeToSkin(panel, w, h).client;
    EXPECT_EQ((TRect{2, 2, right, 47}), PanelClientRect(in));
  }
  // A background picture, or no frame at all, leaves the whole panel to the children.
  TskPanelClientInput bg = in;
  bg.backgroundPicture = true;
  EXPECT_EQ((TRect{0, 0, 800, 49}), PanelClientRect(bg));
  TskPanelClientInput bare = in;
  bare.borderStyle = bvNone;
  EXPECT_EQ((TRect{0, 0, 800, 49}), PanelClientRect(bare));
  bare.captionMode = true;
  EXPECT_EQ((TRect{2, 2, 798, 47}), PanelClientRect(bare));

  TskPanelClientInput plain;
  plain.width = 671;
  plain.height = 49;
  EXPECT_EQ((TRect{1, 1, 670, 48}), PanelClientRect(plain));
  plain.captionMode = true;
  EXPECT_EQ((TRect{1, 23, 670, 48}), PanelClientRect(plain));
  plain.borderStyle = bvNone;
  plain.captionMode = false;
  EXPECT_EQ((TRect{0, 0, 671, 49}), PanelClientRect(plain));
}

TEST(ControlGeometry, StatusGripSitsAtTheClientsBottomRight) {
  EXPECT_EQ((TRect{188, 7, 200, 19}), StatusGripRect({2, 3, 200, 19}, {446, 328, 458, 340}));
  EXPECT_EQ((TRect{186, 3, 200, 17}), StatusGripRect({2, 3, 200, 19}, {}));
}

}  // namespace
