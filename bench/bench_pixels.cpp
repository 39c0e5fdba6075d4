// The pixel hot paths against references doing the same work: memcpy of the
// bytes a routine really moves ("vs_memcpy"), memchr over the bytes a mask
// scan reads ("vs_memchr"), a plain box blur of the same radius ("vs_box").
// Each ratio is the reference's time divided by the routine's, measured in
// the same run. Effects, blends and blurs run on each path: /0 portable, /1
// AVX2, /2 AVX-512 where an effect has one (a path the processor lacks falls
// back to the next narrower).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "skin/pixels/skEffectsBitmap.h"
#include "skin/pixels/skEffectsBmp.h"
#include "skin/pixels/skEffectsSimd.h"
#include "skin/pixels/skUtilsImages.h"
#include "skin/pixels/skUtilsMask.h"

namespace {

using Clock = std::chrono::steady_clock;
using fw::TBitmap;
using fw::TPixelFormat;

// Every time is the fastest of many calls. The machines these run on are
// shared, and a call's wall time includes whatever else ran meanwhile; the
// fastest call is the closest to the routine's own cost, and routine and
// reference are timed the same way, one right after the other.
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

// Seconds memcpy takes for this many bytes.
double MemcpySeconds(size_t bytes) {
  std::vector<uint8_t> a(bytes, 1), b(bytes, 2);
  return FastestCall([&] {
    std::memcpy(b.data(), a.data(), bytes);
    benchmark::DoNotOptimize(b.data());
  });
}

// Runs body for the benchmark's iterations and sets counter to the
// reference's fastest call over the routine's.
template <class Body>
void MeasureAgainst(benchmark::State& state, const char* counter, double referenceSeconds, Body body) {
  double best = 1e9;
  for (auto _ : state) {
    const auto t0 = Clock::now();
    body();
    benchmark::ClobberMemory();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
  }
  state.counters[counter] = referenceSeconds / best;
  state.counters["fastest_us"] = best * 1e6;
}

// The same against memcpy of the bytes the routine moves.
template <class Body>
void Measure(benchmark::State& state, size_t compareBytes, Body body) {
  MeasureAgainst(state, "vs_memcpy", MemcpySeconds(compareBytes), body);
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

// Smooth colour gradients with grain, like a photograph: every channel
// differs, so grey shortcuts and repeated values do not flatter a routine.
TBitmap PhotoPicture(int w, int h, TPixelFormat f = TPixelFormat::pf24bit, unsigned seed = 1) {
  TBitmap b(w, h, f);
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> grain(-6, 6);
  const double phase = seed * 0.7;
  const int bpp = fw::BitsPerPixel(f) / 8;
  for (int y = 0; y < h; ++y) {
    uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      for (int c = 0; c < 3; ++c) {
        const double v = 128 + 70 * std::sin(x * (0.011 + 0.007 * c) + phase) +
                         50 * std::cos(y * (0.017 + 0.005 * c) + c) + grain(rng);
        row[x * bpp + c] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
      }
      if (bpp == 4) row[x * 4 + 3] = static_cast<uint8_t>(rng());
    }
  }
  return b;
}

// The widest path a benchmark may take: range(0) 0 portable, 1 AVX2, 2 AVX-512.
struct PathChoice {
  explicit PathChoice(const benchmark::State& state) {
    sk::SetWidestPixelPath(static_cast<sk::TPixelPath>(state.range(0)));
  }
  ~PathChoice() { sk::SetWidePixelPathsAllowed(true); }
};

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
  Measure(state, static_cast<size_t>(W) * 3 * 24, [&] {
    sk::CreateHSkinImage(5, 5, target, false, W, {0, 0, 40, 24}, source);
  });
}
BENCHMARK(BM_Builder_HTile);

