#include "skin/menus/skMenusLayout.h"

#include <algorithm>

#include "framework/Menus.h"

namespace sk {

using fw::TPoint;
using fw::TRect;

TskMenuWindowSize MenuWindowSize(const std::vector<TskMenuItemSize>& items, int glyphColumn, int itemHeight,
                                 const TskMenuFrame& frame, int maxItems, int workAreaHeight, bool twoLists) {
  TskMenuWindowSize s;
  int widest = 0;
  int sum = 0;
  for (const TskMenuItemSize& item : items) {
    widest = std::max(widest, item.textWidth);
    sum += item.height;
  }
  const int frameWidth =
      frame.skinned ? (frame.pictureWidth - frame.itemsRect.Width()) + (frame.itemSkinWidth - frame.itemTextWidth) : 10;
  const int frameHeight = frame.skinned ? frame.pictureHeight - frame.itemsRect.Height() : (twoLists ? 6 : 4);
  s.width = widest + glyphColumn + 19 + frameWidth;
  s.height = sum + frameHeight;
  if (maxItems > 0 && static_cast<int>(items.size()) > maxItems) {
    // Room for the two scroll markers of kMenuScrollZone each.
    s.height = itemHeight * maxItems + (frame.skinned ? frameHeight + 2 * kMenuScrollZone : (twoLists ? 26 : 24));
    if (!twoLists) s.scrolling = s.limited = true;
  }
  if (s.height > workAreaHeight) {
    s.height = workAreaHeight;
    s.scrolling = true;
  }
  return s;
}

TskCornerModel MenuWindowGeometry(const TskMenuFrame& frame, const TskCornerModel& record, int width, int height) {
  if (!frame.skinned) return {{}, {}, {}, {}, {2, 2, width - 2, height - 2}};
  return MapCornerModel(record, frame.pictureWidth, frame.pictureHeight, width, height);
}

// ---- TskMenuPane

void TskMenuPane::Layout() {
  const int zone = scrolling ? kMenuScrollZone : 0;
  const int limit = itemsRect.bottom - zone;
  int y = itemsRect.top + zone;
  shownCount_ = 0;
  for (Row& row : rows) row.shown = false;
  for (int i = firstShown_; i < Count(); ++i) {
    Row& row = rows[i];
    row.rect = {itemsRect.left, y, itemsRect.right, y + row.height};
    if (row.rect.bottom > limit) break;
    row.shown = true;
    ++shownCount_;
    y += row.height;
  }
}

void TskMenuPane::SetFirstShown(int index) {
  firstShown_ = std::clamp(index, 0, std::max(0, Count() - 1));
  Layout();
}

void TskMenuPane::ScrollUp(bool wrap) {
  if (firstShown_ > 0) {
    SetFirstShown(firstShown_ - 1);
  } else if (wrap) {
    SetFirstShown(LastPageStart());
  }
}

void TskMenuPane::ScrollDown(bool wrap) {
  if (CanScrollDown()) {
    SetFirstShown(firstShown_ + 1);
  } else if (wrap) {
    SetFirstShown(0);
  }
}

int TskMenuPane::LastPageStart() const {
  // Stacked upward from the bottom marker while every row still starts below
  // the top marker, where Layout starts them, so the last row is shown.
  const int zone = scrolling ? kMenuScrollZone : 0;
  int y = itemsRect.bottom - zone;
  const int top = itemsRect.top + zone;
  int n = 0;
  for (int i = Count() - 1; i >= 0; --i) {
    if (y - rows[i].height < top) break;
    y -= rows[i].height;
    ++n;
  }
  return std::max(0, Count() - std::max(n, 1));
}

TRect TskMenuPane::TopZone() const {
  return {itemsRect.left, itemsRect.top, itemsRect.right, itemsRect.top + kMenuScrollZone};
}

TRect TskMenuPane::BottomZone() const {
  return {itemsRect.left, itemsRect.bottom - kMenuScrollZone, itemsRect.right, itemsRect.bottom};
}

int TskMenuPane::ItemAt(TPoint p) const {
  for (int i = 0; i < Count(); ++i) {
    if (rows[i].shown && rows[i].rect.Contains(p)) return i;
  }
  return -1;
}

int TskMenuPane::FirstSelectable() const {
  for (int i = 0; i < Count(); ++i) {
    if (rows[i].selectable) return i;
  }
  return -1;
}

void TskMenuPane::EnsureShown(int index) {
  if (index < 0 || index >= Count()) return;
  while (index < firstShown_) SetFirstShown(firstShown_ - 1);
  while (!rows[index].shown && CanScrollDown()) SetFirstShown(firstShown_ + 1);
}

int TskMenuPane::KeyUp(int active, bool mayScroll) {
  if (rows.empty()) return active;
  const bool scroll = scrolling && mayScroll;
  const int keep = firstShown_;
  if (scroll && active >= 0 && active == firstShown_) ScrollUp(true);
  for (int i = active <= 0 ? Count() - 1 : active - 1; i >= 0; --i) {
    if (scroll && i < firstShown_) ScrollUp(false);
    if (rows[i].selectable) {
      if (scroll) EnsureShown(i);
      return i;
    }
  }
  SetFirstShown(keep);
  return active;
}

int TskMenuPane::KeyDown(int active, bool mayScroll) {
  if (rows.empty()) return active;
  const bool scroll = scrolling && mayScroll;
  const int keep = firstShown_;
  if (scroll && active >= 0 && active == LastShown()) ScrollDown(true);
  for (int i = active < 0 || active == Count() - 1 ? 0 : active + 1; i < Count(); ++i) {
    if (scroll && i > LastShown()) ScrollDown(false);
    if (rows[i].selectable) {
      if (scroll) EnsureShown(i);
      return i;
    }
  }
  SetFirstShown(keep);
  return active;
}

// ---- placement

TPoint PlaceMenuWindow(const TskMenuPlacement& p, const TRect& wa) {
  const TRect& r = p.anchor;
  const int w = p.width;
  const int h = p.height;
  const int mid = wa.top + wa.Height() / 2;
  bool forced = false;
  int y;
  if (p.cut) {
    y = wa.top;
  } else if (p.kind == TskMenuKind::Submenu) {
    // The first item level with the parent item when that fits.
    if (r.top - p.itemsTop + h <= wa.bottom) {
      y = r.top - p.itemsTop;
    } else if (r.top < mid) {
      y = wa.bottom - h;
    } else {
      y = std::max(r.bottom + p.itemsTop - h, wa.top);
    }
  } else if (p.kind == TskMenuKind::PopupUp) {
    if (r.top - h >= wa.top) {
      y = r.top - h;
    } else if (r.top < mid) {
      forced = r.bottom + h > wa.bottom;
      y = forced ? wa.bottom - h : r.bottom;
    } else {
      forced = true;
      y = wa.top;
    }
  } else if (r.bottom + h <= wa.bottom) {
    y = r.bottom;
  } else if (r.top < mid) {
    forced = true;
    y = wa.bottom - h;
  } else if (r.top - h >= wa.top) {
    y = r.top - h;
  } else {
    forced = true;
    y = wa.top;
  }

  int x;
  if (p.kind != TskMenuKind::Submenu && !p.cut && !forced) {
    x = r.left;
    if (x + w > wa.right) {
      x = wa.right - w;
    } else if (r.left < wa.left) {
      x = wa.left;
    }
  } else {
    // Beside the anchor, so the window does not cover what opened it.
    x = r.right + w + 1 <= wa.right ? r.right + 1 : r.left - w - 1;
  }
  // Whatever the anchor, every window stays inside the work area.
  x = std::max(std::min(x, wa.right - w), wa.left);
  y = std::max(std::min(y, wa.bottom - h), wa.top);
  return {x, y};
}

int MatchAccelerator(const std::vector<std::wstring>& captions, wchar_t key) {
  for (size_t i = 0; i < captions.size(); ++i) {
    if (fw::IsAccel(key, captions[i])) return static_cast<int>(i);
  }
  return -1;
}

bool IsHeaderCaption(const std::wstring& caption, bool enabled) {
  return !enabled && caption.size() >= 2 && caption.front() == L'-' && caption.back() == L'-';
}

// ---- images grid

TPoint LayoutImagesGrid(std::vector<TskImagesCell>& cells, int columns, int cellWidth, int cellHeight, int headerHeight,
                        TPoint origin) {
  columns = std::max(columns, 1);
  const int rowWidth = columns * cellWidth;
  int col = 0;
  int y = origin.y;
  int bottom = origin.y;
  for (TskImagesCell& cell : cells) {
    if (cell.header || cell.button) {
      if (col != 0) {
        y += cellHeight + 1;
        col = 0;
      }
      const int h = cell.header ? headerHeight : cellHeight;
      cell.rect = {origin.x, y, origin.x + rowWidth, y + h};
      y += h + 1;
    } else {
      cell.rect = fw::Bounds(origin.x + col * cellWidth, y, cellWidth, cellHeight);
      if (++col == columns) {
        col = 0;
        y += cellHeight + 1;
      }
    }
    bottom = std::max(bottom, cell.rect.bottom);
  }
  return {rowWidth, bottom - origin.y};
}

int ImagesGridKey(const std::vector<TskImagesCell>& cells, int hovered, TskGridKey key) {
  const int n = static_cast<int>(cells.size());
  auto plain = [&](int i) { return i >= 0 && i < n && !cells[i].header; };
  auto firstPlain = [&] {
    for (int i = 0; i < n; ++i) {
      if (plain(i)) return i;
    }
    return -1;
  };
  auto lastPlain = [&] {
    for (int i = n - 1; i >= 0; --i) {
      if (plain(i)) return i;
    }
    return -1;
  };
  if (hovered < 0 || hovered >= n) {
    return key == TskGridKey::Up || key == TskGridKey::Left ? lastPlain() : firstPlain();
  }
  const TRect& at = cells[hovered].rect;
  switch (key) {
    case TskGridKey::Left:
      for (int i = hovered - 1; i >= 0; --i) {
        if (plain(i)) return i;
      }
      return lastPlain();
    case TskGridKey::Right:
      for (int i = hovered + 1; i < n; ++i) {
        if (plain(i)) return i;
      }
      return firstPlain();
    case TskGridKey::Up:
      for (int i = hovered - 1; i >= 0; --i) {
        if (plain(i) && (cells[i].button || (cells[i].rect.top != at.top && cells[i].rect.left == at.left))) return i;
      }
      return hovered;
    case TskGridKey::Down:
      for (int i = hovered + 1; i < n; ++i) {
        if (plain(i) && (cells[i].button || (cells[i].rect.top != at.top && cells[i].rect.left == at.left))) return i;
      }
      return hovered;
  }
  return hovered;
}

TPoint PlaceImagesWindow(const TRect& anchor, int width, int height, const TRect& wa) {
  int x = anchor.left;
  int y = anchor.bottom;
  if (y + height > wa.bottom) y -= height + anchor.Height();
  if (x + width > wa.right) x = wa.right - width;
  if (x < wa.left) x = wa.left;
  if (y < wa.top) y = wa.top;
  return {x, y};
}

}  // namespace sk
