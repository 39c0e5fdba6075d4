#include "app/Registration.h"

#include "app/Unit2.h"
#include "framework/Pictures.h"
#include "framework/StandardClasses.h"
#include "status/FrRegistration.h"
#include "support/skSkinExCtrls.h"

void RegisterProgramClasses() {
  fw::RegisterStandardClasses();
  fr::RegisterStatusClasses();
  TskSkinLinkImage::RegisterClass();
  fw::RegisterPictureFormats();
  TfrmAd::RegisterClass();
}
