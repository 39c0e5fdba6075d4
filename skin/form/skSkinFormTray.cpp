// Minimising to the tray and back. Without a tray icon there is no tray to
// go to: the window minimises as its minimise button would (the main form
// takes the application with it), so no tray command is ever dead.
#include "framework/Forms.h"
#include "skin/form/skSkinForm.h"

namespace sk {

void TskSkinForm::MinimizeToTray() { SetSkinWindowState(TskWindowState::Minimized); }

void TskSkinForm::RestoreFromTray() {
  fw::Application().Restore();
  if (placement_.state == TskWindowState::Minimized) SetSkinWindowState(TskWindowState::Normal);
}

}  // namespace sk
