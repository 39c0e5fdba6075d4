// Status panes on a classic-look bar: widths, text placement, embossed
// text, colours, blinking, the clock's updates.
#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "status/FrStatus.h"
#include "status/FrStatusPanes.h"
#include "status_surface.h"

using namespace fr;
using fw::TComponent;

class StatusPaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<fw::TForm>(&fw::Application());
    form_->SetBounds(50, 50, 400, 150);
    bar_ = TComponent::Create<TFrStatusBar>(form_);
    bar_->SetParent(form_);
    bar_->SetThemeAware(false);
    bar_->SetShowSizeGrip(false);
    form_->HandleNeeded();
  }
  void TearDown() override { TComponent::Free(form_); }
  template <class T = TFrStatusPane>
  T* AddPane(int width) {
    auto* pane = TComponent::Create<T>(form_);
    pane->SetWidth(width);
    pane->SetAlign(fw::TAlign::alLeft);
    pane->SetParent(bar_);
    return pane;
  }
  int TextWidth(TFrCustomStatusPane* pane, const std::wstring& text) {
    fw::ScreenDC screen;
    fw::SelectedObject font(screen.Get(), pane->Font().Handle());
    SIZE size{};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }
  // Columns of the pane's text area holding dark ink (text on white;
  // smoothed glyph edges count when they are more ink than paper).
  std::pair<int, int> InkColumns(const MemorySurface& s, TFrCustomStatusPane* pane) {
    int first = -1, last = -1;
    for (int x = pane->Left() + 2; x < pane->Left() + pane->Width() - 2; ++x) {
      for (int y = pane->Top() + 3; y < pane->Top() + pane->Height() - 3; ++y) {
        const COLORREF c = s.At(x, y);
        if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) {
          if (first < 0) first = x;
          last = x;
          break;
        }
      }
    }
    return {first, last};
  }

  fw::TForm* form_ = nullptr;
  TFrStatusBar* bar_ = nullptr;
};

TEST_F(StatusPaneTest, AutoWidthFollowsTheCaption) {
  auto* pane = AddPane(100);
  pane->SetCaption(L"abc");
  pane->SetAutoSize(true);
  // Text + 2 x BorderWidth + CaptionOffset + 6.
  EXPECT_EQ(pane->Width(), TextWidth(pane, L"abc") + 2 * 1 + 2 + 6);
  pane->SetCaption(L"");
  EXPECT_EQ(pane->Width(), 40);
  pane->SetDefaultWidth(55);
  EXPECT_EQ(pane->Width(), 55);

  auto* field = AddPane<TFrCustomFieldStatus>(100);
  field->SetCaption(L"abc");
  field->SetFieldLabel(L"Ver:");
  field->SetAutoSize(true);
  EXPECT_EQ(field->Width(), TextWidth(field, L"abc") + 10 + TextWidth(field, L"Ver:") + 4);
}

TEST_F(StatusPaneTest, RightAlignedTextEndsCaptionOffsetPlusOneFromTheRight) {
  auto* pane = AddPane(100);
  pane->Font().SetColor(fw::clBlack);
  pane->SetFillColor(fw::clWhite);
  pane->SetAlignment(fw::TAlignment::taRightJustify);
  pane->SetCaption(L"abc");
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  // Text rectangle right = width - (BorderWidth 1 + flat frame 1); anchor 3 further left.
  const int anchor = pane->Left() + pane->Width() - 2 - 3;
  const auto [first, last] = InkColumns(s, pane);
  ASSERT_GE(first, 0);
  EXPECT_LT(last, anchor);
  EXPECT_GE(last, anchor - 3);
  EXPECT_NEAR(last - first + 1, TextWidth(pane, L"abc"), 3);
}

TEST_F(StatusPaneTest, LeftAlignedTextStartsAfterTheOffset) {
  auto* pane = AddPane(100);
  pane->Font().SetColor(fw::clBlack);
  pane->SetFillColor(fw::clWhite);
  pane->SetCaption(L"H");
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  const auto [first, last] = InkColumns(s, pane);
  EXPECT_GE(first, pane->Left() + 2 + 3);  // text rect left + CaptionOffset + 1
  EXPECT_LE(first, pane->Left() + 2 + 3 + 2);
}

