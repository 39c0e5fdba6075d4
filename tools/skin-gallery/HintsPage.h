#pragma once
// The gallery's hints wear the shown skin: a skinned hint component on the
// main window. A button's hint carries the button's caption as its bold
// title; every other control shows the plain skinned hint.
#include "framework/Forms.h"
#include "skin/data/skSkinData.h"
#include "skin/hints/skSkinHint.h"

namespace gallery {

sk::TskSkinHint* AddSkinnedHints(fw::TForm& form, sk::TskSkinData& skinData);

}  // namespace gallery
