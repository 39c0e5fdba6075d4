#include "status/FrRegistration.h"

#include "framework/StandardClasses.h"
#include "status/FrStatus.h"
#include "status/FrStatusPanes.h"
#include "status/FrVersionInfo.h"

namespace fr {

namespace {

using fw::ClassInfo;
using fw::LayoutContext;
using fw::LayoutValue;
using fw::TComponent;

template <class T>
ClassInfo& ColorProperty(ClassInfo& info, const std::wstring& name, void (T::*setter)(TColor)) {
  return info.Property(name, [setter](TComponent& c, const LayoutValue& v, LayoutContext&) {
    (ClassInfo::Cast<T>(c, v).*setter)(fw::ColorFromLayout(v));
  });
}

const std::vector<std::pair<std::wstring, fw::TAlignment>>& AlignmentNames() {
  static const std::vector<std::pair<std::wstring, fw::TAlignment>> names = {
      {L"taLeftJustify", fw::TAlignment::taLeftJustify},
      {L"taRightJustify", fw::TAlignment::taRightJustify},
      {L"taCenter", fw::TAlignment::taCenter}};
  return names;
}

const std::vector<std::pair<std::wstring, TFrVersionInfoField>>& FieldNames() {
  static const std::vector<std::pair<std::wstring, TFrVersionInfoField>> names = {
      {L"vifCompanyName", TFrVersionInfoField::vifCompanyName},
      {L"vifFileDescription", TFrVersionInfoField::vifFileDescription},
      {L"vifFileVersion", TFrVersionInfoField::vifFileVersion},
      {L"vifInternalName", TFrVersionInfoField::vifInternalName},
      {L"vifCopyright", TFrVersionInfoField::vifCopyright},
      {L"vifTrademarks", TFrVersionInfoField::vifTrademarks},
      {L"vifOriginalFilename", TFrVersionInfoField::vifOriginalFilename},
      {L"vifProductName", TFrVersionInfoField::vifProductName},
      {L"vifProductVersion", TFrVersionInfoField::vifProductVersion},
      {L"vifComments", TFrVersionInfoField::vifComments}};
  return names;
}

void RegisterPanel(fw::ClassRegistry& r) {
  ClassInfo& panel = r.RegisterBase<TFrCustomPanel>(L"TFrCustomPanel", L"TCustomControl");
  panel.Enum<TFrCustomPanel, TFrameStyleEx>(L"BorderOuter", &TFrCustomPanel::SetBorderOuter, FrameStyleNames())
      .Enum<TFrCustomPanel, TFrameStyleEx>(L"BorderInner", &TFrCustomPanel::SetBorderInner, FrameStyleNames())
      .Set<TFrCustomPanel, TSides>(L"BorderSides", &TFrCustomPanel::SetBorderSides, SideNames())
      .Int<TFrCustomPanel>(L"BorderWidth", &TFrCustomPanel::SetBorderWidth)
      .Int<TFrCustomPanel>(L"BevelWidth", &TFrCustomPanel::SetBevelWidth)
      .Int<TFrCustomPanel>(L"FlatColorAdjustment", &TFrCustomPanel::SetFlatColorAdjustment)
      .Bool<TFrCustomPanel>(L"FullRepaint", &TFrCustomPanel::SetFullRepaint)
      .Bool<TFrCustomPanel>(L"ThemeAware", &TFrCustomPanel::SetThemeAware);
  ColorProperty(panel, L"BorderColor", &TFrCustomPanel::SetBorderColor);
  ColorProperty(panel, L"FlatColor", &TFrCustomPanel::SetFlatColor);

  r.Register<TFrStatusBar>(L"TFrStatusBar", L"TFrCustomPanel")
      .Bool<TFrStatusBar>(L"AutoStyle", &TFrStatusBar::SetAutoStyle)
      .Bool<TFrStatusBar>(L"ShowSizeGrip", &TFrStatusBar::SetShowSizeGrip)
      .Bool<TFrStatusBar>(L"SimpleStatus", &TFrStatusBar::SetSimpleStatus)
      .Text<TFrStatusBar>(L"SimpleCaption", &TFrStatusBar::SetSimpleCaption)
      .Enum<TFrStatusBar, TFrameStyle>(L"SimpleFrameStyle", &TFrStatusBar::SetSimpleFrameStyle, FrameStyleNames())
      .Bool<TFrStatusBar>(L"AutoScalePanes", &TFrStatusBar::SetAutoScalePanes);
}

void RegisterPanes(fw::ClassRegistry& r) {
  using P = TFrCustomStatusPane;
  ClassInfo& pane = r.RegisterBase<TFrCustomStatusPane>(L"TFrCustomStatusPane", L"TGraphicControl");
  pane.Enum<P, TFrameStyle>(L"FrameStyle", &P::SetFrameStyle, FrameStyleNames())
      .Int<P>(L"BorderWidth", &P::SetBorderWidth)
      .Int<P>(L"FlatColorAdjustment", &P::SetFlatColorAdjustment)
      .Bool<P>(L"ParentFillColor", &P::SetParentFillColor)
      .Reference<P, TFrFrameController>(L"FrameController", &P::SetFrameController)
      .Enum<P, fw::TAlignment>(L"Alignment", &P::SetAlignment, AlignmentNames())
      .Bool<P>(L"AutoSize", &P::SetAutoSize)
      .Int<P>(L"DefaultWidth", &P::SetDefaultWidth)
      .Int<P>(L"CaptionOffset", &P::SetCaptionOffset)
      .Bool<P>(L"Blinking", &P::SetBlinking)
      .Int<P>(L"BlinkIntervalOn", &P::SetBlinkIntervalOnValue)
      .Int<P>(L"BlinkIntervalOff", &P::SetBlinkIntervalOffValue)
      .Bool<P>(L"AutoHint", &P::SetAutoHint);
  ColorProperty(pane, L"FlatColor", &P::SetFlatColor);
  ColorProperty(pane, L"FillColor", &P::SetFillColor);
  ColorProperty(pane, L"BlinkColor", &P::SetBlinkColor);

  r.Register<TFrStatusPane>(L"TFrStatusPane", L"TFrCustomStatusPane");
  r.Register<TFrPollingStatus>(L"TFrPollingStatus", L"TFrCustomStatusPane")
      .Bool<TFrPollingStatus>(L"Active", &TFrPollingStatus::SetActive)
      .Int<TFrPollingStatus>(L"Interval", &TFrPollingStatus::SetIntervalValue);
  r.Register<TFrClockStatus>(L"TFrClockStatus", L"TFrPollingStatus")
      .Text<TFrClockStatus>(L"Format", &TFrClockStatus::SetFormat);
  ClassInfo& field = r.Register<TFrCustomFieldStatus>(L"TFrCustomFieldStatus", L"TFrCustomStatusPane");
  field.Text<TFrCustomFieldStatus>(L"FieldLabel", &TFrCustomFieldStatus::SetFieldLabel);
  ColorProperty(field, L"FieldLabelColor", &TFrCustomFieldStatus::SetFieldLabelColor);
  r.Register<TFrVersionInfoStatus>(L"TFrVersionInfoStatus", L"TFrCustomFieldStatus")
      .Reference<TFrVersionInfoStatus, TFrVersionInfo>(L"VersionInfo", &TFrVersionInfoStatus::SetVersionInfo)
      .Enum<TFrVersionInfoStatus, TFrVersionInfoField>(L"Field", &TFrVersionInfoStatus::SetField, FieldNames());
}

void RegisterComponents(fw::ClassRegistry& r) {
  r.Register<TFrVersionInfo>(L"TFrVersionInfo", L"TComponent")
      .Text<TFrVersionInfo>(L"FilePath", &TFrVersionInfo::SetFilePath);
  using C = TFrFrameController;
  ClassInfo& controller = r.Register(L"TFrFrameController", L"TComponent",
                                     [](TComponent* owner) -> TComponent* { return TComponent::Create<C>(owner); });
  controller.Bool<C>(L"FlatButtons", &C::SetFlatButtons)
      .Enum<C, TFrameStyle>(L"FrameHotStyle", &C::SetFrameHotStyle, FrameStyleNames())
      .Bool<C>(L"FrameHotTrack", &C::SetFrameHotTrack)
      .Set<C, TSides>(L"FrameSides", &C::SetFrameSides, SideNames())
      .Enum<C, TFrameStyle>(L"FrameStyle", &C::SetFrameStyle, FrameStyleNames())
      .Bool<C>(L"FrameVisible", &C::SetFrameVisible)
      .Enum<C, TFramingPreference>(L"FramingPreference", &C::SetFramingPreference, FramingPreferenceNames())
      .Bool<C>(L"ParentColor", &C::SetParentColor);
  ColorProperty(controller, L"Color", &C::SetColor);
  ColorProperty(controller, L"DisabledColor", &C::SetDisabledColor);
  ColorProperty(controller, L"FlatButtonColor", &C::SetFlatButtonColor);
  ColorProperty(controller, L"FocusColor", &C::SetFocusColor);
  ColorProperty(controller, L"FrameColor", &C::SetFrameColor);
  ColorProperty(controller, L"FrameHotColor", &C::SetFrameHotColor);
}

}  // namespace

void RegisterStatusClasses() {
  fw::ClassRegistry& r = fw::ClassRegistry::Instance();
  RegisterPanel(r);
  RegisterPanes(r);
  RegisterComponents(r);
}

}  // namespace fr
