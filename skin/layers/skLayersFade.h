#pragma once
// The arithmetic of fading layers and windows in, apart from the timers and
// windows that drive it.
namespace sk {

// The step a glow layer's alpha grows by on each timer tick: a tenth of the
// target, but at least 1 so that every target is reached.
inline int LayerAlphaStep(int targetAlpha) { return targetAlpha / 10 > 1 ? targetAlpha / 10 : 1; }

// The alpha after one tick, capped at the target.
inline int NextLayerAlpha(int current, int step, int targetAlpha) {
  return current + step < targetAlpha ? current + step : targetAlpha;
}

// Whole-window fades grow by 10 at a time, the last step capped.
constexpr int WindowFadeStep = 10;
inline int NextWindowFadeAlpha(int current, int targetAlpha) {
  return NextLayerAlpha(current, WindowFadeStep, targetAlpha);
}

}  // namespace sk
