#pragma once
// One hidden message-only window for the user-interface thread: it carries
// the timers and the callback messages of components without a window of
// their own (the tray icon joins its hook chain).
#include <windows.h>

#include <functional>
#include <map>

#include "framework/WindowHook.h"

namespace fw {

class MessageWindow {
 public:
  static MessageWindow& Instance();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  // Made on first use.
  HWND Handle();
  // Messages of the window, before the timers and the default handling.
  WindowHookChain& Hooks() { return hooks_; }

  // Starts (or restarts) timer `id` of NewTimerId; `tick` runs at each
  // expiry until StopTimer. A tick may stop or restart any timer, its own
  // included, and free whoever started it.
  void StartTimer(UINT_PTR id, unsigned interval, std::function<void()> tick);
  void StopTimer(UINT_PTR id);
  // Never the same twice, so a stale expiry never reaches a newer timer.
  UINT_PTR NewTimerId() { return ++lastTimerId_; }
  size_t TimerCount() const { return timers_.size(); }

 private:
  MessageWindow() = default;
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void DefaultHandling(TMessage& message);

  HWND handle_ = nullptr;
  WindowHookChain hooks_;
  std::map<UINT_PTR, std::function<void()>> timers_;
  UINT_PTR lastTimerId_ = 0;
};

}  // namespace fw
