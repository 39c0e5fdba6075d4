// Showing and hiding: the first placement, and the fade-in of a window with
// alpha blending (prepared when it shows, run by a one-shot timer).
#include "skin/form/skSkinForm.h"
#include "skin/layers/skLayers.h"
#include "skin/pixels/skUtilsProbes.h"

namespace sk {

void TskSkinForm::ShowChanged(bool shown) {
  HWND wnd = Wnd();
  if (!wnd) return;
  if (!shown) {
    if (alphaBlend_ && IsWindows2000OrLater()) SetLayered(false);
    return;
  }
  const bool normal =
      skinned_ ? placement_.state == TskWindowState::Normal : form_->WindowState() == fw::TWindowState::wsNormal;
  if (placement_.firstPlacement) {
    TskPlacement p = CurrentPlacement();
    // A window shown maximised is centred at its first restore instead.
    if (!normal) p.state = TskWindowState::Maximized;
    const TskPlacement placed = FirstShow(p, Surroundings(nullptr));
    placement_.firstPlacement = placed.firstPlacement;
    if (placed.bounds != p.bounds) {
      SetWindowPos(wnd, nullptr, placed.bounds.left, placed.bounds.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  if ((alphaBlend_ || AlphaBlendAnimation) && IsWindows2000OrLater()) {
    // Invisible until the timer's first tick, after the show has painted.
    SetLayered(true);
    SetWindowAlpha(wnd, 0);
    SetTimer(wnd, wm::FadeTimerId, 1, nullptr);
  }
}

void TskSkinForm::FadeIn() {
  HWND wnd = Wnd();
  if (!wnd) return;
  KillTimer(wnd, wm::FadeTimerId);
  const TskFadeIn fade = FadeInFor(alphaBlend_, AlphaBlendAnimation, alphaBlendValue_);
  if (fade.animate) {
    // Painted now, without taking other messages from the queue: one of
    // them could free the form in the middle of its own fade.
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    FadeInWindowAlpha(wnd, fade.target);
  } else {
    SetWindowAlpha(wnd, fade.target);
  }
  if (!fade.layeredAtEnd) SetLayered(false);
}

void TskSkinForm::SetLayered(bool layered) {
  HWND wnd = Wnd();
  if (!wnd) return;
  const LONG style = GetWindowLongW(wnd, GWL_EXSTYLE);
  const LONG wanted = layered ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED;
  if (wanted == style) return;
  SetWindowLongW(wnd, GWL_EXSTYLE, wanted);
  // No longer composed by the system: the window paints itself again.
  if (!layered) RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TskSkinForm::SetAlphaBlend(bool value) {
  if (value == alphaBlend_) return;
  alphaBlend_ = value;
  if (HasState(fw::csLoading) || HasState(fw::csDesigning) || !Wnd() || !IsWindows2000OrLater()) return;
  SetLayered(value);
  if (value) SetWindowAlpha(Wnd(), alphaBlendValue_);
}

void TskSkinForm::SetAlphaBlendValue(int value) {
  value = value < 0 ? 0 : (value > 255 ? 255 : value);
  if (value == alphaBlendValue_) return;
  alphaBlendValue_ = value;
  if (alphaBlend_ && Wnd() && !HasState(fw::csLoading) && IsWindows2000OrLater()) SetWindowAlpha(Wnd(), value);
}

}  // namespace sk
