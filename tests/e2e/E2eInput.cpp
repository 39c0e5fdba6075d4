#include "E2eInput.h"

#include "E2eHarness.h"

namespace e2e {

namespace {

using namespace std::chrono_literals;

// Absolute input is in 1/65536ths of the primary screen; rounding up maps
// back onto exactly the wanted pixel ((n * width) >> 16).
LONG Normalized(LONG pixel, int extent) { return static_cast<LONG>((pixel * 65536LL + extent - 1) / extent); }

void Send(DWORD flags, POINT at = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    input.mi.dx = Normalized(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalized(at.y, GetSystemMetrics(SM_CYSCREEN));
  }
  SendInput(1, &input, sizeof input);
}

DWORD DownFlag(MouseButton b) { return b == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN; }
DWORD UpFlag(MouseButton b) { return b == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP; }

}  // namespace

void MouseMove(POINT screen) {
  Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
  WaitFor(
      [&] {
        POINT p{};
        GetCursorPos(&p);
        return p.x == screen.x && p.y == screen.y;
      },
      2s);
}

void MouseDown(MouseButton button) { Send(DownFlag(button)); }

void MouseUp(MouseButton button) { Send(UpFlag(button)); }

void MouseClick(POINT screen, MouseButton button) {
  MouseMove(screen);
  MouseDown(button);
  MouseUp(button);
}

void MouseRightClick(POINT screen) { MouseClick(screen, MouseButton::Right); }

void MouseDoubleClick(POINT screen) {
  MouseClick(screen);
  MouseClick(screen);
}

void MouseDrag(POINT from, POINT to, int steps) {
  MouseMove(from);
  MouseDown();
  for (int i = 1; i <= steps; ++i) {
    MouseMove({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    Sleep(10);  // let the program see each step, as a hand would
  }
  MouseUp();
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

POINT WindowCentre(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace e2e
