#include "skin/controls/skSkinControlWalk.h"

#include <vector>

#include "skin/controls/skSkinControl.h"

namespace sk {
namespace {

template <class Visit>
void Walk(fw::TWinControl& parent, const Visit& visit) {
  // A copy: applying a skin may realign or even re-parent children.
  const std::vector<fw::TControl*> children = parent.ControlList();
  for (fw::TControl* child : children) {
    visit(*child);
    if (auto* container = dynamic_cast<fw::TWinControl*>(child)) Walk(*container, visit);
  }
}

}  // namespace

void ForgetSkinRecords(fw::TWinControl& root, const TskSkinData* skinData) {
  // Windowless ones forget too: nothing may keep an index into a skin that is going.
  Walk(root, [skinData](fw::TControl& c) {
    if (auto* s = dynamic_cast<TskSkinControl*>(&c); s && s->SkinData() == skinData) s->ForgetSkinRecord();
    if (auto* g = dynamic_cast<TskGraphicSkinControl*>(&c); g && g->SkinData() == skinData) g->ForgetSkinRecord();
  });
}

void ApplySkinChanges(fw::TWinControl& root, const TskSkinData* skinData) {
  Walk(root, [skinData](fw::TControl& c) {
    if (auto* s = dynamic_cast<TskSkinControl*>(&c); s && (!skinData || s->SkinData() == skinData)) {
      s->ApplySkinChange();
    }
    if (auto* g = dynamic_cast<TskGraphicSkinControl*>(&c); g && (!skinData || g->SkinData() == skinData)) {
      g->ApplySkinChange();
    }
  });
}

}  // namespace sk
