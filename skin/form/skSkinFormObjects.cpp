// Caption objects beyond hover and press: the frame animation on its 25 ms
// timer, the objects' hints in the skinned hint window, and the menus that
// buttons and animated objects open below themselves.
#include "framework/CodePage.h"
#include "skin/data/skSkinData.h"
#include "skin/form/skFormHints.h"
#include "skin/form/skSkinForm.h"
#include "skin/form/skSkinFormHintStrings.h"
#include "skin/hints/skSkinHint.h"
#include "skin/menus/skMenusPopup.h"

namespace sk {

namespace {

TskObjectHintTexts StringTableHintTexts() {
  const TskObjectHintTexts english;
  TskObjectHintTexts t;
  t.close = fw::AnsiResourceString(SKS_CLOSEBUTTON_HINT, english.close);
  t.maximize = fw::AnsiResourceString(SKS_MAXBUTTON_HINT, english.maximize);
  t.minimize = fw::AnsiResourceString(SKS_MINBUTTON_HINT, english.minimize);
  t.sysMenu = fw::AnsiResourceString(SKS_MENUBUTTON_HINT, english.sysMenu);
  t.rollUp = fw::AnsiResourceString(SKS_ROLLUPBUTTON_HINT, english.rollUp);
  t.minimizeToTray = fw::AnsiResourceString(SKS_TRAYBUTTON_HINT, english.minimizeToTray);
  t.restore = fw::AnsiResourceString(SKS_RESTORE_HINT, english.restore);
  return t;
}

}  // namespace

// ---- animation ---------------------------------------------------------------

void TskSkinForm::AnimationTimerTick() {
  const auto tick = tracker_.AnimationTick();
  if (!tick.busy) animationTimer_->SetEnabled(false);
  for (int i : tick.drawNow) DrawObjectNow(i);
}

void TskSkinForm::ObjectsBuilt() {
  SetDefaultHints();
  for (size_t i = 0; i < objects_.size(); ++i) {
    const auto menu = objectMenus_.find(objects_[i].name);
    if (menu != objectMenus_.end()) tracker_.SetHasMenu(static_cast<int>(i), true);
  }
}

// ---- hints -------------------------------------------------------------------

void TskSkinForm::SetSkinHint(TskSkinHint* value) {
  if (skinHint_) RemoveFreeNotification(skinHint_);
  skinHint_ = value;
  if (value) FreeNotification(value);
}

void TskSkinForm::SetDefaultHints() {
  const TskObjectHintTexts texts =
      ObjectHintTextsOf(skinData_ ? skinData_->ResourceStrData() : nullptr, StringTableHintTexts());
  TskObjectHints hints =
      ObjectHintsOf(objects_, skinInUse_ ? skinData_ : nullptr, UseDefaultObjectHint && skinData_, texts);
  normalHints_ = std::move(hints.normal);
  restoreHints_ = std::move(hints.restore);
}

bool TskSkinForm::RestoreCondition(const TskCaptionObjectLayout& o) const {
  switch (o.command) {
    case cmMaximize: return SkinWindowState() == TskWindowState::Maximized;
    case cmMinimize: return SkinWindowState() == TskWindowState::Minimized;
    case cmRollUp: return RolledUp();
    default: return false;
  }
}

std::wstring TskSkinForm::ObjectHint(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= objects_.size() || normalHints_.size() != objects_.size()) return {};
  const TskObjectHints hints{normalHints_, restoreHints_};
  const TskCaptionObjectLayout& o = objects_[static_cast<size_t>(index)];
  return fw::AnsiToWide(HintOnEnter(o, hints, index, RestoreCondition(o)));
}

void TskSkinForm::ObjectHints(const TskObjectEffects& fx) {
  if (!ShowObjectHint || !skinHint_) return;
  for (const TskObjectEvent& e : fx.events) {
    if (e.kind == TskObjectEvent::Leave && !ObjectHint(e.index).empty()) skinHint_->HideHint();
    if (e.kind == TskObjectEvent::Enter) {
      const std::wstring hint = ObjectHint(e.index);
      if (!hint.empty()) skinHint_->ShowHintText(hint);
    }
  }
}

