#include "skin/form/skFormObjectState.h"

#include <algorithm>

#include "skin/data/skSkinData.h"
#include "skin/pixels/skUtilsRects.h"

namespace sk {

bool TskObjectState::NeedsMorphStep() const {
  if (kind == TskObjectKind::Button || kind == TskObjectKind::StdButton) {
    if (pressed && hasMenu) return false;
  }
  return activeLook ? morphStep < kMorphSteps : morphStep > 0;
}

std::vector<TskObjectState> ObjectStatesOf(std::span<const TskCaptionObjectLayout> objects,
                                           const TskSkinData* skinData) {
  const bool effects = skinData && !skinData->Empty() && skinData->EnableSkinEffects();
  std::vector<TskObjectState> states;
  states.reserve(objects.size());
  for (const TskCaptionObjectLayout& o : objects) {
    TskObjectState s;
    s.kind = o.kind;
    s.command = o.command;
    s.buttonStyle = o.buttonStyle;
    s.enabled = o.enabled;
    s.visible = o.visible;
    // The system-menu button's menu is the system menu: it stays pressed
    // until that closes.
    s.hasMenu = o.kind == TskObjectKind::StdButton && o.command == cmSysMenu;
    const TskDataSkinObject* record = skinData && o.recordIndex >= 0 && o.recordIndex < skinData->ObjectCount()
                                          ? skinData->ObjectList(o.recordIndex)
                                          : nullptr;
    if (!record) {
      // Built-in buttons draw their own hover look.
      s.hasActiveLook = true;
    } else {
      // Without its picture an object has no active look at all.
      s.hasActiveLook = skinData->ActivePicture(record->ActivePictureIndex) && !IsNullRect(record->ActiveSkinRect);
      s.morphing = effects && record->Morphing && s.hasActiveLook && o.kind != TskObjectKind::Animate;
      if (const auto* button = dynamic_cast<const TskDataSkinButton*>(record)) {
        s.hasDownRect = !IsNullRect(button->DownRect);
      } else if (const auto* animate = dynamic_cast<const TskDataSkinAnimate*>(record)) {
        s.hasDownRect = !IsNullRect(animate->DownSkinRect);
        s.animates = true;
        s.countFrames = std::max(1, animate->CountFrames);
        s.frameInterval = std::max(25, animate->TimerInterval);
        s.cycle = animate->Cycle;
      } else if (const auto* caption = dynamic_cast<const TskDataSkinCaption*>(record)) {
        s.animates = effects && !IsNullRect(caption->AnimateSkinRect) && caption->FrameCount > 0;
        s.frameIndex = 0;
        s.elapsed = 0;
        s.countFrames = caption->FrameCount;
        s.frameInterval = caption->AnimateInterval;
        s.inactiveAnimation = caption->InActiveAnimation;
      }
    }
    states.push_back(s);
  }
  return states;
}

void TskObjectEffects::Merge(const TskObjectEffects& more) {
  events.insert(events.end(), more.events.begin(), more.events.end());
  for (int i : more.drawNow) {
    if (std::find(drawNow.begin(), drawNow.end(), i) == drawNow.end()) drawNow.push_back(i);
  }
  startMorphTimer = startMorphTimer || more.startMorphTimer;
  startAnimationTimer = startAnimationTimer || more.startAnimationTimer;
  setCapture = setCapture || more.setCapture;
  releaseCapture = releaseCapture || more.releaseCapture;
  if (more.commandObject != -1) {
    commandObject = more.commandObject;
    command = more.command;
  }
  if (more.menuObject != -1) menuObject = more.menuObject;
  closeMenu = closeMenu || more.closeMenu;
  closeForm = closeForm || more.closeForm;
  repaintFrame = repaintFrame || more.repaintFrame;
}

void TskCaptionObjectTracker::Reset(std::vector<TskObjectState> states) {
  states_ = std::move(states);
  ForgetIndices();
}

bool TskCaptionObjectTracker::IsButton(int i) const {
  const TskObjectKind k = State(i).kind;
  return k == TskObjectKind::Button || k == TskObjectKind::StdButton;
}

void TskCaptionObjectTracker::ReDraw(int i, TskObjectEffects& fx) const {
  if (State(i).morphing) {
    fx.startMorphTimer = true;
  } else if (std::find(fx.drawNow.begin(), fx.drawNow.end(), i) == fx.drawNow.end()) {
    fx.drawNow.push_back(i);
  }
}

void TskCaptionObjectTracker::SetPressed(int i, bool pressed, TskObjectEffects& fx) {
  TskObjectState& s = states_[static_cast<size_t>(i)];
  s.pressed = pressed;
  // The pressed look shows at once, not after a morph.
  if (s.morphing && s.activeLook) s.morphStep = kMorphSteps;
  if (std::find(fx.drawNow.begin(), fx.drawNow.end(), i) == fx.drawNow.end()) fx.drawNow.push_back(i);
  if (s.morphing && !pressed) ReDraw(i, fx);
}

TskObjectEffects TskCaptionObjectTracker::MouseEnter(int i) {
  TskObjectEffects fx;
  TskObjectState& s = states_[static_cast<size_t>(i)];
  fx.events.push_back({TskObjectEvent::Enter, i});
  s.hovered = true;
  if (s.kind == TskObjectKind::Caption) return fx;
  if (s.kind == TskObjectKind::Animate) {
    RunFrames(i, true, fx);
    return fx;
  }
  s.activeLook = true;
  if (IsButton(i) && s.pressed && s.hasDownRect) {
    // Back over the button it pressed: the down look, without morphing.
    if (s.morphing) s.morphStep = kMorphSteps;
    fx.drawNow.push_back(i);
  } else if (s.hasActiveLook) {
    ReDraw(i, fx);
  }
  return fx;
}

TskObjectEffects TskCaptionObjectTracker::MouseLeave(int i) {
  TskObjectEffects fx;
  TskObjectState& s = states_[static_cast<size_t>(i)];
  fx.events.push_back({TskObjectEvent::Leave, i});
  s.hovered = false;
  if (s.kind == TskObjectKind::Caption) return fx;
  if (s.kind == TskObjectKind::Animate) {
    RunFrames(i, false, fx);
    return fx;
  }
  s.activeLook = false;
  if (IsButton(i)) {
    if (!(s.pressed && s.hasMenu)) {
      fx.drawNow.push_back(i);
      ReDraw(i, fx);
    }
  } else if (s.hasActiveLook) {
    ReDraw(i, fx);
  }
  return fx;
}

void TskCaptionObjectTracker::RunFrames(int i, bool forward, TskObjectEffects& fx) {
  TskObjectState& s = states_[static_cast<size_t>(i)];
  // The menu's look holds until the menu closes.
  if (s.menuOpen || !s.buttonStyle) return;
  s.activeLook = true;
  s.framesForward = forward;
  if (s.pressed && s.hasDownRect) {
    fx.drawNow.push_back(i);
  } else {
    fx.startAnimationTimer = true;
  }
}

TskObjectEffects TskCaptionObjectTracker::TestActive(int hit, bool inside) {
  TskObjectEffects fx;
  if (states_.empty()) return fx;
  if (hit >= static_cast<int>(states_.size())) hit = -1;
  prevHoverIndex_ = hoverIndex_;
  hoverIndex_ = inside ? hit : -1;
  // An object holding the capture keeps every other from lighting up.
  if (captureIndex_ != -1 && captureIndex_ != hoverIndex_) hoverIndex_ = -1;
  if (hoverIndex_ == prevHoverIndex_) return fx;
  const auto live = [&](int i) { return i != -1 && State(i).enabled && State(i).visible; };
  if (live(prevHoverIndex_)) fx.Merge(MouseLeave(prevHoverIndex_));
  if (live(hoverIndex_)) fx.Merge(MouseEnter(hoverIndex_));
  return fx;
}

void TskCaptionObjectTracker::DoCommand(int i, TskObjectEffects& fx) {
  const TskStdCommand command = State(i).command;
  switch (command) {
    case cmClose:
    case cmMaximize:
    case cmMinimize:
    case cmMinimizeToTray:
      // The window is about to change under the mouse: nothing stays lit.
      fx.Merge(ClearHover());
      break;
    case cmSysMenu:
    case cmDefault:
      if (State(i).kind == TskObjectKind::Animate) fx.menuObject = i;
      return;
    case cmRollUp: break;
  }
  fx.commandObject = i;
  fx.command = command;
}

TskObjectEffects TskCaptionObjectTracker::MouseDown(TskMouseButton button) {
  TskObjectEffects fx;
  if (hoverIndex_ == -1) return fx;
  const int i = hoverIndex_;
  TskObjectState& s = states_[static_cast<size_t>(i)];
  if (s.kind != TskObjectKind::Caption) fx.setCapture = true;
  captureIndex_ = i;
  const bool left = button == TskMouseButton::Left;
  switch (s.kind) {
    case TskObjectKind::StdButton:
      if (s.enabled && left && !s.pressed) {
        SetPressed(i, true, fx);
        if (s.command == cmSysMenu) fx.menuObject = i;
      }
      break;
    case TskObjectKind::Button:
      if (s.enabled && left && !s.pressed) {
        SetPressed(i, true, fx);
        if (s.hasMenu) fx.menuObject = i;
      }
      fx.events.push_back({TskObjectEvent::Down, i});
      break;
    case TskObjectKind::Animate:
      fx.events.push_back({TskObjectEvent::Down, i});
      if (s.hasDownRect && left) {
        s.frameIndex = s.countFrames;
        s.pressed = true;
        fx.drawNow.push_back(i);
      }
      if (s.command == cmSysMenu && s.hovered && s.buttonStyle && left) DoCommand(i, fx);
      break;
    default: fx.events.push_back({TskObjectEvent::Down, i}); break;
  }
  return fx;
}

TskObjectEffects TskCaptionObjectTracker::MouseUp(TskMouseButton button) {
  TskObjectEffects fx;
  if (captureIndex_ == -1) return fx;
  const int i = captureIndex_;
  TskObjectState& s = states_[static_cast<size_t>(i)];
  if (s.kind != TskObjectKind::Caption) fx.releaseCapture = true;
  const bool left = button == TskMouseButton::Left;
  // A command runs only while the button is still lit: released elsewhere,
  // the press is dropped.
  const bool fires = left && s.activeLook;
  const auto buttonUp = [&] {
    if (s.enabled && left && !s.hasMenu && s.pressed) SetPressed(i, false, fx);
    if (s.hovered) fx.events.push_back({TskObjectEvent::Up, i});
  };
  int command = -1;
  switch (s.kind) {
    case TskObjectKind::StdButton:
      if (s.command == cmClose) {
        buttonUp();
        if (fires) command = i;
      } else {
        if (fires) command = i;
        buttonUp();
      }
      break;
    case TskObjectKind::Button: buttonUp(); break;
    case TskObjectKind::Animate:
      fx.events.push_back({TskObjectEvent::Up, i});
      if (s.menuOpen) break;
      if (s.hasDownRect && left) {
        s.pressed = false;
        fx.drawNow.push_back(i);
        fx.startAnimationTimer = true;
      }
      if (s.command != cmSysMenu && s.hovered && s.buttonStyle && left) command = i;
      break;
    case TskObjectKind::Caption: fx.events.push_back({TskObjectEvent::Up, i}); break;
    case TskObjectKind::User:
      if (s.hovered) fx.events.push_back({TskObjectEvent::Up, i});
      break;
  }
  captureIndex_ = -1;
  if (command != -1) DoCommand(command, fx);
  return fx;
}

TskObjectEffects TskCaptionObjectTracker::DblClick() {
  TskObjectEffects fx;
  if (hoverIndex_ == -1) return fx;
  const int i = hoverIndex_;
  const TskObjectState& s = State(i);
  fx.events.push_back({TskObjectEvent::Click, i});
  const bool closes =
      (s.kind == TskObjectKind::StdButton || s.kind == TskObjectKind::Animate) && s.command == cmSysMenu;
  if (!closes) return fx;
  // The press before the double click opened the system menu and took the
  // capture: both end before the form closes under them.
  fx.closeMenu = true;
  if (captureIndex_ != -1) {
    if (State(captureIndex_).pressed) SetPressed(captureIndex_, false, fx);
    if (State(captureIndex_).kind != TskObjectKind::Caption) fx.releaseCapture = true;
    captureIndex_ = -1;
  }
  fx.closeForm = true;
  return fx;
}

TskObjectEffects TskCaptionObjectTracker::MenuClosed() {
  TskObjectEffects fx;
  for (size_t i = 0; i < states_.size(); ++i) {
    TskObjectState& s = states_[i];
    if (IsButton(static_cast<int>(i)) && s.pressed && s.hasMenu) {
      SetPressed(static_cast<int>(i), false, fx);
      break;
    }
    // An animated object's menu is open whether or not it has a pressed
    // look; it runs its frames back from the last.
    if (s.kind == TskObjectKind::Animate && s.menuOpen) {
      s.activeLook = true;
      s.frameIndex = s.countFrames;
      s.pressed = false;
      s.menuOpen = false;
      s.framesForward = false;
      fx.startAnimationTimer = true;
      break;
    }
  }
  return fx;
}

TskCaptionObjectTracker::AnimationTickResult TskCaptionObjectTracker::AnimationTick() {
  constexpr int kTick = 25;
  AnimationTickResult result;
  for (size_t i = 0; i < states_.size(); ++i) {
    TskObjectState& s = states_[i];
    if (!s.animates) continue;
    if (s.kind == TskObjectKind::Animate) {
      if (!s.activeLook || (s.pressed && s.hasDownRect)) continue;
      result.busy = true;
      if (s.elapsed < s.frameInterval) {
        s.elapsed += kTick;
        continue;
      }
      s.elapsed = kTick;
      if (s.framesForward) {
        if (++s.frameIndex > s.countFrames) s.frameIndex = 1;
        if (!s.cycle && s.frameIndex >= s.countFrames) s.activeLook = false;
      } else {
        if (--s.frameIndex < 1) s.frameIndex = s.countFrames;
        if (s.frameIndex <= 1) s.activeLook = false;
      }
      result.drawNow.push_back(static_cast<int>(i));
    } else if (s.kind == TskObjectKind::Caption) {
      const bool up = s.activeLook && s.frameIndex <= s.countFrames;
      const bool down = !s.activeLook && s.frameIndex > 0;
      if (s.elapsed < s.frameInterval) {
        s.elapsed += kTick;
        result.busy = true;
        continue;
      }
      if (!up && !down) continue;
      s.frameIndex += up ? 1 : -1;
      s.elapsed = kTick;
      result.busy = true;
      result.drawNow.push_back(static_cast<int>(i));
    }
  }
  return result;
}

std::vector<int> TskCaptionObjectTracker::MorphTick() {
  std::vector<int> moved;
  for (size_t i = 0; i < states_.size(); ++i) {
    TskObjectState& s = states_[i];
    if (!s.morphing || !s.NeedsMorphStep()) continue;
    s.morphStep = std::clamp(s.morphStep + (s.activeLook ? 1 : -1), 0, kMorphSteps);
    moved.push_back(static_cast<int>(i));
  }
  return moved;
}

void TskCaptionObjectTracker::ResetStates() {
  for (TskObjectState& s : states_) {
    if (s.kind == TskObjectKind::Caption) continue;
    s.hovered = false;
    s.activeLook = false;
    if (s.kind == TskObjectKind::Animate) {
      s.frameIndex = 1;
    } else {
      s.morphStep = 0;
    }
  }
}

TskObjectEffects TskCaptionObjectTracker::SetCaptionActive(bool active, bool animate) {
  TskObjectEffects fx;
  for (TskObjectState& s : states_) {
    if (s.kind != TskObjectKind::Caption || s.activeLook == active) continue;
    s.activeLook = active;
    if (animate) {
      fx.repaintFrame = true;
      if (s.morphing) fx.startMorphTimer = true;
      if (s.animates) {
        s.elapsed = 25;
        s.frameIndex = active ? 1 : s.inactiveAnimation ? s.countFrames : 0;
        fx.startAnimationTimer = true;
      }
    } else if (s.morphing) {
      s.morphStep = active ? kMorphSteps : 0;
    }
    break;
  }
  return fx;
}

TskHoverTickAction HoverTick(const TskHoverTickInput& in) {
  if (!in.formActive) return TskHoverTickAction::Nothing;
  // A pressed button keeps being tracked wherever the mouse goes, so that
  // dragging off it and back before releasing still works.
  if (!in.cursorOverForm && !in.captured) return TskHoverTickAction::StopAndClear;
  if (in.inSizeMove) return TskHoverTickAction::Stop;
  if (!in.cursorInClient || !in.cursorOverForm) return TskHoverTickAction::TestAtCursor;
  return in.hovered ? TskHoverTickAction::ClearInClient : TskHoverTickAction::Nothing;
}

}  // namespace sk
