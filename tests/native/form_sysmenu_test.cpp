// The skinned form's system menu per window state, merged into an
// application's menu, its captions from the skin's strings, the tray menu,
// and the handler swap while a skinned menu is open.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "skin/data/skSkinData.h"
#include "skin/form/skFormMenuState.h"
#include "skin/form/skFormObjectState.h"

namespace {

using sk::TskWindowState;

// "caption|caption|..." of the entries, with the close entry's short cut.
std::string Shown(const std::vector<sk::TskSysMenuEntry>& items) {
  std::string out;
  for (const auto& e : items) {
    if (!out.empty()) out += "|";
    out += e.caption;
    if (!e.shortCut.empty()) out += " " + e.shortCut;
  }
  return out;
}

constexpr sk::TskBorderIcons kAll = sk::kDefaultBorderIcons | sk::biMinimizeToTray;

TEST(FormSystemMenu, EntriesPerState) {
  struct Case {
    TskWindowState state;
    bool rolledUp, mdiChild;
    sk::TskBorderIcons icons;
    const char* expected;
  } cases[] = {
      {TskWindowState::Normal, false, false, kAll, "Mi&nimize|Ma&ximize|Ro&llUp|Minimize to &Tray|-|&Close Alt+F4"},
      {TskWindowState::Maximized, false, false, kAll, "Mi&nimize|&Restore|Ro&llUp|Minimize to &Tray|-|&Close Alt+F4"},
      {TskWindowState::Normal, true, false, kAll, "Mi&nimize|Ma&ximize|&Restore|Minimize to &Tray|-|&Close Alt+F4"},
      {TskWindowState::Minimized, false, false, kAll, "Ma&ximize|&Restore|Minimize to &Tray|-|&Close Alt+F4"},
      {TskWindowState::Maximized, true, false, kAll, "Mi&nimize|&Restore|Minimize to &Tray|-|&Close Alt+F4"},
      // A maximised MDI child does not roll up; its close key is Ctrl+F4.
      {TskWindowState::Maximized, false, true, kAll, "Mi&nimize|&Restore|Minimize to &Tray|-|&Close Ctrl+F4"},
      {TskWindowState::Normal, false, false, sk::kDefaultBorderIcons, "Mi&nimize|Ma&ximize|Ro&llUp|-|&Close Alt+F4"},
      // Nothing above close: no separator either.
      {TskWindowState::Normal, false, false, sk::biSystemMenu, "&Close Alt+F4"},
  };
  for (const Case& c : cases) {
    const sk::TskSysMenuInput in{c.state, c.rolledUp, c.mdiChild, c.icons};
    EXPECT_EQ(Shown(sk::DefaultSystemMenu(in, {})), c.expected) << static_cast<int>(c.state) << c.rolledUp;
  }
  const auto items = sk::DefaultSystemMenu({}, {});
  std::vector<std::string> names;
  for (const auto& e : items) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"SKF_MINITEM", "SKF_MAXITEM", "SKF_ROLLUP", "", "SKF_CLOSE"}))
      << "entries keep their names";
  EXPECT_EQ(items.back().command, sk::TskSysCommand::Close);
}

TEST(FormSystemMenu, MergedIntoTheApplicationsMenu) {
  // The application's own items stay between the standard ones and close;
  // standard entries it already holds (from an earlier request) go.
  const std::vector<std::string> app = {"SKF_MINITEM", "AboutItem", "SKF_CLOSE", "OptionsItem", "SKF_RESTORE"};
  sk::TskSysMenuInput in;
  in.state = TskWindowState::Maximized;
  in.borderIcons = kAll;
  const auto items = sk::MergedSystemMenu(in, {}, app);
  EXPECT_EQ(Shown(items), "Mi&nimize|&Restore|Ro&llUp|Minimize to &Tray|||&Close Alt+F4");
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[4].name, "AboutItem");
  EXPECT_EQ(items[4].appIndex, 1);
  EXPECT_EQ(items[5].appIndex, 3);
  EXPECT_EQ(items[5].command, sk::TskSysCommand::Application);
  // Rolled up in the normal state: restore above maximise, unlike the default menu.
  in.state = TskWindowState::Normal;
  in.rolledUp = true;
  EXPECT_EQ(Shown(sk::MergedSystemMenu(in, {}, {})), "Mi&nimize|&Restore|Ma&ximize|Minimize to &Tray|&Close Alt+F4");
  EXPECT_TRUE(sk::IsStandardSysMenuName("SKF_MINTOTRAY"));
  EXPECT_FALSE(sk::IsStandardSysMenuName("TRAY_SKF_CLOSE"));
}

TEST(FormSystemMenu, CaptionsFromTheSkinsStrings) {
  sk::TskResourceStrData strings(nullptr);
  EXPECT_EQ(sk::SysMenuCaptionsOf(&strings, {}).rollUp, "Ro&llUp");
  strings.SetResStrings(fw::TStringList({"MI_CLOSECAPTION=&Schließen", "MI_MAXCAPTION="}));
  sk::TskSysMenuCaptions table;
  table.maximize = "Max (table)";
  const auto c = sk::SysMenuCaptionsOf(&strings, table);
  EXPECT_EQ(c.close, "&Schließen");
  EXPECT_EQ(c.maximize, "Max (table)");  // an empty string is no caption
  EXPECT_EQ(c.minimize, "Mi&nimize");
  EXPECT_EQ(sk::SysMenuCaptionsOf(nullptr, table).maximize, "Max (table)");
  EXPECT_EQ(Shown(sk::TrayMenu(c)), "&Restore|-|&Schließen");
  EXPECT_EQ(sk::TrayMenu(c).front().name, "TRAY_SKF_RESTORE");
}

