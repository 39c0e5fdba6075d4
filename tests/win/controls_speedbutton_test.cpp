// Speed buttons on a real window with the program's own skin: their looks
// against the skin's pictures, the plain looks, groups, a click handler
// that frees its own button, the repeat, morph and animation timers, glyph
// layout, and a soak of hover, press and paint cycles.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <set>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "framework/ImgList.h"
#include "framework/MessageWindow.h"
#include "framework/StandardClasses.h"
#include "skin/controls/skControlsRegistration.h"
#include "skin/controls/skSkinSpeedButton.h"
#include "skin/data/skSkinData.h"
#include "skin/form/skSkinForm.h"
#include "skin/menus/skImagesMenu.h"
#include "skin/menus/skMenusPopup.h"
#include "status_surface.h"

using namespace sk;
using fw::TComponent;
using fw::TRect;

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    fw::Application().Initialize();
    fw::RegisterStandardClasses();
    RegisterSkinControlClasses();
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

std::filesystem::path WindowsPath(const std::string& unixPath) {
  std::wstring path(unixPath.begin(), unixPath.end());
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  for (auto& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

const std::filesystem::path kSkinFolder = WindowsPath(QUILLET_PROGRAM_SKIN_DIR);

// A copy of the program's skin with keys of [toolbutton] replaced.
std::filesystem::path EditedSkin(const std::string& name, const std::vector<std::string>& lines) {
  const auto dir = std::filesystem::temp_directory_path() / ("quillet-speedbutton-" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (const auto& entry : std::filesystem::directory_iterator(kSkinFolder)) {
    std::filesystem::copy_file(entry.path(), dir / entry.path().filename());
  }
  std::ifstream in(dir / "skin.ini", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  in.close();
  std::string ini = text.str();
  const size_t section = ini.find("[toolbutton]");
  for (const auto& line : lines) {
    const std::string key = line.substr(0, line.find('=') + 1);
    const size_t at = ini.find("\n" + key, section);
    const size_t end = ini.find('\n', at + 1);
    ini.replace(at + 1, end - at - 1, line + (ini[end - 1] == '\r' ? "\r" : ""));
  }
  std::ofstream(dir / "skin.ini", std::ios::binary) << ini;
  return dir / "skin.ini";
}

// Runs the message loop for `ms` milliseconds (timers included).
void PumpFor(int ms) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  MSG msg;
  while (std::chrono::steady_clock::now() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(5);
  }
}

template <class Done>
bool PumpUntil(Done done, int ms = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  MSG msg;
  while (!done() && std::chrono::steady_clock::now() < end) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(5);
  }
  return done();
}

class SpeedButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<fw::TForm>(&fw::Application());
    form_->SetBounds(40, 40, 400, 200);
    data_ = LoadSkin(kSkinFolder / "skin.ini");
    form_->HandleNeeded();
  }
  void TearDown() override { TComponent::Free(form_); }

  TskSkinData* LoadSkin(const std::filesystem::path& ini) {
    auto* stored = TComponent::Create<TskCompressedStoredSkin>(form_);
    stored->ImportSkinFolder(ini);
    auto* data = TComponent::Create<TskSkinData>(form_);
    data->SetCompressedStoredSkin(stored);
    EXPECT_FALSE(data->Empty());
    return data;
  }

  template <class T = TskSkinSpeedButton>
  T* Add(TskSkinData* data, int left = 0) {
    auto* b = TComponent::Create<T>(form_);
    b->SetParent(form_);
    b->SetBounds(left, 0, 40, 24);
    if (data) b->SetSkinData(data);
    return b;
  }

  // Pixels of the button that differ from `rect` of the record's picture.
  int DiffersFrom(fw::TGraphicControl* b, const TRect& rect) {
    const auto* record = data_->FindSkinControl<TskDataSkinButtonControl>("toolbutton");
    const fw::TBitmap& picture = *data_->ActivePicture(record->PictureIndex);
    MemorySurface s(b->Width(), b->Height(), RGB(255, 0, 255));
    b->PaintOn(s.Dc());
    int wrong = 0;
    for (int y = 0; y < b->Height(); ++y) {
      for (int x = 0; x < b->Width(); ++x) {
        wrong += s.At(x, y) != static_cast<COLORREF>(picture.Pixel(rect.left + x, rect.top + y));
      }
    }
    return wrong;
  }

  static void Press(fw::TControl* b, int x = 5, int y = 5) { b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }
  static void Release(fw::TControl* b, int x = 5, int y = 5) { b->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y)); }

  fw::TForm* form_ = nullptr;
  TskSkinData* data_ = nullptr;
};

