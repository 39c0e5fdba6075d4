#pragma once
// The form's logo over its client background.
#include "framework/Graphics.h"

namespace sk {

// Copies `logo` onto `target` (24 or 32 bits) with its top-left at `at`,
// cut at the target's edges. A transparent logo leaves the target's pixels
// wherever the logo has the colour of its bottom-left pixel.
void DrawLogo(fw::TBitmap& target, fw::TPoint at, const fw::TBitmap& logo, bool transparent);

}  // namespace sk
