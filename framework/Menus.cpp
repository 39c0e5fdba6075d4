#include "framework/Menus.h"

#include <algorithm>
#include <bitset>

#include "framework/ActnList.h"
#include "framework/Exceptions.h"
#include "framework/ImgList.h"

namespace fw {
namespace {

// --- Key names ------------------------------------------------------------------

struct KeyName {
  uint16_t key;
  const wchar_t* name;
};

// The named keys besides letters, digits and function keys; punctuation as
// on a US keyboard, which is where these key codes take their meaning.
constexpr KeyName kKeyNames[] = {
    {0x08, L"BkSp"},  {0x09, L"Tab"},   {0x0D, L"Enter"}, {0x1B, L"Esc"},   {0x20, L"Space"}, {0x21, L"PgUp"},
    {0x22, L"PgDn"},  {0x23, L"End"},   {0x24, L"Home"},  {0x25, L"Left"},  {0x26, L"Up"},    {0x27, L"Right"},
    {0x28, L"Down"},  {0x2D, L"Ins"},   {0x2E, L"Del"},   {0x60, L"Num 0"}, {0x61, L"Num 1"}, {0x62, L"Num 2"},
    {0x63, L"Num 3"}, {0x64, L"Num 4"}, {0x65, L"Num 5"}, {0x66, L"Num 6"}, {0x67, L"Num 7"}, {0x68, L"Num 8"},
    {0x69, L"Num 9"}, {0x6A, L"Num *"}, {0x6B, L"Num +"}, {0x6D, L"Num -"}, {0x6E, L"Num ."}, {0x6F, L"Num /"},
    {0xBA, L";"},     {0xBB, L"="},     {0xBC, L","},     {0xBD, L"-"},     {0xBE, L"."},     {0xBF, L"/"},
    {0xC0, L"`"},     {0xDB, L"["},     {0xDC, L"\\"},    {0xDD, L"]"},     {0xDE, L"'"},
};

constexpr uint16_t kF1 = 0x70;
constexpr int kFunctionKeys = 24;

std::wstring KeyToText(uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= kF1 && key < kF1 + kFunctionKeys) return L"F" + std::to_wstring(key - kF1 + 1);
  for (const KeyName& k : kKeyNames) {
    if (k.key == key) return k.name;
  }
  return {};
}

// Lower case for the scripts accelerators are written in (Latin, Greek,
// Cyrillic), the same in every build whatever the C library's locale.
wchar_t FoldCase(wchar_t c) {
  const auto u = static_cast<uint32_t>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<wchar_t>(u + 0x20);
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<wchar_t>(u + 0x20);
  if (u >= 0x391 && u <= 0x3A9 && u != 0x3A2) return static_cast<wchar_t>(u + 0x20);
  if (u >= 0x410 && u <= 0x42F) return static_cast<wchar_t>(u + 0x20);
  if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 0x50);
  return c;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

uint16_t TextToKey(const std::wstring& text) {
  for (uint16_t key = '0'; key <= 'Z'; ++key) {
    if (const std::wstring name = KeyToText(key); !name.empty() && SameText(name, text)) return key;
  }
  for (int i = 0; i < kFunctionKeys; ++i) {
    if (SameText(L"F" + std::to_wstring(i + 1), text)) return static_cast<uint16_t>(kF1 + i);
  }
  for (const KeyName& k : kKeyNames) {
    if (SameText(k.name, text)) return k.key;
  }
  return 0;
}

constexpr struct {
  TShortCut flag;
  const wchar_t* text;
} kModifierNames[] = {{scShift, L"Shift+"}, {scCtrl, L"Ctrl+"}, {scAlt, L"Alt+"}};

// --- Command numbers --------------------------------------------------------------

// Command numbers stay clear of 0 (a cancelled menu) and of the dialog
// identifiers below 0x100; the platform keeps 0xF000 and up for itself.
constexpr uint16_t kFirstCommand = 0x100;
constexpr uint16_t kLastCommand = 0xEFFF;

std::bitset<kLastCommand + 1>& UsedCommands() {
  static std::bitset<kLastCommand + 1> used;
  return used;
}

uint16_t AllocateCommand() {
  auto& used = UsedCommands();
  for (uint32_t c = kFirstCommand; c <= kLastCommand; ++c) {
    if (!used[c]) {
      used[c] = true;
      return static_cast<uint16_t>(c);
    }
  }
  throw EOutOfResources(L"Too many menu items");
}

}  // namespace

