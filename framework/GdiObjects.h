#pragma once
// Owners of GDI and USER handles. Owning kinds delete what they hold; a
// borrowed handle is just the raw handle. Every owner counts its live
// handles so tests can see a leak (the platform's own counter is not
// available under every implementation).
#include <windows.h>

#include <atomic>
#include <utility>

namespace fw {

struct HandleCounters {
  static std::atomic<int>& Gdi();
  static std::atomic<int>& User();
};

template <class H>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(H handle) { Reset(handle); }
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  H Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(H handle = nullptr) {
    if (handle_) {
      DeleteObject(handle_);
      --HandleCounters::Gdi();
    }
    handle_ = handle;
    if (handle_) ++HandleCounters::Gdi();
  }
  // Hands the handle to someone who deletes it (SetWindowRgn takes regions).
  H Release() {
    if (handle_) --HandleCounters::Gdi();
    return std::exchange(handle_, nullptr);
  }

 private:
  H handle_ = nullptr;
};

// A memory device context, deleted with DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith = nullptr);
  ~MemoryDC();
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a DC for a scope and restores the previous one.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, old_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A window's DC borrowed for a scope: the whole window, frame included
// (GetWindowDC), or only its client area.
class WindowDC {
 public:
  enum Area { Whole, Client };
  explicit WindowDC(HWND wnd, Area area = Whole);
  ~WindowDC();
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Saves a DC's state (origin, clipping, selected objects) for a scope and
// restores it however the scope is left.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDC() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// BeginPaint/EndPaint for one WM_PAINT: the paint ends (and the window is
// validated) even when drawing throws.
class PaintDC {
 public:
  explicit PaintDC(HWND wnd) : wnd_(wnd), dc_(BeginPaint(wnd, &ps_)) {}
  ~PaintDC() { EndPaint(wnd_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC Get() const { return dc_; }
  const RECT& PaintRect() const { return ps_.rcPaint; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// A screen DC borrowed for a scope.
class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() { ReleaseDC(nullptr, dc_); }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace fw
