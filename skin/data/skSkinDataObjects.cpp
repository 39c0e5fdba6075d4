// Object records ([SKINOBJECTS]): keys, fix-ups and the type-word table.
#include <functional>

#include "skin/data/skSkinDataControls.h"
#include "skin/data/skSkinDataRecords.h"

namespace sk {

void TskDataSkinObject::ExchangeKeys(TskSkinKeys& k) {
  k.String("hint", Hint);
  k.PictureIndex("activepictureindex", ActivePictureIndex);
  k.PictureIndex("activemaskpictureindex", ActiveMaskPictureIndex);
  k.Flag("skinrectinapicture", SkinRectInAPicture);
  k.Rect("skinrect", SkinRect);
  k.Rect("activeskinrect", ActiveSkinRect);
  k.Rect("inactiveskinrect", InActiveSkinRect);
  k.Flag("morphing", Morphing);
  k.MorphKind("morphkind", MorphKind);
  k.PictureIndex("glowlayerpictureindex", GlowLayerPictureIndex);
  k.PictureIndex("glowlayermaskpictureindex", GlowLayerMaskPictureIndex);
  k.Integer("glowlayeroffsetx", GlowLayerOffsetX);
  k.Integer("glowlayeroffsety", GlowLayerOffsetY);
  k.Integer("glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

void TskDataUserObject::ExchangeKeys(TskSkinKeys& k) { k.Rect("skinrect", SkinRect); }

void TskDataSkinButton::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinObject::ExchangeKeys(k);
  k.Rect("downrect", DownRect);
  k.Rect("disableskinrsect", DisableSkinRsect);
}

namespace {

void RestoreKeys(TskSkinKeys& k, fw::TRect& normal, fw::TRect& active, fw::TRect& down, fw::TRect& inactive,
                 std::string& hint) {
  k.Rect("restorerect", normal);
  k.Rect("restoreactiverect", active);
  k.Rect("restoredownrect", down);
  k.Rect("restoreinactiverect", inactive);
  k.String("restorehint", hint);
}

// A caption button that restores gets "Restore" as its second hint when the
// skin names none, but only for the stock English hints.
void DefaultRestoreHint(const std::string& hint, TskStdCommand command, std::string& restoreHint) {
  if (!restoreHint.empty()) return;
  if ((hint == "Maximize" && command == cmMaximize) || (hint == "Minimize" && command == cmMinimize) ||
      ((hint == "RollUp" || hint == "Roll Up") && command == cmRollUp)) {
    restoreHint = "Restore";
  }
}

}  // namespace

void TskDataSkinStdButton::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinButton::ExchangeKeys(k);
  k.Command("command", Command);
  RestoreKeys(k, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect, RestoreHint);
}

void TskDataSkinStdButton::AfterLoad() {
  TskDataSkinButton::AfterLoad();
  DefaultRestoreHint(Hint, Command, RestoreHint);
}

void TskDataSkinAnimate::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinObject::ExchangeKeys(k);
  k.Integer("countframes", CountFrames, 1);
  k.Flag("cycle", Cycle);
  k.Flag("buttonstyle", ButtonStyle);
  k.Integer("timerinterval", TimerInterval, 50);
  k.Command("command", Command);
  k.Rect("downskinrect", DownSkinRect);
  RestoreKeys(k, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect, RestoreHint);
}

void TskDataSkinAnimate::AfterLoad() {
  TskDataSkinObject::AfterLoad();
  Morphing = false;  // frame animation and morphing never mix
  DefaultRestoreHint(Hint, Command, RestoreHint);
}

void TskDataSkinMenuItem::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinObject::ExchangeKeys(k);
  k.Integer("itemleftoffset", ItemLeftOffset);
  k.Integer("itemrightoffset", ItemRightOffset);
  k.Rect("dividerrect", DividerRect);
  k.Integer("dividerleftoffset", DividerLeftOffset);
  k.Integer("dividerrightoffset", DividerRightOffset);
  k.Rect("textrect", TextRect);
  k.Rect("imagerect", ImageRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("unenabledfontcolor", UnEnabledFontColor);
  k.Flag("stretcheffect", StretchEffect);
  k.Flag("inactivestretcheffect", InActiveStretchEffect);
  k.Flag("dividerstretcheffect", DividerStretchEffect);
  k.Rect("animateskinrect", AnimateSkinRect);
  k.Integer("framecount", FrameCount);
  k.Integer("animateinterval", AnimateInterval, 25);
  k.Flag("inactiveanimation", InActiveAnimation);
  k.Flag("useimagecolor", UseImageColor);
  k.Color("imagecolor", ImageColor);
  k.Color("activeimagecolor", ActiveImageColor);
  k.Flag("inactivetransparent", InActiveTransparent);
  k.Rect("checkimagerect", CheckImageRect);
  k.Rect("activecheckimagerect", ActiveCheckImageRect);
  k.Rect("radioimagerect", RadioImageRect);
  k.Rect("activeradioimagerect", ActiveRadioImageRect);
  k.Rect("arrowimagerect", ArrowImageRect);
  k.Rect("activearrowimagerect", ActiveArrowImageRect);
}

