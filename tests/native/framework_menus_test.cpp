// Menus as data: short-cut text, accelerators, the item tree with its
// ownership and states, short-cut lookup, the reduction of redundant lines,
// items linked to actions; image lists' pixels.
#include <gtest/gtest.h>

#include <algorithm>

#include "framework/ActnList.h"
#include "framework/Exceptions.h"
#include "framework/ImgList.h"
#include "framework/Menus.h"

using namespace fw;

namespace {

TEST(ShortCutText, ClassicNamesBothWays) {
  const struct {
    const wchar_t* text;
    TShortCut shortCut;
  } cases[] = {
      {L"Ctrl+S", 0x4053},     {L"Shift+Ctrl+F1", 0x6070}, {L"Alt+X", 0x8058},  {L"Alt+F4", 0x8073},
      {L"Ctrl+F4", 0x4073},    {L"Del", 0x002E},           {L"F24", 0x0087},    {L"Shift+Ctrl+Alt+PgDn", 0xE022},
      {L"Ctrl+Num 5", 0x4065}, {L"Alt+BkSp", 0x8008},      {L"Ctrl+-", 0x40BD}, {L"0", 0x0030},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    EXPECT_EQ(TextToShortCut(c.text), c.shortCut);
  }
  // Modifiers in any order and any case.
  EXPECT_EQ(TextToShortCut(L"ctrl+shift+f1"), 0x6070);
  EXPECT_EQ(TextToShortCut(L"ALT+x"), 0x8058);
}

TEST(ShortCutText, EveryNamedKeyRoundTripsWithEveryModifier) {
  int named = 0;
  for (uint16_t key = 1; key < 256; ++key) {
    for (TShortCut shift : {scNone, scShift, scCtrl, scAlt, TShortCut(scShift | scCtrl | scAlt)}) {
      const TShortCut sc = ShortCut(key, shift);
      const std::wstring text = ShortCutToText(sc);
      if (text.empty()) continue;
      ++named;
      EXPECT_EQ(TextToShortCut(text), sc) << key;
    }
  }
  EXPECT_GT(named, 5 * (26 + 10 + 24 + 15));
}

TEST(ShortCutText, NothingForWhatNamesNoKey) {
  EXPECT_EQ(ShortCutToText(scNone), L"");
  EXPECT_EQ(ShortCutToText(ShortCut(0x10, scCtrl)), L"");  // the Shift key itself has no short-cut name
  for (const wchar_t* text :
       {L"", L"Ctrl+", L"Ctrl", L"Ctrl+Shift", L"Foo", L"Ctrl+Foo", L"Ctrl++", L"F25", L"Ctrl S"}) {
    EXPECT_EQ(TextToShortCut(text), scNone) << std::string(text, text + wcslen(text)).c_str();
  }
}

TEST(Accelerators, FirstMarkedCharacterIgnoringCase) {
  EXPECT_EQ(GetHotkey(L"&File"), L'F');
  EXPECT_EQ(GetHotkey(L"Save &As"), L'A');
  EXPECT_EQ(GetHotkey(L"&Open &Recent"), L'O');
  EXPECT_EQ(GetHotkey(L"Fish && &Chips"), L'C');
  EXPECT_EQ(GetHotkey(L"a&&&b"), L'b');
  EXPECT_EQ(GetHotkey(L"&&File"), 0);
  EXPECT_EQ(GetHotkey(L"Trailing&"), 0);
  EXPECT_EQ(GetHotkey(L"Plain"), 0);

  EXPECT_TRUE(IsAccel(L'f', L"&File"));
  EXPECT_TRUE(IsAccel(L'F', L"&file"));
  EXPECT_FALSE(IsAccel(L'f', L"&&File"));
  EXPECT_FALSE(IsAccel(L'i', L"&File"));
  EXPECT_FALSE(IsAccel(L'&', L"&&File"));
  EXPECT_TRUE(IsAccel(L'\x0444', L"&\x0424\x0430\x0439\x043B"));  // ф against a capital Ф
  EXPECT_TRUE(IsAccel(L'\x00E9', L"&\u00C9diter"));               // é against É

  EXPECT_EQ(StripHotkey(L"Fish && &Chips"), L"Fish & Chips");
  EXPECT_EQ(StripHotkey(L"Trailing&"), L"Trailing");
}

// A menu that records the changes its tree reports.
class RecordingMenu : public TMenu {
 public:
  using TMenu::TMenu;
  int structure = 0;
  int looks = 0;

