// Window lifetime and hooks with real windows: destruction reaches the live
// object and its hooks, hooks leave in any order, owned components go while
// their form is whole, the client size survives a new frame, a failing
// paint still ends, and the application window and loop take hooks too.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/GdiObjects.h"

using namespace fw;

namespace {

// The application window for every test of this program.
class Environment : public ::testing::Environment {
 public:
  void SetUp() override { Application().Initialize(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

constexpr UINT kProbe = WM_APP + 7;

// A component that hooks its owner form, as a skin or a tray icon does.
class Listener : public TComponent {
 public:
  explicit Listener(TComponent* owner) : TComponent(owner) {
    auto* form = CheckedCast<TForm>(owner);
    hook_.Install(form->Hooks(), [this](TMessage& m, const WindowHookChain::Next& next) {
      heard.push_back(m.msg);
      next(m);
    });
  }
  bool Hooked() const { return hook_.Installed(); }
  std::vector<UINT> heard;

 private:
  WindowHook hook_;
};

bool Heard(const std::vector<UINT>& log, UINT msg) { return std::find(log.begin(), log.end(), msg) != log.end(); }

// A form noting what reaches its own procedure.
class ProbeForm : public TForm {
 public:
  using TForm::TForm;
  std::vector<UINT> own;

  void WndProc(TMessage& m) override {
    own.push_back(m.msg);
    if (m.msg == kProbe) {
      m.result = 100;
      return;
    }
    TForm::WndProc(m);
  }
};

// A child window noting what reaches it.
class ChildProbe : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::vector<UINT> own;
  void WndProc(TMessage& m) override {
    own.push_back(m.msg);
    TWinControl::WndProc(m);
  }
};

}  // namespace

TEST(WindowLifetime, DestroyingTheWindowReachesTheHookedComponentAndTheObject) {
  const int users = HandleCounters::User();
  auto* form = TComponent::Create<ProbeForm>(&Application());
  auto* child = TComponent::Create<ChildProbe>(form);
  child->SetParent(form);
  child->SetBounds(0, 0, 20, 20);
  auto* listener = TComponent::Create<Listener>(form);
  form->SetText(L"kept");
  form->HandleNeeded();
  HWND first = form->Handle();

  form->RecreateWnd();
  EXPECT_TRUE(Heard(listener->heard, WM_DESTROY));
  EXPECT_TRUE(Heard(listener->heard, WM_NCDESTROY));
  EXPECT_TRUE(Heard(form->own, WM_DESTROY));
  EXPECT_TRUE(Heard(child->own, WM_DESTROY)) << "children go with the window";
  EXPECT_TRUE(child->HandleAllocated()) << "and come back with the new one";
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(form->Text(), L"kept") << "the text survives the new window";

  // The hook stays in place for the new window.
  listener->heard.clear();
  EXPECT_EQ(SendMessageW(form->Handle(), kProbe, 0, 0), 100);
  EXPECT_TRUE(Heard(listener->heard, kProbe));

  listener->heard.clear();
  form->DestroyHandle();
  EXPECT_TRUE(Heard(listener->heard, WM_DESTROY));
  EXPECT_FALSE(form->HandleAllocated());
  TComponent::Free(form);
  EXPECT_EQ(HandleCounters::User(), users);
}

TEST(WindowHooks, ThreeHooksRemovedInEveryOrderLeaveAWorkingWindow) {
  std::vector<int> order = {0, 1, 2};
  do {
    auto* form = TComponent::Create<ProbeForm>(&Application());
    form->HandleNeeded();
    HWND wnd = form->Handle();
    // Each hook adds its bit to the answer of the probe message.
    std::vector<std::unique_ptr<WindowHook>> hooks;
    for (int i = 0; i < 3; ++i) {
      hooks.push_back(std::make_unique<WindowHook>(form->Hooks(), [i](TMessage& m, const WindowHookChain::Next& next) {
        next(m);
        if (m.msg == kProbe) m.result |= 1 << i;
      }));
    }
    EXPECT_EQ(SendMessageW(wnd, kProbe, 0, 0), 100 | 7);
    int left = 7;
    for (int i : order) {
      hooks[static_cast<size_t>(i)].reset();
      left &= ~(1 << i);
      EXPECT_EQ(SendMessageW(wnd, kProbe, 0, 0), 100 | left);
      for (size_t k = 0; k < hooks.size(); ++k) {
        if (hooks[k]) {
          EXPECT_TRUE(hooks[k]->Installed());
        }
      }
    }
    // The window works as before: text, size, painting.
    form->SetText(L"after");
    EXPECT_EQ(form->Text(), L"after");
    form->SetBounds(10, 10, 200, 120);
    RECT r;
    GetWindowRect(wnd, &r);
    EXPECT_EQ(r.right - r.left, 200);
    TComponent::Free(form);
  } while (std::next_permutation(order.begin(), order.end()));
}

namespace {

// Unhooks in its destructor and notes what it finds of its owner then.
class Unhooker : public TComponent {
 public:
  Unhooker(TComponent* owner, std::vector<std::wstring>* log) : TComponent(owner), log_(log) {
    form_ = CheckedCast<TForm>(owner);
    hook_.Install(form_->Hooks(), [](TMessage& m, const WindowHookChain::Next& next) { next(m); });
  }
  ~Unhooker() override {
    log_->push_back(std::wstring(Owner() == form_ ? L"owner" : L"no owner") +
                    (form_->HasState(csDestroying) ? L" going" : L" staying") +
                    (form_->HandleAllocated() && IsWindow(form_->HandleIfAllocated()) ? L" with window" : L""));
    hook_.Remove();
  }

