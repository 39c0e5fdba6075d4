// Loading big skin descriptions: the in-memory INI and the skin loader on
// 8,000 and 80,000 entries. Linear loading keeps the time per entry flat
// (x_per_entry_vs_8000 near 1) and within a small factor of a plain line
// split of the same text (x_line_split).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "framework/IniFiles.h"
#include "framework/StringList.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataArchive.h"
#include "skin/data/skZlibCompress.h"

namespace {

enum Shape { kKeys, kSections, kSkinObjects };

// kKeys: one [SKINOBJECTS] list of n entries; kSections: n sections of one
// key each; kSkinObjects: the list of kKeys, loaded as a whole skin.
std::string MakeText(int64_t shape, int n) {
  std::string text;
  if (shape == kSections) {
    for (int i = 0; i < n; ++i) text += "[s" + std::to_string(i) + "]\r\nskinrect=0,0,10,10\r\n";
  } else {
    text = "[SKINOBJECTS]\r\ncount=" + std::to_string(n) + "\r\n";
    for (int i = 0; i < n; ++i) text += std::to_string(i) + "=o" + std::to_string(i) + ":caption\r\n";
  }
  return text;
}

// Thread CPU time: the machine may be shared, and a load never waits.
double CpuNow() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double Seconds(const std::function<void()>& work) {
  const double start = CpuNow();
  work();
  return CpuNow() - start;
}

double Best(int runs, const std::function<void()>& work) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) best = std::min(best, Seconds(work));
  return best;
}

// What the skin loader does with the text: split it, index it, and read
// every entry once.
void LoadIni(int64_t shape, int n, const std::string& text) {
  fw::TStringList lines;
  lines.SetText(text);
  fw::TMemIniFile ini;
  ini.SetStrings(lines);
  size_t bytes = 0;
  for (int i = 0; i < n; ++i) {
    bytes += shape == kSections ? ini.ReadString("s" + std::to_string(i), "skinrect", "").size()
                                : ini.ReadString("SKINOBJECTS", std::to_string(i), "").size();
  }
  benchmark::DoNotOptimize(bytes);
}

std::unique_ptr<sk::TskCompressedStoredSkin> StoredSkinOf(const std::string& text) {
  auto stored = std::make_unique<sk::TskCompressedStoredSkin>(nullptr);
  sk::TskSkinArchive archive;
  archive.Text = text;
  fw::TMemoryStream plain, packed;
  sk::WriteSkinArchive(archive, plain);
  sk::ZCompressStream(plain, packed, 6);
  stored->CompressedData() = std::move(packed);
  return stored;
}

void Load(int64_t shape, int n, const std::string& text, sk::TskCompressedStoredSkin* stored) {
  if (shape == kSkinObjects) {
    sk::TskSkinData data(nullptr);
    data.LoadFromStoredSkin(*stored);
    benchmark::DoNotOptimize(data.ObjectCount());
  } else {
    LoadIni(shape, n, text);
  }
}

void BM_DescriptionLoad(benchmark::State& state) {
  const int64_t shape = state.range(0);
  const int n = static_cast<int>(state.range(1));
  const std::string text = MakeText(shape, n);
  const auto stored = shape == kSkinObjects ? StoredSkinOf(text) : nullptr;
  double best = 1e9;
  for (auto _ : state) best = std::min(best, Seconds([&] { Load(shape, n, text, stored.get()); }));
  state.counters["ns_per_entry"] = best / n * 1e9;
  const double split = Best(20, [&] {
    fw::TStringList lines;
    lines.SetText(text);
    benchmark::DoNotOptimize(lines.Count());
  });
  state.counters["x_line_split"] = best / split;
  if (n > 8000) {
    const std::string small = MakeText(shape, 8000);
    const auto smallStored = shape == kSkinObjects ? StoredSkinOf(small) : nullptr;
    const double smallBest = Best(20, [&] { Load(shape, 8000, small, smallStored.get()); });
    state.counters["x_per_entry_vs_8000"] = (best / n) / (smallBest / 8000);
  }
}
BENCHMARK(BM_DescriptionLoad)
    ->ArgNames({"shape", "entries"})
    ->Args({kKeys, 8000})
    ->Args({kKeys, 80000})
    ->Args({kSections, 8000})
    ->Args({kSections, 80000})
    ->Args({kSkinObjects, 80000})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
