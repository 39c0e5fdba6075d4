// The framework with real windows: the main window built from its layout,
// errors reaching the message box, profile files, scaling to the screen.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <filesystem>
#include <map>
#include <thread>

#include "app/Registration.h"
#include "app/Unit2.h"
#include "framework/Exceptions.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "framework/WinIniFile.h"

using namespace quillet;

using namespace fw;

namespace fw {
void PrintTo(const TRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
}  // namespace fw

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application().Initialize();
    Application().SetTitle(L"Quillet");
    RegisterProgramClasses();
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

template <class T>
T* Find(TComponent& owner, const wchar_t* name) {
  auto* c = dynamic_cast<T*>(owner.FindComponent(name));
  EXPECT_NE(c, nullptr) << "no " << std::string(name, name + wcslen(name));
  return c;
}

TRect BoundsOf(TComponent& owner, const wchar_t* name) { return Find<TControl>(owner, name)->BoundsRect(); }

class MainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<TfrmAd>(&Application());
    form_->CreateFromLayout();
    form_->HandleNeeded();
    Application().ProcessMessages();
  }
  void TearDown() override { TComponent::Free(form_); }
  TfrmAd* form_ = nullptr;
};

std::filesystem::path TempFile(const wchar_t* name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  auto path = std::filesystem::path(temp) / name;
  std::filesystem::remove(path);
  return path;
}

}  // namespace

TEST_F(MainWindow, HasItsCaptionAndClientSize) {
  EXPECT_EQ(form_->Caption(), L"TarvoQuillet");
  RECT client;
  GetClientRect(form_->Handle(), &client);
  EXPECT_EQ(client.right, 671);
  EXPECT_EQ(client.bottom, 534);
  wchar_t title[64];
  GetWindowTextW(Application().Handle(), title, 64);
  EXPECT_STREQ(title, L"Quillet");
}

TEST_F(MainWindow, BottomAlignedControlsStackByTheirBottomEdges) {
  // The status bar keeps the bottom; the lower banner sits right above it.
  EXPECT_EQ(BoundsOf(*form_, L"FrStatusBar1"), (TRect{0, 515, 671, 534}));
  EXPECT_EQ(BoundsOf(*form_, L"img2"), (TRect{0, 435, 671, 515}));
  EXPECT_EQ(BoundsOf(*form_, L"TopPnl"), (TRect{0, 0, 671, 49}));
  EXPECT_EQ(BoundsOf(*form_, L"img1"), (TRect{436, 2, 669, 47}));
}

