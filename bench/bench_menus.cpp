// Skinned menus: layout and first paint of a 30-item menu with images and
// short cuts, against drawing the same texts with DrawText into a memory DC
// (the floor), each as its fastest run. A Windows program: scripts/bench.sh
// runs it under Wine. The goal is at most 3 times the floor.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "framework/Canvas.h"
#include "framework/Forms.h"
#include "framework/GdiObjects.h"
#include "framework/ImgList.h"
#include "framework/MenusWin.h"
#include "skin/menus/skMenus.h"

using namespace fw;
using namespace sk;

namespace {

constexpr int kItems = 30;

double Fastest(const std::function<void()>& body, int runs) {
  LARGE_INTEGER frequency, t0, t1;
  QueryPerformanceFrequency(&frequency);
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    QueryPerformanceCounter(&t0);
    body();
    QueryPerformanceCounter(&t1);
    best = std::min(best, static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  return best * 1e6;
}

void Report(const char* what, double us, double floorUs) {
  std::printf("  %-34s %9.1f us   DrawText floor %8.1f us   ratio %5.2f (goal <= 3)\n", what, us, floorUs,
              us / floorUs);
}

}  // namespace

int main() {
  Application().Initialize();
  auto* skin = TComponent::Create<TskSkinData>(&Application());
  {
    TskCompressedStoredSkin stored(nullptr);
    stored.ImportSkinFolder(QUILLET_SKIN_DIR "/skin.ini");
    skin->LoadFromStoredSkin(stored);
  }
  auto* images = TComponent::Create<TImageList>(&Application());
  {
    TBitmap strip(64, 16);
    TBitmapCanvas canvas(strip);
    canvas.Brush().color = 0xFF00FF;
    canvas.FillRect({0, 0, 64, 16});
    for (int i = 0; i < 4; ++i) {
      canvas.Brush().color = 0x203040 * (i + 1);
      canvas.Ellipse({i * 16 + 2, 2, i * 16 + 14, 14});
    }
    images->AddMasked(strip, 0xFF00FF);
  }
  auto* popup = TComponent::Create<TPopupMenu>(&Application());
  popup->SetImages(images);
  std::vector<std::wstring> texts;
  for (int i = 0; i < kItems; ++i) {
    auto* item = TComponent::Create<TMenuItem>(popup);
    item->SetCaption(L"Menu item &" + std::to_wstring(i + 1) + L" with a caption");
    item->SetShortCut(ShortCut(static_cast<uint16_t>(VK_F1 + i % 12), i % 2 ? scCtrl : scShift));
    item->SetImageIndex(i % 4);
    popup->Items()->Add(item);
    texts.push_back(item->Caption() + L"  " + ShortCutToText(item->ShortCut()));
  }

  auto* menu = TComponent::Create<TskSkinMenu>(&Application());
  const TRect anchor{100, 40, 100, 40};
  const std::vector<TskSkinPopupWindow::Source> sources{{popup->Items(), 0}};
  ScreenDC screen;
  MemoryDC dc(screen.Get());
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), 600, 1000));
  SelectedObject selected(dc.Get(), bitmap.Get());

  // The floor: the same texts in the same font, one row each.
  const double floorUs = Fastest(
      [&] {
        TCanvas canvas(dc.Get());
        AssignSkinFont(canvas.Font(), false, {}, 0, 0, menu->DefaultItemFont(), nullptr);
        canvas.Brush().style = TBrushStyle::bsClear;
        for (int i = 0; i < kItems; ++i) {
          TRect r{0, 0, 0, 0};
          canvas.DrawTextW(texts[i], r, DT_CALCRECT | DT_SINGLELINE);
          r = {30, i * 22, 400, i * 22 + 22};
          canvas.DrawTextW(texts[i], r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
      },
      300);

  std::printf("bench_menus: %d items with images and short cuts, fastest of 300 runs\n", kItems);
  for (bool skinned : {true, false}) {
    // Opening once gives the menu its skin and work area.
    menu->PopupSkinMenu(nullptr, skinned ? skin : nullptr, false, popup->Items(), anchor, 0);
    menu->CloseSkinMenu();
    const double us = Fastest(
        [&] {
          TskSkinPopupWindow window(*menu, skinned);
          window.LayOut(sources, anchor, false, false);
          window.PaintWhole(dc.Get());
        },
        300);
    Report(skinned ? "skin look, layout + first paint" : "plain look, layout + first paint", us, floorUs);
    const double layoutUs = Fastest(
        [&] {
          TskSkinPopupWindow window(*menu, skinned);
          window.LayOut(sources, anchor, false, false);
        },
        300);
    Report("  of it the layout", layoutUs, floorUs);
    TskSkinPopupWindow kept(*menu, skinned);
    kept.LayOut(sources, anchor, false, false);
    Report("  of it the paint", Fastest([&] { kept.PaintWhole(dc.Get()); }, 300), floorUs);
  }
  // For scale: the whole opening with its window (creation, region,
  // showing: the platform's share), painted and closed.
  const double openUs = Fastest(
      [&] {
        menu->PopupSkinMenu(nullptr, skin, false, popup->Items(), anchor, 0);
        UpdateWindow(menu->Popup(0)->Handle());
        menu->CloseSkinMenu();
        ReapPopups();
      },
      50);
  Report("skin look, window opened and closed", openUs, floorUs);
  return 0;
}
