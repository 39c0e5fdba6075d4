#pragma once
// Caption text with a glow or a reflection behind it (Windows only). Each
// draws the effect from a 32-bit alpha bitmap and then the text itself with
// a clear brush, returning what that last DrawText returns.
#include <windows.h>

#include <string>

#include "framework/Canvas.h"

namespace sk {

// A blurred halo of glowSize pixels in color, moved by offset.
int DrawGlowText(fw::TCanvas& canvas, const fw::TRect& rect, const std::wstring& text, int glowSize, fw::TColor color,
                 int offset, UINT format);
// A wide, soft halo in color, as behind captions of glass frames.
int DrawSoftGlowText(fw::TCanvas& canvas, const fw::TRect& rect, const std::wstring& text, fw::TColor color,
                     UINT format);
// A mirrored copy of the text in color, fading out, offset below the text.
int DrawReflectedText(fw::TCanvas& canvas, const fw::TRect& rect, const std::wstring& text, fw::TColor color,
                      int offset, UINT format);

}  // namespace sk
