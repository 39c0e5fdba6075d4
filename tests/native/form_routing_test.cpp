// The form's message routing, row by row: which handler runs, whether the
// saved window procedure runs before, after or not at all, and the result.
#include <gtest/gtest.h>

#include "skin/form/skFormRouting.h"

namespace {

using A = sk::TskFormAction;
using D = sk::TskDefaultCall;
namespace wm = sk::wm;
using sk::SKINMSG_BEFORE_CHANGE, sk::SKINMSG_CHANGED, sk::SKINMSG_CLOSE_MENU, sk::SKINMSG_MDICHILD_MAXIMIZED,
    sk::SKINMSG_FORM_SKINNABLE;

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
      {"calc size", wm::NcCalcSize, 1, 0, s, {A::CalcSize, D::None, 0}},
      {"calc size unskinned", wm::NcCalcSize, 1, 0, u, {A::None, D::After, 0}},
      {"hit test", wm::NcHitTest, 0, 0, s, {A::HitTest, D::None, 0}},
      {"paint skin", wm::NcPaint, 1, 0, s, {A::PaintSkin, D::None, 0}},
      {"paint built-in", wm::NcPaint, 1, 0, With(s, &F::skinInUse, false), {A::PaintDefault, D::None, 0}},
      {"paint while changing",
       wm::NcPaint,
       1,
       0,
       With(With(s, &F::skinInUse, false), &F::skinChanging),
       {A::None, D::None, 0}},
      {"paint without border", wm::NcPaint, 1, 0, With(s, &F::hasBorder, false), {A::None, D::After, 0}},
      {"paint maximised MDI child", wm::NcPaint, 1, 0, With(s, &F::maximizedMdiChild), {A::None, D::After, 0}},
      // The system never draws its caption over ours.
      {"activate frame", wm::NcActivate, 0, 0, s, {A::NcActivate, D::None, 1}},
      {"activate MDI child", wm::NcActivate, 1, 0, With(s, &F::mdiChild), {A::NcActivate, D::After, 0}},
      {"activate frame unskinned", wm::NcActivate, 1, 0, u, {A::None, D::After, 0}},
      {"size", wm::Size, 0, 0, s, {A::Size, D::Before, 0}},
      {"size while dragging",
       wm::Size,
       0,
       0,
       With(With(s, &F::inSizeMove), &F::dragFullWindows),
       {A::SizeWhileDragging, D::After, 0}},
      {"activate", wm::Activate, 1, 0, s, {A::Activate, D::Before, 0}},
      {"set text", wm::SetText, 0, 0, s, {A::SetText, D::Before, 0}},
      // A new icon is stored by the default handling, then our caption repaints.
      {"set icon", wm::SetIcon, 0, 0, s, {A::SetText, D::Before, 0}},
      {"set icon unskinned", wm::SetIcon, 0, 0, u, {A::None, D::After, 0}},
      {"erase", wm::EraseBkgnd, 0, 0, u, {A::EraseBackground, D::None, 1}},
      {"erase MDI parent", wm::EraseBkgnd, 0, 0, With(s, &F::mdiParent), {A::None, D::None, 1}},
      {"erase MDI parent for the panel",
       wm::EraseBkgnd,
       0,
       0,
       With(With(s, &F::mdiParent), &F::clientPanelCapturing),
       {A::EraseBackground, D::None, 1}},
      {"cursor", wm::SetCursor, 0, 2, With(s, &F::useFormCursorInNCArea), {A::SetCursorHitCode, D::After, 0}},
      {"cursor, own", wm::SetCursor, 0, 2, s, {A::None, D::After, 0}},
      {"sync paint rolled up", wm::SyncPaint, 0, 0, With(s, &F::rolledUp), {A::SyncPaintRolledUp, D::None, 0}},
      {"sync paint", wm::SyncPaint, 0, 0, s, {A::None, D::After, 0}},
      {"restore", wm::SysCommand, wm::ScRestore, 0, u, {A::SysRestore, D::After, 0}},
      {"key menu", wm::SysCommand, wm::ScKeyMenu + 2, 0, s, {A::KeyMenu, D::None, 0}},
      {"other command", wm::SysCommand, 0xF020, 0, s, {A::None, D::After, 0}},
      {"fade-in", wm::Timer, 1, 0, With(s, &F::alphaBlendOrAnimation), {A::FadeIn, D::After, 0}},
      {"other timer", wm::Timer, 2, 0, With(s, &F::alphaBlendOrAnimation), {A::None, D::After, 0}},
      {"sizing", wm::Sizing, 0, 0, With(With(s, &F::inSizeMove), &F::dragFullWindows), {A::Sizing, D::Before, 0}},
      {"sizing, outline drag", wm::Sizing, 0, 0, With(s, &F::inSizeMove), {A::None, D::After, 0}},
      {"before change, ours",
       SKINMSG_BEFORE_CHANGE,
       0,
       0,
       With(s, &F::wParamIsSkinData),
       {A::BeforeSkinChange, D::After, 0}},
      {"before change, another's", SKINMSG_BEFORE_CHANGE, 0, 0, s, {A::None, D::After, 0}},
      {"changed, another's", SKINMSG_CHANGED, 0, 0, s, {A::SkinChanged, D::After, 0}},
      {"close menu, none open", SKINMSG_CLOSE_MENU, 0, 0, s, {A::None, D::After, 0}},
      {"close menu", SKINMSG_CLOSE_MENU, 0, 0, With(s, &F::menuOpen), {A::CloseMenu, D::After, 0}},
      {"child maximised, no MDI parent", SKINMSG_MDICHILD_MAXIMIZED, 0, 0, s, {A::None, D::After, 0}},
      {"child maximised",
       SKINMSG_MDICHILD_MAXIMIZED,
       0,
       0,
       With(s, &F::mdiParent),
       {A::MdiChildMaximized, D::After, 0}},
      {"skinnable", SKINMSG_FORM_SKINNABLE, 0, 1000, With(s, &F::wParamIsSkinData), {A::SkinnableChanged, D::After, 0}},
      {"skinnable, MDI child",
       SKINMSG_FORM_SKINNABLE,
       0,
       1000,
       With(With(s, &F::wParamIsSkinData), &F::mdiChild),
       {A::None, D::After, 0}},
      {"query", wm::QuerySkinned, 0, 0, s, {A::QuerySkinned, D::None, wm::SkinnedAnswer}},
      {"query unskinned", wm::QuerySkinned, 0, 0, u, {A::QuerySkinned, D::None, wm::UnskinnedAnswer}},
      {"query unskinned, old system",
       wm::QuerySkinned,
       0,
       0,
       With(u, &F::preVista),
       {A::QuerySkinned, D::None, wm::SkinnedAnswer}},
      // Painting into an outside DC: only into a DC, and success is the painter's to report.
      {"paint to DC", wm::PaintFrameToDC, 0, 0, With(s, &F::wParamIsDC), {A::PaintFrameToDC, D::None, 0}},
      {"paint to a window handle", wm::PaintFrameToDC, 0, 0, s, {A::None, D::None, 0}},
      {"paint to DC unskinned", wm::PaintFrameToDC, 0, 0, With(u, &F::wParamIsDC), {A::None, D::After, 0}},
      {"paint to DC, keyed",
       wm::PaintFrameToDCEx,
       0,
       wm::PaintFrameToDCExKey,
       With(s, &F::wParamIsDC),
       {A::PaintFrameToDC, D::None, 0}},
      {"paint to DC, wrong key", wm::PaintFrameToDCEx, 0, 1, With(s, &F::wParamIsDC), {A::None, D::After, 0}},
      {"object mouse", wm::NcLButtonDown, 2, 0, s, {A::NcMouse, D::Before, 0}},
      {"object mouse unskinned", wm::NcLButtonDown, 2, 0, u, {A::None, D::After, 0}},
      {"release ends a press", wm::LButtonUp, 0, 0, u, {A::NcMouse, D::Before, 0}},
      {"maximised, skinned", wm::IsMaximizedQuery, 0, 0, With(s, &F::skinMaximized), {A::None, D::None, 1}},
      {"not maximised, skinned", wm::IsMaximizedQuery, 0, 0, s, {A::None, D::None, 0}},
      {"maximised? unskinned", wm::IsMaximizedQuery, 0, 0, With(u, &F::skinMaximized), {A::None, D::After, 0}},
      {"anything else", 0x0400, 0, 0, s, {A::None, D::After, 0}},
  };
  for (const Row& r : rows) {
    sk::TskRoute got = sk::RouteFormMessage(r.message, r.wParam, r.lParam, r.flags);
    got.endsMenus = false;
    EXPECT_EQ(got, r.route) << r.what;
  }
}

