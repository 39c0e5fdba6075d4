// The gallery's MDI parent driven from outside: opened from its button,
// its client window and children, a child maximised by a caption double
// click lending its caption to the parent, Tile and Cascade, closed and
// opened again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2eGallery.h"
#include "E2eInput.h"
#include "E2eWindows.h"

using namespace std::chrono_literals;
using e2e::GalleryProcess;

namespace {

const std::wstring kParentCaption = L"Skin Gallery MDI";

RECT RectOf(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

bool Overlap(HWND a, HWND b) {
  const RECT ra = RectOf(a), rb = RectOf(b);
  RECT common{};
  return IntersectRect(&common, &ra, &rb) != FALSE;
}

HWND ActiveChild(HWND client) { return reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)); }

// Clicks a button of `parent` by its caption.
void ClickButton(HWND parent, const std::wstring& caption) {
  HWND button = e2e::FindChild(parent, caption, L"Button");
  ASSERT_NE(button, nullptr) << std::string(caption.begin(), caption.end());
  e2e::MouseClick(e2e::WindowCentre(button));
}

}  // namespace

TEST(GalleryMdiE2e, AnMDIParentWithChildrenThatMaximiseTileAndCascade) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  e2e::KeepOnTop(gallery.Window());
  ClickButton(gallery.Window(), L"MDI parent");
  HWND parent = nullptr;
  ASSERT_TRUE(e2e::WaitFor(
      [&] { return (parent = e2e::FindProcessWindow(gallery.ProcessId(), kParentCaption, L"QuilletForm")) != nullptr; },
      10s));
  e2e::KeepOnTop(parent);

  HWND client = FindWindowExW(parent, nullptr, L"MDICLIENT", nullptr);
  ASSERT_NE(client, nullptr);
  // Below the row of buttons, to the client area's other edges.
  RECT parentClient{}, clientRect = RectOf(client);
  GetClientRect(parent, &parentClient);
  const POINT origin = e2e::ClientToScreenPoint(parent, 0, 0);
  EXPECT_EQ(clientRect.left, origin.x);
  EXPECT_GT(clientRect.top, origin.y);
  EXPECT_EQ(clientRect.right, origin.x + parentClient.right);
  EXPECT_EQ(clientRect.bottom, origin.y + parentClient.bottom);

  std::vector<HWND> children;
  for (const wchar_t* caption : {L"MDI Child 1", L"MDI Child 2", L"MDI Child 3"}) {
    HWND child = FindWindowExW(client, nullptr, L"QuilletForm", caption);
    ASSERT_NE(child, nullptr);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_MDICHILD);
    children.push_back(child);
  }
  EXPECT_EQ(ActiveChild(client), children[2]);  // the last shown

  // A double click on the first child's caption (in sight above the
  // others) activates and maximises it; the parent's caption names it.
  const RECT first = RectOf(children[0]);
  const POINT caption{first.left + 60, first.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  e2e::MouseDoubleClick(caption);
  // Zoomed first, then sized to fill the client area.
  ASSERT_TRUE(e2e::WaitFor(
      [&] {
        RECT inner{}, clientArea{};
        GetClientRect(children[0], &inner);
        GetClientRect(client, &clientArea);
        return IsZoomed(children[0]) && inner.right == clientArea.right && inner.bottom == clientArea.bottom;
      },
      10s));
  EXPECT_EQ(ActiveChild(client), children[0]);
  EXPECT_TRUE(e2e::WaitForText(parent, kParentCaption + L" - [MDI Child 1]", 5s));

  SendMessageW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(children[0]), 0);
  EXPECT_TRUE(e2e::WaitFor([&] { return !IsZoomed(children[0]); }, 5s));
  EXPECT_TRUE(e2e::WaitForText(parent, kParentCaption, 5s));

  ClickButton(parent, L"Tile");
  EXPECT_TRUE(e2e::WaitFor(
      [&] {
        return !Overlap(children[0], children[1]) && !Overlap(children[1], children[2]) &&
               !Overlap(children[0], children[2]);
      },
      5s));
  ClickButton(parent, L"Cascade");
  EXPECT_TRUE(e2e::WaitFor([&] { return Overlap(children[0], children[1]) && Overlap(children[1], children[2]); }, 5s));

  // Closed, it hides with its children; opened again, they are all there.
  PostMessageW(parent, WM_CLOSE, 0, 0);
  EXPECT_TRUE(e2e::WaitForVisible(parent, false, 5s));
  EXPECT_TRUE(gallery.Sync());
  EXPECT_TRUE(gallery.Running());
  ClickButton(gallery.Window(), L"MDI parent");
  EXPECT_TRUE(e2e::WaitForVisible(parent, true, 5s));
  for (HWND child : children) EXPECT_TRUE(IsWindow(child) && IsWindowVisible(child));
  EXPECT_TRUE(gallery.Close());
}
