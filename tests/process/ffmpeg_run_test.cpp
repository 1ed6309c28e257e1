#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "base/text.h"
#include "fake_encoder_util.h"
#include "process/abort_controller.h"
#include "process/encoder_list.h"
#include "process/encoder_output_handler.h"
#include "recording_progress_view.h"
#include "support/media_clips.h"
#include "support/temp_dir.h"

namespace zelmora {
namespace {

using namespace std::chrono_literals;

// The pieces of a conversion pass as the conversion run wires them.
struct EncodePass {
  TConversionState state;
  ConsoleRunner runner;
  AbortController abort{state, runner};
  std::vector<std::string> output;
  test::RecordingProgressView view;
  TAppStrings strings;
  EncoderOutputHandler handler{output, state, strings, view, abort};

  EncodePass(uint32_t expectedFrames) {
    state.Running = true;
    state.Pass = 1;
    state.FileNo = 1;
    state.FileCount = 1;
    handler.Params().ExpectedFrames = expectedFrames;
    handler.Params().FfmpegPath = test::FfmpegPath();
    handler.Params().ProgramTitle = "Zelmora 1.5  [64-bit]";
    runner.SetOutputObserver(&handler);
  }

  Result<uint32_t> Run(const std::string& parameters) {
    return runner.RunConsoleProgram(test::FfmpegPath(), parameters, &output, {});
  }
};

// -re reads the test source at its own rate, so ffmpeg prints a progress
// line about every half second.
std::string RealTimeEncode(int seconds, const std::string& out) {
  return "-hide_banner -re -f lavfi -i testsrc=size=160x120:rate=25:duration=" +
         std::to_string(seconds) + " -c:v mpeg4 -f avi -y \"" + out + "\"";
}

TEST(FfmpegRun, ARealEncodeShowsARisingPercentageThatReaches100) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  test::TempDir dir;
  EncodePass pass(50);
  Result<uint32_t> exitCode = pass.Run(RealTimeEncode(2, dir.file("out file.avi")));
  ASSERT_TRUE(exitCode.ok()) << exitCode.error().message;
  EXPECT_EQ(exitCode.value(), 0u);
  std::vector<int> positions = pass.view.positions;
  ASSERT_GE(positions.size(), 3u);
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_GT(std::count_if(positions.begin(), positions.end(), [](int p) { return p < 100; }), 1);
  EXPECT_EQ(positions.back(), 100);
  EXPECT_EQ(pass.view.caption, "Progress: 100%");
  EXPECT_EQ(pass.view.title, "100% Zelmora 1.5  [64-bit]");
  EXPECT_NE(Join(pass.output, "\n").find("muxing overhead:"), std::string::npos);
  EXPECT_NE(pass.view.pane.find("muxing overhead:"), std::string::npos);
}

TEST(FfmpegRun, TheOutputHiddenShowsPleaseWaitUntilTheSummary) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  test::TempDir dir;
  EncodePass pass(0);  // no frame count: the percentage never moves
  pass.view.outputHidden = true;
  std::vector<std::string> panes;
  pass.view.onProcessEvents = [&] { panes.push_back(pass.view.pane); };
  ASSERT_EQ(pass.Run(RealTimeEncode(1, dir.file("out.avi"))).value(), 0u);
  EXPECT_TRUE(pass.view.positions.empty());
  EXPECT_NE(std::find(panes.begin(), panes.end(), "Please wait..."), panes.end());
  EXPECT_NE(pass.view.pane.find("muxing overhead:"), std::string::npos);
}

TEST(FfmpegRun, QDuringARealEncodeStopsFfmpegCleanly) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  test::TempDir dir;
  EncodePass pass(250);
  pass.view.onProcessEvents = [&] {
    if (!pass.view.positions.empty()) pass.abort.Abort();
  };
  auto start = std::chrono::steady_clock::now();
  Result<uint32_t> exitCode = pass.Run(RealTimeEncode(10, dir.file("out.avi")));
  ASSERT_TRUE(exitCode.ok());
  EXPECT_EQ(exitCode.value(), 0u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
  EXPECT_TRUE(pass.state.AbortRequested);
  EXPECT_FALSE(pass.state.AbortTimedOut);
  EXPECT_LT(pass.view.positions.back(), 100);
}

TEST(EncoderList, ReadsTheNamesAfterTheRule) {
  std::vector<std::string> lines{
      "Encoders:",
      " V..... = Video",
      " A..... = Audio",
      " ------",
      " V....D a64multi             Multicolor charset for Commodore 64 (codec a64_multi)",
      " A....D aac                  AAC (Advanced Audio Coding)",
      ""};
  EXPECT_EQ(ParseEncoderList(lines), (std::set<std::string>{"a64multi", "aac"}));
}

TEST(EncoderList, AsksEachFfmpegOnceAndKnowsItsEncoders) {
  ZELMORA_SKIP_WITHOUT_FFMPEG();
  ConsoleRunner runner;
  test::RecordingObserver counter;
  runner.SetOutputObserver(&counter);
  EncoderListCache cache(runner);
  EXPECT_TRUE(cache.HasEncoder(test::FfmpegPath(), "mpeg4"));
  EXPECT_TRUE(cache.HasEncoder(test::FfmpegPath(), "aac"));
  size_t linesAfterFirst = counter.lines.size();
  EXPECT_GT(linesAfterFirst, 50u);
  EXPECT_FALSE(cache.HasEncoder(test::FfmpegPath(), "no_such_encoder"));
  EXPECT_EQ(counter.lines.size(), linesAfterFirst);
}

TEST(EncoderList, AnFfmpegThatFailsGivesNoEncodersAndIsAskedAgain) {
  ConsoleRunner runner;
  test::RecordingObserver counter;
  runner.SetOutputObserver(&counter);
  EncoderListCache cache(runner);
  // The fake encoder rejects "-hide_banner" with exit code 99.
  EXPECT_TRUE(cache.Encoders(test::FakeEncoder()).empty());
  size_t first = counter.lines.size();
  EXPECT_TRUE(cache.Encoders(test::FakeEncoder()).empty());
  EXPECT_GT(counter.lines.size(), first);
  EXPECT_TRUE(cache.Encoders("/nonexistent/ffmpeg").empty());
}

}  // namespace
}  // namespace zelmora
