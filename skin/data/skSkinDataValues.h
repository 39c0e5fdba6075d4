#pragma once
// The value syntax of skin description texts: the enumerations the records
// hold, and the readers and writers every record's load and save go through.
// Points and rectangles are scanned digit by digit, so "-5, 10" reads 5,10;
// a field without a digit is an integer conversion error, as the skin tools
// that wrote these files always treated it.
#include <string>
#include <string_view>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Graphics.h"
#include "framework/IniFiles.h"

namespace sk {

enum TskMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };
enum TskInactiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };
enum TskStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };
enum TskStretchType { stFull, stHorz, stVert };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Raised for a point or rectangle field that holds no digit or does not fit
// an integer. The message is the platform's conversion message; the section
// and key say where the value stood (empty when parsed without a context).
class ESkinValueError : public fw::EConvertError {
 public:
  ESkinValueError(std::wstring message, std::string section, std::string key)
      : EConvertError(std::move(message)), section_(std::move(section)), key_(std::move(key)) {}
  const std::string& Section() const { return section_; }
  const std::string& Key() const { return key_; }

 private:
  std::string section_;
  std::string key_;
};

// Text to value. The enumeration parsers apply the fall-backs of the syntax:
// an unknown stretch word is horizontal, an unknown morph word mkDefault, an
// unknown effect ieGrayScale, an unknown command cmMinimizeToTray, an
// unknown alignment taRightJustify. Words match exactly (case-sensitive).
fw::TPoint ParseSkinPoint(std::string_view text);
fw::TRect ParseSkinRect(std::string_view text);
fw::TFontStyles ParseSkinFontStyle(std::string_view text);
TAlignment ParseSkinAlignment(std::string_view text);
TskStretchType ParseSkinStretchType(std::string_view text);
TskMorphKind ParseSkinMorphKind(std::string_view text);
TskInactiveEffect ParseSkinInactiveEffect(std::string_view text);
TskStdCommand ParseSkinCommand(std::string_view text);
// True when `text` is one of the words of the enumeration (for diagnostics).
bool IsSkinAlignmentWord(std::string_view text);
bool IsSkinStretchTypeWord(std::string_view text);
bool IsSkinMorphKindWord(std::string_view text);
bool IsSkinInactiveEffectWord(std::string_view text);
bool IsSkinCommandWord(std::string_view text);

// Value to text, in the syntax the parsers read back.
std::string SkinPointText(fw::TPoint p);
std::string SkinRectText(const fw::TRect& r);
std::string SkinFontStyleText(fw::TFontStyles style);
std::string SkinAlignmentText(TAlignment a);
std::string SkinStretchTypeText(TskStretchType t);
std::string SkinMorphKindText(TskMorphKind k);
std::string SkinInactiveEffectText(TskInactiveEffect e);
std::string SkinCommandText(TskStdCommand c);

// Readers over an INI file; a missing key gives the kind's default.
fw::TRect ReadSkinRect(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key);
fw::TPoint ReadSkinPoint(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key);
bool ReadSkinBool(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key);
fw::TFontStyles ReadSkinFontStyle(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key);
TAlignment ReadSkinAlignment(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key);
TskStretchType ReadSkinStretchType(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key);
TskMorphKind ReadSkinMorphKind(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key);
TskInactiveEffect ReadSkinInactiveEffect(const fw::TCustomIniFile& ini, const std::string& section,
                                         const std::string& key);
TskStdCommand ReadSkinCommand(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key);
// The entries of a numbered list ("0" .. count-1) that the section really
// holds, ascending, each once; only the plain decimal spelling of a number
// is an entry. Walk these rather than 0 .. count-1: a count of two billion
// with a single entry costs one step, and missing entries read as empty
// anyway.
std::vector<int> SkinListEntries(const fw::TCustomIniFile& ini, const std::string& section, int count);
// Appends the strings under "0" .. count-1, count being the integer under
// name + "count" (so "activepictures" reads "activepicturescount"), but
// no more than `limit` (the pictures the names are for). A missing entry
// inside the list is an empty string, so every name keeps its number;
// missing entries at the end are not appended.
void ReadSkinStringList(const fw::TCustomIniFile& ini, const std::string& section, const std::string& name,
                        fw::TStringList& target, int limit);

void WriteSkinRect(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, const fw::TRect& r);
void WriteSkinPoint(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, fw::TPoint p);
void WriteSkinBool(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, bool value);
void WriteSkinFontStyle(fw::TCustomIniFile& ini, const std::string& section, const std::string& key,
                        fw::TFontStyles style);
void WriteSkinAlignment(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, TAlignment a);
void WriteSkinStretchType(fw::TCustomIniFile& ini, const std::string& section, const std::string& key,
                          TskStretchType t);
void WriteSkinMorphKind(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, TskMorphKind k);

}  // namespace sk
