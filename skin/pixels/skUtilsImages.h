#pragma once
// The corner model: a skin rectangle divided by four corner points and a
// client rectangle, rebuilt at any size with the corner parts fixed and the
// edges and centre tiled or stretched. Every skinned element draws its
// background through these builders.
#include "framework/Graphics.h"
#include "skin/data/skSkinDataValues.h"

namespace sk {

using fw::TBitmap;
using fw::TPoint;
using fw::TRect;

// Corner points and client rectangle, relative to the skin rectangle's
// top-left corner (or, for a destination, to the target's).
struct TskCornerModel {
  TPoint leftTop, rightTop, leftBottom, rightBottom;
  TRect client;
  friend bool operator==(const TskCornerModel&, const TskCornerModel&) = default;
};

struct TskStretchFlags {
  bool left = false, top = false, right = false, bottom = false;
};

// The destination geometry every caller uses: corners on the right and at the
// bottom move with the change of size, the client rectangle grows with it.
TskCornerModel MapCornerModel(const TskCornerModel& source, int sourceWidth, int sourceHeight, int width, int height);

// Rebuilds rect of source at width x height into target (resized to it).
void CreateSkinImage(const TskCornerModel& corners, const TRect& rect, const TBitmap& source, TskStretchFlags stretch,
                     bool drawClient, bool stretchEffect, TskStretchType stretchType, int width, int height,
                     const TskCornerModel& mapped, TBitmap& target);

// The client rectangle's corners as the corner points, everything stretched,
// at target's current size.
void CreateStretchedSkinImage(TBitmap& target, const TBitmap& source, const TRect& rect, bool drawClient,
                              const TRect& client);

// Fixed left and right parts, the middle stretched or tiled across.
void CreateHSkinImage(int leftWidth, int rightWidth, TBitmap& target, bool stretch, int width, const TRect& sourceRect,
                      const TBitmap& source);
// Fixed top and bottom parts, the middle stretched or tiled down.
void CreateVSkinImage(int topHeight, int bottomHeight, TBitmap& target, bool stretch, int height,
                      const TRect& sourceRect, const TBitmap& source);

struct TskBorderImages {
  TBitmap* top = nullptr;
  TBitmap* bottom = nullptr;
  TBitmap* left = nullptr;
  TBitmap* right = nullptr;
};

// The four frame strips of a window: top (width x client top), bottom, and
// the left and right strips between them. A strip whose part is empty keeps
// its previous content and size.
void CreateSkinBorderImages(const TskCornerModel& corners, TskStretchFlags stretch, int width, int height,
                            const TRect& rect, const TBitmap& source, const TskBorderImages& targets,
                            const TskCornerModel& mapped);

// The four strips of a mask picture around maskArea, always tiled. The new
// mask area's height sets the side strips' height.
void CreateMaskBorderImages(const TskCornerModel& corners, const TRect& maskArea, const TBitmap& mask, int width,
                            const TRect& newMaskArea, const TskCornerModel& mapped, const TskBorderImages& targets);

}  // namespace sk