TEST_F(SpeedButtons, LooksAreTheSkinsPicturesOneToOne) {
  const auto* record = data_->FindSkinControl<TskDataSkinButtonControl>("toolbutton");
  ASSERT_NE(record, nullptr);
  auto* b = Add(data_);
  ASSERT_EQ(b->Width(), 40);
  ASSERT_EQ(b->Height(), 24);
  EXPECT_EQ(DiffersFrom(b, record->SkinRect), 0) << "normal";
  b->Perform(fw::CM_MOUSEENTER);
  EXPECT_EQ(DiffersFrom(b, record->ActiveSkinRect), 0) << "hot";
  Press(b);
  EXPECT_EQ(DiffersFrom(b, record->DownSkinRect), 0) << "down";
  Release(b);
  b->Perform(fw::CM_MOUSELEAVE);
  EXPECT_EQ(DiffersFrom(b, record->SkinRect), 0) << "normal again";
  b->SetEnabled(false);
  EXPECT_EQ(DiffersFrom(b, record->DisabledSkinRect), 0) << "disabled";
}

TEST_F(SpeedButtons, WithoutARecordThePlainLooks) {
  auto* b = Add(data_);
  b->SetSkinDataName("no such record");
  const auto look = [&](int x, int y) {
    MemorySurface s(40, 24, RGB(255, 0, 255));
    b->PaintOn(s.Dc());
    return s.At(x, y);
  };
  EXPECT_EQ(look(0, 0), Sys(fw::clBtnShadow));
  EXPECT_EQ(look(20, 12), Sys(fw::clBtnFace));
  b->Perform(fw::CM_MOUSEENTER);
  EXPECT_EQ(look(0, 0), RGB(0, 0, 128));
  EXPECT_EQ(look(20, 12), RGB(182, 189, 210));
  Press(b);
  EXPECT_EQ(look(20, 12), RGB(133, 147, 181));
  Release(b);
  b->Perform(fw::CM_MOUSELEAVE);
  b->SetFlat(true);
  EXPECT_EQ(look(20, 12), RGB(255, 0, 255)) << "flat and transparent: nothing behind the content";
}

TEST_F(SpeedButtons, GroupsReleaseTheirPartnersUnlessAllUpIsAllowed) {
  auto* a = Add(data_, 0);
  auto* b = Add(data_, 50);
  auto* other = Add(data_, 100);
  for (auto* x : {a, b}) x->SetGroupIndex(1);
  other->SetGroupIndex(2);
  int clicks = 0;
  a->OnClick = [&](TComponent*) { ++clicks; };
  Press(a);
  EXPECT_EQ(clicks, 1) << "a grouped button clicks on the press";
  Release(a);
  other->SetDown(true);
  Press(b);
  Release(b);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(other->Down()) << "another group";

  for (auto* x : {a, b}) x->SetAllowAllUp(true);
  a->SetDown(true);
  EXPECT_TRUE(b->Down()) << "all up allowed: both down";
  Press(a);
  Release(a);
  EXPECT_FALSE(a->Down());
}

TEST_F(SpeedButtons, AClickHandlerMayFreeItsOwnButton) {
  // Through the window, as a real click arrives.
  for (int grouped = 0; grouped < 2; ++grouped) {
    auto* b = Add(data_, 10);
    b->SetGroupIndex(grouped);
    bool clicked = false;
    b->OnClick = [&clicked](TComponent* sender) {
      clicked = true;
      TComponent::Free(sender);
    };
    const HWND wnd = form_->Handle();
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(15, 5));
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 5));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(15, 5));
    EXPECT_TRUE(clicked) << grouped;
    EXPECT_EQ(form_->ControlCount(), 0);
    EXPECT_EQ(GetCapture(), nullptr);
  }
  // And from a repeat tick.
  auto* r = Add(data_);
  r->SetRepeatMode(true);
  bool freed = false;
  r->OnClick = [&freed](TComponent* sender) {
    freed = true;
    TComponent::Free(sender);
  };
  Press(r);
  EXPECT_TRUE(PumpUntil([&] { return freed; }));
  PumpFor(150);
}

