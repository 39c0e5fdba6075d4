#pragma once
// The gallery's skinned speed buttons, on a tool bar above the command
// buttons: a group of three, a pair that may both be up, a repeating
// button, a flat one, a disabled one, one that morphs and one that
// animates (on a copy of the embedded skin with those effects switched on),
// and two menu speed buttons with a skinned popup menu (the whole button,
// and a button with a separate drop-down part). A log beside the about text
// gets one line for every click, enter, leave and menu show or hide, so a
// driver can read what happened.
#include <string>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "skin/controls/skSkinSpeedButton.h"
#include "skin/data/skSkinData.h"
#include "skin/menus/skMenusPopup.h"

namespace gallery {

class TSpeedButtonsPage : public fw::TComponent {
 public:
  // The tool bar and the log are the form's.
  TSpeedButtonsPage(fw::TComponent* owner, fw::TForm* form, sk::TskSkinData* skinData);

  fw::TPanel* ToolBar() const { return toolBar_; }
  fw::TMemo* Log() const { return log_; }

 private:
  template <class T = sk::TskSkinSpeedButton>
  T* Add(const std::wstring& caption, int left, int width, sk::TskSkinData* skinData);
  void Watch(sk::TskSkinSpeedButton* button);
  void BuildEffectsSkin();
  void BuildMenu();
  void Write(const std::wstring& line);
  // "Click: Two | down: Two" for a grouped button.
  std::wstring GroupState(const sk::TskSkinSpeedButton* button) const;

  fw::TForm* form_ = nullptr;
  fw::TPanel* toolBar_ = nullptr;
  fw::TMemo* log_ = nullptr;
  sk::TskSkinData* effectsSkin_ = nullptr;
  sk::TskSkinPopupMenu* menu_ = nullptr;
};

}  // namespace gallery
