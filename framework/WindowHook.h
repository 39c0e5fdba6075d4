#pragma once
// The hook chains of windows and of the message loop.
#include <windows.h>

#include "framework/HookChain.h"

namespace fw {

struct TMessage {
  UINT msg = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  LRESULT result = 0;
};

// In front of a window's own message handling (a control's, the
// application window's, the shared message window's).
using WindowHookChain = HookChain<TMessage>;
using WindowHook = WindowHookChain::Hook;

// In front of the message loop's own handling of a queued message (tab
// keys, translation, dispatch); a menu state that owns the keyboard swaps
// the loop's handling by joining this chain and restores it by leaving.
using MessageHookChain = HookChain<MSG>;
using MessageHook = MessageHookChain::Hook;

}  // namespace fw
