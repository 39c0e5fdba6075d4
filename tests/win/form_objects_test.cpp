// Caption objects on a real skinned window, with a variant of our skin whose
// roll-up button is animated and which has a button with a menu: frames on
// the animation timer, the objects' hints, a button's menu below it, the
// logo over the client background, and the inactive client picture.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "framework/StandardClasses.h"
#include "skin/controls/skControlsRegistration.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataMessenger.h"
#include "skin/data/skSkinDataRegistration.h"
#include "skin/data/skSkinStoredSkin.h"
#include "skin/form/skSkinForm.h"
#include "skin/hints/skSkinHint.h"
#include "skin/menus/skMenusPopup.h"

using namespace sk;
using fw::TComponent;

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    fw::Application().Initialize();
    fw::RegisterStandardClasses();
    RegisterSkinDataClasses();
    RegisterSkinControlClasses();
    RegisterSkinFormClasses();
    InstallWindowsSkinMessenger();
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

std::filesystem::path Dos(const std::string& unixPath) {
  std::wstring path = std::filesystem::path(unixPath).wstring();
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  return path;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const size_t at = text.find(from);
  if (at == std::string::npos) throw std::runtime_error("not in the skin: " + from);
  return text.replace(at, from.size(), to);
}

// Our skin with an animated roll-up button (three 21-pixel frames running
// right from the button's normal look) and a bottom-left button with a
// menu, written beside the program's pictures.
std::filesystem::path VariantSkin() {
  static const std::filesystem::path ini = [] {
    const std::filesystem::path from = Dos(QUILLET_PROGRAM_SKIN_DIR);
    const std::filesystem::path to = std::filesystem::temp_directory_path() / L"quillet_objects_skin";
    std::filesystem::create_directories(to);
    for (const auto& file : std::filesystem::directory_iterator(from)) {
      std::filesystem::copy_file(file.path(), to / file.path().filename(),
                                 std::filesystem::copy_options::overwrite_existing);
    }
    std::ifstream in(from / L"skin.ini", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string s = text.str();
    s = Replaced(s, "count=13", "count=14");
    s = Replaced(s, "3=rollupbutton:stdbutton", "3=rollupbutton:animate");
    s = Replaced(s, "12=menubarminbutton:mainmenubarbutton",
                 "12=menubarminbutton:mainmenubarbutton\r\n13=menubutton:button");
    s = Replaced(s, "activeskinrect=27,90,48,111",
                 "activeskinrect=3,90,66,111\r\ncountframes=3\r\nbuttonstyle=1\r\n"
                 "timerinterval=25");
    s = Replaced(s, "inactiveskinrect=27,178,48,199", "inactiveskinrect=0,0,0,0");
    // The caption steps through three frames stacked in the active picture.
    s = Replaced(s, "activepictureindex=-1\r\nactivemaskpictureindex=-1\r\nskinrectinapicture=0\r\nskinrect=3,5,282,24",
                 "activepictureindex=0\r\nactivemaskpictureindex=-1\r\nskinrectinapicture=0\r\nskinrect=3,5,282,24");
    s = Replaced(s,
                 "activeskinrect=0,0,0,0\r\ninactiveskinrect=0,0,0,0\r\nmorphing=0\r\nmorphkind=mkdefault\r\n"
                 "glowlayerpictureindex=-1\r\nglowlayermaskpictureindex=-1\r\nglowlayeroffsetx=0\r\n"
                 "glowlayeroffsety=0\r\nglowlayeralphablendvalue=255\r\ntextrect",
                 "activeskinrect=0,57,75,76\r\ninactiveskinrect=0,0,0,0\r\nmorphing=0\r\nmorphkind=mkdefault\r\n"
                 "glowlayerpictureindex=-1\r\nglowlayermaskpictureindex=-1\r\nglowlayeroffsetx=0\r\n"
                 "glowlayeroffsety=0\r\nglowlayeralphablendvalue=255\r\ntextrect");
    s = Replaced(s, "animateskinrect=0,0,0,0\r\nframecount=0", "animateskinrect=0,0,75,57\r\nframecount=3");
    s += "\r\n[menubutton]\r\nactivepictureindex=0\r\nskinrectinapicture=0\r\nskinrect=2,202,10,208\r\n"
         "activeskinrect=3,2,11,8\r\n";
    std::ofstream out(to / L"skin.ini", std::ios::binary);
    out << s;
    return to / L"skin.ini";
  }();
  return ini;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, int milliseconds = 2000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    Pump();
    Sleep(5);
  }
  return true;
}

class ObjectsForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<fw::TForm>(&fw::Application());
    form_->SetText(L"Objects");
    form_->SetBounds(60, 60, 400, 300);
    auto* stored = TComponent::Create<TskCompressedStoredSkin>(form_);
    stored->ImportSkinFolder(VariantSkin());
    data_ = TComponent::Create<TskSkinData>(form_);
    data_->SetCompressedStoredSkin(stored);
    ASSERT_FALSE(data_->Empty());
    skin_ = TComponent::Create<TskSkinForm>(form_);
    skin_->SetSkinData(data_);
    form_->HandleNeeded();
    wnd_ = form_->Handle();
    ShowWindow(wnd_, SW_SHOWNORMAL);
    SetForegroundWindow(wnd_);
    SendMessageW(wnd_, WM_NCACTIVATE, TRUE, 0);
    Pump();
  }
  void TearDown() override {
    TComponent::Free(form_);
    Pump();
    ReapPopups();
  }

  int Index(const std::string& name) const {
    const auto& objects = skin_->CaptionObjects();
    for (size_t i = 0; i < objects.size(); ++i)
      if (objects[i].name == name) return static_cast<int>(i);
    ADD_FAILURE() << name;
    return -1;
  }
  POINT ScreenCentre(int index) const {
    RECT w;
    GetWindowRect(wnd_, &w);
    const fw::TRect& r = skin_->CaptionObjects()[static_cast<size_t>(index)].rect;
    return {w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
  }
  void MoveTo(POINT p, WPARAM hit = HTCAPTION) {
    SetCursorPos(p.x, p.y);
    SendMessageW(wnd_, WM_NCMOUSEMOVE, hit, MAKELPARAM(p.x, p.y));
  }
  void MoveAway() {
    RECT w;
    GetWindowRect(wnd_, &w);
    MoveTo({w.left + 150, w.top + 150}, HTCLIENT);
  }
  const TskObjectState& State(int index) const { return skin_->Tracker().State(index); }

  fw::TForm* form_ = nullptr;
  TskSkinData* data_ = nullptr;
  TskSkinForm* skin_ = nullptr;
  HWND wnd_ = nullptr;
};

TEST_F(ObjectsForm, AnAnimatedButtonRunsItsFramesOnTheTimerAndShowsEachOnTheFrame) {
  const int rollUp = Index("rollupbutton");
  ASSERT_EQ(skin_->CaptionObjects()[rollUp].kind, TskObjectKind::Animate);
  ASSERT_TRUE(skin_->CaptionObjects()[rollUp].visible);
  MoveTo(ScreenCentre(rollUp));
  ASSERT_EQ(skin_->Tracker().HoverIndex(), rollUp);
  // Forward to the last frame, where it rests.
  ASSERT_TRUE(PumpUntil([&] { return State(rollUp).frameIndex == 3 && !State(rollUp).activeLook; }));
  // The third frame is on the window: its pixel from the skin's picture.
  const fw::TRect& r = skin_->CaptionObjects()[rollUp].rect;
  const fw::TColor expected = data_->ActivePicture(0)->Pixel(45 + 10, 90 + 10);
  {
    fw::WindowDC dc(wnd_);
    EXPECT_EQ(GetPixel(dc.Get(), r.left + 10, r.top + 10), expected);
  }
  MoveAway();
  ASSERT_TRUE(PumpUntil([&] { return State(rollUp).frameIndex == 1 && !State(rollUp).activeLook; }));
  {
    fw::WindowDC dc(wnd_);
    EXPECT_EQ(GetPixel(dc.Get(), r.left + 10, r.top + 10), data_->ActivePicture(0)->Pixel(3 + 10, 90 + 10));
  }
}

