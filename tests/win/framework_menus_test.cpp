// Menus on real windows: the platform menu bar built from the items and
// rebuilt on change, its posted commands, the platform popup driven by the
// keyboard, the popup handler, short cuts through the message loop, and
// menus declared in a layout.
#include <gtest/gtest.h>

#include <vector>

#include "framework/Bmp.h"
#include "framework/Exceptions.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/MenusWin.h"
#include "framework/StandardClasses.h"
#include "framework/StdCtrls.h"

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

std::wstring ItemText(HMENU menu, int index) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, index, text, 128, MF_BYPOSITION);
  return text;
}

MENUITEMINFOW ItemInfo(HMENU menu, int index) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
  GetMenuItemInfoW(menu, index, TRUE, &info);
  return info;
}

class Menus : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<TForm>(&Application());
    form_->SetBounds(10, 10, 300, 200);
  }
  void TearDown() override {
    TComponent::Free(form_);
    Application().ProcessMessages();
  }
  TMenuItem* Add(TMenuItem* parent, const wchar_t* caption, TShortCut shortCut = scNone) {
    auto* item = TComponent::Create<TMenuItem>(form_);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    item->OnClick = [this](TComponent* sender) { ran_.push_back(static_cast<TMenuItem*>(sender)->Caption()); };
    parent->Add(item);
    return item;
  }
  TForm* form_ = nullptr;
  std::vector<std::wstring> ran_;
};

TEST_F(Menus, BarShowsTheVisibleItemsWithTheirStatesAndFollowsChanges) {
  auto* menu = TComponent::Create<TMainMenu>(form_);
  TMenuItem* file = Add(menu->Items(), L"&File");
  TMenuItem* open = Add(file, L"&Open", TextToShortCut(L"Ctrl+O"));
  Add(file, L"-");
  TMenuItem* hidden = Add(file, L"Hidden");
  TMenuItem* recent = Add(file, L"&Recent");
  Add(recent, L"one.txt");
  TMenuItem* exit = Add(file, L"E&xit", TextToShortCut(L"Alt+F4"));
  TMenuItem* view = Add(menu->Items(), L"&View");
  TMenuItem* big = Add(view, L"&Big");
  TMenuItem* small = Add(view, L"&Small");
  hidden->SetVisible(false);
  exit->SetEnabled(false);
  open->SetDefault(true);
  for (TMenuItem* i : {big, small}) i->SetRadioItem(true);
  small->SetChecked(true);

  form_->SetMenu(menu);
  HWND wnd = form_->Handle();  // the bar arrives with the window
  HMENU bar = GetMenu(wnd);
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(ItemText(bar, 0), L"&File");
  HMENU fileMenu = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(fileMenu), 4);  // the hidden item left out
  EXPECT_EQ(ItemText(fileMenu, 0), L"&Open\tCtrl+O");
  EXPECT_EQ(ItemInfo(fileMenu, 0).wID, open->Command());
  EXPECT_TRUE(ItemInfo(fileMenu, 0).fState & MFS_DEFAULT);
  EXPECT_TRUE(ItemInfo(fileMenu, 1).fType & MFT_SEPARATOR);
  EXPECT_NE(ItemInfo(fileMenu, 2).hSubMenu, nullptr);
  EXPECT_EQ(ItemText(GetSubMenu(fileMenu, 2), 0), L"one.txt");
  EXPECT_EQ(ItemText(fileMenu, 3), L"E&xit\tAlt+F4");
  EXPECT_TRUE(ItemInfo(fileMenu, 3).fState & MFS_DISABLED);
  HMENU viewMenu = GetSubMenu(bar, 1);
  EXPECT_TRUE(ItemInfo(viewMenu, 1).fType & MFT_RADIOCHECK);
  EXPECT_TRUE(ItemInfo(viewMenu, 1).fState & MFS_CHECKED);
  EXPECT_FALSE(ItemInfo(viewMenu, 0).fState & MFS_CHECKED);

  // Every change reaches the bar.
  big->SetChecked(true);
  open->SetCaption(L"&Open...");
  hidden->SetVisible(true);
  bar = GetMenu(wnd);
  fileMenu = GetSubMenu(bar, 0);
  EXPECT_EQ(ItemText(fileMenu, 0), L"&Open...\tCtrl+O");
  EXPECT_EQ(GetMenuItemCount(fileMenu), 5);
  EXPECT_TRUE(ItemInfo(GetSubMenu(bar, 1), 0).fState & MFS_CHECKED);
  EXPECT_FALSE(ItemInfo(GetSubMenu(bar, 1), 1).fState & MFS_CHECKED);

  // A recreated window gets the bar again.
  form_->SetBorderStyle(TFormBorderStyle::bsSingle);
  ASSERT_NE(form_->Handle(), nullptr);
  EXPECT_NE(GetMenu(form_->Handle()), nullptr);

  form_->SetMenu(nullptr);
  EXPECT_EQ(GetMenu(form_->Handle()), nullptr);
  form_->SetMenu(menu);
  EXPECT_NE(GetMenu(form_->Handle()), nullptr);
  TComponent::Free(menu);  // leaves the form and takes its bar away
  EXPECT_EQ(form_->Menu(), nullptr);
  EXPECT_EQ(GetMenu(form_->Handle()), nullptr);
}

