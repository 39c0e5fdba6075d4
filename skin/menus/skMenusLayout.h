#pragma once
// The arithmetic of skinned popup menus, apart from their windows: the size
// of a window of items, the rows of its items and the window of them that is
// shown while it scrolls, where a window goes against the work area, the
// keyboard's way over items that cannot be chosen, and accelerators. The
// images menu's grid is here too.
#include <string>
#include <vector>

#include "framework/Graphics.h"
#include "skin/pixels/skUtilsImages.h"

namespace sk {

// Rows of menu items start this far inside the items rectangle while the
// window scrolls: the scroll markers live there.
constexpr int kMenuScrollZone = 10;

// What a window's size depends on besides its items. Without a window
// record the menu has the plain look and these sizes are 0.
struct TskMenuFrame {
  bool skinned = false;
  int pictureWidth = 0, pictureHeight = 0;
  fw::TRect itemsRect;    // the record's itemsrect
  int itemSkinWidth = 0;  // the item record's skinrect width (0 without one)
  int itemTextWidth = 0;  // its textrect width
};

struct TskMenuItemSize {
  int height = 0;
  int textWidth = 0;  // measured caption (and short cut), plus 2
};

struct TskMenuWindowSize {
  int width = 0, height = 0;
  bool scrolling = false;
  bool limited = false;  // scrolls because of the most items a window may show
};

// `itemHeight` is a normal item's height (what the max-items limit counts
// in); `twoLists` is the menu bar's merged variant, which keeps its limit
// space but does not scroll for it.
TskMenuWindowSize MenuWindowSize(const std::vector<TskMenuItemSize>& items, int glyphColumn, int itemHeight,
                                 const TskMenuFrame& frame, int maxItems, int workAreaHeight, bool twoLists);

// The record's points and items rectangle moved to the window size; the
// plain look's items rectangle is inset by 2.
TskCornerModel MenuWindowGeometry(const TskMenuFrame& frame, const TskCornerModel& record, int width, int height);

// The items of one window: their rows, which of them are shown, and the
// keyboard's way over them. Rows are in window coordinates.
class TskMenuPane {
 public:
  struct Row {
    int height = 0;
    bool selectable = false;  // enabled and not a separator
    fw::TRect rect;
    bool shown = false;
  };

  std::vector<Row> rows;
  fw::TRect itemsRect;
  bool scrolling = false;

  int FirstShown() const { return firstShown_; }
  int ShownCount() const { return shownCount_; }
  int LastShown() const { return firstShown_ + shownCount_ - 1; }
  int Count() const { return static_cast<int>(rows.size()); }

  // Rows from the first shown one down the items rectangle; those that do
  // not fit (and, while scrolling, those before the first) are not shown.
  void Layout();
  void SetFirstShown(int index);
  bool CanScrollUp() const { return firstShown_ > 0; }
  bool CanScrollDown() const { return LastShown() < Count() - 1; }
  // One step; `wrap` goes from the top to the last page and back.
  void ScrollUp(bool wrap);
  void ScrollDown(bool wrap);
  // The first index from which the last item is still shown.
  int LastPageStart() const;
  fw::TRect TopZone() const;
  fw::TRect BottomZone() const;

  // The shown row under the point (right and bottom edges exclusive), or -1.
  int ItemAt(fw::TPoint p) const;
  // The first selectable row, or -1.
  int FirstSelectable() const;
  // Up and Down: the previous / next selectable row from `active`
  // (-1: none), scrolling with the search when `mayScroll` and the window
  // scrolls. Finding none leaves `active` and the shown rows as they were.
  int KeyUp(int active, bool mayScroll);
  int KeyDown(int active, bool mayScroll);

 private:
  // Scrolls until the row is shown (a row never shown stays so).
  void EnsureShown(int index);

  int firstShown_ = 0;
  int shownCount_ = 0;
};

// Where a window of the menu goes. `anchor` is the parent item, or the
// point or control the menu opens at, in screen coordinates.
enum class TskMenuKind { Root, PopupUp, Submenu };
struct TskMenuPlacement {
  fw::TRect anchor;
  int width = 0, height = 0;
  int itemsTop = 0;  // top of the window's items rectangle
  TskMenuKind kind = TskMenuKind::Root;
  bool cut = false;  // cut to the work area's height (scrolling, not limited)
};
fw::TPoint PlaceMenuWindow(const TskMenuPlacement& p, const fw::TRect& workArea);

// The first caption (in order) that marks `key` as its accelerator, ignoring
// case; "&&" marks nothing. -1 when none does.
int MatchAccelerator(const std::vector<std::wstring>& captions, wchar_t key);

// A caption that starts and ends with "-" on a disabled item is a header.
bool IsHeaderCaption(const std::wstring& caption, bool enabled);

// ---- the images menu's grid

struct TskImagesCell {
  bool header = false;
  bool button = false;
  fw::TRect rect;  // filled by LayoutImagesGrid
};

// Plain cells flow left to right, `columns` a row, rows 1 pixel apart;
// headers (headerHeight high) and buttons take a row of their own. Returns
// the size the cells take from `origin`.
fw::TPoint LayoutImagesGrid(std::vector<TskImagesCell>& cells, int columns, int cellWidth, int cellHeight,
                            int headerHeight, fw::TPoint origin);

// Keys over the grid; `hovered` -1 for none. Headers are never chosen.
enum class TskGridKey { Left, Right, Up, Down };
int ImagesGridKey(const std::vector<TskImagesCell>& cells, int hovered, TskGridKey key);

// Left edge at the anchor's left and top at its bottom; above the anchor
// when it would pass the work area's bottom; then pulled inside the right,
// left and top edges.
fw::TPoint PlaceImagesWindow(const fw::TRect& anchor, int width, int height, const fw::TRect& workArea);

}  // namespace sk
