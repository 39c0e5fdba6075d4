// Enter and leave of windowed and windowless controls, the frame's mouse
// leave, and the scoped mouse capture.
#include "framework/MouseTracking.h"

namespace fw {

bool TrackMouseLeave(HWND wnd, bool frame) {
  TRACKMOUSEEVENT tme{sizeof tme, static_cast<DWORD>(TME_LEAVE | (frame ? TME_NONCLIENT : 0)), wnd, 0};
  return TrackMouseEvent(&tme) != FALSE;
}

void TWinControl::MouseMovedInside() {
  // Asked at every move: another window's request may have replaced ours.
  TrackMouseLeave(handle_);
  if (mouseInside_) return;
  mouseInside_ = true;
  Perform(CM_MOUSEENTER);
}

void TWinControl::MouseLeftClient() {
  if (mouseOver_) {
    TControl* child = mouseOver_;
    mouseOver_ = nullptr;
    child->Perform(CM_MOUSELEAVE);
  }
  if (!mouseInside_) return;
  mouseInside_ = false;
  Perform(CM_MOUSELEAVE);
}

void TWinControl::MouseMovedOnFrame() {
  // Hooks see the frame's moves with their hit codes; WM_NCMOUSELEAVE
  // follows when the cursor goes.
  if (!trackingFrame_) trackingFrame_ = TrackMouseLeave(handle_, true);
}

MouseCapture::MouseCapture(TWinControl& control) : wnd_(control.Handle()) {
  hook_.Install(control.Hooks(), [this](TMessage& m, const WindowHookChain::Next& next) {
    if (m.msg == WM_CAPTURECHANGED && held_ && reinterpret_cast<HWND>(m.lParam) != wnd_) {
      held_ = false;
      if (OnLost) OnLost();
    }
    next(m);
  });
  SetCapture(wnd_);
  held_ = GetCapture() == wnd_;
}

MouseCapture::~MouseCapture() { Release(); }

void MouseCapture::Release() {
  if (!held_) return;
  held_ = false;  // our own release is no loss
  if (GetCapture() == wnd_) ReleaseCapture();
}

}  // namespace fw
