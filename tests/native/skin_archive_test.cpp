// Skin envelopes, archives and the stored-skin containers, from bytes built
// by hand; hostile archives must end in an error, never an overread.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <random>

#include <zlib.h>

#include "framework/Bmp.h"
#include "framework/Utf.h"
#include "skin/data/skAdler32.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataArchive.h"
#include "skin/data/skSkinStoredSkin.h"
#include "skin/data/skZlibCompress.h"
#include "skin_TestSkins.h"

using namespace sk;
using namespace skintest;

namespace {

TskSkinArchive ReadArchive(const Bytes& bytes) {
  fw::TMemoryStream stream(bytes);
  return ReadSkinArchive(stream);
}

bool SamePixels(const fw::TBitmap& a, const fw::TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.PixelFormat() != b.PixelFormat()) return false;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

std::wstring MessageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const fw::Exception& e) {
    return e.Message();
  }
  return L"(no error)";
}

}  // namespace

TEST(SkinArchive, ReadsTheItemsInOrder) {
  const auto archive = ReadArchive(MakeArchive({MakeBmp(5, 4, 4, 3), MakeBmp(9, 2, 1, 1)}, "[A]\r\nk=v\r\n"));
  EXPECT_EQ(archive.Version, 3);
  EXPECT_EQ(archive.Picture.Width(), 40);
  EXPECT_EQ(archive.Picture.PixelFormat(), fw::TPixelFormat::pf24bit);
  EXPECT_TRUE(archive.InactivePicture.Empty());  // flag 1: the mask's flag follows at once
  EXPECT_EQ(archive.Mask.PixelFormat(), fw::TPixelFormat::pf8bit);
  ASSERT_EQ(archive.ActivePictures.size(), 2u);
  EXPECT_EQ(archive.ActivePictures[0].PixelFormat(), fw::TPixelFormat::pf4bit);
  EXPECT_EQ(archive.ActivePictures[1].Width(), 9);
  EXPECT_EQ(archive.Text, "[A]\r\nk=v\r\n");
}

TEST(SkinArchive, VersionTwoSkipsItsExtraSlots) {
  const auto v3 = ReadArchive(MakeArchive({MakeBmp(3, 3, 8)}, "x\r\n", 3));
  const auto v2 = ReadArchive(MakeArchive({MakeBmp(3, 3, 8)}, "x\r\n", 2));
  EXPECT_TRUE(SamePixels(v2.Picture, v3.Picture));
  EXPECT_TRUE(SamePixels(v2.Mask, v3.Mask));
  ASSERT_EQ(v2.ActivePictures.size(), 1u);
  EXPECT_TRUE(SamePixels(v2.ActivePictures[0], v3.ActivePictures[0]));
  EXPECT_EQ(v2.Text, v3.Text);
}

TEST(SkinArchive, ZeroPicturesAreFollowedByTheText) {
  Bytes b;
  Put32(b, 3);
  Put8(b, 1);
  Put8(b, 1);
  Put8(b, 1);
  Put32(b, 0);
  Append(b, std::string("[X]\r\n"));
  const auto archive = ReadArchive(b);
  EXPECT_TRUE(archive.Picture.Empty());
  EXPECT_TRUE(archive.ActivePictures.empty());
  EXPECT_EQ(archive.Text, "[X]\r\n");
}

TEST(SkinArchive, StopsAtNewerVersionsAndRefusesHostileCounts) {
  const auto newer = ReadArchive(MakeArchive({MakeBmp(2, 2, 24)}, "[X]\r\n", 4));
  EXPECT_EQ(newer.Version, 4);  // the caller decides; nothing else is read
  EXPECT_TRUE(newer.Picture.Empty());
  EXPECT_TRUE(newer.ActivePictures.empty());
  EXPECT_EQ(newer.Text, "");
  Bytes b;
  Put32(b, 3);
  Put8(b, 1);
  Put8(b, 1);
  Put8(b, 1);
  Bytes beyond = b;
  Put32(beyond, 0x7FFFFFFF);  // far more pictures than bytes
  Append(beyond, MakeBmp(2, 2, 24));
  EXPECT_THROW(ReadArchive(beyond), fw::EStreamError);
  Bytes negative = b;
  Put32(negative, 0xFFFFFFFF);
  EXPECT_THROW(ReadArchive(negative), ESkinArchiveError);
  Bytes badFlag;
  Put32(badFlag, 3);
  Put8(badFlag, 7);
  EXPECT_THROW(ReadArchive(badFlag), ESkinArchiveError);
  EXPECT_THROW(ReadArchive(Bytes{3, 0}), fw::EReadError);  // version cut short
}

