#include "app/Registration.h"

#include "app/Unit2.h"
#include "framework/Pictures.h"
#include "framework/StandardClasses.h"
#include "skin/controls/skControlsRegistration.h"
#include "skin/controls/skSpeedButtonsRegistration.h"
#include "skin/data/skSkinDataMessenger.h"
#include "skin/data/skSkinDataRegistration.h"
#include "skin/form/skSkinForm.h"
#include "status/FrRegistration.h"
#include "support/skSkinExCtrls.h"

namespace quillet {

using namespace support;

void RegisterProgramClasses() {
  fw::RegisterStandardClasses();
  fr::RegisterStatusClasses();
  sk::RegisterSkinDataClasses();
  sk::RegisterSkinControlClasses();
  sk::RegisterSpeedButtonClasses();
  sk::RegisterSkinFormClasses();
  sk::InstallWindowsSkinMessenger();
  TskSkinLinkImage::RegisterClass();
  fw::RegisterPictureFormats();
  TfrmAd::RegisterClass();
}

}  // namespace quillet
