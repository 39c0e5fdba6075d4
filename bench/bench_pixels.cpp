// The pixel hot paths against memcpy of the same bytes. Every benchmark
// reports "vs_memcpy" (memcpy's time for the comparison bytes divided by the
// routine's time, measured in the same run) or pixels per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "skin/pixels/skEffectsBitmap.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skUtilsImages.h"
#include "skin/pixels/skUtilsMask.h"

namespace {

using Clock = std::chrono::steady_clock;
using fw::TBitmap;
using fw::TPixelFormat;

// Seconds memcpy takes for this many bytes (best of several rounds).
double MemcpySeconds(size_t bytes) {
  static std::map<size_t, double> cache;
  if (auto it = cache.find(bytes); it != cache.end()) return it->second;
  std::vector<uint8_t> a(bytes, 1), b(bytes, 2);
  double best = 1e9;
  for (int round = 0; round < 7; ++round) {
    const int reps = std::max<int>(1, static_cast<int>((64u << 20) / bytes));
    const auto t0 = Clock::now();
    for (int i = 0; i < reps; ++i) {
      std::memcpy(b.data(), a.data(), bytes);
      benchmark::DoNotOptimize(b.data());
      benchmark::ClobberMemory();
    }
    best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count() / reps);
  }
  return cache[bytes] = best;
}

// Runs body for the benchmark's iterations and sets the ratio to memcpy.
template <class Body>
void Measure(benchmark::State& state, size_t compareBytes, Body body) {
  const double reference = MemcpySeconds(compareBytes);
  const auto t0 = Clock::now();
  for (auto _ : state) {
    body();
    benchmark::ClobberMemory();
  }
  const double per = std::chrono::duration<double>(Clock::now() - t0).count() / static_cast<double>(state.iterations());
  state.counters["vs_memcpy"] = reference / per;
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * compareBytes));
}

TBitmap Picture(int w, int h, TPixelFormat f = TPixelFormat::pf24bit, unsigned seed = 1) {
  TBitmap b(w, h, f);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = b.ScanLine(y);
    for (int i = 0; i < b.RowBytes(); ++i) row[i] = static_cast<uint8_t>(rng());
  }
  return b;
}

constexpr int W = 1024, H = 512;
const sk::TskCornerModel Corners{{10, 10}, {50, 10}, {10, 30}, {50, 30}, {10, 10, 50, 30}};

void BM_Builder_Copy(benchmark::State& state) {
  // Target of the skin rectangle's own size: every part is a plain copy.
  const TBitmap source = Picture(W, H);
  const sk::TskCornerModel c{{100, 100}, {900, 100}, {100, 400}, {900, 400}, {100, 100, 900, 400}};
  TBitmap target;
  Measure(state, static_cast<size_t>(W) * 3 * H, [&] {
    sk::CreateSkinImage(c, {0, 0, W, H}, source, {}, true, false, sk::stFull, W, H, c, target);
  });
}
BENCHMARK(BM_Builder_Copy);

void BM_Builder_Tile(benchmark::State& state) {
  const TBitmap source = Picture(60, 40);
  const sk::TskCornerModel mapped = sk::MapCornerModel(Corners, 60, 40, W, H);
  TBitmap target;
  Measure(state, static_cast<size_t>(W) * 3 * H, [&] {
    sk::CreateSkinImage(Corners, {0, 0, 60, 40}, source, {}, true, false, sk::stFull, W, H, mapped, target);
  });
}
BENCHMARK(BM_Builder_Tile);

void BM_Builder_HTile(benchmark::State& state) {
  const TBitmap source = Picture(40, 24);
  TBitmap target;
  Measure(state, static_cast<size_t>(W) * 3 * 24,
          [&] { sk::CreateHSkinImage(5, 5, target, false, W, {0, 0, 40, 24}, source); });
}
BENCHMARK(BM_Builder_HTile);

void BM_Builder_Stretch(benchmark::State& state) {
  const TBitmap source = Picture(60, 40);
  const sk::TskCornerModel mapped = sk::MapCornerModel(Corners, 60, 40, W, H);
  TBitmap target;
  Measure(state, static_cast<size_t>(W) * 3 * H, [&] {
    sk::CreateSkinImage(Corners, {0, 0, 60, 40}, source, {true, true, true, true}, true, true, sk::stFull, W, H,
                        mapped, target);
  });
}
BENCHMARK(BM_Builder_Stretch);

