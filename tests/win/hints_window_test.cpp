// Skinned hints with real windows: the plain look's size, line breaks, our
// skin's frame, region and pixels, placement at the work area's corner,
// transparency, the programmatic hint's timers, which component is in
// charge, the application's hint callback and window class taken over and
// given back, a skinned control's title and image, and a hovered control's
// hint.
#include <gtest/gtest.h>

#include <string>

#include "framework/ImgList.h"
#include "framework/MessageWindow.h"
#include "framework/StdCtrls.h"
#include "framework_input.h"
#include "skin/controls/skSkinControl.h"
#include "skin/hints/skSkinHint.h"
#include "skin/pixels/skUtilsProbes.h"

using namespace fw;
using namespace fwtest;
using sk::TskSkinHint;
using sk::TskSkinHintWindow;

namespace {

TForm* gMainForm = nullptr;

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application().Initialize();
    // Hints take effect only from the main form's components.
    gMainForm = Application().CreateForm<TForm>();
    gMainForm->SetBorderStyle(TFormBorderStyle::bsNone);
    gMainForm->SetBounds(100, 100, 400, 200);
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

TPoint TextExtent(const TFontInfo& font, const std::wstring& text) {
  ScreenDC screen;
  TCanvas canvas(screen.Get());
  canvas.Font().Assign(font);
  TRect r;
  canvas.DrawTextW(text, r, DT_CALCRECT);
  return {r.Width(), r.Height()};
}

TRect WindowRect(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return FromRECT(r);
}

bool Visible(const TWinControl* w) { return w && w->HandleAllocated() && IsWindowVisible(w->HandleIfAllocated()); }

// The window as it paints itself, read back from a bitmap.
TBitmap Painted(TskSkinHintWindow& window) {
  TBitmap shot(window.Width(), window.Height());
  {
    TBitmapCanvas canvas(shot);
    SendMessageW(window.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Handle()), PRF_CLIENT);
  }
  return shot;
}

class SkinHints : public ::testing::Test {
 protected:
  void SetUp() override {
    Application().SetHintPause(60);
    Application().SetHintHidePause(150);
    hint = TComponent::Create<TskSkinHint>(gMainForm);
    window = hint->HintWindow();
  }
  void TearDown() override {
    TComponent::Free(hint);
    if (skin) TComponent::Free(skin);
  }
  void UseOurSkin() {
    skin = TComponent::Create<sk::TskSkinData>(gMainForm);
    sk::TskCompressedStoredSkin stored(nullptr);
    stored.ImportSkinFolder(QUILLET_SKIN_INI);
    skin->LoadFromStoredSkin(stored);
    ASSERT_FALSE(skin->Empty());
    hint->SetSkinData(skin);
  }
  TskSkinHint* hint = nullptr;
  TskSkinHintWindow* window = nullptr;
  sk::TskSkinData* skin = nullptr;
};

}  // namespace

TEST_F(SkinHints, WithoutASkinTheTextGetsTwoPixelsEachSideAndSeparatorsBreakLines) {
  const std::wstring text = L"Eighty pixels or so";
  const TPoint extent = TextExtent(hint->DefaultFont().Info(), text);
  window->ActivateHint({300, 300, 300, 300}, text);
  ASSERT_TRUE(Visible(window));
  EXPECT_EQ(WindowRect(window->Handle()), (TRect{300, 300, 304 + extent.x, 304 + extent.y}));
  EXPECT_EQ(GetWindowLongW(window->Handle(), GWL_STYLE) & WS_BORDER, 0);
  EXPECT_FALSE(window->RegionApplied());
  EXPECT_EQ(GetForegroundWindow() == window->Handle(), false) << "a hint never takes the activation";
  // Unskinned, the plain look: a 1-pixel frame round the info colour.
  const TBitmap shot = Painted(*window);
  EXPECT_EQ(shot.Pixel(0, 0), static_cast<TColor>(ColorToRGB(clBtnShadow)));
  EXPECT_EQ(shot.Pixel(1, 1), static_cast<TColor>(ColorToRGB(clInfoBk)));

  const int line = extent.y;
  window->ActivateHint({300, 300, 300, 300}, L"First@Second@Third");
  EXPECT_EQ(window->Text(), L"First\n\rSecond\n\rThird");
  EXPECT_EQ(WindowRect(window->Handle()).Height(), 3 * line + 4) << "one break per separator";
  hint->SetLineSeparator(L"");
  window->ActivateHint({300, 300, 300, 300}, L"First@Second");
  EXPECT_EQ(window->Text(), L"First@Second") << "an empty separator replaces nothing";
  EXPECT_EQ(WindowRect(window->Handle()).Height(), line + 4);
  hint->HideHint();
  EXPECT_FALSE(Visible(window));
}

