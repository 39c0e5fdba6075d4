#pragma once
// The gallery's tray icon, in a strip along the bottom of the main window:
// one button puts a tray icon with a tooltip into the notification area
// (or takes it out), another animates it through four coloured icons. The
// icon's right button opens a skinned popup menu; its double click runs the
// menu's default item. The strip's caption names the last tray event with
// a running count ("Tray 3: double click"), so a driver can follow them.
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/StdCtrls.h"
#include "skin/menus/skMenusPopup.h"
#include "skin/tray/skTrayIcon.h"

namespace gallery {

class TTrayPage : public fw::TComponent {
 public:
  // Owned by `form`, whose bottom it takes. The menu shows through the
  // form's skinned form.
  TTrayPage(fw::TComponent* owner, fw::TForm* form);

  fw::TPanel* Strip() const { return strip_; }

 private:
  void ToggleIcon();
  void ToggleAnimation();
  void BuildIcons();
  void BuildMenu();
  void Log(const std::wstring& event);

  fw::TForm* form_;
  fw::TPanel* strip_ = nullptr;
  fw::TButton* iconButton_ = nullptr;
  fw::TButton* animateButton_ = nullptr;
  fw::TImageList* icons_ = nullptr;
  sk::TskSkinPopupMenu* menu_ = nullptr;
  sk::TskTrayIcon* tray_ = nullptr;
  int events_ = 0;
};

}  // namespace gallery
