#include "skin/form/skFormButtons.h"

#include <array>

#include "skin/data/skSkinData.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

using fw::TPoint;
using fw::TRect;

std::vector<TskCaptionObjectLayout> CaptionObjectsOf(const TskSkinData& skinData) {
  std::vector<TskCaptionObjectLayout> objects;
  for (int i = 0; i < skinData.ObjectCount(); ++i) {
    const TskDataSkinObject* record = skinData.ObjectList(i);
    // Menu-bar buttons are standard buttons of the menu bar, not of the caption.
    if (dynamic_cast<const TskDataSkinMainMenuBarButton*>(record) || dynamic_cast<const TskDataSkinMenuItem*>(record) ||
        dynamic_cast<const TskDataSkinMainMenuItem*>(record)) {
      continue;
    }
    TskCaptionObjectLayout o;
    o.name = record->SectionName;
    o.recordIndex = i;
    o.inPicture = record->SkinRectInAPicture;
    o.skinRect = record->SkinRect;
    o.rect = record->SkinRect;
    if (const auto* button = dynamic_cast<const TskDataSkinStdButton*>(record)) {
      o.kind = TskObjectKind::StdButton;
      o.command = button->Command;
    } else if (dynamic_cast<const TskDataSkinButton*>(record)) {
      o.kind = TskObjectKind::Button;
    } else if (const auto* animate = dynamic_cast<const TskDataSkinAnimate*>(record)) {
      o.kind = TskObjectKind::Animate;
      o.command = animate->Command;
      o.buttonStyle = animate->ButtonStyle;
    } else if (dynamic_cast<const TskDataSkinCaption*>(record)) {
      o.kind = TskObjectKind::Caption;
    } else {
      o.kind = TskObjectKind::User;
    }
    objects.push_back(std::move(o));
  }
  return objects;
}

std::vector<TskCaptionObjectLayout> DefaultCaptionObjects() {
  static constexpr std::array<std::pair<const char*, TskStdCommand>, 6> kButtons = {{
      {"closebutton", cmClose},
      {"maxbutton", cmMaximize},
      {"minbutton", cmMinimize},
      {"rollupbutton", cmRollUp},
      {"sysmenubutton", cmSysMenu},
      {"traybutton", cmMinimizeToTray},
  }};
  std::vector<TskCaptionObjectLayout> objects;
  for (const auto& [name, command] : kButtons) {
    TskCaptionObjectLayout o;
    o.name = name;
    o.kind = TskObjectKind::StdButton;
    o.command = command;
    o.inPicture = true;
    o.skinRect = o.rect = {0, 0, 1, 1};
    objects.push_back(std::move(o));
  }
  return objects;
}

namespace {

bool IsCommandObject(const TskCaptionObjectLayout& o) {
  return o.kind == TskObjectKind::StdButton || o.kind == TskObjectKind::Animate;
}

// A button that is not part of the frame picture shows only when offered;
// one painted into the frame picture stays visible (inert when disabled).
bool ShownWhen(bool enabled, const TskCaptionObjectLayout& o) { return enabled || !o.inPicture; }

}  // namespace

void CheckObjects(std::span<TskCaptionObjectLayout> objects, const TskAvailability& a) {
  for (TskCaptionObjectLayout& o : objects) {
    if (!IsCommandObject(o)) continue;
    if (a.hideCaptionButtons) {
      o.enabled = false;
      o.visible = !o.inPicture;
      continue;
    }
    if (o.kind == TskObjectKind::Animate && !o.buttonStyle) continue;
    switch (o.command) {
      case cmClose: break;
      case cmMaximize:
        o.enabled = (a.borderIcons & biMaximize) != 0;
        o.visible = ShownWhen(o.enabled, o);
        break;
      case cmMinimize:
        o.enabled = (a.borderIcons & biMinimize) != 0;
        o.visible = ShownWhen(o.enabled, o);
        break;
      case cmSysMenu:
        o.enabled = (a.borderIcons & biSystemMenu) != 0 && !a.disableSystemMenu;
        o.visible = ShownWhen(o.enabled, o);
        break;
      case cmDefault: o.visible = a.customObjectsVisible; break;
      case cmRollUp:
        o.enabled = (a.borderIcons & biRollUp) != 0;
        o.visible = ShownWhen(o.enabled, o);
        break;
      case cmMinimizeToTray:
        o.enabled = (a.borderIcons & biMinimizeToTray) != 0;
        o.visible = ShownWhen(o.enabled, o);
        break;
    }
  }
}

namespace {

constexpr std::array<TskStdCommand, 5> kRowOrder = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};

// The buttons of the row in placing order: the first of each command, then
// every default-command button in list order.
template <class Pred>
std::vector<TskCaptionObjectLayout*> RowButtons(std::span<TskCaptionObjectLayout> objects, Pred takesPart) {
  std::vector<TskCaptionObjectLayout*> row;
  for (TskStdCommand command : kRowOrder) {
    for (TskCaptionObjectLayout& o : objects) {
      if (takesPart(o) && o.command == command) {
        row.push_back(&o);
        break;
      }
    }
  }
  for (TskCaptionObjectLayout& o : objects) {
    if (takesPart(o) && o.command == cmDefault) row.push_back(&o);
  }
  return row;
}

