#pragma once
// Menus as data: a tree of items with captions, accelerators, short cuts and
// states, the menus that hold such trees, and the text form of short cuts.
// Nothing here shows a menu: the platform's menus, popups and the key
// dispatch are in MenusWin.h, and a skin engine may draw the same tree its
// own way.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Graphics.h"

namespace fw {

class TAction;
class TCanvas;
class TImageList;
class TMenu;

// A key and its modifiers in 16 bits: the virtual key in the low byte, the
// modifiers in the top three bits.
using TShortCut = uint16_t;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut kShortCutModifiers = scShift | scCtrl | scAlt;

constexpr TShortCut ShortCut(uint16_t key, TShortCut shift) {
  return static_cast<TShortCut>((key & 0xFF) | (shift & kShortCutModifiers));
}
constexpr uint16_t ShortCutKey(TShortCut shortCut) { return shortCut & 0xFF; }
constexpr TShortCut ShortCutShift(TShortCut shortCut) { return shortCut & kShortCutModifiers; }

// "Shift+Ctrl+Alt+Key" with the key's usual short name ("F1", "Del", "PgUp",
// "A"); empty for no short cut or a key without a name.
std::wstring ShortCutToText(TShortCut shortCut);
// The reverse, ignoring case; 0 when the text names no key.
TShortCut TextToShortCut(const std::wstring& text);

// Accelerators: "&" marks the next character, "&&" is a literal "&". The
// first marked character counts.
wchar_t GetHotkey(const std::wstring& caption);          // 0 when there is none
bool IsAccel(wchar_t key, const std::wstring& caption);  // ignoring case
// The caption as shown: markers removed, "&&" reduced to "&".
std::wstring StripHotkey(const std::wstring& caption);

// Whether redundant separators are hidden: those before the first and after
// the last shown item of a level, and all but one of a run with nothing
// shown between them. An item may follow its parent (and the top level its
// menu).
enum class TMenuAutoFlag { maAutomatic, maManual, maParent };

// Draws an item in place of its caption, image and marks, on `canvas`
// within `rect`; `selected` while it is highlighted.
using TMenuDrawItemEvent = std::function<void(TComponent* sender, TCanvas& canvas, const TRect& rect, bool selected)>;

// One entry of a menu. A parent item frees its sub-items; an item freed on
// its own leaves its parent first. Every item carries a command number,
// unique in the process while the item lives, by which the platform names it.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  bool Checked() const { return checked_; }
  // Checking a radio item unchecks the radio items of its group among its siblings.
  void SetChecked(bool checked);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index);
  // At most one default item per level: setting one clears its siblings.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // The item's own picture; when not empty it is shown instead of the
  // image list's image.
  const TBitmap& Bitmap() const { return bitmap_; }
  void SetBitmap(const TBitmap& bitmap);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint) { hint_ = hint; }
  // Linked, the item takes the action's caption, states, hint, image and
  // short cut whenever they change, and a click without OnClick runs the
  // action. Not owned; the link goes when either side is freed.
  TAction* Action() const { return action_; }
  void SetAction(TAction* action);
  // A caption of a single "-" makes a separator line.
  bool IsLine() const { return caption_ == L"-"; }
  uint16_t Command() const { return command_; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  int IndexOf(const TMenuItem* item) const;
  // Takes `item` from wherever it was; it is freed with this item.
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Insert(int index, TMenuItem* item);
  // Takes `item` out without freeing it.
  void Remove(TMenuItem* item);
  // Frees the sub-item at `index`, or all of them.
  void Delete(int index);
  void Clear();
  // The menu whose tree holds this item, or null.
  TMenu* GetParentMenu() const;

  TMenuAutoFlag AutoLineReduction() const { return autoLineReduction_; }
  void SetAutoLineReduction(TMenuAutoFlag value);
  // maParent resolved: through the parents to the menu; false outside a menu.
  bool IsAutoLineReduction() const;
  // Hides the redundant separators among the sub-items when lines are
  // reduced automatically, else shows again those it hid before. Only lines
  // it hid itself come back: a line hidden by its owner stays hidden. True
  // when a line changed.
  bool RethinkLines();

  // The first visible sub-item whose caption marks `key` as accelerator.
  TMenuItem* FindAccelerator(wchar_t key) const;
  // The first item below this one with that short cut that can run: enabled
  // and visible, as is every item on the way to it.
  TMenuItem* FindShortCut(TShortCut shortCut) const;
  // The item below this one (or this one) with that command.
  TMenuItem* FindCommand(uint16_t command);

  // When the item is enabled: OnClick, or without one the linked action.
  virtual void Click();
  TNotifyEvent OnClick;
  // Owner drawing, where the menu that shows the item offers it.
  TMenuDrawItemEvent OnDrawItem;

  // The layout places an item inside a menu or another item.
  void SetParentComponent(TComponent* parent) override;

 private:
  friend class TMenu;
  friend class TAction;
  void Changed(bool structure);
  void UncheckRadioSiblings();
  void ActionChanged();

  std::wstring caption_;
  std::wstring hint_;
  TShortCut shortCut_ = scNone;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool default_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  int imageIndex_ = -1;
  TBitmap bitmap_;
  TAction* action_ = nullptr;
  TMenuAutoFlag autoLineReduction_ = TMenuAutoFlag::maParent;
  bool lineReduced_ = false;  // a separator RethinkLines hid
  uint16_t command_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item only
};

// A menu: a root item whose sub-items are the menu's entries, and the image
// list its items draw from.
class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return items_; }
  // Not owned; cleared when the image list is freed.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  // Runs the first item that can run with that short cut; true when one ran.
  bool IsShortCut(TShortCut shortCut);
  TMenuItem* FindItem(uint16_t command) const { return items_->FindCommand(command); }
  // Items that follow their parent follow this; a menu has no parent of
  // its own, so maParent is refused.
  TMenuAutoFlag AutoLineReduction() const { return autoLineReduction_; }
  void SetAutoLineReduction(TMenuAutoFlag value);

 protected:
  // An item of the tree changed: its look only, or the tree's shape.
  virtual void MenuChanged(TMenuItem* source, bool structure) {}
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenuItem;
  TMenuItem* items_;
  TImageList* images_ = nullptr;
  TMenuAutoFlag autoLineReduction_ = TMenuAutoFlag::maAutomatic;
};

}  // namespace fw
