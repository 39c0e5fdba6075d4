#include "skin/menus/skMenus.h"

#include "framework/ActnList.h"
#include "framework/CodePage.h"
#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "framework/MessageWindow.h"
#include "skin/data/skSkinDataBroadcast.h"
#include "skin/layers/skLayers.h"
#include "skin/pixels/skUtilsProbes.h"
#include "skin/pixels/skUtilsRegion.h"

using fw::TRect;

namespace sk {

// ---- closed popups wait here until none of their handlers runs ----------

namespace {

class TskPopupGraveyard : public fw::TComponent {
 public:
  using fw::TComponent::TComponent;
  ~TskPopupGraveyard() override {
    fw::MessageWindow::Instance().StopTimer(timer_);
    instance_ = nullptr;
  }

  static TskPopupGraveyard& Instance() {
    // Owned by the application, so it goes before the windows' classes do.
    if (!instance_) instance_ = fw::TComponent::Create<TskPopupGraveyard>(&fw::Application());
    return *instance_;
  }

  void Bury(std::unique_ptr<TskMenuPopupWindow> window) {
    windows_.push_back(std::move(window));
    if (!timer_) timer_ = fw::MessageWindow::Instance().NewTimerId();
    fw::MessageWindow::Instance().StartTimer(timer_, 0, [this] { Reap(); });
  }

  void Reap() {
    // A window whose handler still runs (a command showing a message box
    // from its click) waits for the next round.
    std::vector<std::unique_ptr<TskMenuPopupWindow>> busy;
    std::vector<std::unique_ptr<TskMenuPopupWindow>> done;
    done.swap(windows_);
    for (auto& w : done) {
      if (w->Busy()) busy.push_back(std::move(w));
    }
    done.clear();
    for (auto& w : busy) windows_.push_back(std::move(w));
    if (windows_.empty()) fw::MessageWindow::Instance().StopTimer(timer_);
  }

