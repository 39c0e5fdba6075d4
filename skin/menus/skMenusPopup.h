#pragma once
// Popup menus shown as skinned menus, and the form side of an open menu.
//
// TskSkinMenuHost sits on a form and owns the form's TskSkinMenu. While a
// menu it shows is open, it takes the keyboard from the message loop (every
// key press goes to the innermost menu window, never to the focused
// control; the mouse wheel is swallowed) and closes the menu when the form
// moves, sizes, loses the activation or is clicked. A skinned form component
// plays the same part where there is one.
//
// TskSkinPopupMenu is a popup menu that shows itself through the host of
// its form instead of the platform's menu.
#include <windows.h>

#include <memory>

#include "framework/Forms.h"
#include "framework/MenusWin.h"
#include "skin/menus/skMenus.h"

namespace sk {

class TskSkinMenuHost : public fw::TComponent {
 public:
  explicit TskSkinMenuHost(fw::TComponent* owner);
  ~TskSkinMenuHost() override;

  TskSkinMenu& SkinMenu() const { return *menu_; }
  fw::TForm* Form() const { return form_; }
  // Menus use MenusSkinData, or SkinData without one. Not owned.
  TskSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TskSkinData* value);
  TskSkinData* MenusSkinData() const { return menusSkinData_; }
  void SetMenusSkinData(TskSkinData* value);
  TskSkinData* MenuSkin() const { return menusSkinData_ ? menusSkinData_ : skinData_; }

  // Closes an open menu, enters the menu-open state and shows the items
  // of `items` at `anchor` (screen coordinates).
  void ShowMenu(fw::TMenuItem* items, const fw::TRect& anchor, fw::TControl* control, bool popupUp,
                TskSkinData* skinData);
  // A menu of this form is open.
  bool MenuOpen() const { return open_; }
  void CloseMenu();

  fw::TNotifyEvent OnSkinMenuOpen;
  fw::TNotifyEvent OnSkinMenuClose;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  void BeginMenu();
  void EndMenu();
  void FormMessage(fw::TMessage& message, const fw::WindowHookChain::Next& next);
  void LoopMessage(MSG& msg, const fw::MessageHookChain::Next& next);

  TskSkinMenu* menu_;
  fw::TForm* form_;
  TskSkinData* skinData_ = nullptr;
  TskSkinData* menusSkinData_ = nullptr;
  bool open_ = false;
  fw::WindowHook formHook_;
  fw::MessageHook loopHook_;
  // Cleared on destruction: a key's command may free the form and this host.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

class TskSkinPopupMenu : public fw::TPopupMenu {
 public:
  explicit TskSkinPopupMenu(fw::TComponent* owner);

  // Shows the items at a screen point; OnPopup fires first. Without a host
  // on the form nothing shows.
  void Popup(int x, int y) override;
  // Below or above (popupUp) a rectangle of the screen; with the control
  // that asked, which hears when the menu closes and after its command ran.
  void PopupAt(const fw::TRect& anchor, bool popupUp, fw::TControl* control = nullptr);

  TskSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TskSkinData* value);
  // Choose the host whose menu shows this one (else it is looked up on
  // the owning forms).
  fw::TForm* Form() const { return form_; }
  void SetForm(fw::TForm* form);
  TskSkinMenuHost* Host() const { return host_; }
  void SetHost(TskSkinMenuHost* host);
  fw::TPoint LastPopupPoint() const { return lastPoint_; }

  fw::TNotifyEvent OnMenuClose;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  TskSkinMenuHost* FindHost() const;
  void Show(const fw::TRect& anchor, bool popupUp, fw::TControl* control);

  TskSkinData* skinData_ = nullptr;
  fw::TForm* form_ = nullptr;
  TskSkinMenuHost* host_ = nullptr;
  fw::TPoint lastPoint_{-1, -1};
};

}  // namespace sk
