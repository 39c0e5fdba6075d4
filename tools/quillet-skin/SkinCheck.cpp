#include "tools/quillet-skin/SkinCheck.h"

#include "framework/Utf.h"
#include "skin/data/skSkinData.h"

namespace skintool {
namespace {

using namespace sk;

constexpr const char* kMissing = "\x01";

// Reads like the loader and notes every value it would not take as written.
class Checker : public TskSkinKeyReader {
 public:
  Checker(const fw::TCustomIniFile& ini, std::string section, const PictureSizes& pictures, std::vector<Finding>& out)
      : TskSkinKeyReader(ini, section), pictures_(pictures), out_(out) {}

  void Integer(const char* key, int& value, int def) override {
    CheckInteger(key, def);
    TskSkinKeyReader::Integer(key, value, def);
  }
  void Color(const char* key, fw::TColor& value, fw::TColor def) override {
    CheckInteger(key, def);
    TskSkinKeyReader::Color(key, value, def);
  }
  void PictureIndex(const char* key, int& value) override {
    CheckInteger(key, -1);
    TskSkinKeyReader::PictureIndex(key, value);
    const int count = static_cast<int>(pictures_.active.size());
    if (value < -1 || value >= count) {
      Note(false, key,
           "picture index " + std::to_string(value) + " is out of range (" + std::to_string(count) +
               " active pictures): no picture");
    }
  }
  void Flag(const char* key, bool& value) override {
    const std::string raw = Raw(key);
    if (raw != kMissing && raw != "0" && raw != "1")
      Note(false, key, "flag '" + raw + "' is neither 0 nor 1: read as false");
    TskSkinKeyReader::Flag(key, value);
  }
  void Point(const char* key, fw::TPoint& value) override {
    try {
      TskSkinKeyReader::Point(key, value);
    } catch (const ESkinValueError& e) {
      Note(true, key, "malformed point '" + Raw(key) + "': " + fw::WideToUtf8(e.Message()));
      value = {};
    }
  }
  void Rect(const char* key, fw::TRect& value) override {
    try {
      TskSkinKeyReader::Rect(key, value);
    } catch (const ESkinValueError& e) {
      Note(true, key, "malformed rectangle '" + Raw(key) + "': " + fw::WideToUtf8(e.Message()));
      value = {};
    }
  }
  void Alignment(const char* key, TAlignment& value) override {
    Word(key, IsSkinAlignmentWord, "tarightjustify");
    TskSkinKeyReader::Alignment(key, value);
  }
  void StretchType(const char* key, TskStretchType& value) override {
    Word(key, IsSkinStretchTypeWord, "sthorz");
    TskSkinKeyReader::StretchType(key, value);
  }
  void MorphKind(const char* key, TskMorphKind& value) override {
    Word(key, IsSkinMorphKindWord, "mkdefault");
    TskSkinKeyReader::MorphKind(key, value);
  }
  void InactiveEffect(const char* key, TskInactiveEffect& value) override {
    Word(key, IsSkinInactiveEffectWord, "iegrayscale");
    TskSkinKeyReader::InactiveEffect(key, value);
  }
  void Command(const char* key, TskStdCommand& value) override {
    Word(key, IsSkinCommandWord, "cmminimizetotray");
    TskSkinKeyReader::Command(key, value);
  }

 private:
  std::string Raw(const char* key) const { return Ini().ReadString(Section(), key, kMissing); }
  void Note(bool error, const char* key, std::string message) {
    out_.push_back({error, Section(), key, std::move(message)});
  }
  void CheckInteger(const char* key, int def) {
    const std::string raw = Raw(key);
    // Malformed when the conversion falls back whatever the default is.
    if (raw != kMissing && fw::StrToIntDef(raw, 0) == 0 && fw::StrToIntDef(raw, 1) == 1) {
      Note(false, key, "malformed integer '" + raw + "': default " + std::to_string(def) + " used");
    }
  }
  void Word(const char* key, bool (*known)(std::string_view), const char* fallback) {
    const std::string raw = Raw(key);
    if (raw != kMissing && !known(raw)) {
      Note(false, key, "unknown word '" + raw + "': read as " + fallback);
    }
  }

