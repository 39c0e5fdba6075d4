// TWinControl's window: class registration, creating and destroying the
// handle, and the window procedure every framework window runs through.
#include "framework/Controls.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/ControlsMouse.h"
#include "framework/Exceptions.h"
#include "framework/Forms.h"

namespace fw {

using namespace detail;

const wchar_t kControlWindowClass[] = L"QuilletControl";
const wchar_t kFormWindowClass[] = L"QuilletForm";

namespace {

constexpr wchar_t kObjectProperty[] = L"QuilletObject";

}  // namespace

void RegisterFrameworkWindowClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;  // replaced at WM_NCCREATE by the object's procedure
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kControlWindowClass;
  wc.lpfnWndProc = TWinControl::StaticWndProc;
  RegisterClassExW(&wc);
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
  if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hIconSm = wc.hIcon;
  wc.lpszClassName = kFormWindowClass;
  RegisterClassExW(&wc);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Freed without Free: do what BeforeDestruction would have done, with
  // what is left of the object.
  if (!HasState(csDestroying)) TWinControl::BeforeDestruction();
  DestroyHandle();
  // Children owned elsewhere are freed later; they must not reach back.
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
  tabList_.clear();
}

void TWinControl::BeforeDestruction() {
  TControl::BeforeDestruction();
  // Owned components go while this object is whole and its window exists:
  // one that unhooks the window or stops a timer finds everything in place.
  DestroyComponents();
  DestroyHandle();
}

TWinControl* TWinControl::FromHandle(HWND wnd) {
  return wnd ? static_cast<TWinControl*>(GetPropW(wnd, kObjectProperty)) : nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_) {
    if (parent_) parent_->HandleNeeded();
    if (!handle_) CreateWnd();  // the parent may have made ours with its children
  }
  return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
  p.windowClass = kControlWindowClass;
  p.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (Visible()) p.style |= WS_VISIBLE;
  if (tabStop_) p.style |= WS_TABSTOP;
  if (!Enabled()) p.style |= WS_DISABLED;
  p.x = left_;
  p.y = top_;
  p.width = width_;
  p.height = height_;
  p.parent = Parent() ? Parent()->Handle() : nullptr;
}

void TWinControl::CreateWnd() {
  RegisterFrameworkWindowClasses();
  TCreateParams params;
  CreateParams(params);
  CreateWindowHandle(params);
  if (!handle_) throw EOutOfResources(L"Error creating window");
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  CreateChildHandles();
  Realign();
  AfterCreateWnd();
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
  HWND wnd = CreateWindowExW(p.exStyle, p.windowClass.c_str(), text_.c_str(), p.style, p.x, p.y, p.width, p.height,
                             p.parent, nullptr, GetModuleHandleW(nullptr), p.systemClass ? p.systemParam : this);
  if (!wnd) return;
  ++HandleCounters::User();
  if (p.systemClass) {
    // A system control keeps its own procedure behind ours.
    handle_ = wnd;
    SetPropW(wnd, kObjectProperty, this);
    defWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::StaticWndProc)));
  }
}

void TWinControl::CreateChildHandles() {
  for (TControl* c : controls_) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
  }
}

void TWinControl::DestroyWnd() {
  // The object and its hooks hear WM_DESTROY and WM_NCDESTROY (and so do
  // the children's, whose windows go with ours); StaticWndProc lets go of
  // each handle after its WM_NCDESTROY.
  HWND wnd = handle_;
  DestroyWindow(wnd);
  if (handle_ == wnd) DetachHandle();  // the window was not destroyed: forget it anyway
}

void TWinControl::DetachHandle() {
  RemovePropW(handle_, kObjectProperty);
  handle_ = nullptr;
  defWndProc_ = nullptr;
  mouseCapture_ = nullptr;
  mouseOver_ = nullptr;
  mouseInside_ = false;
  trackingFrame_ = false;
  --HandleCounters::User();
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  HandleNeeded();
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(wnd);
  if (!control && msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    // An MDI child's creation data is the MDICREATESTRUCT that carries ours.
    void* param = cs->lpCreateParams;
    if ((cs->dwExStyle & WS_EX_MDICHILD) && param)
      param = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTW*>(param)->lParam);
    control = static_cast<TWinControl*>(param);
    if (control) {
      control->handle_ = wnd;
      SetPropW(wnd, kObjectProperty, control);
    }
  }
  if (!control) return DefWindowProcW(wnd, msg, wParam, lParam);
  // The text lives in the window while there is one; keep it for the next.
  if (msg == WM_DESTROY) control->text_ = control->Text();
  TMessage m{msg, wParam, lParam, 0};
  try {
    control->WindowProc(m);
  } catch (...) {
    // A paint that failed before it began would be asked for again at once,
    // also from the loop of the very message box that reports it.
    if (msg == WM_PAINT) ValidateRect(wnd, nullptr);
    // No error may cross the platform's dispatch: show it, carry on.
    Application().HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY && control->handle_ == wnd) control->DetachHandle();
  return m.result;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) return;
  m.result = defWndProc_ ? CallWindowProcW(defWndProc_, handle_, m.msg, m.wParam, m.lParam)
                         : DefWindowProcW(handle_, m.msg, m.wParam, m.lParam);
}

