#include "skin/form/skFormRouting.h"

namespace sk {

namespace {

using A = TskFormAction;
using D = TskDefaultCall;

constexpr TskRoute Pass() { return {A::None, D::After, 0}; }
constexpr TskRoute Then(A action) { return {action, D::After, 0}; }
constexpr TskRoute AfterDefault(A action) { return {action, D::Before, 0}; }
constexpr TskRoute Handled(A action, intptr_t result = 0) { return {action, D::None, result}; }

bool EndsMenus(unsigned m) {
  switch (m) {
    case msg::WM_MOVE:
    case msg::WM_SIZE:
    case msg::WM_ACTIVATE:
    case msg::WM_KILLFOCUS:
    case msg::WM_CANCELMODE:
    case msg::WM_MOUSEACTIVATE:
    case msg::WM_NCLBUTTONDOWN:
    case msg::WM_NCRBUTTONDOWN:
    case msg::WM_NCMBUTTONDOWN:
    case msg::WM_LBUTTONDOWN:
    case msg::WM_RBUTTONDOWN:
    case msg::WM_MBUTTONDOWN:
    case msg::WM_PARENTNOTIFY: return true;
    default: return false;
  }
}

TskRoute Decide(unsigned m, uintptr_t wParam, intptr_t lParam, const TskFormFlags& f) {
  const bool framed = f.skinned && f.hasBorder && !f.maximizedMdiChild;
  switch (m) {
    case msg::WM_DESTROY: return Then(A::Destroy);
    case msg::WM_SIZE:
      if (f.inSizeMove && f.dragFullWindows) return Then(A::SizeWhileDragging);
      return AfterDefault(A::Size);
    case msg::WM_ACTIVATE: return f.skinned ? AfterDefault(A::Activate) : Pass();
    case msg::WM_SETTEXT: return f.skinned ? AfterDefault(A::SetText) : Pass();
    // An MDI parent's client window paints its own background.
    case msg::WM_ERASEBKGND: return Handled(f.mdiParent && !f.clientPanelCapturing ? A::None : A::EraseBackground, 1);
    case msg::WM_SHOWWINDOW: return Then(A::ShowWindow);
    case msg::WM_SETCURSOR: return f.skinned && f.useFormCursorInNCArea ? Then(A::SetCursorHitCode) : Pass();
    case msg::WM_MOUSEACTIVATE: return f.skinned && f.mdiChild ? Then(A::MouseActivate) : Pass();
    case msg::WM_GETMINMAXINFO: return f.skinned ? Then(A::MinMaxInfo) : Pass();
    case msg::WM_DISPLAYCHANGE: return f.hasBorder ? Then(A::DisplayChange) : Pass();
    case msg::WM_NCCALCSIZE: return f.skinned ? Handled(A::CalcSize) : Pass();
    case msg::WM_NCHITTEST: return f.skinned ? Handled(A::HitTest) : Pass();
    case msg::WM_NCPAINT:
      if (!framed) return Pass();
      if (f.skinInUse) return Handled(A::PaintSkin);
      // Between the two change messages there is no frame to paint.
      return Handled(f.skinChanging ? A::None : A::PaintDefault);
    case msg::WM_NCACTIVATE:
      if (!f.skinned) return Pass();
      if (f.mdiChild || (f.mdiParent && f.preVista)) return Then(A::NcActivate);
      // Never passed on: the system would draw its own caption over ours.
      return Handled(A::NcActivate, 1);
    case msg::WM_SYNCPAINT: return f.skinned && f.rolledUp ? Handled(A::SyncPaintRolledUp) : Pass();
    case msg::WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case msg::SC_RESTORE: return Then(A::SysRestore);
        case msg::SC_KEYMENU: return f.skinned ? Handled(A::KeyMenu) : Pass();
        default: return Pass();
      }
    case msg::WM_TIMER:
      return wParam == msg::FADE_TIMER_ID && f.win2000OrLater && f.alphaBlendOrAnimation ? Then(A::FadeIn) : Pass();
    case msg::WM_SIZING: return f.inSizeMove && f.dragFullWindows ? AfterDefault(A::Sizing) : Pass();
    case msg::WM_MOVING: return f.skinned ? Then(A::Moving) : Pass();
    case msg::WM_ENTERSIZEMOVE: return f.skinned ? Then(A::EnterSizeMove) : Pass();
    case msg::WM_EXITSIZEMOVE: return f.skinned ? Then(A::ExitSizeMove) : Pass();
    // Another skin data's messages leave the frame alone; wParam is only
    // ever compared with ours.
    case msg::SKINMSG_BEFORE_CHANGE: return f.wParamIsSkinData ? Then(A::BeforeSkinChange) : Pass();
    case msg::SKINMSG_CHANGED: return Then(A::SkinChanged);
    case msg::SKINMSG_AFTER_CHANGE: return f.wParamIsSkinData ? Then(A::AfterSkinChange) : Pass();
    // Sent from outside too: act only in the state the message is about.
    case msg::SKINMSG_CLOSE_MENU: return f.menuOpen ? Then(A::CloseMenu) : Pass();
    case msg::SKINMSG_MDICHILD_FIT: return f.mdiChild ? Then(A::MdiChildFit) : Pass();
    case msg::SKINMSG_MDICHILD_MAXIMIZED: return f.mdiParent ? Then(A::MdiChildMaximized) : Pass();
    case msg::SKINMSG_MDICHILD_RESTORED: return f.mdiParent ? Then(A::MdiChildRestored) : Pass();
    case msg::SKINMSG_RESOURCE_STRINGS: return Then(A::ResourceStrings);
    case msg::SKINMSG_FORM_SKINNABLE: return f.wParamIsSkinData && !f.mdiChild ? Then(A::SkinnableChanged) : Pass();
    case msg::QUERY_SKINNED:
      return Handled(A::QuerySkinned, f.skinned || f.preVista ? msg::SKINNED_ANSWER : msg::UNSKINNED_ANSWER);
    // The frame goes into the caller's DC only when it is one; the handler
    // answers success only when it painted.
    case msg::PAINT_FRAME_TO_DC:
      if (!f.skinned) return Pass();
      return Handled(framed && f.wParamIsDC ? A::PaintFrameToDC : A::None);
    case msg::PAINT_FRAME_TO_DC_EX:
      if (!f.skinned || lParam != msg::PAINT_FRAME_TO_DC_EX_KEY) return Pass();
      return Handled(framed && f.wParamIsDC ? A::PaintFrameToDC : A::None);
    case msg::WM_NCMOUSEMOVE:
    case msg::WM_NCLBUTTONDOWN:
    case msg::WM_NCLBUTTONUP:
    case msg::WM_NCLBUTTONDBLCLK:
    case msg::WM_NCRBUTTONDOWN:
    case msg::WM_NCRBUTTONUP:
    case msg::WM_NCRBUTTONDBLCLK: return f.skinned ? AfterDefault(A::NcMouse) : Pass();
    // A release ends a button press that captured the mouse, skinned or not.
    case msg::WM_LBUTTONUP:
    case msg::WM_RBUTTONUP: return AfterDefault(A::NcMouse);
    default: return Pass();
  }
}

}  // namespace

TskRoute RouteFormMessage(unsigned message, uintptr_t wParam, intptr_t lParam, const TskFormFlags& flags) {
  TskRoute route = Decide(message, wParam, lParam, flags);
  route.endsMenus = EndsMenus(message);
  return route;
}

intptr_t SetCursorHitCode(intptr_t lParam) {
  const intptr_t code = lParam & 0xFFFF;
  constexpr intptr_t kClient = 1, kFirstSizing = 10, kLastSizing = 17;
  if (code == kClient || (code >= kFirstSizing && code <= kLastSizing)) return lParam;
  return (lParam & ~intptr_t{0xFFFF}) | kClient;
}

}  // namespace sk
