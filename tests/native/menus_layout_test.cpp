// Popup menu arithmetic: window sizes for the embedded skin and the plain
// look, rows and the scrolled window of them, placement against the work
// area, keyboard moves and accelerators, and the images menu's grid.
#include <gtest/gtest.h>

#include "skin/menus/skMenusLayout.h"

using fw::TPoint;
using fw::TRect;
using namespace sk;

namespace {

// The embedded skin's [POPUPWINDOW] (a 93 x 55 picture) and menu item
// record (skinrect 2,2,91,24, textrect 26,0,85,22, dividerrect 4,51,89,54).
TskMenuFrame SkinFrame() {
  TskMenuFrame f;
  f.skinned = true;
  f.pictureWidth = 93;
  f.pictureHeight = 55;
  f.itemsRect = {3, 3, 90, 52};
  f.itemSkinWidth = 89;
  f.itemTextWidth = 59;
  return f;
}

TskCornerModel SkinCorners() { return {{26, 4}, {89, 4}, {26, 51}, {89, 51}, {3, 3, 90, 52}}; }

const TRect kWorkArea{0, 0, 1280, 1024};

// Items of `heights`; a height of 3 (the skin's divider) or 4 makes a separator.
TskMenuPane Pane(const std::vector<int>& heights, TRect itemsRect, bool scrolling) {
  TskMenuPane pane;
  for (int h : heights) pane.rows.push_back({h, h > 4, {}, false});
  pane.itemsRect = itemsRect;
  pane.scrolling = scrolling;
  pane.Layout();
  return pane;
}

}  // namespace

TEST(MenusLayout, SkinnedWindowFollowsThePopupAndItemRecords) {
  // Five items and a separator: 5 x 22 + 3 + (55 - 49).
  std::vector<TskMenuItemSize> items{{22, 40}, {22, 61}, {22, 12}, {22, 30}, {3, 2}, {22, 50}};
  const TskMenuWindowSize s = MenuWindowSize(items, 19, 22, SkinFrame(), 0, 1024, false);
  EXPECT_EQ(s.height, 119);
  EXPECT_EQ(s.width, 61 + 74);  // the widest caption plus 74
  EXPECT_FALSE(s.scrolling);

  const TskCornerModel g = MenuWindowGeometry(SkinFrame(), SkinCorners(), s.width, s.height);
  EXPECT_EQ(g.client, (TRect{3, 3, s.width - 3, 116}));
  EXPECT_EQ(g.rightBottom, (TPoint{89 + s.width - 93, 51 + 119 - 55}));
  TskMenuPane pane = Pane({22, 22, 22, 22, 3, 22}, g.client, false);
  std::vector<int> tops;
  for (const auto& row : pane.rows) tops.push_back(row.rect.top);
  EXPECT_EQ(tops, (std::vector<int>{3, 25, 47, 69, 91, 94}));
  EXPECT_EQ(pane.rows[5].rect.bottom, 116);
  EXPECT_EQ(pane.ShownCount(), 6);
}

