#include "framework/PopupWindow.h"

#include "framework/Forms.h"

namespace fw {

TPopupWindow::TPopupWindow(TComponent* owner, std::wstring className, bool dropShadow)
    : TCustomControl(owner), className_(std::move(className)), dropShadow_(dropShadow) {
  // Made hidden; shown only through ShowAt or SetVisible, never activated.
  TControl::SetVisible(false);
}

void TPopupWindow::RegisterPopupClass() const {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), className_.c_str(), &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = ClassStyle();
  wc.lpfnWndProc = TWinControl::StaticWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = className_.c_str();
  RegisterClassExW(&wc);
}

UINT TPopupWindow::ClassStyle() const {
  // CS_SAVEBITS: a popup that comes and goes often spares the windows
  // beneath a repaint.
  return CS_SAVEBITS | (dropShadow_ ? CS_DROPSHADOW : 0);
}

void TPopupWindow::CreateParams(TCreateParams& p) {
  TCustomControl::CreateParams(p);
  RegisterPopupClass();
  p.windowClass = className_;
  p.style = WS_POPUP | WS_CLIPCHILDREN;
  p.exStyle = WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  // Owned by the hidden application window: no task bar button of its own,
  // and it goes with the application.
  p.parent = Application().Handle();
}

void TPopupWindow::WndProc(TMessage& m) {
  if (m.msg == WM_MOUSEACTIVATE) {
    m.result = MA_NOACTIVATE;
    return;
  }
  TCustomControl::WndProc(m);
}

void TPopupWindow::ShowAt(const TRect& r) {
  HWND wnd = Handle();
  TControl::SetVisible(true);
  SetWindowPos(wnd, HWND_TOPMOST, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TPopupWindow::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  if (!HandleAllocated()) return;
  if (visible) {
    SetWindowPos(HandleIfAllocated(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  } else {
    ShowWindow(HandleIfAllocated(), SW_HIDE);
  }
}

bool TPopupWindow::Showing() const { return HandleAllocated() && IsWindowVisible(HandleIfAllocated()); }

}  // namespace fw