void TWinControl::WndProc(TMessage& m) {
  if (m.msg == WM_MOUSEMOVE) MouseMovedInside();
  switch (m.msg) {
    case WM_PAINT:
      if (!isStandardControl_) {
        WMPaint();
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (!isStandardControl_) {
        PaintClient(reinterpret_cast<HDC>(m.wParam));
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (!isStandardControl_) {
        // Double buffered, the background is drawn into the buffer only.
        if (!doubleBuffered_ || erasingBuffer_) EraseBackground(reinterpret_cast<HDC>(m.wParam));
        m.result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED: UpdateBoundsFromWindow(); break;
    case WM_SIZE:
      DefaultHandler(m);
      Realign();
      Resize();
      return;
    case WM_COMMAND:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.lParam)); child && child != this) {
        m.result = child->Perform(CN_COMMAND, m.wParam, m.lParam);
        return;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.lParam)); child && child != this) {
        m.result = child->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
        if (m.result) return;
      }
      break;
    case WM_SETCURSOR:
      if (HandleSetCursor(m)) return;
      break;
    case WM_MOUSELEAVE: MouseLeftClient(); break;
    case WM_NCMOUSEMOVE: MouseMovedOnFrame(); break;
    case WM_NCMOUSELEAVE: trackingFrame_ = false; break;
    case WM_ACTIVATEAPP:
      // Another application comes to the front: no hint of ours stays over it.
      if (!m.wParam) Application().CancelHint();
      break;
    default:
      if (IsMouseMessage(m.msg) && !isStandardControl_) {
        HandleParentMouse(m);
        if (m.result == 1 && m.msg != WM_MOUSEMOVE) return;
      }
      break;
  }
  TControl::WndProc(m);
}

void TWinControl::WMPaint() {
  PaintDC paint(handle_);
  if (!doubleBuffered_) {
    PaintWindow(paint.Get());
    PaintControls(paint.Get());
    return;
  }
  const RECT& r = paint.PaintRect();
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  MemoryDC buffer(paint.Get());
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(paint.Get(), w, h));
  if (!bitmap) throw EOutOfResources(L"Out of system resources");
  {
    SelectedObject selected(buffer.Get(), bitmap.Get());
    SetViewportOrgEx(buffer.Get(), -r.left, -r.top, nullptr);
    PaintClient(buffer.Get());
    SetViewportOrgEx(buffer.Get(), 0, 0, nullptr);
    BitBlt(paint.Get(), r.left, r.top, w, h, buffer.Get(), 0, 0, SRCCOPY);
  }
}

void TWinControl::PaintClient(HDC dc) {
  {
    // Through the hooks, so a component painting the background takes part.
    SavedDC saved(dc);
    const bool keep = erasingBuffer_;
    erasingBuffer_ = true;
    try {
      Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    } catch (...) {
      erasingBuffer_ = keep;
      throw;
    }
    erasingBuffer_ = keep;
  }
  {
    SavedDC saved(dc);
    PaintWindow(dc);
  }
  PaintControls(dc);
}

void TWinControl::EraseBackground(HDC dc) {
  if (ControlStyle() & csOpaque) return;
  TCanvas canvas(dc);
  canvas.Brush().color = Color();
  canvas.FillRect(ClientRect());
}

void TWinControl::PaintTo(HDC dc, int x, int y) {
  SavedDC saved(dc);
  OffsetViewportOrgEx(dc, x, y, nullptr);
  if (isStandardControl_) {
    if (handle_) {
      SendMessageW(handle_, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                   PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    }
    return;
  }
  IntersectClipRect(dc, 0, 0, ClientWidth(), ClientHeight());
  PaintClient(dc);
  for (TControl* c : controls_) {
    auto* child = dynamic_cast<TWinControl*>(c);
    if (child && child->Visible()) child->PaintTo(dc, child->Left(), child->Top());
  }
}

void TWinControl::HandleParentMouse(TMessage& m) {
  const TPoint p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
  TControl* target = mouseCapture_ ? mouseCapture_ : ControlAtPos(p);
  if (target && dynamic_cast<TWinControl*>(target)) target = nullptr;  // windows get their own
  if (m.msg == WM_MOUSEMOVE) {
    TControl* over = target;
    if (over != mouseOver_) {
      if (mouseOver_) mouseOver_->Perform(CM_MOUSELEAVE);
      mouseOver_ = over;
      if (over) over->Perform(CM_MOUSEENTER);
    }
  }
  if (!target) return;
  if (IsButtonDown(m.msg)) {
    mouseCapture_ = target;
    SetCapture(handle_);
  }
  target->Perform(m.msg, m.wParam, MAKELPARAM(p.x - target->left_, p.y - target->top_));
  if (IsButtonUp(m.msg) && mouseCapture_) {
    mouseCapture_ = nullptr;
    ReleaseCapture();
  }
  m.result = 1;  // consumed by the child
}

bool TWinControl::HandleSetCursor(TMessage& m) {
  if (reinterpret_cast<HWND>(m.wParam) != handle_ || LOWORD(m.lParam) != HTCLIENT) return false;
  POINT pt;
  GetCursorPos(&pt);
  ::ScreenToClient(handle_, &pt);
  TControl* over = ControlAtPos({pt.x, pt.y});
  TControl* source = (over && !dynamic_cast<TWinControl*>(over)) ? over : this;
  if (source->Cursor() == crDefault) return false;
  ::SetCursor(Screen().Cursors(source->Cursor()));
  m.result = 1;
  return true;
}

}  // namespace fw
