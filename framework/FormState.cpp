// A form's state beyond its bounds: style, window state, activation, icon
// and size limits; and the application minimised and restored as a whole.
#include "framework/Forms.h"

#include <algorithm>
#include <utility>

#include "framework/Exceptions.h"

namespace fw {

// --- TForm -----------------------------------------------------------------------------

void TForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  if (formStyle_ == TFormStyle::fsMDIForm && MDIChildCount() > 0) {
    throw EInvalidOperation(L"Cannot change the style of an MDI form with MDI children");
  }
  const TFormStyle old = formStyle_;
  formStyle_ = style;
  ApplyFormStyle(old);
}

void TForm::SetIcon(TIcon icon) {
  // The window lets go of the old icon before it is destroyed.
  std::swap(icon_, icon);
  if (HandleAllocated()) ApplyIcon();
}

void TForm::ApplyIcon() {
  HWND wnd = HandleIfAllocated();
  HICON big = icon_.Handle();
  HICON small = big;
  if (!big) {
    // No icon of its own: the class's, which the caption always has,
    // rather than none at all.
    big = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICON));
    small = reinterpret_cast<HICON>(GetClassLongPtrW(wnd, GCLP_HICONSM));
    if (!small) small = big;
  }
  SendMessageW(wnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(wnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

int TForm::ShowCommand() const {
  switch (windowState_) {
    case TWindowState::wsMaximized: return SW_SHOWMAXIMIZED;
    case TWindowState::wsMinimized: return SW_SHOWMINIMIZED;
    default: return SW_SHOWNORMAL;
  }
}

void TForm::SetWindowState(TWindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  HWND wnd = HandleIfAllocated();
  // A hidden form takes its state when it shows.
  if (!wnd || !IsWindowVisible(wnd)) return;
  if (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD) {
    // The client keeps the frame's caption and menu in step with its children.
    HWND client = GetParent(wnd);
    switch (state) {
      case TWindowState::wsMaximized: SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(wnd), 0); return;
      case TWindowState::wsNormal: SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(wnd), 0); return;
      default: break;
    }
  }
  ShowWindow(wnd, state == TWindowState::wsMaximized   ? SW_SHOWMAXIMIZED
                  : state == TWindowState::wsMinimized ? SW_MINIMIZE
                                                       : SW_RESTORE);
}

void TForm::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  // A form losing its window as it is freed has lost its parts already.
  if (HasState(csDestroying)) return;
  if (active && OnActivate) OnActivate(this);
  if (!active && OnDeactivate) OnDeactivate(this);
}

void TForm::ApplyConstraints(MINMAXINFO& info) const {
  const TSizeConstraints& c = Constraints();
  if (c.MinWidth() > 0) info.ptMinTrackSize.x = c.MinWidth();
  if (c.MinHeight() > 0) info.ptMinTrackSize.y = c.MinHeight();
  // A maximised window is no larger than the form may be.
  if (c.MaxWidth() > 0) info.ptMaxTrackSize.x = info.ptMaxSize.x = c.ConstrainWidth(c.MaxWidth());
  if (c.MaxHeight() > 0) info.ptMaxTrackSize.y = info.ptMaxSize.y = c.ConstrainHeight(c.MaxHeight());
}

// --- TApplication ----------------------------------------------------------------------

bool TApplication::Minimized() const {
  HWND main = mainForm_ ? mainForm_->HandleIfAllocated() : nullptr;
  return main && IsIconic(main);
}

void TApplication::Minimize() {
  HWND main = mainForm_ ? mainForm_->HandleIfAllocated() : nullptr;
  if (!main || !IsWindowVisible(main) || IsIconic(main)) return;
  for (TForm* form : Screen().Forms()) {
    HWND wnd = form->HandleIfAllocated();
    if (form == mainForm_ || !wnd || !IsWindowVisible(wnd) || (GetWindowLongW(wnd, GWL_STYLE) & WS_CHILD)) continue;
    minimizedForms_.push_back(form);
    ShowWindow(wnd, SW_HIDE);
  }
  ShowWindow(main, SW_MINIMIZE);
  if (OnMinimize) OnMinimize(this);
}

void TApplication::Restore() {
  HWND main = mainForm_ ? mainForm_->HandleIfAllocated() : nullptr;
  if (!main || !IsIconic(main)) return;
  ShowWindow(main, SW_RESTORE);
  const std::vector<TForm*>& forms = Screen().Forms();
  for (TForm* form : std::exchange(minimizedForms_, {})) {
    // Only forms that still exist, and that nobody hid meanwhile.
    if (std::find(forms.begin(), forms.end(), form) == forms.end() || !form->Visible()) continue;
    if (HWND wnd = form->HandleIfAllocated()) ShowWindow(wnd, SW_SHOWNOACTIVATE);
  }
  SetForegroundWindow(main);
  if (OnRestore) OnRestore(this);
}

}  // namespace fw
