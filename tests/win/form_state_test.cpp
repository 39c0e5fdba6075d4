// The skinned form's window behaviour on real windows with our skin: size
// limits, maximise and restore, roll-up cycles, the caption's double click,
// minimise slots, the size/move loop, the hit test next to the buttons, the
// fade-in, and the minimise commands of a main form without a tray icon.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "framework/Forms.h"
#include "framework/StandardClasses.h"
#include "skin/controls/skControlsRegistration.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataMessenger.h"
#include "skin/data/skSkinDataRegistration.h"
#include "skin/data/skSkinStoredSkin.h"
#include "skin/form/skSkinForm.h"
#include "tests/win/framework_input.h"

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

std::filesystem::path SkinIni() {
  std::wstring path = std::filesystem::path(QUILLET_PROGRAM_SKIN_DIR).wstring();
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  return std::filesystem::path(path) / L"skin.ini";
}

RECT Bounds(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return r;
}

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

RECT WorkArea() {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

// A skinned form with our skin; `main` makes it the application's main form.
struct SkinnedWindow {
  explicit SkinnedWindow(bool main = false, RECT at = {80, 70, 80 + 679, 70 + 565}) {
    form = main ? fw::Application().CreateForm<fw::TForm>() : TComponent::Create<fw::TForm>(&fw::Application());
    form->SetText(L"Behaviour");
    form->SetBounds(at.left, at.top, at.right - at.left, at.bottom - at.top);
    auto* stored = TComponent::Create<TskCompressedStoredSkin>(form);
    stored->ImportSkinFolder(SkinIni());
    data = TComponent::Create<TskSkinData>(form);
    data->SetCompressedStoredSkin(stored);
    skin = TComponent::Create<TskSkinForm>(form);
    skin->SetBorderIcons(kDefaultBorderIcons | biMinimizeToTray);
    skin->SetSkinData(data);
    form->HandleNeeded();
    wnd = form->Handle();
  }
  ~SkinnedWindow() { TComponent::Free(form); }
  void Show() {
    ShowWindow(wnd, SW_SHOWNORMAL);
    SetForegroundWindow(wnd);
    SendMessageW(wnd, WM_NCACTIVATE, TRUE, 0);
    fwtest::Pump(50);
  }
  const TskCaptionObjectLayout& Button(TskStdCommand command) const {
    const auto& objects = skin->CaptionObjects();
    return *std::find_if(objects.begin(), objects.end(), [&](const auto& o) { return o.command == command; });
  }
  POINT OnScreen(int x, int y) const {
    const RECT r = Bounds(wnd);
    return {r.left + x, r.top + y};
  }
  POINT ButtonCentre(TskStdCommand command) const {
    const fw::TRect& b = Button(command).rect;
    return OnScreen((b.left + b.right) / 2, (b.top + b.bottom) / 2);
  }
  int HitAt(int x, int y) const {
    const POINT p = OnScreen(x, y);
    return static_cast<int>(SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
  }
  void Hover(POINT at) const {
    SetCursorPos(at.x, at.y);
    SendMessageW(wnd, WM_NCMOUSEMOVE, HTOBJECT, MAKELPARAM(at.x, at.y));
  }
  // Press and release on a caption button as the system delivers it: the
  // press as a non-client message, the release to the capture.
  void Click(TskStdCommand command) const {
    const POINT at = ButtonCentre(command);
    Hover(at);
    SendMessageW(wnd, WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(at.x, at.y));
    SendMessageW(wnd, WM_LBUTTONUP, 0, 0);
  }
  void DoubleClickCaption() const {
    const POINT at = OnScreen(300, 12);
    SendMessageW(wnd, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(at.x, at.y));
  }

  fw::TForm* form = nullptr;
  TskSkinData* data = nullptr;
  TskSkinForm* skin = nullptr;
  HWND wnd = nullptr;
};

TEST(SkinnedFormState, SizeLimitsComeFromTheSkinAndTheForm) {
  SkinnedWindow w;
  MINMAXINFO info{};
  SendMessageW(w.wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 31);
  const RECT work = WorkArea();
  EXPECT_EQ(info.ptMaxTrackSize.x, work.right - work.left);
  EXPECT_EQ(info.ptMaxTrackSize.y, work.bottom - work.top);
  // The system holds the window to them.
  SetWindowPos(w.wnd, nullptr, 0, 0, 50, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r = Bounds(w.wnd);
  EXPECT_EQ(r.right - r.left, 200);
  EXPECT_EQ(r.bottom - r.top, 31);
  w.skin->MinWidth = 300;
  w.skin->MaxHeight = 400;
  SendMessageW(w.wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 300);
  EXPECT_EQ(info.ptMaxTrackSize.y, 400);
}

TEST(SkinnedFormState, MaximiseCoversTheWorkAreaStaysAndRestores) {
  SkinnedWindow w;
  w.Show();
  const RECT normal = Bounds(w.wnd);
  w.Click(cmMaximize);
  ASSERT_EQ(w.skin->SkinWindowState(), TskWindowState::Maximized);
  // The work area is the whole screen here: a pixel in on every side.
  RECT expected = WorkArea();
  if (expected.left == 0 && expected.top == 0 && expected.right == GetSystemMetrics(SM_CXSCREEN) &&
      expected.bottom == GetSystemMetrics(SM_CYSCREEN)) {
    InflateRect(&expected, -1, -1);
  }
  EXPECT_TRUE(Same(Bounds(w.wnd), expected)) << Text(Bounds(w.wnd));
  EXPECT_TRUE(w.form->Maximized());
  EXPECT_FALSE(IsZoomed(w.wnd));
  // A drag of the caption leaves it where it is; no sizing edges.
  RECT proposed = Bounds(w.wnd);
  OffsetRect(&proposed, 40, 30);
  SendMessageW(w.wnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_TRUE(Same(proposed, expected)) << Text(proposed);
  const int width = expected.right - expected.left;
  EXPECT_NE(w.HitAt(width - 1, 300), HTRIGHT);
  // The maximise button restores.
  w.Click(cmMaximize);
  EXPECT_EQ(w.skin->SkinWindowState(), TskWindowState::Normal);
  EXPECT_TRUE(Same(Bounds(w.wnd), normal)) << Text(Bounds(w.wnd));
  EXPECT_FALSE(w.form->Maximized());
}

TEST(SkinnedFormState, AMaximisedWindowStaysMaximisedWhenTheSkinGoesOffAndOn) {
  SkinnedWindow w;
  w.Show();
  const RECT normal = Bounds(w.wnd);
  w.skin->SetSkinWindowState(TskWindowState::Maximized);
  const RECT skinnedMaximized = Bounds(w.wnd);
  w.skin->SetSkinned(false);
  EXPECT_TRUE(IsZoomed(w.wnd));
  w.skin->SetSkinned(true);
  EXPECT_FALSE(IsZoomed(w.wnd));
  EXPECT_EQ(w.skin->SkinWindowState(), TskWindowState::Maximized);
  EXPECT_TRUE(Same(Bounds(w.wnd), skinnedMaximized)) << Text(Bounds(w.wnd));
  w.skin->SetSkinWindowState(TskWindowState::Normal);
  RECT now = Bounds(w.wnd);
  EXPECT_EQ(now.right - now.left, normal.right - normal.left);
  EXPECT_EQ(now.bottom - now.top, normal.bottom - normal.top);
}

TEST(SkinnedFormState, RollUpKeepsTheCaptionAndRollDownTheHeightOverManyCycles) {
  SkinnedWindow w;
  w.Show();
  const RECT normal = Bounds(w.wnd);
  int changes = 0;
  w.skin->OnChangeRollUpState = [&](TComponent*) { ++changes; };
  for (int i = 0; i < 4; ++i) {
    w.Click(cmRollUp);
    ASSERT_TRUE(w.skin->RolledUp());
    RECT r = Bounds(w.wnd);
    EXPECT_EQ(r.bottom - r.top, 31) << i;
    EXPECT_EQ(r.right - r.left, normal.right - normal.left) << i;
    // Only the caption strip: no sizing edge at its bottom.
    EXPECT_NE(w.HitAt(300, 29), HTBOTTOM);
    EXPECT_EQ(SendMessageW(w.wnd, WM_SYNCPAINT, 0, 0), 0);
    w.Click(cmRollUp);
    ASSERT_FALSE(w.skin->RolledUp());
    EXPECT_TRUE(Same(Bounds(w.wnd), normal)) << i << ": " << Text(Bounds(w.wnd));
  }
  EXPECT_EQ(changes, 8);
  // Two quick clicks: the second press comes as a double click and still
  // rolls the window down.
  w.Click(cmRollUp);
  const POINT at = w.ButtonCentre(cmRollUp);
  SendMessageW(w.wnd, WM_NCLBUTTONDBLCLK, HTOBJECT, MAKELPARAM(at.x, at.y));
  SendMessageW(w.wnd, WM_LBUTTONUP, 0, 0);
  EXPECT_FALSE(w.skin->RolledUp());
  EXPECT_TRUE(Same(Bounds(w.wnd), normal));
}

TEST(SkinnedFormState, TheCaptionDoubleClickMaximisesRestoresOrRolls) {
  SkinnedWindow w;
  w.Show();
  const RECT normal = Bounds(w.wnd);
  for (int i = 0; i < 2; ++i) {
    w.DoubleClickCaption();
    EXPECT_EQ(w.skin->SkinWindowState(), TskWindowState::Maximized);
    w.DoubleClickCaption();
    EXPECT_EQ(w.skin->SkinWindowState(), TskWindowState::Normal);
    EXPECT_TRUE(Same(Bounds(w.wnd), normal));
  }
  // A window that cannot be sized rolls up and down instead.
  w.form->SetBorderStyle(fw::TFormBorderStyle::bsSingle);
  w.wnd = w.form->Handle();
  ASSERT_FALSE(w.skin->CanSize());
  w.DoubleClickCaption();
  EXPECT_TRUE(w.skin->RolledUp());
  EXPECT_EQ(w.skin->SkinWindowState(), TskWindowState::Normal);
  w.DoubleClickCaption();
  EXPECT_FALSE(w.skin->RolledUp());
  w.skin->AlwaysResize = true;
  EXPECT_TRUE(w.skin->CanSize());
}

TEST(SkinnedFormState, MinimisedFormsTakeTheNextFreeSlot) {
  SkinnedWindow first, second({}, {200, 150, 800, 550});
  first.Show();
  second.Show();
  const RECT before = Bounds(first.wnd);
  int minimized = 0;
  first.skin->OnMinimize = [&](TComponent*) { ++minimized; };
  first.Show();  // the buttons of an inactive form do not answer
  first.Click(cmMinimize);
  EXPECT_EQ(minimized, 1);
  EXPECT_EQ(first.skin->SkinWindowState(), TskWindowState::Minimized);
  const RECT work = WorkArea();
  EXPECT_TRUE(Same(Bounds(first.wnd), {work.left, work.bottom - 31, work.left + 200, work.bottom}))
      << Text(Bounds(first.wnd));
  second.skin->SetSkinWindowState(TskWindowState::Minimized);
  EXPECT_TRUE(Same(Bounds(second.wnd), {work.left + 200, work.bottom - 31, work.left + 400, work.bottom}))
      << Text(Bounds(second.wnd));
  // Minimised, the minimise button restores.
  first.Show();
  first.Click(cmMinimize);
  EXPECT_EQ(first.skin->SkinWindowState(), TskWindowState::Normal);
  EXPECT_TRUE(Same(Bounds(first.wnd), before));
}

TEST(SkinnedFormState, TheMainFormsMinimiseCommandsMinimiseWithoutATrayIcon) {
  SkinnedWindow w(true);
  ASSERT_EQ(fw::Application().MainForm(), w.form);
  w.skin->AlwaysMinimizeToTray = true;
  w.Show();
  // The minimise button, then the tray button: each minimises the
  // application; restoring brings the window back as it was.
  for (const TskStdCommand command : {cmMinimize, cmMinimizeToTray}) {
    const RECT before = Bounds(w.wnd);
    w.Click(command);
    EXPECT_TRUE(IsIconic(w.wnd)) << command;
    EXPECT_EQ(w.skin->SkinWindowState(), TskWindowState::Normal);
    w.skin->RestoreFromTray();
    EXPECT_FALSE(IsIconic(w.wnd)) << command;
    EXPECT_TRUE(Same(Bounds(w.wnd), before)) << command << ": " << Text(Bounds(w.wnd));
    w.Show();
  }
}

TEST(SkinnedFormState, LiveSizingShapesTheWindowForTheProposedSizeAndMovesSnap) {
  SkinnedWindow w;
  w.Show();
  BOOL wasFull = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &wasFull, 0);
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, TRUE, nullptr, 0);
  BOOL nowFull = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &nowFull, 0);
  ASSERT_TRUE(nowFull);
  const RECT start = Bounds(w.wnd);
  SendMessageW(w.wnd, WM_ENTERSIZEMOVE, 0, 0);
  RECT proposed{start.left, start.top, start.left + 800, start.top + 600};
  SendMessageW(w.wnd, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&proposed));
  // The region is cut for 800 x 600 before the window is that large.
  EXPECT_TRUE(w.skin->InSizeMove());
  EXPECT_EQ(w.skin->Rects().width, 800);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(w.wnd, region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  EXPECT_EQ(box.right, 800);
  EXPECT_EQ(box.bottom, 600);
  // The window never took that size: at the loop's end the frame is its own again.
  SendMessageW(w.wnd, WM_EXITSIZEMOVE, 0, 0);
  ASSERT_NE(GetWindowRgn(w.wnd, region), ERROR);
  GetRgnBox(region, &box);
  EXPECT_EQ(box.right, start.right - start.left);
  EXPECT_EQ(box.bottom, start.bottom - start.top);
  DeleteObject(region);
  SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, wasFull, nullptr, 0);

  // Magnetic: a move within five pixels of the work area's edge sticks to it.
  w.skin->Magnetic = true;
  const RECT work = WorkArea();
  SetCursorPos(start.left + 100, start.top + 10);
  SendMessageW(w.wnd, WM_ENTERSIZEMOVE, 0, 0);
  RECT moved = start;
  OffsetRect(&moved, work.left + 3 - start.left, work.top + 4 - start.top);
  SendMessageW(w.wnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&moved));
  EXPECT_EQ(moved.left, work.left);
  EXPECT_EQ(moved.top, work.top);
  EXPECT_EQ(moved.right - moved.left, start.right - start.left);
  SendMessageW(w.wnd, WM_EXITSIZEMOVE, 0, 0);
}

