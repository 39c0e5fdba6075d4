#pragma once
// Small pen-drawn glyphs for caption buttons and arrows when a skin has no
// picture for them (Windows only). Lines leave out their end point.
#include "framework/Canvas.h"

namespace sk {

void DrawCloseImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);
void DrawMaximizeImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);
void DrawRestoreImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);
void DrawMinimizeImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);
void DrawSysMenuImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);
void DrawRollUpImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);
void DrawRollDownImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);
void DrawTrayImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);
void DrawCheckImage(fw::TCanvas& canvas, int x, int y, fw::TColor color);

enum TskArrowDirection { adLeft = 1, adRight = 2, adUp = 3, adDown = 4 };
// A small arrow centred in rect; other directions draw nothing.
void DrawArrowImage(fw::TCanvas& canvas, const fw::TRect& rect, fw::TColor color, int direction);
// The small down-pointing triangle of drop-down buttons, centred in rect.
void DrawDropDownImage(fw::TCanvas& canvas, const fw::TRect& rect, fw::TColor color);

}  // namespace sk
