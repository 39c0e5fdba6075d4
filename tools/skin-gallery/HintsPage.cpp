#include "tools/skin-gallery/HintsPage.h"

#include "framework/StdCtrls.h"

namespace gallery {

sk::TskSkinHint* AddSkinnedHints(fw::TForm& form, sk::TskSkinData& skinData) {
  auto* hint = fw::TComponent::Create<sk::TskSkinHint>(&form);
  hint->SetSkinData(&skinData);
  // Shows both looks of the skin's hint: titled over the buttons, plain elsewhere.
  hint->OnShowHint = [hint](std::wstring&, bool&, fw::THintInfo& info) {
    if (auto* button = dynamic_cast<fw::TButton*>(info.hintControl)) hint->SetHintTitle(button->Caption());
  };
  return hint;
}

}  // namespace gallery