TEST_F(StatusPaneTest, DisabledTextIsEmbossed) {
  auto* pane = AddPane(120);
  pane->Font().SetColor(fw::clBlack);
  pane->SetFillColor(fw::RGBColor(0, 0, 128));
  pane->SetCaption(L"HHHH");
  bar_->SetEnabled(false);
  ASSERT_FALSE(pane->Enabled());
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  const int l = pane->Left() + 2, t = pane->Top() + 2, r = pane->Left() + pane->Width() - 2, b = pane->Top() + 16;
  EXPECT_GT(s.Count(Sys(fw::clBtnHighlight), l, t, r, b), 0);
  EXPECT_GT(s.Count(Sys(fw::clBtnShadow), l, t, r, b), 0);
  EXPECT_EQ(s.Count(RGB(0, 0, 0), l, t, r, b), 0);  // never the normal colour

  bar_->SetEnabled(true);
  MemorySurface again(bar_->Width(), bar_->Height());
  bar_->PaintTo(again.Dc());
  EXPECT_GT(again.Count(RGB(0, 0, 0), l, t, r, b), 0);
  EXPECT_EQ(again.Count(Sys(fw::clBtnHighlight), l, t, r, b), 0);
}

TEST_F(StatusPaneTest, FillColourFollowsColourUntilSetExplicitly) {
  auto* pane = AddPane(50);
  pane->SetColor(fw::clRed);
  EXPECT_EQ(pane->FillColor(), fw::clRed);
  pane->SetFillColor(fw::RGBColor(0, 0, 200));
  EXPECT_FALSE(pane->ParentFillColor());
  pane->SetColor(fw::clBlack);
  EXPECT_EQ(pane->FillColor(), fw::RGBColor(0, 0, 200));
  pane->SetParentFillColor(true);
  EXPECT_EQ(pane->FillColor(), fw::clBlack);
}

TEST_F(StatusPaneTest, BlinkListMessages) {
  auto* pane = AddPane(50);
  pane->Font().SetColor(fw::clBlack);
  EXPECT_EQ(pane->Perform(kMsgQueryBlinking), 0);
  pane->SetBlinkColor(fw::clRed);
  pane->SetBlinking(true);
  EXPECT_EQ(pane->Perform(kMsgQueryBlinking), 1);
  pane->Perform(kMsgBlinkPhase, 1);
  EXPECT_EQ(pane->TextColor(), fw::clRed);
  pane->Perform(kMsgBlinkPhase, 0);
  EXPECT_EQ(pane->TextColor(), fw::clBlack);
  pane->Perform(kMsgBlinkPhase, 1);
  pane->SetBlinking(false);
  EXPECT_EQ(pane->TextColor(), fw::clBlack);
}

TEST_F(StatusPaneTest, FrameStyleRangeAndAdjustment) {
  auto* pane = AddPane(50);
  EXPECT_THROW(pane->SetFrameStyle(TFrameStyleEx::fsFlatRounded), ERangeError);
  EXPECT_THROW(pane->SetFlatColorAdjustment(-256), ERangeError);
  EXPECT_EQ(pane->FlatColorAdjustment(), 30);
}

TEST_F(StatusPaneTest, ClockWritesOnlyWhenItsTextChanges) {
  auto* clock = AddPane<TFrClockStatus>(150);
  EXPECT_EQ(TFrClockStatus(nullptr).Width(), 150);
  SYSTEMTIME fixed{2026, 3, 0, 14, 9, 26, 53, 0};
  clock->OnGetDateTime = [&](TComponent*, SYSTEMTIME& t) { t = fixed; };
  clock->UpdateTime();
  const std::wstring first = clock->Caption();
  EXPECT_EQ(first, FormatClockText(fixed, L""));
  EXPECT_NE(first.find(L"26"), std::wstring::npos);

  HWND wnd = bar_->Handle();
  fw::Application().ProcessMessages();
  ValidateRect(wnd, nullptr);
  clock->UpdateTime();  // same second: nothing to do
  EXPECT_FALSE(GetUpdateRect(wnd, nullptr, FALSE));
  EXPECT_EQ(clock->Caption(), first);

  fixed.wSecond = 54;
  clock->UpdateTime();
  EXPECT_NE(clock->Caption(), first);
  EXPECT_FALSE(GetUpdateRect(wnd, nullptr, FALSE));  // written at once, no repaint queued

  clock->SetFormat(L"yyyy'-'MM'-'dd HH':'mm':'ss");
  EXPECT_EQ(clock->Caption(), L"2026-03-14 09:26:54");
}

TEST_F(StatusPaneTest, PollingPanesShareOneTimer) {
  auto* a = AddPane<TFrPollingStatus>(50);
  auto* b = AddPane<TFrPollingStatus>(50);
  EXPECT_TRUE(a->Active());
  EXPECT_EQ(a->Interval(), 500);
  a->SetInterval(40);
  EXPECT_EQ(b->Interval(), 40);
  int ticks = 0;
  b->OnTimerExpired = [&](TComponent*) { ++ticks; };
  const DWORD until = GetTickCount() + 2000;
  while (ticks < 2 && GetTickCount() < until) {
    fw::Application().ProcessMessages();
    Sleep(5);
  }
  EXPECT_GE(ticks, 2);
  b->SetActive(false);
  EXPECT_FALSE(a->Active());
  a->SetActive(true);
  a->SetInterval(500);
}

