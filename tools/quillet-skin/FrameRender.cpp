#include "tools/quillet-skin/FrameRender.h"

#include <zlib.h>

#include <array>

#include "framework/Exceptions.h"
#include "framework/Streams.h"
#include "skin/form/skFormButtons.h"
#include "skin/form/skFormRegion.h"
#include "skin/form/skFormStrips.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsRects.h"

namespace skintool {

namespace {

using fw::TBitmap;
using fw::TRect;

// The button face when the skin leaves it to the system: the classic grey.
constexpr fw::TColor kDefaultFace = fw::RGBColor(240, 240, 240);

void Fill(TBitmap& b, const TRect& r, fw::TColor color) {
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, b.Height()); ++y) {
    uint8_t* row = b.ScanLine(y);
    for (int x = std::max(r.left, 0); x < std::min(r.right, b.Width()); ++x) {
      row[x * 3] = static_cast<uint8_t>(fw::BlueOf(color));
      row[x * 3 + 1] = static_cast<uint8_t>(fw::GreenOf(color));
      row[x * 3 + 2] = static_cast<uint8_t>(fw::RedOf(color));
    }
  }
}

void PaintBackground(const sk::TskSkinData& skin, const sk::TskFrameSkin& frame, const sk::TskFrameRects& m,
                     TBitmap& window) {
  const int index = frame.info.BGPictureIndex;
  const TBitmap* own = skin.ActivePicture(index);
  sk::TskBackgroundInput in;
  in.clientWidth = sk::RectWidth(m.client);
  in.clientHeight = sk::RectHeight(m.client);
  in.frameWidth = m.width;
  in.frameHeight = m.height;
  in.skinLoaded = true;
  in.pictureIndex = index;
  in.pictureWidth = own ? own->Width() : 0;
  in.pictureHeight = own ? own->Height() : 0;
  const sk::TskBackgroundPlan plan = sk::PlanClientBackground(frame, in);
  if (plan.kind == sk::TskBackgroundPlan::None) return;
  const fw::TColor face = fw::IsSystemColor(skin.SkinColors().CBtnFace) ? kDefaultFace : skin.SkinColors().CBtnFace;
  if (plan.kind == sk::TskBackgroundPlan::Fill) {
    Fill(window, m.client, face);
    return;
  }
  const TBitmap& source = plan.pictureIndex >= 0 ? *own : skin.Picture();
  TBitmap scratch;
  sk::PixelView dst = sk::ViewOf(window);
  dst.originX = m.client.left;
  dst.originY = m.client.top;
  dst.valid = {0, 0, in.clientWidth, in.clientHeight};
  const sk::PixelView src = sk::SourceView(source, {0, 0, source.Width(), source.Height()}, 3, scratch);
  sk::BlitSpans(dst, src, plan.x, plan.y);
}

// The look a caption button shows at rest: its inactive look on an
// inactive window when it has one, else its normal look.
void DrawObject(const sk::TskSkinData& skin, const sk::TskCaptionObjectLayout& o, bool active, TBitmap& strip,
                const TRect& place) {
  if (!o.visible || !o.inPicture || o.recordIndex < 0) return;
  const sk::TskDataSkinObject* record = skin.ObjectList(o.recordIndex);
  const TBitmap* picture = skin.ActivePicture(record->ActivePictureIndex);
  if (!picture) return;
  const TRect rect =
      !active && o.enabled && !sk::IsNullRect(record->InActiveSkinRect) ? record->InActiveSkinRect : record->SkinRect;
  TBitmap scratch;
  const sk::PixelView src = sk::SourceView(*picture, {0, 0, picture->Width(), picture->Height()}, 3, scratch);
  sk::DrawRect(sk::ViewOf(strip), place, src, rect);
}

}  // namespace

