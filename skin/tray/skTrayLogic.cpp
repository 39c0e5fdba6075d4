#include "skin/tray/skTrayLogic.h"

#include <algorithm>

namespace sk {

std::wstring TrayTip(const std::wstring& hint, bool showHint) {
  if (!showHint) return {};
  size_t length = std::min(hint.size(), TrayTipLength);
  // Never half of a UTF-16 surrogate pair.
  if (length == TrayTipLength && length < hint.size() && hint[length - 1] >= 0xD800 && hint[length - 1] <= 0xDBFF) {
    --length;
  }
  return hint.substr(0, length);
}

TskTrayClickEffects TskTrayClicks::LeftDown() {
  started_ = true;
  return {.startTimer = true};
}

TskTrayClickEffects TskTrayClicks::LeftUp(bool timerRunning) {
  TskTrayClickEffects fx;
  if (started_) {
    ready_ = true;
    // Held past the double-click time: no double click can follow.
    if (!timerRunning) {
      ready_ = false;
      fx.click = true;
    }
  }
  started_ = false;
  return fx;
}

TskTrayClickEffects TskTrayClicks::DoubleClick() {
  ready_ = false;
  doubled_ = true;
  return {.doubleClick = true};
}

TskTrayClickEffects TskTrayClicks::TimerTick() {
  TskTrayClickEffects fx{.stopTimer = true};
  if (!doubled_ && ready_) {
    ready_ = false;
    fx.click = true;
  }
  doubled_ = false;
  return fx;
}

int ClampTrayIconIndex(int index, int count) {
  if (count <= 0) return 0;
  return std::clamp(index, 0, count - 1);
}

TskTrayCycleStep TrayCycleStep(int index, int count) {
  if (count <= 0) return {};
  const int show = ClampTrayIconIndex(index, count);
  return {.animate = true, .show = show, .next = show + 1 < count ? show + 1 : 0};
}

}  // namespace sk
