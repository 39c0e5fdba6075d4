#include "skin/menus/skImagesMenu.h"

#include "skin/pixels/skUtilsProbes.h"

using fw::TBitmap;
using fw::TCanvas;
using fw::TColor;
using fw::TPoint;
using fw::TRect;

namespace sk {

namespace {

constexpr wchar_t kImagesClass[] = L"TskSkinImagesMenuPopupWindow";
constexpr TColor kFrame = 0x800000;     // RGB(0, 0, 128)
constexpr TColor kDownFill = 11899781;  // RGB(133, 147, 181)
constexpr TColor kHotFill = 13811126;   // RGB(182, 189, 210)

}  // namespace

// ---- the grid window ---------------------------------------------------------

TskSkinImagesMenuPopupWindow::TskSkinImagesMenuPopupWindow(TskSkinImagesMenu& menu)
    : TskMenuPopupWindow(kImagesClass), menu_(&menu), skinData_(menu.SkinData()) {
  if (skinData_ && !skinData_->Empty() && skinData_->PopupWindow().WindowPictureIndex != -1) {
    windowPicture_ = skinData_->ActivePicture(skinData_->PopupWindow().WindowPictureIndex);
    if (windowPicture_) {
      record_ = &skinData_->PopupWindow();
      maskPicture_ = skinData_->ActivePicture(record_->MaskPictureIndex);
    }
  }
}

TskSkinImagesMenuPopupWindow::~TskSkinImagesMenuPopupWindow() = default;

const TskDataSkinButtonControl* TskSkinImagesMenuPopupWindow::ButtonRecord() const {
  if (!record_) return nullptr;
  const auto* r = skinData_->FindSkinControl<TskDataSkinButtonControl>("menuitembutton");
  return r ? r : skinData_->FindSkinControl<TskDataSkinButtonControl>("resizebutton");
}

void TskSkinImagesMenuPopupWindow::Open(const TRect& anchor) {
  const fw::TImageList& images = *menu_->Images();
  const int cellW = images.Width() + 10;
  const int cellH = images.Height() + 10;
  int headerH = cellH;
  if (skinData_ && !skinData_->Empty()) {
    if (const auto* label = skinData_->FindSkinControl<TskDataSkinLabelControl>("label")) {
      headerH = label->SkinRect.Height();
    }
  }
  cells_.clear();
  for (const TskImagesMenuItem& item : menu_->ImagesItems()) cells_.push_back({item.Header, item.Button, {}});
  const TPoint origin = record_ ? TPoint{record_->ItemsRect.left, record_->ItemsRect.top} : TPoint{5, 5};
  const TPoint grid = LayoutImagesGrid(cells_, menu_->ColumnsCount(), cellW, cellH, headerH, origin);
  int w = grid.x + 10;
  int h = grid.y + 10;
  if (record_) {
    w = grid.x + windowPicture_->Width() - record_->ItemsRect.Width();
    h = grid.y + windowPicture_->Height() - record_->ItemsRect.Height();
    geometry_ = MapCornerModel(PopupCornerModel(*record_), windowPicture_->Width(), windowPicture_->Height(), w, h);
  }

  // The work area of the active form's monitor, else the main form's.
  fw::TRect workArea = fw::Screen().WorkAreaRect();
  fw::TForm* form = fw::Screen().ActiveForm();
  if (!form) form = fw::Application().MainForm();
  if (!form) form = dynamic_cast<fw::TForm*>(menu_->Owner());
  if (form && form->HandleAllocated()) GetMonitorWorkArea(form->HandleIfAllocated(), true, workArea);
  const TPoint at = PlaceImagesWindow(anchor, w, h, workArea);
  SetBounds(at.x, at.y, w, h);
  if (record_ && maskPicture_) ApplyMaskRegion(*record_, *maskPicture_, geometry_);
  const bool fade = ShowPopup(at, menu_->AlphaBlend(), menu_->AlphaBlendValue(), menu_->AlphaBlendAnimation());
  SetCapture(Handle());
  if (fade) FadeIn(menu_->AlphaBlendValue());
}

void TskSkinImagesMenuPopupWindow::Close() {
  HideHint();
  if (HandleAllocated() && GetCapture() == HandleIfAllocated()) ReleaseCapture();
  TskMenuPopupWindow::Close();
}

int TskSkinImagesMenuPopupWindow::CellAt(TPoint p) const {
  for (size_t i = 0; i < cells_.size(); ++i) {
    if (!cells_[i].header && cells_[i].rect.Contains(p)) return static_cast<int>(i);
  }
  return -1;
}

void TskSkinImagesMenuPopupWindow::SetHovered(int index) {
  if (index == hovered_) return;
  hovered_ = index;
  Invalidate();
  TskSkinHint* hint = menu_->SkinHint();
  if (index < 0) {
    HideHint();
  } else if (menu_->ShowHints() && hint) {
    hint->HideHint();
    const std::wstring& text = menu_->ImagesItems()[index].Hint;
    if (!text.empty()) hint->ShowHintText(text);
  }
}

void TskSkinImagesMenuPopupWindow::HideHint() const {
  if (TskSkinHint* hint = menu_->SkinHint()) hint->HideHint();
}

void TskSkinImagesMenuPopupWindow::KeyDown(WORD key) {
  BusyScope busy(*this);
  TskSkinImagesMenu& menu = *menu_;
  switch (key) {
    case VK_RETURN:
    case VK_SPACE:
      if (hovered_ >= 0) {
        menu.SetItemIndex(hovered_);
        menu.CloseMenu(true);
      }
      return;
    case VK_ESCAPE: menu.CloseMenu(false); return;
    case VK_LEFT: SetHovered(ImagesGridKey(cells_, hovered_, TskGridKey::Left)); return;
    case VK_RIGHT: SetHovered(ImagesGridKey(cells_, hovered_, TskGridKey::Right)); return;
    case VK_UP: SetHovered(ImagesGridKey(cells_, hovered_, TskGridKey::Up)); return;
    case VK_DOWN: SetHovered(ImagesGridKey(cells_, hovered_, TskGridKey::Down)); return;
    default: return;
  }
}

void TskSkinImagesMenuPopupWindow::HandleMessage(fw::TMessage& m) {
  const TPoint p{static_cast<short>(LOWORD(m.lParam)), static_cast<short>(HIWORD(m.lParam))};
  const bool inside = p.x >= 0 && p.y >= 0 && p.x < Width() && p.y < Height();
  switch (m.msg) {
    case WM_ERASEBKGND:
      PaintWhole(reinterpret_cast<HDC>(m.wParam));
      m.result = 1;
      return;
    case WM_MOUSEMOVE:
      // Captured: moves outside the window come here too.
      SetHovered(inside ? CellAt(p) : -1);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!inside) {
        menu_->CloseMenu(false);
        return;
      }
      HideHint();
      pressed_ = true;
      itemPress_ = CellAt(p) >= 0;
      Invalidate();
      return;
    case WM_LBUTTONUP: {
      const int at = inside ? CellAt(p) : -1;
      if (pressed_ && at >= 0) {
        menu_->SetItemIndex(at);
        menu_->CloseMenu(true);
        return;
      }
      SetCapture(Handle());
      return;
    }
    case WM_CAPTURECHANGED:
      // A window of ours that takes the mouse (a hint) gives it back.
      return;
    default: break;
  }
  TskMenuPopupWindow::HandleMessage(m);
}

