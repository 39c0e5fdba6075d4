#include "status/FrCommon.h"

#include <algorithm>
#include <cmath>

namespace fr {

using fw::clBtnHighlight;
using fw::clBtnShadow;
using fw::clBtnText;
using fw::clNone;

namespace {

// The system colours the frames use beyond the framework's named ones.
constexpr TColor cl3DDkShadow = fw::SystemColor(21);
constexpr TColor cl3DLight = fw::SystemColor(22);

// The groove and bump: single corner pixels where a side is missing, then
// the lower-right lines offset by one, then the upper-left ones over them.
TRect PaintEtched(TFrameSurface& s, const TRect& r, TColor ul, TColor lr, TSides sides) {
  const int l = r.left, t = r.top, rt = r.right, b = r.bottom;
  const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
  if (right) {
    s.Pixel(rt - 1, t, lr);
  } else if (top) {
    s.Pixel(rt - 1, t, ul);
  }
  if (bottom) {
    s.Pixel(l, b - 1, lr);
  } else if (left) {
    s.Pixel(l, b - 1, ul);
  }
  if (top && !left) s.Pixel(l, t + 1, lr);
  if (left && !top) s.Pixel(l + 1, t, lr);
  if (bottom && !right) s.Pixel(rt - 1, b - 2, ul);
  if (right && !bottom) s.Pixel(rt - 2, b - 1, ul);
  StrokeSides(s, {l + 1, t + 1, rt, b}, lr, sides, lr);
  StrokeSides(s, {l, t, rt - 1, b - 1}, ul, sides, ul);
  return InsetSides(r, sides, 2);
}

TRect Rings(TFrameSurface& s, const TRect& r, TSides sides, TColor ul1, TColor lr1, TColor ul2, TColor lr2) {
  return StrokeSides(s, StrokeSides(s, r, ul1, sides, lr1), ul2, sides, lr2);
}

double RoundHalfEven(double v) { return std::nearbyint(v); }

}  // namespace

TRect InsetSides(const TRect& r, TSides sides, int amount) {
  TRect out = r;
  if (sides & sdLeft) out.left += amount;
  if (sides & sdTop) out.top += amount;
  if (sides & sdRight) out.right -= amount;
  if (sides & sdBottom) out.bottom -= amount;
  return out;
}

TRect StrokeSides(TFrameSurface& s, const TRect& r, TColor ul, TSides sides, TColor lr) {
  if (ul != clNone) {
    if (sides & sdLeft) s.Line(r.left, r.top, r.left, r.bottom, ul);
    if (sides & sdTop) s.Line(r.left, r.top, r.right, r.top, ul);
  }
  if (lr != clNone) {
    if (sides & sdRight) s.Line(r.right - 1, r.top, r.right - 1, r.bottom, lr);
    if (sides & sdBottom) s.Line(r.left, r.bottom - 1, r.right, r.bottom - 1, lr);
  }
  return InsetSides(r, sides, 1);
}

TRect StrokeBands(TFrameSurface& s, const TRect& rect, TColor ul, TSides sides, int count, TColor lr) {
  TRect r = rect;
  for (int i = 0; i < count; ++i) r = StrokeSides(s, r, ul, sides, lr);
  return r;
}

TRect PaintFrame(TFrameSurface& s, const TRect& r, TFrameStyle style, TSides sides) {
  switch (style) {
    case TFrameStyleEx::fsNone: return r;
    case TFrameStyleEx::fsFlat: return StrokeSides(s, r, cl3DDkShadow, sides, cl3DDkShadow);
    case TFrameStyleEx::fsGroove: return PaintEtched(s, r, clBtnShadow, clBtnHighlight, sides);
    case TFrameStyleEx::fsBump: return PaintEtched(s, r, clBtnHighlight, clBtnShadow, sides);
    case TFrameStyleEx::fsLowered: return Rings(s, r, sides, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
    case TFrameStyleEx::fsButtonDown: return Rings(s, r, sides, clBtnText, clBtnText, clBtnShadow, clBtnShadow);
    case TFrameStyleEx::fsRaised: return Rings(s, r, sides, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow);
    case TFrameStyleEx::fsButtonUp: return Rings(s, r, sides, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow);
    case TFrameStyleEx::fsStatus: return StrokeSides(s, r, clBtnShadow, sides, clBtnHighlight);
    case TFrameStyleEx::fsPopup: return StrokeSides(s, r, clBtnHighlight, sides, clBtnShadow);
    case TFrameStyleEx::fsFlatBold: return StrokeBands(s, r, clBtnShadow, sides, 2, clBtnShadow);
    case TFrameStyleEx::fsFlatRounded: break;
  }
  throw ERangeError(L"Range check error");
}

TRect PaintRoundedOutline(TFrameSurface& s, const TRect& r, TColor color, TSides sides) {
  const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
  const int l = r.left, t = r.top, rt = r.right, b = r.bottom;
  if (top) s.Line(l + (left ? 2 : 0), t, rt - (right ? 2 : 0), t, color);
  if (bottom) s.Line(l + (left ? 2 : 0), b - 1, rt - (right ? 2 : 0), b - 1, color);
  if (left) s.Line(l, t + (top ? 2 : 0), l, b - (bottom ? 2 : 0), color);
  if (right) s.Line(rt - 1, t + (top ? 2 : 0), rt - 1, b - (bottom ? 2 : 0), color);
  if (left && top) s.Pixel(l + 1, t + 1, color);
  if (right && top) s.Pixel(rt - 2, t + 1, color);
  if (right && bottom) s.Pixel(rt - 2, b - 2, color);
  if (left && bottom) s.Pixel(l + 1, b - 2, color);
  return InsetSides(r, sides, 2);
}

TColor ShadeRgb(TColor rgb, int amount) {
  if (amount < -255 || amount > 255) throw ERangeError(L"Range check error");
  if (amount == 0) return rgb;
  // RGB to HSL on the 0..240 scale.
  const double red = fw::RedOf(rgb) / 255.0, green = fw::GreenOf(rgb) / 255.0, blue = fw::BlueOf(rgb) / 255.0;
  const double mx = std::max({red, green, blue}), mn = std::min({red, green, blue});
  double h = 0, sat = 0;
  const double light = (mx + mn) / 2;
  if (mx != mn) {
    const double d = mx - mn;
    sat = light >= 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
    if (red == mx) {
      h = (green - blue) / d;
    } else if (green == mx) {
      h = (blue - red) / d + 2;
    } else {
      h = (red - green) / d + 4;
    }
    h /= 6;
    if (h < 0) h += 1;
  }
  const int hue = static_cast<int>(RoundHalfEven(h * 240));
  const int satI = static_cast<int>(RoundHalfEven(sat * 240));
  int lum = static_cast<int>(RoundHalfEven(light * 240));
  lum = amount > 0 ? std::min(lum + amount, 255) : std::max(lum + amount, 0);

  // Back to RGB; the hue is read on a 239 scale, as the shading always has.
  const double l = lum / 240.0, sv = satI / 240.0;
  const double m2 = l >= 0.5 ? l + sv - l * sv : l * (1 + sv);
  if (m2 <= 0) return fw::clBlack;
  const double hh = hue / 239.0 * 6;
  const int k = static_cast<int>(hh);
  const double m1 = 2 * l - m2;
  const double rising = m1 + (m2 - m1) * (hh - k);
  const double falling = m2 - (m2 - m1) * (hh - k);
  double c[3];
  switch (k) {
    case 1: c[0] = falling, c[1] = m2, c[2] = m1; break;
    case 2: c[0] = m1, c[1] = m2, c[2] = rising; break;
    case 3: c[0] = m1, c[1] = falling, c[2] = m2; break;
    case 4: c[0] = rising, c[1] = m1, c[2] = m2; break;
    case 5: c[0] = m2, c[1] = m1, c[2] = falling; break;
    default: c[0] = m2, c[1] = rising, c[2] = m1; break;
  }
  int out[3];
  for (int i = 0; i < 3; ++i) out[i] = static_cast<int>(RoundHalfEven(std::min(c[i], 1.0) * 255));
  return fw::RGBColor(out[0], out[1], out[2]);
}

int FrameStyleWidth(TFrameStyleEx style, int bevelWidth) {
  switch (style) {
    case TFrameStyleEx::fsNone: return 0;
    case TFrameStyleEx::fsFlat: return 1;
    case TFrameStyleEx::fsStatus:
    case TFrameStyleEx::fsPopup: return bevelWidth;
    default: return 2;
  }
}

}  // namespace fr
