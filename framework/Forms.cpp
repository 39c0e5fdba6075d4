#include "framework/Forms.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

#include "framework/Exceptions.h"
#include "framework/MDI.h"
#include "framework/MenusWin.h"
#include "framework/Utf.h"

namespace fw {

TApplication& Application() {
  static TApplication* app = new TApplication();  // lives until the process ends
  return *app;
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

// --- TForm ---------------------------------------------------------------------

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  SetParentFont(false);
  Font().Assign(TFontInfo{});
  SetVisible(false);
  Screen().forms_.push_back(this);
}

TForm::~TForm() {
  if (!HasState(csDestroying)) TForm::BeforeDestruction();
  auto& forms = Screen().forms_;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void TForm::BeforeDestruction() {
  if (OnDestroy) OnDestroy(this);
  TWinControl::BeforeDestruction();
}

void TForm::LoadLayout(const std::string& text, const LayoutSources& sources) {
  ReadLayout(*this, text, sources);
  DoCreate();
}

void TForm::Loaded() {
  TWinControl::Loaded();
  // Designed at one resolution, shown at the screen's.
  const int screenPpi = Screen().PixelsPerInch();
  if (pixelsPerInch_ > 0 && screenPpi != pixelsPerInch_) {
    ScaleBy(screenPpi, pixelsPerInch_);
    pixelsPerInch_ = screenPpi;
  }
  Realign();
}

void TForm::ScaleBounds(int m, int d) {
  // The frame is the system's and a screen position is no layout length:
  // only the client area scales.
  const TRect client = ClientRect();
  SetClientWidth(MulDiv(client.Width(), m, d));
  SetClientHeight(MulDiv(client.Height(), m, d));
}

void TForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TForm::DoShow() {
  if (OnShow) OnShow(this);
}

DWORD TForm::WindowStyle() const {
  DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone: style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow: style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin: style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog: style |= WS_CAPTION | DS_MODALFRAME; break;
  }
  if (borderStyle_ != TFormBorderStyle::bsNone && (borderIcons_ & biSystemMenu)) {
    style |= WS_SYSMENU;
    if (borderIcons_ & biMinimize) style |= WS_MINIMIZEBOX;
    if (borderIcons_ & biMaximize) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD TForm::WindowExStyle() const {
  DWORD ex = formStyle_ == TFormStyle::fsStayOnTop ? WS_EX_TOPMOST : 0;
  if (borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin) {
    ex |= WS_EX_TOOLWINDOW;
  }
  // The hidden application window owns every form, and an owned window gets
  // no task bar button or Alt+Tab entry unless it asks for one.
  if (Application().MainForm() == this) ex |= WS_EX_APPWINDOW;
  return ex;
}

void TForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.windowClass = kFormWindowClass;
  p.style = WindowStyle();
  p.exStyle = WindowExStyle();
  // Owned by the application window, which carries the application title.
  p.parent = Application().Handle();
  if (clientWidth_ >= 0 || clientHeight_ >= 0) {
    RECT r{0, 0, clientWidth_ >= 0 ? clientWidth_ : width_, clientHeight_ >= 0 ? clientHeight_ : height_};
    AdjustWindowRectEx(&r, p.style, FALSE, p.exStyle);
    width_ = p.width = Constraints().ConstrainWidth(r.right - r.left);
    height_ = p.height = Constraints().ConstrainHeight(r.bottom - r.top);
  }
  if (position_ == TPosition::poScreenCenter) {
    const TRect work = Screen().WorkAreaRect();
    left_ = p.x = work.left + (work.Width() - p.width) / 2;
    top_ = p.y = work.top + (work.Height() - p.height) / 2;
  } else if (position_ == TPosition::poDefault) {
    p.x = p.y = CW_USEDEFAULT;
  }
}

void TForm::CreateWindowHandle(const TCreateParams& params) {
  if (formStyle_ == TFormStyle::fsMDIChild) {
    CreateMDIChildWindow(params);
  } else {
    TWinControl::CreateWindowHandle(params);
  }
  if (!HandleAllocated()) return;
  // A new window (a recreated one too) gets the bar and the icon again.
  if (menu_) menu_->ApplyToWindow();
  if (!icon_.Empty()) ApplyIcon();
}

void TForm::CreateWnd() {
  creating_ = true;
  try {
    TWinControl::CreateWnd();
  } catch (...) {
    creating_ = false;
    throw;
  }
  creating_ = false;
}

void TForm::AfterCreateWnd() {
  // The window was sized for the system's frame; whoever answers
  // WM_NCCALCSIZE may have made another one.
  const TRect client = TWinControl::ClientRect();
  if (clientWidth_ < 0) clientWidth_ = client.Width();
  if (clientHeight_ < 0) clientHeight_ = client.Height();
  FitFrameToClient();
}

TRect TForm::ClientRect() const {
  if (HandleAllocated() || (clientWidth_ < 0 && clientHeight_ < 0)) return TWinControl::ClientRect();
  return {0, 0, clientWidth_ >= 0 ? clientWidth_ : width_, clientHeight_ >= 0 ? clientHeight_ : height_};
}

TPoint TForm::FrameSize() const {
  RECT window;
  RECT client;
  GetWindowRect(HandleIfAllocated(), &window);
  GetClientRect(HandleIfAllocated(), &client);
  return {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
}

void TForm::FitFrameToClient() {
  HWND wnd = HandleIfAllocated();
  if (!wnd || IsIconic(wnd) || IsZoomed(wnd)) return;
  const TPoint frame = FrameSize();
  const TRect client = TWinControl::ClientRect();
  const int width = (clientWidth_ >= 0 ? clientWidth_ : client.Width()) + frame.x;
  const int height = (clientHeight_ >= 0 ? clientHeight_ : client.Height()) + frame.y;
  SetBounds(left_, top_, width, height);
}

void TForm::KeepClientSize() {
  HWND wnd = HandleIfAllocated();
  if (creating_ || !wnd || IsIconic(wnd) || IsZoomed(wnd)) return;
  const TRect client = TWinControl::ClientRect();
  clientWidth_ = client.Width();
  clientHeight_ = client.Height();
}

void TForm::ApplyClientSize() {
  if (!HandleAllocated()) {
    Realign();
    return;
  }
  FitFrameToClient();
}

void TForm::SetClientWidth(int v) {
  clientWidth_ = v;
  ApplyClientSize();
}

void TForm::SetClientHeight(int v) {
  clientHeight_ = v;
  ApplyClientSize();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  if (HandleAllocated()) {
    SetWindowLongW(HandleIfAllocated(), GWL_STYLE,
                   (GetWindowLongW(HandleIfAllocated(), GWL_STYLE) & ~(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) |
                       (WindowStyle() & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)));
    SetWindowPos(HandleIfAllocated(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

std::wstring TForm::Text() const {
  if (formStyle_ == TFormStyle::fsMDIForm) return TControl::Text();
  return TWinControl::Text();
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == mdiClient_) mdiClient_ = nullptr;
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

bool TForm::Showing() const { return HandleAllocated() && IsWindowVisible(HandleIfAllocated()); }

void TForm::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  if (HasState(csLoading)) return;
  if (visible) {
    HandleNeeded();
    HWND wnd = HandleIfAllocated();
    if (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD) {
      // Shown, a child becomes its parent's active child; the frame keeps
      // the foreground.
      ShowWindow(wnd, windowState_ == TWindowState::wsMinimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
      SendMessageW(GetParent(wnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(wnd), 0);
      if (windowState_ == TWindowState::wsMaximized) {
        SendMessageW(GetParent(wnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(wnd), 0);
      }
    } else {
      ShowWindow(wnd, ShowCommand());
      SetForegroundWindow(wnd);
    }
    if (TWinControl* first = ActiveControl(); !first) SelectNext(nullptr, true);
  } else if (HWND wnd = HandleIfAllocated()) {
    // The client would keep a hidden child active: move on to the next first.
    if (GetWindowLongW(wnd, GWL_EXSTYLE) & WS_EX_MDICHILD) {
      HWND client = GetParent(wnd);
      if (reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) == wnd) {
        SendMessageW(client, WM_MDINEXT, reinterpret_cast<WPARAM>(wnd), 0);
      }
    }
    ShowWindow(wnd, SW_HIDE);
  }
}

void TForm::Close() {
  TCloseAction action = this == Application().MainForm() ? TCloseAction::caFree : TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  // Minimised, the form stays (the main form with the whole application).
  if (action == TCloseAction::caMinimize) {
    if (this == Application().MainForm()) {
      Application().Minimize();
    } else {
      SetWindowState(TWindowState::wsMinimized);
    }
    return;
  }
  if (this == Application().MainForm()) Application().Terminate();
  Hide();
}

void TForm::WndProc(TMessage& m) {
  switch (m.msg) {
    case CM_ISMAXIMIZED: m.result = HandleAllocated() && IsZoomed(HandleIfAllocated()) ? 1 : 0; return;
    case WM_CLOSE: Close(); return;
    case WM_WINDOWPOSCHANGED: {
      const UINT flags = reinterpret_cast<const WINDOWPOS*>(m.lParam)->flags;
      TWinControl::WndProc(m);
      // A new frame alone keeps the client size; a resize sets it, also one
      // that comes with a new frame (MDI arranging sends those). A frame
      // change that left the client alone (a new window region) has nothing
      // to fit.
      constexpr UINT kNoClientSize = 0x0800;  // SWP_NOCLIENTSIZE, set by the system
      if ((flags & SWP_FRAMECHANGED) && (flags & SWP_NOSIZE) && !(flags & kNoClientSize)) {
        FitFrameToClient();
      } else if (!(flags & SWP_NOSIZE)) {
        KeepClientSize();
      }
      return;
    }
    case WM_SIZE:
      // Only recorded: the system has made the change already.
      if (m.wParam == SIZE_MAXIMIZED) {
        windowState_ = TWindowState::wsMaximized;
      } else if (m.wParam == SIZE_MINIMIZED) {
        windowState_ = TWindowState::wsMinimized;
      } else if (m.wParam == SIZE_RESTORED) {
        windowState_ = TWindowState::wsNormal;
      }
      break;
    case WM_GETMINMAXINFO:
      TWinControl::WndProc(m);
      ApplyConstraints(*reinterpret_cast<MINMAXINFO*>(m.lParam));
      return;
    case WM_ACTIVATE:
      TWinControl::WndProc(m);
      if (formStyle_ != TFormStyle::fsMDIChild) SetActive(LOWORD(m.wParam) != WA_INACTIVE);
      return;
    case WM_MDIACTIVATE:
      // Sent to the child losing the activation, then to the one gaining it.
      TWinControl::WndProc(m);
      if (reinterpret_cast<HWND>(m.lParam) == HandleIfAllocated()) {
        SetActive(true);
      } else if (reinterpret_cast<HWND>(m.wParam) == HandleIfAllocated()) {
        SetActive(false);
      }
      return;
    case WM_SYSCOMMAND:
      // The main form's minimise and restore are the whole application's.
      if (this == Application().MainForm()) {
        const WPARAM command = m.wParam & 0xFFF0;
        if (command == SC_MINIMIZE) {
          Application().Minimize();
          return;
        }
        if (command == SC_RESTORE && IsIconic(HandleIfAllocated())) {
          Application().Restore();
          return;
        }
      }
      break;
    case WM_SHOWWINDOW:
      TWinControl::WndProc(m);
      if (m.wParam) {
        DoShow();
      } else if (OnHide) {
        OnHide(this);
      }
      return;
    default: break;
  }
  TWinControl::WndProc(m);
}

void TForm::CollectTabStops(TWinControl* container, std::vector<TWinControl*>& out) const {
  for (TWinControl* c : container->TabList()) {
    if (c->TabStop() && c->CanFocus()) out.push_back(c);
    CollectTabStops(c, out);
  }
}

TWinControl* TForm::ActiveControl() const { return FromHandle(GetFocus()); }

void TForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> stops;
  CollectTabStops(const_cast<TForm*>(this), stops);
  if (stops.empty()) return;
  auto it = std::find(stops.begin(), stops.end(), current);
  size_t next = 0;
  if (it != stops.end()) {
    const size_t i = static_cast<size_t>(it - stops.begin());
    next = forward ? (i + 1) % stops.size() : (i + stops.size() - 1) % stops.size();
  } else if (!forward) {
    next = stops.size() - 1;
  }
  stops[next]->SetFocus();
}

// --- TApplication ----------------------------------------------------------------

TApplication::TApplication() : TComponent(nullptr) {}

TApplication::~TApplication() {
  if (handle_) DestroyWindow(handle_);
}

namespace {
constexpr wchar_t kApplicationWindowClass[] = L"QuilletApplication";
}

LRESULT CALLBACK TApplication::AppWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TApplication& app = Application();
  TMessage m{msg, wParam, lParam, 0};
  const auto defaultHandling = [wnd](TMessage& x) { x.result = DefWindowProcW(wnd, x.msg, x.wParam, x.lParam); };
  try {
    app.hooks_.Dispatch(m, defaultHandling);
  } catch (...) {
    app.HandleException(std::current_exception());
  }
  return m.result;
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  RegisterFrameworkWindowClasses();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
  if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hIconSm = wc.hIcon;
  wc.lpszClassName = kApplicationWindowClass;
  RegisterClassExW(&wc);
  // The application window: owner of every form and carrier of the title.
  handle_ =
      CreateWindowExW(0, kApplicationWindowClass, title_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                      0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void TApplication::SetTitle(const std::wstring& title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, title.c_str());
}

void TApplication::Run() {
  if (mainForm_ && ShowMainForm) mainForm_->Show();
  while (!terminated_) {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) break;
    HandleMessage(msg);
  }
  terminated_ = true;
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  HandleMessage(msg);
  return true;
}

void TApplication::HandleMessage(MSG& msg) {
  const auto ownHandling = [this](MSG& x) {
    HintFromMouse(x);
    if (DispatchMenuMessage(x)) return;
    if (HandleMDIKey(x)) return;
    if (HandleTabKey(x)) return;
    TranslateMessage(&x);
    DispatchMessageW(&x);
  };
  if (messageHooks_.Empty()) {
    ownHandling(msg);
    return;
  }
  try {
    messageHooks_.Dispatch(msg, ownHandling);
  } catch (...) {
    HandleException(std::current_exception());
  }
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::Terminate() {
  if (!terminated_) PostQuitMessage(0);
  terminated_ = true;
}

bool TApplication::HandleTabKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || (GetKeyState(VK_CONTROL) & 0x8000)) return false;
  TWinControl* focused = TWinControl::FromHandle(msg.hwnd);
  if (!focused) return false;
  TControl* top = focused;
  while (top->Parent()) top = top->Parent();
  auto* form = dynamic_cast<TForm*>(top);
  if (!form) return false;
  form->SelectNext(focused, (GetKeyState(VK_SHIFT) & 0x8000) == 0);
  return true;
}

namespace {

bool RouteHint(TWinControl& container, const std::wstring& hint) {
  for (TControl* c : container.ControlList()) {
    if (c->Perform(CM_HINTACTION, 0, reinterpret_cast<LPARAM>(&hint)) == 1) return true;
    if (auto* w = dynamic_cast<TWinControl*>(c); w && RouteHint(*w, hint)) return true;
  }
  return false;
}

}  // namespace

void TApplication::SetHint(const std::wstring& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (OnHint) {
    OnHint(this);
    return;
  }
  for (TForm* form : std::vector<TForm*>(Screen().Forms())) {
    if (RouteHint(*form, hint_)) return;
  }
}

std::wstring TApplication::ExceptionMessage(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return Utf8ToWide(e.what());
  } catch (...) {
    return L"Unknown error";
  }
}

void TApplication::HandleException(std::exception_ptr error) {
  const std::wstring message = ExceptionMessage(error);
  if (OnException) {
    OnException(message);
    return;
  }
  if (showingError_) return;  // one box at a time; the rest would pile up behind it
  showingError_ = true;
  HWND owner = GetActiveWindow();
  MessageBoxW(owner ? owner : (mainForm_ ? mainForm_->HandleIfAllocated() : nullptr), message.c_str(), title_.c_str(),
              MB_OK | MB_ICONERROR);
  showingError_ = false;
}

// --- TScreen -----------------------------------------------------------------------

int TScreen::PixelsPerInch() const {
  if (testPixelsPerInch_ > 0) return testPixelsPerInch_;
  HDC dc = GetDC(nullptr);
  const int ppi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return ppi;
}

int ScaleDesigned(const TControl& control, int pixels) {
  const TControl* top = &control;
  while (top->Parent()) top = top->Parent();
  const auto* form = dynamic_cast<const TForm*>(top);
  const int ppi = form && form->PixelsPerInch() > 0 ? form->PixelsPerInch() : Screen().PixelsPerInch();
  return MulDiv(pixels, ppi, 96);
}

TRect TScreen::WorkAreaRect() const {
  RECT r;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return FromRECT(r);
}

HCURSOR TScreen::Cursors(TCursor cursor) const {
  const wchar_t* id = IDC_ARROW;
  switch (cursor) {
    case crHandPoint: id = IDC_HAND; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    default: break;
  }
  return LoadCursorW(nullptr, id);
}

TForm* TScreen::ActiveForm() const {
  TWinControl* active = TWinControl::FromHandle(GetActiveWindow());
  return dynamic_cast<TForm*>(active);
}

}  // namespace fw