void TskSkinImagesMenuPopupWindow::PaintWhole(HDC dc) {
  const int w = Width();
  const int h = Height();
  if (w <= 0 || h <= 0) return;
  TBitmap whole(w, h);
  if (record_) DrawPopupBackground(*record_, *windowPicture_, true, w, h, geometry_, whole);
  {
    // Let go of the picture before it is copied: it can be in one DC only.
    fw::TBitmapCanvas canvas(whole);
    if (!record_) {
      canvas.Brush().color = fw::clWindow;
      canvas.FillRect({0, 0, w, h});
      canvas.Brush().color = fw::clBtnShadow;
      canvas.FrameRect({0, 0, w, h});
    }
    const fw::TImageList& images = *menu_->Images();
    const int selected = menu_->ShowSelectedItem() ? menu_->ItemIndex() : -1;
    for (size_t i = 0; i < cells_.size(); ++i) {
      const TskImagesMenuItem& item = menu_->ImagesItems()[i];
      const TRect& c = cells_[i].rect;
      if (item.Header) {
        DrawHeader(canvas, item.Caption, c);
        continue;
      }
      const int index = static_cast<int>(i);
      if (index == selected && !itemPress_) {
        DrawCell(canvas, c, true);
      } else if (index == hovered_) {
        DrawCell(canvas, c, itemPress_);
      }
      const bool drewImage = item.ImageIndex >= 0 && item.ImageIndex < images.Count();
      if (drewImage) images.Draw(canvas, c.left + 5, c.top + 5, item.ImageIndex, true);
      if (item.Button && !item.Caption.empty()) {
        TRect r = c;
        if (drewImage) r.left += images.Width() + 5;
        const bool down = (index == selected && !itemPress_) || (index == hovered_ && itemPress_);
        DrawButtonCaption(canvas, item.Caption, r, down, index == hovered_);
      }
    }
  }
  TCanvas(dc).Draw(0, 0, whole);
}

