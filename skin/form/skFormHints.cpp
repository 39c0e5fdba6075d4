#include "skin/form/skFormHints.h"

#include "skin/data/skSkinData.h"

namespace sk {

namespace {

std::string Text(const TskResourceStrData* strings, std::string_view name, const std::string& fallback) {
  if (!strings) return fallback;
  std::string text = strings->GetResStr(name);
  return text.empty() ? fallback : text;
}

bool TakesCommandHints(const TskCaptionObjectLayout& o) {
  return o.kind == TskObjectKind::StdButton || o.kind == TskObjectKind::Animate;
}

const std::string* DefaultHint(TskStdCommand command, const TskObjectHintTexts& t) {
  switch (command) {
    case cmClose: return &t.close;
    case cmMaximize: return &t.maximize;
    case cmMinimize: return &t.minimize;
    case cmSysMenu: return &t.sysMenu;
    case cmRollUp: return &t.rollUp;
    case cmMinimizeToTray: return &t.minimizeToTray;
    case cmDefault: return nullptr;
  }
  return nullptr;
}

std::string RecordRestoreHint(const TskDataSkinObject* record) {
  if (const auto* std = dynamic_cast<const TskDataSkinStdButton*>(record)) return std->RestoreHint;
  if (const auto* animate = dynamic_cast<const TskDataSkinAnimate*>(record)) return animate->RestoreHint;
  return {};
}

}  // namespace

TskObjectHintTexts ObjectHintTextsOf(const TskResourceStrData* strings, const TskObjectHintTexts& fallback) {
  TskObjectHintTexts t;
  t.close = Text(strings, "CLOSEBUTTON_HINT", fallback.close);
  t.maximize = Text(strings, "MAXBUTTON_HINT", fallback.maximize);
  t.minimize = Text(strings, "MINBUTTON_HINT", fallback.minimize);
  t.sysMenu = Text(strings, "MENUBUTTON_HINT", fallback.sysMenu);
  t.rollUp = Text(strings, "ROLLUPBUTTON_HINT", fallback.rollUp);
  t.minimizeToTray = Text(strings, "TRAYBUTTON_HINT", fallback.minimizeToTray);
  t.restore = Text(strings, "RESTORE_HINT", fallback.restore);
  return t;
}

TskObjectHints ObjectHintsOf(std::span<const TskCaptionObjectLayout> objects, const TskSkinData* skinData,
                             bool useDefault, const TskObjectHintTexts& texts) {
  TskObjectHints hints;
  for (const TskCaptionObjectLayout& o : objects) {
    const TskDataSkinObject* record = skinData && o.recordIndex >= 0 && o.recordIndex < skinData->ObjectCount()
                                          ? skinData->ObjectList(o.recordIndex)
                                          : nullptr;
    std::string normal = record ? record->Hint : std::string();
    std::string restore = RecordRestoreHint(record);
    if (useDefault && TakesCommandHints(o)) {
      if (const std::string* text = DefaultHint(o.command, texts)) {
        normal = *text;
        restore = texts.restore;
      }
    }
    hints.normal.push_back(std::move(normal));
    hints.restore.push_back(std::move(restore));
  }
  return hints;
}

const std::string& HintOnEnter(const TskCaptionObjectLayout& o, const TskObjectHints& hints, int index,
                               bool restoreCondition) {
  const auto i = static_cast<size_t>(index);
  const bool restorable = o.command == cmMaximize || o.command == cmMinimize || o.command == cmRollUp;
  if (TakesCommandHints(o) && restorable && restoreCondition && !hints.restore.at(i).empty()) {
    return hints.restore[i];
  }
  return hints.normal.at(i);
}

}  // namespace sk
