// The skin data component: loading and its three messages, the fall-back
// after a failed load, the property setters, look-ups and the broadcast
// order through a fake form messenger.
#include <gtest/gtest.h>

#include <set>

#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataArchive.h"
#include "skin/data/skZlibCompress.h"
#include "skin_TestSkins.h"

using namespace sk;
using namespace skintest;

namespace {

struct Sent {
  std::wstring form;
  unsigned message;
  bool empty;
  bool changing;
  bool operator==(const Sent&) const = default;
};

// Forms are plain components here; the messenger records every send with
// the skin data's state at that moment.
class FakeForms : public TskSkinFormMessenger {
 public:
  FakeForms() { previous_ = SetSkinFormMessenger(this); }
  ~FakeForms() override { SetSkinFormMessenger(previous_); }
  fw::TComponent* AddForm(const std::wstring& name) {
    forms_.push_back(std::make_unique<fw::TComponent>(nullptr));
    forms_.back()->SetName(name);
    return forms_.back().get();
  }
  bool IsForm(const fw::TComponent* c) const override {
    for (const auto& f : forms_) {
      if (f.get() == c) return true;
    }
    return false;
  }
  int FormCount() const override { return static_cast<int>(forms_.size()); }
  fw::TComponent* Forms(int i) const override { return forms_[static_cast<size_t>(i)].get(); }
  void SendSkinMessage(fw::TComponent* form, unsigned message, TskSkinData* sender) override {
    sent.push_back({form->Name(), message, sender->Empty(), sender->ChangeInProgress()});
  }
  std::vector<unsigned> Messages() const {
    std::vector<unsigned> out;
    for (const auto& s : sent) out.push_back(s.message);
    return out;
  }
  std::vector<Sent> sent;

 private:
  std::vector<std::unique_ptr<fw::TComponent>> forms_;
  TskSkinFormMessenger* previous_;
};

const std::vector<unsigned> kLoadMessages = {SKINMSG_BEFORE_CHANGE, SKINMSG_CHANGED, SKINMSG_AFTER_CHANGE};

Bytes SampleArchive() { return MakeArchive({MakeBmp(10, 10, 24, 4), MakeBmp(8, 8, 4, 5)}, SampleDescription()); }

}  // namespace

TEST(SkinData, LoadsAStoredSkinBetweenThreeMessages) {
  FakeForms forms;
  forms.AddForm(L"main");
  TskCompressedStoredSkin stored(nullptr);
  Store(stored, SampleArchive());
  TskSkinData data(nullptr);
  EXPECT_TRUE(data.Empty());
  data.LoadFromStoredSkin(stored);

  const std::vector<Sent> expected = {{L"main", SKINMSG_BEFORE_CHANGE, true, true},
                                      {L"main", SKINMSG_CHANGED, false, true},
                                      {L"main", SKINMSG_AFTER_CHANGE, false, false}};
  EXPECT_EQ(forms.sent, expected);
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.Picture().Width(), 40);
  EXPECT_TRUE(data.InactivePicture().Empty());
  EXPECT_EQ(data.MaskPicture().PixelFormat(), fw::TPixelFormat::pf8bit);
  ASSERT_EQ(data.ActivePictureCount(), 2);
  EXPECT_EQ(data.ActivePicture(1)->PixelFormat(), fw::TPixelFormat::pf4bit);
  EXPECT_EQ(data.ActivePicture(-1), nullptr);
  EXPECT_EQ(data.ActivePicture(2), nullptr);
  EXPECT_EQ(data.SkinName(), "Test");
  EXPECT_EQ(data.SkinAuthor(), "Me");
  EXPECT_EQ(data.PictureName(), "main.bmp");
  EXPECT_EQ(data.MaskName(), "mask.bmp");
  ASSERT_EQ(data.ActivePictureNames().Count(), 2);
  EXPECT_EQ(data.ActivePictureNames()[1], "b.bmp");
  EXPECT_EQ(data.FormInfo().MaskRectArea, (fw::TRect{4, 24, 36, 28}));  // masked skin
  EXPECT_EQ(data.PopupWindow().WindowPictureIndex, 1);
  EXPECT_EQ(data.HintWindow().FontName, "Tahoma");
  EXPECT_EQ(data.SkinColors().CBtnFace, 12345);

  // The entry without a colon is skipped; the records keep entry order.
  ASSERT_EQ(data.ObjectCount(), 2);
  EXPECT_EQ(data.ObjectList(0)->SectionName, "closebutton");
  auto* close = data.FindSkinObject<TskDataSkinStdButton>("closebutton");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->Command, cmClose);
  EXPECT_EQ(data.FindSkinObject<TskDataSkinCaption>("caption")->FontHeight, 11);
  EXPECT_EQ(data.FindSkinObject<TskDataSkinCaption>("closebutton"), nullptr);  // wrong class
  ASSERT_EQ(data.ControlCount(), 2);
  EXPECT_EQ(data.FindSkinControl<TskDataSkinPanelControl>("panel")->FontHeight, 12);
  EXPECT_EQ(data.IndexOfSkinControl("Panel"), -1);  // look-ups are case-sensitive
  EXPECT_EQ(data.IndexOfSkinControl("button"), 1);
}

