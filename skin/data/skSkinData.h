#pragma once
// The skin data component: one loaded skin (pictures, window-wide records,
// object and control records) shared by every skinned element, where it
// comes from (a stored skin or an entry of a skin list), look-ups by record
// name, and the messages that tell every form when the skin changes.
// Also the resource-strings component that skinned forms take captions from.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/StringList.h"
#include "skin/data/skSkinDataBroadcast.h"
#include "skin/data/skSkinDataControls.h"
#include "skin/data/skSkinDataRecords.h"
#include "skin/data/skSkinStoredSkin.h"

namespace sk {

class TskResourceStrData : public fw::TComponent {
 public:
  explicit TskResourceStrData(fw::TComponent* owner);

  // "NAME=text" lines; 131 defaults at construction.
  const fw::TStringList& ResStrings() const { return resStrings_; }
  void SetResStrings(const fw::TStringList& value) { resStrings_ = value; }
  uint8_t CharSet() const { return charSet_; }
  void SetCharSet(uint8_t value) { charSet_ = value; }

  // The text after the first "=" of the line named `name` (any letter
  // case), or empty.
  std::string GetResStr(std::string_view name) const;

 private:
  fw::TStringList resStrings_;
  uint8_t charSet_ = 1;  // DEFAULT_CHARSET
};

// The 131 default lines, in order.
const std::vector<std::string>& DefaultResourceStrings();

class TskSkinData : public fw::TComponent {
 public:
  explicit TskSkinData(fw::TComponent* owner);
  ~TskSkinData() override;

  // ---- published properties
  bool SkinnableForm() const { return skinnableForm_; }
  void SetSkinnableForm(bool value);  // a change is broadcast
  bool EnableSkinEffects() const { return enableSkinEffects_; }
  void SetEnableSkinEffects(bool value) { enableSkinEffects_ = value; }
  bool ShowButtonGlowFrames() const { return showButtonGlowFrames_; }
  void SetShowButtonGlowFrames(bool value) { showButtonGlowFrames_ = value; }
  bool ShowCaptionButtonGlowFrames() const { return showCaptionButtonGlowFrames_; }
  void SetShowCaptionButtonGlowFrames(bool value) { showCaptionButtonGlowFrames_ = value; }
  TskCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
  void SetCompressedStoredSkin(TskCompressedStoredSkin* value);  // loads it
  TskResourceStrData* ResourceStrData() const { return resourceStrData_; }
  void SetResourceStrData(TskResourceStrData* value);  // broadcast
  TskCompressedSkinList* SkinList() const { return skinList_; }
  void SetSkinList(TskCompressedSkinList* value);  // loads item SkinIndex
  int SkinIndex() const { return skinIndex_; }
  void SetSkinIndex(int value);  // loads that item; outside the list: ignored

  // ---- operations
  // Replaces the loaded skin with the stored one; an empty stored skin does
  // nothing. Sends SKINMSG_BEFORE_CHANGE, SKINMSG_CHANGED and
  // SKINMSG_AFTER_CHANGE. A load that stops (an archive newer than this
  // reader, quietly; an error, which is raised) leaves the skin data
  // cleared, empty and changing, and sends only SKINMSG_BEFORE_CHANGE:
  // no form is told of a new skin that is not there.
  void LoadFromStoredSkin(const TskCompressedStoredSkin& storedSkin);
  // First record whose section name equals `name` exactly, or -1.
  int IndexOfSkinObject(std::string_view name) const;
  int IndexOfSkinControl(std::string_view name) const;
  // Frees records and pictures, resets colours and names; sets Empty.
  void ClearSkin();
  // Owner form first (when the owner is a form), then every other form of
  // the screen, in order. SKINMSG_CHANGED is not sent while the skin data
  // is empty: it tells forms to take up a skin.
  void BroadcastSkinMessage(unsigned message);

