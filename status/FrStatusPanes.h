#pragma once
// Status panes: windowless controls aligned on a TFrStatusBar, each with a
// frame and one line of text. The base carries frame, fill, alignment,
// automatic width and blinking (one process-wide blink list); polling panes
// share one process-wide 500 ms timer; the clock shows the date and time.
#include <windows.h>

#include <functional>
#include <string>

#include "framework/Controls.h"
#include "framework/StdCtrls.h"
#include "status/FrCommon.h"
#include "status/FrFrameController.h"

namespace fr {

class TFrStatusBar;

// The blink list's messages to its members.
constexpr UINT kMsgQueryBlinking = 0xB3E8;  // answer 1 when blinking
constexpr UINT kMsgBlinkPhase = 0xB3E9;     // wParam 1: blink colour, 0: normal

class TFrCustomStatusPane : public fw::TGraphicControl, public TFrFrameNotification {
 public:
  explicit TFrCustomStatusPane(fw::TComponent* owner);
  ~TFrCustomStatusPane() override;

  TFrameStyle FrameStyle() const { return frameStyle_; }
  virtual void SetFrameStyle(TFrameStyle value);
  int BorderWidth() const { return borderWidth_; }
  virtual void SetBorderWidth(int value);
  TColor FlatColor() const { return flatColor_; }
  virtual void SetFlatColor(TColor value);
  int FlatColorAdjustment() const { return flatColorAdjustment_; }
  // ERangeError outside -255..255, before anything is stored.
  virtual void SetFlatColorAdjustment(int value);
  TColor FillColor() const { return fillColor_; }
  // Setting the fill colour stops it following Color.
  virtual void SetFillColor(TColor value);
  bool ParentFillColor() const { return parentFillColor_; }
  virtual void SetParentFillColor(bool value);
  TFrFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TFrFrameController* value);
  fw::TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(fw::TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  int DefaultWidth() const { return defaultWidth_; }
  virtual void SetDefaultWidth(int value);
  int CaptionOffset() const { return captionOffset_; }
  virtual void SetCaptionOffset(int value);
  bool Blinking() const { return blinking_; }
  virtual void SetBlinking(bool value);
  TColor BlinkColor() const { return blinkColor_; }
  virtual void SetBlinkColor(TColor value);
  // Shared by every pane of the process.
  static uint16_t BlinkIntervalOn();
  static void SetBlinkIntervalOn(uint16_t value);
  static uint16_t BlinkIntervalOff();
  static void SetBlinkIntervalOff(uint16_t value);
  // Layout setters of the shared intervals.
  void SetBlinkIntervalOnValue(int value) { SetBlinkIntervalOn(static_cast<uint16_t>(value)); }
  void SetBlinkIntervalOffValue(int value) { SetBlinkIntervalOff(static_cast<uint16_t>(value)); }
  bool AutoHint() const { return autoHint_; }
  void SetAutoHint(bool value) { autoHint_ = value; }
  // Takes `hint` as the caption when AutoHint is on; true when taken.
  bool ShowApplicationHint(const std::wstring& hint);

  // The text colour in use (BlinkColor in the blink phase) and the normal one.
  TColor TextColor() const { return currentColor_; }
  TColor NormalTextColor() const { return normalColor_; }

  // The width the text asks for (AutoSize).
  virtual int RequiredWidth();
  // Where the text goes, in pane coordinates.
  virtual TRect TextRect();
  // The pane lies at the right end of a status bar showing its size grip.
  virtual bool IsUnderSizeGrip() const;
  TFrStatusBar* StatusBar() const;
  // Sits on a theme-aware status bar with visual styles on.
  bool Themed() const;

  void FrameControllerUpdate(const TFrFrameController& controller, TFrFrameProperty what) override;
  void Loaded() override;

  fw::TNotifyEvent OnMouseEnter;
  fw::TNotifyEvent OnMouseLeave;

 protected:
  void Paint() override;
  void WndProc(fw::TMessage& message) override;
  void FontChanged() override;
  void ColorChanged() override;
  void TextChanged() override;
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

  virtual void PaintFrameAndBackground(HDC dc);
  virtual void DrawPaneText(HDC dc, const std::wstring& text);
  virtual void SetBlinkPhase(bool blinkColour);
  void AdjustWidth();
  // Writes the text straight onto the bar, without the frame.
  void PaintTextNow();
  // Prepares the DC for text: the font, and the bar's themed background
  // under `rect` when themed or an opaque FillColor brush otherwise.
  // Returns true when the text must be written opaque.
  bool PrepareTextBackground(HDC dc, const TRect& rect);
  // The text with the platform's single-line measuring.
  int MeasureText(const std::wstring& text) const;
  // Writes `text` at x (anchor per `align`), centred vertically, clipped to
  // `rect`; embossed when the pane is disabled.
  void WriteText(HDC dc, const TRect& rect, int x, UINT align, const std::wstring& text, TColor color, bool opaque,
                 int disabledX);

 private:
  TFrameStyle frameStyle_ = TFrameStyleEx::fsFlat;
  int borderWidth_ = 1;
  TColor flatColor_ = fw::clBtnShadow;
  int flatColorAdjustment_ = 30;
  TColor fillColor_ = fw::clBtnFace;
  bool parentFillColor_ = true;
  TFrFrameController* frameController_ = nullptr;
  fw::TAlignment alignment_ = fw::TAlignment::taLeftJustify;
  bool autoSize_ = false;
  int defaultWidth_ = 40;
  int captionOffset_ = 2;
  bool blinking_ = false;
  TColor blinkColor_ = fw::SystemColor(COLOR_HIGHLIGHT);
  bool autoHint_ = false;
  TColor normalColor_ = fw::clWindowText;
  TColor currentColor_ = fw::clWindowText;
};

class TFrStatusPane : public TFrCustomStatusPane {
 public:
  using TFrCustomStatusPane::TFrCustomStatusPane;
};

// A pane driven by the process-wide polling timer.
class TFrPollingStatus : public TFrCustomStatusPane {
 public:
  explicit TFrPollingStatus(fw::TComponent* owner);
  ~TFrPollingStatus() override;

