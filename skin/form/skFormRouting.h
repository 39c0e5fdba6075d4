#pragma once
// What the skinned form does with each window message, decided from the
// message and the form's state alone: which handler runs, whether the saved
// window procedure runs (before the handler, after it, or not at all) and
// what the message returns. The Win32 hook switches over the action and
// calls one handler per case; every decision can be checked without a
// window.
#include <cstdint>

namespace sk {

// Window messages the form takes (the platform's numbers).
namespace msg {
constexpr unsigned WM_DESTROY = 0x0002, WM_SIZE = 0x0005, WM_ACTIVATE = 0x0006, WM_KILLFOCUS = 0x0008,
                   WM_SETTEXT = 0x000C, WM_ERASEBKGND = 0x0014, WM_SHOWWINDOW = 0x0018, WM_CANCELMODE = 0x001F,
                   WM_SETCURSOR = 0x0020, WM_MOUSEACTIVATE = 0x0021, WM_GETMINMAXINFO = 0x0024,
                   WM_DISPLAYCHANGE = 0x007E, WM_NCCALCSIZE = 0x0083, WM_NCHITTEST = 0x0084, WM_NCPAINT = 0x0085,
                   WM_NCACTIVATE = 0x0086, WM_SYNCPAINT = 0x0088, WM_NCMOUSEMOVE = 0x00A0, WM_NCLBUTTONDOWN = 0x00A1,
                   WM_NCLBUTTONUP = 0x00A2, WM_NCLBUTTONDBLCLK = 0x00A3, WM_NCRBUTTONDOWN = 0x00A4,
                   WM_NCRBUTTONUP = 0x00A5, WM_NCRBUTTONDBLCLK = 0x00A6, WM_NCMBUTTONDOWN = 0x00A7,
                   WM_SYSCOMMAND = 0x0112, WM_TIMER = 0x0113, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
                   WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205, WM_MBUTTONDOWN = 0x0207, WM_PARENTNOTIFY = 0x0210,
                   WM_SIZING = 0x0214, WM_MOVING = 0x0216, WM_ENTERSIZEMOVE = 0x0231, WM_EXITSIZEMOVE = 0x0232,
                   WM_MOVE = 0x0003;
constexpr unsigned SKINMSG_BEFORE_CHANGE = 1225, SKINMSG_CHANGED = 1226, SKINMSG_AFTER_CHANGE = 1227,
                   SKINMSG_CLOSE_MENU = 1228, SKINMSG_MDICHILD_FIT = 1230, SKINMSG_MDICHILD_MAXIMIZED = 1231,
                   SKINMSG_MDICHILD_RESTORED = 1232, SKINMSG_RESOURCE_STRINGS = 1274, SKINMSG_FORM_SKINNABLE = 1294;
// Asked by outside callers: is this window skinned, and paint its frame
// into my DC.
constexpr unsigned QUERY_SKINNED = 0xB1B2, PAINT_FRAME_TO_DC = 0xB1C9, PAINT_FRAME_TO_DC_EX = 0xBC4B;
constexpr intptr_t PAINT_FRAME_TO_DC_EX_KEY = 0x41A2;
constexpr intptr_t SKINNED_ANSWER = 0x3235, UNSKINNED_ANSWER = 0x3234, PAINTED_ANSWER = 0x3233;
constexpr unsigned SC_RESTORE = 0xF120, SC_KEYMENU = 0xF100;
constexpr uintptr_t FADE_TIMER_ID = 1;
}  // namespace msg

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
  SetText,            // repaint the caption (and MDI entries)
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
