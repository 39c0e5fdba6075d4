// Quillet: eight text slots typed into the focused application by Ctrl+1..8.
#include <windows.h>

#include "app/Registration.h"
#include "app/Unit2.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  fw::TApplication& app = fw::Application();
  app.Initialize();
  app.SetTitle(L"Quillet");
  quillet::RegisterProgramClasses();
  auto* form = app.CreateForm<quillet::TfrmAd>();
  try {
    form->CreateFromLayout();
  } catch (...) {
    app.HandleException(std::current_exception());
    return 1;
  }
  app.Run();
  return 0;
}
