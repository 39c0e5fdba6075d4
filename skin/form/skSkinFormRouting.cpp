// Every message the skinned form takes, in one switch: the portable table
// decides the action and whether the form's own handling runs before or
// after it; each case calls one handler.
#include "framework/GdiObjects.h"
#include "skin/form/skSkinForm.h"

namespace sk {

namespace {

using A = TskFormAction;

bool IsDC(WPARAM handle) {
  const DWORD type = GetObjectType(reinterpret_cast<HGDIOBJ>(handle));
  return type == OBJ_DC || type == OBJ_MEMDC;
}

// The default handling of these paints a system caption over ours.
bool DefaultDrawsCaption(unsigned message) { return message == wm::SetText || message == wm::SetIcon; }

}  // namespace

TskFormFlags TskSkinForm::Flags(const fw::TMessage& m) const {
  TskFormFlags f;
  f.skinned = skinned_;
  f.skinInUse = skinInUse_;
  f.skinChanging = skinChanging_;
  f.hasBorder = form_->BorderStyle() != fw::TFormBorderStyle::bsNone;
  f.useFormCursorInNCArea = UseFormCursorInNCArea;
  f.inSizeMove = sizeMove_.Running();
  f.dragFullWindows = sizeMove_.LiveDrag();
  f.rolledUp = placement_.rolledUp;
  f.skinMaximized = placement_.state == TskWindowState::Maximized;
  f.alphaBlendOrAnimation = alphaBlend_ || AlphaBlendAnimation;
  f.menuOpen = menuState_.IsOpen();
  f.wParamIsSkinData = skinData_ && m.wParam == reinterpret_cast<WPARAM>(skinData_);
  f.wParamIsDC = (m.msg == wm::PaintFrameToDC || m.msg == wm::PaintFrameToDCEx) && IsDC(m.wParam);
  return f;
}

void TskSkinForm::CallDefault(fw::TMessage& m, const Next& next, bool holdRedraw) {
  HWND wnd = Wnd();
  const LONG style = wnd ? GetWindowLongW(wnd, GWL_STYLE) : 0;
  // Without WS_VISIBLE for the moment, the default handling stores the
  // text or icon but draws nothing; the frame is repainted after it.
  const bool hold = holdRedraw && skinned_ && (style & WS_VISIBLE);
  if (hold) SetWindowLongW(wnd, GWL_STYLE, style & ~WS_VISIBLE);
  next(m);
  if (hold) SetWindowLongW(wnd, GWL_STYLE, GetWindowLongW(wnd, GWL_STYLE) | WS_VISIBLE);
}

void TskSkinForm::SkinWindowProc(fw::TMessage& m, const Next& next) {
  const TskRoute route = RouteFormMessage(m.msg, m.wParam, m.lParam, Flags(m));
  // Whether the system's size/move loop runs for this press is known after
  // its default handling.
  if (m.msg == wm::NcLButtonDown) sizeMove_.PressStarts();
  if (route.endsMenus) HideObjectHint();
  if (route.endsMenus) EndMenus();
  if (route.callDefault == TskDefaultCall::Before) CallDefault(m, next, DefaultDrawsCaption(m.msg));
  intptr_t result = route.result;
  switch (route.action) {
    case A::Destroy: StopTimers(); break;
    case A::SizeWhileDragging: RepaintLogo(); break;
    case A::Size: Size(); break;
    case A::ResourceStrings: SetDefaultHints(); break;
    case A::Activate: Activate(); break;
    case A::SetText: RepaintFrame(); break;
    case A::EraseBackground: PaintClientBackground(reinterpret_cast<HDC>(m.wParam)); break;
    case A::ShowWindow: ShowChanged(m.wParam != 0); break;
    case A::SetCursorHitCode: m.lParam = SetCursorHitCode(m.lParam); break;
    case A::MinMaxInfo: MinMaxInfo(m.lParam); break;
    case A::DisplayChange: DisplayChange(); break;
    case A::CalcSize: CalcSize(m); break;
    case A::HitTest: result = HitTest(m.lParam); break;
    case A::PaintSkin: PaintNC(fw::WindowDC(Wnd()).Get()); break;
    case A::PaintDefault: PaintNC(fw::WindowDC(Wnd()).Get()); break;
    case A::NcActivate: NcActivate(m.wParam != 0); break;
    case A::SyncPaintRolledUp: RepaintFrame(); break;
    case A::SysRestore: SysRestore(); break;
    case A::FadeIn: FadeIn(); break;
    case A::Sizing: Sizing(m.lParam); break;
    case A::Moving: Moving(m.lParam); break;
    case A::EnterSizeMove: EnterSizeMove(); break;
    case A::ExitSizeMove: ExitSizeMove(); break;
    case A::BeforeSkinChange: BeforeSkinChange(); break;
    case A::SkinChanged: SkinChanged(m.wParam); break;
    case A::AfterSkinChange: AfterSkinChange(); break;
    case A::SkinnableChanged: SkinnableChanged(); break;
    case A::PaintFrameToDC: result = PaintFrameToDC(m.msg, m.wParam); break;
    case A::NcMouse: NcMouse(m); break;
    case A::KeyMenu: KeyMenu(m.lParam); break;
    case A::CloseMenu: MenuClosed(); break;
    // MDI coordination is not taken over here: the form's own handling
    // answers those messages.
    default: break;
  }
  if (route.callDefault == TskDefaultCall::After) CallDefault(m, next, DefaultDrawsCaption(m.msg));
  if (route.callDefault == TskDefaultCall::None) m.result = result;
}

}  // namespace sk
