#pragma once
// TFrStatusBar: the bottom-aligned framed panel that hosts status panes,
// draws a size grip at its right end and can show one "simple" text
// instead of its panes.
#include "status/FrPanel.h"

namespace fw {
class TForm;
}

namespace fr {

class TFrStatusBar : public TFrCustomPanel {
 public:
  explicit TFrStatusBar(fw::TComponent* owner);

  bool AutoStyle() const { return autoStyle_; }
  void SetAutoStyle(bool value) { autoStyle_ = value; }
  bool ShowSizeGrip() const { return showSizeGrip_; }
  void SetShowSizeGrip(bool value);
  bool SimpleStatus() const { return simpleStatus_; }
  void SetSimpleStatus(bool value);
  const std::wstring& SimpleCaption() const { return simpleCaption_; }
  void SetSimpleCaption(const std::wstring& value);
  TFrameStyle SimpleFrameStyle() const { return simpleFrameStyle_; }
  void SetSimpleFrameStyle(TFrameStyle value);
  bool AutoScalePanes() const { return autoScalePanes_; }
  void SetAutoScalePanes(bool value) { autoScalePanes_ = value; }

  // A real change of a border property switches AutoStyle off.
  void SetBorderOuter(TFrameStyleEx value) override;
  void SetBorderInner(TFrameStyleEx value) override;
  void SetBorderSides(TSides value) override;

  void Loaded() override;

  // Visual styles in use for this bar.
  bool Themed() const;
  // Where the panes are aligned (before the border insets).
  TRect StatusClientRect() const;
  // The parent form has a sizeable border and is not maximised.
  bool GripUsable() const { return gripUsable_; }
  // The grip is drawn and answers the mouse.
  bool GripActive() const { return showSizeGrip_ && gripUsable_; }
  fw::TForm* ParentForm() const;
  // The whole bar as a paint draws it: background, panes, then the grip.
  void PaintTo(HDC dc);

 protected:
  void Paint() override;
  void AdjustClientRect(fw::TRect& rect) const override;
  void WndProc(fw::TMessage& message) override;
  void CreateWnd() override;
  void Resize() override;

 private:
  void UpdateGripUsable();
  void ApplyStandardLook();
  void PaintSimple(fw::TCanvas& canvas);
  void PaintGrip(HDC dc);
  bool OverGrip(int x) const;

  bool autoStyle_ = true;
  bool showSizeGrip_ = true;
  bool simpleStatus_ = false;
  std::wstring simpleCaption_;
  TFrameStyle simpleFrameStyle_ = TFrameStyleEx::fsFlat;
  bool autoScalePanes_ = false;
  bool gripUsable_ = false;
  bool firstResize_ = true;
  int lastWidth_ = 0;
  int widthChange_ = 0;
  bool applyingStyle_ = false;
};

}  // namespace fr