void TskDataSkinMenuItem::AfterLoad() {
  TskDataSkinObject::AfterLoad();
  if (ActiveCheckImageRect.IsEmpty()) ActiveCheckImageRect = CheckImageRect;
  if (ActiveRadioImageRect.IsEmpty()) ActiveRadioImageRect = RadioImageRect;
  if (ActiveArrowImageRect.IsEmpty()) ActiveArrowImageRect = ArrowImageRect;
}

void TskDataSkinMainMenuItem::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinObject::ExchangeKeys(k);
  k.Integer("itemleftoffset", ItemLeftOffset);
  k.Integer("itemrightoffset", ItemRightOffset);
  k.Rect("downrect", DownRect);
  k.Rect("textrect", TextRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Color("downfontcolor", DownFontColor);
  k.Color("unenabledfontColor", UnEnabledFontColor);
  k.Flag("stretcheffect", StretchEffect);
  k.Rect("animateskinrect", AnimateSkinRect);
  k.Integer("framecount", FrameCount);
  k.Integer("animateinterval", AnimateInterval, 25);
  k.Flag("inactiveanimation", InActiveAnimation);
}

void TskDataSkinCaption::ExchangeKeys(TskSkinKeys& k) {
  TskDataSkinObject::ExchangeKeys(k);
  k.Rect("textrect", TextRect);
  k.Font(FontName, FontHeight, FontStyle, FontColor);
  k.Color("activefontcolor", ActiveFontColor);
  k.Alignment("alignment", Alignment);
  k.Flag("light", Light);
  k.Color("lightcolor", LightColor);
  k.Color("activelightcolor", ActiveLightColor);
  k.Flag("shadow", Shadow);
  k.Color("shadowcolor", ShadowColor);
  k.Color("activeshadowcolor", ActiveShadowColor);
  k.Rect("framerect", FrameRect);
  k.Rect("activeframerect", ActiveFrameRect);
  k.Rect("frametextrect", FrameTextRect);
  k.Integer("frameleftoffset", FrameLeftOffset);
  k.Integer("framerightoffset", FrameRightOffset);
  k.Flag("stretcheffect", StretchEffect);
  k.Rect("animateskinrect", AnimateSkinRect);
  k.Integer("framecount", FrameCount);
  k.Integer("animateinterval", AnimateInterval, 25);
  k.Flag("inactiveanimation", InActiveAnimation);
  k.Flag("fullframe", FullFrame);
  k.Flag("vistagloweffect", VistaGlowEffect);
  k.Flag("vistaglowinactiveeffect", VistaGlowInActiveEffect);
  k.Flag("gloweffect", GlowEffect);
  k.Flag("glowinactiveeffect", GlowInActiveEffect);
  k.Integer("glowsize", GlowSize, 3);
  k.Color("glowcolor", GlowColor);
  k.Color("glowactivecolor", GlowActiveColor);
  k.Integer("glowoffset", GlowOffset);
  k.Flag("reflectioneffect", ReflectionEffect);
  k.Color("reflactioncolor", ReflactionColor);
  k.Color("reflactionactivecolor", ReflactionActiveColor);
  k.Integer("reflectionoffset", ReflectionOffset);
}

// ---- type words --------------------------------------------------------

