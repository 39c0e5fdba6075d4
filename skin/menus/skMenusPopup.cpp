#include "skin/menus/skMenusPopup.h"

#include "skin/data/skSkinDataBroadcast.h"

namespace sk {

// ---- the form side of an open menu -----------------------------------------

TskSkinMenuHost::TskSkinMenuHost(fw::TComponent* owner)
    : fw::TComponent(owner), menu_(fw::TComponent::Create<TskSkinMenu>(this)), form_(dynamic_cast<fw::TForm*>(owner)) {
  menu_->SetForm(form_);
}

TskSkinMenuHost::~TskSkinMenuHost() {
  formHook_.Remove();
  loopHook_.Remove();
}

void TskSkinMenuHost::SetSkinData(TskSkinData* value) {
  if (skinData_ && skinData_ != menusSkinData_) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value) FreeNotification(value);
}

void TskSkinMenuHost::SetMenusSkinData(TskSkinData* value) {
  if (menusSkinData_ && menusSkinData_ != skinData_) RemoveFreeNotification(menusSkinData_);
  menusSkinData_ = value;
  if (value) FreeNotification(value);
}

void TskSkinMenuHost::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == menusSkinData_) menusSkinData_ = nullptr;
}

void TskSkinMenuHost::ShowMenu(fw::TMenuItem* items, const fw::TRect& anchor, fw::TControl* control, bool popupUp,
                               TskSkinData* skinData) {
  if (menu_->Visible()) CloseMenu();
  BeginMenu();
  menu_->PopupSkinMenu(control, skinData, popupUp, items, anchor, 0);
  if (!menu_->Visible()) EndMenu();
}

void TskSkinMenuHost::CloseMenu() {
  if (menu_->Visible()) menu_->CloseSkinMenu();
  EndMenu();
}

void TskSkinMenuHost::BeginMenu() {
  if (form_ && !formHook_.Installed()) {
    formHook_.Install(form_->Hooks(),
                      [this](fw::TMessage& m, const fw::WindowHookChain::Next& next) { FormMessage(m, next); });
  }
  if (!loopHook_.Installed()) {
    loopHook_.Install(fw::Application().MessageHooks(),
                      [this](MSG& msg, const fw::MessageHookChain::Next& next) { LoopMessage(msg, next); });
  }
  if (open_) return;
  open_ = true;
  if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TskSkinMenuHost::EndMenu() {
  formHook_.Remove();
  loopHook_.Remove();
  if (!open_) return;
  open_ = false;
  if (OnSkinMenuClose) OnSkinMenuClose(this);
}

void TskSkinMenuHost::FormMessage(fw::TMessage& m, const fw::WindowHookChain::Next& next) {
  switch (m.msg) {
    case SKINMSG_CLOSE_MENU: EndMenu(); break;
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      // The form's own message goes on whatever the menu does; the close
      // may run handlers that free this host, so nothing of it is used after.
      if (menu_->Visible()) menu_->CloseSkinMenu();
      break;
    default: break;
  }
  next(m);
}

void TskSkinMenuHost::LoopMessage(MSG& msg, const fw::MessageHookChain::Next& next) {
  if (!menu_->Visible()) {
    next(msg);
    return;
  }
  switch (msg.message) {
    case WM_KEYDOWN: {
      // The focused control never sees a key while a menu is open.
      const std::weak_ptr<bool> alive = alive_;
      menu_->KeyDown(static_cast<WORD>(msg.wParam));
      if (!alive.expired() && !menu_->Visible()) EndMenu();
      return;
    }
    case WM_MOUSEWHEEL: return;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      // A press anywhere but on the menu closes it (the press goes on).
      if (!menu_->OwnsWindow(msg.hwnd)) {
        const std::weak_ptr<bool> alive = alive_;
        menu_->CloseSkinMenu();
        if (!alive.expired()) EndMenu();
      }
      break;
    default: break;
  }
  next(msg);
}

// ---- popup menus -------------------------------------------------------------

TskSkinPopupMenu::TskSkinPopupMenu(fw::TComponent* owner) : fw::TPopupMenu(owner) {}

void TskSkinPopupMenu::SetSkinData(TskSkinData* value) {
  if (skinData_) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value) FreeNotification(value);
}

void TskSkinPopupMenu::SetForm(fw::TForm* form) {
  if (form_) RemoveFreeNotification(form_);
  form_ = form;
  if (form) FreeNotification(form);
}

void TskSkinPopupMenu::SetHost(TskSkinMenuHost* host) {
  if (host_) RemoveFreeNotification(host_);
  host_ = host;
  if (host) FreeNotification(host);
}

void TskSkinPopupMenu::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TPopupMenu::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == form_) form_ = nullptr;
  if (component == host_) host_ = nullptr;
}

TskSkinMenuHost* TskSkinPopupMenu::FindHost() const {
  if (host_) return host_;
  auto hostOn = [](fw::TComponent* c) -> TskSkinMenuHost* {
    auto* form = dynamic_cast<fw::TForm*>(c);
    if (!form) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i) {
      if (auto* host = dynamic_cast<TskSkinMenuHost*>(form->Components(i))) return host;
    }
    return nullptr;
  };
  fw::TComponent* owner = Owner();
  for (fw::TComponent* candidate : {static_cast<fw::TComponent*>(form_), owner, owner ? owner->Owner() : nullptr}) {
    if (TskSkinMenuHost* host = hostOn(candidate)) return host;
  }
  return nullptr;
}

void TskSkinPopupMenu::Show(const fw::TRect& anchor, bool popupUp, fw::TControl* control) {
  if (OnPopup) OnPopup(this);
  TskSkinMenuHost* host = FindHost();
  if (!host) return;
  // Once taken, the skin stays this menu's own.
  if (!skinData_) SetSkinData(host->MenuSkin());
  host->ShowMenu(Items(), anchor, control, popupUp, skinData_);
  if (OnMenuClose) host->SkinMenu().OnMenuClose = OnMenuClose;
}

void TskSkinPopupMenu::Popup(int x, int y) {
  lastPoint_ = {x, y};
  Show({x, y, x, y}, false, nullptr);
}

void TskSkinPopupMenu::PopupAt(const fw::TRect& anchor, bool popupUp, fw::TControl* control) {
  Show(anchor, popupUp, control);
}

}  // namespace sk
