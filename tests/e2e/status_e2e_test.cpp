// The main window's status bar as it shows on screen: the four panes at
// their places and a clock that moves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2eHarness.h"

using namespace std::chrono_literals;
using e2e::QuilletProcess;

namespace {

// The status bar: the framework window lying along the bottom of the client area.
HWND FindStatusBar(HWND form) {
  struct Search {
    HWND form;
    HWND found = nullptr;
  } search{form};
  EnumChildWindows(
      form,
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        RECT r;
        GetWindowRect(wnd, &r);
        MapWindowPoints(nullptr, s->form, reinterpret_cast<POINT*>(&r), 2);
        if (r.left == 0 && r.top == 515 && r.right == 671 && r.bottom == 534) {
          s->found = wnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// What the bar shows, with the questions this test asks of it.
struct Capture : e2e::ClientPixels {
  bool Ink(int x, int y) const {
    const uint32_t c = At(x, y);
    return ((c >> 16 & 0xFF) + (c >> 8 & 0xFF) + (c & 0xFF)) < 3 * 90;
  }
  // Columns in [left, right) with dark text pixels.
  int InkColumns(int left, int right) const {
    int n = 0;
    for (int x = left; x < right; ++x) {
      for (int y = 2; y < height - 2; ++y) {
        if (Ink(x, y)) {
          ++n;
          break;
        }
      }
    }
    return n;
  }
  bool SameIn(const Capture& other, int left, int right) const {
    for (int y = 0; y < height; ++y)
      for (int x = left; x < right; ++x)
        if (At(x, y) != other.At(x, y)) return false;
    return true;
  }
};

Capture Grab(HWND wnd) { return Capture{e2e::CaptureClient(wnd)}; }

}  // namespace

TEST(StatusE2e, FourPanesAtTheirPlacesAndTheClockAdvances) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"status"));
  ASSERT_NE(app.Window(), nullptr);
  HWND bar = FindStatusBar(app.Window());
  ASSERT_NE(bar, nullptr);
  ASSERT_TRUE(app.Sync());
  // The capture reads the screen, so nothing may lie over the window.
  e2e::KeepOnTop(app.Window());
  RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  ASSERT_TRUE(app.Sync());
  const Capture first = Grab(bar);
  ASSERT_EQ(first.width, 671);

  // Web address on the left (0..169), then an empty gap, the empty version
  // pane (228..328), the clock (328..478) and the contact line (478..671).
  EXPECT_GT(first.InkColumns(2, 167), 20);
  EXPECT_EQ(first.InkColumns(171, 226), 0);
  EXPECT_EQ(first.InkColumns(231, 325), 0);
  EXPECT_GT(first.InkColumns(331, 475), 20);
  EXPECT_GT(first.InkColumns(481, 655), 20);
  // Each text stays inside its pane.
  EXPECT_EQ(first.InkColumns(167, 171), 0);
  EXPECT_EQ(first.InkColumns(475, 481), 0);

  // The clock shows seconds: 1.1 s later its pixels differ, the others' do not.
  Sleep(1100);
  ASSERT_TRUE(e2e::WaitFor(
      [&] {
        app.Sync();
        return !Grab(bar).SameIn(first, 328, 478);
      },
      3s));
  const Capture second = Grab(bar);
  EXPECT_TRUE(second.SameIn(first, 0, 328));
  EXPECT_TRUE(second.SameIn(first, 478, 671));
  EXPECT_TRUE(app.Close());
}
