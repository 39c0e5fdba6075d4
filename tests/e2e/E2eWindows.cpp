#include "E2eWindows.h"

#include <cstdint>

namespace e2e {

ClientPixels CaptureWindow(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return CaptureScreen(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

WindowRegion::WindowRegion(HWND window) : region_(CreateRectRgn(0, 0, 0, 0)) { type_ = GetWindowRgn(window, region_); }

WindowRegion::~WindowRegion() { DeleteObject(region_); }

bool WindowRegion::Contains(int x, int y) const { return Exists() && PtInRegion(region_, x, y); }

RECT WindowRegion::Box() const {
  RECT r{};
  if (Exists()) GetRgnBox(region_, &r);
  return r;
}

std::vector<HWND> TopLevelWindows(const std::wstring& windowClass, DWORD pid, bool visibleOnly) {
  struct Search {
    const std::wstring& windowClass;
    DWORD pid;
    bool visibleOnly;
    std::vector<HWND> found;
  } search{windowClass, pid, visibleOnly, {}};
  EnumWindows(
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(wnd, &owner);
        if (s->pid != 0 && owner != s->pid) return TRUE;
        if (s->visibleOnly && !IsWindowVisible(wnd)) return TRUE;
        if (!s->windowClass.empty() && WindowClass(wnd) != s->windowClass) return TRUE;
        s->found.push_back(wnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::wstring WindowText(HWND window) {
  // WM_GETTEXT reads a control of another process too (GetWindowText does not).
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR got = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_NORMAL, 5000, &got);
  text.resize(got);
  return text;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

HWND FindChild(HWND parent, const std::wstring& text, const std::wstring& windowClass, bool prefix) {
  struct Search {
    const std::wstring& text;
    const std::wstring& windowClass;
    bool prefix;
    HWND found = nullptr;
  } search{text, windowClass, prefix};
  EnumChildWindows(
      parent,
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (!s->windowClass.empty() && _wcsicmp(WindowClass(wnd).c_str(), s->windowClass.c_str()) != 0) return TRUE;
        const std::wstring t = WindowText(wnd);
        if (s->prefix ? t.rfind(s->text, 0) != 0 : t != s->text) return TRUE;
        s->found = wnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool WaitForVisible(HWND window, bool visible, std::chrono::milliseconds timeout) {
  return WaitFor([&] { return (IsWindowVisible(window) != FALSE) == visible; }, timeout);
}

HWND WaitForWindowOfClass(const std::wstring& windowClass, DWORD pid, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        const auto windows = TopLevelWindows(windowClass, pid);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      timeout);
  return found;
}

bool WaitForNoWindowOfClass(const std::wstring& windowClass, DWORD pid, std::chrono::milliseconds timeout) {
  return WaitFor([&] { return TopLevelWindows(windowClass, pid).empty(); }, timeout);
}

bool WaitForWindowRect(HWND window, const RECT& rect, std::chrono::milliseconds timeout) {
  return WaitFor(
      [&] {
        RECT r{};
        return GetWindowRect(window, &r) && EqualRect(&r, &rect);
      },
      timeout);
}

bool WaitForText(HWND window, const std::wstring& text, std::chrono::milliseconds timeout) {
  return WaitFor([&] { return WindowText(window) == text; }, timeout);
}

}  // namespace e2e
