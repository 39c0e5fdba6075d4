#pragma once
// The gallery's main window, top to bottom:
//   - two panels that name the shown skin ("Skin: <name>") and count its
//     pictures ("Pictures: <n> (<m> active)");
//   - a tool bar of skinned speed buttons;
//   - a row of buttons: "Embedded skin", "Built-in look", "Show mask",
//     "MDI parent";
//   - the speed buttons' log on the right;
//   - a memo that tells what the window shows;
//   - a status bar with the skin's source and a clock.
// A menu bar (Skin, Window) and a popup menu on a right click offer the
// same commands. Every control carries a hint.
#include <filesystem>
#include <functional>
#include <string>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/MenusWin.h"
#include "framework/StdCtrls.h"
#include "skin/data/skSkinData.h"
#include "status/FrStatusPanes.h"

namespace gallery {

class TMaskForm;
class TMdiForm;

class TGalleryForm : public fw::TForm {
 public:
  explicit TGalleryForm(fw::TComponent* owner);

  // The skin the gallery starts with: the embedded one, or the file named
  // on the command line. Returns the message for a skin that could not be
  // loaded; the gallery then keeps its built-in look.
  std::wstring LoadStartSkin(const std::wstring& skinPath);

  void UseEmbeddedSkin();
  void UseBuiltInLook();
  void ShowMask();
  void ShowMdi();

  const sk::TskSkinData& SkinData() const { return *skinData_; }

 protected:
  void WndProc(fw::TMessage& message) override;

 private:
  void BuildControls();
  void BuildMenus();
  fw::TButton* AddButton(fw::TWinControl* parent, const std::wstring& caption, const std::wstring& hint,
                         const fw::TNotifyEvent& onClick);
  fw::TMenuItem* AddItem(fw::TMenuItem* parent, const std::wstring& caption, const fw::TNotifyEvent& onClick);
  // Replaces the skin with the one `read` fills in; on failure the data is
  // left empty (the built-in look) and the error goes on to the caller.
  void LoadSkin(const std::function<void(sk::TskCompressedStoredSkin&)>& read, const std::wstring& source);
  // Brings the panels, status bar, mask window and commands up to date.
  void ShowSkinFacts(const std::wstring& source);

  sk::TskSkinData* skinData_ = nullptr;
  fw::TPanel* skinNamePanel_ = nullptr;
  fw::TPanel* pictureCountPanel_ = nullptr;
  fw::TButton* maskButton_ = nullptr;
  fw::TMenuItem* maskItem_ = nullptr;
  fw::TMenuItem* popupMaskItem_ = nullptr;
  fr::TFrStatusPane* sourcePane_ = nullptr;
  fw::TPopupMenu* popup_ = nullptr;
  TMaskForm* maskForm_ = nullptr;
  TMdiForm* mdiForm_ = nullptr;
};

}  // namespace gallery
