// The skinned form's system menu on a real window: its entries for the
// window's state, an application's own system menu merged, Alt+Space and
// the system-menu button opening it, a second request while it shows, the
// keyboard given back to the controls when it closes, and the messages
// that close it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework_input.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataBroadcast.h"
#include "skin/data/skSkinStoredSkin.h"
#include "skin/form/skSkinForm.h"

using namespace sk;
using namespace fwtest;
using fw::TComponent;

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override { fw::Application().Initialize(); }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

std::filesystem::path SkinIni() {
  std::wstring path = std::filesystem::path(QUILLET_PROGRAM_SKIN_DIR).wstring();
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  return std::filesystem::path(path) / L"skin.ini";
}

// "caption|caption|..." of the items, with the short cut of those that have one.
std::wstring Shown(const fw::TMenuItem& root) {
  std::wstring out;
  for (int i = 0; i < root.Count(); ++i) {
    const fw::TMenuItem& item = *root.Items(i);
    if (!out.empty()) out += L"|";
    out += item.Caption();
    if (item.ShortCut()) out += L" " + fw::ShortCutToText(item.ShortCut());
  }
  return out;
}

// Alt+Space as the message loop sees it from the keyboard (context code set).
void PostAltSpace(HWND to) { PostMessageW(to, WM_SYSKEYDOWN, VK_SPACE, 1 | (1 << 29)); }

// A skinned form with the program's skin, all five caption buttons and a
// focused memo.
class SystemMenuForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<fw::TForm>(&fw::Application());
    form_->SetText(L"System menu");
    form_->SetBounds(100, 100, 420, 300);
    memo_ = TComponent::Create<fw::TMemo>(form_);
    memo_->SetParent(form_);
    memo_->SetBounds(10, 10, 300, 200);
    auto* stored = TComponent::Create<TskCompressedStoredSkin>(form_);
    stored->ImportSkinFolder(SkinIni());
    data_ = TComponent::Create<TskSkinData>(form_);
    data_->SetCompressedStoredSkin(stored);
    skin_ = TComponent::Create<TskSkinForm>(form_);
    skin_->SetBorderIcons(kDefaultBorderIcons | biMinimizeToTray);
    skin_->SetSkinData(data_);
    skin_->OnSkinMenuOpen = [this](TComponent*) { events_.push_back(L"open"); };
    skin_->OnSkinMenuClose = [this](TComponent*) { events_.push_back(L"close"); };
    form_->OnClose = [this](TComponent*, fw::TCloseAction& action) {
      ++closes_;
      action = fw::TCloseAction::caNone;
    };
    keysToMemo_.Install(memo_->Hooks(), [this](fw::TMessage& m, const fw::WindowHookChain::Next& next) {
      if (m.msg == WM_KEYDOWN) ++memoKeys_;
      next(m);
    });
    form_->Show();
    memo_->SetFocus();
    ASSERT_TRUE(WaitUntil([&] { return GetFocus() == memo_->Handle(); }));
    loopHooks_ = fw::Application().MessageHooks().Count();
  }
  void TearDown() override {
    keysToMemo_.Remove();
    if (form_) TComponent::Free(form_);
    Pump(20);
    ReapPopups();
  }

  TskSkinMenu& Menu() const { return skin_->SkinMenu(); }
  TskSkinPopupWindow* Root() const { return Menu().PopupCount() ? Menu().Popup(0) : nullptr; }
  HWND Wnd() const { return form_->Handle(); }
  // The system-menu button on the screen.
  RECT SysMenuButton() const {
    RECT w;
    GetWindowRect(Wnd(), &w);
    for (const TskCaptionObjectLayout& o : skin_->CaptionObjects()) {
      if (o.command == cmSysMenu)
        return {w.left + o.rect.left, w.top + o.rect.top, w.left + o.rect.right, w.top + o.rect.bottom};
    }
    ADD_FAILURE() << "no system-menu button";
    return {};
  }
  std::wstring ShownNow() const {
    std::wstring out;
    TskSkinPopupWindow* root = Root();
    for (int i = 0; root && i < root->ItemCount(); ++i) out += (i ? L"|" : L"") + root->Item(i).MenuItem()->Caption();
    return out;
  }
  void Key(WORD key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    Pump(30);
  }
  // The keyboard is the controls' again and the loop has no hook of ours.
  void ExpectKeysBackWithTheControls() {
    EXPECT_EQ(fw::Application().MessageHooks().Count(), loopHooks_);
    const int before = memoKeys_;
    Key(VK_END);
    EXPECT_EQ(memoKeys_, before + 1) << "a key after the menu closed reaches the memo";
  }

  fw::TForm* form_ = nullptr;
  fw::TMemo* memo_ = nullptr;
  TskSkinData* data_ = nullptr;
  TskSkinForm* skin_ = nullptr;
  fw::WindowHook keysToMemo_;
  int memoKeys_ = 0;
  int closes_ = 0;
  size_t loopHooks_ = 0;
  std::vector<std::wstring> events_;
};

