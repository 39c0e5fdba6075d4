#pragma once
// The gallery's skinned menus, in a strip along the bottom of the main
// window: a right click on the strip opens a skinned popup menu of three
// levels (short cuts, images, a header, check and radio marks, a disabled
// item, and an "Items" level with an action that updates itself, an
// owner-drawn item, an item with its own picture and lines that go with the
// items they part); its button opens the images menu. The strip's caption
// names the last command that ran ("Ran: Copy"), so a driver can see it.
#include "framework/ActnList.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/StdCtrls.h"
#include "skin/menus/skImagesMenu.h"
#include "skin/menus/skMenusPopup.h"

namespace gallery {

class TMenusPage : public fw::TComponent {
 public:
  // Owned by `form`, whose bottom it takes.
  TMenusPage(fw::TComponent* owner, fw::TForm* form, sk::TskSkinData* skinData);

  fw::TPanel* Strip() const { return strip_; }

 private:
  void BuildImages();
  void BuildPopupMenu();
  void BuildItemsMenu(fw::TMenuItem* parent);
  void BuildImagesMenu();
  fw::TMenuItem* Add(fw::TMenuItem* parent, const std::wstring& caption, int image = -1);
  void Ran(const std::wstring& what);

  fw::TPanel* strip_ = nullptr;
  fw::TButton* imagesButton_ = nullptr;
  fw::TImageList* images_ = nullptr;
  sk::TskSkinMenuHost* host_ = nullptr;
  sk::TskSkinPopupMenu* popup_ = nullptr;
  sk::TskSkinImagesMenu* imagesMenu_ = nullptr;
  fw::TAction* undo_ = nullptr;
  std::wstring lastRan_;  // what Undo takes back; empty when nothing
  fw::TMenuItem* showDetails_ = nullptr;
  std::vector<fw::TMenuItem*> details_;
  fw::WindowHook stripHook_;
};

}  // namespace gallery
