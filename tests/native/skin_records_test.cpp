// Skin records: defaults, fix-ups, and that saving then loading any record
// class gives the same record.
#include <gtest/gtest.h>

#include "framework/IniFiles.h"
#include "skin/data/skSkinDataControls.h"
#include "skin/data/skSkinDataRecords.h"

using namespace sk;

namespace {

fw::TMemIniFile IniOf(const std::string& text) {
  fw::TStringList lines;
  lines.SetText(text);
  fw::TMemIniFile ini;
  ini.SetStrings(lines);
  return ini;
}

template <class R>
R Loaded(const std::string& section, const std::string& text) {
  R record(section);
  record.LoadFromIni(IniOf(text));
  return record;
}

// Gives every field a distinct value that no default has.
class Filler : public TskSkinKeys {
 public:
  void Integer(const char*, int& v, int) override { v = Next(); }
  void Color(const char*, fw::TColor& v, fw::TColor) override { v = Next() * 65793; }
  void PictureIndex(const char*, int& v) override { v = Next() % 9; }
  void String(const char*, std::string& v, const std::string&) override { v = "s" + std::to_string(Next()); }
  void Flag(const char*, bool& v) override { v = Next() % 2 == 0; }
  void Point(const char*, fw::TPoint& v) override { v = {Next(), Next()}; }
  void Rect(const char*, fw::TRect& v) override { v = {Next(), Next(), Next() + 50, Next() + 50}; }
  void FontStyle(const char*, fw::TFontStyles& v) override { v = static_cast<fw::TFontStyles>(Next() % 16); }
  void Alignment(const char*, TAlignment& v) override { v = static_cast<TAlignment>(Next() % 3); }
  void StretchType(const char*, TskStretchType& v) override { v = static_cast<TskStretchType>(Next() % 3); }
  void MorphKind(const char*, TskMorphKind& v) override { v = static_cast<TskMorphKind>(Next() % 7); }
  void InactiveEffect(const char*, TskInactiveEffect& v) override { v = static_cast<TskInactiveEffect>(Next() % 6); }
  void Command(const char*, TskStdCommand& v) override { v = static_cast<TskStdCommand>(Next() % 7); }

 private:
  int Next() { return ++n_; }
  int n_ = 0;
};

std::string Text(const fw::TMemIniFile& ini) {
  fw::TStringList lines;
  ini.GetStrings(lines);
  return lines.Text();
}

template <class Base>
void ExpectRoundTrip(std::unique_ptr<Base> record, const char* word) {
  Filler filler;
  record->ExchangeKeys(filler);
  // Values the load's fix-ups would change anyway.
  if (auto* updown = dynamic_cast<TskDataSkinUpDownControl*>(record.get())) {
    updown->LeftTopPoint = updown->RightTopPoint = updown->LeftBottomPoint = updown->RightBottomPoint = {};
    updown->ClientRect = {};
  }
  if (auto* animate = dynamic_cast<TskDataSkinAnimate*>(record.get())) animate->Morphing = false;
  fw::TMemIniFile first;
  record->SaveToIni(first);
  // A second record of the same class, loaded from what the first saved,
  // saves the same text: no key is lost, renamed or re-typed on the way.
  auto copy = std::unique_ptr<Base>(static_cast<Base*>(nullptr));
  if constexpr (std::is_same_v<Base, TskDataSkinObject>) {
    copy = CreateSkinObject(word, record->SectionName);
  } else {
    copy = CreateSkinControl(word, record->SectionName);
  }
  copy->LoadFromIni(first);
  fw::TMemIniFile second;
  copy->SaveToIni(second);
  EXPECT_EQ(Text(first), Text(second)) << word;
}

}  // namespace

