#include "skin/form/skFormObjectLook.h"

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

TskObjectLook ObjectLookOf(const TskDataSkinObject& record, const TskObjectState& s, bool formActive, bool drawNormal) {
  if (const auto* button = dynamic_cast<const TskDataSkinButton*>(&record)) {
    if (!s.enabled && !IsNullRect(button->DisableSkinRsect)) return RectLook(button->DisableSkinRsect);
    if (s.pressed && s.hovered && !IsNullRect(button->DownRect)) return RectLook(button->DownRect);
  }
  return BaseLook(record, s, formActive, drawNormal);
}

}  // namespace sk
