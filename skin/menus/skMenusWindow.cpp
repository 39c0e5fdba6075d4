// One open level of a skinned menu: opening, the item rules, mouse, keys,
// scrolling and the effect timers. Painting is in skMenusPaint.cpp.
#include <algorithm>

#include "framework/ActnList.h"
#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "framework/ImgList.h"
#include "framework/MessageWindow.h"
#include "skin/menus/skMenus.h"

using fw::TPoint;
using fw::TRect;

namespace sk {

namespace {

constexpr wchar_t kPopupClass[] = L"TskSkinPopupWindow";
constexpr UINT_PTR kScrollTimer = 1;

const TskDataSkinMenuItem* FirstMenuItemRecord(const TskSkinData& data) {
  for (int i = 0; i < data.ObjectCount(); ++i) {
    if (auto* r = dynamic_cast<const TskDataSkinMenuItem*>(data.ObjectList(i))) return r;
  }
  return nullptr;
}

}  // namespace

TskSkinPopupWindow::TskSkinPopupWindow(TskSkinMenu& menu, bool record)
    : TskMenuPopupWindow(kPopupClass), menu_(&menu), skinData_(menu.SkinData()) {
  if (record && skinData_) {
    record_ = &skinData_->PopupWindow();
    windowPicture_ = skinData_->ActivePicture(record_->WindowPictureIndex);
    maskPicture_ = skinData_->ActivePicture(record_->MaskPictureIndex);
    itemRecord_ = FirstMenuItemRecord(*skinData_);
  }
}

TskSkinPopupWindow::~TskSkinPopupWindow() { StopTimers(); }

void TskSkinPopupWindow::SetCanvasFont(fw::TCanvas& canvas) const {
  if (itemRecord_) {
    AssignSkinFont(canvas.Font(), menu_->UseSkinFont(), itemRecord_->FontName, itemRecord_->FontHeight,
                   itemRecord_->FontStyle, menu_->DefaultItemFont(), skinData_);
  } else {
    AssignSkinFont(canvas.Font(), false, {}, 0, 0, menu_->DefaultItemFont(), skinData_);
  }
}

int TskSkinPopupWindow::TextWidthOf(fw::TCanvas& canvas, const fw::TMenuItem& item) const {
  std::wstring text = item.Caption();
  if (item.ShortCut() != fw::scNone) text += L"  " + fw::ShortCutToText(item.ShortCut());
  TRect r{0, 0, 0, 0};
  canvas.DrawTextW(text, r, DT_CALCRECT | DT_SINGLELINE);
  return r.Width() + 2;
}

void TskSkinPopupWindow::AddItems(const std::vector<Source>& sources) {
  const fw::TBitmap* picture = itemRecord_ ? skinData_->ActivePicture(itemRecord_->ActivePictureIndex) : nullptr;
  for (const Source& source : sources) {
    if (!source.parent) continue;
    if (!images_) {
      if (fw::TMenu* owner = source.parent->GetParentMenu()) images_ = owner->Images();
    }
    // Actions first: their updates may show or hide items, which the line
    // reduction then takes into account.
    for (int i = std::max(source.first, 0); i < source.parent->Count(); ++i) {
      if (fw::TAction* action = source.parent->Items(i)->Action()) action->Update();
    }
    source.parent->RethinkLines();
    for (int i = std::max(source.first, 0); i < source.parent->Count(); ++i) {
      fw::TMenuItem* item = source.parent->Items(i);
      if (!item->Visible()) continue;
      items_.push_back(std::make_unique<TskSkinMenuItem>(*this, item, itemRecord_, picture));
    }
  }
}

void TskSkinPopupWindow::Open(const std::vector<Source>& sources, const TRect& anchor, bool popupUp, bool submenu,
                              bool first) {
  LayOut(sources, anchor, popupUp, submenu);
  if (record_ && maskPicture_) ApplyMaskRegion(*record_, *maskPicture_, geometry_);
  const bool fade = first && menu_->AlphaBlend() && menu_->AlphaBlendAnimation();
  if (ShowPopup(showPosition_, menu_->AlphaBlend(), menu_->AlphaBlendValue(), fade)) FadeIn(menu_->AlphaBlendValue());

  mouseTimer_ = fw::MessageWindow::Instance().NewTimerId();
  fw::MessageWindow::Instance().StartTimer(mouseTimer_, 50, [this] { MouseTick(); });
  active_ = -1;
  const int firstSelectable = pane_.FirstSelectable();
  if (firstSelectable >= 0) {
    items_[firstSelectable]->selectedAtOpen = true;
    SetActive(firstSelectable, false);
  }
}

void TskSkinPopupWindow::LayOut(const std::vector<Source>& sources, const TRect& anchor, bool popupUp, bool submenu) {
  AddItems(sources);
  glyphColumn_ = images_ ? images_->Width() + 5 : 19;

  // Sizes from the records (or the plain look) and the captions.
  fw::MemoryDC measureDC;
  fw::TCanvas measure(measureDC.Get());
  SetCanvasFont(measure);
  const int normalHeight = itemRecord_ ? itemRecord_->SkinRect.Height() : menu_->DefaultItemHeight();
  const int lineHeight = itemRecord_ ? itemRecord_->DividerRect.Height() : 4;
  std::vector<TskMenuItemSize> sizes;
  for (const auto& item : items_) {
    sizes.push_back({item->IsLine() ? lineHeight : normalHeight, TextWidthOf(measure, *item->MenuItem())});
  }
  TskMenuFrame frame;
  TskCornerModel recordModel;
  if (record_) {
    frame.skinned = true;
    frame.pictureWidth = windowPicture_->Width();
    frame.pictureHeight = windowPicture_->Height();
    frame.itemsRect = record_->ItemsRect;
    if (itemRecord_) {
      frame.itemSkinWidth = itemRecord_->SkinRect.Width();
      frame.itemTextWidth = itemRecord_->TextRect.Width();
    }
    recordModel = PopupCornerModel(*record_);
  }
  const bool twoLists = sources.size() > 1;
  const TRect& workArea = menu_->WorkArea();
  const TskMenuWindowSize size = MenuWindowSize(sizes, glyphColumn_, normalHeight, frame, menu_->MaxMenuItemsInWindow(),
                                                workArea.Height(), twoLists);
  pane_.scrolling = size.scrolling;
  limited_ = size.limited;
  geometry_ = MenuWindowGeometry(frame, recordModel, size.width, size.height);
  pane_.itemsRect = geometry_.client;
  pane_.rows.clear();
  for (size_t i = 0; i < items_.size(); ++i) {
    const TskSkinMenuItem& item = *items_[i];
    pane_.rows.push_back({sizes[i].height, item.Enabled() && !item.IsLine(), {}, false});
  }
  pane_.SetFirstShown(0);
  SyncShown();

  TskMenuPlacement placement;
  placement.anchor = anchor;
  placement.width = size.width;
  placement.height = size.height;
  placement.itemsTop = geometry_.client.top;
  placement.kind = submenu ? TskMenuKind::Submenu : popupUp ? TskMenuKind::PopupUp : TskMenuKind::Root;
  placement.cut = pane_.scrolling && !limited_;
  showPosition_ = PlaceMenuWindow(placement, workArea);

  SetBounds(showPosition_.x, showPosition_.y, size.width, size.height);
}

void TskSkinPopupWindow::SyncShown() {
  for (size_t i = 0; i < items_.size(); ++i) {
    TskSkinMenuItem& item = *items_[i];
    item.rect = pane_.rows[i].rect;
    const bool wasShown = item.shown;
    item.shown = pane_.rows[i].shown;
    if (wasShown && !item.shown && item.Morphing()) {
      item.active = item.open = false;
      item.morphFactor = 0;
    }
  }
}

void TskSkinPopupWindow::StopTimers() {
  auto& timers = fw::MessageWindow::Instance();
  if (mouseTimer_) timers.StopTimer(mouseTimer_);
  if (effectTimer_) timers.StopTimer(effectTimer_);
  if (HandleAllocated()) KillTimer(HandleIfAllocated(), kScrollTimer);
  scrollCode_ = 0;
}

void TskSkinPopupWindow::Close() {
  StopTimers();
  TskMenuPopupWindow::Close();
}

// ---- item rules -------------------------------------------------------------

void TskSkinPopupWindow::SetActive(int index, bool byMouse) {
  const int previous = active_;
  if (previous == index) return;
  previousActive_ = previous;
  active_ = index;
  if (previous >= 0 && previous < ItemCount()) {
    const TskSkinMenuItem& old = *items_[previous];
    if (old.Enabled() && !old.IsLine()) Leave(previous);
  }
  if (Closed() || index < 0) return;
  const TskSkinMenuItem& item = *items_[index];
  if (item.Enabled() && !item.IsLine()) Enter(index, byMouse);
}

void TskSkinPopupWindow::Enter(int index, bool byMouse) {
  TskSkinMenuItem& item = *items_[index];
  item.active = true;
  if (item.Animated()) item.frame = 0;
  for (int i = 0; i < ItemCount(); ++i) {
    if (i != index && items_[i]->open) {
      items_[i]->open = false;
      RequestRedraw(i);
    }
  }
  hintText_ = item.MenuItem()->Hint();
  if (item.selectedAtOpen && byMouse) {
    RequestRedraw(index);
    return;
  }
  const int level = menu_->IndexOf(this);
  if (item.open) {
    menu_->CloseSkinMenuFrom(level + 2);
    return;
  }
  RequestRedraw(index);
  if (!item.HasSubItems() || byMouse) menu_->CloseSkinMenuFrom(level + 1);
  if (item.HasSubItems() && byMouse) menu_->StartWait(&item);
}

void TskSkinPopupWindow::Leave(int index) {
  TskSkinMenuItem& item = *items_[index];
  item.active = false;
  if (item.Animated()) item.frame = itemRecord_->FrameCount + 1;
  item.selectedAtOpen = false;
  if (!item.open) RequestRedraw(index);
  if (menu_->waitItem_ == &item) menu_->StopWait();
}

void TskSkinPopupWindow::Click(int index) {
  if (Closed() || index < 0 || index >= ItemCount()) return;
  BusyScope busy(*this);
  TskSkinMenuItem& item = *items_[index];
  item.selectedAtOpen = false;
  if (item.open || !item.Enabled() || item.IsLine()) return;
  TskSkinMenu& menu = *menu_;
  if (!item.HasSubItems()) {
    // The menu goes before the command runs; this window is only hidden,
    // and nothing here touches the menu again.
    menu.RunCommand(item.MenuItem());
    return;
  }
  const std::weak_ptr<bool> alive = menu.alive_;
  const unsigned generation = menu.generation_;
  RunItem(*item.MenuItem());
  // OnClick may have closed or reopened the menu, or freed it.
  if (alive.expired() || Closed() || generation != menu.generation_ || menu.IndexOf(this) < 0) return;
  menu.StopWait();
  item.open = true;
  menu.OpenSubmenu(*this, index);
}

void TskSkinPopupWindow::RequestRedraw(int index) {
  TskSkinMenuItem& item = *items_[index];
  auto& timers = fw::MessageWindow::Instance();
  auto startEffects = [&](unsigned interval) {
    if (!effectTimer_) effectTimer_ = timers.NewTimerId();
    timers.StartTimer(effectTimer_, interval, [this] { EffectTick(); });
  };
  if (item.Animated()) {
    if (item.active || itemRecord_->InActiveAnimation) {
      startEffects(static_cast<unsigned>(std::max(itemRecord_->AnimateInterval, 1)));
    } else {
      item.frame = 0;
      PaintItem(index, nullptr);
    }
  } else if (item.Morphing()) {
    startEffects(20);
  } else {
    PaintItem(index, nullptr);
  }
}

void TskSkinPopupWindow::EffectTick() {
  if (Closed()) return;
  BusyScope busy(*this);
  bool changed = false;
  for (int i = 0; i < ItemCount(); ++i) {
    TskSkinMenuItem& item = *items_[i];
    bool step = false;
    if (item.Morphing()) {
      const bool on = item.active || item.open;
      if ((on && item.morphFactor < 1) || (!on && item.morphFactor > 0)) {
        item.morphFactor = std::clamp(item.morphFactor + (on ? 0.2 : -0.2), 0.0, 1.0);
        step = true;
      }
    }
    if (item.Animated()) {
      if (item.active && item.frame <= itemRecord_->FrameCount) {
        ++item.frame;
        step = true;
      } else if (!item.active && item.frame > 0) {
        --item.frame;
        step = true;
      }
    }
    if (step) {
      changed = true;
      PaintItem(i, nullptr);
    }
  }
  if (!changed) fw::MessageWindow::Instance().StopTimer(effectTimer_);
}

// ---- mouse ------------------------------------------------------------------

void TskSkinPopupWindow::MouseTick() {
  if (Closed() || !HandleAllocated()) return;
  BusyScope busy(*this);
  POINT p;
  if (!GetCursorPos(&p)) return;
  if (p.x == lastMouse_.x && p.y == lastMouse_.y) return;
  lastMouse_ = {p.x, p.y};
  if (WindowFromPoint(p) == HandleIfAllocated()) {
    ::ScreenToClient(HandleIfAllocated(), &p);
    PointerAt({p.x, p.y});
  } else if (scrollCode_ != 0) {
    StopMouseScroll();
  }
}

void TskSkinPopupWindow::PointerAt(TPoint p) {
  if (Closed()) return;
  if (pane_.scrolling) {
    const bool inTop = pane_.TopZone().Contains(p);
    const bool inBottom = pane_.BottomZone().Contains(p);
    if (scrollCode_ == 0) {
      if (inTop && pane_.CanScrollUp()) {
        StartMouseScroll(1);
      } else if (inBottom && pane_.CanScrollDown()) {
        StartMouseScroll(2);
      }
    } else if (!inTop && !inBottom) {
      StopMouseScroll();
    }
  }
  if (Closed()) return;
  const int hit = pane_.ItemAt(p);
  if (hit < 0) return;
  if (hit == active_) {
    TskSkinMenuItem& item = *items_[hit];
    if (item.selectedAtOpen) {
      item.selectedAtOpen = false;
      if (item.HasSubItems() && item.Enabled()) Enter(hit, true);
    }
    return;
  }
  SetActive(hit, true);
}

void TskSkinPopupWindow::StartMouseScroll(int code) {
  scrollCode_ = code;
  menu_->CloseSkinMenuFrom(menu_->IndexOf(this) + 1);
  SetTimer(Handle(), kScrollTimer, 100, nullptr);
  Invalidate();
}

void TskSkinPopupWindow::StopMouseScroll() {
  scrollCode_ = 0;
  if (HandleAllocated()) KillTimer(HandleIfAllocated(), kScrollTimer);
  Invalidate();
}

void TskSkinPopupWindow::ScrollStep(int code, bool wrap) {
  if (code == 1) {
    pane_.ScrollUp(wrap);
  } else if (code == 2) {
    pane_.ScrollDown(wrap);
  }
  SyncShown();
  Invalidate();
}

// ---- keys -------------------------------------------------------------------

void TskSkinPopupWindow::KeyDown(WORD key) {
  if (Closed()) return;
  BusyScope busy(*this);
  TskSkinMenu& menu = *menu_;
  // Accelerators come before every other key.
  wchar_t ch = 0;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) {
    ch = static_cast<wchar_t>(key);
  } else {
    ch = static_cast<wchar_t>(MapVirtualKeyW(key, MAPVK_VK_TO_CHAR) & 0xFFFF);
  }
  if (ch) {
    std::vector<std::wstring> captions;
    for (const auto& item : items_) captions.push_back(item->MenuItem()->Caption());
    const int match = MatchAccelerator(captions, ch);
    if (match >= 0) {
      SetActive(match, false);
      Click(match);
      return;
    }
  }
  const int level = menu.IndexOf(this);
  switch (key) {
    case VK_RETURN: Click(active_); break;
    case VK_LEFT:
      if (level <= 0) break;
      [[fallthrough]];
    case VK_ESCAPE:
      if (level > 0) {
        TskSkinPopupWindow& parent = *menu.Popup(level - 1);
        if (parent.active_ >= 0) {
          parent.items_[parent.active_]->open = false;
          parent.RequestRedraw(parent.active_);
        }
      }
      menu.CloseSkinMenuFrom(std::max(level, 0));
      break;
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END: {
      const int shownBefore = pane_.FirstShown();
      const bool mayScroll = scrollCode_ == 0;
      // Home and End search from outside the list: the first or the last
      // selectable row, scrolled into view.
      const int from = key == VK_HOME || key == VK_END ? -1 : active_;
      const int next = key == VK_UP || key == VK_END ? pane_.KeyUp(from, mayScroll) : pane_.KeyDown(from, mayScroll);
      if (pane_.FirstShown() != shownBefore) {
        SyncShown();
        Invalidate();
      }
      if (next != active_) SetActive(next, false);
      break;
    }
    case VK_RIGHT:
      if (active_ >= 0 && items_[active_]->HasSubItems()) Click(active_);
      break;
    default: break;
  }
}

// ---- messages ---------------------------------------------------------------

void TskSkinPopupWindow::HandleMessage(fw::TMessage& m) {
  switch (m.msg) {
    case WM_ERASEBKGND:
      PaintWhole(reinterpret_cast<HDC>(m.wParam));
      m.result = 1;
      return;
    case WM_TIMER:
      if (m.wParam != kScrollTimer) break;
      if (scrollCode_ == 1 ? pane_.CanScrollUp() : scrollCode_ == 2 && pane_.CanScrollDown()) {
        ScrollStep(scrollCode_, false);
      }
      if (scrollCode_ == 1 ? !pane_.CanScrollUp() : !pane_.CanScrollDown()) StopMouseScroll();
      return;
    case WM_LBUTTONUP: {
      const TPoint p{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
      PointerAt(p);
      if (Closed()) return;
      const int hit = pane_.ItemAt(p);
      if (hit >= 0 && hit == active_) Click(hit);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return;
    default: break;
  }
  TskMenuPopupWindow::HandleMessage(m);
}

}  // namespace sk
