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
  BroadcastSkinMessage(SKINMSG_BEFORE_CHANGE);
  ClearSkin();
  try {
    if (!LoadSkinContent(storedSkin)) return;
  } catch (...) {
    // A half-loaded skin is worse than none. The forms were told the skin
    // goes away and draw their own look until a load completes.
    ClearSkin();
    throw;
  }
  empty_ = false;
  BroadcastSkinMessage(SKINMSG_CHANGED);
  changeInProgress_ = false;
  BroadcastSkinMessage(SKINMSG_AFTER_CHANGE);
}

bool TskSkinData::LoadSkinContent(const TskCompressedStoredSkin& storedSkin) {
  TskSkinArchive archive;
  {
    // Read where it was inflated: the pictures are copied once, into place.
    const TskInflatedBytes bytes = storedSkin.InflateSkin();
    fw::TMemoryReader stream(bytes.Data(), bytes.Size());
    archive = ReadSkinArchive(stream);
  }
  // A newer archive is not ours to read: the load stops, quietly.
  if (archive.Version > kSkinArchiveVersion) return false;
  picture_ = std::move(archive.Picture);
  inactivePicture_ = std::move(archive.InactivePicture);
  maskPicture_ = std::move(archive.Mask);
  activePictures_ = std::move(archive.ActivePictures);

  fw::TMemIniFile ini;
  ini.SetText(archive.Text);
  ParseDescription(ini);
  return true;
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
  // Names past the pictures the archive holds would name nothing.
  ReadSkinStringList(ini, "PICTURES", "activepictures", activePictureNames_, ActivePictureCount());

  formInfo_.LoadFromIni(ini);
  formInfo_.Adjust(!maskName_.empty());
  popupWindow_.LoadFromIni(ini);
  hintWindow_.LoadFromIni(ini);
  skinColors_.LoadFromIni(ini);
  ReadSkinObjects(ini);
  ReadSkinControls(ini);
}

void TskSkinData::ReadSkinObjects(const fw::TCustomIniFile& ini) {
  // A missing entry names no type and would be skipped: walk those present.
  for (const int i : SkinListEntries(ini, "SKINOBJECTS", ini.ReadInteger("SKINOBJECTS", "count", 0))) {
    std::string name, type;
    SplitSkinEntry(ini.ReadString("SKINOBJECTS", std::to_string(i), ""), name, type);
    auto record = CreateSkinObject(type, name);
    if (!record) continue;
    objectList_.push_back(std::move(record));
    objectList_.back()->LoadFromIni(ini);
  }
}

void TskSkinData::ReadSkinControls(const fw::TCustomIniFile& ini) {
  // A missing entry names no type and would be skipped: walk those present.
  for (const int i : SkinListEntries(ini, "SKINCONTROLS", ini.ReadInteger("SKINCONTROLS", "count", 0))) {
    std::string name, type;
    SplitSkinEntry(ini.ReadString("SKINCONTROLS", std::to_string(i), ""), name, type);
    auto record = CreateSkinControl(type, name);
    if (!record) continue;
    ctrlList_.push_back(std::move(record));
    ctrlList_.back()->LoadFromIni(ini);
  }
}

}  // namespace sk
