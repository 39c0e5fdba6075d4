#pragma once
// Skinned popup menus: a TskSkinMenu shows the items of a framework menu as
// a chain of borderless TskSkinPopupWindow, one per open level, drawn from
// the skin's [POPUPWINDOW] and menu-item records (or in a plain look without
// them). The windows never take the focus: the form that opened the menu
// hands its key presses to KeyDown and closes the menu on clicks elsewhere
// (TskSkinMenuOwner in skMenusPopup.h does that for a form).
#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/Menus.h"
#include "framework/PopupWindow.h"
#include "skin/data/skSkinData.h"
#include "skin/menus/skMenusLayout.h"

namespace sk {

class TskSkinMenu;
class TskSkinPopupWindow;

// A popup that may be closed from inside one of its own handlers: it is
// hidden at once and freed by the graveyard once none of its handlers runs.
class TskMenuPopupWindow : public fw::TPopupWindow {
 public:
  // Every window of the class `className` is a plain popup with the
  // system's drop shadow where it has one.
  explicit TskMenuPopupWindow(const wchar_t* className);
  bool Busy() const { return busy_ > 0; }
  bool Closed() const { return closed_; }

 protected:
  // Marks a handler of this window that runs outside WndProc (keys, timers).
  class BusyScope {
   public:
    explicit BusyScope(TskMenuPopupWindow& window) : window_(window) { ++window_.busy_; }
    ~BusyScope() { --window_.busy_; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    TskMenuPopupWindow& window_;
  };
  void CreateParams(fw::TCreateParams& params) override;
  // Double clicks come as clicks of their own.
  UINT ClassStyle() const override;
  void WndProc(fw::TMessage& message) override;
  // Hides the window and stops what it runs; it is freed later.
  virtual void Close();
  // Cuts the window to the skin's mask, the record's geometry moved to the
  // window's size.
  void ApplyMaskRegion(const TskDataSkinPopupWindow& record, const fw::TBitmap& mask, const TskCornerModel& geometry);
  // Shows the window topmost at `at` without activating it; layered at
  // `alpha` with `alphaBlend` where the system has layered windows, at 0
  // when it is to `fade` in. True when the caller fades it in (FadeIn) next.
  bool ShowPopup(fw::TPoint at, bool alphaBlend, int alpha, bool fade);
  void FadeIn(int alpha);
  virtual void HandleMessage(fw::TMessage& message) { fw::TPopupWindow::WndProc(message); }

 private:
  int busy_ = 0;
  bool closed_ = false;
};

// Hands a closed popup to the graveyard, which frees it soon after, from
// the message loop.
void BuryPopup(std::unique_ptr<TskMenuPopupWindow> window);
// Frees every buried popup that no handler runs in (tests call it).
void ReapPopups();

// The [POPUPWINDOW] record's corner points and items rectangle.
TskCornerModel PopupCornerModel(const TskDataSkinPopupWindow& record);
// The whole window picture at the window size (`geometry`), the items
// area included when `withItems`.
void DrawPopupBackground(const TskDataSkinPopupWindow& record, const fw::TBitmap& picture, bool withItems, int width,
                         int height, const TskCornerModel& geometry, fw::TBitmap& target);
// The skin object whose strip and font colour menu windows borrow:
// "menuitem", else "MENUITEM".
const TskDataSkinMenuItem* MenuItemLook(const TskSkinData& data);

// Points a reference that `self` does not own at `value`, and has `self`
// hear when that component goes.
template <class T>
void ReplaceReference(fw::TComponent& self, T*& field, T* value) {
  if (field) self.RemoveFreeNotification(field);
  field = value;
  if (value) self.FreeNotification(value);
}

// One shown item of a popup window.
class TskSkinMenuItem {
 public:
  TskSkinMenuItem(TskSkinPopupWindow& owner, fw::TMenuItem* item, const TskDataSkinMenuItem* record,
                  const fw::TBitmap* picture);

