// String lists and the in-memory INI file that reads skin descriptions.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/Exceptions.h"
#include "framework/IniFiles.h"
#include "framework/Streams.h"
#include "framework/StringList.h"

using namespace fw;

TEST(StringList, TextSplitsAtEveryLineBreakAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list[3], "d");
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
  list.SetText("only\r\n");
  EXPECT_EQ(list.Count(), 1);
}

TEST(StringList, NamesAndValuesIgnoreCaseUnlessAskedNotTo) {
  TStringList list;
  list.Add("Key=Value=with equals");
  EXPECT_EQ(list.Values("KEY"), "Value=with equals");
  EXPECT_EQ(list.IndexOf("key=value=with equals"), 0);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("key=value=with equals"), -1);
  list.SetValue("other", "1");
  EXPECT_EQ(list.Names(1), "other");
}

TEST(StringList, StrToIntDefAcceptsDecimalAndHexAndFallsBackOnGarbage) {
  EXPECT_EQ(StrToIntDef(" 42 ", 0), 42);
  EXPECT_EQ(StrToIntDef("-7", 0), -7);
  EXPECT_EQ(StrToIntDef("$FF", 0), 255);
  EXPECT_EQ(StrToIntDef("0x10", 0), 16);
  EXPECT_EQ(StrToIntDef("12abc", -1), -1);
  EXPECT_EQ(StrToIntDef("", -1), -1);
  EXPECT_EQ(StrToIntDef("99999999999", -1), -1);
}

TEST(MemIniFile, SectionsAndKeysMatchWithoutRegardToCaseAndValuesAreTrimmed) {
  TStringList lines;
  lines.SetText("; comment\r\n[Section]\r\n  Key =  some value  \r\nflag=1\r\n[other]\r\nbare line\r\n");
  TMemIniFile ini;
  ini.SetStrings(lines);
  EXPECT_EQ(ini.ReadString("SECTION", "key", ""), "some value");
  EXPECT_TRUE(ini.ReadBool("section", "FLAG", false));
  EXPECT_EQ(ini.ReadInteger("section", "missing", 5), 5);
  EXPECT_TRUE(ini.ValueExists("other", "bare line"));
  EXPECT_FALSE(ini.SectionExists("absent"));
}

TEST(MemIniFile, LinesBeforeAnySectionAreIgnoredAndRepeatedSectionsMerge) {
  TStringList lines;
  lines.SetText("stray=1\r\n[a]\r\nx=1\r\n[b]\r\ny=2\r\n[A]\r\nz=3\r\n");
  TMemIniFile ini;
  ini.SetStrings(lines);
  TStringList sections;
  ini.ReadSections(sections);
  EXPECT_EQ(sections.Count(), 2);
  TStringList keys;
  ini.ReadSection("a", keys);
  EXPECT_EQ(keys.CommaText(), "x,z");
}

TEST(MemIniFile, WritesRoundTripThroughItsFile) {
  const auto file = std::filesystem::temp_directory_path() / "quillet_ini_test.ini";
  {
    TMemIniFile ini(file);
    ini.WriteString("s", "k", "v");
    ini.WriteInteger("s", "n", -3);
    ini.WriteString("t", "k", "w");
    ini.DeleteKey("t", "k");
    ini.UpdateFile();
  }
  TMemIniFile again(file);
  EXPECT_EQ(again.ReadString("s", "k", ""), "v");
  EXPECT_EQ(again.ReadInteger("s", "n", 0), -3);
  EXPECT_FALSE(again.ValueExists("t", "k"));
  again.EraseSection("s");
  EXPECT_FALSE(again.SectionExists("s"));
  std::filesystem::remove(file);
}

TEST(Streams, ShortReadIsAnErrorAndMemoryStreamsGrowOnWrite) {
  TMemoryStream stream;
  stream.WriteValue<int32_t>(7);
  stream.SetPosition(2);
  EXPECT_EQ(stream.Size(), 4);
  int32_t value = 0;
  EXPECT_THROW(stream.ReadBuffer(&value, 4), EReadError);
  stream.SetPosition(0);
  EXPECT_EQ(stream.ReadValue<int32_t>(), 7);
  EXPECT_THROW(TFileStream("/nonexistent/dir/file", TFileMode::fmOpenRead), EFOpenError);
}
