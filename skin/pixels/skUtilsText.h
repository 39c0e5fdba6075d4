#pragma once
// Text on skinned elements: drawing, measuring and shortening captions
// (Windows only).
#include <windows.h>

#include <string>

#include "framework/Canvas.h"

namespace sk {

// DrawText with the canvas's font and colours; returns its result (the
// height drawn). With DT_CALCRECT the rectangle comes back measured.
int DrawSkinText(fw::TCanvas& canvas, const std::wstring& text, fw::TRect& rect, UINT format);
// The size of the text measured with DT_CALCRECT from an empty rectangle.
int SkinTextWidth(fw::TCanvas& canvas, const std::wstring& text);
int SkinTextHeight(fw::TCanvas& canvas, const std::wstring& text);
// Shortens text, with "...", until it fits maxWidth in the canvas's font.
void CorrectTextToWidth(fw::TCanvas& canvas, std::wstring& text, int maxWidth);
// A code-page string on one line, vertically centred in rect; nothing for "".
void DrawSingleLineText(fw::TCanvas& canvas, const std::string& text, const fw::TRect& rect);

}  // namespace sk