TEST(SkinArchive, TruncatedOrLyingPicturesAreErrors) {
  const Bytes good = MakeBmp(16, 8, 24);
  // Cut anywhere inside the picture: always an error.
  for (size_t cut : {size_t{1}, size_t{13}, size_t{20}, size_t{60}, good.size() - 1}) {
    Bytes b;
    Put32(b, 3);
    Put8(b, 0);
    b.insert(b.end(), good.begin(), good.begin() + static_cast<long>(cut));
    EXPECT_ANY_THROW(ReadArchive(b)) << "cut at " << cut;
  }
  // A header claiming huge dimensions within a small file.
  Bytes huge = good;
  huge[18] = huge[19] = huge[20] = 0xFF;
  huge[21] = 0x0F;
  fw::TMemoryStream s1(huge);
  EXPECT_THROW(fw::ReadBmp(s1), fw::EInvalidGraphic);
  Bytes tall = good;
  tall[22] = tall[23] = tall[24] = 0xFF;
  tall[25] = 0x7F;
  fw::TMemoryStream s2(tall);
  EXPECT_THROW(fw::ReadBmp(s2), fw::EInvalidGraphic);
  // A size field larger than the data that follows.
  Bytes longer = good;
  longer[4] = 0xFF;
  longer[5] = 0xFF;
  fw::TMemoryStream s3(longer);
  EXPECT_THROW(fw::ReadBmp(s3), fw::EReadError);
  // Pixel offset pointing past the end of the file.
  Bytes offset = good;
  offset[11] = 0x40;
  fw::TMemoryStream s4(offset);
  EXPECT_THROW(fw::ReadBmp(s4), fw::EInvalidGraphic);
  Bytes rle = good;
  rle[30] = 1;
  fw::TMemoryStream s5(rle);
  EXPECT_THROW(fw::ReadBmp(s5), fw::EInvalidGraphic);
}

TEST(SkinArchive, APackedSkinCannotClaimGigabytesOfPixels) {
  // Some 40 KB of packed skin that unpacks to a 32768 x 32768 picture of
  // zeros: refused before its pixels are allocated.
  TskCompressedStoredSkin stored(nullptr);
  Store(stored, ArchiveOfPictures({MakeRle8(32768, 32768)}));
  EXPECT_LT(stored.CompressedData().Bytes().size(), 65536u);
  TskSkinData data(nullptr);
  const std::wstring message = MessageOf([&] { data.LoadFromStoredSkin(stored); });
  EXPECT_NE(message.find(L"32768 x 32768"), std::wstring::npos) << fw::WideToUtf8(message);
  EXPECT_TRUE(data.Empty());
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  EXPECT_LT(usage.ru_maxrss, 512 * 1024) << "peak resident kilobytes";
}

TEST(SkinArchive, AllPicturesOfAnArchiveShareOnePixelBudget) {
  // One picture may be as large as the whole budget; a single pixel more
  // anywhere in the archive is refused with the budget named.
  const Bytes full = MakeRle8(8192, 8192);
  const auto archive = ReadArchive(ArchiveOfPictures({full}));
  EXPECT_EQ(archive.Picture.Width(), 8192);
  const std::wstring message = MessageOf([&] { ReadArchive(ArchiveOfPictures({full, MakeRle8(1, 1)})); });
  EXPECT_NE(message.find(L"67108864"), std::wstring::npos) << fw::WideToUtf8(message);
  EXPECT_NE(message.find(L"1 x 1"), std::wstring::npos) << fw::WideToUtf8(message);
  // Nor is such an archive written.
  TskSkinArchive over = archive;
  over.ActivePictures.emplace_back(1, 1);
  fw::TMemoryStream out;
  EXPECT_THROW(WriteSkinArchive(over, out), ESkinArchiveError);
}

