#include "framework/MenusWin.h"

#include <exception>

#include "framework/Forms.h"

namespace fw {
namespace {

TForm* FormOfWindow(HWND wnd) {
  TControl* control = TWinControl::FromHandle(wnd);
  if (!control) control = TWinControl::FromHandle(GetAncestor(wnd, GA_ROOT));
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TForm*>(control);
}

TShortCut HeldModifiers(const MSG& msg) {
  TShortCut shift = scNone;
  if (GetKeyState(VK_SHIFT) < 0) shift |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= scCtrl;
  // The system key message says itself whether Alt was down when it was made.
  const bool altInMessage = msg.message == WM_SYSKEYDOWN && (msg.lParam & (1 << 29)) != 0;
  if (altInMessage || GetKeyState(VK_MENU) < 0) shift |= scAlt;
  return shift;
}

}  // namespace

// --- Platform menus ------------------------------------------------------------------

HMENU BuildPlatformMenu(const TMenuItem& parent, bool bar) {
  HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
  UINT position = 0;
  for (int i = 0; i < parent.Count(); ++i) {
    const TMenuItem& item = *parent.Items(i);
    if (!item.Visible()) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    std::wstring text;
    if (item.IsLine()) {
      info.fMask = MIIM_FTYPE;
      info.fType = MFT_SEPARATOR;
    } else {
      text = item.Caption();
      if (!bar && item.ShortCut() != scNone) text += L'\t' + ShortCutToText(item.ShortCut());
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
      info.fType = item.RadioItem() ? MFT_RADIOCHECK : MFT_STRING;
      info.fState = (item.Checked() ? MFS_CHECKED : 0u) | (item.Enabled() ? 0u : MFS_DISABLED) |
                    (item.Default() ? MFS_DEFAULT : 0u);
      info.wID = item.Command();
      info.dwTypeData = text.data();
      if (item.Count() > 0) {
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = BuildPlatformMenu(item, false);
      }
    }
    InsertMenuItemW(menu, position++, TRUE, &info);
  }
  return menu;
}

// --- TPopupMenu -----------------------------------------------------------------------

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  if (PopupHandler && PopupHandler(*this, x, y)) return;
  HWND owner = nullptr;
  if (auto* form = dynamic_cast<TForm*>(Owner()); form && form->HandleAllocated()) owner = form->HandleIfAllocated();
  if (!owner) owner = GetActiveWindow();
  if (!owner) owner = Application().Handle();
  if (!owner) return;
  HMENU menu = BuildPlatformMenu(*Items(), false);
  UINT command = 0;
  if (GetMenuItemCount(menu) > 0) {
    command = static_cast<UINT>(
        TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, owner, nullptr));
  }
  DestroyMenu(menu);
  // The chosen item runs once the menu has gone; it may free this menu.
  if (TMenuItem* item = command ? FindItem(static_cast<uint16_t>(command)) : nullptr) item->Click();
}

// --- TMainMenu ------------------------------------------------------------------------

TMainMenu::~TMainMenu() {
  if (form_ && !form_->HasState(csDestroying)) form_->SetMenu(nullptr);
}

bool TMainMenu::CanApply() const {
  return form_ && form_->HandleAllocated() && !form_->HasState(csDestroying) && !HasState(csLoading) &&
         !HasState(csDestroying);
}

void TMainMenu::ApplyToWindow() {
  if (!CanApply()) return;
  HWND wnd = form_->HandleIfAllocated();
  HMENU bar = BuildPlatformMenu(*Items(), true);
  HMENU old = GetMenu(wnd);
  ::SetMenu(wnd, bar);
  if (old) DestroyMenu(old);
  DrawMenuBar(wnd);
}

void TMainMenu::Loaded() {
  TMenu::Loaded();
  ApplyToWindow();
}

void TMainMenu::MenuChanged(TMenuItem*, bool) { ApplyToWindow(); }

void TMainMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == TOperation::opRemove && component == form_) form_ = nullptr;
}

void TMainMenu::AttachTo(TForm* form) {
  if (form_ == form) return;
  if (form_ && !form_->HasState(csDestroying)) form_->SetMenu(nullptr);  // one bar, one form
  form_ = form;
  FreeNotification(form);
  ApplyToWindow();
}

void TMainMenu::DetachFrom(TForm* form) {
  if (form_ != form) return;
  form_ = nullptr;
  RemoveFreeNotification(form);
  if (HWND wnd = form->HandleIfAllocated()) {
    HMENU old = GetMenu(wnd);
    ::SetMenu(wnd, nullptr);
    if (old) DestroyMenu(old);
  }
}

// --- The form's side ------------------------------------------------------------------

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  TMainMenu* old = menu_;
  menu_ = nullptr;
  if (old) old->DetachFrom(this);
  menu_ = menu;
  if (menu) menu->AttachTo(this);
}

// --- Short cuts and commands ----------------------------------------------------------

bool DispatchShortCut(TForm& form, uint16_t key, TShortCut shift) {
  bool handled = false;
  if (form.OnShortCut) form.OnShortCut(&form, key, shift, handled);
  if (handled) return true;
  const TShortCut shortCut = ShortCut(key, shift);
  if (form.Menu() && form.Menu()->IsShortCut(shortCut)) return true;
  for (int i = 0; i < form.ComponentCount(); ++i) {
    if (auto* popup = dynamic_cast<TPopupMenu*>(form.Components(i)); popup && popup->IsShortCut(shortCut)) {
      return true;
    }
  }
  return false;
}

bool DispatchMenuMessage(const MSG& msg) {
  // Handlers run here outside any window procedure, so their errors are
  // reported here as a window procedure would.
  try {
    switch (msg.message) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN: {
        TForm* form = FormOfWindow(msg.hwnd);
        if (!form) form = Screen().ActiveForm();
        return form && DispatchShortCut(*form, static_cast<uint16_t>(msg.wParam), HeldModifiers(msg));
      }
      case WM_COMMAND: {
        // A menu bar posts its commands with no control and no notification code.
        if (msg.lParam != 0 || HIWORD(msg.wParam) != 0) return false;
        TForm* form = FormOfWindow(msg.hwnd);
        TMenuItem* item = form && form->Menu() ? form->Menu()->FindItem(LOWORD(msg.wParam)) : nullptr;
        if (!item) return false;
        item->Click();
        return true;
      }
      default: return false;
    }
  } catch (...) {
    Application().HandleException(std::current_exception());
    return true;
  }
}

}  // namespace fw