TEST_F(Menus, PostedBarCommandsRunTheirItem) {
  auto* menu = TComponent::Create<TMainMenu>(form_);
  TMenuItem* file = Add(menu->Items(), L"&File");
  TMenuItem* save = Add(file, L"&Save");
  TMenuItem* quit = Add(file, L"&Quit");
  form_->SetMenu(menu);
  HWND wnd = form_->Handle();
  PostMessageW(wnd, WM_COMMAND, quit->Command(), 0);
  PostMessageW(wnd, WM_COMMAND, save->Command(), 0);
  PostMessageW(wnd, WM_COMMAND, MAKEWPARAM(save->Command(), 1), 0);  // an accelerator's, not a menu's
  Application().ProcessMessages();
  EXPECT_EQ(ran_, (std::vector<std::wstring>{L"&Quit", L"&Save"}));
}

// Keys posted before the platform menu opens drive its own loop; a thread
// timer ends a menu that would otherwise wait for a user.
void DriveNextMenu(HWND owner, std::initializer_list<WPARAM> keys) {
  for (WPARAM key : keys) PostMessageW(owner, WM_KEYDOWN, key, 1);
  SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
  });
}

TEST_F(Menus, PlatformPopupRunsTheChosenItemAfterClosing) {
  auto* popup = TComponent::Create<TPopupMenu>(form_);
  Add(popup->Items(), L"&Cut");
  Add(popup->Items(), L"C&opy");
  Add(popup->Items(), L"&Paste");
  int popups = 0;
  popup->OnPopup = [&](TComponent*) { ++popups; };
  form_->Show();
  Application().ProcessMessages();
  DriveNextMenu(form_->Handle(), {VK_DOWN, VK_DOWN, VK_RETURN});
  popup->Popup(50, 50);
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(ran_, std::vector<std::wstring>{L"C&opy"});

  // By accelerator; then cancelled with Escape.
  ran_.clear();
  DriveNextMenu(form_->Handle(), {'P'});
  popup->Popup(50, 50);
  EXPECT_EQ(ran_, std::vector<std::wstring>{L"&Paste"});
  ran_.clear();
  DriveNextMenu(form_->Handle(), {VK_ESCAPE});
  popup->Popup(50, 50);
  EXPECT_TRUE(ran_.empty());
  EXPECT_EQ(popups, 3);
}

TEST_F(Menus, PopupHandlerShowsTheMenuInstead) {
  auto* popup = TComponent::Create<TPopupMenu>(form_);
  Add(popup->Items(), L"&Cut");
  std::vector<std::wstring> calls;
  popup->OnPopup = [&](TComponent*) { calls.push_back(L"OnPopup"); };
  popup->PopupHandler = [&](TPopupMenu& menu, int x, int y) {
    calls.push_back(L"handler " + std::to_wstring(x) + L"," + std::to_wstring(y));
    menu.Items()->Items(0)->Click();
    return true;
  };
  form_->Show();
  const DWORD start = GetTickCount();
  popup->Popup(7, 9);
  EXPECT_LT(GetTickCount() - start, 2000u);  // no platform menu waited for the timer
  EXPECT_EQ(calls, (std::vector<std::wstring>{L"OnPopup", L"handler 7,9"}));
  EXPECT_EQ(ran_, std::vector<std::wstring>{L"&Cut"});
}

TEST_F(Menus, ShortCutsGoToTheFormThenItsBarThenItsPopups) {
  auto* memo = TComponent::Create<TMemo>(form_);
  memo->SetParent(form_);
  auto* menu = TComponent::Create<TMainMenu>(form_);
  auto* popup = TComponent::Create<TPopupMenu>(form_);
  Add(menu->Items(), L"F2 in bar", ShortCut(VK_F2, scNone));
  Add(menu->Items(), L"F5 in bar", ShortCut(VK_F5, scNone));
  Add(popup->Items(), L"F5 in popup", ShortCut(VK_F5, scNone));
  Add(popup->Items(), L"F6 in popup", ShortCut(VK_F6, scNone));
  Add(popup->Items(), L"Ctrl+S", TextToShortCut(L"Ctrl+S"));
  Add(popup->Items(), L"Alt+X", TextToShortCut(L"Alt+X"));
  form_->SetMenu(menu);
  std::vector<std::wstring> asked;
  form_->OnShortCut = [&](TComponent*, uint16_t key, TShortCut shift, bool& handled) {
    asked.push_back(ShortCutToText(ShortCut(key, shift)));
    handled = key == VK_F2;
  };
  HWND edit = memo->Handle();
  for (WPARAM key : {VK_F2, VK_F5, VK_F6, VK_F7}) PostMessageW(edit, WM_KEYDOWN, key, 1);
  // Alt comes with the system key message itself.
  PostMessageW(edit, WM_SYSKEYDOWN, 'X', 1 | (1 << 29));
  Application().ProcessMessages();
  EXPECT_EQ(asked, (std::vector<std::wstring>{L"F2", L"F5", L"F6", L"F7", L"Alt+X"}));
  EXPECT_EQ(ran_, (std::vector<std::wstring>{L"F5 in bar", L"F6 in popup", L"Alt+X"}));

  // Control as the thread's keyboard state has it.
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE held[256];
  std::copy(std::begin(keys), std::end(keys), held);
  held[VK_CONTROL] = 0x80;
  SetKeyboardState(held);
  ran_.clear();
  PostMessageW(edit, WM_KEYDOWN, 'S', 1);
  Application().ProcessMessages();
  SetKeyboardState(keys);
  EXPECT_EQ(ran_, std::vector<std::wstring>{L"Ctrl+S"});
}

