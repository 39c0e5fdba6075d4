#include "tools/skin-gallery/MaskForm.h"

#include "skin/pixels/skUtilsRegion.h"

using namespace fw;

namespace gallery {

TMaskForm::TMaskForm(TComponent* owner) : TForm(owner) {
  SetCaption(L"Skin Mask");
  SetBorderStyle(TFormBorderStyle::bsNone);
  image_ = TComponent::Create<TImage>(this);
  image_->SetAlign(TAlign::alClient);
  image_->SetHint(L"The main picture inside the mask");
  image_->SetShowHint(true);
  image_->SetParent(this);
}

void TMaskForm::ShowSkin(const sk::TskSkinData& data) {
  image_->Picture().SetBitmap(data.Picture());
  mask_ = data.MaskPicture();
  SetClientWidth(data.Picture().Width());
  SetClientHeight(data.Picture().Height());
  if (HandleAllocated()) ApplyRegion();
  image_->Invalidate();
}

void TMaskForm::AfterCreateWnd() {
  TForm::AfterCreateWnd();
  ApplyRegion();
}

void TMaskForm::ApplyRegion() {
  // The system owns a region once it is the window's.
  fw::GdiObject<HRGN> region = mask_.Empty() ? fw::GdiObject<HRGN>() : sk::CreateRegionFromMask(mask_);
  SetWindowRgn(Handle(), region.Release(), TRUE);
}

}  // namespace gallery
