// The frame controller pushes its settings to registered components.
#include <gtest/gtest.h>

#include "framework/Layout.h"
#include "status/FrFrameController.h"

using namespace fr;

namespace {

// A component that only has some of the controller's property names.
class Framed : public fw::TComponent {
 public:
  using TComponent::TComponent;
  void SetFrameStyle(TFrameStyle v) {
    style = v;
    ++writes;
  }
  void SetFrameSides(TSides v) { sides = v; }
  void SetFrameVisible(bool v) { visible = v; }
  void SetColor(int v) { color = v; }
  void SetParentColor(bool v) { parentColor = v; }
  TFrameStyle style = TFrameStyleEx::fsNone;
  TSides sides = 0;
  bool visible = false;
  int color = 0;
  bool parentColor = true;
  int writes = 0;
};

class Notified : public fw::TComponent, public TFrFrameNotification {
 public:
  using TComponent::TComponent;
  void FrameControllerUpdate(const TFrFrameController&, TFrFrameProperty what) override { told.push_back(what); }
  std::vector<TFrFrameProperty> told;
};

// Holds its controller as the panes and panels do: linked both ways, the
// link dropped when told of the controller's removal, and undone on its
// own destruction.
class Linked : public fw::TComponent {
 public:
  using TComponent::TComponent;
  ~Linked() override {
    heldAtDestruction = controller_;
    if (controller_) controller_->UnregisterControl(this);
  }
  void SetController(TFrFrameController* c) { RelinkFrameController(*this, controller_, c); }
  TFrFrameController* Controller() const { return controller_; }
  static inline TFrFrameController* heldAtDestruction = nullptr;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == fw::TOperation::opRemove && component == controller_) controller_ = nullptr;
  }

 private:
  TFrFrameController* controller_ = nullptr;
};

fw::ClassRegistry& Registry() {
  static fw::ClassRegistry registry;
  static bool done = false;
  if (!done) {
    done = true;
    registry.Register(L"TComponent", L"", nullptr);
    registry.Register<Framed>(L"TFramed", L"TComponent")
        .Enum<Framed, TFrameStyle>(L"FrameStyle", &Framed::SetFrameStyle, FrameStyleNames())
        .Set<Framed, TSides>(L"FrameSides", &Framed::SetFrameSides, SideNames())
        .Bool<Framed>(L"FrameVisible", &Framed::SetFrameVisible)
        .Int<Framed>(L"Color", &Framed::SetColor)
        .Bool<Framed>(L"ParentColor", &Framed::SetParentColor);
  }
  return registry;
}

}  // namespace

TEST(StatusController, RegistrationPushesEveryValueByName) {
  fw::TComponent root(nullptr);
  auto* controller = fw::TComponent::Create<TFrFrameController>(&root, Registry());
  auto* target = fw::TComponent::Create<Framed>(&root);
  controller->SetFrameSides(sdBottom);
  controller->SetFrameVisible(true);
  controller->RegisterControl(target);
  EXPECT_EQ(target->sides, sdBottom);
  EXPECT_TRUE(target->visible);
  EXPECT_EQ(target->style, TFrameStyleEx::fsFlat);
  EXPECT_EQ(target->color, fw::clWindow);  // ParentColor is off, so Color goes too
  EXPECT_FALSE(target->parentColor);

  controller->SetFrameStyle(TFrameStyleEx::fsRaised);
  EXPECT_EQ(target->style, TFrameStyleEx::fsRaised);
  const int writes = target->writes;
  controller->SetFrameStyle(TFrameStyleEx::fsRaised);  // no change, no push
  EXPECT_EQ(target->writes, writes);
}

TEST(StatusController, UpdatesWaitForTheLastEndUpdate) {
  fw::TComponent root(nullptr);
  auto* controller = fw::TComponent::Create<TFrFrameController>(&root, Registry());
  auto* target = fw::TComponent::Create<Framed>(&root);
  controller->RegisterControl(target);
  controller->BeginUpdate();
  controller->BeginUpdate();
  controller->SetFrameStyle(TFrameStyleEx::fsBump);
  controller->EndUpdate();
  EXPECT_EQ(target->style, TFrameStyleEx::fsFlat);
  controller->EndUpdate();
  EXPECT_EQ(target->style, TFrameStyleEx::fsBump);
}

TEST(StatusController, NotifiedControlsAndRemoval) {
  fw::TComponent root(nullptr);
  auto* controller = fw::TComponent::Create<TFrFrameController>(&root, Registry());
  auto* notified = fw::TComponent::Create<Notified>(&root);
  controller->RegisterControl(notified);
  controller->SetFrameColor(fw::clRed);
  ASSERT_EQ(notified->told.size(), 2u);
  EXPECT_EQ(notified->told[0], TFrFrameProperty::All);
  EXPECT_EQ(notified->told[1], TFrFrameProperty::FrameColor);
  fw::TComponent::Free(notified);
  EXPECT_EQ(controller->ControlCount(), 0);
  controller->SetFrameColor(fw::clBlack);  // nothing dangling to tell
}

// Owners free what they own last-created first, and while an owner is being
// destroyed it passes no removals on: the controller itself must tell its
// controls before it goes.
TEST(StatusController, ControlsDropAControllerFreedBeforeThem) {
  Linked::heldAtDestruction = reinterpret_cast<TFrFrameController*>(1);
  {
    fw::TComponent root(nullptr);
    auto* control = fw::TComponent::Create<Linked>(&root);
    auto* controller = fw::TComponent::Create<TFrFrameController>(&root, Registry());
    control->SetController(controller);
    EXPECT_EQ(controller->ControlCount(), 1);
  }  // the controller goes first, then the control
  EXPECT_EQ(Linked::heldAtDestruction, nullptr);

  // Freed on its own, and relinked: the controls follow.
  fw::TComponent root(nullptr);
  auto* control = fw::TComponent::Create<Linked>(&root);
  auto* first = fw::TComponent::Create<TFrFrameController>(&root, Registry());
  auto* second = fw::TComponent::Create<TFrFrameController>(&root, Registry());
  control->SetController(first);
  control->SetController(second);
  EXPECT_EQ(first->ControlCount(), 0);
  EXPECT_EQ(second->ControlCount(), 1);
  fw::TComponent::Free(second);
  EXPECT_EQ(control->Controller(), nullptr);
  fw::TComponent::Free(first);
}
