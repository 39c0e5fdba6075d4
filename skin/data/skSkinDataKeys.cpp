#include "skin/data/skSkinDataKeys.h"

namespace sk {

void TskSkinKeyReader::Integer(const char* key, int& value, int def) { value = ini_.ReadInteger(section_, key, def); }
void TskSkinKeyReader::Color(const char* key, fw::TColor& value, fw::TColor def) {
  value = ini_.ReadInteger(section_, key, def);
}
void TskSkinKeyReader::PictureIndex(const char* key, int& value) { value = ini_.ReadInteger(section_, key, -1); }
void TskSkinKeyReader::String(const char* key, std::string& value, const std::string& def) {
  value = ini_.ReadString(section_, key, def);
}
void TskSkinKeyReader::Flag(const char* key, bool& value) { value = ReadSkinBool(ini_, section_, key); }
void TskSkinKeyReader::Point(const char* key, fw::TPoint& value) { value = ReadSkinPoint(ini_, section_, key); }
void TskSkinKeyReader::Rect(const char* key, fw::TRect& value) { value = ReadSkinRect(ini_, section_, key); }
void TskSkinKeyReader::FontStyle(const char* key, fw::TFontStyles& value) {
  value = ReadSkinFontStyle(ini_, section_, key);
}
void TskSkinKeyReader::Alignment(const char* key, TAlignment& value) { value = ReadSkinAlignment(ini_, section_, key); }
void TskSkinKeyReader::StretchType(const char* key, TskStretchType& value) {
  value = ReadSkinStretchType(ini_, section_, key);
}
void TskSkinKeyReader::MorphKind(const char* key, TskMorphKind& value) {
  value = ReadSkinMorphKind(ini_, section_, key);
}
void TskSkinKeyReader::InactiveEffect(const char* key, TskInactiveEffect& value) {
  value = ReadSkinInactiveEffect(ini_, section_, key);
}
void TskSkinKeyReader::Command(const char* key, TskStdCommand& value) { value = ReadSkinCommand(ini_, section_, key); }

void TskSkinKeyWriter::Integer(const char* key, int& value, int) { ini_.WriteInteger(section_, key, value); }
void TskSkinKeyWriter::Color(const char* key, fw::TColor& value, fw::TColor) {
  ini_.WriteInteger(section_, key, value);
}
void TskSkinKeyWriter::PictureIndex(const char* key, int& value) { ini_.WriteInteger(section_, key, value); }
void TskSkinKeyWriter::String(const char* key, std::string& value, const std::string&) {
  ini_.WriteString(section_, key, value);
}
void TskSkinKeyWriter::Flag(const char* key, bool& value) { WriteSkinBool(ini_, section_, key, value); }
void TskSkinKeyWriter::Point(const char* key, fw::TPoint& value) { WriteSkinPoint(ini_, section_, key, value); }
void TskSkinKeyWriter::Rect(const char* key, fw::TRect& value) { WriteSkinRect(ini_, section_, key, value); }
void TskSkinKeyWriter::FontStyle(const char* key, fw::TFontStyles& value) {
  WriteSkinFontStyle(ini_, section_, key, value);
}
void TskSkinKeyWriter::Alignment(const char* key, TAlignment& value) { WriteSkinAlignment(ini_, section_, key, value); }
void TskSkinKeyWriter::StretchType(const char* key, TskStretchType& value) {
  WriteSkinStretchType(ini_, section_, key, value);
}
void TskSkinKeyWriter::MorphKind(const char* key, TskMorphKind& value) {
  WriteSkinMorphKind(ini_, section_, key, value);
}
void TskSkinKeyWriter::InactiveEffect(const char* key, TskInactiveEffect& value) {
  ini_.WriteString(section_, key, SkinInactiveEffectText(value));
}
void TskSkinKeyWriter::Command(const char* key, TskStdCommand& value) {
  ini_.WriteString(section_, key, SkinCommandText(value));
}

}  // namespace sk