TEST(FormRouting, MessagesThatEndMenus) {
  for (const unsigned m :
       {wm::Move, wm::Size, wm::Activate, wm::KillFocus, wm::CancelMode, wm::MouseActivate, wm::NcLButtonDown,
        wm::NcRButtonDown, wm::NcMButtonDown, wm::LButtonDown, wm::RButtonDown, wm::MButtonDown, wm::ParentNotify}) {
    EXPECT_TRUE(sk::RouteFormMessage(m, 0, 0, Skinned()).endsMenus) << m;
  }
  EXPECT_FALSE(sk::RouteFormMessage(wm::NcMouseMove, 0, 0, Skinned()).endsMenus);
  EXPECT_FALSE(sk::RouteFormMessage(wm::NcPaint, 0, 0, Skinned()).endsMenus);
}

TEST(FormRouting, FormCursorKeepsTheSizingEdges) {
  EXPECT_EQ(sk::SetCursorHitCode(0x02010002), 0x02010001);  // caption: the form's cursor
  EXPECT_EQ(sk::SetCursorHitCode(19), 1);                   // caption objects too
  for (intptr_t code = 10; code <= 17; ++code) EXPECT_EQ(sk::SetCursorHitCode(code), code);
  EXPECT_EQ(sk::SetCursorHitCode(1), 1);
}

}  // namespace
