#include "skin/menus/skMenusPopup.h"

namespace sk {

namespace {

TskSkinMenuOwner* OwnerOn(fw::TComponent* component) {
  auto* form = dynamic_cast<fw::TForm*>(component);
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* owner = dynamic_cast<TskSkinMenuOwner*>(form->Components(i))) return owner;
  }
  return nullptr;
}

// An MDI child's menus go through the main form's owner, or nowhere.
TskSkinMenuOwner* ForMDI(fw::TForm* form, TskSkinMenuOwner* found) {
  if (!found || form->FormStyle() != fw::TFormStyle::fsMDIChild) return found;
  fw::TForm* main = fw::Application().MainForm();
  return main && main != form ? OwnerOn(main) : nullptr;
}

}  // namespace

TskSkinMenuOwner* MenuOwnerOf(fw::TForm* form) { return form ? ForMDI(form, OwnerOn(form)) : nullptr; }

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

void TskSkinPopupMenu::SetSkinForm(TskSkinMenuOwner* skinForm) {
  if (skinForm_) RemoveFreeNotification(skinForm_);
  skinForm_ = skinForm;
  if (skinForm) FreeNotification(skinForm);
}

void TskSkinPopupMenu::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TPopupMenu::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == form_) form_ = nullptr;
  if (component == skinForm_) skinForm_ = nullptr;
}

TskSkinMenuOwner* TskSkinPopupMenu::FindOwner() const {
  if (skinForm_) return skinForm_;
  fw::TComponent* owner = Owner();
  for (fw::TComponent* candidate : {static_cast<fw::TComponent*>(form_), owner, owner ? owner->Owner() : nullptr}) {
    if (TskSkinMenuOwner* found = OwnerOn(candidate)) return ForMDI(static_cast<fw::TForm*>(candidate), found);
  }
  return nullptr;
}

void TskSkinPopupMenu::Show(const fw::TRect& anchor, bool popupUp, fw::TControl* control) {
  if (OnPopup) OnPopup(this);
  TskSkinMenuOwner* owner = FindOwner();
  if (!owner) return;
  // Once taken, the skin stays this menu's own.
  if (!skinData_) SetSkinData(owner->MenuSkin());
  owner->ShowMenu(Items(), anchor, control, popupUp, skinData_);
  if (OnMenuClose) owner->SkinMenu().OnMenuClose = OnMenuClose;
}

void TskSkinPopupMenu::Popup(int x, int y) {
  lastPoint_ = {x, y};
  Show({x, y, x, y}, false, nullptr);
}

void TskSkinPopupMenu::PopupAt(const fw::TRect& anchor, bool popupUp, fw::TControl* control) {
  Show(anchor, popupUp, control);
}

}  // namespace sk