  // Both read and write the one timer every polling pane shares.
  bool Active() const;
  void SetActive(bool value);
  uint16_t Interval() const;
  void SetInterval(uint16_t value);
  void SetIntervalValue(int value) { SetInterval(static_cast<uint16_t>(value)); }

  // The shared timer's tick, for each visible polling pane.
  virtual void TimerExpired();
  fw::TNotifyEvent OnTimerExpired;
};

using TFrGetDateTimeEvent = std::function<void(fw::TComponent* sender, SYSTEMTIME& dateTime)>;

class TFrClockStatus : public TFrPollingStatus {
 public:
  explicit TFrClockStatus(fw::TComponent* owner);

  const std::wstring& Format() const { return format_; }
  void SetFormat(const std::wstring& value);
  // Reads the time; when its text changed, shows it at once.
  virtual void UpdateTime();
  const std::wstring& LastText() const { return lastText_; }

  TRect TextRect() override;
  void TimerExpired() override;
  void Loaded() override;
  TFrGetDateTimeEvent OnGetDateTime;

 protected:
  void Paint() override;
  void TextChanged() override;

 private:
  std::wstring format_;
  std::wstring lastText_;
  bool writingTime_ = false;
};

// The clock's text of `time`: `format` as FormatClock reads it, with the
// user's locale names, or the user's short date and long time when empty.
std::wstring FormatClockText(const SYSTEMTIME& time, const std::wstring& format);

// A pane with a label before its value.
class TFrCustomFieldStatus : public TFrCustomStatusPane {
 public:
  using TFrCustomStatusPane::TFrCustomStatusPane;

  const std::wstring& FieldLabel() const { return fieldLabel_; }
  virtual void SetFieldLabel(const std::wstring& value);
  TColor FieldLabelColor() const { return fieldLabelColor_; }
  virtual void SetFieldLabelColor(TColor value);

  int RequiredWidth() override;
  TRect TextRect() override;

 protected:
  void DrawPaneText(HDC dc, const std::wstring& text) override;

 private:
  std::wstring fieldLabel_;
  TColor fieldLabelColor_ = fw::SystemColor(COLOR_HIGHLIGHT);
};

}  // namespace fr
