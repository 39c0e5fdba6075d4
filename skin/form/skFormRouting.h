#pragma once
// What the skinned form does with each window message, decided from the
// message and the form's state alone: which handler runs, whether the saved
// window procedure runs (before the handler, after it, or not at all) and
// what the message returns. The Win32 hook switches over the action and
// calls one handler per case; every decision can be checked without a
// window.
#include <cstdint>

#include "skin/data/skSkinDataBroadcast.h"

namespace sk {

// Window messages the form takes, with the platform's numbers (named apart
// from the platform's macros so both can be seen in one file). The skin
// engine's own messages are in skSkinDataBroadcast.h.
namespace wm {
constexpr unsigned Destroy = 0x0002, Move = 0x0003, Size = 0x0005, Activate = 0x0006, KillFocus = 0x0008,
                   SetText = 0x000C, SetIcon = 0x0080, EraseBkgnd = 0x0014, ShowWindow = 0x0018, CancelMode = 0x001F,
                   SetCursor = 0x0020, MouseActivate = 0x0021, GetMinMaxInfo = 0x0024, DisplayChange = 0x007E,
                   NcCalcSize = 0x0083, NcHitTest = 0x0084, NcPaint = 0x0085, NcActivate = 0x0086, SyncPaint = 0x0088,
                   NcMouseMove = 0x00A0, NcLButtonDown = 0x00A1, NcLButtonUp = 0x00A2, NcLButtonDblClk = 0x00A3,
                   NcRButtonDown = 0x00A4, NcRButtonUp = 0x00A5, NcRButtonDblClk = 0x00A6, NcMButtonDown = 0x00A7,
                   SysCommand = 0x0112, Timer = 0x0113, LButtonDown = 0x0201, LButtonUp = 0x0202, RButtonDown = 0x0204,
                   RButtonUp = 0x0205, MButtonDown = 0x0207, ParentNotify = 0x0210, Sizing = 0x0214, Moving = 0x0216,
                   EnterSizeMove = 0x0231, ExitSizeMove = 0x0232;
constexpr uintptr_t ScRestore = 0xF120, ScKeyMenu = 0xF100;
constexpr uintptr_t FadeTimerId = 1;
// The framework asks a form whether it shows maximised (CM_ISMAXIMIZED).
constexpr unsigned IsMaximizedQuery = 0xB000 + 0x70;
// Asked by outside callers: is this window skinned, and paint its frame
// into my DC.
constexpr unsigned QuerySkinned = 0xB1B2, PaintFrameToDC = 0xB1C9, PaintFrameToDCEx = 0xBC4B;
constexpr intptr_t PaintFrameToDCExKey = 0x41A2;
constexpr intptr_t SkinnedAnswer = 0x3235, UnskinnedAnswer = 0x3234, PaintedAnswer = 0x3233;
}  // namespace wm

// The form's state as far as routing depends on it.
struct TskFormFlags {
  bool skinned = true;
  bool skinInUse = false;
  bool skinChanging = false;
  bool hasBorder = true;
  bool mdiChild = false;
  bool mdiParent = false;
  bool maximizedMdiChild = false;
  bool preVista = false;
  bool win2000OrLater = true;
  bool inSizeMove = false;
  bool dragFullWindows = false;
  bool rolledUp = false;
  bool skinMaximized = false;  // the skinned form's own maximised state
  bool menuOpen = false;
  bool useFormCursorInNCArea = false;
  bool alphaBlendOrAnimation = false;
  bool clientPanelCapturing = false;  // the inactive-client panel asks for the background
  bool wParamIsSkinData = false;      // wParam equals our skin data (compared, never used)
  bool wParamIsDC = false;            // wParam is a device context
};

enum class TskFormAction {
  None,               // nothing of ours
  Destroy,            // stop the timers; MDI child bookkeeping
  SizeWhileDragging,  // repaint the logo only
  Size,               // take the new size, rebuild region and frame
  Activate,           // repaint, reset objects, re-evaluate the caption
  SetText,            // repaint the caption (and MDI entries); also after a new icon
  EraseBackground,    // paint the client background
  ShowWindow,         // placement, fade-in preparation, menu bar removal
  SetCursorHitCode,   // replace the hit code in lParam (SetCursorHitCode)
  MouseActivate,      // an MDI child marks itself active
  MinMaxInfo,         // the size limits
  DisplayChange,      // recompute the frame when the window no longer fits
  CalcSize,           // the client rectangle (WM_NCCALCSIZE)
  HitTest,            // the hit code (WM_NCHITTEST); the result is the handler's
  PaintSkin,          // PaintNCSkin into the window DC
  PaintDefault,       // PaintNCDefault into the window DC
  NcActivate,         // activation of the frame
  SyncPaintRolledUp,  // WM_NCPAINT instead
  SysRestore,         // fire OnRestore
  KeyMenu,            // keyboard menu mode
  FadeIn,             // the fade-in timer
  Sizing,             // region and frame for the proposed size
  Moving,             // maximised windows stay, magnetic edges
  EnterSizeMove,
  ExitSizeMove,
  BeforeSkinChange,
  SkinChanged,  // always: SkinChanging ends; ChangeSkinData only for our skin data
  AfterSkinChange,
  CloseMenu,
  MdiChildFit,
  MdiChildMaximized,
  MdiChildRestored,
  ResourceStrings,
  SkinnableChanged,
  QuerySkinned,
  PaintFrameToDC,  // the outside DC request; the result is the handler's
  NcMouse,         // caption-object mouse handling after the default
};

enum class TskDefaultCall {
  None,    // the saved procedure is not called
  Before,  // called first; the handler runs after it
  After,   // the handler runs first
};

struct TskRoute {
  TskFormAction action = TskFormAction::None;
  TskDefaultCall callDefault = TskDefaultCall::After;
  // The message's result when the saved procedure is not called (the
  // handler may supply it: HitTest, PaintFrameToDC); otherwise the saved
  // procedure's result stands.
  intptr_t result = 0;
  // Open skinned menus close and the object hint hides before anything else.
  bool endsMenus = false;
  friend bool operator==(const TskRoute&, const TskRoute&) = default;
};

TskRoute RouteFormMessage(unsigned message, uintptr_t wParam, intptr_t lParam, const TskFormFlags& flags);

// WM_SETCURSOR with the form's cursor in the non-client area: the hit code
// (lParam's low word) becomes HTCLIENT except on the sizing edges.
intptr_t SetCursorHitCode(intptr_t lParam);

}  // namespace sk
