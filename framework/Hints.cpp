// The framework's hint window and the application's hint machinery: which
// control's hint shows, when, where and in which window.
#include "framework/Hints.h"

#include <windowsx.h>

#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "framework/HintTiming.h"
#include "framework/MessageWindow.h"

namespace fw {

namespace {
// Room between the border and the text.
constexpr int kHintPaddingX = 2;
constexpr int kHintPaddingY = 1;
constexpr UINT kHintTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
}  // namespace

// --- THintWindow -----------------------------------------------------------------

THintWindow::THintWindow(TComponent* owner) : THintWindow(owner, L"QuilletHint", true) {}

THintWindow::THintWindow(TComponent* owner, std::wstring className, bool dropShadow)
    : TPopupWindow(owner, std::move(className), dropShadow) {
  SetParentFont(false);
  Font().Assign(TFontInfo{});
  Font().SetColor(clInfoText);
  SetColor(clInfoBk);
}

void THintWindow::CreateParams(TCreateParams& p) {
  TPopupWindow::CreateParams(p);
  p.style |= WS_BORDER;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::wstring& text) {
  ScreenDC screen;
  TCanvas canvas(screen.Get());
  canvas.Font() = Font();
  TRect r{0, 0, maxWidth, 0};
  canvas.DrawTextW(text, r, kHintTextFormat | DT_CALCRECT);
  const int frame = 2 * GetSystemMetrics(SM_CXBORDER);
  return {0, 0, r.Width() + 2 * kHintPaddingX + frame, r.Height() + 2 * kHintPaddingY + frame};
}

void THintWindow::ActivateHint(const TRect& rect, const std::wstring& text) {
  SetText(text);
  ShowAt(rect);
  Invalidate();
}

void THintWindow::Paint() {
  TCanvas& canvas = Canvas();
  const TRect client = ClientRect();
  canvas.Brush().color = Color();
  canvas.FillRect(client);
  TRect text{client.left + kHintPaddingX, client.top + kHintPaddingY, client.right - kHintPaddingX,
             client.bottom - kHintPaddingY};
  SetBkMode(canvas.Handle(), TRANSPARENT);
  canvas.DrawTextW(Text(), text, kHintTextFormat);
}

THintWindowClass DefaultHintWindowClass() {
  return [](TComponent* owner) -> THintWindow* { return TComponent::Create<THintWindow>(owner); };
}

// --- TApplication: hints ------------------------------------------------------------

namespace {

// The framework control a window belongs to: the window's own, or that of
// the nearest framework window it lies in (a system control's inner parts).
TWinControl* FrameworkWindowOf(HWND wnd) {
  for (; wnd; wnd = GetParent(wnd)) {
    if (TWinControl* w = TWinControl::FromHandle(wnd)) return w;
  }
  return nullptr;
}

// The control at `client` in `window`, windowless children included.
TControl* ControlAt(TWinControl* window, TPoint client) {
  TControl* control = window->ControlAtPos(client, true);
  return control && !dynamic_cast<TWinControl*>(control) ? control : window;
}

// The control whose hint shows for `control`: the nearest with a short
// hint, when its hints show.
TControl* HintTarget(TControl* control) {
  while (control && GetShortHint(control->Hint()).empty()) control = control->Parent();
  return control && control->ShowHint() ? control : nullptr;
}

TRect WorkAreaAt(TPoint p) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromPoint(POINT{p.x, p.y}, MONITOR_DEFAULTTONEAREST), &info)) return FromRECT(info.rcWork);
  return Screen().WorkAreaRect();
}

// How far below the cursor's hot spot a hint starts.
int CursorHeightBelowHotSpot() {
  int height = GetSystemMetrics(SM_CYCURSOR);
  ICONINFO info{};
  if (HCURSOR cursor = GetCursor(); cursor && GetIconInfo(cursor, &info)) {
    height -= static_cast<int>(info.yHotspot);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
  }
  return height;
}

}  // namespace

void TApplication::SetShowHint(bool value) {
  if (value == showHint_) return;
  showHint_ = value;
  if (!value) {
    CancelHint();
    FreeHintWindow();
  }
}

void TApplication::SetHintPause(int ms) { hintScheduler_.Pauses().hint = ms; }
void TApplication::SetHintShortPause(int ms) { hintScheduler_.Pauses().shortPause = ms; }
void TApplication::SetHintHidePause(int ms) { hintScheduler_.Pauses().hide = ms; }
int TApplication::HintPause() const { return hintScheduler_.Pauses().hint; }
int TApplication::HintShortPause() const { return hintScheduler_.Pauses().shortPause; }
int TApplication::HintHidePause() const { return hintScheduler_.Pauses().hide; }

void TApplication::SetHintWindowClass(THintWindowClass windowClass) {
  CancelHint();
  FreeHintWindow();
  hintWindowClass_ = windowClass ? std::move(windowClass) : DefaultHintWindowClass();
}

TControl* TApplication::HintControl() const {
  return static_cast<TControl*>(const_cast<void*>(hintScheduler_.Control()));
}

bool TApplication::HintShowing() const { return hintScheduler_.CurrentPhase() == HintScheduler::Phase::Shown; }

THintWindow* TApplication::EnsureHintWindow() {
  if (!hintWindow_) {
    if (!hintWindowClass_) hintWindowClass_ = DefaultHintWindowClass();
    hintWindow_ = hintWindowClass_(this);
    if (hintWindow_) FreeNotification(hintWindow_);
  }
  return hintWindow_;
}