TEST_F(SpeedButtons, RepeatClicksFirstAfterHalfASecondThenEveryInterval) {
  auto* b = Add(data_);
  b->SetRepeatMode(true);
  b->SetRepeatInterval(100);
  int clicks = 0;
  b->OnClick = [&](TComponent*) { ++clicks; };
  Press(b);
  EXPECT_TRUE(b->Repeating());
  PumpFor(400);
  EXPECT_EQ(clicks, 0);
  PumpFor(500);  // 900 ms held: 500, 600, 700, 800 (timers may run late)
  EXPECT_GE(clicks, 2);
  EXPECT_LE(clicks, 5);
  const int held = clicks;
  Release(b);
  EXPECT_EQ(clicks, held + 1) << "the release inside adds one";
  EXPECT_FALSE(b->Repeating());
  PumpFor(250);
  EXPECT_EQ(clicks, held + 1);

  // Released outside: no more clicks, none for the release.
  Press(b);
  Release(b, 100, 100);
  EXPECT_EQ(clicks, held + 1);
  EXPECT_FALSE(b->Repeating());
}

TEST_F(SpeedButtons, MorphRunsToItsTargetAndItsTimerStops) {
  data_ = LoadSkin(EditedSkin("morph", {"morphing=1", "morphkind=mkgradient"}));
  auto* b = Add(data_);
  b->Perform(fw::CM_MOUSEENTER);
  EXPECT_TRUE(b->Morphing());
  ASSERT_TRUE(PumpUntil([&] { return !b->Morphing(); }));
  EXPECT_EQ(b->MorphFactor(), 1.0);
  b->Perform(fw::CM_MOUSELEAVE);
  // Half way the look lies between the two pictures.
  PumpFor(50);
  MemorySurface s(40, 24);
  b->PaintOn(s.Dc());
  ASSERT_TRUE(PumpUntil([&] { return !b->Morphing(); }));
  EXPECT_EQ(b->MorphFactor(), 0.0);
  // Transparent buttons do not morph.
  b->SetTransparent(true);
  b->Perform(fw::CM_MOUSEENTER);
  EXPECT_FALSE(b->Morphing());
}

TEST_F(SpeedButtons, FrameAnimationNeedsFramesAndStopsAtTheLast) {
  data_ = LoadSkin(EditedSkin("noframes", {"animateskinrect=394,189,474,213", "framecount=0"}));
  auto* none = Add(data_);
  none->Perform(fw::CM_MOUSEENTER);
  EXPECT_FALSE(none->Animating());
  MemorySurface s(40, 24);
  none->PaintOn(s.Dc());  // no frame to divide by

  data_ = LoadSkin(EditedSkin("frames", {"animateskinrect=394,189,474,213", "framecount=2", "animateinterval=10"}));
  auto* b = Add(data_, 50);
  b->Perform(fw::CM_MOUSEENTER);
  EXPECT_TRUE(b->Animating());
  ASSERT_TRUE(PumpUntil([&] { return !b->Animating(); }));
  EXPECT_EQ(b->CurrentFrame(), 2);
  b->Perform(fw::CM_MOUSELEAVE);
  ASSERT_TRUE(PumpUntil([&] { return !b->Animating(); }));
  EXPECT_EQ(b->CurrentFrame(), 0);
}

TEST_F(SpeedButtons, ReferencesAreClearedWhenTheirComponentsGo) {
  auto* b = Add<TskSkinMenuSpeedButton>(data_);
  auto* images = TComponent::Create<fw::TImageList>(form_);
  auto* hints = TComponent::Create<fw::TImageList>(form_);
  auto* imagesMenu = TComponent::Create<TskSkinImagesMenu>(form_);
  auto* popup = TComponent::Create<TskSkinPopupMenu>(form_);
  b->SetImageList(images);
  b->SetHintImageList(hints);
  b->SetSkinImagesMenu(imagesMenu);
  b->SetSkinPopupMenu(popup);
  for (TComponent* c : std::initializer_list<TComponent*>{images, hints, imagesMenu, popup}) TComponent::Free(c);
  EXPECT_EQ(b->ImageList(), nullptr);
  EXPECT_EQ(b->HintImageList(), nullptr);
  EXPECT_EQ(b->SkinImagesMenu(), nullptr);
  EXPECT_EQ(b->SkinPopupMenu(), nullptr);
  Press(b);  // no menu left: an ordinary press
  Release(b);
  EXPECT_FALSE(b->MenuTracked());
}

