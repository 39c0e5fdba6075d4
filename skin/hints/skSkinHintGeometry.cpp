#include "skin/hints/skSkinHintGeometry.h"

#include <algorithm>
#include <optional>

#include "skin/pixels/skUtilsRects.h"

namespace sk {

std::wstring ReplaceLineSeparators(const std::wstring& text, const std::wstring& separator) {
  // An empty separator would match everywhere and never advance.
  if (separator.empty()) return text;
  std::wstring out;
  out.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(separator); at != std::wstring::npos; at = text.find(separator, from)) {
    out.append(text, from, at - from);
    out += L"\n\r";
    from = at + separator.size();
  }
  out.append(text, from, std::wstring::npos);
  return out;
}

namespace {

// The frame's share of the window: the parts of the picture around its
// client rectangle.
TPoint SkinMargins(const TskHintFrame& frame) {
  const TRect& c = frame.record->ClientRect;
  return {SaturatedSum(c.left, int64_t{frame.pictureSize.x} - c.right),
          SaturatedSum(c.top, int64_t{frame.pictureSize.y} - c.bottom)};
}

}  // namespace

TPoint HintWindowSize(const TskHintContent& content, const TskHintFrame* frame) {
  int width = content.text.x;
  int height = content.text.y;
  if (content.titleVariant) {
    if (content.hasTitle) {
      height = SaturatedSum(height, int64_t{content.title.y} + 10);
      width = std::max(width, content.title.x);
    }
    if (content.hasImage) {
      width = SaturatedSum(width, int64_t{content.image.x} + 10);
      const int titleHeight = content.hasTitle ? content.title.y : 0;
      height = std::max(height, SaturatedSum(content.image.y, int64_t{titleHeight} + 5));
    }
  }
  if (!frame) return {SaturatedSum(width, 4), SaturatedSum(height, 4)};
  const TPoint margins = SkinMargins(*frame);
  if (content.titleVariant) {
    width = SaturatedSum(width, 10);
    return {SaturatedSum(width, margins.x), SaturatedSum(height, margins.y)};
  }
  return {SaturatedSum(width, int64_t{margins.x} + 5), SaturatedSum(height, margins.y)};
}

TskHintGeometry ResizeHintFrame(const TskHintFrame& frame, TPoint size) {
  const TskDataSkinHintWindow& r = *frame.record;
  TskHintGeometry g;
  g.corners = {r.LeftTopPoint, r.RightTopPoint, r.LeftBottomPoint, r.RightBottomPoint, r.ClientRect};
  const TPoint picture = frame.pictureSize;
  // A window smaller than the picture's corner parts grows until the
  // right corners no longer pass the left ones (the bottom ones the top).
  auto dx = [&] { return SaturatedDiff(size.x, picture.x); };
  auto dy = [&] { return SaturatedDiff(size.y, picture.y); };
  auto growX = [&](int right, int left) {
    const int moved = SaturatedSum(right, dx());
    if (moved < left) size.x = SaturatedSum(size.x, int64_t{left} - moved);
  };
  auto growY = [&](int bottom, int top) {
    const int moved = SaturatedSum(bottom, dy());
    if (moved < top) size.y = SaturatedSum(size.y, int64_t{top} - moved);
  };
  growX(r.RightTopPoint.x, r.LeftTopPoint.x);
  growX(r.RightBottomPoint.x, r.LeftBottomPoint.x);
  growY(r.LeftBottomPoint.y, r.LeftTopPoint.y);
  growY(r.RightBottomPoint.y, r.RightTopPoint.y);
  g.size = size;
  g.mapped = MapCornerModel(g.corners, picture.x, picture.y, size.x, size.y);
  return g;
}

TRect PlaceHintWindow(TPoint topLeft, TPoint size, const TRect& limit) {
  TRect r{topLeft.x, topLeft.y, SaturatedSum(topLeft.x, size.x), SaturatedSum(topLeft.y, size.y)};
  if (r.right > limit.right) {
    const int64_t by = int64_t{size.x} + 2;
    r.left = SaturatedSum(r.left, -by);
    r.right = SaturatedSum(r.right, -by);
  }
  if (r.bottom > limit.bottom) {
    const int64_t by = int64_t{size.y} + 2;
    r.top = SaturatedSum(r.top, -by);
    r.bottom = SaturatedSum(r.bottom, -by);
  }
  return r;
}