void TApplication::FreeHintWindow() {
  if (THintWindow* w = hintWindow_) {
    hintWindow_ = nullptr;
    RemoveFreeNotification(w);
    if (w->Owner() == this) TComponent::Free(w);
  }
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == mainForm_) mainForm_ = nullptr;
  if (component == hintWindow_) hintWindow_ = nullptr;
  if (component == HintControl()) ApplyHintStep(hintScheduler_.Cancel());
}

void TApplication::SetHintControl(TControl* control) {
  TControl* old = HintControl();
  if (control == old) return;
  ApplyHintStep(hintScheduler_.MouseOver(control));
  if (old) RemoveFreeNotification(old);
  if (control) FreeNotification(control);
}

void TApplication::ApplyHintStep(const HintScheduler::Step& step) {
  if (step.hide && hintWindow_) hintWindow_->Hide();
  if (step.show) {
    ShowHintWindow();
    return;
  }
  StartHintTimer(step.timer, step.interval);
}

void TApplication::StartHintTimer(HintScheduler::TimerAction action, int interval) {
  MessageWindow& window = MessageWindow::Instance();
  if (action == HintScheduler::TimerAction::Keep) return;
  if (hintTimer_) window.StopTimer(hintTimer_);
  if (action != HintScheduler::TimerAction::Start) return;
  if (!hintTimer_) hintTimer_ = window.NewTimerId();
  window.StartTimer(hintTimer_, static_cast<unsigned>(interval > 0 ? interval : 1),
                    [this] { ApplyHintStep(hintScheduler_.TimerExpired()); });
}

void TApplication::ShowHintWindow() {
  TControl* control = HintControl();
  POINT cursor;
  GetCursorPos(&cursor);
  const TPoint screen{cursor.x, cursor.y};
  const TRect work = WorkAreaAt(screen);
  THintInfo info;
  info.hintControl = control;
  info.cursorPos = control ? control->ScreenToClient(screen) : screen;
  info.hintPos = {screen.x, screen.y + CursorHeightBelowHotSpot()};
  info.hintMaxWidth = work.Width();
  info.hideTimeout = HintHidePause();
  std::wstring text = control ? GetShortHint(control->Hint()) : L"";
  bool canShow = showHint_;
  if (canShow && OnShowHint) OnShowHint(text, canShow, info);
  THintWindow* window = canShow && !text.empty() ? EnsureHintWindow() : nullptr;
  if (!window) {
    ApplyHintStep(hintScheduler_.Dismiss());
    return;
  }
  const TRect size = window->CalcHintRect(info.hintMaxWidth, text);
  window->ActivateHint(PlaceHintRect({size.Width(), size.Height()}, info.hintPos, screen, work), text);
  StartHintTimer(info.hideTimeout > 0 ? HintScheduler::TimerAction::Start : HintScheduler::TimerAction::Stop,
                 info.hideTimeout);
}

void TApplication::ActivateHint(TPoint cursorPos) {
  TControl* control = nullptr;
  if (TWinControl* window = FrameworkWindowOf(WindowFromPoint(POINT{cursorPos.x, cursorPos.y}))) {
    control = HintTarget(ControlAt(window, window->ScreenToClient(cursorPos)));
  }
  if (TControl* old = HintControl(); old && old != control) RemoveFreeNotification(old);
  if (control) FreeNotification(control);
  ApplyHintStep(hintScheduler_.ShowNow(control));
}

void TApplication::CancelHint() {
  if (TControl* old = HintControl()) RemoveFreeNotification(old);
  ApplyHintStep(hintScheduler_.Cancel());
}

void TApplication::HideHint() {
  if (hintWindow_) hintWindow_->Hide();
}

void TApplication::DismissHint() { ApplyHintStep(hintScheduler_.Dismiss()); }

void TApplication::HintFromMouse(const MSG& msg) {
  TWinControl* window = nullptr;
  TPoint client;
  switch (msg.message) {
    case WM_MOUSEMOVE:
      window = FrameworkWindowOf(msg.hwnd);
      if (window && window->HandleIfAllocated() != msg.hwnd) {
        POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        MapWindowPoints(msg.hwnd, window->HandleIfAllocated(), &p, 1);
        client = {p.x, p.y};
      } else {
        client = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
      }
      break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSEMOVE: {
      // Left a window (or is over a frame): the cursor may already be over
      // another of ours, whose own move follows; otherwise nothing is hinted.
      POINT p;
      GetCursorPos(&p);
      HWND over = WindowFromPoint(p);
      if (msg.message == WM_MOUSELEAVE && over && GetWindowThreadProcessId(over, nullptr) == GetCurrentThreadId()) {
        window = FrameworkWindowOf(over);
        if (window) {
          ::ScreenToClient(window->Handle(), &p);
          RECT r;
          GetClientRect(window->Handle(), &r);
          if (!PtInRect(&r, p)) window = nullptr;
        }
      }
      client = {p.x, p.y};
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: DismissHint(); return;
    default: return;
  }
  TControl* control = window ? ControlAt(window, client) : nullptr;
  // The long hint: the nearest control with a hint speaks for those without one.
  TControl* withHint = control;
  while (withHint && withHint->Hint().empty()) withHint = withHint->Parent();
  SetHint(withHint ? GetLongHint(withHint->Hint()) : L"");
  SetHintControl(showHint_ ? HintTarget(control) : nullptr);
}

}  // namespace fw
