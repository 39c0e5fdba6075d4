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

// Windows paint one at a time: they share one surface and one item
// picture, so a menu that opens again at its size allocates nothing.
TBitmap& PaintSurface() {
  static TBitmap surface;
  return surface;
}

// Pixels of a 24- or 32-bit picture filled with a colour, clipped.
void FillPixels(TBitmap& target, TRect r, TColor color) {
  r = {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, target.Width()), std::min(r.bottom, target.Height())};
  if (r.IsEmpty()) return;
  const COLORREF c = fw::ColorToRGB(color);
  const uint8_t b = GetBValue(c), g = GetGValue(c), red = GetRValue(c);
  const int bpp = BytesPerPixelOf(target);
  for (int y = r.top; y < r.bottom; ++y) {
    uint8_t* p = target.ScanLine(y) + r.left * bpp;
    for (int x = r.left; x < r.right; ++x, p += bpp) {
      p[0] = b;
      p[1] = g;
      p[2] = red;
    }
  }
}

void FramePixels(TBitmap& target, const TRect& r, TColor color) {
  FillPixels(target, {r.left, r.top, r.right, r.top + 1}, color);
  FillPixels(target, {r.left, r.bottom - 1, r.right, r.bottom}, color);
  FillPixels(target, {r.left, r.top, r.left + 1, r.bottom}, color);
  FillPixels(target, {r.right - 1, r.top, r.right, r.bottom}, color);
}

// A 32-bit image with straight alpha over the picture at (x, y), clipped.
void BlendPixels(TBitmap& target, int x, int y, const TBitmap& image) {
  const int bpp = BytesPerPixelOf(target);
  for (int row = 0; row < image.Height(); ++row) {
    const int ty = y + row;
    if (ty < 0 || ty >= target.Height()) continue;
    const uint8_t* s = image.ScanLine(row);
    uint8_t* d = target.ScanLine(ty);
    for (int col = 0; col < image.Width(); ++col) {
      const int tx = x + col;
      const uint8_t* sp = s + col * 4;
      const unsigned a = sp[3];
      if (tx < 0 || tx >= target.Width() || a == 0) continue;
      uint8_t* dp = d + tx * bpp;
      for (int k = 0; k < 3; ++k) dp[k] = static_cast<uint8_t>((sp[k] * a + dp[k] * (255 - a) + 127) / 255);
    }
  }
}

