#include "framework/GdiObjects.h"

#include "framework/Exceptions.h"

namespace fw {

std::atomic<int>& HandleCounters::Gdi() {
  static std::atomic<int> count{0};
  return count;
}

std::atomic<int>& HandleCounters::User() {
  static std::atomic<int> count{0};
  return count;
}

MemoryDC::MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
  if (!dc_) throw EOutOfResources(L"Out of system resources");
  ++HandleCounters::Gdi();
}

WindowDC::WindowDC(HWND wnd, Area area) : wnd_(wnd), dc_(area == Whole ? GetWindowDC(wnd) : GetDC(wnd)) {
  if (!dc_) throw EOutOfResources(L"Out of system resources");
  ++HandleCounters::Gdi();
}

WindowDC::~WindowDC() {
  ReleaseDC(wnd_, dc_);
  --HandleCounters::Gdi();
}

MemoryDC::~MemoryDC() {
  DeleteDC(dc_);
  --HandleCounters::Gdi();
}

}  // namespace fw