  // ---- the loaded skin
  // True until a load completes and during every load: draw unskinned.
  bool Empty() const { return empty_; }
  // True between the start and the end of a load.
  bool ChangeInProgress() const { return changeInProgress_; }

  const fw::TBitmap& Picture() const { return picture_; }
  const fw::TBitmap& InactivePicture() const { return inactivePicture_; }
  const fw::TBitmap& MaskPicture() const { return maskPicture_; }
  int ActivePictureCount() const { return static_cast<int>(activePictures_.size()); }
  // The active picture with this index, or null for -1 or beyond the list.
  const fw::TBitmap* ActivePicture(int index) const;

  const std::string& PictureName() const { return pictureName_; }
  const std::string& InactivePictureName() const { return inactivePictureName_; }
  const std::string& MaskName() const { return maskName_; }
  const fw::TStringList& ActivePictureNames() const { return activePictureNames_; }

  const std::string& SkinName() const { return skinName_; }
  const std::string& SkinAuthor() const { return skinAuthor_; }
  const std::string& AuthorEmail() const { return authorEmail_; }
  const std::string& AuthorURL() const { return authorURL_; }
  const std::string& SkinComments() const { return skinComments_; }

  const TskDataSkinFormInfo& FormInfo() const { return formInfo_; }
  const TskDataSkinPopupWindow& PopupWindow() const { return popupWindow_; }
  const TskDataSkinHintWindow& HintWindow() const { return hintWindow_; }
  const TskSkinColors& SkinColors() const { return skinColors_; }

  int ObjectCount() const { return static_cast<int>(objectList_.size()); }
  TskDataSkinObject* ObjectList(int index) const { return objectList_.at(index).get(); }
  int ControlCount() const { return static_cast<int>(ctrlList_.size()); }
  TskDataSkinControl* CtrlList(int index) const { return ctrlList_.at(index).get(); }
  // The record named `name` when it is of class T, else null.
  template <class T>
  T* FindSkinObject(std::string_view name) const {
    const int i = IndexOfSkinObject(name);
    return i < 0 ? nullptr : dynamic_cast<T*>(objectList_[i].get());
  }
  template <class T>
  T* FindSkinControl(std::string_view name) const {
    const int i = IndexOfSkinControl(name);
    return i < 0 ? nullptr : dynamic_cast<T*>(ctrlList_[i].get());
  }

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  bool Designing() const { return HasState(fw::csDesigning); }
  // False when the archive is newer than this reader (nothing is loaded).
  bool LoadSkinContent(const TskCompressedStoredSkin& storedSkin);
  void ParseDescription(const fw::TCustomIniFile& ini);
  void ReadSkinObjects(const fw::TCustomIniFile& ini);
  void ReadSkinControls(const fw::TCustomIniFile& ini);

  bool skinnableForm_ = true;
  bool enableSkinEffects_ = true;
  bool showButtonGlowFrames_ = true;
  bool showCaptionButtonGlowFrames_ = true;
  TskCompressedStoredSkin* compressedStoredSkin_ = nullptr;
  TskResourceStrData* resourceStrData_ = nullptr;
  TskCompressedSkinList* skinList_ = nullptr;
  int skinIndex_ = 0;

  bool empty_ = true;
  bool changeInProgress_ = false;
  fw::TBitmap picture_;
  fw::TBitmap inactivePicture_;
  fw::TBitmap maskPicture_;
  std::vector<fw::TBitmap> activePictures_;
  std::string pictureName_, inactivePictureName_, maskName_;
  fw::TStringList activePictureNames_;
  std::string skinName_, skinAuthor_, authorEmail_, authorURL_, skinComments_;
  TskDataSkinFormInfo formInfo_;
  TskDataSkinPopupWindow popupWindow_;
  TskDataSkinHintWindow hintWindow_;
  TskSkinColors skinColors_;
  std::vector<std::unique_ptr<TskDataSkinObject>> objectList_;
  std::vector<std::unique_ptr<TskDataSkinControl>> ctrlList_;
};

}  // namespace sk