TEST(MenusLayout, LimitsAndTheWorkAreaMakeWindowsScroll) {
  std::vector<TskMenuItemSize> eight(8, {22, 20});
  TskMenuWindowSize s = MenuWindowSize(eight, 19, 22, SkinFrame(), 5, 1024, false);
  EXPECT_EQ(s.height, 136);
  EXPECT_TRUE(s.scrolling && s.limited);
  const TskCornerModel g = MenuWindowGeometry(SkinFrame(), SkinCorners(), s.width, s.height);
  TskMenuPane pane = Pane(std::vector<int>(8, 22), g.client, true);
  EXPECT_EQ(pane.TopZone(), (TRect{3, 3, s.width - 3, 13}));
  EXPECT_EQ(pane.BottomZone(), (TRect{3, 123, s.width - 3, 133}));
  EXPECT_EQ(pane.ShownCount(), 5);
  EXPECT_EQ(pane.rows[0].rect.top, 13);

  // The plain look: 5 x 20 + 24; the menu bar's variant keeps the room but
  // does not scroll for the limit.
  std::vector<TskMenuItemSize> plain(8, {20, 20});
  s = MenuWindowSize(plain, 19, 20, {}, 5, 1024, false);
  EXPECT_EQ(s.height, 124);
  EXPECT_TRUE(s.limited);
  s = MenuWindowSize(plain, 19, 20, {}, 5, 1024, true);
  EXPECT_EQ(s.height, 126);
  EXPECT_FALSE(s.scrolling);

  // Three items and a separator without a skin: 3 x 20 + 4 + 4; width adds
  // the glyph column, 19 and 10.
  s = MenuWindowSize({{20, 30}, {4, 2}, {20, 50}, {20, 10}}, 19, 20, {}, 0, 1024, false);
  EXPECT_EQ(s.height, 68);
  EXPECT_EQ(s.width, 50 + 19 + 19 + 10);

  // Taller than the work area: cut to it, scrolling but not limited.
  s = MenuWindowSize(std::vector<TskMenuItemSize>(60, {20, 10}), 19, 20, {}, 0, 1000, false);
  EXPECT_EQ(s.height, 1000);
  EXPECT_TRUE(s.scrolling);
  EXPECT_FALSE(s.limited);
}

TEST(MenusLayout, ScrollingKeepsTheLastItemReachable) {
  // Uneven rows: the last page must show the last row below the top marker.
  TskMenuPane pane = Pane({22, 22, 3, 22, 22, 22, 3, 22, 22, 22}, {3, 3, 100, 133}, true);
  EXPECT_EQ(pane.ShownCount(), 5);  // 22+22+3+22+22 = 91, the next 22 passes 123
  EXPECT_FALSE(pane.CanScrollUp());
  EXPECT_TRUE(pane.CanScrollDown());

  pane.ScrollUp(true);  // wraps to the last page
  EXPECT_EQ(pane.LastShown(), 9);
  EXPECT_TRUE(pane.rows[9].shown);
  EXPECT_GE(pane.rows[pane.FirstShown()].rect.top, 13);
  for (int i = 0; i < pane.FirstShown(); ++i) EXPECT_FALSE(pane.rows[i].shown);
  EXPECT_FALSE(pane.CanScrollDown());
  pane.ScrollDown(false);  // nothing beyond, no wrap
  EXPECT_EQ(pane.LastShown(), 9);
  pane.ScrollDown(true);
  EXPECT_EQ(pane.FirstShown(), 0);

  // A window too low for even one row still scrolls to the last one.
  TskMenuPane tiny = Pane({22, 22, 22}, {3, 3, 100, 30}, true);
  EXPECT_EQ(tiny.LastPageStart(), 2);
}

TEST(MenusLayout, KeysSkipSeparatorsAndDisabledItems) {
  TskMenuPane pane = Pane({3, 20, 20, 4, 20, 20, 4}, {2, 2, 100, 200}, false);
  pane.rows[2].selectable = false;  // disabled
  pane.rows[5].selectable = false;
  EXPECT_EQ(pane.FirstSelectable(), 1);
  EXPECT_EQ(pane.KeyDown(1, true), 4);
  // Trailing separators and disabled items: the highlight stays.
  EXPECT_EQ(pane.KeyDown(4, true), 4);
  EXPECT_EQ(pane.KeyUp(4, true), 1);
  // Up from the first item (or from none) searches from the last one; from
  // the first selectable one below a leading separator it stays.
  EXPECT_EQ(pane.KeyUp(1, true), 1);
  EXPECT_EQ(pane.KeyUp(-1, true), 4);
  EXPECT_EQ(Pane({20, 4, 20}, {2, 2, 100, 200}, false).KeyUp(0, true), 2);
  EXPECT_EQ(pane.KeyDown(-1, true), 1);
  // Down from the very last item starts again at the top.
  TskMenuPane wrap = Pane({20, 20, 20}, {2, 2, 100, 200}, false);
  EXPECT_EQ(wrap.KeyDown(2, true), 0);
  // Nothing selectable: nothing moves.
  TskMenuPane none = Pane({4, 4}, {2, 2, 100, 200}, false);
  EXPECT_EQ(none.KeyDown(-1, true), -1);
  EXPECT_EQ(none.FirstSelectable(), -1);
}

