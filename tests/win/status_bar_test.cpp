// The status bar on a real form: grip squares, grip hit area, maximised
// window, automatic style, simple mode, disabling.
#include <gtest/gtest.h>

#include <vector>

#include "app/Registration.h"
#include "framework/Forms.h"
#include "status/FrGeometry.h"
#include "status/FrPaint.h"
#include "status/FrStatus.h"
#include "status/FrStatusPanes.h"
#include "status_surface.h"

using namespace quillet;

using namespace fr;
using fw::TComponent;

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    fw::Application().Initialize();
    RegisterProgramClasses();
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

}  // namespace

// A sizeable form with a classic-look status bar at its bottom.
class StatusBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<fw::TForm>(&fw::Application());
    form_->SetBounds(50, 50, 300, 150);
    bar_ = TComponent::Create<TFrStatusBar>(form_);
    bar_->SetParent(form_);
    bar_->SetThemeAware(false);
    form_->HandleNeeded();
    sysCommands_.Install(form_->Hooks(), [this](fw::TMessage& m, const fw::WindowHookChain::Next& next) {
      if (m.msg == WM_SYSCOMMAND) {
        commands_.push_back(m.wParam);  // sizing would start a modal loop
        return;
      }
      if (m.msg == fw::CM_ISMAXIMIZED && answerMaximized_) {
        m.result = 1;  // as a form drawing its own frame would answer
        return;
      }
      next(m);
    });
  }
  void TearDown() override {
    sysCommands_.Remove();
    TComponent::Free(form_);
  }
  TFrStatusPane* AddPane(fw::TAlign align, int width) {
    auto* pane = TComponent::Create<TFrStatusPane>(form_);
    pane->SetWidth(width);
    pane->SetAlign(align);
    pane->SetParent(bar_);
    return pane;
  }

  fw::TForm* form_ = nullptr;
  TFrStatusBar* bar_ = nullptr;
  fw::WindowHook sysCommands_;
  std::vector<WPARAM> commands_;
  bool answerMaximized_ = false;
};

namespace {

int SaveLevel(HDC dc) {
  const int level = SaveDC(dc);
  RestoreDC(dc, -1);
  return level - 1;
}

class ThrowingPane : public TFrStatusPane {
 public:
  using TFrStatusPane::TFrStatusPane;

 protected:
  void Paint() override {
    SetBkColor(Canvas().Handle(), RGB(1, 2, 3));
    throw fw::Exception(L"paint failed");
  }
};

}  // namespace

TEST_F(StatusBarTest, StartsBottomAlignedBorderlessAndNineteenHigh) {
  EXPECT_EQ(bar_->Align(), fw::TAlign::alBottom);
  EXPECT_EQ(bar_->Height(), 19);
  EXPECT_EQ(bar_->BorderOuter(), TFrameStyleEx::fsNone);
  EXPECT_EQ(bar_->BorderInner(), TFrameStyleEx::fsNone);
  EXPECT_EQ(bar_->Width(), form_->ClientWidth());
  EXPECT_EQ(bar_->Top() + bar_->Height(), form_->ClientHeight());
}

TEST_F(StatusBarTest, ClassicGripIsTwelveSquares) {
  MemorySurface s(bar_->Width(), bar_->Height(), RGB(1, 2, 3));
  bar_->PaintTo(s.Dc());
  ASSERT_TRUE(bar_->GripActive());
  // Client rectangle (-1, 1, w+1, h+1) less one at the bottom.
  const auto corners = GripSquareCorners(bar_->Width() + 1, bar_->Height());
  for (const auto& p : corners) {
    EXPECT_EQ(s.At(p.x + 1, p.y + 1), Sys(fw::clBtnHighlight)) << p.x << "," << p.y;
    EXPECT_EQ(s.At(p.x - 1, p.y - 1), Sys(fw::clBtnShadow)) << p.x << "," << p.y;
  }
  // No border lines: the rest of the bar is its face colour.
  EXPECT_EQ(s.At(0, 0), Sys(fw::clBtnFace));
  EXPECT_EQ(s.At(bar_->Width() / 2, bar_->Height() - 1), Sys(fw::clBtnFace));
  EXPECT_EQ(s.At(bar_->Width() - 15, 3), Sys(fw::clBtnFace));

  bar_->SetShowSizeGrip(false);
  MemorySurface none(bar_->Width(), bar_->Height());
  bar_->PaintTo(none.Dc());
  EXPECT_EQ(none.Count(Sys(fw::clBtnShadow), 0, 0, none.Width(), none.Height()), 0);
}

