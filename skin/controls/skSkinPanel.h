#pragma once
// The skinned panel: a container drawn from the skin's "panel" record, a
// frame around a client area its children are aligned in. Optionally a
// caption strip with a check box (which can enable the children), a
// roll-up arrow (the panel collapses to its caption), an image, and a
// see-through mode. The paint panel hands its canvas to an event; the
// status bar adds a size grip.
#include <functional>
#include <string>
#include <vector>

#include "skin/controls/skSkinCustomControl.h"

namespace fw {
class TImageList;
}

namespace sk {

class TskDataSkinPanelControl;

enum TskImagePosition { skiposDefault = 0, skiposLeft = 1 };

// Limits on the size; 0 is no limit.
struct TskSizeConstraints {
  int maxWidth = 0, minWidth = 0, maxHeight = 0, minHeight = 0;
  friend bool operator==(const TskSizeConstraints&, const TskSizeConstraints&) = default;
};

class TskSkinPanel : public TskSkinCustomControl {
 public:
  explicit TskSkinPanel(fw::TComponent* owner);
  ~TskSkinPanel() override;

  TskImagePosition ImagePosition() const { return imagePosition_; }
  void SetImagePosition(TskImagePosition value);
  bool TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(bool value);
  fw::TImageList* CaptionImageList() const { return captionImageList_; }
  void SetCaptionImageList(fw::TImageList* value);
  int CaptionImageIndex() const { return captionImageIndex_; }
  void SetCaptionImageIndex(int value);
  int RealHeight() const { return realHeight_; }
  void SetRealHeight(int value) { realHeight_ = value; }
  bool AutoEnabledControls() const { return autoEnabledControls_; }
  void SetAutoEnabledControls(bool value) { autoEnabledControls_ = value; }
  bool CheckedMode() const { return checkedMode_; }
  void SetCheckedMode(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  TAlignment DefaultAlignment() const { return defaultAlignment_; }
  void SetDefaultAlignment(TAlignment value);
  int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  virtual void SetDefaultCaptionHeight(int value);
  TskSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TskSkinBorderStyle value);
  bool CaptionMode() const { return captionMode_; }
  virtual void SetCaptionMode(bool value);
  bool RollUpMode() const { return rollUpMode_; }
  void SetRollUpMode(bool value);
  bool RollUpState() const { return rollUpState_; }
  void SetRollUpState(bool value);
  const fw::TBitmap& Glyph() const { return glyph_; }
  void SetGlyph(const fw::TBitmap& value);
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);
  const TskSizeConstraints& Constraints() const { return constraints_; }
  void SetConstraints(const TskSizeConstraints& value);

  fw::TNotifyEvent OnChecked;
  fw::TNotifyEvent OnChangeRollUpState;

  // The caption rectangle as last painted (control coordinates).
  const TRect& CaptionRect() const { return captionRect_; }

  void ApplySkinChange() override;
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(fw::TMessage& message) override;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  void Loaded() override;
  void AdjustClientRect(TRect& rect) const override;
  void Paint() override;
  void PaintDefaultImage(fw::TBitmap& bitmap) override;
  void PaintSkinImage(fw::TBitmap& bitmap) override;
  void MouseUp(fw::TMouseButton button, fw::TShiftState shift, int x, int y) override;
  void ParentBackgroundChanged() override;
  // A last look at the composed bitmap before it is shown.
  virtual void PaintPanelHook(fw::TCanvas& canvas) {}
  // The panel's client rectangle at its current size.
  TRect PanelClient() const;
  bool RecordApplies() const { return SkinApplies() && !Designing(); }
  const TskDataSkinPanelControl* PanelRecord() const;

 private:
  void Changed(bool realign);
  void CaptionClick(int x, int y);
  void RollUp();
  void RollDown();
  // The panel's height with only its frame (and caption) showing.
  int RolledUpHeight() const;
  void PaintTransparent();
  void PaintGroupBox();
  void PaintGroupBoxOn(fw::TBitmap& bitmap, const TskDataSkinPanelControl* record, const fw::TBitmap* picture);
  // What lies behind the panel changed (it moved, or its parent repainted).
  void BackdropChanged();
  void PaintClientSliceOver();
  void PaintBackgroundPicture();
  void DrawDefaultCaption(fw::TCanvas& canvas);
  void DrawSkinCaption(fw::TBitmap& bitmap);
  // The caption image: the image list's when it holds the index and there
  // is no glyph, else the glyph. Width 0 for none.
  int CaptionImageWidth() const;
  void DrawCaptionImage(fw::TCanvas& canvas, int x, int y) const;
  int CaptionImageHeight() const;

  TskImagePosition imagePosition_ = skiposDefault;
  bool transparentMode_ = false;
  fw::TImageList* captionImageList_ = nullptr;
  int captionImageIndex_ = -1;
  int realHeight_ = -1;
  bool autoEnabledControls_ = true;
  bool checkedMode_ = false;
  bool checked_ = false;
  TAlignment defaultAlignment_ = taLeftJustify;
  int defaultCaptionHeight_ = 22;
  TskSkinBorderStyle borderStyle_ = bvFrame;
  bool captionMode_ = false;
  bool rollUpMode_ = false;
  bool rollUpState_ = false;
  fw::TBitmap glyph_;
  int numGlyphs_ = 1;
  int spacing_ = 2;
  TskSizeConstraints constraints_;
  TRect captionRect_;
  // Saved at roll-up, put back at roll-down.
  TskSizeConstraints savedConstraints_;
  bool constraintsSaved_ = false;
  // The children that were showing when the panel rolled up.
  std::vector<fw::TControl*> hiddenByRollUp_;
  bool alignSuspended_ = false;
};

using TskPaintPanelEvent = std::function<void(fw::TCanvas& Cnvs, TRect R)>;

class TskSkinPaintPanel : public TskSkinPanel {
 public:
  explicit TskSkinPaintPanel(fw::TComponent* owner);
  TskPaintPanelEvent OnPanelPaint;
  void WndProc(fw::TMessage& message) override;

 protected:
  void PaintDefaultImage(fw::TBitmap& bitmap) override;
  void PaintSkinImage(fw::TBitmap& bitmap) override;
  void PaintPanelHook(fw::TCanvas& canvas) override;

 private:
  void FirePanelPaint(fw::TCanvas& canvas);
};

class TskSkinStatusBar : public TskSkinPanel {
 public:
  explicit TskSkinStatusBar(fw::TComponent* owner);

  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool value);
  // The form hides the grip while its window is maximised.
  bool GripVisible() const { return gripVisible_; }
  void SetGripVisible(bool value);
  // Also gives the skin data to every skin control on the bar.
  void SetSkinData(TskSkinData* value) override;
  void RefreshSkinRecord() override;
  void WndProc(fw::TMessage& message) override;
  // The grip in control coordinates.
  TRect GripRect() const;

 protected:
  void AdjustClientRect(TRect& rect) const override;
  void PaintDefaultImage(fw::TBitmap& bitmap) override;
  void PaintSkinImage(fw::TBitmap& bitmap) override;
  void PaintPanelHook(fw::TCanvas& canvas) override;

 private:
  // SizeGrip on, the grip not hidden, and the window not maximised.
  bool GripShown() const;
  void DrawGrip(fw::TCanvas& canvas);

  bool sizeGrip_ = false;
  bool gripVisible_ = true;
  TRect gripperRect_;
  bool gripperTransparent_ = false;
  fw::TColor gripperTransparentColor_ = 0;
};

}  // namespace sk
