#pragma once
// The notification-area icon: one icon with a tooltip, mouse actions on it
// turned into events, a skinned popup menu, an animation over the icons of
// an image list, and hiding the application to the tray when its main form
// is minimised. The icon's messages arrive at a hidden top-level window of
// its own (class TskTrayIconWindow); the application window and the owning
// form are followed through their hook chains.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Component.h"
#include "framework/Controls.h"
#include "framework/ExtCtrls.h"
#include "framework/Icons.h"
#include "framework/ImgList.h"
#include "framework/WindowHook.h"
#include "skin/tray/skTrayLogic.h"

namespace sk {

class TskSkinPopupMenu;

// The message the notification area sends for the icon's mouse actions.
constexpr UINT TrayCallbackMessage = 0x0800;
constexpr UINT TrayBalloonUserClick = 0x0405;  // NIN_BALLOONUSERCLICK

using TskCycleEvent = std::function<void(fw::TComponent* sender, int nextIndex)>;

class TskTrayIcon : public fw::TComponent {
 public:
  explicit TskTrayIcon(fw::TComponent* owner);
  ~TskTrayIcon() override;

  // The icon shown; a copy of the given one is kept.
  HICON Icon() const { return icon_.Handle(); }
  void SetIcon(HICON icon);
  // The icon is in the notification area as far as asked; IconShown says
  // whether the system really took it (the last add succeeded).
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool value);
  bool IconShown() const { return shown_; }

  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& value);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  // The tooltip the icon carries now.
  std::wstring Tip() const { return TrayTip(hint_, showHint_); }

  // Mouse actions are processed only while enabled.
  bool Enabled = true;
  bool PopupByLeftButton = false;
  bool MinimizedOnStart = false;
  // While set, minimising the main form hides it and shows the icon instead.
  bool MinimizeToTray = true;

  TskSkinPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TskSkinPopupMenu* value);

  fw::TImageList* IconList() const { return iconList_; }
  void SetIconList(fw::TImageList* value);
  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int value);
  bool CycleIcons() const { return cycleIcons_; }
  void SetCycleIcons(bool value);
  unsigned AnimateTimerInterval() const { return animateInterval_; }
  void SetAnimateTimerInterval(unsigned value);

  fw::TNotifyEvent OnClick, OnDblClick, OnBalloonHintClick;
  fw::TMouseEvent OnMouseDown, OnMouseUp;
  fw::TMouseMoveEvent OnMouseMove;
  TskCycleEvent OnCycle;

  // Restores the application, shows the main form and un-minimises it.
  void ShowMainForm();
  // Hides the main form (the application window stays hidden).
  void HideMainForm();

  // The hidden window the notification area talks to.
  HWND WindowHandle() const { return window_; }
  // The message the notification area broadcasts when it is created anew.
  static UINT TaskbarCreatedMessage();

  void Loaded() override;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  // Each reports whether Shell_NotifyIcon took the request.
  virtual bool AddIcon();
  virtual bool DeleteIcon();
  virtual bool ModifyIcon();
  // Minimising the main form while MinimizeToTray: the icon goes in first,
  // the form hides only when it did, so the window is never out of reach.
  virtual void DoMinimizeToTray();

 private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool Notify(DWORD action);
  void IconMessage(LPARAM mouseMessage);
  void Apply(const TskTrayClickEffects& fx);
  void PopupMenuAtCursor();
  void RunDefaultItem();
  void AnimateTick();
  void ClickTick();
  void ApplicationMessage(fw::TMessage& m, const fw::WindowHookChain::Next& next);
  void OwnerMessage(fw::TMessage& m, const fw::WindowHookChain::Next& next);
  fw::TWinControl* OwnerControl() const;

  HWND window_ = nullptr;
  fw::TIcon icon_;
  bool iconVisible_ = true;
  bool shown_ = false;
  std::wstring hint_;
  bool showHint_ = true;
  TskSkinPopupMenu* popupMenu_ = nullptr;
  fw::TImageList* iconList_ = nullptr;
  int iconIndex_ = 0;
  bool cycleIcons_ = false;
  unsigned animateInterval_ = 0;
  fw::TTimer* animateTimer_;
  fw::TTimer* clickTimer_;
  TskTrayClicks clicks_;
  bool checkMdi_ = true;
  fw::WindowHook applicationHook_;
  fw::WindowHook ownerHook_;
  // Cleared on destruction: a handler run from here may free the icon.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace sk
