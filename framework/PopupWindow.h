#pragma once
// Top-level popups that never take the focus: hint windows and menus. The
// window is topmost, owned by the application window, has no task bar
// button, is shown without activation and answers a click with
// MA_NOACTIVATE, so the form the user works in keeps the activation and the
// keyboard focus while a popup shows and is clicked.
#include <windows.h>

#include <string>

#include "framework/Controls.h"

namespace fw {

class TPopupWindow : public TCustomControl {
 public:
  // `className` names the popup's window class (registered on first use);
  // `dropShadow` gives that class CS_DROPSHADOW. A class name is registered
  // once, with the style of its first user.
  TPopupWindow(TComponent* owner, std::wstring className = L"QuilletPopup", bool dropShadow = false);

  const std::wstring& PopupClassName() const { return className_; }
  bool DropShadow() const { return dropShadow_; }

  // Shows the popup at `screenRect` in front of every window, without
  // activating it.
  void ShowAt(const TRect& screenRect);
  void SetVisible(bool visible) override;
  bool Showing() const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // The class style the popup's class is registered with.
  virtual UINT ClassStyle() const;

 private:
  void RegisterPopupClass() const;

  std::wstring className_;
  bool dropShadow_;
};

}  // namespace fw
