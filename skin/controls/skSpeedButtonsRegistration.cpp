#include "skin/controls/skSpeedButtonsRegistration.h"

#include "framework/ImgList.h"
#include "framework/Layout.h"
#include "skin/controls/skSkinSpeedButton.h"
#include "skin/menus/skImagesMenu.h"
#include "skin/menus/skMenusPopup.h"

namespace sk {

void RegisterSpeedButtonClasses() {
  fw::ClassRegistry& r = fw::ClassRegistry::Instance();
  using B = TskSkinSpeedButton;
  const std::vector<std::pair<std::wstring, TskButtonLayout>> layouts = {{L"blGlyphLeft", blGlyphLeft},
                                                                         {L"blGlyphRight", blGlyphRight},
                                                                         {L"blGlyphTop", blGlyphTop},
                                                                         {L"blGlyphBottom", blGlyphBottom}};
  r.Register<B>(L"TskSkinSpeedButton", L"TskGraphicSkinCustomControl")
      .Bool<B>(L"UseSkinSize", &B::SetUseSkinSize)
      .Bool<B>(L"UseSkinFontColor", &B::SetUseSkinFontColor)
      .Reference<B, fw::TImageList>(L"ImageList", &B::SetImageList)
      .Int<B>(L"ImageIndex", &B::SetImageIndex)
      .Bool<B>(L"RepeatMode", &B::SetRepeatMode)
      .Int<B>(L"RepeatInterval", &B::SetRepeatInterval)
      .Bool<B>(L"Transparent", &B::SetTransparent)
      .Bool<B>(L"Flat", &B::SetFlat)
      .Bool<B>(L"AllowAllUp", &B::SetAllowAllUp)
      .Int<B>(L"GroupIndex", &B::SetGroupIndex)
      .Bool<B>(L"Down", &B::SetDown)
      .Bool<B>(L"ShowCaption", &B::SetShowCaption)
      .Int<B>(L"WidthWithCaption", &B::SetWidthWithCaption)
      .Int<B>(L"WidthWithoutCaption", &B::SetWidthWithoutCaption)
      .Int<B>(L"NumGlyphs", &B::SetNumGlyphs)
      .Int<B>(L"Margin", &B::SetMargin)
      .Int<B>(L"Spacing", &B::SetSpacing)
      .Enum<B, TskButtonLayout>(L"Layout", &B::SetLayout, layouts);

  using M = TskSkinMenuSpeedButton;
  const std::vector<std::pair<std::wstring, TskTrackPosition>> positions = {
      {L"sktpRight", TskTrackPosition::sktpRight}, {L"sktpBottom", TskTrackPosition::sktpBottom}};
  r.Register<M>(L"TskSkinMenuSpeedButton", L"TskSkinSpeedButton")
      .Reference<M, TskSkinPopupMenu>(L"SkinPopupMenu", &M::SetSkinPopupMenu)
      .Reference<M, TskSkinImagesMenu>(L"SkinImagesMenu", &M::SetSkinImagesMenu)
      .Bool<M>(L"UseImagesMenuImage", &M::SetUseImagesMenuImage)
      .Bool<M>(L"UseImagesMenuCaption", &M::SetUseImagesMenuCaption)
      .Bool<M>(L"TrackButtonMode", &M::SetTrackButtonMode)
      .Enum<M, TskTrackPosition>(L"TrackPosition", &M::SetTrackPosition, positions)
      .Bool<M>(L"NewStyle", &M::SetNewStyle)
      .Event<M>(L"OnShowTrackMenu", &M::OnShowTrackMenu)
      .Event<M>(L"OnHideTrackMenu", &M::OnHideTrackMenu);
}

}  // namespace sk
