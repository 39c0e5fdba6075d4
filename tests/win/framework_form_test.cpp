// Forms with real windows: activation and its events, the window state set
// by us and by the system, size constraints, the icon, stay-on-top, MDI
// parents and children, and minimising the whole application.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "framework/Icons.h"
#include "framework/MDI.h"
#include "framework/StandardClasses.h"

using namespace fw;

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application().Initialize();
    RegisterStandardClasses();
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

TForm* NewForm(const std::wstring& caption, int left = 40, int top = 40, TComponent* owner = &Application()) {
  auto* form = TComponent::Create<TForm>(owner);
  form->SetCaption(caption);
  form->SetBounds(left, top, 320, 240);
  return form;
}

RECT WindowRect(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::wstring WindowText(HWND wnd) {
  wchar_t text[256] = {};
  GetWindowTextW(wnd, text, 256);
  return text;
}

// Notes every activation event of the forms it watches, in order.
struct ActivationLog {
  std::vector<std::wstring> events;
  void Watch(TForm* form) {
    form->OnActivate = [this](TComponent* s) { events.push_back(static_cast<TForm*>(s)->Caption() + L"+"); };
    form->OnDeactivate = [this](TComponent* s) { events.push_back(static_cast<TForm*>(s)->Caption() + L"-"); };
  }
};

}  // namespace

TEST(FormActivation, TheFormLosingTheActivationHearsItBeforeTheOneGainingIt) {
  TForm* a = NewForm(L"A");
  TForm* b = NewForm(L"B", 400);
  ActivationLog log;
  log.Watch(a);
  log.Watch(b);
  a->Show();
  Application().ProcessMessages();
  EXPECT_TRUE(a->Active());
  EXPECT_FALSE(b->Active());
  log.events.clear();

  b->Show();
  Application().ProcessMessages();
  EXPECT_FALSE(a->Active());
  EXPECT_TRUE(b->Active());
  EXPECT_EQ(log.events, (std::vector<std::wstring>{L"A-", L"B+"}));

  log.events.clear();
  SetActiveWindow(a->Handle());
  Application().ProcessMessages();
  EXPECT_EQ(log.events, (std::vector<std::wstring>{L"B-", L"A+"}));
  // Activating the active form again says nothing new.
  log.events.clear();
  SetActiveWindow(a->Handle());
  EXPECT_TRUE(log.events.empty());
  TComponent::Free(b);
  TComponent::Free(a);
}

namespace {

// Counts how deep WM_SIZE nests inside itself: a state change the system
// reports must not be made again from inside its own notification.
struct SizeNesting {
  int depth = 0;
  int deepest = 0;
  int count = 0;
  WindowHook hook;
  explicit SizeNesting(TForm& form)
      : hook(form.Hooks(), [this](TMessage& m, const WindowHookChain::Next& next) {
          if (m.msg != WM_SIZE) {
            next(m);
            return;
          }
          ++count;
          deepest = std::max(deepest, ++depth);
          next(m);
          --depth;
        }) {}
};

}  // namespace

TEST(FormWindowState, FollowsWhatWeSetAndWhatTheSystemDoes) {
  TForm* form = NewForm(L"State");
  form->Show();
  const RECT normal = WindowRect(form->Handle());
  SizeNesting sizes(*form);

  form->SetWindowState(TWindowState::wsMaximized);
  EXPECT_TRUE(IsZoomed(form->Handle()));
  EXPECT_TRUE(form->Maximized());
  form->SetWindowState(TWindowState::wsNormal);
  EXPECT_FALSE(IsZoomed(form->Handle()));
  EXPECT_TRUE(SameRect(normal, WindowRect(form->Handle())));

  // The system's changes (the caption buttons, a double click) are recorded.
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
  ShowWindow(form->Handle(), SW_MINIMIZE);
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
  ShowWindow(form->Handle(), SW_RESTORE);  // back to maximised, as it was
  EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
  SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
  EXPECT_TRUE(SameRect(normal, WindowRect(form->Handle())));
  EXPECT_GE(sizes.count, 5);
  EXPECT_EQ(sizes.deepest, 1);

  // A maximised form hidden and shown again comes back maximised.
  form->SetWindowState(TWindowState::wsMaximized);
  form->Hide();
  form->Show();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  TComponent::Free(form);
}

TEST(FormWindowState, ClosingToMinimiseKeepsTheFormShown) {
  TForm* form = NewForm(L"Closed");
  form->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caMinimize; };
  form->Show();
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(IsIconic(form->Handle()));
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
  TComponent::Free(form);
}

