#include "skin/pixels/skUtilsRegion.h"

#include "skin/pixels/skUtilsMask.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

fw::GdiObject<HRGN> RegionFromData(const std::vector<uint8_t>& data) {
  if (data.size() < RgnDataHeaderSize) return {};
  return fw::GdiObject<HRGN>(
      ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

fw::GdiObject<HRGN> CreateRegionFromMask(const fw::TBitmap& mask) {
  return RegionFromData(MaskToRegionData(mask, 0, 0));
}

fw::GdiObject<HRGN> CreateSkinRegion(const TskCornerModel& corners, const TRect& maskArea, const fw::TBitmap& mask,
                                     int height, int width, const TskCornerModel& mapped) {
  if (mapped.rightTop.x < mapped.leftTop.x || mapped.leftBottom.y < mapped.leftTop.y) return {};
  const TRect& ncr = mapped.client;
  fw::TBitmap top, bottom, left, right;
  CreateMaskBorderImages(corners, maskArea, mask, width, ncr, mapped, {&top, &bottom, &left, &right});
  const auto strip = [](const fw::TBitmap& b, int x, int y) {
    return b.Empty() ? fw::GdiObject<HRGN>() : RegionFromData(MaskToRegionData(b, x, y));
  };
  fw::GdiObject<HRGN> topRgn = strip(top, 0, 0);
  fw::GdiObject<HRGN> bottomRgn = strip(bottom, 0, ncr.bottom);
  fw::GdiObject<HRGN> leftRgn = strip(left, 0, ncr.top);
  fw::GdiObject<HRGN> rightRgn = strip(right, ncr.right, ncr.top);
  if (IsNullRect(ncr)) return {};
  fw::GdiObject<HRGN> result(CreateRectRgn(ncr.left, ncr.top, ncr.right, ncr.bottom));
  if (!result) return {};
  // A missing strip adds nothing; pairs are joined first, as the frame is.
  const auto join = [](fw::GdiObject<HRGN>& into, fw::GdiObject<HRGN>& other) {
    if (!other) return;
    if (!into) {
      into = std::move(other);
      return;
    }
    CombineRgn(into.Get(), into.Get(), other.Get(), RGN_OR);
  };
  join(topRgn, bottomRgn);
  join(leftRgn, rightRgn);
  join(topRgn, leftRgn);
  if (topRgn && CombineRgn(result.Get(), result.Get(), topRgn.Get(), RGN_OR) == ERROR) return {};
  return result;
}

}  // namespace sk