  const PictureSizes& pictures_;
  std::vector<Finding>& out_;
};

fw::TPoint ActiveSize(const PictureSizes& p, int index) {
  return index >= 0 && index < static_cast<int>(p.active.size()) ? p.active[static_cast<size_t>(index)] : fw::TPoint{};
}

void CheckInside(std::vector<Finding>& out, const std::string& section, const char* key, const fw::TRect& r,
                 fw::TPoint size, const std::string& pictureName) {
  if (r.IsEmpty() || size.x <= 0) return;
  if (r.left < 0 || r.top < 0 || r.right > size.x || r.bottom > size.y) {
    out.push_back({false, section, key,
                   "rectangle " + SkinRectText(r) + " lies outside " + pictureName + " (" + std::to_string(size.x) +
                       "x" + std::to_string(size.y) + ")"});
  }
}

void CheckObject(const TskDataSkinObject& o, const PictureSizes& p, std::vector<Finding>& out) {
  const bool inActive = o.ActivePictureIndex >= 0;
  const fw::TPoint active = inActive ? ActiveSize(p, o.ActivePictureIndex) : p.main;
  const std::string activeName =
      inActive ? "active picture " + std::to_string(o.ActivePictureIndex) : std::string("the main picture");
  if (dynamic_cast<const TskDataUserObject*>(&o) == nullptr) {
    CheckInside(out, o.SectionName, "skinrect", o.SkinRect, o.SkinRectInAPicture ? active : p.main,
                o.SkinRectInAPicture ? activeName : "the main picture");
  }
  CheckInside(out, o.SectionName, "activeskinrect", o.ActiveSkinRect, active, activeName);
  CheckInside(out, o.SectionName, "inactiveskinrect", o.InActiveSkinRect, active, activeName);
  if (const auto* b = dynamic_cast<const TskDataSkinButton*>(&o)) {
    CheckInside(out, o.SectionName, "downrect", b->DownRect, active, activeName);
    CheckInside(out, o.SectionName, "disableskinrsect", b->DisableSkinRsect, active, activeName);
  }
}

void CheckControl(const TskDataSkinControl& c, const PictureSizes& p, std::vector<Finding>& out) {
  const fw::TPoint size = ActiveSize(p, c.PictureIndex);
  const std::string name = "active picture " + std::to_string(c.PictureIndex);
  CheckInside(out, c.SectionName, "skinrect", c.SkinRect, size, name);
  if (const auto* b = dynamic_cast<const TskDataSkinButtonControl*>(&c)) {
    CheckInside(out, c.SectionName, "activeskinrect", b->ActiveSkinRect, size, name);
    CheckInside(out, c.SectionName, "downskinrect", b->DownSkinRect, size, name);
    CheckInside(out, c.SectionName, "focusedskinrect", b->FocusedSkinRect, size, name);
    CheckInside(out, c.SectionName, "disabledskinrect", b->DisabledSkinRect, size, name);
  }
}

template <class Make, class Check>
void CheckList(const fw::TMemIniFile& ini, const char* listSection, const PictureSizes& p, std::vector<Finding>& out,
               Make make, Check check) {
  const int count = ini.ReadInteger(listSection, "count", 0);
  const std::vector<int> entries = SkinListEntries(ini, listSection, count);
  const int end = entries.empty() ? 0 : entries.back() + 1;
  if (end < count) {
    out.push_back({false, listSection, "count",
                   "count is " + std::to_string(count) + " but entries end at " + std::to_string(end)});
  }
  for (const int i : entries) {
    const std::string key = std::to_string(i);
    const std::string entry = ini.ReadString(listSection, key, "");
    std::string name, type;
    SplitSkinEntry(entry, name, type);
    auto record = make(type, name);
    if (!record) {
      out.push_back({false, listSection, key, "entry '" + entry + "' names no record type: skipped"});
      continue;
    }
    if (!ini.SectionExists(name)) {
      out.push_back({false, name, "", "section is missing: every key of this " + type + " takes its default"});
    }
    Checker checker(ini, name, p, out);
    record->ExchangeKeys(checker);
    check(*record, p, out);
  }
}

}  // namespace

std::vector<Finding> CheckDescription(const fw::TMemIniFile& ini, const PictureSizes& pictures, bool forImport) {
  std::vector<Finding> out;
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"}) {
    if (!ini.SectionExists(section)) {
      out.push_back({forImport, section, "",
                     forImport ? "required section is missing: the skin cannot be packed"
                               : "section is missing: its values take their defaults"});
    }
  }
  TskDataSkinFormInfo info;
  Checker formChecker(ini, info.SectionName, pictures, out);
  info.ExchangeKeys(formChecker);
  CheckInside(out, "FORMINFO", "clientrect", info.ClientRect, pictures.main, "the main picture");
  CheckInside(out, "FORMINFO", "captionrect", info.CaptionRect, pictures.main, "the main picture");
  CheckInside(out, "FORMINFO", "buttonsrect", info.ButtonsRect, pictures.main, "the main picture");

  TskDataSkinPopupWindow popup;
  Checker popupChecker(ini, popup.SectionName, pictures, out);
  popup.ExchangeKeys(popupChecker);
  CheckInside(out, "POPUPWINDOW", "itemsrect", popup.ItemsRect, ActiveSize(pictures, popup.WindowPictureIndex),
              "the popup window picture");
  TskDataSkinHintWindow hint;
  Checker hintChecker(ini, hint.SectionName, pictures, out);
  hint.ExchangeKeys(hintChecker);
  CheckInside(out, "HINTWINDOW", "clientrect", hint.ClientRect, ActiveSize(pictures, hint.WindowPictureIndex),
              "the hint window picture");
  TskSkinColors colors;
  Checker colorChecker(ini, colors.SectionName, pictures, out);
  colors.ExchangeKeys(colorChecker);

  CheckList(ini, "SKINOBJECTS", pictures, out, CreateSkinObject,
            [](const TskDataSkinObject& o, const PictureSizes& p, std::vector<Finding>& f) { CheckObject(o, p, f); });
  CheckList(ini, "SKINCONTROLS", pictures, out, CreateSkinControl,
            [](const TskDataSkinControl& c, const PictureSizes& p, std::vector<Finding>& f) { CheckControl(c, p, f); });
  return out;
}

}  // namespace skintool