FrameImage RenderFrame(const sk::TskSkinData& skin, const RenderOptions& options) {
  const sk::TskFrameSkin frame = sk::FrameSkinOf(skin);
  const int w = options.width;
  const int h = options.rolledUp ? sk::SkinFrameHeight(frame) : options.height;
  if (w <= 0 || h <= 0 || w > 16384 || h > 16384) {
    throw fw::EInvalidOperation(L"window size out of range: " + std::to_wstring(w) + L"x" + std::to_wstring(h));
  }
  const bool active = !options.inactive;
  const sk::TskFrameRects m = sk::CalcRects(frame, w, h);
  auto objects = sk::CaptionObjectsOf(skin);
  sk::CheckObjects(objects, {sk::kDefaultBorderIcons | sk::biMinimizeToTray});
  sk::ArrangeCaptionButtons(objects, frame, m);

  FrameImage image;
  image.pixels = TBitmap(w, h);
  PaintBackground(skin, frame, m, image.pixels);

  const TBitmap& source = active || !frame.hasInactivePicture ? skin.Picture() : skin.InactivePicture();
  const sk::TskFramePlan plan = sk::PlanFrameStrips(frame, m);
  std::array<TBitmap, 2> bands;  // top, bottom: the objects are drawn into them
  sk::RenderStrip(plan.top, source, bands[0]);
  sk::RenderStrip(plan.bottom, source, bands[1]);
  for (const auto& o : objects) {
    const sk::TskObjectInStrip place = sk::ObjectStripPlace(o.rect, m);
    TBitmap& band = bands[place.side == sk::TskStripSide::Top ? 0 : 1];
    if (!band.Empty()) DrawObject(skin, o, active, band, place.rect);
  }
  TBitmap left, right;
  sk::RenderStrip(plan.left, source, left);
  sk::RenderStrip(plan.right, source, right);
  const std::array<std::pair<const sk::TskStripPlan*, TBitmap*>, 4> strips = {
      {{&plan.top, &bands[0]}, {&plan.bottom, &bands[1]}, {&plan.left, &left}, {&plan.right, &right}}};
  for (const auto& [strip, bitmap] : strips) {
    if (!strip->Built()) continue;
    if (!active && frame.info.AutoRenderingInActiveImage) {
      // The effect covers the buttons drawn into the strip as well.
      sk::TskEffectBmp effect(*bitmap);
      effect.ApplyInactiveEffect(frame.info.InActiveEffect);
      *bitmap = effect.Bitmap();
    }
    const sk::PixelView src = sk::ViewOf(*bitmap);
    sk::DrawRect(sk::ViewOf(image.pixels),
                 {strip->at.x, strip->at.y, strip->at.x + strip->width, strip->at.y + strip->height}, src,
                 {0, 0, strip->width, strip->height});
  }

  const sk::TskRegionKind kind = sk::RegionKindFor({true, true, true, frame.hasMask, false});
  sk::TskMaskStrips maskStrips;
  const auto region = sk::FrameRegionRects(kind, frame, skin.MaskPicture(), m, maskStrips);
  image.alpha.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  for (const auto& r : region) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y) {
      for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x) {
        image.alpha[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = 255;
      }
    }
  }
  return image;
}

namespace {

void PutBig32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

void Chunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  PutBig32(out, static_cast<uint32_t>(data.size()));
  const size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBig32(out, static_cast<uint32_t>(crc32(0, out.data() + start, static_cast<uInt>(out.size() - start))));
}

}  // namespace

void WritePng(const FrameImage& image, const std::filesystem::path& file) {
  const int w = image.pixels.Width();
  const int h = image.pixels.Height();
  // Each row: filter type 0, then RGBA.
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(h) * (static_cast<size_t>(w) * 4 + 1));
  for (int y = 0; y < h; ++y) {
    raw.push_back(0);
    const uint8_t* row = image.pixels.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      raw.push_back(row[x * 3 + 2]);
      raw.push_back(row[x * 3 + 1]);
      raw.push_back(row[x * 3]);
      raw.push_back(image.alpha[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)]);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK) {
    throw fw::EOutOfResources(L"PNG compression failed");
  }
  packed.resize(packedSize);

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  PutBig32(header, static_cast<uint32_t>(w));
  PutBig32(header, static_cast<uint32_t>(h));
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter set, no interlace
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", packed);
  Chunk(png, "IEND", {});
  fw::WriteFileBytes(file, png.data(), png.size());
}

}  // namespace skintool
