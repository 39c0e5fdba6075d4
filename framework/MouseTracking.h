#pragma once
// Mouse tracking helpers: leave notifications for a window's client area or
// frame, and the mouse capture held for a scope.
#include <windows.h>

#include <functional>

#include "framework/Controls.h"

namespace fw {

// Asks for one WM_MOUSELEAVE (or, with `frame`, WM_NCMOUSELEAVE) when the
// cursor leaves `wnd`'s client area (frame).
bool TrackMouseLeave(HWND wnd, bool frame = false);

// Holds the mouse capture for `control`'s window while it lives and
// releases it at the end of its scope, unless someone else has taken it
// meanwhile (WM_CAPTURECHANGED, heard through the control's hook chain).
class MouseCapture {
 public:
  explicit MouseCapture(TWinControl& control);
  ~MouseCapture();
  MouseCapture(const MouseCapture&) = delete;
  MouseCapture& operator=(const MouseCapture&) = delete;

  // The capture is still ours.
  bool Holds() const { return held_ && GetCapture() == wnd_; }
  void Release();
  // Runs when another window (or ReleaseCapture elsewhere) took the capture.
  std::function<void()> OnLost;

 private:
  HWND wnd_;
  bool held_ = false;
  WindowHook hook_;
};

}  // namespace fw