TEST(SkinnedFormState, ADisplayChangeBringsAWindowWithinItsLargestSize) {
  SkinnedWindow w;
  w.Show();
  w.skin->MaxWidth = 500;
  SendMessageW(w.wnd, WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
  const RECT r = Bounds(w.wnd);
  EXPECT_EQ(r.right - r.left, 500);
  EXPECT_EQ(r.bottom - r.top, 569);
}

TEST(SkinnedFormState, ALoopFromTheKeyboardEndsAtItsExitAndHoverWorksAgain) {
  SkinnedWindow w;
  w.Show();
  // As Alt+Space, Move would run it: no press before or after.
  SendMessageW(w.wnd, WM_ENTERSIZEMOVE, 0, 0);
  EXPECT_TRUE(w.skin->InSizeMove());
  SendMessageW(w.wnd, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_FALSE(w.skin->InSizeMove());
  const auto& objects = w.skin->CaptionObjects();
  const int close = static_cast<int>(&w.Button(cmClose) - objects.data());
  w.Hover(w.ButtonCentre(cmClose));
  EXPECT_EQ(w.skin->Tracker().HoverIndex(), close);
  // And the next press on the button still reaches it.
  w.Hover(w.ButtonCentre(cmRollUp));
  const POINT at = w.ButtonCentre(cmRollUp);
  SendMessageW(w.wnd, WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(at.x, at.y));
  SendMessageW(w.wnd, WM_LBUTTONUP, 0, 0);
  EXPECT_TRUE(w.skin->RolledUp());
}

TEST(SkinnedFormState, BordersSizeInFourPixelBandsAndAtOnceOffAButton) {
  SkinnedWindow w;
  w.Show();
  const RECT r = Bounds(w.wnd);
  const int width = r.right - r.left, height = r.bottom - r.top;
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(w.HitAt(i, 300), HTLEFT) << i;
    EXPECT_EQ(w.HitAt(width - 1 - i, 300), HTRIGHT) << i;
    EXPECT_EQ(w.HitAt(300, height - 1 - i), HTBOTTOM) << i;
    EXPECT_EQ(w.HitAt(300, i), HTTOP) << i;
  }
  EXPECT_EQ(w.HitAt(4, 300), HTCLIENT);
  EXPECT_EQ(w.HitAt(width - 5, 300), HTCLIENT);
  EXPECT_EQ(w.HitAt(300, height - 5), HTCLIENT);
  // The close button is hovered; the cursor goes straight to the border
  // beside it before the timer ticks: the border sizes.
  w.Hover(w.ButtonCentre(cmClose));
  ASSERT_NE(w.skin->Tracker().HoverIndex(), -1);
  const fw::TRect& close = w.Button(cmClose).rect;
  EXPECT_EQ(w.HitAt(width - 1, close.bottom + 8), HTRIGHT);
  EXPECT_EQ(w.HitAt(width - 1, 300), HTRIGHT);
  EXPECT_EQ(w.HitAt((close.left + close.right) / 2, (close.top + close.bottom) / 2), HTOBJECT);
}

TEST(SkinnedFormState, TheFirstShowCentresOnTheWorkAreaOnce) {
  SkinnedWindow w;
  w.skin->PositionInMonitor = TskPositionInMonitor::DesktopCenter;
  const RECT before = Bounds(w.wnd);
  const int width = before.right - before.left, height = before.bottom - before.top;
  ShowWindow(w.wnd, SW_SHOWNOACTIVATE);
  const RECT work = WorkArea();
  const RECT r = Bounds(w.wnd);
  EXPECT_EQ(r.left, work.left + (work.right - work.left) / 2 - width / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top) / 2 - height / 2);
  // Shown again elsewhere, it stays where it was put.
  ShowWindow(w.wnd, SW_HIDE);
  SetWindowPos(w.wnd, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(w.wnd, SW_SHOWNOACTIVATE);
  EXPECT_EQ(Bounds(w.wnd).left, 10);
  EXPECT_EQ(Bounds(w.wnd).top, 20);
}

TEST(SkinnedFormState, FadeInEndsOpaqueAndNotLayeredAfterAnimationAlone) {
  SkinnedWindow w;
  w.skin->AlphaBlendAnimation = true;
  ShowWindow(w.wnd, SW_SHOWNOACTIVATE);
  EXPECT_NE(GetWindowLongW(w.wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  EXPECT_TRUE(fwtest::WaitUntil([&] { return (GetWindowLongW(w.wnd, GWL_EXSTYLE) & WS_EX_LAYERED) == 0; }));

  // With blending the window stays layered at its value.
  SkinnedWindow blended;
  blended.skin->SetAlphaBlendValue(150);
  blended.skin->SetAlphaBlend(true);
  blended.skin->AlphaBlendAnimation = true;
  ShowWindow(blended.wnd, SW_SHOWNOACTIVATE);
  BYTE alpha = 0;
  DWORD flags = 0;
  EXPECT_TRUE(fwtest::WaitUntil(
      [&] { return GetLayeredWindowAttributes(blended.wnd, nullptr, &alpha, &flags) && alpha == 150; }));
  EXPECT_NE(GetWindowLongW(blended.wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  blended.skin->SetAlphaBlend(false);
  EXPECT_EQ(GetWindowLongW(blended.wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

TEST(SkinnedFormState, TheFadeInLeavesQueuedMessagesToTheLoop) {
  // A queued message could free the form; the fade must not run it.
  SkinnedWindow w;
  w.skin->AlphaBlendAnimation = true;
  ShowWindow(w.wnd, SW_SHOWNOACTIVATE);
  constexpr UINT kQueued = WM_APP + 7;
  PostMessageW(w.wnd, kQueued, 0, 0);
  SendMessageW(w.wnd, WM_TIMER, wm::FadeTimerId, 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, w.wnd, kQueued, kQueued, PM_REMOVE));
  EXPECT_EQ(GetWindowLongW(w.wnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

}  // namespace
