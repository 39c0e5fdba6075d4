#pragma once
// A popup grid of images that returns the chosen one: plain cells flow
// ColumnsCount to a row, header rows name groups, button rows carry a
// caption. The grid window captures the mouse and takes the keyboard from
// the message loop while it is open, and never takes the focus.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "skin/hints/skSkinHint.h"
#include "skin/menus/skMenus.h"

namespace sk {

class TskSkinImagesMenu;

struct TskImagesMenuItem {
  std::wstring Caption;
  std::wstring Hint;
  int ImageIndex = -1;
  bool Button = false;
  bool Header = false;
  fw::TNotifyEvent OnClick;  // the sender is the images menu
};

class TskSkinImagesMenuPopupWindow : public TskMenuPopupWindow {
 public:
  explicit TskSkinImagesMenuPopupWindow(TskSkinImagesMenu& menu);
  ~TskSkinImagesMenuPopupWindow() override;

  int HoveredItem() const { return hovered_; }
  const std::vector<TskImagesCell>& Cells() const { return cells_; }
  void KeyDown(WORD key);

 protected:
  void HandleMessage(fw::TMessage& message) override;
  void Close() override;

 private:
  friend class TskSkinImagesMenu;
  void Open(const fw::TRect& anchor);
  void SetHovered(int index);
  void HideHint() const;
  int CellAt(fw::TPoint p) const;
  void PaintWhole(HDC dc);
  void DrawCell(fw::TCanvas& canvas, const fw::TRect& cell, bool down);
  void DrawHeader(fw::TCanvas& canvas, const std::wstring& caption, const fw::TRect& cell);
  void DrawButtonCaption(fw::TCanvas& canvas, const std::wstring& caption, fw::TRect r, bool down, bool hot);
  const TskDataSkinButtonControl* ButtonRecord() const;

  TskSkinImagesMenu* menu_;
  TskSkinData* skinData_ = nullptr;
  const TskDataSkinPopupWindow* record_ = nullptr;
  const fw::TBitmap* windowPicture_ = nullptr;
  const fw::TBitmap* maskPicture_ = nullptr;
  TskCornerModel geometry_;
  std::vector<TskImagesCell> cells_;
  int hovered_ = -1;
  bool pressed_ = false;
  bool itemPress_ = false;
};

class TskSkinImagesMenu : public fw::TComponent {
 public:
  explicit TskSkinImagesMenu(fw::TComponent* owner);
  ~TskSkinImagesMenu() override;

  fw::TImageList* Images() const { return images_; }
  void SetImages(fw::TImageList* value);
  std::vector<TskImagesMenuItem>& ImagesItems() { return items_; }
  const std::vector<TskImagesMenuItem>& ImagesItems() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value) { itemIndex_ = value; }
  int ColumnsCount() const { return columnsCount_; }
  void SetColumnsCount(int value) {
    if (value >= 1 && value <= 50) columnsCount_ = value;
  }
  bool ShowSelectedItem() const { return showSelectedItem_; }
  void SetShowSelectedItem(bool value) { showSelectedItem_ = value; }
  bool ShowHints() const { return showHints_; }
  void SetShowHints(bool value) { showHints_ = value; }
  TskSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TskSkinData* value);
  // Shows the hovered item's hint (not owned).
  TskSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TskSkinHint* value);
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  fw::TFont& DefaultFont() { return defaultFont_; }
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value) { alphaBlend_ = value; }
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int value) { alphaBlendValue_ = std::clamp(value, 0, 255); }
  bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
  void SetAlphaBlendAnimation(bool value) { alphaBlendAnimation_ = value; }

  // Opens the grid below (or above) `anchor`, in screen coordinates; an
  // open grid closes first without a choice.
  void Popup(const fw::TRect& anchor);
  // The open grid window, or null.
  TskSkinImagesMenuPopupWindow* PopupWindow() const { return window_.get(); }
  void CloseMenu(bool choice);

  fw::TNotifyEvent OnItemClick;
  fw::TNotifyEvent OnChange;
  fw::TNotifyEvent OnMenuPopup;
  fw::TNotifyEvent OnMenuClose;

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  friend class TskSkinImagesMenuPopupWindow;
  void LoopMessage(MSG& msg, const fw::MessageHookChain::Next& next);

  fw::TImageList* images_ = nullptr;
  std::vector<TskImagesMenuItem> items_;
  int itemIndex_ = -1;
  int oldItemIndex_ = -1;
  int columnsCount_ = 1;
  bool showSelectedItem_ = true;
  bool showHints_ = true;
  TskSkinData* skinData_ = nullptr;
  TskSkinHint* skinHint_ = nullptr;
  bool useSkinFont_ = true;
  fw::TFont defaultFont_;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 200;
  bool alphaBlendAnimation_ = false;
  std::unique_ptr<TskSkinImagesMenuPopupWindow> window_;
  fw::MessageHook loopHook_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace sk
