#include "core/cli_analyze.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/media_clips.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using Args = std::vector<std::string>;

TEST(AnalyzeArguments, AcceptGlobalOptionsOnEitherSideOfTheCommand) {
  TAnalyzeOptions o =
      ParseAnalyzeArguments({"--ffmpeg", "/x/ffmpeg", "analyze", "--depth", "quick", "--json",
                             "--mediainfo=/m.so", "a", "--", "-b.webm", "--json"});
  ASSERT_EQ(o.Error, "");
  EXPECT_TRUE(o.FfmpegGiven);
  EXPECT_EQ(o.Ffmpeg, "/x/ffmpeg");
  EXPECT_TRUE(o.MediaInfoGiven);
  EXPECT_EQ(o.MediaInfo, "/m.so");
  EXPECT_EQ(o.Depth, TAnalyzeDepth::adQuick);
  EXPECT_TRUE(o.Json);
  EXPECT_EQ(o.Files, (Args{"a", "-b.webm", "--json"}));
  EXPECT_TRUE(IsAnalyzeCommand({"--mediainfo", "analyze", "analyze"}));
  EXPECT_FALSE(IsAnalyzeCommand({"paths"}));
}

TEST(AnalyzeArguments, RefuseWhatTheyDoNotTakeWithAReason) {
  struct Case {
    const char* name;
    Args args;
    const char* errorPart;
  };
  const Case cases[] = {
      {"no file", {"analyze", "--json"}, "no file"},
      {"an unknown depth", {"analyze", "--depth", "deep", "f"}, "unknown depth 'deep'"},
      {"a depth without value", {"analyze", "f", "--depth"}, "needs a value"},
      {"a name that looks like an option", {"analyze", "-x.webm"}, "write --"},
      {"another command", {"convert", "f"}, "unknown command"},
  };
  for (const Case& c : cases) {
    std::string error = ParseAnalyzeArguments(c.args).Error;
    EXPECT_NE(error.find(c.errorPart), std::string::npos) << c.name << ": " << error;
    std::ostringstream out, err;
    EXPECT_EQ(RunAnalyzeCommand(c.args, out, err), 2) << c.name;
    EXPECT_TRUE(out.str().empty()) << c.name;
  }
}

class AnalyzeCommandTest : public ::testing::Test {
protected:
  void SetUp() override {
    ZELMORA_SKIP_WITHOUT_FFMPEG();
    m_clip = test::MakeClip(m_dir.path(), "clip \"one\".webm",
                            {.codecArgs = {"-c:v", "libvpx", "-c:a", "libvorbis"}});
  }
  int Run(Args args) {
    args.insert(args.begin(),
                {"--ffmpeg", test::FfmpegPath(), "--mediainfo", m_dir.file("none.so"), "analyze"});
    return RunAnalyzeCommand(args, m_out, m_err);
  }
  test::TempDir m_dir;
  std::string m_clip;
  std::ostringstream m_out, m_err;
};

TEST_F(AnalyzeCommandTest, JsonHoldsOneRecordPerFileAndReportsMissingFiles) {
  std::string missing = m_dir.file("missing.webm");
  EXPECT_EQ(Run({"--json", m_clip, missing}), 1);
  std::string json = m_out.str();
  EXPECT_EQ(json.front(), '[');
  EXPECT_NE(json.find("clip \\\"one\\\".webm"), std::string::npos);
  EXPECT_NE(json.find("\"Width\": 160"), std::string::npos);  // the probe alone
  EXPECT_NE(json.find("\"Codec\": \"vp8\""), std::string::npos);
  EXPECT_NE(json.find("missing.webm"), std::string::npos);
  EXPECT_NE(m_err.str().find("missing.webm"), std::string::npos);
}

TEST_F(AnalyzeCommandTest, ReportAndTheNoneDepth) {
  EXPECT_EQ(Run({m_clip}), 0);
  const std::string report = m_out.str();
  EXPECT_NE(report.find(" - Video file information report\n"), std::string::npos) << report;
  EXPECT_NE(report.find("\nFile: " + m_clip + "\n"), std::string::npos) << report;
  EXPECT_NE(report.find("\nVIDEO STREAM\n\nVideo codec: vp8\n"), std::string::npos) << report;
  EXPECT_NE(report.find("\nAUDIO STREAM 1\nAudio codec: "), std::string::npos) << report;
  EXPECT_EQ(report.find('\r'), std::string::npos) << "terminal line ends";
  m_out.str("");
  EXPECT_EQ(Run({"--depth", "none", "--json", m_clip}), 0);
  EXPECT_NE(m_out.str().find("\"VideoStreams\": []"), std::string::npos);
  EXPECT_EQ(m_out.str().find("\"FileSize\": 0,"), std::string::npos);
}

}  // namespace
}  // namespace zelmora