TEST(SkinData, DuplicateNamesAndCheckRadioPairs) {
  const std::string text =
      "[SKINCONTROLS]\r\ncount=7\r\n0=dup:panel\r\n1=dup:label\r\n3=checkbox:checkradio\r\n"
      "6=radiobox:checkradio\r\n5=x:unknown\r\n"
      "[checkbox]\r\nfontheight=10\r\n[radiobox]\r\nfontheight=20\r\n";
  TskCompressedStoredSkin stored(nullptr);
  Store(stored, MakeArchive({}, text));
  TskSkinData data(nullptr);
  data.LoadFromStoredSkin(stored);
  ASSERT_EQ(data.ControlCount(), 4);
  EXPECT_EQ(data.IndexOfSkinControl("dup"), 0);
  EXPECT_NE(dynamic_cast<TskDataSkinLabelControl*>(data.CtrlList(1)), nullptr);
  EXPECT_EQ(data.FindSkinControl<TskDataSkinCheckRadioControl>("checkbox")->FontHeight, 10);
  EXPECT_EQ(data.FindSkinControl<TskDataSkinCheckRadioControl>("radiobox")->FontHeight, 20);
}

TEST(SkinData, AFailedLoadLeavesAnEmptySkinAndAnnouncesNoChange) {
  // Forms heard the skin go away; telling them "changed" with nothing in
  // place would make them take up an empty skin as a new one.
  struct Case {
    const char* what;
    Bytes zlib;
  };
  const Bytes good = Zlib(SampleArchive());
  Bytes corrupt = good;
  corrupt[10] ^= 0xFF;
  corrupt[11] ^= 0xFF;
  const Case cases[] = {
      {"corrupt data", corrupt},
      {"bad value", Zlib(MakeArchive({}, "[FORMINFO]\r\nclientrect=1,2,3\r\n"))},
      {"short picture", Zlib(Bytes{3, 0, 0, 0, 0, 'B', 'M'})},
  };
  for (const auto& c : cases) {
    FakeForms forms;
    forms.AddForm(L"main");
    TskCompressedStoredSkin stored(nullptr);
    Store(stored, SampleArchive());
    TskSkinData data(nullptr);
    data.LoadFromStoredSkin(stored);
    forms.sent.clear();

    stored.CompressedData() = fw::TMemoryStream(c.zlib);
    EXPECT_THROW(data.LoadFromStoredSkin(stored), fw::Exception) << c.what;
    EXPECT_TRUE(data.Empty()) << c.what;
    EXPECT_TRUE(data.ChangeInProgress()) << c.what;
    EXPECT_EQ(data.ObjectCount(), 0) << c.what;
    EXPECT_EQ(data.ActivePictureCount(), 0) << c.what;
    EXPECT_TRUE(data.Picture().Empty()) << c.what;
    EXPECT_EQ(forms.Messages(), std::vector<unsigned>{SKINMSG_BEFORE_CHANGE}) << c.what;

    // The next good load goes through the whole change again.
    forms.sent.clear();
    Store(stored, SampleArchive());
    data.LoadFromStoredSkin(stored);
    EXPECT_EQ(forms.Messages(), kLoadMessages) << c.what;
    EXPECT_FALSE(data.ChangeInProgress()) << c.what;
    EXPECT_EQ(data.ObjectCount(), 2) << c.what;
  }
}

