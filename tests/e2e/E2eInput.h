#pragma once
// Real mouse input through SendInput, in screen coordinates: what the
// system makes of it (activation, capture, move loops, menus, double
// clicks) is what a user would get. Each call returns once the cursor is
// where it was sent; what the program does with the input may come later,
// so wait for its effect (E2eWindows.h).
#include <windows.h>

namespace e2e {

enum class MouseButton { Left, Right };

void MouseMove(POINT screen);
void MouseDown(MouseButton button = MouseButton::Left);
void MouseUp(MouseButton button = MouseButton::Left);
// Move, press, release.
void MouseClick(POINT screen, MouseButton button = MouseButton::Left);
void MouseRightClick(POINT screen);
// Two clicks at one place, well inside the double-click time.
void MouseDoubleClick(POINT screen);
// Press at `from`, move to `to` in `steps` moves, release there.
void MouseDrag(POINT from, POINT to, int steps = 8);

// A point of a window's client area in screen coordinates.
POINT ClientToScreenPoint(HWND window, int x, int y);
// The centre of a window, in screen coordinates.
POINT WindowCentre(HWND window);

}  // namespace e2e
