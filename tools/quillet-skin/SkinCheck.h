#pragma once
// What the skin loader would default or reject in a skin, reported per
// section and key for skin authors.
#include <string>
#include <vector>

#include "framework/Graphics.h"
#include "framework/IniFiles.h"

namespace skintool {

struct Finding {
  bool error;  // the loader would fail; otherwise it falls back to a default
  std::string section;
  std::string key;
  std::string message;
};

struct PictureSizes {
  fw::TPoint main;                 // (0, 0) when absent
  std::vector<fw::TPoint> active;  // width, height of each active picture
};

// Checks a description against the pictures it will be loaded with.
// `forImport`: the text is a skin.ini about to be packed, so a missing
// required section is an error (the import would do nothing).
std::vector<Finding> CheckDescription(const fw::TMemIniFile& ini, const PictureSizes& pictures, bool forImport);

}  // namespace skintool
