#include "skin/controls/skControlsRegistration.h"

#include "framework/ImgList.h"
#include "framework/Layout.h"
#include "framework/StandardClasses.h"
#include "framework/Utf.h"
#include "skin/controls/skSkinPanel.h"
#include "skin/data/skSkinData.h"

namespace sk {
namespace {

using fw::ClassInfo;
using fw::LayoutContext;
using fw::LayoutValue;

// Record names are code-page bytes; layouts write them in ASCII.
std::string RecordName(const LayoutValue& v) { return fw::WideToUtf8(v.AsText()); }

template <class T>
fw::TFont DefaultFontWith(T& control, auto change) {
  fw::TFont font = control.DefaultFont();
  change(font);
  return font;
}

// DefaultFont.Name, .Height, .Color, .Charset and .Style of a custom control.
template <class T>
void RegisterDefaultFont(ClassInfo& info) {
  const auto set = [](const std::wstring& name, auto change) {
    return std::pair{name, fw::PropertySetter([change](fw::TComponent& c, const LayoutValue& v, LayoutContext&) {
                       T& control = ClassInfo::Cast<T>(c, v);
                       control.SetDefaultFont(DefaultFontWith(control, [&](fw::TFont& f) { change(f, v); }));
                     })};
  };
  static const std::vector<std::pair<std::wstring, int>> charsets = {
      {L"ANSI_CHARSET", 0}, {L"DEFAULT_CHARSET", 1}, {L"GB2312_CHARSET", 134}};
  static const std::vector<std::pair<std::wstring, fw::TFontStyles>> styles = {{L"fsBold", fw::fsBold},
                                                                               {L"fsItalic", fw::fsItalic},
                                                                               {L"fsUnderline", fw::fsUnderline},
                                                                               {L"fsStrikeOut", fw::fsStrikeOut}};
  const std::pair<std::wstring, fw::PropertySetter> setters[] = {
      set(L"DefaultFont.Name", [](fw::TFont& f, const LayoutValue& v) { f.SetName(v.AsText()); }),
      set(L"DefaultFont.Height", [](fw::TFont& f, const LayoutValue& v) { f.SetHeight(v.AsInt()); }),
      set(L"DefaultFont.Color", [](fw::TFont& f, const LayoutValue& v) { f.SetColor(fw::ColorFromLayout(v)); }),
      set(L"DefaultFont.Charset",
          [](fw::TFont& f, const LayoutValue& v) {
            const int charset =
                v.kind == LayoutValue::Kind::Integer ? v.AsInt() : ClassInfo::LookupName(charsets, v.AsIdent(), v.line);
            f.SetCharset(static_cast<uint8_t>(charset));
          }),
      set(L"DefaultFont.Style",
          [](fw::TFont& f, const LayoutValue& v) {
            fw::TFontStyles style = 0;
            for (const auto& m : ClassInfo::SetMembers(v)) style |= ClassInfo::LookupName(styles, m, v.line);
            f.SetStyle(style);
          }),
  };
  for (const auto& [name, setter] : setters) info.Property(name, setter);
}

template <class T>
void RegisterBinding(ClassInfo& info) {
  info.Reference<T, TskSkinData>(L"SkinData", &T::SetSkinData)
      .Property(L"SkinDataName", [](fw::TComponent& c, const LayoutValue& v,
                                    LayoutContext&) { ClassInfo::Cast<T>(c, v).SetSkinDataName(RecordName(v)); })
      .template Text<T>(L"HintTitle", &T::SetHintTitle)
      .template Int<T>(L"HintImageIndex", &T::SetHintImageIndex)
      .template Reference<T, fw::TImageList>(L"HintImageList", &T::SetHintImageList);
}

template <class T>
void RegisterLook(ClassInfo& info) {
  RegisterDefaultFont<T>(info);
  info.template Int<T>(L"DefaultWidth", &T::SetDefaultWidth)
      .template Int<T>(L"DefaultHeight", &T::SetDefaultHeight)
      .template Bool<T>(L"UseSkinFont", &T::SetUseSkinFont);
}

}  // namespace

void RegisterSkinControlClasses() {
  fw::ClassRegistry& r = fw::ClassRegistry::Instance();

  RegisterBinding<TskSkinControl>(r.RegisterBase<TskSkinControl>(L"TskSkinControl", L"TCustomControl"));
  RegisterLook<TskSkinCustomControl>(r.RegisterBase<TskSkinCustomControl>(L"TskSkinCustomControl", L"TskSkinControl"));
  RegisterBinding<TskGraphicSkinControl>(
      r.RegisterBase<TskGraphicSkinControl>(L"TskGraphicSkinControl", L"TGraphicControl"));
  RegisterLook<TskGraphicSkinCustomControl>(
      r.RegisterBase<TskGraphicSkinCustomControl>(L"TskGraphicSkinCustomControl", L"TskGraphicSkinControl"));

  const std::vector<std::pair<std::wstring, TAlignment>> alignments = {
      {L"taLeftJustify", taLeftJustify}, {L"taRightJustify", taRightJustify}, {L"taCenter", taCenter}};
  const std::vector<std::pair<std::wstring, TskSkinBorderStyle>> borders = {
      {L"bvFrame", bvFrame}, {L"bvRaised", bvRaised}, {L"bvLowered", bvLowered}, {L"bvNone", bvNone}};
  const std::vector<std::pair<std::wstring, TskImagePosition>> positions = {{L"skiposDefault", skiposDefault},
                                                                            {L"skiposLeft", skiposLeft}};
  r.Register<TskSkinPanel>(L"TskSkinPanel", L"TskSkinCustomControl")
      .Enum<TskSkinPanel, TskImagePosition>(L"ImagePosition", &TskSkinPanel::SetImagePosition, positions)
      .Bool<TskSkinPanel>(L"TransparentMode", &TskSkinPanel::SetTransparentMode)
      .Reference<TskSkinPanel, fw::TImageList>(L"CaptionImageList", &TskSkinPanel::SetCaptionImageList)
      .Int<TskSkinPanel>(L"CaptionImageIndex", &TskSkinPanel::SetCaptionImageIndex)
      .Int<TskSkinPanel>(L"RealHeight", &TskSkinPanel::SetRealHeight)
      .Bool<TskSkinPanel>(L"AutoEnabledControls", &TskSkinPanel::SetAutoEnabledControls)
      .Bool<TskSkinPanel>(L"CheckedMode", &TskSkinPanel::SetCheckedMode)
      .Bool<TskSkinPanel>(L"Checked", &TskSkinPanel::SetChecked)
      .Enum<TskSkinPanel, TAlignment>(L"DefaultAlignment", &TskSkinPanel::SetDefaultAlignment, alignments)
      .Int<TskSkinPanel>(L"DefaultCaptionHeight", &TskSkinPanel::SetDefaultCaptionHeight)
      .Enum<TskSkinPanel, TskSkinBorderStyle>(L"BorderStyle", &TskSkinPanel::SetBorderStyle, borders)
      .Bool<TskSkinPanel>(L"CaptionMode", &TskSkinPanel::SetCaptionMode)
      .Bool<TskSkinPanel>(L"RollUpMode", &TskSkinPanel::SetRollUpMode)
      .Bool<TskSkinPanel>(L"RollUpState", &TskSkinPanel::SetRollUpState)
      .Int<TskSkinPanel>(L"NumGlyphs", &TskSkinPanel::SetNumGlyphs)
      .Int<TskSkinPanel>(L"Spacing", &TskSkinPanel::SetSpacing)
      .Event<TskSkinPanel>(L"OnChecked", &TskSkinPanel::OnChecked)
      .Event<TskSkinPanel>(L"OnChangeRollUpState", &TskSkinPanel::OnChangeRollUpState);
  r.Register<TskSkinPaintPanel>(L"TskSkinPaintPanel", L"TskSkinPanel");
  r.Register<TskSkinStatusBar>(L"TskSkinStatusBar", L"TskSkinPanel")
      .Bool<TskSkinStatusBar>(L"SizeGrip", &TskSkinStatusBar::SetSizeGrip);
}

}  // namespace sk