 private:
  std::vector<std::wstring>* log_;
  TForm* form_;
  WindowHook hook_;
};

}  // namespace

TEST(WindowLifetime, OwnedComponentsGoFirstWhileTheirFormIsWholeAndMarkedAsGoing) {
  std::vector<std::wstring> log;
  auto* form = TComponent::Create<TForm>(&Application());
  TComponent::Create<Unhooker>(form, &log);
  bool destroyedWhenOnDestroy = false;
  form->OnDestroy = [&](TComponent*) { destroyedWhenOnDestroy = !log.empty(); };
  form->HandleNeeded();
  TComponent::Free(form);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"owner going with window"}));
  EXPECT_FALSE(destroyedWhenOnDestroy) << "OnDestroy runs before the components go";
}

TEST(WindowLifetime, ANonFormOwnerIsAnInvalidCast) {
  TComponent owner(nullptr);
  std::vector<std::wstring> log;
  EXPECT_THROW(TComponent::Create<Unhooker>(&owner, &log), EInvalidCast);
}

namespace {

// Answers WM_NCCALCSIZE with a frame of its own, as a skin does.
WindowHook CustomFrame(TControl& form, int left, int top, int right, int bottom) {
  return WindowHook(form.Hooks(), [=](TMessage& m, const WindowHookChain::Next& next) {
    if (m.msg != WM_NCCALCSIZE) {
      next(m);
      return;
    }
    RECT& r = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.lParam)->rgrc[0];
    r.left += left;
    r.top += top;
    r.right -= right;
    r.bottom -= bottom;
    m.result = 0;
  });
}

TForm* MainSizedForm() {
  auto* form = TComponent::Create<TForm>(&Application());
  form->SetClientWidth(671);
  form->SetClientHeight(534);
  return form;
}

void ExpectSizes(TForm* form, int clientW, int clientH, int outerW, int outerH) {
  RECT client;
  RECT window;
  GetClientRect(form->Handle(), &client);
  GetWindowRect(form->Handle(), &window);
  EXPECT_EQ(client.right, clientW);
  EXPECT_EQ(client.bottom, clientH);
  EXPECT_EQ(window.right - window.left, outerW);
  EXPECT_EQ(window.bottom - window.top, outerH);
  EXPECT_EQ(form->Width(), outerW);
  EXPECT_EQ(form->Height(), outerH);
}

}  // namespace

TEST(FormClientSize, AFrameOfItsOwnFromTheFirstMessageKeepsTheLayoutsClientSize) {
  TForm* form = MainSizedForm();
  WindowHook frame = CustomFrame(*form, 4, 27, 4, 4);
  form->HandleNeeded();
  ExpectSizes(form, 671, 534, 679, 565);
  TComponent::Free(form);
}

TEST(FormClientSize, AFrameThatChangesLaterKeepsTheClientSize) {
  TForm* form = MainSizedForm();
  form->HandleNeeded();
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 671);
  EXPECT_EQ(client.bottom, 534);

  WindowHook frame = CustomFrame(*form, 4, 27, 4, 4);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectSizes(form, 671, 534, 679, 565);

  // A resize sets the client size that the next frame change keeps.
  form->SetBounds(form->Left(), form->Top(), 408, 331);
  frame = CustomFrame(*form, 2, 10, 2, 2);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ExpectSizes(form, 400, 300, 404, 312);
  TComponent::Free(form);
}

namespace {

class ThrowingPaint : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int paints = 0;

 protected:
  void Paint() override {
    ++paints;
    Canvas().FillRect(ClientRect());
    throw EInvalidOperation(L"paint failed");
  }
};

// Records the errors the application would show, instead of a box.
struct RecordedErrors {
  RecordedErrors() {
    Application().OnException = [this](const std::wstring& message) { messages.push_back(message); };
  }
  ~RecordedErrors() { Application().OnException = nullptr; }
  std::vector<std::wstring> messages;
};

bool NeedsPaint(HWND wnd) { return GetUpdateRect(wnd, nullptr, FALSE) != FALSE; }

}  // namespace

