#include "tools/update_check.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

#include "base/text.h"
#include "support/loopback_http_server.h"

namespace zelmora {
namespace {

using test::HttpReply;
using test::LoopbackHttpServer;
using State = TUpdateCheckState;

constexpr const char* OwnVersion = "1.5";

TDownloadOptions ShortTimeouts() {
  TDownloadOptions options;
  options.ConnectTimeoutMs = 2000;
  options.TotalTimeoutMs = 2000;
  return options;
}

std::string VersionFile(const std::string& version, const std::string& date = "2026-11-30") {
  return "[VersionInfo]\r\nLastVersion=" + version + "\r\nReleaseDate=" + date + "\r\n";
}

struct ReplyCase {
  const char* name;
  std::string reply;
  State state;
  const char* latest;
};

TEST(UpdateCheck, StatesOfTheServersReplies) {
  const std::string late = "; " + std::string(1100, 'x') + "\r\n" + VersionFile("1.6");
  const ReplyCase cases[] = {
      {"the same version is up to date", HttpReply(VersionFile("1.5")), State::ucUpToDate, "1.5"},
      {"1.6 is newer", HttpReply(VersionFile("1.6")), State::ucUpdateAvailable, "1.6"},
      {"1.5.1 is newer", HttpReply(VersionFile("1.5.1")), State::ucUpdateAvailable, "1.5.1"},
      {"1.10 sorts before 1.5 as a string", HttpReply(VersionFile("1.10")),
       State::ucServerVersionOlder, "1.10"},
      {"names in any case", HttpReply("[versioninfo]\nlastversion=1.6\n"), State::ucUpdateAvailable,
       "1.6"},
      {"the section after byte 1,024 is not seen", HttpReply(late), State::ucNoVersionInfo, ""},
      {"an HTML error page", HttpReply("<html><body>Not Found</body></html>", 404, "text/html"),
       State::ucNoVersionInfo, ""},
      {"an empty LastVersion", HttpReply("[VersionInfo]\nLastVersion=\n"), State::ucNoVersionInfo,
       ""},
      {"LastVersion in another section", HttpReply("[Other]\nLastVersion=1.6\n"),
       State::ucNoVersionInfo, ""},
      {"an empty body fails like no connection", HttpReply(""), State::ucConnectionFailed, ""},
  };
  for (const ReplyCase& c : cases) {
    LoopbackHttpServer server(c.reply);
    TUpdateCheckResult result = CheckForUpdate(server.Url(), OwnVersion, ShortTimeouts());
    EXPECT_EQ(result.State, c.state) << c.name;
    EXPECT_EQ(result.LatestVersion, c.latest) << c.name;
  }
}

TEST(UpdateCheck, NoServerAtAllIsAFailedConnection) {
  const auto start = std::chrono::steady_clock::now();
  TUpdateCheckResult closed = CheckForUpdate(test::ClosedPortUrl(), OwnVersion, ShortTimeouts());
  EXPECT_EQ(closed.State, State::ucConnectionFailed);
  EXPECT_TRUE(UpdateStateLook(closed.State).CheckNowEnabled);

  LoopbackHttpServer silent("", true);
  TDownloadOptions options;
  options.ConnectTimeoutMs = 300;
  options.TotalTimeoutMs = 600;
  EXPECT_EQ(CheckForUpdate(silent.Url(), OwnVersion, options).State, State::ucConnectionFailed);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10))
      << "a silent server must not hold the check beyond its time-out";
  EXPECT_EQ(CheckForUpdate("ftp://127.0.0.1/ver.ini", OwnVersion, ShortTimeouts()).State,
            State::ucConnectionFailed)
      << "only HTTP and HTTPS addresses are fetched";
}