TEST_F(StatusBarTest, GripStartsABottomRightResizeFromTheLastThirteenPixels) {
  TFrStatusPane* under = AddPane(fw::TAlign::alRight, 60);
  int paneDowns = 0;
  under->OnMouseDown = [&](TComponent*, fw::TMouseButton, fw::TShiftState, int, int) { ++paneDowns; };
  HWND wnd = bar_->Handle();
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar_->Width() - 13, 5));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(bar_->Width() - 13, 5));
  ASSERT_EQ(commands_.size(), 1u);
  EXPECT_EQ(commands_[0], 0xF008u);
  EXPECT_EQ(paneDowns, 0);  // the pane under the grip never saw the press

  SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar_->Width() - 14, 5));
  SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(bar_->Width() - 14, 5));
  EXPECT_EQ(commands_.size(), 1u);
  EXPECT_EQ(paneDowns, 1);
  EXPECT_TRUE(under->IsUnderSizeGrip());
}

TEST_F(StatusBarTest, MaximisedWindowHasNoGrip) {
  ShowWindow(form_->Handle(), SW_MAXIMIZE);
  fw::Application().ProcessMessages();
  ASSERT_TRUE(IsZoomed(form_->Handle()));
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  EXPECT_FALSE(bar_->GripActive());
  EXPECT_EQ(s.Count(Sys(fw::clBtnShadow), 0, 0, s.Width(), s.Height()), 0);
  SendMessageW(bar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar_->Width() - 3, 5));
  EXPECT_TRUE(commands_.empty());
  ShowWindow(form_->Handle(), SW_RESTORE);
  fw::Application().ProcessMessages();
  bar_->PaintTo(s.Dc());
  EXPECT_TRUE(bar_->GripActive());
}

TEST_F(StatusBarTest, ChangingABorderSwitchesAutoStyleOff) {
  bar_->SetBorderOuter(TFrameStyleEx::fsNone);  // the value it has
  EXPECT_TRUE(bar_->AutoStyle());
  bar_->SetBorderOuter(TFrameStyleEx::fsRaised);
  EXPECT_FALSE(bar_->AutoStyle());
  bar_->Loaded();  // as after reading a layout
  EXPECT_EQ(bar_->BorderOuter(), TFrameStyleEx::fsRaised);

  bar_->SetAutoStyle(true);
  bar_->SetHeight(30);
  bar_->Loaded();
  EXPECT_EQ(bar_->BorderOuter(), TFrameStyleEx::fsNone);
  EXPECT_EQ(bar_->Height(), 19);
  EXPECT_TRUE(bar_->AutoStyle());
}

TEST_F(StatusBarTest, PanesAlignInTheClassicClientRectangle) {
  TFrStatusPane* left = AddPane(fw::TAlign::alLeft, 50);
  TFrStatusPane* right = AddPane(fw::TAlign::alRight, 60);
  EXPECT_EQ(left->BoundsRect(), (TRect{-1, 1, 49, 20}));
  EXPECT_EQ(right->BoundsRect(), (TRect{bar_->Width() + 1 - 60, 1, bar_->Width() + 1, 20}));
}

TEST_F(StatusBarTest, SimpleStatusHidesThePanesAndShowsItsCaption) {
  TFrStatusPane* a = AddPane(fw::TAlign::alLeft, 50);
  TFrStatusPane* b = AddPane(fw::TAlign::alRight, 50);
  bar_->SetSimpleCaption(L"Busy");
  bar_->SetSimpleStatus(true);
  EXPECT_FALSE(a->Visible());
  EXPECT_FALSE(b->Visible());
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  // The caption's ink near the left, inside the flat frame.
  EXPECT_GT(s.Count(Sys(fw::clWindowText), 0, 0, 40, bar_->Height()), 0);
  bar_->SetSimpleStatus(false);
  EXPECT_TRUE(a->Visible());
  EXPECT_TRUE(b->Visible());
}

TEST_F(StatusBarTest, DisablingTheBarDisablesAndRestoresItsPanes) {
  TFrStatusPane* on = AddPane(fw::TAlign::alLeft, 50);
  TFrStatusPane* off = AddPane(fw::TAlign::alLeft, 50);
  off->SetEnabled(false);
  bar_->SetEnabled(false);
  EXPECT_FALSE(on->Enabled());
  bar_->SetEnabled(true);
  EXPECT_TRUE(on->Enabled());
  EXPECT_FALSE(off->Enabled());  // it was off before
}

TEST_F(StatusBarTest, AutoScalePanesGrowsPanesWithTheBar) {
  bar_->SetAutoScalePanes(true);
  TFrStatusPane* pane = AddPane(fw::TAlign::alLeft, 100);
  const int before = bar_->Width();
  form_->SetClientWidth(form_->ClientWidth() + before / 2);
  fw::Application().ProcessMessages();
  ASSERT_EQ(bar_->Width(), before + before / 2);
  EXPECT_NEAR(pane->Width(), 150, 1);
}

