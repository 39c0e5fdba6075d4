#pragma once
// Hint windows: the framework's own and the record the application fills
// before a hint shows. The application (Forms.h) decides when a hint shows;
// the class of its hint window can be replaced (a skin engine draws its
// own) and restored.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/PopupWindow.h"

namespace fw {

// What the application is about to show; OnShowHint may change any of it.
struct THintInfo {
  TControl* hintControl = nullptr;
  TPoint cursorPos;      // in the hint control's client coordinates
  TPoint hintPos;        // the hint window's top-left corner on the screen
  int hintMaxWidth = 0;  // text wider than this wraps
  int hideTimeout = 0;   // milliseconds until the hint hides; 0 or less: never
};

class THintWindow : public TPopupWindow {
 public:
  explicit THintWindow(TComponent* owner);

  // Shows `text` in `rect` (screen coordinates), in front of every window,
  // without taking the activation.
  virtual void ActivateHint(const TRect& rect, const std::wstring& text);
  // The window rectangle (at 0, 0) that `text` needs with its lines wrapped
  // at `maxWidth` pixels.
  virtual TRect CalcHintRect(int maxWidth, const std::wstring& text);

 protected:
  // For hint windows of another window class.
  THintWindow(TComponent* owner, std::wstring className, bool dropShadow);
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};

// Makes the application's hint window.
using THintWindowClass = std::function<THintWindow*(TComponent* owner)>;
THintWindowClass DefaultHintWindowClass();

}  // namespace fw
