// Sizing and state: the client rectangle, the frame's geometry and window
// region after each size change, activation, and the frame switched by
// SWP_FRAMECHANGED (never by re-creating the window).
#include "framework/GdiObjects.h"
#include "skin/data/skSkinData.h"
#include "skin/form/skSkinForm.h"
#include "skin/pixels/skUtilsProbes.h"

namespace sk {

namespace {

// The system owns the region from SetWindowRgn on: it is never deleted here.
HRGN RegionOfRects(const std::vector<TskRegionRect>& rects, int width, int height) {
  std::vector<uint8_t> block(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(block.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->rcBound = {0, 0, width, height};
  auto* out = reinterpret_cast<RECT*>(block.data() + sizeof(RGNDATAHEADER));
  for (size_t i = 0; i < rects.size(); ++i) out[i] = {rects[i].left, rects[i].top, rects[i].right, rects[i].bottom};
  return ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), reinterpret_cast<const RGNDATA*>(block.data()));
}

}  // namespace

void TskSkinForm::CalcSize(fw::TMessage& m) {
  // With wParam set the first of the three rectangles is the one to change.
  auto* r = reinterpret_cast<RECT*>(m.lParam);
  if (!r) return;
  const bool noBorder = form_->BorderStyle() == fw::TFormBorderStyle::bsNone;
  const fw::TRect client =
      NcCalcClientRect({r->left, r->top, r->right, r->bottom}, noBorder, skinInUse_ ? &frame_ : nullptr, false);
  *r = {client.left, client.top, client.right, client.bottom};
}

void TskSkinForm::TakeFrameSize() {
  RECT wr;
  if (Wnd() && GetWindowRect(Wnd(), &wr)) {
    frameWidth_ = wr.right - wr.left;
    frameHeight_ = wr.bottom - wr.top;
  } else {
    frameWidth_ = form_->Width();
    frameHeight_ = form_->Height();
  }
}

void TskSkinForm::Size() {
  magnet_.Release();
  TakeFrameSize();
  RepaintLogo();
  if (!skinned_) return;
  if (!skinInUse_) {
    UpdateSkin();
    RepaintFrame();
  } else if (frameWidth_ >= GetMinWidth() && frameHeight_ >= GetMinHeight()) {
    // Below the least size (an iconic window) the skin cannot be laid out.
    UpdateSkin();
  }
  // A translucent window shows what lies under it: everything is redrawn.
  if (alphaBlend_ && alphaBlendValue_ != 255 && IsWindows2000OrLater()) {
    RepaintFrame();
    InvalidateRect(Wnd(), nullptr, TRUE);
  }
}

void TskSkinForm::UpdateSkin() {
  rects_ = skinInUse_ ? CalcRects(frame_, frameWidth_, frameHeight_) : TskFrameRects{};
  rects_.width = frameWidth_;
  rects_.height = frameHeight_;
  LayOutObjects();
  UpdateSkinRegion();
}

void TskSkinForm::LayOutObjects() {
  if (skinInUse_) {
    ArrangeCaptionButtons(objects_, frame_, rects_);
  } else {
    defaultCaption_ = ArrangeDefaultButtons(objects_, frameWidth_, false);
  }
}

void TskSkinForm::UpdateSkinRegion() {
  HWND wnd = Wnd();
  if (!wnd) return;
  TskRegionInput in;
  in.skinned = skinned_;
  in.hasBorder = form_->BorderStyle() != fw::TFormBorderStyle::bsNone;
  in.skinLoaded = skinInUse_;
  in.hasMask = frame_.hasMask;
  const TskRegionKind kind = RegionKindFor(in);
  if (kind == TskRegionKind::None) {
    maskStrips_.Clear();
    SetWindowRgn(wnd, nullptr, IsWindowVisible(wnd));
    return;
  }
  TskFrameRects rects = rects_;
  rects.width = frameWidth_;
  rects.height = frameHeight_;
  const std::vector<TskRegionRect> parts = FrameRegionRects(kind, frame_, mask24_, rects, maskStrips_);
  HRGN region = RegionOfRects(parts, frameWidth_, frameHeight_);
  // Shaped ahead of a live resize, the window repaints when it takes the
  // size: a repaint now would draw the old size.
  const bool redraw = IsWindowVisible(wnd) && !sizeMove_.LiveDrag();
  if (region && !SetWindowRgn(wnd, region, redraw)) DeleteObject(region);  // not taken: still ours
}

void TskSkinForm::FrameChanged() {
  if (Wnd()) {
    SetWindowPos(Wnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool TskSkinForm::GetActive() const { return active_; }

void TskSkinForm::ApplyCaptionActive(bool animate) {
  Apply(tracker_.SetCaptionActive(GetActive(), animate));
  const fw::TNotifyEvent& event = GetActive() ? OnActivate : OnDeActivate;
  if (event) event(this);
}

void TskSkinForm::Activate() {
  RepaintFrame();
  tracker_.ResetStates();
  ApplyCaptionActive(true);
}

void TskSkinForm::NcActivate(bool active) {
  active_ = active;
  if (!active) Apply(tracker_.ClearHover());
  // The system draws nothing (the message is not passed on): the frame in
  // its new look is ours to paint.
  RepaintFrame();
  ApplyCaptionActive(true);
  ClientInActive(active);
}

}  // namespace sk