  TskSkinPopupWindow& Owner() const { return owner_; }
  fw::TMenuItem* MenuItem() const { return item_; }
  const TskDataSkinMenuItem* Record() const { return record_; }
  // The item picture, or null; without one the skin rectangles are empty.
  const fw::TBitmap* Picture() const { return picture_; }
  const fw::TRect& SkinRect() const { return skinRect_; }
  const fw::TRect& ActiveSkinRect() const { return activeSkinRect_; }

  bool IsLine() const { return item_->IsLine(); }
  bool HasSubItems() const { return item_->Count() > 0; }
  bool Enabled() const { return item_->Enabled(); }
  bool IsHeader() const { return IsHeaderCaption(item_->Caption(), item_->Enabled()); }
  // Frame animation and morphing, as the record and the skin's effects allow.
  bool Animated() const;
  bool Morphing() const;

  fw::TRect rect;
  bool active = false;
  bool open = false;  // its submenu is shown
  bool selectedAtOpen = false;
  bool shown = false;
  double morphFactor = 0;
  int frame = 0;

 private:
  TskSkinPopupWindow& owner_;
  fw::TMenuItem* item_;
  const TskDataSkinMenuItem* record_;
  const fw::TBitmap* picture_;
  fw::TRect skinRect_, activeSkinRect_;
};

class TskSkinPopupWindow : public TskMenuPopupWindow {
 public:
  // `record` true when the skin's [POPUPWINDOW] draws the window.
  TskSkinPopupWindow(TskSkinMenu& menu, bool record);
  ~TskSkinPopupWindow() override;

  TskSkinMenu* ParentMenu() const { return menu_; }
  int ItemCount() const { return static_cast<int>(items_.size()); }
  TskSkinMenuItem& Item(int index) const { return *items_.at(index); }
  int ActiveItem() const { return active_; }
  bool Scrolling() const { return pane_.scrolling; }
  bool Limited() const { return limited_; }
  int ScrollCode() const { return scrollCode_; }
  int FirstShown() const { return pane_.FirstShown(); }
  int ShownCount() const { return pane_.ShownCount(); }
  const fw::TRect& ItemsRect() const { return pane_.itemsRect; }
  int GlyphColumn() const { return glyphColumn_; }
  const std::wstring& HintText() const { return hintText_; }

  // Keys the form forwards while the window is the innermost one.
  void KeyDown(WORD key);
  // The pointer rule at a point of the window (the mouse timer runs it).
  void PointerAt(fw::TPoint p);

  // Where the items of a window come from: a parent item's sub-items from
  // an index on.
  struct Source {
    fw::TMenuItem* parent;
    int first;
  };
  // Items, sizes, rows and the show position, without a window handle; the
  // window composed into any device context. Open uses both; benchmarks
  // and tests compose a window off screen with them.
  void LayOut(const std::vector<Source>& sources, const fw::TRect& anchor, bool popupUp, bool submenu);
  void PaintWhole(HDC dc);

 protected:
  void HandleMessage(fw::TMessage& message) override;
  void Close() override;

 private:
  friend class TskSkinMenu;
  friend class TskSkinMenuItem;
  // Creates the items, sizes, shapes, places and shows the window.
  void Open(const std::vector<Source>& sources, const fw::TRect& anchor, bool popupUp, bool submenu, bool first);
  void AddItems(const std::vector<Source>& sources);
  void SetCanvasFont(fw::TCanvas& canvas) const;
  int TextWidthOf(fw::TCanvas& canvas, const fw::TMenuItem& item) const;
  void SyncShown();

  // Item rules.
  void Enter(int index, bool byMouse);
  void Leave(int index);
  void Click(int index);
  void SetActive(int index, bool byMouse);
  void RequestRedraw(int index);

  // Scrolling.
  void StartMouseScroll(int code);
  void StopMouseScroll();
  void ScrollStep(int code, bool wrap);

