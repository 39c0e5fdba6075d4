#include "status/FrPanel.h"

#include "status/FrPaint.h"

namespace fr {

TFrCustomPanel::TFrCustomPanel(fw::TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | fw::csOpaque | fw::csAcceptsControls);
}

TFrCustomPanel::~TFrCustomPanel() {
  if (frameController_) frameController_->UnregisterControl(this);
}

void TFrCustomPanel::SetBorderOuter(TFrameStyleEx value) {
  if (value == borderOuter_) return;
  borderOuter_ = value;
  Realign();
  Changed();
}

void TFrCustomPanel::SetBorderInner(TFrameStyleEx value) {
  if (value == borderInner_) return;
  borderInner_ = value;
  Realign();
  Changed();
}

void TFrCustomPanel::SetBorderSides(TSides value) {
  if (value == borderSides_) return;
  borderSides_ = value;
  Realign();
  Changed();
}

void TFrCustomPanel::SetBorderWidth(int value) {
  if (value == borderWidth_) return;
  borderWidth_ = value;
  Realign();
  Changed();
}

void TFrCustomPanel::SetBevelWidth(int value) {
  if (value == bevelWidth_) return;
  bevelWidth_ = value;
  Realign();
  Changed();
}

void TFrCustomPanel::SetBorderColor(TColor value) {
  if (value == borderColor_) return;
  borderColor_ = value;
  Changed();
}

void TFrCustomPanel::SetBorderHighlight(TColor value) {
  if (value == borderHighlight_) return;
  borderHighlight_ = value;
  Changed();
}

void TFrCustomPanel::SetBorderShadow(TColor value) {
  if (value == borderShadow_) return;
  borderShadow_ = value;
  Changed();
}

void TFrCustomPanel::SetFlatColor(TColor value) {
  if (value == flatColor_) return;
  flatColor_ = value;
  Changed();
}

void TFrCustomPanel::SetFlatColorAdjustment(int value) {
  // Checked here so a bad value never reaches a paint.
  ShadeRgb(fw::clBlack, value);
  if (value == flatColorAdjustment_) return;
  flatColorAdjustment_ = value;
  Changed();
}

void TFrCustomPanel::SetThemeAware(bool value) {
  if (value == themeAware_) return;
  themeAware_ = value;
  Realign();
  Changed();
}

void TFrCustomPanel::ColorChanged() {
  TCustomControl::ColorChanged();
  // Children that take our colour follow it.
  for (fw::TControl* c : std::vector<fw::TControl*>(ControlList())) {
    if (c->ParentColor()) c->SetParentColor(true);
  }
}

void TFrCustomPanel::SetFrameController(TFrFrameController* value) {
  RelinkFrameController(*this, frameController_, value);
}

void TFrCustomPanel::Notification(fw::TComponent* component, fw::TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == frameController_) frameController_ = nullptr;
  enabledWhenDisabled_.erase(component);
}

void TFrCustomPanel::SetEnabled(bool enabled) {
  if (enabled == Enabled()) return;
  if (!enabled) {
    enabledWhenDisabled_.clear();
    for (fw::TControl* c : ControlList()) {
      enabledWhenDisabled_[c] = c->Enabled();
      FreeNotification(c);
    }
    for (fw::TControl* c : ControlList()) c->SetEnabled(false);
  } else {
    for (fw::TControl* c : ControlList()) {
      const auto it = enabledWhenDisabled_.find(c);
      if (it == enabledWhenDisabled_.end() || it->second) c->SetEnabled(true);
    }
  }
  TCustomControl::SetEnabled(enabled);
}

TRect TFrCustomPanel::InteriorRect(const TRect& bounds) const {
  TRect r = InsetSides(bounds, borderSides_, FrameStyleWidth(borderOuter_, bevelWidth_));
  r = {r.left + borderWidth_, r.top + borderWidth_, r.right - borderWidth_, r.bottom - borderWidth_};
  return InsetSides(r, borderSides_, FrameStyleWidth(borderInner_, bevelWidth_));
}