TEST(SkinRecords, EveryRecordClassRoundTrips) {
  for (const auto& type : SkinObjectTypes()) ExpectRoundTrip(CreateSkinObject(type.word, "obj"), type.word);
  for (const auto& type : SkinControlTypes()) ExpectRoundTrip(CreateSkinControl(type.word, "ctl"), type.word);
  TskDataSkinFormInfo info;
  Filler filler;
  info.ExchangeKeys(filler);
  fw::TMemIniFile ini;
  info.SaveToIni(ini);
  TskDataSkinFormInfo back;
  back.LoadFromIni(ini);
  fw::TMemIniFile again;
  back.SaveToIni(again);
  EXPECT_EQ(Text(ini), Text(again));
}

TEST(SkinRecords, SaveErasesTheSectionAndWritesInTheSyntax) {
  auto ini = IniOf("[b]\nstale=1\n");
  TskDataSkinStdButton button("b");
  button.SkinRect = {1, 2, 3, 4};
  button.Command = cmMinimizeToTray;
  button.Morphing = true;
  button.SaveToIni(ini);
  EXPECT_EQ(ini.ReadString("b", "stale", "gone"), "gone");
  EXPECT_EQ(ini.ReadString("b", "skinrect", ""), "1,2,3,4");
  EXPECT_EQ(ini.ReadString("b", "command", ""), "cmminimizetotray");
  EXPECT_EQ(ini.ReadString("b", "morphing", ""), "1");
  EXPECT_EQ(ini.ReadString("b", "disableskinrsect", ""), "0,0,0,0");
}

TEST(SkinRecords, ObjectDefaultsAndUserObjects) {
  const auto caption = Loaded<TskDataSkinCaption>("c", "[c]\n");
  EXPECT_EQ(caption.FontName, "Arial");
  EXPECT_EQ(caption.FontHeight, 14);
  EXPECT_EQ(caption.Alignment, taCenter);
  EXPECT_EQ(caption.GlowSize, 3);
  EXPECT_EQ(caption.GlowLayerAlphaBlendValue, 255);
  EXPECT_EQ(caption.ActivePictureIndex, -1);
  // A user object reads its rectangle and nothing else.
  const auto user = Loaded<TskDataUserObject>("u", "[u]\nskinrect=1,2,3,4\nhint=x\nactivepictureindex=2\n");
  EXPECT_EQ(user.SkinRect, (fw::TRect{1, 2, 3, 4}));
  EXPECT_EQ(user.Hint, "");
  EXPECT_EQ(user.ActivePictureIndex, -1);
  EXPECT_THROW((Loaded<TskDataSkinButton>("b", "[b]\ndownrect=1,2,3\n")), ESkinValueError);
}

TEST(SkinRecords, RestoreHintOnlyForTheStockEnglishHints) {
  const auto max = Loaded<TskDataSkinStdButton>("m", "[m]\nhint=Maximize\ncommand=cmmaximize\n");
  EXPECT_EQ(max.RestoreHint, "Restore");
  const auto lower = Loaded<TskDataSkinStdButton>("m", "[m]\nhint=maximize\ncommand=cmmaximize\n");
  EXPECT_EQ(lower.RestoreHint, "");
  const auto wrongCommand = Loaded<TskDataSkinStdButton>("m", "[m]\nhint=Minimize\ncommand=cmmaximize\n");
  EXPECT_EQ(wrongCommand.RestoreHint, "");
  const auto roll = Loaded<TskDataSkinAnimate>("r", "[r]\nhint=Roll Up\ncommand=cmrollup\nmorphing=1\n");
  EXPECT_EQ(roll.RestoreHint, "Restore");
  EXPECT_FALSE(roll.Morphing);  // animations never morph
  EXPECT_EQ(roll.CountFrames, 1);
  EXPECT_EQ(roll.TimerInterval, 50);
  const auto own =
      Loaded<TskDataSkinMainMenuBarButton>("x", "[x]\nhint=Maximize\ncommand=cmmaximize\nrestorehint=Back\n");
  EXPECT_EQ(own.RestoreHint, "Back");
}