TEST(FormWindowState, AHiddenFormTakesItsStateWhenShown) {
  TForm* form = NewForm(L"Hidden");
  form->HandleNeeded();
  form->SetWindowState(TWindowState::wsMaximized);
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(IsZoomed(form->Handle()));
  form->Show();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  form->Hide();
  form->SetWindowState(TWindowState::wsMinimized);
  form->Show();
  EXPECT_TRUE(IsIconic(form->Handle()));
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
  TComponent::Free(form);
}

TEST(FormClientSize, AFrameChangeWithANewSizeTakesTheSize) {
  // Arranging MDI children sends a frame change together with a size: the
  // size wins, and the client size follows it.
  TForm* form = NewForm(L"Frame");
  form->HandleNeeded();
  SetWindowPos(form->Handle(), nullptr, 0, 0, 400, 300, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT r = WindowRect(form->Handle());
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 300);
  const int clientWidth = form->ClientWidth();
  SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form->ClientWidth(), clientWidth);
  TComponent::Free(form);
}

TEST(FormConstraints, LimitBoundsTheSystemsTrackingAndMaximising) {
  TForm* form = NewForm(L"Limits");
  form->Constraints().SetMinWidth(200);
  form->Constraints().SetMinHeight(150);
  form->Constraints().SetMaxWidth(500);
  form->Constraints().SetMaxHeight(400);
  form->SetBounds(10, 10, 100, 900);
  EXPECT_EQ(form->Width(), 200);
  EXPECT_EQ(form->Height(), 400);
  form->Show();
  RECT r = WindowRect(form->Handle());
  EXPECT_EQ(r.right - r.left, 200);
  EXPECT_EQ(r.bottom - r.top, 400);

  MINMAXINFO info{};
  info.ptMaxTrackSize = {5000, 5000};
  info.ptMaxSize = {1280, 1024};
  SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 150);
  EXPECT_EQ(info.ptMaxTrackSize.x, 500);
  EXPECT_EQ(info.ptMaxTrackSize.y, 400);
  EXPECT_EQ(info.ptMaxSize.x, 500);
  EXPECT_EQ(info.ptMaxSize.y, 400);

  form->SetWindowState(TWindowState::wsMaximized);
  r = WindowRect(form->Handle());
  EXPECT_LE(r.right - r.left, 500);
  EXPECT_LE(r.bottom - r.top, 400);
  form->SetWindowState(TWindowState::wsNormal);

  // A new limit applies to the size the form has now; 0 lifts it.
  form->Constraints().SetMaxHeight(300);
  EXPECT_EQ(form->Height(), 300);
  r = WindowRect(form->Handle());
  EXPECT_EQ(r.bottom - r.top, 300);
  form->Constraints().SetMaxHeight(0);
  form->SetBounds(10, 10, 300, 700);
  EXPECT_EQ(form->Height(), 700);
  // A minimum above the maximum wins; negative limits are none.
  form->Constraints().SetMaxWidth(180);
  EXPECT_EQ(form->Width(), 200);
  form->Constraints().SetMinWidth(-5);
  EXPECT_EQ(form->Constraints().MinWidth(), 0);
  EXPECT_EQ(form->Width(), 180);
  TComponent::Free(form);
}

TEST(FormConstraints, ApplyToAFormSizedByItsClientAndToControls) {
  TForm* form = NewForm(L"Client");
  form->Constraints().SetMaxWidth(250);
  form->SetClientWidth(600);
  form->HandleNeeded();
  EXPECT_EQ(WindowRect(form->Handle()).right - WindowRect(form->Handle()).left, 250);
  auto* panel = TComponent::Create<TPanel>(form);
  panel->Constraints().SetMinHeight(30);
  panel->SetParent(form);
  panel->SetBounds(0, 0, 50, 10);
  EXPECT_EQ(panel->Height(), 30);
  TComponent::Free(form);
}

