// The skinned hint window: measuring, placing, shaping and fading a hint in
// when it is activated, and painting it from the skin's hint frame.
#include <optional>

#include "framework/Canvas.h"
#include "skin/hints/skSkinHint.h"
#include "skin/pixels/skUtilsProbes.h"
#include "skin/pixels/skUtilsRegion.h"

namespace sk {

namespace {

constexpr wchar_t kSkinHintWindowClass[] = L"QuilletSkinHint";

fw::TPoint Extent(fw::TCanvas& canvas, const std::wstring& text) {
  fw::TRect r;
  canvas.DrawTextW(text, r, DT_CALCRECT);
  return {r.Width(), r.Height()};
}

// The content measured in the canvas's font; the title in bold.
TskHintContent MeasureContent(fw::TCanvas& canvas, const TskSkinHint& hint, const std::wstring& text, bool titleMode) {
  TskHintContent c;
  c.text = Extent(canvas, text);
  c.titleVariant = titleMode;
  if (!titleMode) return c;
  if (!hint.HintTitle().empty()) {
    const fw::TFontStyles style = canvas.Font().Style();
    canvas.Font().SetStyle(style | fw::fsBold);
    c.hasTitle = true;
    c.title = Extent(canvas, hint.HintTitle());
    canvas.Font().SetStyle(style);
  }
  const fw::TImageList* list = hint.HintImageList();
  if (list && hint.HintImageIndex() >= 0 && hint.HintImageIndex() < list->Count()) {
    c.hasImage = true;
    c.image = {list->Width(), list->Height()};
  }
  return c;
}

// Where a hint must stay: the work area of the active form's monitor, else
// of the main form's when it shows, else the screen.
fw::TRect HintLimit() {
  fw::TRect limit{0, 0, fw::Screen().Width(), fw::Screen().Height()};
  fw::TForm* form = fw::Screen().ActiveForm();
  if (!form || !form->HandleAllocated()) {
    form = fw::Application().MainForm();
    if (form && !(form->HandleAllocated() && IsWindowVisible(form->HandleIfAllocated()))) form = nullptr;
  }
  if (form) GetMonitorWorkArea(form->HandleIfAllocated(), true, limit);
  return limit;
}

bool LayeredWindowsAvailable() { return IsWindows2000OrLater(); }

}  // namespace

TskSkinHintWindow::TskSkinHintWindow(fw::TComponent* owner)
    : fw::THintWindow(owner, kSkinHintWindowClass, IsWindowsXPOrLater()) {}

void TskSkinHintWindow::CreateParams(fw::TCreateParams& params) {
  fw::THintWindow::CreateParams(params);
  // The skin draws the border, or the plain look its own 1-pixel frame.
  params.style &= ~WS_BORDER;
}

void TskSkinHintWindow::AfterCreateWnd() {
  fw::THintWindow::AfterCreateWnd();
  // A new window has no layered style, alpha or region yet.
  lastAlphaBlend_ = false;
  lastAlpha_ = -1;
  regionApplied_ = false;
}

void TskSkinHintWindow::WndProc(fw::TMessage& m) {
  // Every pixel comes from Paint: no frame, no background.
  if (m.msg == WM_NCPAINT) {
    m.result = 0;
    return;
  }
  if (m.msg == WM_ERASEBKGND) {
    m.result = 1;
    return;
  }
  fw::THintWindow::WndProc(m);
}

TskSkinHintWindow::Measured TskSkinHintWindow::Measure(TskSkinHint& hint, const std::wstring& text, bool titleMode) {
  Measured m;
  TskHintFrame frame;
  if (hint.UsableFrame(frame)) m.frame = std::make_unique<TskHintFrame>(frame);
  fw::ScreenDC screen;
  fw::TCanvas canvas(screen.Get());
  canvas.Font().Assign(hint.HintFont(m.frame != nullptr));
  m.content = MeasureContent(canvas, hint, text, titleMode);
  m.size = HintWindowSize(m.content, m.frame.get());
  if (m.frame) {
    m.geometry = ResizeHintFrame(*m.frame, m.size);
    m.size = m.geometry.size;
  }
  return m;
}

fw::TRect TskSkinHintWindow::CalcHintRect(int, const std::wstring& text) {
  TskSkinHint* hint = TskSkinHint::InCharge();
  if (!hint) return {};
  const bool titleMode = !hint->HintTitle().empty() || hint->HintImageList();
  const Measured m = Measure(*hint, ReplaceLineSeparators(text, hint->LineSeparator()), titleMode);
  return {0, 0, m.size.x, m.size.y};
}

void TskSkinHintWindow::ActivateHint(const fw::TRect& rect, const std::wstring& text) {
  TskSkinHint* hint = TskSkinHint::InCharge();
  if (!hint) return;
  titleMode_ = !hint->HintTitle().empty() || hint->HintImageList();
  const std::wstring shown = ReplaceLineSeparators(text, hint->LineSeparator());
  SetText(shown);
  const Measured m = Measure(*hint, shown, titleMode_);
  const fw::TRect r = PlaceHintWindow({rect.left, rect.top}, m.size, HintLimit());
  const HWND wnd = Handle();
  SetBounds(r.left, r.top, m.size.x, m.size.y);
  ApplyTransparency(*hint);
  ApplyRegion(*hint, m);
  fw::TControl::SetVisible(true);
  SetWindowPos(wnd, HWND_TOPMOST, r.left, r.top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  Invalidate();
  Update();
  if (LayeredWindowsAvailable() && hint->AlphaBlend() && hint->AlphaBlendAnimation()) FadeIn(hint->AlphaBlendValue());
}

void TskSkinHintWindow::HideHintWindow() {
  if (!HandleAllocated()) return;
  fw::TControl::SetVisible(false);
  SetWindowPos(HandleIfAllocated(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
}

void TskSkinHintWindow::ApplyTransparency(const TskSkinHint& hint) {
  if (!LayeredWindowsAvailable()) return;
  const HWND wnd = Handle();
  const bool on = hint.AlphaBlend();
  if (on != lastAlphaBlend_) {
    const LONG_PTR ex = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    SetWindowLongPtrW(wnd, GWL_EXSTYLE, on ? (ex | WS_EX_LAYERED) : (ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED)));
    lastAlphaBlend_ = on;
    // A window made layered again has lost its alpha: it must be set anew,
    // or the hint would stay invisible.
    lastAlpha_ = -1;
  }
  if (!on) return;
  const bool animated = hint.AlphaBlendAnimation();
  if (animated) SetWindowAlpha(wnd, 0);
  if (hint.AlphaBlendValue() != lastAlpha_) {
    if (!animated) SetWindowAlpha(wnd, hint.AlphaBlendValue());
    lastAlpha_ = hint.AlphaBlendValue();
  }
}

void TskSkinHintWindow::ApplyRegion(const TskSkinHint& hint, const Measured& m) {
  const HWND wnd = Handle();
  if (m.frame && m.frame->record->MaskPictureIndex != -1) {
    const fw::TBitmap* mask = hint.SkinData()->ActivePicture(m.frame->record->MaskPictureIndex);
    if (mask && !mask->Empty()) {
      fw::GdiObject<HRGN> region = CreateSkinRegion(m.geometry.corners, m.frame->record->ClientRect, *mask, m.size.y,
                                                    m.size.x, m.geometry.mapped);
      if (region) {
        // The system owns the region from here on.
        SetWindowRgn(wnd, region.Release(), FALSE);
        regionApplied_ = true;
        return;
      }
    }
  }
  if (regionApplied_) {
    SetWindowRgn(wnd, nullptr, FALSE);
    regionApplied_ = false;
  }
}

void TskSkinHintWindow::FadeIn(int target) {
  // A short busy loop: the hint is up within a few dozen milliseconds.
  const HWND wnd = Handle();
  int alpha = 0;
  DWORD last = 0;
  while (alpha < target) {
    const DWORD now = GetTickCount();
    if (now - last <= static_cast<DWORD>(HintFadeStepMs)) continue;
    last = now;
    alpha = NextHintFadeAlpha(alpha, target);
    SetWindowAlpha(wnd, alpha);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

void TskSkinHintWindow::Paint() {
  TskSkinHint* hint = TskSkinHint::InCharge();
  if (!hint) return;
  const fw::TRect client = ClientRect();
  if (client.IsEmpty()) return;
  const int width = client.Width();
  const int height = client.Height();
  TskHintFrame frame;
  const bool skinned = hint->UsableFrame(frame);
  fw::TBitmap buffer(width, height);
  std::optional<TskHintGeometry> geometry;
  if (skinned) {
    const TskDataSkinHintWindow& r = *frame.record;
    geometry = ResizeHintFrame(frame, {width, height});
    CreateSkinImage(geometry->corners, {0, 0, frame.pictureSize.x, frame.pictureSize.y},
                    *hint->SkinData()->ActivePicture(r.WindowPictureIndex),
                    {r.LeftStretch, r.TopStretch, r.RightStretch, r.BottomStretch}, true, r.StretchEffect,
                    r.StretchType, width, height, geometry->mapped, buffer);
  }
  {
    fw::TBitmapCanvas canvas(buffer);
    if (!skinned) {
      canvas.Brush().color = fw::clInfoBk;
      canvas.FillRect(client);
      canvas.Brush().color = fw::clBtnShadow;
      canvas.FrameRect(client);
    }
    canvas.Brush().style = fw::TBrushStyle::bsClear;
    fw::TFontInfo font = hint->HintFont(skinned);
    font.color = skinned ? frame.record->FontColor : fw::clInfoText;
    canvas.Font().Assign(font);
    const std::wstring text = Text();
    const fw::TRect inner{2, 2, width - 2, height - 2};
    if (!titleMode_) {
      fw::TRect r = skinned ? CentredHintText(geometry->mapped.client, Extent(canvas, text)) : inner;
      canvas.DrawTextW(text, r, 0);
    } else {
      const TskHintContent content = MeasureContent(canvas, *hint, text, true);
      TskHintLayout l =
          skinned ? LayoutSkinnedTitleHint(geometry->mapped.client, content) : LayoutUnskinnedTitleHint(inner, content);
      if (content.hasTitle) {
        canvas.Font().SetStyle(font.style | fw::fsBold);
        canvas.DrawTextW(hint->HintTitle(), l.title, 0);
        canvas.Font().SetStyle(font.style);
      }
      if (content.hasImage) hint->HintImageList()->Draw(canvas, l.image.x, l.image.y, hint->HintImageIndex());
      canvas.DrawTextW(text, l.text, 0);
    }
  }
  fw::DrawBitmap(Canvas().Handle(), client, buffer);
}

}  // namespace sk
