#include "app/Registration.h"

#include "app/Unit2.h"
#include "framework/Pictures.h"
#include "framework/StandardClasses.h"
#include "support/skSkinExCtrls.h"

void RegisterProgramClasses() {
  fw::RegisterStandardClasses();
  TskSkinLinkImage::RegisterClass();
  fw::RegisterPictureFormats();
  TfrmAd::RegisterClass();
}
