#pragma once
// Skinned hints (Windows only): a component that gives the application a
// hint window drawn from the skin's [HINTWINDOW] record, and a small
// programmatic hint (text at the cursor after a pause, hidden after
// another) for elements that are not controls, such as caption buttons and
// menu items. Only an active component on the application's main form is
// in charge of the hints.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Hints.h"
#include "framework/ImgList.h"
#include "skin/data/skSkinData.h"
#include "skin/hints/skSkinHintGeometry.h"

namespace sk {

class TskSkinHint;

class TskSkinHintWindow : public fw::THintWindow {
 public:
  explicit TskSkinHintWindow(fw::TComponent* owner);

  // Shows `text` with its top-left corner at rect's top-left (the rest of
  // the rectangle is not used), sized, shaped and placed by the hint in
  // charge; without one nothing shows.
  void ActivateHint(const fw::TRect& rect, const std::wstring& text) override;
  // The window rectangle (at 0, 0) that `text` will get; lines never wrap.
  fw::TRect CalcHintRect(int maxWidth, const std::wstring& text) override;

  // Hides the window without activating anything.
  void HideHintWindow();

  bool TitleMode() const { return titleMode_; }
  bool RegionApplied() const { return regionApplied_; }

 protected:
  void CreateParams(fw::TCreateParams& params) override;
  void AfterCreateWnd() override;
  void WndProc(fw::TMessage& message) override;
  void Paint() override;

 private:
  // Everything an activation works out for `text` (already with its line
  // breaks) before anything is shown.
  struct Measured {
    TskHintContent content;
    std::unique_ptr<TskHintFrame> frame;  // null without a usable skin
    fw::TPoint size;
    TskHintGeometry geometry;  // with a frame
  };
  Measured Measure(TskSkinHint& hint, const std::wstring& text, bool titleMode);
  void ApplyTransparency(const TskSkinHint& hint);
  void ApplyRegion(const TskSkinHint& hint, const Measured& m);
  void FadeIn(int target);

  bool titleMode_ = false;
  bool regionApplied_ = false;  // the system owns it
  bool lastAlphaBlend_ = false;
  int lastAlpha_ = -1;
};

class TskSkinHint : public fw::TComponent {
 public:
  explicit TskSkinHint(fw::TComponent* owner);
  ~TskSkinHint() override;

  // ---- published properties
  // Activating one deactivates every other active one on the main form.
  bool Active() const { return active_; }
  void SetActive(bool value);
  TskSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TskSkinData* value);
  // Every occurrence in a hint text becomes a line break.
  const std::wstring& LineSeparator() const { return lineSeparator_; }
  void SetLineSeparator(const std::wstring& value) { lineSeparator_ = value; }
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value) { alphaBlend_ = value; }
  uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }
  bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
  void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }
  fw::TFont& DefaultFont() { return defaultFont_; }
  const fw::TFont& DefaultFont() const { return defaultFont_; }
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  // After the component's own handling of the application's show-hint call.
  std::function<void(std::wstring& hintStr, bool& canShow, fw::THintInfo& hintInfo)> OnShowHint;

  // ---- the programmatic hint
  // Shows `text` at the cursor after the application's hint pause.
  void ShowHintText(const std::wstring& text);
  // Shows the pending text now below the cursor; it hides after the
  // application's hint hide pause.
  void ShowHintNow();
  void HideHint();
  bool HintPending() const { return phase_ == Phase::Pending; }
  bool HintShown() const { return phase_ == Phase::Shown; }
  TskSkinHintWindow* HintWindow() const { return hintWindow_; }

  // ---- title and image of the next hint (taken from a skinned control, or
  // set by OnShowHint); cleared whenever a hint hides or another is asked for
  const std::wstring& HintTitle() const { return title_; }
  void SetHintTitle(const std::wstring& title) { title_ = title; }
  int HintImageIndex() const { return imageIndex_; }
  fw::TImageList* HintImageList() const { return imageList_; }
  void SetHintImage(fw::TImageList* list, int index);
  void ClearTitleAndImage();

  // The component in charge: the first active one among the main form's
  // components, or null.
  static TskSkinHint* InCharge();
  // The skin's hint frame when the skin is usable: set, loaded, and its
  // [HINTWINDOW] record has a window picture.
  bool UsableFrame(TskHintFrame& frame) const;
  // The font of hint texts: the skin's or DefaultFont, with the charset rule.
  fw::TFontInfo HintFont(bool skinned) const;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  enum class Phase { Idle, Pending, Shown };
  struct ShowHintLink;
  struct ShowHintThunk;
  void TakeOverShowHint();
  void GiveBackShowHint();
  void DoShowHint(std::wstring& hintStr, bool& canShow, fw::THintInfo& hintInfo);
  // A skinned control's hint brings its own title and image.
  void TakeControlHintExtras(fw::TControl* control);
  void StartTimer(int interval);
  void TimerTick();

  bool active_ = true;
  TskSkinData* skinData_ = nullptr;
  std::wstring lineSeparator_ = L"@";
  bool alphaBlend_ = false;
  uint8_t alphaBlendValue_ = 0;
  bool alphaBlendAnimation_ = false;
  fw::TFont defaultFont_;
  bool useSkinFont_ = true;

  TskSkinHintWindow* hintWindow_ = nullptr;  // owned
  fw::TTimer* timer_ = nullptr;              // owned; stopped, never freed, from its own tick
  Phase phase_ = Phase::Idle;
  std::wstring pendingText_;
  std::wstring title_;
  int imageIndex_ = 0;
  fw::TImageList* imageList_ = nullptr;
  std::shared_ptr<ShowHintLink> link_;
};

// How far below the cursor's hot spot the programmatic hint starts: read
// from the current cursor's monochrome mask, else the system cursor height.
int CursorHeight();

}  // namespace sk
