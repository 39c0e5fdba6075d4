// The menu speed button: its drop-down zone, the menus it opens, and the
// looks that show a separate track part.
#include <algorithm>

#include "skin/controls/skSkinSpeedButton.h"
#include "skin/data/skSkinData.h"
#include "skin/menus/skImagesMenu.h"
#include "skin/menus/skMenusPopup.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsGlyphs.h"
#include "skin/pixels/skUtilsPenGlyphs.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

TskSkinMenuSpeedButton::TskSkinMenuSpeedButton(fw::TComponent* owner) : TskSkinSpeedButton(owner) {
  skinDataName_ = "toolmenubutton";
}

TskSkinMenuSpeedButton::~TskSkinMenuSpeedButton() { *alive_ = false; }

void TskSkinMenuSpeedButton::SetSkinPopupMenu(TskSkinPopupMenu* value) {
  if (skinPopupMenu_ == value) return;
  if (skinPopupMenu_) RemoveFreeNotification(skinPopupMenu_);
  skinPopupMenu_ = value;
  if (value) FreeNotification(value);
}

void TskSkinMenuSpeedButton::SetSkinImagesMenu(TskSkinImagesMenu* value) {
  if (skinImagesMenu_ == value) return;
  if (skinImagesMenu_) RemoveFreeNotification(skinImagesMenu_);
  skinImagesMenu_ = value;
  if (value) FreeNotification(value);
  Invalidate();
}

void TskSkinMenuSpeedButton::SetUseImagesMenuImage(bool value) {
  useImagesMenuImage_ = value;
  Invalidate();
}

void TskSkinMenuSpeedButton::SetUseImagesMenuCaption(bool value) {
  useImagesMenuCaption_ = value;
  Invalidate();
}

void TskSkinMenuSpeedButton::SetTrackButtonMode(bool value) {
  if (value == trackButtonMode_) return;
  trackButtonMode_ = value;
  Invalidate();
}

void TskSkinMenuSpeedButton::SetTrackPosition(TskTrackPosition value) {
  if (value == trackPosition_) return;
  trackPosition_ = value;
  Invalidate();
}

void TskSkinMenuSpeedButton::SetNewStyle(bool value) {
  newStyle_ = value;
  if (value) SetSkinDataName("resizetoolbutton");
  Invalidate();
}

void TskSkinMenuSpeedButton::Notification(fw::TComponent* component, fw::TOperation operation) {
  TskSkinSpeedButton::Notification(component, operation);
  if (operation != fw::TOperation::opRemove) return;
  if (component == skinPopupMenu_) skinPopupMenu_ = nullptr;
  if (component == skinImagesMenu_) skinImagesMenu_ = nullptr;
}

void TskSkinMenuSpeedButton::RefreshSkinRecord() {
  TskSkinSpeedButton::RefreshSkinRecord();
  const auto* r = recordIndex_ >= 0 ? dynamic_cast<const TskDataSkinMenuButtonControl*>(ButtonRecord()) : nullptr;
  trackButtonRect_ = r ? r->TrackButtonRect : TRect{};
}

// ---- the menu

bool TskSkinMenuSpeedButton::HitsMenuZone(int x, int y) const {
  TskTrackZoneInput in;
  in.width = Width();
  in.height = Height();
  in.hasMenu = skinPopupMenu_ || skinImagesMenu_;
  in.trackButtonMode = trackButtonMode_;
  // A record without a track part falls back to the right edge: an empty
  // zone would leave the menu out of reach.
  in.recordTrackRect = ButtonRecord() && !IsSplitLookName(skinDataName_) && !IsNullRect(trackButtonRect_);
  in.trackRect = trackButtonRect_;
  in.resizeMode = geometry_.resizeMode;
  in.skinWidth = RectWidth(geometry_.skinRect);
  in.skinHeight = RectHeight(geometry_.skinRect);
  in.newStyle = newStyle_;
  in.position = trackPosition_;
  return InTrackZone(in, {x, y});
}

void TskSkinMenuSpeedButton::HandlePress(int x, int y) {
  RefreshSkinRecord();
  if (!HitsMenuZone(x, y)) {
    TskSkinSpeedButton::HandlePress(x, y);
    return;
  }
  StopAnimation();
  menuTracked_ = true;
  state_.mouseIn = true;
  state_.down = true;
  Repaint();
  ShowTrackMenu();
}