TEST_F(StatusPaneTest, SharedBlinkTimerAlternatesTheTextColour) {
  auto* pane = AddPane(50);
  pane->Font().SetColor(fw::clBlack);
  pane->SetBlinkColor(fw::clRed);
  pane->SetBlinking(true);
  TFrCustomStatusPane::SetBlinkIntervalOn(20);
  TFrCustomStatusPane::SetBlinkIntervalOff(20);
  bool sawBlink = false, sawNormal = false;
  const DWORD until = GetTickCount() + 3000;
  while (!(sawBlink && sawNormal) && GetTickCount() < until) {
    fw::Application().ProcessMessages();
    sawBlink |= pane->TextColor() == fw::clRed;
    sawNormal |= sawBlink && pane->TextColor() == fw::clBlack;
    Sleep(2);
  }
  EXPECT_TRUE(sawBlink);
  EXPECT_TRUE(sawNormal);
  TFrCustomStatusPane::SetBlinkIntervalOn(500);
  TFrCustomStatusPane::SetBlinkIntervalOff(500);
}

TEST_F(StatusPaneTest, FrameControllerPushesOnlyWhenItsFrameIsVisible) {
  auto* pane = AddPane(50);
  auto* controller = TComponent::Create<TFrFrameController>(form_);
  controller->SetFrameStyle(TFrameStyleEx::fsBump);
  pane->SetFrameController(controller);
  EXPECT_EQ(pane->FrameStyle(), TFrameStyleEx::fsFlat);  // FrameVisible is off
  controller->SetFrameVisible(true);
  EXPECT_EQ(pane->FrameStyle(), TFrameStyleEx::fsBump);
  EXPECT_EQ(pane->FlatColorAdjustment(), 0);
  EXPECT_EQ(pane->FillColor(), fw::clWindow);
  TComponent::Free(controller);
  EXPECT_EQ(pane->FrameController(), nullptr);
}

TEST_F(StatusPaneTest, ClockNamesComeFromTheLocaleAndStayNames) {
  auto* clock = AddPane<TFrClockStatus>(150);
  SYSTEMTIME fixed{2026, 3, 6, 14, 9, 26, 53, 0};  // a Saturday
  clock->OnGetDateTime = [&](TComponent*, SYSTEMTIME& t) { t = fixed; };
  wchar_t day[64] = {}, month[64] = {};
  GetDateFormatW(LOCALE_USER_DEFAULT, 0, &fixed, L"dddd", day, 64);
  GetDateFormatW(LOCALE_USER_DEFAULT, 0, &fixed, L"MMMM", month, 64);
  clock->SetFormat(L"dddd");
  EXPECT_EQ(clock->Caption(), day);
  clock->SetFormat(L"mmmm d, yyyy 'at' h:nn am/pm");
  EXPECT_EQ(clock->Caption(), std::wstring(month) + L" 14, 2026 at 9:26 am");
}

TEST_F(StatusPaneTest, TurningBlinkingOnRepaints) {
  auto* pane = AddPane(50);
  HWND wnd = bar_->Handle();
  form_->Show();  // only a shown window collects what needs painting
  fw::Application().ProcessMessages();
  ValidateRect(wnd, nullptr);
  pane->SetBlinking(true);
  RECT dirty{};
  ASSERT_TRUE(GetUpdateRect(wnd, &dirty, FALSE));
  EXPECT_EQ(dirty.right, pane->Left() + pane->Width());
  pane->SetBlinking(false);
}

TEST_F(StatusPaneTest, AutoHintShowsTheApplicationsHint) {
  auto* quiet = AddPane(50);
  auto* hints = AddPane(100);
  auto* source = AddPane(60);
  quiet->SetCaption(L"stays");
  hints->SetAutoHint(true);
  fw::Application().SetHint(L"Saves every slot");
  EXPECT_EQ(quiet->Caption(), L"stays");
  EXPECT_EQ(hints->Caption(), L"Saves every slot");

  // Moving the mouse over a control with a hint makes its long part the
  // application's hint.
  source->SetHint(L"Slot|Loads the slots again");
  MSG move{bar_->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(source->Left() + 5, source->Top() + 5)};
  PostMessageW(move.hwnd, move.message, move.wParam, move.lParam);
  fw::Application().ProcessMessages();
  EXPECT_EQ(fw::Application().Hint(), L"Loads the slots again");
  EXPECT_EQ(hints->Caption(), L"Loads the slots again");

  // An OnHint handler takes the hint instead of the panes.
  int handled = 0;
  fw::Application().OnHint = [&](TComponent*) { ++handled; };
  fw::Application().SetHint(L"elsewhere");
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(hints->Caption(), L"Loads the slots again");
  fw::Application().OnHint = nullptr;
  fw::Application().SetHint(L"");
}