TEST(MenusLayout, KeysScrollTheWindowWithTheHighlight) {
  // 10 rows of 20 in a window that shows 5.
  TskMenuPane pane = Pane(std::vector<int>(10, 20), {2, 2, 100, 122}, true);
  ASSERT_EQ(pane.ShownCount(), 5);
  int active = 0;
  for (int i = 0; i < 9; ++i) {
    active = pane.KeyDown(active, true);
    EXPECT_EQ(active, i + 1);
    EXPECT_TRUE(pane.rows[active].shown) << active;
  }
  EXPECT_EQ(pane.FirstShown(), 5);
  // Past the end: back to the top, which is shown again.
  active = pane.KeyDown(active, true);
  EXPECT_EQ(active, 0);
  EXPECT_EQ(pane.FirstShown(), 0);
  // Up from the top: the last page, the last item highlighted and shown.
  active = pane.KeyUp(active, true);
  EXPECT_EQ(active, 9);
  EXPECT_TRUE(pane.rows[9].shown);
  // Home (a search down from none) from the last page: the first row, shown
  // again; End (up from none) from the top: the last row, shown.
  EXPECT_EQ(pane.KeyDown(-1, true), 0);
  EXPECT_TRUE(pane.rows[0].shown);
  EXPECT_EQ(pane.KeyUp(-1, true), 9);
  EXPECT_TRUE(pane.rows[9].shown);
  // While the mouse scrolls the keys leave the window alone.
  pane.SetFirstShown(0);
  EXPECT_EQ(pane.KeyDown(4, false), 5);
  EXPECT_EQ(pane.FirstShown(), 0);
  // A search that finds nothing does not scroll the highlight away.
  TskMenuPane tail = Pane({20, 20, 20, 20, 20, 4, 4, 4}, {2, 2, 100, 122}, true);
  EXPECT_EQ(tail.KeyDown(4, true), 4);
  EXPECT_TRUE(tail.rows[4].shown);
}

TEST(MenusLayout, PlacementKeepsWindowsInsideTheWorkArea) {
  auto place = [](TRect anchor, int w, int h, TskMenuKind kind, bool cut = false) {
    return PlaceMenuWindow({anchor, w, h, 3, kind, cut}, kWorkArea);
  };
  // Room below and right: at the point.
  EXPECT_EQ(place({100, 100, 100, 100}, 120, 200, TskMenuKind::Root), (TPoint{100, 100}));
  // Right edge: moved in.
  EXPECT_EQ(place({1250, 100, 1250, 100}, 120, 200, TskMenuKind::Root), (TPoint{1160, 100}));
  // Left edge (a point off the work area).
  EXPECT_EQ(place({-50, 100, -50, 100}, 120, 200, TskMenuKind::Root), (TPoint{0, 100}));
  // Lower half, no room below: above the point.
  EXPECT_EQ(place({300, 900, 300, 900}, 120, 200, TskMenuKind::Root), (TPoint{300, 700}));
  // Upper half, no room below: pushed up to the bottom, right of the point.
  EXPECT_EQ(place({300, 400, 300, 400}, 120, 700, TskMenuKind::Root), (TPoint{301, 324}));
  // Popping up when there is room above, else below.
  EXPECT_EQ(place({300, 500, 380, 520}, 120, 200, TskMenuKind::PopupUp), (TPoint{300, 300}));
  EXPECT_EQ(place({300, 50, 380, 70}, 120, 200, TskMenuKind::PopupUp), (TPoint{300, 70}));
  // A cut window starts at the top, beside its anchor.
  EXPECT_EQ(place({300, 400, 300, 400}, 120, 1024, TskMenuKind::Root, true), (TPoint{301, 0}));

  // Submenus: right of the parent item, first item level with it.
  const TRect item{500, 200, 620, 222};
  EXPECT_EQ(place(item, 150, 100, TskMenuKind::Submenu), (TPoint{621, 197}));
  // No room right: left of the parent's window.
  EXPECT_EQ(place({1100, 200, 1220, 222}, 150, 100, TskMenuKind::Submenu), (TPoint{949, 197}));
  // No room either side: kept inside the left edge, not beyond it.
  EXPECT_EQ(place({100, 200, 1220, 222}, 150, 100, TskMenuKind::Submenu), (TPoint{0, 197}));
  // Low in the work area: bottom aligned with the parent item, kept inside.
  EXPECT_EQ(place({500, 1000, 620, 1022}, 150, 100, TskMenuKind::Submenu), (TPoint{621, 924}));
  // High but too tall to fit from the item: ends at the bottom.
  EXPECT_EQ(place({500, 300, 620, 322}, 150, 900, TskMenuKind::Submenu), (TPoint{621, 124}));
}

