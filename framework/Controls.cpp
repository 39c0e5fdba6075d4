#include "framework/Controls.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Exceptions.h"
#include "framework/Forms.h"

namespace fw {

const wchar_t kControlWindowClass[] = L"QuilletControl";
const wchar_t kFormWindowClass[] = L"QuilletForm";

namespace {

constexpr wchar_t kObjectProperty[] = L"QuilletObject";

bool IsMouseMessage(UINT msg) {
  return (msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK);
}

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return TMouseButton::mbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
         msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

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

// --- TControl --------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_.OnChange = [this] {
    parentFont_ = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::WndProc(TMessage& message) {
  if (IsMouseMessage(message.msg)) HandleMouse(message);
  DefaultHandler(message);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.result;
}

void TControl::HandleMouse(TMessage& message) {
  const int x = GET_X_LPARAM(message.lParam);
  const int y = GET_Y_LPARAM(message.lParam);
  const TShiftState shift = static_cast<TShiftState>(message.wParam);
  if (message.msg == WM_MOUSEMOVE) {
    MouseMove(shift, x, y);
  } else if (IsButtonDown(message.msg)) {
    if (message.msg == WM_LBUTTONDOWN || message.msg == WM_LBUTTONDBLCLK) pressed_ = true;
    MouseDown(ButtonOf(message.msg), shift, x, y);
  } else if (IsButtonUp(message.msg)) {
    const bool click = message.msg == WM_LBUTTONUP && pressed_ && (controlStyle_ & csClickEvents) &&
                       ClientRect().Contains({x, y});
    if (message.msg == WM_LBUTTONUP) pressed_ = false;
    if (click) Click();
    MouseUp(ButtonOf(message.msg), shift, x, y);
  }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* container = dynamic_cast<TWinControl*>(parent)) SetParent(container);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool graphic = dynamic_cast<TWinControl*>(this) == nullptr;
  if (graphic) Invalidate();
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (graphic) Invalidate();
  BoundsChanged();
  if (align_ != TAlign::alNone) RequestAlign();
  if (graphic && resized) Resize();
}

void TControl::SetClientWidth(int v) { SetWidth(width_ - ClientWidth() + v); }
void TControl::SetClientHeight(int v) { SetHeight(height_ - ClientHeight() + v); }

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  if (visible) Invalidate();
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  RequestAlign();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TControl::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  TextChanged();
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  const auto keep = font_.OnChange;
  font_.OnChange = nullptr;
  font_.Assign(parent_->Font().Info());
  font_.OnChange = keep;
  FontChanged();
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  parentColor_ = false;
  ColorChanged();
}

void TControl::SetParentColor(bool value) {
  parentColor_ = value;
  if (value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_ || color_ == parent_->Color()) return;
  color_ = parent_->Color();
  ColorChanged();
}

void TControl::FontChanged() { Invalidate(); }

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

TPoint TControl::ClientOrigin() const {
  if (!parent_) return {left_, top_};
  const TPoint p = parent_->ClientOrigin();
  return {p.x + left_, p.y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.x + o.x, p.y + o.y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.x - o.x, p.y - o.y};
}

void TControl::Invalidate() {
  if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
  RECT r = ToRECT(BoundsRect());
  InvalidateRect(parent_->HandleIfAllocated(), &r, (controlStyle_ & csOpaque) ? FALSE : TRUE);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  Invalidate();
}

void TControl::ScaleBy(int m, int d) {
  left_ = MulDiv(left_, m, d);
  top_ = MulDiv(top_, m, d);
  width_ = MulDiv(width_, m, d);
  height_ = MulDiv(height_, m, d);
  if (!parentFont_) {
    const auto keep = font_.OnChange;
    font_.OnChange = nullptr;
    font_.SetHeight(MulDiv(font_.Height(), m, d));
    font_.OnChange = keep;
  }
}

