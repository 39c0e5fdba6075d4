#pragma once
// The caption objects as the frame lays them out: which skin records become
// objects, which of them the border icons leave available, and where each
// one sits on a window of a given size (skinned, or the built-in caption).
#include <span>
#include <string>
#include <vector>

#include "framework/Graphics.h"
#include "skin/form/skFormGeometry.h"

namespace sk {

class TskSkinData;

enum class TskObjectKind { User, Button, StdButton, Animate, Caption };

// One caption object's layout-relevant state. The record stays with the
// skin data; this is what placing, hit testing and drawing need of it.
struct TskCaptionObjectLayout {
  std::string name;
  TskObjectKind kind = TskObjectKind::User;
  TskStdCommand command = cmDefault;  // standard buttons and animated objects
  bool buttonStyle = false;           // animated objects that act as buttons
  bool inPicture = false;             // skinrectinapicture: drawn from its own picture
  bool enabled = true;
  bool visible = true;
  fw::TRect skinRect;
  fw::TRect rect;        // in window coordinates
  int recordIndex = -1;  // into the skin data's object list; -1 for built-in buttons
};

// One object per record of the skin's object list, in list order; menu
// items and menu-bar records belong to the menus and are skipped.
std::vector<TskCaptionObjectLayout> CaptionObjectsOf(const TskSkinData& skinData);
// The six buttons of the built-in look (close, maximise, minimise, roll-up,
// system menu, tray), without skin records.
std::vector<TskCaptionObjectLayout> DefaultCaptionObjects();

// Which caption buttons the form offers.
enum TskBorderIcon : unsigned {
  biSystemMenu = 1,
  biMinimize = 2,
  biMaximize = 4,
  biRollUp = 8,
  biMinimizeToTray = 16,
};
using TskBorderIcons = unsigned;
constexpr TskBorderIcons kDefaultBorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;

struct TskAvailability {
  TskBorderIcons borderIcons = kDefaultBorderIcons;
  bool hideCaptionButtons = false;
  bool disableSystemMenu = false;
  // What the application answers for a button with the default command
  // (hidden when nobody answers).
  bool customObjectsVisible = false;
};

// Enabled and visible per object from the border icons (CheckObjects).
void CheckObjects(std::span<TskCaptionObjectLayout> objects, const TskAvailability& availability);

// Window rectangles of all objects: those drawn in the frame picture follow
// it (MapObjectRect), the buttons are lined up in the button area or the
// caption, and the caption object gives way to them. smallIconSize is the
// system-menu button's size while it shows the form's icon, else (0, 0).
void ArrangeCaptionButtons(std::span<TskCaptionObjectLayout> objects, const TskFrameSkin& skin,
                           const TskFrameRects& rects, fw::TPoint smallIconSize = {});

// The built-in caption of a window width pixels wide: its rectangle (also
// the caption area for hit testing) after the visible buttons took their
// places in `objects`.
fw::TRect ArrangeDefaultButtons(std::span<TskCaptionObjectLayout> objects, int width, bool toolWindow,
                                fw::TPoint smallIconSize = {});

// A visible caption object lies under the point (window coordinates).
bool PointOnCaptionObject(std::span<const TskCaptionObjectLayout> objects, fw::TPoint p);

}  // namespace sk