TEST_F(MainWindow, MemosAreMultiLineWordWrappedWithAVerticalScrollBar) {
  static const TPoint kPlaces[] = {{16, 65},  {296, 65},  {16, 143}, {296, 143},
                                   {16, 225}, {296, 225}, {16, 303}, {296, 303}};
  for (int slot = 1; slot <= 8; ++slot) {
    TMemo* memo = form_->SlotMemo(slot);
    EXPECT_EQ(memo->BoundsRect(), Bounds(kPlaces[slot - 1].x, kPlaces[slot - 1].y, 257, 57)) << slot;
    const LONG style = GetWindowLongW(memo->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_FALSE(style & ES_AUTOHSCROLL) << "word wrap";
    EXPECT_TRUE(IsWindowUnicode(memo->Handle()));
  }
}

TEST_F(MainWindow, TabOrderRunsThroughTheSlotsThenTheButtons) {
  std::vector<std::wstring> names;
  for (TWinControl* c : form_->TabList()) names.push_back(c->Name());
  EXPECT_EQ(names, (std::vector<std::wstring>{L"TopPnl", L"mmo1", L"mmo2", L"mmo3", L"mmo4", L"mmo5", L"mmo6", L"mmo7",
                                              L"mmo8", L"Button1", L"btn2", L"FrStatusBar1"}));
  form_->Show();
  form_->SlotMemo(8)->SetFocus();
  form_->SelectNext(form_->SlotMemo(8), true);
  EXPECT_TRUE(Find<TButton>(*form_, L"Button1")->Focused());
  // Backwards from the first slot wraps round to the last button.
  form_->SelectNext(form_->SlotMemo(1), false);
  EXPECT_TRUE(Find<TButton>(*form_, L"btn2")->Focused());
}

TEST_F(MainWindow, LabelsSizeThemselvesToTheirText) {
  TLabel* label = Find<TLabel>(*form_, L"lbl3");
  EXPECT_EQ(label->Caption(), L"Ctrl+3");
  EXPECT_GT(label->Width(), 10);
  EXPECT_GT(label->Height(), 8);
  EXPECT_EQ(label->Left(), 16);
}

TEST(FrameworkErrors, AnErrorInAHandlerReachesTheMessageBoxAndTheLoopGoesOn) {
  TForm* form = TComponent::Create<TForm>(&Application());
  TButton* button = TComponent::Create<TButton>(form);
  button->SetParent(form);
  button->SetCaption(L"Fail");
  int clicks = 0;
  button->OnClick = [&](TComponent*) {
    ++clicks;
    throw EIniFileException(L"Unable to write to C:\\x\\config.ini");
  };
  form->Show();

  // The box is modal: read and dismiss it from another thread, as a user would.
  std::atomic<bool> stop{false};
  std::wstring shown;
  std::thread closer([&] {
    while (!stop) {
      HWND box = FindWindowW(L"#32770", L"Quillet");
      if (box) {
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        shown = text;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(20);
    }
  });
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  stop = true;
  closer.join();
  EXPECT_EQ(shown, L"Unable to write to C:\\x\\config.ini");

  // Still alive: the next click is handled too.
  Application().OnException = [&](const std::wstring& message) { shown = L"again: " + message; };
  SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Application().OnException = nullptr;
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(shown, L"again: Unable to write to C:\\x\\config.ini");
  TComponent::Free(form);
}

TEST(FrameworkScaling, ALayoutDesignedAtAnotherResolutionIsScaledToTheScreen) {
  const int screen = Screen().PixelsPerInch();
  TForm* form = TComponent::Create<TForm>(&Application());
  const std::string layout =
      "object f: TForm\n"
      "  ClientWidth = 200\n  ClientHeight = 100\n"
      "  PixelsPerInch = " +
      std::to_string(screen / 2) +
      "\n"
      "  Font.Height = -11\n"
      "  object p: TPanel\n    Left = 10\n    Top = 20\n    Width = 30\n    Height = 40\n  end\n"
      "end\n";
  form->LoadLayout(layout, {});
  EXPECT_EQ(BoundsOf(*form, L"p"), (TRect{20, 40, 80, 120}));
  EXPECT_EQ(form->Font().Height(), -22);
  EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 400, 200}));
  TComponent::Free(form);
}

namespace {

// The main window as built for a screen of `ppi` pixels per inch: every
// control's bounds, as the framework keeps them and, for controls with a
// window, as the window really lies in its parent.
struct BuiltWindow {
  TRect client;
  int fontHeight = 0;
  std::map<std::wstring, TRect> bounds;
  std::map<std::wstring, bool> sizedByText;
  std::map<std::wstring, TRect> windows;
  std::map<std::wstring, std::wstring> parents;
};

BuiltWindow BuildMainWindowAt(int ppi) {
  Screen().SetPixelsPerInchForTests(ppi);
  auto* form = TComponent::Create<TfrmAd>(&Application());
  form->CreateFromLayout();
  form->HandleNeeded();
  Application().ProcessMessages();
  BuiltWindow built;
  RECT client;
  GetClientRect(form->Handle(), &client);
  built.client = FromRECT(client);
  built.fontHeight = form->Font().Height();
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* control = dynamic_cast<TControl*>(form->Components(i));
    if (!control) continue;
    built.bounds[control->Name()] = control->BoundsRect();
    built.parents[control->Name()] = control->Parent()->Name();
    auto* label = dynamic_cast<TLabel*>(control);
    built.sizedByText[control->Name()] = label && label->AutoSize();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      RECT r;
      GetWindowRect(windowed->Handle(), &r);
      MapWindowPoints(nullptr, GetParent(windowed->Handle()), reinterpret_cast<POINT*>(&r), 2);
      built.windows[control->Name()] = FromRECT(r);
    }
  }
  TComponent::Free(form);
  Screen().SetPixelsPerInchForTests(0);
  return built;
}

