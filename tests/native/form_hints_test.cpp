// The caption buttons' hints (default texts by command, from the skin's
// resource strings or the program's, restore hints) and the logo drawn over
// the client background.
#include <gtest/gtest.h>

#include "skin/form/skFormHints.h"
#include "skin/form/skFormLogo.h"
#include "tests/native/form_support.h"

namespace {

using formtest::Arranged;
using formtest::OurFrame;
using formtest::OurSkin;

std::vector<sk::TskCaptionObjectLayout> Objects() { return Arranged(OurFrame(), 679, 565); }

int IndexOf(const std::vector<sk::TskCaptionObjectLayout>& objects, const std::string& name) {
  for (size_t i = 0; i < objects.size(); ++i)
    if (objects[i].name == name) return static_cast<int>(i);
  throw std::out_of_range(name);
}

TEST(FormHints, DefaultTextsReplaceTheRecordsByCommand) {
  sk::TskObjectHintTexts texts;
  texts.close = "Shut";
  texts.maximize = "Bigger";
  texts.restore = "Back";
  const auto objects = Objects();
  const sk::TskObjectHints hints = sk::ObjectHintsOf(objects, &OurSkin(), true, texts);
  const int close = IndexOf(objects, "closebutton"), max = IndexOf(objects, "maxbutton");
  EXPECT_EQ(hints.normal[close], "Shut");
  EXPECT_EQ(hints.normal[max], "Bigger");
  EXPECT_EQ(hints.restore[max], "Back");
  // Off: each record's own hint and restore hint (the close button has none).
  const sk::TskObjectHints own = sk::ObjectHintsOf(objects, &OurSkin(), false, texts);
  EXPECT_EQ(own.normal[close], "Close");
  EXPECT_EQ(own.restore[close], "");
  EXPECT_EQ(own.restore[max], "Restore");
  // The caption is no button: it keeps its own (empty) hint either way.
  EXPECT_EQ(hints.normal[IndexOf(objects, "caption")], "");
}

TEST(FormHints, ResourceStringsGoFirstAndMissingNamesKeepTheFallback) {
  sk::TskResourceStrData strings(nullptr);
  fw::TStringList lines;
  lines.Add("CLOSEBUTTON_HINT=Fermer");
  lines.Add("RESTORE_HINT=");
  strings.SetResStrings(lines);
  sk::TskObjectHintTexts fallback;
  fallback.minimize = "Smaller";
  const sk::TskObjectHintTexts t = sk::ObjectHintTextsOf(&strings, fallback);
  EXPECT_EQ(t.close, "Fermer");
  EXPECT_EQ(t.minimize, "Smaller");
  EXPECT_EQ(t.restore, "Restore");  // an empty text counts as missing
  EXPECT_EQ(sk::ObjectHintTextsOf(nullptr, fallback).minimize, "Smaller");
  // The component's own defaults give the usual English texts.
  const sk::TskResourceStrData defaults(nullptr);
  EXPECT_EQ(sk::ObjectHintTextsOf(&defaults, {}).minimizeToTray, "Minimize to Tray");
}

TEST(FormHints, TheRestoreHintShowsOnlyForAButtonThatRestores) {
  const auto objects = Objects();
  const sk::TskObjectHints hints = sk::ObjectHintsOf(objects, &OurSkin(), true, {});
  const int close = IndexOf(objects, "closebutton"), max = IndexOf(objects, "maxbutton");
  EXPECT_EQ(sk::HintOnEnter(objects[max], hints, max, true), "Restore");
  EXPECT_EQ(sk::HintOnEnter(objects[max], hints, max, false), "Maximize");
  EXPECT_EQ(sk::HintOnEnter(objects[close], hints, close, true), "Close");
  // The built-in buttons take the default texts too.
  const auto builtIn = sk::DefaultCaptionObjects();
  const sk::TskObjectHints plain = sk::ObjectHintsOf(builtIn, nullptr, true, {});
  EXPECT_EQ(plain.normal[0], "Close");
}

fw::TBitmap Filled(int w, int h, fw::TColor color) {
  fw::TBitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, color);
  return b;
}

TEST(FormLogo, ATransparentLogoKeepsTheBackgroundUnderItsKeyColour) {
  constexpr fw::TColor kKey = 0x00FF00FF, kInk = 0x00123456, kBack = 0x00ABCDEF;
  fw::TBitmap logo = Filled(4, 3, kKey);  // the bottom-left pixel names the key
  logo.SetPixel(1, 1, kInk);
  fw::TBitmap target = Filled(10, 10, kBack);
  sk::DrawLogo(target, {2, 2}, logo, true);
  EXPECT_EQ(target.Pixel(3, 3), kInk);
  EXPECT_EQ(target.Pixel(2, 2), kBack);
  sk::DrawLogo(target, {2, 2}, logo, false);
  EXPECT_EQ(target.Pixel(2, 2), kKey);
  EXPECT_EQ(target.Pixel(6, 2), kBack);  // just right of the logo
}

TEST(FormLogo, ALogoIsCutAtTheTargetsEdges) {
  fw::TBitmap target = Filled(5, 5, 0);
  const fw::TBitmap logo = Filled(8, 8, 0x00010203);
  sk::DrawLogo(target, {3, -2}, logo, false);
  EXPECT_EQ(target.Pixel(4, 0), 0x00010203u);
  EXPECT_EQ(target.Pixel(2, 0), 0u);
  sk::DrawLogo(target, {-9, 0}, logo, false);  // wholly off: nothing
  EXPECT_EQ(target.Pixel(0, 4), 0u);
}

}  // namespace