TEST_F(SpeedButtons, TheTrackPartOfAMenuButtonIsDrawnFromTheDownLook) {
  const auto* record = data_->FindSkinControl<TskDataSkinMenuButtonControl>("toolmenutrackbutton");
  ASSERT_NE(record, nullptr);
  auto* host = TComponent::Create<TskSkinForm>(form_);
  host->SetSkinned(false);
  host->SetMenusSkinData(data_);
  auto* popup = TComponent::Create<TskSkinPopupMenu>(form_);
  auto* item = TComponent::Create<fw::TMenuItem>(popup);
  item->SetCaption(L"One");
  popup->Items()->Add(item);
  auto* b = Add<TskSkinMenuSpeedButton>(data_);
  b->SetSkinDataName("toolmenutrackbutton");
  b->SetTrackButtonMode(true);
  b->SetSkinPopupMenu(popup);
  int shown = 0, hidden = 0;
  b->OnShowTrackMenu = [&](TComponent*) { ++shown; };
  b->OnHideTrackMenu = [&](TComponent*) { ++hidden; };
  Press(b, 5, 5);  // the main part: an ordinary press
  EXPECT_FALSE(b->MenuTracked());
  Release(b, 5, 5);
  Press(b, 35, 12);
  EXPECT_TRUE(b->MenuTracked());
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(host->MenuOpen());
  // Hot everywhere but the track part, which comes from the down look.
  MemorySurface s(40, 24);
  b->PaintOn(s.Dc());
  const fw::TBitmap& picture = *data_->ActivePicture(record->PictureIndex);
  const TRect& t = record->TrackButtonRect;
  int wrong = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool track = x >= t.left && x < t.right && y >= t.top && y < t.bottom;
      const TRect& from = track ? record->DownSkinRect : record->ActiveSkinRect;
      wrong += s.At(x, y) != static_cast<COLORREF>(picture.Pixel(from.left + x, from.top + y));
    }
  }
  EXPECT_EQ(wrong, 0);
  Release(b, 35, 12);
  EXPECT_TRUE(b->MenuTracked()) << "releases are ignored while the menu is open";
  host->CloseSkinMenu();
  EXPECT_FALSE(b->MenuTracked());
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(hidden, 1);
}

}  // namespace

namespace {

// Where pixels of colour `c` start and end across a painted button.
std::pair<int, int> ColumnsOf(const MemorySurface& s, COLORREF c) {
  int first = -1, last = -1;
  for (int x = 0; x < s.Width(); ++x) {
    if (s.Count(c, x, 0, x + 1, s.Height()) == 0) continue;
    if (first < 0) first = x;
    last = x;
  }
  return {first, last};
}

}  // namespace

TEST_F(SpeedButtons, GlyphsFollowLayoutMarginAndState) {
  // A strip of two 8 x 8 glyphs on a key colour: red, then (disabled) green.
  fw::TBitmap strip(16, 8);
  {
    fw::TBitmapCanvas canvas(strip);
    canvas.Brush().color = 0xFF00FF;
    canvas.FillRect({0, 0, 16, 8});
    canvas.Brush().color = 0x0000FF;
    canvas.FillRect({1, 1, 7, 7});
    canvas.Brush().color = 0x00FF00;
    canvas.FillRect({9, 1, 15, 7});
  }
  auto* b = Add(nullptr);
  b->SetBounds(0, 0, 60, 24);
  b->SetGlyph(strip);
  b->SetNumGlyphs(2);
  const auto paint = [&] {
    auto s = std::make_unique<MemorySurface>(60, 24);
    b->PaintOn(s->Dc());
    return s;
  };
  // Alone it is centred.
  EXPECT_EQ(ColumnsOf(*paint(), RGB(255, 0, 0)), (std::pair{27, 32}));
  b->SetMargin(4);
  EXPECT_EQ(ColumnsOf(*paint(), RGB(255, 0, 0)), (std::pair{5, 10}));
  b->SetLayout(blGlyphRight);
  EXPECT_EQ(ColumnsOf(*paint(), RGB(255, 0, 0)), (std::pair{49, 54}));
  b->SetMargin(-3);
  EXPECT_EQ(b->Margin(), 4) << "below -1 is refused";
  b->SetEnabled(false);
  const auto disabled = paint();
  EXPECT_EQ(ColumnsOf(*disabled, RGB(255, 0, 0)).first, -1);
  EXPECT_EQ(ColumnsOf(*disabled, RGB(0, 255, 0)), (std::pair{49, 54})) << "the second glyph when disabled";
}

