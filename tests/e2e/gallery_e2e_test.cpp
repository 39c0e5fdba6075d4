// skin-gallery.exe driven from outside: its window and controls with the
// embedded skin, skins named on the command line (good and bad), the
// right-click menu, the mask window's shape, and the mouse on its controls.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "E2eGallery.h"
#include "E2eInput.h"
#include "E2eWindows.h"

using namespace std::chrono_literals;
using e2e::GalleryProcess;

namespace {

const std::wstring kSkinPrefix = L"Skin: ";

HWND SkinNamePanel(const GalleryProcess& g) { return e2e::FindChild(g.Window(), kSkinPrefix, L"", true); }

std::wstring SkinName(const GalleryProcess& g) { return e2e::WindowText(SkinNamePanel(g)); }

HWND Button(const GalleryProcess& g, const std::wstring& caption) {
  return e2e::FindChild(g.Window(), caption, L"Button");
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// Starts the gallery on `skin`, expects the message box naming the file and
// the built-in look behind it; returns the box's text.
std::wstring RefusedSkinMessage(const std::filesystem::path& skin) {
  GalleryProcess gallery(Quoted(skin.wstring()));
  EXPECT_NE(gallery.Window(), nullptr);
  if (!gallery.Window()) return {};
  HWND box = nullptr;
  EXPECT_TRUE(e2e::WaitFor([&] { return (box = gallery.MessageBoxWindow()) != nullptr; }, 20s));
  if (!box) return {};
  const std::wstring text = gallery.MessageBoxText(box);
  EXPECT_NE(text.find(skin.wstring()), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"built-in look"), std::wstring::npos) << text;
  // The window is up behind the box, unskinned, and stays once it goes.
  EXPECT_TRUE(IsWindowVisible(gallery.Window()));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(e2e::WaitFor([&] { return gallery.MessageBoxWindow() == nullptr; }, 10s));
  EXPECT_TRUE(gallery.Sync());
  EXPECT_TRUE(gallery.Running());
  EXPECT_EQ(SkinName(gallery), L"Skin: (none)");
  EXPECT_EQ(e2e::WindowText(e2e::FindChild(gallery.Window(), L"Pictures: ", L"", true)), L"Pictures: 0 (0 active)");
  EXPECT_FALSE(IsWindowEnabled(Button(gallery, L"Show mask")));
  EXPECT_TRUE(gallery.Close());
  return text;
}

uint32_t Luma(uint32_t c) { return ((c >> 16 & 0xFF) * 3 + (c >> 8 & 0xFF) * 6 + (c & 0xFF)) / 10; }

}  // namespace

TEST(GalleryE2e, StartsWithTheEmbeddedSkinAndShowsItsControls) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  ASSERT_TRUE(e2e::WaitForVisible(gallery.Window(), true, 10s));
  EXPECT_EQ(gallery.MessageBoxWindow(), nullptr);
  EXPECT_EQ(e2e::WindowText(gallery.Window()), L"Quillet Skin Gallery");
  EXPECT_EQ(SkinName(gallery), L"Skin: Quillet Slate");
  // main.bmp, mask.bmp and eight active pictures
  EXPECT_NE(e2e::FindChild(gallery.Window(), L"Pictures: 10 (8 active)"), nullptr);
  for (const wchar_t* caption : {L"Embedded skin", L"Built-in look", L"Show mask"}) {
    HWND button = Button(gallery, caption);
    ASSERT_NE(button, nullptr) << caption;
    EXPECT_TRUE(IsWindowVisible(button) && IsWindowEnabled(button)) << caption;
  }
  EXPECT_NE(e2e::FindChild(gallery.Window(), L"Quillet Skin Gallery shows", L"Edit", true), nullptr);
  EXPECT_NE(GetMenu(gallery.Window()), nullptr);

  // The whole-window capture holds the frame and, at the client's offset,
  // exactly what the client capture holds.
  e2e::KeepOnTop(gallery.Window());
  RedrawWindow(gallery.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ASSERT_TRUE(gallery.Sync());
  const e2e::ClientPixels whole = e2e::CaptureWindow(gallery.Window());
  const e2e::ClientPixels client = e2e::CaptureClient(gallery.Window());
  RECT window{}, clientRect{};
  GetWindowRect(gallery.Window(), &window);
  GetClientRect(gallery.Window(), &clientRect);
  ASSERT_EQ(whole.width, window.right - window.left);
  ASSERT_EQ(whole.height, window.bottom - window.top);
  ASSERT_EQ(client.width, clientRect.right);
  ASSERT_EQ(client.height, clientRect.bottom);
  EXPECT_EQ(client.width, 560);
  const POINT origin = e2e::ClientToScreenPoint(gallery.Window(), 0, 0);
  const int dx = origin.x - window.left, dy = origin.y - window.top;
  ASSERT_GT(dy, dx);  // a caption (and a menu bar) above, a thin border at the sides
  int differing = 0;
  for (int y = 0; y < client.height; y += 7)
    for (int x = 0; x < client.width; x += 7) differing += client.At(x, y) != whole.At(x + dx, y + dy);
  EXPECT_EQ(differing, 0);
  // The caption bar is drawn, not black (nothing on screen there would be).
  EXPECT_GT(Luma(whole.At(whole.width / 2, GetSystemMetrics(SM_CYFRAME) + 4)), 0u);
  EXPECT_TRUE(gallery.Close());
}

