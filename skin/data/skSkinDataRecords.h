#pragma once
// Skin records: plain data filled from the skin description, one class per
// kind of section and one public field per key. A field is named after its
// key in PascalCase with the key's own spelling (key "disableskinrsect" is
// field DisableSkinRsect), so a case-insensitive search for a key finds its
// field. Object records derive from TskDataSkinObject; the window-wide
// sections ([FORMINFO], [POPUPWINDOW], [HINTWINDOW], [SKINCOLORS]) have a
// record each, owned by the skin data. Control records: skSkinDataControls.h.
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "framework/Graphics.h"
#include "framework/IniFiles.h"
#include "skin/data/skSkinDataKeys.h"
#include "skin/data/skSkinDataValues.h"

namespace sk {

// What every record shares: the section it reads and the load/save pair.
class TskDataSkinSection {
 public:
  explicit TskDataSkinSection(std::string sectionName) : SectionName(std::move(sectionName)) {}
  virtual ~TskDataSkinSection() = default;

  // Reads every key of the section (a missing key takes its default), then
  // applies the record's fix-ups.
  virtual void LoadFromIni(const fw::TCustomIniFile& ini);
  // Erases the section and writes every field back under its key.
  virtual void SaveToIni(fw::TCustomIniFile& ini) const;
  // Visits every key, the parent class's keys first.
  virtual void ExchangeKeys(TskSkinKeys& keys) {}

  std::string SectionName;

 protected:
  // Fix-ups that depend on several keys; parents' first.
  virtual void AfterLoad() {}
};

// ---- window-wide sections -------------------------------------------------

class TskDataSkinFormInfo : public TskDataSkinSection {
 public:
  TskDataSkinFormInfo() : TskDataSkinSection("FORMINFO") {}
  void ExchangeKeys(TskSkinKeys& keys) override;
  // The mask-area union, hit-test fall-backs (only with a mask) and the
  // clamping of the corner points into the client rectangle.
  void Adjust(bool hasMask);

  fw::TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  fw::TRect ClientRect;
  int BGPictureIndex = -1;
  int MDIBGPictureIndex = -1;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
  bool MDIBGStretchEffect = false;
  TskStretchType MDIBGStretchType = stFull;
  fw::TRect MaskRectArea;
  fw::TPoint HitTestLeftTopPoint, HitTestRightTopPoint, HitTestLeftBottomPoint, HitTestRightBottomPoint;
  fw::TRect ButtonsRect;
  fw::TRect CaptionRect;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  bool MainMenuPopupUp = false;
  int BorderWidth = 0;
  int FormMinWidth = 0;
  bool MDITabsTransparent = false;
  bool MainMenuBarTransparent = false;
  bool AutoRenderingInActiveImage = false;
  TskInactiveEffect InActiveEffect = ieBrightness;
};

class TskDataSkinPopupWindow : public TskDataSkinSection {
 public:
  TskDataSkinPopupWindow() : TskDataSkinSection("POPUPWINDOW") {}
  void ExchangeKeys(TskSkinKeys& keys) override;

  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  fw::TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  fw::TRect ItemsRect;
  fw::TColor ScrollMarkerColor = 0, ScrollMarkerActiveColor = 0;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
};

class TskDataSkinHintWindow : public TskDataSkinSection {
 public:
  TskDataSkinHintWindow() : TskDataSkinSection("HINTWINDOW") {}
  void ExchangeKeys(TskSkinKeys& keys) override;

  int WindowPictureIndex = -1;
  int MaskPictureIndex = -1;
  fw::TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint, RightBottomPoint;
  fw::TRect ClientRect;
  std::string FontName = "Arial";
  int FontHeight = 12;  // before any load; a loaded skin without the key gives 14
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TskStretchType StretchType = stFull;
};

// Colours for text and line glyphs of controls whose record gives none.
class TskSkinColors : public TskDataSkinSection {
 public:
  TskSkinColors() : TskDataSkinSection("SKINCOLORS") {}
  void ExchangeKeys(TskSkinKeys& keys) override;
  // Back to the system colours.
  void SetDefault();

  fw::TColor CBtnFace = fw::SystemColor(15);
  fw::TColor CBtnText = fw::SystemColor(18);
  fw::TColor CWindow = fw::SystemColor(5);
  fw::TColor CWindowText = fw::SystemColor(8);
  fw::TColor CHighLight = fw::SystemColor(13);
  fw::TColor CHighLightText = fw::SystemColor(14);
  fw::TColor CBtnHighLight = fw::SystemColor(20);
  fw::TColor CBtnShadow = fw::SystemColor(16);
};

// ---- skin objects ([SKINOBJECTS]) ------------------------------------------

class TskDataSkinObject : public TskDataSkinSection {
 public:
  using TskDataSkinSection::TskDataSkinSection;
  void ExchangeKeys(TskSkinKeys& keys) override;

  std::string Hint;
  int ActivePictureIndex = -1;
  int ActiveMaskPictureIndex = -1;
  bool SkinRectInAPicture = false;
  fw::TRect SkinRect;
  fw::TRect ActiveSkinRect;
  fw::TRect InActiveSkinRect;
  bool Morphing = false;
  TskMorphKind MorphKind = mkDefault;
  int GlowLayerPictureIndex = -1;
  int GlowLayerMaskPictureIndex = -1;
  int GlowLayerOffsetX = 0;
  int GlowLayerOffsetY = 0;
  int GlowLayerAlphaBlendValue = 255;
};

// Reads "skinrect" only; everything else keeps the object defaults.
class TskDataUserObject : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  void ExchangeKeys(TskSkinKeys& keys) override;
};

