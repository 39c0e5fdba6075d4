// Skinned controls on real windows with the program's own skin: the panel's
// painted look against its record, the default look, the skin-change walk,
// mask regions, roll-up and check mode, and the status bar's grip.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "framework/StandardClasses.h"
#include "skin/controls/skControlsRegistration.h"
#include "skin/controls/skSkinControlWalk.h"
#include "skin/controls/skSkinPanel.h"
#include "skin/data/skSkinData.h"
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

// A copy of the program's skin whose panel record is rewritten by `edit`
// (key=value lines that replace the section's own).
std::filesystem::path EditedSkin(const std::string& name, const std::vector<std::string>& lines) {
  const auto dir = std::filesystem::temp_directory_path() / ("quillet-controls-" + name);
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
  const size_t section = ini.find("[panel]");
  for (const auto& line : lines) {
    const std::string key = line.substr(0, line.find('=') + 1);
    const size_t at = ini.find("\n" + key, section);
    const size_t end = ini.find('\n', at + 1);
    ini.replace(at + 1, end - at - 1, line + (ini[end - 1] == '\r' ? "\r" : ""));
  }
  std::ofstream(dir / "skin.ini", std::ios::binary) << ini;
  return dir / "skin.ini";
}

class SkinnedControls : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<fw::TForm>(&fw::Application());
    form_->SetBounds(40, 40, 900, 300);
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

  template <class T>
  T* Add(fw::TWinControl* parent, TskSkinData* data, int width, int height) {
    auto* control = TComponent::Create<T>(form_);
    control->SetParent(parent);
    control->SetBounds(0, 0, width, height);
    if (data) control->SetSkinData(data);
    return control;
  }

  fw::TForm* form_ = nullptr;
  TskSkinData* data_ = nullptr;
};

// Where pixel (x, y) of a tiling of `period` started at `origin` comes from.
int Tiled(int v, int origin, int period) { return ((v - origin) % period + period) % period; }

// Controls that count what their parent tells them of its background.
class ListeningPanel : public TskSkinPanel {
 public:
  using TskSkinPanel::TskSkinPanel;
  int heard = 0;

 protected:
  void ParentBackgroundChanged() override {
    ++heard;
    TskSkinPanel::ParentBackgroundChanged();
  }
};
class ListeningGraphic : public TskGraphicSkinCustomControl {
 public:
  explicit ListeningGraphic(TComponent* owner) : TskGraphicSkinCustomControl(owner) { SetSkinDataName("panel"); }
  int heard = 0;

 protected:
  void ParentBackgroundChanged() override { ++heard; }
};

TEST_F(SkinnedControls, PanelPaintsTheCornerModelOfItsRecordAtAnySize) {
  const auto* record = data_->FindSkinControl<TskDataSkinPanelControl>("panel");
  ASSERT_NE(record, nullptr);
  const fw::TBitmap& picture = *data_->ActivePicture(record->PictureIndex);
  const TRect sr = record->SkinRect;  // 141,4,200,56
  const int sw = sr.Width(), sh = sr.Height();
  const TRect cr = record->ClientRect;
  const auto skin = [&](int x, int y) { return static_cast<COLORREF>(picture.Pixel(sr.left + x, sr.top + y)); };

  for (const auto& [w, h] : {std::pair{671, 49}, std::pair{800, 49}, std::pair{120, 90}, std::pair{59, 52}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    auto* panel = Add<TskSkinPanel>(form_, data_, w, h);
    ASSERT_EQ(panel->Width(), w);
    ASSERT_EQ(panel->ClientRect(), (TRect{0, 0, w, h}));
    MemorySurface s(w, h, RGB(255, 0, 255));
    panel->PaintTo(s.Dc(), 0, 0);
    const int dx = w - sw, dy = h - sh;
    int wrong = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        COLORREF want;
        const bool left = x < cr.left, right = x >= w - (sw - cr.right);
        const bool top = y < cr.top, bottom = y >= h - (sh - cr.bottom);
        if ((left || right) && (top || bottom)) {
          // Corners 1:1.
          want = skin(right ? x - dx : x, bottom ? y - dy : y);
        } else if (!left && !right && !top && !bottom) {
          // The client slice tiled from the client rectangle's corner.
          want = skin(cr.left + Tiled(x, cr.left, cr.Width()), cr.top + Tiled(y, cr.top, cr.Height()));
        } else {
          continue;  // edges: checked below
        }
        wrong += s.At(x, y) != want;
      }
    }
    EXPECT_EQ(wrong, 0);
    // Edges repeat their skin part: the top edge's middle has the period of
    // the part between the top corner points.
    const int period = record->RightTopPoint.x - record->LeftTopPoint.x;
    for (int x = record->LeftTopPoint.x; x + period < record->RightTopPoint.x + dx; ++x) {
      EXPECT_EQ(s.At(x, 0), s.At(x + period, 0)) << x;
    }
    TComponent::Free(panel);
  }
}

