#include "status/FrStatusPanes.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "status/FrClockFormat.h"
#include "status/FrGeometry.h"
#include "status/FrMemberList.h"
#include "status/FrPaint.h"
#include "status/FrStatus.h"

namespace fr {

namespace {

// The process-wide blink list: one timer alternating the two phases.
struct BlinkList {
  TFrMemberList<TFrCustomStatusPane> members;
  fw::TTimer* timer = nullptr;
  bool blinkPhase = true;
};
uint16_t gBlinkOn = 500;
uint16_t gBlinkOff = 500;
std::unique_ptr<BlinkList> gBlinkList;

// The process-wide polling list: one timer for every polling pane.
struct PollingList {
  TFrMemberList<TFrPollingStatus> members;
  fw::TTimer* timer = nullptr;
};
std::unique_ptr<PollingList> gPollingList;

// A list goes with its last member, but not while its timer is walking it:
// the tick frees it when it is done.
template <class List>
void FreeIfDone(std::unique_ptr<List>& list) {
  if (!list || !list->members.Empty() || list->members.Walking()) return;
  fw::TComponent::Free(list->timer);
  list.reset();
}

void BlinkTick() {
  BlinkList& list = *gBlinkList;
  list.blinkPhase = !list.blinkPhase;
  list.timer->SetInterval(list.blinkPhase ? gBlinkOn : gBlinkOff);
  const bool phase = list.blinkPhase;
  list.members.ForEach([phase](TFrCustomStatusPane* pane) {
    if (pane->Perform(kMsgQueryBlinking) == 1) pane->Perform(kMsgBlinkPhase, phase ? 1 : 0);
  });
  FreeIfDone(gBlinkList);
}

void JoinBlinkList(TFrCustomStatusPane* pane) {
  if (!gBlinkList) {
    gBlinkList = std::make_unique<BlinkList>();
    gBlinkList->timer = fw::TComponent::Create<fw::TTimer>(nullptr);
    gBlinkList->timer->SetInterval(gBlinkOff);
    gBlinkList->timer->OnTimer = [](fw::TComponent*) { BlinkTick(); };
  }
  gBlinkList->members.Join(pane);
}

void LeaveBlinkList(TFrCustomStatusPane* pane) {
  if (!gBlinkList) return;
  gBlinkList->members.Leave(pane);
  FreeIfDone(gBlinkList);
}

void PollingTick() {
  gPollingList->members.ForEach([](TFrPollingStatus* pane) {
    if (pane->Visible()) pane->TimerExpired();
  });
  FreeIfDone(gPollingList);
}

TColor ShadowOrHighlight(bool highlight) { return highlight ? fw::clBtnHighlight : fw::clBtnShadow; }

}  // namespace

// --- TFrCustomStatusPane ------------------------------------------------------

TFrCustomStatusPane::TFrCustomStatusPane(fw::TComponent* owner) : TGraphicControl(owner) {
  SetControlStyle(ControlStyle() | fw::csOpaque);
  SetBounds(0, 0, 100, 20);
  SetParentColor(true);
  fillColor_ = Color();
  JoinBlinkList(this);
}

TFrCustomStatusPane::~TFrCustomStatusPane() {
  if (frameController_) frameController_->UnregisterControl(this);
  LeaveBlinkList(this);
}

void TFrCustomStatusPane::SetFrameStyle(TFrameStyle value) {
  if (value == TFrameStyleEx::fsFlatRounded) throw ERangeError(L"Range check error");
  if (value == frameStyle_) return;
  frameStyle_ = value;
  Invalidate();
}

void TFrCustomStatusPane::SetBorderWidth(int value) {
  if (value == borderWidth_) return;
  borderWidth_ = value;
  Invalidate();
}

void TFrCustomStatusPane::SetFlatColor(TColor value) {
  if (value == flatColor_) return;
  flatColor_ = value;
  Invalidate();
}

void TFrCustomStatusPane::SetFlatColorAdjustment(int value) {
  ShadeRgb(fw::clBlack, value);  // the range check
  if (value == flatColorAdjustment_) return;
  flatColorAdjustment_ = value;
  Invalidate();
}

void TFrCustomStatusPane::SetFillColor(TColor value) {
  parentFillColor_ = false;
  if (value == fillColor_) return;
  fillColor_ = value;
  Invalidate();
}

void TFrCustomStatusPane::SetParentFillColor(bool value) {
  if (value == parentFillColor_) return;
  parentFillColor_ = value;
  if (value) ColorChanged();
  Invalidate();
}

void TFrCustomStatusPane::SetFrameController(TFrFrameController* value) {
  RelinkFrameController(*this, frameController_, value);
}

void TFrCustomStatusPane::Notification(fw::TComponent* component, fw::TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == fw::TOperation::opRemove && component == frameController_) frameController_ = nullptr;
}

