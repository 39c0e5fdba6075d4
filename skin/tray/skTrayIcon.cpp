#include "skin/tray/skTrayIcon.h"

#include "framework/Forms.h"
#include "framework/Menus.h"
#include "skin/menus/skMenusPopup.h"

namespace sk {
namespace {

constexpr wchar_t kWindowClass[] = L"TskTrayIconWindow";
constexpr UINT kIconId = 1;

void RegisterWindowClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWindowClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

fw::TShiftState KeyboardShift() {
  fw::TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= MK_SHIFT;
  if (GetKeyState(VK_CONTROL) < 0) shift |= MK_CONTROL;
  // MK_ has no Alt: the framework's shift states carry it in the high word.
  if (GetKeyState(VK_MENU) < 0) shift |= 0x10000;
  return shift;
}

HICON CopyOf(HICON icon) { return icon ? CopyIcon(icon) : nullptr; }

}  // namespace

UINT TskTrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

TskTrayIcon::TskTrayIcon(fw::TComponent* owner)
    : fw::TComponent(owner), animateTimer_(new fw::TTimer(this)), clickTimer_(new fw::TTimer(this)) {
  TaskbarCreatedMessage();
  RegisterWindowClass(&TskTrayIcon::WndProc);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  animateTimer_->SetEnabled(false);
  animateTimer_->SetInterval(0);
  animateTimer_->OnTimer = [this](fw::TComponent*) { AnimateTick(); };
  clickTimer_->SetEnabled(false);
  clickTimer_->SetInterval(GetDoubleClickTime());
  clickTimer_->OnTimer = [this](fw::TComponent*) { ClickTick(); };

  icon_.SetHandle(CopyOf(LoadIconW(GetModuleHandleW(nullptr), L"MAINICON")));
  if (icon_.Empty()) icon_.SetHandle(CopyOf(LoadIconW(nullptr, IDI_APPLICATION)));

  applicationHook_.Install(fw::Application().Hooks(),
                           [this](fw::TMessage& m, const fw::WindowHookChain::Next& next) {
                             ApplicationMessage(m, next);
                           });
  if (fw::TWinControl* control = OwnerControl()) {
    ownerHook_.Install(control->Hooks(),
                       [this](fw::TMessage& m, const fw::WindowHookChain::Next& next) { OwnerMessage(m, next); });
  }
}

TskTrayIcon::~TskTrayIcon() {
  *alive_ = false;
  DeleteIcon();
  applicationHook_.Remove();
  ownerHook_.Remove();
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

fw::TWinControl* TskTrayIcon::OwnerControl() const { return dynamic_cast<fw::TWinControl*>(Owner()); }

void TskTrayIcon::Loaded() {
  fw::TComponent::Loaded();
  if (OwnerControl() && MinimizedOnStart) {
    iconVisible_ = true;
    MinimizeToTray = true;
    fw::Application().ShowMainForm = false;
  }
  ModifyIcon();
  if (iconVisible_) {
    AddIcon();
  } else {
    DeleteIcon();
  }
}

// ---- the icon record

bool TskTrayIcon::Notify(DWORD action) {
  if (!window_) return false;
  // The whole current record: its size tells the system the layout, and
  // the older, shorter one cuts tooltips at 63 characters.
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = TrayCallbackMessage;
  data.hIcon = icon_.Handle();
  const std::wstring tip = Tip();
  tip.copy(data.szTip, std::size(data.szTip) - 1);
  return Shell_NotifyIconW(action, &data) != FALSE;
}

bool TskTrayIcon::AddIcon() {
  iconVisible_ = true;
  shown_ = Notify(NIM_ADD);
  return shown_;
}

bool TskTrayIcon::DeleteIcon() {
  iconVisible_ = false;
  const bool was = shown_;
  shown_ = false;
  return was && Notify(NIM_DELETE);
}

bool TskTrayIcon::ModifyIcon() { return shown_ && Notify(NIM_MODIFY); }

// ---- properties

void TskTrayIcon::SetIcon(HICON icon) {
  icon_.SetHandle(CopyOf(icon));
  ModifyIcon();
}

void TskTrayIcon::SetIconVisible(bool value) {
  if (value) {
    AddIcon();
  } else {
    DeleteIcon();
  }
}

void TskTrayIcon::SetHint(const std::wstring& value) {
  hint_ = value;
  ModifyIcon();
}

void TskTrayIcon::SetShowHint(bool value) {
  showHint_ = value;
  ModifyIcon();
}

void TskTrayIcon::SetPopupMenu(TskSkinPopupMenu* value) {
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = value;
  if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TskTrayIcon::SetIconList(fw::TImageList* value) {
  if (iconList_) iconList_->RemoveFreeNotification(this);
  iconList_ = value;
  if (iconList_) iconList_->FreeNotification(this);
  SetIconIndex(0);
}

void TskTrayIcon::SetIconIndex(int value) {
  if (!iconList_) {
    iconIndex_ = 0;
    ModifyIcon();
    return;
  }
  iconIndex_ = ClampTrayIconIndex(value, iconList_->Count());
  if (iconList_->Count() > 0) icon_.SetHandle(fw::CreateAlphaIcon(iconList_->Image(iconIndex_)));
  ModifyIcon();
}

void TskTrayIcon::SetCycleIcons(bool value) {
  cycleIcons_ = value;
  if (value) SetIconIndex(0);
  animateTimer_->SetEnabled(value);
}

void TskTrayIcon::SetAnimateTimerInterval(unsigned value) {
  animateInterval_ = value;
  animateTimer_->SetInterval(value);
}

void TskTrayIcon::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (component == iconList_) {
    iconList_ = nullptr;
    iconIndex_ = 0;
  }
}

// ---- mouse actions

LRESULT CALLBACK TskTrayIcon::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TskTrayIcon*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  switch (msg) {
    case TrayCallbackMessage:
      if (self && self->Enabled) self->IconMessage(lParam);
      return 0;
    // The window lives as long as its component: nobody else closes it.
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY: return 1;
    default: return DefWindowProcW(wnd, msg, wParam, lParam);
  }
}

void TskTrayIcon::IconMessage(LPARAM mouseMessage) {
  POINT cursor{};
  GetCursorPos(&cursor);
  const fw::TShiftState shift = KeyboardShift();
  const std::weak_ptr<bool> alive = alive_;
  const auto down = [&](fw::TMouseButton button, fw::TShiftState extra) {
    if (OnMouseDown) OnMouseDown(this, button, shift | extra, cursor.x, cursor.y);
  };
  const auto up = [&](fw::TMouseButton button) {
    if (OnMouseUp) OnMouseUp(this, button, shift, cursor.x, cursor.y);
  };
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(this, shift, cursor.x, cursor.y);
      break;
    case WM_LBUTTONDOWN:
      Apply(clicks_.LeftDown());
      down(fw::TMouseButton::mbLeft, MK_LBUTTON);
      if (!alive.expired() && *alive.lock() && PopupByLeftButton) PopupMenuAtCursor();
      break;
    case WM_LBUTTONUP: {
      const TskTrayClickEffects fx = clicks_.LeftUp(clickTimer_->Enabled());
      Apply(fx);  // may fire the click, which may free us
      if (!alive.expired() && *alive.lock()) up(fw::TMouseButton::mbLeft);
      break;
    }
    case WM_LBUTTONDBLCLK:
      Apply(clicks_.DoubleClick());
      if (!alive.expired() && *alive.lock() && popupMenu_ && popupMenu_->AutoPopup && !PopupByLeftButton) {
        RunDefaultItem();
      }
      break;
    case WM_RBUTTONDOWN:
      down(fw::TMouseButton::mbRight, MK_RBUTTON);
      if (!alive.expired() && *alive.lock()) PopupMenuAtCursor();
      break;
    case WM_RBUTTONUP: up(fw::TMouseButton::mbRight); break;
    case WM_MBUTTONDOWN: down(fw::TMouseButton::mbMiddle, MK_MBUTTON); break;
    case WM_MBUTTONUP: up(fw::TMouseButton::mbMiddle); break;
    case TrayBalloonUserClick:
      if (OnBalloonHintClick) OnBalloonHintClick(this);
      break;
    default: break;
  }
}

