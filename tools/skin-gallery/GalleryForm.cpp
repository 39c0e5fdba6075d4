#include "tools/skin-gallery/GalleryForm.h"

#include "framework/CodePage.h"
#include "framework/Exceptions.h"
#include "skin/controls/skSkinControlWalk.h"
#include "status/FrStatus.h"
#include "tools/skin-gallery/GallerySkin.h"
#include "tools/skin-gallery/HintsPage.h"
#include "tools/skin-gallery/MaskForm.h"
#include "tools/skin-gallery/MenusPage.h"
#include "tools/skin-gallery/MdiForm.h"
#include "tools/skin-gallery/SpeedButtonsPage.h"
#include "tools/skin-gallery/TrayPage.h"

using namespace fw;

namespace gallery {

namespace {

constexpr wchar_t kBuiltInLook[] = L"Built-in look";
constexpr wchar_t kEmbeddedSkin[] = L"Embedded skin";
constexpr wchar_t kShowMask[] = L"Show mask";

const wchar_t* const kAbout[] = {
    L"Quillet Skin Gallery shows a skin on what the main window does not use.",
    L"",
    L"Start it with a skin to look at: skin-gallery.exe path\\to\\skin.ini (a skin folder)",
    L"or skin-gallery.exe path\\to\\file (a packed skin, as quillet-skin pack writes it).",
    L"",
    L"Right-click the window for the popup menu; the Skin menu switches skins;",
    L"Show mask opens a window cut by the skin's mask.",
};

int PictureCount(const sk::TskSkinData& data) {
  int n = data.ActivePictureCount();
  for (const TBitmap* b : {&data.Picture(), &data.InactivePicture(), &data.MaskPicture()}) {
    if (!b->Empty()) ++n;
  }
  return n;
}

}  // namespace

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {
  SetCaption(L"Quillet Skin Gallery");
  SetBounds(40, 40, 0, 0);
  SetClientWidth(560);
  SetClientHeight(360);
  skinData_ = TComponent::Create<sk::TskSkinData>(this);
  BuildControls();
  BuildMenus();
  AddSkinnedHints(*this, *skinData_);
  ShowSkinFacts(kBuiltInLook);
}

TButton* TGalleryForm::AddButton(TWinControl* parent, const std::wstring& caption, const std::wstring& hint,
                                 const TNotifyEvent& onClick) {
  auto* button = TComponent::Create<TButton>(this);
  button->SetBounds(8 + 112 * parent->ControlCount(), 8, 104, 25);
  button->SetCaption(caption);
  button->SetHint(hint);
  button->SetShowHint(true);
  button->OnClick = onClick;
  button->SetParent(parent);
  return button;
}

void TGalleryForm::BuildControls() {
  auto* info = TComponent::Create<TPanel>(this);
  info->SetHeight(32);
  info->SetAlign(TAlign::alTop);
  info->SetBevelOuter(TBevelCut::bvNone);
  info->SetParent(this);

  skinNamePanel_ = TComponent::Create<TPanel>(this);
  skinNamePanel_->SetWidth(320);
  skinNamePanel_->SetAlign(TAlign::alLeft);
  skinNamePanel_->SetAlignment(TAlignment::taLeftJustify);
  skinNamePanel_->SetBevelOuter(TBevelCut::bvLowered);
  skinNamePanel_->SetHint(L"The name the skin gives itself");
  skinNamePanel_->SetShowHint(true);
  skinNamePanel_->SetParent(info);

  pictureCountPanel_ = TComponent::Create<TPanel>(this);
  pictureCountPanel_->SetAlign(TAlign::alClient);
  pictureCountPanel_->SetAlignment(TAlignment::taLeftJustify);
  pictureCountPanel_->SetBevelOuter(TBevelCut::bvLowered);
  pictureCountPanel_->SetHint(L"Main, inactive and mask pictures, and the active pictures");
  pictureCountPanel_->SetShowHint(true);
  pictureCountPanel_->SetParent(info);

  auto* buttons = TComponent::Create<TPanel>(this);
  buttons->SetHeight(41);
  buttons->SetAlign(TAlign::alTop);
  buttons->SetBevelOuter(TBevelCut::bvNone);
  buttons->SetParent(this);
  AddButton(buttons, kEmbeddedSkin, L"Load the skin built into the program",
            [this](TComponent*) { UseEmbeddedSkin(); });
  AddButton(buttons, kBuiltInLook, L"Drop the skin and show the plain look", [this](TComponent*) { UseBuiltInLook(); });
  maskButton_ =
      AddButton(buttons, kShowMask, L"Open a window cut by the skin's mask", [this](TComponent*) { ShowMask(); });
  AddButton(buttons, L"MDI parent", L"Open an MDI parent with its children", [this](TComponent*) { ShowMdi(); });
  TComponent::Create<TSpeedButtonsPage>(this, this, skinData_);

  auto* bar = TComponent::Create<fr::TFrStatusBar>(this);
  bar->SetHint(L"The skin's source and the time");
  bar->SetShowHint(true);
  bar->SetParent(this);
  sourcePane_ = TComponent::Create<fr::TFrStatusPane>(this);
  sourcePane_->SetWidth(400);
  sourcePane_->SetAlign(TAlign::alLeft);
  sourcePane_->SetParent(bar);
  auto* clock = TComponent::Create<fr::TFrClockStatus>(this);
  clock->SetWidth(150);
  clock->SetAlign(TAlign::alRight);
  clock->SetParent(bar);

  TComponent::Create<TMenusPage>(this, this, skinData_);
  TComponent::Create<TTrayPage>(this, this);

  auto* memo = TComponent::Create<TMemo>(this);
  memo->SetAlign(TAlign::alClient);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  memo->SetLines(std::vector<std::wstring>(std::begin(kAbout), std::end(kAbout)));
  memo->SetHint(L"What this window shows");
  memo->SetShowHint(true);
  memo->SetParent(this);
}

TMenuItem* TGalleryForm::AddItem(TMenuItem* parent, const std::wstring& caption, const TNotifyEvent& onClick) {
  auto* item = TComponent::Create<TMenuItem>(this);
  item->SetCaption(caption);
  item->OnClick = onClick;
  parent->Add(item);
  return item;
}

void TGalleryForm::BuildMenus() {
  auto* menu = TComponent::Create<TMainMenu>(this);
  TMenuItem* skin = AddItem(menu->Items(), L"&Skin", nullptr);
  AddItem(skin, L"&Embedded skin", [this](TComponent*) { UseEmbeddedSkin(); });
  AddItem(skin, L"&Built-in look", [this](TComponent*) { UseBuiltInLook(); });
  AddItem(skin, L"-", nullptr);
  maskItem_ = AddItem(skin, L"Show &mask", [this](TComponent*) { ShowMask(); });
  AddItem(skin, L"-", nullptr);
  AddItem(skin, L"E&xit", [this](TComponent*) { Close(); })->SetShortCut(TextToShortCut(L"Alt+X"));
  TMenuItem* window = AddItem(menu->Items(), L"&Window", nullptr);
  AddItem(window, L"&MDI parent", [this](TComponent*) { ShowMdi(); });
  SetMenu(menu);

  popup_ = TComponent::Create<TPopupMenu>(this);
  AddItem(popup_->Items(), L"&Built-in look", [this](TComponent*) { UseBuiltInLook(); });
  AddItem(popup_->Items(), L"&Embedded skin", [this](TComponent*) { UseEmbeddedSkin(); });
  popupMaskItem_ = AddItem(popup_->Items(), L"Show &mask", [this](TComponent*) { ShowMask(); });
}

void TGalleryForm::WndProc(TMessage& message) {
  // Right clicks anywhere but in the memo (which has its own menu) come up
  // to the form; a key press sends -1 and the menu opens at the cursor.
  if (message.msg == WM_CONTEXTMENU) {
    POINT at{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
    if (message.lParam == -1) GetCursorPos(&at);
    popup_->Popup(at.x, at.y);
    message.result = 0;
    return;
  }
  TForm::WndProc(message);
}

std::wstring TGalleryForm::LoadStartSkin(const std::wstring& skinPath) {
  try {
    if (skinPath.empty()) {
      UseEmbeddedSkin();
    } else {
      LoadSkin([&](sk::TskCompressedStoredSkin& s) { ReadSkinFile(skinPath, s); }, skinPath);
    }
    return {};
  } catch (...) {
    return L"The skin " + skinPath + L" could not be loaded:\n" +
           TApplication::ExceptionMessage(std::current_exception()) + L"\n\nThe gallery shows its built-in look.";
  }
}

void TGalleryForm::LoadSkin(const std::function<void(sk::TskCompressedStoredSkin&)>& read, const std::wstring& source) {
  sk::TskCompressedStoredSkin stored(nullptr);
  try {
    read(stored);
    skinData_->LoadFromStoredSkin(stored);
  } catch (...) {
    UseBuiltInLook();
    throw;
  }
  ShowSkinFacts(source);
}

void TGalleryForm::UseEmbeddedSkin() { LoadSkin(ReadEmbeddedSkin, kEmbeddedSkin); }

void TGalleryForm::UseBuiltInLook() {
  // The same messages as a skin load that fails: every form falls back.
  skinData_->BroadcastSkinMessage(sk::SKINMSG_BEFORE_CHANGE);
  skinData_->ClearSkin();
  skinData_->BroadcastSkinMessage(sk::SKINMSG_CHANGED);
  skinData_->BroadcastSkinMessage(sk::SKINMSG_AFTER_CHANGE);
  ShowSkinFacts(kBuiltInLook);
}

void TGalleryForm::ShowMask() {
  if (!maskForm_) maskForm_ = TComponent::Create<TMaskForm>(this);
  maskForm_->ShowSkin(*skinData_);
  maskForm_->SetBounds(Left() + Width() + 8, Top(), maskForm_->Width(), maskForm_->Height());
  maskForm_->Show();
}

void TGalleryForm::ShowMdi() {
  if (!mdiForm_) mdiForm_ = TComponent::Create<TMdiForm>(this);
  mdiForm_->Open();
}

void TGalleryForm::ShowSkinFacts(const std::wstring& source) {
  // No skinned form walks this window's controls on a skin change.
  sk::ApplySkinChanges(*this, skinData_);
  const bool skinned = !skinData_->Empty();
  const std::wstring name = skinned ? fw::AnsiToWide(skinData_->SkinName()) : std::wstring(L"(none)");
  skinNamePanel_->SetCaption(L"Skin: " + name);
  pictureCountPanel_->SetCaption(L"Pictures: " + std::to_wstring(PictureCount(*skinData_)) + L" (" +
                                 std::to_wstring(skinData_->ActivePictureCount()) + L" active)");
  sourcePane_->SetCaption(source);
  // The mask window needs a main picture to cut.
  const bool canMask = skinned && !skinData_->Picture().Empty();
  maskButton_->SetEnabled(canMask);
  maskItem_->SetEnabled(canMask);
  popupMaskItem_->SetEnabled(canMask);
  if (maskForm_ && maskForm_->Visible()) {
    if (canMask) {
      maskForm_->ShowSkin(*skinData_);
    } else {
      maskForm_->Hide();
    }
  }
}

}  // namespace gallery
