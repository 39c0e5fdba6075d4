#include "framework/ActnList.h"

#include <algorithm>

namespace fw {

TAction::~TAction() {
  // The items stay, unlinked, with the properties they last took.
  for (TMenuItem* item : clients_) item->action_ = nullptr;
  clients_.clear();
}

void TAction::Changed() {
  // A copy: an item that takes the change may unlink itself.
  const std::vector<TMenuItem*> clients = clients_;
  for (TMenuItem* item : clients) {
    if (std::find(clients_.begin(), clients_.end(), item) != clients_.end()) item->ActionChanged();
  }
}

bool TAction::Execute() {
  // A copy: the handler may free the action, and with it the handler.
  const TNotifyEvent onExecute = OnExecute;
  if (!onExecute) return false;
  onExecute(this);
  return true;
}

bool TAction::Update() {
  const TNotifyEvent onUpdate = OnUpdate;
  if (!onUpdate) return false;
  onUpdate(this);
  return true;
}

}  // namespace fw
