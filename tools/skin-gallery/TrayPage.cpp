#include "tools/skin-gallery/TrayPage.h"

#include <string>
#include <utility>

using namespace fw;

namespace gallery {

TTrayPage::TTrayPage(TComponent* owner, TForm* form) : TComponent(owner), form_(form) {
  strip_ = TComponent::Create<TPanel>(form);
  strip_->SetHeight(34);
  strip_->SetAlign(TAlign::alBottom);
  strip_->SetAlignment(TAlignment::taLeftJustify);
  strip_->SetBevelOuter(TBevelCut::bvLowered);
  strip_->SetCaption(L"Tray: no icon");
  strip_->SetParent(form);

  iconButton_ = TComponent::Create<TButton>(form);
  iconButton_->SetBounds(320, 5, 110, 24);
  iconButton_->SetCaption(L"Add tray icon");
  iconButton_->SetHint(L"Put an icon into the notification area, or take it out");
  iconButton_->SetShowHint(true);
  iconButton_->OnClick = [this](TComponent*) { ToggleIcon(); };
  iconButton_->SetParent(strip_);

  animateButton_ = TComponent::Create<TButton>(form);
  animateButton_->SetBounds(436, 5, 110, 24);
  animateButton_->SetCaption(L"Animate icon");
  animateButton_->SetHint(L"Cycle the tray icon through four colours");
  animateButton_->SetShowHint(true);
  animateButton_->SetEnabled(false);
  animateButton_->OnClick = [this](TComponent*) { ToggleAnimation(); };
  animateButton_->SetParent(strip_);

  BuildIcons();
  BuildMenu();
}

void TTrayPage::BuildIcons() {
  icons_ = TComponent::Create<TImageList>(this);
  const TColor colours[] = {0x2060C0, 0x30A030, 0xC07020, 0x3030C0};
  for (TColor colour : colours) {
    TBitmap image(16, 16);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        const bool edge = x < 2 || y < 2 || x > 13 || y > 13;
        image.SetPixel(x, y, edge ? 0xFF00FF : colour);
      }
    }
    icons_->AddMasked(image, 0xFF00FF);
  }
}

void TTrayPage::BuildMenu() {
  menu_ = TComponent::Create<sk::TskSkinPopupMenu>(form_);
  auto add = [this](const std::wstring& caption, const TNotifyEvent& onClick) {
    auto* item = TComponent::Create<TMenuItem>(menu_);
    item->SetCaption(caption);
    item->OnClick = onClick;
    menu_->Items()->Add(item);
    return item;
  };
  add(L"&Hello", [this](TComponent*) { Log(L"menu Hello"); })->SetDefault(true);
  add(L"-", nullptr);
  add(L"&Remove icon", [this](TComponent*) { ToggleIcon(); });
}

void TTrayPage::ToggleIcon() {
  if (tray_) {
    TComponent::Free(std::exchange(tray_, nullptr));
    iconButton_->SetCaption(L"Add tray icon");
    animateButton_->SetEnabled(false);
    animateButton_->SetCaption(L"Animate icon");
    Log(L"removed");
    return;
  }
  tray_ = TComponent::Create<sk::TskTrayIcon>(this);
  tray_->MinimizeToTray = false;  // the gallery's window stays where it is
  tray_->SetHint(L"Quillet skin gallery");
  tray_->SetPopupMenu(menu_);
  tray_->SetIconList(icons_);
  tray_->SetAnimateTimerInterval(250);
  tray_->OnClick = [this](TComponent*) { Log(L"click"); };
  tray_->OnDblClick = [this](TComponent*) { Log(L"double click"); };
  tray_->OnMouseDown = [this](TComponent*, TMouseButton b, TShiftState, int, int) {
    if (b == TMouseButton::mbRight) Log(L"right button");
  };
  tray_->OnBalloonHintClick = [this](TComponent*) { Log(L"balloon click"); };
  tray_->OnCycle = [this](TComponent*, int next) { Log(L"cycle to " + std::to_wstring(next)); };
  tray_->SetIconVisible(true);
  iconButton_->SetCaption(L"Remove tray icon");
  animateButton_->SetEnabled(true);
  Log(tray_->IconShown() ? L"added" : L"refused by the shell");
}

void TTrayPage::ToggleAnimation() {
  if (!tray_) return;
  tray_->SetCycleIcons(!tray_->CycleIcons());
  animateButton_->SetCaption(tray_->CycleIcons() ? L"Stop animation" : L"Animate icon");
  Log(tray_->CycleIcons() ? L"animation on" : L"animation off");
}

void TTrayPage::Log(const std::wstring& event) {
  strip_->SetCaption(L"Tray " + std::to_wstring(++events_) + L": " + event);
}

}  // namespace gallery
