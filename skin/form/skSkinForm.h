#pragma once
// The skinned form component: put on a form, it answers the form's
// non-client messages from the skin of its skin data (frame, caption text,
// caption buttons, window region) through the form's hook chain. The
// arithmetic is the portable code of this folder; what lives here gathers
// the window's inputs and applies the results.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "skin/form/skFormButtons.h"
#include "skin/form/skFormGeometry.h"
#include "skin/form/skFormLimits.h"
#include "skin/form/skFormMagnet.h"
#include "skin/form/skFormMenuState.h"
#include "skin/form/skFormObjectState.h"
#include "skin/form/skFormRegion.h"
#include "skin/form/skFormRouting.h"
#include "skin/form/skFormWindowState.h"
#include "skin/menus/skMenusPopup.h"

namespace sk {

class TskSkinData;
class TskSkinHint;
class TskSkinMenu;
class TskSkinPopupMenu;
class TskTrayIcon;
class TskSkinStatusBar;

// What covers the client area of an inactive form.
enum TskClientInActiveEffect { skieSemiTransparent, skieBlur };

class TskSkinForm : public TskSkinMenuOwner {
 public:
  // The owner must be a form (EInvalidCast otherwise).
  explicit TskSkinForm(fw::TComponent* owner);
  ~TskSkinForm() override;

