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
  in.minimized = IsIconic(wnd) != 0;
  in.maximized = form_->Maximized();
  in.canSize = form_->BorderStyle() == fw::TFormBorderStyle::bsSizeable;
  // Asked at the point: the hover state lags until the timer's next tick.
  in.objectHovered = ObjectAtPoint(in.point) != -1;
  in.onCaptionObject = PointOnCaptionObject(objects_, in.point);
  const int code = skinInUse_
                       ? SkinHitTest(in, rects_, frame_.info.BorderWidth, frame_.hasMask ? &maskStrips_ : nullptr)
                       : DefaultHitTest(in, defaultCaption_, false);
  // Over an object the timer follows the mouse until it leaves.
  if (code == HT_OBJECT && !objects_.empty()) hoverTimer_->SetEnabled(true);
  return code;
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
      if (GetActive()) TestAtCursor();
      break;
    case wm::NcLButtonDown: Apply(tracker_.MouseDown(TskMouseButton::Left)); break;
    case wm::NcRButtonDown: Apply(tracker_.MouseDown(TskMouseButton::Right)); break;
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
    case wm::NcLButtonDblClk: Apply(tracker_.DblClick()); break;
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
  if (fx.menuObject != -1) OpenButtonMenu(fx.menuObject);
  if (fx.commandObject != -1) RunCommand(fx.command);
  if (fx.closeForm) form_->Close();
}

void TskSkinForm::RunCommand(TskStdCommand command) {
  HWND wnd = Wnd();
  if (!wnd) return;
  // Close is posted: the form must not go away under the handler still
  // using it. Maximise, roll-up and the tray need the skinned window
  // states and stay with the form's own handling until then.
  switch (command) {
    case cmClose: PostMessageW(wnd, WM_CLOSE, 0, 0); break;
    case cmMinimize: ShowWindow(wnd, SW_MINIMIZE); break;
    default: break;
  }
}

}  // namespace sk
