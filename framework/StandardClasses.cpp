#include "framework/StandardClasses.h"

#include "framework/Bmp.h"
#include "framework/Exceptions.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/MenusWin.h"
#include "framework/StdCtrls.h"

namespace fw {
namespace {

const std::vector<std::pair<std::wstring, TColor>>& ColorNames() {
  static const std::vector<std::pair<std::wstring, TColor>> names = {
      {L"clBlack", clBlack},
      {L"clWhite", clWhite},
      {L"clRed", clRed},
      {L"clNone", clNone},
      {L"clDefault", clDefault},
      {L"clScrollBar", clScrollBar},
      {L"clWindow", clWindow},
      {L"clWindowText", clWindowText},
      {L"clBtnFace", clBtnFace},
      {L"clBtnShadow", clBtnShadow},
      {L"clGrayText", clGrayText},
      {L"clBtnText", clBtnText},
      {L"clBtnHighlight", clBtnHighlight},
      {L"clInfoText", clInfoText},
      {L"clInfoBk", clInfoBk},
  };
  return names;
}

const std::vector<std::pair<std::wstring, TFontStyles>> kFontStyles = {
    {L"fsBold", fsBold}, {L"fsItalic", fsItalic}, {L"fsUnderline", fsUnderline}, {L"fsStrikeOut", fsStrikeOut}};

int CharsetFromLayout(const LayoutValue& v) {
  if (v.kind == LayoutValue::Kind::Integer) return v.AsInt();
  static const std::vector<std::pair<std::wstring, int>> names = {
      {L"ANSI_CHARSET", 0}, {L"DEFAULT_CHARSET", 1}, {L"GB2312_CHARSET", 134}};
  return ClassInfo::LookupName(names, v.AsIdent(), v.line);
}

void RegisterFontProperties(ClassInfo& info) {
  info.Property(L"Font.Name", [](TComponent& c, const LayoutValue& v,
                                 LayoutContext&) { ClassInfo::Cast<TControl>(c, v).Font().SetName(v.AsText()); })
      .Property(L"Font.Height", [](TComponent& c, const LayoutValue& v,
                                   LayoutContext&) { ClassInfo::Cast<TControl>(c, v).Font().SetHeight(v.AsInt()); })
      .Property(L"Font.Color",
                [](TComponent& c, const LayoutValue& v, LayoutContext&) {
                  ClassInfo::Cast<TControl>(c, v).Font().SetColor(ColorFromLayout(v));
                })
      .Property(L"Font.Charset",
                [](TComponent& c, const LayoutValue& v, LayoutContext&) {
                  ClassInfo::Cast<TControl>(c, v).Font().SetCharset(static_cast<uint8_t>(CharsetFromLayout(v)));
                })
      .Property(L"Font.Style", [](TComponent& c, const LayoutValue& v, LayoutContext&) {
        TFontStyles style = 0;
        for (const auto& m : ClassInfo::SetMembers(v)) style |= ClassInfo::LookupName(kFontStyles, m, v.line);
        ClassInfo::Cast<TControl>(c, v).Font().SetStyle(style);
      });
}

// Menus with their items nested inside them, and image lists whose images
// come as one BMP strip (Width and Height given before it).
void RegisterMenuClasses(ClassRegistry& r) {
  r.Register<TImageList>(L"TImageList", L"TComponent")
      .Int<TImageList>(L"Width", &TImageList::SetWidth)
      .Int<TImageList>(L"Height", &TImageList::SetHeight)
      .Property(L"Bitmap", [](TComponent& c, const LayoutValue& v, LayoutContext&) {
        if (v.kind != LayoutValue::Kind::Binary)
          throw ELayoutError(L"Layout line " + std::to_wstring(v.line) + L": binary data expected");
        TMemoryStream stream(v.bytes);
        const TBitmap strip = ReadBmp(stream);
        auto& list = ClassInfo::Cast<TImageList>(c, v);
        // A 32-bit strip brings its own transparency; others are keyed on
        // their bottom-left pixel.
        if (strip.PixelFormat() == TPixelFormat::pf32bit) {
          list.AddAlpha(strip);
        } else {
          list.AddMasked(strip, clDefault);
        }
      });

  r.RegisterBase<TMenu>(L"TMenu", L"TComponent").Reference<TMenu, TImageList>(L"Images", &TMenu::SetImages);
  r.Register<TPopupMenu>(L"TPopupMenu", L"TMenu").Event<TPopupMenu>(L"OnPopup", &TPopupMenu::OnPopup);
  r.Register<TMainMenu>(L"TMainMenu", L"TMenu");
  r.Register<TMenuItem>(L"TMenuItem", L"TComponent")
      .Text<TMenuItem>(L"Caption", &TMenuItem::SetCaption)
      .Property(
          L"ShortCut",
          [](TComponent& c, const LayoutValue& v, LayoutContext&) {
            // Stored as the number, or written as its text ('Ctrl+S').
            auto& item = ClassInfo::Cast<TMenuItem>(c, v);
            if (v.kind == LayoutValue::Kind::Integer) {
              item.SetShortCut(static_cast<TShortCut>(v.AsInt()));
              return;
            }
            const TShortCut shortCut = TextToShortCut(v.AsText());
            if (shortCut == scNone && !v.AsText().empty()) {
              throw ELayoutError(L"Layout line " + std::to_wstring(v.line) + L": unknown short cut " + v.AsText());
            }
            item.SetShortCut(shortCut);
          })
      .Bool<TMenuItem>(L"Checked", &TMenuItem::SetChecked)
      .Bool<TMenuItem>(L"RadioItem", &TMenuItem::SetRadioItem)
      .Int<TMenuItem>(L"GroupIndex", &TMenuItem::SetGroupIndex)
      .Bool<TMenuItem>(L"Default", &TMenuItem::SetDefault)
      .Bool<TMenuItem>(L"Enabled", &TMenuItem::SetEnabled)
      .Bool<TMenuItem>(L"Visible", &TMenuItem::SetVisible)
      .Int<TMenuItem>(L"ImageIndex", &TMenuItem::SetImageIndex)
      .Text<TMenuItem>(L"Hint", &TMenuItem::SetHint)
      .Event<TMenuItem>(L"OnClick", &TMenuItem::OnClick);
}

void RegisterConstraintProperties(ClassInfo& info) {
  using Setter = void (TSizeConstraints::*)(int);
  const std::pair<const wchar_t*, Setter> limits[] = {{L"Constraints.MinWidth", &TSizeConstraints::SetMinWidth},
                                                      {L"Constraints.MinHeight", &TSizeConstraints::SetMinHeight},
                                                      {L"Constraints.MaxWidth", &TSizeConstraints::SetMaxWidth},
                                                      {L"Constraints.MaxHeight", &TSizeConstraints::SetMaxHeight}};
  for (const auto& [name, setter] : limits) {
    info.Property(name, [setter](TComponent& c, const LayoutValue& v, LayoutContext&) {
      (ClassInfo::Cast<TControl>(c, v).Constraints().*setter)(v.AsInt());
    });
  }
}

}  // namespace

TColor ColorFromLayout(const LayoutValue& v) {
  if (v.kind == LayoutValue::Kind::Integer) return v.AsInt();
  return ClassInfo::LookupName(ColorNames(), v.AsIdent(), v.line);
}

TCursor CursorFromLayout(const LayoutValue& v) {
  if (v.kind == LayoutValue::Kind::Integer) return v.AsInt();
  static const std::vector<std::pair<std::wstring, TCursor>> names = {
      {L"crDefault", crDefault}, {L"crArrow", crArrow}, {L"crIBeam", crIBeam}, {L"crHandPoint", crHandPoint}};
  return ClassInfo::LookupName(names, v.AsIdent(), v.line);
}

const std::vector<std::pair<std::wstring, TAlign>>& AlignNames() {
  static const std::vector<std::pair<std::wstring, TAlign>> names = {
      {L"alNone", TAlign::alNone}, {L"alTop", TAlign::alTop},     {L"alBottom", TAlign::alBottom},
      {L"alLeft", TAlign::alLeft}, {L"alRight", TAlign::alRight}, {L"alClient", TAlign::alClient}};
  return names;
}

void RegisterStandardClasses() {
  ClassRegistry& r = ClassRegistry::Instance();
  r.RegisterBase<TComponent>(L"TComponent", L"");

  ClassInfo& control = r.RegisterBase<TControl>(L"TControl", L"TComponent");
  control.Int<TControl>(L"Left", &TControl::SetLeft)
      .Int<TControl>(L"Top", &TControl::SetTop)
      .Int<TControl>(L"Width", &TControl::SetWidth)
      .Int<TControl>(L"Height", &TControl::SetHeight)
      .Int<TControl>(L"ClientWidth", &TControl::SetClientWidth)
      .Int<TControl>(L"ClientHeight", &TControl::SetClientHeight)
      .Enum<TControl, TAlign>(L"Align", &TControl::SetAlign, AlignNames())
      .Bool<TControl>(L"Visible", &TControl::SetVisible)
      .Bool<TControl>(L"Enabled", &TControl::SetEnabled)
      .Text<TControl>(L"Caption", &TControl::SetCaption)
      .Text<TControl>(L"Text", &TControl::SetText)
      .Text<TControl>(L"Hint", &TControl::SetHint)
      .Bool<TControl>(L"ShowHint", &TControl::SetShowHint)
      .Bool<TControl>(L"ParentShowHint", &TControl::SetParentShowHint)
      .Bool<TControl>(L"ParentFont", &TControl::SetParentFont)
      .Bool<TControl>(L"ParentColor", &TControl::SetParentColor)
      .Property(L"Color", [](TComponent& c, const LayoutValue& v,
                             LayoutContext&) { ClassInfo::Cast<TControl>(c, v).SetColor(ColorFromLayout(v)); })
      .Property(L"Cursor", [](TComponent& c, const LayoutValue& v,
                              LayoutContext&) { ClassInfo::Cast<TControl>(c, v).SetCursor(CursorFromLayout(v)); })
      .Event<TControl>(L"OnClick", &TControl::OnClick);
  RegisterFontProperties(control);
  RegisterConstraintProperties(control);

  r.RegisterBase<TGraphicControl>(L"TGraphicControl", L"TControl");
  r.RegisterBase<TWinControl>(L"TWinControl", L"TControl")
      .Int<TWinControl>(L"TabOrder", &TWinControl::SetTabOrder)
      .Bool<TWinControl>(L"TabStop", &TWinControl::SetTabStop);
  r.RegisterBase<TCustomControl>(L"TCustomControl", L"TWinControl");

  r.RegisterBase<TForm>(L"TForm", L"TWinControl")
      .Set<TForm, TBorderIcons>(L"BorderIcons", &TForm::SetBorderIcons,
                                {{L"biSystemMenu", biSystemMenu},
                                 {L"biMinimize", biMinimize},
                                 {L"biMaximize", biMaximize},
                                 {L"biHelp", biHelp}})
      .Enum<TForm, TFormBorderStyle>(L"BorderStyle", &TForm::SetBorderStyle,
                                     {{L"bsNone", TFormBorderStyle::bsNone},
                                      {L"bsSingle", TFormBorderStyle::bsSingle},
                                      {L"bsSizeable", TFormBorderStyle::bsSizeable},
                                      {L"bsDialog", TFormBorderStyle::bsDialog},
                                      {L"bsToolWindow", TFormBorderStyle::bsToolWindow},
                                      {L"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}})
      .Enum<TForm, TPosition>(L"Position", &TForm::SetPosition,
                              {{L"poDesigned", TPosition::poDesigned},
                               {L"poDefault", TPosition::poDefault},
                               {L"poScreenCenter", TPosition::poScreenCenter}})
      .Enum<TForm, TFormStyle>(L"FormStyle", &TForm::SetFormStyle,
                               {{L"fsNormal", TFormStyle::fsNormal},
                                {L"fsMDIChild", TFormStyle::fsMDIChild},
                                {L"fsMDIForm", TFormStyle::fsMDIForm},
                                {L"fsStayOnTop", TFormStyle::fsStayOnTop}})
      .Enum<TForm, TWindowState>(L"WindowState", &TForm::SetWindowState,
                                 {{L"wsNormal", TWindowState::wsNormal},
                                  {L"wsMinimized", TWindowState::wsMinimized},
                                  {L"wsMaximized", TWindowState::wsMaximized}})
      .Int<TForm>(L"PixelsPerInch", &TForm::SetPixelsPerInch)
      .Int<TForm>(L"TextHeight", &TForm::SetTextHeight)
      .Bool<TForm>(L"AutoScroll", &TForm::SetAutoScroll)
      .Event<TForm>(L"OnCreate", &TForm::OnCreate)
      .Event<TForm>(L"OnShow", &TForm::OnShow)
      .Event<TForm>(L"OnHide", &TForm::OnHide)
      .Event<TForm>(L"OnDestroy", &TForm::OnDestroy)
      .Event<TForm>(L"OnActivate", &TForm::OnActivate)
      .Event<TForm>(L"OnDeactivate", &TForm::OnDeactivate)
      .Reference<TForm, TMainMenu>(L"Menu", &TForm::SetMenu);

  r.Register<TMemo>(L"TMemo", L"TWinControl")
      .Enum<TMemo, TScrollStyle>(L"ScrollBars", &TMemo::SetScrollBars,
                                 {{L"ssNone", TScrollStyle::ssNone},
                                  {L"ssHorizontal", TScrollStyle::ssHorizontal},
                                  {L"ssVertical", TScrollStyle::ssVertical},
                                  {L"ssBoth", TScrollStyle::ssBoth}})
      .Bool<TMemo>(L"WordWrap", &TMemo::SetWordWrap)
      .Bool<TMemo>(L"ReadOnly", &TMemo::SetReadOnly);
  r.Register<TButton>(L"TButton", L"TWinControl").Bool<TButton>(L"Default", &TButton::SetDefault);

  static const std::vector<std::pair<std::wstring, TAlignment>> alignments = {
      {L"taLeftJustify", TAlignment::taLeftJustify},
      {L"taRightJustify", TAlignment::taRightJustify},
      {L"taCenter", TAlignment::taCenter}};
  r.Register<TLabel>(L"TLabel", L"TGraphicControl")
      .Bool<TLabel>(L"AutoSize", &TLabel::SetAutoSize)
      .Bool<TLabel>(L"Transparent", &TLabel::SetTransparent)
      .Enum<TLabel, TAlignment>(L"Alignment", &TLabel::SetAlignment, alignments);

  static const std::vector<std::pair<std::wstring, TBevelCut>> bevels = {{L"bvNone", TBevelCut::bvNone},
                                                                         {L"bvLowered", TBevelCut::bvLowered},
                                                                         {L"bvRaised", TBevelCut::bvRaised},
                                                                         {L"bvSpace", TBevelCut::bvSpace}};
  r.Register<TPanel>(L"TPanel", L"TCustomControl")
      .Enum<TPanel, TBevelCut>(L"BevelOuter", &TPanel::SetBevelOuter, bevels)
      .Enum<TPanel, TBevelCut>(L"BevelInner", &TPanel::SetBevelInner, bevels)
      .Int<TPanel>(L"BevelWidth", &TPanel::SetBevelWidth)
      .Enum<TPanel, TAlignment>(L"Alignment", &TPanel::SetAlignment, alignments);
  r.Register<TImage>(L"TImage", L"TGraphicControl")
      .Bool<TImage>(L"Stretch", &TImage::SetStretch)
      .Bool<TImage>(L"Center", &TImage::SetCenter);

  r.Register<TTimer>(L"TTimer", L"TComponent")
      .Bool<TTimer>(L"Enabled", &TTimer::SetEnabled)
      .Property(L"Interval",
                [](TComponent& c, const LayoutValue& v, LayoutContext&) {
                  ClassInfo::Cast<TTimer>(c, v).SetInterval(static_cast<unsigned>(v.AsInt()));
                })
      .Event<TTimer>(L"OnTimer", &TTimer::OnTimer);

  RegisterMenuClasses(r);
}

}  // namespace fw
