#include "skin/controls/skSkinSpeedButton.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/data/skSkinData.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsGlyphs.h"
#include "skin/pixels/skUtilsLayout.h"
#include "skin/pixels/skUtilsPenGlyphs.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

namespace {

constexpr unsigned kMorphInterval = 20;

}  // namespace

void FillFramedRect(fw::TCanvas& canvas, const fw::TRect& r, fw::TColor fill, fw::TColor frame, bool framed) {
  canvas.Brush().style = fw::TBrushStyle::bsSolid;
  canvas.Brush().color = fill;
  canvas.FillRect(r);
  if (!framed) return;
  canvas.Brush().color = frame;
  canvas.FrameRect(r);
}

void CopyPictureRect(fw::TBitmap& target, int x, int y, const fw::TBitmap& picture, const fw::TRect& source) {
  const TRect src = ClipToPicture(source, {0, 0}, picture.Width(), picture.Height());
  if (IsNullRect(src)) return;
  const int dx = x + src.left - source.left;
  const int dy = y + src.top - source.top;
  const int x0 = std::max(dx, 0);
  const int y0 = std::max(dy, 0);
  const int x1 = std::min(dx + RectWidth(src), target.Width());
  const int y1 = std::min(dy + RectHeight(src), target.Height());
  if (x1 <= x0 || y1 <= y0) return;
  const TRect part{src.left + x0 - dx, src.top + y0 - dy, src.left + x1 - dx, src.top + y1 - dy};
  fw::TBitmap scratch;
  const PixelView dst = ViewOf(target);
  DrawRect(dst, {x0, y0, x1, y1}, SourceView(picture, part, dst.bytesPerPixel, scratch), {0, 0, x1 - x0, y1 - y0});
}

void PutPicture(fw::TBitmap& target, int x, int y, fw::TBitmap& part) {
  if (part.Empty()) return;
  DrawRect(ViewOf(target), fw::Bounds(x, y, part.Width(), part.Height()), ViewOf(part),
           {0, 0, part.Width(), part.Height()});
}

// ---- the speed button

TskSkinSpeedButton::TskSkinSpeedButton(fw::TComponent* owner) : TskGraphicSkinCustomControl(owner) {
  SetBounds(0, 0, 25, 25);
  skinDataName_ = "toolbutton";
}

// The timers go with the button; none of them is in a tick of its own here.
TskSkinSpeedButton::~TskSkinSpeedButton() = default;

void TskSkinSpeedButton::SetUseSkinSize(bool value) {
  if (value == useSkinSize_) return;
  useSkinSize_ = value;
  Invalidate();
}

void TskSkinSpeedButton::SetUseSkinFontColor(bool value) {
  if (value == useSkinFontColor_) return;
  useSkinFontColor_ = value;
  Invalidate();
}

void TskSkinSpeedButton::SetImageList(fw::TImageList* value) {
  if (imageList_ == value) return;
  if (imageList_) RemoveFreeNotification(imageList_);
  imageList_ = value;
  if (value) FreeNotification(value);
  Invalidate();
}

void TskSkinSpeedButton::SetImageIndex(int value) {
  if (value == imageIndex_) return;
  imageIndex_ = value;
  Invalidate();
}

void TskSkinSpeedButton::SetTransparent(bool value) {
  transparent_ = value;
  SetControlStyle(value ? ControlStyle() & ~fw::csOpaque : ControlStyle() | fw::csOpaque);
  if (value) morphing_ = false;
  Invalidate();
}

void TskSkinSpeedButton::SetFlat(bool value) {
  flat_ = value;
  SetTransparent(value);
}

void TskSkinSpeedButton::SetDown(bool value) {
  if (value == state_.down) return;
  state_.down = value;
  if (MorphApplies()) {
    morphFactor_ = 1;
    if (value) {
      StopMorph(1);
    } else {
      StartMorph();
    }
  }
  Invalidate();
  if (value && Grouped() && !setup_.allowAllUp) ReleasePartners();
}

