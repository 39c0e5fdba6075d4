#pragma once
// Control records ([SKINCONTROLS]): the looks skinned controls take. Fields
// follow the key naming rule of skSkinDataRecords.h. Rectangles are in the
// coordinates of the control's picture (PictureIndex) unless noted.
#include <string>

#include "skin/data/skSkinDataRecords.h"

namespace sk {

class TskDataSkinControl : public TskDataSkinSection {
 public:
  using TskDataSkinSection::TskDataSkinSection;
  void ExchangeKeys(TskSkinKeys& keys) override;

  int PictureIndex = -1;
  int MaskPictureIndex = -1;
  fw::TRect SkinRect;
};

// The corner model applied to SkinRect (points and client rectangle are
// relative to SkinRect), so the look can be rebuilt at any size.
class TskDataSkinCustomControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  fw::TRect ClientRect;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
};

class TskDataSkinPanelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  int BGPictureIndex = -1;
  fw::TRect CaptionRect;
  TAlignment Alignment = taCenter;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0;
  fw::TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect, FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  fw::TRect GripperRect;
  bool GripperTransparent = false;
  fw::TColor GripperTransparentColor = 0;
};

class TskDataSkinExPanelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect RollHSkinRect, RollVSkinRect;
  int RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
  fw::TRect RollVCaptionRect, RollHCaptionRect;
  fw::TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  fw::TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  fw::TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  fw::TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  fw::TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  fw::TRect CaptionRect;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0;
  bool ButtonsTransparent = false;
  fw::TColor ButtonsTransparentColor = 0;
};

class TskDataSkinButtonControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
  fw::TRect ActiveSkinRect, DownSkinRect, FocusedSkinRect, DisabledSkinRect;
  bool Morphing = false;
  TskMorphKind MorphKind = mkDefault;
  fw::TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool ShowFocus = false;
  fw::TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
  fw::TColor MenuMarkerTransparentColor = 0;
  int GlowLayerPictureIndex = -1;
  int GlowLayerMaskPictureIndex = -1;
  int GlowLayerOffsetLeft = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetBottom = 0;
  int GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0;
  int GlowLayerAlphaBlendValue = 255;
};

class TskDataSkinMenuButtonControl : public TskDataSkinButtonControl {
 public:
  using TskDataSkinButtonControl::TskDataSkinButtonControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect TrackButtonRect;
};

class TskDataSkinCheckRadioControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, ActiveFontColor = 0, UnEnabledFontColor = 0, FrameFontColor = 0;
  fw::TRect ActiveSkinRect, CheckImageArea, TextArea;
  fw::TRect CheckImageRect, UnCheckImageRect, ActiveCheckImageRect, ActiveUnCheckImageRect;
  fw::TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;
  fw::TRect GrayedCheckImageRect, ActiveGrayedCheckImageRect;
  bool Morphing = false;
  TskMorphKind MorphKind = mkDefault;
};

class TskDataSkinGaugeControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ProgressArea, ProgressRect;
  int BeginOffset = 0, EndOffset = 0;
  bool Vertical = false;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0;
  bool ProgressTransparent = false;
  fw::TColor ProgressTransparentColor = 0;
  bool ProgressStretch = false;
  fw::TRect AnimationSkinRect;
  int AnimationCountFrames = 0, AnimationTimerInterval = 0;
  fw::TRect ProgressAnimationSkinRect;
  int ProgressAnimationCountFrames = 0, ProgressAnimationTimerInterval = 0;
  int AnimationBeginOffset = 0, AnimationEndOffset = 0;
};

class TskDataSkinSplitterControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect GripperRect;
  bool GripperTransparent = false;
  fw::TColor GripperTransparentColor = 0;
};

class TskDataSkinTrackBarControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ActiveSkinRect, TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical = false;
  bool ButtonTransparent = false;
  fw::TColor ButtonTransparentColor = 0;
};

class TskDataSkinLabelControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0;
};

class TskDataSkinStdLabelControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0;
  fw::TColor ActiveFontColor = 16711680;  // pure blue
};

// Up-down buttons are never resized by the corner model: the corner points
// and client rectangle are dropped after loading, whatever the section says.
class TskDataSkinUpDownControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  fw::TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

 protected:
  void AfterLoad() override;
};

class TskDataSkinGridControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect FixedCellRect, SelectCellRect, FocusCellRect;
  int FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
  fw::TRect FixedCellTextRect;
  int CellLeftOffset = 0, CellRightOffset = 0;
  fw::TRect CellTextRect;
  int BGPictureIndex = -1;
  fw::TColor LinesColor = 0, BGColor = 0;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, SelectFontColor = 0, FocusFontColor = 0;
  std::string FixedFontName = "Arial";
  int FixedFontHeight = 14;
  fw::TFontStyles FixedFontStyle = 0;
  fw::TColor FixedFontColor = 0;
  bool CellStretchEffect = false, FixedCellStretchEffect = false, ShowFocus = false;
};

