#include "framework/MessageWindow.h"

#include "framework/Exceptions.h"
#include "framework/Forms.h"

namespace fw {

namespace {
constexpr wchar_t kMessageWindowClass[] = L"QuilletMessageWindow";
}

MessageWindow& MessageWindow::Instance() {
  static MessageWindow* window = new MessageWindow();  // lives as long as the thread's loop
  return *window;
}

HWND MessageWindow::Handle() {
  if (handle_) return handle_;
  WNDCLASSW wc{};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kMessageWindowClass;
  RegisterClassW(&wc);
  handle_ = CreateWindowExW(0, kMessageWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!handle_) throw EOutOfResources(L"Error creating window");
  return handle_;
}

void MessageWindow::StartTimer(UINT_PTR id, unsigned interval, std::function<void()> tick) {
  timers_[id] = std::move(tick);
  if (!SetTimer(Handle(), id, interval, nullptr)) {
    timers_.erase(id);
    throw EOutOfResources(L"Not enough timers available");
  }
}

void MessageWindow::StopTimer(UINT_PTR id) {
  if (timers_.erase(id) && handle_) KillTimer(handle_, id);
}

LRESULT CALLBACK MessageWindow::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MessageWindow& self = Instance();
  if (!self.handle_) self.handle_ = wnd;  // messages of CreateWindowEx itself
  if (wnd != self.handle_) return DefWindowProcW(wnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  try {
    self.hooks_.Dispatch(m, [&self](TMessage& x) { self.DefaultHandling(x); });
  } catch (...) {
    Application().HandleException(std::current_exception());
  }
  return m.result;
}

void MessageWindow::DefaultHandling(TMessage& m) {
  if (m.msg == WM_TIMER) {
    const auto it = timers_.find(m.wParam);
    if (it == timers_.end()) return;  // stopped meanwhile
    // A copy: the tick may stop its timer and free its owner.
    const std::function<void()> tick = it->second;
    tick();
    return;
  }
  m.result = DefWindowProcW(handle_, m.msg, m.wParam, m.lParam);
}

}  // namespace fw