TEST_F(SkinnedControls, WithoutASkinThePanelDrawsTheDefaultLook) {
  auto* panel = Add<TskSkinPanel>(form_, nullptr, 671, 49);
  EXPECT_EQ(panel->ClientRect(), (TRect{0, 0, 671, 49}));
  EXPECT_EQ(panel->RecordIndex(), -1);
  MemorySurface s(671, 49);
  panel->PaintTo(s.Dc(), 0, 0);
  EXPECT_EQ(s.At(0, 0), Sys(fw::clBtnShadow));
  EXPECT_EQ(s.At(670, 48), Sys(fw::clBtnShadow));
  EXPECT_EQ(s.At(300, 20), Sys(fw::clBtnFace));
  // The caption is not drawn without caption mode.
  panel->SetCaption(L"TopPnl");
  MemorySurface again(671, 49);
  panel->PaintTo(again.Dc(), 0, 0);
  EXPECT_EQ(again.Count(Sys(fw::clBtnFace), 1, 1, 670, 48), 669 * 47);

  // A record name is matched exactly: "Panel" is not "panel".
  auto* other = Add<TskSkinPanel>(form_, data_, 100, 40);
  other->SetSkinDataName("Panel");
  MemorySurface plain(100, 40);
  other->PaintTo(plain.Dc(), 0, 0);
  EXPECT_EQ(other->RecordIndex(), -1);
  EXPECT_EQ(plain.At(50, 20), Sys(fw::clBtnFace));

  // A record without a frame to draw from is no record; neither is one
  // whose picture the skin does not have.
  auto* label = Add<TskSkinPanel>(form_, data_, 100, 40);
  label->SetSkinDataName("stdlabel");
  ASSERT_NE(data_->FindSkinControl<TskDataSkinStdLabelControl>("stdlabel"), nullptr);
  MemorySurface labelLook(100, 40);
  label->PaintTo(labelLook.Dc(), 0, 0);
  EXPECT_EQ(label->RecordIndex(), -1);
  EXPECT_EQ(labelLook.At(50, 20), Sys(fw::clBtnFace));
  auto* pictureless = Add<TskSkinPanel>(form_, LoadSkin(EditedSkin("nopicture", {"pictureindex=99"})), 100, 40);
  MemorySurface pictureLook(100, 40);
  pictureless->PaintTo(pictureLook.Dc(), 0, 0);
  EXPECT_GE(pictureless->RecordIndex(), 0);
  EXPECT_EQ(pictureLook.At(50, 20), Sys(fw::clBtnFace));
  EXPECT_EQ(pictureless->ClientRect(), (TRect{0, 0, 100, 40}));

  // No size, no paint.
  auto* empty = Add<TskSkinPanel>(form_, data_, 0, 40);
  MemorySurface untouched(10, 10, RGB(1, 2, 3));
  empty->PaintTo(untouched.Dc(), 0, 0);
  EXPECT_EQ(untouched.Count(RGB(1, 2, 3), 0, 0, 10, 10), 100);
}

