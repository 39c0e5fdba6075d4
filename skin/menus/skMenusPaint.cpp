// Painting a menu window: the background, every shown item in the skin's
// look or the plain one, and the scroll markers, composed off screen and
// copied in one step. A state change repaints only its item.
#include <algorithm>

#include "framework/GdiObjects.h"
#include "framework/ImgList.h"
#include "skin/menus/skMenus.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsGlyphs.h"
#include "skin/pixels/skUtilsPenGlyphs.h"

using fw::TBitmap;
using fw::TCanvas;
using fw::TColor;
using fw::TRect;

namespace sk {

namespace {

constexpr TColor kActiveFrame = 0x800000;  // RGB(0, 0, 128)
constexpr TColor kActiveFill = 13811126;   // RGB(182, 189, 210)

// Part of a picture as a picture of its own.
TBitmap Cut(const TBitmap& source, const TRect& r) {
  TBitmap out(std::max(r.Width(), 0), std::max(r.Height(), 0));
  if (out.Empty()) return out;
  TBitmap scratch;
  const PixelView from = SourceView(source, r, 3, scratch);
  DrawRect(ViewOf(out), {0, 0, r.Width(), r.Height()}, from, {0, 0, r.Width(), r.Height()});
  return out;
}

// A skin mark (check, radio, arrow) keyed on its bottom-left pixel, centred
// in `area` but not left of or above it.
void DrawMark(TCanvas& canvas, const TBitmap& picture, const TRect& mark, const TRect& area) {
  const TBitmap cut = Cut(picture, mark);
  if (cut.Empty()) return;
  const int x = std::max(area.left, area.left + (area.Width() - cut.Width()) / 2);
  const int y = std::max(area.top, area.top + (area.Height() - cut.Height()) / 2);
  DrawTransparentPicture(canvas, x, y, cut, cut.Pixel(0, cut.Height() - 1));
}

void DrawTriangle(TCanvas& canvas, int x, int y, TColor color) {
  // 4 wide, 7 high, pointing right.
  canvas.Pen().color = color;
  for (int i = 0; i < 4; ++i) {
    canvas.MoveTo(x + i, y + i);
    canvas.LineTo(x + i, y + 7 - i);
  }
}

void Fill(TCanvas& canvas, const TRect& r, TColor color) {
  canvas.Brush().style = fw::TBrushStyle::bsSolid;
  canvas.Brush().color = color;
  canvas.FillRect(r);
}

// Items that stand for the form's own commands show its glyphs.
bool DrawCommandGlyph(TCanvas& canvas, const std::wstring& name, int x, int y, TColor color) {
  if (name == L"SKF_CLOSE" || name == L"TRAY_SKF_CLOSE") {
    DrawCloseImage(canvas, x, y, color);
  } else if (name == L"SKF_MINITEM") {
    DrawMinimizeImage(canvas, x, y, color);
  } else if (name == L"SKF_MAXITEM") {
    DrawMaximizeImage(canvas, x, y, color);
  } else if (name == L"SKF_RESTORE" || name == L"TRAY_SKF_RESTORE") {
    DrawRestoreImage(canvas, x, y, color);
  } else if (name == L"SKF_ROLLUP") {
    DrawRollUpImage(canvas, x, y, color);
  } else if (name == L"SKF_MINTOTRAY") {
    DrawTrayImage(canvas, x, y, color);
  } else {
    return false;
  }
  return true;
}

void DrawDot(TCanvas& canvas, int x, int y, TColor color) { Fill(canvas, fw::Bounds(x, y, 6, 6), color); }

std::wstring ShortCutText(const fw::TMenuItem& item) {
  return item.ShortCut() == fw::scNone ? std::wstring() : fw::ShortCutToText(item.ShortCut());
}

// The caption left at `left`, centred vertically in `row`, the short cut
// right-aligned to `right`.
void DrawCaption(TCanvas& canvas, const fw::TMenuItem& item, const TRect& row, int left, int right) {
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  TRect r{left, 0, right, 0};
  canvas.DrawTextW(item.Caption(), r, DT_CALCRECT | DT_SINGLELINE);
  const int h = r.Height();
  r.top = row.top + (row.Height() - h) / 2;
  r.bottom = r.top + h;
  r.right += 2;
  canvas.DrawTextW(item.Caption(), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  const std::wstring shortCut = ShortCutText(item);
  if (!shortCut.empty()) {
    TRect sr{row.left, row.top, right, row.bottom};
    canvas.DrawTextW(shortCut, sr, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  }
}

}  // namespace

void TskSkinPopupWindow::PaintWhole(HDC dc) {
  const int w = Width();
  const int h = Height();
  if (w <= 0 || h <= 0) return;
  TBitmap whole(w, h);
  PaintBackground(whole, pane_.scrolling);
  {
    fw::TBitmapCanvas canvas(whole);
    for (int i = 0; i < ItemCount(); ++i) {
      const TskSkinMenuItem& item = *items_[i];
      if (!item.shown) continue;
      TBitmap bitmap;
      DrawItem(item, bitmap, item.active || item.open);
      canvas.Draw(item.rect.left, item.rect.top, bitmap);
    }
  }
  if (pane_.scrolling) {
    // The strip below the last shown item takes the items' background.
    const int last = pane_.LastShown();
    const int top = last >= 0 && last < ItemCount() ? items_[last]->rect.bottom : pane_.TopZone().bottom;
    const TRect strip{pane_.itemsRect.left, top, pane_.itemsRect.right, pane_.BottomZone().top};
    if (!strip.IsEmpty()) DrawMenuItemStrip(whole, strip);
    DrawMenuItemStrip(whole, pane_.TopZone());
    DrawMenuItemStrip(whole, pane_.BottomZone());
  }
  TCanvas target(dc);
  target.Draw(0, 0, whole);
  if (pane_.scrolling) DrawMarkers(dc);
}

void TskSkinPopupWindow::PaintBackground(TBitmap& target, bool withItems) {
  const int w = Width();
  const int h = Height();
  if (record_) {
    const TskCornerModel recordModel{record_->LeftTopPoint, record_->RightTopPoint, record_->LeftBottomPoint,
                                     record_->RightBottomPoint, record_->ItemsRect};
    const TskStretchFlags stretch{record_->LeftStretch, record_->TopStretch, record_->RightStretch,
                                  record_->BottomStretch};
    const TRect whole{0, 0, windowPicture_->Width(), windowPicture_->Height()};
    CreateSkinImage(recordModel, whole, *windowPicture_, stretch, withItems, record_->StretchEffect,
                    record_->StretchType, w, h, geometry_, target);
    if (itemRecord_ && itemRecord_->InActiveTransparent) {
      CreateSkinImage(recordModel, whole, *windowPicture_, stretch, true, record_->StretchEffect, record_->StretchType,
                      w, h, geometry_, paintBuffer_);
    }
    return;
  }
  target.SetSize(w, h);
  fw::TBitmapCanvas canvas(target);
  Fill(canvas, {0, 0, glyphColumn_ + 2, h}, fw::clBtnFace);
  Fill(canvas, {glyphColumn_ + 2, 0, w, h}, fw::clWindow);
  canvas.Brush().color = fw::clBtnShadow;
  canvas.FrameRect({0, 0, w, h});
  canvas.Brush().color = fw::clWindow;
  canvas.FrameRect({1, 1, w - 1, h - 1});
}

void TskSkinPopupWindow::DrawMenuItemStrip(TBitmap& target, const TRect& area) {
  fw::TBitmapCanvas canvas(target);
  if (!record_) {
    Fill(canvas, area, fw::clWindow);
    return;
  }
  if (itemRecord_ && itemRecord_->InActiveTransparent && !paintBuffer_.Empty()) {
    canvas.Draw(area.left, area.top, Cut(paintBuffer_, area));
    return;
  }
  const TskDataSkinMenuItem* look = skinData_->FindSkinObject<TskDataSkinMenuItem>("menuitem");
  if (!look) look = skinData_->FindSkinObject<TskDataSkinMenuItem>("MENUITEM");
  const TBitmap* picture = look ? skinData_->ActivePicture(look->ActivePictureIndex) : nullptr;
  if (!picture || look->SkinRect.IsEmpty()) return;
  TBitmap strip;
  CreateHSkinImage(look->ItemLeftOffset, look->ItemRightOffset, strip, look->InActiveStretchEffect, area.Width(),
                   look->SkinRect, *picture);
  // Stretched to the zone's height: markers are lower than items.
  canvas.StretchDraw(area, strip);
}

void TskSkinPopupWindow::DrawMarkers(HDC dc) {
  TCanvas canvas(dc);
  const int w = Width();
  const int h = Height();
  const TRect top = record_ ? pane_.TopZone() : TRect{3, 3, w - 3, 13};
  const TRect bottom = record_ ? pane_.BottomZone() : TRect{3, h - 10, w - 3, h - 3};
  auto colour = [&](bool on) {
    if (record_) return on ? record_->ScrollMarkerActiveColor : record_->ScrollMarkerColor;
    return on ? fw::clBtnText : fw::clBtnShadow;
  };
  DrawArrowImage(canvas, top, colour(scrollCode_ == 1), adUp);
  DrawArrowImage(canvas, bottom, colour(scrollCode_ == 2), adDown);
}

void TskSkinPopupWindow::PaintItem(int index, HDC dc) {
  if (!HandleAllocated() || Closed()) return;
  const TskSkinMenuItem& item = *items_[index];
  if (!item.shown) return;
  TBitmap bitmap;
  DrawItem(item, bitmap, item.active || item.open);
  if (dc) {
    TCanvas(dc).Draw(item.rect.left, item.rect.top, bitmap);
    return;
  }
  fw::WindowDC windowDC(HandleIfAllocated(), fw::WindowDC::Client);
  TCanvas(windowDC.Get()).Draw(item.rect.left, item.rect.top, bitmap);
}

void TskSkinPopupWindow::DrawItem(const TskSkinMenuItem& item, TBitmap& bitmap, bool active) {
  const int w = item.rect.Width();
  const int h = item.rect.Height();
  if (!itemRecord_ || !item.Picture()) {
    bitmap.SetSize(w, h);
    fw::TBitmapCanvas canvas(bitmap);
    SetCanvasFont(canvas);
    DrawDefaultItem(item, canvas, w, h);
    return;
  }
  if (item.Morphing() && !item.IsLine() && (active || item.morphFactor > 0) &&
      !(item.active && item.morphFactor >= 1)) {
    TBitmap normal, hot;
    DrawSkinItem(item, normal, false);
    DrawSkinItem(item, hot, true);
    TskEffectBmp from(normal);
    from.Morph(itemRecord_->MorphKind, TskEffectBmp(hot), item.morphFactor);
    bitmap = from.Bitmap();
    return;
  }
  DrawSkinItem(item, bitmap, item.Morphing() ? item.active && item.morphFactor >= 1 : active);
}

void TskSkinPopupWindow::DrawDefaultItem(const TskSkinMenuItem& item, TCanvas& canvas, int w, int h) {
  const fw::TMenuItem& menuItem = *item.MenuItem();
  const int g = glyphColumn_;
  const bool hot = (item.active || item.open) && !item.IsLine();
  TColor text = fw::clWindowText;
  if (hot) {
    Fill(canvas, {0, 0, w, h}, kActiveFill);
    canvas.Brush().color = kActiveFrame;
    canvas.FrameRect({0, 0, w, h});
  } else {
    Fill(canvas, {0, 0, g, h}, fw::clBtnFace);
    Fill(canvas, {g, 0, w, h}, fw::clWindow);
    if (!item.Enabled()) text = fw::clBtnShadow;
  }
  if (item.IsLine()) {
    canvas.Pen().color = fw::clBtnShadow;
    canvas.MoveTo(g, h / 2);
    canvas.LineTo(w, h / 2);
    return;
  }
  if (item.IsHeader()) {
    Fill(canvas, {0, 0, w, h}, fw::clBtnShadow);
    canvas.Brush().style = fw::TBrushStyle::bsClear;
    canvas.Font().SetColor(fw::clBtnHighlight);
    TRect r{0, 0, w, h};
    const std::wstring& c = menuItem.Caption();
    canvas.DrawTextW(c.substr(1, c.size() - 2), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    return;
  }
  const TRect r{2, 2, w - 2, h - 2};
  canvas.Font().SetColor(text);
  DrawCaption(canvas, menuItem, r, r.left + g, r.right - 19);
  const int cy = r.top + r.Height() / 2;
  if (item.HasSubItems()) DrawTriangle(canvas, r.right - 7, cy - 4, text);
  DrawItemImage(item, canvas, r, item.active, text);
}

void TskSkinPopupWindow::DrawItemImage(const TskSkinMenuItem& item, TCanvas& canvas, const TRect& t, bool active,
                                       TColor color) {
  const fw::TMenuItem& menuItem = *item.MenuItem();
  const bool skin = itemRecord_ && item.Picture();
  const TRect imageRect = skin ? itemRecord_->ImageRect : TRect{};
  const int cy = t.top + t.Height() / 2;
  if (images_ && menuItem.ImageIndex() >= 0 && menuItem.ImageIndex() < images_->Count()) {
    const int iw = images_->Width();
    const int ih = images_->Height();
    int x = t.left + 2;
    int y = t.top + (t.Height() - ih) / 2;
    if (!imageRect.IsEmpty()) {
      x = imageRect.left + (imageRect.Width() - iw) / 2;
      y = imageRect.top + (imageRect.Height() - ih) / 2;
    }
    images_->Draw(canvas, x, y, menuItem.ImageIndex(), menuItem.Enabled());
    if (menuItem.Checked()) {
      canvas.Brush().color = color;
      canvas.FrameRect({x - 1, y - 1, x + iw + 1, y + ih + 1});
    }
    return;
  }
  const int gx = imageRect.IsEmpty() ? t.left + 2 : imageRect.left + imageRect.Width() / 2 - 4;
  if (DrawCommandGlyph(canvas, menuItem.Name(), gx, cy - 4, color)) return;
  if (!menuItem.Checked()) return;
  if (skin) {
    const TRect mark = menuItem.RadioItem()
                           ? (active ? itemRecord_->ActiveRadioImageRect : itemRecord_->RadioImageRect)
                           : (active ? itemRecord_->ActiveCheckImageRect : itemRecord_->CheckImageRect);
    if (!mark.IsEmpty()) {
      const TRect area =
          imageRect.IsEmpty() ? TRect{t.left + 2, t.top, t.left + 16, std::max(imageRect.bottom, t.bottom)} : imageRect;
      DrawMark(canvas, *item.Picture(), mark, area);
      return;
    }
  }
  if (menuItem.RadioItem()) {
    DrawDot(canvas, t.left + 3, cy - 3 + (skin ? 1 : 0), color);
  } else {
    DrawCheckImage(canvas, t.left + 3, cy - 4, color);
  }
}

void TskSkinPopupWindow::DrawSkinItem(const TskSkinMenuItem& item, TBitmap& bitmap, bool active) {
  const TskDataSkinMenuItem& rec = *itemRecord_;
  const TBitmap& picture = *item.Picture();
  const fw::TMenuItem& menuItem = *item.MenuItem();
  const int w = item.rect.Width();
  if (item.IsLine()) {
    CreateHSkinImage(rec.DividerLeftOffset, rec.DividerRightOffset, bitmap, rec.DividerStretchEffect, w,
                     rec.DividerRect, picture);
    return;
  }
  TRect source = active ? item.ActiveSkinRect() : item.SkinRect();
  bool stretch = active ? rec.StretchEffect : rec.InActiveStretchEffect;
  if (item.Animated() && item.frame > 0 && item.frame <= rec.FrameCount) {
    const TRect& a = rec.AnimateSkinRect;
    const bool vertical = a.Height() > item.SkinRect().Height();
    const int k = item.frame - 1;
    if (vertical) {
      const int fh = a.Height() / rec.FrameCount;
      source = {a.left, a.top + k * fh, a.right, a.top + (k + 1) * fh};
    } else {
      const int fw_ = a.Width() / rec.FrameCount;
      source = {a.left + k * fw_, a.top, a.left + (k + 1) * fw_, a.bottom};
    }
    if (!rec.InActiveStretchEffect) stretch = rec.StretchEffect;
  }
  if (!active && rec.InActiveTransparent && !paintBuffer_.Empty()) {
    bitmap = Cut(paintBuffer_, item.rect);
  } else {
    CreateHSkinImage(rec.ItemLeftOffset, rec.ItemRightOffset, bitmap, stretch, w, source, picture);
  }
  if (bitmap.Width() != w || bitmap.Height() != item.rect.Height()) {
    // A source of another height still fills the row.
    TBitmap fitted(w, item.rect.Height());
    fw::TBitmapCanvas(fitted).StretchDraw({0, 0, w, item.rect.Height()}, bitmap);
    bitmap = std::move(fitted);
  }
  fw::TBitmapCanvas canvas(bitmap);
  SetCanvasFont(canvas);
  TRect t = rec.TextRect;
  t.right += w - item.SkinRect().Width();
  const int g = !rec.ImageRect.IsEmpty() ? 0 : images_ ? images_->Width() : 16;
  TColor color = active ? rec.ActiveFontColor : menuItem.Enabled() ? rec.FontColor : rec.UnEnabledFontColor;

  if (item.IsHeader()) {
    const auto* header = skinData_->FindSkinControl<TskDataSkinLabelControl>("menuheader");
    if (!header) header = skinData_->FindSkinControl<TskDataSkinLabelControl>("label");
    const TBitmap* headerPicture = header ? skinData_->ActivePicture(header->PictureIndex) : nullptr;
    if (header && headerPicture && !header->SkinRect.IsEmpty()) {
      TBitmap strip;
      CreateHSkinImage(header->LeftTopPoint.x, header->SkinRect.Width() - header->RightTopPoint.x, strip,
                       header->StretchEffect, w, header->SkinRect, *headerPicture);
      const int y = (bitmap.Height() - strip.Height()) / 2;
      {
        fw::TBitmapCanvas stripCanvas(strip);
        AssignSkinFont(stripCanvas.Font(), true, header->FontName, header->FontHeight, header->FontStyle,
                       menu_->DefaultItemFont(), skinData_);
        stripCanvas.Font().SetColor(header->FontColor);
        stripCanvas.Brush().style = fw::TBrushStyle::bsClear;
        TRect r = header->ClientRect;
        r.right += w - header->SkinRect.Width();
        const std::wstring& c = menuItem.Caption();
        stripCanvas.DrawTextW(c.substr(1, c.size() - 2), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      }
      canvas.Draw(0, y, strip);
    }
    return;
  }

  canvas.Font().SetColor(color);
  DrawCaption(canvas, menuItem, t, t.left + g, t.right - 16);
  if (item.HasSubItems()) {
    const TRect arrow = active ? rec.ActiveArrowImageRect : rec.ArrowImageRect;
    if (rec.ArrowImageRect.IsEmpty()) {
      DrawTriangle(canvas, t.right - 7, t.top + t.Height() / 2 - 4, color);
    } else {
      DrawMark(canvas, picture, arrow, {t.right - arrow.Width() - 5, t.top, t.right, t.bottom});
    }
  }
  if (rec.UseImageColor) color = active ? rec.ActiveImageColor : rec.ImageColor;
  DrawItemImage(item, canvas, t, active, color);
}

}  // namespace sk
