// TskSkinForm as layouts write it.
#include <type_traits>

#include "framework/Layout.h"
#include "skin/controls/skSkinPanel.h"
#include "skin/data/skSkinData.h"
#include "skin/form/skSkinForm.h"

namespace sk {

namespace {

template <class V>
fw::PropertySetter Field(V TskSkinForm::*field) {
  return [field](fw::TComponent& c, const fw::LayoutValue& v, fw::LayoutContext&) {
    TskSkinForm& form = fw::ClassInfo::Cast<TskSkinForm>(c, v);
    if constexpr (std::is_same_v<V, bool>) {
      form.*field = v.AsBool();
    } else {
      form.*field = v.AsInt();
    }
  };
}

void SetPositionInMonitor(fw::TComponent& c, const fw::LayoutValue& v, fw::LayoutContext&) {
  fw::ClassInfo::Cast<TskSkinForm>(c, v).PositionInMonitor =
      fw::ClassInfo::LookupName<TskPositionInMonitor>({{L"skpDefault", TskPositionInMonitor::Default},
                                                       {L"skpScreenCenter", TskPositionInMonitor::ScreenCenter},
                                                       {L"skpDesktopCenter", TskPositionInMonitor::DesktopCenter}},
                                                      v.AsIdent(), v.line);
}

}  // namespace

void RegisterSkinFormClasses() {
  using F = TskSkinForm;
  fw::ClassRegistry::Instance()
      .Register<F>(L"TskSkinForm", L"TComponent")
      .Reference<F, TskSkinData>(L"SkinData", &F::SetSkinData)
      .Set<F, TskBorderIcons>(L"BorderIcons", &F::SetBorderIcons,
                              {{L"biSystemMenu", biSystemMenu},
                               {L"biMinimize", biMinimize},
                               {L"biMaximize", biMaximize},
                               {L"biRollUp", biRollUp},
                               {L"biMinimizeToTray", biMinimizeToTray}})
      .Property(L"AlwaysResize", Field(&F::AlwaysResize))
      .Property(L"AlwaysShowInTray", Field(&F::AlwaysShowInTray))
      .Property(L"AlwaysMinimizeToTray", Field(&F::AlwaysMinimizeToTray))
      .Property(L"ShowIcon", Field(&F::ShowIcon))
      .Property(L"UseDefaultSysMenu", Field(&F::UseDefaultSysMenu))
      .Property(L"DisableSystemMenu", Field(&F::DisableSystemMenu))
      .Property(L"HideCaptionButtons", Field(&F::HideCaptionButtons))
      .Property(L"UseFormCursorInNCArea", Field(&F::UseFormCursorInNCArea))
      .Property(L"UseSkinFontInMenu", Field(&F::UseSkinFontInMenu))
      .Property(L"DefMenuItemHeight", Field(&F::DefMenuItemHeight))
      .Property(L"MinWidth", Field(&F::MinWidth))
      .Property(L"MinHeight", Field(&F::MinHeight))
      .Property(L"MaxWidth", Field(&F::MaxWidth))
      .Property(L"MaxHeight", Field(&F::MaxHeight))
      .Property(L"MaximizeOnFullScreen", Field(&F::MaximizeOnFullScreen))
      .Property(L"PositionInMonitor", SetPositionInMonitor)
      .Property(L"Magnetic", Field(&F::Magnetic))
      .Property(L"MagneticSize", Field(&F::MagneticSize))
      .Property(L"AlphaBlendAnimation", Field(&F::AlphaBlendAnimation))
      .Bool<F>(L"AlphaBlend", &F::SetAlphaBlend)
      .Int<F>(L"AlphaBlendValue", &F::SetAlphaBlendValue)
      .Reference<F, TskSkinStatusBar>(L"StatusBar", &F::SetStatusBar)
      .Event<F>(L"OnMinimize", &F::OnMinimize)
      .Event<F>(L"OnRestore", &F::OnRestore)
      .Event<F>(L"OnMaximize", &F::OnMaximize)
      .Event<F>(L"OnChangeRollUpState", &F::OnChangeRollUpState);
}

}  // namespace sk