TEST_F(SkinnedControls, DefaultSizesApplyOnlyWithoutARecord) {
  auto* panel = Add<TskSkinPanel>(form_, nullptr, 50, 40);
  panel->SetDefaultWidth(0);
  EXPECT_EQ(panel->Width(), 50);
  panel->SetDefaultWidth(80);
  EXPECT_EQ(panel->Width(), 80);
  // A record that snaps: the fixed record takes its skin's size instead.
  auto* fixed = LoadSkin(
      EditedSkin("fixed", {"lefttoppoint=0,0", "righttoppoint=0,0", "leftbottompoint=0,0", "rightbottompoint=0,0"}));
  panel->SetSkinData(fixed);
  EXPECT_EQ(panel->Width(), 59);
  EXPECT_EQ(panel->Height(), 52);
  panel->SetBounds(0, 0, 300, 10);
  EXPECT_EQ(panel->Width(), 59);
}

TEST_F(SkinnedControls, SkinChangeWalkReachesNestedControlsOfTheChangingSkin) {
  auto* outer = Add<TskSkinPanel>(form_, data_, 300, 100);
  auto* inner = Add<TskSkinPanel>(outer, data_, 100, 50);
  auto* innermost = Add<TskSkinPaintPanel>(inner, data_, 60, 30);
  auto* otherData = LoadSkin(kSkinFolder / "skin.ini");
  auto* foreign = Add<TskSkinPanel>(inner, otherData, 60, 30);
  auto* windowless = Add<ListeningGraphic>(inner, data_, 60, 30);
  ASSERT_GE(windowless->RecordIndex(), 0);
  for (TskSkinPanel* p : {outer, inner, static_cast<TskSkinPanel*>(innermost), foreign}) ASSERT_GE(p->RecordIndex(), 0);

  ForgetSkinRecords(*form_, data_);
  EXPECT_EQ(outer->RecordIndex(), -1);
  EXPECT_EQ(inner->RecordIndex(), -1);
  EXPECT_EQ(innermost->RecordIndex(), -1);
  EXPECT_EQ(windowless->RecordIndex(), -1);
  EXPECT_GE(foreign->RecordIndex(), 0);

  ForgetSkinRecords(*form_, otherData);
  ApplySkinChanges(*form_, data_);
  EXPECT_GE(innermost->RecordIndex(), 0);
  EXPECT_GE(windowless->RecordIndex(), 0);
  EXPECT_EQ(foreign->RecordIndex(), -1);
  ApplySkinChanges(*form_, nullptr);
  EXPECT_GE(foreign->RecordIndex(), 0);

  // A removed skin data leaves its controls with the default look, not a dangling skin.
  TComponent::Free(otherData);
  EXPECT_EQ(foreign->SkinData(), nullptr);
  EXPECT_EQ(foreign->RecordIndex(), -1);
}

TEST_F(SkinnedControls, MaskRegionFollowsTheRecordAndSurvivesANewWindow) {
  auto* masked = LoadSkin(EditedSkin(
      "masked", {"pictureindex=2", "maskpictureindex=6", "skinrect=0,0,93,55", "lefttoppoint=26,4",
                 "righttoppoint=89,4", "leftbottompoint=26,51", "rightbottompoint=89,51", "clientrect=3,3,90,52"}));
  auto* panel = Add<TskSkinPanel>(form_, masked, 200, 120);
  const auto regionHas = [&](int x, int y) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(panel->Handle(), rgn);
    const bool inside = kind != ERROR && PtInRegion(rgn, x, y);
    DeleteObject(rgn);
    return kind == ERROR ? -1 : static_cast<int>(inside);
  };
  ASSERT_TRUE(panel->HasWindowRegion());
  EXPECT_EQ(regionHas(100, 60), 1);  // the client area
  // The mask's transparent corner stays outside at any size.
  const fw::TBitmap& mask = *masked->ActivePicture(6);
  ASSERT_NE(mask.Pixel(0, 0), fw::clBlack);
  EXPECT_EQ(regionHas(0, 0), 0);

  // Re-created, the window is clipped again.
  panel->RecreateWnd();
  EXPECT_TRUE(panel->HasWindowRegion());
  EXPECT_EQ(regionHas(100, 60), 1);

  // Back to a skin without a mask: the clip goes.
  panel->SetSkinData(data_);
  EXPECT_FALSE(panel->HasWindowRegion());
  EXPECT_EQ(regionHas(0, 0), -1);
}

