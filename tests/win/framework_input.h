#pragma once
// Real input and bounded waits for the framework's window tests: the cursor
// is moved and clicked through SendInput, and tests wait for a state while
// the message loop runs, never for a measured time.
#include <windows.h>

#include <functional>

#include "framework/Forms.h"

namespace fwtest {

// Runs the application's message loop until `done` or `limitMs` passes.
inline bool WaitUntil(const std::function<bool()>& done, DWORD limitMs = 5000) {
  const DWORD end = GetTickCount() + limitMs;
  for (;;) {
    fw::Application().ProcessMessages();
    if (done()) return true;
    if (static_cast<LONG>(end - GetTickCount()) <= 0) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

inline void Pump(DWORD ms) {
  WaitUntil([] { return false; }, ms);
}

inline void SendMouse(DWORD flags, POINT at) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  // 1/65536ths of the screen, rounded up so that it maps back onto the pixel.
  input.mi.dx = static_cast<LONG>((at.x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = static_cast<LONG>((at.y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
  SendInput(1, &input, sizeof input);
}

// Moves the cursor to `screen` and lets the moves arrive.
inline bool MoveMouse(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE, screen);
  return WaitUntil([&] {
    POINT p{};
    GetCursorPos(&p);
    return p.x == screen.x && p.y == screen.y;
  });
}

inline void ClickAt(POINT screen) {
  MoveMouse(screen);
  SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
  SendMouse(MOUSEEVENTF_LEFTUP, screen);
}

// The centre of a control on the screen.
inline POINT CentreOf(fw::TControl& control) {
  const fw::TPoint p = control.ClientToScreen({control.Width() / 2, control.Height() / 2});
  return {p.x, p.y};
}

// Somewhere no test window lies.
inline POINT Outside() { return {1200, 950}; }

}  // namespace fwtest
