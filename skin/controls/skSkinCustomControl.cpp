#include "skin/controls/skSkinCustomControl.h"

#include <algorithm>

#include "framework/CodePage.h"
#include "skin/data/skSkinData.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsRects.h"
#include "skin/pixels/skUtilsRegion.h"

namespace sk {

namespace {

// Copies all of `src` to (x, y) of `dst`.
void Put(fw::TBitmap& dst, int x, int y, fw::TBitmap& src) {
  if (src.Empty()) return;
  DrawRect(ViewOf(dst), fw::Bounds(x, y, src.Width(), src.Height()), ViewOf(src), {0, 0, src.Width(), src.Height()});
}

}  // namespace

// ---- shared look

TskSkinLook::TskSkinLook()
    : defaultFont_(fw::TFontInfo{L"Arial", 14, 0, fw::clWindowText, fw::DEFAULT_CHARSET_VALUE}) {}

bool TskSkinLook::CopyGeometry(const TskSkinData* skinData, int recordIndex) {
  const auto* record = dynamic_cast<const TskDataSkinCustomControl*>(skinData->CtrlList(recordIndex));
  if (!record) return false;
  geometry_ = SkinGeometryOf(*record);
  pictureIndex_ = record->PictureIndex;
  maskPictureIndex_ = record->MaskPictureIndex;
  return true;
}

int TskSkinLook::RecordWithGeometry(const TskSkinData* skinData, int recordIndex) {
  return recordIndex >= 0 && CopyGeometry(skinData, recordIndex) ? recordIndex : -1;
}

bool TskSkinLook::LookApplies(const TskSkinData* skinData, int recordIndex) const {
  if (recordIndex < 0 || geometry_.resizeMode == rmNone) return false;
  const fw::TBitmap* picture = PictureOf(skinData);
  return picture && !picture->Empty();
}

void TskSkinLook::FitResized(int recordIndex, int& width, int& height) {
  if (recordIndex >= 0) resized_ = sk::FitSizeToSkin(geometry_, width, height);
}

const fw::TBitmap* TskSkinLook::PictureOf(const TskSkinData* skinData) const {
  return skinData && !skinData->Empty() ? skinData->ActivePicture(pictureIndex_) : nullptr;
}

const fw::TBitmap* TskSkinLook::MaskPictureOf(const TskSkinData* skinData) const {
  return skinData && !skinData->Empty() ? skinData->ActivePicture(maskPictureIndex_) : nullptr;
}

fw::TFontInfo TskSkinLook::FontFor(const TskSkinData* skinData, const std::string& name, int height,
                                   fw::TFontStyles style, fw::TColor color) const {
  fw::TFontInfo info = defaultFont_.Info();
  if (useSkinFont_) {
    info.name = fw::AnsiToWide(name);
    info.height = height;
    info.style = style;
  }
  if (skinData && skinData->ResourceStrData()) info.charset = skinData->ResourceStrData()->CharSet();
  info.color = color;
  return info;
}

void TskSkinLook::DrawSkinImage(const fw::TBitmap& picture, fw::TBitmap& bitmap, int width, int height,
                                bool skipBothWays) const {
  const TRect& sr = geometry_.skinRect;
  const TskCornerModel& c = geometry_.corners;
  const int sw = RectWidth(sr);
  const int sh = RectHeight(sr);
  switch (geometry_.resizeMode) {
    case rmFixed: {
      PrepareTarget(bitmap, sw, sh);
      fw::TBitmap scratch;
      const PixelView dst = ViewOf(bitmap);
      DrawRect(dst, {0, 0, sw, sh}, SourceView(picture, sr, dst.bytesPerPixel, scratch), {0, 0, sw, sh});
      break;
    }
    case rmBoth:
      if (skipBothWays) break;
      CreateSkinImage(c, sr, picture, geometry_.stretch, true, geometry_.stretchEffect, geometry_.stretchType, width,
                      height, resized_, bitmap);
      break;
    case rmHorizontal:
      CreateHSkinImage(c.leftTop.x, SaturatedDiff(sw, c.rightTop.x), bitmap, geometry_.stretchEffect, width, sr,
                       picture);
      break;
    case rmVertical:
      CreateVSkinImage(c.leftTop.y, SaturatedDiff(sh, c.leftBottom.y), bitmap, geometry_.stretchEffect, height, sr,
                       picture);
      break;
    default: break;
  }
}

// ---- windowed

TskSkinCustomControl::TskSkinCustomControl(fw::TComponent* owner) : TskSkinControl(owner) {
  defaultFont_.OnChange = [this] {
    DefaultFontChanged();
    if (recordIndex_ < 0) Invalidate();
  };
}

// The window region, if any, went with the window: the system frees it.
TskSkinCustomControl::~TskSkinCustomControl() = default;

void TskSkinCustomControl::SetDefaultFont(const fw::TFont& value) {
  defaultFont_.Assign(value.Info());
  DefaultFontChanged();
}

void TskSkinCustomControl::SetDefaultWidth(int value) {
  defaultWidth_ = value;
  RefreshSkinRecord();
  if (recordIndex_ < 0 && value > 0) SetWidth(value);
}

void TskSkinCustomControl::SetDefaultHeight(int value) {
  defaultHeight_ = value;
  RefreshSkinRecord();
  if (recordIndex_ < 0 && value > 0) SetHeight(value);
}

void TskSkinCustomControl::RefreshSkinRecord() {
  LookUpRecord();
  recordIndex_ = RecordWithGeometry(skinData_, recordIndex_);
}

bool TskSkinCustomControl::SkinApplies() const { return LookApplies(skinData_, recordIndex_); }

void TskSkinCustomControl::FitSizeToSkin(int& width, int& height) { FitResized(recordIndex_, width, height); }

TRect TskSkinCustomControl::MapSkinRect(const TRect& source) const {
  return sk::MapSkinRect(geometry_, Width(), Height(), source);
}

void TskSkinCustomControl::ApplySkinChange() {
  RefreshSkinRecord();
  if (recordIndex_ < 0) {
    const int w = defaultWidth_ > 0 ? defaultWidth_ : Width();
    const int h = defaultHeight_ > 0 ? defaultHeight_ : Height();
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
    ApplyMaskRegion();
    Invalidate();
    return;
  }
  int w = Width();
  int h = Height();
  FitSizeToSkin(w, h);
  if (w != Width() || h != Height()) {
    SetBounds(Left(), Top(), w, h);  // applies the mask and repaints
    return;
  }
  ApplyMaskRegion();
  Invalidate();
}

void TskSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  RefreshSkinRecord();
  const bool record = recordIndex_ >= 0;
  if (record && (width != Width() || height != Height())) FitSizeToSkin(width, height);
  const bool sizeChanged = width != Width() || height != Height();
  TskSkinControl::SetBounds(left, top, width, height);
  if (sizeChanged) ApplyMaskRegion();
  Invalidate();
  if (record && geometry_.stretchEffect) NotifyChildrenOfBackground();
}

