#include "framework/Component.h"

#include <algorithm>
#include <cwctype>

#include "framework/Exceptions.h"
#include "framework/Layout.h"

namespace fw {

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  state_ |= csDestroying;
  NotifyRemoval();
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Free(TComponent* component) {
  if (!component) return;
  if (!component->HasState(csDestroying)) component->BeforeDestruction();
  delete component;
}

void TComponent::BeforeDestruction() { state_ |= csDestroying; }

void TComponent::DestroyComponents() {
  // Last created first, so later ones may still use the earlier ones while
  // they are destroyed. Each removes itself from the list as it goes.
  while (!components_.empty()) {
    TComponent* child = components_.back();
    Free(child);
  }
}

std::wstring TComponent::ClassName() const {
  const ClassInfo* info = ClassRegistry::Instance().FindFor(*this);
  return info ? info->Name() : L"TComponent";
}

void TComponent::NotifyRemoval() {
  // Everyone who asked hears of the removal, and forgets us as a listener.
  auto listeners = std::move(freeNotifies_);
  freeNotifies_.clear();
  for (TComponent* other : listeners) {
    auto& theirs = other->freeNotifies_;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
    other->Notification(this, TOperation::opRemove);
  }
}

void TComponent::SetName(const std::wstring& name) {
  if (name == name_) return;
  if (!name.empty() && owner_) {
    TComponent* clash = owner_->FindComponent(name);
    if (clash && clash != this) {
      throw EInvalidOperation(L"A component named " + name + L" already exists");
    }
  }
  name_ = name;
}

TComponent* TComponent::FindComponent(const std::wstring& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (c->name_.size() == name.size() && std::equal(name.begin(), name.end(), c->name_.begin(),
                                                     [](wchar_t a, wchar_t b) { return towlower(a) == towlower(b); })) {
      return c;
    }
  }
  return nullptr;
}

void TComponent::SetDesigning(bool designing) {
  if (designing) {
    state_ |= csDesigning;
  } else {
    state_ &= ~csDesigning;
  }
  for (TComponent* c : components_) c->SetDesigning(designing);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end()) {
    freeNotifies_.push_back(component);
  }
  auto& theirs = component->freeNotifies_;
  if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
  auto& theirs = component->freeNotifies_;
  theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::BeginLoading() { state_ |= csLoading | csReading; }

void TComponent::Loaded() { state_ &= ~(csLoading | csReading); }

void TComponent::Notification(TComponent* component, TOperation operation) {
  // An owner passes every removal on to what it owns, so siblings can drop
  // their references to each other.
  if (operation != TOperation::opRemove || HasState(csDestroying)) return;
  for (TComponent* c : components_) {
    if (c != component) c->Notification(component, operation);
  }
}

void TComponent::InsertComponent(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
  component->owner_ = nullptr;
  Notification(component, TOperation::opRemove);
}

}  // namespace fw