TEST_F(ObjectsForm, TheCaptionStepsThroughItsFramesWhenTheFormIsActivated) {
  const int caption = Index("caption");
  ASSERT_TRUE(State(caption).animates);
  SendMessageW(wnd_, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(State(caption).frameIndex, 0);
  SendMessageW(wnd_, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(State(caption).frameIndex, 1);
  std::vector<int> seen;
  ASSERT_TRUE(PumpUntil([&] {
    if (seen.empty() || seen.back() != State(caption).frameIndex) seen.push_back(State(caption).frameIndex);
    return State(caption).frameIndex == 4;
  }));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
  // At rest the active image: its right end is the active rectangle's.
  const fw::TRect& r = skin_->CaptionObjects()[static_cast<size_t>(caption)].rect;
  fw::WindowDC dc(wnd_);
  EXPECT_EQ(GetPixel(dc.Get(), r.right - 5, r.top + 2), data_->ActivePicture(0)->Pixel(75 - 5, 57 + 2));
}

TEST_F(ObjectsForm, HoveredButtonsAskTheSkinnedHintForTheirDefaultHint) {
  auto* hint = TComponent::Create<TskSkinHint>(form_);
  skin_->SetSkinHint(hint);
  skin_->ShowObjectHint = true;
  const int close = Index("closebutton"), max = Index("maxbutton");
  // Without the program's string table: the English texts.
  EXPECT_EQ(skin_->ObjectHint(close), L"Close");
  MoveTo(ScreenCentre(close));
  EXPECT_TRUE(hint->HintPending());
  MoveAway();
  EXPECT_FALSE(hint->HintPending());
  EXPECT_FALSE(hint->HintShown());
  // The skin's resource strings go first.
  auto* strings = TComponent::Create<TskResourceStrData>(form_);
  fw::TStringList lines;
  lines.Add("MAXBUTTON_HINT=Grow");
  lines.Add("RESTORE_HINT=Shrink");
  strings->SetResStrings(lines);
  data_->SetResourceStrData(strings);
  SendMessageW(wnd_, SKINMSG_RESOURCE_STRINGS, 0, 0);
  EXPECT_EQ(skin_->ObjectHint(max), L"Grow");
  skin_->SetSkinWindowState(TskWindowState::Maximized);
  EXPECT_EQ(skin_->ObjectHint(max), L"Shrink");
  skin_->SetSkinWindowState(TskWindowState::Normal);
  EXPECT_EQ(skin_->ObjectHint(max), L"Grow");
  skin_->RollUp(true);
  EXPECT_EQ(skin_->ObjectHint(Index("rollupbutton")), L"Shrink");
  // Gone with its component: no hint is asked for any more.
  TComponent::Free(hint);
  EXPECT_EQ(skin_->SkinHint(), nullptr);
}

TEST_F(ObjectsForm, AButtonOpensItsMenuBelowItselfAndStaysPressedUntilItCloses) {
  // The skinned form shows its own menus.
  TskSkinForm* host = skin_;
  auto* popup = TComponent::Create<TskSkinPopupMenu>(form_);
  auto* item = TComponent::Create<fw::TMenuItem>(form_);
  item->SetCaption(L"&One");
  popup->Items()->Add(item);
  const int button = Index("menubutton");
  skin_->SetObjectMenu("menubutton", popup->Items());
  ASSERT_TRUE(State(button).hasMenu);
  const POINT at = ScreenCentre(button);
  MoveTo(at, HTBOTTOMLEFT);
  ASSERT_EQ(skin_->Tracker().HoverIndex(), button);
  SendMessageW(wnd_, WM_NCLBUTTONDOWN, HTNOWHERE, MAKELPARAM(at.x, at.y));
  ASSERT_TRUE(host->SkinMenu().Visible());
  EXPECT_TRUE(State(button).pressed);
  RECT menu;
  GetWindowRect(host->SkinMenu().Popup(0)->Handle(), &menu);
  RECT w;
  GetWindowRect(wnd_, &w);
  const fw::TRect& r = skin_->CaptionObjects()[button].rect;
  EXPECT_EQ(menu.left, w.left + r.left);
  // The release leaves it pressed: the menu is still open.
  SendMessageW(wnd_, WM_NCLBUTTONUP, HTNOWHERE, MAKELPARAM(at.x, at.y));
  EXPECT_TRUE(State(button).pressed);
  EXPECT_TRUE(host->SkinMenu().Visible());
  host->CloseSkinMenu();
  Pump();
  EXPECT_FALSE(State(button).pressed);

  // A menu without items does not open and does not hold the button down.
  popup->Items()->Remove(item);
  MoveAway();
  MoveTo(at, HTBOTTOMLEFT);
  SendMessageW(wnd_, WM_NCLBUTTONDOWN, HTNOWHERE, MAKELPARAM(at.x, at.y));
  EXPECT_FALSE(host->SkinMenu().Visible());
  EXPECT_FALSE(State(button).pressed);
  SendMessageW(wnd_, WM_NCLBUTTONUP, HTNOWHERE, MAKELPARAM(at.x, at.y));
  // Freed items are forgotten.
  TComponent::Free(popup);
  EXPECT_FALSE(State(button).hasMenu);
}

TEST_F(ObjectsForm, ManyAnimationMenuAndInactiveCyclesLeaveTheHandleCountsAlone) {
  // The skinned form shows its own menus.
  TskSkinForm* host = skin_;
  auto* popup = TComponent::Create<TskSkinPopupMenu>(form_);
  auto* item = TComponent::Create<fw::TMenuItem>(form_);
  item->SetCaption(L"&One");
  popup->Items()->Add(item);
  skin_->SetObjectMenu("menubutton", popup->Items());
  skin_->ClientInActiveEffect = true;
  skin_->SetLogoBitMap(fw::TBitmap(30, 20));
  const int rollUp = Index("rollupbutton"), button = Index("menubutton");
  const POINT overRollUp = ScreenCentre(rollUp), overButton = ScreenCentre(button);
  const int gdi = fw::HandleCounters::Gdi();
  const int user = fw::HandleCounters::User();
  const char* asked = std::getenv("QUILLET_SOAK_CYCLES");
  const int kCycles = asked && std::atoi(asked) > 0 ? std::atoi(asked) : 200;
  for (int i = 0; i < kCycles; ++i) {
    MoveTo(overRollUp);
    Sleep(i % 3 == 0 ? 30 : 0);
    Pump();
    MoveAway();
    MoveTo(overButton, HTBOTTOMLEFT);
    SendMessageW(wnd_, WM_NCLBUTTONDOWN, HTNOWHERE, MAKELPARAM(overButton.x, overButton.y));
    SendMessageW(wnd_, WM_NCLBUTTONUP, HTNOWHERE, MAKELPARAM(overButton.x, overButton.y));
    host->CloseSkinMenu();
    MoveAway();
    SendMessageW(wnd_, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(wnd_, WM_NCACTIVATE, TRUE, 0);
    if (i % 20 == 0) {
      Pump();
      ReapPopups();
    }
  }
  Pump();
  ReapPopups();
  EXPECT_FALSE(State(button).pressed);
  EXPECT_EQ(fw::HandleCounters::Gdi(), gdi);
  EXPECT_EQ(fw::HandleCounters::User(), user);
}

class LogoForm : public ObjectsForm {
 protected:
  // The client background as WM_ERASEBKGND paints it, read back.
  fw::TBitmap Background() {
    RECT cr;
    GetClientRect(wnd_, &cr);
    fw::TBitmap out(cr.right, cr.bottom);
    {
      fw::TBitmapCanvas canvas(out);
      SendMessageW(wnd_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Handle()), 0);
    }
    return out;
  }
};

TEST_F(LogoForm, TheLogoIsCentredOverTheBackgroundAndTransparentWhereAsked) {
  constexpr fw::TColor kKey = 0x00FF00FF, kInk = 0x00204080;
  fw::TBitmap logo(20, 10);
  // The bottom-left pixel names the transparent colour.
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 20; ++x) logo.SetPixel(x, y, x < 10 ? kKey : kInk);
  const fw::TBitmap plain = Background();
  skin_->SetLogoBitMap(logo);
  fw::TBitmap shown = Background();
  const int x = shown.Width() / 2 - 10, y = shown.Height() / 2 - 5;
  EXPECT_EQ(shown.Pixel(x, y), kKey);
  EXPECT_EQ(shown.Pixel(x + 15, y), kInk);
  EXPECT_EQ(shown.Pixel(x - 1, y), plain.Pixel(x - 1, y));
  skin_->SetLogoBitMapTransparent(true);
  shown = Background();
  EXPECT_EQ(shown.Pixel(x, y), plain.Pixel(x, y));
  EXPECT_EQ(shown.Pixel(x + 15, y), kInk);
}

TEST_F(LogoForm, AnInactiveFormsClientIsCoveredUntilItIsActiveAgain) {
  skin_->ClientInActiveEffect = true;
  for (const TskClientInActiveEffect effect : {skieSemiTransparent, skieBlur}) {
    skin_->ClientInActiveEffectType = effect;
    SendMessageW(wnd_, WM_NCACTIVATE, FALSE, 0);
    fw::TControl* panel = skin_->ClientInActivePanel();
    ASSERT_NE(panel, nullptr);
    RECT cr;
    GetClientRect(wnd_, &cr);
    EXPECT_EQ(panel->Width(), cr.right);
    EXPECT_EQ(panel->Height(), cr.bottom);
    EXPECT_TRUE(IsWindowVisible(static_cast<fw::TWinControl*>(panel)->Handle()));
    // A second deactivation replaces the picture rather than stacking one.
    const int children = form_->ControlCount();
    SendMessageW(wnd_, WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(form_->ControlCount(), children);
    SendMessageW(wnd_, WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(skin_->ClientInActivePanel(), nullptr);
  }
  // Switched off while inactive: the picture still goes on activation,
  // and no new one comes.
  SendMessageW(wnd_, WM_NCACTIVATE, FALSE, 0);
  skin_->ClientInActiveEffect = false;
  SendMessageW(wnd_, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(skin_->ClientInActivePanel(), nullptr);
  SendMessageW(wnd_, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(skin_->ClientInActivePanel(), nullptr);
}

}  // namespace