void BM_Builder_Stretch(benchmark::State& state) {
  const TBitmap source = Picture(60, 40);
  const sk::TskCornerModel mapped = sk::MapCornerModel(Corners, 60, 40, W, H);
  TBitmap target;
  Measure(state, static_cast<size_t>(W) * 3 * H, [&] {
    sk::CreateSkinImage(Corners, {0, 0, 60, 40}, source, {true, true, true, true}, true, true, sk::stFull, W, H, mapped,
                        target);
  });
}
BENCHMARK(BM_Builder_Stretch);

void BM_Builder_StretchDistinctRows(benchmark::State& state) {
  // Shrinking, so nearly every destination row maps a new source row.
  const PathChoice path(state);
  const TBitmap source = Picture(2 * W, 2 * H);
  TBitmap target(W, H);
  Measure(state, static_cast<size_t>(W) * 3 * H, [&] {
    sk::CreateStretchedSkinImage(target, source, {0, 0, 2 * W, 2 * H}, true, {1, 1, 2 * W - 1, 2 * H - 1});
  });
}
BENCHMARK(BM_Builder_StretchDistinctRows)->Arg(0)->Arg(2);

// Arguments: the mean run length, then the path (0 portable, 2 AVX-512).
void BM_MaskScan(benchmark::State& state) {
  const int meanRun = static_cast<int>(state.range(0));
  sk::SetWidestPixelPath(static_cast<sk::TPixelPath>(state.range(1)));
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
  // The reference reads the same bytes looking for one that is not there.
  const uint8_t* bytes = mask.ScanLine(0);
  const size_t size = static_cast<size_t>(mask.RowBytes()) * H;
  const double reference = FastestCall([&] { benchmark::DoNotOptimize(std::memchr(bytes, 0x5A, size)); });
  MeasureAgainst(state, "vs_memchr", reference, [&] { benchmark::DoNotOptimize(sk::MaskToRegionData(mask, 0, 0)); });
  state.counters["gpixels_per_s"] = W * H / (state.counters["fastest_us"] * 1e3);
  sk::SetWidePixelPathsAllowed(true);
}
BENCHMARK(BM_MaskScan)->Args({16, 0})->Args({16, 2})->Args({64, 0})->Args({64, 2});

void BM_BitmapBlend(benchmark::State& state) {
  const PathChoice path(state);
  sk::TskBitmap src, dst;
  src.AssignFromBitmap(PhotoPicture(W, H, TPixelFormat::pf32bit, 4));
  dst.AssignFromBitmap(PhotoPicture(W, H, TPixelFormat::pf24bit, 8));
  std::mt19937 rng(4);
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) src.SetPixel(x, y, (src.Pixel(x, y) & 0x00FFFFFFu) | (rng() & 0xFF) << 24);
  }
  src.SetAlphaBlend(true);
  // Both 32-bit pictures are read, one written.
  Measure(state, static_cast<size_t>(W) * H * 8, [&] { src.DrawToBitmap(dst, 0, 0); });
}
BENCHMARK(BM_BitmapBlend)->Arg(0)->Arg(1);

// Effects on photo-like pictures. A 24-bit morph reads two pictures of 3
// bytes a pixel and writes one back, as memcpy of 6 bytes a pixel does.
template <class F>
void EffectBench(benchmark::State& state, size_t bytesPerPixel, F effect) {
  const PathChoice path(state);
  const sk::TskEffectBmp a(PhotoPicture(W, H, TPixelFormat::pf24bit, 5));
  const sk::TskEffectBmp b(PhotoPicture(W, H, TPixelFormat::pf24bit, 6));
  sk::TskEffectBmp work = a;
  Measure(state, static_cast<size_t>(W) * H * bytesPerPixel, [&] { effect(work, b); });
}