TEST_F(SystemMenuForm, EntriesFollowTheWindowsStateAtEveryRequest) {
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), L"Mi&nimize|Ma&ximize|Ro&llUp|Minimize to &Tray|-|&Close Alt+F4");
  // The skinned form maximises and rolls up by its own state.
  skin_->SetSkinWindowState(TskWindowState::Maximized);
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), L"Mi&nimize|&Restore|Ro&llUp|Minimize to &Tray|-|&Close Alt+F4");
  skin_->SetSkinWindowState(TskWindowState::Normal);
  skin_->RollUp(true);
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), L"Mi&nimize|Ma&ximize|&Restore|Minimize to &Tray|-|&Close Alt+F4");
  skin_->RollUp(false);

  // Fewer buttons, fewer entries; with none of them no separator either.
  skin_->SetBorderIcons(biSystemMenu | biMaximize);
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), L"Ma&ximize|-|&Close Alt+F4");
  skin_->SetBorderIcons(biSystemMenu);
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), L"&Close Alt+F4");

  // The skin's strings name the entries when it has them.
  auto* strings = TComponent::Create<TskResourceStrData>(form_);
  strings->SetResStrings(fw::TStringList({"MI_CLOSECAPTION=&Quit"}));
  data_->SetResourceStrData(strings);
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), L"&Quit Alt+F4");
}

TEST_F(SystemMenuForm, AnApplicationsMenuKeepsItsItemsBetweenTheStandardOnesAndClose) {
  auto* own = TComponent::Create<fw::TPopupMenu>(form_);
  std::vector<std::wstring> ran;
  for (const wchar_t* caption : {L"&About", L"&Options"}) {
    auto* item = TComponent::Create<fw::TMenuItem>(form_);
    item->SetCaption(caption);
    item->OnClick = [&ran, caption](TComponent*) { ran.push_back(caption); };
    own->Items()->Add(item);
  }
  skin_->SetSystemMenu(own);
  const std::wstring expected = L"Mi&nimize|Ma&ximize|Ro&llUp|Minimize to &Tray|&About|&Options|&Close Alt+F4";
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), expected);
  // Asked again, the standard entries are replaced, never added twice.
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), expected);

  // Shown and chosen like any other: the application's own item runs.
  PostAltSpace(Wnd());
  ASSERT_TRUE(WaitUntil([&] { return Menu().Visible(); }));
  EXPECT_EQ(ShownNow(), L"Mi&nimize|Ma&ximize|Ro&llUp|Minimize to &Tray|&About|&Options|&Close");
  Key('O');
  EXPECT_EQ(ran, (std::vector<std::wstring>{L"&Options"}));
  EXPECT_FALSE(skin_->MenuOpen());

  // Without the default entries only the application's items show.
  skin_->SetSystemMenu(nullptr);
  TComponent::Free(own);
  EXPECT_EQ(Shown(*skin_->SystemMenuItems()), L"Mi&nimize|Ma&ximize|Ro&llUp|Minimize to &Tray|-|&Close Alt+F4");
}