  fw::TForm& Form() const { return *form_; }
  TskSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TskSkinData* value);
  TskBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TskBorderIcons value);

  // Switches between the skinned frame and the platform's at run time.
  bool Skinned() const { return skinned_; }
  void SetSkinned(bool value);
  bool SkinInUse() const { return skinInUse_; }

  // Plain settings kept for the window behaviour and menus built on them.
  bool AlwaysResize = false;
  bool AlwaysShowInTray = false;
  bool AlwaysMinimizeToTray = false;
  bool ShowIcon = false;
  bool UseDefaultSysMenu = true;
  bool DisableSystemMenu = false;
  bool HideCaptionButtons = false;
  bool UseFormCursorInNCArea = false;

  fw::TNotifyEvent OnBeforeChangeSkinData, OnChangeSkinData, OnAfterChangeSkinData;
  fw::TNotifyEvent OnActivate, OnDeActivate;

  // --- window behaviour (skSkinFormState.cpp)
  // The form's own size limits on top of the skin's; 0 for none.
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  bool MaximizeOnFullScreen = false;  // the whole monitor, not its work area
  TskPositionInMonitor PositionInMonitor = TskPositionInMonitor::Default;
  bool Magnetic = false;  // sticks to the work area's edges while moved
  int MagneticSize = 5;
  bool AlphaBlendAnimation = false;  // fades in when shown
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value);
  int AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(int value);
  // Its size grip hides while the window is maximised.
  TskSkinStatusBar* StatusBar() const { return statusBar_; }
  void SetStatusBar(TskSkinStatusBar* value);
  fw::TNotifyEvent OnMinimize, OnRestore, OnMaximize, OnChangeRollUpState;

  bool CanSize() const;
  int GetMinWidth() const;
  int GetMinHeight() const;
  int GetMaxWidth() const;
  int GetMaxHeight() const;
  // Normal, minimised (the main form: the whole application) or maximised,
  // by the window's bounds rather than the system's states.
  TskWindowState SkinWindowState() const { return placement_.state; }
  void SetSkinWindowState(TskWindowState state);
  bool RolledUp() const { return placement_.rolledUp; }
  // Up: only the caption strip stays; down: the height it had.
  void RollUp(bool value);
  bool InSizeMove() const { return sizeMove_.Running(); }

  // --- the tray (skSkinFormTray.cpp)
  // The icon minimising to the tray goes to; without one the window
  // minimises as its minimise button would. Not owned.
  TskTrayIcon* TrayIcon() const { return trayIcon_; }
  void SetTrayIcon(TskTrayIcon* value);
  // The menu a tray icon without its own gets: restore, close.
  TskSkinPopupMenu* TrayMenu();
  void MinimizeToTray();
  void RestoreFromTray();
  fw::TNotifyEvent OnMinimizeToTray, OnRestoreFromTray;

  // Applies the current skin to the form.
  void ChangeSkinData();

  // What the form shows now, for tests and tools.
  const TskFrameRects& Rects() const { return rects_; }
  const std::vector<TskCaptionObjectLayout>& CaptionObjects() const { return objects_; }
  const TskCaptionObjectTracker& Tracker() const { return tracker_; }

  // --- menus (skSkinFormMenu.cpp)
  // The form's skinned menus: the system menu, and the menu-open state every
  // skinned popup menu of the form goes through.
  TskSkinMenu& SkinMenu() const override { return *skinMenu_; }
  TskSkinData* MenuSkin() const override { return menusSkinData_ ? menusSkinData_ : skinData_; }
  void ShowMenu(fw::TMenuItem* items, const fw::TRect& anchor, fw::TControl* control, bool popupUp,
                TskSkinData* skinData) override;
  bool MenuOpen() const override { return menuState_.IsOpen(); }
  void CloseSkinMenu() override;
  // Skin of the menus the form opens; SkinData without one.
  TskSkinData* MenusSkinData() const { return menusSkinData_; }
  void SetMenusSkinData(TskSkinData* value);
  // An application's own system menu; with UseDefaultSysMenu the standard
  // entries are merged into it at each request.
  fw::TPopupMenu* SystemMenu() const { return systemMenu_; }
  void SetSystemMenu(fw::TPopupMenu* value);
  // The items the system menu shows now, built for the window's state.
  fw::TMenuItem* SystemMenuItems();
  // At a screen point (the caption's right click), or below a rectangle of
  // the screen (a system-menu button).
  void ShowSystemMenuAt(fw::TPoint screen);
  void ShowSystemMenuBelow(const fw::TRect& screen);
  // Forwarded to the form's TskSkinMenu.
  int MaxMenuItemsInWindow() const { return skinMenu_->MaxMenuItemsInWindow(); }
  void SetMaxMenuItemsInWindow(int value) { skinMenu_->SetMaxMenuItemsInWindow(value); }
  bool UseSkinFontInMenu() const { return skinMenu_->UseSkinFont(); }
  void SetUseSkinFontInMenu(bool value) { skinMenu_->SetUseSkinFont(value); }
  bool MenusAlphaBlend() const { return skinMenu_->AlphaBlend(); }
  void SetMenusAlphaBlend(bool value) { skinMenu_->SetAlphaBlend(value); }
  bool MenusAlphaBlendAnimation() const { return skinMenu_->AlphaBlendAnimation(); }
  void SetMenusAlphaBlendAnimation(bool value) { skinMenu_->SetAlphaBlendAnimation(value); }
  int MenusAlphaBlendValue() const { return skinMenu_->AlphaBlendValue(); }
  void SetMenusAlphaBlendValue(int value) { skinMenu_->SetAlphaBlendValue(value); }
  int DefMenuItemHeight() const { return skinMenu_->DefaultItemHeight(); }
  void SetDefMenuItemHeight(int value) { skinMenu_->SetDefaultItemHeight(value); }
  const fw::TFont& DefMenuItemFont() const { return skinMenu_->DefaultItemFont(); }
  void SetDefMenuItemFont(const fw::TFont& font) { skinMenu_->DefaultItemFont() = font; }
  fw::TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose;
  // Asked first for every short-cut key of the form; setting `handled`
  // takes the key.
  std::function<void(fw::TComponent* sender, uint16_t key, fw::TShortCut shift, bool& handled)> OnShortCut;

  // --- objects (skSkinFormObjects.cpp)
  // Hovered objects show their hint in SkinHint; standard and animated
  // buttons take the default hints by command unless UseDefaultObjectHint
  // is off.
  bool ShowObjectHint = false;
  bool UseDefaultObjectHint = true;
  TskSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TskSkinHint* value);
  // The hint an object shows now (the restore hint while its restore
  // condition holds), in the program's code page.
  std::wstring ObjectHint(int index) const;
  // A button's or animated object's menu, by object name; it opens below
  // the object (above with popupUpward) and stays across skin changes.
  void SetObjectMenu(const std::string& idName, fw::TMenuItem* items, bool popupUpward = false);

  // --- logo and inactive client (skSkinFormLogo.cpp)
  // Drawn centred over the client background; a transparent logo leaves
  // the background where it has the colour of its bottom-left pixel.
  const fw::TBitmap& LogoBitMap() const { return logo_; }
  void SetLogoBitMap(const fw::TBitmap& value);
  bool LogoBitMapTransparent() const { return logoTransparent_; }
  void SetLogoBitMapTransparent(bool value);
  // An inactive form's client area is covered by a still picture of itself
  // with the effect.
  bool ClientInActiveEffect = false;
  TskClientInActiveEffect ClientInActiveEffectType = skieSemiTransparent;
  fw::TControl* ClientInActivePanel() const { return inactivePanel_; }

 protected:
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  using Next = fw::WindowHookChain::Next;
  // --- routing (skSkinFormRouting.cpp)
  void SkinWindowProc(fw::TMessage& m, const Next& next);
  TskFormFlags Flags(const fw::TMessage& m) const;
  void CallDefault(fw::TMessage& m, const Next& next, bool holdRedraw);

  // --- painting (skSkinFormPaint.cpp)
  void PaintNC(HDC dc);
  void PaintNCSkin(HDC dc);
  void PaintNCDefault(HDC dc);
  void PaintClientBackground(HDC dc);
  intptr_t PaintFrameToDC(unsigned message, WPARAM dc);
  void DrawObjectNow(int index);
  void RepaintFrame();

  // --- mouse and hit test (skSkinFormMouse.cpp)
  intptr_t HitTest(LPARAM lParam);
  void NcMouse(const fw::TMessage& m);
  void HoverTimerTick();
  void MorphTimerTick();
  void TestAtCursor();
  void Apply(const TskObjectEffects& fx);
  void RunCommand(TskStdCommand command);
  int ObjectAtPoint(fw::TPoint p) const;
  // The objects follow the mouse: active, outside the size/move loop, framed.
  bool Tracking() const;

  // --- window behaviour (skSkinFormState.cpp)
  // minimizedOthers (may be null) receives the other minimised forms' corners.
  TskStateSurroundings Surroundings(std::vector<fw::TPoint>* minimizedOthers) const;
  TskPlacement CurrentPlacement() const;
  TskLimitsInput LimitsInput() const;
  void TakePlacement(const TskStateChange& change);
  void MinMaxInfo(LPARAM info);
  void Sizing(LPARAM proposed);
  void Moving(LPARAM proposed);
  void EnterSizeMove();
  void ExitSizeMove();
  void SysRestore();
  void DisplayChange();
  void CaptionDoubleClick();
  void ForceNCRecalc();
  // After a new skin: at least its least size; strips as high as its frame.
  void FitToLimits();
  // --- showing and fading in (skSkinFormShow.cpp)
  void ShowChanged(bool shown);
  void FadeIn();
  void SetLayered(bool layered);

  // --- sizing and state (skSkinFormSize.cpp)
  void CalcSize(fw::TMessage& m);
  void Size();
  void Activate();
  void NcActivate(bool active);
  void UpdateSkin();
  void UpdateSkinRegion();
  void LayOutObjects();
  void TakeFrameSize();
  void FrameChanged();
  void ApplyBorderIcons();
  void ApplyCaptionActive(bool animate);
  bool GetActive() const;

  // --- objects (skSkinFormObjects.cpp)
  void AnimationTimerTick();
  void ObjectsBuilt();
  void SetDefaultHints();
  void ObjectHints(const TskObjectEffects& fx);
  void HideObjectHint();
  bool RestoreCondition(const TskCaptionObjectLayout& o) const;
  void OpenButtonMenu(int index);
  void ShowSkinMenuFor(fw::TMenuItem* items, const fw::TRect& anchor, bool popupUp);
  void WhenMenuCloses(TskSkinMenu& menu);
  void ForgetObjectReference(fw::TComponent* component);
  struct ObjectMenu {
    fw::TMenuItem* items = nullptr;
    bool popupUpward = false;
  };
  fw::TTimer* animationTimer_ = nullptr;  // 25 ms: one frame step per tick
  TskSkinHint* skinHint_ = nullptr;
  std::vector<std::string> normalHints_, restoreHints_;  // per object
  std::map<std::string, ObjectMenu> objectMenus_;

  // --- logo and inactive client (skSkinFormLogo.cpp)
  void PaintLogo(HDC dc, int clientWidth, int clientHeight) const;
  void RepaintLogo();
  void ClientInActive(bool active);
  fw::TBitmap logo_;
  bool logoTransparent_ = false;
  fw::TControl* inactivePanel_ = nullptr;  // owned by the form while it shows

  // --- skin change (skSkinFormSkinChange.cpp)
  void BeforeSkinChange();
  void SkinChanged(WPARAM skinData);
  void AfterSkinChange();
  void SkinnableChanged();
  void BuildObjects();
  void FreeObjects();
  void StopTimers();

  // --- menus (skSkinFormMenu.cpp)
  void CreateMenus();
  void ForgetMenuReference(fw::TComponent* component);
  TskSkinMenuOwner* MenuHost();
  void EnterMenuState();
  void LeaveMenuState();
  void SyncKeyHook();
  void MenuLoopMessage(MSG& msg, const fw::MessageHookChain::Next& next);
  void EndMenus();
  void MenuClosed();
  void KeyMenu(LPARAM key);
  void FormShortCut(uint16_t key, fw::TShortCut shift, bool& handled);
  void SystemMenuKey();
  void ObjectMenu(int index);
  void CaptionRightClick();
  void ShowSystemMenu(const fw::TRect& anchor);
  TskSysMenuInput SysMenuInput() const;
  TskSysMenuCaptions MenuCaptions() const;
  fw::TMenuItem* NewMenuItem(const TskSysMenuEntry& entry, fw::TComponent* owner);
  void MergeSystemMenu(const TskSysMenuInput& in, const TskSysMenuCaptions& captions);
  void RunSysCommand(TskSysCommand command);

  TskSkinMenu* skinMenu_ = nullptr;           // owned: shows every skinned menu of the form
  fw::TPopupMenu* defaultSysMenu_ = nullptr;  // owned: its items are rebuilt at each request
  fw::TPopupMenu* systemMenu_ = nullptr;
  TskSkinData* menusSkinData_ = nullptr;
  // The handler swapped while a menu is open: whether the loop's keys go to
  // the menu (keyHook_ in front of the loop) rather than to the controls.
  TskMenuOpenState<bool> menuState_;
  bool keysToMenu_ = false;
  fw::MessageHook keyHook_;
  // The Alt of the Alt+Space that opened the menu is still down: its
  // release must not reach the default handling, which would take it for
  // Alt pressed alone and end the menu.
  bool altHeldAtOpen_ = false;
  // Cleared on destruction: a menu command may free the form and this.
  std::shared_ptr<bool> menuAlive_ = std::make_shared<bool>(true);

  HWND Wnd() const { return form_->HandleIfAllocated(); }

  fw::TForm* form_ = nullptr;
  fw::WindowHook hook_;
  TskSkinData* skinData_ = nullptr;
  TskBorderIcons borderIcons_ = kDefaultBorderIcons;

  bool skinned_ = true;
  bool skinInUse_ = false;
  bool skinChanging_ = false;
  bool active_ = false;  // the last activation the frame was told of
  int frameWidth_ = 0, frameHeight_ = 0;

  // Taken from the skin once per skin; the mask strips are kept across sizes.
  TskFrameSkin frame_;
  fw::TBitmap mask24_;
  TskMaskStrips maskStrips_;
  TskFrameRects rects_;
  fw::TRect defaultCaption_;  // the built-in look's caption

  std::vector<TskCaptionObjectLayout> objects_;
  TskCaptionObjectTracker tracker_;
  fw::TTimer* hoverTimer_ = nullptr;  // 50 ms: follows the mouse over the objects
  fw::TTimer* morphTimer_ = nullptr;  // 25 ms: one morph step per tick

  TskPlacement placement_;  // the skinned window state; bounds as last applied
  TskSizeMoveLoop sizeMove_;
  TskMagnet magnet_;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 200;
  TskSkinStatusBar* statusBar_ = nullptr;
  TskTrayIcon* trayIcon_ = nullptr;
  TskSkinPopupMenu* trayMenu_ = nullptr;  // owned, made when first asked for
};

// Makes TskSkinForm known to layouts.
void RegisterSkinFormClasses();

}  // namespace sk
