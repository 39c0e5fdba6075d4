#pragma once
// The skinned frame mapped onto a window of any size: corner points, client,
// caption, button and mask areas in window coordinates, object rectangles
// that follow the corners, and the client rectangle a window of a given size
// gets (and the window size a client needs). Plain values in and out, so
// the Win32 form only gathers sizes and applies results.
#include "framework/Graphics.h"
#include "skin/data/skSkinDataRecords.h"

namespace sk {

class TskSkinData;

// What the frame arithmetic reads of a loaded skin: the [FORMINFO] values
// and the sizes of the frame, inactive and mask pictures.
struct TskFrameSkin {
  TskDataSkinFormInfo info;
  int pictureWidth = 0;   // PW
  int pictureHeight = 0;  // PH
  bool hasInactivePicture = false;
  bool hasMask = false;
};

// The frame values of a skin data component with a skin loaded.
TskFrameSkin FrameSkinOf(const TskSkinData& skinData);

// The skin's geometry mapped onto a window, all in window coordinates.
struct TskFrameRects {
  int width = 0, height = 0;  // the window's outer size they were made for
  fw::TPoint leftTop, rightTop, leftBottom, rightBottom;
  fw::TRect client;
  fw::TRect caption;
  fw::TRect buttons;
  fw::TRect maskArea;
  fw::TPoint hitLeftTop, hitRightTop, hitLeftBottom, hitRightBottom;
  int buttonsOffset = 0;
  bool buttonsInLeft = false;
  friend bool operator==(const TskFrameRects&, const TskFrameRects&) = default;
};

// Right and bottom parts move with the change of size from the picture to
// width x height; the left and top parts stay where the picture has them.
TskFrameRects CalcRects(const TskFrameSkin& skin, int width, int height);

// The window rectangle of an object drawn in the frame picture: moved with
// the corner it lies in, or stretched along the edge it spans.
fw::TRect MapObjectRect(const fw::TRect& skinRect, const TskFrameSkin& skin, const TskFrameRects& rects);

// The built-in look without a skin: a 3-pixel border and a caption of 19
// pixels (15 for tool windows) with square buttons of 17 (13).
constexpr int kDefaultBorder = 3;
constexpr int DefaultCaptionHeight(bool toolWindow) { return toolWindow ? 15 : 19; }
constexpr int DefaultButtonSize(bool toolWindow) { return toolWindow ? 13 : 17; }

// The thickness of each side of the frame. A skin's is fixed by its picture
// and never depends on the window's size.
struct TskFrameMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const TskFrameMargins&, const TskFrameMargins&) = default;
};
TskFrameMargins SkinFrameMargins(const TskFrameSkin& skin);
TskFrameMargins DefaultFrameMargins(bool toolWindow);

// WM_NCCALCSIZE: the client rectangle inside the proposed window rectangle.
// Right and bottom never end up before left and top.
fw::TRect ClientRectOfWindow(const fw::TRect& window, const TskFrameMargins& margins);
// WM_NCCALCSIZE of a skinned form: the whole window is client area for a
// maximised MDI child or a form without border; otherwise the skin's frame
// (skin null: the built-in one) comes off.
fw::TRect NcCalcClientRect(const fw::TRect& window, bool wholeWindowIsClient, const TskFrameSkin* skin,
                           bool toolWindow);
// And back: the outer size of a window whose client area is clientWidth x
// clientHeight.
fw::TPoint WindowSizeOfClient(int clientWidth, int clientHeight, const TskFrameMargins& margins);

// The outer height of a window rolled up to its caption (and the least
// height a skinned window takes): the picture less its client part.
int SkinFrameHeight(const TskFrameSkin& skin);
int DefaultFrameHeight(bool toolWindow);

}  // namespace sk