TEST_F(SystemMenuForm, AltSpaceOpensItBelowTheButtonAndCloseRunsOnce) {
  PostAltSpace(Wnd());
  ASSERT_TRUE(WaitUntil([&] { return Menu().Visible(); }));
  const RECT button = SysMenuButton();
  RECT r;
  GetWindowRect(Root()->Handle(), &r);
  EXPECT_EQ(r.left, button.left);
  EXPECT_EQ(r.top, button.bottom);
  EXPECT_EQ(ShownNow(), L"Mi&nimize|Ma&ximize|Ro&llUp|Minimize to &Tray|-|&Close");
  EXPECT_TRUE(skin_->MenuOpen());
  EXPECT_EQ(events_, (std::vector<std::wstring>{L"open"}));

  // Keys go to the menu, never to the memo, which keeps the focus.
  const int before = memoKeys_;
  Key(VK_DOWN);
  Key(VK_UP);
  EXPECT_EQ(memoKeys_, before);
  EXPECT_EQ(GetFocus(), memo_->Handle());

  Key('C');
  ASSERT_TRUE(WaitUntil([&] { return closes_ > 0; }));
  Pump(100);
  EXPECT_EQ(closes_, 1);
  EXPECT_FALSE(Menu().Visible());
  EXPECT_EQ(events_, (std::vector<std::wstring>{L"open", L"close"}));
  ExpectKeysBackWithTheControls();
}

TEST_F(SystemMenuForm, OpeningItAgainWhileItShowsLeavesTheKeyboardToBeGivenBack) {
  PostAltSpace(Wnd());
  ASSERT_TRUE(WaitUntil([&] { return Menu().Visible(); }));
  fw::TMenuItem* first = Root()->Item(0).MenuItem();
  // The items are built anew: the menu showing the old ones closes first.
  PostAltSpace(Wnd());
  Pump(50);
  ASSERT_TRUE(Menu().Visible());
  EXPECT_EQ(Menu().PopupCount(), 1);
  EXPECT_NE(Root()->Item(0).MenuItem(), first);
  EXPECT_EQ(ShownNow(), L"Mi&nimize|Ma&ximize|Ro&llUp|Minimize to &Tray|-|&Close");
  // Opened from the program too, without a close in between.
  skin_->ShowSystemMenuAt({300, 300});
  ASSERT_TRUE(Menu().Visible());
  EXPECT_EQ(fw::Application().MessageHooks().Count(), loopHooks_ + 1);

  Key(VK_ESCAPE);
  EXPECT_FALSE(Menu().Visible());
  EXPECT_FALSE(skin_->MenuOpen());
  ExpectKeysBackWithTheControls();
  EXPECT_EQ(events_, (std::vector<std::wstring>{L"open", L"close", L"open", L"close", L"open", L"close"}));
}

