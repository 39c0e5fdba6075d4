#pragma once
// The bases of every skinned control: a windowed one (TskSkinControl) and a
// windowless twin (TskGraphicSkinControl). Both bind the control to a skin
// data component and find their record in it by name; what they draw is
// the subclasses' business. A control paints itself whole into one
// off-screen bitmap and copies it in one step, so it never flickers.
#include <string>

#include "framework/Controls.h"
#include "framework/Graphics.h"

namespace fw {
class TImageList;
}

namespace sk {

class TskSkinData;

// What both bases share: the skin data, the record name and the record
// found for it, and what the skinned hint shows for the control.
class TskSkinBinding {
 public:
  TskSkinData* SkinData() const { return skinData_; }
  const std::string& SkinDataName() const { return skinDataName_; }
  // Index of the record in the skin data's control records, or -1.
  int RecordIndex() const { return recordIndex_; }

  const std::wstring& HintTitle() const { return hintTitle_; }
  int HintImageIndex() const { return hintImageIndex_; }
  fw::TImageList* HintImageList() const { return hintImageList_; }

 protected:
  // A loaded skin: the empty skin data stands for none.
  bool SkinLoaded() const;
  // The first record whose name equals SkinDataName byte for byte, or -1.
  void LookUpRecord();

  TskSkinData* skinData_ = nullptr;
  std::string skinDataName_;
  int recordIndex_ = -1;
  std::wstring hintTitle_;
  int hintImageIndex_ = 0;
  fw::TImageList* hintImageList_ = nullptr;
};

// Windowed base. Skin changes reach it through ForgetSkinRecord (before)
// and ApplySkinChange (after), called by whoever walks the window's controls.
class TskSkinControl : public fw::TCustomControl, public TskSkinBinding {
 public:
  explicit TskSkinControl(fw::TComponent* owner);
  ~TskSkinControl() override;

  virtual void SetSkinDataName(const std::string& value);
  // Takes up the skin at once when it is loaded.
  virtual void SetSkinData(TskSkinData* value);
  void SetHintTitle(const std::wstring& value) { hintTitle_ = value; }
  void SetHintImageIndex(int value) { hintImageIndex_ = value; }
  void SetHintImageList(fw::TImageList* value);

  // Finds the record again (the skin or the name may have changed).
  virtual void RefreshSkinRecord();
  virtual void ApplySkinChange();
  virtual void ForgetSkinRecord();

  void WndProc(fw::TMessage& message) override;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  void Paint() override;
  // Draw into the paint bitmap, which has the control's size.
  virtual void PaintDefaultImage(fw::TBitmap& bitmap) {}
  virtual void PaintSkinImage(fw::TBitmap& bitmap) {}
  // The parent's look behind this control changed (SKINMSG_PARENT_BACKGROUND).
  virtual void ParentBackgroundChanged() {}
  bool Designing() const { return HasState(fw::csDesigning); }
  // True while the control is inside its WM_PAINT handling.
  bool PaintingWindow() const { return painting_; }

 private:
  bool painting_ = false;
};

// Windowless base: painted on its parent's surface.
class TskGraphicSkinControl : public fw::TGraphicControl, public TskSkinBinding {
 public:
  explicit TskGraphicSkinControl(fw::TComponent* owner);
  ~TskGraphicSkinControl() override;

  void SetSkinDataName(const std::string& value) { skinDataName_ = value; }
  virtual void SetSkinData(TskSkinData* value);
  void SetHintTitle(const std::wstring& value) { hintTitle_ = value; }
  void SetHintImageIndex(int value) { hintImageIndex_ = value; }
  void SetHintImageList(fw::TImageList* value);

  virtual void RefreshSkinRecord();
  virtual void ApplySkinChange();
  virtual void ForgetSkinRecord();

  void WndProc(fw::TMessage& message) override;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  void Paint() override;
  virtual void PaintDefaultImage(fw::TBitmap& bitmap) {}
  virtual void PaintSkinImage(fw::TBitmap& bitmap) {}
  virtual void ParentBackgroundChanged() {}
  bool Designing() const { return HasState(fw::csDesigning); }
};

}  // namespace sk
