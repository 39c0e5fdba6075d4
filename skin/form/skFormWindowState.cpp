#include "skin/form/skFormWindowState.h"

#include <algorithm>
#include <cstdint>

namespace sk {

using fw::TPoint;
using fw::TRect;

TRect MaximizedBounds(const TskStateSurroundings& s) {
  if (s.maximizeOnFullScreen) return s.monitor;
  TRect r = s.workArea;
  const bool wholeMonitor = r.Width() >= s.monitor.Width() && r.Height() >= s.monitor.Height();
  if (wholeMonitor && s.monitor == TRect{0, 0, s.screen.x, s.screen.y})
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  return r;
}

TRect CenteredBounds(const TRect& area, int width, int height) {
  const int64_t left = int64_t{area.left} + area.Width() / 2 - width / 2;
  const int64_t top = int64_t{area.top} + area.Height() / 2 - height / 2;
  return fw::Bounds(static_cast<int>(left), static_cast<int>(top), width, height);
}

TPoint MinimizeSlot(const TRect& area, int width, int height, std::span<const TPoint> taken) {
  // A zero width or height would never leave its slot: one column or row.
  const int64_t cols = width > 0 ? std::max<int64_t>(1, area.Width() / width) : 1;
  const int64_t rows = height > 0 ? std::max<int64_t>(1, area.Height() / height) : 1;
  const int64_t step = std::max(width, 0), rise = std::max(height, 0);
  const auto slot = [&](int64_t i) {
    return TPoint{static_cast<int>(area.left + (i % cols) * step),
                  static_cast<int>(area.bottom - rise - (i / cols) * rise)};
  };
  // Each taken corner blocks one slot at most, so one of the first
  // taken + 1 slots is free when there are that many.
  const int64_t enough = static_cast<int64_t>(taken.size()) + 1;
  const int64_t tries = cols >= enough || rows >= enough ? enough : std::min(cols * rows, enough);
  for (int64_t i = 0; i < tries; ++i) {
    const TPoint p = slot(i);
    if (std::find(taken.begin(), taken.end(), p) == taken.end()) return p;
  }
  return slot(0);
}

namespace {

TskStateChange Unchanged(const TskPlacement& p) { return {p}; }

TRect CentringArea(const TskStateSurroundings& s) {
  return s.position == TskPositionInMonitor::ScreenCenter ? s.monitor : s.workArea;
}

TskStateChange Minimize(const TskPlacement& p, const TskStateSurroundings& s) {
  if (s.mainForm) {
    TskStateChange c{p};
    c.minimizeApplication = true;
    return c;
  }
  TskPlacement q = p;
  q.state = TskWindowState::Minimized;
  if (q.restoreBounds.IsEmpty()) q.restoreBounds = p.bounds;
  const TPoint at = MinimizeSlot(s.workArea, s.minimizedSize.x, s.minimizedSize.y, s.minimizedOthers);
  q.bounds = fw::Bounds(at.x, at.y, s.minimizedSize.x, s.minimizedSize.y);
  return {q, true};
}

TskStateChange Maximize(const TskPlacement& p, const TskStateSurroundings& s) {
  TskPlacement q = p;
  q.state = TskWindowState::Maximized;
  q.rolledUpWhenMaximized = p.rolledUp;
  if (q.restoreBounds.IsEmpty()) q.restoreBounds = p.bounds;
  q.bounds = MaximizedBounds(s);
  return {q, true};
}

TskStateChange Restore(const TskPlacement& p, const TskStateSurroundings& s) {
  TskStateChange c{p, true};
  if (p.state == TskWindowState::Maximized && p.rolledUp && !p.rolledUpWhenMaximized) {
    c = RollUp(p, false, s);
    c.changed = true;
  }
  TskPlacement& q = c.placement;
  q.state = TskWindowState::Normal;
  q.rolledUpWhileMaximized = false;
  if (!p.restoreBounds.IsEmpty()) {
    q.bounds = p.restoreBounds;
    if (q.firstPlacement && s.position != TskPositionInMonitor::Default) {
      q.bounds = CenteredBounds(CentringArea(s), p.restoreBounds.Width(), p.restoreBounds.Height());
    }
  }
  q.firstPlacement = false;
  q.restoreBounds = {};
  return c;
}

}  // namespace

TskStateChange SetWindowState(const TskPlacement& p, TskWindowState state, const TskStateSurroundings& s) {
  if (state == p.state) return Unchanged(p);
  switch (state) {
    case TskWindowState::Minimized: return Minimize(p, s);
    case TskWindowState::Maximized: return Maximize(p, s);
    case TskWindowState::Normal: return Restore(p, s);
  }
  return Unchanged(p);
}

TskStateChange RollUp(const TskPlacement& p, bool value, const TskStateSurroundings& s) {
  if (!(s.borderIcons & biRollUp) || p.state == TskWindowState::Minimized) return Unchanged(p);
  // Rolled up before maximising: it unrolls only through restore.
  if (p.rolledUp && p.state == TskWindowState::Maximized && !p.rolledUpWhileMaximized) return Unchanged(p);
  // Rolling up twice would store the strip's height as the one to return to.
  if (value == p.rolledUp) return Unchanged(p);
  TskPlacement q = p;
  if (p.state == TskWindowState::Maximized) q.rolledUpWhileMaximized = value;
  q.rolledUp = value;
  if (value) {
    q.unrolledHeight = p.bounds.Height();
    q.bounds.bottom = p.bounds.top + s.rolledUpHeight;
  } else if (p.unrolledHeight > 0) {
    // The stored outer height, so a roll-up cycle never changes the size.
    q.bounds.bottom = p.bounds.top + p.unrolledHeight;
  }
  TskStateChange c{q, true};
  c.rollUpChanged = true;
  return c;
}

TskPlacement FirstShow(const TskPlacement& p, const TskStateSurroundings& s) {
  TskPlacement q = p;
  if (!p.firstPlacement) return q;
  if (s.position == TskPositionInMonitor::Default) {
    q.firstPlacement = false;
  } else if (p.state == TskWindowState::Normal) {
    q.firstPlacement = false;
    q.bounds = CenteredBounds(CentringArea(s), p.bounds.Width(), p.bounds.Height());
  }
  return q;
}

TskCaptionAction CaptionDoubleClick(const TskPlacement& p, bool canSize, TskBorderIcons icons) {
  if (canSize && p.state == TskWindowState::Minimized) return TskCaptionAction::Restore;
  if (canSize && p.state != TskWindowState::Maximized && !p.rolledUp && (icons & biMaximize)) {
    return TskCaptionAction::Maximize;
  }
  if (canSize && p.state == TskWindowState::Maximized && !p.rolledUpWhileMaximized) return TskCaptionAction::Restore;
  return TskCaptionAction::ToggleRollUp;
}

TskStateChange SystemMenuRestore(const TskPlacement& p, const TskStateSurroundings& s) {
  const bool rollsDown = p.rolledUp && ((p.state == TskWindowState::Maximized && p.rolledUpWhileMaximized) ||
                                        p.state == TskWindowState::Normal);
  return rollsDown ? RollUp(p, false, s) : SetWindowState(p, TskWindowState::Normal, s);
}

TskFadeIn FadeInFor(bool alphaBlend, bool animation, int alphaBlendValue) {
  TskFadeIn f;
  // Animation alone fades to opaque; with blending to the blend's value.
  f.target = alphaBlend ? std::clamp(alphaBlendValue, 0, 255) : 255;
  f.animate = animation;
  f.layeredAtEnd = f.target != 255;
  return f;
}

}  // namespace sk