TEST_F(SystemMenuForm, TheButtonOpensItAndStaysPressedUntilItCloses) {
  const RECT button = SysMenuButton();
  ClickAt({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
  ASSERT_TRUE(WaitUntil([&] { return Menu().Visible(); }));
  RECT r;
  GetWindowRect(Root()->Handle(), &r);
  EXPECT_EQ(r.left, button.left);
  EXPECT_EQ(r.top, button.bottom);
  int index = 0;
  while (skin_->CaptionObjects()[index].command != cmSysMenu) ++index;
  ASSERT_TRUE(WaitUntil([&] { return GetCapture() == nullptr; }));
  EXPECT_TRUE(skin_->Tracker().State(index).pressed);
  Key(VK_ESCAPE);
  EXPECT_FALSE(skin_->MenuOpen());
  EXPECT_FALSE(skin_->Tracker().State(index).pressed);
  ExpectKeysBackWithTheControls();
}

TEST_F(SystemMenuForm, MovingDeactivatingOrTheMenuKeyCloseIt) {
  skin_->ShowSystemMenuAt({300, 300});
  ASSERT_TRUE(skin_->MenuOpen());
  SetWindowPos(Wnd(), nullptr, 120, 110, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(Menu().Visible());
  EXPECT_FALSE(skin_->MenuOpen());
  ExpectKeysBackWithTheControls();

  // Another window takes the activation.
  skin_->ShowSystemMenuAt({300, 300});
  ASSERT_TRUE(skin_->MenuOpen());
  auto* other = TComponent::Create<fw::TForm>(&fw::Application());
  other->SetBounds(700, 500, 200, 150);
  other->Show();
  SetForegroundWindow(other->Handle());
  ASSERT_TRUE(WaitUntil([&] { return !skin_->MenuOpen(); }));
  EXPECT_FALSE(Menu().Visible());
  TComponent::Free(other);
  Pump(20);
  EXPECT_EQ(fw::Application().MessageHooks().Count(), loopHooks_);

  // The menu key alone ends a menu; it never brings up the system's.
  skin_->ShowSystemMenuAt({300, 300});
  ASSERT_TRUE(skin_->MenuOpen());
  SendMessageW(Wnd(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  EXPECT_FALSE(skin_->MenuOpen());
  EXPECT_FALSE(Menu().Visible());
}

TEST_F(SystemMenuForm, TheCloseMenuMessageFromOutsideActsOnlyOnAnOpenMenu) {
  SendMessageW(Wnd(), SKINMSG_CLOSE_MENU, 0, 0);
  EXPECT_TRUE(events_.empty()) << "nothing was open: nothing closes";

  skin_->ShowSystemMenuAt({300, 300});
  ASSERT_TRUE(Menu().Visible());
  SendMessageW(Wnd(), SKINMSG_CLOSE_MENU, 0, 0);
  // The menu goes with its state: no window left showing while the keys
  // are the controls' again.
  EXPECT_FALSE(Menu().Visible());
  EXPECT_FALSE(skin_->MenuOpen());
  EXPECT_EQ(events_, (std::vector<std::wstring>{L"open", L"close"}));
  ExpectKeysBackWithTheControls();
}

// A popup menu on a form shows through the form's skinned form.
TEST_F(SystemMenuForm, PopupMenusGoThroughTheFormsSkinnedForm) {
  auto* popup = TComponent::Create<TskSkinPopupMenu>(form_);
  auto* item = TComponent::Create<fw::TMenuItem>(popup);
  item->SetCaption(L"&One");
  popup->Items()->Add(item);
  popup->Popup(320, 260);
  ASSERT_TRUE(skin_->MenuOpen());
  EXPECT_EQ(popup->SkinData(), data_) << "the form's skin, taken for good";
  EXPECT_EQ(MenuOwnerOf(form_), skin_);
  Key(VK_ESCAPE);
  EXPECT_FALSE(skin_->MenuOpen());
}

// An MDI child's menus show through the main form's skinned form, so one
// menu is open in the whole window; its entries are the child's own.
TEST(SystemMenuMDI, AChildsMenusShowThroughTheMainFormsSkinnedForm) {
  auto* main = fw::Application().CreateForm<fw::TForm>();
  main->SetBounds(40, 40, 700, 500);
  main->SetFormStyle(fw::TFormStyle::fsMDIForm);
  auto* mainSkin = TComponent::Create<TskSkinForm>(main);
  main->Show();
  auto* child = TComponent::Create<fw::TForm>(main);
  child->SetBounds(10, 10, 300, 200);
  child->SetFormStyle(fw::TFormStyle::fsMDIChild);
  auto* childSkin = TComponent::Create<TskSkinForm>(child);
  int childCloses = 0;
  child->OnClose = [&](TComponent*, fw::TCloseAction& action) {
    ++childCloses;
    action = fw::TCloseAction::caNone;
  };
  child->Show();
  Pump(50);
  EXPECT_EQ(MenuOwnerOf(child), mainSkin);
  EXPECT_EQ(MenuOwnerOf(main), mainSkin);
  const auto escape = [&] {
    PostMessageW(main->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
    Pump(30);
  };

  auto* popup = TComponent::Create<TskSkinPopupMenu>(child);
  auto* item = TComponent::Create<fw::TMenuItem>(popup);
  item->SetCaption(L"&One");
  popup->Items()->Add(item);
  popup->Popup(200, 200);
  EXPECT_TRUE(mainSkin->MenuOpen());
  EXPECT_TRUE(mainSkin->SkinMenu().Visible());
  EXPECT_FALSE(childSkin->SkinMenu().Visible());
  escape();
  EXPECT_FALSE(mainSkin->MenuOpen());

  childSkin->ShowSystemMenuAt({200, 200});
  ASSERT_TRUE(mainSkin->SkinMenu().Visible());
  TskSkinPopupWindow* root = mainSkin->SkinMenu().Popup(0);
  const fw::TMenuItem* close = root->Item(root->ItemCount() - 1).MenuItem();
  EXPECT_EQ(close->Caption(), L"&Close");
  EXPECT_EQ(close->ShortCut(), fw::TextToShortCut(L"Ctrl+F4"));
  PostMessageW(main->Handle(), WM_KEYDOWN, 'C', 1);
  ASSERT_TRUE(WaitUntil([&] { return childCloses > 0; }));
  EXPECT_EQ(childCloses, 1);
  EXPECT_FALSE(mainSkin->MenuOpen());

  TComponent::Free(main);
  Pump(20);
  ReapPopups();
  EXPECT_EQ(fw::Application().MainForm(), nullptr);
}

}  // namespace
