#pragma once
// Which picture rectangle a caption object shows in its current state:
// disabled, pressed, inactive window, on its way between the normal and the
// active look, active, or at rest. The form copies (or morphs) what this
// names; the choice itself needs no window.
#include "framework/Graphics.h"
#include "skin/form/skFormObjectState.h"

namespace sk {

class TskDataSkinObject;
class TskDataSkinAnimate;

struct TskObjectLook {
  enum Kind {
    Nothing,  // the frame picture already shows the object
    Rect,     // `rect` of the picture
    Morph,    // `rect` (normal) morphed towards `activeRect` by `factor`
  } kind = Nothing;
  // The normal look is cut from the frame picture, not the object's own.
  bool fromFramePicture = false;
  fw::TRect rect;
  fw::TRect activeRect;
  double factor = 0;
};

// Frame `frameIndex` (from 1) of an animation whose frames of
// width x height lie side by side from `strip`'s top-left.
fw::TRect AnimationFrameRect(const fw::TRect& strip, int width, int height, int frameIndex);
// An animated object's look: its frames run in its active picture.
TskObjectLook AnimateLook(const TskDataSkinAnimate& record, const TskObjectState& state, bool formActive);

// drawNormal: the object is drawn on its own (hover, press), so even a look
// the frame picture holds must be copied.
TskObjectLook ObjectLookOf(const TskDataSkinObject& record, const TskObjectState& state, bool formActive,
                           bool drawNormal);

}  // namespace sk
