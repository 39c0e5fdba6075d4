#pragma once
// The caption buttons' hints: the default texts by command (from the skin
// data's resource strings, else the program's), and which hint a button
// shows as the mouse enters it.
#include <span>
#include <string>
#include <vector>

#include "skin/form/skFormButtons.h"

namespace sk {

class TskResourceStrData;
class TskSkinData;

struct TskObjectHintTexts {
  std::string close = "Close";
  std::string maximize = "Maximize";
  std::string minimize = "Minimize";
  std::string sysMenu = "System menu";
  std::string rollUp = "Roll Up";
  std::string minimizeToTray = "Minimize to Tray";
  std::string restore = "Restore";
};

// The resource strings' texts; a name they lack (or no strings at all)
// keeps the fallback's text.
TskObjectHintTexts ObjectHintTextsOf(const TskResourceStrData* strings, const TskObjectHintTexts& fallback);

struct TskObjectHints {
  std::vector<std::string> normal;
  std::vector<std::string> restore;  // empty: no restore hint
};

// Each object's hints: its record's, and with useDefault the default texts
// for standard and animated buttons of a known command (the default
// command keeps its own). skinData null: the built-in buttons.
TskObjectHints ObjectHintsOf(std::span<const TskCaptionObjectLayout> objects, const TskSkinData* skinData,
                             bool useDefault, const TskObjectHintTexts& texts);

// The hint shown when the mouse enters: the restore hint while the
// button's restore condition holds and it has one.
const std::string& HintOnEnter(const TskCaptionObjectLayout& object, const TskObjectHints& hints, int index,
                               bool restoreCondition);

}  // namespace sk