class TskDataSkinTabControl : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect;
  fw::TRect ClientRect;
  int BGPictureIndex = -1;
  fw::TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  int TabLeftOffset = 0, TabRightOffset = 0;
  fw::TRect TabsBGRect;
  bool TabStretchEffect = false;
  bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  std::string UpDown;  // section name of the up-down record that scrolls the tabs
  bool ShowFocus = false;
  int FocusOffsetX = 0, FocusOffsetY = 0;
  fw::TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  bool ButtonTransparent = false;
  fw::TColor ButtonTransparentColor = 0;
};

class TskDataSkinMainMenuBar : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ItemsRect;
  // Section names of the object records for the items and child buttons.
  std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
  fw::TColor TrackMarkColor = 0, TrackMarkActiveColor = 0;
  bool StretchEffect = false, ItemTransparent = false;
};

class TskDataSkinControlBar : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ItemRect;
  int BGPictureIndex = -1;
  fw::TRect HGripRect, VGripRect;
  int GripOffset1 = 0, GripOffset2 = 0;
  bool ItemStretchEffect = false;
  int ItemOffset1 = 3, ItemOffset2 = 3;
  bool ItemTransparent = false;
  fw::TColor ItemTransparentColor = 0;
  bool GripTransparent = false;
  fw::TColor GripTransparentColor = 0;
};

class TskDataSkinEditControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ActiveSkinRect;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, DisabledFontColor = 0, ActiveFontColor = 0;
  fw::TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
};

class TskDataSkinMemoControl : public TskDataSkinEditControl {
 public:
  using TskDataSkinEditControl::TskDataSkinEditControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TColor BGColor = 0, ActiveBGColor = 0;
};

class TskDataSkinListBox : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  fw::TRect ItemTextRect;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0;
  fw::TRect CaptionRect;
  std::string CaptionFontName = "Arial";
  int CaptionFontHeight = 14;
  fw::TFontStyles CaptionFontStyle = 0;
  fw::TColor CaptionFontColor = 0;
  fw::TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  fw::TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  fw::TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  std::string VScrollBarName = "vscrollbar";
  std::string HScrollBarName = "hscrollbar";
  std::string BothHScrollBarName = "bothhscrollbar";
  bool ShowFocus = false;
  fw::TRect DisabledButtonsRect, ButtonsArea;
};

class TskDataSkinCheckListBox : public TskDataSkinListBox {
 public:
  using TskDataSkinListBox::TskDataSkinListBox;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ItemCheckRect, CheckImageRect, UnCheckImageRect;
};

class TskDataSkinComboBox : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ActiveSkinRect, ItemRect, ActiveItemRect, FocusItemRect;
  int ItemLeftOffset = 0, ItemRightOffset = 0;
  fw::TRect ItemTextRect;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, FocusFontColor = 0, ActiveFontColor = 0;
  std::string ListBoxName;
  fw::TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
  bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;
};

class TskDataSkinScrollBarControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect TrackArea;
  fw::TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  fw::TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  fw::TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int ThumbOffset1 = 0, ThumbOffset2 = 0;
  bool ThumbTransparent = false;
  fw::TColor ThumbTransparentColor = 0;
  bool ThumbStretchEffect = false;
  int ThumbMinSize = 0, ThumbMinPageSize = 0;
  fw::TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
  bool GlyphTransparent = false;
  fw::TColor GlyphTransparentColor = 0;
};

class TskDataSkinSpinEditControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect ActiveSkinRect;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, ActiveFontColor = 0, DisabledFontColor = 0;
  fw::TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  fw::TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
};

class TskDataSkinScrollBoxControl : public TskDataSkinCustomControl {
 public:
  using TskDataSkinCustomControl::TskDataSkinCustomControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  int BGPictureIndex = -1;
};

// Tree view, list view and rich edit share their keys: base keys, a font
// and a background colour. Each keeps its own record class.
class TskDataSkinTextView : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0;
  fw::TColor BGColor = 0;
};

class TskDataSkinTreeView : public TskDataSkinTextView {
 public:
  using TskDataSkinTextView::TskDataSkinTextView;
};

class TskDataSkinListView : public TskDataSkinTextView {
 public:
  using TskDataSkinTextView::TskDataSkinTextView;
};

class TskDataSkinRichEdit : public TskDataSkinTextView {
 public:
  using TskDataSkinTextView::TskDataSkinTextView;
};

class TskDataSkinBevel : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TColor LightColor = 0, DarkColor = 0;
};

class TskDataSkinSlider : public TskDataSkinControl {
 public:
  using TskDataSkinControl::TskDataSkinControl;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TColor BGColor = 0;
  fw::TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int EdgeSize = 0;
  fw::TColor PointsColor = 0;
};

}  // namespace sk