void TFrCustomStatusPane::SetAlignment(fw::TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TFrCustomStatusPane::SetAutoSize(bool value) {
  if (value == autoSize_) return;
  autoSize_ = value;
  AdjustWidth();
  Invalidate();
}

void TFrCustomStatusPane::SetDefaultWidth(int value) {
  if (value == defaultWidth_) return;
  defaultWidth_ = value;
  AdjustWidth();
  Invalidate();
}

void TFrCustomStatusPane::SetCaptionOffset(int value) {
  if (value == captionOffset_) return;
  captionOffset_ = value;
  AdjustWidth();
  Invalidate();
}

void TFrCustomStatusPane::SetBlinking(bool value) {
  if (value == blinking_) return;
  blinking_ = value;
  if (value) {
    Invalidate();
  } else {
    currentColor_ = normalColor_;
    Repaint();
  }
}

void TFrCustomStatusPane::SetBlinkColor(TColor value) {
  if (value == blinkColor_) return;
  blinkColor_ = value;
  Invalidate();
}

uint16_t TFrCustomStatusPane::BlinkIntervalOn() { return gBlinkOn; }
void TFrCustomStatusPane::SetBlinkIntervalOn(uint16_t value) { gBlinkOn = value; }
uint16_t TFrCustomStatusPane::BlinkIntervalOff() { return gBlinkOff; }
void TFrCustomStatusPane::SetBlinkIntervalOff(uint16_t value) { gBlinkOff = value; }

bool TFrCustomStatusPane::ShowApplicationHint(const std::wstring& hint) {
  if (!autoHint_) return false;
  SetCaption(hint);
  return true;
}

void TFrCustomStatusPane::SetBlinkPhase(bool blinkColour) {
  currentColor_ = blinkColour ? blinkColor_ : normalColor_;
  Repaint();
}

void TFrCustomStatusPane::FrameControllerUpdate(const TFrFrameController& c, TFrFrameProperty) {
  if (!c.FrameVisible()) return;
  SetFrameStyle(c.FrameStyle());
  SetFlatColor(c.FrameColor());
  SetFlatColorAdjustment(0);
  SetFillColor(c.Color());
  SetParentColor(c.ParentColor());
  Invalidate();
}

void TFrCustomStatusPane::Loaded() {
  TGraphicControl::Loaded();
  normalColor_ = currentColor_ = Font().Color();
  AdjustWidth();
}

void TFrCustomStatusPane::FontChanged() {
  if (!HasState(fw::csLoading)) {
    normalColor_ = Font().Color();
    if (!blinking_) currentColor_ = normalColor_;
    AdjustWidth();
  }
  Invalidate();
}

void TFrCustomStatusPane::ColorChanged() {
  if (parentFillColor_) fillColor_ = Color();
  Invalidate();
}

void TFrCustomStatusPane::TextChanged() {
  AdjustWidth();
  Invalidate();
}

void TFrCustomStatusPane::WndProc(fw::TMessage& m) {
  switch (m.msg) {
    case kMsgQueryBlinking: m.result = blinking_ ? 1 : 0; return;
    case fw::CM_HINTACTION:
      m.result = ShowApplicationHint(*reinterpret_cast<const std::wstring*>(m.lParam)) ? 1 : 0;
      return;
    case kMsgBlinkPhase:
      if (blinking_) SetBlinkPhase(m.wParam != 0);
      return;
    case fw::CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case fw::CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    default: break;
  }
  TGraphicControl::WndProc(m);
}

TFrStatusBar* TFrCustomStatusPane::StatusBar() const { return dynamic_cast<TFrStatusBar*>(Parent()); }

bool TFrCustomStatusPane::Themed() const {
  const TFrStatusBar* bar = StatusBar();
  return bar && bar->Themed();
}

bool TFrCustomStatusPane::IsUnderSizeGrip() const {
  const TFrStatusBar* bar = StatusBar();
  if (!bar || !bar->ShowSizeGrip()) return false;
  const int paneRight = ClientToScreen({Width(), 0}).x;
  const int barRight = bar->ClientToScreen({bar->ClientWidth(), 0}).x;
  return paneRight >= barRight;
}

int TFrCustomStatusPane::MeasureText(const std::wstring& text) const {
  fw::ScreenDC screen;
  fw::SelectedObject font(screen.Get(), Font().Handle());
  RECT r{0, 0, 0, 0};
  DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
  return r.right - r.left;
}

int TFrCustomStatusPane::RequiredWidth() {
  const std::wstring text = Caption();
  return RequiredPaneWidth(text.empty(), text.empty() ? 0 : MeasureText(text), defaultWidth_, borderWidth_,
                           captionOffset_, 0);
}

void TFrCustomStatusPane::AdjustWidth() {
  if (!autoSize_ || HasState(fw::csReading)) return;
  SetWidth(RequiredWidth());
}

TRect TFrCustomStatusPane::TextRect() {
  const int inset = borderWidth_ + PaneFrameWidth(frameStyle_);
  return {inset, inset, Width() - inset, Height() - inset};
}

void TFrCustomStatusPane::PaintFrameAndBackground(HDC dc) {
  const TRect client = ClientRect();
  if (Themed() && DrawStatusThemePart(StatusBar()->HandleIfAllocated(), dc, client, TStatusThemePart::Pane)) {
    return;
  }
  fw::TCanvas canvas(dc);
  canvas.Brush().color = Color();
  canvas.FillRect(client);
  const TRect r{borderWidth_, borderWidth_, client.right - borderWidth_, client.bottom - borderWidth_};
  if (frameStyle_ == TFrameStyleEx::fsFlat) {
    PaintFlatOutline(dc, r, ShadeColor(flatColor_, flatColorAdjustment_));
  } else {
    TDCFrameSurface surface(dc);
    fr::PaintFrame(surface, r, frameStyle_, kAllSides);
  }
}

bool TFrCustomStatusPane::PrepareTextBackground(HDC dc, const TRect& rect) {
  SelectObject(dc, Font().Handle());
  if (!Themed()) {
    SetBkColor(dc, fw::ColorToRGB(fillColor_));
    SetBkMode(dc, OPAQUE);
    return true;
  }
  // The bar's themed background, drawn off-screen at the bar's size, under
  // the text rectangle.
  TFrStatusBar* bar = StatusBar();
  fw::MemoryDC memory(dc);
  fw::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, std::max(bar->Width(), 1), std::max(bar->Height(), 1)));
  {
    fw::SelectedObject selected(memory.Get(), bitmap.Get());
    DrawStatusThemePart(bar->HandleIfAllocated(), memory.Get(), bar->ClientRect(), TStatusThemePart::Background);
    BitBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), memory.Get(), Left() + rect.left, Top() + rect.top,
           SRCCOPY);
  }
  SetBkMode(dc, TRANSPARENT);
  return false;
}

