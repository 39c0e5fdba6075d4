#pragma once
// Menus shown by the platform: a popup menu (the plain look; a skin engine
// may show its own instead) and a form's menu bar; and the short-cut keys
// the message loop hands to the active form and its menus.
#include <windows.h>

#include <functional>

#include "framework/Menus.h"

namespace fw {

class TForm;

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}

  // Shows the menu at a screen point and runs the chosen item once the menu
  // has gone. OnPopup fires first; then PopupHandler, when set, may show
  // the menu its own way and return true; otherwise the platform's menu
  // shows, owned by the form that owns this menu (else the active window).
  virtual void Popup(int x, int y);
  // Off: the menu shows only when called, never on its own (a right click,
  // a tray icon's button).
  bool AutoPopup = true;
  // Who popped the menu up last, for the items' handlers. Not owned.
  TComponent* PopupComponent = nullptr;
  TNotifyEvent OnPopup;
  std::function<bool(TPopupMenu& menu, int x, int y)> PopupHandler;
};

// The menu bar of the form whose Menu it is, rebuilt whenever an item
// changes. The form's window owns the bar's handle and frees it with itself.
class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override;

  TForm* Form() const { return form_; }
  // Puts the bar on the form's window, replacing the one there.
  void ApplyToWindow();
  void Loaded() override;

 protected:
  void MenuChanged(TMenuItem* source, bool structure) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TForm;
  void AttachTo(TForm* form);
  void DetachFrom(TForm* form);
  bool CanApply() const;

  TForm* form_ = nullptr;
};

// The platform menu of an item's visible sub-items: a popup menu, or a bar.
// Items are named by their command numbers; the short cut's text follows a
// tab in popups. The caller destroys the handle (or gives it to a window).
HMENU BuildPlatformMenu(const TMenuItem& parent, bool bar);

// A key press that may be a short cut: the form's OnShortCut first, then its
// menu bar, then the popup menus it owns, in their order; the first
// enabled, visible item with that short cut runs. True when taken.
bool DispatchShortCut(TForm& form, uint16_t key, TShortCut shift);

// Called by the message loop for every message before it is translated:
// short-cut keys for the form the key is meant for (or the active form),
// and the commands the platform's menu bars post. True when taken.
bool DispatchMenuMessage(const MSG& msg);

}  // namespace fw
