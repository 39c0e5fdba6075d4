#pragma once
// Window regions from mask pictures (Windows only).
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/GdiObjects.h"
#include "skin/pixels/skUtilsImages.h"

namespace sk {

// A region from a block built by MaskToRegionData; no region for an empty block.
fw::GdiObject<HRGN> RegionFromData(const std::vector<uint8_t>& data);

// The black pixels of the whole mask, at (0, 0).
fw::GdiObject<HRGN> CreateRegionFromMask(const fw::TBitmap& mask);

// The region of an element of width x height whose mask is cut by the corner
// model around maskArea: the mapped client rectangle joined with the four
// mask strips. No region when the element is narrower or lower than its
// corners or the mapped client rectangle is empty.
fw::GdiObject<HRGN> CreateSkinRegion(const TskCornerModel& corners, const TRect& maskArea, const fw::TBitmap& mask,
                                     int height, int width, const TskCornerModel& mapped);

}  // namespace sk