TEST_F(SkinnedControls, RollUpFoldsToTheCaptionAndComesBackWhole) {
  auto* panel = Add<TskSkinPanel>(form_, nullptr, 200, 120);
  auto* shown = Add<TskSkinPanel>(panel, nullptr, 20, 20);
  auto* hidden = Add<TskSkinPanel>(panel, nullptr, 20, 20);
  hidden->SetVisible(false);
  panel->SetConstraints({400, 50, 300, 0});
  panel->SetCaptionMode(true);

  // Without roll-up mode the state does not change the height.
  panel->SetRollUpState(true);
  EXPECT_FALSE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 120);

  panel->SetRollUpMode(true);
  int changes = 0;
  panel->OnChangeRollUpState = [&](TComponent*) { ++changes; };
  panel->SetRollUpState(true);
  EXPECT_EQ(panel->Height(), 23);
  EXPECT_EQ(panel->RealHeight(), 120);
  EXPECT_FALSE(shown->Visible());
  EXPECT_EQ(panel->Constraints(), TskSizeConstraints{});
  panel->SetRollUpState(false);
  EXPECT_EQ(panel->Height(), 120);
  EXPECT_EQ(panel->RealHeight(), -1);
  EXPECT_TRUE(shown->Visible());
  EXPECT_FALSE(hidden->Visible()) << "a child hidden before the roll-up stays hidden";
  EXPECT_EQ(panel->Constraints(), (TskSizeConstraints{400, 50, 300, 0}));
  EXPECT_EQ(changes, 2);

  // With a skin the rolled panel keeps only its frame.
  panel->SetSkinData(data_);
  panel->SetRollUpState(true);
  EXPECT_EQ(panel->Height(), 4);  // two pixels of frame above the client area, two below
  panel->SetRollUpState(false);
  EXPECT_EQ(panel->Height(), 120);
}

TEST_F(SkinnedControls, CheckedModeAndItsChildren) {
  auto* panel = Add<TskSkinPanel>(form_, nullptr, 200, 120);
  auto* child = Add<TskSkinPanel>(panel, nullptr, 20, 20);
  int fired = 0;
  panel->OnChecked = [&](TComponent*) { ++fired; };
  panel->SetChecked(false);  // the same value still tells
  EXPECT_EQ(fired, 1);
  panel->SetChecked(true);
  EXPECT_TRUE(child->Enabled()) << "without check mode the children are left alone";
  panel->SetCheckedMode(true);
  panel->SetChecked(false);
  EXPECT_FALSE(child->Enabled());

  // A click on the default caption toggles the check.
  panel->SetCaptionMode(true);
  panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 10));
  panel->Perform(WM_LBUTTONUP, 0, MAKELPARAM(50, 10));
  EXPECT_TRUE(panel->Checked());
  EXPECT_TRUE(child->Enabled());
  panel->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 60));
  panel->Perform(WM_LBUTTONUP, 0, MAKELPARAM(50, 60));
  EXPECT_TRUE(panel->Checked()) << "below the caption";
}