void TskSkinSpeedButton::SetShowCaption(bool value) {
  if (value == showCaption_) return;
  showCaption_ = value;
  if (widthWithCaption_ > 0 && widthWithoutCaption_ > 0) {
    SetWidth(value ? widthWithCaption_ : widthWithoutCaption_);
  } else {
    Invalidate();
  }
}

void TskSkinSpeedButton::SetGlyph(const fw::TBitmap& value) {
  glyph_ = value;
  Invalidate();
}

void TskSkinSpeedButton::SetNumGlyphs(int value) {
  numGlyphs_ = std::clamp(value, 1, 4);
  Invalidate();
}

void TskSkinSpeedButton::SetMargin(int value) {
  if (value < -1 || value == margin_) return;
  margin_ = value;
  Invalidate();
}

void TskSkinSpeedButton::SetSpacing(int value) {
  if (value == spacing_) return;
  spacing_ = value;
  Invalidate();
}

void TskSkinSpeedButton::SetLayout(TskButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TskSkinSpeedButton::Notification(fw::TComponent* component, fw::TOperation operation) {
  TskGraphicSkinCustomControl::Notification(component, operation);
  if (operation == fw::TOperation::opRemove && component == imageList_) imageList_ = nullptr;
}

void TskSkinSpeedButton::Click() {
  // The handler may free the button: nothing of it is touched afterwards.
  const fw::TNotifyEvent handler = OnClick;
  if (handler) handler(this);
}

const TskDataSkinButtonControl* TskSkinSpeedButton::ButtonRecord() const {
  if (recordIndex_ < 0 || !SkinLoaded()) return nullptr;
  return dynamic_cast<const TskDataSkinButtonControl*>(skinData_->CtrlList(recordIndex_));
}

void TskSkinSpeedButton::RefreshSkinRecord() {
  TskGraphicSkinCustomControl::RefreshSkinRecord();
  const TskDataSkinButtonControl* r = ButtonRecord();
  if (!r) {
    looks_ = {};
    morphing_ = false;
    animateSkinRect_ = {};
    frameCount_ = 0;
    return;
  }
  fontName_ = r->FontName;
  fontHeight_ = r->FontHeight;
  fontStyle_ = r->FontStyle;
  fontColor_ = r->FontColor;
  activeFontColor_ = r->ActiveFontColor;
  downFontColor_ = r->DownFontColor;
  disabledFontColor_ = DisabledFontColorOf(r->DisabledFontColor, r->FontColor);
  looks_ = ButtonLooksOf(r->SkinRect, r->ActiveSkinRect, r->DownSkinRect, r->DisabledSkinRect);
  morphing_ = r->Morphing && !transparent_;
  morphKind_ = r->MorphKind;
  animateSkinRect_ = r->AnimateSkinRect;
  frameCount_ = r->FrameCount;
  animateInterval_ = r->AnimateInterval;
  menuMarkerRect_ = r->MenuMarkerRect;
  menuMarkerActiveRect_ = IsNullRect(r->MenuMarkerActiveRect) ? r->MenuMarkerRect : r->MenuMarkerActiveRect;
  menuMarkerDownRect_ = IsNullRect(r->MenuMarkerDownRect) ? menuMarkerActiveRect_ : r->MenuMarkerDownRect;
  menuMarkerFlatRect_ = IsNullRect(r->MenuMarkerFlatRect) ? r->MenuMarkerRect : r->MenuMarkerFlatRect;
  menuMarkerTransparentColor_ = r->MenuMarkerTransparentColor;
}

void TskSkinSpeedButton::ApplySkinChange() {
  StopAnimation();
  StopMorph(0);
  TskGraphicSkinCustomControl::ApplySkinChange();
  if (MorphApplies() && state_.mouseIn) morphFactor_ = 1;
}

void TskSkinSpeedButton::FitSizeToSkin(int& width, int& height) {
  if (recordIndex_ < 0) return;
  if (useSkinSize_ || geometry_.resizeMode == rmBoth) {
    TskGraphicSkinCustomControl::FitSizeToSkin(width, height);
    return;
  }
  const TRect& c = geometry_.corners.client;
  resized_ = geometry_.corners;
  resized_.client = {c.left, c.top, c.right + width - RectWidth(geometry_.skinRect),
                     c.bottom + height - RectHeight(geometry_.skinRect)};
}

bool TskSkinSpeedButton::MorphApplies() const {
  return morphing_ && !transparent_ && ButtonRecord() && skinData_->EnableSkinEffects();
}

TskSpeedLook TskSkinSpeedButton::CurrentLook() const {
  return ChooseSpeedLook({state_.down, state_.mouseIn, Grouped(), MorphApplies(), morphFactor_, transparent_});
}

fw::TFontInfo TskSkinSpeedButton::ContentFont(bool record) const {
  if (record) return FontFor(skinData_, fontName_, fontHeight_, fontStyle_, fontColor_);
  fw::TFontInfo info = defaultFont_.Info();
  if (skinData_ && skinData_->ResourceStrData()) info.charset = skinData_->ResourceStrData()->CharSet();
  return info;
}

fw::TColor TskSkinSpeedButton::SkinFontColor(bool active, bool down) const {
  if (!Enabled()) return disabledFontColor_;
  if (!useSkinFontColor_) return defaultFont_.Color();
  if (active && down) return downFontColor_;
  return active ? activeFontColor_ : fontColor_;
}

// ---- painting

void TskSkinSpeedButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  RefreshSkinRecord();
  int w = Width();
  int h = Height();
  FitSizeToSkin(w, h);
  const bool record = SkinApplies() && ButtonRecord();
  TskSpeedLook look = CurrentLook();
  if (!record && look == TskSpeedLook::Transparent && !flat_) look = TskSpeedLook::Normal;
  if (look == TskSpeedLook::Transparent) {
    DrawTransparentLook(Canvas());
    return;
  }
  fw::TBitmap bitmap(Width(), Height());
  if (!record) {
    DrawDefaultLook(bitmap, look);
    Canvas().Draw(0, 0, bitmap);
    return;
  }
  // An animation frame stands in for the hot look going forward and for
  // the normal look going back.
  TRect hot = looks_.active;
  TRect normal = !Enabled() && !IsNullRect(looks_.disabled) ? looks_.disabled : looks_.normal;
  const bool effects = skinData_->EnableSkinEffects();
  if (effects && frame_ > 0 && CanAnimate(animateSkinRect_, frameCount_)) {
    const TRect f = AnimationFrameRect(animateSkinRect_, looks_.normal, frameCount_, frame_);
    (animatingForward_ ? hot : normal) = f;
  }
  switch (look) {
    case TskSpeedLook::Morph: {
      fw::TBitmap other(Width(), Height());
      DrawSkinLook(bitmap, normal, false, false);
      DrawSkinLook(other, hot, true, false);
      GdiFlush();
      TskEffectBmp from(bitmap);
      from.Morph(morphKind_, TskEffectBmp(other), morphFactor_);
      Canvas().Draw(0, 0, from.Bitmap());
      return;
    }
    case TskSpeedLook::Down: DrawSkinLook(bitmap, looks_.down, true, true); break;
    case TskSpeedLook::Hot: DrawSkinLook(bitmap, hot, true, false); break;
    default: DrawSkinLook(bitmap, normal, false, false); break;
  }
  Canvas().Draw(0, 0, bitmap);
}

