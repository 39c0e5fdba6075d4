// The layout reader: components made in text order, references resolved
// after reading, Loaded on each, and errors that name the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Exceptions.h"
#include "framework/Layout.h"

using namespace fw;

namespace {

std::vector<std::wstring> gEvents;

enum class Shape { Round, Square };
enum Flag : uint8_t { fA = 1, fB = 2, fC = 4 };

class Node : public TComponent {
 public:
  explicit Node(TComponent* owner) : TComponent(owner) { gEvents.push_back(L"create"); }
  void SetName(const std::wstring& name) override {
    TComponent::SetName(name);
    gEvents.push_back(L"name " + name);
  }
  void SetParentComponent(TComponent* parent) override { container = parent; }
  void SetSize(int v) {
    size = v;
    gEvents.push_back(L"size " + Name() + (HasState(csLoading) ? L" loading" : L""));
  }
  void SetLabel(const std::wstring& v) { label = v; }
  void SetActive(bool v) { active = v; }
  void SetShape(Shape v) { shape = v; }
  void SetFlags(uint8_t v) { flags = v; }
  void SetPeer(Node* v) {
    peer = v;
    gEvents.push_back(L"peer " + Name() + L" -> " + v->Name());
  }
  void Loaded() override {
    TComponent::Loaded();
    gEvents.push_back(L"loaded " + Name());
  }

  TComponent* container = nullptr;
  int size = 0;
  std::wstring label;
  bool active = false;
  Shape shape = Shape::Round;
  uint8_t flags = 0;
  Node* peer = nullptr;
  std::vector<uint8_t> data;
  std::vector<std::wstring> items;
  TNotifyEvent OnPing;
};

class Other : public TComponent {
 public:
  using TComponent::TComponent;
};

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gEvents.clear();
    registry_.Register<Node>(L"TNode", L"")
        .Int<Node>(L"Size", &Node::SetSize)
        .Text<Node>(L"Label", &Node::SetLabel)
        .Bool<Node>(L"Active", &Node::SetActive)
        .Enum<Node, Shape>(L"Shape", &Node::SetShape, {{L"shRound", Shape::Round}, {L"shSquare", Shape::Square}})
        .Set<Node, uint8_t>(L"Flags", &Node::SetFlags, {{L"fA", fA}, {L"fB", fB}, {L"fC", fC}})
        .Reference<Node, Node>(L"Peer", &Node::SetPeer)
        .Event<Node>(L"OnPing", &Node::OnPing)
        .Property(L"Data", [](TComponent& c, const LayoutValue& v,
                              LayoutContext&) { ClassInfo::Cast<Node>(c, v).data = v.bytes; })
        .Property(L"Items", [](TComponent& c, const LayoutValue& v, LayoutContext&) {
          for (const auto& item : v.items) {
            for (const auto& [name, value] : item.properties)
              ClassInfo::Cast<Node>(c, v).items.push_back(value.AsText());
          }
        });
    registry_.Register<Other>(L"TOther", L"");
    sources_.methods = [this](const std::wstring& name) -> TNotifyEvent {
      if (name == L"Ping") return [this](TComponent*) { ++pings_; };
      return nullptr;
    };
    sources_.binaries = [](const std::wstring& name) {
      if (name == L"blob") return std::vector<uint8_t>{9, 8, 7};
      throw EReadError(L"no " + name);
    };
  }

  void Read(Node& root, const std::string& text) { ReadLayout(root, text, sources_, registry_); }

  std::wstring ErrorOf(const std::string& text) {
    Node root(nullptr);
    try {
      Read(root, text);
    } catch (const ELayoutError& e) {
      return e.Message();
    }
    return L"no error";
  }

  ClassRegistry registry_;
  LayoutSources sources_;
  int pings_ = 0;
};

}  // namespace

TEST_F(LayoutTest, CreatesComponentsInTextOrderWithPropertiesSetWhileLoading) {
  Node root(nullptr);
  Read(root,
       "object root: TNode\n"
       "  Size = 1\n"
       "  object a: TNode\n"
       "    Size = 2\n"
       "    object a1: TNode\n"
       "    end\n"
       "  end\n"
       "  object b: TNode\n"
       "  end\n"
       "end\n");
  ASSERT_EQ(root.ComponentCount(), 3);
  EXPECT_EQ(root.Components(0)->Name(), L"a");
  EXPECT_EQ(root.Components(1)->Name(), L"a1");
  EXPECT_EQ(root.Components(2)->Name(), L"b");
  // Everything is owned by the root; nesting gives the container.
  auto* a1 = dynamic_cast<Node*>(root.FindComponent(L"a1"));
  EXPECT_EQ(a1->container, root.FindComponent(L"a"));
  EXPECT_EQ(dynamic_cast<Node*>(root.FindComponent(L"a"))->container, &root);
  EXPECT_EQ(gEvents, (std::vector<std::wstring>{L"create", L"name root", L"size root loading", L"create", L"name a",
                                                L"size a loading", L"create", L"name a1", L"create", L"name b",
                                                L"loaded root", L"loaded a", L"loaded a1", L"loaded b"}));
  EXPECT_FALSE(root.HasState(csLoading));
}

