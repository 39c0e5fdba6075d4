// The eight slots as a user sees them: typed into the memos, saved with
// "保存", read back with "读取" and at the next start.
#include <gtest/gtest.h>

#include <cctype>

#include "E2eHarness.h"
#include "framework/IniFiles.h"
#include "support/Scrambler.h"

using namespace support;

using namespace std::chrono_literals;
using e2e::QuilletProcess;

namespace {

const std::wstring kSave = L"保存";
const std::wstring kLoad = L"读取";

std::wstring LongText(size_t bytes) {
  std::wstring text;
  while (text.size() < bytes) text += L"line of slot text 0123456789\r\n";
  text.resize(bytes);
  return text;
}

bool IsUpperHexPairs(const std::string& value) {
  if (value.size() % 2 != 0) return false;
  for (const char c : value) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

std::vector<std::wstring> SampleSlots() {
  return {L"abc",
          L"第一行\r\n第二行 multi-line\r\nthird",
          L"剪贴板 Chinese text",
          LongText(5000),
          L"emoji \U0001F600 survives",
          L"tab\there",
          L"x",
          L""};
}

void SaveAndWait(QuilletProcess& app) { app.Click(app.Button(kSave)); }

// Ordinary text, words and line breaks, `chars` characters long.
std::wstring WordsText(size_t chars) {
  std::wstring text;
  for (int word = 0; text.size() < chars; ++word) {
    text += L"word" + std::to_wstring(word);
    text += (word % 9 == 8) ? L"\r\n" : L" ";
  }
  text.resize(chars);
  if (text.back() == L'\r') text.back() = L'.';  // no half line break at the end
  return text;
}

// What the program's ANSI code page makes of `bytes`.
std::wstring AnsiToWide(const std::string& bytes) {
  const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), n);
  return wide;
}

}  // namespace

TEST(SlotsE2e, FirstStartWithoutConfigShowsEightEmptyMemos) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"first"));
  ASSERT_NE(app.Window(), nullptr);
  for (int slot = 1; slot <= 8; ++slot) {
    ASSERT_NE(app.Memo(slot), nullptr) << "slot " << slot;
    EXPECT_EQ(app.Text(app.Memo(slot)), L"") << "slot " << slot;
  }
  EXPECT_FALSE(std::filesystem::exists(app.ConfigFile()));
  EXPECT_TRUE(app.Close());
  EXPECT_FALSE(std::filesystem::exists(app.ConfigFile())) << "closing saves nothing";
}

TEST(SlotsE2e, SavedSlotsAreHexInTheDataSectionAndSurviveReadAndRestart) {
  const auto dir = e2e::MakeScratchDirectory(L"save");
  const auto texts = SampleSlots();
  {
    QuilletProcess app(dir);
    ASSERT_NE(app.Window(), nullptr);
    for (int slot = 1; slot <= 8; ++slot) app.SetText(app.Memo(slot), texts[slot - 1]);
    SaveAndWait(app);

    const std::string ini = e2e::ReadFileBytes(app.ConfigFile());
    fw::TMemIniFile parsed;
    fw::TStringList lines;
    lines.SetText(ini);
    parsed.SetStrings(lines);
    for (int slot = 1; slot <= 8; ++slot) {
      const std::string value = parsed.ReadString("data", "mm" + std::to_string(slot), "?");
      EXPECT_TRUE(IsUpperHexPairs(value)) << "mm" << slot << " = " << value;
    }
    EXPECT_EQ(parsed.ReadString("data", "mm8", "?"), "") << "an empty slot is an empty value";
    EXPECT_EQ(parsed.ReadString("data", "mm4", "").size(), 2u * 5000u);

    // "读取" brings back what a user cleared by hand.
    app.SetText(app.Memo(2), L"");
    app.SetText(app.Memo(4), L"changed");
    app.Click(app.Button(kLoad));
    EXPECT_EQ(app.Text(app.Memo(2)), texts[1]);
    EXPECT_EQ(app.Text(app.Memo(4)), texts[3]);
    ASSERT_TRUE(app.Close());
  }
  QuilletProcess again(dir);
  ASSERT_NE(again.Window(), nullptr);
  for (int slot = 1; slot <= 8; ++slot) {
    EXPECT_EQ(again.Text(again.Memo(slot)), texts[slot - 1]) << "slot " << slot;
  }
}

TEST(SlotsE2e, OtherSectionsAndKeysOfTheFileAreLeftAlone) {
  const auto dir = e2e::MakeScratchDirectory(L"others");
  e2e::WriteFileBytes(dir / L"config.ini",
                      "[mine]\r\nkeep=this value\r\n[data]\r\nmm1=" + ScrambleText("old") + "\r\nextra=1\r\n");
  QuilletProcess app(dir);
  ASSERT_NE(app.Window(), nullptr);
  EXPECT_EQ(app.Text(app.Memo(1)), L"old");
  app.SetText(app.Memo(1), L"new");
  SaveAndWait(app);
  ASSERT_TRUE(app.Close());

  fw::TMemIniFile ini(dir / L"config.ini");
  EXPECT_EQ(ini.ReadString("mine", "keep", ""), "this value");
  EXPECT_EQ(ini.ReadString("data", "extra", ""), "1");
  EXPECT_EQ(UnscrambleText(ini.ReadString("data", "mm1", "")), "new");
}