void TFrCustomStatusPane::WriteText(HDC dc, const TRect& rect, int x, UINT align, const std::wstring& text,
                                    TColor color, bool opaque, int disabledX) {
  SIZE pp{};
  GetTextExtentPoint32W(dc, L"Pp", 2, &pp);
  const int y = PaneTextY(rect, pp.cy);
  RECT clip = fw::ToRECT(rect);
  SetTextAlign(dc, align);
  UINT options = ETO_CLIPPED | (opaque ? ETO_OPAQUE : 0);
  if (!Enabled()) {
    // Embossed: the light copy one pixel down, then the dark text over it.
    SetTextColor(dc, fw::ColorToRGB(ShadowOrHighlight(true)));
    ExtTextOutW(dc, disabledX, y + 1, options, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    color = ShadowOrHighlight(false);
    SetBkMode(dc, TRANSPARENT);
    options = ETO_CLIPPED;
  }
  SetTextColor(dc, fw::ColorToRGB(color));
  ExtTextOutW(dc, x, y, options, &clip, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void TFrCustomStatusPane::DrawPaneText(HDC dc, const std::wstring& text) {
  const TRect rect = TextRect();
  TTextAnchor anchor = TTextAnchor::Left;
  UINT align = TA_LEFT;
  if (alignment_ == fw::TAlignment::taRightJustify) {
    anchor = TTextAnchor::Right;
    align = TA_RIGHT;
  } else if (alignment_ == fw::TAlignment::taCenter) {
    anchor = TTextAnchor::Center;
    align = TA_CENTER;
  }
  const int x = PaneTextX(rect, anchor, captionOffset_);
  TSavedDC saved(dc);
  const bool opaque = PrepareTextBackground(dc, rect);
  WriteText(dc, rect, x, align, text, currentColor_, opaque, x + 1);
}

void TFrCustomStatusPane::Paint() {
  HDC dc = Canvas().Handle();
  PaintFrameAndBackground(dc);
  DrawPaneText(dc, Caption());
}

void TFrCustomStatusPane::PaintTextNow() {
  fw::TWinControl* parent = Parent();
  if (!parent || !parent->HandleAllocated() || !Visible()) return;
  TWindowDC dc(parent->HandleIfAllocated());
  TSavedDC saved(dc.Get());
  SetViewportOrgEx(dc.Get(), Left(), Top(), nullptr);
  IntersectClipRect(dc.Get(), 0, 0, Width(), Height());
  DrawPaneText(dc.Get(), Caption());
}

// --- TFrPollingStatus -----------------------------------------------------------

TFrPollingStatus::TFrPollingStatus(fw::TComponent* owner) : TFrCustomStatusPane(owner) {
  if (!gPollingList) {
    gPollingList = std::make_unique<PollingList>();
    gPollingList->timer = fw::TComponent::Create<fw::TTimer>(nullptr);
    gPollingList->timer->SetInterval(500);
    gPollingList->timer->OnTimer = [](fw::TComponent*) { PollingTick(); };
  }
  gPollingList->members.Join(this);
}

TFrPollingStatus::~TFrPollingStatus() {
  gPollingList->members.Leave(this);
  FreeIfDone(gPollingList);
}

bool TFrPollingStatus::Active() const { return gPollingList->timer->Enabled(); }
void TFrPollingStatus::SetActive(bool value) { gPollingList->timer->SetEnabled(value); }

uint16_t TFrPollingStatus::Interval() const {
  const unsigned interval = gPollingList->timer->Interval();
  if (interval > 0xFFFF) throw ERangeError(L"Range check error");
  return static_cast<uint16_t>(interval);
}

void TFrPollingStatus::SetInterval(uint16_t value) { gPollingList->timer->SetInterval(value); }

void TFrPollingStatus::TimerExpired() {
  if (OnTimerExpired) OnTimerExpired(this);
}

// --- TFrClockStatus ----------------------------------------------------------------

namespace {

TClockNames LocaleClockNames() {
  const auto read = [](LCTYPE type) {
    wchar_t buffer[128] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 128);
    return std::wstring(buffer);
  };
  TClockNames names;
  for (int i = 0; i < 7; ++i) {
    // The locale counts days from Monday; the names start on Sunday.
    const size_t day = static_cast<size_t>((i + 1) % 7);
    names.longDays[day] = read(LOCALE_SDAYNAME1 + static_cast<LCTYPE>(i));
    names.shortDays[day] = read(LOCALE_SABBREVDAYNAME1 + static_cast<LCTYPE>(i));
  }
  for (int i = 0; i < 12; ++i) {
    names.longMonths[static_cast<size_t>(i)] = read(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(i));
    names.shortMonths[static_cast<size_t>(i)] = read(LOCALE_SABBREVMONTHNAME1 + static_cast<LCTYPE>(i));
  }
  names.am = read(LOCALE_S1159);
  names.pm = read(LOCALE_S2359);
  return names;
}

}  // namespace

std::wstring FormatClockText(const SYSTEMTIME& time, const std::wstring& format) {
  if (format.empty()) {
    wchar_t date[256] = {};
    wchar_t clock[256] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, date, 256);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, 256);
    return std::wstring(date) + L" " + clock;
  }
  const TClockTime t{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
  return FormatClock(format, t, LocaleClockNames());
}

TFrClockStatus::TFrClockStatus(fw::TComponent* owner) : TFrPollingStatus(owner) { SetWidth(150); }

void TFrClockStatus::SetFormat(const std::wstring& value) {
  if (value == format_) return;
  format_ = value;
  UpdateTime();
}

void TFrClockStatus::UpdateTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  if (OnGetDateTime) OnGetDateTime(this, now);
  const std::wstring text = FormatClockText(now, format_);
  if (text == lastText_) return;
  lastText_ = text;
  // The new text is written straight away; the frame needs no repaint.
  writingTime_ = true;
  SetCaption(text);
  writingTime_ = false;
  AdjustWidth();
  PaintTextNow();
}