TEST_F(SkinnedControls, StatusBarGripSizesTheWindowItStandsIn) {
  std::vector<WPARAM> commands;
  bool maximized = false;
  fw::WindowHook hook;
  hook.Install(form_->Hooks(), [&](fw::TMessage& m, const fw::WindowHookChain::Next& next) {
    if (m.msg == WM_SYSCOMMAND) {
      commands.push_back(m.wParam);  // sizing would start a modal loop
      return;
    }
    if (m.msg == fw::CM_ISMAXIMIZED && maximized) {
      m.result = 1;
      return;
    }
    next(m);
  });
  auto* bar = TComponent::Create<TskSkinStatusBar>(form_);
  bar->SetParent(form_);
  bar->SetSkinData(data_);
  bar->SetSizeGrip(true);
  EXPECT_EQ(bar->Align(), fw::TAlign::alBottom);
  EXPECT_EQ(bar->Height(), 21);
  const TRect grip = bar->GripRect();
  ASSERT_FALSE(grip.IsEmpty());
  EXPECT_EQ(grip.right, bar->Width());
  EXPECT_EQ(grip.bottom, bar->Height());

  POINT inside{grip.left + 2, grip.bottom - 2};
  ClientToScreen(bar->Handle(), &inside);
  POINT outside{5, 5};
  ClientToScreen(bar->Handle(), &outside);
  EXPECT_EQ(SendMessageW(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessageW(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(outside.x, outside.y)), HTCLIENT);
  SendMessageW(bar->Handle(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(inside.x, inside.y));
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0], static_cast<WPARAM>(SC_SIZE | WMSZ_BOTTOMRIGHT));

  // A maximised window has nothing to size.
  maximized = true;
  EXPECT_EQ(SendMessageW(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)), HTCLIENT);
  hook.Remove();
}

TEST_F(SkinnedControls, ChildrenHearOfTheirParentsBackground) {
  auto* stretched = LoadSkin(EditedSkin("stretched", {"stretcheffect=1"}));
  auto* panel = Add<TskSkinPanel>(form_, data_, 300, 100);
  auto* windowed = Add<ListeningPanel>(panel, data_, 50, 50);
  auto* windowless = Add<ListeningGraphic>(panel, data_, 50, 50);
  panel->NotifyChildrenOfBackground();
  EXPECT_EQ(windowed->heard, 1);
  EXPECT_EQ(windowless->heard, 1);

  // A stretched skin changes under the children whenever the panel is resized.
  panel->SetSkinData(stretched);
  const int before = windowed->heard;
  panel->SetBounds(0, 0, 320, 110);
  EXPECT_GT(windowed->heard, before);
  EXPECT_GT(windowless->heard, 0);
  // See-through panels pass the news on to their own children.
  auto* grandchild = Add<ListeningPanel>(windowed, data_, 10, 10);
  windowed->SetTransparentMode(true);
  EXPECT_EQ(grandchild->heard, 1);
  SendMessageW(windowed->Handle(), SKINMSG_PARENT_BACKGROUND, 0, 0);
  EXPECT_EQ(grandchild->heard, 2);
}

TEST_F(SkinnedControls, TransparentPanelShowsItsParentWithAnOutline) {
  form_->SetColor(RGB(10, 120, 200));
  auto* panel = Add<TskSkinPanel>(form_, data_, 120, 60);
  panel->SetLeft(30);
  panel->SetTransparentMode(true);
  MemorySurface s(120, 60);
  panel->PaintTo(s.Dc(), 0, 0);
  EXPECT_EQ(s.At(60, 30), RGB(10, 120, 200));
  EXPECT_EQ(s.At(0, 0), Sys(data_->SkinColors().CBtnShadow));
  EXPECT_EQ(s.At(119, 59), Sys(data_->SkinColors().CBtnShadow));
  panel->SetBorderStyle(bvNone);
  MemorySurface bare(120, 60);
  panel->PaintTo(bare.Dc(), 0, 0);
  EXPECT_EQ(bare.At(0, 0), RGB(10, 120, 200));
}

