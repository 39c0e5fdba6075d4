#pragma once
// The frame vocabulary shared by the framed panel, the status bar and its
// panes: frame styles on any subset of four sides, the line painter that
// draws them and the lightness shading of the flat styles. Portable: the
// drawing goes through a small surface interface the Windows side backs
// with a device context.
#include <cstdint>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"

namespace fr {

using fw::TColor;
using fw::TRect;

// Stored values are the ordinals.
enum class TFrameStyleEx {
  fsNone,
  fsFlat,
  fsGroove,
  fsBump,
  fsLowered,
  fsButtonDown,
  fsRaised,
  fsButtonUp,
  fsStatus,
  fsPopup,
  fsFlatBold,
  fsFlatRounded,
};
// The range fsNone..fsFlatBold; PaintFrame rejects fsFlatRounded.
using TFrameStyle = TFrameStyleEx;

enum TSide : uint8_t { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = uint8_t;
constexpr TSides kAllSides = sdLeft | sdTop | sdRight | sdBottom;

enum class TFramingPreference { fpCustomFraming, fpXPThemes };

// A value outside the range a property or routine accepts.
class ERangeError : public fw::Exception {
  using fw::Exception::Exception;
};

// Where frames are drawn. Lines are horizontal or vertical, one pixel wide,
// and include their start point but not their end point.
class TFrameSurface {
 public:
  virtual ~TFrameSurface() = default;
  virtual void Line(int x1, int y1, int x2, int y2, TColor color) = 0;
  virtual void Pixel(int x, int y, TColor color) = 0;
};

// Left then top in `upperLeft`, then right and bottom in `lowerRight`, each
// only on the sides in the set and not in clNone. Returns the rectangle moved
// in by one on every side in the set.
TRect StrokeSides(TFrameSurface& surface, const TRect& rect, TColor upperLeft, TSides sides, TColor lowerRight);
// `count` nested StrokeSides.
TRect StrokeBands(TFrameSurface& surface, const TRect& rect, TColor upperLeft, TSides sides, int count,
                  TColor lowerRight);
// Paints one frame style and returns what lies inside it.
TRect PaintFrame(TFrameSurface& surface, const TRect& rect, TFrameStyle style, TSides sides);
// The outline of fsFlatRounded: sides shortened at drawn corners, one pixel
// cutting each drawn corner. Returns the rectangle two pixels in on each side.
TRect PaintRoundedOutline(TFrameSurface& surface, const TRect& rect, TColor color, TSides sides);

// Lightness shift in HSL (0..240 scale) of a plain RGB colour; amount 0
// returns the colour itself. ERangeError outside -255..255.
TColor ShadeRgb(TColor rgb, int amount);

// Pixels a style takes from each drawn side: 1 for fsFlat, `bevelWidth` for
// fsStatus and fsPopup, 0 for fsNone, 2 for the others.
int FrameStyleWidth(TFrameStyleEx style, int bevelWidth);
// The rectangle moved in by `amount` on each side in the set.
TRect InsetSides(const TRect& rect, TSides sides, int amount);

}  // namespace fr