template <class Pred>
TskCaptionObjectLayout* FirstOf(std::span<TskCaptionObjectLayout> objects, Pred pred) {
  for (TskCaptionObjectLayout& o : objects) {
    if (pred(o)) return &o;
  }
  return nullptr;
}

TPoint SizeOf(const TskCaptionObjectLayout& o, TPoint smallIconSize) {
  if (o.command == cmSysMenu && smallIconSize.x > 0 && smallIconSize.y > 0) return smallIconSize;
  return {RectWidth(o.skinRect), RectHeight(o.skinRect)};
}

}  // namespace

void ArrangeCaptionButtons(std::span<TskCaptionObjectLayout> objects, const TskFrameSkin& skin, const TskFrameRects& m,
                           TPoint smallIconSize) {
  for (TskCaptionObjectLayout& o : objects) {
    if (!o.inPicture) o.rect = MapObjectRect(o.skinRect, skin, m);
  }
  const bool inButtonsRect = !IsNullRect(m.buttons);
  if (!inButtonsRect && IsNullRect(m.caption)) return;
  const TRect& area = inButtonsRect ? m.buttons : m.caption;
  const int offset = m.buttonsOffset;
  const auto takesPart = [](const TskCaptionObjectLayout& o) { return o.visible && o.inPicture && IsCommandObject(o); };
  const auto isCaption = [](const TskCaptionObjectLayout& o) { return o.kind == TskObjectKind::Caption; };
  TskCaptionObjectLayout* caption = FirstOf(objects, isCaption);
  TskCaptionObjectLayout* sysMenu =
      FirstOf(objects, [&](const TskCaptionObjectLayout& o) { return takesPart(o) && o.command == cmSysMenu; });
  const auto placeSysMenuAtCaptionStart = [&] {
    const TPoint s = SizeOf(*sysMenu, smallIconSize);
    const int top = SaturatedInt(int64_t{m.caption.top} + RectHeight(m.caption) / 2 - s.y / 2);
    sysMenu->rect = {m.caption.left, top, SaturatedSum(m.caption.left, s.x), SaturatedSum(top, s.y)};
  };

  int64_t x = m.buttonsInLeft ? area.left : area.right;
  const int y = area.top;
  const auto row = RowButtons(objects, takesPart);
  if (!m.buttonsInLeft) {
    for (TskCaptionObjectLayout* o : row) {
      const TPoint s = SizeOf(*o, smallIconSize);
      o->rect = {SaturatedInt(x - s.x), y, SaturatedInt(x), SaturatedSum(y, s.y)};
      x = x - s.x - offset;
    }
    if (!inButtonsRect && caption) caption->rect.right = SaturatedInt(x + offset);
    if (sysMenu) {
      placeSysMenuAtCaptionStart();
      if (caption) caption->rect.left = sysMenu->rect.right;
    }
    return;
  }
  for (TskCaptionObjectLayout* o : row) {
    const TPoint s = SizeOf(*o, smallIconSize);
    o->rect = {SaturatedInt(x), y, SaturatedInt(x + s.x), SaturatedSum(y, s.y)};
    x = x + s.x + offset;
  }
  if (!inButtonsRect) {
    if (sysMenu) {
      const TPoint s = SizeOf(*sysMenu, smallIconSize);
      sysMenu->rect = {SaturatedInt(x), y, SaturatedInt(x + s.x), SaturatedSum(y, s.y)};
      x = x + s.x + offset;
    }
    if (caption) caption->rect.left = SaturatedInt(x + offset);
  } else if (sysMenu) {
    // The left-anchored row in a button area of its own leaves the system
    // menu where a right-anchored row puts it: the caption's start.
    placeSysMenuAtCaptionStart();
  }
}

TRect ArrangeDefaultButtons(std::span<TskCaptionObjectLayout> objects, int width, bool toolWindow,
                            TPoint smallIconSize) {
  const int size = DefaultButtonSize(toolWindow);
  TRect caption{kDefaultBorder, kDefaultBorder, SaturatedDiff(width, kDefaultBorder), DefaultCaptionHeight(toolWindow)};
  const auto shown = [](const TskCaptionObjectLayout& o) { return o.visible && IsCommandObject(o); };
  int x = caption.right;
  for (TskStdCommand command : kRowOrder) {
    for (TskCaptionObjectLayout& o : objects) {
      if (shown(o) && o.command == command) {
        o.rect = {SaturatedDiff(x, size), 4, x, 4 + size};
        x = o.rect.left;
        break;
      }
    }
  }
  caption.right = x;
  for (TskCaptionObjectLayout& o : objects) {
    if (shown(o) && o.command == cmSysMenu) {
      const TPoint s = smallIconSize.x > 0 && smallIconSize.y > 0 ? smallIconSize : TPoint{size, size};
      o.rect = {kDefaultBorder, 4, kDefaultBorder + s.x, 4 + s.y};
      caption.left = o.rect.right;
      break;
    }
  }
  return caption;
}

bool PointOnCaptionObject(std::span<const TskCaptionObjectLayout> objects, TPoint p) {
  for (const TskCaptionObjectLayout& o : objects) {
    if (o.kind == TskObjectKind::Caption && o.visible && o.rect.Contains(p)) return true;
  }
  return false;
}

}  // namespace sk
