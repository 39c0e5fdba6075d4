#pragma once
// One walk over a record's keys serves loading, saving and checking: each
// record class lists its keys once (ExchangeKeys) and a reader, a writer or
// a checker visits them. Loading and saving can therefore never disagree on
// a key's name, kind or default.
#include <string>

#include "framework/Graphics.h"
#include "framework/IniFiles.h"
#include "skin/data/skSkinDataValues.h"

namespace sk {

class TskSkinKeys {
 public:
  virtual ~TskSkinKeys() = default;
  virtual void Integer(const char* key, int& value, int def = 0) = 0;
  virtual void Color(const char* key, fw::TColor& value, fw::TColor def = 0) = 0;
  virtual void PictureIndex(const char* key, int& value) = 0;  // default -1
  virtual void String(const char* key, std::string& value, const std::string& def = {}) = 0;
  virtual void Flag(const char* key, bool& value) = 0;
  virtual void Point(const char* key, fw::TPoint& value) = 0;
  virtual void Rect(const char* key, fw::TRect& value) = 0;
  virtual void FontStyle(const char* key, fw::TFontStyles& value) = 0;
  virtual void Alignment(const char* key, TAlignment& value) = 0;
  virtual void StretchType(const char* key, TskStretchType& value) = 0;
  virtual void MorphKind(const char* key, TskMorphKind& value) = 0;
  virtual void InactiveEffect(const char* key, TskInactiveEffect& value) = 0;
  virtual void Command(const char* key, TskStdCommand& value) = 0;

  // The four font keys most looks carry, in their usual order.
  void Font(std::string& name, int& height, fw::TFontStyles& style, fw::TColor& color) {
    String("fontname", name, "Arial");
    Integer("fontheight", height, 14);
    FontStyle("fontstyle", style);
    Color("fontcolor", color);
  }
};

// Fills the fields from one section of an INI file.
class TskSkinKeyReader : public TskSkinKeys {
 public:
  TskSkinKeyReader(const fw::TCustomIniFile& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  void Integer(const char* key, int& value, int def) override;
  void Color(const char* key, fw::TColor& value, fw::TColor def) override;
  void PictureIndex(const char* key, int& value) override;
  void String(const char* key, std::string& value, const std::string& def) override;
  void Flag(const char* key, bool& value) override;
  void Point(const char* key, fw::TPoint& value) override;
  void Rect(const char* key, fw::TRect& value) override;
  void FontStyle(const char* key, fw::TFontStyles& value) override;
  void Alignment(const char* key, TAlignment& value) override;
  void StretchType(const char* key, TskStretchType& value) override;
  void MorphKind(const char* key, TskMorphKind& value) override;
  void InactiveEffect(const char* key, TskInactiveEffect& value) override;
  void Command(const char* key, TskStdCommand& value) override;

 protected:
  const fw::TCustomIniFile& Ini() const { return ini_; }
  const std::string& Section() const { return section_; }

 private:
  const fw::TCustomIniFile& ini_;
  std::string section_;
};

// Writes every field back under its key.
class TskSkinKeyWriter : public TskSkinKeys {
 public:
  TskSkinKeyWriter(fw::TCustomIniFile& ini, std::string section) : ini_(ini), section_(std::move(section)) {}
  void Integer(const char* key, int& value, int def) override;
  void Color(const char* key, fw::TColor& value, fw::TColor def) override;
  void PictureIndex(const char* key, int& value) override;
  void String(const char* key, std::string& value, const std::string& def) override;
  void Flag(const char* key, bool& value) override;
  void Point(const char* key, fw::TPoint& value) override;
  void Rect(const char* key, fw::TRect& value) override;
  void FontStyle(const char* key, fw::TFontStyles& value) override;
  void Alignment(const char* key, TAlignment& value) override;
  void StretchType(const char* key, TskStretchType& value) override;
  void MorphKind(const char* key, TskMorphKind& value) override;
  void InactiveEffect(const char* key, TskInactiveEffect& value) override;
  void Command(const char* key, TskStdCommand& value) override;

 private:
  fw::TCustomIniFile& ini_;
  std::string section_;
};

}  // namespace sk
