#include "tools/skin-gallery/SpeedButtonsPage.h"

#include "framework/Canvas.h"
#include "skin/menus/skMenus.h"
#include "tools/skin-gallery/GallerySkin.h"

using namespace fw;

namespace gallery {

namespace {

constexpr int kTop = 5;
constexpr int kHeight = 24;

// A strip of two 12 x 12 glyphs (normal, disabled) on a key colour taken
// from its bottom-left pixel: an arrow pointing right.
TBitmap ArrowGlyphs(TColor colour) {
  TBitmap strip(24, 12);
  TBitmapCanvas canvas(strip);
  canvas.Brush().color = 0xFF00FF;
  canvas.FillRect({0, 0, 24, 12});
  const TColor colours[] = {colour, 0x808080};
  for (int g = 0; g < 2; ++g) {
    canvas.Brush().color = colours[g];
    canvas.Pen().color = colours[g];
    const TPoint arrow[] = {{g * 12 + 3, 1}, {g * 12 + 9, 6}, {g * 12 + 3, 11}};
    canvas.Polygon(arrow, 3);
  }
  return strip;
}

}  // namespace

TSpeedButtonsPage::TSpeedButtonsPage(TComponent* owner, TForm* form, sk::TskSkinData* skinData)
    : TComponent(owner), form_(form) {
  toolBar_ = TComponent::Create<TPanel>(form);
  toolBar_->SetHeight(34);
  toolBar_->SetAlign(TAlign::alTop);
  toolBar_->SetAlignment(TAlignment::taRightJustify);
  toolBar_->SetBevelOuter(TBevelCut::bvNone);
  toolBar_->SetCaption(L"Speed buttons");
  toolBar_->SetHint(L"Skinned speed buttons");
  toolBar_->SetShowHint(true);
  toolBar_->SetParent(form);

  log_ = TComponent::Create<TMemo>(form);
  log_->SetWidth(190);
  log_->SetAlign(TAlign::alRight);
  log_->SetScrollBars(TScrollStyle::ssVertical);
  log_->SetReadOnly(true);
  log_->SetText(L"Speed buttons log");
  log_->SetHint(L"What the speed buttons did");
  log_->SetShowHint(true);
  log_->SetParent(form);

  BuildEffectsSkin();
  BuildMenu();

  sk::TskSkinSpeedButton* first = nullptr;
  for (const auto& [caption, left] : {std::pair{L"One", 4}, std::pair{L"Two", 40}, std::pair{L"Three", 76}}) {
    auto* b = Add(caption, left, 36, skinData);
    b->SetGroupIndex(1);
    if (!first) first = b;
  }
  first->SetDown(true);
  for (const auto& [caption, left] : {std::pair{L"A", 118}, std::pair{L"B", 144}}) {
    auto* b = Add(caption, left, 26, skinData);
    b->SetGroupIndex(2);
    b->SetAllowAllUp(true);
  }
  auto* repeat = Add(L"Rep", 176, 44, skinData);
  repeat->SetRepeatMode(true);
  repeat->SetGlyph(ArrowGlyphs(0x2060C0));
  repeat->SetNumGlyphs(2);
  repeat->SetMargin(2);
  Add(L"Flat", 224, 36, skinData)->SetFlat(true);
  auto* off = Add(L"Off", 264, 36, skinData);
  off->SetGlyph(ArrowGlyphs(0x30A030));
  off->SetNumGlyphs(2);
  off->SetLayout(sk::blGlyphRight);
  off->SetEnabled(false);
  Add(L"Morph", 304, 46, effectsSkin_);
  Add(L"Anim", 354, 40, effectsSkin_)->SetSkinDataName("animtoolbutton");

  auto* whole = Add<sk::TskSkinMenuSpeedButton>(L"Menu", 398, 44, skinData);
  whole->SetSkinPopupMenu(menu_);
  auto* split = Add<sk::TskSkinMenuSpeedButton>(L"Go", 446, 40, skinData);
  split->SetSkinDataName("toolmenutrackbutton");
  split->SetTrackButtonMode(true);
  split->SetSkinPopupMenu(menu_);
}

template <class T>
T* TSpeedButtonsPage::Add(const std::wstring& caption, int left, int width, sk::TskSkinData* skinData) {
  auto* b = TComponent::Create<T>(form_);
  b->SetCaption(caption);
  b->SetUseSkinSize(false);
  b->SetBounds(left, kTop, width, kHeight);
  b->SetHint(caption);
  b->SetShowHint(true);
  b->SetParent(toolBar_);
  b->SetSkinData(skinData);
  Watch(b);
  return b;
}

void TSpeedButtonsPage::Watch(sk::TskSkinSpeedButton* button) {
  const std::wstring name = button->Caption();
  button->OnClick = [this, button](TComponent*) { Write(L"Click: " + button->Caption() + GroupState(button)); };
  button->OnMouseEnter = [this, name](TComponent*) { Write(L"Enter: " + name); };
  button->OnMouseLeave = [this, name](TComponent*) { Write(L"Leave: " + name); };
  if (auto* menu = dynamic_cast<sk::TskSkinMenuSpeedButton*>(button)) {
    menu->OnShowTrackMenu = [this, name](TComponent*) { Write(L"Menu shown: " + name); };
    menu->OnHideTrackMenu = [this, name](TComponent*) { Write(L"Menu hidden: " + name); };
  }
}

std::wstring TSpeedButtonsPage::GroupState(const sk::TskSkinSpeedButton* button) const {
  if (button->GroupIndex() == 0) return {};
  std::wstring down;
  for (TControl* c : toolBar_->ControlList()) {
    auto* b = dynamic_cast<sk::TskSkinSpeedButton*>(c);
    if (b && b->GroupIndex() == button->GroupIndex() && b->Down()) down += (down.empty() ? L"" : L" ") + b->Caption();
  }
  return L" | down: " + (down.empty() ? std::wstring(L"none") : down);
}

void TSpeedButtonsPage::BuildEffectsSkin() {
  // The embedded skin with a morphing tool button, and an animated one whose
  // three frames are the normal, hot and down looks side by side.
  effectsSkin_ = TComponent::Create<sk::TskSkinData>(this);
  sk::TskCompressedStoredSkin stored(nullptr);
  ReadEmbeddedSkin(stored);
  effectsSkin_->LoadFromStoredSkin(stored);
  if (effectsSkin_->Empty()) return;
  const int i = effectsSkin_->IndexOfSkinControl("toolbutton");
  auto* morph = i < 0 ? nullptr : dynamic_cast<sk::TskDataSkinButtonControl*>(effectsSkin_->CtrlList(i));
  if (!morph) return;
  morph->Morphing = true;
  morph->MorphKind = sk::mkGradient;
  // A second look under a name of its own, from a record no gallery
  // control uses.
  const int j = effectsSkin_->IndexOfSkinControl("bigtoolbutton");
  auto* anim = j < 0 ? nullptr : dynamic_cast<sk::TskDataSkinButtonControl*>(effectsSkin_->CtrlList(j));
  if (!anim) return;
  anim->SectionName = "animtoolbutton";
  const int frameWidth = anim->ActiveSkinRect.left - anim->SkinRect.left;
  anim->AnimateSkinRect = {anim->SkinRect.left, anim->SkinRect.top, anim->SkinRect.left + 3 * frameWidth,
                           anim->SkinRect.bottom};
  anim->FrameCount = 3;
  anim->AnimateInterval = 60;
}

void TSpeedButtonsPage::BuildMenu() {
  menu_ = TComponent::Create<sk::TskSkinPopupMenu>(form_);
  for (const wchar_t* caption : {L"Cut", L"Copy", L"Paste"}) {
    auto* item = TComponent::Create<TMenuItem>(menu_);
    item->SetCaption(caption);
    const std::wstring name = caption;
    item->OnClick = [this, name](TComponent*) { Write(L"Menu item: " + name); };
    menu_->Items()->Add(item);
  }
}

void TSpeedButtonsPage::Write(const std::wstring& line) { log_->SetText(log_->Text() + L"\r\n" + line); }

}  // namespace gallery