// An item's own picture over the pixels at (x, y), clipped: with its alpha
// when it has one, else keyed on its bottom-left pixel as classic menu
// pictures are.
void DrawOwnPicture(TBitmap& target, int x, int y, const TBitmap& picture) {
  if (picture.PixelFormat() == fw::TPixelFormat::pf32bit) {
    for (int row = 0; row < picture.Height(); ++row) {
      const uint8_t* s = picture.ScanLine(row);
      for (int col = 0; col < picture.Width(); ++col) {
        if (s[col * 4 + 3] != 0) {
          BlendPixels(target, x, y, picture);
          return;
        }
      }
    }
  }
  const TColor key = picture.Pixel(0, picture.Height() - 1);
  const int bpp = BytesPerPixelOf(target);
  for (int row = 0; row < picture.Height(); ++row) {
    const int ty = y + row;
    if (ty < 0 || ty >= target.Height()) continue;
    uint8_t* d = target.ScanLine(ty);
    for (int col = 0; col < picture.Width(); ++col) {
      const int tx = x + col;
      const TColor c = picture.Pixel(col, row);
      if (tx < 0 || tx >= target.Width() || c == key) continue;
      uint8_t* dp = d + tx * bpp;
      dp[0] = static_cast<uint8_t>(c >> 16);
      dp[1] = static_cast<uint8_t>(c >> 8);
      dp[2] = static_cast<uint8_t>(c);
    }
  }
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

// The caption from `left`, centred vertically in `row` (in a box of its own
// width and 2 more, centred: one pixel in), the short cut right-aligned to
// `right`. Not clipped: a long caption runs on as a measured box would.
void DrawCaption(TCanvas& canvas, const fw::TMenuItem& item, const TRect& row, int left, int right) {
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  TRect r{left + 1, row.top, std::max(right, left + 1), row.bottom};
  canvas.DrawTextW(item.Caption(), r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
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
  TBitmap& whole = PaintSurface();
  // Drawing of the last paint lands before the pixels are written.
  GdiFlush();
  PaintBackground(whole, pane_.scrolling);
  // Backgrounds and images first, straight into the pixels ...
  for (const auto& item : items_) {
    if (!item->shown) continue;
    const bool active = item->active || item->open;
    if (item->Morphing() && !item->IsLine()) {
      TBitmap bitmap;
      DrawItem(*item, bitmap, active);
      DrawRect(ViewOf(whole), item->rect, ViewOf(bitmap), {0, 0, bitmap.Width(), bitmap.Height()});
      continue;
    }
    DrawItemBack(*item, whole, {item->rect.left, item->rect.top}, active);
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
  {
    // ... then every text and mark through one canvas.
    fw::TBitmapCanvas canvas(whole);
    SetCanvasFont(canvas);
    for (const auto& item : items_) {
      if (!item->shown || (item->Morphing() && !item->IsLine())) continue;
      SetViewportOrgEx(canvas.Handle(), item->rect.left, item->rect.top, nullptr);
      DrawItemFront(*item, canvas, item->active || item->open);
    }
    SetViewportOrgEx(canvas.Handle(), 0, 0, nullptr);
  }
  TCanvas target(dc);
  target.Draw(0, 0, whole);
  if (pane_.scrolling) DrawMarkers(dc);
}

void TskSkinPopupWindow::PaintBackground(TBitmap& target, bool withItems) {
  const int w = Width();
  const int h = Height();
  if (record_) {
    DrawPopupBackground(*record_, *windowPicture_, withItems, w, h, geometry_, target);
    if (itemRecord_ && itemRecord_->InActiveTransparent) {
      DrawPopupBackground(*record_, *windowPicture_, true, w, h, geometry_, paintBuffer_);
    }
    return;
  }
  PrepareTarget(target, w, h);
  FillPixels(target, {0, 0, glyphColumn_ + 2, h}, fw::clBtnFace);
  FillPixels(target, {glyphColumn_ + 2, 0, w, h}, fw::clWindow);
  FramePixels(target, {0, 0, w, h}, fw::clBtnShadow);
  FramePixels(target, {1, 1, w - 1, h - 1}, fw::clWindow);
}

void TskSkinPopupWindow::DrawMenuItemStrip(TBitmap& target, const TRect& area) {
  if (!record_) {
    FillPixels(target, area, fw::clWindow);
    return;
  }
  if (itemRecord_ && itemRecord_->InActiveTransparent && !paintBuffer_.Empty()) {
    DrawRect(ViewOf(target), area, ViewOf(paintBuffer_), area);
    return;
  }
  const TskDataSkinMenuItem* look = MenuItemLook(*skinData_);
  const TBitmap* picture = look ? skinData_->ActivePicture(look->ActivePictureIndex) : nullptr;
  if (!picture || look->SkinRect.IsEmpty()) return;
  CreateHSkinImage(look->ItemLeftOffset, look->ItemRightOffset, scratch_, look->InActiveStretchEffect, area.Width(),
                   look->SkinRect, *picture);
  // Stretched to the zone's height: markers are lower than items.
  DrawRect(ViewOf(target), area, ViewOf(scratch_), {0, 0, scratch_.Width(), scratch_.Height()});
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
  if (item.Morphing() && !item.IsLine() && (active || item.morphFactor > 0) &&
      !(item.active && item.morphFactor >= 1)) {
    TBitmap normal, hot;
    DrawItem(item, normal, false);
    DrawItem(item, hot, true);
    TskEffectBmp from(normal);
    from.Morph(itemRecord_->MorphKind, TskEffectBmp(hot), item.morphFactor);
    bitmap = from.Bitmap();
    return;
  }
  if (item.Morphing()) active = item.active && item.morphFactor >= 1;
  PrepareTarget(bitmap, w, h);
  DrawItemBack(item, bitmap, {0, 0}, active);
  fw::TBitmapCanvas canvas(bitmap);
  SetCanvasFont(canvas);
  DrawItemFront(item, canvas, active);
}

TRect TskSkinPopupWindow::TextArea(const TskSkinMenuItem& item) const {
  const int w = item.rect.Width();
  const int h = item.rect.Height();
  if (!itemRecord_ || !item.Picture()) return {2, 2, w - 2, h - 2};
  TRect t = itemRecord_->TextRect;
  t.right += w - item.SkinRect().Width();
  return t;
}

bool TskSkinPopupWindow::ImagePlace(const TskSkinMenuItem& item, const TRect& t, TRect& place) const {
  const fw::TMenuItem& menuItem = *item.MenuItem();
  int w = 0, h = 0;
  if (!menuItem.Bitmap().Empty()) {
    w = menuItem.Bitmap().Width();
    h = menuItem.Bitmap().Height();
  } else if (images_ && menuItem.ImageIndex() >= 0 && menuItem.ImageIndex() < images_->Count()) {
    w = images_->Width();
    h = images_->Height();
  } else {
    return false;
  }
  const TRect imageRect = itemRecord_ && item.Picture() ? itemRecord_->ImageRect : TRect{};
  if (!imageRect.IsEmpty()) {
    place =
        fw::Bounds(imageRect.left + (imageRect.Width() - w) / 2, imageRect.top + (imageRect.Height() - h) / 2, w, h);
  } else {
    place = fw::Bounds(t.left + 2, t.top + (t.Height() - h) / 2, w, h);
  }
  return true;
}

void TskSkinPopupWindow::DrawItemBack(const TskSkinMenuItem& item, TBitmap& target, TPoint at, bool active) {
  const int w = item.rect.Width();
  const int h = item.rect.Height();
  const TRect place = fw::Bounds(at.x, at.y, w, h);
  if (!itemRecord_ || !item.Picture()) {
    const int g = glyphColumn_;
    if (item.IsHeader()) {
      FillPixels(target, place, fw::clBtnShadow);
      return;
    }
    if (active && !item.IsLine()) {
      FillPixels(target, place, kActiveFill);
      FramePixels(target, place, kActiveFrame);
    } else {
      FillPixels(target, {at.x, at.y, at.x + g, at.y + h}, fw::clBtnFace);
      FillPixels(target, {at.x + g, at.y, at.x + w, at.y + h}, fw::clWindow);
    }
  } else {
    const TskDataSkinMenuItem& rec = *itemRecord_;
    const TBitmap& picture = *item.Picture();
    if (item.IsLine()) {
      CreateHSkinImage(rec.DividerLeftOffset, rec.DividerRightOffset, scratch_, rec.DividerStretchEffect, w,
                       rec.DividerRect, picture);
    } else if (!active && rec.InActiveTransparent && !paintBuffer_.Empty()) {
      DrawRect(ViewOf(target), place, ViewOf(paintBuffer_), item.rect);
      scratch_ = TBitmap();
    } else {
      TRect source = active ? item.ActiveSkinRect() : item.SkinRect();
      bool stretch = active ? rec.StretchEffect : rec.InActiveStretchEffect;
      if (item.Animated() && item.frame > 0 && item.frame <= rec.FrameCount) {
        const TRect& a = rec.AnimateSkinRect;
        const int k = item.frame - 1;
        if (a.Height() > item.SkinRect().Height()) {
          const int fh = a.Height() / rec.FrameCount;
          source = {a.left, a.top + k * fh, a.right, a.top + (k + 1) * fh};
        } else {
          const int fw = a.Width() / rec.FrameCount;
          source = {a.left + k * fw, a.top, a.left + (k + 1) * fw, a.bottom};
        }
        if (!rec.InActiveStretchEffect) stretch = rec.StretchEffect;
      }
      CreateHSkinImage(rec.ItemLeftOffset, rec.ItemRightOffset, scratch_, stretch, w, source, picture);
    }
    // A source of another height still fills the row.
    if (!scratch_.Empty())
      DrawRect(ViewOf(target), place, ViewOf(scratch_), {0, 0, scratch_.Width(), scratch_.Height()});
    // An owner-drawn item draws its own image, if any.
    if (item.IsLine() || item.IsHeader() || item.MenuItem()->OnDrawItem) return;
  }
  if (item.IsLine()) return;
  TRect image;
  if (!ImagePlace(item, TextArea(item), image)) return;
  const fw::TMenuItem& menuItem = *item.MenuItem();
  if (!menuItem.Bitmap().Empty()) {
    DrawOwnPicture(target, at.x + image.left, at.y + image.top, menuItem.Bitmap());
    return;
  }
  const int index = menuItem.ImageIndex();
  BlendPixels(target, at.x + image.left, at.y + image.top,
              menuItem.Enabled()
                  ? images_->Image(index)
                  : images_->DisabledImage(index, static_cast<TColor>(fw::ColorToRGB(fw::clBtnHighlight)),
                                           static_cast<TColor>(fw::ColorToRGB(fw::clBtnShadow))));
}

void TskSkinPopupWindow::DrawItemFront(const TskSkinMenuItem& item, TCanvas& canvas, bool active) {
  const fw::TMenuItem& menuItem = *item.MenuItem();
  const int w = item.rect.Width();
  const int h = item.rect.Height();
  const TRect t = TextArea(item);
  if (!itemRecord_ || !item.Picture()) {
    const int g = glyphColumn_;
    if (item.IsLine()) {
      canvas.Pen().color = fw::clBtnShadow;
      canvas.MoveTo(g, h / 2);
      canvas.LineTo(w, h / 2);
      return;
    }
    if (item.IsHeader()) {
      canvas.Brush().style = fw::TBrushStyle::bsClear;
      canvas.Font().SetColor(fw::clBtnHighlight);
      TRect r{0, 0, w, h};
      const std::wstring& c = menuItem.Caption();
      canvas.DrawTextW(c.substr(1, c.size() - 2), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      return;
    }
    const TColor text = (active || menuItem.Enabled()) ? fw::clWindowText : fw::clBtnShadow;
    canvas.Font().SetColor(text);
    DrawCaption(canvas, menuItem, t, t.left + g, t.right - 19);
    if (item.HasSubItems()) DrawTriangle(canvas, t.right - 7, t.top + t.Height() / 2 - 4, text);
    DrawItemMarks(item, canvas, t, item.active, text);
    return;
  }
  if (item.IsLine()) return;
  const TskDataSkinMenuItem& rec = *itemRecord_;
  TColor color = active ? rec.ActiveFontColor : menuItem.Enabled() ? rec.FontColor : rec.UnEnabledFontColor;
  canvas.Font().SetColor(color);
  if (menuItem.OnDrawItem) {
    DrawOwnerItem(item, canvas, t, active);
    return;
  }
  if (item.IsHeader()) {
    DrawSkinHeader(item, canvas);
    return;
  }
  const int g = !rec.ImageRect.IsEmpty() ? 0 : images_ ? images_->Width() : 16;
  DrawCaption(canvas, menuItem, t, t.left + g, t.right - 16);
  if (item.HasSubItems()) {
    const TRect arrow = active ? rec.ActiveArrowImageRect : rec.ArrowImageRect;
    if (rec.ArrowImageRect.IsEmpty()) {
      DrawTriangle(canvas, t.right - 7, t.top + t.Height() / 2 - 4, color);
    } else {
      DrawMark(canvas, *item.Picture(), arrow, {t.right - arrow.Width() - 5, t.top, t.right, t.bottom});
    }
  }
  if (rec.UseImageColor) color = active ? rec.ActiveImageColor : rec.ImageColor;
  DrawItemMarks(item, canvas, t, active, color);
}

void TskSkinPopupWindow::DrawOwnerItem(const TskSkinMenuItem& item, TCanvas& canvas, const TRect& t, bool active) {
  // The handler draws in item coordinates and never beyond its item, as
  // when the item is drawn on its own.
  const int w = item.rect.Width();
  const int h = item.rect.Height();
  HDC dc = canvas.Handle();
  IntersectClipRect(dc, 0, 0, w, h);
  canvas.Brush().style = fw::TBrushStyle::bsClear;
  fw::TMenuItem* menuItem = item.MenuItem();
  // A copy: the handler may free the item, and with it the handler.
  const fw::TMenuDrawItemEvent onDraw = menuItem->OnDrawItem;
  onDraw(menuItem, canvas, t, active);
  SelectClipRgn(dc, nullptr);
  // What it chose for itself stays with it.
  SetCanvasFont(canvas);
}

void TskSkinPopupWindow::DrawSkinHeader(const TskSkinMenuItem& item, TCanvas& canvas) {
  const auto* header = skinData_->FindSkinControl<TskDataSkinLabelControl>("menuheader");
  if (!header) header = skinData_->FindSkinControl<TskDataSkinLabelControl>("label");
  const TBitmap* picture = header ? skinData_->ActivePicture(header->PictureIndex) : nullptr;
  if (!header || !picture || header->SkinRect.IsEmpty()) return;
  const int w = item.rect.Width();
  TBitmap strip;
  CreateHSkinImage(header->LeftTopPoint.x, header->SkinRect.Width() - header->RightTopPoint.x, strip,
                   header->StretchEffect, w, header->SkinRect, *picture);
  {
    fw::TBitmapCanvas stripCanvas(strip);
    AssignSkinFont(stripCanvas.Font(), true, header->FontName, header->FontHeight, header->FontStyle,
                   menu_->DefaultItemFont(), skinData_);
    stripCanvas.Font().SetColor(header->FontColor);
    stripCanvas.Brush().style = fw::TBrushStyle::bsClear;
    TRect r = header->ClientRect;
    r.right += w - header->SkinRect.Width();
    const std::wstring& c = item.MenuItem()->Caption();
    stripCanvas.DrawTextW(c.substr(1, c.size() - 2), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  canvas.Draw(0, (item.rect.Height() - strip.Height()) / 2, strip);
}

void TskSkinPopupWindow::DrawItemMarks(const TskSkinMenuItem& item, TCanvas& canvas, const TRect& t, bool active,
                                       TColor color) {
  const fw::TMenuItem& menuItem = *item.MenuItem();
  const bool skin = itemRecord_ && item.Picture();
  const TRect imageRect = skin ? itemRecord_->ImageRect : TRect{};
  const int cy = t.top + t.Height() / 2;
  TRect image;
  if (ImagePlace(item, t, image)) {
    // The image itself went into the pixels with the background.
    if (menuItem.Checked()) {
      canvas.Brush().style = fw::TBrushStyle::bsSolid;
      canvas.Brush().color = color;
      canvas.FrameRect({image.left - 1, image.top - 1, image.right + 1, image.bottom + 1});
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
      const TRect area = imageRect.IsEmpty() ? TRect{t.left + 2, t.top, t.left + 16, t.bottom} : imageRect;
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

}  // namespace sk
