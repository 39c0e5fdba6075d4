#pragma once
// The skinned form's system menu and tray menu as plain entries (built
// afresh for the window's state at each request, or merged into an
// application's own system menu), and the bookkeeping of the skinned menus
// being open: the application's message handler is swapped for ours while
// one is, so keys reach the menu and never the focused control.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/form/skFormButtons.h"
#include "skin/form/skFormWindowState.h"

namespace sk {

class TskResourceStrData;

enum class TskSysCommand { Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close, Separator, Application };

struct TskSysMenuEntry {
  TskSysCommand command = TskSysCommand::Separator;
  std::string name;      // the item's component name, by which it is found again
  std::string caption;   // "-" for a separator
  std::string shortCut;  // Close only
  int appIndex = -1;     // Application: the item's index in the application's menu
  friend bool operator==(const TskSysMenuEntry&, const TskSysMenuEntry&) = default;
};

// The window as the menu sees it.
struct TskSysMenuInput {
  TskWindowState state = TskWindowState::Normal;
  bool rolledUp = false;
  bool mdiChild = false;
  TskBorderIcons borderIcons = kDefaultBorderIcons;
  bool rolledUpWhileMaximized = false;  // rolled up after maximising
};

struct TskSysMenuCaptions {
  std::string minimize = "Mi&nimize";
  std::string maximize = "Ma&ximize";
  std::string restore = "&Restore";
  std::string rollUp = "Ro&llUp";
  std::string minimizeToTray = "Minimize to &Tray";
  std::string close = "&Close";
};

// The skin's resource strings where they name a caption, else `fallback`
// (the program's string table).
TskSysMenuCaptions SysMenuCaptionsOf(const TskResourceStrData* strings, const TskSysMenuCaptions& fallback);

// The names of the standard entries in an application's menu.
bool IsStandardSysMenuName(std::string_view name);

// Minimise, maximise, restore, roll up, minimise to tray as the state
// allows, a separator when any of them is there, and close.
std::vector<TskSysMenuEntry> DefaultSystemMenu(const TskSysMenuInput& in, const TskSysMenuCaptions& captions);

// The application's items (by name, in order) with the standard entries of
// the state above them and close below, no separator before close. Standard
// entries the application's menu already holds are dropped from it.
std::vector<TskSysMenuEntry> MergedSystemMenu(const TskSysMenuInput& in, const TskSysMenuCaptions& captions,
                                              std::span<const std::string> appItemNames);

// The caption-button command an entry runs in that state; none for a
// separator, an application's item, or a restore with nothing to restore.
// Restore rolls down a window rolled up in the normal state or after
// maximising, else takes a maximised or minimised window back to normal.
std::optional<TskStdCommand> StdCommandOf(TskSysCommand command, const TskSysMenuInput& in);

// The tray icon's menu: restore, a separator, close.
std::vector<TskSysMenuEntry> TrayMenu(const TskSysMenuCaptions& captions);

// Whether a skinned menu of the form is open, and the application's message
// handler saved meanwhile. Handler is any value comparable with ==.
template <class Handler>
class TskMenuOpenState {
 public:
  bool IsOpen() const { return open_; }

  // A skinned popup opens. Our handler goes in only once per open spell (a
  // second open would save ours as "the previous" and swallow every key
  // after the close), and not in keyboard main-menu mode. True when the
  // state went from closed to open.
  bool Open(Handler& appHandler, const Handler& own, bool mainMenuMode) {
    if (!swapped_ && !mainMenuMode) {
      saved_ = appHandler;
      appHandler = own;
      swapped_ = true;
    }
    const bool first = !open_;
    open_ = true;
    return first;
  }

  // The menu closed. The saved handler comes back only if ours is still
  // the one installed: one set by someone else meanwhile stays. True when
  // the state was open.
  bool Close(Handler& appHandler, const Handler& own) {
    if (swapped_) {
      if (appHandler == own) appHandler = saved_;
      saved_ = Handler{};
      swapped_ = false;
    }
    const bool was = open_;
    open_ = false;
    return was;
  }

 private:
  bool open_ = false;
  bool swapped_ = false;
  Handler saved_{};
};

}  // namespace sk