TEST(SkinArchive, TheBmpReaderCapsEachPicture) {
  const Bytes wide = MakeRle8(16385, 1);
  fw::TMemoryStream s1(wide);
  EXPECT_THROW(fw::ReadBmp(s1), fw::EInvalidGraphic);  // one side too long
  fw::TMemoryStream s2(MakeRle8(16384, 2, 7));
  const fw::TBitmap widest = fw::ReadBmp(s2);
  EXPECT_EQ(widest.Pixel(16383, 1), fw::RGBColor(7, 7, 7));
  // A caller's smaller limit holds before any pixel is allocated.
  fw::TMemoryStream s3(MakeRle8(100, 100));
  EXPECT_THROW(fw::ReadBmp(s3, 9999), fw::EBitmapTooLarge);
  fw::TMemoryStream s4(MakeRle8(100, 100));
  EXPECT_EQ(fw::ReadBmp(s4, 10000).Height(), 100);
}

TEST(SkinArchive, BmpReaderConsumesExactlyOneFile) {
  Bytes b = MakeBmp(3, 2, 1);
  Bytes extra = b;
  extra[2] += 4;  // the size field counts four more bytes than the pixels need
  extra.insert(extra.end(), {0xAA, 0xBB, 0xCC, 0xDD});
  Bytes both = extra;
  Append(both, MakeBmp(7, 1, 4));
  fw::TMemoryStream stream(both);
  fw::ReadBmp(stream);
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(extra.size()));
  EXPECT_EQ(fw::ReadBmp(stream).Width(), 7);
}

