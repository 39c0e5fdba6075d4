// DownloadFile against a real HTTP server on 127.0.0.1: success only for a
// whole body with a success status, the old file kept on every failure,
// and every stalling server bounded by the download time-out.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "banner_http_server.h"
#include "support/Download.h"

using namespace support;

namespace {

using banner_test::Answer;
using banner_test::HttpServer;

class DownloadTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("quillet-download-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    file_ = (dir_ / "fname1.gif").wstring();
  }
  void TearDown() override {
    SetDownloadTimeoutMs(kDownloadTimeoutMs);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string Read() const {
    std::ifstream in(std::filesystem::path(file_), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void WriteOld() const { std::ofstream(std::filesystem::path(file_), std::ios::binary) << "cached copy"; }
  bool OnlyTheFileIsLeft() const {
    return std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()) == 1;
  }

  HttpServer server_;
  std::filesystem::path dir_;
  std::wstring file_;
};

}  // namespace

TEST_F(DownloadTest, AWholeBodyWithSuccessReplacesTheFile) {
  std::string body(100000, 'x');
  for (size_t i = 0; i < body.size(); ++i) body[i] = static_cast<char>(i * 7);
  server_.Set("/a.gif", {200, body});
  WriteOld();
  EXPECT_TRUE(DownloadFile(server_.Root() + L"a.gif", file_));
  EXPECT_EQ(Read(), body);
  EXPECT_TRUE(OnlyTheFileIsLeft());
  // An empty body is a complete answer too.
  server_.Set("/empty.gif", {200, ""});
  EXPECT_TRUE(DownloadFile(server_.Root() + L"empty.gif", file_));
  EXPECT_EQ(Read(), "");
}

TEST_F(DownloadTest, FailuresKeepTheCachedFile) {
  server_.Set("/gone.gif", {404, "<html>error page</html>"});
  server_.Set("/broken.gif", {500, "<html>error page</html>"});
  server_.Set("/cut.gif", {200, std::string(5000, 'c'), Answer::Kind::Truncated});
  WriteOld();
  for (const wchar_t* path : {L"gone.gif", L"broken.gif", L"cut.gif", L"missing.gif"}) {
    EXPECT_FALSE(DownloadFile(server_.Root() + path, file_)) << path;
    EXPECT_EQ(Read(), "cached copy") << path;
    EXPECT_TRUE(OnlyTheFileIsLeft()) << path;
  }
  // Nothing listens on port 1; the name does not resolve; not a web address.
  for (const wchar_t* address : {L"http://127.0.0.1:1/a.gif", L"http://nowhere.invalid/a.gif", L"",
                                 L"file:///c:/windows/win.ini", L"c:\\windows\\win.ini"}) {
    EXPECT_FALSE(DownloadFile(address, file_)) << address;
    EXPECT_EQ(Read(), "cached copy") << address;
  }
  // A local name that cannot be created.
  server_.Set("/a.gif", {200, "body"});
  EXPECT_FALSE(DownloadFile(server_.Root() + L"a.gif", (dir_ / "no-such-dir" / "x.gif").wstring()));
}

TEST_F(DownloadTest, TheBoundHoldsInEveryPhase) {
  // Each answer would take a minute or more at one byte a second.
  server_.Set("/header.gif", {200, "h", Answer::Kind::TrickleHeader});
  server_.Set("/body.gif", {200, std::string(60, 'b'), Answer::Kind::TrickleBody});
  server_.Set("/silent.gif", {200, "", Answer::Kind::Hang});
  WriteOld();
  SetDownloadTimeoutMs(3000);
  for (const wchar_t* path : {L"header.gif", L"body.gif", L"silent.gif"}) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(DownloadFile(server_.Root() + path, file_)) << path;
    const auto elapsed = std::chrono::steady_clock::now() - start;
    // The bound and a margin; no measure of speed.
    EXPECT_LT(elapsed, std::chrono::seconds(5)) << path;
    EXPECT_EQ(Read(), "cached copy") << path;
    EXPECT_TRUE(OnlyTheFileIsLeft()) << path;
  }
  // A transfer given up leaves later ones whole.
  server_.Set("/a.gif", {200, std::string(3000, 'a')});
  EXPECT_TRUE(DownloadFile(server_.Root() + L"a.gif", file_));
  EXPECT_EQ(Read(), std::string(3000, 'a'));
}