void TskSkinForm::HideObjectHint() {
  if (ShowObjectHint && skinHint_) skinHint_->HideHint();
}

// ---- button menus ------------------------------------------------------------

void TskSkinForm::SetObjectMenu(const std::string& idName, fw::TMenuItem* items, bool popupUpward) {
  const auto old = objectMenus_.find(idName);
  if (old != objectMenus_.end()) {
    fw::TMenuItem* previous = old->second.items;
    objectMenus_.erase(old);
    bool stillUsed = false;
    for (const auto& [name, menu] : objectMenus_) stillUsed = stillUsed || menu.items == previous;
    if (!stillUsed) RemoveFreeNotification(previous);
  }
  if (items) {
    objectMenus_[idName] = {items, popupUpward};
    FreeNotification(items);
  }
  for (size_t i = 0; i < objects_.size(); ++i) {
    if (objects_[i].name == idName) tracker_.SetHasMenu(static_cast<int>(i), items != nullptr);
  }
}

void TskSkinForm::ForgetObjectReference(fw::TComponent* component) {
  if (component == skinHint_) skinHint_ = nullptr;
  if (component == inactivePanel_) inactivePanel_ = nullptr;
  for (auto it = objectMenus_.begin(); it != objectMenus_.end();) {
    if (it->second.items != component) {
      ++it;
      continue;
    }
    for (size_t i = 0; i < objects_.size(); ++i) {
      if (objects_[i].name == it->first) tracker_.SetHasMenu(static_cast<int>(i), false);
    }
    it = objectMenus_.erase(it);
  }
}

void TskSkinForm::OpenButtonMenu(int index) {
  const TskCaptionObjectLayout& o = objects_.at(static_cast<size_t>(index));
  // The system-menu buttons open the system menu instead.
  if (o.command == cmSysMenu && (o.kind == TskObjectKind::StdButton || o.kind == TskObjectKind::Animate)) return;
  const auto menu = objectMenus_.find(o.name);
  HWND wnd = Wnd();
  if (menu == objectMenus_.end() || !wnd || menu->second.items->Count() == 0) {
    // Nothing to wait for: the press must not hold the button down.
    Apply(tracker_.MenuClosed());
    return;
  }
  HideObjectHint();
  RECT wr;
  GetWindowRect(wnd, &wr);
  const fw::TRect anchor{wr.left + o.rect.left, wr.top + o.rect.top, wr.left + o.rect.right, wr.top + o.rect.bottom};
  if (o.kind == TskObjectKind::Animate) tracker_.SetMenuOpen(index);
  fw::TMenuItem* items = menu->second.items;
  if (auto* popup = dynamic_cast<TskSkinPopupMenu*>(items->GetParentMenu()); popup && popup->Items() == items) {
    popup->PopupAt(anchor, menu->second.popupUpward);
  } else {
    ShowSkinMenuFor(items, anchor, menu->second.popupUpward);
  }
  // The object waits for its menu to close, not for one that never opened.
  // Our own menu state tells it when it leaves; another form's (an MDI
  // child's menus show through the main form) is asked to.
  TskSkinMenuOwner* host = MenuHost();
  if (!host || !host->SkinMenu().Visible()) {
    Apply(tracker_.MenuClosed());
  } else if (host != this) {
    WhenMenuCloses(host->SkinMenu());
  }
}

// The form's skinned menu shows the items; without one nothing shows.
void TskSkinForm::ShowSkinMenuFor(fw::TMenuItem* items, const fw::TRect& anchor, bool popupUp) {
  if (TskSkinMenuOwner* host = MenuHost()) host->ShowMenu(items, anchor, nullptr, popupUp, host->MenuSkin());
}

void TskSkinForm::WhenMenuCloses(TskSkinMenu& menu) {
  fw::TNotifyEvent previous = std::move(menu.OnMenuClose);
  menu.OnMenuClose = [this, previous = std::move(previous)](fw::TComponent* sender) {
    if (previous) previous(sender);
    Apply(tracker_.MenuClosed());
  };
}

}  // namespace sk