 protected:
  void MenuChanged(TMenuItem*, bool isStructure) override { ++(isStructure ? structure : looks); }
};

TMenuItem* NewItem(TComponent* owner, const wchar_t* caption, TShortCut shortCut = scNone) {
  auto* item = TComponent::Create<TMenuItem>(owner);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  return item;
}

TEST(MenuItems, ParentsFreeTheirItemsAndFreedItemsLeaveTheirParents) {
  TComponent form(nullptr);
  RecordingMenu menu(&form);
  TMenuItem* file = NewItem(&form, L"&File");
  TMenuItem* open = NewItem(&form, L"&Open");
  TMenuItem* save = NewItem(&form, L"&Save");
  menu.Items()->Add(file);
  file->Add(open);
  file->Insert(0, save);
  EXPECT_EQ(file->Items(0), save);
  EXPECT_EQ(open->MenuIndex(), 1);
  EXPECT_EQ(open->GetParentMenu(), &menu);
  EXPECT_EQ(menu.structure, 3);

  TComponent::Free(save);
  ASSERT_EQ(file->Count(), 1);
  EXPECT_EQ(file->Items(0), open);

  // Moving an item takes it from its old parent.
  TMenuItem* edit = NewItem(&form, L"&Edit");
  menu.Items()->Add(edit);
  edit->Add(open);
  EXPECT_EQ(file->Count(), 0);
  EXPECT_EQ(open->Parent(), edit);

  // An item cannot hold itself or an item above it.
  EXPECT_THROW(open->Add(edit), EInvalidOperation);
  EXPECT_THROW(open->Add(open), EInvalidOperation);
  EXPECT_THROW(edit->Insert(5, NewItem(&form, L"x")), EListError);

  const int before = form.ComponentCount();
  menu.Items()->Delete(menu.Items()->IndexOf(edit));  // takes `open` with it
  EXPECT_EQ(form.ComponentCount(), before - 2);
  EXPECT_EQ(menu.Items()->Count(), 1);
}

TEST(MenuItems, FreeingTheOwnerBeforeTheMenuOrAfterIsClean) {
  // The owner frees items (last created first) while the tree still links them.
  auto* form = new TComponent(nullptr);
  auto* menu = TComponent::Create<RecordingMenu>(form);
  TMenuItem* parent = NewItem(form, L"Parent");
  menu->Items()->Add(parent);
  for (int i = 0; i < 5; ++i) parent->Add(NewItem(form, L"Child"));
  TMenuItem* early = NewItem(form, L"Early");
  parent->Items(2)->Add(early);
  delete form;

  // A menu freed on its own frees its items, which leave their owner.
  TComponent owner(nullptr);
  auto* other = TComponent::Create<RecordingMenu>(&owner);
  other->Items()->Add(NewItem(&owner, L"A"));
  other->Items()->Items(0)->Add(NewItem(&owner, L"B"));
  TComponent::Free(other);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(MenuItems, CommandsAreUniqueAndFoundAgain) {
  TComponent owner(nullptr);
  TMenu menu(&owner);
  std::vector<uint16_t> commands;
  for (int i = 0; i < 50; ++i) {
    TMenuItem* item = NewItem(&owner, L"x");
    (i % 2 ? menu.Items()->Items(0) : menu.Items())->Add(item);
    commands.push_back(item->Command());
  }
  std::sort(commands.begin(), commands.end());
  EXPECT_EQ(std::adjacent_find(commands.begin(), commands.end()), commands.end());
  EXPECT_GE(commands.front(), 0x100);
  TMenuItem* nested = menu.Items()->Items(0)->Items(3);
  EXPECT_EQ(menu.FindItem(nested->Command()), nested);
  const uint16_t gone = nested->Command();
  TComponent::Free(nested);
  EXPECT_EQ(menu.FindItem(gone), nullptr);
  EXPECT_EQ(menu.FindItem(0), nullptr);
}

TEST(MenuItems, RadioGroupsAndDefaultsAmongSiblings) {
  TComponent owner(nullptr);
  RecordingMenu menu(&owner);
  TMenuItem* items[4];
  for (int i = 0; i < 4; ++i) {
    items[i] = NewItem(&owner, L"r");
    items[i]->SetRadioItem(i < 3);
    items[i]->SetGroupIndex(i == 2 ? 1 : 0);
    menu.Items()->Add(items[i]);
  }
  items[0]->SetChecked(true);
  items[2]->SetChecked(true);  // another group
  items[3]->SetChecked(true);  // not a radio item
  EXPECT_TRUE(items[0]->Checked());
  items[1]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked());
  EXPECT_TRUE(items[1]->Checked());
  EXPECT_TRUE(items[2]->Checked());
  EXPECT_TRUE(items[3]->Checked());
  // Joining the group while checked takes the check over.
  items[2]->SetGroupIndex(0);
  EXPECT_FALSE(items[1]->Checked());

  items[0]->SetDefault(true);
  items[3]->SetDefault(true);
  EXPECT_FALSE(items[0]->Default());
  EXPECT_TRUE(items[3]->Default());

  const int looks = menu.looks;
  items[3]->SetEnabled(false);
  items[3]->SetEnabled(false);  // no change, no report
  EXPECT_EQ(menu.looks, looks + 1);
}

TEST(MenuItems, ShortCutsRunTheFirstItemThatCanRun) {
  TComponent owner(nullptr);
  TMenu menu(&owner);
  std::vector<std::wstring> ran;
  auto add = [&](TMenuItem* parent, const wchar_t* caption, TShortCut sc) {
    TMenuItem* item = NewItem(&owner, caption, sc);
    item->OnClick = [&ran](TComponent* sender) { ran.push_back(static_cast<TMenuItem*>(sender)->Caption()); };
    parent->Add(item);
    return item;
  };
  const TShortCut ctrlS = TextToShortCut(L"Ctrl+S");
  TMenuItem* file = add(menu.Items(), L"File", scNone);
  TMenuItem* hiddenSave = add(file, L"Hidden save", ctrlS);
  TMenuItem* disabledSave = add(file, L"Disabled save", ctrlS);
  TMenuItem* save = add(file, L"Save", ctrlS);
  add(menu.Items(), L"Later save", ctrlS);
  hiddenSave->SetVisible(false);
  disabledSave->SetEnabled(false);

  EXPECT_TRUE(menu.IsShortCut(ctrlS));
  EXPECT_EQ(ran, std::vector<std::wstring>{L"Save"});
  EXPECT_FALSE(menu.IsShortCut(TextToShortCut(L"Ctrl+Q")));
  EXPECT_FALSE(menu.IsShortCut(scNone));

  // An item inside a disabled or hidden submenu cannot be reached.
  file->SetEnabled(false);
  ran.clear();
  EXPECT_TRUE(menu.IsShortCut(ctrlS));
  EXPECT_EQ(ran, std::vector<std::wstring>{L"Later save"});
  (void)save;

  // A disabled item's Click does nothing.
  ran.clear();
  disabledSave->Click();
  EXPECT_TRUE(ran.empty());
}

TEST(MenuItems, AcceleratorsAmongVisibleItemsInOrder) {
  TComponent owner(nullptr);
  TMenu menu(&owner);
  TMenuItem* hidden = NewItem(&owner, L"&Copy hidden");
  TMenuItem* copy = NewItem(&owner, L"&Copy");
  TMenuItem* cut = NewItem(&owner, L"&cut");
  TMenuItem* amp = NewItem(&owner, L"&&Paste");
  for (TMenuItem* i : {hidden, copy, cut, amp}) menu.Items()->Add(i);
  hidden->SetVisible(false);
  EXPECT_EQ(menu.Items()->FindAccelerator(L'c'), copy);
  EXPECT_EQ(menu.Items()->FindAccelerator(L'C'), copy);
  EXPECT_EQ(menu.Items()->FindAccelerator(L'p'), nullptr);
}

// The captions of the shown sub-items, in order.
std::vector<std::wstring> Shown(const TMenuItem& parent) {
  std::vector<std::wstring> shown;
  for (int i = 0; i < parent.Count(); ++i) {
    if (parent.Items(i)->Visible()) shown.push_back(parent.Items(i)->Caption());
  }
  return shown;
}

TEST(MenuLines, RedundantLinesHideAndComeBackWhenNeeded) {
  TComponent owner(nullptr);
  RecordingMenu menu(&owner);
  std::vector<TMenuItem*> items;
  for (const wchar_t* c : {L"-", L"A", L"-", L"-", L"B", L"-", L"C", L"-"}) {
    items.push_back(NewItem(&owner, c));
    menu.Items()->Add(items.back());
  }
  TMenuItem* b = items[4];
  b->SetVisible(false);
  // Leading, doubled, around a hidden item and trailing: one line is left.
  const int structure = menu.structure;
  EXPECT_TRUE(menu.Items()->RethinkLines());
  EXPECT_EQ(Shown(*menu.Items()), (std::vector<std::wstring>{L"A", L"-", L"C"}));
  EXPECT_EQ(menu.structure, structure + 1);
  EXPECT_FALSE(menu.Items()->RethinkLines());
  EXPECT_EQ(menu.structure, structure + 1);

  // The hidden item shows again: so does the line after it.
  b->SetVisible(true);
  EXPECT_TRUE(menu.Items()->RethinkLines());
  EXPECT_EQ(Shown(*menu.Items()), (std::vector<std::wstring>{L"A", L"-", L"B", L"-", L"C"}));
  EXPECT_TRUE(items[5]->Visible());

  // A line its owner hides stays hidden, even where it would be needed.
  items[5]->SetVisible(false);
  menu.Items()->RethinkLines();
  EXPECT_EQ(Shown(*menu.Items()), (std::vector<std::wstring>{L"A", L"-", L"B", L"C"}));

  // A hidden line that becomes an item is no line to reduce any more.
  items[7]->SetCaption(L"D");
  EXPECT_EQ(Shown(*menu.Items()), (std::vector<std::wstring>{L"A", L"-", L"B", L"C", L"D"}));

  // Reduction off: every line it hid shows again, the owner's stays hidden.
  menu.SetAutoLineReduction(TMenuAutoFlag::maManual);
  EXPECT_TRUE(menu.Items()->RethinkLines());
  EXPECT_EQ(Shown(*menu.Items()), (std::vector<std::wstring>{L"-", L"A", L"-", L"-", L"B", L"C", L"D"}));

  // An empty level has nothing to reduce.
  TMenuItem empty(nullptr);
  EXPECT_FALSE(empty.RethinkLines());
}

TEST(MenuLines, ItemsFollowTheirParentsUpToTheMenu) {
  TMenu menu(nullptr);
  TMenuItem* file = NewItem(&menu, L"File");
  menu.Items()->Add(file);
  TMenuItem* recent = NewItem(&menu, L"Recent");
  file->Add(recent);
  EXPECT_EQ(menu.AutoLineReduction(), TMenuAutoFlag::maAutomatic);
  EXPECT_EQ(recent->AutoLineReduction(), TMenuAutoFlag::maParent);
  EXPECT_TRUE(recent->IsAutoLineReduction());
  file->SetAutoLineReduction(TMenuAutoFlag::maManual);
  EXPECT_FALSE(recent->IsAutoLineReduction());
  EXPECT_TRUE(menu.Items()->IsAutoLineReduction());
  menu.SetAutoLineReduction(TMenuAutoFlag::maManual);
  recent->SetAutoLineReduction(TMenuAutoFlag::maAutomatic);
  EXPECT_TRUE(recent->IsAutoLineReduction());
  // A menu has no parent to follow.
  menu.SetAutoLineReduction(TMenuAutoFlag::maParent);
  EXPECT_EQ(menu.AutoLineReduction(), TMenuAutoFlag::maManual);
  // Outside any menu nothing asks for reduction.
  TMenuItem loose(nullptr);
  EXPECT_FALSE(loose.IsAutoLineReduction());
}

TEST(Actions, LinkedItemsMirrorTheActionAndRunIt) {
  TComponent owner(nullptr);
  RecordingMenu menu(&owner);
  auto* action = TComponent::Create<TAction>(nullptr);
  action->SetCaption(L"&Undo");
  action->SetShortCut(TextToShortCut(L"Ctrl+Z"));
  action->SetHint(L"Takes back the last change");
  action->SetImageIndex(3);
  TMenuItem* item = NewItem(&owner, L"old");
  TMenuItem* twin = NewItem(&owner, L"old");
  menu.Items()->Add(item);
  menu.Items()->Add(twin);
  item->SetAction(action);
  twin->SetAction(action);
  EXPECT_EQ(action->ClientCount(), 2);
  EXPECT_EQ(item->Caption(), L"&Undo");
  EXPECT_EQ(item->ShortCut(), TextToShortCut(L"Ctrl+Z"));
  EXPECT_EQ(item->Hint(), L"Takes back the last change");
  EXPECT_EQ(item->ImageIndex(), 3);

  // An update sets the states; every linked item follows, and its menu hears.
  int updates = 0;
  action->OnUpdate = [&](TComponent* sender) {
    ++updates;
    auto* a = static_cast<TAction*>(sender);
    a->SetEnabled(false);
    a->SetChecked(true);
    a->SetVisible(false);
  };
  const int structure = menu.structure;
  EXPECT_TRUE(action->Update());
  EXPECT_EQ(updates, 1);
  for (TMenuItem* i : {item, twin}) {
    EXPECT_FALSE(i->Enabled());
    EXPECT_TRUE(i->Checked());
    EXPECT_FALSE(i->Visible());
  }
  EXPECT_GT(menu.structure, structure);

  // A click without OnClick runs the action; with one, OnClick alone.
  std::vector<std::wstring> ran;
  action->OnExecute = [&](TComponent*) { ran.push_back(L"action"); };
  action->SetEnabled(true);
  item->Click();
  twin->OnClick = [&](TComponent*) { ran.push_back(L"click"); };
  twin->Click();
  EXPECT_EQ(ran, (std::vector<std::wstring>{L"action", L"click"}));
  action->SetEnabled(false);
  item->Click();
  EXPECT_EQ(ran.size(), 2u);

  // Either side may go first; the item keeps what it last took.
  TComponent::Free(twin);
  EXPECT_EQ(action->ClientCount(), 1);
  TComponent::Free(action);
  EXPECT_EQ(item->Action(), nullptr);
  EXPECT_EQ(item->Caption(), L"&Undo");
  item->SetEnabled(true);
  item->Click();  // no action, no OnClick: nothing
  EXPECT_EQ(ran.size(), 2u);
}

TEST(Actions, HandlersThatFreeTheirActionAreSurvived) {
  TComponent owner(nullptr);
  TMenu menu(&owner);
  auto* action = TComponent::Create<TAction>(nullptr);
  TMenuItem* item = NewItem(&owner, L"x");
  menu.Items()->Add(item);
  item->SetAction(action);
  bool ran = false;
  action->OnExecute = [&ran](TComponent* sender) {
    TComponent::Free(sender);
    ran = true;
  };
  item->Click();
  EXPECT_TRUE(ran);
  EXPECT_EQ(item->Action(), nullptr);
  EXPECT_FALSE(TAction(nullptr).Update());
  EXPECT_FALSE(TAction(nullptr).Execute());
}

TEST(MenuImages, ClearedWhenTheImageListIsFreed) {
  TComponent owner(nullptr);
  RecordingMenu menu(&owner);
  auto* images = TComponent::Create<TImageList>(nullptr);  // not owned by the menu's owner
  menu.SetImages(images);
  EXPECT_EQ(menu.Images(), images);
  const int looks = menu.looks;
  TComponent::Free(images);
  EXPECT_EQ(menu.Images(), nullptr);
  EXPECT_EQ(menu.looks, looks + 1);
}

// --- Image lists -----------------------------------------------------------------------------

TBitmap Strip(int width, int height, TColor fill) {
  TBitmap b(width, height, TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) b.SetPixel(x, y, fill);
  }
  return b;
}

