#pragma once
// TFrCustomPanel: a panel with an outer border, a band of BorderColor and
// an inner border, each on the sides in BorderSides.
#include <map>

#include "framework/ExtCtrls.h"
#include "status/FrCommon.h"
#include "status/FrFrameController.h"

namespace fr {

class TFrCustomPanel : public fw::TCustomControl {
 public:
  explicit TFrCustomPanel(fw::TComponent* owner);
  ~TFrCustomPanel() override;

  TFrameStyleEx BorderOuter() const { return borderOuter_; }
  virtual void SetBorderOuter(TFrameStyleEx value);
  TFrameStyleEx BorderInner() const { return borderInner_; }
  virtual void SetBorderInner(TFrameStyleEx value);
  TSides BorderSides() const { return borderSides_; }
  virtual void SetBorderSides(TSides value);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int value);
  int BevelWidth() const { return bevelWidth_; }
  void SetBevelWidth(int value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TColor BorderHighlight() const { return borderHighlight_; }
  void SetBorderHighlight(TColor value);
  TColor BorderShadow() const { return borderShadow_; }
  void SetBorderShadow(TColor value);
  TColor FlatColor() const { return flatColor_; }
  void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  // ERangeError outside -255..255, before anything is stored.
  void SetFlatColorAdjustment(int value);
  bool ThemeAware() const { return themeAware_; }
  void SetThemeAware(bool value);
  bool FullRepaint() const { return fullRepaint_; }
  void SetFullRepaint(bool value) { fullRepaint_ = value; }
  TFrFrameController* FrameController() const { return frameController_; }
  void SetFrameController(TFrFrameController* value);

  // Disabling remembers which children were enabled; enabling restores them.
  void SetEnabled(bool enabled) override;
  // What BorderOuter, BorderInner and BorderWidth leave for the interior.
  TRect InteriorRect(const TRect& bounds) const;

 protected:
  void Paint() override;
  void ColorChanged() override;
  void AdjustClientRect(fw::TRect& rect) const override;
  void WndProc(fw::TMessage& message) override;
  void Notification(fw::TComponent* component, fw::TOperation operation) override;
  // Draws the borders and the band; returns the interior.
  TRect PaintPanelBorders(fw::TCanvas& canvas, const TRect& bounds);
  void PaintClassic(fw::TCanvas& canvas);

 private:
  TRect PaintBorder(fw::TCanvas& canvas, const TRect& r, TFrameStyleEx style, bool inner);
  void Changed() { Invalidate(); }

  TFrameStyleEx borderOuter_ = TFrameStyleEx::fsRaised;
  TFrameStyleEx borderInner_ = TFrameStyleEx::fsNone;
  TSides borderSides_ = kAllSides;
  int borderWidth_ = 0;
  int bevelWidth_ = 1;
  TColor borderColor_ = fw::clBtnFace;
  TColor borderHighlight_ = fw::clBtnHighlight;
  TColor borderShadow_ = fw::clBtnShadow;
  TColor flatColor_ = fw::clBtnShadow;
  int flatColorAdjustment_ = 30;
  bool themeAware_ = true;
  bool fullRepaint_ = true;
  TFrFrameController* frameController_ = nullptr;
  std::map<fw::TComponent*, bool> enabledWhenDisabled_;
  int lastWidth_ = -1, lastHeight_ = -1;
};

}  // namespace fr