TEST_F(SpeedButtons, HoverPressAndPaintCyclesLeaveTheHandleCountsWhereTheyStarted) {
  const char* asked = std::getenv("QUILLET_SOAK_CYCLES");
  const int cycles = asked ? std::max(std::atoi(asked), 1) : 300;
  data_ = LoadSkin(EditedSkin("soak", {"morphing=1", "animateskinrect=394,189,474,213", "framecount=2"}));
  auto* b = Add(data_);
  auto* menu = Add<TskSkinMenuSpeedButton>(nullptr, 50);
  menu->SetTrackButtonMode(true);
  MemorySurface s(60, 24);
  b->PaintOn(s.Dc());
  menu->PaintOn(s.Dc());
  b->Perform(fw::CM_MOUSEENTER);
  b->Perform(fw::CM_MOUSELEAVE);
  PumpFor(300);
  const int gdi = fw::HandleCounters::Gdi();
  const int user = fw::HandleCounters::User();
  const size_t timers = fw::MessageWindow::Instance().TimerCount();
  for (int i = 0; i < cycles; ++i) {
    for (fw::TControl* c : {static_cast<fw::TControl*>(b), static_cast<fw::TControl*>(menu)}) {
      c->Perform(fw::CM_MOUSEENTER);
      Press(c);
      static_cast<fw::TGraphicControl*>(c)->PaintOn(s.Dc());
      Release(c, i % 2 ? 5 : 100);
      c->Perform(fw::CM_MOUSELEAVE);
      static_cast<fw::TGraphicControl*>(c)->PaintOn(s.Dc());
    }
    if (i % 50 == 0) PumpFor(10);
  }
  ASSERT_TRUE(PumpUntil([&] { return !b->Morphing() && !b->Animating(); }));
  EXPECT_EQ(fw::HandleCounters::Gdi(), gdi);
  EXPECT_EQ(fw::HandleCounters::User(), user);
  EXPECT_EQ(fw::MessageWindow::Instance().TimerCount(), timers);
}

TEST_F(SpeedButtons, AMenuThatCannotOpenLeavesTheButtonUp) {
  // No menu host on the form, and an images menu without images.
  auto* popup = TComponent::Create<TskSkinPopupMenu>(form_);
  auto* images = TComponent::Create<TskSkinImagesMenu>(form_);
  for (int which = 0; which < 2; ++which) {
    auto* b = Add<TskSkinMenuSpeedButton>(data_);
    if (which == 0) {
      b->SetSkinPopupMenu(popup);
    } else {
      b->SetSkinImagesMenu(images);
    }
    int hidden = 0;
    b->OnHideTrackMenu = [&](TComponent*) { ++hidden; };
    Press(b);
    EXPECT_FALSE(b->MenuTracked()) << which;
    EXPECT_FALSE(b->Down()) << which;
    EXPECT_EQ(hidden, 1) << which;
    Release(b);
    TComponent::Free(b);
  }
  EXPECT_FALSE(static_cast<bool>(images->OnMenuClose)) << "the images menu's close callback is its own again";
}

TEST_F(SpeedButtons, NewStyleDrawsItsTrackPartFromTheTrackRecord) {
  const auto* main = data_->FindSkinControl<TskDataSkinButtonControl>("resizetoolbutton");
  const auto* track = data_->FindSkinControl<TskDataSkinButtonControl>("vtracktoolbutton");
  ASSERT_NE(main, nullptr);
  ASSERT_NE(track, nullptr);
  auto* b = Add<TskSkinMenuSpeedButton>(data_);
  b->SetNewStyle(true);
  EXPECT_EQ(b->SkinDataName(), "resizetoolbutton");
  b->SetTrackButtonMode(true);
  b->SetBounds(0, 0, 60, 24);
  b->Perform(fw::CM_MOUSEENTER);
  MemorySurface s(60, 24);
  b->PaintOn(s.Dc());
  const fw::TBitmap& picture = *data_->ActivePicture(main->PictureIndex);
  const fw::TBitmap& trackPicture = *data_->ActivePicture(track->PictureIndex);
  // The main record's corner columns 1:1; the track part (a fixed-size
  // record stretched to 15 x 24) only in colours of the track record's hot look.
  std::set<COLORREF> trackColours;
  const TRect& t = track->ActiveSkinRect;
  for (int y = t.top; y < t.bottom; ++y) {
    for (int x = t.left; x < t.right; ++x) trackColours.insert(static_cast<COLORREF>(trackPicture.Pixel(x, y)));
  }
  // The drop-down marker goes over it.
  const TRect& m = main->MenuMarkerActiveRect;
  for (int y = m.top; y < m.bottom; ++y) {
    for (int x = m.left; x < m.right; ++x) trackColours.insert(static_cast<COLORREF>(picture.Pixel(x, y)));
  }
  int wrong = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 3; ++x) {
      wrong += s.At(x, y) !=
               static_cast<COLORREF>(picture.Pixel(main->ActiveSkinRect.left + x, main->ActiveSkinRect.top + y));
    }
    for (int x = 45; x < 60; ++x) wrong += trackColours.count(s.At(x, y)) == 0;
  }
  EXPECT_EQ(wrong, 0);
}
