#include "skin/data/skSkinDataValues.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>

#include "framework/StringList.h"
#include "framework/Utf.h"

namespace sk {
namespace {

constexpr std::array<const char*, 7> kMorphWords = {"mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
                                                    "mkleftslide", "mkrightslide", "mkpush"};
constexpr std::array<const char*, 6> kEffectWords = {"iebrightness", "iedarkness",  "iegrayscale",
                                                     "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> kCommandWords = {"cmclose",   "cmmaximize", "cmminimize",      "cmsysmenu",
                                                      "cmdefault", "cmrollup",   "cmminimizetotray"};

template <size_t N>
int WordIndex(const std::array<const char*, N>& words, std::string_view text) {
  for (size_t i = 0; i < N; ++i) {
    if (text == words[i]) return static_cast<int>(i);
  }
  return -1;
}

// Point and rectangle fields: digits only survive; a field that is left
// empty or does not fit an integer is a conversion error.
std::string FieldDigits(std::string_view text, size_t index) {
  std::string digits;
  size_t field = 0;
  for (const char c : text) {
    if (c == ',') {
      if (++field > index) break;
    } else if (field == index && c >= '0' && c <= '9') {
      digits += c;
    }
  }
  return digits;
}

// Field `index` of the comma-separated text, read in place: loading a skin
// reads thousands of these.
int FieldValue(std::string_view text, size_t index) {
  size_t field = 0;
  int64_t value = 0;
  bool digits = false, fits = true;
  for (const char c : text) {
    if (c == ',') {
      if (++field > index) break;
    } else if (field == index && c >= '0' && c <= '9') {
      digits = true;
      value = value * 10 + (c - '0');
      if (value > std::numeric_limits<int>::max()) {
        fits = false;
        value = 0;  // the digit string in the message says the rest
      }
    }
  }
  if (!digits || !fits) {
    throw ESkinValueError(L"'" + fw::AsciiToWide(FieldDigits(text, index)) + L"' is not a valid integer value", {}, {});
  }
  return static_cast<int>(value);
}

// Rethrows a field error with the place it stood.
template <class F>
auto WithContext(const std::string& section, const std::string& key, F&& parse) {
  try {
    return parse();
  } catch (const ESkinValueError& e) {
    throw ESkinValueError(e.Message(), section, key);
  }
}

}  // namespace

fw::TPoint ParseSkinPoint(std::string_view text) { return {FieldValue(text, 0), FieldValue(text, 1)}; }

fw::TRect ParseSkinRect(std::string_view text) {
  return {FieldValue(text, 0), FieldValue(text, 1), FieldValue(text, 2), FieldValue(text, 3)};
}

fw::TFontStyles ParseSkinFontStyle(std::string_view text) {
  fw::TFontStyles style = 0;
  if (text.find("fsbold") != std::string_view::npos) style |= fw::fsBold;
  if (text.find("fsitalic") != std::string_view::npos) style |= fw::fsItalic;
  if (text.find("fsunderline") != std::string_view::npos) style |= fw::fsUnderline;
  if (text.find("fsstrikeout") != std::string_view::npos) style |= fw::fsStrikeOut;
  return style;
}

TAlignment ParseSkinAlignment(std::string_view text) {
  if (text == "tacenter") return taCenter;
  if (text == "taleftjustify") return taLeftJustify;
  return taRightJustify;
}

TskStretchType ParseSkinStretchType(std::string_view text) {
  if (text == "stfull") return stFull;
  if (text == "stvert") return stVert;
  return stHorz;
}

TskMorphKind ParseSkinMorphKind(std::string_view text) {
  const int i = WordIndex(kMorphWords, text);
  return i < 0 ? mkDefault : static_cast<TskMorphKind>(i);
}

TskInactiveEffect ParseSkinInactiveEffect(std::string_view text) {
  const int i = WordIndex(kEffectWords, text);
  return i < 0 ? ieGrayScale : static_cast<TskInactiveEffect>(i);
}

TskStdCommand ParseSkinCommand(std::string_view text) {
  const int i = WordIndex(kCommandWords, text);
  return i < 0 ? cmMinimizeToTray : static_cast<TskStdCommand>(i);
}

bool IsSkinAlignmentWord(std::string_view t) {
  return t == "tacenter" || t == "taleftjustify" || t == "tarightjustify";
}
bool IsSkinStretchTypeWord(std::string_view t) { return t == "stfull" || t == "sthorz" || t == "stvert"; }
bool IsSkinMorphKindWord(std::string_view t) { return WordIndex(kMorphWords, t) >= 0; }
bool IsSkinInactiveEffectWord(std::string_view t) { return WordIndex(kEffectWords, t) >= 0; }
bool IsSkinCommandWord(std::string_view t) { return WordIndex(kCommandWords, t) >= 0; }

std::string SkinPointText(fw::TPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

std::string SkinRectText(const fw::TRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

std::string SkinFontStyleText(fw::TFontStyles style) {
  std::string out;
  const auto add = [&](fw::TFontStyles bit, const char* word) {
    if (!(style & bit)) return;
    if (!out.empty()) out += ',';
    out += word;
  };
  add(fw::fsBold, "fsbold");
  add(fw::fsItalic, "fsitalic");
  add(fw::fsUnderline, "fsunderline");
  add(fw::fsStrikeOut, "fsstrikeout");
  return out;
}

std::string SkinAlignmentText(TAlignment a) {
  switch (a) {
    case taLeftJustify: return "taleftjustify";
    case taRightJustify: return "tarightjustify";
    case taCenter: return "tacenter";
  }
  return "tacenter";
}

std::string SkinStretchTypeText(TskStretchType t) {
  switch (t) {
    case stFull: return "stfull";
    case stHorz: return "sthorz";
    case stVert: return "stvert";
  }
  return "stfull";
}

std::string SkinMorphKindText(TskMorphKind k) {
  const auto i = static_cast<size_t>(k);
  return i < kMorphWords.size() ? kMorphWords[i] : kMorphWords[0];
}

std::string SkinInactiveEffectText(TskInactiveEffect e) {
  const auto i = static_cast<size_t>(e);
  return i < kEffectWords.size() ? kEffectWords[i] : kEffectWords[0];
}

std::string SkinCommandText(TskStdCommand c) {
  const auto i = static_cast<size_t>(c);
  return i < kCommandWords.size() ? kCommandWords[i] : kCommandWords[4];
}

fw::TRect ReadSkinRect(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key) {
  return WithContext(section, key, [&] { return ParseSkinRect(ini.ReadString(section, key, "0,0,0,0")); });
}

fw::TPoint ReadSkinPoint(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key) {
  return WithContext(section, key, [&] { return ParseSkinPoint(ini.ReadString(section, key, "0,0")); });
}

bool ReadSkinBool(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key) {
  return ini.ReadInteger(section, key, 0) == 1;
}

fw::TFontStyles ReadSkinFontStyle(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key) {
  return ParseSkinFontStyle(ini.ReadString(section, key, ""));
}

TAlignment ReadSkinAlignment(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key) {
  return ParseSkinAlignment(ini.ReadString(section, key, "tacenter"));
}

TskStretchType ReadSkinStretchType(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key) {
  return ParseSkinStretchType(ini.ReadString(section, key, "stfull"));
}

TskMorphKind ReadSkinMorphKind(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key) {
  return ParseSkinMorphKind(ini.ReadString(section, key, "mkdefault"));
}

TskInactiveEffect ReadSkinInactiveEffect(const fw::TCustomIniFile& ini, const std::string& section,
                                         const std::string& key) {
  return ParseSkinInactiveEffect(ini.ReadString(section, key, "iebrightness"));
}

TskStdCommand ReadSkinCommand(const fw::TCustomIniFile& ini, const std::string& section, const std::string& key) {
  return ParseSkinCommand(ini.ReadString(section, key, "cmdefault"));
}

std::vector<int> SkinListEntries(const fw::TCustomIniFile& ini, const std::string& section, int count) {
  std::vector<int> entries;
  if (count <= 0) return entries;
  fw::TStringList keys;
  ini.ReadSection(section, keys);
  for (const std::string& key : keys.Items()) {
    int value = 0;
    const auto [ptr, ec] = std::from_chars(key.data(), key.data() + key.size(), value);
    // Only the plain decimal spelling is ever looked up.
    if (ec == std::errc() && ptr == key.data() + key.size() && value >= 0 && value < count &&
        std::to_string(value) == key) {
      entries.push_back(value);
    }
  }
  std::sort(entries.begin(), entries.end());
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  return entries;
}

void ReadSkinStringList(const fw::TCustomIniFile& ini, const std::string& section, const std::string& name,
                        fw::TStringList& target, int limit) {
  int next = 0;
  for (const int i : SkinListEntries(ini, section, std::min(ini.ReadInteger(section, name + "count", 0), limit))) {
    for (; next < i; ++next) target.Add("");
    target.Add(ini.ReadString(section, std::to_string(i), ""));
    next = i + 1;
  }
}

void WriteSkinRect(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, const fw::TRect& r) {
  ini.WriteString(section, key, SkinRectText(r));
}

void WriteSkinPoint(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, fw::TPoint p) {
  ini.WriteString(section, key, SkinPointText(p));
}

void WriteSkinBool(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, bool value) {
  ini.WriteString(section, key, value ? "1" : "0");
}

void WriteSkinFontStyle(fw::TCustomIniFile& ini, const std::string& section, const std::string& key,
                        fw::TFontStyles style) {
  ini.WriteString(section, key, SkinFontStyleText(style));
}

void WriteSkinAlignment(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, TAlignment a) {
  ini.WriteString(section, key, SkinAlignmentText(a));
}

void WriteSkinStretchType(fw::TCustomIniFile& ini, const std::string& section, const std::string& key,
                          TskStretchType t) {
  ini.WriteString(section, key, SkinStretchTypeText(t));
}

void WriteSkinMorphKind(fw::TCustomIniFile& ini, const std::string& section, const std::string& key, TskMorphKind k) {
  ini.WriteString(section, key, SkinMorphKindText(k));
}

}  // namespace sk