uint8_t Alpha(const TBitmap& b, int x, int y) { return b.ScanLine(y)[x * 4 + 3]; }

TEST(ImageLists, StripsSplitIntoImagesWithTheirTransparency) {
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(3);
  const TColor key = RGBColor(255, 0, 255);
  TBitmap strip = Strip(13, 2, key);  // three images and a remainder; one row short
  strip.SetPixel(1, 1, clRed);
  strip.SetPixel(4 + 2, 0, RGBColor(1, 2, 3));
  EXPECT_EQ(list.AddMasked(strip, key), 0);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(Alpha(list.Image(0), 1, 1), 255);
  EXPECT_EQ(list.Image(0).Pixel(1, 1), clRed);
  EXPECT_EQ(Alpha(list.Image(0), 0, 0), 0);
  EXPECT_EQ(Alpha(list.Image(0), 1, 2), 0);  // the row below the strip
  EXPECT_EQ(list.Image(1).Pixel(2, 0), RGBColor(1, 2, 3));
  EXPECT_EQ(Alpha(list.Image(2), 1, 1), 0);

  // The default key is the bottom-left pixel.
  TBitmap keyed = Strip(4, 3, clWhite);
  keyed.SetPixel(0, 2, clBlack);
  keyed.SetPixel(3, 2, clBlack);
  EXPECT_EQ(list.AddMasked(keyed, clDefault), 3);
  EXPECT_EQ(Alpha(list.Image(3), 3, 2), 0);
  EXPECT_EQ(Alpha(list.Image(3), 3, 1), 255);

  // A mask's non-black pixels are transparent.
  TBitmap mask = Strip(4, 3, clBlack);
  mask.SetPixel(2, 1, clWhite);
  EXPECT_EQ(list.Add(Strip(4, 3, clRed), &mask), 4);
  EXPECT_EQ(Alpha(list.Image(4), 2, 1), 0);
  EXPECT_EQ(Alpha(list.Image(4), 1, 1), 255);

  EXPECT_EQ(list.AddMasked(Strip(3, 3, clRed), clDefault), -1);  // narrower than one image
  EXPECT_EQ(list.Count(), 5);
  EXPECT_THROW(list.Delete(5), EListError);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 4);

  int changes = 0;
  list.OnChange = [&](TComponent*) { ++changes; };
  list.SetWidth(8);  // images of the old size no longer fit
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(changes, 1);
  EXPECT_THROW(list.SetHeight(0), EInvalidOperation);
}

