// skin-gallery.exe's hints driven from outside: the mouse rests on a button,
// the skinned hint comes after the hint pause below the cursor, shaped by
// the skin's hint mask, and goes after the hide pause; without a skin the
// hint is a plain rectangle.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "E2eGallery.h"
#include "E2eInput.h"
#include "E2eWindows.h"

using namespace std::chrono_literals;
using e2e::GalleryProcess;

namespace {

const std::wstring kHintClass = L"QuilletSkinHint";

HWND VisibleHint(const GalleryProcess& g) {
  const auto hints = e2e::TopLevelWindows(kHintClass, g.ProcessId());
  return hints.empty() ? nullptr : hints.front();
}

// Rests the mouse on the button and times the hint's coming and going.
struct HintRun {
  HWND hint = nullptr;
  RECT rect{};
  std::chrono::milliseconds shownAfter{}, hiddenAfter{};
  bool hidden = false;
};

HintRun RestOn(const GalleryProcess& g, HWND button, POINT& at) {
  HintRun run;
  at = e2e::WindowCentre(button);
  e2e::MouseMove({at.x + 3, at.y + 2});
  const auto start = std::chrono::steady_clock::now();
  e2e::MouseMove(at);
  if (!e2e::WaitFor([&] { return (run.hint = VisibleHint(g)) != nullptr; }, 10s)) return run;
  run.shownAfter = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  GetWindowRect(run.hint, &run.rect);
  run.hidden = e2e::WaitForVisible(run.hint, false, 10s);
  run.hiddenAfter = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  return run;
}

}  // namespace

TEST(GalleryHintsE2e, ASkinnedHintShowsOverAButtonAfterThePauseAndHidesAfterTheHidePause) {
  GalleryProcess gallery;
  ASSERT_NE(gallery.Window(), nullptr);
  ASSERT_TRUE(e2e::WaitForVisible(gallery.Window(), true, 10s));
  e2e::KeepOnTop(gallery.Window());
  HWND button = e2e::FindChild(gallery.Window(), L"Built-in look", L"Button");
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(gallery.Sync());

  POINT at{};
  HintRun run = RestOn(gallery, button, at);
  ASSERT_NE(run.hint, nullptr) << "no hint came";
  // The application's pause is 500 ms, its hide pause 2500 ms.
  EXPECT_GE(run.shownAfter, 400ms);
  EXPECT_LT(run.shownAfter, 2500ms);
  EXPECT_TRUE(run.hidden);
  EXPECT_GE(run.hiddenAfter, run.shownAfter + 2000ms);
  // Below the cursor, its left edge at the cursor's x.
  EXPECT_EQ(run.rect.left, at.x);
  EXPECT_GT(run.rect.top, at.y);
  // The button's caption in bold above the hint's line: two lines high at least.
  EXPECT_GT(run.rect.bottom - run.rect.top, 30);
  // Shaped by the skin's hint mask: rounded corners, full edges.
  {
    const e2e::WindowRegion region(run.hint);
    ASSERT_TRUE(region.Exists());
    EXPECT_FALSE(region.Contains(0, 0));
    EXPECT_TRUE(region.Contains((run.rect.right - run.rect.left) / 2, 0));
    EXPECT_TRUE(region.Contains(0, (run.rect.bottom - run.rect.top) / 2));
  }
  EXPECT_EQ(GetForegroundWindow() == run.hint, false) << "a hint never takes the activation";

  // The built-in look: the same hint, a plain rectangle.
  e2e::MouseClick(at);
  ASSERT_TRUE(
      e2e::WaitFor([&] { return e2e::FindChild(gallery.Window(), L"Skin: (none)", L"", true) != nullptr; }, 10s));
  // Off the window (the gallery's strips below have hints of their own),
  // then back onto the button.
  e2e::MouseMove({GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5});
  std::this_thread::sleep_for(300ms);
  ASSERT_TRUE(gallery.Sync());
  run = RestOn(gallery, button, at);
  ASSERT_NE(run.hint, nullptr);
  EXPECT_FALSE(e2e::WindowRegion(run.hint).Exists());
  EXPECT_TRUE(run.hidden);
  EXPECT_TRUE(gallery.Close());
}