// --- Short cuts and accelerators ----------------------------------------------------

std::wstring ShortCutToText(TShortCut shortCut) {
  const std::wstring key = KeyToText(ShortCutKey(shortCut));
  if (key.empty()) return {};
  std::wstring text;
  for (const auto& m : kModifierNames) {
    if (shortCut & m.flag) text += m.text;
  }
  return text + key;
}

TShortCut TextToShortCut(const std::wstring& text) {
  TShortCut shift = scNone;
  std::wstring rest = text;
  for (bool found = true; found;) {
    found = false;
    for (const auto& m : kModifierNames) {
      const std::wstring name = m.text;
      if (rest.size() > name.size() && SameText(rest.substr(0, name.size()), name)) {
        shift |= m.flag;
        rest.erase(0, name.size());
        found = true;
      }
    }
  }
  const uint16_t key = TextToKey(rest);
  return key ? ShortCut(key, shift) : scNone;
}

wchar_t GetHotkey(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;  // "&&" shows an ampersand and marks nothing
  }
  return 0;
}

bool IsAccel(wchar_t key, const std::wstring& caption) {
  const wchar_t hotkey = GetHotkey(caption);
  return hotkey != 0 && FoldCase(hotkey) == FoldCase(key);
}

std::wstring StripHotkey(const std::wstring& caption) {
  std::wstring shown;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&') {
      if (i + 1 == caption.size()) break;
      ++i;
    }
    shown += caption[i];
  }
  return shown;
}

// --- TMenuItem ------------------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  while (!items_.empty()) {
    TMenuItem* child = items_.back();
    items_.pop_back();
    child->parent_ = nullptr;
    TComponent::Free(child);
  }
  if (parent_) parent_->Remove(this);
  SetAction(nullptr);
  UsedCommands()[command_] = false;
}

void TMenuItem::Changed(bool structure) {
  if (HasState(csDestroying)) return;
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  if (root->menu_ && !root->menu_->HasState(csDestroying)) root->menu_->MenuChanged(this, structure);
}

void TMenuItem::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  const bool wasLine = IsLine();
  caption_ = caption;
  if (lineReduced_ && !IsLine()) {
    // No longer a line, so no longer a redundant one.
    lineReduced_ = false;
    visible_ = true;
  }
  Changed(wasLine != IsLine());
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed(false);
}

void TMenuItem::UncheckRadioSiblings() {
  if (!parent_) return;
  for (TMenuItem* sibling : parent_->items_) {
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_ && sibling->checked_) {
      sibling->checked_ = false;
      sibling->Changed(false);
    }
  }
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked && radioItem_) UncheckRadioSiblings();
  Changed(false);
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == radioItem_) return;
  radioItem_ = value;
  if (value && checked_) UncheckRadioSiblings();
  Changed(false);
}

void TMenuItem::SetGroupIndex(int index) {
  if (index == groupIndex_) return;
  groupIndex_ = index;
  if (radioItem_ && checked_) UncheckRadioSiblings();
  Changed(false);
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  if (value && parent_) {
    for (TMenuItem* sibling : parent_->items_) {
      if (sibling != this && sibling->default_) {
        sibling->default_ = false;
        sibling->Changed(false);
      }
    }
  }
  Changed(false);
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(false);
}

void TMenuItem::SetVisible(bool visible) {
  // Whoever sets it decides from now on, not the line reduction.
  lineReduced_ = false;
  if (visible == visible_) return;
  visible_ = visible;
  Changed(true);
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed(false);
}

void TMenuItem::SetBitmap(const TBitmap& bitmap) {
  bitmap_ = bitmap;
  Changed(false);
}

void TMenuItem::SetAction(TAction* action) {
  if (action == action_) return;
  if (action_) std::erase(action_->clients_, this);
  action_ = action;
  if (!action_) return;
  action_->clients_.push_back(this);
  ActionChanged();
}