void TFrCustomPanel::AdjustClientRect(fw::TRect& rect) const {
  const TRect whole = ClientRect();
  const TRect inner = InteriorRect(whole);
  rect.left += inner.left - whole.left;
  rect.top += inner.top - whole.top;
  rect.right -= whole.right - inner.right;
  rect.bottom -= whole.bottom - inner.bottom;
}

TRect TFrCustomPanel::PaintBorder(fw::TCanvas& canvas, const TRect& r, TFrameStyleEx style, bool inner) {
  TDCFrameSurface surface(canvas.Handle());
  const TColor edge = ShadeColor(flatColor_, flatColorAdjustment_);
  switch (style) {
    case TFrameStyleEx::fsFlat: return fr::StrokeSides(surface, r, edge, borderSides_, edge);
    case TFrameStyleEx::fsFlatBold: return fr::StrokeBands(surface, r, edge, borderSides_, 2, edge);
    case TFrameStyleEx::fsPopup:
      return fr::StrokeBands(surface, r, borderHighlight_, borderSides_, bevelWidth_, borderShadow_);
    case TFrameStyleEx::fsStatus:
      return fr::StrokeBands(surface, r, borderShadow_, borderSides_, bevelWidth_, borderHighlight_);
    case TFrameStyleEx::fsFlatRounded: {
      TColor first, second;
      if (inner) {
        first = borderColor_;
        second = Color();
      } else {
        first = Parent() ? Parent()->Color() : Color();
        second = (borderWidth_ > 0 || borderInner_ != TFrameStyleEx::fsNone) ? borderColor_ : Color();
      }
      const TRect next = fr::StrokeSides(surface, r, first, borderSides_, first);
      const TRect rest = fr::StrokeSides(surface, next, second, borderSides_, second);
      PaintRoundedOutline(surface, r, edge, borderSides_);
      return rest;
    }
    default: return fr::PaintFrame(surface, r, style, borderSides_);
  }
}

TRect TFrCustomPanel::PaintPanelBorders(fw::TCanvas& canvas, const TRect& bounds) {
  TRect r = PaintBorder(canvas, bounds, borderOuter_, false);
  if (borderWidth_ > 0) {
    TDCFrameSurface surface(canvas.Handle());
    r = fr::StrokeBands(surface, r, borderColor_, borderSides_, borderWidth_, borderColor_);
  }
  return PaintBorder(canvas, r, borderInner_, true);
}

void TFrCustomPanel::PaintClassic(fw::TCanvas& canvas) {
  const TRect inner = PaintPanelBorders(canvas, ClientRect());
  canvas.Brush().color = Color();
  canvas.Brush().style = fw::TBrushStyle::bsSolid;
  canvas.FillRect(inner);
  if (!Caption().empty()) {
    TRect r = inner;
    canvas.Brush().style = fw::TBrushStyle::bsClear;
    canvas.DrawTextW(Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
}

void TFrCustomPanel::Paint() { PaintClassic(Canvas()); }

void TFrCustomPanel::WndProc(fw::TMessage& m) {
  if (m.msg == WM_SIZE && HandleAllocated()) {
    const int w = LOWORD(m.lParam), h = HIWORD(m.lParam);
    if (fullRepaint_ || !Caption().empty()) {
      Invalidate();
    } else {
      // Only the strips the old inner edge left behind.
      const TRect inner = InteriorRect({0, 0, w, h});
      if (w != lastWidth_) {
        RECT strip{inner.right - 1, 0, w, h};
        InvalidateRect(HandleIfAllocated(), &strip, FALSE);
      }
      if (h != lastHeight_) {
        RECT strip{0, inner.bottom - 1, w, h};
        InvalidateRect(HandleIfAllocated(), &strip, FALSE);
      }
    }
    lastWidth_ = w;
    lastHeight_ = h;
  }
  TCustomControl::WndProc(m);
}

}  // namespace fr