void TskSkinMenuSpeedButton::ShowTrackMenu() {
  const std::weak_ptr<bool> alive = alive_;
  if (OnShowTrackMenu) OnShowTrackMenu(this);
  if (alive.expired()) return;
  const fw::TPoint origin = ClientToScreen({0, 0});
  const TRect anchor = fw::Bounds(origin.x, origin.y, Width(), Height());
  if (skinPopupMenu_) {
    skinPopupMenu_->PopupAt(anchor, false, this);
    // A menu that did not open (no host, no items) sends no close: the
    // button would stay down for good.
    if (!alive.expired() && !PopupMenuOpen()) HideTrackMenu();
    return;
  }
  if (!skinImagesMenu_) return;
  // The images menu has one close callback: ours for this popup, then
  // the one it had, put back first.
  TskSkinImagesMenu* menu = skinImagesMenu_;
  const fw::TNotifyEvent previous = menu->OnMenuClose;
  menu->OnMenuClose = [alive, previous, menu, this](fw::TComponent* sender) {
    const std::weak_ptr<bool> button = alive;
    const fw::TNotifyEvent before = previous;
    auto* self = this;
    menu->OnMenuClose = before;  // ends this closure: only locals from here
    if (!button.expired()) self->HideTrackMenu();
    if (before) before(sender);
  };
  menu->Popup(anchor);
  if (alive.expired() || menu->PopupWindow()) return;
  // Nothing to show: no close comes either.
  menu->OnMenuClose = previous;
  HideTrackMenu();
}

bool TskSkinMenuSpeedButton::PopupMenuOpen() const {
  const auto openHere = [this](const TskSkinMenuOwner* owner) {
    return owner && owner->SkinMenu().PopupControl() == this && owner->SkinMenu().PopupCount() > 0;
  };
  if (TskSkinMenuOwner* owner = skinPopupMenu_->SkinForm()) return openHere(owner);
  fw::TComponent* owner = skinPopupMenu_->Owner();
  for (fw::TComponent* c :
       {static_cast<fw::TComponent*>(skinPopupMenu_->Form()), owner, owner ? owner->Owner() : nullptr}) {
    if (auto* form = dynamic_cast<fw::TForm*>(c); form && openHere(MenuOwnerOf(form))) return true;
  }
  return false;
}

void TskSkinMenuSpeedButton::HideTrackMenu() {
  if (!menuTracked_) return;
  menuTracked_ = false;
  state_.down = false;
  state_.mouseIn = false;
  Invalidate();
  const fw::TNotifyEvent handler = OnHideTrackMenu;
  if (handler) handler(this);
}

void TskSkinMenuSpeedButton::HandleRelease(int x, int y) {
  if (menuTracked_) return;
  TskSkinSpeedButton::HandleRelease(x, y);
}

void TskSkinMenuSpeedButton::HandleEnter() {
  if (menuTracked_) {
    state_.mouseIn = true;
    return;
  }
  TskSkinSpeedButton::HandleEnter();
}

void TskSkinMenuSpeedButton::HandleLeave() {
  if (menuTracked_) {
    state_.mouseIn = false;
    return;
  }
  TskSkinSpeedButton::HandleLeave();
}

void TskSkinMenuSpeedButton::WndProc(fw::TMessage& message) {
  if (message.msg == SKINMSG_CLOSE_MENU) {
    HideTrackMenu();
    return;
  }
  TskSkinSpeedButton::WndProc(message);
}

// ---- looks

fw::TRect TskSkinMenuSpeedButton::TrackRect() const {
  if (newStyle_ && trackPosition_ == TskTrackPosition::sktpBottom) {
    return {0, Height() - kTrackWidth, Width(), Height()};
  }
  return {Width() - kTrackWidth, 0, Width(), Height()};
}

fw::TRect TskSkinMenuSpeedButton::TransparentContentRect() const {
  return ButtonRecord() && !IsSplitLookName(skinDataName_) ? resized_.client : ContentRect();
}

