#pragma once
// The portable half of the application's hints: which part of a hint text
// shows where, where a hint window goes within a work area, and when hints
// show and hide as the cursor moves from control to control.
#include <string>

#include "framework/Graphics.h"

namespace fw {

// A control's hint is "short|long": the short part shows in the hint
// window, the long part in a status line. Without a bar both are the whole.
std::wstring GetShortHint(const std::wstring& hint);
std::wstring GetLongHint(const std::wstring& hint);

// Where a hint window of `size` (width, height in x, y) goes: at `hintPos`
// (its top-left corner), moved left to stay within `workArea` and, when it
// would pass the bottom, flipped above `cursor`; never above or left of the
// work area.
TRect PlaceHintRect(TPoint size, TPoint hintPos, TPoint cursor, const TRect& workArea);

// The pauses of the application's hints, in milliseconds.
struct HintPauses {
  int hint = 500;       // before the first hint shows
  int shortPause = 50;  // before the next hint while one is shown
  int hide = 2500;      // before a shown hint hides; 0 or less: it stays
};

// When hints show and hide. The application reports where the cursor is
// (the control whose hint would show, or none), its timer's expiry and the
// events that dismiss a hint; each answer says what to do with the hint
// window and the one timer. Controls are identities only, never touched.
class HintScheduler {
 public:
  enum class Phase {
    Idle,     // no control with a hint under the cursor
    Waiting,  // the timer runs until the hint of Control() shows
    Shown,    // the hint of Control() shows; the timer runs until it hides
    Done,     // shown and hidden (or dismissed): none again until another control
  };
  enum class TimerAction { Keep, Stop, Start };
  struct Step {
    bool hide = false;  // hide the hint window
    bool show = false;  // show the hint of Control()
    TimerAction timer = TimerAction::Keep;
    int interval = 0;  // for Start
  };

  explicit HintScheduler(HintPauses pauses = {}) : pauses_(pauses) {}
  HintPauses& Pauses() { return pauses_; }
  const HintPauses& Pauses() const { return pauses_; }
  Phase CurrentPhase() const { return phase_; }
  const void* Control() const { return control_; }

  // The cursor is over `control` (nullptr: nothing with a hint).
  Step MouseOver(const void* control);
  Step TimerExpired();
  // A click, a key or the application losing the activation: the hint
  // goes and stays away until the cursor reaches another control.
  Step Dismiss();
  // Forgets the control: the next move over it starts from the hint pause.
  Step Cancel();
  // Shows the hint of `control` at once.
  Step ShowNow(const void* control);

 private:
  Step HideStep() const;
  Step AfterShow() const;

  HintPauses pauses_;
  Phase phase_ = Phase::Idle;
  const void* control_ = nullptr;
};

}  // namespace fw
