#pragma once
// Our own skin, loaded as the program loads it, for the form tests.
#include <string>

#include "skin/data/skSkinData.h"
#include "skin/data/skSkinStoredSkin.h"
#include "skin/form/skFormButtons.h"
#include "skin/form/skFormGeometry.h"

namespace formtest {

inline const sk::TskSkinData& OurSkin() {
  static const sk::TskSkinData* data = [] {
    sk::TskCompressedStoredSkin stored(nullptr);
    stored.ImportSkinFolder(std::string(QUILLET_SKIN_DIR) + "/skin.ini");
    auto* d = new sk::TskSkinData(nullptr);
    d->LoadFromStoredSkin(stored);
    return d;
  }();
  return *data;
}

inline sk::TskFrameSkin OurFrame() { return sk::FrameSkinOf(OurSkin()); }

// The main window's caption objects laid out at width x height.
inline std::vector<sk::TskCaptionObjectLayout> Arranged(const sk::TskFrameSkin& skin, int width, int height,
                                                        sk::TskBorderIcons icons = sk::kDefaultBorderIcons |
                                                                                   sk::biMinimizeToTray) {
  auto objects = sk::CaptionObjectsOf(OurSkin());
  sk::CheckObjects(objects, {icons});
  sk::ArrangeCaptionButtons(objects, skin, sk::CalcRects(skin, width, height));
  return objects;
}

inline const sk::TskCaptionObjectLayout& Named(const std::vector<sk::TskCaptionObjectLayout>& objects,
                                               const std::string& name) {
  for (const auto& o : objects)
    if (o.name == name) return o;
  throw std::out_of_range(name);
}

}  // namespace formtest
