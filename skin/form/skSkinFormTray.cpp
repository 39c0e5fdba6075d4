// Minimising to the tray and back. Without a tray icon there is no tray to
// go to: the window minimises as its minimise button would (the main form
// takes the application with it), so no tray command is ever dead. With
// one, the window hides only once the icon is really in the notification
// area, so it is never out of reach.
#include "framework/Forms.h"
#include "skin/form/skSkinForm.h"
#include "skin/menus/skMenusPopup.h"
#include "skin/tray/skTrayIcon.h"

namespace sk {

void TskSkinForm::SetTrayIcon(TskTrayIcon* value) {
  if (trayIcon_ == value) return;
  if (trayIcon_) trayIcon_->RemoveFreeNotification(this);
  trayIcon_ = value;
  if (!trayIcon_) return;
  trayIcon_->FreeNotification(this);
  if (!AlwaysShowInTray) trayIcon_->SetIconVisible(false);
  trayIcon_->MinimizeToTray = false;
  if (HasState(fw::csDesigning)) return;
  if (!trayIcon_->PopupMenu()) trayIcon_->SetPopupMenu(TrayMenu());
  if (!trayIcon_->OnDblClick) trayIcon_->OnDblClick = [this](fw::TComponent*) { RestoreFromTray(); };
}

void TskSkinForm::MinimizeToTray() {
  if (!trayIcon_) {
    SetSkinWindowState(TskWindowState::Minimized);
    return;
  }
  trayIcon_->MinimizeToTray = true;
  fw::Application().Minimize();
  // The icon's own hook may have taken the main form to the tray already;
  // otherwise the icon goes in here, and the form hides only if it did.
  if (!trayIcon_->IconShown()) trayIcon_->SetIconVisible(true);
  if (trayIcon_->IconShown()) trayIcon_->HideMainForm();
  if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TskSkinForm::RestoreFromTray() {
  if (!trayIcon_) {
    fw::Application().Restore();
    if (placement_.state == TskWindowState::Minimized) SetSkinWindowState(TskWindowState::Normal);
    return;
  }
  trayIcon_->MinimizeToTray = false;
  trayIcon_->ShowMainForm();
  fw::Application().Restore();
  if (!AlwaysShowInTray) trayIcon_->SetIconVisible(false);
  if (OnRestoreFromTray) OnRestoreFromTray(this);
}

}  // namespace sk
