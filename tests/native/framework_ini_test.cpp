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

TEST(MemIniFile, TextParsesAsItsLinesDo) {
  const std::string text = "  [One] \r\nA = 1\n;B=2\rb\r\n[two]\nx=\n [one]\nc= three \r";
  TStringList lines;
  lines.SetText(text);
  TMemIniFile fromLines, fromText;
  fromLines.SetStrings(lines);
  fromText.SetText(text);
  TStringList a, b;
  fromLines.GetStrings(a);
  fromText.GetStrings(b);
  EXPECT_EQ(a.Items(), b.Items());
  EXPECT_EQ(b.Text(), "[One]\r\nA=1\r\nb=\r\nc=three\r\n\r\n[two]\r\nx=\r\n");
}

TEST(Streams, MemoryReadersHandOutTheirBytesInPlace) {
  const std::string bytes = "abcdef";
  TMemoryReader reader(bytes.data(), 6);
  char two[2];
  reader.ReadBuffer(two, 2);
  EXPECT_EQ(std::string(two, 2), "ab");
  const uint8_t* rest = reader.ReadInPlace(3);
  ASSERT_NE(rest, nullptr);
  EXPECT_EQ(reinterpret_cast<const char*>(rest), bytes.data() + 2);
  EXPECT_EQ(reader.ReadInPlace(2), nullptr);  // one byte left: nothing taken
  EXPECT_EQ(reader.Remaining(), 1);
  EXPECT_THROW(reader.WriteBuffer("x", 1), EWriteError);
  TMemoryStream stream(std::vector<uint8_t>{1, 2, 3});
  stream.SetPosition(1);
  ASSERT_NE(stream.ReadInPlace(2), nullptr);
  EXPECT_EQ(stream.Position(), 3);
  EXPECT_EQ(stream.ReadInPlace(1), nullptr);
  stream.SetPosition(10);  // past the end
  EXPECT_EQ(stream.ReadInPlace(0), nullptr);
}

TEST(Streams, OnlyRegularFilesOpen) {
  // A directory opens as a stream on Linux and reads as an endless file;
  // every reader would then allocate its "size".
  const auto dir = std::filesystem::temp_directory_path() / "quillet_stream_dir_test.ini";
  std::filesystem::create_directories(dir);
  try {
    TFileStream stream(dir, TFileMode::fmOpenRead);
    ADD_FAILURE() << "a directory opened as a file";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find(L"quillet_stream_dir_test.ini"), std::wstring::npos);
    EXPECT_NE(e.Message().find(L"directory"), std::wstring::npos) << "the platform's reason is given";
  }
  EXPECT_THROW(ReadFileBytes(dir), EFOpenError);
  EXPECT_THROW(TFileStream(dir, TFileMode::fmOpenReadWrite), EFOpenError);
  EXPECT_THROW(TFileStream(dir, TFileMode::fmCreate), EFOpenError);
  TMemIniFile ini(dir);  // an INI path that is no file reads as empty
  EXPECT_FALSE(ini.SectionExists("any"));
  std::filesystem::remove(dir);
}

namespace {
TMemIniFile IniOfLines(const TStringList& lines) {
  TMemIniFile ini;
  ini.SetStrings(lines);
  return ini;
}
}  // namespace

TEST(MemIniFile, BigFilesKeepOrderCaseAndFirstMatchRules) {
  // 80,000 keys in one section and 80,000 sections, as a hostile or merely
  // large skin description may hold.
  constexpr int kCount = 80000;
  TStringList lines;
  lines.Add("[Big]");
  for (int i = 0; i < kCount; ++i) lines.Add(std::to_string(i) + "=v" + std::to_string(i));
  lines.Add("5=second");  // a repeated key: the first one answers
  for (int i = 0; i < kCount; ++i) {
    lines.Add("[s" + std::to_string(i) + "]");
    lines.Add("Key=" + std::to_string(i));
  }
  lines.Add("[BIG]");  // a repeated header continues the first section
  lines.Add("Extra=1");
  TMemIniFile ini = IniOfLines(lines);

  EXPECT_EQ(ini.ReadString("big", "79999", ""), "v79999");
  EXPECT_EQ(ini.ReadString("BIG", "5", ""), "v5");
  EXPECT_EQ(ini.ReadString("big", "extra", ""), "1");
  EXPECT_EQ(ini.ReadInteger("S65432", "KEY", -1), 65432);
  EXPECT_EQ(ini.ReadString("s80000", "key", "none"), "none");
  EXPECT_TRUE(ini.ValueExists("s1", "key"));
  EXPECT_TRUE(ini.SectionExists("S79999"));

  TStringList keys;
  ini.ReadSection("Big", keys);
  ASSERT_EQ(keys.Count(), kCount + 2);
  EXPECT_EQ(keys[kCount], "5");
  EXPECT_EQ(keys[kCount + 1], "Extra");
  TStringList sections;
  ini.ReadSections(sections);
  ASSERT_EQ(sections.Count(), kCount + 1);
  EXPECT_EQ(sections[0], "Big");
  EXPECT_EQ(sections[kCount], "s79999");

  // Changes keep the look-ups right and the saved order as written.
  ini.WriteString("big", "5", "changed");
  ini.WriteString("s7", "new", "n");
  ini.WriteString("Fresh", "k", "f");
  ini.EraseSection("s3");
  ini.DeleteKey("BIG", "0");
  EXPECT_EQ(ini.ReadString("big", "5", ""), "changed");
  EXPECT_EQ(ini.ReadString("s7", "NEW", ""), "n");
  EXPECT_EQ(ini.ReadString("fresh", "K", ""), "f");
  EXPECT_FALSE(ini.SectionExists("s3"));
  EXPECT_EQ(ini.ReadString("s4", "key", ""), "4");
  EXPECT_EQ(ini.ReadString("s79999", "key", ""), "79999");
  EXPECT_FALSE(ini.ValueExists("big", "0"));
  EXPECT_EQ(ini.ReadString("big", "1", ""), "v1");
  ini.WriteString("s3", "back", "b");  // an erased section comes back at the end
  TStringList saved;
  ini.GetStrings(saved);
  EXPECT_EQ(saved[0], "[Big]");
  EXPECT_EQ(saved[1], "1=v1");
  EXPECT_EQ(saved[5], "5=changed");
  EXPECT_EQ(saved[saved.Count() - 5], "[Fresh]");
  EXPECT_EQ(saved[saved.Count() - 2], "[s3]");
  EXPECT_EQ(saved[saved.Count() - 1], "back=b");
  TMemIniFile again = IniOfLines(saved);
  EXPECT_EQ(again.ReadString("s7", "new", ""), "n");
  EXPECT_EQ(again.ReadString("big", "5", ""), "changed");
}
