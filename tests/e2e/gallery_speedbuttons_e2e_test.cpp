// skin-gallery.exe's speed buttons driven with real mouse input: a button's
// normal, hot and down looks on screen are the skin's pictures, a group
// press releases its partner, an all-up pair can be down together and
// both up, and the menu button opens its skinned menu from its drop-down
// part only; without a skin they wear their plain looks. What happened is
// read from the gallery's log.
#include <gtest/gtest.h>

#include <string>

#include "E2eGallery.h"
#include "E2eInput.h"
#include "E2eWindows.h"
#include "framework/Bmp.h"

using namespace std::chrono_literals;
using e2e::GalleryProcess;

namespace {

const wchar_t kPopupClass[] = L"TskSkinPopupWindow";

// The tool button's looks in controls.bmp (the skin's [toolbutton]).
constexpr POINT kNormal{394, 189}, kHot{437, 189}, kDown{480, 189};
// Buttons on the tool bar (see the gallery's main.cpp): left, width.
constexpr int kTwo = 40, kA = 118, kB = 144, kGo = 446, kGoWidth = 40;
constexpr int kButtonTop = 5, kButtonHeight = 24;

struct SpeedButtonsGallery {
  GalleryProcess gallery;
  HWND bar = nullptr;
  HWND log = nullptr;
  SpeedButtonsGallery() {
    if (!gallery.Window()) return;
    e2e::KeepOnTop(gallery.Window());
    bar = e2e::FindChild(gallery.Window(), L"Speed buttons");
    log = e2e::FindChild(gallery.Window(), L"Speed buttons log", L"Edit", true);
  }
  POINT At(int x, int y) const { return e2e::ClientToScreenPoint(bar, x, y); }
  bool Logged(const std::wstring& line) const {
    return e2e::WaitFor([&] { return e2e::WindowText(log).find(L"\r\n" + line) != std::wstring::npos; }, 10s);
  }
  void Park() const { e2e::MouseMove(e2e::ClientToScreenPoint(log, 60, 120)); }
};

// Pixels of the left 4 columns of a 24-high button at `left` that differ
// from the same columns of `look` (the corner columns are drawn 1:1 at any
// width).
int EdgeDiffers(const SpeedButtonsGallery& g, const fw::TBitmap& picture, int left, POINT look) {
  const POINT origin = g.At(left, kButtonTop);
  const e2e::ClientPixels shot = e2e::CaptureScreen(origin.x, origin.y, 4, kButtonHeight);
  int wrong = 0;
  for (int y = 0; y < kButtonHeight; ++y) {
    for (int x = 0; x < 4; ++x) {
      const fw::TColor c = picture.Pixel(look.x + x, look.y + y);
      const uint32_t want = static_cast<uint32_t>(fw::RedOf(c) << 16 | fw::GreenOf(c) << 8 | fw::BlueOf(c));
      wrong += (shot.At(x, y) & 0xFFFFFF) != want;
    }
  }
  return wrong;
}

// The look shows within a moment (the repaint follows the input).
bool Shows(const SpeedButtonsGallery& g, const fw::TBitmap& picture, int left, POINT look) {
  return e2e::WaitFor([&] { return EdgeDiffers(g, picture, left, look) == 0; }, 5s);
}

}  // namespace

TEST(GallerySpeedButtonsE2e, HoverAndPressShowTheSkinsLooksAndAGroupPressReleasesItsPartner) {
  SpeedButtonsGallery g;
  ASSERT_NE(g.gallery.Window(), nullptr);
  ASSERT_NE(g.bar, nullptr);
  ASSERT_NE(g.log, nullptr);
  const fw::TBitmap picture = fw::LoadBmpFile(e2e::WinePath(QUILLET_SKIN_DIR "/controls.bmp"));
  ASSERT_FALSE(picture.Empty());

  g.Park();
  EXPECT_TRUE(Shows(g, picture, kTwo, kNormal)) << "normal";

  e2e::MouseMove(g.At(kTwo + 18, kButtonTop + 12));
  ASSERT_TRUE(g.Logged(L"Enter: Two"));
  EXPECT_TRUE(Shows(g, picture, kTwo, kHot)) << "hot";

  // A grouped button clicks on the press; "One" was down and goes up.
  e2e::MouseDown();
  ASSERT_TRUE(g.Logged(L"Click: Two | down: Two"));
  EXPECT_TRUE(Shows(g, picture, kTwo, kDown)) << "down";
  e2e::MouseUp();
  g.Park();
  ASSERT_TRUE(g.Logged(L"Leave: Two"));
  ASSERT_TRUE(g.gallery.Sync());
  EXPECT_EQ(EdgeDiffers(g, picture, kTwo, kDown), 0) << "a grouped button stays down";
  EXPECT_TRUE(Shows(g, picture, 4, kNormal)) << "its partner went up";
  EXPECT_TRUE(g.gallery.Close());
}