TEST(SkinData, ANewerArchiveStopsTheLoadQuietly) {
  FakeForms forms;
  forms.AddForm(L"main");
  TskCompressedStoredSkin stored(nullptr);
  Store(stored, SampleArchive());
  TskSkinData data(nullptr);
  data.LoadFromStoredSkin(stored);
  forms.sent.clear();

  for (int32_t version : {4, 5, 0x7FFFFFFF}) {
    Store(stored, MakeArchive({MakeBmp(4, 4, 24)}, SampleDescription(), version));
    EXPECT_NO_THROW(data.LoadFromStoredSkin(stored)) << version;
    EXPECT_EQ(forms.Messages(), std::vector<unsigned>{SKINMSG_BEFORE_CHANGE}) << version;
    EXPECT_TRUE(data.Empty());
    EXPECT_TRUE(data.ChangeInProgress());
    EXPECT_TRUE(data.Picture().Empty());
    EXPECT_EQ(data.ObjectCount(), 0);
    forms.sent.clear();
  }
  // Nobody can announce an empty skin as changed.
  data.BroadcastSkinMessage(SKINMSG_CHANGED);
  EXPECT_TRUE(forms.sent.empty());
  data.BroadcastSkinMessage(SKINMSG_AFTER_CHANGE);
  EXPECT_EQ(forms.Messages(), std::vector<unsigned>{SKINMSG_AFTER_CHANGE});
}

TEST(SkinData, CorruptDataReportsTheDecompressionError) {
  TskCompressedStoredSkin stored(nullptr);
  stored.CompressedData() = fw::TMemoryStream(Bytes{0x78, 0xDA, 0xFF, 0xFF, 0xFF, 0xFF});
  TskSkinData data(nullptr);
  try {
    data.LoadFromStoredSkin(stored);
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_EQ(e.Message(), L"compression error");
  }
}

TEST(SkinData, EmptyStoredSkinsAndNewerEnvelopesChangeNothing) {
  FakeForms forms;
  forms.AddForm(L"main");
  TskCompressedStoredSkin stored(nullptr);
  Store(stored, SampleArchive());
  TskSkinData data(nullptr);
  data.LoadFromStoredSkin(stored);
  forms.sent.clear();
  fw::TMemoryStream newer(Envelope(4, Zlib(SampleArchive())));
  stored.ReadSkinEnvelope(newer);
  data.LoadFromStoredSkin(stored);
  EXPECT_TRUE(forms.sent.empty());
  EXPECT_FALSE(data.Empty());  // the loaded skin stays
  EXPECT_EQ(data.ObjectCount(), 2);
}

TEST(SkinData, SkinListAndIndexDecideWhatLoads) {
  FakeForms forms;
  forms.AddForm(L"main");
  TskCompressedSkinList list(nullptr);
  Store(list.Skins().Add().Skin(), SampleArchive());
  TskSkinData data(nullptr);

  data.SetSkinIndex(-1);  // no list yet: stored as is
  data.SetSkinList(&list);
  EXPECT_TRUE(forms.sent.empty());
  data.SetSkinIndex(5);  // outside the list: ignored
  EXPECT_EQ(data.SkinIndex(), -1);
  data.SetSkinIndex(0);
  EXPECT_EQ(forms.Messages(), kLoadMessages);
  forms.sent.clear();
  data.SetSkinIndex(0);  // unchanged: nothing
  EXPECT_TRUE(forms.sent.empty());
  data.SetSkinList(&list);  // index 0 is in range: loads again
  EXPECT_EQ(forms.Messages(), kLoadMessages);

  forms.sent.clear();
  TskSkinData designed(nullptr);
  designed.SetDesigning(true);
  designed.SetSkinList(&list);
  EXPECT_TRUE(forms.sent.empty());
  EXPECT_TRUE(designed.Empty());
}

