// Painting: the skinned frame with its caption objects and caption text,
// the built-in look without a skin, single objects on hover, the client
// background, and the frame painted into a caller's DC.
#include <algorithm>
#include <array>

#include "framework/Canvas.h"
#include "framework/GdiObjects.h"
#include "framework/Utf.h"
#include "skin/data/skSkinData.h"
#include "skin/form/skFormDefaultLook.h"
#include "skin/form/skFormObjectLook.h"
#include "skin/form/skFormStrips.h"
#include "skin/form/skSkinForm.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsImages.h"
#include "skin/pixels/skUtilsPenGlyphs.h"
#include "skin/pixels/skUtilsRects.h"
#include "skin/pixels/skUtilsText.h"

namespace sk {

namespace {

using fw::TBitmap;
using fw::TRect;

void CopyLook(TBitmap& target, const TRect& to, const TBitmap& picture, const TRect& from) {
  TBitmap scratch;
  const PixelView src = SourceView(picture, {0, 0, picture.Width(), picture.Height()}, 3, scratch);
  DrawRect(ViewOf(target), to, src, from);
}

// An object's look in a bitmap of its size; empty when there is nothing to
// copy (the frame picture shows it, or the skin lacks the picture).
TBitmap ObjectImage(const TskSkinData& skin, const TskCaptionObjectLayout& o, const TskObjectState& s, bool active,
                    bool drawNormal) {
  const int w = RectWidth(o.rect), h = RectHeight(o.rect);
  if (!o.visible || o.recordIndex < 0 || w <= 0 || h <= 0) return {};
  if (o.kind == TskObjectKind::Caption || o.kind == TskObjectKind::User) return {};
  const TskDataSkinObject& record = *skin.ObjectList(o.recordIndex);
  const TskObjectLook look = ObjectLookOf(record, s, active, drawNormal);
  if (look.kind == TskObjectLook::Nothing) return {};
  const TBitmap* own = skin.ActivePicture(record.ActivePictureIndex);
  const TBitmap* normal = look.fromFramePicture ? &skin.Picture() : own;
  if (!normal || normal->Empty()) return {};
  TBitmap image(w, h);
  CopyLook(image, {0, 0, w, h}, *normal, look.rect);
  if (look.kind == TskObjectLook::Morph && own) {
    TBitmap target(w, h);
    CopyLook(target, {0, 0, w, h}, *own, look.activeRect);
    TskEffectBmp from(image);
    from.Morph(record.MorphKind, TskEffectBmp(target), look.factor);
    return from.Bitmap();
  }
  return image;
}

void ApplyInactiveLook(const TskFrameSkin& frame, bool active, TBitmap& bitmap) {
  if (active || !frame.info.AutoRenderingInActiveImage || bitmap.Empty()) return;
  TskEffectBmp effect(bitmap);
  effect.ApplyInactiveEffect(frame.info.InActiveEffect);
  bitmap = effect.Bitmap();
}

// The caption text in the caption record's font and colours, with its
// light and shadow, inside the object placed at `place` of the target.
void DrawCaptionText(TBitmap& target, const TRect& place, const TskDataSkinCaption& c, bool activeLook,
                     std::wstring text) {
  if (text.empty() || IsNullRect(c.TextRect)) return;
  TRect tr = c.TextRect;
  tr.right = RectWidth(place) + tr.right - RectWidth(c.SkinRect);
  if (!IsNullRect(c.FrameRect)) {
    tr.left += c.FrameTextRect.left;
    tr.top += c.FrameTextRect.top;
    tr.right += c.FrameTextRect.right - RectWidth(c.FrameRect);
  }
  if (RectWidth(tr) <= 0) return;
  fw::TBitmapCanvas canvas(target);
  canvas.Font().SetName(fw::Utf8ToWide(c.FontName));
  canvas.Font().SetHeight(c.FontHeight);
  canvas.Font().SetStyle(c.FontStyle);
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  CorrectTextToWidth(canvas, text, RectWidth(tr));
  const int tw = SkinTextWidth(canvas, text), th = SkinTextHeight(canvas, text);
  const int top = tr.top + RectHeight(tr) / 2 - th / 2;
  int left = tr.right - tw;
  if (c.Alignment == taLeftJustify) left = tr.left;
  if (c.Alignment == taCenter) left = tr.left + RectWidth(tr) / 2 - tw / 2;
  left += place.left;
  const auto draw = [&](int x, int y, fw::TColor color) {
    canvas.Font().SetColor(color);
    TRect r{x, y + place.top, x + tw, y + place.top + th};
    DrawSkinText(canvas, text, r, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP | DT_NOCLIP);
  };
  if (c.Light) draw(left - 1, top - 1, activeLook ? c.ActiveLightColor : c.LightColor);
  if (c.Shadow) draw(left + 1, top + 1, activeLook ? c.ActiveShadowColor : c.ShadowColor);
  draw(left, top, activeLook ? c.ActiveFontColor : c.FontColor);
}

// The caption's background image of the object's size from `from` of its
// active picture: the parts under the frame's fixed corners stay fixed,
// the rest is tiled (stretched with the stretch effect).
TBitmap CaptionBackground(const TskSkinData& skin, const TskFrameSkin& frame, const TskDataSkinCaption& c,
                          const TRect& from, int w, int h) {
  const TBitmap* picture = skin.ActivePicture(c.ActivePictureIndex);
  if (!picture || w <= 0 || h <= 0) return {};
  const int left = std::max(0, frame.info.LeftTopPoint.x - c.SkinRect.left);
  const int right = std::max(0, c.SkinRect.right - frame.info.RightTopPoint.x);
  TBitmap image(w, h);
  if (left > 0 || right > 0) {
    TBitmap row;
    CreateHSkinImage(left, right, row, c.StretchEffect, w, from, *picture);
    CopyLook(image, {0, 0, w, h}, row, {0, 0, row.Width(), row.Height()});
  } else {
    CopyLook(image, {0, 0, w, h}, *picture, from);
  }
  return image;
}

void PutBitmap(HDC dc, int x, int y, const TBitmap& bitmap) {
  if (!bitmap.Empty()) fw::DrawBitmap(dc, {x, y, x + bitmap.Width(), y + bitmap.Height()}, bitmap);
}

}  // namespace

void TskSkinForm::PaintNC(HDC dc) {
  if (!dc) return;
  // A failed paint leaves the built-in frame rather than an exception in
  // the middle of the system's painting.
  try {
    if (skinInUse_) {
      PaintNCSkin(dc);
    } else {
      PaintNCDefault(dc);
    }
  } catch (...) {
    try {
      PaintNCDefault(dc);
    } catch (...) {
    }
  }
}

void TskSkinForm::PaintNCSkin(HDC dc) {
  RECT wr;
  GetWindowRect(Wnd(), &wr);
  if (rects_.width != wr.right - wr.left || rects_.height != wr.bottom - wr.top) {
    TakeFrameSize();
    UpdateSkin();
  }
  const TskSkinData& skin = *skinData_;
  const bool active = GetActive();
  const TBitmap& source = active || !frame_.hasInactivePicture ? skin.Picture() : skin.InactivePicture();
  const TskFramePlan plan = PlanFrameStrips(frame_, rects_);
  std::array<TBitmap, 4> strips;  // top, bottom, left, right
  RenderStrip(plan.top, source, strips[0]);
  RenderStrip(plan.bottom, source, strips[1]);
  RenderStrip(plan.left, source, strips[2]);
  RenderStrip(plan.right, source, strips[3]);
  const std::wstring caption = form_->Caption();
  for (size_t i = 0; i < objects_.size(); ++i) {
    const TskCaptionObjectLayout& o = objects_[i];
    const TskObjectInStrip place = ObjectStripPlace(o.rect, rects_);
    TBitmap& band = strips[place.side == TskStripSide::Top ? 0 : 1];
    if (band.Empty() || !o.visible) continue;
    if (o.kind == TskObjectKind::Caption && o.recordIndex >= 0) {
      if (const auto* c = dynamic_cast<const TskDataSkinCaption*>(skin.ObjectList(o.recordIndex))) {
        const TskCaptionLook look =
            CaptionLookOf(*c, tracker_.State(static_cast<int>(i)), skin.ActivePicture(c->ActivePictureIndex),
                          frame_.info.AutoRenderingInActiveImage && !active);
        TBitmap image;
        if (look.kind == TskCaptionLook::Image) {
          image = CaptionBackground(skin, frame_, *c, look.background, RectWidth(o.rect), RectHeight(o.rect));
        }
        if (image.Empty()) {
          DrawCaptionText(band, place.rect, *c, look.textActive, caption);
        } else {
          DrawCaptionText(image, {0, 0, image.Width(), image.Height()}, *c, look.textActive, caption);
          if (look.inactiveEffect) ApplyInactiveLook(frame_, false, image);
          CopyLook(band, place.rect, image, {0, 0, image.Width(), image.Height()});
        }
      }
      continue;
    }
    const TBitmap image = ObjectImage(skin, o, tracker_.State(static_cast<int>(i)), active, false);
    if (!image.Empty()) CopyLook(band, place.rect, image, {0, 0, image.Width(), image.Height()});
  }
  const std::array<const TskStripPlan*, 4> plans = {&plan.top, &plan.bottom, &plan.left, &plan.right};
  for (size_t k = 0; k < strips.size(); ++k) {
    if (!plans[k]->Built()) continue;
    ApplyInactiveLook(frame_, active, strips[k]);
    PutBitmap(dc, plans[k]->at.x, plans[k]->at.y, strips[k]);
  }
}

void TskSkinForm::PaintNCDefault(HDC dc) {
  RECT wr;
  GetWindowRect(Wnd(), &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  defaultCaption_ = ArrangeDefaultButtons(objects_, w, false);
  const TskDefaultLook look = PlanDefaultLook(w, h, false, defaultCaption_);
  fw::SavedDC saved(dc);
  ExcludeClipRect(dc, look.client.left, look.client.top, look.client.right, look.client.bottom);
  fw::TCanvas canvas(dc);
  RECT outer{look.rings[0].left, look.rings[0].top, look.rings[0].right, look.rings[0].bottom};
  DrawEdge(dc, &outer, EDGE_RAISED, BF_RECT);
  canvas.Brush().color = fw::clBtnFace;
  canvas.FrameRect(look.rings[2]);
  if (IsNullRect(look.captionBitmap) || RectWidth(look.captionBitmap) <= 0 || RectHeight(look.captionBitmap) <= 0) {
    return;  // too small a window for a caption
  }
  TBitmap bar(RectWidth(look.captionBitmap), RectHeight(look.captionBitmap));
  {
    fw::TBitmapCanvas c(bar);
    c.Brush().color = fw::clBtnFace;
    c.FillRect({0, 0, bar.Width(), bar.Height()});
    for (int row = look.firstStripeRow; row <= look.lastStripeRow; ++row) {
      c.Brush().color = (row - look.firstStripeRow) % 2 == 0 ? fw::clBtnHighlight : fw::clBtnShadow;
      c.FillRect({look.stripeLeft, row, look.stripeRight, row + 1});
    }
    const bool active = GetActive();
    const std::wstring caption = form_->Caption();
    c.Font().SetName(L"Arial");
    c.Font().SetHeight(14);
    c.Font().SetStyle(fw::fsBold);
    c.Font().SetColor(active ? fw::clBtnText : fw::clBtnShadow);
    c.Brush().style = fw::TBrushStyle::bsClear;
    std::wstring text = caption;
    CorrectTextToWidth(c, text, DefaultCaptionTextWidth(defaultCaption_));
    const fw::TPoint at =
        DefaultCaptionTextPosition(defaultCaption_, false, SkinTextWidth(c, text), SkinTextHeight(c, text));
    c.TextOut(at.x, at.y, text);
    for (size_t i = 0; i < objects_.size(); ++i) {
      const TskCaptionObjectLayout& o = objects_[i];
      if (!o.visible || o.kind == TskObjectKind::Caption) continue;
      const TskObjectState& s = tracker_.State(static_cast<int>(i));
      const TRect r{o.rect.left - look.captionBitmap.left, o.rect.top - look.captionBitmap.top,
                    o.rect.right - look.captionBitmap.left, o.rect.bottom - look.captionBitmap.top};
      c.Brush().style = fw::TBrushStyle::bsSolid;
      if (s.hovered) {
        c.Brush().color = s.pressed ? fw::RGBColor(133, 147, 181) : fw::RGBColor(182, 189, 210);
        c.FillRect(r);
        c.Brush().color = fw::RGBColor(0, 0, 128);
        c.FrameRect(r);
      }
      const bool down = s.pressed && s.hovered;
      const int gx = r.left + RectWidth(r) / 2 - (down ? 4 : 5), gy = r.top + RectHeight(r) / 2 - (down ? 3 : 4);
      const fw::TColor glyph = o.enabled ? fw::clBtnText : fw::clBtnShadow;
      switch (o.command) {
        case cmClose: DrawCloseImage(c, gx, gy, glyph); break;
        case cmMaximize: DrawMaximizeImage(c, gx, gy, glyph); break;
        case cmMinimize: DrawMinimizeImage(c, gx, gy, glyph); break;
        case cmRollUp: DrawRollUpImage(c, gx, gy, glyph); break;
        case cmSysMenu: DrawSysMenuImage(c, gx, gy, glyph); break;
        case cmMinimizeToTray: DrawTrayImage(c, gx, gy, glyph); break;
        case cmDefault: break;
      }
    }
  }
  PutBitmap(dc, look.captionBitmap.left, look.captionBitmap.top, bar);
}

void TskSkinForm::DrawObjectNow(int index) {
  const TskCaptionObjectLayout& o = objects_.at(static_cast<size_t>(index));
  if (!skinInUse_ || o.kind == TskObjectKind::Caption) {
    RepaintFrame();
    return;
  }
  const TBitmap image = ObjectImage(*skinData_, o, tracker_.State(index), GetActive(), true);
  if (image.Empty() || !Wnd()) return;
  TBitmap shown = image;
  ApplyInactiveLook(frame_, GetActive(), shown);
  fw::WindowDC dc(Wnd());
  PutBitmap(dc.Get(), o.rect.left, o.rect.top, shown);
}

void TskSkinForm::RepaintFrame() {
  if (Wnd() && IsWindowVisible(Wnd())) SendMessageW(Wnd(), WM_NCPAINT, 1, 0);
}

void TskSkinForm::PaintClientBackground(HDC dc) {
  RECT cr;
  if (!dc || !Wnd() || !GetClientRect(Wnd(), &cr)) return;
  fw::TCanvas canvas(dc);
  canvas.Brush().color = form_->Color();
  if (!skinInUse_) {
    canvas.FillRect({0, 0, cr.right, cr.bottom});
    PaintLogo(dc, cr.right, cr.bottom);
    return;
  }
  const int index = frame_.info.BGPictureIndex;
  const TBitmap* own = skinData_->ActivePicture(index);
  TskBackgroundInput in;
  in.clientWidth = cr.right;
  in.clientHeight = cr.bottom;
  in.frameWidth = rects_.width;
  in.frameHeight = rects_.height;
  in.skinLoaded = true;
  in.pictureIndex = index;
  in.pictureWidth = own ? own->Width() : 0;
  in.pictureHeight = own ? own->Height() : 0;
  const TskBackgroundPlan plan = PlanClientBackground(frame_, in);
  if (plan.kind == TskBackgroundPlan::None) return;
  if (plan.kind == TskBackgroundPlan::Fill) {
    const fw::TColor face = skinData_->SkinColors().CBtnFace;
    canvas.Brush().color = face;
    canvas.FillRect({0, 0, cr.right, cr.bottom});
    return;
  }
  const TBitmap& source = plan.pictureIndex >= 0 && own ? *own : skinData_->Picture();
  TBitmap background(cr.right, cr.bottom);
  TBitmap scratch;
  const PixelView src = SourceView(source, {0, 0, source.Width(), source.Height()}, 3, scratch);
  BlitSpans(ViewOf(background), src, plan.x, plan.y);
  PutBitmap(dc, 0, 0, background);
  PaintLogo(dc, cr.right, cr.bottom);
}

intptr_t TskSkinForm::PaintFrameToDC(unsigned message, WPARAM wParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  // The caller's clip and selections are left as they were.
  fw::SavedDC saved(dc);
  try {
    if (skinInUse_) {
      PaintNCSkin(dc);
    } else {
      PaintNCDefault(dc);
    }
  } catch (...) {
    return 0;
  }
  return message == wm::PaintFrameToDCEx ? wm::PaintFrameToDCExKey : wm::PaintedAnswer;
}

}  // namespace sk
