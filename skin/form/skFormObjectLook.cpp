#include "skin/form/skFormObjectLook.h"

#include <algorithm>

#include "skin/data/skSkinDataRecords.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

namespace {

TskObjectLook RectLook(const fw::TRect& rect) {
  TskObjectLook look;
  look.kind = TskObjectLook::Rect;
  look.rect = rect;
  return look;
}

TskObjectLook BaseLook(const TskDataSkinObject& record, const TskObjectState& s, bool formActive, bool drawNormal) {
  if (s.enabled && !formActive && !IsNullRect(record.InActiveSkinRect)) return RectLook(record.InActiveSkinRect);
  const bool normalFromFrame = !record.SkinRectInAPicture;
  const bool atTarget = s.activeLook ? s.morphStep >= kMorphSteps : s.morphStep <= 0;
  if (s.morphing && !atTarget) {
    TskObjectLook look;
    look.kind = TskObjectLook::Morph;
    look.rect = record.SkinRect;
    look.activeRect = record.ActiveSkinRect;
    look.fromFramePicture = normalFromFrame;
    look.factor = s.MorphFactor();
    return look;
  }
  if (s.activeLook && !IsNullRect(record.ActiveSkinRect)) return RectLook(record.ActiveSkinRect);
  if (normalFromFrame && !drawNormal) return {};
  TskObjectLook look = RectLook(record.SkinRect);
  look.fromFramePicture = normalFromFrame;
  return look;
}

}  // namespace

fw::TRect AnimationFrameRect(const fw::TRect& strip, int width, int height, int frameIndex) {
  const int left = strip.left + width * (frameIndex - 1);
  return {left, strip.top, left + width, strip.top + height};
}

TskObjectLook AnimateLook(const TskDataSkinAnimate& record, const TskObjectState& s, bool formActive) {
  const int w = RectWidth(record.SkinRect), h = RectHeight(record.SkinRect);
  const bool hasDown = !IsNullRect(record.DownSkinRect);
  // An open menu holds the pressed look, or the last frame.
  if (s.menuOpen) {
    return RectLook(hasDown ? record.DownSkinRect : AnimationFrameRect(record.ActiveSkinRect, w, h, s.countFrames));
  }
  if (!formActive && !IsNullRect(record.InActiveSkinRect)) return RectLook(record.InActiveSkinRect);
  if (s.pressed && s.hovered && hasDown) return RectLook(record.DownSkinRect);
  return RectLook(AnimationFrameRect(record.ActiveSkinRect, w, h, std::clamp(s.frameIndex, 1, s.countFrames)));
}

TskObjectLook ObjectLookOf(const TskDataSkinObject& record, const TskObjectState& s, bool formActive, bool drawNormal) {
  if (const auto* animate = dynamic_cast<const TskDataSkinAnimate*>(&record))
    return AnimateLook(*animate, s, formActive);
  if (const auto* button = dynamic_cast<const TskDataSkinButton*>(&record)) {
    if (!s.enabled && !IsNullRect(button->DisableSkinRsect)) return RectLook(button->DisableSkinRsect);
    if (s.pressed && s.hovered && !IsNullRect(button->DownRect)) return RectLook(button->DownRect);
  }
  return BaseLook(record, s, formActive, drawNormal);
}

fw::TRect CaptionFrameRect(const TskDataSkinCaption& c, int frameIndex) {
  const fw::TRect& a = c.AnimateSkinRect;
  const int count = std::max(1, c.FrameCount);
  if (RectHeight(a) > RectHeight(c.SkinRect)) {
    const int h = RectHeight(a) / count;
    return {a.left, a.top + h * (frameIndex - 1), a.right, a.top + h * frameIndex};
  }
  const int w = RectWidth(a) / count;
  return {a.left + w * (frameIndex - 1), a.top, a.left + w * frameIndex, a.bottom};
}

TskCaptionLook CaptionLookOf(const TskDataSkinCaption& c, const TskObjectState& s, bool hasActivePicture,
                             bool autoRenderInactive) {
  TskCaptionLook look;
  look.textActive = s.activeLook;
  if (!hasActivePicture) return look;
  if (s.animates && s.frameIndex >= 1 && s.frameIndex <= s.countFrames) {
    // On its way between the looks: the frame carries the look it leaves.
    look.kind = TskCaptionLook::Image;
    look.background = CaptionFrameRect(c, s.frameIndex);
    look.textActive = !s.activeLook;
    return look;
  }
  const bool imageLooks = s.morphing || c.StretchEffect || s.animates;
  if (IsNullRect(c.ActiveSkinRect) || (!s.activeLook && !imageLooks)) return look;
  look.kind = TskCaptionLook::Image;
  if (s.activeLook) {
    look.background = c.ActiveSkinRect;
  } else {
    look.background = c.SkinRect;
    look.inactiveEffect = autoRenderInactive;
  }
  return look;
}

}  // namespace sk
