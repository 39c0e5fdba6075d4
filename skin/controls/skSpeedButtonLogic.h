#pragma once
// The behaviour of skinned speed buttons apart from any window: how a
// press and a release move a button between up and down (alone, in a group,
// in a group that allows all up), how long a held repeating button waits
// between clicks, which glyph of a strip shows, which font colour a skin
// gives, how the frame animation and the morph step, and where the drop-down
// zone of a menu button lies.
#include <string>
#include <vector>

#include "framework/Graphics.h"

namespace sk {

// ---- pressing and releasing

struct TskSpeedButtonState {
  bool down = false;
  bool mouseIn = false;
  bool allowAllUpCheck = false;  // a press on a grouped button that was down
  bool repeating = false;        // the repeat timer runs
};

struct TskSpeedButtonSetup {
  int groupIndex = 0;
  bool allowAllUp = false;
  bool repeatMode = false;
};

// What the control does after the state changed; the click always last.
struct TskSpeedButtonEffect {
  bool repaint = false;
  bool wentDown = false;  // the group partners are to be released
  bool startRepeat = false;
  bool stopRepeat = false;
  bool click = false;
};

TskSpeedButtonEffect PressSpeedButton(TskSpeedButtonState& state, const TskSpeedButtonSetup& setup);
TskSpeedButtonEffect ReleaseSpeedButton(TskSpeedButtonState& state, const TskSpeedButtonSetup& setup, bool inside);

// Siblings of a button that just went down, as (group index, down) pairs:
// the indexes of those to put up. None when the group allows all up or
// the button is not grouped.
struct TskGroupMember {
  int groupIndex = 0;
  bool down = false;
};
std::vector<int> GroupPartnersToRelease(const std::vector<TskGroupMember>& siblings, int self, bool allowAllUp);

// ---- auto-repeat

// The first repeat click comes after this long; the next ones every
// RepeatInterval.
constexpr unsigned kRepeatFirstDelay = 500;

// The interval the repeat timer runs at after `ticks` ticks.
unsigned RepeatIntervalAfter(int ticks, unsigned repeatInterval);
// Clicks a button held for `heldMs` has fired by repeating (the release
// inside adds one more).
int RepeatClicksWithin(unsigned heldMs, unsigned repeatInterval);

// ---- looks

// The frame (1-based) of a strip of numGlyphs glyphs for the state.
int SpeedButtonGlyphNumber(int numGlyphs, bool enabled, bool down, bool hot);

// A skin whose disabled colour is its normal colour would hide the state:
// grey instead.
constexpr fw::TColor kDisabledGrey = 0x808080;  // 8421504
fw::TColor DisabledFontColorOf(fw::TColor disabled, fw::TColor normal);

// The looks a button's record offers, in picture coordinates.
struct TskButtonLooks {
  fw::TRect normal, active, down, disabled;
};
// Empty hot look: the normal one; empty down look: the hot one.
TskButtonLooks ButtonLooksOf(const fw::TRect& skin, const fw::TRect& active, const fw::TRect& down,
                             const fw::TRect& disabled);

enum class TskSpeedLook { Normal, Hot, Down, Morph, Transparent };
struct TskSpeedLookInput {
  bool down = false, mouseIn = false, grouped = false;
  bool morphing = false;  // the record morphs and effects are on
  double morphFactor = 0;
  bool transparent = false;
};
// The look a state paints, first match as a skinned button chooses.
TskSpeedLook ChooseSpeedLook(const TskSpeedLookInput& in);

// ---- frame animation and morphing

// An animation strip can be played: a picture and at least one frame.
bool CanAnimate(const fw::TRect& animateRect, int frameCount);
// Frame k (1-based, clamped to 1..frameCount) of the strip: side by side
// when the strip is wider than the normal look, else stacked.
fw::TRect AnimationFrameRect(const fw::TRect& animateRect, const fw::TRect& skinRect, int frameCount, int k);
// One tick: forward up to frameCount, back down to 0. False when the
// animation has reached its end (the frame is then left there).
bool StepFrame(int& frame, bool forward, int frameCount);

constexpr double kMorphStep = 0.2;
// One morph tick toward 1 or 0; false (factor set exactly) at the target.
bool StepMorph(double& factor, bool towardHot);

// ---- the menu button's drop-down zone

constexpr int kTrackWidth = 15;

enum class TskTrackPosition { sktpRight, sktpBottom };

struct TskTrackZoneInput {
  int width = 0, height = 0;
  bool hasMenu = false;  // a popup menu or an images menu is set
  bool trackButtonMode = false;
  bool recordTrackRect = false;  // the record's track rectangle applies
  fw::TRect trackRect;           // relative to the button's normal look
  int resizeMode = 0;
  int skinWidth = 0, skinHeight = 0;  // of the normal look
  bool newStyle = false;
  TskTrackPosition position = TskTrackPosition::sktpRight;
};
// The record's track rectangle moved onto a button of width x height.
fw::TRect MapTrackRect(const fw::TRect& trackRect, int resizeMode, int width, int height, int skinWidth,
                       int skinHeight);
// A press at p opens the menu (edges of the zone inclusive).
bool InTrackZone(const TskTrackZoneInput& in, fw::TPoint p);
// Record names whose look draws the track part itself.
bool IsSplitLookName(const std::string& name);

// `r` (relative to `origin` inside a picture of pictureWidth x
// pictureHeight) clipped to the picture; the result is relative too.
fw::TRect ClipToPicture(const fw::TRect& r, fw::TPoint origin, int pictureWidth, int pictureHeight);

}  // namespace sk