void TskSkinSpeedButton::DrawLookImage(fw::TBitmap& bitmap, const fw::TRect& source) const {
  const fw::TBitmap* picture = PictureOf(skinData_);
  if (!picture) return;
  const TskCornerModel& c = geometry_.corners;
  const int sw = RectWidth(geometry_.skinRect);
  const int sh = RectHeight(geometry_.skinRect);
  const int w = Width();
  const int h = Height();
  switch (geometry_.resizeMode) {
    case rmFixed: CopyPictureRect(bitmap, 0, 0, *picture, source); break;
    case rmBoth:
      CreateSkinImage(c, source, *picture, geometry_.stretch, true, geometry_.stretchEffect, geometry_.stretchType, w,
                      h, resized_, bitmap);
      break;
    case rmHorizontal:
    case rmVertical:
      if (!useSkinSize_) {
        CreateStretchedSkinImage(bitmap, *picture, source, true, c.client);
      } else if (geometry_.resizeMode == rmHorizontal) {
        CreateHSkinImage(c.leftTop.x, SaturatedDiff(sw, c.rightTop.x), bitmap, geometry_.stretchEffect, w, source,
                         *picture);
      } else {
        CreateVSkinImage(c.leftTop.y, SaturatedDiff(sh, c.leftBottom.y), bitmap, geometry_.stretchEffect, h, source,
                         *picture);
      }
      break;
    default: break;
  }
}