TEST_F(LayoutTest, ReferencesResolveAfterTheWholeTextBeforeLoaded) {
  Node root(nullptr);
  Read(root,
       "object root: TNode\n"
       "  object a: TNode\n"
       "    Peer = b\n"  // b does not exist yet at this line
       "  end\n"
       "  object b: TNode\n"
       "    Peer = root\n"
       "  end\n"
       "end\n");
  auto* a = dynamic_cast<Node*>(root.FindComponent(L"a"));
  auto* b = dynamic_cast<Node*>(root.FindComponent(L"b"));
  EXPECT_EQ(a->peer, b);
  EXPECT_EQ(b->peer, &root);
  const auto peer = std::find(gEvents.begin(), gEvents.end(), L"peer a -> b");
  const auto loaded = std::find(gEvents.begin(), gEvents.end(), L"loaded root");
  EXPECT_LT(peer, loaded);
  EXPECT_LT(std::find(gEvents.begin(), gEvents.end(), L"create") + 5, peer);
}

TEST_F(LayoutTest, ReadsEveryValueKind) {
  Node root(nullptr);
  Read(root,
       "object root: TNode // trailing comment\n"
       "  Label = 'it''s ' + '保存'#33\n"
       "  Active = True\n"
       "  Shape = shSquare\n"
       "  Flags = [fA, fC]\n"
       "  Size = -12\n"
       "  Data = {0A0b FF}\n"
       "  OnPing = Ping\n"
       "  Items = <\n"
       "    item\n"
       "      Text = 'one'\n"
       "    end\n"
       "    item\n"
       "      Text = 'two'\n"
       "    end>\n"
       "end\n");
  EXPECT_EQ(root.label, L"it's 保存!");
  EXPECT_TRUE(root.active);
  EXPECT_EQ(root.shape, Shape::Square);
  EXPECT_EQ(root.flags, fA | fC);
  EXPECT_EQ(root.size, -12);
  EXPECT_EQ(root.data, (std::vector<uint8_t>{0x0A, 0x0B, 0xFF}));
  EXPECT_EQ(root.items, (std::vector<std::wstring>{L"one", L"two"}));
  ASSERT_TRUE(root.OnPing);
  root.OnPing(&root);
  EXPECT_EQ(pings_, 1);
}

TEST_F(LayoutTest, BinaryBlocksMayComeFromOutsideTheText) {
  Node root(nullptr);
  Read(root, "object root: TNode\n  Data = @blob\nend\n");
  EXPECT_EQ(root.data, (std::vector<uint8_t>{9, 8, 7}));
}

TEST_F(LayoutTest, ErrorsNameTheLineAndWhatIsWrong) {
  EXPECT_EQ(ErrorOf("object root: TNode\n  object x: TMissing\n  end\nend\n"),
            L"Layout line 2: unknown class TMissing");
  EXPECT_EQ(ErrorOf("object root: TNode\n\n  Colour = 3\nend\n"), L"Layout line 3: TNode has no property Colour");
  EXPECT_EQ(ErrorOf("object root: TNode\n  Peer = nobody\nend\n"), L"Layout line 2: unknown component nobody");
  EXPECT_EQ(ErrorOf("object root: TNode\n  object o: TOther\n  end\n  Peer = o\nend\n"),
            L"Layout line 4: o is not of the kind this property refers to");
  EXPECT_EQ(ErrorOf("object root: TNode\n  Shape = shTriangle\nend\n"), L"Layout line 2: unknown value shTriangle");
  EXPECT_EQ(ErrorOf("object root: TNode\n  Size = 'text'\nend\n"), L"Layout line 2: a number expected, found a string");
  EXPECT_EQ(ErrorOf("object root: TNode\n  OnPing = Pong\nend\n"), L"Layout line 2: unknown method Pong");
  EXPECT_EQ(ErrorOf("object root: TNode\n  Label = 'open\nend\n"), L"Layout line 2: unterminated string");
  EXPECT_EQ(ErrorOf("object root: TNode\n  Size = 1\n"), L"Layout line 3: 'end' expected for root");
  EXPECT_EQ(ErrorOf("object root: TNode\nend\nextra"), L"Layout line 3: text after the last 'end'");
  EXPECT_EQ(ErrorOf("object root: TNode\n  object a: TNode\n  end\n  object A: TNode\n  end\nend\n"),
            L"Layout line 4: A component named A already exists");
}
