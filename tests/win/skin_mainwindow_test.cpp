// The embedded skin as the main window loads it while being created.
#include <gtest/gtest.h>

#include <sstream>

#include "app/Registration.h"
#include "app/Unit2.h"
#include "framework/Forms.h"
#include "skin/data/skSkinData.h"
#include "skin/data/skSkinDataRecords.h"

using namespace quillet;

using namespace fw;

namespace {

class Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application().Initialize();
    RegisterProgramClasses();
  }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new Environment);

std::wstring WindowsPath(const std::string& unixPath) {
  std::wstring path(unixPath.begin(), unixPath.end());
  if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
  for (auto& c : path) {
    if (c == L'/') c = L'\\';
  }
  return path;
}

// Runs a console program and returns what it printed.
std::string RunAndCapture(const std::wstring& exe, const std::wstring& args) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  CreatePipe(&read, &write, &sa, 0);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{sizeof si};
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = write;
  si.hStdError = write;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe + L"\" " + args;
  std::string out;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi)) {
    CloseHandle(write);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
    WaitForSingleObject(pi.hProcess, 30000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
  } else {
    CloseHandle(write);
  }
  CloseHandle(read);
  return out;
}

std::string Describe(const TBitmap& b) {
  if (b.Empty()) return "none";
  return std::to_string(b.Width()) + "x" + std::to_string(b.Height()) + " " +
         std::to_string(BitsPerPixel(b.PixelFormat())) + "-bit";
}

}  // namespace

TEST(EmbeddedSkin, TheWindowHearsTheThreeChangeMessagesInOrderWhileItIsCreated) {
  TfrmAd* form = TComponent::Create<TfrmAd>(&Application());
  struct Heard {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    bool loading;
  };
  std::vector<Heard> heard;
  WindowHook listen(form->Hooks(), [&](TMessage& m, const WindowHookChain::Next& next) {
    if (m.msg >= 1225 && m.msg <= 1227) heard.push_back({m.msg, m.wParam, m.lParam, form->HasState(csLoading)});
    next(m);
  });
  form->CreateFromLayout();
  auto* data = dynamic_cast<sk::TskSkinData*>(form->FindComponent(L"skSkinData1"));
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0].msg, sk::SKINMSG_BEFORE_CHANGE);
  EXPECT_EQ(heard[1].msg, sk::SKINMSG_CHANGED);
  EXPECT_EQ(heard[2].msg, sk::SKINMSG_AFTER_CHANGE);
  for (const Heard& h : heard) {
    EXPECT_EQ(h.wParam, reinterpret_cast<WPARAM>(data));
    EXPECT_EQ(h.lParam, 1000);
    EXPECT_TRUE(h.loading) << "the skin loads while the layout is read";
  }
  EXPECT_FALSE(data->Empty());
  EXPECT_FALSE(data->ChangeInProgress());
  listen.Remove();
  TComponent::Free(form);
}

TEST(EmbeddedSkin, TheLoadedSkinMatchesWhatTheSkinToolReportsOfThePackedFile) {
  TfrmAd* form = TComponent::Create<TfrmAd>(&Application());
  form->CreateFromLayout();
  auto* data = dynamic_cast<sk::TskSkinData*>(form->FindComponent(L"skSkinData1"));
  ASSERT_NE(data, nullptr);

  std::vector<std::string> expected = {
      "picture: " + Describe(data->Picture()), "inactivepicture: " + Describe(data->InactivePicture()),
      "mask: " + Describe(data->MaskPicture()), "active pictures: " + std::to_string(data->ActivePictureCount())};
  for (int i = 0; i < data->ActivePictureCount(); ++i) {
    expected.push_back("  " + std::to_string(i) + ": " + Describe(*data->ActivePicture(i)));
  }
  expected.push_back("skin name: " + data->SkinName());
  expected.push_back("objects: " + std::to_string(data->ObjectCount()));
  for (int i = 0; i < data->ObjectCount(); ++i) {
    const auto* type = sk::SkinRecordTypeOf(*data->ObjectList(i));
    expected.push_back("  " + data->ObjectList(i)->SectionName + ": " + (type ? type->className : "?"));
  }
  expected.push_back("controls: " + std::to_string(data->ControlCount()));
  for (int i = 0; i < data->ControlCount(); ++i) {
    const auto* type = sk::SkinRecordTypeOf(*data->CtrlList(i));
    expected.push_back("  " + data->CtrlList(i)->SectionName + ": " + (type ? type->className : "?"));
  }
  TComponent::Free(form);

  const std::string report =
      RunAndCapture(WindowsPath(QUILLET_SKIN_TOOL), L"info \"" + WindowsPath(QUILLET_SKIN_ENVELOPE) + L"\"");
  std::vector<std::string> reported;
  std::istringstream lines(report);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("envelope version", 0) != 0 && line.rfind("archive version", 0) != 0) reported.push_back(line);
  }
  EXPECT_EQ(reported, expected);
  EXPECT_EQ(expected.size(), 4u + 8u + 1u + 1u + 13u + 1u + 64u);
}