TEST(GalleryE2e, SkinFilesFromTheCommandLine) {
  {  // a skin folder's description, packed on the fly
    GalleryProcess gallery(Quoted(e2e::WinePath(QUILLET_SKIN_INI)));
    ASSERT_NE(gallery.Window(), nullptr);
    EXPECT_EQ(gallery.MessageBoxWindow(), nullptr);
    EXPECT_EQ(SkinName(gallery), L"Skin: Quillet Slate");
  }
  {  // a packed skin as the skin tool writes it
    GalleryProcess gallery(Quoted(e2e::WinePath(QUILLET_SKIN_ENVELOPE)));
    ASSERT_NE(gallery.Window(), nullptr);
    EXPECT_EQ(gallery.MessageBoxWindow(), nullptr);
    EXPECT_EQ(SkinName(gallery), L"Skin: Quillet Slate");
  }
  const std::filesystem::path dir = e2e::MakeScratchDirectory(L"gallery-skins");
  EXPECT_NE(RefusedSkinMessage(dir / L"missing.skn").find(L"There is no file"), std::wstring::npos);

  e2e::WriteFileBytes(dir / L"notes.skn", "this is not a skin at all");
  RefusedSkinMessage(dir / L"notes.skn");

  // A packed envelope whose stream does not inflate.
  std::string corrupt = {3, 0, 0, 0, 12, 0, 0, 0};
  corrupt += "not zlib....";
  e2e::WriteFileBytes(dir / L"corrupt.skn", corrupt);
  RefusedSkinMessage(dir / L"corrupt.skn");

  // A description without its required sections would import as nothing.
  e2e::WriteFileBytes(dir / L"skin.ini", "[VERSION]\r\nskinname=Half\r\n");
  EXPECT_NE(RefusedSkinMessage(dir / L"skin.ini").find(L"[SKINCONTROLS]"), std::wstring::npos);
}

TEST(GalleryE2e, RightClickOpensThePopupMenuAndAClickRunsItsItem) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  e2e::KeepOnTop(gallery.Window());
  ASSERT_EQ(SkinName(gallery), L"Skin: Quillet Slate");
  const POINT at = e2e::WindowCentre(SkinNamePanel(gallery));
  e2e::MouseRightClick(at);
  HWND menu = e2e::WaitForWindowOfClass(L"#32768", gallery.ProcessId(), 10s);
  ASSERT_NE(menu, nullptr);
  RECT r{};
  GetWindowRect(menu, &r);
  EXPECT_EQ(r.left, at.x);  // opened at the click, to its right and below
  EXPECT_EQ(r.top, at.y);
  // The first item, "Built-in look", fills the menu's top row.
  e2e::MouseClick({r.left + 24, r.top + 8});
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(L"#32768", gallery.ProcessId(), 10s));
  EXPECT_TRUE(e2e::WaitForText(SkinNamePanel(gallery), L"Skin: (none)", 10s));

  // A second popup goes away with Escape and runs nothing.
  e2e::MouseRightClick(at);
  menu = e2e::WaitForWindowOfClass(L"#32768", gallery.ProcessId(), 10s);
  ASSERT_NE(menu, nullptr);
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(L"#32768", gallery.ProcessId(), 10s));
  EXPECT_EQ(SkinName(gallery), L"Skin: (none)");
  EXPECT_TRUE(gallery.Close());
}