TEST_F(SkinnedControls, PaintPanelHandsItsCanvasAndClientRectangleToItsEvent) {
  auto* panel = Add<TskSkinPaintPanel>(form_, data_, 200, 80);
  TRect given;
  int calls = 0;
  panel->OnPanelPaint = [&](fw::TCanvas& canvas, TRect r) {
    ++calls;
    given = r;
    canvas.Brush().color = fw::clRed;
    canvas.FillRect({r.left, r.top, r.left + 5, r.top + 5});
  };
  MemorySurface s(200, 80);
  panel->PaintTo(s.Dc(), 0, 0);
  EXPECT_GE(calls, 1);
  EXPECT_EQ(given, (TRect{2, 2, 198, 78}));
  EXPECT_EQ(s.At(3, 3), RGB(255, 0, 0));
  // Without a skin the default look has its event too, with the default client area.
  panel->SetSkinData(nullptr);
  MemorySurface plain(200, 80);
  panel->PaintTo(plain.Dc(), 0, 0);
  EXPECT_EQ(given, (TRect{1, 1, 199, 79}));
  EXPECT_EQ(plain.At(2, 2), RGB(255, 0, 0));
}

TEST_F(SkinnedControls, SkinnedCaptionLandsInTheMappedCaptionRectangle) {
  // A caption strip across the top of the skin, from the left-top corner
  // area to the right-top one, over a frame tall enough to hold it.
  auto* captioned =
      LoadSkin(EditedSkin("caption", {"captionrect=3,0,56,14", "alignment=taleftjustify", "lefttoppoint=5,16",
                                      "righttoppoint=53,16", "clientrect=2,16,57,50"}));
  auto* panel = Add<TskSkinPanel>(form_, captioned, 300, 60);
  panel->SetCaption(L"HHHH");
  panel->SetCaptionMode(true);
  MemorySurface with(300, 60);
  panel->PaintTo(with.Dc(), 0, 0);
  EXPECT_EQ(panel->CaptionRect(), (TRect{3, 0, 56 + 241, 14}));
  panel->SetCaption(L"");
  MemorySurface without(300, 60);
  panel->PaintTo(without.Dc(), 0, 0);
  int changed = 0, outside = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 300; ++x) {
      if (with.At(x, y) == without.At(x, y)) continue;
      ++changed;
      outside += !panel->CaptionRect().Contains({x, y});
    }
  }
  EXPECT_GT(changed, 20) << "the text is drawn";
  EXPECT_EQ(outside, 0) << "and only inside the caption rectangle";
}

TEST_F(SkinnedControls, SkinChangeWalksLeaveNoHandlesBehind) {
  auto* masked = LoadSkin(EditedSkin(
      "soak", {"pictureindex=2", "maskpictureindex=6", "skinrect=0,0,93,55", "lefttoppoint=26,4", "righttoppoint=89,4",
               "leftbottompoint=26,51", "rightbottompoint=89,51", "clientrect=3,3,90,52"}));
  auto* outer = Add<TskSkinPanel>(form_, masked, 300, 100);
  auto* inner = Add<TskSkinPanel>(outer, masked, 100, 50);
  Add<TskSkinStatusBar>(inner, masked, 60, 21);
  MemorySurface s(300, 100);
  const int gdi = fw::HandleCounters::Gdi();
  const int user = fw::HandleCounters::User();
  for (int i = 0; i < 10000; ++i) {
    ForgetSkinRecords(*form_, masked);
    ApplySkinChanges(*form_, masked);
    if (i % 500 == 0) outer->PaintTo(s.Dc(), 0, 0);
  }
  EXPECT_EQ(fw::HandleCounters::Gdi(), gdi);
  EXPECT_EQ(fw::HandleCounters::User(), user);
  EXPECT_TRUE(outer->HasWindowRegion());
}

}  // namespace
