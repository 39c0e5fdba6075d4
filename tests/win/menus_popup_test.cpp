// Skinned popup menus in a real form: keys, accelerators and clicks run the
// right item once; submenus open after their delay; long menus scroll; the
// form keeps the focus and its keys; open and close cycles leave nothing
// behind; commands that free the form, and message pumps that close the
// menu half-way, are survived.
#include <gtest/gtest.h>

#include "framework/GdiObjects.h"
#include "framework/MessageWindow.h"
#include "framework/StdCtrls.h"
#include "framework_input.h"
#include "skin/data/skSkinDataBroadcast.h"
#include "skin/form/skSkinForm.h"
#include "skin/menus/skMenusPopup.h"

using namespace fw;
using namespace fwtest;
using namespace sk;

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override { Application().Initialize(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

int ThreadWindowCount() {
  int n = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND, LPARAM count) {
        ++*reinterpret_cast<int*>(count);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&n));
  return n;
}

// A skinned form with a focused memo and a popup menu of three levels:
//   &Open, &Save (Ctrl+S), -, &More > (&Alpha, &Beta > (&One, &Two)), &Disabled (disabled), E&xit
class MenuForm {
 public:
  explicit MenuForm(bool skinned) {
    form = TComponent::Create<TForm>(&Application());
    form->SetBounds(100, 100, 400, 300);
    memo = TComponent::Create<TMemo>(form);
    memo->SetParent(form);
    memo->SetBounds(10, 10, 300, 200);
    skin = TComponent::Create<TskSkinData>(form);
    if (skinned) {
      TskCompressedStoredSkin stored(nullptr);
      stored.ImportSkinFolder(QUILLET_SKIN_INI);
      skin->LoadFromStoredSkin(stored);
    }
    host = TComponent::Create<TskSkinForm>(form);
    host->SetSkinData(skin);
    popup = TComponent::Create<TskSkinPopupMenu>(form);
    open = Add(popup->Items(), L"&Open");
    save = Add(popup->Items(), L"&Save");
    save->SetShortCut(TextToShortCut(L"Ctrl+S"));
    Add(popup->Items(), L"-");
    more = Add(popup->Items(), L"&More");
    alpha = Add(more, L"&Alpha");
    beta = Add(more, L"&Beta");
    one = Add(beta, L"&One");
    two = Add(beta, L"&Two");
    Add(popup->Items(), L"&Disabled")->SetEnabled(false);
    exit = Add(popup->Items(), L"E&xit");
    form->Show();
    memo->SetFocus();
    WaitUntil([&] { return GetFocus() == memo->Handle(); });
  }
  ~MenuForm() {
    if (form) TComponent::Free(form);
    Pump(20);
    ReapPopups();
  }

  TMenuItem* Add(TMenuItem* parent, const std::wstring& caption) {
    auto* item = TComponent::Create<TMenuItem>(form);
    item->SetCaption(caption);
    item->OnClick = [this, item](TComponent*) { ran.push_back(StripHotkey(item->Caption())); };
    parent->Add(item);
    return item;
  }
  TskSkinMenu& Menu() const { return host->SkinMenu(); }
  TskSkinPopupWindow* Level(int i) const { return i < Menu().PopupCount() ? Menu().Popup(i) : nullptr; }
  void Key(WORD key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    Pump(30);
  }
  void OpenAt(int x, int y) {
    popup->Popup(x, y);
    ASSERT_TRUE(Menu().Visible());
  }

  TForm* form;
  TMemo* memo;
  TskSkinData* skin;
  TskSkinForm* host;
  TskSkinPopupMenu* popup;
  TMenuItem *open, *save, *more, *alpha, *beta, *one, *two, *exit;
  std::vector<std::wstring> ran;
};

}  // namespace

