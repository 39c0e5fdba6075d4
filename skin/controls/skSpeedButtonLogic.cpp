#include "skin/controls/skSpeedButtonLogic.h"

#include <algorithm>

#include "skin/pixels/skUtilsRects.h"

namespace sk {

TskSpeedButtonEffect PressSpeedButton(TskSpeedButtonState& state, const TskSpeedButtonSetup& setup) {
  TskSpeedButtonEffect effect;
  const bool grouped = setup.groupIndex != 0;
  if (state.down) {
    // Only a grouped button that allows all up can be pressed up again.
    if (grouped) state.allowAllUpCheck = true;
    return effect;
  }
  state.down = true;
  state.mouseIn = true;
  effect.repaint = true;
  if (grouped) {
    effect.wentDown = true;
    effect.click = true;
  } else if (setup.repeatMode) {
    state.repeating = true;
    effect.startRepeat = true;
  }
  return effect;
}

TskSpeedButtonEffect ReleaseSpeedButton(TskSpeedButtonState& state, const TskSpeedButtonSetup& setup, bool inside) {
  TskSpeedButtonEffect effect;
  const bool check = state.allowAllUpCheck;
  state.allowAllUpCheck = false;
  if (setup.groupIndex == 0) {
    const bool wasDown = state.down;
    state.down = false;
    if (state.repeating) {
      state.repeating = false;
      effect.stopRepeat = true;
    }
    if (inside) {
      effect.repaint = true;
      effect.click = wasDown;
    }
    return effect;
  }
  if (state.down && setup.allowAllUp && check && inside) {
    state.down = false;
    effect.repaint = true;
    effect.click = true;
  }
  return effect;
}

std::vector<int> GroupPartnersToRelease(const std::vector<TskGroupMember>& siblings, int self, bool allowAllUp) {
  std::vector<int> partners;
  if (self < 0 || self >= static_cast<int>(siblings.size())) return partners;
  const int group = siblings[self].groupIndex;
  if (group == 0 || allowAllUp) return partners;
  for (int i = 0; i < static_cast<int>(siblings.size()); ++i) {
    if (i != self && siblings[i].groupIndex == group && siblings[i].down) partners.push_back(i);
  }
  return partners;
}

unsigned RepeatIntervalAfter(int ticks, unsigned repeatInterval) {
  return ticks <= 0 ? kRepeatFirstDelay : std::max(repeatInterval, 1u);
}

int RepeatClicksWithin(unsigned heldMs, unsigned repeatInterval) {
  if (heldMs < kRepeatFirstDelay) return 0;
  return 1 + static_cast<int>((heldMs - kRepeatFirstDelay) / std::max(repeatInterval, 1u));
}

int SpeedButtonGlyphNumber(int numGlyphs, bool enabled, bool down, bool hot) {
  if (down && hot && numGlyphs > 2) return 3;
  if (hot && numGlyphs > 3) return 4;
  if (enabled || numGlyphs < 2) return 1;
  return 2;
}

fw::TColor DisabledFontColorOf(fw::TColor disabled, fw::TColor normal) {
  return disabled == normal ? kDisabledGrey : disabled;
}

TskButtonLooks ButtonLooksOf(const fw::TRect& skin, const fw::TRect& active, const fw::TRect& down,
                             const fw::TRect& disabled) {
  TskButtonLooks looks{skin, active, down, disabled};
  if (IsNullRect(looks.active)) looks.active = skin;
  if (IsNullRect(looks.down)) looks.down = looks.active;
  return looks;
}

TskSpeedLook ChooseSpeedLook(const TskSpeedLookInput& in) {
  if (in.morphing && !in.transparent && in.morphFactor > 0 && in.morphFactor < 1) return TskSpeedLook::Morph;
  if (in.down && (in.grouped || in.mouseIn)) return TskSpeedLook::Down;
  if (in.mouseIn || (in.morphing && !in.transparent && in.morphFactor >= 1)) return TskSpeedLook::Hot;
  if (in.transparent) return TskSpeedLook::Transparent;
  return TskSpeedLook::Normal;
}

bool CanAnimate(const fw::TRect& animateRect, int frameCount) { return !IsNullRect(animateRect) && frameCount >= 1; }

fw::TRect AnimationFrameRect(const fw::TRect& animateRect, const fw::TRect& skinRect, int frameCount, int k) {
  if (!CanAnimate(animateRect, frameCount)) return {};
  k = std::clamp(k, 1, frameCount);
  if (RectWidth(animateRect) > RectWidth(skinRect)) {
    const int w = RectWidth(animateRect) / frameCount;
    const int left = animateRect.left + (k - 1) * w;
    return {left, animateRect.top, left + w, animateRect.bottom};
  }
  const int h = RectHeight(animateRect) / frameCount;
  const int top = animateRect.top + (k - 1) * h;
  return {animateRect.left, top, animateRect.right, top + h};
}

bool StepFrame(int& frame, bool forward, int frameCount) {
  frameCount = std::max(frameCount, 0);
  if (forward) {
    if (frame >= frameCount) {
      frame = frameCount;
      return false;
    }
    ++frame;
    return true;
  }
  if (frame <= 0) {
    frame = 0;
    return false;
  }
  frame = std::min(frame - 1, frameCount);
  return true;
}

bool StepMorph(double& factor, bool towardHot) {
  const double target = towardHot ? 1.0 : 0.0;
  factor += towardHot ? kMorphStep : -kMorphStep;
  // Rounding must not leave the factor a hair short of its target.
  if ((towardHot && factor >= 1.0 - 1e-9) || (!towardHot && factor <= 1e-9)) {
    factor = target;
    return false;
  }
  return true;
}

fw::TRect MapTrackRect(const fw::TRect& trackRect, int resizeMode, int width, int height, int skinWidth,
                       int skinHeight) {
  fw::TRect r = trackRect;
  if (resizeMode == 2) {
    const int dx = width - skinWidth;
    r.left += dx;
    r.right += dx;
  } else if (resizeMode == 3) {
    const int dy = height - skinHeight;
    r.top += dy;
    r.bottom += dy;
  }
  return r;
}

bool InTrackZone(const TskTrackZoneInput& in, fw::TPoint p) {
  if (!in.hasMenu) return false;
  if (!in.trackButtonMode) return true;
  fw::TRect zone;
  if (in.recordTrackRect) {
    zone = MapTrackRect(in.trackRect, in.resizeMode, in.width, in.height, in.skinWidth, in.skinHeight);
  } else if (in.newStyle && in.position == TskTrackPosition::sktpBottom) {
    zone = {0, in.height - kTrackWidth, in.width, in.height};
  } else {
    zone = {in.width - kTrackWidth, 0, in.width, in.height};
  }
  return p.x >= zone.left && p.x <= zone.right && p.y >= zone.top && p.y <= zone.bottom;
}

bool IsSplitLookName(const std::string& name) {
  return name == "resizebutton" || name == "resizetoolbutton" || name == "toolbutton" || name == "bigtoolbutton";
}

fw::TRect ClipToPicture(const fw::TRect& r, fw::TPoint origin, int pictureWidth, int pictureHeight) {
  fw::TRect c{std::max(r.left, -origin.x), std::max(r.top, -origin.y), std::min(r.right, pictureWidth - origin.x),
              std::min(r.bottom, pictureHeight - origin.y)};
  if (IsNullRect(c)) return {};
  return c;
}

}  // namespace sk
