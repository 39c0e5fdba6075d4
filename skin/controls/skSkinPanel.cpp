#include "skin/controls/skSkinPanel.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "skin/data/skSkinData.h"
#include "skin/pixels/skUtilsBackdrop.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsGlyphs.h"
#include "skin/pixels/skUtilsPenGlyphs.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

namespace {

// A one-pixel frame, `topLeft` along the top and left, `bottomRight` along
// the bottom and right; the rectangle shrinks by one on every side.
void Frame3D(fw::TCanvas& canvas, TRect& r, fw::TColor topLeft, fw::TColor bottomRight) {
  if (IsNullRect(r)) return;
  canvas.Brush().style = fw::TBrushStyle::bsSolid;
  canvas.Brush().color = topLeft;
  canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1});
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom - 1});
  canvas.Brush().color = bottomRight;
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom});
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom});
  r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

// A part of a picture, as a bitmap of its own.
fw::TBitmap Part(const fw::TBitmap& picture, const TRect& rect) {
  fw::TBitmap part;
  PrepareTarget(part, RectWidth(rect), RectHeight(rect));
  fw::TBitmap scratch;
  const PixelView dst = ViewOf(part);
  DrawRect(dst, {0, 0, part.Width(), part.Height()}, SourceView(picture, rect, dst.bytesPerPixel, scratch),
           {0, 0, part.Width(), part.Height()});
  return part;
}

// Drawn leaving out the colour of its bottom-left pixel.
void DrawAutoTransparent(fw::TCanvas& canvas, int x, int y, const fw::TBitmap& image) {
  if (image.Empty()) return;
  DrawTransparentPicture(canvas, x, y, image, image.Pixel(0, image.Height() - 1));
}

}  // namespace

TskSkinPanel::TskSkinPanel(fw::TComponent* owner) : TskSkinCustomControl(owner) {
  SetControlStyle(ControlStyle() | fw::csAcceptsControls | fw::csClickEvents | fw::csOpaque);
  SetBounds(Left(), Top(), 150, 150);
  skinDataName_ = "panel";
  forceBackground_ = true;
}

TskSkinPanel::~TskSkinPanel() = default;

const TskDataSkinPanelControl* TskSkinPanel::PanelRecord() const {
  if (recordIndex_ < 0 || !skinData_) return nullptr;
  return dynamic_cast<const TskDataSkinPanelControl*>(skinData_->CtrlList(recordIndex_));
}

void TskSkinPanel::Changed(bool realign) {
  Invalidate();
  if (realign) Realign();
}

void TskSkinPanel::SetImagePosition(TskImagePosition value) {
  if (value == imagePosition_) return;
  imagePosition_ = value;
  Invalidate();
}

void TskSkinPanel::SetTransparentMode(bool value) {
  if (value == transparentMode_) return;
  transparentMode_ = value;
  Invalidate();
  if (!Designing() && !HasState(fw::csLoading)) NotifyChildrenOfBackground();
}

void TskSkinPanel::SetCaptionImageList(fw::TImageList* value) {
  if (captionImageList_ && captionImageList_ != value) RemoveFreeNotification(captionImageList_);
  captionImageList_ = value;
  if (value) FreeNotification(value);
  Invalidate();
}

void TskSkinPanel::SetCaptionImageIndex(int value) {
  if (value == captionImageIndex_) return;
  captionImageIndex_ = value;
  Invalidate();
}

void TskSkinPanel::SetCheckedMode(bool value) {
  checkedMode_ = value;
  Invalidate();
}

void TskSkinPanel::SetChecked(bool value) {
  checked_ = value;
  if (checkedMode_) Invalidate();
  if (autoEnabledControls_ && checkedMode_) {
    for (fw::TControl* child : ControlList()) child->SetEnabled(value);
  }
  if (OnChecked) OnChecked(this);
}

void TskSkinPanel::SetDefaultAlignment(TAlignment value) {
  defaultAlignment_ = value;
  if (!RecordApplies() && captionMode_) Invalidate();
}

