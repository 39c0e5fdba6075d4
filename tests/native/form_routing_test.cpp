// The form's message routing, row by row: which handler runs, whether the
// saved window procedure runs before, after or not at all, and the result.
#include <gtest/gtest.h>

#include "skin/form/skFormRouting.h"

namespace {

using A = sk::TskFormAction;
using D = sk::TskDefaultCall;
namespace msg = sk::msg;

sk::TskFormFlags Skinned() {
  sk::TskFormFlags f;
  f.skinned = true;
  f.skinInUse = true;
  return f;
}

sk::TskFormFlags Unskinned() {
  sk::TskFormFlags f;
  f.skinned = false;
  return f;
}

struct Row {
  const char* what;
  unsigned message;
  uintptr_t wParam;
  intptr_t lParam;
  sk::TskFormFlags flags;
  sk::TskRoute route;
};

sk::TskFormFlags With(sk::TskFormFlags f, bool sk::TskFormFlags::*member, bool value = true) {
  f.*member = value;
  return f;
}

TEST(FormRouting, MessageTable) {
  using F = sk::TskFormFlags;
  const F s = Skinned();
  const F u = Unskinned();
  const Row rows[] = {
      {"calc size", msg::WM_NCCALCSIZE, 1, 0, s, {A::CalcSize, D::None, 0}},
      {"calc size unskinned", msg::WM_NCCALCSIZE, 1, 0, u, {A::None, D::After, 0}},
      {"hit test", msg::WM_NCHITTEST, 0, 0, s, {A::HitTest, D::None, 0}},
      {"paint skin", msg::WM_NCPAINT, 1, 0, s, {A::PaintSkin, D::None, 0}},
      {"paint built-in", msg::WM_NCPAINT, 1, 0, With(s, &F::skinInUse, false), {A::PaintDefault, D::None, 0}},
      {"paint while changing",
       msg::WM_NCPAINT,
       1,
       0,
       With(With(s, &F::skinInUse, false), &F::skinChanging),
       {A::None, D::None, 0}},
      {"paint without border", msg::WM_NCPAINT, 1, 0, With(s, &F::hasBorder, false), {A::None, D::After, 0}},
      {"paint maximised MDI child", msg::WM_NCPAINT, 1, 0, With(s, &F::maximizedMdiChild), {A::None, D::After, 0}},
      // The system never draws its caption over ours.
      {"activate frame", msg::WM_NCACTIVATE, 0, 0, s, {A::NcActivate, D::None, 1}},
      {"activate MDI child", msg::WM_NCACTIVATE, 1, 0, With(s, &F::mdiChild), {A::NcActivate, D::After, 0}},
      {"activate frame unskinned", msg::WM_NCACTIVATE, 1, 0, u, {A::None, D::After, 0}},
      {"size", msg::WM_SIZE, 0, 0, s, {A::Size, D::Before, 0}},
      {"size while dragging",
       msg::WM_SIZE,
       0,
       0,
       With(With(s, &F::inSizeMove), &F::dragFullWindows),
       {A::SizeWhileDragging, D::After, 0}},
      {"activate", msg::WM_ACTIVATE, 1, 0, s, {A::Activate, D::Before, 0}},
      {"set text", msg::WM_SETTEXT, 0, 0, s, {A::SetText, D::Before, 0}},
      {"erase", msg::WM_ERASEBKGND, 0, 0, u, {A::EraseBackground, D::None, 1}},
      {"erase MDI parent", msg::WM_ERASEBKGND, 0, 0, With(s, &F::mdiParent), {A::None, D::None, 1}},
      {"erase MDI parent for the panel",
       msg::WM_ERASEBKGND,
       0,
       0,
       With(With(s, &F::mdiParent), &F::clientPanelCapturing),
       {A::EraseBackground, D::None, 1}},
      {"cursor", msg::WM_SETCURSOR, 0, 2, With(s, &F::useFormCursorInNCArea), {A::SetCursorHitCode, D::After, 0}},
      {"cursor, own", msg::WM_SETCURSOR, 0, 2, s, {A::None, D::After, 0}},
      {"sync paint rolled up", msg::WM_SYNCPAINT, 0, 0, With(s, &F::rolledUp), {A::SyncPaintRolledUp, D::None, 0}},
      {"sync paint", msg::WM_SYNCPAINT, 0, 0, s, {A::None, D::After, 0}},
      {"restore", msg::WM_SYSCOMMAND, msg::SC_RESTORE, 0, u, {A::SysRestore, D::After, 0}},
      {"key menu", msg::WM_SYSCOMMAND, msg::SC_KEYMENU + 2, 0, s, {A::KeyMenu, D::None, 0}},
      {"other command", msg::WM_SYSCOMMAND, 0xF020, 0, s, {A::None, D::After, 0}},
      {"fade-in", msg::WM_TIMER, 1, 0, With(s, &F::alphaBlendOrAnimation), {A::FadeIn, D::After, 0}},
      {"other timer", msg::WM_TIMER, 2, 0, With(s, &F::alphaBlendOrAnimation), {A::None, D::After, 0}},
      {"sizing", msg::WM_SIZING, 0, 0, With(With(s, &F::inSizeMove), &F::dragFullWindows), {A::Sizing, D::Before, 0}},
      {"sizing, outline drag", msg::WM_SIZING, 0, 0, With(s, &F::inSizeMove), {A::None, D::After, 0}},
      {"before change, ours",
       msg::SKINMSG_BEFORE_CHANGE,
       0,
       0,
       With(s, &F::wParamIsSkinData),
       {A::BeforeSkinChange, D::After, 0}},
      {"before change, another's", msg::SKINMSG_BEFORE_CHANGE, 0, 0, s, {A::None, D::After, 0}},
      {"changed, another's", msg::SKINMSG_CHANGED, 0, 0, s, {A::SkinChanged, D::After, 0}},
      {"close menu, none open", msg::SKINMSG_CLOSE_MENU, 0, 0, s, {A::None, D::After, 0}},
      {"close menu", msg::SKINMSG_CLOSE_MENU, 0, 0, With(s, &F::menuOpen), {A::CloseMenu, D::After, 0}},
      {"child maximised, no MDI parent", msg::SKINMSG_MDICHILD_MAXIMIZED, 0, 0, s, {A::None, D::After, 0}},
      {"child maximised",
       msg::SKINMSG_MDICHILD_MAXIMIZED,
       0,
       0,
       With(s, &F::mdiParent),
       {A::MdiChildMaximized, D::After, 0}},
      {"skinnable",
       msg::SKINMSG_FORM_SKINNABLE,
       0,
       1000,
       With(s, &F::wParamIsSkinData),
       {A::SkinnableChanged, D::After, 0}},
      {"skinnable, MDI child",
       msg::SKINMSG_FORM_SKINNABLE,
       0,
       1000,
       With(With(s, &F::wParamIsSkinData), &F::mdiChild),
       {A::None, D::After, 0}},
      {"query", msg::QUERY_SKINNED, 0, 0, s, {A::QuerySkinned, D::None, msg::SKINNED_ANSWER}},
      {"query unskinned", msg::QUERY_SKINNED, 0, 0, u, {A::QuerySkinned, D::None, msg::UNSKINNED_ANSWER}},
      {"query unskinned, old system",
       msg::QUERY_SKINNED,
       0,
       0,
       With(u, &F::preVista),
       {A::QuerySkinned, D::None, msg::SKINNED_ANSWER}},
      // Painting into an outside DC: only into a DC, and success is the painter's to report.
      {"paint to DC", msg::PAINT_FRAME_TO_DC, 0, 0, With(s, &F::wParamIsDC), {A::PaintFrameToDC, D::None, 0}},
      {"paint to a window handle", msg::PAINT_FRAME_TO_DC, 0, 0, s, {A::None, D::None, 0}},
      {"paint to DC unskinned", msg::PAINT_FRAME_TO_DC, 0, 0, With(u, &F::wParamIsDC), {A::None, D::After, 0}},
      {"paint to DC, keyed",
       msg::PAINT_FRAME_TO_DC_EX,
       0,
       msg::PAINT_FRAME_TO_DC_EX_KEY,
       With(s, &F::wParamIsDC),
       {A::PaintFrameToDC, D::None, 0}},
      {"paint to DC, wrong key", msg::PAINT_FRAME_TO_DC_EX, 0, 1, With(s, &F::wParamIsDC), {A::None, D::After, 0}},
      {"object mouse", msg::WM_NCLBUTTONDOWN, 2, 0, s, {A::NcMouse, D::Before, 0}},
      {"object mouse unskinned", msg::WM_NCLBUTTONDOWN, 2, 0, u, {A::None, D::After, 0}},
      {"release ends a press", msg::WM_LBUTTONUP, 0, 0, u, {A::NcMouse, D::Before, 0}},
      {"anything else", 0x0400, 0, 0, s, {A::None, D::After, 0}},
  };
  for (const Row& r : rows) {
    sk::TskRoute got = sk::RouteFormMessage(r.message, r.wParam, r.lParam, r.flags);
    got.endsMenus = false;
    EXPECT_EQ(got, r.route) << r.what;
  }
}

TEST(FormRouting, MessagesThatEndMenus) {
  for (const unsigned m : {msg::WM_MOVE, msg::WM_SIZE, msg::WM_ACTIVATE, msg::WM_KILLFOCUS, msg::WM_CANCELMODE,
                           msg::WM_MOUSEACTIVATE, msg::WM_NCLBUTTONDOWN, msg::WM_NCRBUTTONDOWN, msg::WM_NCMBUTTONDOWN,
                           msg::WM_LBUTTONDOWN, msg::WM_RBUTTONDOWN, msg::WM_MBUTTONDOWN, msg::WM_PARENTNOTIFY}) {
    EXPECT_TRUE(sk::RouteFormMessage(m, 0, 0, Skinned()).endsMenus) << m;
  }
  EXPECT_FALSE(sk::RouteFormMessage(msg::WM_NCMOUSEMOVE, 0, 0, Skinned()).endsMenus);
  EXPECT_FALSE(sk::RouteFormMessage(msg::WM_NCPAINT, 0, 0, Skinned()).endsMenus);
}

TEST(FormRouting, FormCursorKeepsTheSizingEdges) {
  EXPECT_EQ(sk::SetCursorHitCode(0x02010002), 0x02010001);  // caption: the form's cursor
  EXPECT_EQ(sk::SetCursorHitCode(19), 1);                   // caption objects too
  for (intptr_t code = 10; code <= 17; ++code) EXPECT_EQ(sk::SetCursorHitCode(code), code);
  EXPECT_EQ(sk::SetCursorHitCode(1), 1);
}

}  // namespace