void TskSkinImagesMenuPopupWindow::DrawCell(TCanvas& canvas, const TRect& cell, bool down) {
  const TskDataSkinButtonControl* button = ButtonRecord();
  const TBitmap* picture = button ? skinData_->ActivePicture(button->PictureIndex) : nullptr;
  if (button && picture) {
    TRect source = down && !button->DownSkinRect.IsEmpty() ? button->DownSkinRect : button->ActiveSkinRect;
    if (source.IsEmpty()) source = button->SkinRect;
    const TskCornerModel model{button->LeftTopPoint, button->RightTopPoint, button->LeftBottomPoint,
                               button->RightBottomPoint, button->ClientRect};
    const TskStretchFlags stretch{button->LeftStretch, button->TopStretch, button->RightStretch, button->BottomStretch};
    TBitmap face;
    CreateSkinImage(model, source, *picture, stretch, true, button->StretchEffect, button->StretchType, cell.Width(),
                    cell.Height(), MapCornerModel(model, source.Width(), source.Height(), cell.Width(), cell.Height()),
                    face);
    canvas.Draw(cell.left, cell.top, face);
    return;
  }
  canvas.Brush().color = down ? kDownFill : kHotFill;
  canvas.FillRect(cell);
  canvas.Brush().color = kFrame;
  canvas.FrameRect(cell);
}