// --- TWinControl -------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  DestroyHandle();
  // Children are freed by their owner, later; they must not reach back.
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
  tabList_.clear();
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
  HWND wnd = CreateWindowExW(p.exStyle, p.windowClass.c_str(), text_.c_str(), p.style, p.x, p.y, p.width,
                             p.height, p.parent, nullptr, GetModuleHandleW(nullptr),
                             p.systemClass ? nullptr : this);
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
  HWND wnd = handle_;
  // Keep the text: it lives in the window while there is one.
  text_ = Text();
  // Detach first so no message reaches an object being torn down.
  if (defWndProc_) SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defWndProc_));
  RemovePropW(wnd, kObjectProperty);
  handle_ = nullptr;
  defWndProc_ = nullptr;
  for (TControl* c : controls_) {
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->handle_) w->DestroyWnd();
  }
  DestroyWindow(wnd);
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
    control = static_cast<TWinControl*>(cs->lpCreateParams);
    if (control) {
      control->handle_ = wnd;
      SetPropW(wnd, kObjectProperty, control);
    }
  }
  if (!control) return DefWindowProcW(wnd, msg, wParam, lParam);
  TMessage m{msg, wParam, lParam, 0};
  try {
    control->WindowProc(m);
  } catch (...) {
    // No error may cross the platform's dispatch: show it, carry on.
    Application().HandleException(std::current_exception());
  }
  if (msg == WM_NCDESTROY && control->handle_ == wnd) {
    RemovePropW(wnd, kObjectProperty);
    control->handle_ = nullptr;
    --HandleCounters::User();
  }
  return m.result;
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) return;
  m.result = defWndProc_ ? CallWindowProcW(defWndProc_, handle_, m.msg, m.wParam, m.lParam)
                         : DefWindowProcW(handle_, m.msg, m.wParam, m.lParam);
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.msg) {
    case WM_PAINT:
      if (!isStandardControl_) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(handle_, &ps);
        PaintWindow(dc);
        PaintControls(dc);
        EndPaint(handle_, &ps);
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (!isStandardControl_) {
        if (!(ControlStyle() & csOpaque)) {
          TCanvas canvas(reinterpret_cast<HDC>(m.wParam));
          canvas.Brush().color = Color();
          canvas.FillRect(ClientRect());
        }
        m.result = 1;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      UpdateBoundsFromWindow();
      break;
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
    case WM_MOUSELEAVE:
      if (mouseOver_) {
        mouseOver_->Perform(CM_MOUSELEAVE);
        mouseOver_ = nullptr;
      }
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

void TWinControl::HandleParentMouse(TMessage& m) {
  const TPoint p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
  TControl* target = mouseCapture_ ? mouseCapture_ : ControlAtPos(p);
  if (target && dynamic_cast<TWinControl*>(target)) target = nullptr;  // windows get their own
  if (m.msg == WM_MOUSEMOVE) {
    // Our own window's enter/leave, then the windowless children's.
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
    TrackMouseEvent(&tme);
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

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const {
  // Last painted is on top.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->Visible() && (allowDisabled || c->Enabled()) && c->BoundsRect().Contains(p)) return c;
  }
  return nullptr;
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    auto* graphic = dynamic_cast<TGraphicControl*>(c);
    if (!graphic || !graphic->Visible()) continue;
    RECT clip;
    const TRect b = graphic->BoundsRect();
    if (GetClipBox(dc, &clip) != NULLREGION &&
        (b.right <= clip.left || b.left >= clip.right || b.bottom <= clip.top || b.top >= clip.bottom)) {
      continue;
    }
    const int saved = SaveDC(dc);
    POINT old;
    OffsetViewportOrgEx(dc, b.left, b.top, &old);
    IntersectClipRect(dc, 0, 0, b.Width(), b.Height());
    graphic->PaintOn(dc);
    RestoreDC(dc, saved);
  }
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(control)) tabList_.push_back(w);
  control->ParentFontChanged();
  control->ParentColorChanged();
  if (auto* w = dynamic_cast<TWinControl*>(control); w && handle_) w->HandleNeeded();
  if (control->Align() != TAlign::alNone) Realign();
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  if (mouseCapture_ == control) mouseCapture_ = nullptr;
  if (mouseOver_ == control) mouseOver_ = nullptr;
  control->Invalidate();
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
  control->parent_ = nullptr;
  if (auto* w = dynamic_cast<TWinControl*>(control)) w->DestroyHandle();
  if (control->Align() != TAlign::alNone) Realign();
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (HasState(csLoading)) {
    loadedTabOrder_ = order;
    return;
  }
  if (!Parent()) return;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Tab orders were read before all siblings existed; apply them now.
  std::vector<std::pair<int, TWinControl*>> order;
  for (size_t i = 0; i < tabList_.size(); ++i) {
    const int wanted = tabList_[i]->loadedTabOrder_;
    order.push_back({wanted >= 0 ? wanted : static_cast<int>(i), tabList_[i]});
  }
  std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (size_t i = 0; i < order.size(); ++i) tabList_[i] = order[i].second;
  Realign();
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (handle_) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (resized) {
    Realign();
  }
  BoundsChanged();
  if (Align() != TAlign::alNone) RequestAlign();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!handle_) return;
  RECT r;
  GetWindowRect(handle_, &r);
  if (HWND parent = GetParent(handle_); parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) {
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
}

void TWinControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  TControl::SetEnabled(enabled);
  if (handle_) EnableWindow(handle_, enabled);
}