TEST_F(StatusBarTest, FlatColorAdjustmentOutsideItsRangeIsRejected) {
  EXPECT_THROW(bar_->SetFlatColorAdjustment(256), ERangeError);
  EXPECT_EQ(bar_->FlatColorAdjustment(), 30);
}

TEST_F(StatusBarTest, BordersBandAndInnerBorderFrameThePanes) {
  bar_->SetHeight(30);
  bar_->SetBorderOuter(TFrameStyleEx::fsFlat);
  bar_->SetBorderWidth(2);
  bar_->SetBorderColor(fw::clRed);
  bar_->SetBorderInner(TFrameStyleEx::fsRaised);
  bar_->SetShowSizeGrip(false);
  TFrStatusPane* pane = AddPane(fw::TAlign::alLeft, 40);
  // Classic client rectangle (-1, 1, w+1, h+1), then 1 + 2 + 2 on every side.
  EXPECT_EQ(pane->BoundsRect(), (TRect{4, 6, 44, 26}));

  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  EXPECT_EQ(s.At(0, 10), Sys(ShadeColor(fw::clBtnShadow, 30)));  // the flat outer border
  EXPECT_EQ(s.At(1, 10), RGB(255, 0, 0));                        // the band
  EXPECT_EQ(s.At(2, 10), RGB(255, 0, 0));
  EXPECT_EQ(s.At(3, 10), Sys(fw::SystemColor(COLOR_3DLIGHT)));  // raised, outer ring
  EXPECT_EQ(s.At(bar_->Width() - 4, 10), Sys(fw::SystemColor(COLOR_3DDKSHADOW)));
}

TEST_F(StatusBarTest, GripAsksTheFormWhetherItIsMaximised) {
  answerMaximized_ = true;  // maximised by its own frame, not by the system
  ASSERT_FALSE(IsZoomed(form_->Handle()));
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  EXPECT_FALSE(bar_->GripActive());
  EXPECT_EQ(s.Count(Sys(fw::clBtnShadow), 0, 0, s.Width(), s.Height()), 0);
  SendMessageW(bar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar_->Width() - 3, 5));
  EXPECT_TRUE(commands_.empty());

  answerMaximized_ = false;
  bar_->PaintTo(s.Dc());
  EXPECT_TRUE(bar_->GripActive());
  SendMessageW(bar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(bar_->Width() - 3, 5));
  ASSERT_EQ(commands_.size(), 1u);
  EXPECT_EQ(commands_[0], static_cast<WPARAM>(SC_SIZE | WMSZ_BOTTOMRIGHT));
}

TEST_F(StatusBarTest, ParentColourReachesThePanes) {
  TFrStatusPane* pane = AddPane(fw::TAlign::alLeft, 60);
  TFrStatusPane* own = AddPane(fw::TAlign::alLeft, 60);
  own->SetColor(fw::RGBColor(0, 0, 255));
  bar_->SetColor(fw::clRed);
  EXPECT_EQ(pane->Color(), fw::clRed);
  EXPECT_EQ(pane->FillColor(), fw::clRed);
  EXPECT_EQ(own->Color(), fw::RGBColor(0, 0, 255));  // its own colour stays
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  EXPECT_EQ(s.At(pane->Left() + pane->Width() / 2, pane->Top() + pane->Height() / 2), RGB(255, 0, 0));
}

TEST_F(StatusBarTest, BorderBandKeepsToBorderSides) {
  bar_->SetHeight(30);
  bar_->SetShowSizeGrip(false);
  bar_->SetBorderSides(sdTop | sdBottom);
  bar_->SetBorderWidth(2);
  bar_->SetBorderColor(fw::clRed);
  MemorySurface s(bar_->Width(), bar_->Height());
  bar_->PaintTo(s.Dc());
  const int mid = bar_->Width() / 2;
  EXPECT_EQ(s.At(mid, 0), RGB(255, 0, 0));
  EXPECT_EQ(s.At(mid, 1), RGB(255, 0, 0));
  EXPECT_EQ(s.At(mid, 29), RGB(255, 0, 0));
  EXPECT_EQ(s.At(mid, 2), Sys(fw::clBtnFace));
  EXPECT_EQ(s.At(0, 15), Sys(fw::clBtnFace));  // no band on the left
  EXPECT_EQ(s.At(bar_->Width() - 1, 15), Sys(fw::clBtnFace));
}

TEST_F(StatusBarTest, PaintingGivesTheDcBackWhenAPaneThrows) {
  TComponent::Create<ThrowingPane>(form_)->SetParent(bar_);
  MemorySurface s(bar_->Width(), bar_->Height());
  const int level = SaveLevel(s.Dc());
  const COLORREF background = GetBkColor(s.Dc());
  EXPECT_THROW(bar_->PaintTo(s.Dc()), fw::Exception);
  EXPECT_EQ(SaveLevel(s.Dc()), level);
  EXPECT_EQ(GetBkColor(s.Dc()), background);
}