TEST(ImageLists, AlphaImagesKeepTheirAlpha) {
  TImageList list(nullptr);
  list.SetWidth(2);
  list.SetHeight(1);
  TBitmap image(2, 1, TPixelFormat::pf32bit);
  uint8_t* p = image.ScanLine(0);
  const uint8_t pixels[] = {10, 20, 30, 128, 1, 2, 3, 0};
  std::copy(std::begin(pixels), std::end(pixels), p);
  ASSERT_EQ(list.AddAlpha(image), 0);
  EXPECT_EQ(Alpha(list.Image(0), 0, 0), 128);
  EXPECT_EQ(list.Image(0).Pixel(0, 0), RGBColor(30, 20, 10));
  EXPECT_EQ(Alpha(list.Image(0), 1, 0), 0);
}

TEST(ImageLists, DisabledLookIsTheShapeEmbossed) {
  // A 4x4 image: a dark 2x2 square at (1,1), a near-white pixel at (0,3), the rest transparent.
  TImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  const TColor key = RGBColor(0, 255, 0);
  TBitmap b = Strip(4, 4, key);
  for (int y = 1; y < 3; ++y) {
    for (int x = 1; x < 3; ++x) b.SetPixel(x, y, RGBColor(40, 40, 160));
  }
  b.SetPixel(0, 3, RGBColor(250, 250, 250));
  b.SetPixel(3, 0, clBlack);
  ASSERT_EQ(list.AddMasked(b, key), 0);
  const TColor highlight = RGBColor(255, 255, 255);
  const TColor shadow = RGBColor(128, 128, 128);
  const TBitmap d = list.DisabledImage(0, highlight, shadow);
  const char* expected[] = {
      // s = shadow, h = highlight, . = transparent
      "...s",
      ".ss.",
      ".ssh",
      "..hh",
  };
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const char want = expected[y][x];
      SCOPED_TRACE(testing::Message() << x << "," << y);
      if (want == '.') {
        EXPECT_EQ(Alpha(d, x, y), 0);
      } else {
        EXPECT_EQ(Alpha(d, x, y), 255);
        EXPECT_EQ(d.Pixel(x, y), want == 's' ? shadow : highlight);
      }
    }
  }
}

}  // namespace
