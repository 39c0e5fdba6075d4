// Window behaviour: size limits, the skinned window states (maximise,
// minimise to a slot, restore), roll-up, the system's size/move loop
// (live sizing, pinned maximised windows, magnetic edges) and the caption's
// double click. The portable placement code decides; this applies bounds
// and fires the events.
#include <algorithm>

#include "framework/Forms.h"
#include "skin/controls/skSkinPanel.h"
#include "skin/form/skSkinForm.h"
#include "skin/pixels/skUtilsProbes.h"

namespace sk {

namespace {

fw::TRect WindowBounds(HWND wnd) {
  RECT r{};
  if (wnd) GetWindowRect(wnd, &r);
  return {r.left, r.top, r.right, r.bottom};
}

fw::TWindowState FormStateOf(TskWindowState state) {
  switch (state) {
    case TskWindowState::Minimized: return fw::TWindowState::wsMinimized;
    case TskWindowState::Maximized: return fw::TWindowState::wsMaximized;
    default: return fw::TWindowState::wsNormal;
  }
}

void Fire(const fw::TNotifyEvent& event, fw::TComponent* sender) {
  if (event) event(sender);
}

}  // namespace

bool TskSkinForm::CanSize() const {
  const fw::TFormBorderStyle style = form_->BorderStyle();
  return sk::CanSize(
      {AlwaysResize, style == fw::TFormBorderStyle::bsSizeable || style == fw::TFormBorderStyle::bsSizeToolWin});
}

TskLimitsInput TskSkinForm::LimitsInput() const {
  TskLimitsInput in;
  in.skin = skinInUse_ ? &frame_ : nullptr;
  in.minimized = placement_.state == TskWindowState::Minimized;
  in.rolledUp = placement_.rolledUp;
  in.minWidth = MinWidth;
  in.minHeight = MinHeight;
  in.maxWidth = MaxWidth;
  in.maxHeight = MaxHeight;
  GetMonitorWorkArea(Wnd(), !MaximizeOnFullScreen, in.area);
  return in;
}

int TskSkinForm::GetMinWidth() const { return MinTrackWidth(LimitsInput()); }
int TskSkinForm::GetMinHeight() const { return MinTrackHeight(LimitsInput()); }
int TskSkinForm::GetMaxWidth() const { return MaxTrackWidth(LimitsInput()); }
int TskSkinForm::GetMaxHeight() const { return MaxTrackHeight(LimitsInput()); }

TskStateSurroundings TskSkinForm::Surroundings(std::vector<fw::TPoint>* minimizedOthers) const {
  HWND wnd = Wnd();
  TskStateSurroundings s;
  fw::TForm* mainForm = fw::Application().MainForm();
  s.mainForm = mainForm == form_;
  s.borderIcons = borderIcons_;
  s.position = PositionInMonitor;
  s.maximizeOnFullScreen = MaximizeOnFullScreen;
  GetMonitorWorkArea(wnd, true, s.workArea);
  GetMonitorWorkArea(wnd, false, s.monitor);
  s.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  // The strips a minimised or rolled-up window shrinks to, whatever its
  // state now.
  TskLimitsInput in = LimitsInput();
  in.minimized = true;
  s.minimizedSize = {MinTrackWidth(in), MinTrackHeight(in)};
  in.minimized = false;
  in.rolledUp = true;
  s.rolledUpHeight = MinTrackHeight(in);
  if (!minimizedOthers) return s;
  for (fw::TForm* other : fw::Screen().Forms()) {
    HWND otherWnd = other->HandleIfAllocated();
    if (other == form_ || other == mainForm || !otherWnd || !IsWindowVisible(otherWnd)) continue;
    for (int i = 0; i < other->ComponentCount(); ++i) {
      const auto* skin = dynamic_cast<const TskSkinForm*>(other->Components(i));
      if (skin && skin->Skinned() && skin->SkinWindowState() == TskWindowState::Minimized) {
        const fw::TRect b = WindowBounds(otherWnd);
        minimizedOthers->push_back({b.left, b.top});
      }
    }
  }
  s.minimizedOthers = *minimizedOthers;
  return s;
}

TskPlacement TskSkinForm::CurrentPlacement() const {
  TskPlacement p = placement_;
  p.bounds = WindowBounds(Wnd());
  return p;
}

void TskSkinForm::TakePlacement(const TskStateChange& change) {
  const fw::TRect before = WindowBounds(Wnd());
  placement_ = change.placement;
  const fw::TRect& b = placement_.bounds;
  if (b == before) {
    // Nothing moves, yet the buttons' looks follow the state.
    RepaintFrame();
    return;
  }
  // The state is taken first: the size limits the system applies to the
  // new bounds depend on it (a rolled-up strip is below the normal minimum).
  SetWindowPos(Wnd(), nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (b.Width() == before.Width() && b.Height() == before.Height()) RepaintFrame();
}

void TskSkinForm::SetSkinWindowState(TskWindowState state) {
  if (!skinned_) {
    form_->SetWindowState(FormStateOf(state));
    return;
  }
  if (!Wnd()) return;
  std::vector<fw::TPoint> others;
  const TskStateChange change = sk::SetWindowState(CurrentPlacement(), state, Surroundings(&others));
  if (change.minimizeApplication) {
    fw::Application().Minimize();
    Fire(OnMinimize, this);
    return;
  }
  if (!change.changed) return;
  TakePlacement(change);
  if (change.rollUpChanged) Fire(OnChangeRollUpState, this);
  switch (state) {
    case TskWindowState::Minimized: Fire(OnMinimize, this); break;
    case TskWindowState::Maximized:
      if (statusBar_) statusBar_->SetGripVisible(false);
      Fire(OnMaximize, this);
      break;
    case TskWindowState::Normal:
      if (!objects_.empty()) hoverTimer_->SetEnabled(true);
      if (statusBar_) statusBar_->SetGripVisible(true);
      Fire(OnRestore, this);
      break;
  }
}

void TskSkinForm::RollUp(bool value) {
  if (!Wnd()) return;
  const TskStateChange change = sk::RollUp(CurrentPlacement(), value, Surroundings(nullptr));
  if (!change.changed) return;
  TakePlacement(change);
  Fire(OnChangeRollUpState, this);
}

void TskSkinForm::CaptionDoubleClick() {
  switch (sk::CaptionDoubleClick(placement_, CanSize(), borderIcons_)) {
    case TskCaptionAction::Restore: SetSkinWindowState(TskWindowState::Normal); break;
    case TskCaptionAction::Maximize: SetSkinWindowState(TskWindowState::Maximized); break;
    case TskCaptionAction::ToggleRollUp: RollUp(!placement_.rolledUp); break;
  }
}

void TskSkinForm::MinMaxInfo(LPARAM lParam) {
  auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
  if (!info) return;
  const TskTrackSizes sizes = TrackSizes(LimitsInput());
  info->ptMinTrackSize = {sizes.minSize.x, sizes.minSize.y};
  info->ptMaxTrackSize = {sizes.maxSize.x, sizes.maxSize.y};
}

void TskSkinForm::Sizing(LPARAM lParam) {
  magnet_.Release();
  const auto* r = reinterpret_cast<const RECT*>(lParam);
  if (!r || !Wnd() || !skinned_) return;
  const fw::TRect now = WindowBounds(Wnd());
  const int width = r->right - r->left, height = r->bottom - r->top;
  const bool fits = now.Width() >= GetMinWidth() && now.Height() >= GetMinHeight();
  const bool differs = width != now.Width() || height != now.Height();
  frameWidth_ = width;
  frameHeight_ = height;
  // The shape and frame for the new size are ready before the window takes
  // it, so it never shows the old region at the new size.
  if (!skinInUse_ || (fits && differs)) UpdateSkin();
}

void TskSkinForm::Moving(LPARAM lParam) {
  auto* r = reinterpret_cast<RECT*>(lParam);
  if (!r || !Wnd()) return;
  const fw::TRect now = WindowBounds(Wnd());
  // A maximised window cannot be dragged away.
  if (placement_.state == TskWindowState::Maximized) {
    *r = {now.left, now.top, now.right, now.bottom};
    return;
  }
  if (!Magnetic) return;
  fw::TRect area;
  GetMonitorWorkArea(Wnd(), true, area);
  POINT cursor{};
  GetCursorPos(&cursor);
  const fw::TPoint at =
      magnet_.Snap({r->left, r->top}, now.Width(), now.Height(), area, MagneticSize, {cursor.x, cursor.y});
  *r = {at.x, at.y, at.x + now.Width(), at.y + now.Height()};
}

void TskSkinForm::EnterSizeMove() {
  POINT cursor{};
  GetCursorPos(&cursor);
  magnet_.Start({cursor.x, cursor.y});
  // No hovering while the loop has the mouse.
  hoverTimer_->SetEnabled(false);
  tracker_.ResetStates();
  tracker_.ForgetIndices();
  BOOL dragFull = FALSE;
  SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &dragFull, 0);
  sizeMove_.Enter(dragFull != 0);
  RepaintFrame();
}

void TskSkinForm::ExitSizeMove() {
  hoverTimer_->SetEnabled(false);
  tracker_.ForgetIndices();
  // Ended here, however the loop started: a loop from the keyboard or a
  // menu has no press whose handling could end it later.
  sizeMove_.Exit();
  // The frame was prepared for the last proposed size; the window may have
  // taken another.
  const fw::TRect now = WindowBounds(Wnd());
  if (now.Width() != frameWidth_ || now.Height() != frameHeight_) Size();
  if (skinInUse_) RepaintFrame();
}

void TskSkinForm::SysRestore() { Fire(OnRestore, this); }

void TskSkinForm::DisplayChange() {
  const fw::TRect now = WindowBounds(Wnd());
  const bool hasBorder = form_->BorderStyle() != fw::TFormBorderStyle::bsNone;
  if (NeedsRecalcAfterDisplayChange(LimitsInput(), hasBorder, now.Width(), now.Height())) ForceNCRecalc();
}

void TskSkinForm::ForceNCRecalc() {
  HWND wnd = Wnd();
  if (!wnd) return;
  // Two size changes: the system recomputes the frame and holds the window
  // to the size limits on the way back.
  const fw::TRect now = WindowBounds(wnd);
  const int step = now.Width() - 1 < GetMinWidth() ? 1 : -1;
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(wnd, nullptr, 0, 0, now.Width() + step, now.Height(), kFlags);
  SetWindowPos(wnd, nullptr, 0, 0, now.Width(), now.Height(), kFlags);
}

void TskSkinForm::FitToLimits() {
  HWND wnd = Wnd();
  // An iconic window keeps its restored size for the system to bring back.
  if (!wnd || IsIconic(wnd)) return;
  const fw::TRect now = WindowBounds(wnd);
  const int minWidth = GetMinWidth(), minHeight = GetMinHeight();
  int width = std::max(now.Width(), minWidth), height = std::max(now.Height(), minHeight);
  // A strip is exactly the new frame's height, a minimised one its least width.
  const bool minimized = placement_.state == TskWindowState::Minimized;
  if (placement_.rolledUp || minimized) height = minHeight;
  if (minimized) width = minWidth;
  if (width != now.Width() || height != now.Height()) {
    SetWindowPos(wnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TskSkinForm::SetStatusBar(TskSkinStatusBar* value) {
  if (statusBar_ && statusBar_ != value) RemoveFreeNotification(statusBar_);
  statusBar_ = value;
  if (!value) return;
  FreeNotification(value);
  value->SetGripVisible(placement_.state != TskWindowState::Maximized);
}

}  // namespace sk