TEST(SkinData, ReferencesAreClearedWhenTheirComponentsGo) {
  FakeForms forms;
  TskSkinData data(nullptr);
  auto* list = fw::TComponent::Create<TskCompressedSkinList>(nullptr);
  auto* stored = fw::TComponent::Create<TskCompressedStoredSkin>(nullptr);
  auto* strings = fw::TComponent::Create<TskResourceStrData>(nullptr);
  data.SetSkinList(list);
  data.SetCompressedStoredSkin(stored);  // empty: loads nothing
  data.SetResourceStrData(strings);
  fw::TComponent::Free(list);
  fw::TComponent::Free(stored);
  fw::TComponent::Free(strings);
  EXPECT_EQ(data.SkinList(), nullptr);
  EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
  EXPECT_EQ(data.ResourceStrData(), nullptr);
  EXPECT_TRUE(forms.sent.empty());  // no owner form and no screen forms
}

TEST(SkinData, BroadcastsGoToTheOwnerFormFirstThenTheOthers) {
  FakeForms forms;
  forms.AddForm(L"first");
  fw::TComponent* owner = forms.AddForm(L"owner");
  forms.AddForm(L"last");
  TskSkinData* data = fw::TComponent::Create<TskSkinData>(owner);
  data->SetSkinnableForm(false);
  std::vector<std::wstring> order;
  for (const auto& s : forms.sent) order.push_back(s.form);
  EXPECT_EQ(order, (std::vector<std::wstring>{L"owner", L"first", L"last"}));
  EXPECT_EQ(forms.sent[0].message, SKINMSG_FORM_SKINNABLE);
  forms.sent.clear();
  data->SetSkinnableForm(false);  // same value: no message
  EXPECT_TRUE(forms.sent.empty());
  fw::TComponent::Free(data);

  fw::TComponent notAForm(nullptr);
  TskSkinData* other = fw::TComponent::Create<TskSkinData>(&notAForm);
  other->SetResourceStrData(nullptr);
  ASSERT_EQ(forms.sent.size(), 3u);  // every form once
  EXPECT_EQ(forms.sent[0].form, L"first");
  EXPECT_EQ(forms.sent[0].message, SKINMSG_RESOURCE_STRINGS);

  forms.sent.clear();
  other->BeginLoading();  // while read from a layout, SkinnableForm is stored quietly
  other->SetSkinnableForm(false);
  EXPECT_TRUE(forms.sent.empty());
}

TEST(SkinData, ClearSkinResetsWhatALoadFills) {
  TskCompressedStoredSkin stored(nullptr);
  Store(stored, SampleArchive());
  TskSkinData data(nullptr);
  data.LoadFromStoredSkin(stored);
  data.ClearSkin();
  EXPECT_TRUE(data.Empty());
  EXPECT_EQ(data.ObjectCount(), 0);
  EXPECT_EQ(data.ControlCount(), 0);
  EXPECT_EQ(data.ActivePictureCount(), 0);
  EXPECT_EQ(data.ActivePictureNames().Count(), 0);
  EXPECT_EQ(data.PopupWindow().WindowPictureIndex, -1);
  EXPECT_EQ(data.SkinColors().CBtnFace, fw::clBtnFace);
  EXPECT_TRUE(data.MaskPicture().Empty());
  EXPECT_EQ(data.PictureName(), "");
  EXPECT_EQ(data.MaskName(), "");
}

TEST(SkinData, InitialState) {
  TskSkinData data(nullptr);
  EXPECT_TRUE(data.SkinnableForm());
  EXPECT_TRUE(data.EnableSkinEffects());
  EXPECT_TRUE(data.ShowButtonGlowFrames());
  EXPECT_TRUE(data.ShowCaptionButtonGlowFrames());
  EXPECT_EQ(data.SkinIndex(), 0);
  EXPECT_TRUE(data.Empty());
  EXPECT_FALSE(data.ChangeInProgress());
  EXPECT_EQ(data.FormInfo().BGPictureIndex, -1);
  EXPECT_EQ(data.FormInfo().FormMinWidth, 0);
  EXPECT_EQ(data.HintWindow().FontHeight, 12);
}

