#pragma once
// Painting what lies under a control, so that a skinned control can look
// see-through (Windows only).
#include "framework/Controls.h"

namespace sk {

// Paints into canvas (at the control's origin) the parent's background and
// face under the control, then the windowless siblings that lie before it
// and overlap it. Nothing without a parent.
void CopyParentBackdrop(fw::TControl& control, fw::TCanvas& canvas);

// Whether a parent is painting such a copy now (its own painting may then
// leave out what only belongs on screen).
bool IsPaintingBackdropCopy(const fw::TWinControl* parent);

}  // namespace sk
