// Version information from a real version resource (this test exe carries
// the program's), from a file without one, and on the main window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/Unit2.h"
#include "framework/Forms.h"
#include "status/FrFrameController.h"
#include "status/FrStatus.h"
#include "status/FrVersionInfo.h"

using namespace quillet;

using namespace fr;
using fw::TComponent;

namespace {

std::wstring ThisExe() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

}  // namespace

TEST(StatusVersion, ReadsTheStringsOfAVersionResource) {
  const auto values = ReadVersionStrings(ThisExe());
  EXPECT_EQ(values[static_cast<int>(TFrVersionInfoField::vifCompanyName)], L"Tarvo Software");
  EXPECT_EQ(values[static_cast<int>(TFrVersionInfoField::vifProductName)], L"Quillet");
  EXPECT_EQ(values[static_cast<int>(TFrVersionInfoField::vifFileVersion)], L"1.0.0.0");
  EXPECT_EQ(values[static_cast<int>(TFrVersionInfoField::vifCopyright)], L"Copyright (C) 2026 Tarvo Software");
  EXPECT_EQ(values[static_cast<int>(TFrVersionInfoField::vifTrademarks)], L"");  // not in the resource
  EXPECT_EQ(values[static_cast<int>(TFrVersionInfoField::vifComments)], L"");
}

TEST(StatusVersion, FileWithoutResourceReadsValueNotAvailable) {
  const auto file = std::filesystem::temp_directory_path() / L"quillet-no-version.bin";
  std::ofstream(file) << "not a program";
  for (const auto& v : ReadVersionStrings(file.wstring())) EXPECT_EQ(v, L"Value Not Available");
  std::filesystem::remove(file);
  for (const auto& v : ReadVersionStrings(L"C:\\no\\such\\file.exe")) EXPECT_EQ(v, L"Value Not Available");
}

TEST(StatusVersion, LinkedPaneShowsItsField) {
  TComponent root(nullptr);
  auto* info = TComponent::Create<TFrVersionInfo>(&root);
  EXPECT_EQ(info->FilePath(), ThisExe());  // empty means the running program
  auto* pane = TComponent::Create<TFrVersionInfoStatus>(&root);
  EXPECT_EQ(pane->Field(), TFrVersionInfoField::vifProductVersion);
  pane->SetCaption(L"kept");
  pane->SetVersionInfo(info);
  EXPECT_EQ(pane->Caption(), L"1.0.0.0");
  pane->SetField(TFrVersionInfoField::vifInternalName);
  EXPECT_EQ(pane->Caption(), L"Quillet");
  const auto file = std::filesystem::temp_directory_path() / L"quillet-no-version2.bin";
  std::ofstream(file) << "x";
  info->SetFilePath(file.wstring());
  EXPECT_EQ(pane->Caption(), L"Value Not Available");
  std::filesystem::remove(file);
  TComponent::Free(info);
  EXPECT_EQ(pane->VersionInfo(), nullptr);
  EXPECT_EQ(pane->Caption(), L"Value Not Available");
}

class MainWindowStatus : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = TComponent::Create<TfrmAd>(&fw::Application());
    form_->CreateFromLayout();
    form_->HandleNeeded();
    fw::Application().ProcessMessages();
  }
  void TearDown() override { TComponent::Free(form_); }
  template <class T>
  T* Find(const wchar_t* name) {
    auto* c = dynamic_cast<T*>(form_->FindComponent(name));
    EXPECT_NE(c, nullptr);
    return c;
  }
  TfrmAd* form_ = nullptr;
};

TEST_F(MainWindowStatus, StatusBarAndItsFourPanes) {
  auto* bar = Find<TFrStatusBar>(L"FrStatusBar1");
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->BoundsRect(), (TRect{0, 515, 671, 534}));
  EXPECT_TRUE(bar->AutoStyle());
  EXPECT_EQ(bar->BorderOuter(), TFrameStyleEx::fsNone);
  // Classic look puts panes one pixel out at the sides and one down.
  const int dx = bar->Themed() ? 0 : 1;
  const int top = bar->Themed() ? 0 : 1;
  EXPECT_EQ(Find<TFrStatusPane>(L"FrStatusPane2")->BoundsRect(), (TRect{0 - dx, top, 169 - dx, top + 19}));
  EXPECT_EQ(Find<TFrStatusPane>(L"FrStatusPane1")->BoundsRect(), (TRect{478 + dx, top, 671 + dx, top + 19}));
  EXPECT_EQ(Find<TFrClockStatus>(L"FrClockStatus1")->BoundsRect(), (TRect{328 + dx, top, 478 + dx, top + 19}));
  EXPECT_EQ(Find<TFrVersionInfoStatus>(L"FrVersionInfoStatus1")->BoundsRect(),
            (TRect{228 + dx, top, 328 + dx, top + 19}));
  EXPECT_EQ(Find<TFrStatusPane>(L"FrStatusPane2")->Caption(), L"https://www.quillet.example/");
  EXPECT_EQ(Find<TFrStatusPane>(L"FrStatusPane1")->Caption(), L"官方Email:support@quillet.example");
  EXPECT_TRUE(Find<TFrStatusPane>(L"FrStatusPane1")->IsUnderSizeGrip());
  EXPECT_FALSE(Find<TFrClockStatus>(L"FrClockStatus1")->IsUnderSizeGrip());
  // No version information linked: whatever the exe carries, no text.
  EXPECT_EQ(Find<TFrVersionInfoStatus>(L"FrVersionInfoStatus1")->Caption(), L"");
  EXPECT_FALSE(Find<TFrClockStatus>(L"FrClockStatus1")->Caption().empty());

  auto* controller = Find<TFrFrameController>(L"FrFrameController1");
  ASSERT_NE(controller, nullptr);
  EXPECT_EQ(controller->FrameSides(), sdBottom);
  EXPECT_TRUE(controller->FrameVisible());
  EXPECT_EQ(controller->ControlCount(), 0);
}

TEST_F(MainWindowStatus, SimpleStatusHidesAllFourPanes) {
  auto* bar = Find<TFrStatusBar>(L"FrStatusBar1");
  bar->SetSimpleStatus(true);
  for (fw::TControl* c : bar->ControlList()) EXPECT_FALSE(c->Visible());
  EXPECT_EQ(bar->ControlCount(), 4);
  bar->SetSimpleStatus(false);
  for (fw::TControl* c : bar->ControlList()) EXPECT_TRUE(c->Visible());
}
