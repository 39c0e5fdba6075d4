#pragma once
// The tray icon's decisions, apart from the platform: when a press, a
// release, a double click or the click timer make a click or a double
// click; which icon of a list an animation step shows; the tooltip text.
#include <string>

namespace sk {

// Holding the longest tooltip the notification area keeps (128 with its end).
constexpr size_t TrayTipLength = 127;

// The tooltip: the hint cut to 127 characters, or none.
std::wstring TrayTip(const std::wstring& hint, bool showHint);

struct TskTrayClickEffects {
  bool startTimer = false;  // the click timer, one double-click time long
  bool stopTimer = false;
  bool click = false;
  bool doubleClick = false;
  friend bool operator==(const TskTrayClickEffects&, const TskTrayClickEffects&) = default;
};

// A single click fires once the double-click time has passed since the
// press (or at the release, when the button was held longer); a double
// click fires its own event and no click.
class TskTrayClicks {
 public:
  TskTrayClickEffects LeftDown();
  TskTrayClickEffects LeftUp(bool timerRunning);
  TskTrayClickEffects DoubleClick();
  TskTrayClickEffects TimerTick();

 private:
  bool started_ = false;  // the press of a click is down
  bool ready_ = false;    // its release came while the timer ran
  bool doubled_ = false;  // a double click came before the timer ran out
};

// An IconIndex for a list of `count` icons: lowered to the last, never
// below the first; 0 for an empty list.
int ClampTrayIconIndex(int index, int count);

struct TskTrayCycleStep {
  bool animate = false;  // false for an empty list: nothing changes
  int show = 0;          // the icon shown now
  int next = 0;          // the index the cycle event announces, and takes next
  friend bool operator==(const TskTrayCycleStep&, const TskTrayCycleStep&) = default;
};

// One animation step from `index` over `count` icons, wrapping at the end.
TskTrayCycleStep TrayCycleStep(int index, int count);

}  // namespace sk