TEST(ResourceStrData, DefaultLinesAndLookUp) {
  TskResourceStrData strings(nullptr);
  const auto& lines = strings.ResStrings();
  ASSERT_EQ(lines.Count(), 131);
  EXPECT_EQ(lines[0], "MI_MINCAPTION=Mi&nimize");
  EXPECT_EQ(lines[12], "RESTORE_HINT=Restore");
  EXPECT_EQ(lines.Names(130), "DBNAV_REFRESH");
  std::set<std::string> names;
  for (int i = 0; i < lines.Count(); ++i) names.insert(lines.Names(i));
  EXPECT_EQ(names.size(), 131u);
  EXPECT_EQ(strings.GetResStr("mi_mincaption"), "Mi&nimize");
  EXPECT_EQ(strings.GetResStr("MI_ROLLUPCAPTION"), "Ro&llUp");
  EXPECT_EQ(strings.GetResStr("TRAYBUTTON_HINT"), "Minimize to Tray");
  EXPECT_EQ(strings.GetResStr("NOPE"), "");
  EXPECT_EQ(strings.CharSet(), 1);
  fw::TStringList custom;
  custom.Add("A=b=c");
  strings.SetResStrings(custom);
  EXPECT_EQ(strings.GetResStr("a"), "b=c");
}

TEST(SkinData, HugeListCountsAreBoundedByTheEntriesPresent) {
  // Counts far beyond the entries, even with one entry at the very end,
  // must neither loop for minutes nor fill memory with empty names.
  const std::string text =
      "[PICTURES]\r\nactivepicturescount=2000000000\r\n0=a.bmp\r\n1999999999=far.bmp\r\n"
      "[SKINOBJECTS]\r\ncount=2000000000\r\n0=c:caption\r\n1999999999=last:stdbutton\r\n"
      "[SKINCONTROLS]\r\ncount=2147483647\r\n2147483646=p:panel\r\n";
  TskCompressedStoredSkin stored(nullptr);
  Store(stored, MakeArchive({MakeBmp(2, 2, 24)}, text));
  TskSkinData data(nullptr);
  data.LoadFromStoredSkin(stored);
  ASSERT_EQ(data.ObjectCount(), 2);
  EXPECT_EQ(data.ObjectList(1)->SectionName, "last");
  ASSERT_EQ(data.ControlCount(), 1);
  EXPECT_EQ(data.CtrlList(0)->SectionName, "p");
  // Names are kept for the pictures the archive holds.
  ASSERT_EQ(data.ActivePictureNames().Count(), 1);
  EXPECT_EQ(data.ActivePictureNames()[0], "a.bmp");
}

TEST(SkinData, ListsKeepEntryOrderAndGaps) {
  const std::string text =
      "[PICTURES]\r\nactivepicturescount=4\r\n3=d.bmp\r\n0=a.bmp\r\n"
      "[SKINOBJECTS]\r\ncount=6\r\n5=beyond:caption\r\n4=e:caption\r\n01=padded:caption\r\n"
      "1=b:caption\r\n+2=signed:caption\r\n1=again:caption\r\n6=past:caption\r\n";
  TskCompressedStoredSkin stored(nullptr);
  Store(stored, MakeArchive({MakeBmp(2, 2, 24), MakeBmp(2, 2, 24), MakeBmp(2, 2, 24), MakeBmp(2, 2, 24)}, text));
  TskSkinData data(nullptr);
  data.LoadFromStoredSkin(stored);
  // Entry order is key order, not line order; only plain keys below the
  // count are entries, and the first of a repeated key answers.
  std::vector<std::string> names;
  for (int i = 0; i < data.ObjectCount(); ++i) names.push_back(data.ObjectList(i)->SectionName);
  EXPECT_EQ(names, (std::vector<std::string>{"b", "e", "beyond"}));
  // A missing name stays as a gap, so names keep their picture numbers.
  ASSERT_EQ(data.ActivePictureNames().Count(), 4);
  EXPECT_EQ(data.ActivePictureNames()[0], "a.bmp");
  EXPECT_EQ(data.ActivePictureNames()[1], "");
  EXPECT_EQ(data.ActivePictureNames()[3], "d.bmp");
}