TEST(SkinRecords, MenuItemMarksFallBackToTheirNormalLook) {
  const auto item = Loaded<TskDataSkinMenuItem>(
      "mi", "[mi]\ncheckimagerect=1,1,9,9\nactiveradioimagerect=2,2,8,8\nradioimagerect=3,3,9,9\n");
  EXPECT_EQ(item.ActiveCheckImageRect, (fw::TRect{1, 1, 9, 9}));
  EXPECT_EQ(item.ActiveRadioImageRect, (fw::TRect{2, 2, 8, 8}));
  EXPECT_EQ(item.ActiveArrowImageRect, fw::TRect{});
  EXPECT_EQ(item.AnimateInterval, 25);
  const auto bar = Loaded<TskDataSkinMainMenuBarItem>("mb", "[MB]\nUNENABLEDFONTCOLOR=77\n");
  EXPECT_EQ(bar.UnEnabledFontColor, 77);
}

TEST(SkinRecords, ControlDefaultsAndFixUps) {
  const auto label = Loaded<TskDataSkinStdLabelControl>("stdlabel", "[stdlabel]\n");
  EXPECT_EQ(label.ActiveFontColor, 16711680);
  const auto bar = Loaded<TskDataSkinControlBar>("controlbar", "[controlbar]\nitemoffset2=9\n");
  EXPECT_EQ(bar.ItemOffset1, 3);
  EXPECT_EQ(bar.ItemOffset2, 9);
  const auto updown = Loaded<TskDataSkinUpDownControl>(
      "ud", "[ud]\nlefttoppoint=2,2\nrightbottompoint=8,8\nclientrect=1,1,9,9\nupbuttonrect=0,0,5,5\n");
  EXPECT_EQ(updown.LeftTopPoint, fw::TPoint{});
  EXPECT_EQ(updown.RightBottomPoint, fw::TPoint{});
  EXPECT_EQ(updown.ClientRect, fw::TRect{});
  EXPECT_EQ(updown.UpButtonRect, (fw::TRect{0, 0, 5, 5}));
  const auto list = Loaded<TskDataSkinCheckListBox>("l", "[l]\nitemcheckrect=1,1,5,5\n");
  EXPECT_EQ(list.VScrollBarName, "vscrollbar");
  EXPECT_EQ(list.BothHScrollBarName, "bothhscrollbar");
  EXPECT_EQ(list.ItemCheckRect, (fw::TRect{1, 1, 5, 5}));
  const auto memo = Loaded<TskDataSkinMemoControl>("m", "[m]\nfontheight=9\nbgcolor=$FF\n");
  EXPECT_EQ(memo.FontHeight, 9);
  EXPECT_EQ(memo.BGColor, 255);
}

TEST(SkinRecords, TypeWordsChooseTheClassExactly) {
  EXPECT_NE(dynamic_cast<TskDataSkinMainMenuBarButton*>(CreateSkinObject("mainmenubarbutton", "x").get()), nullptr);
  EXPECT_EQ(CreateSkinObject("StdButton", "x"), nullptr);
  EXPECT_NE(dynamic_cast<TskDataSkinButtonControl*>(CreateSkinControl("button", "x").get()), nullptr);
  EXPECT_EQ(dynamic_cast<TskDataSkinMenuButtonControl*>(CreateSkinControl("button", "x").get()), nullptr);
  EXPECT_EQ(SkinObjectTypes().size(), 8u);
  EXPECT_EQ(SkinControlTypes().size(), 28u);
  const auto record = CreateSkinControl("checklistbox", "x");
  ASSERT_NE(SkinRecordTypeOf(*record), nullptr);
  EXPECT_STREQ(SkinRecordTypeOf(*record)->className, "TskDataSkinCheckListBox");
  std::string name, type;
  SplitSkinEntry("a:b:c", name, type);
  EXPECT_EQ(name, "a");
  EXPECT_EQ(type, "b:c");
  SplitSkinEntry("nocolon", name, type);
  EXPECT_EQ(name + type, "");
}

