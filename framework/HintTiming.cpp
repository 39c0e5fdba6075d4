#include "framework/HintTiming.h"

#include <algorithm>

namespace fw {

std::wstring GetShortHint(const std::wstring& hint) {
  const size_t bar = hint.find(L'|');
  return bar == std::wstring::npos ? hint : hint.substr(0, bar);
}

std::wstring GetLongHint(const std::wstring& hint) {
  const size_t bar = hint.find(L'|');
  return bar == std::wstring::npos ? hint : hint.substr(bar + 1);
}

TRect PlaceHintRect(TPoint size, TPoint hintPos, TPoint cursor, const TRect& workArea) {
  TRect r{hintPos.x, hintPos.y, hintPos.x + size.x, hintPos.y + size.y};
  if (r.right > workArea.right) {
    r.left = workArea.right - size.x;
    r.right = workArea.right;
  }
  if (r.left < workArea.left) {
    r.left = workArea.left;
    r.right = workArea.left + size.x;
  }
  // Below the cursor there is no room: the hint goes above it instead, so
  // that it never covers the point the user looks at.
  if (r.bottom > workArea.bottom) {
    r.bottom = std::min(cursor.y, workArea.bottom);
    r.top = r.bottom - size.y;
  }
  if (r.top < workArea.top) {
    r.top = workArea.top;
    r.bottom = workArea.top + size.y;
  }
  return r;
}

HintScheduler::Step HintScheduler::HideStep() const {
  Step s;
  s.hide = phase_ == Phase::Shown;
  s.timer = TimerAction::Stop;
  return s;
}

HintScheduler::Step HintScheduler::AfterShow() const {
  Step s;
  s.show = true;
  s.timer = pauses_.hide > 0 ? TimerAction::Start : TimerAction::Stop;
  s.interval = pauses_.hide;
  return s;
}

HintScheduler::Step HintScheduler::MouseOver(const void* control) {
  if (control == control_) return {};
  Step s = HideStep();
  const bool wasShown = phase_ == Phase::Shown;
  control_ = control;
  if (!control) {
    phase_ = Phase::Idle;
    return s;
  }
  // Moving on from a shown hint, the next one follows almost at once.
  phase_ = Phase::Waiting;
  s.timer = TimerAction::Start;
  s.interval = wasShown ? pauses_.shortPause : pauses_.hint;
  return s;
}

HintScheduler::Step HintScheduler::TimerExpired() {
  switch (phase_) {
    case Phase::Waiting: phase_ = Phase::Shown; return AfterShow();
    case Phase::Shown: {
      Step s = HideStep();
      phase_ = Phase::Done;
      return s;
    }
    default: {
      Step s;
      s.timer = TimerAction::Stop;
      return s;
    }
  }
}

HintScheduler::Step HintScheduler::Dismiss() {
  Step s = HideStep();
  phase_ = control_ ? Phase::Done : Phase::Idle;
  return s;
}

HintScheduler::Step HintScheduler::Cancel() {
  Step s = HideStep();
  phase_ = Phase::Idle;
  control_ = nullptr;
  return s;
}

HintScheduler::Step HintScheduler::ShowNow(const void* control) {
  if (!control) return Cancel();
  Step s = AfterShow();
  s.hide = phase_ == Phase::Shown && control != control_;
  control_ = control;
  phase_ = Phase::Shown;
  return s;
}

}  // namespace fw
