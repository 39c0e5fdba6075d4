// Hook chains in front of a handler, class names from the class registry,
// checked casts, owned components seeing their owner while it goes, and the
// containment rule of rectangles.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/HookChain.h"
#include "framework/Layout.h"

using namespace fw;

namespace {

struct Msg {
  int value = 0;
  std::string trail;
};
using Chain = HookChain<Msg>;

// A hook that notes its name and passes the message on.
Chain::Hook Passing(Chain& chain, char name) {
  return Chain::Hook(chain, [name](Msg& m, const Chain::Next& next) {
    m.trail += name;
    next(m);
  });
}

std::string Through(Chain& chain) {
  Msg m;
  chain.Dispatch(m, [](Msg& x) { x.trail += '.'; });
  return m.trail;
}

}  // namespace

TEST(HookChain, NewestHookRunsFirstAndAHookThatDoesNotPassOnHandlesTheMessage) {
  Chain chain;
  EXPECT_EQ(Through(chain), ".");
  Chain::Hook a = Passing(chain, 'a');
  Chain::Hook b = Passing(chain, 'b');
  EXPECT_EQ(Through(chain), "ba.");
  Chain::Hook swallow(chain, [](Msg& m, const Chain::Next&) { m.trail += 's'; });
  EXPECT_EQ(Through(chain), "s");
  EXPECT_TRUE(swallow.Installed());
  swallow.Remove();
  EXPECT_FALSE(swallow.Installed());
  EXPECT_EQ(Through(chain), "ba.");
}

TEST(HookChain, ThreeHooksLeaveInEveryOrderAndTheRestKeepTheirPlaces) {
  std::vector<int> order = {0, 1, 2};
  do {
    Chain chain;
    std::vector<std::unique_ptr<Chain::Hook>> hooks;
    for (char name : {'a', 'b', 'c'}) hooks.push_back(std::make_unique<Chain::Hook>(Passing(chain, name)));
    std::string expected = "cba";
    for (int i : order) {
      hooks[static_cast<size_t>(i)].reset();
      expected.erase(expected.find(static_cast<char>('a' + i)), 1);
      EXPECT_EQ(Through(chain), expected + ".");
    }
    EXPECT_TRUE(chain.Empty());
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(HookChain, HooksMayLeaveOrJoinWhileAMessageRunsThroughTheChain) {
  Chain chain;
  Chain::Hook a = Passing(chain, 'a');
  Chain::Hook late;
  Chain::Hook self;
  // Removes itself and the older hook 'a' before passing on, and adds one.
  self.Install(chain, [&](Msg& m, const Chain::Next& next) {
    m.trail += 's';
    self.Remove();
    a.Remove();
    late = Passing(chain, 'l');
    next(m);
  });
  EXPECT_EQ(Through(chain), "s.") << "a removed hook is skipped at once";
  EXPECT_EQ(Through(chain), "l.") << "a hook added meanwhile sees the next message";
  EXPECT_EQ(chain.Count(), 1u);
}

TEST(HookChain, AHookOutlivingItsChainLeavesQuietly) {
  Chain::Hook survivor;
  {
    Chain chain;
    survivor = Passing(chain, 'x');
    EXPECT_TRUE(survivor.Installed());
  }
  EXPECT_FALSE(survivor.Installed());
  survivor.Remove();
}

TEST(HookChain, AMovedHookIsStillOneEntry) {
  Chain chain;
  Chain::Hook first = Passing(chain, 'a');
  Chain::Hook moved = std::move(first);
  EXPECT_FALSE(first.Installed());
  EXPECT_TRUE(moved.Installed());
  EXPECT_EQ(Through(chain), "a.");
  first.Remove();  // the moved-from hook removes nothing
  EXPECT_EQ(Through(chain), "a.");
}

namespace {

class Base : public TComponent {
 public:
  using TComponent::TComponent;
};
class Derived : public Base {
 public:
  using Base::Base;
};
class Unregistered : public Derived {
 public:
  using Derived::Derived;
};

}  // namespace

TEST(ClassNames, AComponentIsNamedByTheNearestRegisteredClass) {
  ClassRegistry& r = ClassRegistry::Instance();
  r.RegisterBase<TComponent>(L"TComponent", L"");
  r.RegisterBase<Base>(L"TTestBase", L"TComponent");
  r.Register<Derived>(L"TTestDerived", L"TTestBase");
  TComponent root(nullptr);
  EXPECT_EQ(TComponent::Create<Base>(&root)->ClassName(), L"TTestBase");
  EXPECT_EQ(TComponent::Create<Derived>(&root)->ClassName(), L"TTestDerived");
  EXPECT_EQ(TComponent::Create<Unregistered>(&root)->ClassName(), L"TTestDerived");
  EXPECT_EQ(root.ClassName(), L"TComponent");
  EXPECT_EQ(r.FindFor(*root.Components(1)), r.Find(L"TTestDerived"));
}

TEST(CheckedCast, AnObjectOfAnotherClassIsAnInvalidCast) {
  TComponent root(nullptr);
  Base* base = TComponent::Create<Base>(&root);
  TComponent* derived = TComponent::Create<Derived>(&root);
  EXPECT_EQ(CheckedCast<Derived>(derived), derived);
  EXPECT_EQ(CheckedCast<Derived>(static_cast<TComponent*>(nullptr)), nullptr);
  try {
    CheckedCast<Derived>(base);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidCast& e) {
    EXPECT_EQ(e.Message(), L"Invalid class typecast");
  }
}

namespace {

// Notes, while it is destroyed, whether its owner is still there and says
// it is going.
class Watcher : public TComponent {
 public:
  Watcher(TComponent* owner, std::vector<std::wstring>* log) : TComponent(owner), log_(log) {}
  ~Watcher() override {
    log_->push_back(Name() + (Owner() && Owner()->HasState(csDestroying) ? L":owner going" : L":no owner"));
  }

 private:
  std::vector<std::wstring>* log_;
};

}  // namespace

TEST(Component, OwnedComponentsFindTheirOwnerMarkedAsGoing) {
  std::vector<std::wstring> log;
  TComponent* owner = TComponent::Create<TComponent>(nullptr);
  TComponent::Create<Watcher>(owner, &log)->SetName(L"a");
  TComponent::Create<Watcher>(owner, &log)->SetName(L"b");
  TComponent::Free(owner);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"b:owner going", L"a:owner going"}));
}

TEST(Rect, RightAndBottomEdgesAreOutside) {
  const TRect r{10, 20, 30, 40};
  EXPECT_TRUE(r.Contains(TPoint{10, 20}));
  EXPECT_TRUE(r.Contains(TPoint{29, 39}));
  EXPECT_FALSE(r.Contains(TPoint{30, 39}));
  EXPECT_FALSE(r.Contains(TPoint{29, 40}));
  EXPECT_TRUE(r.Intersects({29, 39, 50, 50}));
  EXPECT_FALSE(r.Intersects({30, 20, 50, 40})) << "touching edges do not overlap";
  EXPECT_FALSE(r.Intersects({15, 25, 15, 35})) << "an empty rectangle overlaps nothing";
}