TEST(SkinMenus, WindowsAreSkinnedPopupsThatNeverTakeTheFocus) {
  MenuForm f(true);
  f.OpenAt(300, 200);
  TskSkinPopupWindow* root = f.Level(0);
  ASSERT_NE(root, nullptr);
  HWND wnd = root->Handle();
  wchar_t name[64] = {};
  GetClassNameW(wnd, name, 64);
  EXPECT_STREQ(name, L"TskSkinPopupWindow");
  EXPECT_EQ(GetClassLongPtrW(wnd, GCL_STYLE) & (CS_DBLCLKS | CS_SAVEBITS | CS_DROPSHADOW),
            static_cast<ULONG_PTR>(CS_DBLCLKS | CS_SAVEBITS | CS_DROPSHADOW));
  EXPECT_EQ(SendMessageW(wnd, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
  RECT r;
  GetWindowRect(wnd, &r);
  // 5 items of 22, a separator of 3, the window picture's 6.
  EXPECT_EQ(r.bottom - r.top, 5 * 22 + 3 + 6);
  EXPECT_EQ(r.left, 300);
  EXPECT_EQ(r.top, 200);
  // The first selectable item is highlighted.
  EXPECT_EQ(root->ActiveItem(), 0);

  // A key that is no accelerator goes to the menu, never into the memo.
  const std::wstring before = f.memo->Text();
  PostMessageW(f.memo->Handle(), WM_KEYDOWN, 'Q', 0);
  Pump(50);
  EXPECT_EQ(f.memo->Text(), before);
  EXPECT_EQ(GetFocus(), f.memo->Handle());
  EXPECT_EQ(GetForegroundWindow(), f.form->Handle());

  // A click on the form closes the menu.
  const TPoint onForm = f.memo->ClientToScreen({20, 20});
  ClickAt({onForm.x, onForm.y});
  ASSERT_TRUE(WaitUntil([&] { return !f.Menu().Visible(); }));
  EXPECT_TRUE(f.ran.empty());
  EXPECT_FALSE(f.host->MenuOpen());
}

TEST(SkinMenus, KeysAndAcceleratorsRunTheRightItemOnce) {
  MenuForm f(true);
  f.OpenAt(300, 200);
  f.Key(VK_DOWN);  // Save
  f.Key(VK_DOWN);  // More, past the separator
  EXPECT_EQ(f.Level(0)->ActiveItem(), 3);
  f.Key(VK_LEFT);  // nothing in the root
  EXPECT_TRUE(f.Menu().Visible());
  f.Key(VK_RIGHT);  // opens More at once
  ASSERT_EQ(f.Menu().PopupCount(), 2);
  EXPECT_EQ(f.Level(1)->ActiveItem(), 0);
  f.Key(VK_DOWN);
  f.Key(VK_RIGHT);  // Beta
  ASSERT_EQ(f.Menu().PopupCount(), 3);
  f.Key(VK_LEFT);  // back out of One/Two
  EXPECT_EQ(f.Menu().PopupCount(), 2);
  f.Key(VK_ESCAPE);
  EXPECT_EQ(f.Menu().PopupCount(), 1);
  f.Key(VK_UP);  // from More up past the separator to Save
  f.Key(VK_RETURN);
  // Opening a submenu runs its item's command too, before the level shows.
  EXPECT_EQ(f.ran, (std::vector<std::wstring>{L"More", L"Beta", L"Save"}));
  EXPECT_FALSE(f.Menu().Visible());

  // Accelerators: the submenu opens and runs its item.
  f.ran.clear();
  f.OpenAt(300, 200);
  f.Key('M');
  ASSERT_EQ(f.Menu().PopupCount(), 2);
  f.Key('B');
  f.Key('T');
  EXPECT_EQ(f.ran, (std::vector<std::wstring>{L"More", L"Beta", L"Two"}));
  EXPECT_FALSE(f.Menu().Visible());

  // Escape in the root closes everything and runs nothing; the memo kept
  // its focus all along.
  f.ran.clear();
  f.OpenAt(300, 200);
  f.Key('D');  // disabled: highlighted, not run
  EXPECT_TRUE(f.Menu().Visible());
  f.Key(VK_ESCAPE);
  EXPECT_FALSE(f.Menu().Visible());
  EXPECT_TRUE(f.ran.empty());
  EXPECT_EQ(GetFocus(), f.memo->Handle());
  EXPECT_TRUE(f.memo->Text().empty());
}

TEST(SkinMenus, SubmenuOpensAfterTheDelayAndAClickRunsItsItemOnce) {
  MenuForm f(true);
  MoveMouse(Outside());
  f.OpenAt(300, 200);
  TskSkinPopupWindow* root = f.Level(0);
  const TPoint more = root->ClientToScreen({root->Item(3).rect.left + 20, root->Item(3).rect.top + 8});
  const DWORD start = GetTickCount();
  MoveMouse({more.x, more.y});
  ASSERT_TRUE(WaitUntil([&] { return f.Menu().PopupCount() == 2; }, 3000));
  EXPECT_GE(GetTickCount() - start, 400u);
  TskSkinPopupWindow* sub = f.Level(1);
  RECT r;
  GetWindowRect(sub->Handle(), &r);
  const TPoint item = root->ClientToScreen({root->Item(3).rect.right, root->Item(3).rect.top});
  EXPECT_EQ(r.left, item.x + 1);
  EXPECT_EQ(r.top, item.y - sub->ItemsRect().top);

  const TPoint alpha = sub->ClientToScreen({sub->Item(0).rect.left + 20, sub->Item(0).rect.top + 8});
  ClickAt({alpha.x, alpha.y});
  ASSERT_TRUE(WaitUntil([&] { return !f.ran.empty(); }));
  Pump(100);
  EXPECT_EQ(f.ran, (std::vector<std::wstring>{L"More", L"Alpha"}));
  EXPECT_FALSE(f.Menu().Visible());
  EXPECT_EQ(GetFocus(), f.memo->Handle());
}

TEST(SkinMenus, ClosingALevelStopsItsSubmenuDelay) {
  MenuForm f(true);
  MoveMouse(Outside());
  f.OpenAt(300, 200);
  f.Key('M');
  TskSkinPopupWindow* sub = f.Level(1);
  ASSERT_NE(sub, nullptr);
  // Hovering Beta starts its delay; the level closes before it expires.
  const TPoint beta = sub->ClientToScreen({sub->Item(1).rect.left + 20, sub->Item(1).rect.top + 8});
  MoveMouse({beta.x, beta.y});
  ASSERT_TRUE(WaitUntil([&] { return sub->ActiveItem() == 1; }, 1000));
  f.Key(VK_LEFT);
  EXPECT_EQ(f.Menu().PopupCount(), 1);
  Pump(800);
  EXPECT_EQ(f.Menu().PopupCount(), 1);
  EXPECT_EQ(f.ran, (std::vector<std::wstring>{L"More"}));
}

TEST(SkinMenus, ControlThatOpenedTheMenuHearsTheCloseThenTheCommand) {
  MenuForm f(false);
  auto* button = TComponent::Create<TButton>(f.form);
  button->SetParent(f.form);
  std::vector<std::wstring> heard;
  WindowHook hook(button->Hooks(), [&](TMessage& m, const WindowHookChain::Next& next) {
    if (m.msg == SKINMSG_CLOSE_MENU) heard.push_back(L"close");
    if (m.msg == SKINMSG_MENU_COMMAND) heard.push_back(L"command");
    next(m);
  });
  f.open->OnClick = [&](TComponent*) {
    // The menu is gone before the command runs.
    EXPECT_FALSE(f.Menu().Visible());
    EXPECT_EQ(f.Menu().PopupCount(), 0);
    heard.push_back(L"click");
  };
  f.popup->PopupAt({300, 200, 380, 220}, false, button);
  ASSERT_TRUE(f.Menu().Visible());
  f.Key(VK_RETURN);
  EXPECT_EQ(heard, (std::vector<std::wstring>{L"close", L"click", L"command"}));
}

TEST(SkinMenus, PlainLookAndLongMenusScroll) {
  MenuForm f(false);
  f.OpenAt(300, 200);
  RECT r;
  GetWindowRect(f.Level(0)->Handle(), &r);
  EXPECT_EQ(r.bottom - r.top, 5 * 20 + 4 + 4);
  f.Key(VK_ESCAPE);

  // Longer than the work area: cut to it, at its top, and scrolled by keys.
  for (int i = 0; i < 80; ++i) f.Add(f.popup->Items(), L"Item " + std::to_wstring(i));
  f.OpenAt(300, 200);
  TskSkinPopupWindow* root = f.Level(0);
  GetWindowRect(root->Handle(), &r);
  const TRect wa = Screen().WorkAreaRect();
  EXPECT_EQ(r.bottom - r.top, wa.Height());
  EXPECT_EQ(r.top, wa.top);
  EXPECT_TRUE(root->Scrolling());
  EXPECT_FALSE(root->Limited());
  for (int i = 0; i < 60; ++i) PostMessageW(GetFocus(), WM_KEYDOWN, VK_DOWN, 0);
  Pump(200);
  EXPECT_GT(root->FirstShown(), 0);
  EXPECT_TRUE(root->Item(root->ActiveItem()).shown);

  // The bottom marker scrolls under the mouse, a step each 100 ms.
  f.Key(VK_ESCAPE);
  f.OpenAt(300, 200);
  root = f.Level(0);
  const TPoint zone = root->ClientToScreen({root->Width() / 2, root->Height() - 6});
  MoveMouse({zone.x, zone.y});
  ASSERT_TRUE(WaitUntil([&] { return root->FirstShown() >= 3; }, 3000));
  EXPECT_EQ(root->ScrollCode(), 2);
  MoveMouse(Outside());
  ASSERT_TRUE(WaitUntil([&] { return root->ScrollCode() == 0; }, 1000));
  f.Key(VK_ESCAPE);

  // A limit on the items a window shows.
  f.host->SkinMenu().SetMaxMenuItemsInWindow(5);
  f.OpenAt(300, 200);
  GetWindowRect(f.Level(0)->Handle(), &r);
  EXPECT_EQ(r.bottom - r.top, 5 * 20 + 24);
  EXPECT_TRUE(f.Level(0)->Limited());
  EXPECT_EQ(f.Level(0)->ShownCount(), 5);
}

TEST(SkinMenus, CommandThatFreesTheFormIsSurvived) {
  MenuForm f(true);
  TForm* form = f.form;
  f.exit->OnClick = [&](TComponent*) {
    TComponent::Free(form);
    f.form = nullptr;
  };
  f.OpenAt(300, 200);
  f.Key('X');
  EXPECT_EQ(f.form, nullptr);
  Pump(50);
  ReapPopups();

  // The same from a mouse click, whose handler runs in the menu's own window.
  MenuForm g(true);
  TForm* other = g.form;
  g.exit->OnClick = [&](TComponent*) {
    TComponent::Free(other);
    g.form = nullptr;
  };
  g.OpenAt(300, 200);
  TskSkinPopupWindow* root = g.Level(0);
  const TPoint exitAt = root->ClientToScreen({root->Item(5).rect.left + 20, root->Item(5).rect.top + 8});
  ClickAt({exitAt.x, exitAt.y});
  ASSERT_TRUE(WaitUntil([&] { return g.form == nullptr; }));
  Pump(50);
}

TEST(SkinMenus, AMessagePumpThatClosesTheMenuWhileItOpensEndsTheOpening) {
  MenuForm f(true);
  TskSkinMenu& menu = f.Menu();
  menu.SetAlphaBlend(true);
  menu.SetAlphaBlendAnimation(true);
  menu.SetAlphaBlendValue(200);
  // Waiting in the queue: the pump before the fade delivers it.
  PostMessageW(f.form->Handle(), WM_CANCELMODE, 0, 0);
  f.popup->Popup(300, 200);
  EXPECT_FALSE(menu.Visible());
  EXPECT_EQ(menu.PopupCount(), 0);

  // Without anything pending the menu fades in to its alpha.
  f.popup->Popup(300, 200);
  ASSERT_TRUE(menu.Visible());
  HWND wnd = f.Level(0)->Handle();
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(wnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
}

TEST(SkinMenus, OpenCloseCyclesLeaveNoHandlesBehind) {
  MenuForm f(true);
  f.OpenAt(300, 200);
  f.Key(VK_ESCAPE);
  Pump(20);
  ReapPopups();
  const int gdi = HandleCounters::Gdi();
  const int windows = ThreadWindowCount();
  const size_t timers = MessageWindow::Instance().TimerCount();
  for (int i = 0; i < 10000; ++i) {
    f.popup->Popup(300 + i % 50, 200);
    if (i % 10 == 0) f.Menu().KeyDown('M');  // a second level now and then
    f.Menu().CloseSkinMenu();
    if (i % 200 == 0) {
      Application().ProcessMessages();
      ReapPopups();
    }
  }
  Pump(20);
  ReapPopups();
  EXPECT_EQ(HandleCounters::Gdi(), gdi);
  EXPECT_EQ(ThreadWindowCount(), windows);
  EXPECT_EQ(MessageWindow::Instance().TimerCount(), timers);
}
