// The skin checker of quillet-skin: what the loader would default or reject.
#include <gtest/gtest.h>

#include "tools/quillet-skin/SkinCheck.h"

using skintool::CheckDescription;
using skintool::Finding;

namespace {
fw::TMemIniFile IniOf(const std::string& text) {
  fw::TStringList lines;
  lines.SetText(text);
  fw::TMemIniFile ini;
  ini.SetStrings(lines);
  return ini;
}

const Finding* Find(const std::vector<Finding>& all, const std::string& section, const std::string& key) {
  for (const auto& f : all) {
    if (f.section == section && f.key == key) return &f;
  }
  return nullptr;
}
}  // namespace

TEST(SkinCheck, ReportsEveryKindOfFindingWithItsPlace) {
  const auto ini = IniOf(
      "[VERSION]\n[PICTURES]\n[FORMINFO]\nclientrect=1,2,3\nbuttonsrect=0,0,500,10\nbuttonsoffset=abc\n"
      "[SKINOBJECTS]\ncount=3\n0=close:stdbutton\n1=x:nothing\n2=gone:caption\n"
      "[close]\ncommand=cmClose\nactivepictureindex=5\nskinrect=0,0,10,10\n"
      "[SKINCONTROLS]\ncount=1\n0=panel:panel\n[panel]\npictureindex=0\nskinrect=0,0,99,5\nalignment=middle\n");
  skintool::PictureSizes sizes;
  sizes.main = {100, 50};
  sizes.active = {{20, 20}};
  const auto findings = CheckDescription(ini, sizes, true);
  ASSERT_NE(Find(findings, "FORMINFO", "clientrect"), nullptr);
  EXPECT_TRUE(Find(findings, "FORMINFO", "clientrect")->error);   // the loader would fail
  EXPECT_NE(Find(findings, "FORMINFO", "buttonsrect"), nullptr);  // outside the main picture
  EXPECT_NE(Find(findings, "FORMINFO", "buttonsoffset"), nullptr);
  EXPECT_NE(Find(findings, "close", "command"), nullptr);
  EXPECT_NE(Find(findings, "close", "activepictureindex"), nullptr);
  EXPECT_NE(Find(findings, "SKINOBJECTS", "1"), nullptr);   // unknown type
  EXPECT_NE(Find(findings, "gone", ""), nullptr);           // missing section
  EXPECT_NE(Find(findings, "panel", "skinrect"), nullptr);  // wider than picture 0
  EXPECT_NE(Find(findings, "panel", "alignment"), nullptr);
  EXPECT_FALSE(Find(findings, "panel", "alignment")->error);
}

TEST(SkinCheck, ACleanDescriptionHasNoFindings) {
  const auto ini = IniOf(
      "[VERSION]\n[PICTURES]\n[FORMINFO]\nclientrect=1,2,30,40\n[SKINOBJECTS]\ncount=1\n0=c:caption\n"
      "[c]\nskinrect=0,0,10,10\nalignment=taleftjustify\n[SKINCONTROLS]\n");
  skintool::PictureSizes sizes;
  sizes.main = {100, 50};
  EXPECT_TRUE(CheckDescription(ini, sizes, true).empty());
}