void TskSkinSpeedButton::DrawSkinLook(fw::TBitmap& bitmap, const fw::TRect& source, bool active, bool down) {
  DrawLookImage(bitmap, source);
  fw::TBitmapCanvas canvas(bitmap);
  DrawContent(canvas, resized_.client, active, down, SkinFontColor(active, down));
}

void TskSkinSpeedButton::DrawDefaultLook(fw::TBitmap& bitmap, TskSpeedLook look) {
  fw::TBitmapCanvas canvas(bitmap);
  const TRect r{0, 0, Width(), Height()};
  switch (look) {
    case TskSpeedLook::Down: FillFramedRect(canvas, r, kDefaultDownFill, kDefaultFrame); break;
    case TskSpeedLook::Hot: FillFramedRect(canvas, r, kDefaultHotFill, kDefaultFrame); break;
    default: FillFramedRect(canvas, r, fw::clBtnFace, fw::clBtnShadow, !flat_); break;
  }
  const bool down = look == TskSpeedLook::Down;
  const fw::TColor color = Enabled() ? defaultFont_.Color() : fw::clBtnShadow;
  canvas.Font().Assign(ContentFont(false));
  DrawContent(canvas, r, down || look == TskSpeedLook::Hot, down, color);
}

void TskSkinSpeedButton::DrawTransparentLook(fw::TCanvas& canvas) {
  const bool record = ButtonRecord() != nullptr;
  fw::TColor color;
  if (record) {
    const TskSkinColors& colors = skinData_->SkinColors();
    color = !Enabled() ? colors.CBtnShadow : useSkinFontColor_ ? colors.CBtnText : defaultFont_.Color();
  } else {
    color = Enabled() ? defaultFont_.Color() : fw::clBtnShadow;
  }
  DrawContent(canvas, TransparentContentRect(), false, false, color);
}

fw::TRect TskSkinSpeedButton::TransparentContentRect() const {
  return ButtonRecord() ? resized_.client : TRect{0, 0, Width(), Height()};
}

int TskSkinSpeedButton::DrawGlyphAndCaption(fw::TCanvas& canvas, const fw::TRect& r, bool pressed,
                                            const std::wstring& caption, const fw::TBitmap* strip, int frames,
                                            int frame, fw::TImageList* images, int index) {
  int gw = 0, gh = 0;
  if (images) {
    gw = images->Width();
    gh = images->Height();
  } else if (strip && !strip->Empty()) {
    gw = strip->Width() / std::max(frames, 1);
    gh = strip->Height();
  }
  const fw::TPoint extent = caption.empty() ? fw::TPoint{0, 0} : canvas.TextExtent(caption);
  TskGlyphTextPlace place = LayoutGlyphAndText(r, gw, gh, extent.x, extent.y, layout_, margin_, spacing_);
  if (pressed) {
    place.glyph = {place.glyph.x + 1, place.glyph.y + 1};
    place.text = {place.text.x + 1, place.text.y + 1};
  }
  if (images) {
    images->Draw(canvas, place.glyph.x, place.glyph.y, index, Enabled());
  } else if (gw > 0) {
    DrawGlyphFrame(canvas, place.glyph.x, place.glyph.y, frame, frames, *strip);
  }
  if (!caption.empty()) {
    canvas.Brush().style = fw::TBrushStyle::bsClear;
    canvas.TextOut(place.text.x, place.text.y, caption);
  }
  return gw;
}