void BM_MorphBlend(benchmark::State& s) {
  EffectBench(s, 6, [](sk::TskEffectBmp& a, const sk::TskEffectBmp& b) { a.MorphBlend(b, 0.37); });
}
// Gradients at the factors where every column mixes the two pictures.
void BM_MorphCentreGradient(benchmark::State& s) {
  EffectBench(s, 6, [](sk::TskEffectBmp& a, const sk::TskEffectBmp& b) { a.MorphCentreGradientH(b, 0.0); });
}
void BM_MorphGradientFromLeft(benchmark::State& s) {
  EffectBench(s, 6, [](sk::TskEffectBmp& a, const sk::TskEffectBmp& b) { a.MorphGradientFromLeft(b, 1.0); });
}
void BM_MorphPush(benchmark::State& s) {
  EffectBench(s, 6, [](sk::TskEffectBmp& a, const sk::TskEffectBmp& b) { a.MorphPushFromLeft(b, 0.5); });
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
BENCHMARK(BM_MorphBlend)->Arg(0)->Arg(1);
BENCHMARK(BM_MorphCentreGradient)->Arg(0)->Arg(1);
BENCHMARK(BM_MorphGradientFromLeft)->Arg(0)->Arg(1);
BENCHMARK(BM_MorphPush)->Arg(0)->Arg(1);
BENCHMARK(BM_Invert)->Arg(0)->Arg(1);
BENCHMARK(BM_Brightness)->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_Darkness)->Arg(0)->Arg(1)->Arg(2);
BENCHMARK(BM_Grayscale)->Arg(0)->Arg(1)->Arg(2);

// The reference blur: a plain box of the same radius, rows then columns,
// with running sums and clamped edges, on the same 32-bit pixels.
void BoxBlur(std::vector<uint32_t>& pixels, std::vector<uint32_t>& scratch, int w, int h, int r) {
  const auto pass = [r](const uint32_t* in, uint32_t* out, int n, ptrdiff_t step) {
    uint32_t sum[3] = {0, 0, 0};
    const auto at = [&](int i) { return in[static_cast<ptrdiff_t>(std::clamp(i, 0, n - 1)) * step]; };
    for (int j = -r; j <= r; ++j) {
      for (int c = 0; c < 3; ++c) sum[c] += (at(j) >> (8 * c)) & 0xFF;
    }
    const uint32_t d = static_cast<uint32_t>(2 * r + 1);
    for (int i = 0; i < n; ++i) {
      out[static_cast<ptrdiff_t>(i) * step] = 0xFF000000u | (sum[0] / d) | (sum[1] / d) << 8 | (sum[2] / d) << 16;
      const uint32_t enter = at(i + r + 1), leave = at(i - r);
      for (int c = 0; c < 3; ++c) sum[c] += ((enter >> (8 * c)) & 0xFF) - ((leave >> (8 * c)) & 0xFF);
    }
  };
  for (int y = 0; y < h; ++y)
    pass(pixels.data() + static_cast<size_t>(y) * w, scratch.data() + static_cast<size_t>(y) * w, w, 1);
  for (int x = 0; x < w; ++x) pass(scratch.data() + x, pixels.data() + x, h, w);
}

void BM_BlurImage(benchmark::State& state) {
  const PathChoice path(state);
  sk::TskBitmap b;
  b.AssignFromBitmap(PhotoPicture(W, H, TPixelFormat::pf24bit, 7));
  const int radius = static_cast<int>(state.range(1));
  std::vector<uint32_t> box(static_cast<size_t>(W) * H), scratch(box.size());
  for (int y = 0; y < H; ++y)
    std::memcpy(box.data() + static_cast<size_t>(y) * W, b.Row(y), static_cast<size_t>(W) * 4);
  const double reference = FastestCall([&] { BoxBlur(box, scratch, W, H, radius); });
  MeasureAgainst(state, "vs_box", reference, [&] { sk::BlurImage(b, radius); });
  state.counters["mpixels_per_s"] = W * H / state.counters["fastest_us"];
}
BENCHMARK(BM_BlurImage)->ArgsProduct({{0, 1}, {1, 6, 50}});

}  // namespace

BENCHMARK_MAIN();