TEST(MenusLayout, AcceleratorsMatchTheMarkedCharacter) {
  const std::vector<std::wstring> captions{L"Open", L"&Save", L"Save &As", L"Fish && Chips", L"&save copy"};
  EXPECT_EQ(MatchAccelerator(captions, L'S'), 1);  // case-insensitive, the first match wins
  EXPECT_EQ(MatchAccelerator(captions, L'a'), 2);
  EXPECT_EQ(MatchAccelerator(captions, L'C'), -1);  // "&&" marks nothing
  EXPECT_EQ(MatchAccelerator(captions, L'O'), -1);  // unmarked
  EXPECT_TRUE(IsHeaderCaption(L"-Colours-", false));
  EXPECT_FALSE(IsHeaderCaption(L"-Colours-", true));
  EXPECT_FALSE(IsHeaderCaption(L"-", false));
}

TEST(MenusLayout, ImagesGridRowsHeadersButtonsAndKeys) {
  std::vector<TskImagesCell> cells(9);
  cells[0].header = true;
  cells[6].button = true;
  // header, 5 plain (3 a row), button, 2 plain
  const TPoint size = LayoutImagesGrid(cells, 3, 26, 26, 17, {5, 5});
  EXPECT_EQ(cells[0].rect, (TRect{5, 5, 83, 22}));
  EXPECT_EQ(cells[1].rect, (TRect{5, 23, 31, 49}));
  EXPECT_EQ(cells[3].rect, (TRect{57, 23, 83, 49}));
  EXPECT_EQ(cells[4].rect, (TRect{5, 50, 31, 76}));
  EXPECT_EQ(cells[6].rect, (TRect{5, 77, 83, 103}));  // a new row after the part-filled one
  EXPECT_EQ(cells[8].rect, (TRect{31, 104, 57, 130}));
  EXPECT_EQ(size, (TPoint{78, 125}));

  EXPECT_EQ(ImagesGridKey(cells, -1, TskGridKey::Right), 1);  // the header is skipped
  EXPECT_EQ(ImagesGridKey(cells, -1, TskGridKey::Up), 8);
  EXPECT_EQ(ImagesGridKey(cells, 1, TskGridKey::Left), 8);  // wraps past the header
  EXPECT_EQ(ImagesGridKey(cells, 8, TskGridKey::Right), 1);
  EXPECT_EQ(ImagesGridKey(cells, 1, TskGridKey::Down), 4);  // same column, next row
  EXPECT_EQ(ImagesGridKey(cells, 2, TskGridKey::Down), 5);
  EXPECT_EQ(ImagesGridKey(cells, 5, TskGridKey::Down), 6);  // the button row
  EXPECT_EQ(ImagesGridKey(cells, 7, TskGridKey::Up), 6);
  EXPECT_EQ(ImagesGridKey(cells, 1, TskGridKey::Up), 1);  // nothing above: stays

  EXPECT_EQ(PlaceImagesWindow({100, 100, 180, 120}, 90, 130, kWorkArea), (TPoint{100, 120}));
  EXPECT_EQ(PlaceImagesWindow({1250, 950, 1270, 970}, 90, 130, kWorkArea), (TPoint{1190, 820}));
}