namespace {

template <class Base>
struct TypeEntry {
  TskRecordType type;
  std::function<std::unique_ptr<Base>(std::string)> create;
};

template <class Base, class T>
TypeEntry<Base> Entry(const char* word, const char* className) {
  return {{word, className, std::type_index(typeid(T))},
          [](std::string name) { return std::make_unique<T>(std::move(name)); }};
}

const std::vector<TypeEntry<TskDataSkinObject>>& ObjectEntries() {
  using B = TskDataSkinObject;
  static const std::vector<TypeEntry<B>> entries = {
      Entry<B, TskDataSkinButton>("button", "TskDataSkinButton"),
      Entry<B, TskDataSkinStdButton>("stdbutton", "TskDataSkinStdButton"),
      Entry<B, TskDataSkinMainMenuBarButton>("mainmenubarbutton", "TskDataSkinMainMenuBarButton"),
      Entry<B, TskDataSkinCaption>("caption", "TskDataSkinCaption"),
      Entry<B, TskDataSkinAnimate>("animate", "TskDataSkinAnimate"),
      Entry<B, TskDataSkinMenuItem>("menuitem", "TskDataSkinMenuItem"),
      Entry<B, TskDataSkinMainMenuBarItem>("mainmenubaritem", "TskDataSkinMainMenuBarItem"),
      Entry<B, TskDataUserObject>("userobject", "TskDataUserObject"),
  };
  return entries;
}

const std::vector<TypeEntry<TskDataSkinControl>>& ControlEntries() {
  using B = TskDataSkinControl;
  static const std::vector<TypeEntry<B>> entries = {
      Entry<B, TskDataSkinPanelControl>("panel", "TskDataSkinPanelControl"),
      Entry<B, TskDataSkinExPanelControl>("expanel", "TskDataSkinExPanelControl"),
      Entry<B, TskDataSkinButtonControl>("button", "TskDataSkinButtonControl"),
      Entry<B, TskDataSkinMenuButtonControl>("menubutton", "TskDataSkinMenuButtonControl"),
      Entry<B, TskDataSkinCheckRadioControl>("checkradio", "TskDataSkinCheckRadioControl"),
      Entry<B, TskDataSkinGaugeControl>("gauge", "TskDataSkinGaugeControl"),
      Entry<B, TskDataSkinSplitterControl>("splitter", "TskDataSkinSplitterControl"),
      Entry<B, TskDataSkinTrackBarControl>("trackbar", "TskDataSkinTrackBarControl"),
      Entry<B, TskDataSkinLabelControl>("label", "TskDataSkinLabelControl"),
      Entry<B, TskDataSkinStdLabelControl>("stdlabel", "TskDataSkinStdLabelControl"),
      Entry<B, TskDataSkinUpDownControl>("updown", "TskDataSkinUpDownControl"),
      Entry<B, TskDataSkinGridControl>("grid", "TskDataSkinGridControl"),
      Entry<B, TskDataSkinTabControl>("tab", "TskDataSkinTabControl"),
      Entry<B, TskDataSkinMainMenuBar>("mainmenubar", "TskDataSkinMainMenuBar"),
      Entry<B, TskDataSkinControlBar>("controlbar", "TskDataSkinControlBar"),
      Entry<B, TskDataSkinMemoControl>("memo", "TskDataSkinMemoControl"),
      Entry<B, TskDataSkinEditControl>("edit", "TskDataSkinEditControl"),
      Entry<B, TskDataSkinCheckListBox>("checklistbox", "TskDataSkinCheckListBox"),
      Entry<B, TskDataSkinListBox>("listbox", "TskDataSkinListBox"),
      Entry<B, TskDataSkinComboBox>("combobox", "TskDataSkinComboBox"),
      Entry<B, TskDataSkinScrollBarControl>("scrollbar", "TskDataSkinScrollBarControl"),
      Entry<B, TskDataSkinSpinEditControl>("spinedit", "TskDataSkinSpinEditControl"),
      Entry<B, TskDataSkinScrollBoxControl>("scrollbox", "TskDataSkinScrollBoxControl"),
      Entry<B, TskDataSkinTreeView>("treeview", "TskDataSkinTreeView"),
      Entry<B, TskDataSkinBevel>("bevel", "TskDataSkinBevel"),
      Entry<B, TskDataSkinSlider>("slider", "TskDataSkinSlider"),
      Entry<B, TskDataSkinListView>("listview", "TskDataSkinListView"),
      Entry<B, TskDataSkinRichEdit>("richedit", "TskDataSkinRichEdit"),
  };
  return entries;
}

template <class Base>
std::vector<TskRecordType> TypesOf(const std::vector<TypeEntry<Base>>& entries) {
  std::vector<TskRecordType> out;
  for (const auto& e : entries) out.push_back(e.type);
  return out;
}

template <class Base>
std::unique_ptr<Base> CreateFrom(const std::vector<TypeEntry<Base>>& entries, std::string_view word, std::string name) {
  for (const auto& e : entries) {
    if (word == e.type.word) return e.create(std::move(name));
  }
  return nullptr;
}

}  // namespace

const std::vector<TskRecordType>& SkinObjectTypes() {
  static const std::vector<TskRecordType> types = TypesOf(ObjectEntries());
  return types;
}

const std::vector<TskRecordType>& SkinControlTypes() {
  static const std::vector<TskRecordType> types = TypesOf(ControlEntries());
  return types;
}

std::unique_ptr<TskDataSkinObject> CreateSkinObject(std::string_view typeWord, std::string sectionName) {
  return CreateFrom(ObjectEntries(), typeWord, std::move(sectionName));
}

std::unique_ptr<TskDataSkinControl> CreateSkinControl(std::string_view typeWord, std::string sectionName) {
  return CreateFrom(ControlEntries(), typeWord, std::move(sectionName));
}

const TskRecordType* SkinRecordTypeOf(const TskDataSkinSection& record) {
  const std::type_index type(typeid(record));
  const bool isObject = dynamic_cast<const TskDataSkinObject*>(&record) != nullptr;
  for (const auto& t : isObject ? SkinObjectTypes() : SkinControlTypes()) {
    if (t.type == type) return &t;
  }
  return nullptr;
}

void SplitSkinEntry(std::string_view entry, std::string& name, std::string& type) {
  const auto colon = entry.find(':');
  if (colon == std::string_view::npos) {
    name.clear();
    type.clear();
    return;
  }
  name = std::string(entry.substr(0, colon));
  type = std::string(entry.substr(colon + 1));
}

}  // namespace sk
