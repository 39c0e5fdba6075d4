#pragma once
// The arithmetic of skinned controls, apart from any window: how a record's
// corner model decides the ways a control may be resized, the size a
// control takes for a requested one, where a part of the skin lands at the
// control's size, and how a slice of a picture fills a rectangle.
#include "framework/Graphics.h"
#include "skin/data/skSkinDataControls.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsImages.h"

namespace sk {

enum TskResizeMode : int {
  rmNone = -1,       // nothing to draw from
  rmFixed = 0,       // the control keeps the skin's size
  rmBoth = 1,        // corners fixed, edges and centre follow both ways
  rmHorizontal = 2,  // the height stays the skin's
  rmVertical = 3,    // the width stays the skin's
};

// What a control copies out of its record: the corner model relative to
// the skin rectangle, the stretch rules and the resize mode they give.
struct TskSkinGeometry {
  TskCornerModel corners;
  TRect skinRect;
  TskStretchFlags stretch;
  bool stretchEffect = false;
  TskStretchType stretchType = stFull;
  int resizeMode = rmFixed;
};

// The resize mode a record's corner points allow.
int ResizeModeOf(const TRect& skinRect, const TskCornerModel& corners);
TskSkinGeometry SkinGeometryOf(const TskDataSkinCustomControl& record);

// Adjusts a requested size to the skin and returns the corner model moved
// to it (control coordinates). Mode -1 leaves the size alone and moves
// nothing; mode 0 snaps to the skin's size; modes 2 and 3 keep the skin's
// height and width, so only the parts on the free axis move.
TskCornerModel FitSizeToSkin(const TskSkinGeometry& g, int& width, int& height);

// Where a rectangle of the skin (relative to the skin rectangle) lands on a
// control of width x height: parts in a fixed corner stay, parts in a
// moving corner move, parts spanning a stretched zone grow with it.
TRect MapSkinRect(const TskSkinGeometry& g, int width, int height, const TRect& source);

// How a slice of a picture fills a rectangle: tiled from its top-left
// corner, stretched over it, or stretched on one axis and tiled on the
// other. Nothing is drawn for an empty slice or rectangle.
struct TskFillPlan {
  bool draw = false;
  AxisSpan x, y;
};
TskFillPlan SliceFillPlan(const TRect& dest, const TRect& slice, bool stretchEffect, TskStretchType type);
// A background picture over a control: tiled over the whole control; or
// stretched into the client rectangle (stfull), or stretched to the
// control's height and tiled across (sthorz), or to its width and tiled
// down (stvert).
TskFillPlan BackgroundFillPlan(int width, int height, const TRect& client, int pictureWidth, int pictureHeight,
                               bool stretchEffect, TskStretchType type);

// ---- the panel

enum TskSkinBorderStyle { bvFrame = 0, bvRaised = 1, bvLowered = 2, bvNone = 3 };

struct TskPanelClientInput {
  int width = 0, height = 0;
  bool record = false;  // a record applies (and the panel is not being designed)
  TskSkinBorderStyle borderStyle = bvFrame;
  bool captionMode = false;
  int defaultCaptionHeight = 22;
  // With a record:
  TRect resizedClient;
  int resizeMode = rmFixed;
  bool backgroundPicture = false;
};
// The part of a panel its children are aligned in.
TRect PanelClientRect(const TskPanelClientInput& in);

// ---- the status bar grip

// The grip's rectangle right of the client rectangle: the skin's gripper
// size aligned to the client's bottom, or a square of the client's height
// drawn 2 pixels in from its left and bottom.
TRect StatusGripRect(const TRect& client, const TRect& gripperRect);

}  // namespace sk