TEST(SkinFormInfo, MaskAreaAndHitTestPointsOnlyWithAMask) {
  const std::string corners =
      "[FORMINFO]\nlefttoppoint=10,30\nrighttoppoint=270,30\nleftbottompoint=10,200\n"
      "rightbottompoint=270,200\nclientrect=4,27,281,206\n";
  TskDataSkinFormInfo masked;
  masked.LoadFromIni(IniOf(corners));
  masked.Adjust(true);
  EXPECT_EQ(masked.MaskRectArea, (fw::TRect{4, 27, 281, 206}));
  EXPECT_EQ(masked.HitTestRightBottomPoint, (fw::TPoint{270, 200}));

  TskDataSkinFormInfo holding;
  holding.LoadFromIni(IniOf(corners + "maskrectarea=4,3,282,206\nhittestlefttoppoint=1,1\n"));
  holding.Adjust(true);
  EXPECT_EQ(holding.MaskRectArea, (fw::TRect{4, 3, 282, 206}));
  EXPECT_EQ(holding.HitTestLeftTopPoint, (fw::TPoint{1, 1}));

  TskDataSkinFormInfo growing;
  growing.LoadFromIni(IniOf(corners + "maskrectarea=6,20,200,210\n"));
  growing.Adjust(true);
  EXPECT_EQ(growing.MaskRectArea, (fw::TRect{4, 20, 281, 210}));

  TskDataSkinFormInfo unmasked;
  unmasked.LoadFromIni(IniOf(corners));
  unmasked.Adjust(false);
  EXPECT_EQ(unmasked.HitTestLeftTopPoint, fw::TPoint{});
  EXPECT_EQ(unmasked.MaskRectArea, fw::TRect{});
}

TEST(SkinFormInfo, CornerPointsAreClampedIntoTheClientRect) {
  TskDataSkinFormInfo info;
  info.LoadFromIni(
      IniOf("[FORMINFO]\nlefttoppoint=2,3\nrighttoppoint=300,1\nleftbottompoint=1,250\n"
            "rightbottompoint=299,251\nclientrect=4,27,281,206\n"));
  info.Adjust(false);
  EXPECT_EQ(info.LeftTopPoint, (fw::TPoint{4, 27}));
  EXPECT_EQ(info.RightTopPoint, (fw::TPoint{281, 27}));
  EXPECT_EQ(info.LeftBottomPoint, (fw::TPoint{4, 206}));
  EXPECT_EQ(info.RightBottomPoint, (fw::TPoint{281, 206}));

  TskDataSkinFormInfo same;  // right-bottom x equals left-top x: no clamping
  same.LoadFromIni(IniOf("[FORMINFO]\nrightbottompoint=0,50\nclientrect=4,27,281,206\n"));
  same.Adjust(false);
  EXPECT_EQ(same.LeftTopPoint, fw::TPoint{});
  EXPECT_EQ(same.RightBottomPoint, (fw::TPoint{0, 50}));
}

TEST(SkinWindows, PopupHintAndColourDefaults) {
  TskDataSkinHintWindow hint;
  EXPECT_EQ(hint.FontHeight, 12);  // before any load
  hint.LoadFromIni(IniOf("[HINTWINDOW]\nwindowpictureindex=3\n"));
  EXPECT_EQ(hint.FontHeight, 14);
  EXPECT_EQ(hint.WindowPictureIndex, 3);
  TskSkinColors colors;
  colors.LoadFromIni(IniOf("[SKINCOLORS]\ncwindow=0x00FF00\n"));
  EXPECT_EQ(colors.CWindow, 0x00FF00);
  EXPECT_EQ(colors.CBtnShadow, fw::SystemColor(16));
  colors.SetDefault();
  EXPECT_EQ(colors.CWindow, fw::SystemColor(5));
  TskDataSkinPopupWindow popup;
  popup.LoadFromIni(IniOf("[popupwindow]\nstretchtype=sthorz\n"));
  EXPECT_EQ(popup.StretchType, stHorz);
  EXPECT_EQ(popup.WindowPictureIndex, -1);
}