bool Overlap(const TRect& a, const TRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Within a pixel of `designed` scaled from 96 to `ppi`.
::testing::AssertionResult Scaled(const wchar_t* what, int actual, int designed, int ppi) {
  const double expected = designed * ppi / 96.0;
  if (std::abs(actual - expected) <= 1.0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::string(what, what + wcslen(what)) << " is " << actual << ", expected "
                                       << expected << " (" << designed << " at 96)";
}

class MainWindowScaling : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(MainWindowScaling, EveryControlLiesAtItsDesignedPlaceTimesTheScreensFactor) {
  const int ppi = GetParam();
  const BuiltWindow designed = BuildMainWindowAt(96);
  const BuiltWindow scaled = BuildMainWindowAt(ppi);
  ASSERT_EQ(designed.client, (TRect{0, 0, 671, 534}));
  EXPECT_TRUE(Scaled(L"client width", scaled.client.Width(), 671, ppi));
  EXPECT_TRUE(Scaled(L"client height", scaled.client.Height(), 534, ppi));
  EXPECT_TRUE(Scaled(L"font height", scaled.fontHeight, designed.fontHeight, ppi));
  ASSERT_EQ(scaled.bounds.size(), designed.bounds.size());
  for (const auto& [name, at96] : designed.bounds) {
    SCOPED_TRACE(std::string(name.begin(), name.end()));
    const TRect& now = scaled.bounds.at(name);
    EXPECT_TRUE(Scaled(L"left", now.left, at96.left, ppi));
    EXPECT_TRUE(Scaled(L"top", now.top, at96.top, ppi));
    // Labels are as wide and high as their text in the scaled font: glyphs
    // do not grow exactly by the factor.
    if (designed.sizedByText.at(name)) {
      EXPECT_NEAR(now.Width(), at96.Width() * ppi / 96.0, at96.Width() * 0.15 + 1);
      EXPECT_NEAR(now.Height(), at96.Height() * ppi / 96.0, at96.Height() * 0.15 + 1);
    } else if (name == L"img1") {
      // Aligned inside the skinned panel, whose frame is the skin's pixels
      // at any resolution.
      const TRect& panel = scaled.bounds.at(L"TopPnl");
      EXPECT_EQ(now.right, panel.right - 2);
      EXPECT_EQ(now.bottom, panel.bottom - 2);
    } else {
      EXPECT_TRUE(Scaled(L"right", now.right, at96.right, ppi));
      EXPECT_TRUE(Scaled(L"bottom", now.bottom, at96.bottom, ppi));
    }
    if (scaled.windows.count(name)) {
      EXPECT_EQ(scaled.windows.at(name), now) << "the window lies elsewhere";
    }
  }
}

TEST_P(MainWindowScaling, NothingOverlapsThatDoesNotOverlapAsDesigned) {
  const int ppi = GetParam();
  const BuiltWindow designed = BuildMainWindowAt(96);
  const BuiltWindow scaled = BuildMainWindowAt(ppi);
  for (const auto& [a, boundsA] : designed.bounds) {
    for (const auto& [b, boundsB] : designed.bounds) {
      if (a >= b || designed.parents.at(a) != designed.parents.at(b)) continue;
      EXPECT_EQ(Overlap(scaled.bounds.at(a), scaled.bounds.at(b)), Overlap(boundsA, boundsB))
          << std::string(a.begin(), a.end()) << " and " << std::string(b.begin(), b.end());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ScreenResolutions, MainWindowScaling, ::testing::Values(120, 144),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

TEST(ProfileIni, ReadsAndWritesARealFileOneKeyAtATime) {
  const auto file = TempFile(L"quillet-profile-test.ini");
  TIniFile ini(file);
  ini.WriteString("data", "mm1", "first");
  ini.WriteString("data", "mm2", std::string(5000, 'A'));
  ini.WriteString("other", "k", "v");
  EXPECT_EQ(ini.ReadString("data", "mm1", ""), "first");
  EXPECT_EQ(ini.ReadString("data", "mm2", "").size(), 5000u) << "long values come back whole";
  EXPECT_EQ(ini.ReadString("data", "missing", "dflt"), "dflt");
  fw::TStringList keys;
  ini.ReadSection("data", keys);
  EXPECT_EQ(keys.CommaText(), "mm1,mm2");
  fw::TStringList sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections.CommaText(), "data,other");
  ini.EraseSection("other");
  EXPECT_FALSE(ini.SectionExists("other"));
  std::filesystem::remove(file);
}

TEST(ProfileIni, ARefusedWriteRaisesUnableToWriteWithTheFullPath) {
  const auto file = TempFile(L"quillet-locked.ini");
  TIniFile(file).WriteString("data", "mm1", "x");
  HANDLE lock = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  try {
    TIniFile(file).WriteString("data", "mm1", "y");
    ADD_FAILURE() << "the write went through";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), L"Unable to write to " + file.wstring());
  }
  CloseHandle(lock);
  EXPECT_EQ(TIniFile(file).ReadString("data", "mm1", ""), "x");
  std::filesystem::remove(file);
}
