#pragma once
// The skinned form's own window state: it maximises, minimises, restores
// and rolls up by setting bounds, never through the system's states. Plain
// functions of the window's placement and its surroundings that return the
// new placement; the form applies the bounds and fires its events.
#include <span>

#include "framework/Graphics.h"
#include "skin/form/skFormButtons.h"

namespace sk {

enum class TskWindowState { Normal, Minimized, Maximized };
enum class TskPositionInMonitor { Default, ScreenCenter, DesktopCenter };

struct TskPlacement {
  TskWindowState state = TskWindowState::Normal;
  fw::TRect bounds;         // the window now, screen coordinates
  fw::TRect restoreBounds;  // where restore goes; empty when none is stored
  bool rolledUp = false;
  int unrolledHeight = 0;               // the outer height before rolling up
  bool rolledUpWhileMaximized = false;  // rolled up after maximising
  bool rolledUpWhenMaximized = false;   // was rolled up when it was maximised
  bool firstPlacement = true;
  friend bool operator==(const TskPlacement&, const TskPlacement&) = default;
};

struct TskStateSurroundings {
  bool mainForm = false;  // minimising it minimises the application instead
  TskBorderIcons borderIcons = kDefaultBorderIcons;
  TskPositionInMonitor position = TskPositionInMonitor::Default;
  bool maximizeOnFullScreen = false;
  fw::TRect workArea, monitor;  // of the window's monitor
  fw::TPoint screen;            // the primary screen's size
  fw::TPoint minimizedSize;     // the least size while minimised
  int rolledUpHeight = 0;       // the least height while rolled up
  // Top-left corners of the other visible skinned forms now minimised.
  std::span<const fw::TPoint> minimizedOthers;
};

// What the form does besides taking the new placement.
struct TskStateChange {
  TskPlacement placement;
  bool changed = false;              // the state or bounds moved
  bool minimizeApplication = false;  // the main form: the application minimises
  bool rollUpChanged = false;        // fire the roll-up event
  friend bool operator==(const TskStateChange&, const TskStateChange&) = default;
};

// The work area (or the monitor), a pixel in from every side when the work
// area is the whole primary screen: a window covering the screen exactly
// would hide an auto-hidden taskbar for good.
fw::TRect MaximizedBounds(const TskStateSurroundings& s);

// width x height centred in `area`, halves truncated toward zero.
fw::TRect CenteredBounds(const fw::TRect& area, int width, int height);

// The top-left of the first free minimise slot: rows of width x height from
// the area's bottom-left, rightwards then upwards. Every slot is tried at
// most once; when all are taken (or the area holds none) the first one.
fw::TPoint MinimizeSlot(const fw::TRect& area, int width, int height, std::span<const fw::TPoint> taken);

TskStateChange SetWindowState(const TskPlacement& p, TskWindowState state, const TskStateSurroundings& s);
// Rolls up (true) or down (false).
TskStateChange RollUp(const TskPlacement& p, bool value, const TskStateSurroundings& s);
// The first show: centred as the form's position says, once, and only in
// the normal state (a maximised window is centred at its first restore).
TskPlacement FirstShow(const TskPlacement& p, const TskStateSurroundings& s);

// The caption's double click.
enum class TskCaptionAction { Restore, Maximize, ToggleRollUp };
TskCaptionAction CaptionDoubleClick(const TskPlacement& p, bool canSize, TskBorderIcons icons);

// The system menu's Restore: rolls down a window rolled up while maximised
// or in the normal state, else restores.
TskStateChange SystemMenuRestore(const TskPlacement& p, const TskStateSurroundings& s);

// The system's size/move loop as the form follows it. Hover tracking rests
// while the loop runs; the press whose default handling ran the loop must
// not reach the caption objects afterwards. The loop may also start from
// the keyboard or a menu, without a press: its end alone ends it.
class TskSizeMoveLoop {
 public:
  // A non-client left press goes to the system's handling.
  void PressStarts() { ranForPress_ = false; }
  void Enter(bool dragFullWindows) {
    running_ = true;
    ranForPress_ = true;
    dragFullWindows_ = dragFullWindows;
  }
  void Exit() { running_ = false; }
  // After the press's default handling: true when a loop ran for it (and
  // forgets that it did).
  bool PressEnds() {
    const bool ran = ranForPress_;
    ranForPress_ = false;
    return ran;
  }
  bool Running() const { return running_; }
  // The window follows the mouse live (sizes and regions as it goes).
  bool LiveDrag() const { return running_ && dragFullWindows_; }

 private:
  bool running_ = false;
  bool dragFullWindows_ = false;
  bool ranForPress_ = false;
};

// The fade-in when a window with alpha blending shows: the opacity it ends
// at, and whether it gets there in steps or at once. A window that ends
// fully opaque stops being layered.
struct TskFadeIn {
  int target = 255;
  bool animate = false;
  bool layeredAtEnd = false;
  friend bool operator==(const TskFadeIn&, const TskFadeIn&) = default;
};
TskFadeIn FadeInFor(bool alphaBlend, bool animation, int alphaBlendValue);

}  // namespace sk