// Timers first, events last: an event's handler may free the icon.
void TskTrayIcon::Apply(const TskTrayClickEffects& fx) {
  if (fx.startTimer) clickTimer_->SetEnabled(true);
  if (fx.stopTimer) clickTimer_->SetEnabled(false);
  if (fx.click && OnClick) {
    OnClick(this);
  } else if (fx.doubleClick && OnDblClick) {
    OnDblClick(this);
  }
}

void TskTrayIcon::ClickTick() { Apply(clicks_.TimerTick()); }

void TskTrayIcon::RunDefaultItem() {
  fw::TMenuItem* items = popupMenu_->Items();
  for (int i = 0; i < items->Count(); ++i) {
    if (items->Items(i)->Default()) {
      items->Items(i)->Click();
      return;
    }
  }
}

void TskTrayIcon::PopupMenuAtCursor() {
  if (!popupMenu_ || !popupMenu_->AutoPopup) return;
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  const std::weak_ptr<bool> alive = alive_;
  fw::Application().ProcessMessages();
  // Pending messages may have freed us or the menu.
  if (alive.expired() || !*alive.lock() || !popupMenu_) return;
  // The notification area wants its owner in front, or the menu would not
  // close when the user clicks elsewhere.
  SetForegroundWindow(window_);
  HWND owner = OwnerControl() ? OwnerControl()->HandleIfAllocated() : nullptr;
  if (owner) SetForegroundWindow(owner);
  popupMenu_->PopupComponent = this;
  popupMenu_->Popup(cursor.x, cursor.y);
  if (owner && IsWindow(owner)) PostMessageW(owner, WM_NULL, 0, 0);
}