void TskSkinSpeedButton::DrawContent(fw::TCanvas& canvas, const fw::TRect& r, bool active, bool down,
                                     fw::TColor color) {
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, canvas, r, down, state_.mouseIn, drawDefault);
  if (!drawDefault) return;
  fw::TFontInfo font = ContentFont(ButtonRecord() != nullptr);
  font.color = color;
  canvas.Font().Assign(font);
  const std::wstring caption = showCaption_ ? Caption() : std::wstring();
  const bool pressed = down && !ButtonRecord();
  if (glyph_.Empty() && imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->Count()) {
    DrawGlyphAndCaption(canvas, r, pressed, caption, nullptr, 1, 1, imageList_, imageIndex_);
    return;
  }
  const int frame = SpeedButtonGlyphNumber(numGlyphs_, Enabled(), down, active);
  DrawGlyphAndCaption(canvas, r, pressed, caption, &glyph_, numGlyphs_, frame, nullptr, 0);
}

// ---- mouse

void TskSkinSpeedButton::WndProc(fw::TMessage& message) {
  const bool live = Enabled() && !Designing();
  switch (message.msg) {
    case fw::CM_MOUSEENTER:
      if (live && !state_.mouseIn) HandleEnter();
      break;
    case fw::CM_MOUSELEAVE:
      if (live && state_.mouseIn) HandleLeave();
      break;
    case WM_MOUSEMOVE: {
      TskGraphicSkinCustomControl::WndProc(message);
      // While the parent holds the mouse for this button no enter or leave
      // comes: the position tells.
      const bool inside = ClientRect().Contains({GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)});
      if (live && inside != state_.mouseIn) {
        if (inside) {
          HandleEnter();
        } else {
          HandleLeave();
        }
      }
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      TskGraphicSkinCustomControl::WndProc(message);
      // May click, and the click may free the button: nothing after it.
      if (live) HandlePress(GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam));
      return;
    case WM_LBUTTONUP:
      TskGraphicSkinCustomControl::WndProc(message);
      if (live) HandleRelease(GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam));
      return;
    case fw::CM_ENABLEDCHANGED:
      StopMorph(0);
      StopAnimation();
      frame_ = 0;
      state_.mouseIn = false;
      Invalidate();
      break;
    case fw::CM_TEXTCHANGED: Invalidate(); break;
    default: break;
  }
  TskGraphicSkinCustomControl::WndProc(message);
}

void TskSkinSpeedButton::HandleEnter() {
  state_.mouseIn = true;
  if (!Grouped() || !state_.down) {
    if (state_.down) {
      if (MorphApplies()) morphFactor_ = 1;
      Invalidate();
    } else {
      StartAnimation(true);
      if (MorphApplies()) {
        StartMorph();
      } else {
        Invalidate();
      }
    }
  }
  if (state_.down && !Grouped() && setup_.repeatMode && state_.repeating) StartRepeat();
}

void TskSkinSpeedButton::HandleLeave() {
  state_.mouseIn = false;
  if (!state_.down || !Grouped()) {
    StartAnimation(false);
    if (MorphApplies()) {
      StartMorph();
    } else {
      Invalidate();
    }
  }
  if (state_.down && !Grouped() && state_.repeating) StopRepeat();
}

