// Mouse and hit test: the hit code of a window point, the caption objects
// following the mouse on the 50 ms timer, presses and releases, the morph
// ticks, and the commands the buttons give.
#include <windowsx.h>

#include "skin/data/skSkinData.h"
#include "skin/form/skFormHitTest.h"
#include "skin/form/skSkinForm.h"

namespace sk {

namespace {

fw::TPoint WindowPointOf(HWND wnd, POINT screen) {
  RECT wr;
  GetWindowRect(wnd, &wr);
  return {screen.x - wr.left, screen.y - wr.top};
}

}  // namespace

int TskSkinForm::ObjectAtPoint(fw::TPoint p) const {
  return ObjectAt(objects_, p, [this](size_t i) -> const fw::TBitmap* {
    const int record = objects_[i].recordIndex;
    if (!skinInUse_ || record < 0) return nullptr;
    return skinData_->ActivePicture(skinData_->ObjectList(record)->ActiveMaskPictureIndex);
  });
}

intptr_t TskSkinForm::HitTest(LPARAM lParam) {
  HWND wnd = Wnd();
  RECT wr;
  GetWindowRect(wnd, &wr);
  TskHitTestInput in;
  in.point = WindowPointOf(wnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  in.width = wr.right - wr.left;
  in.height = wr.bottom - wr.top;
  in.rolledUp = placement_.rolledUp;
  in.minimized = placement_.state == TskWindowState::Minimized || IsIconic(wnd);
  in.maximized = placement_.state == TskWindowState::Maximized;
  in.canSize = CanSize();
  in.inSizeMove = sizeMove_.Running();
  // Asked at the point: the hover state lags until the timer's next tick,
  // and a border just off a button must size at once.
  const int hit = ObjectAtPoint(in.point);
  in.objectHovered = hit != -1;
  in.onCaptionObject = PointOnCaptionObject(objects_, in.point);
  const int code = skinInUse_
                       ? SkinHitTest(in, rects_, frame_.info.BorderWidth, frame_.hasMask ? &maskStrips_ : nullptr)
                       : DefaultHitTest(in, defaultCaption_, false);
  // Over an object the timer follows the mouse until it leaves; the first
  // look changes at once.
  if (code == HT_OBJECT && !objects_.empty() && !hoverTimer_->Enabled()) {
    if (Tracking()) Apply(tracker_.TestActive(hit, true));
    hoverTimer_->SetEnabled(true);
  }
  return code;
}

bool TskSkinForm::Tracking() const {
  return GetActive() && !sizeMove_.Running() && form_->BorderStyle() != fw::TFormBorderStyle::bsNone;
}

void TskSkinForm::TestAtCursor() {
  POINT cursor;
  GetCursorPos(&cursor);
  Apply(tracker_.TestActive(ObjectAtPoint(WindowPointOf(Wnd(), cursor)), true));
}

void TskSkinForm::HoverTimerTick() {
  HWND wnd = Wnd();
  if (!wnd || objects_.empty()) {
    hoverTimer_->SetEnabled(false);
    return;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  RECT client;
  GetClientRect(wnd, &client);
  POINT local = cursor;
  ScreenToClient(wnd, &local);
  TskHoverTickInput in;
  in.formActive = GetActive();
  in.cursorOverForm = WindowFromPoint(cursor) == wnd;
  in.cursorInClient = PtInRect(&client, local) != 0;
  in.inSizeMove = sizeMove_.Running();
  in.captured = tracker_.Captured();
  in.hovered = tracker_.HoverIndex() != -1;
  switch (HoverTick(in)) {
    case TskHoverTickAction::Nothing: break;
    case TskHoverTickAction::StopAndClear:
      hoverTimer_->SetEnabled(false);
      Apply(tracker_.ClearHover());
      break;
    case TskHoverTickAction::Stop: hoverTimer_->SetEnabled(false); break;
    case TskHoverTickAction::TestAtCursor: TestAtCursor(); break;
    case TskHoverTickAction::ClearInClient: Apply(tracker_.TestActive(-1, true)); break;
  }
}

void TskSkinForm::MorphTimerTick() {
  const std::vector<int> moved = tracker_.MorphTick();
  if (moved.empty()) morphTimer_->SetEnabled(false);
  for (int i : moved) DrawObjectNow(i);
}

void TskSkinForm::NcMouse(const fw::TMessage& m) {
  switch (m.msg) {
    case wm::NcMouseMove:
      if (Tracking()) TestAtCursor();
      break;
    case wm::NcLButtonDown:
      // The press moved or sized the window: it is over, no object gets it.
      if (sizeMove_.PressEnds()) {
        tracker_.DropCapture();
        break;
      }
      if (Tracking()) TestAtCursor();
      Apply(tracker_.MouseDown(TskMouseButton::Left));
      if (m.wParam == HT_CAPTION) tracker_.DropCapture();
      break;
    case wm::NcRButtonDown:
      Apply(tracker_.MouseDown(TskMouseButton::Right));
      if (m.wParam == HT_CAPTION) CaptionRightClick();
      break;
    case wm::LButtonUp:
    case wm::NcLButtonUp:
      // The release lands wherever the mouse is: see first whether it is
      // still over the pressed button.
      if (tracker_.Captured()) TestAtCursor();
      Apply(tracker_.MouseUp(TskMouseButton::Left));
      break;
    case wm::RButtonUp:
    case wm::NcRButtonUp:
      if (tracker_.Captured()) TestAtCursor();
      Apply(tracker_.MouseUp(TskMouseButton::Right));
      break;
    case wm::NcLButtonDblClk:
      // The second press of a quick pair is a press too: a button clicked
      // twice runs its command twice.
      if (Tracking()) TestAtCursor();
      Apply(tracker_.MouseDown(TskMouseButton::Left));
      Apply(tracker_.DblClick());
      if (m.wParam == HT_CAPTION) {
        CaptionDoubleClick();
        tracker_.DropCapture();
      }
      break;
    default: break;
  }
}

void TskSkinForm::Apply(const TskObjectEffects& fx) {
  HWND wnd = Wnd();
  if (fx.setCapture && wnd) SetCapture(wnd);
  if (fx.releaseCapture && GetCapture() == wnd) ReleaseCapture();
  for (int i : fx.drawNow) DrawObjectNow(i);
  if (fx.startMorphTimer) morphTimer_->SetEnabled(true);
  if (fx.startAnimationTimer) animationTimer_->SetEnabled(true);
  ObjectHints(fx);
  if (fx.repaintFrame) RepaintFrame();
  if (fx.closeMenu) EndMenus();
  if (fx.menuObject != -1) ObjectMenu(fx.menuObject);
  if (fx.menuObject != -1) OpenButtonMenu(fx.menuObject);
  if (fx.commandObject != -1) RunCommand(fx.command);
  if (fx.closeForm) form_->Close();
}

void TskSkinForm::RunCommand(TskStdCommand command) {
  HWND wnd = Wnd();
  if (!wnd) return;
  const TskWindowState state = placement_.state;
  switch (command) {
    // Posted: the form must not go away under the handler still using it.
    case cmClose: PostMessageW(wnd, WM_CLOSE, 0, 0); break;
    case cmMaximize:
      Apply(tracker_.ClearHover());
      SetSkinWindowState(state == TskWindowState::Maximized ? TskWindowState::Normal : TskWindowState::Maximized);
      break;
    case cmMinimize:
      Apply(tracker_.ClearHover());
      if (AlwaysMinimizeToTray) {
        MinimizeToTray();
      } else {
        SetSkinWindowState(state == TskWindowState::Minimized ? TskWindowState::Normal : TskWindowState::Minimized);
      }
      break;
    case cmRollUp: RollUp(!placement_.rolledUp); break;
    case cmMinimizeToTray:
      Apply(tracker_.ClearHover());
      MinimizeToTray();
      break;
    default: break;
  }
}

}  // namespace sk
