#include "skin/pixels/skUtilsProbes.h"

namespace sk {
namespace {

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
using MonitorFromWindowFn = HMONITOR(WINAPI*)(HWND, DWORD);
using GetMonitorInfoAFn = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
using GetScrollBarInfoFn = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
using TransparentBltFn = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

template <class F>
F Lookup(HMODULE module, const char* name) {
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

struct OptionalFunctions {
  SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;
  UpdateLayeredWindowFn updateLayeredWindow = nullptr;
  MonitorFromWindowFn monitorFromWindow = nullptr;
  GetMonitorInfoAFn getMonitorInfo = nullptr;
  GetScrollBarInfoFn getScrollBarInfo = nullptr;
  TransparentBltFn transparentBlt = nullptr;
  HMODULE msimg32 = nullptr;

  OptionalFunctions() {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    monitorFromWindow = Lookup<MonitorFromWindowFn>(user32, "MonitorFromWindow");
    getMonitorInfo = Lookup<GetMonitorInfoAFn>(user32, "GetMonitorInfoA");
    getScrollBarInfo = Lookup<GetScrollBarInfoFn>(user32, "GetScrollBarInfo");
    setLayeredWindowAttributes = Lookup<SetLayeredWindowAttributesFn>(user32, "SetLayeredWindowAttributes");
    updateLayeredWindow = Lookup<UpdateLayeredWindowFn>(user32, "UpdateLayeredWindow");
    if (IsWindows2000OrLater()) {
      msimg32 = LoadLibraryA("msimg32.dll");
      transparentBlt = Lookup<TransparentBltFn>(msimg32, "TransparentBlt");
    }
  }
  ~OptionalFunctions() {
    if (msimg32) FreeLibrary(msimg32);
  }
};

const OptionalFunctions& Optional() {
  static const OptionalFunctions functions;
  return functions;
}

void Version(int& major, int& minor) {
  const DWORD v = GetVersion();
  major = static_cast<int>(LOBYTE(LOWORD(v)));
  minor = static_cast<int>(HIBYTE(LOWORD(v)));
}

}  // namespace

bool IsWindowsVistaOrLater() {
  int major, minor;
  Version(major, minor);
  return major > 5;
}

bool IsWindowsXPOrLater() {
  int major, minor;
  Version(major, minor);
  return major > 5 || (major == 5 && minor == 1);
}

bool IsWindows2000OrLater() {
  int major, minor;
  Version(major, minor);
  return major > 5 || (major == 5 && minor <= 2);
}

bool HasUpdateLayeredWindow() { return Optional().updateLayeredWindow != nullptr; }
bool HasTransparentBlt() { return Optional().transparentBlt != nullptr; }

void SetWindowAlpha(HWND window, int alpha) {
  if (const auto f = Optional().setLayeredWindowAttributes) {
    f(window, 0, static_cast<BYTE>(alpha < 0 ? 0 : (alpha > 255 ? 255 : alpha)), LWA_ALPHA);
  }
}

void GetMonitorWorkArea(HWND window, bool workArea, fw::TRect& rect) {
  const OptionalFunctions& f = Optional();
  if (GetSystemMetrics(SM_CMONITORS) > 1 && f.getMonitorInfo && f.monitorFromWindow) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (f.getMonitorInfo(f.monitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) {
      const RECT& r = workArea ? info.rcWork : info.rcMonitor;
      rect = {r.left, r.top, r.right, r.bottom};
    }
    return;
  }
  if (workArea) {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    rect = {r.left, r.top, r.right, r.bottom};
  } else {
    rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
}

BOOL GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO& info) {
  if (const auto f = Optional().getScrollBarInfo) return f(window, objectId, &info);
  info.rgstate[0] = STATE_SYSTEM_INVISIBLE;
  return FALSE;
}

bool CallUpdateLayeredWindow(HWND window, HDC destDC, POINT* destPoint, SIZE* size, HDC sourceDC, POINT* sourcePoint,
                             COLORREF key, BLENDFUNCTION* blend, DWORD flags) {
  const auto f = Optional().updateLayeredWindow;
  return f && f(window, destDC, destPoint, size, sourceDC, sourcePoint, key, blend, flags);
}

bool CallTransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                        UINT key) {
  const auto f = Optional().transparentBlt;
  return f && f(dest, x, y, width, height, source, sx, sy, sw, sh, key);
}

}  // namespace sk