void TskSkinSpeedButton::HandlePress(int, int) {
  StopAnimation();
  const TskSpeedButtonEffect effect = PressSpeedButton(state_, setup_);
  if (effect.startRepeat) StartRepeat();
  if (effect.repaint) {
    if (MorphApplies()) StopMorph(1);
    Invalidate();
  }
  if (effect.wentDown && !setup_.allowAllUp) ReleasePartners();
  if (effect.click) Click();
}

void TskSkinSpeedButton::HandleRelease(int x, int y) {
  const bool inside = ClientRect().Contains({x, y});
  const TskSpeedButtonEffect effect = ReleaseSpeedButton(state_, setup_, inside);
  if (effect.stopRepeat) StopRepeat();
  if (!inside && !Grouped()) state_.mouseIn = false;
  if (effect.repaint) Invalidate();
  if (effect.click) Click();
}

void TskSkinSpeedButton::ReleasePartners() {
  fw::TWinControl* parent = Parent();
  if (!parent) return;
  std::vector<TskSkinSpeedButton*> buttons;
  std::vector<TskGroupMember> members;
  int self = -1;
  for (fw::TControl* c : parent->ControlList()) {
    auto* b = dynamic_cast<TskSkinSpeedButton*>(c);
    if (!b) continue;
    if (b == this) self = static_cast<int>(buttons.size());
    buttons.push_back(b);
    members.push_back({b->GroupIndex(), b->Down()});
  }
  for (int i : GroupPartnersToRelease(members, self, setup_.allowAllUp)) buttons[i]->SetDown(false);
}

// ---- timers

fw::TTimer& TskSkinSpeedButton::TimerOf(std::unique_ptr<fw::TTimer>& timer, unsigned interval,
                                        void (TskSkinSpeedButton::*tick)()) {
  if (!timer) {
    timer = std::make_unique<fw::TTimer>(nullptr);
    timer->SetEnabled(false);
    timer->OnTimer = [this, tick](fw::TComponent*) { (this->*tick)(); };
  }
  timer->SetInterval(interval);
  return *timer;
}

void TskSkinSpeedButton::StartMorph() {
  TimerOf(morphTimer_, kMorphInterval, &TskSkinSpeedButton::MorphTick).SetEnabled(true);
}

void TskSkinSpeedButton::StopMorph(double factor) {
  if (morphTimer_) morphTimer_->SetEnabled(false);
  morphFactor_ = factor;
}

void TskSkinSpeedButton::MorphTick() {
  // Disabled, not freed: this is the timer's own tick.
  if (!StepMorph(morphFactor_, state_.mouseIn)) morphTimer_->SetEnabled(false);
  Invalidate();
}

void TskSkinSpeedButton::StartAnimation(bool forward) {
  if (!ButtonRecord() || !skinData_->EnableSkinEffects() || flat_ || !CanAnimate(animateSkinRect_, frameCount_)) return;
  if (!forward && frame_ <= 0) return;
  animatingForward_ = forward;
  TimerOf(animateTimer_, static_cast<unsigned>(std::max(animateInterval_, 1)), &TskSkinSpeedButton::AnimateTick)
      .SetEnabled(true);
}

void TskSkinSpeedButton::StopAnimation() {
  if (animateTimer_) animateTimer_->SetEnabled(false);
}

void TskSkinSpeedButton::AnimateTick() {
  if (!StepFrame(frame_, animatingForward_, frameCount_)) animateTimer_->SetEnabled(false);
  Invalidate();
}

void TskSkinSpeedButton::StartRepeat() {
  repeatTicks_ = 0;
  state_.repeating = true;
  TimerOf(repeatTimer_, RepeatIntervalAfter(0, repeatInterval_), &TskSkinSpeedButton::RepeatTick).SetEnabled(true);
}

void TskSkinSpeedButton::StopRepeat() {
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
}

void TskSkinSpeedButton::RepeatTick() {
  ++repeatTicks_;
  repeatTimer_->SetInterval(RepeatIntervalAfter(repeatTicks_, repeatInterval_));
  // Last: the handler may free the button, and its timers with it.
  Click();
}

}  // namespace sk
