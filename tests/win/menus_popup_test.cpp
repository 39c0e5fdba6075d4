// Skinned popup menus in a real form: keys, accelerators and clicks run the
// right item once; submenus open after their delay; long menus scroll; the
// form keeps the focus and its keys; redundant lines go, actions update
// before their items show, owner-drawn items and items' own pictures paint
// where they belong; open and close cycles leave nothing behind; commands
// that free the form, and message pumps that close the menu half-way, are
// survived.
#include <gtest/gtest.h>

#include "framework/ActnList.h"
#include "framework/GdiObjects.h"
#include "framework/ImgList.h"
#include "framework/MessageWindow.h"
#include "framework/StdCtrls.h"
#include "framework_input.h"
#include "pixels_surface.h"
#include "skin/data/skSkinDataBroadcast.h"
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

// A form with a focused memo, a menu host and a popup menu of three levels:
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
    host = TComponent::Create<TskSkinMenuHost>(form);
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
  TskSkinMenuHost* host;
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

TEST(SkinMenus, RedundantLinesGoBeforeEachLevelShows) {
  MenuForm f(true);
  TMenuItem* root = f.popup->Items();
  // Leading, doubled, around a hidden item and trailing lines.
  root->Insert(0, f.Add(root, L"-"));
  TMenuItem* hidden = f.Add(root, L"&Hidden");
  root->Insert(root->IndexOf(f.more), hidden);
  hidden->SetVisible(false);
  root->Insert(root->IndexOf(f.more), f.Add(root, L"-"));
  f.Add(root, L"-");
  f.more->Insert(0, f.Add(f.more, L"-"));
  f.OpenAt(300, 200);
  TskSkinPopupWindow* level = f.Level(0);
  RECT r;
  GetWindowRect(level->Handle(), &r);
  EXPECT_EQ(level->ItemCount(), 6);
  EXPECT_EQ(r.bottom - r.top, 5 * 22 + 3 + 6);
  EXPECT_EQ(level->ActiveItem(), 0);
  EXPECT_EQ(level->Item(0).MenuItem(), f.open);
  // A submenu's lines go when it opens.
  f.Key('M');
  ASSERT_EQ(f.Menu().PopupCount(), 2);
  EXPECT_EQ(f.Level(1)->ItemCount(), 2);
  EXPECT_EQ(f.Level(1)->ActiveItem(), 0);
  f.Key(VK_ESCAPE);
  f.Key(VK_ESCAPE);

  // The hidden item shows: the line after it comes back.
  hidden->SetVisible(true);
  f.OpenAt(300, 200);
  ASSERT_EQ(f.Level(0)->ItemCount(), 8);
  EXPECT_TRUE(f.Level(0)->Item(4).IsLine());
  f.Key(VK_ESCAPE);

  // A menu that keeps its lines shows them all.
  f.popup->SetAutoLineReduction(TMenuAutoFlag::maManual);
  f.OpenAt(300, 200);
  GetWindowRect(f.Level(0)->Handle(), &r);
  EXPECT_EQ(f.Level(0)->ItemCount(), 10);
  EXPECT_EQ(r.bottom - r.top, 6 * 22 + 4 * 3 + 6);
  // The leading line is passed over: the first item that can be chosen shows highlighted.
  EXPECT_EQ(f.Level(0)->ActiveItem(), 1);
}

TEST(SkinMenus, ActionsUpdateBeforeTheirItemsShowAndRunWhenChosen) {
  MenuForm f(false);
  auto* undo = TComponent::Create<TAction>(f.form);
  int updates = 0;
  bool canUndo = true;
  undo->OnUpdate = [&](TComponent*) {
    ++updates;
    undo->SetCaption(L"&Undo " + std::to_wstring(updates));
    undo->SetVisible(canUndo);
  };
  undo->OnExecute = [&](TComponent*) { f.ran.push_back(L"undo"); };
  f.Add(f.popup->Items(), L"-");
  TMenuItem* item = f.Add(f.popup->Items(), L"");
  item->OnClick = nullptr;
  item->SetAction(undo);

  f.OpenAt(300, 200);
  TskSkinPopupWindow* level = f.Level(0);
  ASSERT_EQ(level->ItemCount(), 8);
  EXPECT_EQ(level->Item(7).MenuItem()->Caption(), L"&Undo 1");
  RECT r;
  GetWindowRect(level->Handle(), &r);
  EXPECT_EQ(r.bottom - r.top, 6 * 20 + 2 * 4 + 4);
  f.Key('U');
  EXPECT_EQ(f.ran, std::vector<std::wstring>{L"undo"});
  EXPECT_FALSE(f.Menu().Visible());

  // Hidden by its update: the item goes, and so does the line before it.
  canUndo = false;
  f.OpenAt(300, 200);
  EXPECT_EQ(updates, 2);
  EXPECT_EQ(f.Level(0)->ItemCount(), 6);
  GetWindowRect(f.Level(0)->Handle(), &r);
  EXPECT_EQ(r.bottom - r.top, 5 * 20 + 4 + 4);
}