TEST(SkinArchive, WriterRoundTripsEveryDepth) {
  TskSkinArchive archive;
  archive.Picture = fw::ReadBmp(*std::make_unique<fw::TMemoryStream>(MakeBmp(11, 7, 24, 5)));
  archive.Mask = fw::ReadBmp(*std::make_unique<fw::TMemoryStream>(MakeBmp(11, 7, 8, 1)));
  for (int bits : {1, 4, 8, 24}) {
    fw::TMemoryStream s(MakeBmp(13, 5, bits, bits));
    archive.ActivePictures.push_back(fw::ReadBmp(s));
  }
  archive.Text = "[T]\r\n";
  fw::TMemoryStream out;
  WriteSkinArchive(archive, out);
  out.SetPosition(0);
  const auto back = ReadSkinArchive(out);
  EXPECT_TRUE(SamePixels(back.Picture, archive.Picture));
  EXPECT_TRUE(back.InactivePicture.Empty());
  EXPECT_TRUE(SamePixels(back.Mask, archive.Mask));
  EXPECT_EQ(back.Mask.Palette(), archive.Mask.Palette());
  ASSERT_EQ(back.ActivePictures.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(SamePixels(back.ActivePictures[i], archive.ActivePictures[i]));
  EXPECT_EQ(back.Text, archive.Text);
}

TEST(SkinEnvelope, ReadsWritesAndRefusesNewerVersions) {
  const Bytes z = Zlib(MakeArchive({}, "t\r\n"));
  TskCompressedStoredSkin skin(nullptr);
  fw::TMemoryStream in(Envelope(3, z));
  in.SetPosition(5);  // reading starts from the beginning whatever the position
  skin.ReadSkinEnvelope(in);
  EXPECT_EQ(skin.CompressedData().Bytes(), z);
  fw::TMemoryStream out;
  skin.WriteSkinEnvelope(out);
  EXPECT_EQ(out.Bytes(), Envelope(3, z));

  fw::TMemoryStream newer(Envelope(4, z));
  skin.ReadSkinEnvelope(newer);
  EXPECT_TRUE(skin.IsEmpty());

  Bytes lying = Envelope(3, z);
  lying[4] = 0xFF;  // claims more bytes than there are
  fw::TMemoryStream short1(lying);
  EXPECT_THROW(skin.ReadSkinEnvelope(short1), fw::EReadError);
  EXPECT_TRUE(skin.IsEmpty());
  Bytes negative = Envelope(3, z);
  negative[7] = 0x80;
  fw::TMemoryStream short2(negative);
  EXPECT_THROW(skin.ReadSkinEnvelope(short2), ESkinArchiveError);
}

TEST(SkinZlib, CompressesAtLevelNineAndInflatesBack) {
  Bytes data;
  for (int i = 0; i < 20000; ++i) data.push_back(static_cast<uint8_t>(i * 31 % 251));
  fw::TMemoryStream source(data), packed, unpacked;
  ZCompressStream(source, packed, 9);
  ASSERT_GE(packed.Bytes().size(), 2u);
  EXPECT_EQ(packed.Bytes()[0], 0x78);
  EXPECT_EQ(packed.Bytes()[1], 0xDA);
  ZDecompressStream(packed, unpacked, 1 << 20);
  EXPECT_EQ(unpacked.Bytes(), data);
  fw::TMemoryStream small;
  packed.SetPosition(0);
  EXPECT_THROW(ZDecompressStream(packed, small, 1000), EDecompressionError);  // over the limit
}

TEST(SkinZlib, InflatingInOnePieceKeepsTheLimitAndTheErrors) {
  Bytes data;
  for (int i = 0; i < 300000; ++i) data.push_back(static_cast<uint8_t>(i * 7 % 13));
  const Bytes z = Zlib(data);
  const auto size = static_cast<int64_t>(z.size());
  const TskInflatedBytes whole = ZDecompressBuffer(z.data(), size, static_cast<int64_t>(data.size()));
  ASSERT_EQ(whole.Size(), static_cast<int64_t>(data.size()));  // exactly at the limit passes
  EXPECT_TRUE(std::equal(data.begin(), data.end(), whole.Data()));
  EXPECT_EQ(MessageOf([&] { ZDecompressBuffer(z.data(), size, static_cast<int64_t>(data.size()) - 1); }),
            L"compression error: the skin is too large");
  EXPECT_EQ(MessageOf([&] { ZDecompressBuffer(z.data(), size / 2, 1 << 20); }), L"compression error");
  Bytes corrupt = z;
  corrupt[5] ^= 0x55;
  corrupt[6] ^= 0x55;
  EXPECT_EQ(MessageOf([&] { ZDecompressBuffer(corrupt.data(), size, 1 << 20); }), L"compression error");
  EXPECT_EQ(MessageOf([&] { ZDecompressBuffer(z.data(), 0, 1 << 20); }), L"compression error");
}

// The checksum is worked out apart from zlib: a stream whose data or
// checksum was changed, or that stops inside its checksum, is refused.
TEST(SkinZlib, InflatingInOnePieceChecksTheHeaderAndTheChecksum) {
  Bytes data(100000);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 31 % 251);
  const Bytes z = Zlib(data);
  const auto size = static_cast<int64_t>(z.size());
  const auto refused = [&](Bytes bytes, int64_t length) {
    return MessageOf([&] { ZDecompressBuffer(bytes.data(), length, 1 << 20); }) == L"compression error";
  };
  Bytes sum = z;
  sum[z.size() - 1] ^= 1;
  EXPECT_TRUE(refused(sum, size));
  EXPECT_TRUE(refused(z, size - 2));  // cut inside the checksum
  Bytes header = z;
  header[1] ^= 1;  // no longer a multiple of 31
  EXPECT_TRUE(refused(header, size));
  Bytes dictionary = z;
  dictionary[1] = 0xF9;  // 0x78F9: a preset dictionary, which skins never use
  EXPECT_TRUE(refused(dictionary, size));
  EXPECT_EQ(ZDecompressBuffer(z.data(), size, 1 << 20).Size(), static_cast<int64_t>(data.size()));
}

