// The images menu: its grid under the anchor, keys that skip headers, the
// events of a choice in order, closing without one, and the skinned hint
// of the hovered cell.
#include <gtest/gtest.h>

#include "framework/StdCtrls.h"
#include "framework_input.h"
#include "skin/menus/skImagesMenu.h"

using namespace fw;
using namespace fwtest;
using namespace sk;

namespace {

struct ImagesForm {
  ImagesForm() {
    form = TComponent::Create<TForm>(&Application());
    form->SetBounds(100, 100, 300, 200);
    memo = TComponent::Create<TMemo>(form);
    memo->SetParent(form);
    memo->SetBounds(10, 10, 200, 100);
    images = TComponent::Create<TImageList>(form);
    TBitmap strip(48, 16);
    images->AddMasked(strip, clDefault);
    menu = TComponent::Create<TskSkinImagesMenu>(form);
    menu->SetImages(images);
    menu->SetColumnsCount(2);
    auto& items = menu->ImagesItems();
    items.push_back({L"Colours", L"", -1, false, true, nullptr});
    for (int i = 0; i < 3; ++i) {
      items.push_back({L"", L"Image " + std::to_wstring(i), i, false, false,
                       [this, i](TComponent*) { events.push_back(L"click " + std::to_wstring(i)); }});
    }
    items.push_back({L"None", L"", -1, true, false, nullptr});
    menu->OnItemClick = [this](TComponent*) { events.push_back(L"item"); };
    menu->OnChange = [this](TComponent*) { events.push_back(L"change"); };
    menu->OnMenuClose = [this](TComponent*) { events.push_back(L"close"); };
    form->Show();
    memo->SetFocus();
    WaitUntil([&] { return GetFocus() == memo->Handle(); });
  }
  ~ImagesForm() {
    TComponent::Free(form);
    Pump(20);
    ReapPopups();
  }
  void Key(WORD key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 0);
    Pump(30);
  }

  TForm* form;
  TMemo* memo;
  TImageList* images;
  TskSkinImagesMenu* menu;
  std::vector<std::wstring> events;
};

}  // namespace

TEST(ImagesMenu, KeysSkipTheHeaderAndAChoiceFiresItsEventsInOrder) {
  ImagesForm f;
  f.menu->Popup({200, 300, 280, 320});
  TskSkinImagesMenuPopupWindow* grid = f.menu->PopupWindow();
  ASSERT_NE(grid, nullptr);
  RECT r;
  GetWindowRect(grid->Handle(), &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(r.top, 320);
  EXPECT_EQ(r.right - r.left, 2 * 26 + 10);  // two cells of 16 + 10, and 5 each side
  wchar_t name[64] = {};
  GetClassNameW(grid->Handle(), name, 64);
  EXPECT_STREQ(name, L"TskSkinImagesMenuPopupWindow");
  EXPECT_EQ(GetCapture(), grid->Handle());

  f.Key(VK_RIGHT);  // the first cell, past the header
  EXPECT_EQ(grid->HoveredItem(), 1);
  f.Key(VK_DOWN);  // the cell below it
  EXPECT_EQ(grid->HoveredItem(), 3);
  f.Key(VK_DOWN);  // the button row
  EXPECT_EQ(grid->HoveredItem(), 4);
  f.Key(VK_LEFT);
  EXPECT_EQ(grid->HoveredItem(), 3);
  f.Key(VK_RETURN);
  EXPECT_EQ(f.menu->PopupWindow(), nullptr);
  EXPECT_EQ(f.menu->ItemIndex(), 3);
  EXPECT_EQ(f.events, (std::vector<std::wstring>{L"close", L"click 2", L"item", L"change"}));
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(GetFocus(), f.memo->Handle());

  // The same choice again: no change; Escape: no choice at all.
  f.events.clear();
  f.menu->Popup({200, 300, 280, 320});
  f.Key(VK_LEFT);  // from nothing: the last item
  f.Key(VK_UP);    // the button row goes up to the cell above in its column
  EXPECT_EQ(f.menu->PopupWindow()->HoveredItem(), 3);
  f.Key(VK_SPACE);
  EXPECT_EQ(f.events, (std::vector<std::wstring>{L"close", L"click 2", L"item"}));
  f.events.clear();
  f.menu->Popup({200, 300, 280, 320});
  f.Key(VK_ESCAPE);
  EXPECT_EQ(f.menu->PopupWindow(), nullptr);
  EXPECT_EQ(f.events, (std::vector<std::wstring>{L"close"}));
}

TEST(ImagesMenu, ClicksChooseOutsideClosesAndTheHoveredCellShowsItsHint) {
  ImagesForm f;
  auto* hint = TComponent::Create<TskSkinHint>(f.form);
  f.menu->SetSkinHint(hint);
  MoveMouse(Outside());
  f.menu->Popup({200, 300, 280, 320});
  TskSkinImagesMenuPopupWindow* grid = f.menu->PopupWindow();
  ASSERT_NE(grid, nullptr);
  const TRect cell = grid->Cells()[2].rect;
  const TPoint at = grid->ClientToScreen({cell.left + 8, cell.top + 8});
  MoveMouse({at.x, at.y});
  ASSERT_TRUE(WaitUntil([&] { return grid->HoveredItem() == 2; }));
  EXPECT_TRUE(hint->HintPending() || hint->HintShown());
  ClickAt({at.x, at.y});
  ASSERT_TRUE(WaitUntil([&] { return f.menu->PopupWindow() == nullptr; }));
  EXPECT_EQ(f.menu->ItemIndex(), 2);
  EXPECT_FALSE(hint->HintPending() || hint->HintShown());

  // A click outside the grid closes it without a choice.
  f.events.clear();
  f.menu->Popup({200, 300, 280, 320});
  ClickAt(Outside());
  ASSERT_TRUE(WaitUntil([&] { return f.menu->PopupWindow() == nullptr; }));
  EXPECT_EQ(f.events, (std::vector<std::wstring>{L"close"}));
  EXPECT_EQ(f.menu->ItemIndex(), 2);
}
