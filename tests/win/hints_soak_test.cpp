// Skinned hints shown and hidden 10,000 times (skinned and shaped, plain,
// titled, every size anew, the programmatic timer armed and stopped) leave
// the live GDI and USER handles and the running timers where they started.
#include <gtest/gtest.h>

#include <string>

#include "framework/MessageWindow.h"
#include "skin/hints/skSkinHint.h"

using namespace fw;

TEST(SkinHintSoak, ShowHideCyclesLeaveTheHandleCountsWhereTheyStarted) {
  Application().Initialize();
  // Hints take effect only from the main form's components.
  TForm* main = Application().CreateForm<TForm>();
  auto* skin = TComponent::Create<sk::TskSkinData>(main);
  sk::TskCompressedStoredSkin stored(nullptr);
  stored.ImportSkinFolder(QUILLET_SKIN_INI);
  skin->LoadFromStoredSkin(stored);
  ASSERT_FALSE(skin->Empty());
  auto* hint = TComponent::Create<sk::TskSkinHint>(main);
  hint->SetSkinData(skin);
  sk::TskSkinHintWindow* window = hint->HintWindow();
  window->ActivateHint({300, 300, 300, 300}, L"Warm up");
  hint->HideHint();

  const int gdi = HandleCounters::Gdi();
  const int user = HandleCounters::User();
  const size_t timers = MessageWindow::Instance().TimerCount();
  for (int i = 0; i < 10000; ++i) {
    hint->SetSkinData(i % 3 == 2 ? nullptr : skin);
    if (i % 5 == 0) hint->SetHintTitle(L"Title");
    window->ActivateHint({300 + i % 7, 300, 300, 300}, std::wstring(1 + i % 23, L'x') + L"@line");
    ASSERT_TRUE(IsWindowVisible(window->Handle())) << i;
    hint->ShowHintText(L"queued");
    hint->HideHint();
    ASSERT_FALSE(IsWindowVisible(window->Handle())) << i;
    if (i % 500 == 0) Application().ProcessMessages();
  }
  Application().ProcessMessages();
  EXPECT_EQ(HandleCounters::Gdi(), gdi);
  EXPECT_EQ(HandleCounters::User(), user);
  EXPECT_EQ(MessageWindow::Instance().TimerCount(), timers);
  TComponent::Free(hint);
  EXPECT_EQ(HandleCounters::User(), user - 1) << "the hint window goes with the component";
}