void TskSkinMenuSpeedButton::DrawRecordPart(fw::TBitmap& target, const TskDataSkinButtonControl& record,
                                            const TRect& source, const TRect& dest) const {
  const fw::TBitmap* picture = skinData_->ActivePicture(record.PictureIndex);
  if (!picture || IsNullRect(dest)) return;
  const TskSkinGeometry g = SkinGeometryOf(record);
  const int w = RectWidth(dest);
  const int h = RectHeight(dest);
  fw::TBitmap part(w, h);
  if (g.resizeMode != rmBoth) {
    // A look without a corner model to rebuild it: stretched to the part.
    fw::TBitmap scratch;
    const PixelView view = ViewOf(part);
    const TRect from = ClipToPicture(source, {0, 0}, picture->Width(), picture->Height());
    if (IsNullRect(from)) return;
    DrawRect(view, {0, 0, w, h}, SourceView(*picture, from, view.bytesPerPixel, scratch),
             {0, 0, RectWidth(from), RectHeight(from)});
    PutPicture(target, dest.left, dest.top, part);
    return;
  }
  CreateSkinImage(g.corners, source, *picture, g.stretch, true, g.stretchEffect, g.stretchType, w, h,
                  MapCornerModel(g.corners, RectWidth(g.skinRect), RectHeight(g.skinRect), w, h), part);
  PutPicture(target, dest.left, dest.top, part);
}

void TskSkinMenuSpeedButton::DrawNewStyleLook(fw::TBitmap& bitmap) {
  const auto* main = skinData_->FindSkinControl<TskDataSkinButtonControl>("resizetoolbutton");
  if (!main) main = skinData_->FindSkinControl<TskDataSkinButtonControl>("resizebutton");
  if (!main) return;
  const bool bottom = trackPosition_ == TskTrackPosition::sktpBottom;
  const bool hot = state_.mouseIn;
  const bool split = trackButtonMode_ && hot;
  const TskDataSkinButtonControl* trackRecord =
      split ? skinData_->FindSkinControl<TskDataSkinButtonControl>(bottom ? "htracktoolbutton" : "vtracktoolbutton")
            : nullptr;
  const TRect whole{0, 0, Width(), Height()};
  const TRect track = TrackRect();
  const auto look = [](const TskDataSkinButtonControl& r, bool pressed, bool active) {
    const TskButtonLooks l = ButtonLooksOf(r.SkinRect, r.ActiveSkinRect, r.DownSkinRect, r.DisabledSkinRect);
    return pressed ? l.down : active ? l.active : l.normal;
  };
  const bool pressed = hot && state_.down && !(trackButtonMode_ && menuTracked_);
  DrawRecordPart(bitmap, *main, look(*main, pressed, hot), split && !trackRecord ? ContentRect() : whole);
  if (split) {
    const TskDataSkinButtonControl& r = trackRecord ? *trackRecord : *main;
    DrawRecordPart(bitmap, r, look(r, menuTracked_, true), track);
  }
  fw::TBitmapCanvas canvas(bitmap);
  const fw::TColor color = SkinFontColor(hot, state_.down);
  DrawContent(canvas, ContentRect(), hot, state_.down, color);
  TRect zone = track;
  if (hot && state_.down && (!trackButtonMode_ || menuTracked_))
    zone = {zone.left + 1, zone.top + 1, zone.right + 1, zone.bottom + 1};
  DrawMenuZone(canvas, zone, hot, state_.down, color);
}

fw::TRect TskSkinMenuSpeedButton::ContentRect() const {
  if (newStyle_ && trackPosition_ == TskTrackPosition::sktpBottom) {
    return {0, 0, Width(), Height() - kTrackWidth};
  }
  return {0, 0, Width() - kTrackWidth, Height()};
}

void TskSkinMenuSpeedButton::DrawContent(fw::TCanvas& canvas, const fw::TRect& r, bool active, bool down,
                                         fw::TColor color) {
  TskSkinImagesMenu* menu = skinImagesMenu_;
  const int index = menu ? menu->ItemIndex() : -1;
  if (!useImagesMenuImage_ || !menu || index < 0 || index >= static_cast<int>(menu->ImagesItems().size())) {
    TskSkinSpeedButton::DrawContent(canvas, r, active, down, color);
    return;
  }
  bool drawDefault = true;
  if (OnPaint) OnPaint(this, canvas, r, down, state_.mouseIn, drawDefault);
  if (!drawDefault) return;
  fw::TFontInfo font = ContentFont(ButtonRecord() != nullptr);
  font.color = color;
  canvas.Font().Assign(font);
  const TskImagesMenuItem& item = menu->ImagesItems()[index];
  std::wstring caption = ShowCaption() ? Caption() : std::wstring();
  if (useImagesMenuCaption_) caption = item.Caption;
  fw::TImageList* images = menu->Images();
  const bool image = images && item.ImageIndex >= 0 && item.ImageIndex < images->Count();
  DrawGlyphAndCaption(canvas, r, false, caption, nullptr, 1, 1, image ? images : nullptr, item.ImageIndex);
}

