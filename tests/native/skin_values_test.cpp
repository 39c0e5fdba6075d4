// The value syntax of skin descriptions: digit scanning, enumerations and
// their fall-backs, and that every writer's text reads back as written.
#include <gtest/gtest.h>

#include "framework/IniFiles.h"
#include "skin/data/skSkinDataValues.h"

using namespace sk;

namespace {
fw::TMemIniFile IniOf(const std::string& text) {
  fw::TStringList lines;
  lines.SetText(text);
  fw::TMemIniFile ini;
  ini.SetStrings(lines);
  return ini;
}
}  // namespace

TEST(SkinValues, PointsAndRectanglesKeepOnlyDigits) {
  EXPECT_EQ(ParseSkinRect("-5,10,20,30"), (fw::TRect{5, 10, 20, 30}));
  EXPECT_EQ(ParseSkinPoint(" 9 , 29"), (fw::TPoint{9, 29}));
  EXPECT_EQ(ParseSkinRect("1a,2b,3c,4d,99"), (fw::TRect{1, 2, 3, 4}));  // extra fields ignored
  EXPECT_EQ(ParseSkinPoint("7,8,9"), (fw::TPoint{7, 8}));
}

TEST(SkinValues, MissingFieldsAreConversionErrors) {
  EXPECT_THROW(ParseSkinRect("1,2,3"), fw::EConvertError);
  EXPECT_THROW(ParseSkinRect(""), fw::EConvertError);
  EXPECT_THROW(ParseSkinPoint("5,"), fw::EConvertError);
  EXPECT_THROW(ParseSkinPoint("x,y"), fw::EConvertError);
  EXPECT_THROW(ParseSkinRect("1,2,3,99999999999"), fw::EConvertError);  // does not fit
}

TEST(SkinValues, ReadersDefaultMissingKeysAndNameTheKeyOfABadOne) {
  const auto ini = IniOf("[s]\nempty=\nbad=1,2,3\nflag=2\nyes=1\n");
  EXPECT_EQ(ReadSkinRect(ini, "s", "absent"), fw::TRect{});
  EXPECT_EQ(ReadSkinPoint(ini, "S", "absent"), fw::TPoint{});
  try {
    ReadSkinRect(ini, "s", "bad");
    FAIL();
  } catch (const ESkinValueError& e) {
    EXPECT_EQ(e.Section(), "s");
    EXPECT_EQ(e.Key(), "bad");
    EXPECT_EQ(e.Message(), L"'' is not a valid integer value");
  }
  EXPECT_THROW(ReadSkinPoint(ini, "s", "empty"), ESkinValueError);  // present but empty
  EXPECT_FALSE(ReadSkinBool(ini, "s", "flag"));                     // only 1 is true
  EXPECT_TRUE(ReadSkinBool(ini, "s", "YES"));
}

TEST(SkinValues, FontStylesAreSubstringTests) {
  EXPECT_EQ(ParseSkinFontStyle("fsbold,fsitalic"), fw::fsBold | fw::fsItalic);
  EXPECT_EQ(ParseSkinFontStyle(""), 0);
  EXPECT_EQ(ParseSkinFontStyle("xxfsunderlineyy"), fw::fsUnderline);
  EXPECT_EQ(ParseSkinFontStyle("fsstrikeout fsbold"), fw::fsBold | fw::fsStrikeOut);
  EXPECT_EQ(SkinFontStyleText(fw::fsStrikeOut | fw::fsBold | fw::fsUnderline), "fsbold,fsunderline,fsstrikeout");
}