TEST_F(Menus, ErrorsOfShortCutHandlersReachTheApplication) {
  auto* popup = TComponent::Create<TPopupMenu>(form_);
  TMenuItem* item = Add(popup->Items(), L"Broken", ShortCut(VK_F9, scNone));
  item->OnClick = [](TComponent*) { throw EInvalidOperation(L"broken item"); };
  std::vector<std::wstring> errors;
  Application().OnException = [&](const std::wstring& message) { errors.push_back(message); };
  PostMessageW(form_->Handle(), WM_KEYDOWN, VK_F9, 1);
  Application().ProcessMessages();
  Application().OnException = nullptr;
  EXPECT_EQ(errors, std::vector<std::wstring>{L"broken item"});
}

TEST_F(Menus, LayoutDeclaresMenusItemsAndImageLists) {
  TBitmap strip(32, 16, TPixelFormat::pf24bit);
  TMemoryStream bmp;
  WriteBmp(strip, bmp);
  LayoutSources sources;
  sources.methods = [this](const std::wstring& name) -> TNotifyEvent {
    return [this, name](TComponent*) { ran_.push_back(name); };
  };
  sources.binaries = [&](const std::wstring&) { return bmp.Bytes(); };
  ReadLayout(*form_, R"(object Form1: TForm
  Menu = MainMenu1
  object Images1: TImageList
    Width = 16
    Height = 16
    Bitmap = @strip
  end
  object MainMenu1: TMainMenu
    Images = Images1
    object File1: TMenuItem
      Caption = '&File'
      object Save1: TMenuItem
        Caption = '&Save'
        ShortCut = 'Ctrl+S'
        ImageIndex = 1
        OnClick = SaveClick
      end
      object Quit1: TMenuItem
        Caption = '&Quit'
        ShortCut = 32883
        Enabled = False
      end
    end
  end
  object Popup1: TPopupMenu
    OnPopup = PopupShown
    object Mode1: TMenuItem
      Caption = 'One'
      RadioItem = True
      GroupIndex = 2
      Checked = True
      Default = True
    end
  end
end
)",
             sources);
  auto* images = dynamic_cast<TImageList*>(form_->FindComponent(L"Images1"));
  auto* menu = dynamic_cast<TMainMenu*>(form_->FindComponent(L"MainMenu1"));
  auto* popup = dynamic_cast<TPopupMenu*>(form_->FindComponent(L"Popup1"));
  auto* save = dynamic_cast<TMenuItem*>(form_->FindComponent(L"Save1"));
  auto* quit = dynamic_cast<TMenuItem*>(form_->FindComponent(L"Quit1"));
  auto* mode = dynamic_cast<TMenuItem*>(form_->FindComponent(L"Mode1"));
  ASSERT_TRUE(images && menu && popup && save && quit && mode);
  EXPECT_EQ(images->Count(), 2);
  EXPECT_EQ(menu->Images(), images);
  EXPECT_EQ(form_->Menu(), menu);
  EXPECT_EQ(save->Parent()->Caption(), L"&File");
  EXPECT_EQ(save->GetParentMenu(), menu);
  EXPECT_EQ(ShortCutToText(save->ShortCut()), L"Ctrl+S");
  EXPECT_EQ(ShortCutToText(quit->ShortCut()), L"Alt+F4");
  EXPECT_FALSE(quit->Enabled());
  EXPECT_EQ(save->ImageIndex(), 1);
  EXPECT_EQ(mode->GetParentMenu(), popup);
  EXPECT_TRUE(mode->RadioItem() && mode->Checked() && mode->Default());
  EXPECT_EQ(mode->GroupIndex(), 2);
  save->Click();
  popup->OnPopup(popup);
  EXPECT_EQ(ran_, (std::vector<std::wstring>{L"SaveClick", L"PopupShown"}));
  // The bar arrives once the form has its window.
  EXPECT_EQ(GetMenuItemCount(GetMenu(form_->Handle())), 1);
}

}  // namespace
