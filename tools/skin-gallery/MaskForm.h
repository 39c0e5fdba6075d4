#pragma once
// "Skin Mask": a borderless window showing the skin's main picture, cut by
// the region of its mask (black pixels inside), so a skin author sees the
// shape the skinned frame will get. Without a mask it is the whole picture.
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "skin/data/skSkinData.h"

namespace gallery {

class TMaskForm : public fw::TForm {
 public:
  explicit TMaskForm(fw::TComponent* owner);

  // Takes the picture and the mask of `data`; sized to the picture.
  void ShowSkin(const sk::TskSkinData& data);

 protected:
  void AfterCreateWnd() override;

 private:
  void ApplyRegion();

  fw::TImage* image_ = nullptr;
  fw::TBitmap mask_;
};

}  // namespace gallery
