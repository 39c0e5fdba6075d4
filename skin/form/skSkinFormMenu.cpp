// Menus: the system menu, built for the window's state at every request
// and shown as a skinned menu, and the menu-open state every skinned popup
// menu of the form goes through (the keyboard taken from the message loop
// while one is open, closing it when the form is moved, sized, deactivated
// or clicked).
#include "framework/CodePage.h"
#include "framework/Utf.h"
#include "skin/data/skSkinData.h"
#include "skin/form/skSkinForm.h"
#include "skin/form/skSkinFormStrings.h"

namespace sk {

namespace {

bool IsAltKey(WPARAM key) { return key == VK_MENU || key == VK_LMENU || key == VK_RMENU; }

TskSysMenuCaptions StringTableCaptions() {
  const TskSysMenuCaptions english;
  TskSysMenuCaptions c;
  c.minimize = fw::AnsiResourceString(SKS_MI_MINCAPTION, english.minimize);
  c.maximize = fw::AnsiResourceString(SKS_MI_MAXCAPTION, english.maximize);
  c.restore = fw::AnsiResourceString(SKS_MI_RESTORECAPTION, english.restore);
  c.rollUp = fw::AnsiResourceString(SKS_MI_ROLLUPCAPTION, english.rollUp);
  c.minimizeToTray = fw::AnsiResourceString(SKS_MI_MINTOTRAYCAPTION, english.minimizeToTray);
  c.close = fw::AnsiResourceString(SKS_MI_CLOSECAPTION, english.close);
  return c;
}

bool IsSystemMenuButton(const TskCaptionObjectLayout& o) {
  return o.command == cmSysMenu && (o.kind == TskObjectKind::StdButton || o.kind == TskObjectKind::Animate);
}

}  // namespace

void TskSkinForm::CreateMenus() {
  skinMenu_ = fw::TComponent::Create<TskSkinMenu>(this);
  skinMenu_->SetForm(form_);
  skinMenu_->SetAlphaBlendValue(200);
  defaultSysMenu_ = fw::TComponent::Create<fw::TPopupMenu>(this);
  form_->OnShortCut = [this](fw::TComponent*, uint16_t key, fw::TShortCut shift, bool& handled) {
    FormShortCut(key, shift, handled);
  };
}

void TskSkinForm::ForgetMenuReference(fw::TComponent* component) {
  if (component == menusSkinData_) menusSkinData_ = nullptr;
  if (component == systemMenu_) systemMenu_ = nullptr;
}

void TskSkinForm::SetMenusSkinData(TskSkinData* value) {
  // The same skin data may be SkinData too: it must still tell us when it goes.
  if (menusSkinData_ && menusSkinData_ != skinData_) RemoveFreeNotification(menusSkinData_);
  menusSkinData_ = value;
  if (value) FreeNotification(value);
}

void TskSkinForm::SetSystemMenu(fw::TPopupMenu* value) {
  if (systemMenu_) RemoveFreeNotification(systemMenu_);
  systemMenu_ = value;
  if (value) FreeNotification(value);
}

// ---- the menu-open state ---------------------------------------------------

TskSkinMenuOwner* TskSkinForm::MenuHost() {
  return form_->FormStyle() == fw::TFormStyle::fsMDIChild ? MenuOwnerOf(form_) : this;
}

void TskSkinForm::ShowMenu(fw::TMenuItem* items, const fw::TRect& anchor, fw::TControl* control, bool popupUp,
                           TskSkinData* skinData) {
  const std::weak_ptr<bool> alive = menuAlive_;
  if (MenuOpen() || skinMenu_->Visible()) CloseSkinMenu();
  if (alive.expired()) return;
  EnterMenuState();
  skinMenu_->PopupSkinMenu(control, skinData, popupUp, items, anchor, 0);
  if (!alive.expired() && !skinMenu_->Visible()) LeaveMenuState();
}

void TskSkinForm::CloseSkinMenu() {
  const std::weak_ptr<bool> alive = menuAlive_;
  // The menu tells the form itself (SKINMSG_CLOSE_MENU); the state is left
  // here too for a form whose window is gone.
  if (skinMenu_->Visible()) skinMenu_->CloseSkinMenu();
  if (!alive.expired()) LeaveMenuState();
}

void TskSkinForm::EnterMenuState() {
  const bool opened = menuState_.Open(keysToMenu_, true, false);
  // Only an Alt held now can be the one whose release would end the menu.
  if (opened) altHeldAtOpen_ = GetKeyState(VK_MENU) < 0;
  SyncKeyHook();
  if (opened && OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TskSkinForm::LeaveMenuState() {
  const bool closed = menuState_.Close(keysToMenu_, true);
  SyncKeyHook();
  if (!closed) return;
  altHeldAtOpen_ = false;
  Apply(tracker_.MenuClosed());
  if (OnSkinMenuClose) OnSkinMenuClose(this);
}

void TskSkinForm::SyncKeyHook() {
  if (keysToMenu_ == keyHook_.Installed()) return;
  if (keysToMenu_) {
    keyHook_.Install(fw::Application().MessageHooks(),
                     [this](MSG& msg, const fw::MessageHookChain::Next& next) { MenuLoopMessage(msg, next); });
  } else {
    keyHook_.Remove();
  }
}

void TskSkinForm::MenuLoopMessage(MSG& msg, const fw::MessageHookChain::Next& next) {
  const std::weak_ptr<bool> alive = menuAlive_;
  if (!skinMenu_->Visible()) {
    // Closed without a word to the form (a level's Escape, a skin gone).
    LeaveMenuState();
    next(msg);
    return;
  }
  switch (msg.message) {
    case WM_KEYDOWN:
      // The focused control never sees a key while a menu is open.
      skinMenu_->KeyDown(static_cast<WORD>(msg.wParam));
      if (!alive.expired() && !skinMenu_->Visible()) LeaveMenuState();
      return;
    case WM_MOUSEWHEEL: return;
    case WM_SYSKEYDOWN:
      // A fresh Alt press is the user's own: its release may end the menu.
      if (IsAltKey(msg.wParam) && !(msg.lParam & (1 << 30))) altHeldAtOpen_ = false;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (IsAltKey(msg.wParam) && altHeldAtOpen_) {
        altHeldAtOpen_ = false;
        return;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      // A press anywhere but on the menu closes it (the press goes on).
      if (!skinMenu_->OwnsWindow(msg.hwnd)) CloseSkinMenu();
      break;
    default: break;
  }
  next(msg);
}

void TskSkinForm::EndMenus() {
  TskSkinMenuOwner* host = MenuHost();
  if (host && host->MenuOpen()) host->CloseSkinMenu();
}

void TskSkinForm::MenuClosed() {
  // Sent from outside while the menu still shows: close it; its own
  // message then ends the state.
  if (skinMenu_->Visible()) {
    skinMenu_->CloseSkinMenu();
    return;
  }
  LeaveMenuState();
}

// ---- keys ------------------------------------------------------------------

void TskSkinForm::FormShortCut(uint16_t key, fw::TShortCut shift, bool& handled) {
  if (OnShortCut) {
    OnShortCut(this, key, shift, handled);
    if (handled) return;
  }
  // An unskinned form has the platform's frame and its system menu.
  if (skinned_ && key == VK_SPACE && shift == fw::scAlt) {
    handled = true;
    SystemMenuKey();
  }
}

void TskSkinForm::KeyMenu(LPARAM key) {
  // Alt+Space that reached the default handling: still our menu, never
  // the system's. The menu key alone ends an open menu.
  if (key == VK_SPACE) {
    SystemMenuKey();
    return;
  }
  EndMenus();
}

void TskSkinForm::SystemMenuKey() {
  HWND wnd = Wnd();
  if (!wnd) return;
  RECT wr;
  GetWindowRect(wnd, &wr);
  const std::weak_ptr<bool> alive = menuAlive_;
  // Below every enabled system-menu button; one is the rule.
  for (size_t i = 0; i < objects_.size() && !alive.expired(); ++i) {
    const TskCaptionObjectLayout& o = objects_[i];
    if (!IsSystemMenuButton(o) || !o.enabled || !o.visible) continue;
    ShowSystemMenuBelow(fw::Bounds(wr.left + o.rect.left, wr.top + o.rect.top, o.rect.Width(), o.rect.Height()));
  }
}

// ---- the mouse -------------------------------------------------------------

void TskSkinForm::ObjectMenu(int index) {
  const TskCaptionObjectLayout& o = objects_.at(static_cast<size_t>(index));
  HWND wnd = Wnd();
  if (!IsSystemMenuButton(o) || !wnd) return;
  RECT wr;
  GetWindowRect(wnd, &wr);
  ShowSystemMenuBelow(fw::Bounds(wr.left + o.rect.left, wr.top + o.rect.top, o.rect.Width(), o.rect.Height()));
}

void TskSkinForm::CaptionRightClick() {
  tracker_.DropCapture();
  if (DisableSystemMenu) return;
  POINT cursor;
  GetCursorPos(&cursor);
  ShowSystemMenuAt({cursor.x, cursor.y});
}

// ---- the system menu -------------------------------------------------------

void TskSkinForm::ShowSystemMenuAt(fw::TPoint screen) { ShowSystemMenu({screen.x, screen.y, screen.x, screen.y}); }

void TskSkinForm::ShowSystemMenuBelow(const fw::TRect& screen) { ShowSystemMenu(screen); }

void TskSkinForm::ShowSystemMenu(const fw::TRect& anchor) {
  // An MDI child's menu shows through the main form's skinned form.
  TskSkinMenuOwner* host = MenuHost();
  if (!host) return;
  const std::weak_ptr<bool> alive = menuAlive_;
  // The items are freed and built anew below: a menu still showing them
  // (Alt+Space twice) goes first.
  if (host->MenuOpen() || host->SkinMenu().Visible()) host->CloseSkinMenu();
  if (alive.expired()) return;
  fw::TMenuItem* items = SystemMenuItems();
  host->ShowMenu(items, anchor, nullptr, false, host->MenuSkin());
}

TskSysMenuInput TskSkinForm::SysMenuInput() const {
  TskSysMenuInput in;
  in.state = placement_.state;
  in.rolledUp = placement_.rolledUp;
  // The main form minimises with the application, outside the skinned state.
  if (HWND wnd = Wnd(); wnd && IsIconic(wnd)) {
    in.state = TskWindowState::Minimized;
  } else if (form_->Maximized()) {
    in.state = TskWindowState::Maximized;
  }
  in.mdiChild = form_->FormStyle() == fw::TFormStyle::fsMDIChild;
  in.borderIcons = borderIcons_;
  return in;
}

TskSysMenuCaptions TskSkinForm::MenuCaptions() const {
  return SysMenuCaptionsOf(skinData_ ? skinData_->ResourceStrData() : nullptr, StringTableCaptions());
}

fw::TMenuItem* TskSkinForm::NewMenuItem(const TskSysMenuEntry& entry, fw::TComponent* owner) {
  auto* item = fw::TComponent::Create<fw::TMenuItem>(owner);
  item->SetName(fw::AsciiToWide(entry.name));
  item->SetCaption(fw::AnsiToWide(entry.caption));
  if (!entry.shortCut.empty()) item->SetShortCut(fw::TextToShortCut(fw::AsciiToWide(entry.shortCut)));
  const TskSysCommand command = entry.command;
  item->OnClick = [this, command](fw::TComponent*) { RunSysCommand(command); };
  return item;
}

fw::TMenuItem* TskSkinForm::SystemMenuItems() {
  const TskSysMenuInput in = SysMenuInput();
  const TskSysMenuCaptions captions = MenuCaptions();
  if (systemMenu_) {
    if (UseDefaultSysMenu) MergeSystemMenu(in, captions);
    return systemMenu_->Items();
  }
  fw::TMenuItem* root = defaultSysMenu_->Items();
  root->Clear();
  for (const TskSysMenuEntry& entry : DefaultSystemMenu(in, captions)) root->Add(NewMenuItem(entry, defaultSysMenu_));
  return root;
}

void TskSkinForm::MergeSystemMenu(const TskSysMenuInput& in, const TskSysMenuCaptions& captions) {
  fw::TMenuItem* root = systemMenu_->Items();
  // The standard entries of the last request go; the application's stay.
  for (int i = 0; i < root->Count();) {
    if (IsStandardSysMenuName(fw::WideToUtf8(root->Items(i)->Name()))) {
      root->Delete(i);
    } else {
      ++i;
    }
  }
  std::vector<std::string> names;
  for (int i = 0; i < root->Count(); ++i) names.push_back(fw::WideToUtf8(root->Items(i)->Name()));
  // The entries come in their final order and the application's items are
  // already where they belong among them.
  const std::vector<TskSysMenuEntry> entries = MergedSystemMenu(in, captions, names);
  for (size_t k = 0; k < entries.size(); ++k) {
    if (entries[k].command != TskSysCommand::Application)
      root->Insert(static_cast<int>(k), NewMenuItem(entries[k], this));
  }
}

void TskSkinForm::RunSysCommand(TskSysCommand command) {
  if (const std::optional<TskStdCommand> button = StdCommandOf(command, SysMenuInput())) RunCommand(*button);
}

TskSkinPopupMenu* TskSkinForm::TrayMenu() {
  if (trayMenu_) return trayMenu_;
  trayMenu_ = new TskSkinPopupMenu(this);
  trayMenu_->SetForm(form_);
  // Made for the tray icon before any skin may be known: the program's
  // own captions.
  for (const TskSysMenuEntry& entry : sk::TrayMenu(StringTableCaptions())) {
    auto* item = new fw::TMenuItem(trayMenu_);
    item->SetName(fw::Utf8ToWide(entry.name));
    item->SetCaption(fw::AnsiToWide(entry.caption));
    if (entry.command == TskSysCommand::Restore) item->OnClick = [this](fw::TComponent*) { RestoreFromTray(); };
    if (entry.command == TskSysCommand::Close) item->OnClick = [this](fw::TComponent*) { form_->Close(); };
    trayMenu_->Items()->Add(item);
  }
  return trayMenu_;
}

}  // namespace sk
