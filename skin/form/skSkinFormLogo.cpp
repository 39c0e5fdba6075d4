// The logo over the client background, and the still picture that covers
// an inactive form's client area with its effect.
#include <algorithm>

#include "framework/GdiObjects.h"
#include "skin/controls/skSkinPanel.h"
#include "skin/form/skFormLogo.h"
#include "skin/form/skFormStrips.h"
#include "skin/form/skSkinForm.h"
#include "skin/pixels/skEffectsBitmap.h"

namespace sk {

namespace {

// Shows nothing but the picture of the client area it was given.
class TskClientInActivePanel : public TskSkinPaintPanel {
 public:
  TskClientInActivePanel(fw::TComponent* owner, TskBitmap buffer)
      : TskSkinPaintPanel(owner), buffer_(std::move(buffer)) {}

 protected:
  void Paint() override {
    fw::TBitmap shown;
    buffer_.AssignToBitmap(shown);
    Canvas().Draw(0, 0, shown);
  }

 private:
  TskBitmap buffer_;
};

}  // namespace

void TskSkinForm::SetLogoBitMap(const fw::TBitmap& value) {
  logo_ = value;
  if (Wnd()) InvalidateRect(Wnd(), nullptr, TRUE);
}

void TskSkinForm::SetLogoBitMapTransparent(bool value) {
  if (value == logoTransparent_) return;
  logoTransparent_ = value;
  if (!logo_.Empty() && Wnd()) InvalidateRect(Wnd(), nullptr, TRUE);
}

void TskSkinForm::PaintLogo(HDC dc, int clientWidth, int clientHeight) const {
  if (logo_.Empty() || clientWidth <= 0 || clientHeight <= 0) return;
  const fw::TPoint at = LogoPosition(clientWidth, clientHeight, logo_.Width(), logo_.Height());
  const int w = std::min(logo_.Width(), clientWidth - at.x), h = std::min(logo_.Height(), clientHeight - at.y);
  if (w <= 0 || h <= 0) return;
  // What lies under the logo, so a transparent logo keeps the background.
  fw::TBitmap under(w, h);
  {
    fw::TBitmapCanvas canvas(under);
    BitBlt(canvas.Handle(), 0, 0, w, h, dc, at.x, at.y, SRCCOPY);
  }
  DrawLogo(under, {0, 0}, logo_, logoTransparent_);
  fw::DrawBitmap(dc, {at.x, at.y, at.x + w, at.y + h}, under);
}

void TskSkinForm::RepaintLogo() {
  // The logo is centred: a new size moves it.
  const bool mdiParent = form_->FormStyle() == fw::TFormStyle::fsMDIForm;
  if (!logo_.Empty() && !mdiParent && Wnd()) InvalidateRect(Wnd(), nullptr, TRUE);
}

void TskSkinForm::ClientInActive(bool active) {
  // A picture left from the last deactivation goes whatever the settings
  // are now.
  if (inactivePanel_) {
    fw::TControl* panel = inactivePanel_;
    inactivePanel_ = nullptr;
    RemoveFreeNotification(panel);
    fw::TComponent::Free(panel);
  }
  HWND wnd = Wnd();
  if (active || !ClientInActiveEffect || !wnd || !IsWindowVisible(wnd)) return;
  RECT cr;
  GetClientRect(wnd, &cr);
  if (cr.right <= 0 || cr.bottom <= 0) return;
  // The client area as it shows now, read through a plain DC: painting
  // calls belong to WM_PAINT alone.
  TskBitmap buffer(cr.right, cr.bottom);
  {
    fw::WindowDC client(wnd, fw::WindowDC::Client);
    BitBlt(buffer.Canvas().Handle(), 0, 0, cr.right, cr.bottom, client.Get(), 0, 0, SRCCOPY);
  }
  buffer.SetAllAlpha(255);
  if (ClientInActiveEffectType == skieBlur) {
    BlurImage(buffer, 3);
  } else {
    TskBitmap background(cr.right, cr.bottom);
    PaintClientBackground(background.Canvas().Handle());
    background.SetAllAlpha(170);
    background.SetAlphaBlend(true);
    background.DrawToBitmap(buffer, 0, 0);
  }
  auto* panel = fw::TComponent::Create<TskClientInActivePanel>(form_, std::move(buffer));
  FreeNotification(panel);
  panel->SetBounds(0, 0, cr.right, cr.bottom);
  panel->SetParent(form_);
  // Over every control of the client area.
  SetWindowPos(panel->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  inactivePanel_ = panel;
}

}  // namespace sk
