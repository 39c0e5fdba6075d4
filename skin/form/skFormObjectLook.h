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
class TskDataSkinCaption;

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

// How the caption shows: its text straight on the frame, or an image of
// the object's size built from a rectangle of the active picture with the
// text drawn into it.
struct TskCaptionLook {
  enum Kind { TextOnly, Image } kind = TextOnly;
  fw::TRect background;         // Image: the picture rectangle the image is built from
  bool textActive = false;      // the text's colours: the active look's or the normal one's
  bool inactiveEffect = false;  // the skin's inactive effect goes over the image
};

// Frame `frameIndex` (from 1) of the caption animation: stacked when the
// animation rectangle is higher than the caption's, else side by side.
fw::TRect CaptionFrameRect(const TskDataSkinCaption& record, int frameIndex);
// effects: the skin's effects are enabled; autoRenderInactive: the skin
// renders the inactive look itself.
TskCaptionLook CaptionLookOf(const TskDataSkinCaption& record, const TskObjectState& state, bool hasActivePicture,
                             bool autoRenderInactive);

}  // namespace sk