std::wstring TWinControl::Text() const {
  if (!handle_) return TControl::Text();
  const int n = GetWindowTextLengthW(handle_);
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  const int got = GetWindowTextW(handle_, s.data(), n + 1);
  s.resize(static_cast<size_t>(std::max(got, 0)));
  return s;
}

void TWinControl::SetText(const std::wstring& text) {
  if (handle_) {
    if (text == Text()) return;
    text_ = text;
    SetWindowTextW(handle_, text.c_str());
    TextChanged();
  } else {
    TControl::SetText(text);
  }
}

TRect TWinControl::ClientRect() const {
  if (!handle_) return TControl::ClientRect();
  RECT r;
  GetClientRect(handle_, &r);
  return FromRECT(r);
}

TPoint TWinControl::ClientOrigin() const {
  if (!handle_) return TControl::ClientOrigin();
  POINT p{0, 0};
  ::ClientToScreen(handle_, &p);
  return {p.x, p.y};
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, (ControlStyle() & csOpaque) ? FALSE : TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::ScaleBy(int m, int d) {
  DisableAlign();
  TControl::ScaleBy(m, d);
  for (TControl* c : controls_) c->ScaleBy(m, d);
  for (TControl* c : controls_) c->ParentFontChanged();
  EnableAlign();
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  for (TControl* c : controls_) c->ParentFontChanged();
  Invalidate();
}

void TWinControl::EnableAlign() {
  if (--alignDisabled_ == 0) Realign();
}

void TWinControl::Realign() {
  // While loading, positions are as read; they are laid out once in Loaded.
  if (alignDisabled_ > 0 || aligning_ || HasState(csLoading)) return;
  aligning_ = true;
  TRect rect = ClientRect();
  AdjustClientRect(rect);
  try {
    AlignControls(rect);
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

void TWinControl::AlignControls(TRect& rect) {
  // Each side stacks its controls from the edge inwards, nearest the edge
  // first by their current positions, as the layout placed them.
  const auto collect = [&](TAlign align) {
    std::vector<TControl*> list;
    for (TControl* c : controls_) {
      if (c->Visible() && c->Align() == align) list.push_back(c);
    }
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case TAlign::alTop: return a->Top() < b->Top();
        case TAlign::alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case TAlign::alLeft: return a->Left() < b->Left();
        case TAlign::alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    return list;
  };
  for (TControl* c : collect(TAlign::alTop)) {
    c->SetBounds(rect.left, rect.top, rect.Width(), c->Height());
    rect.top += c->Height();
  }
  for (TControl* c : collect(TAlign::alBottom)) {
    c->SetBounds(rect.left, rect.bottom - c->Height(), rect.Width(), c->Height());
    rect.bottom -= c->Height();
  }
  for (TControl* c : collect(TAlign::alLeft)) {
    c->SetBounds(rect.left, rect.top, c->Width(), std::max(0, rect.Height()));
    rect.left += c->Width();
  }
  for (TControl* c : collect(TAlign::alRight)) {
    c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), std::max(0, rect.Height()));
    rect.right -= c->Width();
  }
  for (TControl* c : collect(TAlign::alClient)) {
    c->SetBounds(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()));
  }
}

// --- TGraphicControl / TCustomControl ------------------------------------------

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::PaintOn(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font() = Font();
  Paint();
  canvas_.SetHandle(nullptr);
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.SetHandle(dc);
  canvas_.Font() = Font();
  Paint();
  canvas_.SetHandle(nullptr);
}

}  // namespace fw
