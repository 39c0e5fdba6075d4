// Ownership and removal notification: owners free what they own, and
// references held elsewhere are cleared before they could dangle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Exceptions.h"

using namespace fw;

namespace {

std::vector<std::wstring>* gDestroyed = nullptr;

class Probe : public TComponent {
 public:
  explicit Probe(TComponent* owner) : TComponent(owner) {}
  ~Probe() override {
    if (gDestroyed) gDestroyed->push_back(Name());
  }
  // A non-owning reference, cleared when its target goes away.
  void SetLink(TComponent* target) {
    link = target;
    if (target) target->FreeNotification(this);
  }
  TComponent* link = nullptr;
  std::vector<std::wstring> removals;

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) {
      removals.push_back(component->Name());
      if (component == link) link = nullptr;
    }
  }
};

Probe* MakeProbe(TComponent* owner, const std::wstring& name) {
  Probe* p = TComponent::Create<Probe>(owner);
  p->SetName(name);
  return p;
}

}  // namespace

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
  std::vector<std::wstring> destroyed;
  gDestroyed = &destroyed;
  {
    Probe root(nullptr);
    root.SetName(L"root");
    MakeProbe(&root, L"a");
    Probe* b = MakeProbe(&root, L"b");
    MakeProbe(b, L"b1");
    MakeProbe(&root, L"c");
    EXPECT_EQ(root.ComponentCount(), 3);
    EXPECT_EQ(root.FindComponent(L"B"), b);
  }
  gDestroyed = nullptr;
  // Each destructor body runs before its owned components go.
  EXPECT_EQ(destroyed, (std::vector<std::wstring>{L"root", L"c", L"b", L"b1", L"a"}));
}

TEST(Component, FreeingOneComponentRemovesItFromItsOwnerAndTellsItsSiblings) {
  Probe root(nullptr);
  Probe* a = MakeProbe(&root, L"a");
  Probe* b = MakeProbe(&root, L"b");
  b->SetLink(a);
  TComponent::Free(a);
  EXPECT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(b->link, nullptr);
  EXPECT_EQ(root.FindComponent(L"a"), nullptr);
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners) {
  Probe ownerA(nullptr);
  Probe ownerB(nullptr);
  Probe* target = MakeProbe(&ownerA, L"target");
  Probe* watcher = MakeProbe(&ownerB, L"watcher");
  watcher->SetLink(target);
  TComponent::Free(target);
  EXPECT_EQ(watcher->link, nullptr);
  ASSERT_FALSE(watcher->removals.empty());
  EXPECT_EQ(watcher->removals.back(), L"target");
}

TEST(Component, AWatcherFreedFirstIsForgottenByItsTarget) {
  Probe owner(nullptr);
  Probe* target = MakeProbe(&owner, L"target");
  {
    Probe watcher(nullptr);
    watcher.SetLink(target);
  }
  // Would touch the freed watcher if it were still registered.
  TComponent::Free(target);
  SUCCEED();
}

TEST(Component, NamesAreUniqueWithinAnOwner) {
  Probe root(nullptr);
  MakeProbe(&root, L"same");
  Probe* other = TComponent::Create<Probe>(&root);
  EXPECT_THROW(other->SetName(L"SAME"), EInvalidOperation);
  other->SetName(L"different");
  EXPECT_EQ(root.FindComponent(L"different"), other);
}

TEST(Component, DesigningStateReachesOwnedComponents) {
  Probe root(nullptr);
  Probe* child = MakeProbe(&root, L"child");
  root.SetDesigning(true);
  EXPECT_TRUE(child->HasState(csDesigning));
  root.SetDesigning(false);
  EXPECT_FALSE(child->HasState(csDesigning));
}