TEST_F(SkinHints, OurSkinsHintFrameSizesShapesAndPaintsTheWindow) {
  UseOurSkin();
  const sk::TskDataSkinHintWindow& record = skin->HintWindow();
  const TBitmap& picture = *skin->ActivePicture(record.WindowPictureIndex);
  const std::wstring text = L"Skinned hint";
  TFontInfo font = hint->DefaultFont().Info();
  font.name = L"Arial";
  font.height = record.FontHeight;
  const TPoint extent = TextExtent(font, text);
  window->ActivateHint({300, 300, 300, 300}, text);
  ASSERT_TRUE(Visible(window));
  // Client rectangle 5,4,23,17 of a 28 x 21 picture: 10 + 5 across, 8 down.
  EXPECT_EQ(WindowRect(window->Handle()), (TRect{300, 300, 300 + extent.x + 15, 300 + extent.y + 8}));

  // The mask's rounded corners are cut away; the middle is in.
  ASSERT_TRUE(window->RegionApplied());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window->Handle(), region), ERROR);
  const int w = window->Width(), h = window->Height();
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, w - 1, h - 1));
  EXPECT_TRUE(PtInRegion(region, w / 2, h / 2));
  EXPECT_TRUE(PtInRegion(region, w / 2, 0)) << "the top edge is in";
  DeleteObject(region);

  // The frame comes from the picture: corners 1:1, the top edge tiled.
  const TBitmap shot = Painted(*window);
  EXPECT_EQ(shot.Pixel(3, 2), picture.Pixel(3, 2));
  EXPECT_EQ(shot.Pixel(w - 2, h - 3), picture.Pixel(26, 18));
  EXPECT_EQ(shot.Pixel(6 + 16 + 3, 1), picture.Pixel(6 + 3, 1));

  // A skin without a window picture is no skin: the plain look again.
  hint->SetSkinData(nullptr);
  window->ActivateHint({300, 300, 300, 300}, text);
  EXPECT_FALSE(window->RegionApplied()) << "the region goes with the skin";
  EXPECT_EQ(WindowRect(window->Handle()).Width(), TextExtent(hint->DefaultFont().Info(), text).x + 4);
}

TEST_F(SkinHints, ATitleGoesAboveTheTextAndGoesWhenTheHintHides) {
  const std::wstring text = L"Body text";
  window->ActivateHint({300, 300, 300, 300}, text);
  const TRect plain = WindowRect(window->Handle());
  hint->SetHintTitle(L"Title");
  window->ActivateHint({300, 300, 300, 300}, text);
  EXPECT_TRUE(window->TitleMode());
  TFontInfo bold = hint->DefaultFont().Info();
  bold.style |= fsBold;
  const TPoint title = TextExtent(bold, L"Title");
  EXPECT_EQ(WindowRect(window->Handle()).Height(), plain.Height() + title.y + 10);
  hint->HideHint();
  EXPECT_TRUE(hint->HintTitle().empty());
  window->ActivateHint({300, 300, 300, 300}, text);
  EXPECT_FALSE(window->TitleMode());
}

TEST_F(SkinHints, NearTheWorkAreasBottomRightTheHintOpensLeftAndAbove) {
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.right - 5, y = work.bottom - 5;
  window->ActivateHint({x, y, x, y}, L"At the corner");
  const TRect r = WindowRect(window->Handle());
  EXPECT_EQ(r.right, x - 2);
  EXPECT_EQ(r.bottom, y - 2);
  EXPECT_TRUE(r.left >= work.left && r.top >= work.top);
}

