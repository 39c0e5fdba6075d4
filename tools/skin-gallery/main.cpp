// skin-gallery.exe: shows a skin on the controls, menus and windows that
// Quillet's main window does not use, for skin authors and for tests.
//
//   skin-gallery.exe                     the skin built into the program
//   skin-gallery.exe path\to\skin.ini    a skin folder (or the folder itself)
//   skin-gallery.exe path\to\file        a packed skin file (quillet-skin pack)
//
// A skin that cannot be loaded is named in a message box (title "Skin
// Gallery", shown over the gallery's window); the gallery goes on with its
// built-in look.
//
// What a driver finds, by window text (captions are fixed; the two facts
// panels by their fixed prefixes):
//   main window       "Quillet Skin Gallery" (class QuilletForm), at 40,40,
//                     client 560 wide (360 high less the menu bar, for now:
//                     the form sizes itself before its bar arrives), with a
//                     menu bar:
//                       &Skin: &Embedded skin, &Built-in look, Show &mask, E&xit (Alt+X)
//                       &Window: &MDI parent
//   panels            "Skin: <skin name>" or "Skin: (none)";
//                     "Pictures: <all> (<active> active)"
//   buttons           "Embedded skin", "Built-in look", "Show mask" (disabled
//                     without a main picture), "MDI parent"
//   memo              an Edit whose text begins "Quillet Skin Gallery shows"
//   status bar        along the bottom: the skin's source ("Embedded skin",
//                     "Built-in look" or the file's path) and a clock
//   popup menu        a right click on the window (not in the memo or the
//                     menus strip): &Built-in look, &Embedded skin, Show &mask
//   menus strip       along the bottom above the status bar, "Right-click
//                     here for a skinned menu" until a command of its menus
//                     ran, then "Ran: <item>"; a right click opens a skinned
//                     menu (class TskSkinPopupWindow): &Copy (Ctrl+C), &Paste
//                     (Ctrl+V), -, &Look > (&Plain, &Framed, &More > (&First,
//                     &Second)), -, a "Marks" header, C&hecked, &Radio,
//                     &Disabled, Fish && Chips; its button "Images menu"
//                     opens a grid (class TskSkinImagesMenuPopupWindow)
//   speed buttons     a tool bar (a panel "Speed buttons", between the facts
//                     panels and the command buttons) of windowless skinned
//                     speed buttons 24 high at y = 5, x from the bar's left:
//                     "One" 4, "Two" 40, "Three" 76 (group 1, 36 wide, "One"
//                     down at the start), "A" 118, "B" 144 (group 2, may all
//                     be up, 26 wide), "Rep" 176 (repeats, 44), "Flat" 224
//                     (36), "Off" 264 (disabled, 36), "Morph" 304 (46) and
//                     "Anim" 354 (40) on a copy of the embedded skin that
//                     morphs and animates, "Menu" 398 (44: opens a skinned
//                     menu Cut, Copy, Paste) and "Go" 446 (40: clicks; its
//                     right 13 pixels open the same menu); their log, an Edit
//                     right of the about memo whose text begins "Speed
//                     buttons log", gets a line per event: "Click: <caption>"
//                     (grouped: " | down: <captions>" or " | down: none"),
//                     "Enter: <caption>", "Leave: <caption>", "Menu shown:
//                     <caption>", "Menu hidden: <caption>", "Menu item: <item>"
//   mask window       "Skin Mask" (class QuilletForm), borderless, right of
//                     the main window, sized to the skin's main picture, its
//                     region cut from the skin's mask
//   MDI window        "Skin Gallery MDI" (class QuilletForm), an MDI parent:
//                     buttons "Tile" and "Cascade" above its MDICLIENT, which
//                     holds "MDI Child 1" to "MDI Child 3" (class QuilletForm)
// Every control has a hint text, shown in a hint window of class
// QuilletSkinHint drawn and shaped by the skin (plain without one) after the
// application's hint pause (500 ms), hidden after its hide pause (2500 ms);
// a button's hint has the button's caption as its bold title.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/Forms.h"
#include "skin/data/skSkinDataMessenger.h"
#include "tools/skin-gallery/GalleryForm.h"

namespace {

std::wstring SkinPathArgument() {
  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring path = args && count > 1 ? args[1] : L"";
  LocalFree(args);
  return path;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  fw::TApplication& app = fw::Application();
  app.Initialize();
  app.SetTitle(L"Skin Gallery");
  // Skin changes reach the forms as window messages.
  sk::InstallWindowsSkinMessenger();
  auto* form = app.CreateForm<gallery::TGalleryForm>();
  const std::wstring error = form->LoadStartSkin(SkinPathArgument());
  form->Show();
  if (!error.empty()) MessageBoxW(form->Handle(), error.c_str(), app.Title().c_str(), MB_OK | MB_ICONWARNING);
  app.Run();
  return 0;
}