class TskDataSkinButton : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect DownRect;
  fw::TRect DisableSkinRsect;  // the key is spelled so
};

// A caption button with a command and a second set of looks for the state
// it restores from (maximized, minimized, rolled up).
class TskDataSkinStdButton : public TskDataSkinButton {
 public:
  using TskDataSkinButton::TskDataSkinButton;
  void ExchangeKeys(TskSkinKeys& keys) override;

  TskStdCommand Command = cmDefault;
  fw::TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  std::string RestoreHint;

 protected:
  void AfterLoad() override;
};

class TskDataSkinMainMenuBarButton : public TskDataSkinStdButton {
 public:
  using TskDataSkinStdButton::TskDataSkinStdButton;
};

class TskDataSkinAnimate : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  void ExchangeKeys(TskSkinKeys& keys) override;

  int CountFrames = 1;
  bool Cycle = false;
  bool ButtonStyle = false;
  int TimerInterval = 50;
  TskStdCommand Command = cmDefault;
  fw::TRect DownSkinRect;
  fw::TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
  std::string RestoreHint;

 protected:
  void AfterLoad() override;  // never morphs; restore hint
};

class TskDataSkinMenuItem : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  void ExchangeKeys(TskSkinKeys& keys) override;

  int ItemLeftOffset = 0, ItemRightOffset = 0;
  fw::TRect DividerRect;
  int DividerLeftOffset = 0, DividerRightOffset = 0;
  fw::TRect TextRect;
  fw::TRect ImageRect;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, ActiveFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false, InActiveStretchEffect = false, DividerStretchEffect = false;
  fw::TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool InActiveAnimation = false;
  bool UseImageColor = false;
  fw::TColor ImageColor = 0, ActiveImageColor = 0;
  bool InActiveTransparent = false;
  fw::TRect CheckImageRect, ActiveCheckImageRect;
  fw::TRect RadioImageRect, ActiveRadioImageRect;
  fw::TRect ArrowImageRect, ActiveArrowImageRect;

 protected:
  void AfterLoad() override;  // active marks fall back to the normal ones
};

class TskDataSkinMainMenuItem : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  void ExchangeKeys(TskSkinKeys& keys) override;

  int ItemLeftOffset = 0, ItemRightOffset = 0;
  fw::TRect DownRect;
  fw::TRect TextRect;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, UnEnabledFontColor = 0;
  bool StretchEffect = false;
  fw::TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool InActiveAnimation = false;
};

class TskDataSkinMainMenuBarItem : public TskDataSkinMainMenuItem {
 public:
  using TskDataSkinMainMenuItem::TskDataSkinMainMenuItem;
};

class TskDataSkinCaption : public TskDataSkinObject {
 public:
  using TskDataSkinObject::TskDataSkinObject;
  void ExchangeKeys(TskSkinKeys& keys) override;

  fw::TRect TextRect;
  std::string FontName = "Arial";
  int FontHeight = 14;
  fw::TFontStyles FontStyle = 0;
  fw::TColor FontColor = 0, ActiveFontColor = 0;
  TAlignment Alignment = taCenter;
  bool Light = false;
  fw::TColor LightColor = 0, ActiveLightColor = 0;
  bool Shadow = false;
  fw::TColor ShadowColor = 0, ActiveShadowColor = 0;
  fw::TRect FrameRect, ActiveFrameRect;
  fw::TRect FrameTextRect;
  int FrameLeftOffset = 0, FrameRightOffset = 0;
  bool StretchEffect = false;
  fw::TRect AnimateSkinRect;
  int FrameCount = 0;
  int AnimateInterval = 25;
  bool InActiveAnimation = false;
  bool FullFrame = false;
  bool VistaGlowEffect = false, VistaGlowInActiveEffect = false;
  bool GlowEffect = false, GlowInActiveEffect = false;
  int GlowSize = 3;
  fw::TColor GlowColor = 0, GlowActiveColor = 0;
  int GlowOffset = 0;
  bool ReflectionEffect = false;
  fw::TColor ReflactionColor = 0, ReflactionActiveColor = 0;  // keys spelled so
  int ReflectionOffset = 0;
};

}  // namespace sk

namespace sk {

// The type words of [SKINOBJECTS] and [SKINCONTROLS] and the record class
// each creates.
struct TskRecordType {
  const char* word;
  const char* className;
  std::type_index type;
};
const std::vector<TskRecordType>& SkinObjectTypes();
const std::vector<TskRecordType>& SkinControlTypes();
// The record for a type word (exact, case-sensitive), or null for a word
// that names no record class.
std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::string_view typeWord, std::string sectionName);
// Declared here, defined with the control records.
class TskDataSkinControl;
std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::string_view typeWord, std::string sectionName);
// The type word and class name of a record, or null when it is none of them.
const TskRecordType* SkinRecordTypeOf(const TskDataSkinSection& record);

// Splits a list entry "name:type" at its first colon; no colon gives two
// empty parts.
void SplitSkinEntry(std::string_view entry, std::string& name, std::string& type);

}  // namespace sk