void TskSkinCustomControl::AfterCreateWnd() {
  TskSkinControl::AfterCreateWnd();
  // A new window starts unclipped.
  regionApplied_ = false;
  RefreshSkinRecord();
  ApplyMaskRegion();
}

void TskSkinCustomControl::ApplyRegion(HRGN region) {
  // From here the region belongs to the window.
  SetWindowRgn(HandleIfAllocated(), region, TRUE);
  regionApplied_ = region != nullptr;
}

void TskSkinCustomControl::ApplyMaskRegion() {
  if (!Parent() || !HandleAllocated()) return;
  const fw::TBitmap* mask = recordIndex_ >= 0 ? MaskPictureOf(skinData_) : nullptr;
  fw::GdiObject<HRGN> region;
  if (mask && !mask->Empty()) {
    int w = Width();
    int h = Height();
    FitSizeToSkin(w, h);
    const TskCornerModel& c = geometry_.corners;
    switch (geometry_.resizeMode) {
      case rmFixed: region = CreateRegionFromMask(*mask); break;
      case rmBoth:
      case rmHorizontal:
      case rmVertical: region = CreateSkinRegion(c, c.client, *mask, h, w, resized_); break;
      default: break;
    }
  }
  if (region) {
    ApplyRegion(region.Release());
  } else if (regionApplied_) {
    ApplyRegion(nullptr);
  }
}

void TskSkinCustomControl::NotifyChildrenOfBackground() {
  const std::vector<fw::TControl*> children = ControlList();
  for (fw::TControl* child : children) {
    auto* windowed = dynamic_cast<fw::TWinControl*>(child);
    if (windowed && windowed->HandleAllocated()) {
      SendMessageW(windowed->HandleIfAllocated(), SKINMSG_PARENT_BACKGROUND, 0, 0);
    } else {
      child->Perform(SKINMSG_PARENT_BACKGROUND, 0, 0);
    }
  }
}

void TskSkinCustomControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  RefreshSkinRecord();
  int w = Width();
  int h = Height();
  FitSizeToSkin(w, h);
  if (SkinApplies() && forceBackground_ && geometry_.resizeMode == rmBoth) {
    PaintFrameAndClient();
    return;
  }
  fw::TBitmap bitmap(Width(), Height());
  if (SkinApplies()) {
    PaintSkinImage(bitmap);
  } else {
    PaintDefaultImage(bitmap);
  }
  Canvas().Draw(0, 0, bitmap);
}

void TskSkinCustomControl::PaintDefaultImage(fw::TBitmap& bitmap) {
  fw::TBitmapCanvas canvas(bitmap);
  canvas.Brush().color = fw::clBtnFace;
  canvas.FillRect({0, 0, Width(), Height()});
}

void TskSkinCustomControl::PaintSkinImage(fw::TBitmap& bitmap) {
  const fw::TBitmap* picture = PictureOf(skinData_);
  if (!picture) return;
  DrawSkinImage(*picture, bitmap, Width(), Height(), forceBackground_);
}

