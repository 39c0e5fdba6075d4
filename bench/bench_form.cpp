// A resize step of the skinned form (mapped rectangles, caption buttons,
// the four frame strips drawn, the region's rectangles from the mask
// strips) against memcpy of the whole window's 32-bit pixels, at three
// window sizes. x_memcpy is the step's fastest call over memcpy's: the
// frame is a thin band, so it should stay at 0.10 or below at every size.
//
// A hover morph step of the close button (its look chosen, normal and
// active rectangles cut from the picture, the two morphed at each factor)
// against memcpy of the button's 32-bit pixels; goal 4 or below.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataRecords.h"
#include "skin/data/skSkinStoredSkin.h"
#include "skin/form/skFormButtons.h"
#include "skin/form/skFormObjectLook.h"
#include "skin/form/skFormObjectState.h"
#include "skin/form/skFormRegion.h"
#include "skin/form/skFormStrips.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skUtilsBlit.h"
#include "skin/pixels/skUtilsRects.h"

namespace {

using Clock = std::chrono::steady_clock;

const sk::TskSkinData& OurSkin() {
  static const sk::TskSkinData* data = [] {
    sk::TskCompressedStoredSkin stored(nullptr);
    stored.ImportSkinFolder(std::string(QUILLET_SKIN_DIR) + "/skin.ini");
    auto* d = new sk::TskSkinData(nullptr);
    d->LoadFromStoredSkin(stored);
    return d;
  }();
  return *data;
}

template <class Body>
double FastestCall(Body body) {
  double best = 1e9, spent = 0;
  for (int calls = 0; calls < 20 || (spent < 0.05 && calls < 2000); ++calls) {
    const auto t0 = Clock::now();
    body();
    benchmark::ClobberMemory();
    const double t = std::chrono::duration<double>(Clock::now() - t0).count();
    best = std::min(best, t);
    spent += t;
  }
  return best;
}

// batch: copies per timed call, so a copy of a few hundred bytes is not
// lost in the clock's own cost.
double MemcpySeconds(size_t bytes, int batch = 1) {
  std::vector<uint8_t> a(bytes, 1), b(bytes, 2);
  return FastestCall([&] {
           for (int i = 0; i < batch; ++i) {
             std::memcpy(b.data(), a.data(), bytes);
             benchmark::DoNotOptimize(b.data());
             benchmark::ClobberMemory();
           }
         }) /
         batch;
}

void BM_FormResizeStep(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  const sk::TskSkinData& skin = OurSkin();
  const sk::TskFrameSkin frame = sk::FrameSkinOf(skin);
  auto objects = sk::CaptionObjectsOf(skin);
  sk::CheckObjects(objects, {sk::kDefaultBorderIcons | sk::biMinimizeToTray});
  // The form keeps a 24-bit mask, its strips and mask strips from one size
  // to the next.
  const fw::TBitmap mask = sk::TrueColorMask(skin.MaskPicture());
  fw::TBitmap top, bottom, left, right;
  sk::TskMaskStrips maskStrips;
  std::vector<sk::TskRegionRect> region;
  const auto step = [&] {
    const sk::TskFrameRects rects = sk::CalcRects(frame, w, h);
    sk::ArrangeCaptionButtons(objects, frame, rects);
    const sk::TskFramePlan plan = sk::PlanFrameStrips(frame, rects);
    sk::RenderStrip(plan.top, skin.Picture(), top);
    sk::RenderStrip(plan.bottom, skin.Picture(), bottom);
    sk::RenderStrip(plan.left, skin.Picture(), left);
    sk::RenderStrip(plan.right, skin.Picture(), right);
    region = sk::FrameRegionRects(sk::TskRegionKind::Mask, frame, mask, rects, maskStrips);
    benchmark::DoNotOptimize(region.data());
  };
  const double reference = MemcpySeconds(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
  double best = 1e9;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    step();
    benchmark::ClobberMemory();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
  }
  state.counters["x_memcpy"] = best / reference;
  state.counters["fastest_us"] = best * 1e6;
  state.counters["memcpy_us"] = reference * 1e6;
  state.counters["region_rects"] = static_cast<double>(region.size());
}
BENCHMARK(BM_FormResizeStep)->Args({679, 565})->Args({1920, 1080})->Args({3840, 2160});

// The same steps the form takes to draw one object mid-morph.
fw::TBitmap MorphedLook(const sk::TskSkinData& skin, const sk::TskDataSkinObject& record, const sk::TskObjectState& s,
                        int w, int h) {
  const sk::TskObjectLook look = sk::ObjectLookOf(record, s, true, true);
  const fw::TBitmap* own = skin.ActivePicture(record.ActivePictureIndex);
  const fw::TBitmap* normal = look.fromFramePicture ? &skin.Picture() : own;
  const auto cut = [](const fw::TBitmap& picture, const fw::TRect& from, int w, int h) {
    fw::TBitmap out(w, h), scratch;
    const sk::PixelView src = sk::SourceView(picture, {0, 0, picture.Width(), picture.Height()}, 3, scratch);
    sk::DrawRect(sk::ViewOf(out), {0, 0, w, h}, src, from);
    return out;
  };
  sk::TskEffectBmp from(cut(*normal, look.rect, w, h));
  from.Morph(record.MorphKind, sk::TskEffectBmp(cut(*own, look.activeRect, w, h)), look.factor);
  return from.Bitmap();
}

void BM_HoverMorphStep(benchmark::State& state) {
  const sk::TskSkinData& skin = OurSkin();
  auto objects = sk::CaptionObjectsOf(skin);
  sk::CheckObjects(objects, {sk::kDefaultBorderIcons | sk::biMinimizeToTray});
  sk::ArrangeCaptionButtons(objects, sk::FrameSkinOf(skin), sk::CalcRects(sk::FrameSkinOf(skin), 679, 565));
  auto states = sk::ObjectStatesOf(objects, &skin);
  const auto close = std::find_if(objects.begin(), objects.end(),
                                  [](const sk::TskCaptionObjectLayout& o) { return o.command == sk::cmClose; });
  if (close == objects.end() || close->recordIndex < 0) {
    state.SkipWithError("the skin has no close button");
    return;
  }
  const size_t index = static_cast<size_t>(close - objects.begin());
  sk::TskObjectState s = states[index];
  if (!s.morphing || !s.hasActiveLook) {
    state.SkipWithError("the close button does not morph");
    return;
  }
  const sk::TskDataSkinObject& record = *skin.ObjectList(close->recordIndex);
  const int w = sk::RectWidth(close->rect), h = sk::RectHeight(close->rect);
  s.hovered = s.activeLook = true;
  const double reference = MemcpySeconds(static_cast<size_t>(w) * static_cast<size_t>(h) * 4, 100);
  // Every in-between factor in turn, as the timer walks them.
  int step = 1;
  double best = 1e9;
  for (auto _ : state) {
    s.morphStep = step;
    step = step % (sk::kMorphSteps - 1) + 1;
    const auto t0 = Clock::now();
    fw::TBitmap image = MorphedLook(skin, record, s, w, h);
    benchmark::DoNotOptimize(image.ScanLine(0));
    benchmark::ClobberMemory();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
  }
  state.counters["x_memcpy"] = best / reference;
  state.counters["fastest_ns"] = best * 1e9;
  state.counters["memcpy_ns"] = reference * 1e9;
  state.counters["width"] = w;
  state.counters["height"] = h;
}
BENCHMARK(BM_HoverMorphStep);

}  // namespace

BENCHMARK_MAIN();
