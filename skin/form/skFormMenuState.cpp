#include "skin/form/skFormMenuState.h"

#include <algorithm>
#include <array>

#include "skin/data/skSkinData.h"

namespace sk {

namespace {

constexpr std::array<std::string_view, 6> kStandardNames = {"SKF_MINITEM", "SKF_MAXITEM",   "SKF_RESTORE",
                                                            "SKF_ROLLUP",  "SKF_MINTOTRAY", "SKF_CLOSE"};

bool NotNormal(const TskSysMenuInput& in) { return in.state != TskWindowState::Normal || in.rolledUp; }
bool HasMinimize(const TskSysMenuInput& in) {
  return in.state != TskWindowState::Minimized && (in.borderIcons & biMinimize);
}
bool HasMaximize(const TskSysMenuInput& in) {
  return in.state != TskWindowState::Maximized && (in.borderIcons & biMaximize);
}
bool HasRollUp(const TskSysMenuInput& in) {
  const bool maximizedMdiChild = in.mdiChild && in.state == TskWindowState::Maximized;
  return !in.rolledUp && in.state != TskWindowState::Minimized && !maximizedMdiChild && (in.borderIcons & biRollUp);
}
bool HasMinimizeToTray(const TskSysMenuInput& in) { return in.borderIcons & biMinimizeToTray; }

TskSysMenuEntry Entry(TskSysCommand command, std::string_view name, const std::string& caption) {
  TskSysMenuEntry e;
  e.command = command;
  e.name = std::string(name);
  e.caption = caption;
  return e;
}

TskSysMenuEntry CloseEntry(const TskSysMenuInput& in, const TskSysMenuCaptions& c) {
  TskSysMenuEntry e = Entry(TskSysCommand::Close, "SKF_CLOSE", c.close);
  e.shortCut = in.mdiChild ? "Ctrl+F4" : "Alt+F4";
  return e;
}

std::string Caption(const TskResourceStrData* strings, std::string_view name, const std::string& fallback) {
  if (!strings) return fallback;
  std::string text = strings->GetResStr(name);
  return text.empty() ? fallback : text;
}

}  // namespace

TskSysMenuCaptions SysMenuCaptionsOf(const TskResourceStrData* strings, const TskSysMenuCaptions& fallback) {
  TskSysMenuCaptions c;
  c.minimize = Caption(strings, "MI_MINCAPTION", fallback.minimize);
  c.maximize = Caption(strings, "MI_MAXCAPTION", fallback.maximize);
  c.restore = Caption(strings, "MI_RESTORECAPTION", fallback.restore);
  c.rollUp = Caption(strings, "MI_ROLLUPCAPTION", fallback.rollUp);
  c.minimizeToTray = Caption(strings, "MI_MINTOTRAYCAPTION", fallback.minimizeToTray);
  c.close = Caption(strings, "MI_CLOSECAPTION", fallback.close);
  return c;
}

bool IsStandardSysMenuName(std::string_view name) {
  return std::find(kStandardNames.begin(), kStandardNames.end(), name) != kStandardNames.end();
}

std::vector<TskSysMenuEntry> DefaultSystemMenu(const TskSysMenuInput& in, const TskSysMenuCaptions& c) {
  std::vector<TskSysMenuEntry> items;
  if (HasMinimize(in)) items.push_back(Entry(TskSysCommand::Minimize, "SKF_MINITEM", c.minimize));
  if (HasMaximize(in)) items.push_back(Entry(TskSysCommand::Maximize, "SKF_MAXITEM", c.maximize));
  if (NotNormal(in)) items.push_back(Entry(TskSysCommand::Restore, "SKF_RESTORE", c.restore));
  if (HasRollUp(in)) items.push_back(Entry(TskSysCommand::RollUp, "SKF_ROLLUP", c.rollUp));
  if (HasMinimizeToTray(in)) items.push_back(Entry(TskSysCommand::MinimizeToTray, "SKF_MINTOTRAY", c.minimizeToTray));
  if (!items.empty()) items.push_back(Entry(TskSysCommand::Separator, "", "-"));
  items.push_back(CloseEntry(in, c));
  return items;
}

std::vector<TskSysMenuEntry> MergedSystemMenu(const TskSysMenuInput& in, const TskSysMenuCaptions& c,
                                              std::span<const std::string> appItemNames) {
  // Restore sits above maximise here, unlike the default menu: the entries
  // go in at the top one by one in the reverse of this order.
  std::vector<TskSysMenuEntry> items;
  if (HasMinimize(in)) items.push_back(Entry(TskSysCommand::Minimize, "SKF_MINITEM", c.minimize));
  if (NotNormal(in)) items.push_back(Entry(TskSysCommand::Restore, "SKF_RESTORE", c.restore));
  if (HasMaximize(in)) items.push_back(Entry(TskSysCommand::Maximize, "SKF_MAXITEM", c.maximize));
  if (HasRollUp(in)) items.push_back(Entry(TskSysCommand::RollUp, "SKF_ROLLUP", c.rollUp));
  if (HasMinimizeToTray(in)) items.push_back(Entry(TskSysCommand::MinimizeToTray, "SKF_MINTOTRAY", c.minimizeToTray));
  for (size_t i = 0; i < appItemNames.size(); ++i) {
    if (IsStandardSysMenuName(appItemNames[i])) continue;
    TskSysMenuEntry e;
    e.command = TskSysCommand::Application;
    e.name = appItemNames[i];
    e.appIndex = static_cast<int>(i);
    items.push_back(std::move(e));
  }
  items.push_back(CloseEntry(in, c));
  return items;
}

std::optional<TskStdCommand> StdCommandOf(TskSysCommand command, const TskSysMenuInput& in) {
  switch (command) {
    case TskSysCommand::Minimize: return cmMinimize;
    case TskSysCommand::Maximize: return cmMaximize;
    case TskSysCommand::RollUp: return cmRollUp;
    case TskSysCommand::MinimizeToTray: return cmMinimizeToTray;
    case TskSysCommand::Close: return cmClose;
    case TskSysCommand::Restore:
      // The caption buttons toggle: roll-up rolls down, maximise and
      // minimise go back to normal from their own state.
      if (in.rolledUp && (in.state == TskWindowState::Normal || in.rolledUpWhileMaximized)) return cmRollUp;
      if (in.state == TskWindowState::Maximized) return cmMaximize;
      if (in.state == TskWindowState::Minimized) return cmMinimize;
      return std::nullopt;
    case TskSysCommand::Separator:
    case TskSysCommand::Application: return std::nullopt;
  }
  return std::nullopt;
}

std::vector<TskSysMenuEntry> TrayMenu(const TskSysMenuCaptions& c) {
  return {Entry(TskSysCommand::Restore, "TRAY_SKF_RESTORE", c.restore), Entry(TskSysCommand::Separator, "", "-"),
          Entry(TskSysCommand::Close, "TRAY_SKF_CLOSE", c.close)};
}

}  // namespace sk