void TskSkinMenuSpeedButton::DrawMenuZone(fw::TCanvas& canvas, fw::TRect zone, bool active, bool down,
                                          fw::TColor color) {
  if (ArrowGlyphMode) {
    DrawArrowImage(canvas, zone, color, ArrowGlyphDirection);
    return;
  }
  const fw::TBitmap* picture = PictureOf(skinData_);
  if (ButtonRecord() && picture && !IsNullRect(menuMarkerRect_)) {
    const TRect marker = down || menuTracked_ ? menuMarkerDownRect_ : active ? menuMarkerActiveRect_ : menuMarkerRect_;
    fw::TBitmap cut(std::max(RectWidth(marker), 0), std::max(RectHeight(marker), 0));
    if (cut.Empty()) return;
    CopyPictureRect(cut, 0, 0, *picture, marker);
    const int x = zone.left + (RectWidth(zone) - cut.Width()) / 2;
    const int y = zone.top + (RectHeight(zone) - cut.Height()) / 2;
    DrawTransparentPicture(canvas, x, y, cut, menuMarkerTransparentColor_);
    return;
  }
  DrawDropDownImage(canvas, zone, menuTracked_ && ButtonRecord() ? downFontColor_ : color);
}

void TskSkinMenuSpeedButton::DrawSplitLook(fw::TBitmap& bitmap, const fw::TRect& source, bool active, bool down,
                                           bool stretched) {
  const fw::TBitmap* picture = PictureOf(skinData_);
  const int w = Width();
  const int h = Height();
  const TskCornerModel& c = geometry_.corners;
  const int sw = RectWidth(geometry_.skinRect);
  const int sh = RectHeight(geometry_.skinRect);
  // A part of the look rebuilt at partWidth x h from `from`.
  const auto part = [&](const TRect& from, int partWidth) {
    fw::TBitmap b(std::max(partWidth, 1), h);
    if (stretched) {
      CreateStretchedSkinImage(b, *picture, from, true, c.client);
    } else {
      CreateSkinImage(c, from, *picture, geometry_.stretch, true, geometry_.stretchEffect, geometry_.stretchType,
                      partWidth, h, MapCornerModel(c, sw, sh, partWidth, h), b);
    }
    return b;
  };
  const bool normalLook = !active && !down;
  if (!trackButtonMode_) {
    if (!(Flat() && normalLook)) {
      fw::TBitmap whole = part(source, w);
      PutPicture(bitmap, 0, 0, whole);
    }
  } else {
    fw::TBitmap main = part(menuTracked_ ? looks_.active : source, w - kTrackWidth);
    fw::TBitmap track = part(menuTracked_ ? looks_.down : source, kTrackWidth);
    PutPicture(bitmap, 0, 0, main);
    PutPicture(bitmap, w - kTrackWidth, 0, track);
  }
  fw::TBitmapCanvas canvas(bitmap);
  const fw::TColor color = SkinFontColor(active, down);
  DrawContent(canvas, {0, 0, w - kTrackWidth, h}, active, down, color);
  TRect zone{w - kTrackWidth, 0, w, h};
  if (down || menuTracked_) zone = {w - 13, 2, w, h};
  DrawMenuZone(canvas, zone, active, down, color);
}

void TskSkinMenuSpeedButton::DrawSkinLook(fw::TBitmap& bitmap, const fw::TRect& source, bool active, bool down) {
  if (newStyle_ && skinDataName_ == "resizetoolbutton") {
    DrawNewStyleLook(bitmap);
    return;
  }
  const bool resizable = skinDataName_ == "resizebutton" || skinDataName_ == "resizetoolbutton";
  const bool stretched = skinDataName_ == "toolbutton" || skinDataName_ == "bigtoolbutton";
  if ((resizable || stretched) && PictureOf(skinData_)) {
    DrawSplitLook(bitmap, source, active, down, stretched);
    return;
  }
  if (!(trackButtonMode_ && menuTracked_ && !IsNullRect(trackButtonRect_) && !IsNullRect(looks_.down))) {
    TskSkinSpeedButton::DrawSkinLook(bitmap, source, active, down);
    return;
  }
  // The whole button hot, its track part cut from the down look.
  TskSkinSpeedButton::DrawSkinLook(bitmap, looks_.active, true, false);
  const fw::TBitmap* picture = PictureOf(skinData_);
  if (!picture) return;
  const TRect inDown{looks_.down.left + trackButtonRect_.left, looks_.down.top + trackButtonRect_.top,
                     looks_.down.left + trackButtonRect_.right, looks_.down.top + trackButtonRect_.bottom};
  const TRect onButton = MapTrackRect(trackButtonRect_, geometry_.resizeMode, Width(), Height(),
                                      RectWidth(geometry_.skinRect), RectHeight(geometry_.skinRect));
  CopyPictureRect(bitmap, onButton.left, onButton.top, *picture, inDown);
}