TEST(SkinZlib, Adler32AgreesWithZlibAtEveryLengthAndStart) {
  std::mt19937 rng(11);
  Bytes bytes(200000);
  for (auto& b : bytes) b = static_cast<uint8_t>(rng());
  const Bytes high(70000, 0xFF);  // the largest sums a block can reach
  for (size_t length : {size_t{0}, size_t{1}, size_t{31}, size_t{32}, size_t{63}, size_t{64}, size_t{65},
                        size_t{5535}, size_t{5536}, size_t{5552}, size_t{5600}, size_t{70000}, size_t{199999}}) {
    for (uint32_t start : {1u, 0xFFF0FFF0u, 0x12345678u}) {
      EXPECT_EQ(sk::Adler32(start, bytes.data() + 1, length - (length > 0)),
                adler32(start, bytes.data() + 1, static_cast<uInt>(length - (length > 0))))
          << length;
      if (length <= high.size()) {
        EXPECT_EQ(sk::Adler32(start, high.data(), length), adler32(start, high.data(), static_cast<uInt>(length)))
            << length;
      }
    }
  }
}

TEST(SkinZlib, ErrorsCarryTheirMessages) {
  Bytes z = Zlib(Bytes(5000, 7));
  Bytes corrupt = z;
  corrupt[5] ^= 0x55;
  corrupt[6] ^= 0x55;
  fw::TMemoryStream c(corrupt), sink;
  EXPECT_EQ(MessageOf([&] { ZDecompressStream(c, sink, 1 << 20); }), L"compression error");
  Bytes cut(z.begin(), z.begin() + static_cast<long>(z.size() / 2));
  fw::TMemoryStream t(cut);
  EXPECT_EQ(MessageOf([&] { ZDecompressStream(t, sink, 1 << 20); }), L"compression error");
  fw::TMemoryStream dest;
  TskCompressionStream compressor(dest);
  uint8_t byte = 0;
  EXPECT_EQ(MessageOf([&] { compressor.Read(&byte, 1); }), L"Invalid stream operation");
  EXPECT_EQ(MessageOf([&] { compressor.Seek(3, fw::TSeekOrigin::soBeginning); }), L"Invalid stream operation");
  fw::TMemoryStream src(z);
  TskDecompressionStream inflater(src);
  EXPECT_EQ(MessageOf([&] { inflater.Write(&byte, 1); }), L"Invalid stream operation");
  EXPECT_EQ(inflater.Read(&byte, 1), 1);
  EXPECT_EQ(inflater.Seek(0, fw::TSeekOrigin::soCurrent), 1);
}

class SkinFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("quillet-skin-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void WriteFile(const std::string& name, const Bytes& bytes) {
    fw::WriteFileBytes(dir_ / name, bytes.data(), bytes.size());
  }
  void WriteText(const std::string& name, const std::string& text) { WriteFile(name, Bytes(text.begin(), text.end())); }
  std::filesystem::path dir_;
};

TEST_F(SkinFolder, ImportBuildsTheArchiveInPictureOrder) {
  WriteFile("main.bmp", MakeBmp(40, 30, 24, 1));
  WriteFile("mask.bmp", MakeBmp(40, 30, 8, 2));
  WriteFile("a.bmp", MakeBmp(6, 6, 4, 3));
  WriteFile("b.bmp", MakeBmp(6, 6, 1, 4));
  WriteText("skin.ini", SampleDescription());
  TskCompressedStoredSkin skin(nullptr);
  skin.ImportSkinFolder(dir_ / "skin.ini");
  ASSERT_FALSE(skin.IsEmpty());
  EXPECT_EQ(skin.CompressedData().Bytes()[1], 0xDA);
  fw::TMemoryStream archiveBytes;
  skin.DecompressSkin(archiveBytes);
  archiveBytes.SetPosition(0);
  const auto archive = ReadSkinArchive(archiveBytes);
  EXPECT_EQ(archive.Picture.Width(), 40);
  EXPECT_TRUE(archive.InactivePicture.Empty());
  EXPECT_EQ(archive.Mask.PixelFormat(), fw::TPixelFormat::pf8bit);
  ASSERT_EQ(archive.ActivePictures.size(), 2u);
  EXPECT_EQ(archive.ActivePictures[0].PixelFormat(), fw::TPixelFormat::pf4bit);
  EXPECT_EQ(archive.ActivePictures[1].PixelFormat(), fw::TPixelFormat::pf1bit);
  EXPECT_EQ(archive.Text, SampleDescription());  // every line ends in CR LF

  fw::TMemoryStream envelope;
  skin.WriteSkinEnvelope(envelope);
  WriteFile("skin.skn", envelope.Bytes());
  TskCompressedStoredSkin fromFile(nullptr);
  fromFile.ImportCompressedSkinFile(dir_ / "skin.skn");
  EXPECT_EQ(fromFile.CompressedData().Bytes(), skin.CompressedData().Bytes());
}

