// Loading a skin (inflate, pictures, description parse) against plain zlib
// inflate of the same compressed bytes. The ratio counter says how much the
// load costs beyond decompression itself.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "framework/Bmp.h"
#include "skin/skSkinData.h"
#include "skin/skSkinDataArchive.h"
#include "skin/skZlibCompress.h"

namespace {

using Clock = std::chrono::steady_clock;

fw::TBitmap Picture(int w, int h, fw::TPixelFormat format) {
  fw::TBitmap b(w, h, format);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = b.ScanLine(y);
    for (int i = 0; i < b.RowBytes(); ++i) row[i] = static_cast<uint8_t>((i * 7 + y * 13) % 251 / 16 * 16);
  }
  return b;
}

// A skin shaped like the program's own: the same picture sizes and depths,
// 13 objects and 64 controls with typical keys.
std::string Description() {
  std::string t =
      "[VERSION]\r\nskinname=bench\r\n[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\n"
      "activepicturescount=8\r\n";
  for (int i = 0; i < 8; ++i) t += std::to_string(i) + "=p" + std::to_string(i) + ".bmp\r\n";
  t += "[FORMINFO]\r\nlefttoppoint=10,30\r\nrighttoppoint=270,30\r\nleftbottompoint=10,200\r\n"
       "rightbottompoint=270,200\r\nclientrect=4,27,281,206\r\nbuttonsrect=200,4,280,24\r\n"
       "[POPUPWINDOW]\r\nwindowpictureindex=2\r\n[HINTWINDOW]\r\nwindowpictureindex=1\r\n[SKINCOLORS]\r\n"
       "[SKINOBJECTS]\r\ncount=13\r\n";
  for (int i = 0; i < 13; ++i) t += std::to_string(i) + "=obj" + std::to_string(i) + ":stdbutton\r\n";
  for (int i = 0; i < 13; ++i) {
    t += "[obj" + std::to_string(i) + "]\r\nhint=Close\r\ncommand=cmclose\r\nactivepictureindex=0\r\n"
         "skinrect=250,5,266,21\r\nactiveskinrect=0,0,16,16\r\ndownrect=16,0,32,16\r\nmorphing=1\r\n";
  }
  t += "[SKINCONTROLS]\r\ncount=64\r\n";
  for (int i = 0; i < 64; ++i) t += std::to_string(i) + "=ctl" + std::to_string(i) + (i % 2 ? ":panel" : ":button") + "\r\n";
  for (int i = 0; i < 64; ++i) {
    t += "[ctl" + std::to_string(i) + "]\r\npictureindex=4\r\nskinrect=141,4,200,56\r\nlefttoppoint=5,4\r\n"
         "righttoppoint=53,6\r\nleftbottompoint=6,45\r\nrightbottompoint=53,46\r\nclientrect=2,2,57,50\r\n"
         "fontname=Arial\r\nfontheight=12\r\nfontstyle=fsbold\r\nactiveskinrect=0,0,10,10\r\n";
  }
  return t;
}

const std::vector<uint8_t>& CompressedSkin() {
  static const std::vector<uint8_t> bytes = [] {
    sk::TskSkinArchive archive;
    archive.Picture = Picture(285, 210, fw::TPixelFormat::pf24bit);
    archive.Mask = Picture(285, 210, fw::TPixelFormat::pf8bit);
    const int sizes[][3] = {{75, 263, 24}, {28, 21, 24}, {93, 55, 24}, {132, 126, 24},
                            {556, 410, 24}, {219, 178, 24}, {93, 55, 4}, {28, 21, 1}};
    for (const auto& s : sizes) {
      const auto format = s[2] == 24 ? fw::TPixelFormat::pf24bit
                          : s[2] == 4 ? fw::TPixelFormat::pf4bit
                                      : fw::TPixelFormat::pf1bit;
      archive.ActivePictures.push_back(Picture(s[0], s[1], format));
    }
    archive.Text = Description();
    fw::TMemoryStream raw, packed;
    sk::WriteSkinArchive(archive, raw);
    sk::ZCompressStream(raw, packed, 9);
    return packed.Bytes();
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