TEST(SkinMenus, OwnerDrawnItemsDrawInTheirTextAreaAndNoFurther) {
  MenuForm f(true);
  struct Call {
    TRect rect;
    bool selected;
  };
  std::vector<Call> calls;
  constexpr TColor kGreen = 0x00FF00, kBlue = 0xFF0000, kRed = 0x0000FF;
  TBitmap picture(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) picture.SetPixel(x, y, kRed);
  }
  f.save->SetBitmap(picture);
  f.save->OnDrawItem = [&](TComponent* sender, TCanvas& canvas, const TRect& t, bool selected) {
    EXPECT_EQ(sender, f.save);
    calls.push_back({t, selected});
    canvas.Brush().style = TBrushStyle::bsSolid;
    canvas.Brush().color = kGreen;
    canvas.FillRect(t);
    // Beyond its item: cut off.
    canvas.Brush().color = kBlue;
    canvas.FillRect({t.left, t.bottom, t.right, t.bottom + 40});
  };
  f.OpenAt(300, 200);
  TskSkinPopupWindow* level = f.Level(0);
  const TRect item = level->Item(1).rect;
  pixels::Surface shot(level->Width(), level->Height());
  level->PaintWhole(shot.canvas.Handle());
  ASSERT_FALSE(calls.empty());
  // The skin's text rectangle, widened with the item; not highlighted.
  EXPECT_EQ(calls.back().rect, (TRect{26, 0, 85 + item.Width() - 89, 22}));
  EXPECT_FALSE(calls.back().selected);
  EXPECT_EQ(shot.At(item.left + 40, item.top + 11), kGreen);
  // The item's picture is the handler's to draw; the next row is untouched.
  EXPECT_NE(shot.At(item.left + 12, item.top + 11), kRed);
  for (int y = item.bottom; y < item.bottom + 40; ++y) EXPECT_NE(shot.At(item.left + 40, y), kBlue) << y;

  // Highlighted, the item is drawn again, selected.
  calls.clear();
  f.Key(VK_DOWN);
  ASSERT_EQ(level->ActiveItem(), 1);
  ASSERT_FALSE(calls.empty());
  EXPECT_TRUE(calls.back().selected);
}

TEST(SkinMenus, AnItemsOwnPictureComesBeforeItsImageListImage) {
  constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kKey = 0xFF00FF;
  // Red, with a bottom row in the key colour that the picture leaves out.
  TBitmap picture(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) picture.SetPixel(x, y, y == 15 ? kKey : kRed);
  }
  TBitmap blue(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) blue.SetPixel(x, y, kBlue);
  }
  for (bool skinned : {true, false}) {
    SCOPED_TRACE(skinned ? "skin look" : "plain look");
    MenuForm f(skinned);
    auto* images = TComponent::Create<TImageList>(f.form);
    images->AddMasked(blue, kKey);
    f.popup->SetImages(images);
    f.open->SetImageIndex(0);
    f.exit->SetImageIndex(0);
    f.exit->SetBitmap(picture);
    f.exit->SetChecked(true);
    f.OpenAt(300, 200);
    TskSkinPopupWindow* level = f.Level(0);
    pixels::Surface shot(level->Width(), level->Height());
    level->PaintWhole(shot.canvas.Handle());
    // Centred in the skin's image rectangle (2, 0, 22, 22), or two pixels
    // into the plain look's inner rectangle, centred vertically.
    const TPoint at = skinned ? TPoint{4, 3} : TPoint{4, 2};
    const TRect exit = level->Item(5).rect;
    const TRect open = level->Item(0).rect;
    EXPECT_EQ(shot.At(exit.left + at.x + 8, exit.top + at.y + 8), kRed);
    EXPECT_NE(shot.At(exit.left + at.x + 8, exit.top + at.y + 15), kKey);
    EXPECT_EQ(shot.At(open.left + at.x + 8, open.top + at.y + 8), kBlue);
    // Checked: a frame one pixel around the picture, in the text colour.
    const TColor frame = shot.At(exit.left + at.x - 1, exit.top + at.y + 8);
    EXPECT_EQ(frame, shot.At(exit.left + at.x + 16, exit.top + at.y + 8));
    EXPECT_NE(frame, shot.At(exit.left + at.x - 1, open.top + at.y + 8));
  }
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