 private:
  static inline TskPopupGraveyard* instance_ = nullptr;
  std::vector<std::unique_ptr<TskMenuPopupWindow>> windows_;
  UINT_PTR timer_ = 0;
};

}  // namespace

void BuryPopup(std::unique_ptr<TskMenuPopupWindow> window) {
  if (window) TskPopupGraveyard::Instance().Bury(std::move(window));
}

void ReapPopups() { TskPopupGraveyard::Instance().Reap(); }

TskMenuPopupWindow::TskMenuPopupWindow(const wchar_t* className)
    : fw::TPopupWindow(nullptr, className, IsWindowsXPOrLater()) {}

UINT TskMenuPopupWindow::ClassStyle() const { return fw::TPopupWindow::ClassStyle() | CS_DBLCLKS; }

void TskMenuPopupWindow::CreateParams(fw::TCreateParams& p) {
  fw::TPopupWindow::CreateParams(p);
  p.style = WS_POPUP;
  p.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void TskMenuPopupWindow::ApplyMaskRegion(const TskDataSkinPopupWindow& record, const fw::TBitmap& mask,
                                         const TskCornerModel& geometry) {
  fw::GdiObject<HRGN> region =
      CreateSkinRegion(PopupCornerModel(record), record.ItemsRect, mask, Height(), Width(), geometry);
  // The system owns the region from here on.
  if (region) SetWindowRgn(Handle(), region.Release(), TRUE);
}

bool TskMenuPopupWindow::ShowPopup(fw::TPoint at, bool alphaBlend, int alpha, bool fade) {
  HWND wnd = Handle();
  const bool layered = alphaBlend && HasUpdateLayeredWindow();
  if (layered) {
    SetWindowLongW(wnd, GWL_EXSTYLE, GetWindowLongW(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetWindowAlpha(wnd, fade ? 0 : alpha);
  }
  fw::TControl::SetVisible(true);
  SetWindowPos(wnd, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  return layered && fade;
}

void TskMenuPopupWindow::FadeIn(int alpha) {
  HWND wnd = Handle();
  UpdateWindow(wnd);
  FadeInWindowAlpha(wnd, alpha);
}

void TskMenuPopupWindow::WndProc(fw::TMessage& m) {
  BusyScope busy(*this);
  if (m.msg == WM_MOUSEACTIVATE) {
    m.result = MA_NOACTIVATE;
    return;
  }
  if (closed_) {
    fw::TPopupWindow::WndProc(m);
    return;
  }
  HandleMessage(m);
}

void TskMenuPopupWindow::Close() {
  closed_ = true;
  if (HandleAllocated()) {
    SetWindowPos(HandleIfAllocated(), nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
  }
  fw::TControl::SetVisible(false);
}

// ---- the skin's popup look ---------------------------------------------------

TskCornerModel PopupCornerModel(const TskDataSkinPopupWindow& r) {
  return {r.LeftTopPoint, r.RightTopPoint, r.LeftBottomPoint, r.RightBottomPoint, r.ItemsRect};
}

void DrawPopupBackground(const TskDataSkinPopupWindow& record, const fw::TBitmap& picture, bool withItems, int width,
                         int height, const TskCornerModel& geometry, fw::TBitmap& target) {
  const TskStretchFlags stretch{record.LeftStretch, record.TopStretch, record.RightStretch, record.BottomStretch};
  CreateSkinImage(PopupCornerModel(record), {0, 0, picture.Width(), picture.Height()}, picture, stretch, withItems,
                  record.StretchEffect, record.StretchType, width, height, geometry, target);
}

const TskDataSkinMenuItem* MenuItemLook(const TskSkinData& data) {
  const auto* look = data.FindSkinObject<TskDataSkinMenuItem>("menuitem");
  return look ? look : data.FindSkinObject<TskDataSkinMenuItem>("MENUITEM");
}

// ---- fonts and text -------------------------------------------------------

void AssignSkinFont(fw::TFont& font, bool useSkinFont, const std::string& name, int height, fw::TFontStyles style,
                    const fw::TFont& defaultFont, const TskSkinData* skinData) {
  fw::TFontInfo info = defaultFont.Info();
  if (useSkinFont) {
    info.name = fw::AnsiToWide(name);
    info.height = height;
    info.style = style;
  }
  if (skinData && skinData->ResourceStrData()) info.charset = skinData->ResourceStrData()->CharSet();
  font.Assign(info);
}

// ---- items ----------------------------------------------------------------

TskSkinMenuItem::TskSkinMenuItem(TskSkinPopupWindow& owner, fw::TMenuItem* item, const TskDataSkinMenuItem* record,
                                 const fw::TBitmap* picture)
    : owner_(owner), item_(item), record_(record), picture_(picture) {
  if (record_ && picture_) {
    skinRect_ = record_->SkinRect;
    activeSkinRect_ = record_->ActiveSkinRect;
  }
}

bool TskSkinMenuItem::Animated() const {
  return record_ && picture_ && !record_->AnimateSkinRect.IsEmpty() && record_->FrameCount > 0 && owner_.skinData_ &&
         owner_.skinData_->EnableSkinEffects();
}

bool TskSkinMenuItem::Morphing() const {
  return record_ && picture_ && record_->Morphing && owner_.skinData_ && owner_.skinData_->EnableSkinEffects();
}

// ---- the menu -------------------------------------------------------------

TskSkinMenu::TskSkinMenu(fw::TComponent* owner) : fw::TComponent(owner) {
  fw::TFontInfo info;
  info.name = L"Arial";
  info.height = 14;
  defaultItemFont_.Assign(info);
  SetForm(dynamic_cast<fw::TWinControl*>(owner));
}

TskSkinMenu::~TskSkinMenu() {
  *alive_ = false;
  fw::MessageWindow::Instance().StopTimer(waitTimer_);
  waitItem_ = nullptr;
  OnMenuClose = nullptr;
  // Closed, not announced: whoever hears it may be going too.
  for (auto it = popups_.rbegin(); it != popups_.rend(); ++it) {
    (*it)->Close();
    BuryPopup(std::move(*it));
  }
  popups_.clear();
}

void TskSkinMenu::SetForm(fw::TWinControl* form) {
  if (form_) RemoveFreeNotification(form_);
  form_ = form;
  if (form_) FreeNotification(form_);
}

void TskSkinMenu::SetReference(fw::TControl*& field, fw::TControl* value) {
  if (field && field != popupControl_ && field != doneControl_ && field != form_) RemoveFreeNotification(field);
  field = value;
  if (value) FreeNotification(value);
}

void TskSkinMenu::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == form_) form_ = nullptr;
  if (component == popupControl_) popupControl_ = nullptr;
  if (component == doneControl_) doneControl_ = nullptr;
  if (component == skinData_) {
    // The records the windows draw from go with it.
    skinData_ = nullptr;
    if (visible_) CloseSkinMenuFrom(0);
    return;
  }
  // An item of an open level freed under the menu: nothing may point at it.
  for (const auto& window : popups_) {
    for (int i = 0; i < window->ItemCount(); ++i) {
      if (window->Item(i).MenuItem() == component) {
        CloseSkinMenu();
        return;
      }
    }
  }
}

void TskSkinMenu::WatchItems(const TskSkinPopupWindow& window, bool watch) {
  for (int i = 0; i < window.ItemCount(); ++i) {
    fw::TMenuItem* item = window.Item(i).MenuItem();
    if (watch) {
      FreeNotification(item);
    } else {
      RemoveFreeNotification(item);
    }
  }
}

void TskSkinMenu::PopupSkinMenu(fw::TControl* control, TskSkinData* skinData, bool popupUp, fw::TMenuItem* items,
                                const TRect& anchor, int firstIndex) {
  Popup(control, skinData, popupUp, {{items, firstIndex}}, anchor, items ? items->Count() : 0, firstIndex);
}

void TskSkinMenu::PopupSkinMenu(fw::TControl* control, TskSkinData* skinData, bool popupUp, fw::TMenuItem* items,
                                fw::TMenuItem* items2, const TRect& anchor, int firstIndex) {
  const int count1 = items ? items->Count() : 0;
  const int count2 = items2 ? items2->Count() : 0;
  Popup(control, skinData, popupUp, {{items, firstIndex}, {items2, std::max(0, firstIndex - count1)}}, anchor,
        count1 + count2, firstIndex);
}

void TskSkinMenu::Popup(fw::TControl* control, TskSkinData* skinData, bool popupUp,
                        const std::vector<TskSkinPopupWindow::Source>& sources, const TRect& anchor, int count,
                        int firstIndex) {
  first_ = !visible_;
  CloseSkinMenuFrom(0);
  SetReference(popupControl_, control);
  if (skinData_ && skinData_ != skinData) RemoveFreeNotification(skinData_);
  skinData_ = skinData;
  if (skinData_) FreeNotification(skinData_);
  HWND formWnd = form_ && form_->HandleAllocated() ? form_->HandleIfAllocated() : nullptr;
  if (formWnd) {
    GetMonitorWorkArea(formWnd, true, workArea_);
  } else {
    workArea_ = fw::Screen().WorkAreaRect();
  }
  if (count > 0 && firstIndex < count) {
    visible_ = true;
    ++generation_;
    OpenWindow(sources, anchor, popupUp, false);
  }
  first_ = false;
}

bool TskSkinMenu::OpenWindow(const std::vector<TskSkinPopupWindow::Source>& sources, const TRect& anchor, bool popupUp,
                             bool submenu) {
  const bool firstWindow = first_ && popups_.empty();
  if (firstWindow && alphaBlend_ && alphaBlendAnimation_ && HasUpdateLayeredWindow() && !pumping_) {
    // The fade runs without yielding, so what is pending goes first. The
    // pump may close, reopen or free the menu: then this opening is over.
    const std::weak_ptr<bool> alive = alive_;
    const unsigned generation = generation_;
    pumping_ = true;
    fw::Application().ProcessMessages();
    if (alive.expired()) return false;
    pumping_ = false;
    if (generation != generation_ || !visible_) return false;
  }
  const bool skinned = skinData_ && !skinData_->Empty() && skinData_->PopupWindow().WindowPictureIndex != -1 &&
                       skinData_->ActivePicture(skinData_->PopupWindow().WindowPictureIndex);
  popups_.push_back(std::make_unique<TskSkinPopupWindow>(*this, skinned));
  TskSkinPopupWindow& window = *popups_.back();
  window.Open(sources, anchor, popupUp, submenu, firstWindow);
  WatchItems(window, true);
  return true;
}

void TskSkinMenu::OpenSubmenu(TskSkinPopupWindow& window, int index) {
  TskSkinMenuItem& item = window.Item(index);
  POINT topLeft{item.rect.left, item.rect.top};
  ::ClientToScreen(window.Handle(), &topLeft);
  const TRect r = fw::Bounds(topLeft.x, topLeft.y, item.rect.Width(), item.rect.Height());
  CloseSkinMenuFrom(IndexOf(&window) + 1);
  OpenWindow({{item.MenuItem(), 0}}, r, false, true);
}

int TskSkinMenu::IndexOf(const TskSkinPopupWindow* window) const {
  for (size_t i = 0; i < popups_.size(); ++i) {
    if (popups_[i].get() == window) return static_cast<int>(i);
  }
  return -1;
}

bool TskSkinMenu::OwnsWindow(HWND wnd) const {
  for (const auto& w : popups_) {
    if (w->HandleAllocated() && w->HandleIfAllocated() == wnd) return true;
  }
  return false;
}

void TskSkinMenu::CloseSkinMenuFrom(int k) {
  k = std::max(k, 0);
  while (static_cast<int>(popups_.size()) > k) {
    std::unique_ptr<TskSkinPopupWindow> window = std::move(popups_.back());
    popups_.pop_back();
    // The submenu delay must not fire on an item of a level that is gone.
    if (waitItem_ && &waitItem_->Owner() == window.get()) StopWait();
    WatchItems(*window, false);
    window->Close();
    BuryPopup(std::move(window));
  }
  if (k > 0) return;
  visible_ = false;
  ++generation_;
  StopWait();
  SetReference(doneControl_, popupControl_);
  fw::TControl* control = popupControl_;
  popupControl_ = nullptr;
  const std::weak_ptr<bool> alive = alive_;
  if (control) {
    auto* windowed = dynamic_cast<fw::TWinControl*>(control);
    if (windowed && windowed->HandleAllocated()) {
      SendMessageW(windowed->HandleIfAllocated(), SKINMSG_CLOSE_MENU, 0, 0);
    } else if (!windowed) {
      control->Perform(SKINMSG_CLOSE_MENU);
    }
    if (alive.expired()) return;
  }
  if (OnMenuClose) {
    fw::TNotifyEvent onClose = std::move(OnMenuClose);
    OnMenuClose = nullptr;
    onClose(this);
  }
}

void TskSkinMenu::CloseSkinMenu() {
  const std::weak_ptr<bool> alive = alive_;
  CloseSkinMenuFrom(0);
  if (alive.expired()) return;
  StopWait();
  if (form_ && form_->HandleAllocated()) SendMessageW(form_->HandleIfAllocated(), SKINMSG_CLOSE_MENU, 0, 0);
}

void TskSkinMenu::KeyDown(WORD key) {
  TskSkinPopupWindow* window = Innermost();
  if (window && window->Showing()) window->KeyDown(key);
}

namespace {

// Forgets the item when it is freed while its command is on the way.
class TskItemWatch : public fw::TComponent {
 public:
  explicit TskItemWatch(fw::TMenuItem* item) : fw::TComponent(nullptr), item_(item) { FreeNotification(item); }
  fw::TMenuItem* Item() const { return item_; }

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override {
    fw::TComponent::Notification(component, operation);
    if (operation == fw::TOperation::opRemove && component == item_) item_ = nullptr;
  }

 private:
  fw::TMenuItem* item_;
};

}  // namespace

void RunItem(fw::TMenuItem& item) {
  if (!item.Enabled()) return;
  // A copy: the handler may free the item, and with it the handler itself.
  if (const fw::TNotifyEvent onClick = item.OnClick) {
    onClick(&item);
  } else if (fw::TAction* action = item.Action()) {
    action->Execute();
  }
}

void TskSkinMenu::RunCommand(fw::TMenuItem* item) {
  const std::weak_ptr<bool> alive = alive_;
  TskItemWatch watch(item);
  StopWait();
  // The windows hide now and are freed once their handlers have returned,
  // so the command runs with the menu gone and may free anything.
  CloseSkinMenu();
  if (fw::TMenuItem* target = watch.Item()) RunItem(*target);
  if (alive.expired()) return;
  if (fw::TControl* done = doneControl_) {
    SetReference(doneControl_, nullptr);
    auto* windowed = dynamic_cast<fw::TWinControl*>(done);
    if (windowed && windowed->HandleAllocated()) {
      SendMessageW(windowed->HandleIfAllocated(), SKINMSG_MENU_COMMAND, 0, 0);
    } else if (!windowed) {
      done->Perform(SKINMSG_MENU_COMMAND);
    }
  }
}

void TskSkinMenu::StartWait(TskSkinMenuItem* item) {
  waitItem_ = item;
  if (!waitTimer_) waitTimer_ = fw::MessageWindow::Instance().NewTimerId();
  fw::MessageWindow::Instance().StartTimer(waitTimer_, 500, [this] { WaitExpired(); });
}

void TskSkinMenu::StopWait() {
  if (waitTimer_) fw::MessageWindow::Instance().StopTimer(waitTimer_);
  waitItem_ = nullptr;
}

void TskSkinMenu::WaitExpired() {
  TskSkinMenuItem* item = waitItem_;
  StopWait();
  if (!item) return;
  TskSkinPopupWindow& window = item->Owner();
  for (int i = 0; i < window.ItemCount(); ++i) {
    if (&window.Item(i) == item) {
      window.Click(i);
      return;
    }
  }
}

}  // namespace sk