TEST(SlotsE2e, ClosingWithoutSavingLeavesTheFileAsItWas) {
  const auto dir = e2e::MakeScratchDirectory(L"nosave");
  {
    QuilletProcess app(dir);
    ASSERT_NE(app.Window(), nullptr);
    app.SetText(app.Memo(3), L"kept");
    SaveAndWait(app);
    ASSERT_TRUE(app.Close());
  }
  const std::string before = e2e::ReadFileBytes(dir / L"config.ini");
  {
    QuilletProcess app(dir);
    ASSERT_NE(app.Window(), nullptr);
    app.SetText(app.Memo(3), L"edited but never saved");
    ASSERT_TRUE(app.Close());
  }
  EXPECT_EQ(e2e::ReadFileBytes(dir / L"config.ini"), before);
  QuilletProcess app(dir);
  EXPECT_EQ(app.Text(app.Memo(3)), L"kept");
}

TEST(SlotsE2e, RefusedWriteShowsTheErrorAndTheWindowStaysUsable) {
  const auto dir = e2e::MakeScratchDirectory(L"refused");
  e2e::WriteFileBytes(dir / L"config.ini", "[data]\r\nmm1=" + ScrambleText("on disk") + "\r\n");
  QuilletProcess app(dir);
  ASSERT_NE(app.Window(), nullptr);

  // Another program holds the file open for reading only: writes are refused.
  HANDLE lock =
      CreateFileW((dir / L"config.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  app.SetText(app.Memo(1), L"cannot be written");
  app.PostClick(app.Button(kSave));

  HWND box = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (box = app.MessageBoxWindow()) != nullptr; }, 10s));
  const std::wstring expected = L"Unable to write to " + (app.Directory() / L"config.ini").wstring();
  EXPECT_EQ(app.MessageBoxText(box), expected);
  app.CloseMessageBox(box);
  ASSERT_TRUE(e2e::WaitFor([&] { return app.MessageBoxWindow() == nullptr; }, 10s));
  CloseHandle(lock);

  // Still usable: "读取" works and brings back what is on disk.
  app.Click(app.Button(kLoad));
  EXPECT_EQ(app.Text(app.Memo(1)), L"on disk");
  EXPECT_TRUE(app.Running());
}

TEST(SlotsE2e, CorruptAndAnsiStoredValuesStillLetTheProgramStart) {
  const auto dir = e2e::MakeScratchDirectory(L"corrupt");
  // Hex that is no scrambled text of ours, long enough to have brought the
  // text shaping down when its bytes reached the memo as arbitrary Unicode.
  std::string garbage;
  for (int i = 0; i < 10000; ++i) garbage += "AB";
  // A file written in the ANSI code page: "café" in windows-1252.
  const std::string ansi = "caf\xE9";
  e2e::WriteFileBytes(dir / L"config.ini", "[data]\r\nmm1=" + garbage + "\r\nmm2=" + ScrambleText("第二 second") +
                                               "\r\nmm3=" + ScrambleText(ansi) + "\r\n");
  QuilletProcess app(dir);
  ASSERT_NE(app.Window(), nullptr);
  ASSERT_TRUE(app.Running());
  ASSERT_TRUE(IsWindowVisible(app.Window())) << "the program did not start";
  EXPECT_EQ(app.Text(app.Memo(1)), AnsiToWide(UnscrambleText(garbage)));
  EXPECT_EQ(app.Text(app.Memo(2)), L"第二 second");
  EXPECT_EQ(app.Text(app.Memo(3)), AnsiToWide(ansi));
  if (GetACP() == 1252) EXPECT_EQ(app.Text(app.Memo(3)), L"caf\u00E9");

  // "读取" goes through the same reading.
  app.SetText(app.Memo(2), L"");
  app.Click(app.Button(kLoad));
  ASSERT_TRUE(app.Running());
  EXPECT_EQ(app.Text(app.Memo(2)), L"第二 second");
  EXPECT_EQ(app.Text(app.Memo(1)), AnsiToWide(UnscrambleText(garbage)));
}

TEST(SlotsE2e, PastedFortyThousandCharacterSlotSurvivesSaveRestartAndRead) {
  const auto dir = e2e::MakeScratchDirectory(L"long");
  const std::wstring text = WordsText(40000);
  {
    QuilletProcess app(dir);
    ASSERT_NE(app.Window(), nullptr);
    // Pasted, as a user would put it there: the memo's limit applies.
    ASSERT_TRUE(e2e::SetClipboardText(text));
    SendMessageW(app.Memo(5), WM_PASTE, 0, 0);
    EXPECT_EQ(app.Text(app.Memo(5)).size(), text.size());
    SaveAndWait(app);
    ASSERT_TRUE(app.Close());
  }
  QuilletProcess app(dir);
  ASSERT_NE(app.Window(), nullptr);
  EXPECT_TRUE(app.Text(app.Memo(5)) == text) << "restart: " << app.Text(app.Memo(5)).size() << " characters";
  app.SetText(app.Memo(5), L"");
  app.Click(app.Button(kLoad));
  EXPECT_TRUE(app.Text(app.Memo(5)) == text) << "读取: " << app.Text(app.Memo(5)).size() << " characters";
}

TEST(SlotsE2e, MainWindowHasATaskBarButtonWithItsTitle) {
  QuilletProcess app(e2e::MakeScratchDirectory(L"taskbar"));
  ASSERT_NE(app.Window(), nullptr);
  // The task bar and Alt+Tab list a visible window that is not a tool
  // window and either has no owner or asks for a button.
  const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(app.Window(), GWL_EXSTYLE));
  EXPECT_TRUE(IsWindowVisible(app.Window()));
  EXPECT_EQ(exStyle & WS_EX_TOOLWINDOW, 0u);
  EXPECT_TRUE((exStyle & WS_EX_APPWINDOW) != 0 || GetWindow(app.Window(), GW_OWNER) == nullptr)
      << "owned by a hidden window, without WS_EX_APPWINDOW";
  EXPECT_EQ(app.Text(app.Window()), L"TarvoQuillet");
}
