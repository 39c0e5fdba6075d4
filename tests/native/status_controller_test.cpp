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
