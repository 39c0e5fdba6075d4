// libFuzzer target: the skinned form's arithmetic over any skin the loader
// accepts, at window sizes from 0 x 0 to 8192 x 8192. The input is a small
// header (window size, which pictures exist and their sizes, a few points
// and message flags) followed by the skin description text. Strips,
// region rectangles and plans must stay inside the window, so nothing is
// allocated beyond what the window's size needs.
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "framework/Exceptions.h"
#include "skin/data/skSkinData.h"
#include "skin/form/skFormDefaultLook.h"
#include "skin/form/skFormHitTest.h"
#include "skin/form/skFormObjectState.h"
#include "skin/form/skFormRouting.h"
#include "skin/form/skFormStrips.h"

namespace {

constexpr size_t kHeader = 16;

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A 24-bit BMP; `black` says which pixels are black (for masks), the others
// carry a pattern.
template <class Black>
std::vector<uint8_t> Bmp(int w, int h, Black black) {
  const int row = (w * 3 + 3) / 4 * 4;
  std::vector<uint8_t> b = {'B', 'M'};
  Put32(b, static_cast<uint32_t>(54 + row * h));
  Put32(b, 0);
  Put32(b, 54);
  Put32(b, 40);
  Put32(b, static_cast<uint32_t>(w));
  Put32(b, static_cast<uint32_t>(h));
  b.insert(b.end(), {1, 0, 24, 0});
  for (int i = 0; i < 6; ++i) Put32(b, 0);
  for (int r = 0; r < h; ++r) {
    const int y = h - 1 - r;
    for (int x = 0; x < w; ++x) {
      const uint8_t v = black(x, y) ? 0 : static_cast<uint8_t>(1 + (x * 7 + y * 3) % 250);
      b.insert(b.end(), {v, v, v});
    }
    b.insert(b.end(), static_cast<size_t>(row - w * 3), 0);
  }
  return b;
}

bool Inside(const fw::TRect& r, int w, int h) { return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h; }

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < kHeader) return 0;
  const auto u16 = [&](size_t i) { return static_cast<int>(data[i] | data[i + 1] << 8); };
  const int width = u16(0) % 8193;
  const int height = u16(2) % 8193;
  const uint8_t pictures = data[4];
  const int pw = 1 + u16(5) % 300;
  const int ph = 1 + u16(7) % 300;
  const int corner = data[9] % 16;
  const fw::TPoint probe{u16(10) % 8200 - 4, u16(12) % 8200 - 4};
  const uint8_t state = data[14];
  const uint8_t routing = data[15];

  std::vector<uint8_t> archive;
  Put32(archive, 3);
  archive.push_back(0);
  const auto main = Bmp(pw, ph, [](int, int) { return false; });
  archive.insert(archive.end(), main.begin(), main.end());
  if (pictures & 1) {
    archive.push_back(0);
    archive.insert(archive.end(), main.begin(), main.end());
  } else {
    archive.push_back(1);
  }
  if (pictures & 2) {
    // Rounded corners of `corner` pixels, black inside.
    const auto mask = Bmp(pw, ph, [&](int x, int y) {
      const int dx = x < corner ? corner - x : (x >= pw - corner ? x - (pw - 1 - corner) : 0);
      const int dy = y < corner ? corner - y : (y >= ph - corner ? y - (ph - 1 - corner) : 0);
      return dx * dx + dy * dy <= corner * corner;
    });
    archive.push_back(0);
    archive.insert(archive.end(), mask.begin(), mask.end());
  } else {
    archive.push_back(1);
  }
  const int activeCount = (pictures >> 2) & 3;
  Put32(archive, static_cast<uint32_t>(activeCount));
  for (int i = 0; i < activeCount; ++i) {
    const auto active = Bmp(16 + 20 * i, 16 + 10 * i, [](int x, int y) { return (x + y) % 3 == 0; });
    archive.insert(archive.end(), active.begin(), active.end());
  }
  archive.insert(archive.end(), data + kHeader, data + size);
  uLongf packed = compressBound(static_cast<uLong>(archive.size()));
  std::vector<uint8_t> out(packed);
  compress2(out.data(), &packed, archive.data(), static_cast<uLong>(archive.size()), 1);
  out.resize(packed);
  sk::TskCompressedStoredSkin stored(nullptr);
  stored.CompressedData() = fw::TMemoryStream(out);
  sk::TskSkinData skinData(nullptr);
  try {
    skinData.LoadFromStoredSkin(stored);
  } catch (const fw::Exception&) {
    return 0;
  }
  if (skinData.Empty()) return 0;

  // Geometry, both ways round.
  const sk::TskFrameSkin frame = sk::FrameSkinOf(skinData);
  const sk::TskFrameRects rects = sk::CalcRects(frame, width, height);
  const sk::TskFrameMargins margins = sk::SkinFrameMargins(frame);
  const fw::TRect client = sk::ClientRectOfWindow({0, 0, width, height}, margins);
  Require(client.right >= client.left && client.bottom >= client.top);
  sk::WindowSizeOfClient(client.Width(), client.Height(), margins);

  auto objects = sk::CaptionObjectsOf(skinData);
  sk::CheckObjects(objects, {pictures & 0x10 ? sk::kDefaultBorderIcons : 0u, (pictures & 0x20) != 0});
  sk::ArrangeCaptionButtons(objects, frame, rects, {state & 1 ? 16 : 0, state & 1 ? 16 : 0});
  auto builtIn = sk::DefaultCaptionObjects();
  const fw::TRect caption = sk::ArrangeDefaultButtons(builtIn, width, (state & 2) != 0);
  sk::PlanDefaultLook(width, height, (state & 2) != 0, caption);

  // The frame strips, drawn: each within the window.
  const sk::TskFramePlan plan = sk::PlanFrameStrips(frame, rects);
  const fw::TBitmap& source = frame.hasInactivePicture && (state & 4) ? skinData.InactivePicture() : skinData.Picture();
  for (const sk::TskStripPlan* strip : {&plan.top, &plan.bottom, &plan.left, &plan.right}) {
    if (!strip->Built()) continue;
    Require(Inside({strip->at.x, strip->at.y, strip->at.x + strip->width, strip->at.y + strip->height}, width, height));
    fw::TBitmap bitmap;
    sk::RenderStrip(*strip, source, bitmap);
  }
  for (const auto& o : objects) sk::ObjectStripPlace(o.rect, rects);

  // The region and the shape tests.
  const sk::TskRegionKind kind = sk::RegionKindFor({true, true, true, frame.hasMask, (state & 8) != 0});
  sk::TskMaskStrips strips;
  const auto region = sk::FrameRegionRects(kind, frame, skinData.MaskPicture(), rects, strips);
  for (const auto& r : region) Require(Inside({r.left, r.top, r.right, r.bottom}, width, height));
  sk::PointInMaskShape(probe, rects, strips);

  // Client background.
  const int bg = frame.info.BGPictureIndex;
  const fw::TBitmap* own = skinData.ActivePicture(bg);
  sk::PlanClientBackground(frame, {client.Width(), client.Height(), width, height, true, bg, own ? own->Width() : 0,
                                   own ? own->Height() : 0});

  // Hit tests and the objects under the mouse.
  sk::TskHitTestInput hit{probe, width, height};
  hit.rolledUp = state & 16;
  hit.maximized = state & 32;
  hit.onCaptionObject = sk::PointOnCaptionObject(objects, probe);
  sk::SkinHitTest(hit, rects, frame.info.BorderWidth, frame.hasMask ? &strips : nullptr);
  sk::DefaultHitTest(hit, caption, (state & 2) != 0);
  const auto maskOf = [&](size_t i) -> const fw::TBitmap* {
    const int index = objects[i].recordIndex;
    return index < 0 ? nullptr : skinData.ActivePicture(skinData.ObjectList(index)->ActiveMaskPictureIndex);
  };
  const int at = sk::ObjectAt<decltype(maskOf)>(objects, probe, maskOf);
  sk::TskCaptionObjectTracker tracker;
  tracker.Reset(sk::ObjectStatesOf(objects, &skinData));
  tracker.TestActive(at, true);
  tracker.MouseDown(state & 64 ? sk::TskMouseButton::Right : sk::TskMouseButton::Left);
  tracker.TestActive(-1, true);
  tracker.TestActive(at, true);
  if (state & 128) tracker.DblClick();
  tracker.MouseUp(sk::TskMouseButton::Left);
  for (int i = 0; i < 8 && !tracker.MorphTick().empty(); ++i) {
  }

  // Routing decides from flags alone.
  sk::TskFormFlags flags;
  flags.skinned = routing & 1;
  flags.hasBorder = routing & 2;
  flags.mdiChild = routing & 4;
  flags.mdiParent = routing & 8;
  flags.wParamIsDC = routing & 16;
  flags.inSizeMove = flags.dragFullWindows = routing & 32;
  sk::RouteFormMessage(static_cast<unsigned>(u16(10)), static_cast<uintptr_t>(u16(12)), u16(5), flags);
  return 0;
}