TEST_F(SkinFolder, ImportStopsOnMissingSectionsAndFailsOnMissingPictures) {
  WriteText("skin.ini", "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n");
  TskCompressedStoredSkin skin(nullptr);
  Store(skin, MakeArchive({}, ""));
  const Bytes before = skin.CompressedData().Bytes();
  skin.ImportSkinFolder(dir_ / "skin.ini");
  EXPECT_EQ(skin.CompressedData().Bytes(), before);  // unchanged

  WriteText("skin.ini", SampleDescription());  // names pictures that do not exist
  EXPECT_THROW(skin.ImportSkinFolder(dir_ / "skin.ini"), fw::EStreamError);
  EXPECT_TRUE(skin.IsEmpty());
}

TEST_F(SkinFolder, DesignTimeFileNamesImportAndKeepTheNamePart) {
  WriteFile("main.bmp", MakeBmp(4, 4, 24));
  WriteText("skin.ini",
            "[VERSION]\r\n[PICTURES]\r\npicture=main.bmp\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n");
  fw::TComponent form(nullptr);
  auto* list = fw::TComponent::Create<TskCompressedSkinList>(&form);
  TskSkinListItem& item = list->Skins().Add();
  item.SetFileName((dir_ / "skin.ini").wstring());  // not designing: stored as is
  EXPECT_EQ(item.FileName(), (dir_ / "skin.ini").wstring());
  EXPECT_TRUE(item.Skin().IsEmpty());
  list->SetDesigning(true);
  item.SetFileName((dir_ / "skin.ini").wstring());
  EXPECT_EQ(item.FileName(), L"skin.ini");
  EXPECT_FALSE(item.Skin().IsEmpty());
}

TEST(SkinList, ItemsAreNamedByTheirIndexAndCopiedOnAssign) {
  TskCompressedSkinList list(nullptr);
  list.Skins().Add();
  list.Skins().Add();
  TskSkinListItem& third = list.Skins().Add();
  EXPECT_EQ(third.Name(), L"skSkin2");
  EXPECT_EQ(third.DisplayName(), L"skSkin2");
  EXPECT_EQ(third.Index(), 2);
  Store(third.Skin(), MakeArchive({}, "x"));
  third.SetDescription(L"blue");

  TskCompressedSkinList copy(nullptr);
  copy.SetSkins(list.Skins());
  ASSERT_EQ(copy.Skins().Count(), 3);
  EXPECT_EQ(copy.Skins().Items(2).Description(), L"blue");
  EXPECT_EQ(copy.Skins().Items(2).Skin().CompressedData().Bytes(), third.Skin().CompressedData().Bytes());
  EXPECT_THROW(copy.Skins().Items(3), fw::EListError);

  fw::TMemoryStream property;  // the "Skin" layout property is the envelope
  third.WriteSkin(property);
  TskSkinListItem& fresh = copy.Skins().Add();
  fresh.ReadSkin(property);
  EXPECT_EQ(fresh.Skin().CompressedData().Bytes(), third.Skin().CompressedData().Bytes());
}