  // Timers.
  void MouseTick();
  void EffectTick();
  void StopTimers();

  // Painting (skMenusPaint.cpp). An item is drawn in two passes: its
  // background and image straight into the pixels, then its text and marks
  // through one canvas for the whole window.
  void PaintBackground(fw::TBitmap& target, bool withItems);
  void PaintItem(int index, HDC dc);
  void DrawItem(const TskSkinMenuItem& item, fw::TBitmap& bitmap, bool active);
  void DrawItemBack(const TskSkinMenuItem& item, fw::TBitmap& target, fw::TPoint at, bool active);
  void DrawItemFront(const TskSkinMenuItem& item, fw::TCanvas& canvas, bool active);
  fw::TRect TextArea(const TskSkinMenuItem& item) const;
  // Where the item's image goes (its own bitmap, else its image-list
  // image), or false without one.
  bool ImagePlace(const TskSkinMenuItem& item, const fw::TRect& t, fw::TRect& place) const;
  void DrawItemMarks(const TskSkinMenuItem& item, fw::TCanvas& canvas, const fw::TRect& t, bool active,
                     fw::TColor color);
  void DrawSkinHeader(const TskSkinMenuItem& item, fw::TCanvas& canvas);
  // The item's OnDrawItem in place of its header, caption, image and marks.
  void DrawOwnerItem(const TskSkinMenuItem& item, fw::TCanvas& canvas, const fw::TRect& t, bool active);
  void DrawMarkers(HDC dc);
  void DrawMenuItemStrip(fw::TBitmap& target, const fw::TRect& area);

  TskSkinMenu* menu_;
  TskSkinData* skinData_ = nullptr;
  const TskDataSkinPopupWindow* record_ = nullptr;
  const fw::TBitmap* windowPicture_ = nullptr;
  const fw::TBitmap* maskPicture_ = nullptr;
  const TskDataSkinMenuItem* itemRecord_ = nullptr;
  std::vector<std::unique_ptr<TskSkinMenuItem>> items_;
  fw::TImageList* images_ = nullptr;
  int glyphColumn_ = 19;
  int active_ = -1;
  int previousActive_ = -1;
  fw::TPoint lastMouse_{-1, -1};
  bool limited_ = false;
  int scrollCode_ = 0;
  TskMenuPane pane_;
  TskCornerModel geometry_;
  fw::TPoint showPosition_;
  UINT_PTR mouseTimer_ = 0;
  UINT_PTR effectTimer_ = 0;
  fw::TBitmap paintBuffer_;
  fw::TBitmap scratch_;  // an item's background, kept between items of one size
  std::wstring hintText_;
};

class TskSkinMenu : public fw::TComponent {
 public:
  explicit TskSkinMenu(fw::TComponent* owner);
  ~TskSkinMenu() override;

  // Shows the visible sub-items of `items` from `firstIndex` on, below or
  // beside `anchor` (screen coordinates; an empty rectangle for a point).
  // `control` opened the menu and hears SKINMSG_CLOSE_MENU when it closes.
  void PopupSkinMenu(fw::TControl* control, TskSkinData* skinData, bool popupUp, fw::TMenuItem* items,
                     const fw::TRect& anchor, int firstIndex);
  // The menu bar's merged menus: the items of the first, then the second.
  void PopupSkinMenu(fw::TControl* control, TskSkinData* skinData, bool popupUp, fw::TMenuItem* items,
                     fw::TMenuItem* items2, const fw::TRect& anchor, int firstIndex);
  // Closes windows k to the last; k = 0 closes the menu.
  void CloseSkinMenuFrom(int k);
  // Closes the menu and tells the form.
  void CloseSkinMenu();