// ---- animation

void TskTrayIcon::AnimateTick() {
  if (!iconList_) return;
  const TskTrayCycleStep step = TrayCycleStep(iconIndex_, iconList_->Count());
  if (!step.animate) return;
  icon_.SetHandle(fw::CreateAlphaIcon(iconList_->Image(step.show)));
  iconIndex_ = step.next;
  const std::weak_ptr<bool> alive = alive_;
  if (OnCycle) OnCycle(this, step.next);
  if (!alive.expired() && *alive.lock()) ModifyIcon();
}

// ---- the application and the owner

void TskTrayIcon::ShowMainForm() {
  fw::TForm* main = fw::Application().MainForm();
  if (!OwnerControl() || !main) return;
  fw::Application().Restore();
  main->SetVisible(true);
  if (HWND wnd = main->HandleIfAllocated(); wnd && IsIconic(wnd)) ShowWindow(wnd, SW_RESTORE);
}

void TskTrayIcon::HideMainForm() {
  fw::TForm* main = fw::Application().MainForm();
  if (!OwnerControl() || !main) return;
  main->SetVisible(false);
}

void TskTrayIcon::DoMinimizeToTray() {
  if (!AddIcon()) return;  // stays minimised on the task bar
  HideMainForm();
}

void TskTrayIcon::ApplicationMessage(fw::TMessage& m, const fw::WindowHookChain::Next& next) {
  if (m.msg == TaskbarCreatedMessage() && iconVisible_) AddIcon();
  if (m.msg == WM_WINDOWPOSCHANGED && checkMdi_) {
    if (fw::TForm* main = fw::Application().MainForm()) {
      if (main->FormStyle() == fw::TFormStyle::fsMDIForm && MinimizedOnStart) {
        ShowWindow(fw::Application().Handle(), SW_HIDE);
      }
      checkMdi_ = false;
    }
  }
  next(m);
}

void TskTrayIcon::OwnerMessage(fw::TMessage& m, const fw::WindowHookChain::Next& next) {
  // The application minimises through its main form: that is where a
  // minimise to the tray starts.
  if (m.msg == WM_SIZE && m.wParam == SIZE_MINIMIZED && MinimizeToTray &&
      Owner() == fw::Application().MainForm()) {
    next(m);
    DoMinimizeToTray();
    return;
  }
  if (m.msg == WM_ACTIVATE && (LOWORD(m.wParam) == WA_ACTIVE || LOWORD(m.wParam) == WA_CLICKACTIVE)) {
    if (auto* form = dynamic_cast<fw::TForm*>(Owner()); form && form->ActiveControl()) {
      fw::TWinControl* active = form->ActiveControl();
      HWND activeWnd = active->HandleIfAllocated();
      HWND expected = active->Parent() ? active->Parent()->HandleIfAllocated() : activeWnd;
      if (activeWnd && reinterpret_cast<HWND>(m.lParam) != expected) SetFocus(activeWnd);
    }
  }
  // Shown by a program call: the application comes back with it. (Our
  // application window stays hidden: the main form is on the task bar.)
  if (m.msg == WM_SHOWWINDOW && m.wParam == 1 && m.lParam == 0) {
    if (fw::Application().Minimized()) fw::Application().Restore();
    if (HWND owner = OwnerControl()->HandleIfAllocated()) SetForegroundWindow(owner);
  }
  next(m);
}

}  // namespace sk