void TFrClockStatus::TextChanged() {
  if (writingTime_) return;
  TFrPollingStatus::TextChanged();
}

void TFrClockStatus::TimerExpired() {
  UpdateTime();
  TFrPollingStatus::TimerExpired();
}

void TFrClockStatus::Loaded() {
  TFrPollingStatus::Loaded();
  UpdateTime();
}

TRect TFrClockStatus::TextRect() {
  TRect r = TFrPollingStatus::TextRect();
  if (IsUnderSizeGrip()) r.right -= kGripPaneWidth;
  return r;
}

void TFrClockStatus::Paint() {
  writingTime_ = true;
  SetCaption(lastText_);
  writingTime_ = false;
  TFrPollingStatus::Paint();
}

// --- TFrCustomFieldStatus -------------------------------------------------------------

void TFrCustomFieldStatus::SetFieldLabel(const std::wstring& value) {
  if (value == fieldLabel_) return;
  fieldLabel_ = value;
  AdjustWidth();
  Invalidate();
}

void TFrCustomFieldStatus::SetFieldLabelColor(TColor value) {
  if (value == fieldLabelColor_) return;
  fieldLabelColor_ = value;
  Invalidate();
}

int TFrCustomFieldStatus::RequiredWidth() {
  const std::wstring text = Caption();
  const int label = fieldLabel_.empty() ? 0 : MeasureText(fieldLabel_) + 2 * CaptionOffset();
  return RequiredPaneWidth(text.empty(), text.empty() ? 0 : MeasureText(text), DefaultWidth(), BorderWidth(),
                           CaptionOffset(), label);
}

TRect TFrCustomFieldStatus::TextRect() {
  TRect r = TFrCustomStatusPane::TextRect();
  if (!fieldLabel_.empty()) r.left += MeasureText(fieldLabel_) + 2 * CaptionOffset();
  return r;
}

void TFrCustomFieldStatus::DrawPaneText(HDC dc, const std::wstring& text) {
  TFrCustomStatusPane::DrawPaneText(dc, text);
  if (fieldLabel_.empty()) return;
  TRect r = TFrCustomStatusPane::TextRect();
  r.right = r.left + MeasureText(fieldLabel_) + CaptionOffset() + 2;
  TSavedDC saved(dc);
  const bool opaque = PrepareTextBackground(dc, r);
  WriteText(dc, r, r.left + CaptionOffset() + 1, TA_LEFT, fieldLabel_, fieldLabelColor_, opaque,
            r.left + CaptionOffset() + 2);
}

}  // namespace fr