void TskSkinCustomControl::FillClientSlice(fw::TBitmap& bitmap, const TRect& dest) const {
  const fw::TBitmap* picture = PictureOf(skinData_);
  if (!picture) return;
  const TRect& sr = geometry_.skinRect;
  const TRect& cr = geometry_.corners.client;
  const TRect slice{SaturatedSum(sr.left, cr.left), SaturatedSum(sr.top, cr.top), SaturatedSum(sr.left, cr.right),
                    SaturatedSum(sr.top, cr.bottom)};
  const TskFillPlan plan = SliceFillPlan(dest, slice, geometry_.stretchEffect, geometry_.stretchType);
  if (!plan.draw) return;
  const PixelView dst = ViewOf(bitmap);
  fw::TBitmap scratch;
  const PixelView src = SourceView(*picture, {0, 0, picture->Width(), picture->Height()}, dst.bytesPerPixel, scratch);
  BlitSpans(dst, src, plan.x, plan.y);
}

void TskSkinCustomControl::PaintFrameAndClient() {
  const fw::TBitmap* picture = PictureOf(skinData_);
  const int w = Width();
  const int h = Height();
  fw::TBitmap top, bottom, left, right;
  CreateSkinBorderImages(geometry_.corners, geometry_.stretch, w, h, geometry_.skinRect, *picture,
                         {&top, &bottom, &left, &right}, resized_);
  // Subclasses draw their caption on the top strip.
  if (!top.Empty()) PaintSkinImage(top);
  GdiFlush();  // the caption's text is in the strip's pixels before they are copied
  fw::TBitmap composite(w, h);
  FillClientSlice(composite, resized_.client);
  Put(composite, 0, 0, top);
  Put(composite, 0, top.Height(), left);
  Put(composite, w - right.Width(), top.Height(), right);
  Put(composite, 0, h - bottom.Height(), bottom);
  Canvas().Draw(0, 0, composite);
}

// ---- windowless

TskGraphicSkinCustomControl::TskGraphicSkinCustomControl(fw::TComponent* owner) : TskGraphicSkinControl(owner) {
  defaultFont_.OnChange = [this] {
    DefaultFontChanged();
    if (recordIndex_ < 0) Invalidate();
  };
}

void TskGraphicSkinCustomControl::SetDefaultFont(const fw::TFont& value) {
  defaultFont_.Assign(value.Info());
  DefaultFontChanged();
}

void TskGraphicSkinCustomControl::SetDefaultWidth(int value) {
  defaultWidth_ = value;
  RefreshSkinRecord();
  if (recordIndex_ < 0 && value > 0) SetWidth(value);
}

void TskGraphicSkinCustomControl::SetDefaultHeight(int value) {
  defaultHeight_ = value;
  RefreshSkinRecord();
  if (recordIndex_ < 0 && value > 0) SetHeight(value);
}

void TskGraphicSkinCustomControl::RefreshSkinRecord() {
  LookUpRecord();
  recordIndex_ = RecordWithGeometry(skinData_, recordIndex_);
}

bool TskGraphicSkinCustomControl::SkinApplies() const { return LookApplies(skinData_, recordIndex_); }

void TskGraphicSkinCustomControl::FitSizeToSkin(int& width, int& height) { FitResized(recordIndex_, width, height); }

void TskGraphicSkinCustomControl::ApplySkinChange() {
  RefreshSkinRecord();
  int w = Width();
  int h = Height();
  if (recordIndex_ < 0) {
    if (defaultWidth_ > 0) w = defaultWidth_;
    if (defaultHeight_ > 0) h = defaultHeight_;
  } else {
    FitSizeToSkin(w, h);
  }
  if (w != Width() || h != Height()) {
    SetBounds(Left(), Top(), w, h);
    return;
  }
  Invalidate();
}

void TskGraphicSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  RefreshSkinRecord();
  if (recordIndex_ >= 0 && (width != Width() || height != Height())) FitSizeToSkin(width, height);
  TskGraphicSkinControl::SetBounds(left, top, width, height);
  Invalidate();
}

void TskGraphicSkinCustomControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  RefreshSkinRecord();
  int w = Width();
  int h = Height();
  FitSizeToSkin(w, h);
  fw::TBitmap bitmap(Width(), Height());
  if (SkinApplies()) {
    PaintSkinImage(bitmap);
  } else {
    PaintDefaultImage(bitmap);
  }
  Canvas().Draw(0, 0, bitmap);
}

void TskGraphicSkinCustomControl::PaintDefaultImage(fw::TBitmap& bitmap) {
  fw::TBitmapCanvas canvas(bitmap);
  canvas.Brush().color = fw::clBtnFace;
  canvas.FillRect({0, 0, Width(), Height()});
}

void TskGraphicSkinCustomControl::PaintSkinImage(fw::TBitmap& bitmap) {
  const fw::TBitmap* picture = PictureOf(skinData_);
  if (!picture) return;
  DrawSkinImage(*picture, bitmap, Width(), Height(), false);
}

}  // namespace sk