TEST(FormIcon, SetAndClearedReachTheWindowsCaptionAndTaskBar) {
  const int userHandles = HandleCounters::User();
  TForm* form = NewForm(L"Icon");
  form->Show();
  const auto windowIcon = [&](WPARAM kind) {
    return reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, kind, 0));
  };
  const HICON classIcon = reinterpret_cast<HICON>(GetClassLongPtrW(form->Handle(), GCLP_HICON));
  ASSERT_NE(classIcon, nullptr);

  TIcon icon;
  icon.LoadFromFile(QUILLET_ICON_FILE);
  const HICON handle = icon.Handle();
  form->SetIcon(std::move(icon));
  EXPECT_EQ(form->Icon().Handle(), handle);
  EXPECT_EQ(windowIcon(ICON_BIG), handle);
  EXPECT_EQ(windowIcon(ICON_SMALL), handle);

  // A new window gets the icon again.
  form->RecreateWnd();
  EXPECT_EQ(windowIcon(ICON_BIG), handle);

  // Cleared, the caption shows the program's icon again, never none.
  form->SetIcon(TIcon());
  EXPECT_TRUE(form->Icon().Empty());
  EXPECT_EQ(windowIcon(ICON_BIG), classIcon);
  EXPECT_NE(windowIcon(ICON_SMALL), nullptr);
  EXPECT_NE(windowIcon(ICON_SMALL), handle);

  // A replaced icon is destroyed, the form's last one with the form.
  TIcon second;
  second.LoadFromFile(QUILLET_ICON_FILE);
  form->SetIcon(std::move(second));
  TIcon third;
  third.LoadFromFile(QUILLET_ICON_FILE);
  form->SetIcon(std::move(third));
  TComponent::Free(form);
  EXPECT_EQ(HandleCounters::User(), userHandles);
}

