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
    case wm::Move:
    case wm::Size:
    case wm::Activate:
    case wm::KillFocus:
    case wm::CancelMode:
    case wm::MouseActivate:
    case wm::NcLButtonDown:
    case wm::NcRButtonDown:
    case wm::NcMButtonDown:
    case wm::LButtonDown:
    case wm::RButtonDown:
    case wm::MButtonDown:
    case wm::ParentNotify: return true;
    default: return false;
  }
}

TskRoute Decide(unsigned m, uintptr_t wParam, intptr_t lParam, const TskFormFlags& f) {
  const bool framed = f.skinned && f.hasBorder && !f.maximizedMdiChild;
  switch (m) {
    case wm::Destroy: return Then(A::Destroy);
    case wm::Size:
      if (f.inSizeMove && f.dragFullWindows) return Then(A::SizeWhileDragging);
      return AfterDefault(A::Size);
    case wm::Activate: return f.skinned ? AfterDefault(A::Activate) : Pass();
    case wm::SetText: return f.skinned ? AfterDefault(A::SetText) : Pass();
    // The default handling draws the system caption with the new icon.
    case wm::SetIcon: return f.skinned ? AfterDefault(A::SetText) : Pass();
    // An MDI parent's client window paints its own background.
    case wm::EraseBkgnd: return Handled(f.mdiParent && !f.clientPanelCapturing ? A::None : A::EraseBackground, 1);
    case wm::ShowWindow: return Then(A::ShowWindow);
    case wm::SetCursor: return f.skinned && f.useFormCursorInNCArea ? Then(A::SetCursorHitCode) : Pass();
    case wm::MouseActivate: return f.skinned && f.mdiChild ? Then(A::MouseActivate) : Pass();
    case wm::GetMinMaxInfo: return f.skinned ? Then(A::MinMaxInfo) : Pass();
    case wm::DisplayChange: return f.hasBorder ? Then(A::DisplayChange) : Pass();
    case wm::NcCalcSize: return f.skinned ? Handled(A::CalcSize) : Pass();
    case wm::NcHitTest: return f.skinned ? Handled(A::HitTest) : Pass();
    case wm::NcPaint:
      if (!framed) return Pass();
      if (f.skinInUse) return Handled(A::PaintSkin);
      // Between the two change messages there is no frame to paint.
      return Handled(f.skinChanging ? A::None : A::PaintDefault);
    case wm::NcActivate:
      if (!f.skinned) return Pass();
      if (f.mdiChild || (f.mdiParent && f.preVista)) return Then(A::NcActivate);
      // Never passed on: the system would draw its own caption over ours.
      return Handled(A::NcActivate, 1);
    case wm::SyncPaint: return f.skinned && f.rolledUp ? Handled(A::SyncPaintRolledUp) : Pass();
    case wm::SysCommand:
      switch (wParam & 0xFFF0) {
        case wm::ScRestore: return Then(A::SysRestore);
        case wm::ScKeyMenu: return f.skinned ? Handled(A::KeyMenu) : Pass();
        default: return Pass();
      }
    case wm::Timer:
      return wParam == wm::FadeTimerId && f.win2000OrLater && f.alphaBlendOrAnimation ? Then(A::FadeIn) : Pass();
    case wm::Sizing: return f.inSizeMove && f.dragFullWindows ? AfterDefault(A::Sizing) : Pass();
    case wm::Moving: return f.skinned ? Then(A::Moving) : Pass();
    case wm::EnterSizeMove: return f.skinned ? Then(A::EnterSizeMove) : Pass();
    case wm::ExitSizeMove: return f.skinned ? Then(A::ExitSizeMove) : Pass();
    // Another skin data's messages leave the frame alone; wParam is only
    // ever compared with ours.
    case SKINMSG_BEFORE_CHANGE: return f.wParamIsSkinData ? Then(A::BeforeSkinChange) : Pass();
    case SKINMSG_CHANGED: return Then(A::SkinChanged);
    case SKINMSG_AFTER_CHANGE: return f.wParamIsSkinData ? Then(A::AfterSkinChange) : Pass();
    // Sent from outside too: act only in the state the message is about.
    case SKINMSG_CLOSE_MENU: return f.menuOpen ? Then(A::CloseMenu) : Pass();
    case SKINMSG_MDICHILD_FIT: return f.mdiChild ? Then(A::MdiChildFit) : Pass();
    case SKINMSG_MDICHILD_MAXIMIZED: return f.mdiParent ? Then(A::MdiChildMaximized) : Pass();
    case SKINMSG_MDICHILD_RESTORED: return f.mdiParent ? Then(A::MdiChildRestored) : Pass();
    case SKINMSG_RESOURCE_STRINGS: return Then(A::ResourceStrings);
    case SKINMSG_FORM_SKINNABLE: return f.wParamIsSkinData && !f.mdiChild ? Then(A::SkinnableChanged) : Pass();
    // Skinned, the system never maximises the window: the answer is ours.
    case wm::IsMaximizedQuery: return f.skinned ? Handled(A::None, f.skinMaximized ? 1 : 0) : Pass();
    case wm::QuerySkinned:
      return Handled(A::QuerySkinned, f.skinned || f.preVista ? wm::SkinnedAnswer : wm::UnskinnedAnswer);
    // The frame goes into the caller's DC only when it is one; the handler
    // answers success only when it painted.
    case wm::PaintFrameToDC:
      if (!f.skinned) return Pass();
      return Handled(framed && f.wParamIsDC ? A::PaintFrameToDC : A::None);
    case wm::PaintFrameToDCEx:
      if (!f.skinned || lParam != wm::PaintFrameToDCExKey) return Pass();
      return Handled(framed && f.wParamIsDC ? A::PaintFrameToDC : A::None);
    case wm::NcMouseMove:
    case wm::NcLButtonDown:
    case wm::NcLButtonUp:
    case wm::NcLButtonDblClk:
    case wm::NcRButtonDown:
    case wm::NcRButtonUp:
    case wm::NcRButtonDblClk: return f.skinned ? AfterDefault(A::NcMouse) : Pass();
    // A release ends a button press that captured the mouse, skinned or not.
    case wm::LButtonUp:
    case wm::RButtonUp: return AfterDefault(A::NcMouse);
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
