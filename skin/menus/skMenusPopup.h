#pragma once
// Popup menus shown as skinned menus, and the component that shows them for
// a form.
//
// TskSkinMenuOwner is what a form's skinned menus go through: it owns the
// form's TskSkinMenu and its menu-open state. While a menu it shows is
// open, it takes the keyboard from the message loop (every key press goes
// to the innermost menu window, never to the focused control; the mouse
// wheel is swallowed) and closes the menu when the form moves, sizes, loses
// the activation or is clicked. The skinned form is one.
//
// TskSkinPopupMenu is a popup menu that shows itself through the menu owner
// of its form instead of the platform's menu.
#include <windows.h>

#include "framework/Forms.h"
#include "framework/MenusWin.h"
#include "skin/menus/skMenus.h"

namespace sk {

class TskSkinMenuOwner : public fw::TComponent {
 public:
  using fw::TComponent::TComponent;

  virtual TskSkinMenu& SkinMenu() const = 0;
  // The skin menus take when none is asked for.
  virtual TskSkinData* MenuSkin() const = 0;
  // Closes an open menu, enters the menu-open state and shows the items of
  // `items` at `anchor` (screen coordinates); `control` asked for it.
  virtual void ShowMenu(fw::TMenuItem* items, const fw::TRect& anchor, fw::TControl* control, bool popupUp,
                        TskSkinData* skinData) = 0;
  // A menu of this owner is open.
  virtual bool MenuOpen() const = 0;
  virtual void CloseSkinMenu() = 0;
};

// The owner on `form`, or null. An MDI child's menus are shown by the main
// form's owner, so one menu at a time is open in the whole window.
TskSkinMenuOwner* MenuOwnerOf(fw::TForm* form);

class TskSkinPopupMenu : public fw::TPopupMenu {
 public:
  explicit TskSkinPopupMenu(fw::TComponent* owner);

  // Shows the items at a screen point; OnPopup fires first. Without a menu
  // owner for the form nothing shows.
  void Popup(int x, int y) override;
  // Below or above (popupUp) a rectangle of the screen; with the control
  // that asked, which hears when the menu closes and after its command ran.
  void PopupAt(const fw::TRect& anchor, bool popupUp, fw::TControl* control = nullptr);

  TskSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TskSkinData* value);
  // Choose the form, or the skinned form itself, whose menu shows this one
  // (else it is looked up on the owning forms).
  fw::TForm* Form() const { return form_; }
  void SetForm(fw::TForm* form);
  TskSkinMenuOwner* SkinForm() const { return skinForm_; }
  void SetSkinForm(TskSkinMenuOwner* skinForm);
  fw::TPoint LastPopupPoint() const { return lastPoint_; }

  fw::TNotifyEvent OnMenuClose;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  TskSkinMenuOwner* FindOwner() const;
  void Show(const fw::TRect& anchor, bool popupUp, fw::TControl* control);

  TskSkinData* skinData_ = nullptr;
  fw::TForm* form_ = nullptr;
  TskSkinMenuOwner* skinForm_ = nullptr;
  fw::TPoint lastPoint_{-1, -1};
};

}  // namespace sk
