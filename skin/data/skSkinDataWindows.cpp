// The window-wide sections: [FORMINFO], [POPUPWINDOW], [HINTWINDOW],
// [SKINCOLORS], and the load/save pair every record shares.
#include <algorithm>

#include "skin/data/skSkinDataRecords.h"

namespace sk {

void TskDataSkinSection::LoadFromIni(const fw::TCustomIniFile& ini) {
  TskSkinKeyReader reader(ini, SectionName);
  ExchangeKeys(reader);
  AfterLoad();
}

void TskDataSkinSection::SaveToIni(fw::TCustomIniFile& ini) const {
  ini.EraseSection(SectionName);
  TskSkinKeyWriter writer(ini, SectionName);
  // The writer only reads the fields it is handed.
  const_cast<TskDataSkinSection*>(this)->ExchangeKeys(writer);
}

void TskDataSkinFormInfo::ExchangeKeys(TskSkinKeys& k) {
  k.Point("lefttoppoint", LeftTopPoint);
  k.Point("righttoppoint", RightTopPoint);
  k.Point("leftbottompoint", LeftBottomPoint);
  k.Point("rightbottompoint", RightBottomPoint);
  k.Rect("clientrect", ClientRect);
  k.PictureIndex("bgpictureindex", BGPictureIndex);
  k.PictureIndex("mdibgpictureindex", MDIBGPictureIndex);
  k.Flag("leftstretch", LeftStretch);
  k.Flag("rightstretch", RightStretch);
  k.Flag("topstretch", TopStretch);
  k.Flag("bottomstretch", BottomStretch);
  k.Flag("stretcheffect", StretchEffect);
  k.StretchType("stretchtype", StretchType);
  k.Flag("mdibgstretcheffect", MDIBGStretchEffect);
  k.StretchType("mdibgstretchtype", MDIBGStretchType);
  k.Rect("maskrectarea", MaskRectArea);
  k.Point("hittestlefttoppoint", HitTestLeftTopPoint);
  k.Point("hittestrighttoppoint", HitTestRightTopPoint);
  k.Point("hittestleftbottompoint", HitTestLeftBottomPoint);
  k.Point("hittestrightbottompoint", HitTestRightBottomPoint);
  k.Rect("buttonsrect", ButtonsRect);
  k.Rect("captionrect", CaptionRect);
  k.Integer("buttonsoffset", ButtonsOffset);
  k.Flag("buttonsinleft", ButtonsInLeft);
  k.Flag("mainmenupopupup", MainMenuPopupUp);
  k.Integer("borderwidth", BorderWidth);
  k.Integer("formminwidth", FormMinWidth);
  k.Flag("mditabstransparent", MDITabsTransparent);
  k.Flag("mainmenubartransparent", MainMenuBarTransparent);
  k.Flag("autorenderinginactiveimage", AutoRenderingInActiveImage);
  k.InactiveEffect("inactiveeffect", InActiveEffect);
}

void TskDataSkinFormInfo::Adjust(bool hasMask) {
  if (hasMask) {
    // The region must hold the whole client area, whatever the mask says.
    if (MaskRectArea.IsEmpty()) {
      MaskRectArea = ClientRect;
    } else {
      MaskRectArea = {std::min(MaskRectArea.left, ClientRect.left), std::min(MaskRectArea.top, ClientRect.top),
                      std::max(MaskRectArea.right, ClientRect.right), std::max(MaskRectArea.bottom, ClientRect.bottom)};
    }
    if (HitTestLeftTopPoint.x == 0 || HitTestLeftTopPoint.y == 0) HitTestLeftTopPoint = LeftTopPoint;
    if (HitTestRightTopPoint.x == 0 || HitTestRightTopPoint.y == 0) HitTestRightTopPoint = RightTopPoint;
    if (HitTestLeftBottomPoint.x == 0 || HitTestLeftBottomPoint.y == 0) HitTestLeftBottomPoint = LeftBottomPoint;
    if (HitTestRightBottomPoint.x == 0 || HitTestRightBottomPoint.y == 0) HitTestRightBottomPoint = RightBottomPoint;
  }
  if (RightBottomPoint.x == LeftTopPoint.x || RightBottomPoint.y == LeftTopPoint.y) return;
  LeftTopPoint = {std::max(LeftTopPoint.x, ClientRect.left), std::max(LeftTopPoint.y, ClientRect.top)};
  RightTopPoint = {std::min(RightTopPoint.x, ClientRect.right), std::max(RightTopPoint.y, ClientRect.top)};
  LeftBottomPoint = {std::max(LeftBottomPoint.x, ClientRect.left), std::min(LeftBottomPoint.y, ClientRect.bottom)};
  RightBottomPoint = {std::min(RightBottomPoint.x, ClientRect.right), std::min(RightBottomPoint.y, ClientRect.bottom)};
}

namespace {
template <class R>
void CornerKeys(TskSkinKeys& k, R& r) {
  k.Point("lefttoppoint", r.LeftTopPoint);
  k.Point("righttoppoint", r.RightTopPoint);
  k.Point("leftbottompoint", r.LeftBottomPoint);
  k.Point("rightbottompoint", r.RightBottomPoint);
}
template <class R>
void StretchKeys(TskSkinKeys& k, R& r) {
  k.Flag("leftstretch", r.LeftStretch);
  k.Flag("rightstretch", r.RightStretch);
  k.Flag("topstretch", r.TopStretch);
  k.Flag("bottomstretch", r.BottomStretch);
  k.Flag("stretcheffect", r.StretchEffect);
  k.StretchType("stretchtype", r.StretchType);
}
}  // namespace

void TskDataSkinPopupWindow::ExchangeKeys(TskSkinKeys& k) {
  k.PictureIndex("windowpictureindex", WindowPictureIndex);
  k.PictureIndex("maskpictureindex", MaskPictureIndex);
  CornerKeys(k, *this);
  k.Rect("itemsrect", ItemsRect);
  k.Color("scrollmarkercolor", ScrollMarkerColor);
  k.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor);
  StretchKeys(k, *this);
}

void TskDataSkinHintWindow::ExchangeKeys(TskSkinKeys& k) {
  k.PictureIndex("windowpictureindex", WindowPictureIndex);
  k.PictureIndex("maskpictureindex", MaskPictureIndex);
  CornerKeys(k, *this);
  k.Rect("clientrect", ClientRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  StretchKeys(k, *this);
}

void TskSkinColors::ExchangeKeys(TskSkinKeys& k) {
  k.Color("cbtnface", CBtnFace, fw::SystemColor(15));
  k.Color("cbtntext", CBtnText, fw::SystemColor(18));
  k.Color("cwindow", CWindow, fw::SystemColor(5));
  k.Color("cwindowtext", CWindowText, fw::SystemColor(8));
  k.Color("chighlight", CHighLight, fw::SystemColor(13));
  k.Color("chighlighttext", CHighLightText, fw::SystemColor(14));
  k.Color("cbtnhighlight", CBtnHighLight, fw::SystemColor(20));
  k.Color("cbtnshadow", CBtnShadow, fw::SystemColor(16));
}

void TskSkinColors::SetDefault() {
  const TskSkinColors defaults;
  CBtnFace = defaults.CBtnFace;
  CBtnText = defaults.CBtnText;
  CWindow = defaults.CWindow;
  CWindowText = defaults.CWindowText;
  CHighLight = defaults.CHighLight;
  CHighLightText = defaults.CHighLightText;
  CBtnHighLight = defaults.CBtnHighLight;
  CBtnShadow = defaults.CBtnShadow;
}

}  // namespace sk
