#include "app/Registration.h"

#include "app/Unit2.h"
#include "framework/StandardClasses.h"

void RegisterProgramClasses() {
  fw::RegisterStandardClasses();
  TfrmAd::RegisterClass();
}