void TskSkinImagesMenuPopupWindow::DrawHeader(TCanvas& canvas, const std::wstring& caption, const TRect& c) {
  const TskDataSkinLabelControl* label =
      skinData_ && !skinData_->Empty() ? skinData_->FindSkinControl<TskDataSkinLabelControl>("label") : nullptr;
  const TBitmap* picture = label ? skinData_->ActivePicture(label->PictureIndex) : nullptr;
  if (label && picture) {
    TBitmap strip;
    CreateHSkinImage(label->LeftTopPoint.x, label->SkinRect.Width() - label->RightTopPoint.x, strip,
                     label->StretchEffect, c.Width(), label->SkinRect, *picture);
    {
      fw::TBitmapCanvas stripCanvas(strip);
      AssignSkinFont(stripCanvas.Font(), true, label->FontName, label->FontHeight, label->FontStyle,
                     menu_->DefaultFont(), skinData_);
      stripCanvas.Font().SetColor(label->FontColor);
      stripCanvas.Brush().style = fw::TBrushStyle::bsClear;
      TRect r{label->ClientRect.left, label->ClientRect.top,
              label->ClientRect.right + c.Width() - label->SkinRect.Width(), label->SkinRect.Height()};
      stripCanvas.DrawTextW(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    canvas.Draw(c.left, c.top, strip);
    return;
  }
  AssignSkinFont(canvas.Font(), false, {}, 0, 0, menu_->DefaultFont(), skinData_);
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  TRect r = c;
  canvas.DrawTextW(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TskSkinImagesMenuPopupWindow::DrawButtonCaption(TCanvas& canvas, const std::wstring& caption, TRect r, bool down,
                                                     bool hot) {
  const TskDataSkinButtonControl* button = ButtonRecord();
  const TskDataSkinMenuItem* look = nullptr;
  if (button) look = MenuItemLook(*skinData_);
  if (button && look) {
    AssignSkinFont(canvas.Font(), menu_->UseSkinFont(), button->FontName, button->FontHeight, button->FontStyle,
                   menu_->DefaultFont(), skinData_);
    canvas.Font().SetColor(down ? button->DownFontColor : hot ? button->ActiveFontColor : look->FontColor);
  } else {
    AssignSkinFont(canvas.Font(), false, {}, 0, 0, menu_->DefaultFont(), skinData_);
    canvas.Font().SetColor(fw::clWindowText);
  }
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  TRect measure{0, 0, 0, 0};
  canvas.DrawTextW(caption, measure, DT_CALCRECT | DT_SINGLELINE);
  const UINT align = measure.Width() <= r.Width() ? DT_CENTER : DT_LEFT;
  canvas.DrawTextW(caption, r, align | DT_VCENTER | DT_SINGLELINE);
}

// ---- the component ---------------------------------------------------------------

TskSkinImagesMenu::TskSkinImagesMenu(fw::TComponent* owner) : fw::TComponent(owner) {
  fw::TFontInfo info;
  info.name = L"Arial";
  info.height = 14;
  defaultFont_.Assign(info);
}

TskSkinImagesMenu::~TskSkinImagesMenu() {
  loopHook_.Remove();
  if (window_) {
    window_->Close();
    BuryPopup(std::move(window_));
  }
}

void TskSkinImagesMenu::SetImages(fw::TImageList* value) { ReplaceReference(*this, images_, value); }

void TskSkinImagesMenu::SetSkinHint(TskSkinHint* value) { ReplaceReference(*this, skinHint_, value); }

void TskSkinImagesMenu::SetSkinData(TskSkinData* value) { ReplaceReference(*this, skinData_, value); }

void TskSkinImagesMenu::Notification(fw::TComponent* component, fw::TOperation operation) {
  fw::TComponent::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == skinHint_) skinHint_ = nullptr;
  if (component == images_ || component == skinData_) {
    // The open grid draws from both.
    if (window_) CloseMenu(false);
    if (component == images_) images_ = nullptr;
    if (component == skinData_) skinData_ = nullptr;
  }
}

void TskSkinImagesMenu::Popup(const TRect& anchor) {
  if (window_) CloseMenu(false);
  const std::weak_ptr<bool> alive = alive_;
  if (OnMenuPopup) OnMenuPopup(this);
  if (alive.expired() || !images_ || images_->Count() == 0 || window_) return;
  oldItemIndex_ = itemIndex_;
  if (alphaBlend_ && alphaBlendAnimation_) {
    // The fade does not yield: what is pending goes first, and may open
    // or close a grid itself.
    fw::Application().ProcessMessages();
    if (alive.expired() || window_) return;
  }
  window_ = std::make_unique<TskSkinImagesMenuPopupWindow>(*this);
  loopHook_.Install(fw::Application().MessageHooks(),
                    [this](MSG& msg, const fw::MessageHookChain::Next& next) { LoopMessage(msg, next); });
  window_->Open(anchor);
}

void TskSkinImagesMenu::LoopMessage(MSG& msg, const fw::MessageHookChain::Next& next) {
  switch (msg.message) {
    case WM_KEYDOWN:
      if (window_) window_->KeyDown(static_cast<WORD>(msg.wParam));
      return;
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      if (window_) CloseMenu(false);
      break;
    default: break;
  }
  next(msg);
}

void TskSkinImagesMenu::CloseMenu(bool choice) {
  if (!window_) return;
  std::unique_ptr<TskSkinImagesMenuPopupWindow> window = std::move(window_);
  loopHook_.Remove();
  window->Close();
  BuryPopup(std::move(window));
  const std::weak_ptr<bool> alive = alive_;
  if (OnMenuClose) OnMenuClose(this);
  if (alive.expired() || !choice || itemIndex_ < 0 || itemIndex_ >= static_cast<int>(items_.size())) return;
  if (fw::TNotifyEvent onClick = items_[itemIndex_].OnClick) onClick(this);
  if (alive.expired()) return;
  if (OnItemClick) OnItemClick(this);
  if (alive.expired()) return;
  if (itemIndex_ != oldItemIndex_ && OnChange) OnChange(this);
}

}  // namespace sk