TEST(DownloadText, ACancelledRequestEndsAtOnceWithNothing) {
  LoopbackHttpServer silent("", true);
  TDownloadOptions options;  // the full 15 s, but cancelled
  int calls = 0;
  options.Progress = [&calls](int64_t) { return ++calls < 3; };
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(DownloadText(silent.Url(), options), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
  EXPECT_GE(calls, 3);
}

TEST(UpdateCheck, RunsOnAWorkerThreadAndIsCancelledFromAnother) {
  LoopbackHttpServer silent("", true);
  std::atomic<bool> cancel{false};
  TDownloadOptions options;  // the full 15 s unless cancelled
  options.Progress = [&cancel](int64_t) { return !cancel.load(); };
  const auto start = std::chrono::steady_clock::now();
  std::future<TUpdateCheckResult> check = std::async(
      std::launch::async, [&] { return CheckForUpdate(silent.Url(), OwnVersion, options); });
  EXPECT_EQ(check.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
  cancel = true;
  EXPECT_EQ(check.get().State, State::ucConnectionFailed);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST(DownloadText, SendsTheAgentAndBypassesCaches) {
  LoopbackHttpServer server(HttpReply(VersionFile("1.5")));
  EXPECT_EQ(DownloadText(server.Url(), ShortTimeouts()), VersionFile("1.5"));
  const std::string request = server.LastRequest();
  EXPECT_TRUE(StartsWith(request, "GET /update/ver.ini HTTP/1.1\r\n")) << request;
  EXPECT_NE(request.find("\r\nUser-Agent: Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1)\r\n"),
            std::string::npos)
      << request;
  EXPECT_NE(request.find("\r\nAccept: */*\r\n"), std::string::npos) << request;
  EXPECT_NE(request.find("\r\nCache-Control: no-cache\r\n"), std::string::npos) << request;
}

TEST(DownloadText, KeepsTheFirst1024BytesUpToAZeroAsUtf8Text) {
  const struct {
    const char* name;
    std::string body;
    std::string text;
  } cases[] = {
      {"a long reply is cut", std::string(5000, 'a'), std::string(1024, 'a')},
      {"exactly 1,024 bytes", std::string(1024, 'b'), std::string(1024, 'b')},
      {"a zero byte ends the text", std::string("abc\0def", 7), "abc"},
      {"invalid UTF-8 is replaced",
       "a\xFF"
       "b",
       "a\xEF\xBF\xBD"
       "b"},
      {"UTF-8 stays as it is", "Z\xC3\xA9lmora", "Z\xC3\xA9lmora"},
  };
  for (const auto& c : cases) {
    LoopbackHttpServer server(HttpReply(c.body));
    EXPECT_EQ(DownloadText(server.Url(), ShortTimeouts()), c.text) << c.name;
  }
}

TEST(UpdateCheck, EveryStateHasItsLookAndText) {
  const TUpdateCheckMessages m{"checking", "failed", "cannot", "none", "available"};
  struct Row {
    State state;
    TStatusColors colors;
    bool download;
    bool checkNow;
    const char* text;
  };
  const Row rows[] = {
      {State::ucCleared, StatusNone, false, true, ""},
      {State::ucChecking, StatusNone, false, false, "checking"},
      {State::ucConnectionFailed, StatusFailed, false, true, "failed"},
      {State::ucNoVersionInfo, StatusFailed, false, true, "cannot"},
      {State::ucUpToDate, StatusNoUpdates, false, true, "none"},
      {State::ucServerVersionOlder, StatusNoUpdates, false, true, "none"},
      {State::ucUpdateAvailable, StatusUpdateAvailable, true, true,
       "available\r\n\r\nLatestVersion=1.6\r\nReleaseDate=2026-11-30"},
  };
  for (const Row& row : rows) {
    TUpdateCheckResult result{row.state, "1.6", "2026-11-30", ""};
    const TUpdateStateLook look = UpdateStateLook(row.state);
    EXPECT_EQ(look.Colors, row.colors) << static_cast<int>(row.state);
    EXPECT_EQ(look.DownloadVisible, row.download) << static_cast<int>(row.state);
    EXPECT_EQ(look.CheckNowEnabled, row.checkNow) << static_cast<int>(row.state);
    EXPECT_EQ(UpdatePaneText(result, m), row.text) << static_cast<int>(row.state);
  }
  EXPECT_EQ(StatusFailed.Background, (TRgbColor{0xFA, 0xDA, 0xDA}));
  EXPECT_EQ(StatusUpdateAvailable.Font, (TRgbColor{0x1D, 0x2F, 0x1A}));
}

TEST(UpdateCheck, AMissingReleaseDateLeavesItsLineEmpty) {
  TUpdateCheckResult result = EvaluateUpdateReply("[VersionInfo]\nLastVersion=2.0\n", OwnVersion);
  EXPECT_EQ(result.State, State::ucUpdateAvailable);
  EXPECT_TRUE(EndsWith(UpdatePaneText(result, {}), "\r\nReleaseDate="));
  EXPECT_LT(CompareVersionStrings("1.10", "1.5"), 0);
  EXPECT_GT(CompareVersionStrings("1.5.1", "1.5"), 0);
  EXPECT_GT(CompareVersionStrings("\xC3\xA9", "z"), 0) << "bytes compare unsigned";
}

}  // namespace
}  // namespace zelmora
