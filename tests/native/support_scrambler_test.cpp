// The stored form of every INI value: scrambled bytes as upper-case hex.
#include <gtest/gtest.h>

#include <random>

#include "framework/IniFiles.h"
#include "support/Communal.h"
#include "support/Scrambler.h"

using namespace support;

namespace {

bool OnlyUpperHex(const std::string& s) { return s.find_first_not_of("0123456789ABCDEF") == std::string::npos; }

}  // namespace

TEST(HexCodec, EncodesEachByteAsTwoUpperCaseDigits) {
  EXPECT_EQ(HexEncode(std::string("\x0A\x00\xFF", 3)), "0A00FF");
  EXPECT_EQ(HexEncode(""), "");
  EXPECT_EQ(HexDecode("0A00FF"), std::string("\x0A\x00\xFF", 3));
}

TEST(HexCodec, OddDigitIsIgnoredAndForeignCharactersFoldIntoSomeByte) {
  EXPECT_EQ(HexDecode("0"), "");
  EXPECT_EQ(HexDecode("0A1"), "\x0A");
  EXPECT_EQ(HexDigitValue('7'), 7);
  EXPECT_EQ(HexDigitValue('F'), 15);
  EXPECT_EQ(HexDigitValue(' '), -23);
  EXPECT_EQ(HexDigitValue('a'), 42);
  // 16 * 42 + 42 = 714, low byte 0xCA: lower-case is not hex to the reader.
  EXPECT_EQ(HexDecode("aa"), "\xCA");
  EXPECT_EQ(HexDecode("  "), std::string(1, static_cast<char>((16 * -23 + -23) & 0xFF)));
}

TEST(Scrambler, EmptyTextIsTheEmptyValue) {
  EXPECT_EQ(ScrambleText(""), "");
  EXPECT_EQ(UnscrambleText(""), "");
}

TEST(Scrambler, FixedVectorsPinTheStoredFormat) {
  // Files already written depend on these: a change of constants or of the
  // key step must fail here.
  EXPECT_EQ(ScrambleText("ABT"), "DFA554");
  EXPECT_EQ(ScrambleText("ABTx"), "DFA55443");
  EXPECT_EQ(UnscrambleText("DFA55443"), "ABTx");
}

TEST(Scrambler, KeyStepWrapsModulo65536AtItsExtremes) {
  // Compile-time evaluation rejects an overflowing step outright.
  static_assert(NextScrambleKey(0xFFFF, 0xFF) == 0x3A25);
  static_assert(NextScrambleKey(0xFFFF, 0x00) == 0x68CA);
  static_assert(NextScrambleKey(0x0000, 0x00) == kScrambleIncrement);
  static_assert(NextScrambleKey(kScrambleInitialKey, 0xDF) == 0xE79D);
  SUCCEED();
}

TEST(Scrambler, StoredValueIsTwoHexDigitsPerByteAndNotThePlainText) {
  const std::string text = "Hello, slots";
  const std::string stored = ScrambleText(text);
  EXPECT_EQ(stored.size(), 2 * text.size());
  EXPECT_TRUE(OnlyUpperHex(stored));
  EXPECT_NE(stored, HexEncode(text));
}

TEST(Scrambler, RoundTripsMultiLineChineseAndEmojiUtf8) {
  for (const std::string text : {std::string("line one\r\nline two\r\n"), std::string("第一行\r\n第二行"),
                                 std::string("emoji \xF0\x9F\x98\x80 and \xE2\x82\xAC"), std::string(3000, 'x')}) {
    EXPECT_EQ(UnscrambleText(ScrambleText(text)), text);
  }
}

TEST(Scrambler, RoundTripsRandomTextsWithoutZeroBytes) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    std::string text(rng() % 300, '\0');
    for (auto& c : text) c = static_cast<char>(1 + rng() % 255);
    ASSERT_EQ(UnscrambleText(ScrambleText(text)), text) << "round " << round;
  }
}

TEST(Scrambler, ByteEqualToTheKeysHighByteIsStoredUnchanged) {
  // The first byte meets the initial key; equal to its high byte it would
  // scramble to zero, so it is stored as itself.
  const char high = static_cast<char>(kScrambleInitialKey >> 8);
  const std::string text = std::string(1, high) + "after";
  const std::string stored = ScrambleText(text);
  EXPECT_EQ(stored.substr(0, 2), HexEncode(std::string(1, high)));
  EXPECT_EQ(UnscrambleText(stored), text);
}

TEST(Scrambler, LowerCaseStoredValueDoesNotReadBack) {
  const std::string stored = ScrambleText("abc");
  std::string lower = stored;
  for (auto& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower != stored) EXPECT_NE(UnscrambleText(lower), "abc");
}

TEST(ScrambledIni, WritesTheScrambledValueAndReadsBackTheText) {
  fw::TMemIniFile ini;
  std::string result = "untouched";
  AccessScrambledIniFile(ini, 1, "data", "mm1", "第一\r\n二", result);
  EXPECT_EQ(result, "");
  EXPECT_EQ(ini.ReadString("data", "mm1", ""), ScrambleText("第一\r\n二"));
  AccessScrambledIniFile(ini, 0, "data", "mm1", "ignored", result);
  EXPECT_EQ(result, "第一\r\n二");
}

TEST(ScrambledIni, EmptyTextStillWritesTheKeyAndMissingKeysReadEmpty) {
  fw::TMemIniFile ini;
  std::string result;
  AccessScrambledIniFile(ini, 1, "data", "mm2", "", result);
  EXPECT_TRUE(ini.ValueExists("data", "mm2"));
  AccessScrambledIniFile(ini, 0, "data", "mm3", "", result);
  EXPECT_EQ(result, "");
  AccessScrambledIniFile(ini, 7, "nosection", "mm1", "", result);  // any mode but 1 reads
  EXPECT_EQ(result, "");
}

TEST(StoredText, OnlyWellFormedUtf8IsReadAsUtf8) {
  EXPECT_TRUE(IsUtf8(""));
  EXPECT_TRUE(IsUtf8("第一行\r\nplain"));
  EXPECT_TRUE(IsUtf8("emoji \xF0\x9F\x98\x80 \xEF\xBF\xBD"));  // U+FFFD itself is a character
  EXPECT_FALSE(IsUtf8("caf\xE9"));                             // windows-1252
  EXPECT_FALSE(IsUtf8("\xB5\xDA\xD2\xBB"));                    // GBK
  EXPECT_FALSE(IsUtf8("\xC0\xAF"));                            // overlong "/"
  EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));                        // a surrogate
  EXPECT_FALSE(IsUtf8("\xF4\x90\x80\x80"));                    // past U+10FFFF
  EXPECT_FALSE(IsUtf8("\xE4\xB8"));                            // cut short
  // A stored value that is no scrambled text of ours decodes to bytes
  // that are not UTF-8, so they never reach the screen as arbitrary Unicode.
  std::string garbage;
  for (int i = 0; i < 10000; ++i) garbage += "AB";
  EXPECT_FALSE(IsUtf8(UnscrambleText(garbage)));
}
