#include "status/FrStatus.h"

#include <windowsx.h>

#include "framework/Forms.h"
#include "status/FrGeometry.h"
#include "status/FrPaint.h"

namespace fr {

TFrStatusBar::TFrStatusBar(fw::TComponent* owner) : TFrCustomPanel(owner) {
  ApplyStandardLook();
  SetAlign(fw::TAlign::alBottom);
}

void TFrStatusBar::ApplyStandardLook() {
  applyingStyle_ = true;
  SetBorderInner(TFrameStyleEx::fsNone);
  SetBorderOuter(TFrameStyleEx::fsNone);
  SetBorderSides(kAllSides);
  SetHeight(fw::ScaleDesigned(*this, kStatusBarHeight));
  SetBorderWidth(0);
  applyingStyle_ = false;
}

void TFrStatusBar::SetBorderOuter(TFrameStyleEx value) {
  if (value != BorderOuter() && !applyingStyle_) autoStyle_ = false;
  TFrCustomPanel::SetBorderOuter(value);
}

void TFrStatusBar::SetBorderInner(TFrameStyleEx value) {
  if (value != BorderInner() && !applyingStyle_) autoStyle_ = false;
  TFrCustomPanel::SetBorderInner(value);
}

void TFrStatusBar::SetBorderSides(TSides value) {
  if (value != BorderSides() && !applyingStyle_) autoStyle_ = false;
  TFrCustomPanel::SetBorderSides(value);
}

void TFrStatusBar::Loaded() {
  TFrCustomPanel::Loaded();
  if (autoStyle_) ApplyStandardLook();
}

void TFrStatusBar::SetShowSizeGrip(bool value) {
  if (value == showSizeGrip_) return;
  showSizeGrip_ = value;
  UpdateGripUsable();
  Invalidate();
}

void TFrStatusBar::SetSimpleStatus(bool value) {
  if (value == simpleStatus_) return;
  simpleStatus_ = value;
  DisableAlign();
  for (fw::TControl* c : ControlList()) c->SetVisible(!value);
  EnableAlign();
  Invalidate();
}

void TFrStatusBar::SetSimpleCaption(const std::wstring& value) {
  if (value == simpleCaption_) return;
  simpleCaption_ = value;
  Invalidate();
}

void TFrStatusBar::SetSimpleFrameStyle(TFrameStyle value) {
  if (value == simpleFrameStyle_) return;
  if (value == TFrameStyleEx::fsFlatRounded) throw ERangeError(L"Range check error");
  simpleFrameStyle_ = value;
  Invalidate();
}

bool TFrStatusBar::Themed() const { return ThemeAware() && ThemesEnabled(); }

TRect TFrStatusBar::StatusClientRect() const { return StatusBarClientRect(ClientRect(), Themed(), simpleStatus_); }

void TFrStatusBar::AdjustClientRect(fw::TRect& rect) const {
  const TRect whole = ClientRect();
  const TRect inner = InteriorRect(whole);
  const TRect status = StatusClientRect();
  rect = {status.left + inner.left - whole.left, status.top + inner.top - whole.top,
          status.right - (whole.right - inner.right), status.bottom - (whole.bottom - inner.bottom)};
}

fw::TForm* TFrStatusBar::ParentForm() const {
  // The outermost form: the window the grip sizes.
  fw::TForm* outermost = nullptr;
  for (fw::TWinControl* p = Parent(); p; p = p->Parent()) {
    if (auto* form = dynamic_cast<fw::TForm*>(p)) outermost = form;
  }
  return outermost;
}

void TFrStatusBar::UpdateGripUsable() {
  fw::TForm* form = ParentForm();
  gripUsable_ = false;
  if (!form) return;
  const auto style = form->BorderStyle();
  if (style != fw::TFormBorderStyle::bsSizeable && style != fw::TFormBorderStyle::bsSizeToolWin) return;
  // The form answers, not its window: a form that draws its own frame may
  // be maximised without the system's maximised state.
  gripUsable_ = !form->Maximized();
}

void TFrStatusBar::CreateWnd() {
  UpdateGripUsable();
  TFrCustomPanel::CreateWnd();
}

bool TFrStatusBar::OverGrip(int x) const { return GripActive() && InGripArea(x, Width()); }

void TFrStatusBar::PaintSimple(fw::TCanvas& canvas) {
  TRect r = StatusClientRect();
  --r.bottom;
  canvas.Brush().style = fw::TBrushStyle::bsSolid;
  canvas.Brush().color = Color();
  canvas.FillRect(r);
  if (simpleFrameStyle_ == TFrameStyleEx::fsFlat) {
    PaintFlatOutline(canvas.Handle(), r, ShadeColor(FlatColor(), FlatColorAdjustment()));
  } else {
    fr::PaintFrame(canvas, r, simpleFrameStyle_, kAllSides);
  }
  r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  if (simpleCaption_.empty()) return;
  canvas.Font() = Font();
  canvas.Brush().color = Color();
  const int y = PaneTextY(r, canvas.TextHeight(L"Pp"));
  canvas.TextRect(r, r.left + 2, y, simpleCaption_);
}

void TFrStatusBar::Paint() {
  UpdateGripUsable();
  fw::TCanvas& canvas = Canvas();
  if (Themed() &&
      DrawStatusThemePart(HandleIfAllocated(), canvas.Handle(), ClientRect(), TStatusThemePart::Background)) {
    if (simpleStatus_ && !simpleCaption_.empty()) {
      fw::SelectedObject font(canvas.Handle(), Font().Handle());
      SetBkMode(canvas.Handle(), TRANSPARENT);
      DrawStatusThemeText(HandleIfAllocated(), canvas.Handle(), StatusClientRect(), simpleCaption_,
                          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    return;
  }
  PaintClassic(canvas);
  if (simpleStatus_) PaintSimple(canvas);
}

void TFrStatusBar::PaintGrip(HDC dc) {
  if (!GripActive()) return;
  TRect r = StatusClientRect();
  --r.bottom;
  if (Themed() && DrawStatusThemePart(HandleIfAllocated(), dc, {r.right - kThemedGripWidth, r.top, r.right, r.bottom},
                                      TStatusThemePart::Gripper)) {
    return;
  }
  fw::TCanvas canvas(dc);
  canvas.Brush().style = fw::TBrushStyle::bsSolid;
  const auto corners = GripSquareCorners(r.right, r.bottom);
  canvas.Brush().color = fw::clBtnHighlight;
  for (const auto& p : corners) canvas.FillRect(fw::Bounds(p.x, p.y, 2, 2));
  canvas.Brush().color = fw::clBtnShadow;
  for (const auto& p : corners) canvas.FillRect(fw::Bounds(p.x - 1, p.y - 1, 2, 2));
}

void TFrStatusBar::PaintTo(HDC dc) {
  // Whatever a pane's paint leaves on the DC, or throws, the DC comes back
  // as it was given.
  TSavedDC saved(dc);
  PaintWindow(dc);
  PaintControls(dc);
  PaintGrip(dc);
}

void TFrStatusBar::WndProc(fw::TMessage& m) {
  switch (m.msg) {
    case WM_PAINT: {
      // The grip goes over the panes, so it is drawn after them.
      TPaintScope paint(HandleIfAllocated());
      PaintTo(paint.Get());
      return;
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(m.wParam) == HandleIfAllocated() && LOWORD(m.lParam) == HTCLIENT) {
        POINT pt;
        GetCursorPos(&pt);
        ::ScreenToClient(HandleIfAllocated(), &pt);
        if (OverGrip(pt.x)) {
          ::SetCursor(LoadCursorW(nullptr, IDC_SIZENWSE));
          m.result = 1;
          return;
        }
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // Panes under the grip hand it the press, so the bar takes it first.
      if (OverGrip(GET_X_LPARAM(m.lParam))) {
        ReleaseCapture();
        if (fw::TForm* form = ParentForm(); form && form->HandleAllocated()) {
          const DWORD pos = GetMessagePos();
          SendMessageW(form->HandleIfAllocated(), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, static_cast<LPARAM>(pos));
        }
        return;
      }
      break;
    default: break;
  }
  TFrCustomPanel::WndProc(m);
}

void TFrStatusBar::Resize() {
  TFrCustomPanel::Resize();
  const int width = Width();
  if (firstResize_) {
    firstResize_ = false;
    lastWidth_ = width;
    return;
  }
  widthChange_ = width - lastWidth_;
  if (autoScalePanes_ && ControlCount() > 0 && widthChange_ != 0) {
    std::vector<int> widths;
    for (fw::TControl* c : ControlList()) widths.push_back(c->Width());
    const auto scaled = ScaledPaneWidths(widths, lastWidth_, widthChange_);
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetWidth(scaled[static_cast<size_t>(i)]);
    EnableAlign();
  }
  lastWidth_ = width;
}

}  // namespace fr