void TskSkinMenuSpeedButton::DrawDefaultLook(fw::TBitmap& bitmap, TskSpeedLook) {
  fw::TBitmapCanvas canvas(bitmap);
  const int w = Width();
  const int h = Height();
  const bool hot = state_.mouseIn;
  const bool downHot = state_.down && hot;
  const TRect whole{0, 0, w, h};
  // The new style splits the button only under the mouse.
  const bool split = trackButtonMode_ && (!newStyle_ || hot);
  const TRect content = ContentRect();
  TRect track = TrackRect();
  if (!split) {
    if (downHot) {
      FillFramedRect(canvas, whole, kDefaultDownFill, kDefaultFrame);
    } else if (hot) {
      FillFramedRect(canvas, whole, kDefaultHotFill, kDefaultFrame);
    } else {
      FillFramedRect(canvas, whole, fw::clBtnFace, fw::clBtnShadow, !Flat());
    }
  } else {
    if (menuTracked_) {
      FillFramedRect(canvas, content, kDefaultHotFill, kDefaultFrame);
      FillFramedRect(canvas, track, kDefaultDownFill, kDefaultFrame);
    } else if (downHot) {
      FillFramedRect(canvas, content, kDefaultDownFill, kDefaultFrame);
      FillFramedRect(canvas, track, kDefaultDownFill, kDefaultFrame);
    } else if (hot) {
      FillFramedRect(canvas, content, kDefaultHotFill, kDefaultFrame);
      FillFramedRect(canvas, track, kDefaultHotFill, kDefaultFrame);
    } else {
      FillFramedRect(canvas, content, fw::clBtnFace, fw::clBtnShadow, !Flat());
      FillFramedRect(canvas, track, fw::clBtnFace, fw::clBtnShadow, !Flat());
    }
  }
  const fw::TColor color = Enabled() ? defaultFont_.Color() : fw::clBtnShadow;
  TskSkinSpeedButton::DrawContent(canvas, content, hot, downHot, color);
  if (state_.down || menuTracked_) {
    if (track.left == 0) {
      track.top += 2;  // a track part along the bottom
    } else {
      track = {w - 13, 2, w, h};
    }
  }
  if (ArrowGlyphMode) {
    DrawArrowImage(canvas, track, fw::clBtnText, ArrowGlyphDirection);
  } else {
    DrawDropDownImage(canvas, track, fw::clBtnText);
  }
}

void TskSkinMenuSpeedButton::DrawTransparentLook(fw::TCanvas& canvas) {
  const bool record = ButtonRecord() != nullptr;
  const TRect content = TransparentContentRect();
  TskSkinSpeedButton::DrawTransparentLook(canvas);
  TRect zone{content.right, 0, Width(), Height()};
  if (newStyle_ && trackPosition_ == TskTrackPosition::sktpBottom) zone = {0, content.bottom, Width(), Height()};
  if (record && geometry_.resizeMode != rmBoth) zone.left -= 2;
  const fw::TBitmap* picture = PictureOf(skinData_);
  if (record && picture && !IsNullRect(menuMarkerFlatRect_)) {
    fw::TBitmap cut(RectWidth(menuMarkerFlatRect_), RectHeight(menuMarkerFlatRect_));
    CopyPictureRect(cut, 0, 0, *picture, menuMarkerFlatRect_);
    DrawTransparentPicture(canvas, zone.left + (RectWidth(zone) - cut.Width()) / 2,
                           zone.top + (RectHeight(zone) - cut.Height()) / 2, cut, menuMarkerTransparentColor_);
    return;
  }
  DrawDropDownImage(canvas, zone, record ? skinData_->SkinColors().CBtnText : fw::clBtnText);
}

}  // namespace sk