void TMenuItem::ActionChanged() {
  const TAction& a = *action_;
  SetCaption(a.Caption());
  SetEnabled(a.Enabled());
  SetChecked(a.Checked());
  SetVisible(a.Visible());
  SetHint(a.Hint());
  SetImageIndex(a.ImageIndex());
  SetShortCut(a.ShortCut());
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  for (const TMenuItem* p = this; p; p = p->parent_) {
    if (p == item) throw EInvalidOperation(L"A menu item cannot contain itself");
  }
  if (item->menu_) throw EInvalidOperation(L"A menu's root item cannot be inserted");
  if (item->parent_) item->parent_->Remove(item);
  if (index < 0 || index > Count()) throw EListError(L"Menu index out of bounds (" + std::to_wstring(index) + L")");
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  if (item->radioItem_ && item->checked_) item->UncheckRadioSiblings();
  Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed(true);
}

void TMenuItem::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError(L"Menu index out of bounds (" + std::to_wstring(index) + L")");
  TComponent::Free(items_[index]);  // leaves this item on its way
}

void TMenuItem::Clear() {
  while (!items_.empty()) Delete(Count() - 1);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::SetAutoLineReduction(TMenuAutoFlag value) {
  if (value == autoLineReduction_) return;
  autoLineReduction_ = value;
  Changed(false);
}

bool TMenuItem::IsAutoLineReduction() const {
  for (const TMenuItem* item = this; item; item = item->parent_) {
    if (item->autoLineReduction_ != TMenuAutoFlag::maParent)
      return item->autoLineReduction_ == TMenuAutoFlag::maAutomatic;
    if (!item->parent_ && item->menu_) return item->menu_->AutoLineReduction() == TMenuAutoFlag::maAutomatic;
  }
  return false;
}

bool TMenuItem::RethinkLines() {
  bool changed = false;
  auto show = [&changed](TMenuItem* line, bool shown) {
    if (shown && line->lineReduced_) {
      line->lineReduced_ = false;
      line->visible_ = true;
      changed = true;
    } else if (!shown && line->visible_) {
      line->lineReduced_ = true;
      line->visible_ = false;
      changed = true;
    }
  };
  const bool reduce = IsAutoLineReduction();
  // A line is kept only between two shown items, and only the first of
  // a run; hidden items in between count as nothing.
  TMenuItem* pending = nullptr;
  bool itemBefore = false;
  for (TMenuItem* item : items_) {
    if (item->IsLine()) {
      if (!item->visible_ && !item->lineReduced_) continue;  // its owner hid it
      if (!reduce) {
        show(item, true);
      } else if (!itemBefore || pending) {
        show(item, false);
      } else {
        pending = item;
      }
    } else if (item->visible_) {
      if (pending) show(pending, true);
      pending = nullptr;
      itemBefore = true;
    }
  }
  if (pending) show(pending, false);
  if (changed) Changed(true);
  return changed;
}

TMenuItem* TMenuItem::FindAccelerator(wchar_t key) const {
  for (TMenuItem* item : items_) {
    if (item->visible_ && IsAccel(key, item->caption_)) return item;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) const {
  if (shortCut == scNone) return nullptr;
  for (TMenuItem* item : items_) {
    if (!item->visible_ || !item->enabled_) continue;
    if (item->shortCut_ == shortCut) return item;
    if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindCommand(uint16_t command) {
  if (command_ == command) return this;
  for (TMenuItem* item : items_) {
    if (TMenuItem* found = item->FindCommand(command)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (!enabled_) return;
  if (OnClick) {
    OnClick(this);
  } else if (action_) {
    action_->Execute();
  }
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items()->Add(this);
  } else if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  }
}

// --- TMenu ------------------------------------------------------------------------------

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(TComponent::Create<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  // The tree goes first and quietly: no change reaches a menu being destroyed.
  items_->menu_ = nullptr;
  TComponent::Free(items_);
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images_) FreeNotification(images_);
  MenuChanged(items_, false);
}

void TMenu::SetAutoLineReduction(TMenuAutoFlag value) {
  if (value == autoLineReduction_ || value == TMenuAutoFlag::maParent) return;
  autoLineReduction_ = value;
  MenuChanged(items_, false);
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  TMenuItem* item = items_->FindShortCut(shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) {
    images_ = nullptr;
    if (!HasState(csDestroying)) MenuChanged(items_, false);
  }
}

}  // namespace fw
