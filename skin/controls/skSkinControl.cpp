#include "skin/controls/skSkinControl.h"

#include "framework/ImgList.h"
#include "skin/data/skSkinData.h"

namespace sk {

bool TskSkinBinding::SkinLoaded() const { return skinData_ && !skinData_->Empty(); }

void TskSkinBinding::LookUpRecord() { recordIndex_ = SkinLoaded() ? skinData_->IndexOfSkinControl(skinDataName_) : -1; }

namespace {

// The off-screen bitmap a paint composes in, copied to `canvas` in one step.
template <class Control>
void PaintThroughBitmap(Control& control, fw::TCanvas& canvas, bool skinned, auto paintDefault, auto paintSkin) {
  fw::TBitmap bitmap(control.Width(), control.Height());
  if (skinned) {
    paintSkin(bitmap);
  } else {
    paintDefault(bitmap);
  }
  canvas.Draw(0, 0, bitmap);
}

}  // namespace

// ---- windowed

TskSkinControl::TskSkinControl(fw::TComponent* owner) : TCustomControl(owner) {}

TskSkinControl::~TskSkinControl() = default;

void TskSkinControl::SetSkinDataName(const std::string& value) { skinDataName_ = value; }

void TskSkinControl::SetSkinData(TskSkinData* value) {
  if (skinData_ && skinData_ != value) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value) FreeNotification(value);
  if (SkinLoaded() && !Designing()) ApplySkinChange();
}

void TskSkinControl::SetHintImageList(fw::TImageList* value) {
  if (hintImageList_ && hintImageList_ != value) RemoveFreeNotification(hintImageList_);
  hintImageList_ = value;
  if (value) FreeNotification(value);
}

void TskSkinControl::Notification(fw::TComponent* component, fw::TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == skinData_) {
    skinData_ = nullptr;
    recordIndex_ = -1;
  }
  if (component == hintImageList_) hintImageList_ = nullptr;
}

void TskSkinControl::RefreshSkinRecord() { LookUpRecord(); }

void TskSkinControl::ApplySkinChange() {
  RefreshSkinRecord();
  Invalidate();
}

void TskSkinControl::ForgetSkinRecord() { recordIndex_ = -1; }

void TskSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  RefreshSkinRecord();
  PaintThroughBitmap(
      *this, Canvas(), recordIndex_ >= 0, [this](fw::TBitmap& b) { PaintDefaultImage(b); },
      [this](fw::TBitmap& b) { PaintSkinImage(b); });
}

void TskSkinControl::WndProc(fw::TMessage& message) {
  switch (message.msg) {
    case WM_PAINT: {
      // Flagged so an erase sent from inside the paint can tell it apart.
      const bool keep = painting_;
      painting_ = true;
      try {
        TCustomControl::WndProc(message);
      } catch (...) {
        painting_ = keep;
        throw;
      }
      painting_ = keep;
      return;
    }
    case WM_ERASEBKGND:
      // The paint covers every pixel: erasing first would only flicker.
      message.result = 1;
      return;
    case SKINMSG_PARENT_BACKGROUND: ParentBackgroundChanged(); return;
    default: break;
  }
  TCustomControl::WndProc(message);
}

// ---- windowless

TskGraphicSkinControl::TskGraphicSkinControl(fw::TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | fw::csOpaque);
}

TskGraphicSkinControl::~TskGraphicSkinControl() = default;

void TskGraphicSkinControl::SetSkinData(TskSkinData* value) {
  if (skinData_ && skinData_ != value) RemoveFreeNotification(skinData_);
  skinData_ = value;
  if (value) FreeNotification(value);
  if (SkinLoaded() && !Designing()) ApplySkinChange();
}

void TskGraphicSkinControl::SetHintImageList(fw::TImageList* value) {
  if (hintImageList_ && hintImageList_ != value) RemoveFreeNotification(hintImageList_);
  hintImageList_ = value;
  if (value) FreeNotification(value);
}

void TskGraphicSkinControl::Notification(fw::TComponent* component, fw::TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == skinData_) {
    skinData_ = nullptr;
    recordIndex_ = -1;
  }
  if (component == hintImageList_) hintImageList_ = nullptr;
}

void TskGraphicSkinControl::RefreshSkinRecord() { LookUpRecord(); }

void TskGraphicSkinControl::ApplySkinChange() {
  RefreshSkinRecord();
  Invalidate();
}

void TskGraphicSkinControl::ForgetSkinRecord() { recordIndex_ = -1; }

void TskGraphicSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  RefreshSkinRecord();
  PaintThroughBitmap(
      *this, Canvas(), recordIndex_ >= 0, [this](fw::TBitmap& b) { PaintDefaultImage(b); },
      [this](fw::TBitmap& b) { PaintSkinImage(b); });
}

void TskGraphicSkinControl::WndProc(fw::TMessage& message) {
  if (message.msg == SKINMSG_PARENT_BACKGROUND) {
    ParentBackgroundChanged();
    return;
  }
  TGraphicControl::WndProc(message);
}

}  // namespace sk