void BM_Builder_StretchDistinctRows(benchmark::State& state) {
  // Shrinking, so nearly every destination row maps a new source row.
  const TBitmap source = Picture(2 * W, 2 * H);
  TBitmap target(W, H);
  Measure(state, static_cast<size_t>(W) * 3 * H,
          [&] { sk::CreateStretchedSkinImage(target, source, {0, 0, 2 * W, 2 * H}, true, {1, 1, 2 * W - 1, 2 * H - 1}); });
}
BENCHMARK(BM_Builder_StretchDistinctRows);

void BM_MaskScan(benchmark::State& state) {
  const int meanRun = static_cast<int>(state.range(0));
  TBitmap mask(W, H);
  std::mt19937 rng(3);
  for (int y = 0; y < H; ++y) {
    bool black = y % 2 == 0;
    for (int x = 0; x < W;) {
      const int len = 1 + static_cast<int>(rng() % (2 * meanRun - 1));
      for (int i = 0; i < len && x < W; ++i, ++x) mask.SetPixel(x, y, black ? fw::clBlack : fw::clWhite);
      black = !black;
    }
  }
  for (auto _ : state) benchmark::DoNotOptimize(sk::MaskToRegionData(mask, 0, 0));
  state.counters["pixels_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * W * H, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MaskScan)->Arg(16)->Arg(64);

void BM_BitmapBlend(benchmark::State& state) {
  sk::TskBitmap src(W, H), dst(W, H);
  std::mt19937 rng(4);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      src.SetPixel(x, y, static_cast<uint32_t>(rng()));
      dst.SetPixel(x, y, static_cast<uint32_t>(rng()));
    }
  }
  src.SetAlphaBlend(true);
  Measure(state, static_cast<size_t>(W) * H * 8, [&] { src.DrawToBitmap(dst, 0, 0); });
}
BENCHMARK(BM_BitmapBlend);

template <class F>
void EffectBench(benchmark::State& state, size_t bytesPerPixel, F effect) {
  const sk::TskEffectBmp a(Picture(W, H, TPixelFormat::pf24bit, 5));
  const sk::TskEffectBmp b(Picture(W, H, TPixelFormat::pf24bit, 6));
  sk::TskEffectBmp work = a;
  Measure(state, static_cast<size_t>(W) * H * bytesPerPixel, [&] { effect(work, b); });
}

void BM_MorphBlend(benchmark::State& s) {
  EffectBench(s, 8, [](sk::TskEffectBmp& a, const sk::TskEffectBmp& b) { a.MorphBlend(b, 0.37); });
}
void BM_MorphCentreGradient(benchmark::State& s) {
  EffectBench(s, 8, [](sk::TskEffectBmp& a, const sk::TskEffectBmp& b) { a.MorphCentreGradientH(b, 0.2); });
}
void BM_MorphGradientFromLeft(benchmark::State& s) {
  EffectBench(s, 8, [](sk::TskEffectBmp& a, const sk::TskEffectBmp& b) { a.MorphGradientFromLeft(b, 0.5); });
}
void BM_MorphPush(benchmark::State& s) {
  EffectBench(s, 8, [](sk::TskEffectBmp& a, const sk::TskEffectBmp& b) { a.MorphPushFromLeft(b, 0.5); });
}
void BM_Invert(benchmark::State& s) {
  EffectBench(s, 3, [](sk::TskEffectBmp& a, const sk::TskEffectBmp&) { a.ApplyInvert(); });
}
void BM_Brightness(benchmark::State& s) {
  EffectBench(s, 3, [](sk::TskEffectBmp& a, const sk::TskEffectBmp&) { a.ApplyBrightness(0.5); });
}
void BM_Darkness(benchmark::State& s) {
  EffectBench(s, 3, [](sk::TskEffectBmp& a, const sk::TskEffectBmp&) { a.ApplyDarkness(0.3); });
}
void BM_Grayscale(benchmark::State& s) {
  EffectBench(s, 3, [](sk::TskEffectBmp& a, const sk::TskEffectBmp&) { a.ApplyGrayscale(); });
}
BENCHMARK(BM_MorphBlend);
BENCHMARK(BM_MorphCentreGradient);
BENCHMARK(BM_MorphGradientFromLeft);
BENCHMARK(BM_MorphPush);
BENCHMARK(BM_Invert);
BENCHMARK(BM_Brightness);
BENCHMARK(BM_Darkness);
BENCHMARK(BM_Grayscale);

void BM_BlurImage(benchmark::State& state) {
  sk::TskBitmap b(W, H);
  std::mt19937 rng(7);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) b.SetPixel(x, y, static_cast<uint32_t>(rng()));
  }
  const int radius = static_cast<int>(state.range(0));
  for (auto _ : state) sk::BlurImage(b, radius);
  state.counters["pixels_per_second"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * W * H, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BlurImage)->Arg(1)->Arg(6)->Arg(50);

}  // namespace

BENCHMARK_MAIN();
