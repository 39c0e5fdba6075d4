// The skin data component: properties, look-ups, clearing and broadcasts.
// Loading a stored skin is in skSkinDataLoad.cpp.
#include "skin/data/skSkinData.h"

namespace sk {
namespace {
TskSkinFormMessenger* gMessenger = nullptr;
}

TskSkinFormMessenger* SetSkinFormMessenger(TskSkinFormMessenger* messenger) {
  TskSkinFormMessenger* previous = gMessenger;
  gMessenger = messenger;
  return previous;
}

TskSkinFormMessenger* SkinFormMessenger() { return gMessenger; }

TskSkinData::TskSkinData(fw::TComponent* owner) : TComponent(owner) {}

TskSkinData::~TskSkinData() {
  // Nothing is broadcast: the forms may already be gone.
  ClearSkin();
}

void TskSkinData::SetSkinnableForm(bool value) {
  if (value == skinnableForm_) return;
  skinnableForm_ = value;
  if (!Designing() && !HasState(fw::csLoading)) BroadcastSkinMessage(SKINMSG_FORM_SKINNABLE);
}

void TskSkinData::SetCompressedStoredSkin(TskCompressedStoredSkin* value) {
  if (compressedStoredSkin_ && compressedStoredSkin_ != value) RemoveFreeNotification(compressedStoredSkin_);
  compressedStoredSkin_ = value;
  if (value) FreeNotification(value);
  if (!Designing() && value) LoadFromStoredSkin(*value);
}

void TskSkinData::SetResourceStrData(TskResourceStrData* value) {
  if (resourceStrData_ && resourceStrData_ != value) RemoveFreeNotification(resourceStrData_);
  resourceStrData_ = value;
  if (value) FreeNotification(value);
  if (!Designing()) BroadcastSkinMessage(SKINMSG_RESOURCE_STRINGS);
}

void TskSkinData::SetSkinList(TskCompressedSkinList* value) {
  if (skinList_ && skinList_ != value) RemoveFreeNotification(skinList_);
  skinList_ = value;
  if (value) FreeNotification(value);
  if (Designing() || !value) return;
  if (skinIndex_ >= 0 && skinIndex_ < value->Skins().Count()) {
    LoadFromStoredSkin(value->Skins().Items(skinIndex_).Skin());
  }
}

void TskSkinData::SetSkinIndex(int value) {
  if (value == skinIndex_) return;
  if (!skinList_) {
    skinIndex_ = value;
    return;
  }
  if (value < 0 || value >= skinList_->Skins().Count()) return;
  skinIndex_ = value;
  if (!Designing()) LoadFromStoredSkin(skinList_->Skins().Items(value).Skin());
}

void TskSkinData::Notification(fw::TComponent* component, fw::TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
  if (component == resourceStrData_) resourceStrData_ = nullptr;
  if (component == skinList_) skinList_ = nullptr;
}

int TskSkinData::IndexOfSkinObject(std::string_view name) const {
  for (size_t i = 0; i < objectList_.size(); ++i) {
    if (objectList_[i]->SectionName == name) return static_cast<int>(i);
  }
  return -1;
}

int TskSkinData::IndexOfSkinControl(std::string_view name) const {
  for (size_t i = 0; i < ctrlList_.size(); ++i) {
    if (ctrlList_[i]->SectionName == name) return static_cast<int>(i);
  }
  return -1;
}

const fw::TBitmap* TskSkinData::ActivePicture(int index) const {
  if (index < 0 || index >= ActivePictureCount()) return nullptr;
  return &activePictures_[static_cast<size_t>(index)];
}

void TskSkinData::ClearSkin() {
  objectList_.clear();
  ctrlList_.clear();
  activePictures_.clear();
  popupWindow_.WindowPictureIndex = -1;
  hintWindow_.WindowPictureIndex = -1;
  activePictureNames_.Clear();
  skinColors_.SetDefault();
  picture_ = fw::TBitmap();
  inactivePicture_ = fw::TBitmap();
  maskPicture_ = fw::TBitmap();
  pictureName_.clear();
  maskName_.clear();
  empty_ = true;
}

void TskSkinData::BroadcastSkinMessage(unsigned message) {
  TskSkinFormMessenger* messenger = SkinFormMessenger();
  if (!messenger || (message == SKINMSG_CHANGED && empty_)) return;
  fw::TComponent* ownerForm = messenger->IsForm(Owner()) ? Owner() : nullptr;
  if (ownerForm) messenger->SendSkinMessage(ownerForm, message, this);
  for (int i = 0; i < messenger->FormCount(); ++i) {
    fw::TComponent* form = messenger->Forms(i);
    if (form && form != ownerForm) messenger->SendSkinMessage(form, message, this);
  }
}

}  // namespace sk
