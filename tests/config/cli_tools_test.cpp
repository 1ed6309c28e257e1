#include "config/cli_tools.h"

#include <gtest/gtest.h>

#include <sstream>

#include "config/cli_check_update.h"
#include "support/loopback_http_server.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using Args = std::vector<std::string>;

TEST(CliCheckUpdate, PrintsTheStatesMessageAndExitsWithItsCode) {
  TDownloadOptions options;
  options.ConnectTimeoutMs = 2000;
  options.TotalTimeoutMs = 2000;
  const struct {
    const char* name;
    std::string body;
    int status;
    std::string out;
  } cases[] = {
      {"up to date", "[VersionInfo]\nLastVersion=1.5\n", 0,
       "No updates available.\nYou have the latest version.\n"},
      {"an update", "[VersionInfo]\nLastVersion=1.6\nReleaseDate=2026-12-24\n", 10,
       "A new version is available.\n\nLatestVersion=1.6\nReleaseDate=2026-12-24\n"},
      {"an older server version", "[VersionInfo]\nLastVersion=1.10\n", 0,
       "No updates available.\nYou have the latest version.\n"},
      {"no version information", "<html>gone</html>", 1,
       "Unable to retrieve version information.\nPlease try again in a few minutes.\n"},
  };
  for (const auto& c : cases) {
    test::LoopbackHttpServer server(test::HttpReply(c.body));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCliCheckUpdate({"--url", server.Url()}, out, err, options), c.status) << c.name;
    EXPECT_EQ(out.str(), c.out) << c.name;
    EXPECT_EQ(err.str(), "") << c.name;
  }
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCliCheckUpdate({"--url=" + test::ClosedPortUrl()}, out, err, options), 1);
  EXPECT_EQ(out.str(), "Can not connect to the server.\nPlease try again in a few minutes.\n");
}

TEST(CliCheckUpdate, RefusesArgumentsItDoesNotTake) {
  for (const Args& args : {Args{"--url"}, Args{"extra"}, Args{"--timeout", "3"}}) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCliCheckUpdate(args, out, err), 2) << args[0];
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("Usage: zelmora-cli check-update"), std::string::npos);
  }
}

TEST(CliTools, ReportsTheGivenToolsWithPlainLineEnds) {
  test::TempDir dir;
  const std::string ffmpeg = dir.write("my ffmpeg", "123456789");
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCliTools({"--ffmpeg", ffmpeg, "--mediainfo", dir.file("none.so")}, out, err), 0);
  const std::string hyphens(83, '-');
  EXPECT_EQ(out.str(), "FFmpeg\n        File name: " + ffmpeg +
                           "\n        File size: 9 bytes ( 9 bytes)\n"
                           "       File CRC32: $CBF43926\n" +
                           hyphens + "\nMediaInfo\n\n" + hyphens + "\n");
  EXPECT_EQ(err.str(), "");
}

TEST(CliTools, RefusesArgumentsItDoesNotTake) {
  for (const Args& args : {Args{"--ffmpeg"}, Args{"ffmpeg"}, Args{"--depth", "full"}}) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCliTools(args, out, err), 2) << args[0];
    EXPECT_NE(err.str().find("Usage: zelmora-cli tools"), std::string::npos);
  }
}

}  // namespace
}  // namespace zelmora