  bool Visible() const { return visible_; }
  int PopupCount() const { return static_cast<int>(popups_.size()); }
  TskSkinPopupWindow* Popup(int index) const { return popups_.at(index).get(); }
  // The innermost open window, or null.
  TskSkinPopupWindow* Innermost() const { return popups_.empty() ? nullptr : popups_.back().get(); }
  // A key pressed while the menu is open, for the innermost window.
  void KeyDown(WORD key);
  // True when `wnd` is one of the menu's windows.
  bool OwnsWindow(HWND wnd) const;

  TskSkinData* SkinData() const { return skinData_; }
  const fw::TRect& WorkArea() const { return workArea_; }
  fw::TControl* PopupControl() const { return popupControl_; }
  // The form whose window hears that the menu closed; its monitor gives the
  // work area. The owner, when it is a form.
  fw::TWinControl* Form() const { return form_; }
  void SetForm(fw::TWinControl* form);

  int MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
  void SetMaxMenuItemsInWindow(int value) {
    if (value >= 0) maxMenuItemsInWindow_ = value;
  }
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value) { alphaBlend_ = value; }
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int value) { alphaBlendValue_ = std::clamp(value, 0, 255); }
  bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
  void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }
  int DefaultItemHeight() const { return defaultItemHeight_; }
  void SetDefaultItemHeight(int value) {
    if (value > 0) defaultItemHeight_ = value;
  }
  fw::TFont& DefaultItemFont() { return defaultItemFont_; }
  const fw::TFont& DefaultItemFont() const { return defaultItemFont_; }

  // Fires once when the menu closes, then is cleared.
  fw::TNotifyEvent OnMenuClose;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  friend class TskSkinPopupWindow;
  void Popup(fw::TControl* control, TskSkinData* skinData, bool popupUp,
             const std::vector<TskSkinPopupWindow::Source>& sources, const fw::TRect& anchor, int count,
             int firstIndex);
  // Opens a window; false when the menu changed under a message pump.
  bool OpenWindow(const std::vector<TskSkinPopupWindow::Source>& sources, const fw::TRect& anchor, bool popupUp,
                  bool submenu);
  void OpenSubmenu(TskSkinPopupWindow& window, int index);
  // Closes everything, then runs the item and tells the control that asked.
  void RunCommand(fw::TMenuItem* item);
  int IndexOf(const TskSkinPopupWindow* window) const;
  void StartWait(TskSkinMenuItem* item);
  void StopWait();
  void WaitExpired();
  void SetReference(fw::TControl*& field, fw::TControl* value);
  void WatchItems(const TskSkinPopupWindow& window, bool watch);

  std::vector<std::unique_ptr<TskSkinPopupWindow>> popups_;
  UINT_PTR waitTimer_ = 0;
  TskSkinMenuItem* waitItem_ = nullptr;
  bool visible_ = false;
  bool first_ = false;
  fw::TWinControl* form_ = nullptr;
  fw::TControl* popupControl_ = nullptr;
  fw::TControl* doneControl_ = nullptr;
  fw::TRect workArea_;
  TskSkinData* skinData_ = nullptr;
  int maxMenuItemsInWindow_ = 0;
  bool useSkinFont_ = true;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 150;
  bool alphaBlendAnimation_ = false;
  int defaultItemHeight_ = 20;
  fw::TFont defaultItemFont_;
  // Bumped whenever a menu opens or closes: code that pumped messages
  // checks it to see whether it still works on the same menu.
  unsigned generation_ = 0;
  bool pumping_ = false;
  // Cleared on destruction, so code that ran a command can tell whether
  // the menu outlived it.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The font a skin record names, in the element's terms: the record's face,
// height and style when `useSkinFont`, else the default font; the charset
// of the skin's resource strings when linked, else the default font's.
void AssignSkinFont(fw::TFont& font, bool useSkinFont, const std::string& name, int height, fw::TFontStyles style,
                    const fw::TFont& defaultFont, const TskSkinData* skinData);
// Runs an item's OnClick (or its action) as the framework's Click does,
// surviving a handler that frees the item.
void RunItem(fw::TMenuItem& item);

}  // namespace sk
