// libFuzzer target: the skin description text, loaded as the skin data
// loads it (an archive without pictures around it) and checked as
// quillet-skin checks it.
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "framework/Exceptions.h"
#include "skin/data/skSkinData.h"
#include "tools/quillet-skin/SkinCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> archive = {3, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0};
  archive.insert(archive.end(), data, data + size);
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
  }
  fw::TStringList lines;
  lines.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
  fw::TMemIniFile ini;
  ini.SetStrings(lines);
  skintool::PictureSizes sizes;
  sizes.main = {64, 64};
  sizes.active = {{32, 32}, {16, 16}};
  skintool::CheckDescription(ini, sizes, false);
  return 0;
}
