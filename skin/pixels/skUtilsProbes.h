#pragma once
// Platform probes and the functions that are used only where the system has
// them (Windows only). The optional functions are looked up once.
#include <windows.h>

#include "framework/Graphics.h"

namespace sk {

bool IsWindows2000OrLater();
bool IsWindowsXPOrLater();
bool IsWindowsVistaOrLater();

// Uniform alpha of a layered window; nothing without the platform function.
void SetWindowAlpha(HWND window, int alpha);
// The work area (or whole area) of the window's monitor; with one monitor
// the desktop's.
void GetMonitorWorkArea(HWND window, bool workArea, fw::TRect& rect);
// GetScrollBarInfo where present; otherwise reports the bar invisible and 0.
BOOL GetScrollBarInfoSafe(HWND window, LONG objectId, SCROLLBARINFO& info);
// Whether UpdateLayeredWindow and TransparentBlt exist.
bool HasUpdateLayeredWindow();
bool HasTransparentBlt();

// The optional functions themselves; false when the system has none.
bool CallUpdateLayeredWindow(HWND window, HDC destDC, POINT* destPoint, SIZE* size, HDC sourceDC, POINT* sourcePoint,
                             COLORREF key, BLENDFUNCTION* blend, DWORD flags);
bool CallTransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                        UINT key);

}  // namespace sk