TEST(GallerySpeedButtonsE2e, AnAllUpPairCanBeDownTogetherAndBothUp) {
  SpeedButtonsGallery g;
  ASSERT_NE(g.bar, nullptr);
  e2e::MouseClick(g.At(kA + 13, kButtonTop + 12));
  ASSERT_TRUE(g.Logged(L"Click: A | down: A"));
  e2e::MouseClick(g.At(kB + 13, kButtonTop + 12));
  ASSERT_TRUE(g.Logged(L"Click: B | down: A B"));
  e2e::MouseClick(g.At(kA + 13, kButtonTop + 12));
  EXPECT_TRUE(g.Logged(L"Click: A | down: B"));
  e2e::MouseClick(g.At(kB + 13, kButtonTop + 12));
  EXPECT_TRUE(g.Logged(L"Click: B | down: none"));
  EXPECT_TRUE(g.gallery.Close());
}

TEST(GallerySpeedButtonsE2e, TheMenuButtonOpensItsSkinnedMenuFromItsTrackPart) {
  SpeedButtonsGallery g;
  ASSERT_NE(g.bar, nullptr);
  // The main part is an ordinary button.
  e2e::MouseClick(g.At(kGo + 8, kButtonTop + 12));
  ASSERT_TRUE(g.Logged(L"Click: Go"));
  EXPECT_TRUE(e2e::TopLevelWindows(kPopupClass, g.gallery.ProcessId()).empty());

  const POINT track = g.At(kGo + kGoWidth - 5, kButtonTop + 12);
  e2e::MouseClick(track);
  HWND menu = e2e::WaitForWindowOfClass(kPopupClass, g.gallery.ProcessId(), 10s);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(g.Logged(L"Menu shown: Go"));
  RECT r{};
  GetWindowRect(menu, &r);
  const POINT below = g.At(kGo, kButtonTop + kButtonHeight);
  EXPECT_EQ(r.left, below.x);  // under the button
  EXPECT_EQ(r.top, below.y);
  // Items 22 high from y = 3: Cut, Copy, Paste.
  e2e::MouseClick({r.left + 30, r.top + 3 + 22 + 11});
  EXPECT_TRUE(g.Logged(L"Menu item: Copy"));
  EXPECT_TRUE(g.Logged(L"Menu hidden: Go"));
  EXPECT_TRUE(e2e::WaitForNoWindowOfClass(kPopupClass, g.gallery.ProcessId(), 10s));
  EXPECT_TRUE(g.gallery.Close());
}

TEST(GallerySpeedButtonsE2e, WithoutASkinTheButtonsShowThePlainLooks) {
  SpeedButtonsGallery g;
  ASSERT_NE(g.bar, nullptr);
  HWND builtIn = e2e::FindChild(g.gallery.Window(), L"Built-in look", L"Button");
  ASSERT_NE(builtIn, nullptr);
  e2e::MouseClick(e2e::WindowCentre(builtIn));
  g.Park();
  // "One" is down: a navy frame round a blue-grey fill.
  const auto pixel = [&](int x, int y) {
    const POINT p = g.At(x, y);
    return e2e::CaptureScreen(p.x, p.y, 1, 1).At(0, 0) & 0xFFFFFF;
  };
  EXPECT_TRUE(e2e::WaitFor([&] { return pixel(4, kButtonTop + 12) == 0x000080u; }, 10s));
  EXPECT_EQ(pixel(4 + 18, kButtonTop + 2), 0x8593B5u);
  EXPECT_TRUE(g.gallery.Close());
}
