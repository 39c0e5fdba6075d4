// TWinControl's children: hit testing, painting windowless children, tab
// order, focus, bounds and text, scaling and alignment.
#include "framework/Controls.h"

#include <algorithm>

#include "framework/Exceptions.h"
#include "framework/Forms.h"

namespace fw {

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
    if (GetClipBox(dc, &clip) != NULLREGION && !b.Intersects(FromRECT(clip))) continue;
    SavedDC saved(dc);
    OffsetViewportOrgEx(dc, b.left, b.top, nullptr);
    IntersectClipRect(dc, 0, 0, b.Width(), b.Height());
    graphic->PaintOn(dc);
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
  if (mouseCapture_ == control) {
    // The mouse was held for this child (its click may have freed it):
    // nobody is left to let it go at the release.
    mouseCapture_ = nullptr;
    if (handle_ && GetCapture() == handle_) ReleaseCapture();
  }
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
  width = Constraints().ConstrainWidth(width);
  height = Constraints().ConstrainHeight(height);
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
  // Aligned children are laid out once, from their scaled sizes, at the end.
  DisableAlign();
  ScaleBounds(m, d);
  const bool ownFont = ScaleFont(m, d);
  for (TControl* c : controls_) c->ScaleBy(m, d);
  // Only now do children that size themselves to their text measure it:
  // in the scaled font, over their scaled bounds.
  if (ownFont) FontChanged();
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

}  // namespace fw
