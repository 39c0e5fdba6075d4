// Loading a stored skin into the skin data: inflate, read the archive,
// parse the description, and tell every form before and after.
#include "framework/IniFiles.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataArchive.h"

namespace sk {

void TskSkinData::LoadFromStoredSkin(const TskCompressedStoredSkin& storedSkin) {
  if (storedSkin.IsEmpty()) return;
  empty_ = true;
  changeInProgress_ = true;
  try {
    BroadcastSkinMessage(SKINMSG_BEFORE_CHANGE);
    ClearSkin();
    LoadSkinContent(storedSkin);
  } catch (...) {
    // A half-loaded skin is worse than none: leave the data empty, end the
    // change and let every form fall back to its built-in look before the
    // error goes on to the caller.
    ClearSkin();
    changeInProgress_ = false;
    BroadcastSkinMessage(SKINMSG_CHANGED);
    BroadcastSkinMessage(SKINMSG_AFTER_CHANGE);
    throw;
  }
  empty_ = false;
  BroadcastSkinMessage(SKINMSG_CHANGED);
  changeInProgress_ = false;
  BroadcastSkinMessage(SKINMSG_AFTER_CHANGE);
}

void TskSkinData::LoadSkinContent(const TskCompressedStoredSkin& storedSkin) {
  TskSkinArchive archive;
  {
    fw::TMemoryStream stream;
    storedSkin.DecompressSkin(stream);
    stream.SetPosition(0);
    archive = ReadSkinArchive(stream);
  }
  picture_ = std::move(archive.Picture);
  inactivePicture_ = std::move(archive.InactivePicture);
  maskPicture_ = std::move(archive.Mask);
  activePictures_ = std::move(archive.ActivePictures);

  fw::TStringList lines;
  lines.SetText(archive.Text);
  fw::TMemIniFile ini;
  ini.SetStrings(lines);
  ParseDescription(ini);
}

void TskSkinData::ParseDescription(const fw::TCustomIniFile& ini) {
  skinName_ = ini.ReadString("VERSION", "skinname", "");
  skinAuthor_ = ini.ReadString("VERSION", "skinauthor", "");
  authorEmail_ = ini.ReadString("VERSION", "authoremail", "");
  authorURL_ = ini.ReadString("VERSION", "authorurl", "");
  skinComments_ = ini.ReadString("VERSION", "skincomments", "");
  pictureName_ = ini.ReadString("PICTURES", "picture", "");
  inactivePictureName_ = ini.ReadString("PICTURES", "inactivepicture", "");
  maskName_ = ini.ReadString("PICTURES", "mask", "");
  ReadSkinStringList(ini, "PICTURES", "activepictures", activePictureNames_);

  formInfo_.LoadFromIni(ini);
  formInfo_.Adjust(!maskName_.empty());
  popupWindow_.LoadFromIni(ini);
  hintWindow_.LoadFromIni(ini);
  skinColors_.LoadFromIni(ini);
  ReadSkinObjects(ini);
  ReadSkinControls(ini);
}

void TskSkinData::ReadSkinObjects(const fw::TCustomIniFile& ini) {
  const int count = SkinListEnd(ini, "SKINOBJECTS", ini.ReadInteger("SKINOBJECTS", "count", 0));
  for (int i = 0; i < count; ++i) {
    std::string name, type;
    SplitSkinEntry(ini.ReadString("SKINOBJECTS", std::to_string(i), ""), name, type);
    auto record = CreateSkinObject(type, name);
    if (!record) continue;
    objectList_.push_back(std::move(record));
    objectList_.back()->LoadFromIni(ini);
  }
}

void TskSkinData::ReadSkinControls(const fw::TCustomIniFile& ini) {
  const int count = SkinListEnd(ini, "SKINCONTROLS", ini.ReadInteger("SKINCONTROLS", "count", 0));
  for (int i = 0; i < count; ++i) {
    std::string name, type;
    SplitSkinEntry(ini.ReadString("SKINCONTROLS", std::to_string(i), ""), name, type);
    auto record = CreateSkinControl(type, name);
    if (!record) continue;
    ctrlList_.push_back(std::move(record));
    ctrlList_.back()->LoadFromIni(ini);
  }
}

}  // namespace sk