TEST_F(SkinHints, TransparencyIsAppliedAndSurvivesTurningItOffAndOn) {
  if (!sk::IsWindows2000OrLater()) GTEST_SKIP();
  auto alpha = [&] {
    BYTE a = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(window->Handle(), nullptr, &a, &flags);
    return static_cast<int>(a);
  };
  auto layered = [&] { return (GetWindowLongW(window->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0; };
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendValue(200);
  hint->SetAlphaBlendAnimation(true);
  window->ActivateHint({300, 300, 300, 300}, L"Fading in");
  EXPECT_TRUE(layered());
  EXPECT_EQ(alpha(), 200) << "the fade ends at the value";
  hint->SetAlphaBlend(false);
  window->ActivateHint({300, 300, 300, 300}, L"Opaque");
  EXPECT_FALSE(layered());
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendAnimation(false);
  window->ActivateHint({300, 300, 300, 300}, L"Layered again");
  EXPECT_TRUE(layered());
  EXPECT_EQ(alpha(), 200) << "layered anew, the same value must be set again";
}

TEST_F(SkinHints, TheProgrammaticHintsTimerIsStartedAndStoppedFromItsOwnTicks) {
  const size_t timers = MessageWindow::Instance().TimerCount();
  hint->ShowHintText(L"Pending");
  EXPECT_TRUE(hint->HintPending());
  EXPECT_FALSE(Visible(window)) << "only after the hint pause";
  ASSERT_TRUE(WaitUntil([&] { return Visible(window); }));
  EXPECT_EQ(window->Text(), L"Pending");
  EXPECT_TRUE(hint->HintShown());
  // Below the cursor by the cursor's height, kept within the work area.
  POINT cursor;
  GetCursorPos(&cursor);
  RECT work;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(WindowRect(window->Handle()), sk::PlaceHintWindow({cursor.x, cursor.y + sk::CursorHeight()},
                                                              {window->Width(), window->Height()}, FromRECT(work)));
  // The show tick armed the hide; the hide tick stops the timer it runs on.
  ASSERT_TRUE(WaitUntil([&] { return !Visible(window); }));
  EXPECT_FALSE(hint->HintPending() || hint->HintShown());
  EXPECT_EQ(MessageWindow::Instance().TimerCount(), timers) << "no timer left running";

  // Round after round, each started right after the last one's hide tick.
  for (int round = 0; round < 3; ++round) {
    const std::wstring text = L"Round " + std::to_wstring(round);
    hint->ShowHintText(text);
    ASSERT_TRUE(WaitUntil([&] { return Visible(window) && window->Text() == text; })) << round;
    ASSERT_TRUE(WaitUntil([&] { return !Visible(window); })) << round;
  }
  // A new text while one shows starts again from the pause; HideHint while
  // pending shows nothing at all.
  hint->ShowHintText(L"Old");
  ASSERT_TRUE(WaitUntil([&] { return Visible(window); }));
  hint->ShowHintText(L"New");
  EXPECT_TRUE(hint->HintPending());
  ASSERT_TRUE(WaitUntil([&] { return Visible(window) && window->Text() == L"New"; }));
  hint->HideHint();
  hint->ShowHintText(L"Never");
  hint->HideHint();
  Pump(300);
  EXPECT_FALSE(Visible(window));
  EXPECT_EQ(MessageWindow::Instance().TimerCount(), timers);
}

TEST_F(SkinHints, OnlyAnActiveComponentOfTheMainFormIsInCharge) {
  EXPECT_EQ(TskSkinHint::InCharge(), hint);
  auto* second = TComponent::Create<TskSkinHint>(gMainForm);
  second->SetActive(true);
  EXPECT_FALSE(hint->Active()) << "activating the second deactivates the first";
  EXPECT_EQ(TskSkinHint::InCharge(), second);
  TComponent::Free(second);
  EXPECT_EQ(TskSkinHint::InCharge(), nullptr);
  window->ActivateHint({300, 300, 300, 300}, L"Nobody in charge");
  EXPECT_FALSE(Visible(window));

  auto* elsewhere = TComponent::Create<TskSkinHint>(nullptr);
  EXPECT_EQ(TskSkinHint::InCharge(), nullptr) << "not on the main form";
  elsewhere->HintWindow()->ActivateHint({300, 300, 300, 300}, L"Not shown");
  EXPECT_FALSE(Visible(elsewhere->HintWindow()));
  TComponent::Free(elsewhere);
  hint->SetActive(true);
}

TEST(SkinHintTakeOver, TheCallbackAndTheWindowClassAreGivenBackInAnyOrder) {
  TApplication& app = Application();
  int previousCalls = 0;
  app.OnShowHint = [&](std::wstring&, bool&, THintInfo&) { ++previousCalls; };
  auto call = [&] {
    std::wstring text = L"x";
    bool canShow = true;
    THintInfo info;
    app.OnShowHint(text, canShow, info);
  };
  auto windowClassIsOurs = [&] {
    THintWindow* w = app.HintWindowClass()(nullptr);
    const bool ours = dynamic_cast<TskSkinHintWindow*>(w) != nullptr;
    TComponent::Free(w);
    return ours;
  };
  for (const bool firstGoesFirst : {true, false}) {
    previousCalls = 0;
    auto* a = TComponent::Create<TskSkinHint>(gMainForm);
    int aCalls = 0;
    a->OnShowHint = [&](std::wstring&, bool&, THintInfo&) { ++aCalls; };
    a->SetHintTitle(L"stale");
    EXPECT_TRUE(windowClassIsOurs());
    EXPECT_EQ(app.HintShortPause(), 100);
    call();
    EXPECT_EQ(aCalls, 1);
    EXPECT_TRUE(a->HintTitle().empty()) << "each hint starts without a title";
    EXPECT_EQ(previousCalls, 0) << "taken over";

    auto* b = TComponent::Create<TskSkinHint>(gMainForm);
    int bCalls = 0;
    b->OnShowHint = [&](std::wstring&, bool&, THintInfo&) { ++bCalls; };
    TComponent::Free(firstGoesFirst ? a : b);
    call();
    EXPECT_EQ(aCalls + bCalls, 2) << "the one left serves, nothing freed is called";
    EXPECT_TRUE(windowClassIsOurs());
    TComponent::Free(firstGoesFirst ? b : a);
    call();
    EXPECT_EQ(previousCalls, 1) << "given back";
    EXPECT_FALSE(windowClassIsOurs());
  }
  app.OnShowHint = nullptr;
}

TEST_F(SkinHints, TheApplicationsHintOverAControlIsSkinned) {
  UseOurSkin();
  gMainForm->SetShowHint(true);
  auto* button = TComponent::Create<TButton>(gMainForm);
  button->SetBounds(20, 20, 120, 30);
  button->SetHint(L"Saves@the slots");
  button->SetParent(gMainForm);
  gMainForm->Show();
  ASSERT_TRUE(WaitUntil([] { return IsWindowVisible(gMainForm->Handle()) != FALSE; }));
  TControl* seen = nullptr;
  hint->OnShowHint = [&](std::wstring&, bool&, THintInfo& info) { seen = info.hintControl; };
  MoveMouse(Outside());
  ASSERT_TRUE(MoveMouse(CentreOf(*button)));
  auto shown = [] { return dynamic_cast<TskSkinHintWindow*>(Application().HintWindow()); };
  ASSERT_TRUE(WaitUntil([&] { return shown() && Visible(shown()); }));
  EXPECT_EQ(seen, button);
  EXPECT_EQ(shown()->Text(), L"Saves\n\rthe slots");
  EXPECT_TRUE(shown()->RegionApplied());
  MoveMouse(Outside());
  Application().CancelHint();
  TComponent::Free(button);
  gMainForm->Hide();
}

TEST_F(SkinHints, ASkinnedControlsHintBringsItsTitleAndImage) {
  auto* images = TComponent::Create<TImageList>(gMainForm);
  images->SetWidth(16);
  images->SetHeight(16);
  images->Add(TBitmap(32, 16));
  auto* windowed = TComponent::Create<sk::TskSkinControl>(gMainForm);
  windowed->SetHintTitle(L"Panel title");
  windowed->SetHintImageList(images);
  windowed->SetHintImageIndex(1);
  auto* windowless = TComponent::Create<sk::TskGraphicSkinControl>(gMainForm);
  windowless->SetHintTitle(L"Graphic title");
  auto* plain = TComponent::Create<TButton>(gMainForm);
  auto showHintFor = [](TControl* control) {
    std::wstring text = L"Body";
    bool canShow = true;
    THintInfo info;
    info.hintControl = control;
    Application().OnShowHint(text, canShow, info);
  };
  std::wstring seenTitle;
  hint->OnShowHint = [&](std::wstring&, bool&, THintInfo&) { seenTitle = hint->HintTitle(); };

  showHintFor(windowed);
  EXPECT_EQ(seenTitle, L"Panel title") << "taken before OnShowHint runs";
  EXPECT_EQ(hint->HintImageList(), images);
  EXPECT_EQ(hint->HintImageIndex(), 1);
  window->ActivateHint({300, 300, 300, 300}, L"Body");
  EXPECT_TRUE(window->TitleMode());
  const int withImage = window->Width();

  showHintFor(windowless);
  EXPECT_EQ(hint->HintTitle(), L"Graphic title");
  EXPECT_EQ(hint->HintImageList(), nullptr);
  window->ActivateHint({300, 300, 300, 300}, L"Body");
  EXPECT_TRUE(window->TitleMode());

  // An image index beyond the list shows no image.
  windowed->SetHintImageIndex(5);
  showHintFor(windowed);
  window->ActivateHint({300, 300, 300, 300}, L"Body");
  EXPECT_EQ(window->Width(), withImage - 16 - 10);

  showHintFor(plain);
  EXPECT_TRUE(hint->HintTitle().empty()) << "another control's hint starts clean";
  EXPECT_EQ(hint->HintImageList(), nullptr);

  TComponent::Free(images);
  showHintFor(windowed);
  EXPECT_EQ(hint->HintImageList(), nullptr) << "a freed list is forgotten";
  hint->HideHint();
  for (TComponent* c : std::initializer_list<TComponent*>{plain, windowless, windowed}) TComponent::Free(c);
}