TEST(FormSystemMenu, EntriesRunTheCaptionButtonsCommands) {
  using C = sk::TskSysCommand;
  const sk::TskSysMenuInput normal{};
  EXPECT_EQ(sk::StdCommandOf(C::Minimize, normal), sk::cmMinimize);
  EXPECT_EQ(sk::StdCommandOf(C::Maximize, normal), sk::cmMaximize);
  EXPECT_EQ(sk::StdCommandOf(C::RollUp, normal), sk::cmRollUp);
  EXPECT_EQ(sk::StdCommandOf(C::MinimizeToTray, normal), sk::cmMinimizeToTray);
  EXPECT_EQ(sk::StdCommandOf(C::Close, normal), sk::cmClose);
  EXPECT_EQ(sk::StdCommandOf(C::Separator, normal), std::nullopt);
  EXPECT_EQ(sk::StdCommandOf(C::Application, normal), std::nullopt);

  // Restore: the buttons toggle, so it takes the one that leads back.
  struct Case {
    TskWindowState state;
    bool rolledUp, rolledUpWhileMaximized;
    std::optional<sk::TskStdCommand> expected;
  } cases[] = {
      {TskWindowState::Normal, true, false, sk::cmRollUp},       // rolled up: rolls down
      {TskWindowState::Maximized, true, true, sk::cmRollUp},     // rolled up after maximising: rolls down
      {TskWindowState::Maximized, true, false, sk::cmMaximize},  // maximised while rolled up: back to normal
      {TskWindowState::Maximized, false, false, sk::cmMaximize},
      {TskWindowState::Minimized, false, false, sk::cmMinimize},
      {TskWindowState::Normal, false, false, std::nullopt},  // nothing to restore
  };
  for (const Case& c : cases) {
    sk::TskSysMenuInput in;
    in.state = c.state;
    in.rolledUp = c.rolledUp;
    in.rolledUpWhileMaximized = c.rolledUpWhileMaximized;
    EXPECT_EQ(sk::StdCommandOf(C::Restore, in), c.expected) << static_cast<int>(c.state) << c.rolledUp;
  }
}

TEST(FormSystemMenu, TheSystemMenuButtonStaysPressedUntilItsMenuCloses) {
  const auto objects = sk::DefaultCaptionObjects();
  sk::TskCaptionObjectTracker tracker;
  tracker.Reset(sk::ObjectStatesOf(objects, nullptr));
  int sysMenu = -1, close = -1;
  for (size_t i = 0; i < objects.size(); ++i) {
    if (objects[i].command == sk::cmSysMenu) sysMenu = static_cast<int>(i);
    if (objects[i].command == sk::cmClose) close = static_cast<int>(i);
  }
  ASSERT_NE(sysMenu, -1);
  tracker.TestActive(sysMenu, true);
  const sk::TskObjectEffects down = tracker.MouseDown(sk::TskMouseButton::Left);
  EXPECT_EQ(down.menuObject, sysMenu) << "the press opens the system menu";
  tracker.MouseUp(sk::TskMouseButton::Left);
  EXPECT_TRUE(tracker.State(sysMenu).pressed) << "released while its menu is still open";
  const sk::TskObjectEffects closed = tracker.MenuClosed();
  EXPECT_FALSE(tracker.State(sysMenu).pressed);
  EXPECT_NE(std::find(closed.drawNow.begin(), closed.drawNow.end(), sysMenu), closed.drawNow.end());

  // A button without a menu comes up with the release, and has no menu to open.
  tracker.TestActive(close, true);
  EXPECT_EQ(tracker.MouseDown(sk::TskMouseButton::Left).menuObject, -1);
  tracker.MouseUp(sk::TskMouseButton::Left);
  EXPECT_FALSE(tracker.State(close).pressed);
}

TEST(FormMenuOpenState, OpenTwiceThenCloseGivesTheOriginalHandlerBack) {
  sk::TskMenuOpenState<int> state;
  int app = 1;
  const int own = 2;
  EXPECT_TRUE(state.Open(app, own, false));
  EXPECT_EQ(app, own);
  EXPECT_FALSE(state.Open(app, own, false));  // a second menu while one is open
  EXPECT_TRUE(state.IsOpen());
  EXPECT_TRUE(state.Close(app, own));
  EXPECT_EQ(app, 1);
  EXPECT_FALSE(state.Close(app, own));
  EXPECT_EQ(app, 1);
  // A handler someone else installed meanwhile is left alone.
  state.Open(app, own, false);
  app = 7;
  state.Close(app, own);
  EXPECT_EQ(app, 7);
  // In keyboard main-menu mode the handler is not swapped.
  EXPECT_TRUE(state.Open(app, own, true));
  EXPECT_EQ(app, 7);
  state.Close(app, own);
  EXPECT_EQ(app, 7);
}

}  // namespace