TEST(PaintErrors, AThrowInPaintStillEndsThePaintAndValidatesTheWindow) {
  RecordedErrors errors;
  auto* form = TComponent::Create<TForm>(&Application());
  form->SetBounds(0, 0, 200, 150);
  auto* control = TComponent::Create<ThrowingPaint>(form);
  control->SetParent(form);
  control->SetBounds(0, 0, 50, 50);
  control->SetDoubleBuffered(false);
  form->Show();
  Application().ProcessMessages();
  errors.messages.clear();
  control->paints = 0;

  InvalidateRect(control->Handle(), nullptr, TRUE);
  UpdateWindow(control->Handle());
  EXPECT_EQ(control->paints, 1);
  EXPECT_FALSE(NeedsPaint(control->Handle()));
  EXPECT_EQ(errors.messages, (std::vector<std::wstring>{L"paint failed"}));
  Application().ProcessMessages();
  EXPECT_EQ(control->paints, 1) << "the failed paint is not asked for again";

  // Double buffered, the same.
  control->SetDoubleBuffered(true);
  InvalidateRect(control->Handle(), nullptr, TRUE);
  UpdateWindow(control->Handle());
  EXPECT_EQ(control->paints, 2);
  EXPECT_FALSE(NeedsPaint(control->Handle()));

  // A hook that fails before the paint began validates the window too.
  WindowHook failing(control->Hooks(), [](TMessage& m, const WindowHookChain::Next& next) {
    if (m.msg == WM_PAINT) throw EInvalidOperation(L"hook failed");
    next(m);
  });
  InvalidateRect(control->Handle(), nullptr, TRUE);
  UpdateWindow(control->Handle());
  EXPECT_FALSE(NeedsPaint(control->Handle()));
  EXPECT_EQ(errors.messages.back(), L"hook failed");
  TComponent::Free(form);
}

namespace {

class ThrowingGraphic : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;

 protected:
  void Paint() override {
    SetViewportOrgEx(Canvas().Handle(), 1000, 1000, nullptr);
    throw EInvalidOperation(L"graphic failed");
  }
};

}  // namespace

TEST(PaintErrors, AFailingWindowlessChildLeavesTheDCAsItFoundIt) {
  RecordedErrors errors;
  auto* form = TComponent::Create<TForm>(&Application());
  auto* graphic = TComponent::Create<ThrowingGraphic>(form);
  graphic->SetParent(form);
  graphic->SetBounds(0, 0, 20, 20);  // inside a bare memory DC's one pixel
  MemoryDC dc;
  EXPECT_THROW(form->PaintControls(dc.Get()), EInvalidOperation);
  POINT origin;
  GetViewportOrgEx(dc.Get(), &origin);
  EXPECT_EQ(origin.x, 0);
  EXPECT_EQ(origin.y, 0);
  EXPECT_EQ(graphic->Canvas().Handle(), nullptr);
  TComponent::Free(form);
}

TEST(ApplicationHooks, TheApplicationWindowAndTheLoopTakeHooksThatLeaveInAnyOrder) {
  HWND app = Application().Handle();
  int heardByApp = 0;
  {
    WindowHook hook(Application().Hooks(), [&](TMessage& m, const WindowHookChain::Next& next) {
      if (m.msg == kProbe) {
        ++heardByApp;
        m.result = 5;
        return;
      }
      next(m);
    });
    EXPECT_EQ(SendMessageW(app, kProbe, 0, 0), 5);
  }
  EXPECT_EQ(SendMessageW(app, kProbe, 0, 0), 0);
  EXPECT_EQ(heardByApp, 1);

  // A menu state takes the loop's keys, then gives them back.
  auto* form = TComponent::Create<ProbeForm>(&Application());
  form->HandleNeeded();
  int swallowed = 0;
  auto menuState =
      std::make_unique<MessageHook>(Application().MessageHooks(), [&](MSG& msg, const MessageHookChain::Next& next) {
        if (msg.message == kProbe) {
          ++swallowed;
          return;
        }
        next(msg);
      });
  int seenByOther = 0;
  MessageHook other(Application().MessageHooks(), [&](MSG& msg, const MessageHookChain::Next& next) {
    if (msg.message == kProbe) ++seenByOther;
    next(msg);
  });
  PostMessageW(form->Handle(), kProbe, 0, 0);
  Application().ProcessMessages();
  EXPECT_EQ(swallowed, 1);
  EXPECT_FALSE(Heard(form->own, kProbe));
  menuState.reset();  // the older hook leaves first; the newer one stays
  PostMessageW(form->Handle(), kProbe, 0, 0);
  Application().ProcessMessages();
  EXPECT_TRUE(Heard(form->own, kProbe));
  EXPECT_EQ(seenByOther, 2);
  TComponent::Free(form);
}
