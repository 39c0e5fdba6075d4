#pragma once
// The device context side of TskBitmap (Windows only): a memory DC with the
// bitmap's pixels selected, made on first use, and drawing onto other DCs.
// Every bitmap with a DC is listed process-wide, so that drawing onto a DC
// that belongs to one of them can go bitmap to bitmap.
#include <windows.h>

#include "framework/Canvas.h"
#include "skin/pixels/skEffectsBitmap.h"

namespace sk {

// The bitmap's device context, made (and the bitmap listed) on first use.
// Throws EOutOfResources "Can't create compatible DC" or "Can't bslect an
// object into DC" when the system refuses.
HDC BitmapDC(const TskBitmap& bitmap);

// The listed bitmap whose device context dc is, or none.
TskBitmap* FindBitmapByDC(HDC dc);
// How many bitmaps have a device context now.
int BitmapsWithDCCount();

// Draws sourceRect of bitmap into destRect of dc (stretched by nearest pixel
// when the sizes differ) in the mode the bitmap's flags give.
void DrawBitmapToDC(const TskBitmap& bitmap, HDC dc, const fw::TRect& destRect, const fw::TRect& sourceRect);

}  // namespace sk
