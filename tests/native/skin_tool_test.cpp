// quillet-skin as a skin author runs it: exit codes and messages on inputs
// that once made it abort or run for minutes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "framework/Streams.h"
#include "skin_TestSkins.h"

using namespace skintest;
namespace fs = std::filesystem;

namespace {

struct ToolRun {
  int exitCode;
  std::string output;  // standard output and error together
};

// Runs the tool under a time limit (exit code 124 when it is reached).
ToolRun RunTool(const std::string& arguments) {
  const std::string command = "timeout 60 '" QUILLET_SKIN_TOOL "' " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ToolRun run{-1, {}};
  if (!pipe) return run;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe)) run.output.append(buffer, n);
  const int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

class SkinTool : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quillet-skin-tool-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Packed(const std::string& name, const Bytes& archive) {
    const Bytes file = Envelope(3, Zlib(archive));
    fw::WriteFileBytes(dir_ / name, file.data(), file.size());
    return "'" + (dir_ / name).string() + "'";
  }
  fs::path dir_;
};

}  // namespace

TEST_F(SkinTool, CheckOfADirectoryNamedLikeASkinIsAClearError) {
  fs::create_directories(dir_ / "skin.ini");
  const ToolRun run = RunTool("check '" + (dir_ / "skin.ini").string() + "'");
  EXPECT_EQ(run.exitCode, 2) << run.output;
  EXPECT_NE(run.output.find("skin.ini"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("directory"), std::string::npos) << run.output;
}

TEST_F(SkinTool, HugeListCountsWithOneHighEntryAreCheckedQuickly) {
  const std::string text =
      "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n"
      "[SKINOBJECTS]\r\ncount=2000000000\r\n1999999999=far:caption\r\n"
      "[SKINCONTROLS]\r\ncount=2000000000\r\n1999999998=p:panel\r\n[p]\r\n";
  const ToolRun run = RunTool("check " + Packed("huge.skn", MakeArchive({}, text)));
  EXPECT_EQ(run.exitCode, 3) << run.output;  // warnings only
  EXPECT_NE(run.output.find("[far]"), std::string::npos) << run.output;

  // Counted active pictures of a skin folder: the first missing name is
  // where packing would fail.
  fs::create_directories(dir_ / "folder");
  const std::string ini =
      "[VERSION]\r\n[PICTURES]\r\nactivepicturescount=2000000000\r\n"
      "[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n";
  fw::WriteFileBytes(dir_ / "folder" / "skin.ini", ini.data(), ini.size());
  const ToolRun folder = RunTool("check '" + (dir_ / "folder" / "skin.ini").string() + "'");
  EXPECT_EQ(folder.exitCode, 2) << folder.output;
  EXPECT_NE(folder.output.find("error: [PICTURES] 0:"), std::string::npos) << folder.output;
}

TEST_F(SkinTool, ANewerArchiveIsReportedNotLoaded) {
  const std::string file = Packed("newer.skn", MakeArchive({}, "[VERSION]\r\n", 4));
  for (const char* command : {"check ", "info "}) {
    const ToolRun run = RunTool(command + file);
    EXPECT_EQ(run.exitCode, 2) << command << run.output;
    EXPECT_NE(run.output.find("archive version 4"), std::string::npos) << command << run.output;
  }
}
