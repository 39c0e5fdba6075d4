#pragma once
// TskEffectBmp and the platform's bitmaps and device contexts (Windows only).
#include <windows.h>

#include "skin/pixels/skEffectsBmp.h"

namespace sk {

// A 24-bit copy of any platform bitmap (palette pictures become RGB); an
// invalid handle gives an empty picture.
TskEffectBmp EffectBmpFromHandle(HBITMAP bitmap);

// The whole picture at (x, y) of dc.
void DrawAt(const TskEffectBmp& picture, HDC dc, int x, int y);

}  // namespace sk