void TskSkinPanel::SetDefaultCaptionHeight(int value) {
  defaultCaptionHeight_ = value;
  if (!RecordApplies() && captionMode_) Changed(true);
}

void TskSkinPanel::SetBorderStyle(TskSkinBorderStyle value) {
  borderStyle_ = value;
  if (!RecordApplies()) Changed(true);
}

void TskSkinPanel::SetCaptionMode(bool value) {
  captionMode_ = value;
  Changed(true);
}

void TskSkinPanel::SetRollUpMode(bool value) {
  rollUpMode_ = value;
  if (!RecordApplies() && captionMode_) Invalidate();
}

void TskSkinPanel::SetGlyph(const fw::TBitmap& value) {
  glyph_ = value;
  Invalidate();
}

void TskSkinPanel::SetNumGlyphs(int value) {
  numGlyphs_ = std::clamp(value, 1, 2);
  Invalidate();
}

void TskSkinPanel::SetSpacing(int value) {
  spacing_ = value;
  Invalidate();
}

void TskSkinPanel::SetConstraints(const TskSizeConstraints& value) {
  constraints_ = value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TskSkinPanel::Notification(fw::TComponent* component, fw::TOperation operation) {
  TskSkinCustomControl::Notification(component, operation);
  if (operation == fw::TOperation::opRemove && component == captionImageList_) captionImageList_ = nullptr;
}

void TskSkinPanel::Loaded() {
  TskSkinCustomControl::Loaded();
  // The skin may have been loaded after our reference to it was set.
  if (SkinLoaded() && !Designing()) ApplySkinChange();
}

// ---- size and roll-up

void TskSkinPanel::SetBounds(int left, int top, int width, int height) {
  const TskSizeConstraints& c = constraints_;
  if (c.maxWidth > 0) width = std::min(width, c.maxWidth);
  if (c.minWidth > 0) width = std::max(width, c.minWidth);
  if (c.maxHeight > 0) height = std::min(height, c.maxHeight);
  if (c.minHeight > 0) height = std::max(height, c.minHeight);
  TskSkinCustomControl::SetBounds(left, top, width, height);
  if (!RecordApplies()) Invalidate();
}

TRect TskSkinPanel::PanelClient() const {
  TskPanelClientInput in;
  in.width = Width();
  in.height = Height();
  in.record = RecordApplies();
  in.borderStyle = borderStyle_;
  in.captionMode = captionMode_;
  in.defaultCaptionHeight = defaultCaptionHeight_;
  if (in.record) {
    // From the record and the size now, never from a paint's leftovers.
    int w = in.width;
    int h = in.height;
    in.resizedClient = sk::FitSizeToSkin(geometry_, w, h).client;
    in.resizeMode = geometry_.resizeMode;
    const TskDataSkinPanelControl* record = PanelRecord();
    in.backgroundPicture = record && record->BGPictureIndex != -1;
  }
  return PanelClientRect(in);
}

void TskSkinPanel::AdjustClientRect(TRect& rect) const { rect = PanelClient(); }

int TskSkinPanel::RolledUpHeight() const {
  if (!RecordApplies()) return defaultCaptionHeight_ + 1;
  int w = Width();
  int h = Height();
  return Height() - RectHeight(sk::FitSizeToSkin(geometry_, w, h).client);
}

void TskSkinPanel::SetRollUpState(bool value) {
  if (value == rollUpState_) return;
  if (!rollUpMode_) {
    if (constraintsSaved_) SetConstraints(savedConstraints_);
    constraintsSaved_ = false;
    rollUpState_ = false;
    return;
  }
  rollUpState_ = value;
  if (value) {
    RollUp();
  } else {
    RollDown();
  }
  if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TskSkinPanel::RollUp() {
  // The limits the panel had before it rolled; saved once, so a second
  // roll-up cannot save the cleared ones over them.
  if (!constraintsSaved_) {
    savedConstraints_ = constraints_;
    constraintsSaved_ = true;
  }
  constraints_ = {};
  if (realHeight_ != -1) return;
  realHeight_ = Height();
  if (!alignSuspended_) {
    DisableAlign();
    alignSuspended_ = true;
  }
  hiddenByRollUp_.clear();
  for (fw::TControl* child : ControlList()) {
    if (!child->Visible()) continue;
    hiddenByRollUp_.push_back(child);
    child->SetVisible(false);
  }
  SetHeight(RolledUpHeight());
}

void TskSkinPanel::RollDown() {
  if (realHeight_ != -1) {
    const int height = realHeight_;
    realHeight_ = -1;
    SetHeight(height);
    // Only what the roll-up hid comes back, and only if it is still ours.
    const std::vector<fw::TControl*> children = ControlList();
    for (fw::TControl* child : children) {
      if (std::find(hiddenByRollUp_.begin(), hiddenByRollUp_.end(), child) != hiddenByRollUp_.end()) {
        child->SetVisible(true);
      }
    }
    hiddenByRollUp_.clear();
  }
  if (alignSuspended_) {
    alignSuspended_ = false;
    EnableAlign();
  }
  if (constraintsSaved_) {
    constraintsSaved_ = false;
    SetConstraints(savedConstraints_);
  }
}

void TskSkinPanel::ApplySkinChange() {
  TskSkinCustomControl::ApplySkinChange();
  if (!rollUpState_) {
    Realign();
    return;
  }
  // Rolled up: fold to the new skin's frame, keeping the height to come back to.
  SetHeight(RolledUpHeight());
}

// ---- messages and clicks

void TskSkinPanel::WndProc(fw::TMessage& message) {
  switch (message.msg) {
    case WM_MOVE:
      TskSkinCustomControl::WndProc(message);
      BackdropChanged();
      return;
    case fw::CM_ENABLEDCHANGED:
      TskSkinCustomControl::WndProc(message);
      Invalidate();
      return;
    case fw::CM_TEXTCHANGED:
      TskSkinCustomControl::WndProc(message);
      if (captionMode_) Invalidate();
      return;
    default: break;
  }
  TskSkinCustomControl::WndProc(message);
}

void TskSkinPanel::ParentBackgroundChanged() { BackdropChanged(); }

void TskSkinPanel::BackdropChanged() {
  Invalidate();
  if (transparentMode_) NotifyChildrenOfBackground();
}

void TskSkinPanel::MouseUp(fw::TMouseButton button, fw::TShiftState shift, int x, int y) {
  if (button == fw::TMouseButton::mbLeft) CaptionClick(x, y);
  TskSkinCustomControl::MouseUp(button, shift, x, y);
}

void TskSkinPanel::CaptionClick(int x, int y) {
  if (!captionMode_ || !(checkedMode_ || rollUpMode_)) return;
  const TRect area = RecordApplies() ? captionRect_ : TRect{1, 1, Width() - 1, defaultCaptionHeight_};
  if (!PointInsideRect({x, y}, area)) return;
  if (checkedMode_) SetChecked(!checked_);
  if (rollUpMode_) SetRollUpState(!rollUpState_);
}

// ---- painting

void TskSkinPanel::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  RefreshSkinRecord();
  int w = Width();
  int h = Height();
  FitSizeToSkin(w, h);
  const bool record = RecordApplies();
  const TskDataSkinPanelControl* panel = PanelRecord();
  if (transparentMode_ && record) {
    if (captionMode_) {
      PaintGroupBox();
    } else {
      PaintTransparent();
    }
    return;
  }
  if (!record || (!forceBackground_ && geometry_.stretchEffect)) {
    TskSkinCustomControl::Paint();
    return;
  }
  if (borderStyle_ == bvNone && geometry_.resizeMode == rmBoth && !captionMode_ && forceBackground_) {
    PaintClientSliceOver();
    return;
  }
  if (panel && skinData_->ActivePicture(panel->BGPictureIndex)) {
    PaintBackgroundPicture();
    return;
  }
  TskSkinCustomControl::Paint();
}

void TskSkinPanel::PaintTransparent() {
  fw::TBitmap bitmap(Width(), Height());
  {
    // Released before the copy, so every drawing call has reached the pixels.
    fw::TBitmapCanvas canvas(bitmap);
    CopyParentBackdrop(*this, canvas);
    if (borderStyle_ != bvNone) {
      canvas.Pen().color = skinData_->SkinColors().CBtnShadow;
      canvas.Pen().width = 1;
      canvas.Brush().style = fw::TBrushStyle::bsClear;
      canvas.Rectangle({0, 0, Width(), Height()});
    }
    PaintPanelHook(canvas);
  }
  Canvas().Draw(0, 0, bitmap);
}

void TskSkinPanel::PaintClientSliceOver() {
  fw::TBitmap bitmap(Width(), Height());
  FillClientSlice(bitmap, {0, 0, Width(), Height()});
  Canvas().Draw(0, 0, bitmap);
}

void TskSkinPanel::PaintBackgroundPicture() {
  const fw::TBitmap* picture = skinData_->ActivePicture(PanelRecord()->BGPictureIndex);
  fw::TBitmap bitmap(Width(), Height());
  const TskFillPlan plan = BackgroundFillPlan(Width(), Height(), resized_.client, picture->Width(), picture->Height(),
                                              geometry_.stretchEffect, geometry_.stretchType);
  if (plan.draw) {
    const PixelView dst = ViewOf(bitmap);
    fw::TBitmap scratch;
    BlitSpans(dst, SourceView(*picture, {0, 0, picture->Width(), picture->Height()}, dst.bytesPerPixel, scratch),
              plan.x, plan.y);
  }
  Canvas().Draw(0, 0, bitmap);
}

int TskSkinPanel::CaptionImageWidth() const {
  if (glyph_.Empty() && captionImageList_ && captionImageIndex_ >= 0 &&
      captionImageIndex_ < captionImageList_->Count()) {
    return captionImageList_->Width();
  }
  return glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_;
}

int TskSkinPanel::CaptionImageHeight() const {
  if (glyph_.Empty() && captionImageList_ && captionImageIndex_ >= 0 &&
      captionImageIndex_ < captionImageList_->Count()) {
    return captionImageList_->Height();
  }
  return glyph_.Height();
}

void TskSkinPanel::DrawCaptionImage(fw::TCanvas& canvas, int x, int y) const {
  if (glyph_.Empty()) {
    if (captionImageList_ && captionImageIndex_ >= 0 && captionImageIndex_ < captionImageList_->Count()) {
      captionImageList_->Draw(canvas, x, y, captionImageIndex_, Enabled());
    }
    return;
  }
  const int frame = !Enabled() && numGlyphs_ == 2 ? 2 : 1;
  DrawGlyphFrame(canvas, x, y, frame, numGlyphs_, glyph_);
}

void TskSkinPanel::PaintDefaultImage(fw::TBitmap& bitmap) {
  fw::TBitmapCanvas canvas(bitmap);
  const int w = Width();
  const int h = Height();
  canvas.Brush().color = fw::clBtnFace;
  canvas.FillRect({0, 0, w, h});
  TRect frame{0, 0, w, h};
  switch (borderStyle_) {
    case bvFrame: Frame3D(canvas, frame, fw::clBtnShadow, fw::clBtnShadow); break;
    case bvRaised: Frame3D(canvas, frame, fw::clBtnHighlight, fw::clBtnShadow); break;
    case bvLowered: Frame3D(canvas, frame, fw::clBtnShadow, fw::clBtnHighlight); break;
    case bvNone: break;
  }
  if (captionMode_) DrawDefaultCaption(canvas);
}

void TskSkinPanel::DrawDefaultCaption(fw::TCanvas& canvas) {
  const int w = Width();
  TRect r;
  if (borderStyle_ != bvFrame) {
    r = {1, 1, w - 1, defaultCaptionHeight_};
    Frame3D(canvas, r, fw::clBtnShadow, fw::clBtnHighlight);
    Frame3D(canvas, r, fw::clBtnHighlight, fw::clBtnShadow);
  } else {
    r = {0, 0, w, defaultCaptionHeight_};
    Frame3D(canvas, r, fw::clBtnShadow, fw::clBtnShadow);
    Frame3D(canvas, r, fw::clBtnHighlight, fw::clBtnFace);
  }
  if (checkedMode_) r.left += 20;
  if (rollUpMode_) r.right -= 10;

  fw::TFontInfo font = defaultFont_.Info();
  if (skinData_ && skinData_->ResourceStrData()) font.charset = skinData_->ResourceStrData()->CharSet();
  canvas.Font().Assign(font);
  const std::wstring text = Caption();
  const int textHeight = canvas.TextHeight(text);
  const int y = r.top + RectHeight(r) / 2 - textHeight / 2;
  const int glyphPart = glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_ + spacing_;
  const int contentWidth = canvas.TextWidth(text) + glyphPart;
  int x = r.left + 2;
  if (defaultAlignment_ == taRightJustify) x = r.right - contentWidth;
  if (defaultAlignment_ == taCenter) x = r.left + 2 + RectWidth(r) / 2 - contentWidth / 2;

  if (checkedMode_) {
    const TRect box = fw::Bounds(5, r.top + RectHeight(r) / 2 - 7, 14, 14);
    canvas.Brush().style = fw::TBrushStyle::bsSolid;
    canvas.Brush().color = fw::clBtnShadow;
    canvas.FrameRect(box);
    if (checked_) DrawCheckImage(canvas, box.left + 3, box.top + 2, fw::clBtnText);
  }
  const int imageWidth = CaptionImageWidth();
  const int imageX = x;
  const int imageY = r.top + RectHeight(r) / 2 - CaptionImageHeight() / 2;
  if (imageWidth > 0) x += imageWidth + spacing_;
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  canvas.TextRect(r, x, y, text);
  if (imageWidth > 0) DrawCaptionImage(canvas, imageX, imageY);
  if (rollUpMode_) {
    DrawArrowImage(canvas, {r.right, r.top, r.right + 10, r.bottom}, fw::clBtnText, rollUpState_ ? adDown : adUp);
  }
}

void TskSkinPanel::PaintSkinImage(fw::TBitmap& bitmap) {
  if (borderStyle_ == bvNone && geometry_.resizeMode == rmBoth && !captionMode_ && !geometry_.stretchEffect) {
    FillClientSlice(bitmap, {0, 0, bitmap.Width(), bitmap.Height()});
    return;
  }
  TskSkinCustomControl::PaintSkinImage(bitmap);
  DrawSkinCaption(bitmap);
}

void TskSkinPanel::DrawSkinCaption(fw::TBitmap& bitmap) {
  const TskDataSkinPanelControl* record = PanelRecord();
  if (!record) return;
  const fw::TBitmap* picture = PictureOf(skinData_);
  if (geometry_.resizeMode == rmFixed || geometry_.resizeMode == rmNone || transparentMode_) {
    captionRect_ = record->CaptionRect;
  } else {
    captionRect_ = MapSkinRect(record->CaptionRect);
  }
  const std::wstring text = Caption();
  if (text.empty() || IsNullRect(captionRect_) || !picture) return;

  fw::TBitmapCanvas canvas(bitmap);
  TRect r = captionRect_;
  if (rollUpMode_) r.right -= 12;
  if (checkedMode_) {
    const TRect& markRect = checked_ ? record->CheckImageRect : record->UnCheckImageRect;
    if (!IsNullRect(markRect)) {
      const fw::TBitmap mark = Part(*picture, markRect);
      DrawAutoTransparent(canvas, r.left, r.top + RectHeight(r) / 2 - mark.Height() / 2, mark);
      r.left += mark.Width() + 2;
    }
  }
  canvas.Font().Assign(FontFor(skinData_, record->FontName, record->FontHeight, record->FontStyle, record->FontColor));
  const int textWidth = canvas.TextWidth(text);
  const int textHeight = canvas.TextHeight(text);
  const int y = r.top + RectHeight(r) / 2 - textHeight / 2;
  const int imageWidth = CaptionImageWidth();
  const int glyphPart = glyph_.Empty() ? 0 : glyph_.Width() / numGlyphs_ + spacing_;
  const int contentWidth = textWidth + glyphPart;
  int x = r.left;
  if (record->Alignment == taRightJustify) x = r.right - contentWidth;
  if (record->Alignment == taCenter) x = r.left + RectWidth(r) / 2 - contentWidth / 2;

  int imageX = x;
  const int imageY = r.top + RectHeight(r) / 2 - CaptionImageHeight() / 2;
  if (imageWidth > 0) {
    if (imagePosition_ == skiposDefault) {
      x += imageWidth + spacing_;
    } else {
      imageX = r.left + 2;
      if (record->Alignment == taRightJustify) x = r.right - textWidth;
      if (record->Alignment == taCenter) x = r.left + RectWidth(r) / 2 - textWidth / 2;
      if (record->Alignment == taLeftJustify) x = r.left + 2 + imageWidth + spacing_;
      x = std::max(x, imageX + imageWidth + spacing_);
    }
  }
  if (rollUpMode_) {
    const TRect arrow{r.right, r.top, r.right + 10, r.bottom};
    const TRect& mf = record->MarkFrameRect;
    if (!IsNullRect(mf)) {
      fw::TBitmap mark = Part(*picture, mf);
      GdiFlush();  // the canvas's drawing reaches the pixels before they are written directly
      PixelView dst = ViewOf(bitmap);
      DrawRect(dst, {arrow.left, arrow.top, arrow.left + mark.Width(), captionRect_.top + mark.Height()}, ViewOf(mark),
               {0, 0, mark.Width(), mark.Height()});
    }
    DrawArrowImage(canvas, arrow, record->FontColor, rollUpState_ ? adDown : adUp);
  }
  const TRect& fr = record->FrameRect;
  if (!IsNullRect(fr)) {
    const int extra = RectWidth(fr) - RectWidth(record->FrameTextRect);
    fw::TBitmap frame;
    CreateHSkinImage(record->FrameLeftOffset, record->FrameRightOffset, frame, false, textWidth + extra, fr, *picture);
    int frameX = x;
    if (record->Alignment == taLeftJustify) {
      x += record->FrameTextRect.left;
    } else if (record->Alignment == taRightJustify) {
      frameX = x - extra;
      imageX -= extra;
      x += record->FrameTextRect.left - extra;
    } else {
      frameX = x - record->FrameTextRect.left - 2;
      imageX -= record->FrameTextRect.left;
      x -= 2;
    }
    canvas.Draw(frameX, captionRect_.top, frame);
  }
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  canvas.TextRect(r, x, y, text);
  if (imageWidth > 0) DrawCaptionImage(canvas, imageX, imageY);
}

void TskSkinPanel::PaintGroupBox() {
  const TskDataSkinPanelControl* record = PanelRecord();
  const fw::TBitmap* picture = PictureOf(skinData_);
  const int w = Width();
  const int h = Height();
  fw::TBitmap bitmap(w, h);
  PaintGroupBoxOn(bitmap, record, picture);
  Canvas().Draw(0, 0, bitmap);
}

void TskSkinPanel::PaintGroupBoxOn(fw::TBitmap& bitmap, const TskDataSkinPanelControl* record,
                                   const fw::TBitmap* picture) {
  const int w = bitmap.Width();
  const int h = bitmap.Height();
  fw::TBitmapCanvas canvas(bitmap);
  CopyParentBackdrop(*this, canvas);
  const TskSkinColors& colors = skinData_->SkinColors();
  canvas.Pen().color = colors.CBtnShadow;
  canvas.Pen().width = 1;
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  fw::TColor textColor = colors.CBtnText;
  if (auto* label = skinData_->FindSkinControl<TskDataSkinStdLabelControl>("stdlabel")) textColor = label->FontColor;
  canvas.Font().Assign(FontFor(skinData_, record->FontName, record->FontHeight, record->FontStyle, textColor));
  const std::wstring text = Caption();
  const int textHeight = canvas.TextHeight(text.empty() ? L"W" : text);
  captionRect_ = {5, 0, w, textHeight + 5};
  const int middle = captionRect_.top + RectHeight(captionRect_) / 2;
  int x = 5;
  if (checkedMode_ && picture) {
    const TRect& markRect = checked_ ? record->CheckImageRect : record->UnCheckImageRect;
    if (!IsNullRect(markRect)) {
      const fw::TBitmap mark = Part(*picture, markRect);
      DrawAutoTransparent(canvas, x, middle - mark.Height() / 2, mark);
      x += mark.Width() + 5;
    }
  }
  const int imageWidth = CaptionImageWidth();
  if (imageWidth > 0) {
    DrawCaptionImage(canvas, x, middle - CaptionImageHeight() / 2);
    x += imageWidth + 2;
  }
  TRect textRect{x, 0, w, textHeight + 5};
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  TRect measured = textRect;
  canvas.DrawTextW(text, measured, DT_CALCRECT | DT_SINGLELINE | DT_LEFT);
  const int tw = RectWidth(measured);
  canvas.DrawTextW(text, textRect, DT_SINGLELINE | DT_LEFT | DT_VCENTER);
  int lineStart = x + tw + 3;
  if (rollUpMode_) {
    DrawArrowImage(canvas, {x + tw + 3, captionRect_.top, x + tw + 10, captionRect_.bottom}, textColor,
                   rollUpState_ ? adDown : adUp);
    lineStart = x + tw + 12;
  }
  canvas.MoveTo(lineStart, middle);
  canvas.LineTo(w, middle);
  canvas.MoveTo(0, middle);
  canvas.LineTo(4, middle);
  canvas.MoveTo(w - 1, middle);
  canvas.LineTo(w - 1, h - 1);
  canvas.LineTo(0, h - 1);
  canvas.LineTo(0, middle);
  PaintPanelHook(canvas);
}

// ---- the paint panel

TskSkinPaintPanel::TskSkinPaintPanel(fw::TComponent* owner) : TskSkinPanel(owner) { forceBackground_ = false; }

void TskSkinPaintPanel::FirePanelPaint(fw::TCanvas& canvas) {
  if (OnPanelPaint) OnPanelPaint(canvas, PanelClient());
}

void TskSkinPaintPanel::PaintDefaultImage(fw::TBitmap& bitmap) {
  TskSkinPanel::PaintDefaultImage(bitmap);
  fw::TBitmapCanvas canvas(bitmap);
  FirePanelPaint(canvas);
}

void TskSkinPaintPanel::PaintSkinImage(fw::TBitmap& bitmap) {
  TskSkinPanel::PaintSkinImage(bitmap);
  fw::TBitmapCanvas canvas(bitmap);
  FirePanelPaint(canvas);
}

void TskSkinPaintPanel::PaintPanelHook(fw::TCanvas& canvas) { FirePanelPaint(canvas); }

void TskSkinPaintPanel::WndProc(fw::TMessage& message) {
  if (message.msg == WM_ERASEBKGND && !PaintingWindow()) {
    // Printed into another device context: the whole look goes there.
    PaintWindow(reinterpret_cast<HDC>(message.wParam));
    message.result = 1;
    return;
  }
  TskSkinPanel::WndProc(message);
}

// ---- the status bar

TskSkinStatusBar::TskSkinStatusBar(fw::TComponent* owner) : TskSkinPanel(owner) {
  skinDataName_ = "statusbar";
  forceBackground_ = false;
  SetBorderStyle(bvNone);
  SetAlign(fw::TAlign::alBottom);
  SetHeight(21);
}

void TskSkinStatusBar::SetSizeGrip(bool value) {
  sizeGrip_ = value;
  Invalidate();
  Realign();
}

void TskSkinStatusBar::SetGripVisible(bool value) {
  gripVisible_ = value;
  Invalidate();
  Realign();
}

void TskSkinStatusBar::SetSkinData(TskSkinData* value) {
  TskSkinPanel::SetSkinData(value);
  for (fw::TControl* child : ControlList()) {
    if (auto* s = dynamic_cast<TskSkinControl*>(child)) s->SetSkinData(value);
    if (auto* g = dynamic_cast<TskGraphicSkinControl*>(child)) g->SetSkinData(value);
  }
}

void TskSkinStatusBar::RefreshSkinRecord() {
  TskSkinCustomControl::RefreshSkinRecord();
  const TskDataSkinPanelControl* record = PanelRecord();
  gripperRect_ = record ? record->GripperRect : TRect{};
  gripperTransparent_ = record && record->GripperTransparent;
  gripperTransparentColor_ = record ? record->GripperTransparentColor : 0;
}

bool TskSkinStatusBar::GripShown() const {
  if (!sizeGrip_ || !gripVisible_) return false;
  // No grip while the window it would size is maximised.
  const fw::TWinControl* top = this;
  while (top->Parent()) top = top->Parent();
  return top == this || const_cast<fw::TWinControl*>(top)->Perform(fw::CM_ISMAXIMIZED) == 0;
}

TRect TskSkinStatusBar::GripRect() const {
  return StatusGripRect(PanelClient(), RecordApplies() ? gripperRect_ : TRect{});
}

void TskSkinStatusBar::AdjustClientRect(TRect& rect) const {
  TskSkinPanel::AdjustClientRect(rect);
  if (GripShown()) rect.right -= RectWidth(GripRect());
}

void TskSkinStatusBar::DrawGrip(fw::TCanvas& canvas) {
  if (!GripShown()) return;
  const TRect r = GripRect();
  const fw::TBitmap* picture = RecordApplies() ? PictureOf(skinData_) : nullptr;
  if (picture && !IsNullRect(gripperRect_)) {
    const fw::TBitmap grip = Part(*picture, gripperRect_);
    if (gripperTransparent_) {
      DrawTransparentPicture(canvas, r.left, r.top, grip, gripperTransparentColor_);
    } else {
      canvas.Draw(r.left, r.top, grip);
    }
    return;
  }
  const bool skinned = RecordApplies();
  const fw::TColor shadow = skinned ? skinData_->SkinColors().CBtnShadow : fw::clBtnShadow;
  const fw::TColor highlight = skinned ? skinData_->SkinColors().CBtnHighLight : fw::clBtnHighlight;
  for (int k = 3; r.right >= r.left + k + 2; k += 3) {
    canvas.Pen().color = shadow;
    canvas.MoveTo(r.left + k, r.bottom);
    canvas.LineTo(r.right, r.top + k);
    canvas.Pen().color = highlight;
    canvas.MoveTo(r.left + k + 1, r.bottom);
    canvas.LineTo(r.right, r.top + k + 1);
  }
}

void TskSkinStatusBar::PaintDefaultImage(fw::TBitmap& bitmap) {
  TskSkinPanel::PaintDefaultImage(bitmap);
  fw::TBitmapCanvas canvas(bitmap);
  DrawGrip(canvas);
}

void TskSkinStatusBar::PaintSkinImage(fw::TBitmap& bitmap) {
  TskSkinPanel::PaintSkinImage(bitmap);
  fw::TBitmapCanvas canvas(bitmap);
  DrawGrip(canvas);
}

void TskSkinStatusBar::PaintPanelHook(fw::TCanvas& canvas) { DrawGrip(canvas); }

void TskSkinStatusBar::WndProc(fw::TMessage& message) {
  if (!Designing() && GripShown() && HandleAllocated()) {
    if (message.msg == WM_NCHITTEST) {
      const TPoint p = ScreenToClient({GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)});
      message.result = GripRect().Contains(p) ? HTBOTTOMRIGHT : HTCLIENT;
      return;
    }
    if (message.msg == WM_NCLBUTTONDOWN && message.wParam == HTBOTTOMRIGHT) {
      // The grip sizes the window the bar stands in, not the bar.
      if (HWND form = GetAncestor(HandleIfAllocated(), GA_ROOT); form && form != HandleIfAllocated()) {
        ReleaseCapture();
        SendMessageW(form, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, message.lParam);
        return;
      }
    }
  }
  TskSkinPanel::WndProc(message);
}

}  // namespace sk