namespace {

TRect At(int x, int y, TPoint size) { return {x, y, SaturatedSum(x, size.x), SaturatedSum(y, size.y)}; }
int CentredIn(const TRect& area, int extent) {
  return SaturatedSum(area.top, (int64_t{RectHeight(area)} - extent) / 2);
}

}  // namespace

TRect CentredHintText(const TRect& area, TPoint text) {
  const int left = SaturatedSum(area.left, (int64_t{RectWidth(area)} - text.x) / 2);
  return At(left, CentredIn(area, text.y), text);
}

TskHintLayout LayoutSkinnedTitleHint(const TRect& area, const TskHintContent& c) {
  TskHintLayout l;
  const int x0 = SaturatedSum(area.left, 5);
  if (c.hasTitle) l.title = At(x0, area.top, c.title);
  const int titleHeight = c.hasTitle ? c.title.y : 0;
  const int bodyTop = SaturatedSum(area.top, int64_t{titleHeight} + 5);
  int textLeft = x0;
  if (c.hasImage) {
    l.image = {x0, c.hasTitle ? bodyTop : CentredIn(area, c.image.y)};
    textLeft = SaturatedSum(l.image.x, int64_t{c.image.x} + 5);
  }
  l.text = At(textLeft, c.hasTitle ? bodyTop : CentredIn(area, c.text.y), c.text);
  return l;
}

TskHintLayout LayoutUnskinnedTitleHint(const TRect& area, const TskHintContent& c) {
  TskHintLayout l;
  if (c.hasTitle) l.title = At(area.left, area.top, c.title);
  const int a = c.hasTitle ? SaturatedSum(c.title.y, 5) : 0;
  l.text = area;
  l.text.top = SaturatedSum(area.top, a);
  if (c.hasImage) {
    l.image = {area.left, c.hasTitle ? a : CentredIn(area, c.image.y)};
    l.text.left = SaturatedSum(area.left, int64_t{l.image.x} + c.image.x + 5);
  }
  return l;
}

int NextHintFadeAlpha(int current, int target) {
  return current + HintFadeStep < target ? current + HintFadeStep : target;
}

namespace {

// The stored row (from the first) of the first byte of rows [first, end)
// that differs from `blank`; the pad bits past the width read as blank.
std::optional<int> FirstDrawnRow(const TskCursorMask& m, int first, int end, uint8_t blank) {
  const int bytes = (m.width + 7) / 8;
  const int padBits = bytes * 8 - m.width;
  const uint8_t pad = static_cast<uint8_t>((1u << padBits) - 1);  // the low bits of the last byte
  for (int row = first; row < end; ++row) {
    const uint8_t* p = m.bits.data() + static_cast<size_t>(row) * static_cast<size_t>(m.rowBytes);
    for (int i = 0; i < bytes; ++i) {
      uint8_t b = p[i];
      if (i == bytes - 1) b = static_cast<uint8_t>(blank ? (b | pad) : (b & ~pad));
      if (b != blank) return row;
    }
  }
  return std::nullopt;
}

}  // namespace

int CursorHeightFromMask(const TskCursorMask& m, int hotSpotY) {
  const bool valid = m.width > 0 && m.height > 0 && m.rowBytes >= (m.width + 7) / 8 &&
                     m.bits.size() >= static_cast<size_t>(m.rowBytes) * static_cast<size_t>(m.height);
  int rowsBelow = 0;
  if (valid) {
    // Bottom-up: the AND part, the upper cursor-sized square, is stored last;
    // a counted row is one stored after the drawn one up to the part's end.
    const int andRows = std::min(m.width, m.height);
    if (auto row = FirstDrawnRow(m, m.height - andRows, m.height, 0xFF)) {
      rowsBelow = m.height - 1 - *row;
    } else if (m.height == 2 * m.width) {
      if (auto xorRow = FirstDrawnRow(m, 0, m.width, 0x00)) rowsBelow = m.width - 1 - *xorRow;
    }
  }
  return SaturatedDiff(rowsBelow, hotSpotY);
}

}  // namespace sk
