// Control records ([SKINCONTROLS]): every class's keys in read order.
#include "skin/data/skSkinDataControls.h"

namespace sk {

void TskDataSkinControl::ExchangeKeys(TskSkinKeys& k) {
  k.PictureIndex("pictureindex", PictureIndex);
  k.PictureIndex("maskpictureindex", MaskPictureIndex);
  k.Rect("skinrect", SkinRect);
}

void TskDataSkinCustomControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinControl::ExchangeKeys(k);
  k.Point("lefttoppoint", LeftTopPoint);
  k.Point("righttoppoint", RightTopPoint);
  k.Point("leftbottompoint", LeftBottomPoint);
  k.Point("rightbottompoint", RightBottomPoint);
  k.Rect("clientrect", ClientRect);
  k.Flag("leftstretch", LeftStretch);
  k.Flag("topstretch", TopStretch);
  k.Flag("rightstretch", RightStretch);
  k.Flag("bottomstretch", BottomStretch);
  k.Flag("stretcheffect", StretchEffect);
  k.StretchType("stretchtype", StretchType);
}

void TskDataSkinPanelControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.PictureIndex("bgpictureindex", BGPictureIndex);
  k.Rect("captionrect", CaptionRect);
  k.Alignment("alignment", Alignment);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Rect("checkimagerect", CheckImageRect);
  k.Rect("uncheckimagerect", UnCheckImageRect);
  k.Rect("markframerect", MarkFrameRect);
  k.Rect("framerect", FrameRect);
  k.Rect("frametextrect", FrameTextRect);
  k.Integer("frameleftoffset", FrameLeftOffset);
  k.Integer("framerightoffset", FrameRightOffset);
  k.Rect("gripperrect", GripperRect);
  k.Flag("grippertransparent", GripperTransparent);
  k.Color("grippertransparentcolor", GripperTransparentColor);
}

void TskDataSkinExPanelControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("rollhskinrect", RollHSkinRect);
  k.Rect("rollvskinrect", RollVSkinRect);
  k.Integer("rollleftoffset", RollLeftOffset);
  k.Integer("rollrightoffset", RollRightOffset);
  k.Integer("rolltopoffset", RollTopOffset);
  k.Integer("rollbottomoffset", RollBottomOffset);
  k.Rect("rollvcaptionrect", RollVCaptionRect);
  k.Rect("rollhcaptionrect", RollHCaptionRect);
  k.Rect("closebuttonrect", CloseButtonRect);
  k.Rect("closebuttonactiverect", CloseButtonActiveRect);
  k.Rect("closebuttondownrect", CloseButtonDownRect);
  k.Rect("hrollbuttonrect", HRollButtonRect);
  k.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
  k.Rect("hrollbuttondownrect", HRollButtonDownRect);
  k.Rect("hrestorebuttonrect", HRestoreButtonRect);
  k.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
  k.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
  k.Rect("vrollbuttonrect", VRollButtonRect);
  k.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
  k.Rect("vrollbuttondownrect", VRollButtonDownRect);
  k.Rect("vrestorebuttonrect", VRestoreButtonRect);
  k.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
  k.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
  k.Rect("captionrect", CaptionRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Flag("buttonstransparent", ButtonsTransparent);
  k.Color("buttonstransparentcolor", ButtonsTransparentColor);
}

void TskDataSkinButtonControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("downfontcolor", DownFontColor);
  k.Color("disabledfontcolor", DisabledFontColor);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("downskinrect", DownSkinRect);
  k.Rect("focusedskinrect", FocusedSkinRect);
  k.Rect("disabledskinrect", DisabledSkinRect);
  k.Flag("morphing", Morphing);
  k.MorphKind("morphkind", MorphKind);
  k.Rect("animateskinrect", AnimateSkinRect);
  k.Integer("framecount", FrameCount);
  k.Integer("animateinterval", AnimateInterval, 25);
  k.Flag("showfocus", ShowFocus);
  k.Rect("menumarkerflatrect", MenuMarkerFlatRect);
  k.Rect("menumarkerrect", MenuMarkerRect);
  k.Rect("menumarkeractiverect", MenuMarkerActiveRect);
  k.Rect("menumarkerdownrect", MenuMarkerDownRect);
  k.Color("menumarkertransparentcolor", MenuMarkerTransparentColor);
  k.PictureIndex("glowlayerpictureindex", GlowLayerPictureIndex);
  k.PictureIndex("glowlayermaskpictureindex", GlowLayerMaskPictureIndex);
  k.Integer("glowlayeroffsetleft", GlowLayerOffsetLeft);
  k.Integer("glowlayeroffsettop", GlowLayerOffsetTop);
  k.Integer("glowlayeroffsetright", GlowLayerOffsetRight);
  k.Integer("glowlayeroffsetbottom", GlowLayerOffsetBottom);
  k.Integer("glowlayershowoffsetx", GlowLayerShowOffsetX);
  k.Integer("glowlayershowoffsety", GlowLayerShowOffsetY);
  k.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TskDataSkinMenuButtonControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinButtonControl::ExchangeKeys(k);
  k.Rect("trackbuttonrect", TrackButtonRect);
}

void TskDataSkinCheckRadioControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("unenabledfontcolor", UnEnabledFontColor);
  k.Color("framefontcolor", FrameFontColor);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("checkimagearea", CheckImageArea);
  k.Rect("textarea", TextArea);
  k.Rect("checkimagerect", CheckImageRect);
  k.Rect("uncheckimagerect", UnCheckImageRect);
  k.Rect("activecheckimagerect", ActiveCheckImageRect);
  k.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
  k.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
  k.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
  k.Rect("grayedcheckimagerect", GrayedCheckImageRect);
  k.Rect("activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
  k.Flag("morphing", Morphing);
  k.MorphKind("morphkind", MorphKind);
}

void TskDataSkinGaugeControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("progressarea", ProgressArea);
  k.Rect("progressrect", ProgressRect);
  k.Integer("beginoffset", BeginOffset);
  k.Integer("endoffset", EndOffset);
  k.Flag("vertical", Vertical);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Flag("progresstransparent", ProgressTransparent);
  k.Color("progresstransparentcolor", ProgressTransparentColor);
  k.Flag("progressstretch", ProgressStretch);
  k.Rect("animationskinrect", AnimationSkinRect);
  k.Integer("animationcountframes", AnimationCountFrames);
  k.Integer("animationtimerinterval", AnimationTimerInterval);
  k.Rect("progressanimationskinrect", ProgressAnimationSkinRect);
  k.Integer("progressanimationcountframes", ProgressAnimationCountFrames);
  k.Integer("progressanimationtimerinterval", ProgressAnimationTimerInterval);
  k.Integer("animationbeginoffset", AnimationBeginOffset);
  k.Integer("animationendoffset", AnimationEndOffset);
}

void TskDataSkinSplitterControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("gripperrect", GripperRect);
  k.Flag("grippertransparent", GripperTransparent);
  k.Color("grippertransparentcolor", GripperTransparentColor);
}

void TskDataSkinTrackBarControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("trackarea", TrackArea);
  k.Rect("buttonrect", ButtonRect);
  k.Rect("activebuttonrect", ActiveButtonRect);
  k.Flag("vertical", Vertical);
  k.Flag("buttontransparent", ButtonTransparent);
  k.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TskDataSkinLabelControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
}

void TskDataSkinStdLabelControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinControl::ExchangeKeys(k);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor, 16711680);
}

void TskDataSkinUpDownControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("upbuttonrect", UpButtonRect);
  k.Rect("activeupbuttonrect", ActiveUpButtonRect);
  k.Rect("downupbuttonrect", DownUpButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("activedownbuttonrect", ActiveDownButtonRect);
  k.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TskDataSkinUpDownControl::AfterLoad() {
  TskDataSkinCustomControl::AfterLoad();
  LeftTopPoint = RightTopPoint = LeftBottomPoint = RightBottomPoint = {0, 0};
  ClientRect = {};
}

void TskDataSkinGridControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinControl::ExchangeKeys(k);
  k.Rect("fixedcellrect", FixedCellRect);
  k.Rect("selectcellrect", SelectCellRect);
  k.Rect("focuscellrect", FocusCellRect);
  k.Integer("fixedcellleftoffset", FixedCellLeftOffset);
  k.Integer("fixedcellrightoffset", FixedCellRightOffset);
  k.Rect("fixedcelltextrect", FixedCellTextRect);
  k.Integer("cellleftoffset", CellLeftOffset);
  k.Integer("cellrightoffset", CellRightOffset);
  k.Rect("celltextrect", CellTextRect);
  k.PictureIndex("bgpictureindex", BGPictureIndex);
  k.Color("linescolor", LinesColor);
  k.Color("bgcolor", BGColor);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("selectfontcolor", SelectFontColor);
  k.Color("focusfontcolor", FocusFontColor);
  k.String("fixedfontname", FixedFontName, "Arial");
  k.Integer("fixedfontheight", FixedFontHeight, 14);
  k.FontStyle("fixedfontstyle", FixedFontStyle);
  k.Color("fixedfontcolor", FixedFontColor);
  k.Flag("cellstretcheffect", CellStretchEffect);
  k.Flag("fixedcellstretcheffect", FixedCellStretchEffect);
  k.Flag("showfocus", ShowFocus);
}

void TskDataSkinTabControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinControl::ExchangeKeys(k);
  k.Rect("tabrect", TabRect);
  k.Rect("activetabrect", ActiveTabRect);
  k.Rect("focustabrect", FocusTabRect);
  k.Rect("mouseintabrect", MouseInTabRect);
  k.Rect("clientrect", ClientRect);
  k.PictureIndex("bgpictureindex", BGPictureIndex);
  k.Point("lefttoppoint", LeftTopPoint);
  k.Point("righttoppoint", RightTopPoint);
  k.Point("leftbottompoint", LeftBottomPoint);
  k.Point("rightbottompoint", RightBottomPoint);
  k.Integer("tableftoffset", TabLeftOffset);
  k.Integer("tabrightoffset", TabRightOffset);
  k.Rect("tabsbgrect", TabsBGRect);
  k.Flag("tabstretcheffect", TabStretchEffect);
  k.Flag("leftstretch", LeftStretch);
  k.Flag("topstretch", TopStretch);
  k.Flag("rightstretch", RightStretch);
  k.Flag("bottomstretch", BottomStretch);
  k.Flag("stretcheffect", StretchEffect);
  k.StretchType("stretchtype", StretchType);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("focusfontcolor", FocusFontColor);
  k.Color("mouseinfontcolor", MouseInFontColor);
  k.String("updown", UpDown);
  k.Flag("showfocus", ShowFocus);
  k.Integer("focusoffsetx", FocusOffsetX);
  k.Integer("focusoffsety", FocusOffsetY);
  k.Rect("closebuttonrect", CloseButtonRect);
  k.Rect("closebuttonactiverect", CloseButtonActiveRect);
  k.Rect("closebuttondownrect", CloseButtonDownRect);
  k.Flag("buttontransparent", ButtonTransparent);
  k.Color("buttontransparentcolor", ButtonTransparentColor);
}

void TskDataSkinMainMenuBar::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinControl::ExchangeKeys(k);
  k.Rect("itemsrect", ItemsRect);
  k.String("menubaritem", MenuBarItem);
  k.String("closebutton", CloseButton);
  k.String("minbutton", MinButton);
  k.String("maxbutton", MaxButton);
  k.String("sysmenubutton", SysMenuButton);
  k.Color("trackmarkcolor", TrackMarkColor);
  k.Color("trackmarkactivecolor", TrackMarkActiveColor);
  k.Flag("stretcheffect", StretchEffect);
  k.Flag("itemtransparent", ItemTransparent);
}

void TskDataSkinControlBar::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("itemrect", ItemRect);
  k.PictureIndex("bgpictureindex", BGPictureIndex);
  k.Rect("hgriprect", HGripRect);
  k.Rect("vgriprect", VGripRect);
  k.Integer("gripoffset1", GripOffset1);
  k.Integer("gripoffset2", GripOffset2);
  k.Flag("itemstretcheffect", ItemStretchEffect);
  k.Integer("itemoffset1", ItemOffset1, 3);
  k.Integer("itemoffset2", ItemOffset2, 3);
  k.Flag("itemtransparent", ItemTransparent);
  k.Color("itemtransparentcolor", ItemTransparentColor);
  k.Flag("griptransparent", GripTransparent);
  k.Color("griptransparentcolor", GripTransparentColor);
}

void TskDataSkinEditControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("disabledfontcolor", DisabledFontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Rect("buttonrect", ButtonRect);
  k.Rect("activebuttonrect", ActiveButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TskDataSkinMemoControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinEditControl::ExchangeKeys(k);
  k.Color("bgcolor", BGColor);
  k.Color("activebgcolor", ActiveBGColor);
}

void TskDataSkinListBox::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("itemrect", ItemRect);
  k.Rect("activeitemrect", ActiveItemRect);
  k.Rect("focusitemrect", FocusItemRect);
  k.Integer("itemleftoffset", ItemLeftOffset);
  k.Integer("itemrightoffset", ItemRightOffset);
  k.Rect("itemtextrect", ItemTextRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("focusfontcolor", FocusFontColor);
  k.Rect("captionrect", CaptionRect);
  k.String("captionfontname", CaptionFontName, "Arial");
  k.Integer("captionfontheight", CaptionFontHeight, 14);
  k.FontStyle("captionfontstyle", CaptionFontStyle);
  k.Color("captionfontcolor", CaptionFontColor);
  k.Rect("upbuttonrect", UpButtonRect);
  k.Rect("activeupbuttonrect", ActiveUpButtonRect);
  k.Rect("downupbuttonrect", DownUpButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("activedownbuttonrect", ActiveDownButtonRect);
  k.Rect("downdownbuttonrect", DownDownButtonRect);
  k.Rect("checkbuttonrect", CheckButtonRect);
  k.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
  k.Rect("downcheckbuttonrect", DownCheckButtonRect);
  k.String("vscrollbarname", VScrollBarName, "vscrollbar");
  k.String("hscrollbarname", HScrollBarName, "hscrollbar");
  k.String("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
  k.Flag("showfocus", ShowFocus);
  k.Rect("disabledbuttonsrect", DisabledButtonsRect);
  k.Rect("buttonsarea", ButtonsArea);
}

void TskDataSkinCheckListBox::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinListBox::ExchangeKeys(k);
  k.Rect("itemcheckrect", ItemCheckRect);
  k.Rect("checkimagerect", CheckImageRect);
  k.Rect("uncheckimagerect", UnCheckImageRect);
}

void TskDataSkinComboBox::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("itemrect", ItemRect);
  k.Rect("activeitemrect", ActiveItemRect);
  k.Rect("focusitemrect", FocusItemRect);
  k.Integer("itemleftoffset", ItemLeftOffset);
  k.Integer("itemrightoffset", ItemRightOffset);
  k.Rect("itemtextrect", ItemTextRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("focusfontcolor", FocusFontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.String("listboxname", ListBoxName);
  k.Rect("buttonrect", ButtonRect);
  k.Rect("activebuttonrect", ActiveButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("unenabledbuttonrect", UnEnabledButtonRect);
  k.Flag("itemstretcheffect", ItemStretchEffect);
  k.Flag("focusitemstretcheffect", FocusItemStretchEffect);
  k.Flag("showfocus", ShowFocus);
}

void TskDataSkinScrollBarControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("trackarea", TrackArea);
  k.Rect("upbuttonrect", UpButtonRect);
  k.Rect("activeupbuttonrect", ActiveUpButtonRect);
  k.Rect("downupbuttonrect", DownUpButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("activedownbuttonrect", ActiveDownButtonRect);
  k.Rect("downdownbuttonrect", DownDownButtonRect);
  k.Rect("thumbrect", ThumbRect);
  k.Rect("activethumbrect", ActiveThumbRect);
  k.Rect("downthumbrect", DownThumbRect);
  k.Integer("thumboffset1", ThumbOffset1);
  k.Integer("thumboffset2", ThumbOffset2);
  k.Flag("thumbtransparent", ThumbTransparent);
  k.Color("thumbtransparentcolor", ThumbTransparentColor);
  k.Flag("thumbstretcheffect", ThumbStretchEffect);
  k.Integer("thumbminsize", ThumbMinSize);
  k.Integer("thumbminpagesize", ThumbMinPageSize);
  k.Rect("glyphrect", GlyphRect);
  k.Rect("activeglyphrect", ActiveGlyphRect);
  k.Rect("downglyphrect", DownGlyphRect);
  k.Flag("glyphtransparent", GlyphTransparent);
  k.Color("glyphtransparentcolor", GlyphTransparentColor);
}

void TskDataSkinSpinEditControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("disabledfontcolor", DisabledFontColor);
  k.Rect("upbuttonrect", UpButtonRect);
  k.Rect("activeupbuttonrect", ActiveUpButtonRect);
  k.Rect("downupbuttonrect", DownUpButtonRect);
  k.Rect("downbuttonrect", DownButtonRect);
  k.Rect("activedownbuttonrect", ActiveDownButtonRect);
  k.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TskDataSkinScrollBoxControl::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinCustomControl::ExchangeKeys(k);
  k.PictureIndex("bgpictureindex", BGPictureIndex);
}

void TskDataSkinTextView::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinControl::ExchangeKeys(k);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("bgcolor", BGColor);
}

void TskDataSkinBevel::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinControl::ExchangeKeys(k);
  k.Color("lightcolor", LightColor);
  k.Color("darkcolor", DarkColor);
}

void TskDataSkinSlider::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinControl::ExchangeKeys(k);
  k.Color("bgcolor", BGColor);
  k.Rect("hrulerrect", HRulerRect);
  k.Rect("hthumbrect", HThumbRect);
  k.Rect("vrulerrect", VRulerRect);
  k.Rect("vthumbrect", VThumbRect);
  k.Integer("edgesize", EdgeSize);
  k.Color("pointscolor", PointsColor);
}

}  // namespace sk
