// The real program on a screen above 96 pixels per inch (CMake runs this in
// a Wine prefix of its own whose LogPixels is QUILLET_E2E_DPI): the window's
// layout, designed at 96, is scaled as a whole.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "E2eHarness.h"

using e2e::QuilletProcess;

namespace {

struct Placed {
  std::string name;
  RECT designed;  // client coordinates at 96 pixels per inch, after alignment
};

// Every control of the window that has a window of its own.
std::vector<Placed> DesignedWindows() {
  std::vector<Placed> out = {{"TopPnl", {0, 0, 671, 49}},
                             {"FrStatusBar1", {0, 515, 671, 534}},
                             {"Button1", {64, 400, 139, 425}},
                             {"btn2", {168, 400, 243, 425}}};
  static constexpr int kTops[] = {65, 143, 225, 303};
  for (int slot = 1; slot <= 8; ++slot) {
    const int left = slot % 2 == 1 ? 16 : 296;
    const int top = kTops[(slot - 1) / 2];
    out.push_back({"mmo" + std::to_string(slot), {left, top, left + 257, top + 57}});
  }
  return out;
}

bool Near(int actual, int designed) { return std::abs(actual - designed * e2e::ScreenPixelsPerInch() / 96.0) <= 1.0; }

bool NearRect(const RECT& actual, const RECT& designed) {
  return Near(actual.left, designed.left) && Near(actual.top, designed.top) && Near(actual.right, designed.right) &&
         Near(actual.bottom, designed.bottom);
}

std::string Describe(const RECT& r) {
  return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + "}";
}

// The form's own child windows, in client coordinates.
std::vector<RECT> ChildWindows(HWND form) {
  struct Search {
    HWND form;
    std::vector<RECT> rects;
  } search{form, {}};
  EnumChildWindows(
      form,
      [](HWND wnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (GetParent(wnd) != s->form) return TRUE;
        RECT r;
        GetWindowRect(wnd, &r);
        MapWindowPoints(nullptr, s->form, reinterpret_cast<POINT*>(&r), 2);
        s->rects.push_back(r);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.rects;
}

class HighResolutionScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(e2e::ScreenPixelsPerInch(), QUILLET_E2E_DPI) << "the prefix's LogPixels did not take";
  }
};

}  // namespace

TEST_F(HighResolutionScreen, TheClientAreaAndEveryWindowedControlScaleByTheScreensFactor) {
  QuilletProcess quillet(e2e::MakeScratchDirectory(L"dpi"));
  ASSERT_TRUE(quillet.Window());
  RECT client;
  GetClientRect(quillet.Window(), &client);
  EXPECT_TRUE(Near(client.right, 671)) << client.right;
  EXPECT_TRUE(Near(client.bottom, 534)) << client.bottom;

  const std::vector<RECT> children = ChildWindows(quillet.Window());
  const std::vector<Placed> designed = DesignedWindows();
  EXPECT_EQ(children.size(), designed.size());
  for (const Placed& control : designed) {
    bool found = false;
    for (const RECT& r : children) found = found || NearRect(r, control.designed);
    EXPECT_TRUE(found) << control.name << " is not at " << Describe(control.designed) << " scaled";
  }
  // As designed, no two windows of the form overlap: the top panel leaves
  // the first row of memos alone, the status bar keeps its own strip.
  for (size_t i = 0; i < children.size(); ++i) {
    for (size_t j = i + 1; j < children.size(); ++j) {
      RECT both;
      EXPECT_FALSE(IntersectRect(&both, &children[i], &children[j]))
          << Describe(children[i]) << " and " << Describe(children[j]) << " overlap";
    }
  }
}

TEST_F(HighResolutionScreen, SlotsAreFoundAtTheirScaledPlacesAndKeepTheirText) {
  QuilletProcess quillet(e2e::MakeScratchDirectory(L"dpi-slots"));
  ASSERT_TRUE(quillet.Window());
  for (int slot = 1; slot <= 8; ++slot) {
    HWND memo = quillet.Memo(slot);
    ASSERT_TRUE(memo) << "slot " << slot;
    quillet.SetText(memo, L"slot " + std::to_wstring(slot));
  }
  quillet.Click(quillet.Button(L"保存"));
  ASSERT_TRUE(quillet.Close());
  QuilletProcess again(quillet.Directory());
  ASSERT_TRUE(again.Window());
  for (int slot = 1; slot <= 8; ++slot) EXPECT_EQ(again.Text(again.Memo(slot)), L"slot " + std::to_wstring(slot));
}