TEST(SkinValues, EnumerationFallBacks) {
  const auto ini = IniOf("[s]\nalign=taright\nstretch=stvert\nother=stwhatever\ncmd=cmClose\n");
  EXPECT_EQ(ReadSkinAlignment(ini, "s", "align"), taRightJustify);
  EXPECT_EQ(ReadSkinAlignment(ini, "s", "missing"), taCenter);
  EXPECT_EQ(ParseSkinAlignment("taleftjustify"), taLeftJustify);
  EXPECT_EQ(ReadSkinStretchType(ini, "s", "stretch"), stVert);
  EXPECT_EQ(ReadSkinStretchType(ini, "s", "other"), stHorz);
  EXPECT_EQ(ReadSkinStretchType(ini, "s", "missing"), stFull);
  EXPECT_EQ(ReadSkinCommand(ini, "s", "cmd"), cmMinimizeToTray);  // words are case-sensitive
  EXPECT_EQ(ReadSkinCommand(ini, "s", "missing"), cmDefault);
  EXPECT_EQ(ParseSkinCommand("cmclose"), cmClose);
  EXPECT_EQ(ParseSkinMorphKind("mkPush"), mkDefault);
  EXPECT_EQ(ParseSkinMorphKind("mkpush"), mkPush);
  EXPECT_EQ(ReadSkinInactiveEffect(ini, "s", "missing"), ieBrightness);
  EXPECT_EQ(ParseSkinInactiveEffect("iebright"), ieGrayScale);
  EXPECT_EQ(ParseSkinInactiveEffect("ieinvert"), ieInvert);
}

TEST(SkinValues, EveryWrittenWordReadsBack) {
  for (int i = mkDefault; i <= mkPush; ++i) {
    EXPECT_EQ(ParseSkinMorphKind(SkinMorphKindText(static_cast<TskMorphKind>(i))), i);
  }
  for (int i = ieBrightness; i <= ieInvert; ++i) {
    EXPECT_EQ(ParseSkinInactiveEffect(SkinInactiveEffectText(static_cast<TskInactiveEffect>(i))), i);
  }
  for (int i = cmClose; i <= cmMinimizeToTray; ++i) {
    EXPECT_EQ(ParseSkinCommand(SkinCommandText(static_cast<TskStdCommand>(i))), i);
  }
  EXPECT_EQ(SkinCommandText(cmMinimizeToTray), "cmminimizetotray");
  for (int i = taLeftJustify; i <= taCenter; ++i) {
    EXPECT_EQ(ParseSkinAlignment(SkinAlignmentText(static_cast<TAlignment>(i))), i);
  }
  for (int i = stFull; i <= stVert; ++i) {
    EXPECT_EQ(ParseSkinStretchType(SkinStretchTypeText(static_cast<TskStretchType>(i))), i);
  }
  EXPECT_EQ(ParseSkinRect(SkinRectText({1, 2, 300, 400})), (fw::TRect{1, 2, 300, 400}));
}

TEST(SkinValues, NumberedListsWalkTheEntriesPresent) {
  const auto ini = IniOf("[PICTURES]\nactivepicturescount=2000000000\n0=a.bmp\n1=b.bmp\n01=x\n1999999999=z\n");
  fw::TStringList names;
  ReadSkinStringList(ini, "PICTURES", "activepictures", names, 2);
  ASSERT_EQ(names.Count(), 2);
  EXPECT_EQ(names[1], "b.bmp");
  names.Clear();
  ReadSkinStringList(ini, "PICTURES", "activepictures", names, 1);
  EXPECT_EQ(names.Count(), 1);

  const auto gap = IniOf("[L]\ncount=5\n3=d\n0=a\n3=again\n-1=n\n 2 =two\n2147483647=max\n");
  EXPECT_EQ(SkinListEntries(gap, "L", 5), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(SkinListEntries(gap, "L", 3), (std::vector<int>{0, 2}));
  EXPECT_EQ(SkinListEntries(gap, "L", 0), std::vector<int>{});
  EXPECT_EQ(SkinListEntries(gap, "L", 2147483647), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(SkinListEntries(gap, "missing", 5), std::vector<int>{});
  names.Clear();
  ReadSkinStringList(gap, "L", "", names, 100);  // "count" is the list's count here
  EXPECT_EQ(names.CommaText(), "a,,two,d");
}
