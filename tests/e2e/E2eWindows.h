#pragma once
// Windows seen from outside: the whole window as the screen shows it, its
// region, the top-level windows of a class (popup menus, hints, tray
// windows), child windows by their text, and waits for a window's state
// with a deadline instead of sleeps.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "E2eHarness.h"

namespace e2e {

// The window's rectangle on screen, frame and caption included (see
// CaptureClient for what a capture needs).
ClientPixels CaptureWindow(HWND window);

// The window's region (GetWindowRgn), in the window's own coordinates, as
// the system holds it for the window's shape.
class WindowRegion {
 public:
  explicit WindowRegion(HWND window);
  ~WindowRegion();
  WindowRegion(const WindowRegion&) = delete;
  WindowRegion& operator=(const WindowRegion&) = delete;

  // False for a window without a region: its shape is its rectangle.
  bool Exists() const { return type_ != ERROR && type_ != NULLREGION; }
  bool Contains(int x, int y) const;
  RECT Box() const;

 private:
  HRGN region_;
  int type_ = ERROR;
};

// Top-level windows of `windowClass` (any class when empty) of process
// `pid` (any process when 0), in z-order; hidden ones only when asked.
std::vector<HWND> TopLevelWindows(const std::wstring& windowClass, DWORD pid = 0, bool visibleOnly = true);

std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);
// The first descendant of `parent` whose text is `text` (or begins with it
// when `prefix`), of `windowClass` unless that is empty.
HWND FindChild(HWND parent, const std::wstring& text, const std::wstring& windowClass = L"", bool prefix = false);

// Bounded waits; each returns whether the state came in time.
bool WaitForVisible(HWND window, bool visible, std::chrono::milliseconds timeout);
// The first visible top-level window of the class, or null after timeout.
HWND WaitForWindowOfClass(const std::wstring& windowClass, DWORD pid, std::chrono::milliseconds timeout);
bool WaitForNoWindowOfClass(const std::wstring& windowClass, DWORD pid, std::chrono::milliseconds timeout);
bool WaitForWindowRect(HWND window, const RECT& rect, std::chrono::milliseconds timeout);
bool WaitForText(HWND window, const std::wstring& text, std::chrono::milliseconds timeout);

}  // namespace e2e
