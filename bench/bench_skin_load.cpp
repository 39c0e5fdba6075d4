// Loading a skin (inflate, pictures, description parse) against plain zlib
// inflate of the same compressed bytes. The ratio counter says how much the
// load costs beyond decompression itself.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "skin/data/skSkinData.h"
#include "skin/data/skSkinStoredSkin.h"
#include "skin/data/skZlibCompress.h"

namespace {

using Clock = std::chrono::steady_clock;

// The program's own skin, packed as the build packs it.
const std::vector<uint8_t>& CompressedSkin() {
  static const std::vector<uint8_t> bytes = [] {
    sk::TskCompressedStoredSkin stored(nullptr);
    stored.ImportSkinFolder(std::string(QUILLET_SKIN_DIR) + "/skin.ini");
    return stored.CompressedData().Bytes();
  }();
  return bytes;
}

size_t ArchiveSize() {
  static const size_t size = [] {
    fw::TMemoryStream source(CompressedSkin()), out;
    sk::ZDecompressStream(source, out, int64_t{1} << 30);
    return out.Bytes().size();
  }();
  return size;
}

double InflateOnce(std::vector<uint8_t>& out) {
  const auto start = Clock::now();
  uLongf size = static_cast<uLongf>(out.size());
  uncompress(out.data(), &size, CompressedSkin().data(), static_cast<uLong>(CompressedSkin().size()));
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The best of many plain inflates: the yardstick of the ratio.
double InflateSeconds() {
  static const double seconds = [] {
    std::vector<uint8_t> out(ArchiveSize());
    double best = 1e9;
    for (int i = 0; i < 200; ++i) best = std::min(best, InflateOnce(out));
    return best;
  }();
  return seconds;
}

void BM_ZlibInflate(benchmark::State& state) {
  std::vector<uint8_t> out(ArchiveSize());
  for (auto _ : state) {
    InflateOnce(out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(ArchiveSize()));
}
BENCHMARK(BM_ZlibInflate);

void BM_SkinLoad(benchmark::State& state) {
  sk::TskCompressedStoredSkin stored(nullptr);
  stored.CompressedData() = fw::TMemoryStream(CompressedSkin());
  sk::TskSkinData data(nullptr);
  double best = 1e9;
  for (auto _ : state) {
    const auto start = Clock::now();
    data.LoadFromStoredSkin(stored);
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(ArchiveSize()));
  state.counters["compressed_bytes"] = static_cast<double>(CompressedSkin().size());
  state.counters["archive_bytes"] = static_cast<double>(ArchiveSize());
  // Best load against best plain inflate of the same bytes.
  state.counters["x_inflate"] = best / InflateSeconds();
}
BENCHMARK(BM_SkinLoad);

}  // namespace

BENCHMARK_MAIN();
