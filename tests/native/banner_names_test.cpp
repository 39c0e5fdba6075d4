// Names taken from the downloaded banner configuration.
#include <gtest/gtest.h>

#include <optional>

#include "support/BannerNames.h"

using namespace support;

TEST(BannerExtension, RunsFromTheLastDotUnlessABackslashOrColonFollows) {
  EXPECT_EQ(BannerExtension(L"http://h.example/pics/a.gif"), L".gif");
  EXPECT_EQ(BannerExtension(L"http://h.example/pics/a.b.JPEG"), L".JPEG");
  EXPECT_EQ(BannerExtension(L"http://www.h.example/pics/banner"), L".example/pics/banner");
  EXPECT_EQ(BannerExtension(L"c:\\dir.x\\file"), L"");
  EXPECT_EQ(BannerExtension(L"http://h.example:8080/x"), L"");
  EXPECT_EQ(BannerExtension(L"noext"), L"");
  EXPECT_EQ(BannerExtension(L""), L"");
}

TEST(BannerFileName, IsTheKeyPlusTheAddressExtension) {
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/a.gif"), L"fname1.gif");
  EXPECT_EQ(BannerFileName(L"fname2", L"http://h.example/a.jpg"), L"fname2.jpg");
  // Extensions no picture format reads still name the file; loading it then
  // reports the extension.
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/a.jpg_large"), L"fname1.jpg_large");
  EXPECT_EQ(BannerFileName(L"fname2", L"http://h.example/a.b.tar-gz"), L"fname2.tar-gz");
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/a.gifgifgif"), L"fname1.gifgifgif");
  // No extension: the key alone, where a cached copy may lie.
  EXPECT_EQ(BannerFileName(L"fname1", L""), L"fname1");
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/a./..\\..\\x"), L"fname1");
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/x./../../windows/evil.exe"), L"fname1.exe");
}

TEST(BannerFileName, HasNoneWhenTheExtensionCannotEndAFileNameHere) {
  // Each would leave the program directory, name a stream or a device, be
  // refused by the file system, or be renamed by it.
  for (const wchar_t* address :
       {L"http://h.example/a.b/../../x", L"http://www.h.example/pics/banner", L"http://h.example/a.gif?v=1",
        L"http://h.example/a.g/if", L"http://h.example/a.gif*", L"http://h.example/a.gif|x",
        L"http://h.example/a.\"x\"", L"http://h.example/a.<b>", L"http://h.example/a.gif ", L"http://h.example/a.g if",
        L"http://h.example/a.", L"http://h.example/a.g\u00e9f", L"http://h.example/a.gif\u202Egpj",
        L"http://h.example/a.gif\t"}) {
    EXPECT_EQ(BannerFileName(L"fname1", address), std::nullopt) << address;
  }
  // A sensible length: a few dozen characters at most.
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/a." + std::wstring(32, L'x')),
            L"fname1." + std::wstring(32, L'x'));
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/a." + std::wstring(33, L'x')), std::nullopt);
}

TEST(IsUsableExtension, IsADotAndAFewPrintableCharactersAFileNameMayEndIn) {
  for (const wchar_t* usable : {L".gif", L".J2", L".jpg_large", L".x-y+z~1"}) EXPECT_TRUE(IsUsableExtension(usable));
  for (const wchar_t* refused : {L".", L"gif", L".a.b", L".g f", L".g\u00e9f", L".a:b", L".a/b", L".a\\b"}) {
    EXPECT_FALSE(IsUsableExtension(refused)) << refused;
  }
}

TEST(IsWebLink, OpensOnlyHttpAndHttpsAddresses) {
  EXPECT_TRUE(IsWebLink(L"http://www.quillet.example/"));
  EXPECT_TRUE(IsWebLink(L"HTTPS://www.quillet.example/offer?id=3"));
  for (const wchar_t* refused :
       {L"", L"http://", L"file:///c:/windows/system32/calc.exe", L"c:\\windows\\notepad.exe", L"calc.exe",
        L"javascript:alert(1)", L"mailto:x@quillet.example", L"ftp://quillet.example/", L" http://x.example/",
        L"http://x.example/ -x", L"http://x.example/\r\nmore", L"\\\\server\\share\\x.exe"}) {
    EXPECT_FALSE(IsWebLink(refused)) << refused;
  }
}