TEST(GalleryE2e, MaskWindowIsCutByTheSkinsMask) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  e2e::KeepOnTop(gallery.Window());
  e2e::MouseClick(e2e::WindowCentre(Button(gallery, L"Show mask")));
  HWND mask = nullptr;
  ASSERT_TRUE(e2e::WaitFor(
      [&] { return (mask = e2e::FindProcessWindow(gallery.ProcessId(), L"Skin Mask", L"QuilletForm")) != nullptr; },
      10s));
  RECT main{}, r{};
  GetWindowRect(gallery.Window(), &main);
  EXPECT_TRUE(e2e::WaitForWindowRect(mask, {main.right + 8, main.top, main.right + 8 + 285, main.top + 210}, 5s));
  // The mask's black pixels: rounded top corners, a full body.
  const e2e::WindowRegion region(mask);
  ASSERT_TRUE(region.Exists());
  EXPECT_FALSE(region.Contains(0, 0));
  EXPECT_FALSE(region.Contains(284, 0));
  EXPECT_TRUE(region.Contains(4, 0));
  EXPECT_TRUE(region.Contains(0, 4));
  EXPECT_TRUE(region.Contains(142, 105));
  r = region.Box();
  EXPECT_EQ(r.right - r.left, 285);

  // Without a skin there is nothing to cut: the window goes.
  e2e::MouseClick(e2e::WindowCentre(Button(gallery, L"Built-in look")));
  EXPECT_TRUE(e2e::WaitForVisible(mask, false, 10s));
  EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindowEnabled(Button(gallery, L"Show mask")); }, 5s));
  EXPECT_TRUE(gallery.Close());
}

TEST(GalleryE2e, CaptionDoubleClicksMaximizeAndRestoreAndADragSelectsMemoText) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  e2e::KeepOnTop(gallery.Window());
  RECT normal{};
  GetWindowRect(gallery.Window(), &normal);
  // The caption, clear of the icon and the caption buttons.
  const POINT caption{(normal.left + normal.right) / 2,
                      normal.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  e2e::MouseDoubleClick(caption);
  // The window is zoomed before it takes its new size: wait for both.
  RECT zoomed{};
  ASSERT_TRUE(e2e::WaitFor(
      [&] {
        GetWindowRect(gallery.Window(), &zoomed);
        return IsZoomed(gallery.Window()) && zoomed.right - zoomed.left > normal.right - normal.left;
      },
      10s));
  POINT zoomedCaption{(zoomed.left + zoomed.right) / 2, std::max(0L, zoomed.top) + GetSystemMetrics(SM_CYCAPTION) / 2};
  e2e::MouseDoubleClick(zoomedCaption);
  EXPECT_TRUE(e2e::WaitForWindowRect(gallery.Window(), normal, 10s));
  EXPECT_FALSE(IsZoomed(gallery.Window()));

  HWND memo = e2e::FindChild(gallery.Window(), L"Quillet Skin Gallery shows", L"Edit", true);
  ASSERT_NE(memo, nullptr);
  const auto selection = [&] {
    DWORD start = 0, end = 0;
    SendMessageW(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return std::pair<DWORD, DWORD>(start, end);
  };
  SendMessageW(memo, EM_SETSEL, 0, 0);
  // Along the first line, from before its first letter.
  e2e::MouseDrag(e2e::ClientToScreenPoint(memo, 2, 8), e2e::ClientToScreenPoint(memo, 200, 8));
  ASSERT_TRUE(e2e::WaitFor([&] { return selection().second > 20; }, 5s));
  EXPECT_EQ(selection().first, 0u);
  EXPECT_LT(selection().second, 70u);  // no further than the first line
  EXPECT_TRUE(gallery.Close());
}