TEST(FormStyle, StayOnTopIsATopmostWindowAndCanBeLeft) {
  const auto topmost = [](TForm* f) { return (GetWindowLongW(f->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
  // Wine keeps an owned window topmost while only topmost windows lie above
  // its owner, so a normal form shows first, as a program's main form would.
  TForm* normal = NewForm(L"Normal");
  normal->Show();
  TForm* early = NewForm(L"Early");
  early->SetFormStyle(TFormStyle::fsStayOnTop);
  early->Show();
  EXPECT_TRUE(topmost(early));

  TForm* late = NewForm(L"Late");
  late->Show();
  EXPECT_FALSE(topmost(late));
  late->SetFormStyle(TFormStyle::fsStayOnTop);
  EXPECT_TRUE(topmost(late));
  late->SetFormStyle(TFormStyle::fsNormal);
  EXPECT_FALSE(topmost(late));
  TComponent::Free(late);
  TComponent::Free(early);
  TComponent::Free(normal);
}

namespace {

class MDIForms : public ::testing::Test {
 protected:
  void SetUp() override {
    userHandles_ = HandleCounters::User();
    parent_ = NewForm(L"Frame", 20, 20);
    parent_->SetBounds(20, 20, 700, 500);
    parent_->SetFormStyle(TFormStyle::fsMDIForm);
    toolbar_ = TComponent::Create<TPanel>(parent_);
    toolbar_->SetHeight(30);
    toolbar_->SetAlign(TAlign::alTop);
    toolbar_->SetParent(parent_);
    parent_->Show();
  }
  void TearDown() override {
    TComponent::Free(parent_);
    Application().ProcessMessages();
    EXPECT_EQ(HandleCounters::User(), userHandles_);
  }
  TForm* Child(const std::wstring& caption) {
    TForm* child = NewForm(caption, 10, 10, parent_);
    child->SetFormStyle(TFormStyle::fsMDIChild);
    log_.Watch(child);
    child->Show();
    return child;
  }

  TForm* parent_ = nullptr;
  TPanel* toolbar_ = nullptr;
  ActivationLog log_;
  int userHandles_ = 0;
};

}  // namespace

TEST_F(MDIForms, TheClientFillsWhatTheAlignedControlsLeave) {
  HWND client = parent_->ClientHandle();
  ASSERT_NE(client, nullptr);
  wchar_t className[32] = {};
  GetClassNameW(client, className, 32);
  EXPECT_EQ(_wcsicmp(className, L"MDICLIENT"), 0);
  EXPECT_EQ(GetParent(client), parent_->Handle());
  const TRect area = parent_->ClientRect();
  EXPECT_EQ(parent_->MDIClient()->BoundsRect(), (TRect{0, 30, area.right, area.bottom}));

  // It follows the form's size.
  parent_->SetBounds(20, 20, 600, 400);
  const TRect smaller = parent_->ClientRect();
  EXPECT_EQ(parent_->MDIClient()->BoundsRect(), (TRect{0, 30, smaller.right, smaller.bottom}));
  toolbar_->Hide();
  EXPECT_EQ(parent_->MDIClient()->BoundsRect(), (TRect{0, 0, smaller.right, smaller.bottom}));
}

TEST_F(MDIForms, ChildrenLiveInTheClientAndTakeTurnsBeingActive) {
  TForm* one = Child(L"One");
  TForm* two = Child(L"Two");
  EXPECT_EQ(GetParent(one->Handle()), parent_->ClientHandle());
  EXPECT_TRUE(GetWindowLongW(two->Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
  EXPECT_EQ(parent_->MDIChildCount(), 2);
  EXPECT_EQ(parent_->ActiveMDIChild(), two);
  EXPECT_TRUE(two->Active());
  EXPECT_FALSE(one->Active());
  EXPECT_EQ(log_.events, (std::vector<std::wstring>{L"One+", L"One-", L"Two+"}));

  log_.events.clear();
  parent_->Next();
  EXPECT_EQ(parent_->ActiveMDIChild(), one);
  EXPECT_EQ(log_.events, (std::vector<std::wstring>{L"Two-", L"One+"}));

  // Ctrl+F6 through the message loop moves on too.
  MSG key{parent_->ClientHandle(), WM_KEYDOWN, VK_F6, 0};
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  EXPECT_TRUE(HandleMDIKey(key));
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(parent_->ActiveMDIChild(), two);

  // A child freed goes from the client, and the other becomes active.
  TComponent::Free(two);
  EXPECT_EQ(parent_->MDIChildCount(), 1);
  EXPECT_EQ(parent_->ActiveMDIChild(), one);
  EXPECT_TRUE(one->Active());

  // A child closed hides, and a shown one takes over.
  TForm* three = Child(L"Three");
  log_.events.clear();
  three->Close();
  EXPECT_FALSE(IsWindowVisible(three->Handle()));
  EXPECT_EQ(parent_->ActiveMDIChild(), one);
  EXPECT_EQ(log_.events, (std::vector<std::wstring>{L"Three-", L"One+"}));
}

TEST_F(MDIForms, AMaximisedChildLendsItsCaptionToTheFrameOnly) {
  TForm* one = Child(L"One");
  Child(L"Two");
  one->SetWindowState(TWindowState::wsMaximized);
  EXPECT_EQ(one->WindowState(), TWindowState::wsMaximized);
  EXPECT_TRUE(IsZoomed(one->Handle()));
  EXPECT_EQ(parent_->ActiveMDIChild(), one);
  EXPECT_EQ(WindowText(parent_->Handle()), L"Frame - [One]");
  EXPECT_EQ(parent_->Caption(), L"Frame");
  // It fills the client.
  RECT client{};
  GetClientRect(parent_->ClientHandle(), &client);
  RECT inner{};
  GetClientRect(one->Handle(), &inner);
  EXPECT_EQ(inner.right, client.right);
  EXPECT_EQ(inner.bottom, client.bottom);

  one->SetWindowState(TWindowState::wsNormal);
  EXPECT_FALSE(IsZoomed(one->Handle()));
  EXPECT_EQ(WindowText(parent_->Handle()), L"Frame");
  ShowWindow(one->Handle(), SW_MINIMIZE);
  EXPECT_EQ(one->WindowState(), TWindowState::wsMinimized);
}

TEST_F(MDIForms, TileAndCascadeArrangeTheChildren) {
  TForm* one = Child(L"One");
  TForm* two = Child(L"Two");
  parent_->Tile(TTileMode::tbVertical);
  RECT a = WindowRect(one->Handle()), b = WindowRect(two->Handle()), overlap{};
  EXPECT_FALSE(IntersectRect(&overlap, &a, &b));
  EXPECT_EQ(a.top, b.top);
  parent_->Cascade();
  a = WindowRect(one->Handle());
  b = WindowRect(two->Handle());
  EXPECT_TRUE(IntersectRect(&overlap, &a, &b));
  EXPECT_NE(a.left, b.left);
  EXPECT_NE(a.top, b.top);
  // The bounds the forms keep are the arranged ones.
  POINT origin{two->Left(), two->Top()};
  ClientToScreen(parent_->ClientHandle(), &origin);
  const RECT twoRect = WindowRect(two->Handle());
  EXPECT_EQ(origin.x, twoRect.left);
  EXPECT_EQ(two->Width(), twoRect.right - twoRect.left);
}

TEST_F(MDIForms, AChildNeedsAnMDIParentAndTheStyleCannotBeLeftWithChildren) {
  TForm* orphan = NewForm(L"Orphan");
  orphan->SetFormStyle(TFormStyle::fsMDIChild);
  EXPECT_THROW(orphan->Show(), EInvalidOperation);
  EXPECT_FALSE(orphan->HandleAllocated());
  TComponent::Free(orphan);

  TForm* one = Child(L"One");
  EXPECT_THROW(parent_->SetFormStyle(TFormStyle::fsNormal), EInvalidOperation);
  EXPECT_EQ(parent_->FormStyle(), TFormStyle::fsMDIForm);
  TComponent::Free(one);
  parent_->SetFormStyle(TFormStyle::fsNormal);
  EXPECT_EQ(parent_->ClientHandle(), nullptr);
  EXPECT_EQ(parent_->MDIClient(), nullptr);
}

TEST_F(MDIForms, TheParentFreedWithItsChildrenLeavesNoWindow) {
  // Children owned by the parent go with it (TearDown counts the windows);
  // one owned elsewhere loses its window with the parent's.
  Child(L"One");
  Child(L"Two");
  TForm* elsewhere = NewForm(L"Elsewhere", 10, 10, parent_);
  elsewhere->SetFormStyle(TFormStyle::fsMDIChild);
  elsewhere->Show();
  parent_->RecreateWnd();
  EXPECT_EQ(parent_->MDIChildCount(), 0);
  EXPECT_FALSE(elsewhere->HandleAllocated());
  elsewhere->Hide();
  elsewhere->Show();
  EXPECT_EQ(parent_->MDIChildCount(), 1);
}

TEST(ApplicationMinimize, TheWholeApplicationGoesAndComesBack) {
  auto* main = Application().CreateForm<TForm>();
  ASSERT_EQ(Application().MainForm(), main);
  main->SetCaption(L"Main");
  main->SetBounds(30, 30, 300, 200);
  TForm* other = NewForm(L"Other", 400);
  TForm* hidden = NewForm(L"Hidden", 400, 300);
  main->Show();
  other->Show();
  hidden->HandleNeeded();

  Application().Minimize();
  EXPECT_TRUE(IsIconic(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  EXPECT_TRUE(Application().Minimized());
  Application().Restore();
  EXPECT_FALSE(IsIconic(main->Handle()));
  EXPECT_TRUE(IsWindowVisible(other->Handle()));
  EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
  EXPECT_FALSE(Application().Minimized());

  // Closing the main form to minimise it minimises the application.
  main->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caMinimize; };
  SendMessageW(main->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(Application().Minimized());
  EXPECT_FALSE(Application().Terminated());
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  Application().Restore();
  EXPECT_TRUE(IsWindowVisible(other->Handle()));

  // The main form's minimise button minimises the application, and a
  // form freed meanwhile is not brought back.
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(other->Handle()));
  TComponent::Free(other);
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(main->Handle()));
  EXPECT_FALSE(Application().Minimized());

  TComponent::Free(hidden);
  TComponent::Free(main);
  EXPECT_EQ(Application().MainForm(), nullptr);
  Application().Minimize();  // no main form: nothing to do
  EXPECT_FALSE(Application().Minimized());
}

TEST(FormLayout, DeclaresStyleStateLimitsAndActivationEvents) {
  TForm* form = NewForm(L"");
  std::vector<std::wstring> ran;
  LayoutSources sources;
  sources.methods = [&](const std::wstring& name) -> TNotifyEvent {
    return [&ran, name](TComponent*) { ran.push_back(name); };
  };
  ReadLayout(*form, R"(object Form1: TForm
  Caption = 'Declared'
  FormStyle = fsStayOnTop
  WindowState = wsMaximized
  Constraints.MinWidth = 250
  Constraints.MaxHeight = 300
  OnActivate = FormActivate
  OnDeactivate = FormDeactivate
  object Panel1: TPanel
    Constraints.MaxWidth = 40
    Width = 100
  end
end
)",
             sources);
  EXPECT_EQ(form->FormStyle(), TFormStyle::fsStayOnTop);
  EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
  EXPECT_EQ(form->Constraints().MinWidth(), 250);
  EXPECT_EQ(form->Constraints().MaxHeight(), 300);
  EXPECT_EQ(dynamic_cast<TControl*>(form->FindComponent(L"Panel1"))->Width(), 40);
  form->Show();
  EXPECT_TRUE(IsZoomed(form->Handle()));
  EXPECT_TRUE(GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(ran, std::vector<std::wstring>{L"FormActivate"});
  TComponent::Free(form);
}
