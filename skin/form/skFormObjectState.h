#pragma once
// The mouse and look state of the caption objects: which object is hovered
// and which holds the capture, what entering, leaving, pressing and
// releasing do to each object, and the hover morph in whole steps. The
// tracker answers with effects (draw this object now, start the morph
// timer, take or release the capture, run a command); the form applies
// them. Timers, drawing, hints and glows stay with the form.
#include <span>
#include <vector>

#include "skin/form/skFormButtons.h"

namespace sk {

class TskSkinData;

// A full hover transition takes this many morph ticks; the factor moves in
// whole steps so five steps up land exactly on 1 and five down on 0.
constexpr int kMorphSteps = 5;

struct TskObjectState {
  TskObjectKind kind = TskObjectKind::User;
  TskStdCommand command = cmDefault;
  bool buttonStyle = false;
  bool enabled = true, visible = true;
  bool morphing = false;       // morphing in effect for this object
  bool hasActiveLook = false;  // an active rectangle (with its picture) exists
  bool hasDownRect = false;
  bool hasMenu = false;

  bool hovered = false;
  bool activeLook = false;  // animated objects: the frames are running
  bool pressed = false;
  int morphStep = 0;  // 0 .. kMorphSteps

  // Frame animation. Animated objects show frame 1..countFrames and run
  // forward while hovered, backward after; the caption (when animation is
  // in effect) steps 0..countFrames+1 towards its activation. The interval
  // is counted in 25 ms ticks.
  bool animates = false;
  int frameIndex = 1;
  int elapsed = 25;
  int frameInterval = 50;
  int countFrames = 1;
  bool cycle = false;
  bool framesForward = true;
  bool inactiveAnimation = false;  // the caption animates while deactivating too
  bool menuOpen = false;           // an animated object's menu shows

  double MorphFactor() const { return static_cast<double>(morphStep) / kMorphSteps; }
  bool NeedsMorphStep() const;
};

// The states of laid-out objects; morphing is in effect only with a loaded
// skin whose effects are enabled (skinData null: the built-in buttons).
std::vector<TskObjectState> ObjectStatesOf(std::span<const TskCaptionObjectLayout> objects,
                                           const TskSkinData* skinData);

enum class TskMouseButton { Left, Right };

struct TskObjectEvent {
  enum Kind { Enter, Leave, Down, Up, Click } kind;
  int index;
  friend bool operator==(const TskObjectEvent&, const TskObjectEvent&) = default;
};

struct TskObjectEffects {
  std::vector<TskObjectEvent> events;  // in order: the object events, hints and glows follow them
  std::vector<int> drawNow;            // objects to draw on the window at once
  bool startMorphTimer = false;
  bool startAnimationTimer = false;
  bool setCapture = false;
  bool releaseCapture = false;
  int commandObject = -1;  // an object's command runs (DoCommand)
  TskStdCommand command = cmDefault;
  int menuObject = -1;     // the object whose menu (or the system menu) opens
  bool closeMenu = false;  // an open skinned menu closes first
  bool closeForm = false;  // the form closes (double click on the system-menu button)
  bool repaintFrame = false;

  void Merge(const TskObjectEffects& more);
};

class TskCaptionObjectTracker {
 public:
  void Reset(std::vector<TskObjectState> states);
  std::span<const TskObjectState> States() const { return states_; }
  const TskObjectState& State(int index) const { return states_.at(static_cast<size_t>(index)); }

  int HoverIndex() const { return hoverIndex_; }
  int PrevHoverIndex() const { return prevHoverIndex_; }
  int CaptureIndex() const { return captureIndex_; }
  bool Captured() const { return captureIndex_ != -1; }

  // The hover test: hit is the object under the point (ObjectAt), inside
  // False clears the hover whatever the hit. The form asks only while it
  // tracks at all: active, not in the size/move loop, not a maximised MDI
  // child, with a border.
  TskObjectEffects TestActive(int hit, bool inside);
  TskObjectEffects ClearHover() { return TestActive(-1, false); }
  TskObjectEffects MouseDown(TskMouseButton button);
  TskObjectEffects MouseUp(TskMouseButton button);
  // A double click on the hovered object (after its mouse down).
  TskObjectEffects DblClick();
  // The caption press, move or size loop took the mouse: no object holds it.
  void DropCapture() { captureIndex_ = -1; }
  // A button menu closed: the first pressed button with a menu pops up.
  TskObjectEffects MenuClosed();
  // The indices are forgotten (size/move loop, a skin change).
  void ForgetIndices() { hoverIndex_ = prevHoverIndex_ = captureIndex_ = -1; }

  // One morph tick: every object still on its way moves one step and is to
  // be drawn. Empty: nothing moved, the timer stops.
  std::vector<int> MorphTick();
  // One 25 ms animation tick: animated objects and the caption count their
  // interval and step a frame. busy False: nothing counted or moved, the
  // timer stops.
  struct AnimationTickResult {
    std::vector<int> drawNow;
    bool busy = false;
  };
  AnimationTickResult AnimationTick();
  // The form gave an object a menu, or opened it.
  void SetHasMenu(int index, bool hasMenu) { states_.at(static_cast<size_t>(index)).hasMenu = hasMenu; }
  void SetMenuOpen(int index) { states_.at(static_cast<size_t>(index)).menuOpen = true; }
  // Activation and the size/move loop start every button from rest.
  void ResetStates();
  // The caption follows the form's activation; animate morphs to it over
  // the ticks, otherwise it jumps.
  TskObjectEffects SetCaptionActive(bool active, bool animate);

 private:
  TskObjectEffects MouseEnter(int index);
  TskObjectEffects MouseLeave(int index);
  void ReDraw(int index, TskObjectEffects& fx) const;
  void RunFrames(int index, bool forward, TskObjectEffects& fx);
  void SetPressed(int index, bool pressed, TskObjectEffects& fx);
  void DoCommand(int index, TskObjectEffects& fx);
  bool IsButton(int index) const;

  std::vector<TskObjectState> states_;
  int hoverIndex_ = -1;
  int prevHoverIndex_ = -1;
  int captureIndex_ = -1;
};

// What a tick of the 50 ms hover timer does.
struct TskHoverTickInput {
  bool formActive = true;
  bool cursorOverForm = true;  // the window under the cursor is the form's own
  bool inSizeMove = false;
  bool cursorInClient = false;
  bool captured = false;  // a button holds the capture
  bool hovered = false;
};
enum class TskHoverTickAction {
  Nothing,        // inactive form: the tick does nothing
  StopAndClear,   // stop the timer and clear the hover
  Stop,           // stop the timer
  TestAtCursor,   // TestActive at the cursor, inside
  ClearInClient,  // TestActive with no object, inside
};
TskHoverTickAction HoverTick(const TskHoverTickInput& input);

}  // namespace sk
