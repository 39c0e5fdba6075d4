// TControl: bounds, alignment requests, visibility, parent font and colour,
// mouse events and coordinates of every control, windowed or not.
#include "framework/Controls.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/ControlsMouse.h"
#include "framework/Exceptions.h"
#include "framework/Forms.h"

namespace fw {

using namespace detail;

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] {
    parentFont_ = false;
    FontChanged();
  };
  constraints_.OnChange = [this] { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::WindowProc(TMessage& message) {
  if (hooks_.Empty()) {
    WndProc(message);
    return;
  }
  hooks_.Dispatch(message, [this](TMessage& m) { WndProc(m); });
}

void TControl::WndProc(TMessage& message) {
  if (IsMouseMessage(message.msg)) HandleMouse(message);
  if (message.msg == CM_MOUSEENTER && OnMouseEnter) OnMouseEnter(this);
  if (message.msg == CM_MOUSELEAVE && OnMouseLeave) OnMouseLeave(this);
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
    const bool click =
        message.msg == WM_LBUTTONUP && pressed_ && (controlStyle_ & csClickEvents) && ClientRect().Contains({x, y});
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

bool TControl::ShowHint() const { return parentShowHint_ && parent_ ? parent_->ShowHint() : showHint_; }

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
  width = constraints_.ConstrainWidth(width);
  height = constraints_.ConstrainHeight(height);
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
  ScaleBounds(m, d);
  if (ScaleFont(m, d)) FontChanged();
}

void TControl::ScaleBounds(int m, int d) {
  // Through SetBounds, so a window that already exists moves with its control.
  SetBounds(MulDiv(left_, m, d), MulDiv(top_, m, d), MulDiv(width_, m, d), MulDiv(height_, m, d));
}

bool TControl::ScaleFont(int m, int d) {
  // A font taken from the parent is scaled there, once.
  if (parentFont_) return false;
  const auto keep = font_.OnChange;
  font_.OnChange = nullptr;
  font_.SetHeight(MulDiv(font_.Height(), m, d));
  font_.OnChange = keep;
  return true;
}

}  // namespace fw
