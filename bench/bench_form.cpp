// A resize step of the skinned form (mapped rectangles, caption buttons,
// the four frame strips drawn, the region's rectangles from the mask
// strips) against memcpy of the whole window's 32-bit pixels, at three
// window sizes. x_memcpy is the step's fastest call over memcpy's: the
// frame is a thin band, so it should stay at 0.10 or below at every size.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "skin/data/skSkinData.h"
#include "skin/data/skSkinStoredSkin.h"
#include "skin/form/skFormButtons.h"
#include "skin/form/skFormRegion.h"
#include "skin/form/skFormStrips.h"

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

double MemcpySeconds(size_t bytes) {
  std::vector<uint8_t> a(bytes, 1), b(bytes, 2);
  return FastestCall([&] {
    std::memcpy(b.data(), a.data(), bytes);
    benchmark::DoNotOptimize(b.data());
  });
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

}  // namespace

BENCHMARK_MAIN();
