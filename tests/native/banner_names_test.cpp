// Names taken from the downloaded banner configuration.
#include <gtest/gtest.h>

#include "support/BannerNames.h"

TEST(BannerExtension, RunsFromTheLastDotUnlessABackslashOrColonFollows) {
  EXPECT_EQ(BannerExtension(L"http://h.example/pics/a.gif"), L".gif");
  EXPECT_EQ(BannerExtension(L"http://h.example/pics/a.b.JPEG"), L".JPEG");
  EXPECT_EQ(BannerExtension(L"http://www.h.example/pics/banner"), L".example/pics/banner");
  EXPECT_EQ(BannerExtension(L"c:\\dir.x\\file"), L"");
  EXPECT_EQ(BannerExtension(L"http://h.example:8080/x"), L"");
  EXPECT_EQ(BannerExtension(L"noext"), L"");
  EXPECT_EQ(BannerExtension(L""), L"");
}

TEST(BannerFileName, IsTheKeyWithAPlainExtensionOnly) {
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/a.gif"), L"fname1.gif");
  EXPECT_EQ(BannerFileName(L"fname2", L"http://h.example/a.jpg"), L"fname2.jpg");
  EXPECT_EQ(BannerFileName(L"fname1", L""), L"fname1");
  // Addresses that would otherwise steer the file elsewhere.
  for (const wchar_t* hostile : {L"http://h.example/a.b/../../x", L"http://h.example/a./..\\..\\x",
                                 L"http://h.example/a.gif?v=1",
                                 L"http://h.example/a.g/if", L"http://h.example/a.gifgifgif"}) {
    const std::wstring name = BannerFileName(L"fname1", hostile);
    EXPECT_EQ(name, L"fname1") << hostile;
  }
  EXPECT_EQ(BannerFileName(L"fname1", L"http://h.example/x./../../windows/evil.exe"), L"fname1.exe");
}

TEST(IsPlainExtension, AcceptsOnlyADotAndAFewLettersOrDigits) {
  EXPECT_TRUE(IsPlainExtension(L".gif"));
  EXPECT_TRUE(IsPlainExtension(L".J2"));
  EXPECT_FALSE(IsPlainExtension(L"."));
  EXPECT_FALSE(IsPlainExtension(L"gif"));
  EXPECT_FALSE(IsPlainExtension(L".g f"));
  EXPECT_FALSE(IsPlainExtension(L".g\u00e9f"));
  EXPECT_FALSE(IsPlainExtension(L".abcdefghi"));
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
